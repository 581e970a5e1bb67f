#include "part_art.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "art_style.h"
#include "board_geometry.h"

namespace bench::art {

namespace {

QRadialGradient glow(QPointF centre, double radius, QColor core, QColor edge) {
    QRadialGradient g(centre, radius, centre - QPointF(radius / 3, radius / 3));
    g.setColorAt(0, core.lighter(170));
    g.setColorAt(0.55, core);
    g.setColorAt(1, edge);
    return g;
}

}  // namespace

drawing switch_picture(bool up) {
    return make_drawing(kSwitchWidth, kSwitchHeight, [up](QPainter& p) {
        // A slide toggle seen from above: a slot, and the lever at one end.
        p.setPen(QPen(QColor(40, 40, 40), 12));
        p.setBrush(QColor(60, 62, 66));
        p.drawRoundedRect(QRectF(20, 10, 110, 280), 30, 30);
        p.setBrush(QColor(20, 20, 22));
        p.drawRoundedRect(QRectF(55, 35, 40, 230), 18, 18);
        const double y = up ? 30 : 150;
        QLinearGradient lever(0, y, 0, y + 120);
        lever.setColorAt(0, QColor(250, 250, 250));
        lever.setColorAt(1, QColor(170, 172, 176));
        p.setPen(QPen(QColor(90, 90, 90), 10));
        p.setBrush(lever);
        p.drawRoundedRect(QRectF(30, y, 90, 120), 20, 20);
        p.setPen(QPen(QColor(120, 120, 120), 8));
        for (int k = 0; k < 3; ++k) p.drawLine(QPointF(45, y + 35 + 25 * k), QPointF(105, y + 35 + 25 * k));
    });
}

drawing lamp_picture(bool on) {
    return make_drawing(kLampWidth, kLampHeight, [on](QPainter& p) {
        const QPointF c(75, 45);
        p.setPen(QPen(QColor(50, 50, 50), 10));
        p.setBrush(on ? QBrush(glow(c, 40, QColor(255, 40, 30), QColor(150, 0, 0)))
                      : QBrush(QColor(105, 40, 40)));
        p.drawEllipse(c, 38, 38);
    });
}

drawing power_switch_picture(bool on) {
    return make_drawing(kPowerWidth, kPowerHeight, [on](QPainter& p) {
        // A rocker switch: the pressed half sits low, marked I (on) and O (off).
        p.setPen(QPen(QColor(30, 30, 30), 15));
        p.setBrush(QColor(45, 45, 48));
        p.drawRoundedRect(QRectF(10, 10, 295, 565), 40, 40);
        const QRectF top(40, 40, 235, 252), bottom(40, 292, 235, 252);
        QLinearGradient lit(0, 40, 0, 545);
        lit.setColorAt(0, QColor(235, 60, 50));
        lit.setColorAt(1, QColor(150, 20, 20));
        p.setPen(Qt::NoPen);
        p.setBrush(on ? QColor(130, 20, 20) : QColor(200, 40, 36));
        p.drawRect(top);
        p.setBrush(on ? QColor(210, 50, 44) : QColor(120, 18, 18));
        p.drawRect(bottom);
        p.setBrush(QColor(0, 0, 0, 90));
        p.drawRect(on ? top : bottom);
        p.setPen(QPen(QColor(245, 245, 245), 22));
        p.drawLine(QPointF(157, 100), QPointF(157, 230));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(157, 418), 55, 62);
    });
}

drawing power_lamp_picture(bool on) {
    return make_drawing(kPowerLampWidth, kPowerLampHeight, [on](QPainter& p) {
        const QPointF c(142, 127);
        p.setPen(QPen(QColor(150, 150, 150), 18));
        p.setBrush(QColor(70, 70, 70));
        p.drawEllipse(c, 118, 110);
        p.setPen(Qt::NoPen);
        p.setBrush(on ? QBrush(glow(c, 85, QColor(60, 230, 60), QColor(0, 110, 0)))
                      : QBrush(QColor(40, 80, 40)));
        p.drawEllipse(c, 80, 74);
    });
}

drawing led_picture(bool red) {
    return make_drawing(kLedWidth, kLedHeight, [red](QPainter& p) {
        const QPointF c(120, 97);
        const QColor core = red ? QColor(255, 40, 30) : QColor(255, 210, 0);
        const QColor edge = red ? QColor(160, 0, 0) : QColor(190, 120, 0);
        QRadialGradient halo(c, 118);
        halo.setColorAt(0, QColor(core.red(), core.green(), core.blue(), 160));
        halo.setColorAt(1, QColor(core.red(), core.green(), core.blue(), 0));
        p.setPen(Qt::NoPen);
        p.setBrush(halo);
        p.drawEllipse(c, 118, 96);
        p.setPen(QPen(edge.darker(140), 10));
        p.setBrush(glow(c, 80, core, edge));
        p.drawEllipse(c, 78, 66);
    });
}

