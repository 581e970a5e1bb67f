// The circuits the engine benchmarks run, built the way the engine tests build
// theirs: chips, nodes and drives, with one clock node the benchmark toggles
// before every call.
#pragma once

#include "engine_harness.h"

namespace lgsim::bench {

struct clocked_circuit {
    testing::circuit c;
    int clock = 0;
};

// 50 quad-NAND chips: gates 1 and 2 of every chip form a chain that runs
// forward in pass order, gates 3 and 4 one that runs backward, so that the
// head of the second chain is resolved on demand through every chip.
clocked_circuit nand_chains(int chips);

// A three-digit decade counter: cascaded 74LS160 counters, each into a 74LS47
// decoder and a BS204 display.
clocked_circuit decade_counter(int digits);

// 50 chips as a lab exercise wires them: decade and up/down counters into
// seven-segment decoders and displays, flip-flop ripple chains, a Johnson
// counter and a shift register, a latch and gates decoding the counts.
clocked_circuit lab_circuit();

}  // namespace lgsim::bench
