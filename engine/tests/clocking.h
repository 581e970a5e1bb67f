// Clock and pulse-button sequences for the sequential model tests, as the
// bench drives them: one sim call per clock level, and a pulse button that
// drives its edge code for exactly the call of the press.
#pragma once

#include "engine_harness.h"

namespace lgsim::testing {

// Low for one call, then high for one call: one rising edge.
inline void clock_period(circuit& c, int chip, int clock_pin) {
    c.drive(chip, clock_pin, kLow);
    c.sim();
    c.drive(chip, clock_pin, kHigh);
    c.sim();
}

inline void clock_periods(circuit& c, int chip, int clock_pin, int periods) {
    for (int k = 0; k < periods; ++k) clock_period(c, chip, clock_pin);
}

// Pulse button 0: 3 for the call of the press, 1 while held, 0 after release.
inline void press_rising_button(circuit& c, int chip, int pin, int held_calls = 2) {
    c.drive(chip, pin, kRisingEdge);
    c.sim();
    c.drive(chip, pin, kHigh);
    c.sim(held_calls);
}

inline void release_button(circuit& c, int chip, int pin, int idle_calls = 1) {
    c.drive(chip, pin, kLow);
    c.sim(idle_calls);
}

}  // namespace lgsim::testing
