// One sim call: load the tables from the arguments, run the pass, copy back.
//
// The pass walks a plan of the circuit (pass_plan.h) rather than scanning the
// pins of every chip whenever it needs a node's driver or its rival outputs;
// sim keeps the plan for as long as the chips, their pin counts and their
// nodes stay the same, which on the bench is from one wiring change to the next.
//
// A call met before in the same state is answered whole from the calls
// remembered (call_memo.h); a call that runs passes only what can come out
// differently from the previous one (pass_memo.h); pass_choice.h decides,
// from what each costs, whether to use those at all.
#include <algorithm>
#include <cmath>
#include <string>

#include "argument_copy.h"
#include "call_memo.h"
#include "engine_tables.h"
#include "names.h"
#include "pass_choice.h"
#include "pass_memo.h"
#include "pass_plan.h"
#include "trace_index.h"

namespace lgsim {

namespace {

struct engine_state {
    engine_tables tables;
    pass_plan plan;
    trace_index traced;
    pass_memo memo;
    call_memo calls;
    pass_choice choice;
    // While the pass runs, the plan is known to describe the tables and the
    // pass alone writes the trace, so the trace index can be trusted; outside
    // it (a model asked directly through eval_pin) the plan is checked first
    // and the trace lists are searched.
    bool in_pass = false;
    // Set when resolving an input adds to the trace.
    bool trace_grew = false;
};

// The state itself is created on a thread's first call; after that the
// pointer is all a call reads to find it.
thread_local constinit engine_state* t_state __attribute__((tls_model("initial-exec"))) = nullptr;

[[gnu::noinline]] engine_state& create_state() {
    static thread_local engine_state storage;
    t_state = &storage;
    detail::current_tables = &storage.tables;
    return storage;
}

engine_state& state() { return t_state != nullptr ? *t_state : create_state(); }

// `name` lives in the library, not in the object.
std::int16_t g_name = 0;

// node_at and node_in_at on tables already in hand.
template <typename T>
T& at_node(std::vector<T>& table, int node) {
    if (static_cast<std::size_t>(static_cast<unsigned>(node)) >= table.size())
        detail::fail_node_index(node);
    return table[static_cast<std::size_t>(node)];
}

bool levels_conflict(value_code a, value_code b) {
    return level_of_code(a) != level_of_code(b) && a != kFloating && b != kFloating &&
           a != kNoDrive && b != kNoDrive;
}

// An unknown model answers nothing, which counts as 0.
value_code evaluate(model_routine routine, int chip, int pin) {
    return routine ? routine(chip, pin, 1).value_or(kLow) : kLow;
}

value_code evaluate(const pass_plan& plan, int chip, int pin) {
    return evaluate(plan.routine(chip), chip, pin);
}

// A recorder listening to a unit is told of every chip the unit reaches.
void note_chip(engine_tables& t, int chip) {
    if (t.recorder != nullptr) t.recorder->chips.push_back(static_cast<std::int16_t>(chip));
}

// The conflict rules, applied to an output of the pass that evaluated to v.
// Rival outputs on the node are compared only once the pass has visited them
// in this call, so two outputs that agree never read as a conflict and a
// conflict does not outlive the disagreement.
value_code apply_conflicts(engine_tables& t, const pass_plan& plan, const pass_step& step,
                           value_code v) {
    const value_code outside = at_node(t.node_in, step.node);
    if (levels_conflict(outside, v)) return kExternalConflict;
    const pin_ref* rivals = plan.node_outputs();
    for (int k = step.rivals_begin; k < step.rivals_end; ++k)
        if (levels_conflict(cell(t.pin_value, rivals[k].pin, rivals[k].chip), v))
            return kOutputConflict;
    return v;
}

void rebuild_plan(engine_state& s) {
    s.plan.build(s.tables);
    s.traced.size_for(s.plan.output_count());
}

// The trace entry of a driver, 0 when it has none.
int trace_position(const engine_state& s, int output, pin_ref driver) {
    if (s.in_pass) return s.traced.position(output);
    const engine_tables& t = s.tables;
    for (int k = 1; k <= t.trace_depth; ++k)
        if (t.trace_chip[k] == driver.chip && t.trace_pin[k] == driver.pin) return k;
    return 0;
}

bool was_cleared(const engine_state& s, int output, pin_ref driver) {
    if (s.in_pass) return s.traced.cleared(output);
    const engine_tables& t = s.tables;
    return std::find(t.cleared_drivers.begin(), t.cleared_drivers.end(),
                     std::pair<std::int16_t, std::int16_t>(driver.chip, driver.pin)) !=
           t.cleared_drivers.end();
}

class pass_scope {
public:
    explicit pass_scope(engine_state& s) : s_(s) { s_.in_pass = true; }
    ~pass_scope() { s_.in_pass = false; }
    pass_scope(const pass_scope&) = delete;
    pass_scope& operator=(const pass_scope&) = delete;

private:
    engine_state& s_;
};

// One pin of the pass.
void run_step(engine_state& s, const pass_step& step) {
    engine_tables& t = s.tables;
    t.trace_depth = 0;
    t.cleared_drivers.clear();
    s.traced.reset();
    if (!step.output) {
        // Most inputs find their node settled; that much of input_value
        // is done here without the call.
        const node_entry entry = at_node(t.node_state, step.node);
        const value_code value =
            entry.mark == t.pass_mark ? entry.value : resolve_input(step.pin, step.chip);
        put_pin(t, pin_table::value, step.pin, step.chip, value);
        put_node(t, step.node, {value, t.pass_mark});
    } else {
        const value_code value =
            apply_conflicts(t, s.plan, step, evaluate(step.routine, step.chip, step.pin));
        put_pin(t, pin_table::value, step.pin, step.chip, value);
        const node_entry entry = at_node(t.node_state, step.node);
        // A released output (2) shows on its node only until something
        // drives the node in this call, and leaves it open for the next
        // driver: a disabled buffer never hides an enabled one on a bus.
        if (value != kFloating)
            put_node(t, step.node, {value, t.pass_mark});
        else if (entry.mark != t.pass_mark)
            put_node(t, step.node, {kFloating, entry.mark});
    }
}

// Every pin the pass visits, in chip order and pin order.
void run_pass(engine_state& s) {
    const pass_scope scope(s);
    for (const pass_step& step : s.plan.steps()) run_step(s, step);
}

// The recorder listens while one unit runs, also when the unit fails.
class listening {
public:
    listening(engine_tables& t, write_recorder& recorder) : t_(t) { t_.recorder = &recorder; }
    ~listening() { t_.recorder = nullptr; }
    listening(const listening&) = delete;
    listening& operator=(const listening&) = delete;

private:
    engine_tables& t_;
};

// The pass chip by chip: a chip whose share cannot come out differently
// from the previous call is not run (pass_memo.h).
void run_units(engine_state& s) {
    engine_tables& t = s.tables;
    const pass_scope scope(s);
    const std::vector<pass_step>& steps = s.plan.steps();
    for (int chip = 1; chip <= t.chip_count; ++chip) {
        const int first = s.plan.first_step_of(chip);
        const int end = s.plan.first_step_of(chip + 1);
        if (first == end) continue;
        if (!s.memo.must_run(chip)) {
            s.memo.replay(t, chip);
            continue;
        }
        if (s.memo.reuse_earlier_run(t, chip)) continue;
        {
            const listening recording(t, s.memo.start_unit(chip));
            s.trace_grew = false;
            for (int k = first; k < end; ++k) run_step(s, steps[static_cast<std::size_t>(k)]);
        }
        s.memo.finish_unit(t, chip, s.trace_grew);
    }
}

// A chip's trimmed name and the catalogue's pin count for it. The plan
// remembers the catalogue's answer for the name it was built with, so an
// unchanged name is not looked up again. True when the name is the plan's.
bool load_chip_name(engine_state& s, int chip, const std::string& model, bool plan_holds) {
    chip_info_row& info = s.tables.chip_info[chip];
    const std::string_view name = trimmed(model);
    const bool known = plan_holds && s.plan.has_name(chip, name);
    const std::int16_t catalogue_pins = known ? s.plan.catalogue_pins(chip) : catalogue_pins_of(name);
    if (info.name != name) info.name.assign(name);
    if (catalogue_pins >= 0) info.pin_count = catalogue_pins;
    return known;
}

// The chips' names, pin counts and pin tables, and a plan that describes
// them. True when the arguments fit, so that nothing in the pass can fail.
bool load_chips(engine_state& s, int chips, const std::vector<std::string>& chip_model,
                const PinArray& chip_pin_number, const PinArray& v_chip_pin) {
    engine_tables& t = s.tables;
    bool plan_holds = s.plan.has_shape(chips, t.node_state.size());
    if (chip_arguments_fit(t, chips, chip_model, chip_pin_number, v_chip_pin)) {
        for (int i = 1; i <= chips; ++i) plan_holds = load_chip_name(s, i, chip_model[i], plan_holds);
        load_pin_tables(t, chips, chip_pin_number, v_chip_pin);
        if (!plan_holds || !s.plan.has_pins(t)) rebuild_plan(s);
        load_pin_values(t, chips, s.plan.off_pass_pins());
        return true;
    }
    // Something is out of bounds: load chip by chip and element by element,
    // so that the call fails where it always has, with the same tables written.
    for (int i = 1; i <= chips; ++i) {
        load_chip_name(s, i, checked_at(chip_model, i, "chip_model"), false);
        load_pins_checked(t, i, chip_pin_number, v_chip_pin);
    }
    rebuild_plan(s);
    return false;
}

// The pin-to-node table and the pin-state memory of chip 0, which the pass
// never touches, go back to the caller as a full copy-back would take them.
void store_chip_zero(const engine_tables& t, PinArray& chip_pin_number, PinArray& v_chip_pin) {
    std::copy_n(t.pin_node.data(), kMaxPinNumber + 1, chip_pin_number.data());
    std::copy_n(t.pin_state.data() + 1, kMaxPinNumber, v_chip_pin.data() + 1);
}

// The tables sized for a call of `chips` chips and `nodes` nodes.
void size_tables(engine_tables& t, int chips, int nodes) {
    t.chip_count = static_cast<std::int16_t>(chips);
    ensure_model_table();
    const int chip_rows = std::max(chips + 1, 1);
    const int node_rows = std::max(nodes + 1, 0);
    t.chip_info.resize(chip_rows);
    for (PinArray* table : {&t.pin_node, &t.pin_state, &t.pin_mark, &t.pin_value})
        table->resize(kMaxPinNumber + 1, chip_rows);
    t.node_in.resize(node_rows);
    t.node_state.resize(node_rows);
}

// Everything the pass reads, loaded from the arguments. True when they fit
// (load_chips).
bool load_arguments(engine_state& s, int chips, int nodes, const std::vector<std::string>& chip_model,
                    const PinArray& chip_pin_number, const std::vector<value_code>& v_node_in,
                    const std::vector<value_code>& v_node, const PinArray& v_chip_pin) {
    s.tables.pass_mark = 3;
    reset_trace();
    load_nodes(s.tables, v_node_in, v_node, nodes);
    return load_chips(s, chips, chip_model, chip_pin_number, v_chip_pin);
}

void put_trace(engine_tables& t, const trace_lists& trace) {
    t.trace_chip = trace.chip;
    t.trace_pin = trace.pin;
    t.trace_value = trace.value;
}

// The last call was answered from the call memory, so the tables still hold
// an earlier call's; before a call runs they take the trace lists the
// answered call left (everything else is loaded from the arguments).
void catch_up_for_a_call(engine_state& s) {
    if (!s.calls.tables_behind()) return;
    s.memo.complete(s.tables);
    s.memo.forget();
    trace_lists trace;
    s.calls.trace_left(trace);
    put_trace(s.tables, trace);
    s.calls.tables_caught_up();
}

// The same for whatever reads the tables outside a call: the answered call
// is passed again in full, from the arguments it started from.
void catch_up_for_a_reader(engine_state& s) {
    if (!s.calls.tables_behind()) return;
    s.memo.complete(s.tables);
    s.memo.forget();
    s.calls.tables_caught_up();
    std::vector<value_code> v_node_in, v_node;
    PinArray v_chip_pin;
    trace_lists trace;
    s.calls.last_call_start(v_node_in, v_node, v_chip_pin, trace);
    put_trace(s.tables, trace);
    const int chips = s.calls.chips();
    const int nodes = s.calls.nodes();
    size_tables(s.tables, chips, nodes);
    load_arguments(s, chips, nodes, s.calls.chip_model(), s.calls.chip_pin_number(), v_node_in, v_node, v_chip_pin);
    run_pass(s);
}

// Anything but sim reading or writing the tables sees them as the plain pass
// leaves them, and the next call passes everything again.
void leave_memories(engine_state& s) {
    catch_up_for_a_reader(s);
    s.memo.complete(s.tables);
    s.memo.forget();
    s.calls.forget_position();
}

void leave_memo(engine_state& s) {
    if (detail::current_tables != &s.tables || s.in_pass) return;
    leave_memories(s);
}

}  // namespace

namespace detail {

thread_local constinit engine_tables* current_tables = nullptr;

engine_tables& first_tables() { return create_state().tables; }

void fail_node_index(int node) {
    throw SubscriptError("node index " + std::to_string(node) + " out of range");
}

void fail_pin_index(int pin, int chip) {
    throw SubscriptError("pin table index (" + std::to_string(pin) + ", " + std::to_string(chip) +
                         ") out of range");
}

}  // namespace detail

// input_value for a node not settled yet in this call.
value_code resolve_input(int pin, int chip) {
    if (auto resolver = tables().input_resolver) return resolver(pin, chip);
    engine_state& s = state();
    engine_tables& t = s.tables;
    if (!s.in_pass) {
        leave_memo(s);
        if (!s.plan.describes(t)) rebuild_plan(s);
    }
    const int node = cell(t.pin_node, pin, chip);
    at_node(t.node_state, node);  // a node outside the table fails here

    const value_code outside = at_node(t.node_in, node);
    if (is_external_drive(outside)) {
        put_node(t, node, {outside, t.pass_mark});
        return outside;
    }

    // The drivers: the outputs on the node, in pass order. The first that
    // drives the node settles it; one that answers 2 (a disabled three-state
    // output, or an open input passed through) has released the node, and the
    // next is asked. Only when all have released it, or there are none, is
    // the node floating.
    for (int output = s.plan.first_output_of(node); output < s.plan.last_output_of(node); ++output) {
        const pin_ref driver = s.plan.node_outputs()[output];
        if (driver.pin == pin && driver.chip == chip) continue;
        note_chip(t, driver.chip);

        // A driver whose evaluation is in progress further up: a feedback
        // loop. Its answer is a level and ends the search; the node stays open.
        if (const int k = trace_position(s, output, driver); k > 0) {
            value_code result;
            if (t.trace_value[k] == kNoDrive) {
                t.trace_value[k] = level_of_code(cell(t.pin_state, driver.pin, driver.chip));
                result = level_of_code(evaluate(s.plan, driver.chip, driver.pin));
            } else {
                result = t.trace_value[k];
            }
            t.trace_chip[k] = 0;
            t.trace_pin[k] = 0;
            t.trace_value[k] = kNoDrive;
            t.cleared_drivers.emplace_back(driver.chip, driver.pin);
            s.traced.clear(output);
            return result;
        }

        // The same loop met again through a second input of one evaluation:
        // answer the driver's stored level instead of evaluating it without end.
        if (was_cleared(s, output, driver))
            return level_of_code(cell(t.pin_state, driver.pin, driver.chip));

        const int depth = ++t.trace_depth;
        t.trace_chip.resize(depth + 1);
        t.trace_pin.resize(depth + 1);
        t.trace_value.resize(depth + 1);
        t.trace_chip[depth] = driver.chip;
        t.trace_pin[depth] = driver.pin;
        t.trace_value[depth] = kNoDrive;
        s.traced.list(output, depth);
        s.trace_grew = true;
        const value_code result = evaluate(s.plan, driver.chip, driver.pin);
        if (result != kFloating) {
            put_node(t, node, {result, t.pass_mark});
            return result;
        }
    }
    put_node(t, node, {kFloating, t.pass_mark});
    return kFloating;
}

std::int16_t shuzhi::sim(std::int16_t chip_number, std::int16_t max_node_number,
                         const std::vector<std::string>& chip_model, PinArray& chip_pin_number,
                         const std::vector<value_code>& v_node_in, std::vector<value_code>& v_node,
                         PinArray& v_chip_pin, bool& new_circuit) {
    engine_state& s = state();
    engine_tables& t = s.tables;
    const int chips = chip_number;
    const int nodes = max_node_number;
    // The choice learns what each way costs from the calls themselves.
    struct call_timing {
        pass_choice& choice;
        ~call_timing() { choice.call_done(); }
    } timing{s.choice};
    const bool memo = s.choice.memo();
    const call_memo::arguments arguments{chips, nodes, chip_model, chip_pin_number, v_node_in, v_node, v_chip_pin};
    if (memo && !new_circuit && s.calls.answer(arguments)) {
        store_chip_zero(t, chip_pin_number, v_chip_pin);
        return 0;
    }
    // A call that runs: the call memory learns where it led, unless it fails.
    struct learning {
        call_memo& calls;
        bool learnt = false;
        ~learning() {
            if (!learnt) calls.forget_position();
        }
    } learning{s.calls};
    if (!memo || new_circuit) s.calls.forget_position();
    catch_up_for_a_call(s);

    const bool continuing =
        memo && s.memo.continues(t, chips, nodes, chip_model, chip_pin_number, v_node_in, v_node, v_chip_pin);
    if (!continuing) {
        s.memo.complete(t);
        s.memo.forget();
    }
    if (continuing) {
        // The same circuit as the previous call: only its differences are
        // loaded, and only the chips they reach are passed again.
        if (new_circuit) {
            new_circuit = false;
            forget_pin_states(v_chip_pin, chips);
        }
        ensure_model_table();
        reset_trace();
        s.memo.begin_continued_call(t, s.plan, v_node_in, v_node, v_chip_pin);
        run_units(s);
        s.memo.write_back(t, v_node, v_chip_pin);
        store_chip_zero(t, chip_pin_number, v_chip_pin);
        s.memo.end_call(t);
        s.calls.learn(arguments, s.memo.carried_trace());
        learning.learnt = true;
        return 0;
    }
    size_tables(t, chips, nodes);
    if (chips < 1) return 0;

    if (new_circuit) {
        new_circuit = false;
        forget_pin_states(v_chip_pin, chips);
    }

    if (load_arguments(s, chips, nodes, chip_model, chip_pin_number, v_node_in, v_node, v_chip_pin) &&
        chips <= pass_memo::kMostChips && memo) {
        s.memo.begin_full_call(t, s.plan, chip_model);
        run_units(s);
        store_results(t, chips, nodes, chip_pin_number, v_node, v_chip_pin);
        s.memo.end_call(t);
        s.calls.learn(arguments, s.memo.carried_trace());
        learning.learnt = true;
        return 0;
    }

    run_pass(s);

    store_results(t, chips, nodes, chip_pin_number, v_node, v_chip_pin);
    return 0;
}

void shuzhi::VcalIcAll() {
    engine_state& s = state();
    leave_memories(s);
    if (!s.plan.describes(s.tables)) rebuild_plan(s);
    run_pass(s);
}

void complete_tables() {
    engine_state& s = state();
    if (detail::current_tables != &s.tables) return;
    catch_up_for_a_reader(s);
    s.memo.complete(s.tables);
}

void set_pass_way(pass_way way) {
    state().choice.force(way);
}

void set_call_memory(bool on) {
    engine_state& s = state();
    if (detail::current_tables == &s.tables) catch_up_for_a_reader(s);
    s.calls.set_enabled(on);
}

void leave_pass_memory() { leave_memo(state()); }

pass_statistics statistics() {
    const engine_state& s = state();
    pass_statistics figures = s.memo.statistics();
    figures.calls_answered = s.calls.answered();
    return figures;
}

double shuzhi::name() const { return g_name; }

void shuzhi::set_name(double value) {
    const double rounded = std::nearbyint(value);  // the default rounding takes halves to even
    if (!(rounded >= -32768.0 && rounded <= 32767.0))
        throw OverflowError("name out of range");
    g_name = static_cast<std::int16_t>(rounded);
}

}  // namespace lgsim
