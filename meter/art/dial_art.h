// The meter's face: case, dial window with its scales, the printed range
// labels around the knob, the jacks and the close box. The knob is not part of it.
#pragma once

#include <QPainter>

namespace dmeterx::art {

// Size of the face picture, in twips: the control's width, and tall enough to
// reach the lower edge where the host's leads leave the case.
inline constexpr double kFaceWidth = 2625;
inline constexpr double kFaceHeight = 3465;

// The painter draws in twips.
void draw_face(QPainter& painter);

}  // namespace dmeterx::art
