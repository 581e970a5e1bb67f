#include "knob_art.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace dscopex {

namespace {

const QColor kPrint(34, 36, 40);          // lettering and scales on the face
const QColor kSkirtLight(86, 90, 98);
const QColor kSkirtDark(18, 19, 22);
const QColor kCapLight(120, 124, 132);
const QColor kCapDark(40, 42, 47);
const QColor kPointer(244, 244, 238);
const QColor kSlot(28, 29, 32);
const QColor kLeverLight(226, 228, 230);
const QColor kLeverDark(138, 142, 148);

// Scales run through 270 degrees, from the lower left clockwise to the lower
// right, leaving the gap at the bottom for the legend.
constexpr double kScaleStart = 225;
constexpr double kScaleSweep = 270;

QPointF on_circle(QPointF centre, double radius, double degrees) {
    const double a = degrees * std::numbers::pi / 180.0;
    return {centre.x() + radius * std::cos(a), centre.y() - radius * std::sin(a)};
}

double position_angle(int position, int positions) {
    if (positions < 2) return 90;
    return kScaleStart - (position - 1) * kScaleSweep / (positions - 1);
}

QFont face_font(double size, bool bold = true) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(static_cast<int>(size));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// A knurled black skirt with a domed cap, lit from the upper left.
void paint_knob_body(QPainter& painter, QPointF centre, double radius, int ridges) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));  // its shadow on the face
    painter.drawEllipse(centre + QPointF(radius * 0.10, radius * 0.14), radius, radius);

    QRadialGradient skirt(centre - QPointF(radius * 0.45, radius * 0.45), radius * 1.6);
    skirt.setColorAt(0, kSkirtLight);
    skirt.setColorAt(1, kSkirtDark);
    painter.setBrush(skirt);
    painter.drawEllipse(centre, radius, radius);

    QPen ridge(QColor(140, 144, 150, 150), radius * 0.05);
    painter.setPen(ridge);
    for (int i = 0; i < ridges; ++i) {
        const double a = i * 360.0 / ridges;
        painter.drawLine(on_circle(centre, radius * 0.80, a), on_circle(centre, radius * 0.97, a));
    }

    const double cap = radius * 0.70;
    QRadialGradient dome(centre - QPointF(cap * 0.4, cap * 0.5), cap * 1.5);
    dome.setColorAt(0, kCapLight);
    dome.setColorAt(1, kCapDark);
    painter.setPen(QPen(QColor(10, 10, 12), radius * 0.04));
    painter.setBrush(dome);
    painter.drawEllipse(centre, cap, cap);
}

void paint_pointer(QPainter& painter, QPointF centre, double radius, double degrees) {
    QPen pen(kPointer, radius * 0.13, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(pen);
    painter.drawLine(on_circle(centre, radius * 0.25, degrees), on_circle(centre, radius * 0.93, degrees));
}

}  // namespace

void paint_dial(QPainter& painter, QPointF centre, const DialStyle& style, int position,
                int positions, const QString& legend) {
    painter.setRenderHint(QPainter::Antialiasing);

    // The printed scale, with a longer mark at the chosen position.
    for (int p = 1; p <= positions; ++p) {
        const double a = position_angle(p, positions);
        const bool chosen = p == position;
        painter.setPen(QPen(kPrint, chosen ? style.radius * 0.10 : style.radius * 0.05, Qt::SolidLine,
                            Qt::FlatCap));
        const double outer = chosen ? style.tick_outer + style.radius * 0.10 : style.tick_outer;
        painter.drawLine(on_circle(centre, style.tick_inner, a), on_circle(centre, outer, a));
    }

    paint_knob_body(painter, centre, style.radius, 28);
    paint_pointer(painter, centre, style.radius, position_angle(position, positions));

    if (!legend.isEmpty() && style.legend_size > 0) {
        painter.setFont(face_font(style.legend_size));
        const double w = style.tick_outer * 1.5;
        const QRectF box(centre.x() - w / 2, centre.y() + style.tick_inner - style.legend_size * 0.5,
                         w, style.legend_size * 1.3);
        painter.setPen(kPrint);
        painter.drawText(box, Qt::AlignHCenter | Qt::AlignBottom, legend);
    }
}

void paint_position_knob(QPainter& painter, QPointF centre, double radius, int frame, int frames) {
    painter.setRenderHint(QPainter::Antialiasing);
    paint_knob_body(painter, centre, radius, 16);
    // An endless knob: the frames step a dot round the cap.
    const double a = 90 - (frame - 1) * 360.0 / frames;
    painter.setPen(Qt::NoPen);
    painter.setBrush(kPointer);
    painter.drawEllipse(on_circle(centre, radius * 0.42, a), radius * 0.2, radius * 0.2);
}

