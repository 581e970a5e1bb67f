// One sim call per benchmark iteration, with the clock node toggled before
// each, on the library's pass and on the literal pass over the same circuit.
// After the runs a table gives, per circuit, the median time per call of
// each pass and how many times faster the library's pass is.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "bench_circuits.h"
#include "engine_tables.h"
#include "literal_engine.h"

using namespace lgsim;
using lgsim::bench::clocked_circuit;

namespace {

struct named_circuit {
    const char* name;
    std::function<clocked_circuit()> make;
};

const std::vector<named_circuit>& circuits() {
    static const std::vector<named_circuit> all{
        {"nand_chains_50", [] { return bench::nand_chains(50); }},
        {"lab_circuit_50", [] { return bench::lab_circuit(); }},
        {"decade_counter_3", [] { return bench::decade_counter(3); }},
    };
    return all;
}

using sim_function = std::int16_t (*)(testing::circuit&);

std::int16_t library_sim(testing::circuit& c) {
    shuzhi engine;
    return engine.sim(static_cast<std::int16_t>(c.models.size() - 1),
                      static_cast<std::int16_t>(c.node.size() - 1), c.models, c.pins, c.node_in,
                      c.node, c.chip_pin_state, c.new_circuit);
}

std::int16_t literal_sim(testing::circuit& c) {
    return testing::literal_sim(static_cast<std::int16_t>(c.models.size() - 1),
                                static_cast<std::int16_t>(c.node.size() - 1), c.models, c.pins,
                                c.node_in, c.node, c.chip_pin_state, c.new_circuit);
}

void run_calls(benchmark::State& state, const named_circuit& circuit, sim_function sim) {
    clocked_circuit b = circuit.make();
    value_code level = kLow;
    for (int k = 0; k < 4; ++k) sim(b.c);  // past the new circuit and the first edges
    const pass_statistics before = statistics();
    for (auto _ : state) {
        level = level == kLow ? kHigh : kLow;
        b.c.drive_node(b.clock, level);
        benchmark::DoNotOptimize(sim(b.c));
    }
    const pass_statistics after = statistics();
    state.counters["chips"] = static_cast<double>(b.c.models.size() - 1);
    // How many chips the library's pass ran again per call.
    state.counters["chips_run"] = benchmark::Counter(static_cast<double>(after.units_run - before.units_run),
                                                     benchmark::Counter::kAvgIterations);
    // And how many it took from earlier runs, and how many calls it answered whole.
    state.counters["chips_reused"] = benchmark::Counter(static_cast<double>(after.units_reused - before.units_reused),
                                                        benchmark::Counter::kAvgIterations);
    state.counters["answered"] = benchmark::Counter(static_cast<double>(after.calls_answered - before.calls_answered),
                                                    benchmark::Counter::kAvgIterations);
}

// Keeps the median (or the only) time per call of every run, in
// nanoseconds: wall-clock time, and the processor time, which other work on
// a shared machine disturbs less.
class median_keeper : public benchmark::ConsoleReporter {
public:
    struct times {
        double real_ns = 0.0;
        double cpu_ns = 0.0;
    };

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Aggregate && !median) continue;
            const double to_ns = benchmark::GetTimeUnitMultiplier(benchmark::kNanosecond) /
                                 benchmark::GetTimeUnitMultiplier(run.time_unit);
            const std::string name = run.run_name.function_name;
            if (median || !medians_.count(name))
                medians_[name] = {run.GetAdjustedRealTime() * to_ns, run.GetAdjustedCPUTime() * to_ns};
        }
    }
    times median(const std::string& name) const {
        const auto it = medians_.find(name);
        return it == medians_.end() ? times{} : it->second;
    }

private:
    std::map<std::string, times> medians_;
};

}  // namespace

int main(int argc, char** argv) {
    // LGSIM_PASS_WAY=memory or plain fixes the way the library's pass goes,
    // to look at one of them; by default it chooses by cost, as it does for users.
    if (const char* way = std::getenv("LGSIM_PASS_WAY")) {
        const std::string w = way;
        set_pass_way(w == "memory" ? pass_way::memory : w == "plain" ? pass_way::plain : pass_way::by_cost);
    }
    // Five repetitions unless told otherwise, so that the table can give medians.
    std::vector<char*> args{argv[0]};
    std::string repetitions = "--benchmark_repetitions=5";
    std::string aggregates = "--benchmark_report_aggregates_only=true";
    args.push_back(repetitions.data());
    args.push_back(aggregates.data());
    for (int k = 1; k < argc; ++k) args.push_back(argv[k]);
    int count = static_cast<int>(args.size());

    for (const named_circuit& circuit : circuits()) {
        benchmark::RegisterBenchmark((std::string("sim/") + circuit.name + "/library").c_str(),
                                     run_calls, circuit, &library_sim)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((std::string("sim/") + circuit.name + "/literal").c_str(),
                                     run_calls, circuit, &literal_sim)
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
    median_keeper reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\nmedian per call    %12s %12s %8s   %12s %12s %8s\n", "library us", "literal us",
                "ratio", "library cpu", "literal cpu", "ratio");
    for (const named_circuit& circuit : circuits()) {
        const auto fast = reporter.median(std::string("sim/") + circuit.name + "/library");
        const auto literal = reporter.median(std::string("sim/") + circuit.name + "/literal");
        if (fast.real_ns <= 0.0 || literal.real_ns <= 0.0) continue;
        std::printf("%-18s %12.3f %12.3f %7.0fx   %12.3f %12.3f %7.0fx\n", circuit.name,
                    fast.real_ns / 1000.0, literal.real_ns / 1000.0, literal.real_ns / fast.real_ns,
                    fast.cpu_ns / 1000.0, literal.cpu_ns / 1000.0, literal.cpu_ns / fast.cpu_ns);
    }
    return 0;
}
