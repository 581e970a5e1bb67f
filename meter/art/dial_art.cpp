#include "dial_art.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <utility>

#include "art_style.h"
#include "knob_art.h"
#include "meter_geometry.h"
#include "needle_scales.h"

namespace dmeterx::art {

namespace {

// Case and window, twips.
constexpr double kCaseCorner = 165;
constexpr double kCaseEdgeWidth = 30;
constexpr std::array<twips_point, 6> kWindowOutline{{
    {60, 630}, {510, 60}, {2115, 60}, {2565, 630}, {2565, 1830}, {60, 1830}}};
constexpr double kWindowFrameWidth = 45;
constexpr double kPanelLeft = 45, kPanelTop = 1875, kPanelWidth = 2535, kPanelHeight = 1560;

// The close box the host looks for at the top left corner.
constexpr double kCloseLeft = 30, kCloseTop = 30, kCloseWidth = 210, kCloseHeight = 300;
constexpr twips_point kCornerScrew{2440, 190};
constexpr twips_point kZeroScrew{1290, 1710};
constexpr double kScrewRadius = 80;

// Distances from the pivot, twips. The needle is about 1495 long, so its tip
// reaches the ohm ticks and crosses every scale below them.
constexpr double kOhmArc = 1410;
constexpr double kOhmMajorTick = 1485;
constexpr double kOhmMinorTick = 1452;
constexpr double kOhmLabels = 1300;
constexpr double kMirrorOuter = 1240;
constexpr double kMirrorInner = 1200;
constexpr double kLinearArc = 1150;
constexpr double kLinearMajorTick = 1195;
constexpr double kLinearMiddleTick = 1182;
constexpr double kLinearMinorTick = 1170;
constexpr std::array<double, 3> kLinearRows{1065, 950, 835};
constexpr int kLinearDivisions = 50;

constexpr int kScaleLetters = 100;
constexpr int kLegendLetters = 150;
constexpr int kPanelLetters = 95;

// Ohm marks that carry their reading; the crowded ones between stay ticks.
constexpr std::array<std::pair<int, const char*>, 13> kOhmLabelText{{
    {0, "0"}, {1, "1"}, {2, "2"}, {3, "5"}, {4, "10"}, {5, "15"}, {6, "20"},
    {7, "30"}, {9, "50"}, {14, "100"}, {15, "200"}, {18, "500"}, {19, "\u221e"}}};

// The three rows share the zero of the first.
constexpr std::array<std::array<const char*, 6>, 3> kLinearRowText{{
    {"0", "2", "4", "6", "8", "10"},
    {"", "10", "20", "30", "40", "50"},
    {"", "50", "100", "150", "200", "250"}}};

struct jack_print {
    twips_point label_at;
    const char* label;
    bool common;
};
constexpr std::array<jack_print, 4> kJackPrints{{
    {{195, 2385}, "5A", false},
    {{420, 3070}, "+", false},
    {{2370, 2535}, "1000V", false},
    {{2135, 3080}, QT_TRANSLATE_NOOP("meter", "COM"), true}}};
constexpr double kJackRing = 110;
constexpr double kJackCollar = 84;
constexpr double kJackHole = 42;

struct legend {
    twips_point at;
    const char* text;
    const QColor* colour;
};
const std::array<legend, 4> kPanelLegends{{
    {{330, 2000}, QT_TRANSLATE_NOOP("meter", "ACV"), &kAcInk},
    {{2290, 2000}, "\u03a9", &kOhmInk},
    {{2170, 3395}, "mA", &kCurrentInk},
    {{610, 3395}, QT_TRANSLATE_NOOP("meter", "DCV"), &kPanelInk}}};

constexpr double kDegree = kPi / 180;

QPainterPath window_path() {
    QPainterPath path;
    path.moveTo(to_qt(kWindowOutline[0]));
    for (std::size_t i = 1; i < kWindowOutline.size(); ++i) path.lineTo(to_qt(kWindowOutline[i]));
    path.closeSubpath();
    return path;
}

// An arc round the pivot, between two needle angles (radians).
QPainterPath dial_arc(double radius, double from, double to) {
    QPainterPath path;
    const int pieces = std::max(8, static_cast<int>(std::abs(to - from) / kDegree * 2));
    path.moveTo(to_qt(dial_point(radius, from)));
    for (int i = 1; i <= pieces; ++i) path.lineTo(to_qt(dial_point(radius, from + (to - from) * i / pieces)));
    return path;
}

void radial_tick(QPainter& painter, double inner, double outer, double angle) {
    painter.drawLine(to_qt(dial_point(inner, angle)), to_qt(dial_point(outer, angle)));
}

void draw_case(QPainter& painter) {
    QLinearGradient body(0, 0, 0, kFaceHeight);
    body.setColorAt(0, kCaseTop);
    body.setColorAt(1, kCaseBottom);
    painter.setPen(QPen(kCaseEdge, kCaseEdgeWidth));
    painter.setBrush(body);
    const double inset = kCaseEdgeWidth / 2;
    painter.drawRoundedRect(QRectF(inset, inset, kFaceWidth - 2 * inset, kFaceHeight - 2 * inset), kCaseCorner,
                            kCaseCorner);

    painter.setPen(QPen(QColor(62, 65, 70), 15));
    painter.setBrush(QColor(40, 42, 46));
    painter.drawRoundedRect(QRectF(kPanelLeft, kPanelTop, kPanelWidth, kPanelHeight), 90, 90);
}

void draw_screw(QPainter& painter, twips_point at, double slot_angle) {
    QRadialGradient metal(to_qt(at) - QPointF(25, 25), kScrewRadius * 1.4);
    metal.setColorAt(0, QColor(226, 228, 230));
    metal.setColorAt(1, QColor(110, 114, 118));
    painter.setPen(QPen(QColor(30, 30, 32), 12));
    painter.setBrush(metal);
    painter.drawEllipse(to_qt(at), kScrewRadius, kScrewRadius);
    const QPointF along(std::cos(slot_angle) * kScrewRadius * 0.8, std::sin(slot_angle) * kScrewRadius * 0.8);
    painter.setPen(QPen(QColor(40, 40, 42), 22, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(to_qt(at) - along, to_qt(at) + along);
}

void draw_close_box(QPainter& painter) {
    const QRectF box(kCloseLeft, kCloseTop, kCloseWidth, kCloseHeight);
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, QColor(214, 64, 52));
    fill.setColorAt(1, QColor(150, 28, 22));
    painter.setPen(QPen(QColor(70, 12, 10), 15));
    painter.setBrush(fill);
    painter.drawRoundedRect(box, 45, 45);
    const double arm = 55;
    const QPointF centre = box.center();
    painter.setPen(QPen(Qt::white, 28, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre + QPointF(-arm, -arm), centre + QPointF(arm, arm));
    painter.drawLine(centre + QPointF(arm, -arm), centre + QPointF(-arm, arm));
}

void draw_ohm_scale(QPainter& painter) {
    const auto angles = ohm_angles();
    const QPen ink(kDialInk, 16, Qt::SolidLine, Qt::FlatCap);
    painter.setPen(ink);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(dial_arc(kOhmArc, angles[19] * kDegree, angles[0] * kDegree));

    for (int k = 0; k < 20; ++k) {
        const bool labelled = std::any_of(kOhmLabelText.begin(), kOhmLabelText.end(),
                                          [k](const auto& entry) { return entry.first == k; });
        painter.setPen(QPen(kDialInk, labelled ? 18 : 12, Qt::SolidLine, Qt::FlatCap));
        radial_tick(painter, kOhmArc, labelled ? kOhmMajorTick : kOhmMinorTick, angles[k] * kDegree);
        if (k == 0) continue;
        // Finer ticks where the marks are far apart, spaced as the needle
        // moves between two marks: evenly in reading.
        const double gap = angles[k - 1] - angles[k];
        const int parts = gap >= 6 ? 5 : gap >= 3 ? 2 : 1;
        painter.setPen(QPen(kDialInk, 9, Qt::SolidLine, Qt::FlatCap));
        for (int j = 1; j < parts; ++j) {
            const double angle = angles[k - 1] - gap * j / parts;
            radial_tick(painter, kOhmArc, kOhmArc + (kOhmMinorTick - kOhmArc) * 0.6, angle * kDegree);
        }
    }

    painter.setPen(kDialInk);
    painter.setFont(lettering(kScaleLetters, true));
    for (const auto& [mark, text] : kOhmLabelText) {
        // Infinity is a wide, thin sign; it needs more size to read as one.
        if (mark == 19) painter.setFont(lettering(kScaleLetters * 3 / 2, true));
        centred_text(painter, dial_point(kOhmLabels, angles[mark] * kDegree), QString::fromUtf8(text));
    }
    painter.setFont(lettering(kLegendLetters, true));
    centred_text(painter, dial_point(1160, 27 * kDegree), QStringLiteral("\u03a9"));
}

void draw_linear_scale(QPainter& painter) {
    const auto scale = linear_angles();
    const double end = scale.start + scale.sweep;

    QPainterPath mirror = dial_arc(kMirrorOuter, scale.start, end);
    mirror.connectPath(dial_arc(kMirrorInner, end, scale.start));
    mirror.closeSubpath();
    QLinearGradient shine(0, 0, kFaceWidth, 0);
    shine.setColorAt(0, kMirror.darker(115));
    shine.setColorAt(0.5, kMirror.lighter(112));
    shine.setColorAt(1, kMirror.darker(115));
    painter.setPen(QPen(QColor(120, 124, 128), 8));
    painter.setBrush(shine);
    painter.drawPath(mirror);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kDialInk, 16, Qt::SolidLine, Qt::FlatCap));
    painter.drawPath(dial_arc(kLinearArc, scale.start, end));
    for (int d = 0; d <= kLinearDivisions; ++d) {
        const double angle = scale.start + scale.sweep * d / kLinearDivisions;
        const bool major = d % 10 == 0;
        const bool middle = d % 5 == 0;
        painter.setPen(QPen(kDialInk, major ? 18 : 10, Qt::SolidLine, Qt::FlatCap));
        radial_tick(painter, kLinearArc,
                    major ? kLinearMajorTick : middle ? kLinearMiddleTick : kLinearMinorTick, angle);
    }

    painter.setFont(lettering(kScaleLetters));
    for (std::size_t row = 0; row < kLinearRows.size(); ++row) {
        painter.setPen(row == 2 ? kDialRed : kDialInk);
        for (int i = 0; i <= 5; ++i) {
            const double angle = scale.start + scale.sweep * i / 5;
            centred_text(painter, dial_point(kLinearRows[row], angle), QString::fromUtf8(kLinearRowText[row][i]));
        }
    }
    painter.setPen(kDialInk);
    painter.setFont(lettering(kLegendLetters - 30, true));
    centred_text(painter, dial_point(1120, 153 * kDegree), QStringLiteral("V\u00b7mA"));
    painter.setPen(kDialRed);
    painter.setFont(lettering(kScaleLetters - 10, true));
    centred_text(painter, dial_point(1000, 160 * kDegree), QCoreApplication::translate("meter", "AC"));
}

void draw_window(QPainter& painter) {
    const QPainterPath outline = window_path();
    QLinearGradient paper(0, 60, 0, 1830);
    paper.setColorAt(0, kDialPaper);
    paper.setColorAt(1, kDialPaperShade);
    painter.setPen(Qt::NoPen);
    painter.setBrush(paper);
    painter.drawPath(outline);

    painter.save();
    painter.setClipPath(outline);
    draw_ohm_scale(painter);
    draw_linear_scale(painter);
    draw_screw(painter, kZeroScrew, 0.35);
    painter.restore();

    painter.setPen(QPen(QColor(12, 12, 14), kWindowFrameWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);
}

void draw_jacks(QPainter& painter) {
    for (std::size_t j = 0; j < geometry::kJacks.size(); ++j) {
        const QPointF at = to_qt(geometry::kJacks[j]);
        QRadialGradient metal(at - QPointF(30, 30), kJackRing * 1.3);
        metal.setColorAt(0, QColor(232, 234, 236));
        metal.setColorAt(1, QColor(104, 108, 112));
        painter.setPen(QPen(QColor(16, 16, 18), 12));
        painter.setBrush(metal);
        painter.drawEllipse(at, kJackRing, kJackRing);
        const bool common = kJackPrints[j].common;
        painter.setPen(Qt::NoPen);
        painter.setBrush(common ? QColor(18, 18, 20) : QColor(178, 30, 24));
        painter.drawEllipse(at, kJackCollar, kJackCollar);
        painter.setBrush(QColor(4, 4, 4));
        painter.drawEllipse(at, kJackHole, kJackHole);

        painter.setPen(common ? kPanelInk : kAcInk);
        painter.setFont(lettering(std::strlen(kJackPrints[j].label) == 1 ? 2 * kPanelLetters : kPanelLetters, true));
        centred_text(painter, kJackPrints[j].label_at, QCoreApplication::translate("meter", kJackPrints[j].label));
    }
}

void draw_panel_legends(QPainter& painter) {
    painter.setFont(lettering(kPanelLetters + 10, true));
    for (const auto& entry : kPanelLegends) {
        painter.setPen(*entry.colour);
        centred_text(painter, entry.at, QCoreApplication::translate("meter", entry.text));
    }
}

}  // namespace

void draw_face(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    draw_case(painter);
    draw_window(painter);
    draw_close_box(painter);
    draw_screw(painter, kCornerScrew, -0.6);
    draw_range_labels(painter);
    draw_panel_legends(painter);
    draw_jacks(painter);
}

}  // namespace dmeterx::art
