// Everything the bench holds of its circuit, as text: chips with their
// pictures and pin places, wires with their ends, colours, points and nodes.
// Two equal snapshots mean a command left the circuit exactly as it was.
#pragma once

#include <string>

#include "bench_model.h"

namespace robustness {

std::string circuit_snapshot(const bench::bench_model& bench);

}  // namespace robustness
