#include "engine_harness.h"

namespace lgsim::testing {

int circuit::new_node() {
    node_in.push_back(kNoDrive);
    node.push_back(kNoDrive);
    return static_cast<int>(node.size()) - 1;
}

int circuit::add_chip(const std::string& model) {
    models.push_back(model);
    const int chip = static_cast<int>(models.size()) - 1;
    pins.resize(61, chip + 1);
    chip_pin_state.resize(61, chip + 1);
    const int row = catalogue_row_of(model);
    const int count = row >= 0 ? kCatalogue[row].pin_count : 20;
    for (int p = 1; p <= count; ++p) pins(p, chip) = static_cast<value_code>(new_node());
    return chip;
}

int circuit::supply_node() {
    if (supply_ == 0) {
        supply_ = new_node();
        drive_node(supply_, kSupply);
    }
    return supply_;
}

int circuit::ground_node() {
    if (ground_ == 0) {
        ground_ = new_node();
        drive_node(ground_, kGround);
    }
    return ground_;
}

int circuit::add_powered(const std::string& model) {
    const int chip = add_chip(model);
    const catalogue_entry& entry = kCatalogue[catalogue_row_of(model)];
    connect(chip, entry.ground_pin, ground_node());
    connect(chip, entry.supply_pin, supply_node());
    return chip;
}

void circuit::connect(int chip, int pin, int n) { pins(pin, chip) = static_cast<value_code>(n); }

int circuit::node_of(int chip, int pin) const { return pins(pin, chip); }

void circuit::wire(int chip_a, int pin_a, int chip_b, int pin_b) {
    connect(chip_b, pin_b, node_of(chip_a, pin_a));
}

void circuit::drive(int chip, int pin, value_code code) { drive_node(node_of(chip, pin), code); }

void circuit::drive_node(int n, value_code code) {
    node_in[n] = code;
    node[n] = code;
}

void circuit::sim() {
    shuzhi engine;
    engine.sim(static_cast<std::int16_t>(models.size() - 1),
               static_cast<std::int16_t>(node.size() - 1), models, pins, node_in, node,
               chip_pin_state, new_circuit);
}

}  // namespace lgsim::testing
