// Steps on the bench, as `cirtool run` takes them (one argument each) and lab
// sheets write them (one "> STEP" line each): "power on", "switch 3 1",
// "tick 10", "pulse 0", "leds", "point 15 12", "display 3" (the segments a to
// g and the point of display chip 3).
#pragma once

#include <optional>
#include <ostream>

#include <QString>

#include "bench_model.h"

namespace lab {

enum class step_kind { power, toggle_switch, tick, press, release, pulse, leds, digits, point, pin, display };

struct step {
    step_kind kind;
    int first = 0;   // power: 1 on, 0 off; switch, button, point row, chip
    int second = 0;  // switch state, tick count, point column, pin
};

// Nothing for text that is not a step.
std::optional<step> parse_step(const QString& text);

// Performs a step on the bench; reading steps print one line.
void perform(const step& s, bench::bench_model& bench, std::ostream& out);

}  // namespace lab
