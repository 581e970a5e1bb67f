#include "literal_engine.h"

#include <algorithm>
#include <utility>

#include "engine_tables.h"
#include "names.h"

namespace lgsim::testing {

namespace {

template <typename T>
auto& checked(T& vec, int index, const char* what) {
    if (index < 0 || index >= static_cast<int>(vec.size()))
        throw SubscriptError(std::string(what) + " index " + std::to_string(index) +
                             " out of range");
    return vec[static_cast<std::size_t>(index)];
}

int pin_count_of(const engine_tables& t, int chip) { return t.chip_info[chip].pin_count; }

bool is_input_kind(int chip, int pin) {
    const auto kind = eval_pin(chip, pin, 0);
    return kind && *kind == kNotOutput;
}

bool levels_conflict(value_code a, value_code b) {
    return logic_level(a) != logic_level(b) && a != kFloating && b != kFloating &&
           a != kNoDrive && b != kNoDrive;
}

// Rival outputs on the node are compared only once the pass has visited them
// in this call.
value_code apply_conflicts(engine_tables& t, int chip, int pin, value_code v) {
    const int node = t.pin_node(pin, chip);
    const value_code outside = node_in_at(node);
    if (levels_conflict(outside, v)) return kExternalConflict;
    value_code result = v;
    for (int c = 1; c <= chip; ++c) {
        const int last_pin = c < chip ? pin_count_of(t, c) : pin - 1;
        for (int p = 1; p <= last_pin; ++p) {
            if (t.pin_node(p, c) != node || is_input_kind(c, p)) continue;
            if (levels_conflict(t.pin_value(p, c), v)) {
                result = kOutputConflict;
                break;  // the scan goes on with the next chip
            }
        }
    }
    return result;
}

bool was_cleared(const engine_tables& t, int chip, int pin) {
    return std::find(t.cleared_drivers.begin(), t.cleared_drivers.end(),
                     std::pair<std::int16_t, std::int16_t>(chip, pin)) != t.cleared_drivers.end();
}

// What one driver of a node answers when an input asks for the node.
struct driver_answer {
    value_code value;
    bool loop;  // met in the trace: a level that ends the search, node left open
};

driver_answer ask_driver(int driver_chip, int driver_pin) {
    engine_tables& t = tables();
    // A driver whose evaluation is in progress further up: a feedback loop.
    for (int k = 1; k <= t.trace_depth; ++k) {
        if (t.trace_chip[k] != driver_chip || t.trace_pin[k] != driver_pin) continue;
        value_code result;
        if (t.trace_value[k] == kNoDrive) {
            t.trace_value[k] = logic_level(t.pin_state(driver_pin, driver_chip));
            result = logic_level(eval_pin(driver_chip, driver_pin, 1).value_or(kLow));
        } else {
            result = t.trace_value[k];
        }
        t.trace_chip[k] = 0;
        t.trace_pin[k] = 0;
        t.trace_value[k] = kNoDrive;
        t.cleared_drivers.emplace_back(driver_chip, driver_pin);
        return {result, true};
    }

    // The same loop met again through a second input of one evaluation.
    if (was_cleared(t, driver_chip, driver_pin))
        return {logic_level(t.pin_state(driver_pin, driver_chip)), true};

    const int depth = ++t.trace_depth;
    t.trace_chip.resize(depth + 1);
    t.trace_pin.resize(depth + 1);
    t.trace_value.resize(depth + 1);
    t.trace_chip[depth] = static_cast<std::int16_t>(driver_chip);
    t.trace_pin[depth] = static_cast<std::int16_t>(driver_pin);
    t.trace_value[depth] = kNoDrive;
    return {eval_pin(driver_chip, driver_pin, 1).value_or(kLow), false};
}

value_code literal_input_value(int pin, int chip) {
    engine_tables& t = tables();
    const int node = t.pin_node(pin, chip);
    if (node_at(node).mark == t.pass_mark) return node_at(node).value;

    const value_code outside = node_in_at(node);
    if (is_external_drive(outside)) {
        node_at(node) = {outside, t.pass_mark};
        return outside;
    }

    // The drivers: every output pin on the node, in pass order. The first
    // that answers something other than 2 settles the node.
    for (int c = 1; c <= t.chip_count; ++c) {
        for (int p = 1; p <= pin_count_of(t, c); ++p) {
            if (t.pin_node(p, c) != node || (p == pin && c == chip) || is_input_kind(c, p))
                continue;
            const driver_answer answer = ask_driver(c, p);
            if (answer.loop) return answer.value;
            if (answer.value != kFloating) {
                node_at(node) = {answer.value, t.pass_mark};
                return answer.value;
            }
        }
    }
    node_at(node) = {kFloating, t.pass_mark};
    return kFloating;
}

// While this pass runs the models work on its own tables, and read their
// inputs through input_value, which resolves them here.
class on_literal_tables {
public:
    on_literal_tables() : previous_(detail::current_tables) {
        tables();  // the library's tables exist before they are set aside
        previous_ = detail::current_tables;
        detail::current_tables = &literal_tables();
        tables().input_resolver = literal_input_value;
    }
    ~on_literal_tables() {
        tables().input_resolver = nullptr;
        detail::current_tables = previous_;
    }
    on_literal_tables(const on_literal_tables&) = delete;
    on_literal_tables& operator=(const on_literal_tables&) = delete;

private:
    engine_tables* previous_;
};

void run_literal_pass() {
    engine_tables& t = tables();
    for (int i = 1; i <= t.chip_count; ++i) {
        for (int p = 1; p <= pin_count_of(t, i); ++p) {
            reset_trace();
            if (is_input_kind(i, p)) {
                t.pin_value(p, i) = literal_input_value(p, i);
            } else {
                const value_code v = eval_pin(i, p, 1).value_or(kLow);
                t.pin_value(p, i) = apply_conflicts(t, i, p, v);
                // A released output writes 2 only onto a node nothing has
                // settled yet in this call, and leaves it unsettled.
                if (t.pin_value(p, i) == kFloating) {
                    if (node_at(t.pin_node(p, i)).mark != t.pass_mark)
                        node_at(t.pin_node(p, i)).value = kFloating;
                    continue;
                }
            }
            node_at(t.pin_node(p, i)) = {t.pin_value(p, i), t.pass_mark};
        }
    }
}

}  // namespace

engine_tables& literal_tables() {
    static thread_local engine_tables storage;
    return storage;
}

void literal_pass() {
    const on_literal_tables scope;
    run_literal_pass();
}

std::int16_t literal_sim(std::int16_t chip_number, std::int16_t max_node_number,
                         const std::vector<std::string>& chip_model, PinArray& chip_pin_number,
                         const std::vector<value_code>& v_node_in, std::vector<value_code>& v_node,
                         PinArray& v_chip_pin, bool& new_circuit) {
    const on_literal_tables scope;
    engine_tables& t = tables();
    const int chips = chip_number;
    const int nodes = max_node_number;
    t.chip_count = chip_number;
    init_model_table();

    const int chip_rows = std::max(chips + 1, 1);
    const int node_rows = std::max(nodes + 1, 0);
    t.chip_info.resize(chip_rows);
    for (PinArray* table : {&t.pin_node, &t.pin_state, &t.pin_mark, &t.pin_value})
        table->resize(kMaxPinNumber + 1, chip_rows);
    t.node_in.resize(node_rows);
    t.node_state.resize(node_rows);
    if (chips < 1) return 0;

    if (new_circuit) {
        new_circuit = false;
        for (int i = 1; i <= chips; ++i)
            for (int p = 1; p <= kMaxPinNumber; ++p) v_chip_pin(p, i) = kNoDrive;
    }

    t.pass_mark = 3;
    reset_trace();

    for (int n = 0; n <= nodes; ++n) {
        t.node_in[n] = checked(v_node_in, n, "v_node_in");
        t.node_state[n] = {checked(v_node, n, "v_node"), static_cast<value_code>(t.pass_mark - 2)};
    }

    for (int i = 1; i <= chips; ++i) {
        chip_info_row& info = t.chip_info[i];
        info.name = std::string(trimmed(checked(chip_model, i, "chip_model")));
        const std::string key = upper_trimmed(info.name);
        for (int row = 0; row <= t.model_last; ++row) {
            if (upper_trimmed(t.model_table[row].name) == key) {
                info.pin_count = t.model_table[row].pin_count;
                break;
            }
        }
        for (int p = 0; p <= kMaxPinNumber; ++p) t.pin_node(p, i) = chip_pin_number(p, i);
        for (int p = 0; p <= kMaxPinNumber; ++p) t.pin_value(p, i) = node_at(t.pin_node(p, i)).value;
        for (int p = 0; p <= kMaxPinNumber; ++p) t.pin_state(p, i) = v_chip_pin(p, i);
        for (int p = 0; p <= kMaxPinNumber; ++p) t.pin_mark(p, i) = kOutputPin;
    }

    run_literal_pass();

    for (int n = 0; n <= nodes; ++n) checked(v_node, n, "v_node") = t.node_state[n].value;
    for (int i = 0; i <= chips; ++i) {
        for (int p = 0; p <= kMaxPinNumber; ++p) chip_pin_number(p, i) = t.pin_node(p, i);
        for (int p = 1; p <= kMaxPinNumber; ++p) v_chip_pin(p, i) = t.pin_state(p, i);
    }
    return 0;
}

}  // namespace lgsim::testing
