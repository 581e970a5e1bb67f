#include "panel_face.h"

#include "panel_layout.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace dscopex {

namespace {

const QColor kPrint(34, 36, 40);
const QColor kFaceTop(214, 217, 220);
const QColor kFaceBottom(186, 190, 195);

struct Lettering {
    double left, top, right, bottom;  // control twips
    int size;                         // font height, twips
    bool bold;
    const char* text;
};

// Legends printed on the face beside the elements they name.
static constexpr Lettering kLettering[] = {
    {320, 120, 1000, 270, 120, true, QT_TRANSLATE_NOOP("oscilloscope", "CH1")},
    {300, 250, 1000, 380, 95, false, QT_TRANSLATE_NOOP("oscilloscope", "VOLTS/DIV")},
    {1020, 1145, 1470, 1250, 80, false, QT_TRANSLATE_NOOP("oscilloscope", "POSITION")},
    {860, 1720, 1265, 1830, 85, false, QT_TRANSLATE_NOOP("oscilloscope", "CH1")},
    {860, 1860, 1265, 1970, 85, false, QT_TRANSLATE_NOOP("oscilloscope", "CH2")},
    {860, 1995, 1265, 2105, 85, false, QT_TRANSLATE_NOOP("oscilloscope", "DUAL")},
    {470, 1925, 800, 2035, 90, true, QT_TRANSLATE_NOOP("oscilloscope", "IN")},
    {330, 2140, 1120, 2235, 95, true, QT_TRANSLATE_NOOP("oscilloscope", "CH2")},
    {330, 2230, 1120, 2305, 72, false, QT_TRANSLATE_NOOP("oscilloscope", "VOLTS/DIV")},
    {1240, 2655, 1480, 2755, 80, false, QT_TRANSLATE_NOOP("oscilloscope", "ALT")},
    {1200, 3050, 1510, 3150, 80, false, QT_TRANSLATE_NOOP("oscilloscope", "CHOP")},
    {1065, 3600, 1515, 3700, 80, false, QT_TRANSLATE_NOOP("oscilloscope", "POSITION")},
    {490, 3805, 800, 3915, 90, true, QT_TRANSLATE_NOOP("oscilloscope", "GND")},
    // The power switch's lamp follows its legend, see paint_power_switch.
    {2150, 3805, 2700, 3935, 100, true, QT_TRANSLATE_NOOP("oscilloscope", "POWER")},
    {5480, 255, 6540, 345, 80, false, QT_TRANSLATE_NOOP("oscilloscope", "SHIFT")},
    {5430, 740, 6500, 870, 100, false, QT_TRANSLATE_NOOP("oscilloscope", "TIME/DIV")},
    {3000, 3700, 5385, 3880, 130, true, QT_TRANSLATE_NOOP("oscilloscope", "DUAL TRACE OSCILLOSCOPE")},
    {3000, 3880, 5385, 4020, 85, false, QT_TRANSLATE_NOOP("oscilloscope", "TWO CHANNEL")},
};

QFont lettering_font(int size, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(size);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void paint_case(QPainter& painter) {
    const QRectF whole(0, 0, kControlWidth, kControlHeight);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(46, 48, 54));
    painter.drawRoundedRect(whole, 150, 150);

    const QRectF face = whole.adjusted(60, 60, -60, -60);
    QLinearGradient brushed(face.topLeft(), face.bottomLeft());
    brushed.setColorAt(0, kFaceTop);
    brushed.setColorAt(1, kFaceBottom);
    painter.setBrush(brushed);
    painter.drawRoundedRect(face, 100, 100);

    // The screen's recess and the strip under it.
    painter.setBrush(QColor(52, 54, 60));
    painter.drawRoundedRect(QRectF(kScreenRect.left - 25, kScreenRect.top - 25, kScreenRect.width() + 50,
                                   kScreenRect.height() + 50), 130, 130);
}

// Thin printed frames that gather each channel's controls.
void paint_groups(QPainter& painter) {
    painter.setPen(QPen(QColor(120, 124, 130), 15));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(230, 110, 1250, 2010), 60, 60);
    painter.drawRoundedRect(QRectF(230, 2135, 1250, 1455), 60, 60);
    painter.drawRoundedRect(QRectF(5425, 230, 1130, 1580), 60, 60);
}

