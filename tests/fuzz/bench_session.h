// What a student does at a bench once a circuit is on it: power on, flick
// switches, let the clock run, press both pulse buttons and probe points with
// the meter. Hostile circuits and fuzzed files all go through this.
#pragma once

#include "bench_model.h"

namespace robustness {

// The hooks the window gives the bench that change what the bench computes:
// the outline sizes of the catalogue's chips.
bench::bench_hooks window_like_hooks();

// Power on, switches 0 and 3 up, `ticks` clock ticks, both pulse buttons
// pressed and released, and point readings at the ends of the first wires,
// the pins of the first chips and a few fixed points of the board.
void run_session(bench::bench_model& bench, int ticks);

}  // namespace robustness
