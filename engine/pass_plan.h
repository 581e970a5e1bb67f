// The circuit as the pass walks it, worked out once from the engine tables
// and kept for as long as they describe the same circuit: the routine of every
// chip, the pins the pass visits in pass order with their kinds, and, for
// every node, the outputs that lie on it in pass order. Those outputs are all
// that the driver search and the output-conflict rule ever look at, so neither
// has to scan the pins of every chip.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine_tables.h"
#include "models.h"

namespace lgsim {

struct pin_ref {
    std::int16_t chip = 0;
    std::int16_t pin = 0;
};

// One pin of the pass.
struct pass_step {
    std::int16_t chip = 0;
    std::int16_t pin = 0;
    int node = 0;  // as in pin_node, which the pass does not check before it reads it
    bool output = false;
    model_routine routine = nullptr;  // the chip's
    // Outputs only: the outputs on the same node that the pass meets earlier,
    // the ones its value is compared with, are node_outputs()[rivals_begin, rivals_end).
    int rivals_begin = 0;
    int rivals_end = 0;
};

// A pin the pass does not visit (pin 0, or above the chip's pin count) that
// lies on a node other than 0.
struct off_pass_pin {
    std::int16_t chip = 0;
    std::int16_t pin = 0;
    int node = 0;
};

class pass_plan {
public:
    // True when the tables describe the circuit the plan was built from.
    bool describes(const engine_tables& t) const;
    // Changes at every build: what was worked out for one plan holds while it stays.
    std::uint64_t generation() const { return generation_; }
    void build(const engine_tables& t);
    void forget() { chip_count_ = -1; }

    // What sim checks while it loads the tables, chip by chip, before it
    // decides whether the plan still holds.
    bool has_shape(int chip_count, std::size_t node_rows) const {
        return chip_count_ == chip_count && node_rows_ == node_rows;
    }
    bool has_name(int chip, std::string_view name) const { return names_[chip] == name; }
    // Every chip's pin count and pin_node column.
    bool has_pins(const engine_tables& t) const;
    // The pin count the catalogue gives the chip's name, or -1 for none.
    std::int16_t catalogue_pins(int chip) const { return catalogue_pins_[chip]; }

    model_routine routine(int chip) const { return routines_[chip]; }
    const std::vector<pass_step>& steps() const { return steps_; }
    // A chip's pins among the steps: steps()[first_step_of(chip), first_step_of(chip + 1)).
    int first_step_of(int chip) const { return first_steps_[chip]; }
    const std::vector<off_pass_pin>& off_pass_pins() const { return off_pass_pins_; }

    // The outputs of all nodes, grouped by node; an output's place in this
    // list identifies it.
    const pin_ref* node_outputs() const { return node_outputs_.data(); }
    std::size_t output_count() const { return node_outputs_.size(); }

    // The outputs on a node, in pass order: node_outputs()[first, last).
    int first_output_of(int node) const { return outputs_begin_[node]; }
    int last_output_of(int node) const { return outputs_begin_[node + 1]; }

private:
    std::uint64_t generation_ = 0;
    // What the plan was built from.
    int chip_count_ = -1;
    std::size_t node_rows_ = 0;
    std::vector<std::string> names_;          // chips 0..N, trimmed
    std::vector<std::int16_t> pin_counts_;    // chips 0..N
    std::vector<value_code> pin_nodes_;       // pin_node of chips 1..N, all 61 pins of each

    std::vector<std::int16_t> catalogue_pins_;  // chips 0..N
    std::vector<model_routine> routines_;       // chips 0..N
    std::vector<pass_step> steps_;
    std::vector<int> first_steps_;  // chips 0..N+1
    std::vector<off_pass_pin> off_pass_pins_;
    std::vector<int> outputs_begin_;  // nodes 0..M+1: where each node's outputs start
    std::vector<pin_ref> node_outputs_;
};

}  // namespace lgsim
