// The engine's working tables. They belong to the library, one set per thread
// (every shuzhi object on a thread shares them), are refilled by every sim call
// and are read and written directly by the chip models.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "shuzhi.h"
#include "value_codes.h"

namespace lgsim {

// One row of `model_table`: the columns the catalogue fills (0, 1, 2, 6, 7, 8).
struct model_row {
    std::string name;
    std::int16_t mount_kind = 0;
    std::int16_t pin_count = 0;
    std::int16_t chip_class = 0;
    std::string description;
    std::int16_t category = 0;
};

struct chip_info_row {
    std::string name;            // column 0: the model name, trimmed
    std::int16_t pin_count = 0;  // column 2: from the catalogue; 0 on a row never matched
};

struct node_entry {
    value_code value = 0;
    value_code mark = 0;  // equals pass_mark once the node is settled in this call
};

// What the pass and the chip models write while a recorder listens, for the
// pass that evaluates only what changed (pass_memo.h): every write as the cell
// written and its value just before, and every chip whose cells were reached.
// Cells are numbered node_state 0..M, then pin_state, pin_mark and pin_value
// (cell_of); values are as the pass reads them (entry_reading, mark_reading).
struct write_recorder {
    std::vector<std::pair<std::int32_t, std::int32_t>> writes;
    std::vector<std::int16_t> chips;
};

// The three trace lists (trace_chip, trace_pin, trace_value) as a table holds them.
struct trace_lists {
    std::vector<std::int16_t> chip, pin;
    std::vector<value_code> value;
};

enum class pin_table : std::int32_t { state = 0, mark = 1, value = 2 };

struct engine_tables {
    std::vector<model_row> model_table;  // rows 0..100
    std::int16_t model_last = 0;
    std::int16_t max_pin_number = kMaxPinNumber;
    std::int16_t chip_count = 0;
    std::vector<chip_info_row> chip_info;  // chips 0..N
    PinArray pin_node{61, 1};
    PinArray pin_state{61, 1};
    PinArray pin_mark{61, 1};
    PinArray pin_value{61, 1};
    std::vector<value_code> node_in;       // nodes 0..M
    std::vector<node_entry> node_state;    // nodes 0..M
    value_code pass_mark = 3;

    // Driver trace of input resolution; entries 1..trace_depth are live.
    int trace_depth = 0;
    std::vector<std::int16_t> trace_chip{0};
    std::vector<std::int16_t> trace_pin{0};
    std::vector<value_code> trace_value{0};
    // Drivers whose trace entry was cleared while resolving the current pin of
    // the pass; met again, they answer their stored level instead of being
    // evaluated again (the case of one evaluation reading two inputs that lie
    // on the same loop, which would otherwise never end).
    std::vector<std::pair<std::int16_t, std::int16_t>> cleared_drivers;

    // How input_value finds what drives a node. Empty while the library's own
    // pass runs; a second implementation of the pass run over these same
    // tables installs its own resolution for as long as it runs, so the chip
    // models it calls read their inputs its way.
    value_code (*input_resolver)(int pin, int chip) = nullptr;

    // Set by init_model_table, so that a call can tell a catalogue it built
    // from one it still has to build.
    bool model_table_built = false;