drawing pulse_button_picture(bool positive) {
    return make_drawing(kPulseWidth, kPulseHeight, [positive](QPainter& p) {
        p.setPen(QPen(QColor(30, 30, 30), 10));
        p.setBrush(QColor(70, 70, 74));
        p.drawRoundedRect(QRectF(5, 5, 170, 125), 25, 25);
        QRadialGradient cap(QPointF(80, 55), 70);
        const QColor base = positive ? QColor(40, 120, 220) : QColor(230, 120, 30);
        cap.setColorAt(0, base.lighter(150));
        cap.setColorAt(1, base.darker(120));
        p.setBrush(cap);
        p.drawEllipse(QPointF(90, 67), 58, 45);
    });
}

drawing colour_stick_picture(const QColor& colour) {
    return make_drawing(kStickWidth, kStickHeight, [colour](QPainter& p) {
        // A hanging length of hook-up wire with a bared tip.
        QLinearGradient insulation(0, 0, kStickWidth, 0);
        insulation.setColorAt(0, colour.darker(130));
        insulation.setColorAt(0.4, colour.lighter(130));
        insulation.setColorAt(1, colour.darker(150));
        p.setPen(Qt::NoPen);
        p.setBrush(insulation);
        p.drawRoundedRect(QRectF(15, 0, 75, kStickHeight - 110), 30, 30);
        p.setBrush(QColor(200, 200, 205));
        p.drawRect(QRectF(37, kStickHeight - 125, 31, 115));
    });
}

drawing menu_icon() {
    return make_drawing(465, 465, [](QPainter& p) {
        // A folder with a circuit sheet.
        p.setPen(QPen(QColor(150, 110, 20), 14));
        p.setBrush(QColor(240, 196, 70));
        QPainterPath folder;
        folder.moveTo(40, 120);
        folder.lineTo(170, 120);
        folder.lineTo(210, 160);
        folder.lineTo(425, 160);
        folder.lineTo(425, 400);
        folder.lineTo(40, 400);
        folder.closeSubpath();
        p.drawPath(folder);
        p.setBrush(QColor(255, 255, 255));
        p.setPen(QPen(QColor(120, 120, 120), 10));
        p.drawRect(QRectF(100, 60, 270, 220));
        p.setPen(QPen(QColor(40, 90, 200), 14));
        p.drawLine(QPointF(130, 120), QPointF(250, 120));
        p.drawLine(QPointF(250, 120), QPointF(250, 220));
        p.drawLine(QPointF(250, 170), QPointF(340, 170));
        p.setPen(QPen(QColor(150, 110, 20), 14));
        p.setBrush(QColor(250, 212, 96));
        p.drawRect(QRectF(40, 230, 385, 170));
    });
}

drawing chip_box_icon() {
    return make_drawing(450, 405, [](QPainter& p) {
        // An open parts box with a chip in it.
        p.setPen(QPen(QColor(60, 60, 60), 14));
        p.setBrush(QColor(120, 150, 190));
        p.drawRect(QRectF(30, 170, 390, 210));
        p.setBrush(QColor(30, 30, 34));
        p.drawRect(QRectF(110, 80, 230, 130));
        p.setPen(QPen(QColor(200, 200, 205), 16));
        for (int k = 0; k < 5; ++k) {
            p.drawLine(QPointF(135 + 45 * k, 50), QPointF(135 + 45 * k, 80));
        }
        p.setPen(QPen(QColor(60, 60, 60), 14));
        p.setBrush(QColor(150, 180, 220));
        p.drawRect(QRectF(30, 170, 390, 70));
    });
}

drawing meter_icon() {
    return make_drawing(465, 510, [](QPainter& p) {
        p.setPen(QPen(QColor(30, 30, 30), 14));
        p.setBrush(QColor(230, 180, 30));
        p.drawRoundedRect(QRectF(40, 20, 385, 470), 50, 50);
        p.setBrush(QColor(250, 250, 240));
        p.drawRoundedRect(QRectF(80, 60, 305, 180), 20, 20);
        p.setPen(QPen(QColor(200, 0, 0), 12));
        p.drawLine(QPointF(232, 230), QPointF(320, 100));
        p.setPen(QPen(QColor(30, 30, 30), 14));
        p.setBrush(QColor(50, 50, 50));
        p.drawEllipse(QPointF(232, 360), 80, 80);
    });
}

drawing scope_icon() {
    return make_drawing(540, 420, [](QPainter& p) {
        p.setPen(QPen(QColor(30, 30, 30), 14));
        p.setBrush(QColor(190, 196, 204));
        p.drawRoundedRect(QRectF(20, 30, 500, 360), 40, 40);
        p.setBrush(QColor(10, 40, 20));
        p.drawRect(QRectF(60, 70, 280, 220));
        p.setPen(QPen(QColor(80, 255, 120), 14));
        QPainterPath wave;
        wave.moveTo(70, 230);
        for (int k = 0; k < 4; ++k) {
            const double x = 70 + 65 * k;
            wave.lineTo(x, 130);
            wave.lineTo(x + 32, 130);
            wave.lineTo(x + 32, 230);
            wave.lineTo(x + 65, 230);
        }
        p.drawPath(wave);
        p.setPen(QPen(QColor(30, 30, 30), 10));
        p.setBrush(QColor(60, 60, 60));
        p.drawEllipse(QPointF(430, 130), 45, 45);
        p.drawEllipse(QPointF(430, 270), 45, 45);
    });
}

