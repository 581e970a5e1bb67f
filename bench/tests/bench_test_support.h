// Small helpers for bench tests: chips seated by grid place, wires by their
// ends, and a log of what the bench asked of its window.
#pragma once

#include <string_view>
#include <vector>

#include "bench_model.h"

namespace bench::testing {

// Drops a chip of `model` and seats it with its upper pin row on grid row
// `upper_row`, its last pin (above pin 1) at `column`. Returns its number.
int place_chip(bench_model& bench, std::string_view model, int upper_row, int column);

// The picture position (left, top) that seats a chip of `chip_class` with its
// reference point on the connection point (row, column).
board_point seat_position(int row, int column, int chip_class = 1);

wire wire_between(int start_row, int start_column, int end_row, int end_column);
int connect(bench_model& bench, int start_row, int start_column, int end_row, int end_column);

struct hook_log {
    std::vector<int> redraws;
    int kicks = 0;
    int clock_starts = 0;
    std::vector<int> intervals;
    int meter_starts = 0;
    int display_updates = 0;
};
void record_hooks(bench_model& bench, hook_log& log);

// Switches the power on if it is off.
void power_on(bench_model& bench);

}  // namespace bench::testing
