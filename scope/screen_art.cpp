#include "screen_art.h"

#include "scope_trace.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace dscopex {

namespace {

// The tube face reaches a little beyond the graticule on every side.
constexpr QRectF kBezel{0, 0, screen::kWidth, screen::kHeight};
constexpr QRectF kTube{230, 150, 3470, 2840};

const QColor kGraticule(70, 118, 96);
const QColor kGraticuleCentre(96, 150, 124);

// Horizontal lines of the graticule: eight divisions about the zero line.
double division_y(int k) { return screen::kZeroLine + k * screen::kDivisionHeight; }
double division_x(int k) { return screen::kSweepLeft + k * screen::kDivisionWidth; }

void paint_bezel(QPainter& painter) {
    QLinearGradient frame(kBezel.topLeft(), kBezel.bottomLeft());
    frame.setColorAt(0, QColor(64, 66, 72));
    frame.setColorAt(1, QColor(30, 31, 35));
    painter.setPen(Qt::NoPen);
    painter.setBrush(frame);
    painter.drawRoundedRect(kBezel, 120, 120);

    painter.setPen(QPen(QColor(12, 12, 14), 30));
    painter.setBrush(QColor(6, 10, 8));
    painter.drawRoundedRect(kTube.adjusted(-45, -45, 45, 45), 190, 190);

    // Four screws hold the graticule filter.
    for (QPointF screw : {QPointF(115, 100), QPointF(screen::kWidth - 115, 100),
                          QPointF(115, screen::kHeight - 100),
                          QPointF(screen::kWidth - 115, screen::kHeight - 100)}) {
        QRadialGradient head(screw - QPointF(15, 15), 70);
        head.setColorAt(0, QColor(190, 192, 196));
        head.setColorAt(1, QColor(80, 82, 88));
        painter.setPen(QPen(QColor(20, 20, 22), 8));
        painter.setBrush(head);
        painter.drawEllipse(screw, 45, 45);
        painter.drawLine(screw - QPointF(30, -30), screw + QPointF(30, -30));
    }
}

void paint_tube(QPainter& painter) {
    QRadialGradient glow(kTube.center(), kTube.width() * 0.65);
    glow.setColorAt(0, QColor(22, 44, 34));
    glow.setColorAt(1, QColor(8, 18, 13));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawRoundedRect(kTube, 160, 160);
}

void paint_graticule(QPainter& painter) {
    const double top = division_y(-4);
    const double bottom = division_y(4);
    const double left = division_x(0);
    const double right = division_x(10);

    painter.setPen(QPen(kGraticule, 0));  // a hairline, whatever the scale
    for (int k = 0; k <= 10; ++k) painter.drawLine(QPointF(division_x(k), top), QPointF(division_x(k), bottom));
    for (int k = -4; k <= 4; ++k) painter.drawLine(QPointF(left, division_y(k)), QPointF(right, division_y(k)));

    // Fifths of a division marked along both centre lines.
    painter.setPen(QPen(kGraticuleCentre, 0));
    const double centre_x = division_x(5);
    const double mark = 45;
    for (int f = 1; f < 50; ++f) {
        const double x = left + f * screen::kDivisionWidth / 5;
        painter.drawLine(QPointF(x, screen::kZeroLine - mark), QPointF(x, screen::kZeroLine + mark));
    }
    for (int f = -19; f < 20; ++f) {
        const double y = screen::kZeroLine + f * screen::kFifthHeight;
        painter.drawLine(QPointF(centre_x - mark, y), QPointF(centre_x + mark, y));
    }
}

}  // namespace

void paint_screen(QPainter& painter) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    paint_bezel(painter);
    paint_tube(painter);
    painter.setRenderHint(QPainter::Antialiasing, false);
    paint_graticule(painter);
    painter.restore();
}

}  // namespace dscopex
