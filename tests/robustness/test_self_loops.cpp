// Gates whose inputs are all wired to their own output: one evaluation reads
// the same feedback loop through every input at once.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bench_model.h"
#include "bench_session.h"
#include "bench_test_support.h"
#include "hostile_support.h"
#include "value_codes.h"

using namespace robustness;

namespace {

enum class loop_kind {
    inverting,  // an odd number of inversions: the output changes at every tick
    keeping,    // an even number: the output keeps whatever it was
};

struct self_loop {
    const char* what;
    const char* model;
    int output;
    std::vector<int> inputs;  // all wired to the output
    loop_kind kind;
};
void PrintTo(const self_loop& loop, std::ostream* out) { *out << loop.what; }

class SelfLoop : public ::testing::TestWithParam<self_loop> {};

TEST_P(SelfLoop, SettlesOrTogglesFromTickToTick) {
    const self_loop& loop = GetParam();
    bench::bench_model bench;
    const int k = bench::testing::place_chip(bench, loop.model, 14, 10);
    power_chip(bench, k);
    for (const int input : loop.inputs) wire_holes(bench, pin_hole(bench, k, loop.output), pin_hole(bench, k, input));
    wire_holes(bench, pin_hole(bench, k, loop.output), {bench::kLedRow, 0});

    run_session(bench, 5);
    std::vector<lgsim::value_code> seen;
    for (int tick = 0; tick < 8; ++tick) {
        bench.clock_tick();
        seen.push_back(bench.pin_reading(loop.output, k));
        EXPECT_EQ(bench.led_shown(0), seen.back() == lgsim::kHigh);
    }
    for (std::size_t i = 0; i < seen.size(); ++i) {
        ASSERT_TRUE(seen[i] == lgsim::kLow || seen[i] == lgsim::kHigh) << "tick " << i << ": " << seen[i];
        if (i == 0) continue;
        if (loop.kind == loop_kind::inverting)
            EXPECT_NE(seen[i], seen[i - 1]) << "tick " << i;
        else
            EXPECT_EQ(seen[i], seen[i - 1]) << "tick " << i;
    }
    const hole out = pin_hole(bench, k, loop.output);
    const lgsim::value_code read = bench.read_point(out.row, out.column);
    EXPECT_TRUE(read == lgsim::kLow || read == lgsim::kHigh) << read;
}

INSTANTIATE_TEST_SUITE_P(
    Gates, SelfLoop,
    ::testing::Values(self_loop{"nand8", "74LS30", 8, {1, 2, 3, 4, 5, 6, 11, 12}, loop_kind::inverting},
                      self_loop{"nand2", "74LS00", 3, {1, 2}, loop_kind::inverting},
                      self_loop{"nand4", "74LS20", 6, {1, 2, 4, 5}, loop_kind::inverting},
                      self_loop{"nor2", "74LS02", 1, {2, 3}, loop_kind::inverting},
                      self_loop{"nor3", "74LS27", 12, {1, 2, 13}, loop_kind::inverting},
                      self_loop{"and3", "74LS11", 12, {1, 2, 13}, loop_kind::keeping},
                      self_loop{"or2", "74LS32", 3, {1, 2}, loop_kind::keeping},
                      self_loop{"and_or_invert", "74LS51", 8, {1, 12, 13, 9, 10, 11}, loop_kind::inverting}),
    [](const ::testing::TestParamInfo<self_loop>& info) { return std::string(info.param.what); });

}  // namespace
