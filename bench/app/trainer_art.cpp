#include "trainer_art.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "art_style.h"
#include "board_geometry.h"
#include "form_layout.h"

namespace bench {

namespace {

using namespace art;

struct area {
    double left, top, width, height;
    QRectF rect() const { return {left, top, width, height}; }
};

// Panel areas, twips. The wire tray and the LED strip end above the top
// breadboard; the terminal strip reaches left of the power switch for its label.
constexpr area kLeftColumn{75, 150, 1200, 2850};
constexpr area kLedStrip{1380, 60, 7000, 620};
constexpr area kWireTray{8460, 40, 1280, 640};
constexpr area kBuses[2] = {{1620, 2370, 6820, 260}, {1620, 4455, 6820, 260}};
constexpr area kTerminalStrip{1050, 6310, 6470, 715};
// The clock and pulse terminals' plate, with room for its label right of the buttons.
constexpr area kClockPlate{7590, 6310, 1570, 680};
constexpr double kHoleSize = 46;
constexpr double kHoleRim = 8;
// The design height of printed labels, twips; none is drawn below the floor.
constexpr double kLabelText = 100;
// The bottom block has no room for column numbers under it.
constexpr double kPlainMargin = 100;

// The painter's text floor, for the helpers below.
struct printer {
    QPainter& p;
    double floor;

    void text(const QRectF& box, const QString& text, const QColor& colour, double size,
              int flags = Qt::AlignCenter, bool bold = false) const {
        p.setFont(label_font(std::max(size, floor), bold));
        p.setPen(colour);
        p.drawText(box, flags | Qt::TextDontClip, text);
    }
    double height(double size) const { return std::max(size, floor); }
};

void hole(QPainter& p, double x, double y) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 170, 164));
    const double outer = kHoleSize / 2 + kHoleRim;
    p.drawRect(QRectF(x - outer, y - outer, 2 * outer, 2 * outer));
    p.setBrush(kHole);
    p.drawRect(QRectF(x - kHoleSize / 2, y - kHoleSize / 2, kHoleSize, kHoleSize));
}

// A brass terminal socket, for the board's own connection points.
void socket(QPainter& p, double x, double y) {
    p.setPen(QPen(QColor(120, 96, 40), 14));
    p.setBrush(QColor(214, 178, 88));
    p.drawEllipse(QPointF(x, y), 52, 52);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 28, 24));
    p.drawEllipse(QPointF(x, y), 24, 24);
}

void plate(QPainter& p, const area& a, const QColor& fill) {
    p.setPen(QPen(QColor(150, 156, 150), 15));
    p.setBrush(fill);
    p.drawRoundedRect(a.rect(), 55, 55);
}

void panel(const printer& out) {
    QPainter& p = out.p;
    const QRectF all(0, 0, kBoardWidth, kBoardHeight);
    QLinearGradient shade(0, 0, 0, kBoardHeight);
    shade.setColorAt(0, kPanel.lighter(106));
    shade.setColorAt(1, kPanel.darker(104));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawRect(all);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kPanelEdge, 45));
    p.drawRoundedRect(all.adjusted(30, 30, -30, -30), 90, 90);
    // Left column behind the menu, help and chip-box buttons.
    p.setPen(QPen(QColor(160, 166, 160), 15));
    p.setBrush(QColor(200, 206, 198));
    p.drawRoundedRect(kLeftColumn.rect(), 60, 60);
    out.text(QRectF(75, 2755, 1200, 190), QCoreApplication::translate("board", "器件盒"), kSilk, 120);
    out.text(QRectF(75, 715, 1200, 180), QCoreApplication::translate("board", "电路文件"), kSilk, 110);
}

