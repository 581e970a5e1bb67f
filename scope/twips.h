#pragma once

#include <QTransform>

#include <cmath>

namespace dscopex {

// The panel is laid out in twips (1/1440 inch) and shown at a fixed 15 twips
// a pixel, whatever the screen's resolution; this is the only place that
// number lives.
inline constexpr double kTwipsPerPixel = 15.0;

inline double twips_to_pixels(double twips) { return twips / kTwipsPerPixel; }
inline double pixels_to_twips(double pixels) { return pixels * kTwipsPerPixel; }

// Nearest whole pixel of a twips coordinate, as the leads are drawn.
inline int twips_to_whole_pixels(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

// Whole pixels needed to hold a picture of this many twips.
inline int picture_pixels(double twips) {
    return static_cast<int>(std::ceil(twips / kTwipsPerPixel));
}

// The one transform through which every picture is painted: drawing code
// speaks twips, the painter lands on pixels.
inline QTransform twips_transform() {
    return QTransform::fromScale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel);
}

}  // namespace dscopex
