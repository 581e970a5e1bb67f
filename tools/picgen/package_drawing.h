// The package part of a pin-out diagram: a DIP body with its legs, each leg's
// number inside the body and its name outside.
#pragma once

#include "catalogue.h"
#include "chip_pinout.h"
#include "diagram_panels.h"

namespace picgen {

panel package_panel(const lgsim::catalogue_entry& chip, const chip_pinout& pinout);

}  // namespace picgen
