// The needle and the cap over its pivot.
#pragma once

#include <QPainter>

#include "meter_units.h"

namespace dmeterx::art {

// The painter draws in twips.
void draw_needle(QPainter& painter, twips_point pivot, twips_point tip);

}  // namespace dmeterx::art
