// The four dual flip-flop packages: one table per package, read by one routine.
//
// A flip-flop is asked at least twice per call (Q and /Q, and again whenever
// another chip reads an output before the pass reaches it), so it acts on its
// clock only at the first evaluation of a call and marks the clock pin. Its
// whole memory is in the pin-state slots of its own pins: the stored Q, the
// clock code of the last evaluation and the synchronous inputs (D, or J and K)
// of the last evaluation. Taking them from those slots rather than from the
// live inputs is what lets a chain of stages on one clock shift or count
// cleanly in any pass order.
#include <array>
#include <optional>

#include "models.h"
#include "sequential_support.h"

namespace lgsim {

namespace {

enum class flip_flop_kind {
    d_code,      // D, rising edge, stores D as read; /CLR and /PRE low-active (74LS74)
    d_level,     // D, rising edge, stores the level of D; SET and RESET high-active (CD4013)
    jk_falling,  // J-K, falling edge; /CLR and /PRE low-active (74LS112)
    jk_rising,   // J-K, rising edge; SET and RESET high-active (CD4027)
};

struct flip_flop_pins {
    int clock;
    int data;  // D, or J
    int k;     // 0 on the D types
    int set;   // /PRE or SET
    int clear; // /CLR or RESET
    int q;
    int not_q;
};

struct flip_flop_package {
    flip_flop_kind kind;
    int ground;
    int supply;
    std::array<flip_flop_pins, 2> stages;
};

//                                         clock data  k  set clear  q  /q
constexpr flip_flop_package k74ls74{flip_flop_kind::d_code, 7, 14,
                                    {{{3, 2, 0, 4, 1, 5, 6}, {11, 12, 0, 10, 13, 9, 8}}}};
constexpr flip_flop_package k74ls112{flip_flop_kind::jk_falling, 8, 16,
                                     {{{1, 3, 2, 4, 15, 5, 6}, {13, 11, 12, 10, 14, 9, 7}}}};
constexpr flip_flop_package kCd4013{flip_flop_kind::d_level, 7, 14,
                                    {{{3, 5, 0, 6, 4, 1, 2}, {11, 9, 0, 8, 10, 13, 12}}}};
constexpr flip_flop_package kCd4027{flip_flop_kind::jk_rising, 8, 16,
                                    {{{13, 10, 11, 9, 12, 15, 14}, {3, 6, 5, 7, 4, 1, 2}}}};

bool is_d_type(flip_flop_kind kind) {
    return kind == flip_flop_kind::d_code || kind == flip_flop_kind::d_level;
}

bool has_low_active_async(flip_flop_kind kind) {
    return kind == flip_flop_kind::d_code || kind == flip_flop_kind::jk_falling;
}

struct outputs {
    value_code q;
    value_code not_q;
};

const flip_flop_pins* stage_of(const flip_flop_package& package, int pin) {
    for (const flip_flop_pins& stage : package.stages)
        if (stage.q == pin || stage.not_q == pin) return &stage;
    return nullptr;
}

value_code next_jk(value_code q, value_code j, value_code k) {
    if (j == 0 && k == 0) return q;
    if (j == 0) return kLow;
    if (k == 0) return kHigh;
    return q == kLow ? kHigh : kLow;
}

// The asynchronous inputs, and the clock in the order each family reads it:
// the TTL parts read the clock first and /PRE only while /CLR is inactive
// (clear wins); the CMOS parts read RESET, SET and the clock every time and
// show both outputs high when SET and RESET are both active.
std::optional<outputs> read_asynchronous(flip_flop_kind kind, const flip_flop_pins& ff, int chip,
                                         value_code& clock) {
    if (has_low_active_async(kind)) {
        clock = input_value(ff.clock, chip);
        if (level_of(ff.clear, chip) == 0) return outputs{kLow, kHigh};
        if (level_of(ff.set, chip) == 0) return outputs{kHigh, kLow};
        return std::nullopt;
    }
    const value_code reset = level_of(ff.clear, chip);
    const value_code set = level_of(ff.set, chip);
    clock = input_value(ff.clock, chip);
    if (reset == 1 && set == 1) return outputs{kHigh, kHigh};
    if (reset == 1) return outputs{kLow, kHigh};
    if (set == 1) return outputs{kHigh, kLow};
    return std::nullopt;
}

// A stored Q of -1 (never stored since the circuit became new) starts as 1.
value_code stored_level(value_code code) { return code == kNoDrive ? kHigh : logic_level(code); }

outputs clock_d_type(const flip_flop_pins& ff, int chip, value_code& clock) {
    value_code q;
    if (!take_clock(ff.clock, chip)) {
        q = node_value(ff.q, chip);  // settled by the first evaluation of this call
    } else {
        clock = with_rising_edge(clock, pin_state(ff.clock, chip));
        q = clock == kRisingEdge ? pin_state(ff.data, chip) : pin_state(ff.q, chip);
    }
    q = stored_level(q);
    return {q, q == kLow ? kHigh : kLow};
}

// J and K as sampled at the stage's previous evaluation, as levels; empty when
// either was never stored, and the edge then does nothing.
struct jk_levels {
    value_code j;
    value_code k;
};

std::optional<jk_levels> sampled_jk(const flip_flop_pins& ff, int chip) {
    const value_code j = pin_state(ff.data, chip);
    const value_code k = pin_state(ff.k, chip);
    if (never_sampled(j) || never_sampled(k)) return std::nullopt;
    return jk_levels{logic_level(j), logic_level(k)};
}

outputs clock_jk_falling(const flip_flop_pins& ff, int chip, value_code& clock) {
    value_code q = logic_level(pin_state(ff.q, chip));
    if (take_clock(ff.clock, chip)) {
        clock = with_falling_edge(clock, pin_state(ff.clock, chip));
        if (clock == kFallingEdge) {
            if (const auto jk = sampled_jk(ff, chip)) q = next_jk(q, jk->j, jk->k);
        }
    }
    return {q, q == kLow ? kHigh : kLow};
}

outputs clock_jk_rising(const flip_flop_pins& ff, int chip, value_code& clock) {
    if (!take_clock(ff.clock, chip))
        return {logic_level(node_value(ff.q, chip)), logic_level(node_value(ff.not_q, chip))};
    clock = with_rising_edge(clock, pin_state(ff.clock, chip));
    value_code q = logic_level(pin_state(ff.q, chip));
    if (clock == kRisingEdge) {
        if (const auto jk = sampled_jk(ff, chip)) {
            // Holding keeps both stored outputs, so a both-high state left by
            // SET and RESET survives an edge with J = K = 0.
            if (jk->j == 0 && jk->k == 0) return {q, logic_level(pin_state(ff.not_q, chip))};
            q = next_jk(q, jk->j, jk->k);
        }
    }
    return {q, q == kLow ? kHigh : kLow};
}

outputs clock_stage(flip_flop_kind kind, const flip_flop_pins& ff, int chip, value_code& clock) {
    switch (kind) {
    case flip_flop_kind::d_code:
    case flip_flop_kind::d_level: return clock_d_type(ff, chip, clock);
    case flip_flop_kind::jk_falling: return clock_jk_falling(ff, chip, clock);
    case flip_flop_kind::jk_rising: return clock_jk_rising(ff, chip, clock);
    }
    return {kHigh, kLow};
}

std::optional<value_code> flip_flop_model(const flip_flop_package& package, int chip, int pin,
                                          int mode) {
    const flip_flop_pins* stage = stage_of(package, pin);
    if (mode == 0) return stage ? kOutputPin : kNotOutput;
    if (!powered(chip, package.ground, package.supply)) return kUnpowered;
    if (stage == nullptr) return kNotOutput;
    const flip_flop_pins& ff = *stage;

    value_code clock = kLow;
    const std::optional<outputs> forced = read_asynchronous(package.kind, ff, chip, clock);
    const outputs out = forced ? *forced : clock_stage(package.kind, ff, chip, clock);

    // Settled before D, J or K is read, so an input fed back from this stage's
    // own outputs (a divide-by-two) reads the new value instead of evaluating
    // the stage again.
    settle_node(ff.q, chip, out.q);
    settle_node(ff.not_q, chip, out.not_q);

    if (is_d_type(package.kind)) {
        value_code d = input_value(ff.data, chip);
        if (package.kind == flip_flop_kind::d_level) d = logic_level(d);
        write_node(ff.data, chip, d);
        // A later rising-edge stage on the same clock node, evaluated further
        // on in this call, sees the edge this one took as code 3.
        write_node(ff.clock, chip, clock);
        store_state(ff.data, chip, d);
    } else {
        // J and K in pin order, for the next edge.
        if (ff.data < ff.k)
            sample_inputs(std::array{ff.data, ff.k}, chip);
        else
            sample_inputs(std::array{ff.k, ff.data}, chip);
        store_state(ff.not_q, chip, out.not_q);
    }
    store_state(ff.q, chip, out.q);
    store_state(ff.clock, chip, clock);
    return pin == ff.q ? out.q : out.not_q;
}

}  // namespace

std::optional<value_code> model_74ls74(int chip, int pin, int mode) {
    return flip_flop_model(k74ls74, chip, pin, mode);
}
std::optional<value_code> model_74ls112(int chip, int pin, int mode) {
    return flip_flop_model(k74ls112, chip, pin, mode);
}
std::optional<value_code> model_cd4013(int chip, int pin, int mode) {
    return flip_flop_model(kCd4013, chip, pin, mode);
}
std::optional<value_code> model_cd4027(int chip, int pin, int mode) {
    return flip_flop_model(kCd4027, chip, pin, mode);
}

}  // namespace lgsim
