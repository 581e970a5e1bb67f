#include "package_drawing.h"

#include "diagram_fonts.h"
#include "diagram_style.h"

#include <QFontMetrics>

#include <algorithm>

namespace picgen {

namespace {

constexpr int kMinimumPinSpacing = 44;
constexpr int kBodyEnd = 20;  // body length beyond the outer legs
constexpr int kBodyHeight = 72;
constexpr int kLegWidth = 14;
constexpr int kLegLength = 11;
constexpr int kNotchRadius = 10;

QString text_of(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QColor name_colour(std::string_view name) {
    if (name == "GND" || name == "VSS") return kGroundNameColour;
    if (name == "VCC" || name == "VDD") return kSupplyNameColour;
    if (name == "NC") return kUnusedNameColour;
    return kTextColour;
}

struct package_geometry {
    int pins_per_row;
    int spacing;
    int name_band;
    QSize size;
    // Relative to the panel's top-left.
    QRect body() const { return {0, name_band + kLegLength, size.width(), kBodyHeight}; }
    int leg_centre(int k) const { return kBodyEnd + spacing / 2 + k * spacing; }
};

package_geometry geometry_of(const lgsim::catalogue_entry& chip, const chip_pinout& pinout) {
    const QFontMetrics names(diagram_font(kPinNameFontSize, true));
    int widest = 0;
    for (std::string_view name : pinout.pins) widest = std::max(widest, names.horizontalAdvance(text_of(name)));
    package_geometry g;
    g.pins_per_row = chip.pin_count / 2;
    // Room for the widest name under every leg, so neighbouring names never touch.
    g.spacing = std::max(kMinimumPinSpacing, widest + 12);
    g.name_band = names.height() + 4;
    g.size = QSize(2 * kBodyEnd + g.pins_per_row * g.spacing, 2 * (g.name_band + kLegLength) + kBodyHeight);
    return g;
}

void paint_package(QPainter& p, QPoint at, const lgsim::catalogue_entry& chip, const chip_pinout& pinout,
                   const package_geometry& g) {
    p.save();
    p.translate(at);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRect body = g.body();
    const int n = chip.pin_count;

    // Legs first, so the body covers their inner ends.
    p.setPen(QPen(kLegLineColour, 1));
    p.setBrush(kLegFillColour);
    for (int k = 0; k < g.pins_per_row; ++k) {
        const int x = g.leg_centre(k) - kLegWidth / 2;
        p.drawRect(x, body.top() - kLegLength, kLegWidth, kLegLength + 2);
        p.drawRect(x, body.bottom() - 1, kLegWidth, kLegLength + 2);
    }

    p.setPen(Qt::NoPen);
    p.setBrush(kChipBodyColour);
    p.drawRoundedRect(body, 4, 4);
    // The notch marks the end where pin 1 is.
    p.setBrush(kDiagramBackground);
    p.drawEllipse(QPoint(body.left(), body.center().y()), kNotchRadius, kNotchRadius);
    p.setBrush(kPinNumberColour);
    p.drawEllipse(QPoint(g.leg_centre(0), body.bottom() - 25), 4, 4);

    p.setPen(kChipBodyTextColour);
    p.setFont(diagram_font(20, true));
    p.drawText(body, Qt::AlignCenter, text_of(chip.model));

    const QFont number_font = diagram_font(kPinNumberFontSize);
    const QFont name_font = diagram_font(kPinNameFontSize, true);
    const int number_height = QFontMetrics(number_font).height();
    for (int k = 0; k < g.pins_per_row; ++k) {
        const int lower_pin = k + 1;  // pins 1 .. n/2 run left to right along the lower edge
        const int upper_pin = n - k;  // pin n sits above pin 1
        const QRect column(g.leg_centre(k) - g.spacing / 2, 0, g.spacing, 0);

        p.setFont(number_font);
        p.setPen(kPinNumberColour);
        p.drawText(QRect(column.left(), body.bottom() - number_height - 3, g.spacing, number_height),
                   Qt::AlignCenter, QString::number(lower_pin));
        p.drawText(QRect(column.left(), body.top() + 3, g.spacing, number_height), Qt::AlignCenter,
                   QString::number(upper_pin));

        p.setFont(name_font);
        const std::string_view lower_name = pinout.pins[lower_pin - 1];
        const std::string_view upper_name = pinout.pins[upper_pin - 1];
        p.setPen(name_colour(lower_name));
        p.drawText(QRect(column.left(), body.bottom() + kLegLength + 2, g.spacing, g.name_band),
                   Qt::AlignHCenter | Qt::AlignTop, text_of(lower_name));
        p.setPen(name_colour(upper_name));
        p.drawText(QRect(column.left(), 0, g.spacing, g.name_band - 2), Qt::AlignHCenter | Qt::AlignBottom,
                   text_of(upper_name));
    }
    p.restore();
}

}  // namespace

panel package_panel(const lgsim::catalogue_entry& chip, const chip_pinout& pinout) {
    const package_geometry g = geometry_of(chip, pinout);
    return {g.size, [chip, pinout, g](QPainter& p, QPoint at) { paint_package(p, at, chip, pinout, g); }};
}

}  // namespace picgen
