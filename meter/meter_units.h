// The control works in twips (1/1440 inch, origin top left, y down); its
// pictures and its surface are pixels. This is the one place where the two meet.
#pragma once

#include <QTransform>
#include <cmath>

namespace dmeterx {

inline constexpr double kTwipsPerPixel = 15;

constexpr double to_pixels(double twips) { return twips / kTwipsPerPixel; }
constexpr double to_twips(double pixels) { return pixels * kTwipsPerPixel; }
inline int rounded_pixels(double twips) { return static_cast<int>(std::lround(to_pixels(twips))); }

// Painters that draw in twips are given this transform and nothing else.
inline QTransform twips_to_pixels() {
    return QTransform::fromScale(1 / kTwipsPerPixel, 1 / kTwipsPerPixel);
}

// The control's own pi: needle angles and steps are worked out with it, so
// that a reading lands on the same step wherever it is computed.
inline constexpr double kPi = 3.14159;

struct twips_point {
    double x = 0;
    double y = 0;
    friend bool operator==(const twips_point&, const twips_point&) = default;
};

}  // namespace dmeterx
