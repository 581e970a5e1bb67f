// Copying between sim's argument arrays and the engine tables, in the order
// and with the failures of the element-by-element copy: each copy checks an
// array's size once and then moves whole columns, and when an array is too
// small it copies element by element after all, so that the call fails at the
// same element with the same elements already written.
#pragma once

#include <string>
#include <vector>

#include "engine_tables.h"
#include "pass_plan.h"

namespace lgsim {

// An index outside an argument array (or an engine table) fails the call.
template <typename T>
auto& checked_at(T& vec, int index, const char* what) {
    if (index < 0 || index >= static_cast<int>(vec.size()))
        throw SubscriptError(std::string(what) + " index " + std::to_string(index) +
                             " out of range");
    return vec[static_cast<std::size_t>(index)];
}

// True when the arrays hold everything a call of `chips` chips and nodes
// 0..`nodes` reads and writes: names 0..chips, nodes 0..nodes in both node
// arrays, and pins 0..60 (no more) of chips 0..chips in both pin arrays.
inline bool arguments_hold(int chips, int nodes, const std::vector<std::string>& chip_model,
                           const PinArray& chip_pin_number, const std::vector<value_code>& v_node_in,
                           const std::vector<value_code>& v_node, const PinArray& v_chip_pin) {
    constexpr int kPinRows = kMaxPinNumber + 1;
    return static_cast<int>(v_node_in.size()) > nodes && static_cast<int>(v_node.size()) > nodes &&
           static_cast<int>(chip_model.size()) > chips && chip_pin_number.pin_count() == kPinRows &&
           v_chip_pin.pin_count() == kPinRows && chip_pin_number.chip_count() > chips &&
           v_chip_pin.chip_count() > chips;
}

// State unknown: pins 1..60 of chips 1..chips of v_chip_pin become -1.
void forget_pin_states(PinArray& v_chip_pin, int chips);

// node_in and node_state (value, and the mark pass_mark - 2) of nodes 0..nodes.
void load_nodes(engine_tables& t, const std::vector<value_code>& v_node_in,
                const std::vector<value_code>& v_node, int nodes);

// True when chip_model holds chips 0..chips, both pin arrays hold pins 0..60
// of chips 0..chips, and every node in chip_pin_number of chips 1..chips lies
// within the node table: then nothing in loading the chips can fail.
bool chip_arguments_fit(const engine_tables& t, int chips, const std::vector<std::string>& chip_model,
                        const PinArray& chip_pin_number, const PinArray& v_chip_pin);

// pin_node, pin_state and pin_mark of pins 0..60 of chips 1..chips, from
// arguments known to fit; pin_value is left to load_pin_values.
void load_pin_tables(engine_tables& t, int chips, const PinArray& chip_pin_number,
                     const PinArray& v_chip_pin);

// The same for one chip, element by element and checking every index, for
// arguments that do not fit.
void load_pins_checked(engine_tables& t, int chip, const PinArray& chip_pin_number,
                       const PinArray& v_chip_pin);

// pin_value of every pin of chips 1..chips: its node's value. The pins the pass
// visits are given the value of node 0 instead: the pass writes each of them
// before anything reads it, so only the others need their own nodes looked up.
void load_pin_values(engine_tables& t, int chips, const std::vector<off_pass_pin>& off_pass);

// Node values, the pin-to-node table and the pin-state memory back to the
// caller; the arrays were found large enough while loading.
void store_results(const engine_tables& t, int chips, int nodes, PinArray& chip_pin_number,
                   std::vector<value_code>& v_node, PinArray& v_chip_pin);

}  // namespace lgsim
