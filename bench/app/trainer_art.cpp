#include "trainer_art.h"

#include <QPainter>
#include <QPainterPath>

#include "art_style.h"
#include "board_geometry.h"

namespace bench {

namespace {

using namespace art;

struct area {
    double left, top, width, height;
    QRectF rect() const { return {left, top, width, height}; }
};

// Panel areas, twips.
constexpr area kLedStrip{1380, 150, 7000, 520};
constexpr area kBuses[2] = {{1620, 2370, 6820, 260}, {1620, 4455, 6820, 260}};
constexpr area kTerminalStrip{1380, 6345, 6140, 720};
constexpr double kBlockMargin = 150;
constexpr double kHoleSize = 46;

void hole(QPainter& p, double x, double y) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 170, 164));
    p.drawRect(QRectF(x - kHoleSize / 2 - 8, y - kHoleSize / 2 - 8, kHoleSize + 16, kHoleSize + 16));
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

void text_at(QPainter& p, const QRectF& box, const QString& text, const QColor& colour,
             double size, int flags = Qt::AlignCenter, bool bold = false) {
    p.setFont(label_font(size, bold));
    p.setPen(colour);
    p.drawText(box, flags, text);
}

void panel(QPainter& p) {
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
    p.drawRoundedRect(QRectF(75, 150, 1200, 2850), 60, 60);
    text_at(p, QRectF(75, 2760, 1200, 180), QStringLiteral("器件盒"), kSilk, 120);
    text_at(p, QRectF(75, 705, 1200, 170), QStringLiteral("电路文件"), kSilk, 110);
}

void breadboard_block(QPainter& p, int first_group) {
    const board_point first = point_position(first_group * 5, 0);
    const board_point last = point_position(first_group * 5 + 9, kGridColumns - 1);
    const area a{first.x - 90, first.y - kBlockMargin, last.x - first.x + 180,
                 last.y - first.y + 2 * kBlockMargin};
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
    // Column numbers along both edges, as printed on a real breadboard.
    const double top_y = first.y - 92;
    const double bottom_y = last.y + 92;
    for (int c = 0; c < kGridColumns; c += 5) {
        const double x = point_position(0, c).x;
        const QString n = QString::number(c + 1);
        text_at(p, QRectF(x - 120, top_y - 55, 240, 110), n, QColor(90, 90, 90), 80);
        text_at(p, QRectF(x - 120, bottom_y - 55, 240, 110), n, QColor(90, 90, 90), 80);
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

void led_strip(QPainter& p) {
    p.setPen(QPen(QColor(160, 166, 160), 15));
    p.setBrush(QColor(206, 212, 204));
    p.drawRoundedRect(kLedStrip.rect(), 55, 55);
    for (int k = 0; k < 16; ++k) {
        const double cx = 2700 + 296 * k + 120;
        const double cy = 300 + 97;
        // The LED's bezel; the lit LED picture is shown over it.
        p.setPen(QPen(QColor(70, 70, 70), 18));
        p.setBrush(k < 8 ? QColor(150, 140, 90) : QColor(130, 80, 80));
        p.drawEllipse(QPointF(cx, cy), 95, 80);
        text_at(p, QRectF(cx - 120, 160, 240, 110), QString::number(k), kSilk, 80);
        const board_point in = point_position(kLedRow, k);
        hole(p, in.x, in.y);
    }
    text_at(p, QRectF(1420, 250, 1200, 300), QStringLiteral("指示灯"), kSilk, 140, Qt::AlignCenter,
            true);
    text_at(p, QRectF(1420, 470, 1200, 180), QStringLiteral("L0 ─ L15"), kSilk, 90);
}

void terminal_strip(QPainter& p) {
    p.setPen(QPen(QColor(150, 156, 150), 15));
    p.setBrush(QColor(204, 210, 202));
    p.drawRoundedRect(kTerminalStrip.rect(), 55, 55);
    const double y = point_position(kTerminalRow, 0).y;
    for (int k = 0; k < 16; ++k) {
        const double x = point_position(kTerminalRow, k).x;
        socket(p, x, y);
        text_at(p, QRectF(x - 140, y - 230, 280, 120), QStringLiteral("K%1").arg(k), kSilk, 80);
    }
    const board_point supply = point_position(kTerminalRow, kSupplyColumn);
    const board_point ground = point_position(kTerminalRow, kGroundColumn);
    socket(p, supply.x, y);
    socket(p, ground.x, y);
    text_at(p, QRectF(supply.x - 150, y - 240, 300, 130), QStringLiteral("+5V"), kSilkRed, 90,
            Qt::AlignCenter, true);
    text_at(p, QRectF(ground.x - 150, y - 240, 300, 130), QStringLiteral("GND"), kSilk, 90,
            Qt::AlignCenter, true);
    text_at(p, QRectF(1390, 6960, 620, 120), QStringLiteral("电源"), kSilk, 100);

    // Clock and pulse terminals, on their own plate at the right.
    p.setPen(QPen(QColor(150, 156, 150), 15));
    p.setBrush(QColor(198, 204, 214));
    p.drawRoundedRect(QRectF(7590, 6345, 1080, 620), 50, 50);
    const struct {
        int column;
        const char* label;
    } kSpecial[] = {{kClockColumn, "CP"}, {kPulse0Column, "P+"}, {kPulse1Column, "P−"}};
    for (const auto& s : kSpecial) {
        const board_point pt = point_position(kTerminalRow, s.column);
        socket(p, pt.x, pt.y);
        text_at(p, QRectF(pt.x - 150, y - 240, 300, 120), QString::fromUtf8(s.label), kSilk, 80,
                Qt::AlignCenter, true);
    }
    text_at(p, QRectF(7590, 6870, 420, 120), QStringLiteral("时钟"), kSilk, 80);
    text_at(p, QRectF(7990, 6880, 680, 120), QStringLiteral("单脉冲"), kSilk, 80);
}

void instrument_corner(QPainter& p) {
    // The colour sticks hang from the top edge, the module sits below the instruments.
    p.setPen(QPen(QColor(150, 156, 150), 15));
    p.setBrush(QColor(206, 212, 204));
    p.drawRoundedRect(QRectF(8460, 60, 1240, 1400), 55, 55);
    text_at(p, QRectF(8460, 1270, 1240, 150), QStringLiteral("连接线"), kSilk, 100);
    text_at(p, QRectF(8900, 3720, 1560, 150), QStringLiteral("数码管"), kSilk, 100);
}

}  // namespace

void paint_trainer(QPainter& p) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    panel(p);
    led_strip(p);
    instrument_corner(p);
    for (int b = 0; b < 3; ++b) breadboard_block(p, 2 * b);
    bus(p, kBuses[0], 0);
    bus(p, kBuses[1], 20);
    terminal_strip(p);
    p.restore();
}

}  // namespace bench
