// A small circuit builder for engine tests: chips, nodes and drives, handed to
// shuzhi::sim exactly as the bench hands them.
#pragma once

#include <string>
#include <vector>

#include "catalogue.h"
#include "shuzhi.h"
#include "value_codes.h"

namespace lgsim::testing {

class circuit {
public:
    // Adds a chip; every pin gets a node of its own. Returns the chip number.
    int add_chip(const std::string& model);
    // Adds a chip with its ground pin on the ground node and its supply pin on the supply node.
    int add_powered(const std::string& model);
    int new_node();
    // Joins pin b of chip_b to the node of pin a of chip_a.
    void wire(int chip_a, int pin_a, int chip_b, int pin_b);
    void connect(int chip, int pin, int node);
    int node_of(int chip, int pin) const;
    // Drives the node of a pin from outside (v_node_in and v_node), as the bench does.
    void drive(int chip, int pin, value_code code);
    void drive_node(int node, value_code code);
    void release(int chip, int pin) { drive(chip, pin, kNoDrive); }
    void sim();
    void sim(int calls) {
        for (int k = 0; k < calls; ++k) sim();
    }
    value_code at(int chip, int pin) const { return node[node_of(chip, pin)]; }
    value_code node_value(int n) const { return node[n]; }
    value_code state(int chip, int pin) const { return chip_pin_state(pin, chip); }

    int supply_node();
    int ground_node();

    std::vector<std::string> models{""};
    PinArray pins{61, 1};
    std::vector<value_code> node_in{kNoDrive};
    std::vector<value_code> node{kNoDrive};
    PinArray chip_pin_state{61, 1};
    bool new_circuit = true;

private:
    int supply_ = 0;
    int ground_ = 0;
};

}  // namespace lgsim::testing
