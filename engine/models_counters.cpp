// The three decade counters. A counter computes all of its outputs at its first
// evaluation in a call and settles their nodes; any later evaluation in the
// same call finds its weight-1 output's node settled and copies the node
// values. The count lives in the pin-state slots of the outputs and the
// previous clock codes in the slots of the clock inputs, so a count survives
// a power cut (an unpowered evaluation writes nothing).
//
// Several control inputs act only on one exact code, not on a logic level: a
// /CLR tied to the ground terminal (6) does not clear, an enable on the supply
// terminal (5) does not enable. Switches and chip outputs carry 0 and 1 and
// act as the pin names say.
#include <array>
#include <optional>

#include "models.h"
#include "sequential_support.h"

namespace lgsim {

namespace {

constexpr int kGroundPin = 8;
constexpr int kSupplyPin = 16;

// ---------------------------------------------------------------- 74LS160

constexpr std::array<int, 5> k160Outputs{14, 13, 12, 11, 15};  // QA QB QC QD RCO
constexpr std::array<int, 4> k160Data{3, 4, 5, 6};             // A B C D
constexpr int k160Rco = 4;
constexpr int k160Clock = 2;
constexpr int k160Clear = 1;
constexpr int k160Load = 9;
constexpr int k160EnableP = 7;
constexpr int k160EnableT = 10;

using outputs_160 = std::array<value_code, 5>;

count_bits count_part(const outputs_160& out) { return {out[0], out[1], out[2], out[3]}; }

void set_count_part(outputs_160& out, const count_bits& bits) {
    for (int k = 0; k < 4; ++k) out[k] = bits[k];
}

// A rising edge: synchronous load, or a count when both enables are high.
// RCO is worked out only here, so it keeps its value while the counter holds.
void step_160(int chip, outputs_160& out) {
    if (input_value(k160Load, chip) == kLow) {
        for (int k = 0; k < 4; ++k) out[k] = input_value(k160Data[k], chip);
        out[k160Rco] = kLow;
        return;
    }
    const value_code enable_p = level_of(k160EnableP, chip);
    const value_code enable_t = level_of(k160EnableT, chip);
    if (enable_p == 0 || enable_t == 0) return;
    const int next = count_of(count_part(out)) + 1;
    out[k160Rco] = next == 9 ? kHigh : kLow;
    count_bits bits{};
    set_count(bits, next > 9 ? 0 : next);
    set_count_part(out, bits);
}

// The /LOAD node is left as driven: other chips and the bench see what drives it.
std::optional<value_code> counter_160(int chip, int asked) {
    outputs_160 out{};
    if (node_settled(k160Outputs[0], chip)) {
        for (int k = 0; k < 5; ++k) out[k] = node_value(k160Outputs[k], chip);
        return out[asked];
    }
    value_code clock = input_value(k160Clock, chip);
    const value_code clear = input_value(k160Clear, chip);
    if (clear != kLow) {
        for (int k = 0; k < 5; ++k) out[k] = pin_state(k160Outputs[k], chip);
        if (out[0] == kNoDrive) out.fill(kLow);
        clock = with_rising_edge(clock, pin_state(k160Clock, chip));
        if (clock == kRisingEdge && take_clock(k160Clock, chip)) step_160(chip, out);
    }
    for (int k = 0; k < 5; ++k) write_node(k160Outputs[k], chip, out[k]);
    write_node(k160Clock, chip, clock);
    for (int k = 0; k < 5; ++k) pin_state(k160Outputs[k], chip) = out[k];
    pin_state(k160Clock, chip) = clock;
    for (int pin : k160Outputs) mark_node(pin, chip);
    mark_node(k160Clock, chip);
    return out[asked];
}

// ---------------------------------------------------------------- 74LS192

constexpr std::array<int, 6> k192Outputs{3, 2, 6, 7, 12, 13};  // QA QB QC QD /CO /BO
constexpr std::array<int, 4> k192Data{15, 1, 10, 9};           // A B C D
constexpr int k192Carry = 4;
constexpr int k192Borrow = 5;
constexpr int k192Up = 5;
constexpr int k192Down = 4;
constexpr int k192Clear = 14;
constexpr int k192Load = 11;

using outputs_192 = std::array<value_code, 6>;

constexpr outputs_192 k192Cleared{kLow, kLow, kLow, kLow, kHigh, kHigh};

count_bits count_part(const outputs_192& out) { return {out[0], out[1], out[2], out[3]}; }

void set_count_192(outputs_192& out, int count) {
    count_bits bits{};
    set_count(bits, count);
    for (int k = 0; k < 4; ++k) out[k] = bits[k];
}

// Each count direction needs the other clock input at exactly 1: a DOWN on
// the supply terminal (5) or left open (2) blocks up counting.
void step_192(int chip, outputs_192& out, value_code up, value_code down) {
    const int count = count_of(count_part(out));
    if (up == kRisingEdge && down == kHigh) {
        if (!take_clock(k192Up, chip)) return;
        const int next = count + 1;
        out[k192Carry] = kHigh;
        set_count_192(out, next > 9 ? 0 : next);
    } else if (up == kFallingEdge && down == kHigh) {
        if (!take_clock(k192Up, chip)) return;
        if (count == 9) out[k192Carry] = kLow;
    } else if (down == kRisingEdge && up == kHigh) {
        if (!take_clock(k192Down, chip)) return;
        const int next = count - 1;
        out[k192Borrow] = kHigh;
        set_count_192(out, next < 0 ? 9 : next);
    } else if (down == kFallingEdge && up == kHigh) {
        if (!take_clock(k192Down, chip)) return;
        if (count == 0) out[k192Borrow] = kLow;
    }
}

std::optional<value_code> counter_192(int chip, int asked) {
    outputs_192 out{};
    if (node_settled(k192Outputs[0], chip)) {
        for (int k = 0; k < 6; ++k) out[k] = node_value(k192Outputs[k], chip);
        return out[asked];
    }

    // Clear and load do not clock, but the UP and DOWN slots still take the
    // codes present, so releasing CLR or /LOAD with an input high does not
    // look like a rising edge. Their nodes keep the driven values.
    bool clocked = false;
    value_code up = kLow;
    value_code down = kLow;
    if (input_value(k192Clear, chip) == kHigh) {
        out = k192Cleared;
    } else {
        for (int k = 0; k < 6; ++k) out[k] = pin_state(k192Outputs[k], chip);
        if (out[0] == kNoDrive) out = k192Cleared;
        if (input_value(k192Load, chip) == kLow) {
            for (int k = 0; k < 4; ++k) out[k] = input_value(k192Data[k], chip);
            out[k192Carry] = kHigh;
            out[k192Borrow] = kHigh;
        } else {
            clocked = true;
        }
    }
    if (clocked) {
        up = with_either_edge(input_value(k192Up, chip), pin_state(k192Up, chip));
        down = with_either_edge(input_value(k192Down, chip), pin_state(k192Down, chip));
        step_192(chip, out, up, down);
    } else {
        up = input_value(k192Up, chip);
        down = input_value(k192Down, chip);
    }

    for (int k = 0; k < 6; ++k) write_node(k192Outputs[k], chip, out[k]);
    if (clocked) {
        // Another chip on these nodes, later in the call, sees the edges taken here.
        settle_node(k192Up, chip, up);
        settle_node(k192Down, chip, down);
    }
    for (int k = 0; k < 6; ++k) pin_state(k192Outputs[k], chip) = out[k];
    pin_state(k192Up, chip) = up;
    pin_state(k192Down, chip) = down;
    for (int pin : k192Outputs) mark_node(pin, chip);
    return out[asked];
}

// ---------------------------------------------------------------- CD4518

struct bcd_counter {
    std::array<int, 4> outputs;  // weight 1 first
    int clock;
    int enable;
    int reset;
};

constexpr std::array<bcd_counter, 2> k4518Counters{{
    {{3, 4, 5, 6}, 1, 2, 7},
    {{11, 12, 13, 14}, 9, 10, 15},
}};

// Counts on a rising clock with ENABLE at exactly 1, or on a falling ENABLE
// with the clock at exactly 0.
count_bits update_4518(const bcd_counter& counter, int chip) {
    count_bits out{};
    if (node_settled(counter.outputs[0], chip)) {
        for (int k = 0; k < 4; ++k) out[k] = node_value(counter.outputs[k], chip);
        return out;
    }
    value_code clock = input_value(counter.clock, chip);
    value_code enable = input_value(counter.enable, chip);
    const value_code reset = input_value(counter.reset, chip);
    if (reset != kHigh) {
        for (int k = 0; k < 4; ++k) out[k] = pin_state(counter.outputs[k], chip);
        if (out[0] == kNoDrive) out.fill(kLow);
        clock = with_rising_edge(clock, pin_state(counter.clock, chip));
        enable = with_falling_edge(enable, pin_state(counter.enable, chip));
        const bool counts = (clock == kRisingEdge && enable == kHigh) ||
                            (clock == kLow && enable == kFallingEdge);
        if (counts && take_clock(counter.clock, chip)) {
            const int next = count_of(out) + 1;
            set_count(out, next > 9 ? 0 : next);
        }
    }
    for (int k = 0; k < 4; ++k) write_node(counter.outputs[k], chip, out[k]);
    settle_node(counter.clock, chip, clock);
    write_node(counter.enable, chip, enable);
    for (int k = 0; k < 4; ++k) pin_state(counter.outputs[k], chip) = out[k];
    pin_state(counter.clock, chip) = clock;
    pin_state(counter.enable, chip) = enable;
    for (int pin : counter.outputs) mark_node(pin, chip);
    mark_node(counter.enable, chip);
    return out;
}

std::optional<value_code> counter_4518(int chip, int pin) {
    // Both counters are brought up to date whichever output is asked.
    std::array<count_bits, 2> out{};
    for (int n = 0; n < 2; ++n) out[n] = update_4518(k4518Counters[n], chip);
    for (int n = 0; n < 2; ++n) {
        const int k = position_of(k4518Counters[n].outputs, pin);
        if (k >= 0) return out[n][k];
    }
    return kNotOutput;
}

bool is_4518_output(int pin) {
    for (const bcd_counter& counter : k4518Counters)
        if (position_of(counter.outputs, pin) >= 0) return true;
    return false;
}

}  // namespace

std::optional<value_code> model_74ls160(int chip, int pin, int mode) {
    const int asked = position_of(k160Outputs, pin);
    if (mode == 0) return asked >= 0 ? kOutputPin : kNotOutput;
    if (!powered(chip, kGroundPin, kSupplyPin)) return kUnpowered;
    if (asked < 0) return kNotOutput;
    return counter_160(chip, asked);
}

std::optional<value_code> model_74ls192(int chip, int pin, int mode) {
    const int asked = position_of(k192Outputs, pin);
    if (mode == 0) return asked >= 0 ? kOutputPin : kNotOutput;
    if (!powered(chip, kGroundPin, kSupplyPin)) return kUnpowered;
    if (asked < 0) return kNotOutput;
    return counter_192(chip, asked);
}

std::optional<value_code> model_cd4518(int chip, int pin, int mode) {
    const bool output = is_4518_output(pin);
    if (mode == 0) return output ? kOutputPin : kNotOutput;
    if (!powered(chip, kGroundPin, kSupplyPin)) return kUnpowered;
    if (!output) return kNotOutput;
    return counter_4518(chip, pin);
}

}  // namespace lgsim
