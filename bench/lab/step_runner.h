// Any step of `cirtool run` or of a lab sheet, and a runner that performs
// steps on one bench with its instruments.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <variant>

#include <QString>

#include "bench_model.h"
#include "bench_steps.h"
#include "instrument_steps.h"
#include "instruments.h"

namespace lab {

using any_step = std::variant<step, instrument_step>;

// Nothing for text that is no step.
std::optional<any_step> parse_any_step(const QString& text);

// Whether the step prints a line: leds, digits, point, pin, display, measure, capture.
bool is_reading(const any_step& s);

class step_runner {
public:
    explicit step_runner(bench::bench_model& bench) : bench_(bench), tools_(bench) {}
    step_runner(const step_runner&) = delete;
    step_runner& operator=(const step_runner&) = delete;

    void perform(const any_step& s, std::ostream& out);
    // A reading step's line without its line break; empty for other steps.
    std::string reading(const any_step& s);

private:
    bench::bench_model& bench_;
    bench::instruments tools_;
};

}  // namespace lab
