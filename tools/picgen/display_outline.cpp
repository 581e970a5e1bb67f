#include "board_geometry.h"
#include "display_segments.h"
#include "outline_colours.h"
#include "outline_geometry.h"
#include "outline_picture.h"

#include <algorithm>
#include <cmath>

namespace picgen {

namespace {

int px(double twips) { return static_cast<int>(std::lround(bench::kFileScale.to_pixels(twips))); }

void fill(QImage& image, int left, int top, int width, int height, QColor colour) {
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x)
            if (image.valid(x, y)) image.setPixelColor(x, y, colour);
}

// A segment as a bar three pixels thick (the width of the pen the bench
// lights it with) with its outer rows one pixel shorter at each end, the
// usual bevelled look. The bottom segment and the point lie a little below
// the picture's lower edge on the bench; here they are pulled up to the last
// rows the picture has.
void draw_segment(QImage& image, const display_segment& s, QColor colour) {
    const int last_row = image.height() - 1;
    const int last_column = image.width() - 1;
    if (std::abs(s.x2 - s.x1) < 10 && std::abs(s.y2 - s.y1) < 10) {  // the point
        const int x = std::min(px(s.x1), last_column - 1);
        const int y = std::min(px(s.y1), last_row - 1);
        fill(image, x, y, 2, 2, colour);
        return;
    }
    if (s.y1 == s.y2) {  // horizontal
        const int x1 = px(s.x1);
        const int x2 = px(s.x2);
        const int middle = std::min(px(s.y1), last_row - 1);
        fill(image, x1, middle, x2 - x1 + 1, 1, colour);
        fill(image, x1 + 1, middle - 1, x2 - x1 - 1, 1, colour);
        if (middle + 1 <= last_row) fill(image, x1 + 1, middle + 1, x2 - x1 - 1, 1, colour);
        return;
    }
    const int y1 = px(s.y1);
    const int y2 = std::min(px(s.y2), last_row);
    const int middle = std::min(px(s.x1), last_column - 1);
    fill(image, middle, y1, 1, y2 - y1 + 1, colour);
    fill(image, middle - 1, y1 + 1, 1, y2 - y1 - 1, colour);
    fill(image, middle + 1, y1 + 1, 1, y2 - y1 - 1, colour);
}

}  // namespace

QImage draw_display_outline(const lgsim::catalogue_entry& chip) {
    const QSize size = outline_pixel_size(chip);
    QImage image(size, QImage::Format_ARGB32);
    image.fill(kDisplayEdgeColour);
    fill(image, 1, 1, size.width() - 2, size.height() - 2, kDisplayBodyColour);
    // The segments are windows in the face: the bench draws them on the board
    // under the picture, lit or dark, and they show through.
    for (const display_segment& s : kDisplaySegments) draw_segment(image, s, Qt::transparent);
    return image;
}

}  // namespace picgen
