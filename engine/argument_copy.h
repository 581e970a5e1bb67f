// Copying between sim's argument arrays and the engine tables, in the order
// and with the failures of the element-by-element copy: each copy checks an
// array's size once and then moves whole columns, and when an array is too
// small it copies element by element after all, so that the call fails at the
// same element with the same elements already written.
#pragma once

#include <string>
#include <vector>

#include "engine_tables.h"

namespace lgsim {

// An index outside an argument array (or an engine table) fails the call.
template <typename T>
auto& checked_at(T& vec, int index, const char* what) {
    if (index < 0 || index >= static_cast<int>(vec.size()))
        throw SubscriptError(std::string(what) + " index " + std::to_string(index) +
                             " out of range");
    return vec[static_cast<std::size_t>(index)];
}

// State unknown: pins 1..60 of chips 1..chips of v_chip_pin become -1.
void forget_pin_states(PinArray& v_chip_pin, int chips);

// node_in and node_state (value, and the mark pass_mark - 2) of nodes 0..nodes.
void load_nodes(engine_tables& t, const std::vector<value_code>& v_node_in,
                const std::vector<value_code>& v_node, int nodes);

// pin_node, pin_value, pin_state and pin_mark of pins 0..60 of one chip.
void load_pins(engine_tables& t, int chip, const PinArray& chip_pin_number,
               const PinArray& v_chip_pin);

// Node values, the pin-to-node table and the pin-state memory back to the
// caller; the arrays were found large enough while loading.
void store_results(const engine_tables& t, int chips, int nodes, PinArray& chip_pin_number,
                   std::vector<value_code>& v_node, PinArray& v_chip_pin);

}  // namespace lgsim
