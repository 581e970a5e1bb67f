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

bool nodes_in_range(const value_code* nodes, std::size_t node_rows) {
    bool in_range = true;
    for (int p = 0; p < kPinRows; ++p)
        in_range &= nodes[p] >= 0 && static_cast<std::size_t>(nodes[p]) < node_rows;
    return in_range;
}

void load_pins_element_by_element(engine_tables& t, int i, const PinArray& chip_pin_number,
                                  const PinArray& v_chip_pin) {
    for (int p = 0; p <= kMaxPinNumber; ++p) t.pin_node(p, i) = chip_pin_number(p, i);
    for (int p = 0; p <= kMaxPinNumber; ++p) t.pin_value(p, i) = node_at(t.pin_node(p, i)).value;
    for (int p = 0; p <= kMaxPinNumber; ++p) t.pin_state(p, i) = v_chip_pin(p, i);
    for (int p = 0; p <= kMaxPinNumber; ++p) t.pin_mark(p, i) = kOutputPin;
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

void load_pins(engine_tables& t, int i, const PinArray& chip_pin_number, const PinArray& v_chip_pin) {
    if (!holds_chip(chip_pin_number, i) || !holds_chip(v_chip_pin, i)) {
        load_pins_element_by_element(t, i, chip_pin_number, v_chip_pin);
        return;
    }
    value_code* node = column(t.pin_node, i);
    std::copy_n(column(chip_pin_number, i), kPinRows, node);
    if (!nodes_in_range(node, t.node_state.size())) {
        load_pins_element_by_element(t, i, chip_pin_number, v_chip_pin);
        return;
    }
    value_code* value = column(t.pin_value, i);
    const node_entry* node_state = t.node_state.data();
    for (int p = 0; p < kPinRows; ++p) value[p] = node_state[node[p]].value;
    std::copy_n(column(v_chip_pin, i), kPinRows, column(t.pin_state, i));
    std::fill_n(column(t.pin_mark, i), kPinRows, kOutputPin);
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
