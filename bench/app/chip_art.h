// Chip outlines drawn by code: a top view of a DIP package whose legs sit on
// the breadboard holes, or the face of the seven-segment display chip with its
// segments left open, so the segments the bench draws under it show through.
// They are drawn at the size the chip's outline file gives, at any zoom.
#pragma once

#include <QString>

#include "drawing.h"

namespace bench::art {

// The outline of a catalogue chip for a picture of width x height twips; an
// empty drawing when the model is not in the catalogue. Each call makes a
// new drawing: keep it to show it again.
drawing chip_outline(const QString& model, double width, double height);

}  // namespace bench::art
