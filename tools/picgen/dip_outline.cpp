#include "outline_colours.h"
#include "outline_geometry.h"
#include "outline_picture.h"
#include "pixel_font.h"

#include <cmath>

namespace picgen {

namespace {

// Every shape is set as whole pixels: the picture is shown at one screen
// pixel per image pixel, so anything softer would look blurred.
void fill(QImage& image, int left, int top, int width, int height, QColor colour) {
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x)
            if (image.valid(x, y)) image.setPixelColor(x, y, colour);
}

void draw_leg(QImage& image, int centre, int top) {
    fill(image, centre - 1, top, 2, kLegLength, kLegColour);
    fill(image, centre + 1, top, 1, kLegLength, kLegShadeColour);
}

// Half a disc cut into the left end of the body, centred on its middle line.
void draw_notch(QImage& image, double middle, int radius) {
    for (int x = 0; x < radius; ++x)
        for (int y = static_cast<int>(middle) - radius; y <= static_cast<int>(middle) + radius; ++y) {
            const double dx = x + 0.5;
            const double dy = y + 0.5 - middle;
            if (dx * dx + dy * dy <= radius * radius) fill(image, x, y, 1, 1, kNotchColour);
        }
}

}  // namespace

QImage draw_dip_outline(const lgsim::catalogue_entry& chip) {
    const QSize size = outline_pixel_size(chip);
    QImage image(size, QImage::Format_ARGB32);
    // Between the legs the board shows through.
    image.fill(Qt::transparent);

    const int body_top = kLegLength;
    const int body_bottom = size.height() - 1 - kLegLength;
    const int body_height = body_bottom - body_top + 1;
    fill(image, 0, body_top, size.width(), body_height, kBodyEdgeColour);
    fill(image, 1, body_top + 1, size.width() - 2, body_height - 2, kBodyColour);

    const int pins_per_row = chip.pin_count / 2;
    for (int k = 0; k < pins_per_row; ++k) {
        const int centre = static_cast<int>(std::lround(pin_centre_x(k)));
        draw_leg(image, centre, 0);
        draw_leg(image, centre, size.height() - kLegLength);
    }

    const int notch_radius = chip.mount_kind == 1 ? 3 : 4;
    draw_notch(image, (body_top + body_bottom + 1) / 2.0, notch_radius);

    // The pin 1 mark sits in the corner above pin 1, below the name.
    const int pin_one = static_cast<int>(std::lround(pin_centre_x(0)));
    fill(image, pin_one - 1, body_bottom - 3, 2, 2, kPinOneDotColour);

    const QString name = QString::fromUtf8(chip.model.data(), static_cast<qsizetype>(chip.model.size()));
    const int room_left = notch_radius + 1;
    const int room = size.width() - 1 - room_left;
    const int left = room_left + (room - pixel_text_width(name)) / 2;
    const int top = body_top + (body_height - kGlyphHeight) / 2;
    draw_pixel_text(image, left, top, name, kNameColour);
    return image;
}

}  // namespace picgen
