// A lead hangs as a quarter of an ellipse centred at (to.x, from.y): from
// `from`, an end of the ellipse's horizontal axis, to `to`, an end of its
// vertical axis. Both ends are rounded to whole pixels before drawing.
#pragma once

#include <QPainter>

#include "dmeterx_export.h"
#include "meter_units.h"

namespace dmeterx {

// The painter draws in pixels with its current pen.
DMETERX_EXPORT void draw_lead_arc(QPainter& painter, twips_point from, twips_point to);

}  // namespace dmeterx
