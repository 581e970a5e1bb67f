#include "pinout_diagram.h"

#include "diagram_fonts.h"
#include "diagram_panels.h"
#include "diagram_style.h"
#include "display_figure.h"
#include "package_drawing.h"

#include <QCoreApplication>
#include <algorithm>
#include <string>

namespace picgen {

namespace {

QString text_of(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// A text in the language of the translation installed, if any (the sources
// are Chinese); the tables are null-terminated literals.
QString translated(const char* context, std::string_view s) {
    return QCoreApplication::translate(context, std::string(s).c_str());
}

std::vector<panel> function_panels(const chip_pinout& pinout) {
    std::vector<panel> panels;
    QStringList lines;
    for (std::string_view line : pinout.function) lines << translated("pinout", line);
    if (!lines.isEmpty()) panels.push_back(text_panel(lines, diagram_font(kTextFontSize), kTextColour));
    if (!pinout.table.empty()) {
        std::vector<QStringList> rows;
        for (std::string_view row : pinout.table) rows.push_back(translated("pinout", row).split(QLatin1Char('|')));
        panels.push_back(table_panel(rows, diagram_font(kTableFontSize), diagram_font(kTableFontSize, true)));
    }
    if (pinout.digit_figure) panels.push_back(display_digit_panel());
    return panels;
}

}  // namespace

QImage draw_pinout_diagram(const lgsim::catalogue_entry& chip, const chip_pinout& pinout) {
    const panel title = text_panel({text_of(chip.model) + QStringLiteral("   ") + translated("chip description", chip.description)},
                                   diagram_font(kTitleFontSize, true), kTitleColour);
    const panel package = package_panel(chip, pinout);
    const std::vector<panel> functions = function_panels(pinout);

    int one_row = 0;
    for (const panel& item : functions) one_row += item.size.width() + kDiagramGap;
    one_row = std::min(one_row - kDiagramGap, kDiagramSideBySideWidth - 2 * kDiagramMargin);
    const int content_width = std::max(
        {kDiagramMinimumWidth - 2 * kDiagramMargin, title.size.width(), package.size.width(), one_row});
    const panel_layout below = flow(functions, content_width, kDiagramGap);
    const int width = std::max(content_width, below.size.width()) + 2 * kDiagramMargin;
    const int package_top = kDiagramMargin + title.size.height() + 10;
    const int functions_top = package_top + package.size.height() + kDiagramGap;
    const int height = functions_top + below.size.height() + kDiagramMargin;

    // 24-bit, the form the pin-out viewer's bitmaps take.
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(kDiagramBackground);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    title.paint(p, QPoint(kDiagramMargin, kDiagramMargin));
    package.paint(p, QPoint((width - package.size.width()) / 2, package_top));
    for (std::size_t k = 0; k < functions.size(); ++k)
        functions[k].paint(p, QPoint(kDiagramMargin, functions_top) + below.at[k]);
    p.end();
    return image;
}

}  // namespace picgen
