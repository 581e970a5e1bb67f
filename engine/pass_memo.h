// What the pass did in the previous call, chip by chip, so that a call runs
// only the part of the pass that can come out differently.
//
// A unit is one chip's share of the pass: its pins in pin order, with all
// that reading them evaluates on demand. Its work depends on nothing but the
// cells it reaches (the nodes of its pins and of the chips it evaluates, with
// their drives and the pin values on them, and those chips' pin-state memory
// and pin marks), so a unit whose cells all read now what they read at the
// same point of the previous call does the same as it did then. Such a unit
// is not run: the writes it made that changed a cell are made again instead
// (mostly the marks of its nodes). Every other unit runs, with its writes
// recorded, and each cell it leaves different from the previous call makes
// the later units that reach that cell run as well. A cell differs at the
// start of a call where the caller's arguments differ from the previous
// call's start, which the memo knows from the previous call's changes.
//
// Marks are kept as the number of the call (pass_mark), so that a new call
// starts with every node unsettled without touching them; complete() turns
// the tables back into what the pass leaves (marks 3 and 1) whenever anything
// else is to read or write them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine_tables.h"
#include "pass_plan.h"

namespace lgsim {

class pass_memo {
public:
    using trace_record = trace_lists;

    // Circuits above this many chips are passed without the memo: its cell
    // tables grow with the pins, and so little repeats in them.
    static constexpr int kMostChips = 4000;

    bool ready() const { return ready_; }
    const pass_statistics& statistics() const { return statistics_; }
    // The tables no longer follow the memo: the next call passes everything.
    void forget() { ready_ = false; }
    // The trace lists the latest call leaves once the tables are completed.
    const trace_record& carried_trace() const { return carried_trace_; }

    // True when the arguments describe the circuit of the previous call, so
    // that only its changes need looking at.
    bool continues(const engine_tables& t, int chips, int nodes, const std::vector<std::string>& chip_model,
                   const PinArray& chip_pin_number, const std::vector<value_code>& v_node_in,
                   const std::vector<value_code>& v_node, const PinArray& v_chip_pin) const;

    // A call that passes every chip (the tables loaded from the arguments).
    void begin_full_call(engine_tables& t, const pass_plan& plan, const std::vector<std::string>& chip_model);
    // A call that continues the previous one: the arguments' differences
    // loaded into the tables and the units they reach made to run.
    void begin_continued_call(engine_tables& t, const pass_plan& plan, const std::vector<value_code>& v_node_in,
                              const std::vector<value_code>& v_node, const PinArray& v_chip_pin);

    bool must_run(int chip) const { return full_ || dirty_[chip] != 0; }
    // A unit that must run may have run before from exactly the cells it
    // would read now (counters and registers go round the same states): that
    // run's changes are then made instead of running it. True when it was.
    bool reuse_earlier_run(engine_tables& t, int chip);
    // The unit of a chip that need not run: its changing writes made again.
    void replay(engine_tables& t, int chip);
    // Around a unit that runs.
    write_recorder& start_unit(int chip);
    void finish_unit(engine_tables& t, int chip, bool appended_to_trace);

    // A continued call's results: the node values and pin-state memory that changed.
    void write_back(const engine_tables& t, std::vector<value_code>& v_node, PinArray& v_chip_pin);
    // Ends the call (after write_back or the full copy-back).
    void end_call(const engine_tables& t);

    // The tables as the plain pass leaves them: marks 3 or 1, pass_mark 3, the
    // pin values of pins the pass does not visit and the trace.
    void complete(engine_tables& t);

private:
    struct effect {
        std::int32_t cell;
        std::int32_t before;  // readings (entry_reading, mark_reading, or the code)
        std::int32_t after;
    };
    struct unit_record {
        std::vector<effect> effects;  // cells the unit changed
        std::vector<std::int16_t> chips;  // chips the unit reached, sorted
        std::vector<std::int32_t> nodes;  // nodes of their pins, sorted
        // Where its key is read from: pin_value indexes (outputs on its nodes
        // and its chips' own pins) and its chips' pin ranges (offset, count).
        std::vector<std::int32_t> key_values;
        std::vector<std::pair<std::int32_t, std::int32_t>> key_pins;
        bool appended = false;            // the unit's steps grew the trace
        trace_record trace;               // the trace lists after the unit, when it grew them
        int last_depth = 0;               // trace_depth after its last step
        std::vector<std::pair<std::int16_t, std::int16_t>> last_cleared;
    };

