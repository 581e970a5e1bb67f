// Where things sit on a chip's outline picture. The picture is the chip's
// footprint on the board: when the bench seats a chip it puts the picture's
// left edge pitch / 1.4 left of pin 1's hole and its top edge just under the
// upper pin row's holes, so the legs drawn at these places cover the holes.
#pragma once

#include "catalogue.h"

#include <QSize>

namespace picgen {

// Picture size: pitch x pins / 2 wide and 3 x pitch x mount kind high, in
// twips, rounded to whole pixels.
QSize outline_pixel_size(const lgsim::catalogue_entry& chip);

// Centre, in pixels from the picture's left edge, of the k-th pin of a row
// counted from the left (k = 0 is pin 1 below and the last pin above).
double pin_centre_x(int k);

// Height of the legs drawn at the upper and lower edges.
inline constexpr int kLegLength = 3;

}  // namespace picgen
