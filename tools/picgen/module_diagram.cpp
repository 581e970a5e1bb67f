#include "module_diagram.h"

#include <QCoreApplication>

#include "board_geometry.h"
#include "display_geometry.h"
#include "diagram_fonts.h"
#include "diagram_panels.h"
#include "diagram_style.h"
#include "labelled_digit.h"

#include <QFontMetrics>

#include <algorithm>
#include <array>

namespace picgen {

namespace {

// The module's segment letters, in the order of its segment columns; the
// lines are where the bench draws them (display_geometry.h).
constexpr std::array<const char*, 8> kSegmentLetters{"a", "b", "c", "d", "e", "f", "g", "dp"};

constexpr double kDigit2Shift = 470;

// Terminals of the module on grid row 35.
constexpr int kCommonColumns[2] = {bench::kDigit1CommonColumn, bench::kDigit2CommonColumn};

// The part of the board the drawing shows, and its scale.
constexpr double kScale = 0.32;  // pixels per twip
const QRectF kShownArea(8960, 2290, 1370, 1090);
const QRectF kModuleBody(9380, 2400, 880, 540);

const QColor kModuleBodyColour{40, 40, 44};
const QColor kSegmentLabelColour{255, 214, 90};
const QColor kTerminalColour{235, 235, 235};

QPointF board_to_panel(double x, double y, QPoint at) {
    return {at.x() + (x - kShownArea.left()) * kScale, at.y() + (y - kShownArea.top()) * kScale};
}

void paint_module(QPainter& p, QPoint at) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    QTransform map;
    map.translate(at.x(), at.y());
    map.scale(kScale, kScale);
    map.translate(-kShownArea.left(), -kShownArea.top());

    p.setPen(Qt::NoPen);
    p.setBrush(kModuleBodyColour);
    p.drawRoundedRect(map.mapRect(kModuleBody), 6, 6);

    const QFont caption_font = diagram_font(kTextFontSize, true);
    p.setFont(caption_font);
    p.setPen(kTextColour);
    const int caption_height = QFontMetrics(caption_font).height();
    for (int digit = 0; digit < 2; ++digit) {
        const double centre = 9580 + digit * kDigit2Shift;
        const QPointF top = board_to_panel(centre, kModuleBody.top(), at);
        p.drawText(QRectF(top.x() - 60, top.y() - caption_height - 4, 120, caption_height), Qt::AlignCenter,
                   QCoreApplication::translate("pinout", "数码管%1").arg(digit + 1));
    }

    const digit_style style{7, kLitSegmentColour, kSegmentLabelColour, diagram_font(kTableFontSize, true)};
    for (int digit = 0; digit < 2; ++digit) {
        std::vector<digit_segment> segments;
        for (std::size_t k = 0; k < kSegmentLetters.size(); ++k) {
            const bench::segment_line& s = bench::kModuleSegmentLines[static_cast<std::size_t>(digit)][k];
            segments.push_back({QString::fromLatin1(kSegmentLetters[k]), QLineF(s.from.x, s.from.y, s.to.x, s.to.y)});
        }
        draw_labelled_digit(p, segments, map, style);
    }

    // Terminals: the segment column to the left, labelled on its left; the
    // two commons under their digits, labelled below.
    const QFont terminal_font = diagram_font(kTableFontSize, true);
    const QFontMetrics metrics(terminal_font);
    p.setFont(terminal_font);
    constexpr double kRadius = 6;
    auto draw_terminal = [&](int column) {
        const bench::board_point hole = bench::point_position(bench::kLedRow, column);
        const QPointF centre = board_to_panel(hole.x, hole.y, at);
        p.setPen(QPen(QColor(90, 90, 90), 1.5));
        p.setBrush(kTerminalColour);
        p.drawEllipse(centre, kRadius, kRadius);
        p.setBrush(QColor(60, 60, 60));
        p.setPen(Qt::NoPen);
        p.drawEllipse(centre, 2, 2);
        return centre;
    };
    for (int column = bench::kFirstSegmentColumn; column <= bench::kLastSegmentColumn; ++column) {
        const QPointF centre = draw_terminal(column);
        const QString name = QString::fromLatin1(kSegmentLetters[static_cast<std::size_t>(column - bench::kFirstSegmentColumn)]);
        p.setPen(kTextColour);
        p.drawText(QRectF(centre.x() - kRadius - 6 - 40, centre.y() - metrics.height() / 2.0, 40, metrics.height()),
                   Qt::AlignRight | Qt::AlignVCenter, name);
    }
    for (int digit = 0; digit < 2; ++digit) {
        const QPointF centre = draw_terminal(kCommonColumns[digit]);
        p.setPen(kTextColour);
        p.drawText(QRectF(centre.x() - 40, centre.y() + kRadius + 3, 80, metrics.height()), Qt::AlignCenter,
                   QStringLiteral("COM%1").arg(digit + 1));
    }
    p.restore();
}

}  // namespace

QImage draw_module_diagram() {
    const panel title = text_panel({QCoreApplication::translate("pinout", "数码管模块")}, diagram_font(kTitleFontSize, true), kTitleColour);
    const panel module{QSize(static_cast<int>(kShownArea.width() * kScale), static_cast<int>(kShownArea.height() * kScale)),
                       paint_module};
    const panel notes = text_panel(
        {QCoreApplication::translate("pinout", "左侧一列插孔：两位数码管共用的段 a b c d e f g dp"),
         QCoreApplication::translate("pinout", "下方两个插孔：COM1、COM2 是数码管1、数码管2的公共端"),
         QCoreApplication::translate("pinout", "共阴极：公共端为低电平（0）、段为高电平（1）时该段点亮"),
         QCoreApplication::translate("pinout", "两个公共端都为低电平时，两位显示相同的字形")},
        diagram_font(kTextFontSize), kTextColour);

    const int content_width = std::max({kDiagramMinimumWidth - 2 * kDiagramMargin, title.size.width(),
                                        module.size.width(), notes.size.width()});
    const int width = content_width + 2 * kDiagramMargin;
    const int module_top = kDiagramMargin + title.size.height() + 10;
    const int notes_top = module_top + module.size.height() + kDiagramGap;
    const int height = notes_top + notes.size.height() + kDiagramMargin;

    QImage image(width, height, QImage::Format_RGB888);
    image.fill(kDiagramBackground);
    QPainter p(&image);
    title.paint(p, QPoint(kDiagramMargin, kDiagramMargin));
    module.paint(p, QPoint((width - module.size.width()) / 2, module_top));
    notes.paint(p, QPoint(kDiagramMargin, notes_top));
    p.end();
    return image;
}

}  // namespace picgen
