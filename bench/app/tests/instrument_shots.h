// Pictures of the instruments at work on the bench, for labbench_shots.
#pragma once

#include <QString>

namespace bench::testing {

// Saves meter.png (the open multimeter with its probes on a switch and on
// ground) and scope.png (the oscilloscope on the clock terminal) into `folder`.
void take_instrument_shots(const QString& folder);

}  // namespace bench::testing