    // A run kept for reuse: everything it could read before it ran, and what it did.
    struct kept_run {
        std::vector<std::int32_t> key;
        unit_record record;
    };
    static constexpr int kRunsPerUnit = 128;
    static constexpr int kMostKeptRuns = 16384;

    // Takes a run of the unit (just made, or reused) as what the unit did in
    // this call: differences from the previous call, changes, indexes.
    void adopt_run(engine_tables& t, int chip, unit_record& run);
    void gather_key(const engine_tables& t, const unit_record& u);
    void place_key(const engine_tables& t, const pass_plan& plan, unit_record& u) const;

    // Cells: node entries 0..nodes-1, then pin_state, pin_mark and pin_value,
    // each rows x 61 in PinArray order.
    int node_count() const { return nodes_; }
    std::int32_t reading(const engine_tables& t, std::int32_t cell) const;
    void write_reading(engine_tables& t, std::int32_t cell, std::int32_t value) const;
    void note_change(std::int32_t cell, std::int32_t before, std::int32_t after);
    void deviate(const engine_tables& t, std::int32_t cell, std::int32_t previous, int after_unit);
    void reach_later_units(const engine_tables& t, std::int32_t cell, int after_unit);
    void index_unit(int chip, bool add);
    void size_tables(const engine_tables& t, const pass_plan& plan);
    void next_epoch(engine_tables& t);

    pass_statistics statistics_;
    bool ready_ = false;
    bool full_ = false;
    bool complete_ = true;
    int chips_ = 0;
    int nodes_ = 0;
    int rows_ = 0;  // chips of the pin tables (chips + 1)
    std::vector<std::string> names_;  // the chip_model strings of the previous call
    const pass_plan* plan_ = nullptr;  // of the current call

    std::vector<unit_record> units_;                  // chips 0..N
    std::vector<std::vector<std::int32_t>> chip_nodes_;  // nodes of pins 0..60 of each chip
    std::vector<std::vector<int>> node_units_;         // units reaching each node, sorted
    std::vector<std::vector<int>> chip_units_;         // units reaching each chip, sorted
    std::vector<std::uint8_t> dirty_;

    write_recorder recorder_;
    unit_record fresh_run_;      // scratch: the running unit's record

    std::vector<std::vector<kept_run>> kept_runs_;  // per chip
    std::vector<std::vector<std::uint64_t>> kept_hashes_;  // per chip: the hashes of its kept runs, side by side
    std::vector<int> next_kept_;                    // per chip: the run to replace next
    int kept_total_ = 0;
    std::uint64_t kept_plan_ = 0;  // the plan generation the kept runs belong to
    // The key of the unit about to run, gathered over these chips, or none.
    std::vector<std::int32_t> key_;
    std::uint64_t key_hash_ = 0;
    bool key_ready_ = false;
    std::vector<std::int16_t> key_chips_;

    // Per-cell scratch tagged by stamps, so that nothing is cleared per call.
    std::uint32_t unit_stamp_ = 0;
    std::uint32_t call_stamp_ = 0;
    std::vector<std::uint32_t> seen_;       // written in the running unit
    std::vector<std::uint32_t> old_seen_;   // among the running unit's previous effects
    std::vector<std::int32_t> old_after_;
    std::vector<std::uint32_t> deviant_;    // differs from the previous call now
    std::vector<std::int32_t> previous_;    // what the previous call had then
    std::vector<std::uint32_t> changed_;    // changed in this call
    std::vector<std::int32_t> start_;       // its reading at the start of this call
    std::vector<std::int32_t> changed_cells_;

    // The node values the previous call left, side by side.
    std::vector<value_code> last_values_;
    // Node values and pin states the previous call changed, with their start.
    std::vector<std::pair<std::int32_t, std::int32_t>> net_changes_;
    std::vector<std::int32_t> marks_taken_;  // pin_mark cells taken in the previous call
    // The pins the pass does not visit keep their nodes' values at the start.
    std::vector<std::pair<std::size_t, value_code>> off_pass_start_;  // pin_value index, start code
    value_code node0_start_ = 0;
    trace_record carried_trace_;  // the trace lists as the latest call leaves them
};

}  // namespace lgsim
