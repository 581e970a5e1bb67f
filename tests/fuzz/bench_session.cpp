#include "bench_session.h"

#include <algorithm>

#include "catalogue.h"

namespace robustness {

namespace {

// Enough readings to reach wires, chips and the board's own terminals,
// few enough that one fuzzer input stays cheap: each may run an engine call.
constexpr int kWiresProbed = 6;
constexpr int kChipsProbed = 4;

}  // namespace

bench::bench_hooks window_like_hooks() {
    bench::bench_hooks hooks;
    hooks.outline_size = [](const std::string& model) -> std::optional<bench::picture_size> {
        const int row = lgsim::catalogue_row_of(model);
        if (row < 0) return std::nullopt;
        const lgsim::catalogue_entry& entry = lgsim::kCatalogue[row];
        return bench::picture_size{bench::kPitch * (entry.pin_count / 2),
                                   3 * bench::kPitch * entry.mount_kind};
    };
    return hooks;
}

void run_session(bench::bench_model& bench, int ticks) {
    if (!bench.power_on()) bench.press_power();
    bench.press_switch(0);
    bench.press_switch(3);
    bench.kick_tick();
    for (int i = 0; i < ticks; ++i) bench.clock_tick();
    for (int button = 0; button <= 1; ++button) {
        bench.press_pulse(button);
        bench.clock_tick();
        bench.release_pulse(button);
    }

    for (int w = 1; w <= std::min(bench.wire_count(), kWiresProbed); ++w) {
        const bench::wire& v = bench.wire_at(w);
        const int start_row = v.start_row, start_column = v.start_column;
        const int end_row = v.end_row, end_column = v.end_column;
        bench.read_point(start_row, start_column);
        bench.read_point(end_row, end_column);
    }
    for (int k = 1; k <= std::min(bench.chip_count(), kChipsProbed); ++k) {
        const bench::chip& c = bench.chip_at(k);
        const int last = std::clamp<int>(c.pin_count, 1, bench::kPinSlots - 1);
        const bench::pin_place first_place = c.places[1];
        if (first_place.row >= 0) bench.read_point(first_place.row, first_place.column);
        bench.read_chip_pin(1, k);
        bench.read_chip_pin(last, k);
    }
    for (const auto& [row, column] : {std::pair{36, bench::kSupplyColumn}, {35, 0}, {0, 0}, {15, 10},
                                      {30, 0}, {34, 39}, {bench::kGridRows - 1, bench::kGridColumns - 1}})
        bench.read_point(row, column);
}

}  // namespace robustness
