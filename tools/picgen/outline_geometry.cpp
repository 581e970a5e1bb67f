#include "outline_geometry.h"

#include "board_geometry.h"

#include <cmath>

namespace picgen {

namespace {

// Offset of pin 1's hole from the picture's left edge.
constexpr double kPinOneOffset = bench::kPitch / 1.4;

// The breadboard's hole-to-hole distance along a row (slightly more than the
// nominal pitch), taken from the board itself so the legs follow the holes.
double hole_spacing() {
    return bench::point_position(0, 1).x - bench::point_position(0, 0).x;
}

int whole_pixels(double twips) { return static_cast<int>(std::lround(bench::kFileScale.to_pixels(twips))); }

}  // namespace

QSize outline_pixel_size(const lgsim::catalogue_entry& chip) {
    return {whole_pixels(bench::kPitch * chip.pin_count / 2.0),
            whole_pixels(3 * bench::kPitch * chip.mount_kind)};
}

double pin_centre_x(int k) { return bench::kFileScale.to_pixels(kPinOneOffset + k * hole_spacing()); }

}  // namespace picgen
