#include "argument_copy.h"

#include <algorithm>

namespace lgsim {

namespace {

constexpr int kPinRows = kMaxPinNumber + 1;

bool holds_chip(const PinArray& a, int chip) {
    return a.pin_count() >= kPinRows && chip >= 0 && chip < a.chip_count();
}

value_code* column(PinArray& a, int chip) {
    return a.data() + static_cast<std::size_t>(chip) * a.pin_count();
}

const value_code* column(const PinArray& a, int chip) {
    return a.data() + static_cast<std::size_t>(chip) * a.pin_count();
}

}  // namespace

void forget_pin_states(PinArray& v_chip_pin, int chips) {
    if (!holds_chip(v_chip_pin, chips)) {
        for (int i = 1; i <= chips; ++i)
            for (int p = 1; p <= kMaxPinNumber; ++p) v_chip_pin(p, i) = kNoDrive;
        return;
    }
    for (int i = 1; i <= chips; ++i) std::fill_n(column(v_chip_pin, i) + 1, kMaxPinNumber, kNoDrive);
}

void load_nodes(engine_tables& t, const std::vector<value_code>& v_node_in,
                const std::vector<value_code>& v_node, int nodes) {
    const auto mark = static_cast<value_code>(t.pass_mark - 2);
    if (static_cast<int>(v_node_in.size()) <= nodes || static_cast<int>(v_node.size()) <= nodes) {
        for (int n = 0; n <= nodes; ++n) {
            t.node_in[n] = checked_at(v_node_in, n, "v_node_in");
            t.node_state[n] = {checked_at(v_node, n, "v_node"), mark};
        }
        return;
    }
    std::copy_n(v_node_in.data(), nodes + 1, t.node_in.data());
    node_entry* entry = t.node_state.data();
    for (int n = 0; n <= nodes; ++n) entry[n] = {v_node[n], mark};
}

bool chip_arguments_fit(const engine_tables& t, int chips, const std::vector<std::string>& chip_model,
                        const PinArray& chip_pin_number, const PinArray& v_chip_pin) {
    if (static_cast<int>(chip_model.size()) <= chips || !holds_chip(chip_pin_number, chips) ||
        !holds_chip(v_chip_pin, chips))
        return false;
    // With no pins beyond 60 the columns of chips 1..chips are one run.
    const bool one_run = chip_pin_number.pin_count() == kPinRows;
    const int run = one_run ? chips * kPinRows : kPinRows;
    value_code lowest = 0;
    value_code highest = 0;
    for (int i = 1; i <= (one_run ? 1 : chips); ++i) {
        const value_code* node = column(chip_pin_number, i);
        for (int p = 0; p < run; ++p) {
            lowest = std::min(lowest, node[p]);
            highest = std::max(highest, node[p]);
        }
    }
    return lowest >= 0 && highest < static_cast<int>(t.node_state.size());
}

void load_pin_tables(engine_tables& t, int chips, const PinArray& chip_pin_number,
                     const PinArray& v_chip_pin) {
    for (int i = 1; i <= chips; ++i) {
        std::copy_n(column(chip_pin_number, i), kPinRows, column(t.pin_node, i));
        std::copy_n(column(v_chip_pin, i), kPinRows, column(t.pin_state, i));
        std::fill_n(column(t.pin_mark, i), kPinRows, kOutputPin);
    }
}

void load_pin_values(engine_tables& t, int chips, const std::vector<off_pass_pin>& off_pass) {
    const value_code node_0 = t.node_state[0].value;
    std::fill_n(column(t.pin_value, 1), static_cast<std::size_t>(chips) * kPinRows, node_0);
    for (const off_pass_pin& p : off_pass)
        column(t.pin_value, p.chip)[p.pin] = t.node_state[static_cast<std::size_t>(p.node)].value;
}

void load_pins_checked(engine_tables& t, int i, const PinArray& chip_pin_number,
                       const PinArray& v_chip_pin) {
    for (int p = 0; p <= kMaxPinNumber; ++p) t.pin_node(p, i) = chip_pin_number(p, i);
    for (int p = 0; p <= kMaxPinNumber; ++p) t.pin_value(p, i) = node_at(t.pin_node(p, i)).value;
    for (int p = 0; p <= kMaxPinNumber; ++p) t.pin_state(p, i) = v_chip_pin(p, i);
    for (int p = 0; p <= kMaxPinNumber; ++p) t.pin_mark(p, i) = kOutputPin;
}

void store_results(const engine_tables& t, int chips, int nodes, PinArray& chip_pin_number,
                   std::vector<value_code>& v_node, PinArray& v_chip_pin) {
    const node_entry* node_state = t.node_state.data();
    value_code* value = v_node.data();
    for (int n = 0; n <= nodes; ++n) value[n] = node_state[n].value;
    for (int i = 0; i <= chips; ++i) {
        std::copy_n(column(t.pin_node, i), kPinRows, column(chip_pin_number, i));
        std::copy_n(column(t.pin_state, i) + 1, kMaxPinNumber, column(v_chip_pin, i) + 1);
    }
}

}  // namespace lgsim
