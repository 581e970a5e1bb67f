// The pin-out diagram of a catalogue chip, shown when the user right-clicks
// a chip on the board: the package drawn as it sits on the board (pin 1
// lower left, notch to the left) with every pin's number and name, and the
// chip's function below it.
#pragma once

#include "catalogue.h"
#include "chip_pinout.h"

#include <QImage>

namespace picgen {

QImage draw_pinout_diagram(const lgsim::catalogue_entry& chip, const chip_pinout& pinout);

}  // namespace picgen
