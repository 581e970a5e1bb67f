// The segments of the seven-segment display chip, as lines relative to its
// picture's top-left corner in twips. The bench draws a placed display's lit
// and dark segments along these same lines, so the picture's face, the
// pin-out figure and the bench all agree on where each segment is.
#pragma once

#include <array>

namespace picgen {

struct display_segment {
    const char* letter;  // a..g, dp
    int pin;             // package pin that drives it
    double x1, y1, x2, y2;
};

inline constexpr std::array<display_segment, 8> kDisplaySegments{{
    {"a", 6, 170, 90, 424, 90},
    {"b", 4, 480, 130, 480, 360},
    {"c", 2, 480, 460, 480, 670},
    {"d", 10, 170, 704, 424, 704},
    {"e", 9, 120, 460, 120, 660},
    {"f", 7, 120, 130, 120, 360},
    {"g", 3, 170, 404, 424, 404},
    {"dp", 1, 540, 704, 540, 707},
}};

}  // namespace picgen