// A breadboard of two five-row groups, with column numbers printed above it
// and, where there is room, below it, as on a real breadboard.
void breadboard_block(const printer& out, int first_group, bool numbers_below) {
    QPainter& p = out.p;
    const board_point first = point_position(first_group * 5, 0);
    const board_point last = point_position(first_group * 5 + 9, kGridColumns - 1);
    const double number = out.height(kLabelText);
    const double number_margin = kHoleSize / 2 + kHoleRim + number + 2 * 10;
    const double top = first.y - number_margin;
    const double bottom = last.y + (numbers_below ? number_margin : kPlainMargin);
    const area a{first.x - 90, top, last.x - first.x + 180, bottom - top};
    p.setPen(QPen(QColor(178, 178, 170), 15));
    p.setBrush(kBreadboard);
    p.drawRoundedRect(a.rect(), 55, 55);
    // The channel between the two five-row groups, where chips straddle.
    const double upper_last = point_position(first_group * 5 + 4, 0).y;
    const double lower_first = point_position(first_group * 5 + 5, 0).y;
    const double mid = (upper_last + lower_first) / 2;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(222, 222, 214));
    p.drawRect(QRectF(a.left + 20, mid - 50, a.width - 40, 100));
    for (int r = first_group * 5; r < first_group * 5 + 10; ++r)
        for (int c = 0; c < kGridColumns; ++c) {
            const board_point pt = point_position(r, c);
            hole(p, pt.x, pt.y);
        }
    const double above = first.y - kHoleSize / 2 - kHoleRim - 10 - number;
    const double below = last.y + kHoleSize / 2 + kHoleRim + 10;
    for (int c = 0; c < kGridColumns; c += 5) {
        const double x = point_position(0, c).x;
        const QString n = QString::number(c + 1);
        out.text(QRectF(x - 200, above, 400, number), n, QColor(90, 90, 90), kLabelText);
        if (numbers_below) out.text(QRectF(x - 200, below, 400, number), n, QColor(90, 90, 90), kLabelText);
    }
}

void bus(QPainter& p, const area& a, int first_column) {
    p.setPen(QPen(QColor(178, 178, 170), 15));
    p.setBrush(kBreadboard);
    p.drawRoundedRect(a.rect(), 45, 45);
    for (int k = 0; k < 20; ++k) {
        const int c = first_column + k;
        const board_point first = point_position(30, c);
        const board_point last = point_position(34, c);
        // Each five-hole segment is one conductor: outline it.
        p.setPen(QPen(QColor(196, 200, 214), 12));
        p.setBrush(QColor(236, 238, 246));
        p.drawRoundedRect(QRectF(first.x - 55, first.y - 45, last.x - first.x + 110, 90), 30, 30);
        for (int r = 30; r < 35; ++r) {
            const board_point pt = point_position(r, c);
            hole(p, pt.x, pt.y);
        }
    }
}

void led_strip(const printer& out) {
    QPainter& p = out.p;
    p.setPen(QPen(QColor(160, 166, 160), 15));
    p.setBrush(QColor(206, 212, 204));
    p.drawRoundedRect(kLedStrip.rect(), 55, 55);
    const double number = out.height(kLabelText);
    for (int k = 0; k < 16; ++k) {
        const double cx = layout::kLedLeft + layout::kLedStep * k + 120;
        const double cy = layout::kLedTop + 97;
        // The LED's bezel; the lit LED picture is shown over it.
        p.setPen(QPen(QColor(70, 70, 70), 18));
        p.setBrush(k < 8 ? QColor(150, 140, 90) : QColor(130, 80, 80));
        p.drawEllipse(QPointF(cx, cy), 95, 80);
        // The number sits between the strip's top edge and the bezel.
        out.text(QRectF(cx - 148, layout::kLedTop + 10 - number, 296, number), QString::number(k), kSilk,
                 kLabelText);
        const board_point in = point_position(kLedRow, k);
        hole(p, in.x, in.y);
    }
    out.text(QRectF(1420, 200, 1200, 280), QCoreApplication::translate("board", "指示灯"), kSilk, 140,
             Qt::AlignCenter, true);
    out.text(QRectF(1420, 480, 1200, 170), QStringLiteral("L0 ─ L15"), kSilk, 90);
}

