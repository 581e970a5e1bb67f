#include "probe_art.h"

#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <cmath>

#include "board_geometry.h"

namespace bench::art {

namespace {

struct probe_colours {
    QColor body;
    QColor body_light;
    QColor body_dark;
};

probe_colours colours_of(probe_look look) {
    switch (look) {
    case probe_look::red:
        return {QColor(200, 24, 24), QColor(255, 120, 110), QColor(110, 8, 8)};
    case probe_look::black:
        return {QColor(38, 38, 40), QColor(120, 120, 126), QColor(8, 8, 8)};
    case probe_look::scope:
        return {QColor(70, 74, 82), QColor(150, 156, 166), QColor(24, 26, 30)};
    }
    return {};
}

// A band across the probe's axis, shaded like a cylinder lit from the upper left.
QLinearGradient across(double half_width, const probe_colours& c) {
    QLinearGradient g(QPointF(0, -half_width), QPointF(0, half_width));
    g.setColorAt(0, c.body_dark);
    g.setColorAt(0.3, c.body_light);
    g.setColorAt(0.55, c.body);
    g.setColorAt(1, c.body_dark);
    return g;
}

// The probe drawn along the x axis from its tip at 0 to its back end at
// `length`, twips, centred on y = 0.
void paint_along_axis(QPainter& p, double length, probe_look look) {
    const probe_colours c = colours_of(look);
    const bool scope = look == probe_look::scope;
    const double tip_end = length * (scope ? 0.16 : 0.24);
    const double guard_end = tip_end + length * 0.05;
    const double handle_end = length * 0.9;
    const double handle = scope ? 78 : 62;  // half-widths
    const double guard = scope ? 118 : 100;
    const double boot = scope ? 46 : 36;

    // Metal tip: a needle for the meter, a sprung hook for the oscilloscope.
    QLinearGradient metal(QPointF(0, -26), QPointF(0, 26));
    metal.setColorAt(0, QColor(96, 100, 106));
    metal.setColorAt(0.4, QColor(232, 234, 238));
    metal.setColorAt(1, QColor(70, 72, 78));
    p.setPen(QPen(QColor(36, 38, 42), 8));
    p.setBrush(metal);
    if (scope) {
        QPainterPath hook;
        hook.moveTo(tip_end, -18);
        hook.lineTo(34, -18);
        hook.cubicTo(-10, -18, -10, 30, 20, 30);
        hook.lineTo(34, 30);
        hook.lineTo(34, 14);
        hook.lineTo(tip_end, 14);
        hook.closeSubpath();
        p.drawPath(hook);
        p.setBrush(QColor(205, 210, 216));
        p.drawRect(QRectF(tip_end - 70, -34, 70, 68));
    } else {
        QPainterPath needle;
        needle.moveTo(0, 0);
        needle.lineTo(50, -18);
        needle.lineTo(tip_end, -24);
        needle.lineTo(tip_end, 24);
        needle.lineTo(50, 18);
        needle.closeSubpath();
        p.drawPath(needle);
    }

    // Finger guard, handle with grip rings, and the boot where the lead leaves.
    p.setPen(QPen(c.body_dark, 8));
    p.setBrush(across(guard, c));
    p.drawRoundedRect(QRectF(tip_end, -guard, guard_end - tip_end, 2 * guard), 16, 16);
    p.setBrush(across(handle, c));
    p.drawRoundedRect(QRectF(guard_end - 4, -handle, handle_end - guard_end, 2 * handle), 40, 40);
    p.setPen(QPen(c.body_dark, 7));
    for (int ring = 0; ring < 5; ++ring) {
        const double x = guard_end + 70 + ring * 42;
        p.drawLine(QPointF(x, -handle + 8), QPointF(x, handle - 8));
    }
    if (scope) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 110, 200));
        p.drawRect(QRectF(handle_end - 150, -handle + 4, 40, 2 * handle - 8));
    }
    p.setPen(QPen(c.body_dark, 6));
    p.setBrush(across(boot, c));
    QPainterPath tail;
    tail.moveTo(handle_end - 10, -handle * 0.8);
    tail.lineTo(length, -boot);
    tail.lineTo(length, boot);
    tail.lineTo(handle_end - 10, handle * 0.8);
    tail.closeSubpath();
    p.drawPath(tail);
}

}  // namespace

drawing probe_picture(probe_look look) {
    const bool scope = look == probe_look::scope;
    const double width = scope ? kScopeProbeWidth : kMeterProbeWidth;
    const double height = scope ? kScopeProbeHeight : kMeterProbeHeight;
    const QPointF tip(scope ? kScopeProbeTipX : kMeterProbeTipX,
                      height - (scope ? kScopeProbeTipFromBottom : kMeterProbeTipFromBottom));
    const QPointF lead(width - kProbeLeadInset, scope ? kScopeProbeLeadDown : kMeterProbeLeadDown);
    return make_drawing(width, height, [tip, lead, look](QPainter& p) {
        const QLineF axis(tip, lead);
        p.translate(tip);
        p.rotate(-axis.angle());
        paint_along_axis(p, axis.length(), look);
    });
}

QCursor probe_cursor() {
    constexpr int kSize = 32;
    constexpr QPointF kTip(2, 29);
    QPixmap pm(kSize, kSize);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(kTip);
    p.rotate(-45);
    p.scale(0.56 / kFileTwipsPerPixel, 0.56 / kFileTwipsPerPixel);
    paint_along_axis(p, 900, probe_look::black);
    p.end();
    return QCursor(pm, static_cast<int>(kTip.x()), static_cast<int>(kTip.y()));
}

}  // namespace bench::art