void paint_coupling_switch(QPainter& painter, double width, double height, int position) {
    painter.setRenderHint(QPainter::Antialiasing);
    static constexpr const char* kNames[] = {QT_TRANSLATE_NOOP("oscilloscope", "AC"),
                                             QT_TRANSLATE_NOOP("oscilloscope", "GND"),
                                             QT_TRANSLATE_NOOP("oscilloscope", "DC")};
    const double label_height = height * 0.42;
    const double slot_top = label_height + height * 0.08;
    const double column = width / 3;

    painter.setFont(face_font(label_height * 0.72));
    for (int p = 0; p < 3; ++p) {
        painter.setPen(p + 1 == position ? QColor(170, 20, 20) : kPrint);
        painter.drawText(QRectF(p * column, 0, column, label_height), Qt::AlignCenter,
                         QCoreApplication::translate("oscilloscope", kNames[p]));
    }

    const QRectF slot(column * 0.25, slot_top, width - column * 0.5, height - slot_top - height * 0.04);
    painter.setPen(QPen(QColor(200, 202, 206), height * 0.02));
    painter.setBrush(kSlot);
    painter.drawRoundedRect(slot, slot.height() / 2, slot.height() / 2);

    const double lever_width = column * 0.55;
    const double cx = (position - 0.5) * column;
    const QRectF lever(cx - lever_width / 2, slot.top() - height * 0.03, lever_width,
                       slot.height() + height * 0.06);
    QLinearGradient shine(lever.topLeft(), lever.bottomLeft());
    shine.setColorAt(0, kLeverLight);
    shine.setColorAt(1, kLeverDark);
    painter.setPen(QPen(QColor(60, 62, 66), height * 0.02));
    painter.setBrush(shine);
    painter.drawRoundedRect(lever, lever.height() * 0.2, lever.height() * 0.2);
    painter.setPen(QPen(QColor(90, 92, 96), lever_width * 0.07));
    for (int i = -1; i <= 1; ++i) {
        const double x = cx + i * lever_width * 0.22;
        painter.drawLine(QPointF(x, lever.top() + lever.height() * 0.25),
                         QPointF(x, lever.bottom() - lever.height() * 0.25));
    }
}

void paint_mode_switch(QPainter& painter, double width, double height, int position) {
    painter.setRenderHint(QPainter::Antialiasing);
    const double row = height / 3;
    const QRectF slot(width * 0.28, row * 0.25, width * 0.44, height - row * 0.5);
    painter.setPen(QPen(QColor(200, 202, 206), width * 0.04));
    painter.setBrush(kSlot);
    painter.drawRoundedRect(slot, slot.width() / 2, slot.width() / 2);

    const double cy = (position - 0.5) * row;
    const QRectF lever(width * 0.08, cy - row * 0.32, width * 0.84, row * 0.64);
    QLinearGradient shine(lever.topLeft(), lever.topRight());
    shine.setColorAt(0, kLeverLight);
    shine.setColorAt(1, kLeverDark);
    painter.setPen(QPen(QColor(60, 62, 66), width * 0.04));
    painter.setBrush(shine);
    painter.drawRoundedRect(lever, width * 0.15, width * 0.15);
    painter.setPen(QPen(QColor(90, 92, 96), width * 0.06));
    for (int i = -1; i <= 1; ++i) {
        const double y = cy + i * lever.height() * 0.22;
        painter.drawLine(QPointF(lever.left() + lever.width() * 0.25, y),
                         QPointF(lever.right() - lever.width() * 0.25, y));
    }
}

void paint_toggle(QPainter& painter, double width, double height, int position) {
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF pivot(width / 2, height / 2);
    const double nut = width * 0.40;

    QRadialGradient chrome(pivot - QPointF(nut * 0.4, nut * 0.4), nut * 1.6);
    chrome.setColorAt(0, QColor(245, 246, 248));
    chrome.setColorAt(1, QColor(110, 114, 120));
    painter.setPen(QPen(QColor(50, 52, 56), width * 0.03));
    painter.setBrush(chrome);
    painter.drawEllipse(pivot, nut, nut);

    // The bat handle, seen from the front: it leans towards its position.
    const double direction = position == 0 ? -1 : 1;
    const QPointF tip(pivot.x(), pivot.y() + direction * height * 0.38);
    painter.setPen(QPen(QColor(70, 72, 78), width * 0.26, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(pivot, tip);
    painter.setPen(QPen(QColor(205, 208, 214), width * 0.16, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(pivot, tip);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 250, 252));
    painter.drawEllipse(tip - QPointF(width * 0.04, width * 0.04), width * 0.07, width * 0.07);
}

}  // namespace dscopex
