// The range knob, and the labels of its 20 positions printed round it.
#pragma once

#include <QPainter>

#include "meter_units.h"

namespace dmeterx::art {

// The knob sits in the middle of the area that turns it.
inline constexpr twips_point kKnobCentre{1305, 2625};

// Radians clockwise from straight up, where the knob points at a position.
double knob_angle(int position);

// The painter draws in twips.
void draw_range_labels(QPainter& painter);
void draw_knob(QPainter& painter, int position);

}  // namespace dmeterx::art
