#include <gtest/gtest.h>

#include "bench_model.h"
#include "bench_test_support.h"
#include "value_codes.h"

using namespace bench;
using bench::testing::connect;
using bench::testing::hook_log;
using bench::testing::place_chip;

namespace {

// A 74LS00 with pin 1 on (15, 10): inputs 1 and 2 from switches 0 and 1,
// output 3 to LED 0, supply on pin 14 and ground on pin 7.
struct nand_bench : ::testing::Test {
    void SetUp() override {
        chip = place_chip(bench, "74LS00", 14, 10);
        connect(bench, 36, 0, 16, 10);   // switch 0 to pin 1
        connect(bench, 36, 1, 17, 11);   // switch 1 to pin 2
        connect(bench, 35, 0, 18, 12);   // LED 0 from pin 3
        connect(bench, 36, 26, 19, 16);  // ground to pin 7
        connect(bench, 36, 22, 13, 10);  // supply to pin 14
    }
    void set_switch(int k, int state) {
        if (bench.switch_state(k) != state) bench.press_switch(k);
    }
    bench_model bench;
    int chip = 0;
};

TEST_F(nand_bench, TheLedShowsTheTruthTableAfterAClockTick) {
    bench.press_power();
    const int rows[4][3] = {{0, 0, 1}, {0, 1, 1}, {1, 0, 1}, {1, 1, 0}};
    for (const auto& row : rows) {
        set_switch(0, row[0]);
        set_switch(1, row[1]);
        bench.clock_tick();
        EXPECT_EQ(bench.led_shown(0), row[2] == 1) << row[0] << row[1];
        EXPECT_EQ(bench.pin_reading(3, chip), row[2]) << row[0] << row[1];
        EXPECT_EQ(bench.point_value(35, 0), row[2]);
    }
}

// A switch is driven and evaluated at once: the LED does not wait for a
// clock tick, however slow the clock runs.
TEST_F(nand_bench, SwitchesReachTheNodesAtOnce) {
    bench.press_power();
    EXPECT_TRUE(bench.led_shown(0)) << "power on settles the board";
    set_switch(0, 1);
    EXPECT_TRUE(bench.led_shown(0));
    set_switch(1, 1);
    EXPECT_FALSE(bench.led_shown(0));
    EXPECT_EQ(bench.pin_reading(3, chip), lgsim::kLow);
    bench.clock_tick();
    EXPECT_FALSE(bench.led_shown(0));
}

TEST_F(nand_bench, DriveRefreshPutsTerminalCodesOnNodesAndPinReadings) {
    bench.press_power();
    bench.drive_refresh();
    EXPECT_EQ(bench.pin_reading(14, chip), lgsim::kSupply);
    EXPECT_EQ(bench.pin_reading(7, chip), lgsim::kGround);
    EXPECT_EQ(bench.pin_reading(1, chip), lgsim::kLow);
    EXPECT_EQ(bench.pin_reading(4, chip), lgsim::kNoDrive) << "an unwired pin is not driven";
    EXPECT_EQ(bench.pin_reading(3, chip), lgsim::kNoDrive) << "the LED row is never driven";
}

TEST_F(nand_bench, AnUnpoweredChipReadsElevenOnItsOutputs) {
    bench.clock_tick();  // power off: every board point -1
    EXPECT_EQ(bench.pin_reading(3, chip), lgsim::kUnpowered);
    EXPECT_FALSE(bench.led_shown(0));
}

TEST_F(nand_bench, PointReadings) {
    bench.press_power();
    set_switch(1, 1);
    bench.clock_tick();
    EXPECT_EQ(bench.read_point(36, 22), lgsim::kSupply);
    EXPECT_EQ(bench.read_point(17, 11), lgsim::kHigh) << "a wire end answers with its terminal's code";
    EXPECT_EQ(bench.read_point(13, 10), lgsim::kSupply);
    EXPECT_EQ(bench.read_point(18, 12), lgsim::kHigh) << "a wire reaching only a chip pin";
    EXPECT_EQ(bench.read_point(16, 12), lgsim::kHigh) << "no wire end: a chip pin on the strip";
    EXPECT_EQ(bench.read_point(16, 30), lgsim::kNoDrive) << "nothing there";
    EXPECT_EQ(bench.read_point(-1, 0), lgsim::kNoDrive);
}

TEST(PointReading, GridRowZeroIsAPointLikeAnyOther) {
    bench_model bench;
    bench.press_switch(2);
    bench.press_power();
    connect(bench, 36, 2, 0, 40);
    EXPECT_EQ(bench.read_point(0, 40), lgsim::kHigh);
    EXPECT_EQ(bench.read_point(4, 40), lgsim::kNoDrive);
}

TEST(ChipPinReading, RunsAnEngineCallWithTheCurrentDrive) {
    bench_model bench;
    const int k = place_chip(bench, "74LS04", 14, 10);
    connect(bench, 36, 22, 13, 10);
    connect(bench, 36, 26, 16, 16);
    connect(bench, 36, 0, 17, 10);  // switch 0 to input 1
    bench.press_power();
    EXPECT_EQ(bench.pin_reading(2, k), lgsim::kHigh) << "power on settles the board";
    EXPECT_EQ(bench.read_chip_pin(2, k), lgsim::kHigh);
    bench.press_switch(0);
    EXPECT_EQ(bench.read_chip_pin(2, k), lgsim::kLow);
    EXPECT_EQ(bench.read_chip_pin(2, 0), lgsim::kNoDrive);
    EXPECT_EQ(bench.read_chip_pin(2, 2), lgsim::kNoDrive);
}

TEST(ClockTick, WithoutWiresNothingChangesNotEvenTheClock) {
    bench_model bench;
    hook_log log;
    bench::testing::record_hooks(bench, log);
    bench.press_power();
    log = {};
    bench.clock_tick();
    EXPECT_EQ(bench.point_value(36, kClockColumn), lgsim::kHigh);
    EXPECT_EQ(log.display_updates, 0);
}

TEST(ClockTick, TogglesTheClockAndRunsAStep) {
    bench_model bench;
    connect(bench, 36, kClockColumn, 35, 4);
    bench.press_power();
    for (const bool lit : {false, true, false}) {
        bench.clock_tick();
        EXPECT_EQ(bench.point_value(36, kClockColumn), lit ? 1 : 0);
        EXPECT_EQ(bench.led_shown(4), lit);
    }
}

TEST(EvaluationStep, WithoutChipsRedrawsAndRenumbersInstead) {
    bench_model bench;
    hook_log log;
    bench::testing::record_hooks(bench, log);
    connect(bench, 36, 3, 35, 3);
    bench.press_switch(3);
    bench.press_power();
    log = {};
    bench.evaluation_step();
    EXPECT_EQ(log.redraws, std::vector<int>{kRedrawAll});
    EXPECT_EQ(log.display_updates, 1);
    EXPECT_TRUE(bench.led_shown(3));
}

TEST(EvaluationStep, TheFirstStepAfterPowerOnForgetsChipStates) {
    bench_model bench;
    bench.press_power();
    EXPECT_TRUE(bench.new_circuit());
    place_chip(bench, "74LS00", 14, 10);
    connect(bench, 36, 22, 13, 10);
    bench.clock_tick();
    EXPECT_FALSE(bench.new_circuit());
}

}  // namespace