void paint_jack(QPainter& painter, TwipsPoint at, QColor collar) {
    const QPointF c(at.x, at.y);
    painter.setPen(QPen(QColor(30, 30, 34), 12));
    painter.setBrush(collar);
    painter.drawEllipse(c, 105, 105);
    QRadialGradient metal(c - QPointF(25, 25), 90);
    metal.setColorAt(0, QColor(236, 238, 240));
    metal.setColorAt(1, QColor(120, 124, 130));
    painter.setBrush(metal);
    painter.drawEllipse(c, 70, 70);
    painter.setBrush(QColor(20, 20, 22));
    painter.drawEllipse(c, 28, 28);
}

// The host closes the instrument with a press in the top left corner.
void paint_close_mark(QPainter& painter) {
    const QRectF box(75, 75, 140, 140);
    painter.setPen(QPen(QColor(90, 92, 98), 12));
    painter.setBrush(QColor(160, 40, 36));
    painter.drawRoundedRect(box, 30, 30);
    painter.setPen(QPen(QColor(250, 240, 236), 26, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(box.topLeft() + QPointF(40, 40), box.bottomRight() - QPointF(40, 40));
    painter.drawLine(box.topRight() + QPointF(-40, 40), box.bottomLeft() + QPointF(40, -40));
}

void paint_shift_button(QPainter& painter) {
    const TwipsRect& area = layout_of(Element::ShiftButton).area;
    const QRectF cap(area.left + 90, area.top + 70, area.width() - 180, area.height() - 140);
    painter.setPen(QPen(QColor(20, 20, 24), 14));
    painter.setBrush(QColor(70, 72, 78));
    painter.drawRoundedRect(cap.adjusted(-25, -25, 25, 25), 50, 50);
    QLinearGradient top(cap.topLeft(), cap.bottomLeft());
    top.setColorAt(0, QColor(120, 124, 132));
    top.setColorAt(1, QColor(40, 42, 48));
    painter.setBrush(top);
    painter.drawRoundedRect(cap, 40, 40);
}

// Ventilation slots under the time base.
void paint_vents(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(70, 72, 78));
    for (int row = 0; row < 10; ++row)
        painter.drawRoundedRect(QRectF(5560, 2150 + row * 140, 880, 55), 27, 27);
}

}  // namespace

void paint_panel_face(QPainter& painter) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paint_case(painter);
    paint_groups(painter);
    paint_jack(painter, kRedJack, QColor(190, 30, 30));
    paint_jack(painter, kBlackJack, QColor(30, 30, 32));
    paint_close_mark(painter);
    paint_shift_button(painter);
    paint_vents(painter);

    painter.setPen(kPrint);
    for (const Lettering& l : kLettering) {
        painter.setFont(lettering_font(l.size, l.bold));
        painter.drawText(QRectF(l.left, l.top, l.right - l.left, l.bottom - l.top), Qt::AlignCenter,
                         QCoreApplication::translate("oscilloscope", l.text));
    }
    painter.restore();
}

void paint_power_switch(QPainter& painter, bool on) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const TwipsRect& area = kPowerSwitch;
    const QRectF body(area.left + 15, area.top + 15, area.width() - 30, area.height() - 30);
    painter.setPen(QPen(QColor(18, 18, 20), 14));
    painter.setBrush(QColor(58, 60, 66));
    painter.drawRoundedRect(body, 45, 45);

    // Pressed in while on, standing out while off.
    const QRectF key = body.adjusted(45, on ? 75 : 45, -45, on ? -15 : -45);
    QLinearGradient face(key.topLeft(), key.bottomLeft());
    face.setColorAt(0, on ? QColor(170, 172, 176) : QColor(236, 238, 240));
    face.setColorAt(1, on ? QColor(110, 112, 118) : QColor(150, 154, 160));
    painter.setPen(QPen(QColor(40, 40, 44), 10));
    painter.setBrush(face);
    painter.drawRoundedRect(key, 30, 30);

    const QPointF lamp(area.right + 740, (area.top + area.bottom) / 2);
    QRadialGradient glass(lamp - QPointF(15, 15), 60);
    glass.setColorAt(0, on ? QColor(255, 230, 160) : QColor(150, 70, 60));
    glass.setColorAt(1, on ? QColor(255, 90, 30) : QColor(70, 24, 20));
    painter.setPen(QPen(QColor(30, 30, 32), 12));
    painter.setBrush(glass);
    painter.drawEllipse(lamp, 55, 55);
    painter.restore();
}

}  // namespace dscopex
