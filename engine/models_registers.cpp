// The two registers. Both take the inputs the real chip samples at its clock
// edge from the codes stored at their previous evaluation, so stages chained
// on one clock shift cleanly in any pass order. The 74LS273 keeps a clocked
// data code as read (5 from a supply terminal, 2 from an open input); a
// parallel load of the 74LS194 takes supply and ground as 1 and 0 and keeps
// any other code (an open input's 2). The clock code read in a clear is
// stored as it is, so releasing /CLR with the clock high is not a rising edge.
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
constexpr int k194Clock = 11;
constexpr int k194Clear = 1;
// The inputs the real chip samples at its clock edge, in pin order, and each
// one's place in that list.
constexpr std::array<int, 8> k194Sampled{2, 3, 4, 5, 6, 7, 9, 10};  // SR A B C D SL S0 S1
constexpr int k194ShiftRightIn = 0;  // SR, enters at QA
constexpr int k194FirstData = 1;     // A..D, to QA..QD
constexpr int k194ShiftLeftIn = 5;   // SL, enters at QD
constexpr int k194S0 = 6;
constexpr int k194S1 = 7;

using bits_194 = std::array<value_code, 4>;

// The bit a serial input shifts in: 1 only for a high (supply counts as high).
value_code serial_bit(value_code code) { return tied_code(code) == kHigh ? kHigh : kLow; }

// A rising edge, acting on the inputs as sampled before it. The mode needs S1
// and S0 at 0 or 1 (supply and ground count as 1 and 0); left open they
// select nothing and the register holds. An input never sampled (-1, a new
// circuit) gives no action.
void step_194(int chip, bits_194& q) {
    std::array<value_code, 8> in{};
    for (std::size_t k = 0; k < in.size(); ++k) in[k] = pin_state(k194Sampled[k], chip);
    const value_code s1 = tied_code(in[k194S1]);
    const value_code s0 = tied_code(in[k194S0]);
    if (s1 == kHigh && s0 == kHigh) {
        for (int k = 0; k < 4; ++k)
            if (never_sampled(in[k194FirstData + k])) return;
        for (int k = 0; k < 4; ++k) q[k] = tied_code(in[k194FirstData + k]);
    } else if (s1 == kLow && s0 == kHigh) {
        if (never_sampled(in[k194ShiftRightIn])) return;
        q = {serial_bit(in[k194ShiftRightIn]), q[0], q[1], q[2]};
    } else if (s1 == kHigh && s0 == kLow) {
        if (never_sampled(in[k194ShiftLeftIn])) return;
        q = {q[1], q[2], q[3], serial_bit(in[k194ShiftLeftIn])};
    }
}

std::optional<value_code> register_194(int chip, int asked) {
    if (node_settled(k194Outputs[0], chip)) return node_value(k194Outputs[asked], chip);
    // A register never evaluated since the circuit became new starts cleared.
    const bool fresh = pin_state(k194Outputs[0], chip) == kNoDrive;
    const value_code clear = tied_code(input_value(k194Clear, chip));
    value_code clock = input_value(k194Clock, chip);
    bits_194 q{kLow, kLow, kLow, kLow};
    if (!fresh && clear != kLow) {
        for (int k = 0; k < 4; ++k) q[k] = pin_state(k194Outputs[k], chip);
        clock = with_rising_edge(clock, pin_state(k194Clock, chip));
        if (clock == kRisingEdge && take_clock(k194Clock, chip)) step_194(chip, q);
    }
    for (int k = 0; k < 4; ++k) settle_node(k194Outputs[k], chip, q[k]);
    settle_node(k194Clock, chip, clock);
    sample_inputs(k194Sampled, chip);
    for (int k = 0; k < 4; ++k) store_state(k194Outputs[k], chip, q[k]);
    store_state(k194Clock, chip, clock);
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
            // A data slot never stored keeps that stage as it was.
            for (int k = 0; k < 8; ++k) {
                const value_code sampled = pin_state(k273Data[k], chip);
                const bool takes = clock == kRisingEdge && !never_sampled(sampled);
                q[k] = takes ? sampled : pin_state(k273Outputs[k], chip);
            }
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
        store_state(k273Data[k], chip, d[k]);
        store_state(k273Outputs[k], chip, q[k]);
    }
    store_state(k273Clock, chip, clock);
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
