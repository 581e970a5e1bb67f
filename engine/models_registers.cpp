// The two registers. Neither reduces what it stores to 0 and 1: a parallel
// load or a clocked data input keeps the code as read (5 from a supply
// terminal, 2 from an open input), and the outputs show it until it is
// replaced. The clock code read in a clear is stored as it is, so releasing
// /CLR with the clock high is not taken as a rising edge.
#include <array>
#include <optional>

#include "models.h"
#include "sequential_support.h"

namespace lgsim {

namespace {

// ---------------------------------------------------------------- 74LS194
//
// Like the counters: the first evaluation in a call updates all four outputs
// and settles their nodes; later ones copy the node values.

constexpr int k194Ground = 8;
constexpr int k194Supply = 16;
constexpr std::array<int, 4> k194Outputs{15, 14, 13, 12};  // QA QB QC QD
constexpr std::array<int, 4> k194Data{3, 4, 5, 6};         // A B C D
constexpr int k194Clock = 11;
constexpr int k194Clear = 1;
constexpr int k194S0 = 9;
constexpr int k194S1 = 10;
constexpr int k194ShiftRightIn = 2;  // SR, enters at QA
constexpr int k194ShiftLeftIn = 7;   // SL, enters at QD

using bits_194 = std::array<value_code, 4>;

value_code serial_bit(value_code code) { return code == kHigh ? kHigh : kLow; }

// The mode needs S1 and S0 at exactly 0 or 1: on a supply or ground terminal,
// or left open, they select nothing and the register holds.
void step_194(int chip, bits_194& q, value_code s1, value_code s0, value_code shift_left_in,
              value_code shift_right_in) {
    if (s1 == kHigh && s0 == kHigh) {
        for (int k = 0; k < 4; ++k) q[k] = input_value(k194Data[k], chip);
    } else if (s1 == kLow && s0 == kHigh) {
        q = {serial_bit(shift_right_in), q[0], q[1], q[2]};
    } else if (s1 == kHigh && s0 == kLow) {
        q = {q[1], q[2], q[3], serial_bit(shift_left_in)};
    }
}

std::optional<value_code> register_194(int chip, int asked) {
    bits_194 q{};
    if (node_settled(k194Outputs[0], chip)) {
        for (int k = 0; k < 4; ++k) q[k] = node_value(k194Outputs[k], chip);
        return q[asked];
    }
    // A register never evaluated since the circuit became new starts cleared.
    const bool fresh = pin_state(k194Outputs[0], chip) == kNoDrive;
    const value_code clear = input_value(k194Clear, chip);
    value_code clock;
    if (fresh || clear == kLow) {
        clock = input_value(k194Clock, chip);
    } else {
        const value_code s1 = input_value(k194S1, chip);
        const value_code s0 = input_value(k194S0, chip);
        const value_code shift_left_in = input_value(k194ShiftLeftIn, chip);
        const value_code shift_right_in = input_value(k194ShiftRightIn, chip);
        clock = input_value(k194Clock, chip);
        for (int k = 0; k < 4; ++k) q[k] = pin_state(k194Outputs[k], chip);
        clock = with_rising_edge(clock, pin_state(k194Clock, chip));
        if (clock == kRisingEdge && take_clock(k194Clock, chip))
            step_194(chip, q, s1, s0, shift_left_in, shift_right_in);
    }
    for (int k = 0; k < 4; ++k) write_node(k194Outputs[k], chip, q[k]);
    write_node(k194Clock, chip, clock);
    for (int k = 0; k < 4; ++k) pin_state(k194Outputs[k], chip) = q[k];
    pin_state(k194Clock, chip) = clock;
    for (int pin : k194Outputs) mark_node(pin, chip);
    mark_node(k194Clock, chip);
    return q[asked];
}

// ---------------------------------------------------------------- 74LS273
//
// Eight 74LS74-like stages on one clock and one /CLR: clocked once per call,
// and an edge stores the data codes read at the previous evaluation, so a
// chain of stages shifts cleanly in any pass order.

constexpr int k273Ground = 10;
constexpr int k273Supply = 20;
constexpr std::array<int, 8> k273Outputs{2, 5, 6, 9, 12, 15, 16, 19};  // Q1..Q8
constexpr std::array<int, 8> k273Data{3, 4, 7, 8, 13, 14, 17, 18};     // D1..D8
constexpr int k273Clock = 11;
constexpr int k273Clear = 1;

using bits_273 = std::array<value_code, 8>;

std::optional<value_code> register_273(int chip, int asked) {
    bits_273 q{};
    value_code clock;
    if (level_of(k273Clear, chip) == 0) {
        clock = input_value(k273Clock, chip);
    } else {
        clock = input_value(k273Clock, chip);
        if (!take_clock(k273Clock, chip)) {
            for (int k = 0; k < 8; ++k) q[k] = node_value(k273Outputs[k], chip);
        } else {
            clock = with_rising_edge(clock, pin_state(k273Clock, chip));
            const std::array<int, 8>& source = clock == kRisingEdge ? k273Data : k273Outputs;
            for (int k = 0; k < 8; ++k) q[k] = pin_state(source[k], chip);
        }
    }
    // Never stored since the circuit became new: the outputs start high.
    for (value_code& bit : q)
        if (bit == kNoDrive) bit = kHigh;
    for (int k = 0; k < 8; ++k) settle_node(k273Outputs[k], chip, q[k]);

    // All eight inputs are read before any is written back, so no read meets a
    // value this register wrote for another of its inputs.
    bits_273 d{};
    for (int k = 0; k < 8; ++k) d[k] = input_value(k273Data[k], chip);
    for (int k = 0; k < 8; ++k) {
        write_node(k273Data[k], chip, d[k]);
        pin_state(k273Data[k], chip) = d[k];
        pin_state(k273Outputs[k], chip) = q[k];
    }
    pin_state(k273Clock, chip) = clock;
    return q[asked];
}

template <std::size_t N>
std::optional<value_code> register_model(const std::array<int, N>& outputs, int ground, int supply,
                                         std::optional<value_code> (*evaluate)(int, int),
                                         int chip, int pin, int mode) {
    const int asked = position_of(outputs, pin);
    if (mode == 0) return asked >= 0 ? kOutputPin : kNotOutput;
    if (!powered(chip, ground, supply)) return kUnpowered;
    if (asked < 0) return kNotOutput;
    return evaluate(chip, asked);
}

}  // namespace

std::optional<value_code> model_74ls194(int chip, int pin, int mode) {
    return register_model(k194Outputs, k194Ground, k194Supply, register_194, chip, pin, mode);
}

std::optional<value_code> model_74ls273(int chip, int pin, int mode) {
    return register_model(k273Outputs, k273Ground, k273Supply, register_273, chip, pin, mode);
}

}  // namespace lgsim
