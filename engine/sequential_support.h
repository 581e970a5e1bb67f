// Helpers shared by the flip-flop, counter and register models: edge
// detection from a stored clock code, the once-per-call clock guard and the
// direct node writes that let other chips see what a model settled.
#pragma once

#include <array>
#include <cstddef>
#include <span>

#include "model_support.h"

namespace lgsim {

// The clock code as the model acts on it: a rise from a stored low level
// becomes the rising-edge code; any other code, including an edge code that
// arrived from a pulse button, is kept as it is.
//
// A stored -1 (nothing stored since the circuit became new) is no previous
// level at all, so the first evaluation never sees an edge from levels: a
// clock or enable that is simply low when the circuit is built does not count
// or toggle anything.
inline value_code with_rising_edge(value_code code, value_code previous) {
    const bool rose = previous != kNoDrive && logic_level(previous) == 0 && logic_level(code) == 1;
    return rose ? kRisingEdge : code;
}

inline value_code with_falling_edge(value_code code, value_code previous) {
    const bool fell = previous != kNoDrive && logic_level(previous) == 1 && logic_level(code) == 0;
    return fell ? kFallingEdge : code;
}

// Both directions, for inputs that count on one edge and carry on the other.
inline value_code with_either_edge(value_code code, value_code previous) {
    const value_code rising = with_rising_edge(code, previous);
    return rising != code ? rising : with_falling_edge(code, previous);
}

// A model is evaluated several times per call but may act on a clock only
// once: the first taker marks the clock pin, later ones find the mark.
inline bool clocked_this_call(int clock_pin, int chip) {
    return pin_mark(clock_pin, chip) == pass_mark();
}

inline bool take_clock(int clock_pin, int chip) {
    if (clocked_this_call(clock_pin, chip)) return false;
    set_pin_mark(clock_pin, chip, pass_mark());
    return true;
}

// Synchronous inputs are sampled before the edge, as a real chip samples them
// in its set-up time: every evaluation reads them after it has settled its
// outputs and keeps the codes, unchanged, in the inputs' own pin-state slots,
// and the next clock edge acts on those. So stages on one clock all take what
// their inputs were before the edge, whatever order the pass visits them in,
// and an input wired to the chip's own output reads the value just settled.
// All are read before any is stored. Returns the codes read, in pin order.
template <std::size_t N>
std::array<value_code, N> sample_inputs(const std::array<int, N>& pins, int chip) {
    std::array<value_code, N> read{};
    for (std::size_t k = 0; k < N; ++k) read[k] = input_value(pins[k], chip);
    for (std::size_t k = 0; k < N; ++k) store_state(pins[k], chip, read[k]);
    return read;
}

// A sample slot still at -1 was never stored: there is nothing to act on.
inline bool never_sampled(value_code slot) { return slot == kNoDrive; }

// Where a pin sits in a list of pins, or -1.
inline int position_of(std::span<const int> pins, int pin) {
    for (std::size_t k = 0; k < pins.size(); ++k)
        if (pins[k] == pin) return static_cast<int>(k);
    return -1;
}

// A decade counter's four outputs, weight 1 first. Only a stored code of
// exactly 1 counts: a code loaded from a supply terminal (5) shows high on the
// output but weighs nothing in the count.
using count_bits = std::array<value_code, 4>;

inline int count_of(const count_bits& bits) {
    int count = 0;
    for (std::size_t k = 0; k < bits.size(); ++k)
        if (bits[k] == kHigh) count += 1 << k;
    return count;
}

inline void set_count(count_bits& bits, int count) {
    for (std::size_t k = 0; k < bits.size(); ++k)
        bits[k] = (count >> k) & 1 ? kHigh : kLow;
}

}  // namespace lgsim
