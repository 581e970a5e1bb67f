// A copy of everything in the engine tables and in a caller's arguments that
// two implementations of the pass must leave alike, and the first place where
// two copies differ, in words.
#pragma once

#include <string>
#include <vector>

#include "engine_tables.h"
#include "random_circuit.h"

namespace lgsim::testing {

struct table_snapshot {
    engine_tables tables;  // the whole set, with the catalogue and the trace
};

// The library's tables, as a pass leaves them.
table_snapshot snapshot_tables();
table_snapshot snapshot_of(const engine_tables& t);

// Empty when the two are alike.
std::string first_difference(const table_snapshot& a, const table_snapshot& b);
std::string first_difference(const sim_arguments& a, const sim_arguments& b);

}  // namespace lgsim::testing