drawing module_icon() {
    return make_drawing(360, 540, [](QPainter& p) {
        p.setPen(QPen(QColor(20, 20, 20), 12));
        p.setBrush(QColor(30, 30, 30));
        p.drawRect(QRectF(10, 10, 340, 520));
        p.setPen(QPen(QColor(250, 120, 100), 30));
        p.drawLine(QPointF(110, 80), QPointF(250, 80));
        p.drawLine(QPointF(110, 270), QPointF(250, 270));
        p.drawLine(QPointF(110, 460), QPointF(250, 460));
        p.drawLine(QPointF(90, 100), QPointF(90, 250));
        p.drawLine(QPointF(270, 290), QPointF(270, 440));
    });
}

drawing close_box_picture() {
    return make_drawing(375, 375, [](QPainter& p) {
        p.setPen(QPen(QColor(110, 20, 20), 14));
        p.setBrush(QColor(210, 60, 50));
        p.drawRoundedRect(QRectF(40, 40, 295, 295), 50, 50);
        p.setPen(QPen(Qt::white, 45, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(115, 115), QPointF(260, 260));
        p.drawLine(QPointF(260, 115), QPointF(115, 260));
    });
}

namespace {

// A brass socket of the module at a grid point.
void module_socket(QPainter& p, board_point pt) {
    p.setPen(QPen(QColor(120, 96, 40), 10));
    p.setBrush(QColor(214, 178, 88));
    p.drawEllipse(QPointF(pt.x, pt.y), 40, 40);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 20));
    p.drawEllipse(QPointF(pt.x, pt.y), 18, 18);
}

}  // namespace

drawing module_picture() {
    // Drawn in board twips relative to the picture's top left at (8910, 2175),
    // so that the holes, commons and digit faces meet the fixed grid points
    // and segment lines of the module.
    constexpr double kLeft = 8910, kTop = 2175;
    return make_drawing(kModuleWidth, kModuleHeight, [](QPainter& p) {
        p.translate(-kLeft, -kTop);
        p.setPen(QPen(QColor(20, 60, 30), 18));
        p.setBrush(QColor(34, 110, 60));
        p.drawRoundedRect(QRectF(kLeft + 10, kTop + 10, kModuleWidth - 20, kModuleHeight - 20), 50, 50);
        // Digit faces.
        for (int d = 0; d < 2; ++d) {
            const double dx = 470 * d;
            p.setPen(QPen(QColor(10, 10, 10), 12));
            p.setBrush(QColor(28, 28, 30));
            p.drawRoundedRect(QRectF(9350 + dx, 2360, 440, 600), 20, 20);
        }
        p.setFont(label_font(75));
        const char* kNames[] = {"a", "b", "c", "d", "e", "f", "g", "dp"};
        for (int c = kFirstSegmentColumn; c <= kLastSegmentColumn; ++c) {
            const board_point pt = point_position(kLedRow, c);
            module_socket(p, pt);
            p.setPen(QColor(230, 230, 210));
            p.drawText(QRectF(pt.x + 55, pt.y - 45, 190, 90), Qt::AlignLeft | Qt::AlignVCenter,
                       QString::fromLatin1(kNames[c - kFirstSegmentColumn]));
        }
        for (int c : {kDigit1CommonColumn, kDigit2CommonColumn}) {
            const board_point pt = point_position(kLedRow, c);
            module_socket(p, pt);
            p.setPen(QColor(230, 230, 210));
            p.drawText(QRectF(pt.x - 200, pt.y + 40, 400, 90), Qt::AlignCenter,
                       c == kDigit1CommonColumn ? QStringLiteral("COM1") : QStringLiteral("COM2"));
        }
    });
}

drawing template_chip_picture(double width, double height, const QString& model) {
    return make_drawing(width, height, [width, height, model](QPainter& p) {
        p.setPen(QPen(QColor(10, 10, 10), 10));
        p.setBrush(QColor(36, 36, 40));
        p.drawRoundedRect(QRectF(5, 5, width - 10, height - 10), 25, 25);
        p.setBrush(QColor(70, 70, 76));
        p.drawEllipse(QPointF(5, height / 2), 45, 45);
        p.setPen(QColor(235, 235, 235));
        p.setFont(label_font(std::min(height * 0.45, 160.0), true));
        p.drawText(QRectF(40, 0, width - 50, height), Qt::AlignCenter, model);
    });
}

QCursor wiring_pointer() {
    // A pen nib: the hot spot is its tip.
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath nib;
    nib.moveTo(2, 30);
    nib.lineTo(8, 18);
    nib.lineTo(24, 2);
    nib.lineTo(30, 8);
    nib.lineTo(14, 24);
    nib.closeSubpath();
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(QColor(250, 220, 80));
    p.drawPath(nib);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(3, 29), 2, 2);
    p.end();
    return QCursor(pm, 2, 29);
}

}  // namespace bench::art