void terminal_strip(const printer& out) {
    QPainter& p = out.p;
    plate(p, kTerminalStrip, QColor(204, 210, 202));
    const double y = point_position(kTerminalRow, 0).y;
    const double label = out.height(kLabelText);
    // Labels above a socket end this far above its centre.
    const double over = 52 + 12;
    for (int k = 0; k < 16; ++k) {
        const double x = point_position(kTerminalRow, k).x;
        socket(p, x, y);
        out.text(QRectF(x - 148, y - over - label, 296, label), QStringLiteral("K%1").arg(k), kSilk, kLabelText);
    }
    // +5V above its socket and GND below its own: side by side they would touch.
    const board_point supply = point_position(kTerminalRow, kSupplyColumn);
    const board_point ground = point_position(kTerminalRow, kGroundColumn);
    socket(p, supply.x, y);
    socket(p, ground.x, y);
    out.text(QRectF(supply.x - 200, y - over - label, 400, label), QStringLiteral("+5V"), kSilkRed, kLabelText,
             Qt::AlignCenter, true);
    out.text(QRectF(ground.x - 200, y + over, 400, label), QStringLiteral("GND"), kSilk, kLabelText,
             Qt::AlignCenter, true);
    // The power switch's label, left of the switch.
    out.text(QRectF(kTerminalStrip.left + 20, layout::kPowerSwitch.top,
                    layout::kPowerSwitch.left - kTerminalStrip.left - 50, layout::kPowerSwitch.height),
             QCoreApplication::translate("board", "电源"), kSilk, 110, Qt::AlignRight | Qt::AlignVCenter);

    // Clock and pulse terminals, on their own plate at the right.
    plate(p, kClockPlate, QColor(198, 204, 214));
    const struct {
        int column;
        const char* label;
    } kSpecial[] = {{kClockColumn, "CP"}, {kPulse0Column, "P+"}, {kPulse1Column, "P−"}};
    for (const auto& s : kSpecial) {
        const board_point pt = point_position(kTerminalRow, s.column);
        socket(p, pt.x, pt.y);
        out.text(QRectF(pt.x - 150, y - over - label, 300, label), QString::fromUtf8(s.label), kSilk, kLabelText,
                 Qt::AlignCenter, true);
    }
    const board_point clock = point_position(kTerminalRow, kClockColumn);
    out.text(QRectF(clock.x - 220, y + over, 440, label), QCoreApplication::translate("board", "时钟"), kSilk,
             kLabelText);
    const layout::box& last_button = layout::kPulseButtons[1];
    const double after = last_button.left + last_button.width + 40;
    out.text(QRectF(after, last_button.top - 60, kClockPlate.left + kClockPlate.width - after - 30,
                    last_button.height + 120),
             QCoreApplication::translate("board", "单脉冲"), kSilk, kLabelText, Qt::AlignLeft | Qt::AlignVCenter);
}

void instrument_corner(const printer& out) {
    // The colour sticks hang in their tray above the top breadboard; the
    // module sits below the instruments.
    QPainter& p = out.p;
    plate(p, kWireTray, QColor(206, 212, 204));
    const double stick_end = layout::kStickTop + layout::kStickHeight;
    out.text(QRectF(kWireTray.left, stick_end, kWireTray.width, kWireTray.top + kWireTray.height - stick_end),
             QCoreApplication::translate("board", "连接线"), kSilk, kLabelText);
    out.text(QRectF(8900, 3720, 1560, 170), QCoreApplication::translate("board", "数码管"), kSilk, kLabelText);
}

}  // namespace

void paint_trainer(QPainter& p, double text_floor) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    const printer out{p, text_floor};
    panel(out);
    led_strip(out);
    instrument_corner(out);
    for (int b = 0; b < 3; ++b) breadboard_block(out, 2 * b, b < 2);
    bus(p, kBuses[0], 0);
    bus(p, kBuses[1], 20);
    terminal_strip(out);
    p.restore();
}

}  // namespace bench
