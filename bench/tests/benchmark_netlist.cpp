// How long node numbering and a clock tick take on a full breadboard.
#include <benchmark/benchmark.h>

#include "bench_model.h"
#include "bench_test_support.h"

namespace {

using namespace bench;

// Twenty 74LS00 on the three breadboard seats of each row pair, every pin
// wired to a bus or a terminal.
void fill_board(bench_model& bench) {
    int chips = 0;
    for (const int row : {4, 14, 24})
        for (int column = 0; column + 7 <= 64 && chips < 20; column += 9, ++chips)
            bench::testing::place_chip(bench, "74LS00", row, column);
    for (int k = 1; k <= bench.chip_count(); ++k) {
        const chip& c = bench.chip_at(k);
        for (int j = 1; j <= c.pin_count; ++j) {
            const pin_place& p = c.places[j];
            const int other_row = p.row % 5 == 4 ? p.row - 1 : p.row + 1;
            bench::testing::connect(bench, other_row, p.column, 30 + j % 5, (k + j) % 40);
        }
    }
    bench::testing::connect(bench, 36, 22, 30, 0);
    bench::testing::connect(bench, 36, 26, 31, 1);
    bench.press_power();
}

void NodeNumbering(benchmark::State& state) {
    bench_model bench;
    fill_board(bench);
    for (auto _ : state) bench.node_numbering();
    state.counters["wires"] = bench.wire_count();
}
BENCHMARK(NodeNumbering);

void ClockTick(benchmark::State& state) {
    bench_model bench;
    fill_board(bench);
    for (auto _ : state) bench.clock_tick();
}
BENCHMARK(ClockTick);

}  // namespace

BENCHMARK_MAIN();