    // Listens to the writes while the pass evaluates one chip's pins; empty otherwise.
    write_recorder* recorder = nullptr;
};

// The tables of the calling thread. Chip models reach them many times per
// evaluation, so the way there is one thread-local pointer, set when the
// thread first uses them, read without the guard a dynamically initialised
// thread-local object would need at every access.
namespace detail {
extern thread_local constinit engine_tables* current_tables
    __attribute__((tls_model("initial-exec")));
[[gnu::noinline]] engine_tables& first_tables();
[[noreturn]] void fail_node_index(int node);
[[noreturn]] void fail_pin_index(int pin, int chip);
}  // namespace detail

inline engine_tables& tables() {
    engine_tables* t = detail::current_tables;
    return t != nullptr ? *t : detail::first_tables();
}


// Checked access to a (pin, chip) table, as PinArray's own, but inline.
inline value_code& cell(PinArray& table, int pin, int chip) {
    if (static_cast<unsigned>(pin) >= static_cast<unsigned>(table.pin_count()) ||
        static_cast<unsigned>(chip) >= static_cast<unsigned>(table.chip_count()))
        detail::fail_pin_index(pin, chip);
    return table.data()[static_cast<std::size_t>(chip) * table.pin_count() + pin];
}

// Checked access to the node tables: a node number outside 0..M fails the call.
inline node_entry& node_at(int node) {
    std::vector<node_entry>& nodes = tables().node_state;
    if (static_cast<std::size_t>(static_cast<unsigned>(node)) >= nodes.size())
        detail::fail_node_index(node);
    return nodes[static_cast<std::size_t>(node)];
}

inline value_code node_in_at(int node) {
    const std::vector<value_code>& drives = tables().node_in;
    if (static_cast<std::size_t>(static_cast<unsigned>(node)) >= drives.size())
        detail::fail_node_index(node);
    return drives[static_cast<std::size_t>(node)];
}

// ---- Writes, which a recorder may be listening to ----

// The cell number of a (pin, chip) element of pin_state, pin_mark or pin_value.
inline std::int32_t cell_of(const engine_tables& t, pin_table table, int pin, int chip) {
    const auto nodes = static_cast<std::int32_t>(t.node_state.size());
    const std::int32_t rows = t.pin_state.chip_count();
    return nodes + (static_cast<std::int32_t>(table) * rows + chip) * (kMaxPinNumber + 1) + pin;
}

// A node as the pass reads it: its value, and whether it is settled in this call.
inline std::int32_t entry_reading(const engine_tables& t, node_entry e) {
    return static_cast<std::uint16_t>(e.value) | (e.mark == t.pass_mark ? 0x10000 : 0);
}

// A pin mark as the models read it: taken in this call or not.
inline constexpr value_code kMarkTaken = 3;
inline value_code mark_reading(const engine_tables& t, value_code mark) {
    return mark == t.pass_mark ? kMarkTaken : mark;
}

inline void put_node(engine_tables& t, int node, node_entry e) {
    if (static_cast<std::size_t>(static_cast<unsigned>(node)) >= t.node_state.size())
        detail::fail_node_index(node);
    node_entry& slot = t.node_state[static_cast<std::size_t>(node)];
    // A recorder hears of the writes that change a cell; the others change nothing.
    if (t.recorder != nullptr && (slot.value != e.value || slot.mark != e.mark))
        t.recorder->writes.emplace_back(node, entry_reading(t, slot));
    slot = e;
}

inline void put_pin(engine_tables& t, pin_table table, int pin, int chip, value_code v) {
    PinArray& cells = table == pin_table::state ? t.pin_state
                      : table == pin_table::mark ? t.pin_mark
                                                 : t.pin_value;
    value_code& slot = cell(cells, pin, chip);
    if (t.recorder != nullptr && slot != v)
        t.recorder->writes.emplace_back(cell_of(t, table, pin, chip),
                                        table == pin_table::mark ? mark_reading(t, slot) : slot);
    slot = v;
}

// The value code seen at a chip pin, resolving its node on demand. A node
// already settled in this call, which is what most reads find, is answered
// here, inline, the same whichever pass is running; resolve_input does the rest.
value_code resolve_input(int pin, int chip);

inline value_code input_value(int pin, int chip) {
    engine_tables& t = tables();
    const node_entry& entry = node_at(cell(t.pin_node, pin, chip));
    return entry.mark == t.pass_mark ? entry.value : resolve_input(pin, chip);
}

// Dispatch to the chip's model routine; empty for a model it does not know.
// Mode 0 asks the pin's kind (-2 output, 7 not an output); other modes evaluate.
std::optional<value_code> eval_pin(int chip, int pin, int mode);

// After a sim call the tables may still be in the shape the next call starts
// from (marks as call numbers, pass_mark one of them); this turns them into
// what the pass leaves: marks 3 and 1, pass_mark 3, the trace as it ended.
// Whatever reads the tables after a call, other than the next call, calls it.
void complete_tables();

// Whatever writes the tables outside a sim call calls this (after
// complete_tables): the next call then loads and passes everything.
void leave_pass_memory();

// How much of the pass this thread's calls ran, for tests and benchmarks.
struct pass_statistics {
    long long full_calls = 0;       // calls that loaded and passed everything
    long long continued_calls = 0;  // calls that passed only what changed
    long long units_run = 0;        // chips whose share of the pass ran
    long long units_replayed = 0;   // chips whose share was written again instead
    long long units_reused = 0;     // chips whose share was taken from an earlier run
    long long calls_answered = 0;   // calls answered whole from the call memory (call_memo.h)
};
pass_statistics statistics();

// Whether whole calls may be answered from the calls remembered (on unless
// turned off); tests turn it off to look at the pass memory alone.
void set_call_memory(bool on);

// Whether calls use the pass memory: chosen by what each way costs (the
// default), or fixed, for tests that look at one way.
enum class pass_way { by_cost, memory, plain };
void set_pass_way(pass_way way);

// Builds the catalogue (model_table rows 0..30, model_last 30).
void init_model_table();

// Builds the catalogue unless it still stands as init_model_table left it.
void ensure_model_table();

// The pin count of the catalogue row a model name matches, trimmed and in any
// case; -1 when it matches none.
std::int16_t catalogue_pins_of(std::string_view model);

// Resets the trace before a pin of the pass (and at the start of a call).
inline void reset_trace() {
    engine_tables& t = tables();
    t.trace_depth = 0;
    t.cleared_drivers.clear();
}

}  // namespace lgsim
