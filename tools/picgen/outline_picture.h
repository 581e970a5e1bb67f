// The outline picture of a catalogue chip, as the chip box and the board
// show it: a top view that sits on the breadboard holes.
#pragma once

#include "catalogue.h"

#include <QImage>

namespace picgen {

// A DIP package: black body, legs along both long edges, notch, pin 1 dot
// and the model name.
QImage draw_dip_outline(const lgsim::catalogue_entry& chip);

// The face of a seven-segment display, its segments dim.
QImage draw_display_outline(const lgsim::catalogue_entry& chip);

inline constexpr int kDisplayClass = 4;

inline QImage draw_outline(const lgsim::catalogue_entry& chip) {
    return chip.chip_class == kDisplayClass ? draw_display_outline(chip) : draw_dip_outline(chip);
}

}  // namespace picgen
