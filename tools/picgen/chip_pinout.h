// What a chip's pin-out diagram says: the name of every package pin and a few
// lines on what the chip does. One row per catalogue model.
#pragma once

#include <string_view>
#include <vector>

namespace picgen {

struct chip_pinout {
    std::string_view model;
    // pins[k] names package pin k + 1. Active-low signals carry a leading
    // slash (/CLR); the ground and supply pins are GND and VCC on the TTL
    // parts and VSS and VDD on the CMOS parts, as their data sheets name them.
    std::vector<std::string_view> pins;
    // Plain lines on the chip's function.
    std::vector<std::string_view> function;
    // A truth or function table, one row a line, cells separated by '|';
    // the first row is the heading. Empty when the lines say it all.
    std::vector<std::string_view> table;
    // A display also shows a drawing of its digit with every segment's pin.
    bool digit_figure = false;
};

// The rows of each chip family, one source each.
const std::vector<chip_pinout>& gate_pinouts();
const std::vector<chip_pinout>& msi_pinouts();
const std::vector<chip_pinout>& sequential_pinouts();
const std::vector<chip_pinout>& display_pinouts();

// All rows, in family order.
std::vector<const chip_pinout*> all_pinouts();

// The row of a model (exact, upper-case name), or nullptr.
const chip_pinout* find_pinout(std::string_view model);

}  // namespace picgen
