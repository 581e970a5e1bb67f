#include "knob_art.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>
#include <cmath>

#include "art_style.h"
#include "range_table.h"

namespace dmeterx::art {

namespace {

constexpr double kDegree = kPi / 180;
// Position 14 (×100) points to the upper right; the ranges go round clockwise
// so that each kind fills one corner of the panel, next to its legend.
constexpr double kPosition14Angle = 45 * kDegree;
constexpr double kPositionPitch = 18 * kDegree;

constexpr double kLabelRadius = 690;
constexpr double kDotRadius = 520;
constexpr double kDotSize = 24;
constexpr double kSkirtRadius = 450;
constexpr double kTopRadius = 385;
constexpr double kBarHalfLength = 360;
constexpr double kBarHalfWidth = 92;
constexpr int kGripRidges = 40;
constexpr int kLabelLetters = 95;

constexpr std::array<const char*, 21> kLabels{
    "",    "0.5", "2.5", "10",  "50",  "250",  "500", "500",  "250", "50", "10",
    "2.5", "×10k", "×1k", "×100", "×10", "×1", "250", "25", "2.5", "50µ"};

QColor ink_of(int position) {
    const float kind = range_at(position).kind;
    if (kind == kAlternatingVoltage) return kAcInk;
    if (kind == kResistance) return kOhmInk;
    if (kind == kDirectCurrent) return kCurrentInk;
    return kPanelInk;
}

// A point at a distance from the knob's centre, in the knob's direction.
QPointF around_knob(double radius, double angle) {
    return {kKnobCentre.x + radius * std::sin(angle), kKnobCentre.y - radius * std::cos(angle)};
}

}  // namespace

double knob_angle(int position) { return kPosition14Angle + (position - 14) * kPositionPitch; }

void draw_range_labels(QPainter& painter) {
    painter.setFont(lettering(kLabelLetters, true));
    for (int p = kFirstRange; p <= kLastRange; ++p) {
        const double angle = knob_angle(p);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink_of(p));
        painter.drawEllipse(around_knob(kDotRadius, angle), kDotSize, kDotSize);
        painter.setPen(ink_of(p));
        const QPointF at = around_knob(kLabelRadius, angle);
        centred_text(painter, {at.x(), at.y()}, QString::fromUtf8(kLabels[static_cast<std::size_t>(p)]));
    }
}

void draw_knob(QPainter& painter, int position) {
    const QPointF centre = to_qt(kKnobCentre);
    const double angle = knob_angle(position);

    // Knurled skirt.
    QRadialGradient skirt(centre, kSkirtRadius);
    skirt.setColorAt(0.8, QColor(34, 35, 38));
    skirt.setColorAt(1, QColor(10, 10, 11));
    painter.setPen(QPen(QColor(6, 6, 7), 14));
    painter.setBrush(skirt);
    painter.drawEllipse(centre, kSkirtRadius, kSkirtRadius);
    painter.setPen(QPen(QColor(70, 72, 76), 10));
    for (int r = 0; r < kGripRidges; ++r) {
        const double a = angle + r * 2 * kPi / kGripRidges;
        painter.drawLine(around_knob(kTopRadius + 12, a), around_knob(kSkirtRadius - 14, a));
    }

    // Domed top, lit from the upper left.
    QRadialGradient top(centre - QPointF(120, 140), kTopRadius * 1.6);
    top.setColorAt(0, QColor(86, 90, 96));
    top.setColorAt(1, QColor(16, 17, 18));
    painter.setPen(QPen(QColor(8, 8, 9), 12));
    painter.setBrush(top);
    painter.drawEllipse(centre, kTopRadius, kTopRadius);

    // The grip bar across the knob, turned to the position.
    painter.save();
    painter.translate(centre);
    painter.rotate(angle / kDegree);
    QLinearGradient bar(-kBarHalfWidth, 0, kBarHalfWidth, 0);
    bar.setColorAt(0, QColor(96, 100, 106));
    bar.setColorAt(0.45, QColor(44, 46, 50));
    bar.setColorAt(1, QColor(14, 14, 15));
    painter.setPen(QPen(QColor(4, 4, 5), 12));
    painter.setBrush(bar);
    painter.drawRoundedRect(QRectF(-kBarHalfWidth, -kBarHalfLength, 2 * kBarHalfWidth, 2 * kBarHalfLength),
                            kBarHalfWidth, kBarHalfWidth);
    // The white pointer on the bar's front end, and the arrow on the skirt.
    painter.setPen(QPen(QColor(250, 250, 246), 34, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(0, -60), QPointF(0, -kBarHalfLength + 45));
    QPainterPath arrow;
    arrow.moveTo(0, -kSkirtRadius - 20);
    arrow.lineTo(-55, -kSkirtRadius + 75);
    arrow.lineTo(55, -kSkirtRadius + 75);
    arrow.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 250, 246));
    painter.drawPath(arrow);
    painter.restore();
}

}  // namespace dmeterx::art
