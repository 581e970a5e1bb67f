// A bench's circuit as plain values: its chips, seated where they sit, and its
// wires. A copy crosses threads freely, so a check can run a student's
// circuit on a bench of its own while the user goes on with the real one.
#pragma once

#include <vector>

#include "circuit.h"

namespace bench {

struct circuit_copy {
    std::vector<chip> chips;  // entry 0 holds no chip
    std::vector<wire> wires;  // entry 0 holds no wire
};

}  // namespace bench
