// The display chip's digit for its pin-out diagram: every segment drawn where
// it sits on the package, named with its letter and pin.
#pragma once

#include "diagram_panels.h"

namespace picgen {

panel display_digit_panel();

}  // namespace picgen
