// The instrument steps of `cirtool run` and lab sheets: probes set down on
// points, a meter reading and a capture run:
//   "probe K R C"     meter probe K (0 red, 1 black) set down on point R C,
//                     or away from every point with R C = -1 -1
//   "measure volts"   one measuring tick on a voltage range; prints "meter V"
//   "measure ohms"    the same on a resistance range
//   "scope R C"       the oscilloscope's signal probe set down on point R C
//   "capture"         one capture run; prints "capture N M", N the samples
//                     taken and M their mean voltage, or "capture 0 -" for
//                     the idle record (power off or the probe on no point)
#pragma once

#include <optional>
#include <ostream>

#include <QString>

#include "instruments.h"

namespace lab {

enum class instrument_step_kind { meter_probe, measure, scope_probe, capture };

struct instrument_step {
    instrument_step_kind kind;
    int probe = 0;      // meter probe 0 or 1
    int row = -1;       // the point a probe is set down on
    int column = -1;
    bool ohms = false;  // measure on a resistance range
};

// Nothing for text that is not an instrument step.
std::optional<instrument_step> parse_instrument_step(const QString& text);

void perform(const instrument_step& s, bench::bench_model& bench, bench::instruments& tools, std::ostream& out);

}  // namespace lab
