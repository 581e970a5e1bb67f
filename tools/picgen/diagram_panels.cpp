#include "diagram_panels.h"

#include <QFontMetrics>

#include <algorithm>

namespace picgen {

namespace {

constexpr int kCellPadding = 7;

}  // namespace

panel text_panel(const QStringList& lines, const QFont& font, QColor colour) {
    const QFontMetrics metrics(font);
    const int line_height = metrics.height() + 3;
    int width = 0;
    for (const QString& line : lines) width = std::max(width, metrics.horizontalAdvance(line));
    const QSize size(width, line_height * static_cast<int>(lines.size()));
    return {size, [lines, font, colour, line_height, ascent = metrics.ascent()](QPainter& p, QPoint at) {
                p.setFont(font);
                p.setPen(colour);
                int y = at.y() + ascent;
                for (const QString& line : lines) {
                    p.drawText(at.x(), y, line);
                    y += line_height;
                }
            }};
}

panel table_panel(const std::vector<QStringList>& rows, const QFont& font, const QFont& heading_font) {
    std::vector<int> widths;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const QFontMetrics metrics(r == 0 ? heading_font : font);
        for (qsizetype c = 0; c < rows[r].size(); ++c) {
            if (widths.size() <= static_cast<std::size_t>(c)) widths.push_back(0);
            widths[c] = std::max(widths[c], metrics.horizontalAdvance(rows[r][c]) + 2 * kCellPadding);
        }
    }
    const int row_height = std::max(QFontMetrics(font).height(), QFontMetrics(heading_font).height()) + 4;
    int width = 0;
    for (int w : widths) width += w;
    const QSize size(width + 1, row_height * static_cast<int>(rows.size()) + 1);

    return {size, [rows, widths, font, heading_font, row_height, width](QPainter& p, QPoint at) {
                p.save();
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(226, 234, 246));
                p.drawRect(at.x(), at.y(), width, row_height);
                p.setBrush(Qt::NoBrush);
                for (std::size_t r = 0; r < rows.size(); ++r) {
                    p.setFont(r == 0 ? heading_font : font);
                    p.setPen(QColor(20, 20, 20));
                    int x = at.x();
                    const int y = at.y() + static_cast<int>(r) * row_height;
                    for (qsizetype c = 0; c < rows[r].size(); ++c) {
                        p.drawText(QRect(x, y, widths[c], row_height), Qt::AlignCenter, rows[r][c]);
                        x += widths[c];
                    }
                }
                // Rules: a frame, a line under the heading, thin lines between columns.
                p.setPen(QPen(QColor(150, 160, 175), 1));
                const int height = row_height * static_cast<int>(rows.size());
                p.drawRect(at.x(), at.y(), width, height);
                p.drawLine(at.x(), at.y() + row_height, at.x() + width, at.y() + row_height);
                int x = at.x();
                for (std::size_t c = 0; c + 1 < widths.size(); ++c) {
                    x += widths[c];
                    p.drawLine(x, at.y(), x, at.y() + height);
                }
                p.restore();
            }};
}

panel_layout flow(const std::vector<panel>& panels, int width, int gap) {
    panel_layout layout;
    int x = 0;
    int y = 0;
    int line_height = 0;
    for (const panel& item : panels) {
        if (x > 0 && x + item.size.width() > width) {
            x = 0;
            y += line_height + gap;
            line_height = 0;
        }
        layout.at.emplace_back(x, y);
        x += item.size.width() + gap;
        line_height = std::max(line_height, item.size.height());
        layout.size = layout.size.expandedTo(QSize(x - gap, y + line_height));
    }
    return layout;
}

}  // namespace picgen
