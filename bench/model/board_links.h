// Which nodes reach the board's terminals, LEDs, display module and display
// chips, and which chip pins sit on each node: worked out once per wiring, so
// that a clock tick drives, reads and shows only what it has to instead of
// scanning every wire and every pin.
#pragma once

#include <array>
#include <vector>

#include "circuit.h"
#include "shuzhi.h"

namespace bench {

struct board_links {
    // Terminal wires in the order the drive refresh visits them: the node
    // and the terminal column, later entries winning.
    struct terminal_drive {
        int node;
        int column;
    };
    std::vector<terminal_drive> terminal_drives;

    // Per LED: the node of every wire ending on it, in wire order (the last
    // one decides); empty when no wire reaches it.
    std::array<std::vector<int>, 16> led_nodes{};
    // Per display-module column 16..25: the node of the first wire ending
    // there, or -1.
    std::array<int, 10> module_nodes{};
    std::vector<int> display_chips;  // chips of class 4

    // The chip pins 1..60 on each node, as (pin, chip) indices into the pin
    // tables: node n's are pins[first[n], first[n + 1]).
    std::vector<int> first;
    std::vector<int> pins;

    // Built from the numbered wires and chip pins (wires and chips from 1).
    void build(const std::vector<wire>& wires, const std::vector<chip>& chips,
               const lgsim::PinArray& chip_pin_number, int max_node);
};

}  // namespace bench
