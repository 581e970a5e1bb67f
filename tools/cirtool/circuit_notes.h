// The notes `cirtool dump` writes after the lines of a circuit: which chip
// pins each wire reaches, read from the chips as the bench seated them.
#pragma once

#include "bench_model.h"
#include "circuit_text.h"

namespace cirtool {

// Chip k is "U<k>", with ", not seated" when it sits on no holes. A wire's note
// names the chip pins ("U1.14") on the strips of its start and of its end:
// "U1.3 -> U2.1", "U1.3 ->" or "-> U2.1"; empty when neither end has any.
circuit_notes notes_of(const bench::bench_model& bench);

}  // namespace cirtool
