#include "bench_test_support.h"

#include <stdexcept>
#include <string>

#include "catalogue.h"
#include "circuit_file.h"

namespace bench::testing {

board_point seat_position(int row, int column, int chip_class) {
    const board_point p = point_position(row, column);
    return {p.x - kPitch / 1.4, p.y + 5 - (chip_class == 4 ? kPitch / 3 : 0)};
}

int place_chip(bench_model& bench, std::string_view model, int upper_row, int column) {
    const int row = lgsim::catalogue_row_of(model);
    if (row < 0) throw std::invalid_argument("no model " + std::string(model));
    const board_point at = seat_position(upper_row, column, lgsim::kCatalogue[row].chip_class);
    const int k = bench.drop_chip(row, at.x, at.y);
    if (!bench.seat_chip(k)) throw std::logic_error("chip not seated");
    return k;
}

wire wire_between(int start_row, int start_column, int end_row, int end_column) {
    wire w;
    w.start_row = static_cast<std::int16_t>(start_row);
    w.start_column = static_cast<std::int16_t>(start_column);
    w.end_row = static_cast<std::int16_t>(end_row);
    w.end_column = static_cast<std::int16_t>(end_column);
    const board_point a = point_position(start_row, start_column);
    const board_point b = point_position(end_row, end_column);
    w.points = {{stored_twips(a.x), stored_twips(a.y)}, {stored_twips(b.x), stored_twips(b.y)}};
    return w;
}

int connect(bench_model& bench, int start_row, int start_column, int end_row, int end_column) {
    return bench.add_wire(wire_between(start_row, start_column, end_row, end_column));
}

void record_hooks(bench_model& bench, hook_log& log) {
    bench_hooks hooks;
    hooks.redraw_board = [&log](int mode) { log.redraws.push_back(mode); };
    hooks.enable_kick = [&log] { ++log.kicks; };
    hooks.enable_clock = [&log] { ++log.clock_starts; };
    hooks.set_clock_interval = [&log](int ms) { log.intervals.push_back(ms); };
    hooks.enable_meter = [&log] { ++log.meter_starts; };
    hooks.displays_updated = [&log] { ++log.display_updates; };
    bench.set_hooks(std::move(hooks));
}

void power_on(bench_model& bench) {
    if (!bench.power_on()) bench.press_power();
}

}  // namespace bench::testing
