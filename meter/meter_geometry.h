// Fixed places on the control, in twips.
#pragma once

#include <array>
#include <cmath>

#include "meter_units.h"

namespace dmeterx::geometry {

inline constexpr double kWidth = 2625;
inline constexpr double kHeight = 3450;

// The knob picture is copied here; presses inside the press area turn the knob.
inline constexpr twips_point kKnobPictureAt{690, 1890};
inline constexpr double kKnobPictureWidth = 1245;
inline constexpr double kKnobPictureHeight = 1350;
inline constexpr double kKnobPressLeft = 825;
inline constexpr double kKnobPressRight = 1785;
inline constexpr double kKnobPressTop = 2145;
inline constexpr double kKnobPressBottom = 3105;

inline constexpr twips_point kPivot{1290, 1545};
inline constexpr twips_point kNeedleRestTip{120, 615};
inline constexpr twips_point kLinearScaleEnd{2460, 630};

inline constexpr std::array<twips_point, 4> kJacks{{{195, 2565}, {195, 3210}, {2370, 2715}, {2385, 3210}}};
inline constexpr int kHomeJack = 1;
// How close a press must be to grab the plug, and a release to reach a jack.
inline constexpr double kReach = 200;

// The red lead runs from the case's lower edge to the tail of the plug.
inline constexpr twips_point kRedLeadStart{230, 3465};
inline constexpr double kPlugTailBelowTip = 255;

// Plug pictures are placed by their tip: the picture's top left lies this far
// up and left of it (zoomed and normal pictures differ in size).
inline constexpr twips_point kPlugTipInPicture{225, 195};
inline constexpr twips_point kZoomedPlugTipInPicture{300, 255};
inline constexpr twips_point kBlackPlugAt{2115, 3015};

constexpr bool in_knob_press_area(double x, double y) {
    return x >= kKnobPressLeft && x <= kKnobPressRight && y >= kKnobPressTop && y <= kKnobPressBottom;
}

// Edges included, in both axes separately (a square, not a circle).
inline bool within_reach(twips_point a, twips_point b) {
    return std::abs(a.x - b.x) <= kReach && std::abs(a.y - b.y) <= kReach;
}

}  // namespace dmeterx::geometry
