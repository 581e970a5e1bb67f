// Whole calls remembered: a clocked circuit goes round the same states, so a
// call that starts where an earlier one started gives what that one gave.
//
// The engine's results depend on nothing but the call's arguments (every
// table the pass reads is loaded from them), and the tables a call leaves
// depend on them and on the trace lists the previous call left. So a state
// is the arguments as a call leaves them together with those trace lists,
// and a step from a state is the caller's changes to the arguments before
// the next call. The memory keeps the states met and the steps taken between
// them, each with the cells of the arguments the call changed: a step taken
// again is answered by writing those cells, without loading or passing
// anything, in the time it takes to compare the arguments with the state.
//
// An answered call leaves the tables as an earlier call left them. Whatever
// reads them next (the next call that runs, or anything outside a call)
// first has them made current: the trace lists of the state are put back,
// and for readers the answered call is passed again in full.
//
// Where states hardly ever come round, recording them costs more than it
// saves: the memory then rests for a while and tries again later.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine_tables.h"

namespace lgsim {

class call_memo {
public:
    // The arguments of one call, as the memory sees them.
    struct arguments {
        int chips;
        int nodes;
        const std::vector<std::string>& chip_model;
        const PinArray& chip_pin_number;
        const std::vector<value_code>& v_node_in;
        std::vector<value_code>& v_node;
        PinArray& v_chip_pin;
    };

    // Answers the call from a step taken before, writing the cells it changed
    // into the arguments. False when the call must run; the memory then
    // expects learn() after it (or forget_position() when it fails).
    bool answer(const arguments& a);

    // After a call that ran in full or through the pass memory: the state it
    // left, and the step that led there.
    void learn(const arguments& a, const trace_lists& trace_after);

    // The tables are not what the arguments say (written from outside, or a
    // call that failed or was not learnt): the next state is found afresh.
    void forget_position();

    // The last call was answered: the tables still hold an earlier call's.
    bool tables_behind() const { return behind_; }
    void tables_caught_up() { behind_ = false; }
    // The trace lists the last answered call left, which the tables would
    // hold before the next call.
    void trace_left(trace_lists& trace) const;
    // The arguments the last answered call started from, and the trace lists
    // before it, to pass it again.
    void last_call_start(std::vector<value_code>& v_node_in, std::vector<value_code>& v_node,
                         PinArray& v_chip_pin, trace_lists& trace) const;
    const std::vector<std::string>& chip_model() const { return names_; }
    const PinArray& chip_pin_number() const { return pins_; }
    int chips() const { return chips_; }
    int nodes() const { return nodes_; }

    long long answered() const { return answered_; }
    // Tests turn the memory off to look at the pass memory alone.
    void set_enabled(bool on);

private:
    struct cell_value {
        std::int32_t cell;  // index into the argument cells (argument_cells)
        std::int32_t value;
    };
    struct step {
        std::int32_t target = -1;
        std::uint32_t changes_at = 0, changes = 0;  // caller's changes, in cells_
        std::uint32_t results_at = 0, results = 0;  // cells the call changed, in cells_
    };
    struct state {
        std::size_t content_at = 0;  // in contents_
        std::uint32_t size = 0;
        std::int32_t same_hash = -1;  // the next state with this hash
        std::vector<step> steps;
    };

    bool same_circuit(const arguments& a) const;
    void take_circuit(const arguments& a);
    void clear();
    void gather_changes(const arguments& a, const value_code* content);
    std::int32_t state_of(const std::vector<value_code>& content);
    void end_window();
    void trace_of(std::int32_t id, trace_lists& trace) const;

    // The argument cells: node drives 0..M, node values 0..M, then the pin
    // states of chips 1..N, 61 each.
    std::size_t argument_cells() const;

    // The circuit the states belong to.
    int chips_ = -1;
    int nodes_ = -1;
    std::vector<std::string> names_;
    PinArray pins_{61, 1};

    std::vector<state> states_;
    std::vector<value_code> contents_;
    std::vector<cell_value> cells_;
    std::unordered_map<std::uint64_t, std::int32_t> by_hash_;

    std::int32_t at_ = -1;  // the state the arguments were left in
    // Of the call in progress, when it was not answered: where it started from and the caller's changes.
    std::int32_t from_ = -1;
    std::vector<cell_value> changes_;
    // Of the last answered call.
    bool behind_ = false;
    std::int32_t answered_from_ = -1;
    std::int32_t answered_step_ = -1;

    std::vector<value_code> scratch_;
    std::vector<value_code> start_scratch_;

    // When to rest (see end_window).
    bool enabled_ = true;
    bool resting_ = false;
    long long window_calls_ = 0;
    long long window_answers_ = 0;
    long long trial_length_ = 0;
    long long answered_ = 0;
};

}  // namespace lgsim
