// The three decade counters. A counter computes all of its outputs at its first
// evaluation in a call and settles their nodes; any later evaluation in the
// same call finds its weight-1 output's node settled and copies the node
// values. The count lives in the pin-state slots of the outputs and the
// previous clock codes in the slots of the clock inputs, so a count survives
// a power cut (an unpowered evaluation writes nothing).
//
// Several control inputs act only on one exact code, not on a logic level.
// An input tied to the supply terminal counts there as 1 and one tied to
// ground as 0 (tied_code), as on the real chips; an open input (2) matches
// neither, so an open /CLR or /LOAD stays inactive.
//
// Inputs that the real 74LS160 samples at its clock edge (load, enables and
// data) are taken from the slots stored at the previous evaluation
// (sample_inputs), so two counters on one clock cascade through RCO exactly
// as the data sheet shows.
#include <array>
#include <optional>

#include "models.h"
#include "sequential_support.h"

namespace lgsim {

namespace {

constexpr int kGroundPin = 8;
constexpr int kSupplyPin = 16;

// ---------------------------------------------------------------- 74LS160

constexpr std::array<int, 4> k160Count{14, 13, 12, 11};  // QA QB QC QD
constexpr int k160Rco = 15;
constexpr int k160RcoIndex = 4;  // RCO's place among the answers
constexpr int k160Clock = 2;
constexpr int k160Clear = 1;
// The synchronous inputs in pin order, and each one's place in that list.
constexpr std::array<int, 7> k160Sampled{3, 4, 5, 6, 7, 9, 10};  // A B C D ENP /LOAD ENT
constexpr int k160FirstData = 0;
constexpr int k160EnableP = 4;
constexpr int k160Load = 5;
constexpr int k160EnableT = 6;

// A rising edge, acting on the inputs as sampled before it: a synchronous
// load, or a count when both enables were high. An input never sampled
// (-1, a new circuit) gives no action.
void step_160(int chip, count_bits& q) {
    std::array<value_code, 7> in{};
    for (std::size_t k = 0; k < in.size(); ++k) in[k] = pin_state(k160Sampled[k], chip);
    const value_code load = in[k160Load];
    if (never_sampled(load)) return;
    if (tied_code(load) == kLow) {
        for (int k = 0; k < 4; ++k)
            if (never_sampled(in[k160FirstData + k])) return;
        // A data input on supply or ground loads as 1 or 0, so the count
        // goes on from the value loaded.
        for (int k = 0; k < 4; ++k) q[k] = tied_code(in[k160FirstData + k]);
        return;
    }
    const value_code enable_p = in[k160EnableP];
    const value_code enable_t = in[k160EnableT];
    if (never_sampled(enable_p) || never_sampled(enable_t)) return;
    if (logic_level(enable_p) == 0 || logic_level(enable_t) == 0) return;
    const int next = count_of(q) + 1;
    set_count(q, next > 9 ? 0 : next);
}

// The /LOAD node is left as driven: other chips and the bench see what drives it.
std::optional<value_code> counter_160(int chip, int asked) {
    if (node_settled(k160Count[0], chip))
        return node_value(asked == k160RcoIndex ? k160Rco : k160Count[asked], chip);
    value_code clock = input_value(k160Clock, chip);
    count_bits q{kLow, kLow, kLow, kLow};
    if (tied_code(input_value(k160Clear, chip)) != kLow) {
        for (int k = 0; k < 4; ++k) q[k] = pin_state(k160Count[k], chip);
        if (q[0] == kNoDrive) q = {kLow, kLow, kLow, kLow};
        clock = with_rising_edge(clock, pin_state(k160Clock, chip));
        if (clock == kRisingEdge && take_clock(k160Clock, chip)) step_160(chip, q);
    }
    for (int k = 0; k < 4; ++k) settle_node(k160Count[k], chip, q[k]);
    settle_node(k160Clock, chip, clock);

    // RCO follows ENT as it is now, so a counter held by a low ENT at 9 does
    // not pass a carry on. RCO's node is settled only after ENT is read: an
    // ENT fed from this counter's own RCO sees RCO as it was.
    const std::array<value_code, 7> in = sample_inputs(k160Sampled, chip);
    const value_code rco = logic_level(in[k160EnableT]) == 1 && count_of(q) == 9 ? kHigh : kLow;
    settle_node(k160Rco, chip, rco);

    for (int k = 0; k < 4; ++k) store_state(k160Count[k], chip, q[k]);
    store_state(k160Rco, chip, rco);
    store_state(k160Clock, chip, clock);
    return asked == k160RcoIndex ? rco : q[asked];
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

// Each count direction needs the other clock input at exactly 1 (a DOWN on
// the supply terminal counts as 1, one left open blocks up counting).
void step_192(int chip, outputs_192& out, value_code up, value_code down) {
    const int count = count_of(count_part(out));
    up = tied_code(up);
    down = tied_code(down);
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
    if (tied_code(input_value(k192Clear, chip)) == kHigh) {
        out = k192Cleared;
    } else {
        for (int k = 0; k < 6; ++k) out[k] = pin_state(k192Outputs[k], chip);
        if (out[0] == kNoDrive) out = k192Cleared;
        if (tied_code(input_value(k192Load, chip)) == kLow) {
            for (int k = 0; k < 4; ++k) out[k] = tied_code(input_value(k192Data[k], chip));
            out[k192Carry] = kHigh;
            out[k192Borrow] = kHigh;
        } else {
            clocked = true;
        }
    }
    if (clocked) {
        // Both are read before either is compared with its slot: reading one
        // may evaluate this counter's own outputs through another chip, which
        // rewrites the slots.
        const value_code up_now = input_value(k192Up, chip);
        const value_code down_now = input_value(k192Down, chip);
        up = with_either_edge(up_now, pin_state(k192Up, chip));
        down = with_either_edge(down_now, pin_state(k192Down, chip));
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
    for (int k = 0; k < 6; ++k) store_state(k192Outputs[k], chip, out[k]);
    store_state(k192Up, chip, up);
    store_state(k192Down, chip, down);
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

// Counts on a rising clock with ENABLE at 1, or on a falling ENABLE with the
// clock at 0, the level of the other input taken as it was before the edge
// (its slot), so a counter enabled by another's output on the same clock
// counts with the value that output had before the edge.
count_bits update_4518(const bcd_counter& counter, int chip) {
    count_bits out{};
    if (node_settled(counter.outputs[0], chip)) {
        for (int k = 0; k < 4; ++k) out[k] = node_value(counter.outputs[k], chip);
        return out;
    }
    value_code clock = input_value(counter.clock, chip);
    value_code enable = input_value(counter.enable, chip);
    const value_code reset = input_value(counter.reset, chip);
    if (tied_code(reset) != kHigh) {
        for (int k = 0; k < 4; ++k) out[k] = pin_state(counter.outputs[k], chip);
        if (out[0] == kNoDrive) out.fill(kLow);
        const value_code clock_before = pin_state(counter.clock, chip);
        const value_code enable_before = pin_state(counter.enable, chip);
        clock = with_rising_edge(clock, clock_before);
        enable = with_falling_edge(enable, enable_before);
        const bool counts = (clock == kRisingEdge && tied_code(enable_before) == kHigh) ||
                            (tied_code(clock_before) == kLow && enable == kFallingEdge);
        if (counts && take_clock(counter.clock, chip)) {
            const int next = count_of(out) + 1;
            set_count(out, next > 9 ? 0 : next);
        }
    }
    for (int k = 0; k < 4; ++k) write_node(counter.outputs[k], chip, out[k]);
    settle_node(counter.clock, chip, clock);
    write_node(counter.enable, chip, enable);
    for (int k = 0; k < 4; ++k) store_state(counter.outputs[k], chip, out[k]);
    store_state(counter.clock, chip, clock);
    store_state(counter.enable, chip, enable);
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
    const int asked = pin == k160Rco ? k160RcoIndex : position_of(k160Count, pin);
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
