// How long the bench takes on the work its timers and commands give it: a
// clock tick and a capture run on the three-digit decade counter, and node
// numbering and loading of a circuit of 2,000 wires.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <stdexcept>
#include <vector>

#include <QString>
#include <QTemporaryDir>

#include "bench_model.h"
#include "bench_test_support.h"
#include "instruments.h"

namespace {

using namespace bench;

const QString kDecadeCounter = QStringLiteral(BENCH_CIRCUIT_FOLDER "/decade_counter_3.cir");
constexpr int kManyWires = 2000;

void load_decade_counter(bench_model& bench) {
    if (!bench.load(kDecadeCounter).ok) throw std::runtime_error("the decade counter does not load");
    bench.press_power();
}

// The decade counter with wires added until there are 2,000. The added
// wires join 200 fixed pairs of strips, ten wires on each pair from random
// holes of its strips: a few long nodes and many small ones rather than one
// node that holds everything.
void load_crowded_board(bench_model& bench) {
    load_decade_counter(bench);
    std::uint32_t seed = 12345;
    const auto next = [&seed](int below) {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<int>((seed >> 8) % static_cast<std::uint32_t>(below));
    };
    constexpr int kStripPairs = 200;
    constexpr int kBreadboardGroups = 7;
    constexpr int kRowsPerGroup = 5;
    struct strip_pair {
        int group[2];
        int column[2];
    };
    std::vector<strip_pair> pairs(kStripPairs);
    for (strip_pair& p : pairs)
        for (int end = 0; end < 2; ++end) {
            p.group[end] = next(kBreadboardGroups);
            p.column[end] = next(kGridColumns);
        }
    for (int i = 0; bench.wire_count() < kManyWires; ++i) {
        const strip_pair& p = pairs[i % kStripPairs];
        bench::testing::connect(bench, p.group[0] * kRowsPerGroup + next(kRowsPerGroup), p.column[0],
                                p.group[1] * kRowsPerGroup + next(kRowsPerGroup), p.column[1]);
    }
}

void DecadeCounterClockTick(benchmark::State& state) {
    bench_model bench;
    load_decade_counter(bench);
    for (auto _ : state) bench.clock_tick();
}
BENCHMARK(DecadeCounterClockTick);

// Speed 20 is the text box's value at start-up: a burst of 96 samples.
void DecadeCounterCaptureRun(benchmark::State& state) {
    bench_model bench;
    load_decade_counter(bench);
    instruments tools(bench);
    tools.set_down_probe_at(instrument::scope, kRedProbe, 10, 2);  // QA of the units
    const QString speed = QStringLiteral("20");
    int samples = 0;
    for (auto _ : state) samples = tools.capture_run(speed).samples;
    state.counters["samples"] = samples;
}
BENCHMARK(DecadeCounterCaptureRun);

void NodeNumberingOf2000Wires(benchmark::State& state) {
    bench_model bench;
    load_crowded_board(bench);
    for (auto _ : state) bench.node_numbering();
    state.counters["wires"] = bench.wire_count();
    state.counters["nodes"] = bench.max_node_number();
}
BENCHMARK(NodeNumberingOf2000Wires)->Unit(benchmark::kMillisecond);

void LoadingA2000WireFile(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = folder.filePath("crowded.cir");
    {
        bench_model bench;
        load_crowded_board(bench);
        if (!bench.save(path).ok) throw std::runtime_error("the crowded board does not save");
    }
    bench_model bench;
    for (auto _ : state)
        if (!bench.load(path).ok) state.SkipWithError("the crowded board does not load");
    state.counters["wires"] = bench.wire_count();
}
BENCHMARK(LoadingA2000WireFile)->Unit(benchmark::kMillisecond);

}  // namespace
