// Small helpers shared by the chip model routines.
#pragma once

#include <initializer_list>

#include "engine_tables.h"

namespace lgsim {

// The node of a pin of a chip.
inline int node_of(int pin, int chip) { return cell(tables().pin_node, pin, chip); }

// Powered when the ground pin's node is driven with 6 and the supply pin's with 5.
inline bool powered(int chip, int ground_pin, int supply_pin) {
    return node_in_at(node_of(ground_pin, chip)) == kGround &&
           node_in_at(node_of(supply_pin, chip)) == kSupply;
}

inline bool contains(std::initializer_list<int> pins, int pin) {
    for (int p : pins)
        if (p == pin) return true;
    return false;
}

// An input tied to the supply or ground terminal, as an exact-code comparison
// sees it: supply counts as 1 and ground as 0. Every other code, an open input's
// 2 among them, is kept, so an open control input reads as it always has.
constexpr value_code tied_code(value_code code) {
    return code == kSupply ? kHigh : code == kGround ? kLow : code;
}

// The logic level of an input pin, read with input_value.
inline value_code level_of(int pin, int chip) { return level_of_code(input_value(pin, chip)); }

// The pin-state memory and the pin marks: read, and written through put_pin.
inline value_code pin_state(int pin, int chip) { return cell(tables().pin_state, pin, chip); }
inline void store_state(int pin, int chip, value_code value) {
    put_pin(tables(), pin_table::state, pin, chip, value);
}
inline value_code pin_mark(int pin, int chip) { return cell(tables().pin_mark, pin, chip); }
inline void set_pin_mark(int pin, int chip, value_code value) {
    put_pin(tables(), pin_table::mark, pin, chip, value);
}
inline value_code pass_mark() { return tables().pass_mark; }

// The node of a pin in node_state: read, and written through put_node.
inline const node_entry& node_entry_of(int pin, int chip) { return node_at(node_of(pin, chip)); }
inline bool node_settled(int pin, int chip) { return node_entry_of(pin, chip).mark == pass_mark(); }
inline value_code node_value(int pin, int chip) { return node_entry_of(pin, chip).value; }
inline void write_node(int pin, int chip, value_code value) {
    engine_tables& t = tables();
    const int node = node_of(pin, chip);
    put_node(t, node, {value, node_at(node).mark});
}
inline void mark_node(int pin, int chip) {
    engine_tables& t = tables();
    const int node = node_of(pin, chip);
    put_node(t, node, {node_at(node).value, t.pass_mark});
}
inline void settle_node(int pin, int chip, value_code value) {
    engine_tables& t = tables();
    put_node(t, node_of(pin, chip), {value, t.pass_mark});
}

}  // namespace lgsim
