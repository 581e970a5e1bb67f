#include "plug_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <functional>

#include "art_style.h"

namespace dmeterx::art {

namespace {

// Plug shapes are drawn with the tip at the origin, body hanging down. Twips.
constexpr double kPinHalfWidth = 24;
constexpr double kPinLength = 95;
constexpr double kGuardHalfWidth = 125;
constexpr double kGuardHeight = 55;
constexpr double kBodyTopHalfWidth = 100;
constexpr double kBodyTailHalfWidth = 70;
constexpr double kTail = 255;  // where the lead leaves the plug
constexpr double kBootHalfWidth = 45;
constexpr double kBootLength = 60;
// A seated plug hides its pin in the jack; its guard rests on the jack.
constexpr double kSeatedGuardTop = -30;

constexpr double kZoom = 4.0 / 3.0;

struct sprite_frame {
    double width;
    double height;
    twips_point tip;
};
constexpr sprite_frame kRedFrame{450, 510, {225, 195}};
constexpr sprite_frame kZoomedRedFrame{600, 675, {300, 255}};
constexpr sprite_frame kBlackFrame{540, 450, {270, 195}};
constexpr sprite_frame kZoomedBlackFrame{720, 600, {360, 260}};

struct plug_colours {
    QColor dark;
    QColor mid;
    QColor light;
};
const plug_colours kRed{{96, 8, 6}, {214, 40, 30}, {255, 140, 124}};
const plug_colours kBlack{{4, 4, 5}, {44, 46, 50}, {128, 132, 138}};

QLinearGradient across(double half_width, const plug_colours& colours) {
    QLinearGradient shade(-half_width, 0, half_width, 0);
    shade.setColorAt(0, colours.dark);
    shade.setColorAt(0.32, colours.light);
    shade.setColorAt(0.6, colours.mid);
    shade.setColorAt(1, colours.dark);
    return shade;
}

void draw_plug(QPainter& painter, bool seated, const plug_colours& colours) {
    const double guard_top = seated ? kSeatedGuardTop : kPinLength;
    if (!seated) {
        QLinearGradient metal(-kPinHalfWidth, 0, kPinHalfWidth, 0);
        metal.setColorAt(0, QColor(120, 116, 100));
        metal.setColorAt(0.4, QColor(250, 244, 214));
        metal.setColorAt(1, QColor(130, 122, 96));
        painter.setPen(QPen(QColor(60, 56, 44), 8));
        painter.setBrush(metal);
        painter.drawRoundedRect(QRectF(-kPinHalfWidth, 0, 2 * kPinHalfWidth, kPinLength + 10), 18, 18);
    }
    const QPen outline(colours.dark.darker(160), 10);
    painter.setPen(outline);

    QPainterPath body;
    const double body_top = guard_top + kGuardHeight - 5;
    body.moveTo(-kBodyTopHalfWidth, body_top);
    body.lineTo(kBodyTopHalfWidth, body_top);
    body.lineTo(kBodyTailHalfWidth, kTail);
    body.quadTo(0, kTail + 40, -kBodyTailHalfWidth, kTail);
    body.closeSubpath();
    painter.setBrush(across(kBodyTopHalfWidth, colours));
    painter.drawPath(body);

    painter.setBrush(across(kBootHalfWidth, colours));
    painter.drawRoundedRect(QRectF(-kBootHalfWidth, kTail - 10, 2 * kBootHalfWidth, kBootLength + 10), 20, 20);

    painter.setBrush(across(kGuardHalfWidth, colours));
    painter.drawRoundedRect(QRectF(-kGuardHalfWidth, guard_top, 2 * kGuardHalfWidth, kGuardHeight), 22, 22);

    // Grip rings round the body.
    painter.setPen(QPen(colours.dark, 10));
    for (double ring : {0.45, 0.7}) {
        const double y = body_top + (kTail - body_top) * ring;
        const double half = kBodyTopHalfWidth + (kBodyTailHalfWidth - kBodyTopHalfWidth) * ring;
        painter.drawLine(QPointF(-half + 12, y), QPointF(half - 12, y));
    }
}

// Renders a shape smoothly, then splits it into a hard-edged picture (black
// where transparent) and its mask (white where transparent).
std::pair<QImage, QImage> make_sprite(const sprite_frame& frame, double zoom,
                                      const std::function<void(QPainter&)>& draw) {
    const QSize size(rounded_pixels(frame.width), rounded_pixels(frame.height));
    QImage shape(size, QImage::Format_ARGB32);
    shape.fill(Qt::transparent);
    {
        QPainter painter(&shape);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setTransform(twips_to_pixels());
        painter.translate(frame.tip.x, frame.tip.y);
        painter.scale(zoom, zoom);
        draw(painter);
    }
    QImage picture(size, QImage::Format_RGB32);
    QImage mask(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(shape.constScanLine(y));
        auto* pic = reinterpret_cast<QRgb*>(picture.scanLine(y));
        auto* msk = reinterpret_cast<QRgb*>(mask.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const bool opaque = qAlpha(in[x]) >= 128;
            pic[x] = opaque ? qRgb(qRed(in[x]), qGreen(in[x]), qBlue(in[x])) : qRgb(0, 0, 0);
            msk[x] = opaque ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
        }
    }
    return {picture, mask};
}

void put(std::array<QImage, 8>& pictures, int number, std::pair<QImage, QImage> sprite) {
    pictures[static_cast<std::size_t>(number)] = sprite.first;
    pictures[static_cast<std::size_t>(number + 1)] = sprite.second;
}

}  // namespace

std::array<QImage, 8> draw_red_plugs() {
    std::array<QImage, 8> pictures;
    for (int zoomed = 0; zoomed <= 1; ++zoomed) {
        for (int seated = 0; seated <= 1; ++seated) {
            // Picture numbers count the normal size as zoom 1, the larger as zoom 0.
            const int number = (1 - zoomed) * 4 + seated * 2;
            const auto& frame = zoomed ? kZoomedRedFrame : kRedFrame;
            put(pictures, number,
                make_sprite(frame, zoomed ? kZoom : 1, [seated](QPainter& p) { draw_plug(p, seated, kRed); }));
        }
    }
    return pictures;
}

std::array<QImage, 4> draw_black_plugs() {
    std::array<QImage, 4> pictures;
    // The black plug never leaves its jack, so it is always drawn seated.
    auto zoomed = make_sprite(kZoomedBlackFrame, kZoom, [](QPainter& p) { draw_plug(p, true, kBlack); });
    auto normal = make_sprite(kBlackFrame, 1, [](QPainter& p) { draw_plug(p, true, kBlack); });
    pictures[0] = zoomed.first;
    pictures[1] = zoomed.second;
    pictures[2] = normal.first;
    pictures[3] = normal.second;
    return pictures;
}

}  // namespace dmeterx::art
