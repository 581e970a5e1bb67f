#include <gtest/gtest.h>

#include "bench_model.h"
#include "bench_test_support.h"
#include "value_codes.h"

using namespace bench;
using bench::testing::connect;
using bench::testing::hook_log;
using bench::testing::place_chip;

namespace {

TEST(PowerSwitch, PowerOnWritesTheTerminalCodes) {
    bench_model bench;
    bench.press_switch(3);
    bench.press_power();
    EXPECT_TRUE(bench.power_on());
    const struct {
        int column;
        lgsim::value_code code;
    } expected[] = {{0, 0},  {3, 1},  {15, 0}, {16, 1}, {17, 0}, {18, 1}, {22, 5},
                    {25, 5}, {26, 6}, {29, 6}, {19, 0}, {21, 0}, {30, 0}};
    for (const auto& e : expected) EXPECT_EQ(bench.point_value(36, e.column), e.code) << e.column;
    EXPECT_TRUE(bench.lamp_lit(3));
    EXPECT_FALSE(bench.lamp_lit(2));
}

TEST(PowerSwitch, PowerOffSetsEveryPointToMinusOneAndDarkensTheBoard) {
    bench_model bench;
    connect(bench, 36, 22, 35, 0);
    connect(bench, 36, 0, 35, 1);
    bench.press_switch(0);
    bench.press_power();
    bench.clock_tick();
    ASSERT_TRUE(bench.led_shown(1));
    bench.press_power();
    EXPECT_FALSE(bench.power_on());
    for (int r = 0; r < kGridRows; ++r)
        for (int c = 0; c < kGridColumns; ++c) ASSERT_EQ(bench.point_value(r, c), lgsim::kNoDrive);
    for (int k = 0; k < kLedCount; ++k) EXPECT_FALSE(bench.led_shown(k));
    for (int k = 0; k < kSwitchCount; ++k) EXPECT_FALSE(bench.lamp_lit(k));
    EXPECT_EQ(bench.node_drive(bench.wire_at(1).node), lgsim::kNoDrive) << "drive refreshed";
    EXPECT_EQ(bench.switch_state(0), 1) << "switches survive a power cycle";
}

TEST(PowerSwitch, EveryPressAsksForAKickTheMeterAndARedraw) {
    bench_model bench;
    hook_log log;
    bench::testing::record_hooks(bench, log);
    bench.press_power();
    EXPECT_GE(log.kicks, 1);
    EXPECT_EQ(log.meter_starts, 1);
    EXPECT_EQ(log.redraws, std::vector<int>{kRedrawAll});
}

TEST(ToggleSwitch, CanBeSetWhileThePowerIsOff) {
    bench_model bench;
    bench.press_switch(3);
    EXPECT_EQ(bench.switch_state(3), 1);
    EXPECT_FALSE(bench.lamp_lit(3));
    bench.press_power();
    EXPECT_TRUE(bench.lamp_lit(3));
    bench.press_switch(3);
    EXPECT_EQ(bench.switch_state(3), 0);
    EXPECT_FALSE(bench.lamp_lit(3));
    EXPECT_EQ(bench.point_value(36, 3), lgsim::kLow);
}

struct pulse_case {
    int button;
    int column;
    std::vector<lgsim::value_code> press_codes;
    lgsim::value_code release_code;
};

class PulseButtons : public ::testing::TestWithParam<pulse_case> {};

// The codes an inverter's input sees at each evaluation step of a press and a release.
TEST_P(PulseButtons, EdgeCodesLastOneStep) {
    const pulse_case c = GetParam();
    bench_model bench;
    const int k = place_chip(bench, "74LS04", 14, 10);
    connect(bench, 36, 22, 13, 10);
    connect(bench, 36, 26, 16, 16);
    connect(bench, 36, c.column, 17, 10);  // the button to input 1
    bench.press_power();
    std::vector<lgsim::value_code> seen;
    std::vector<lgsim::value_code> outputs;
    bench_hooks hooks;
    hooks.displays_updated = [&] {
        seen.push_back(bench.point_value(36, c.column));
        outputs.push_back(bench.pin_reading(2, k));
    };
    bench.set_hooks(hooks);

    bench.press_pulse(c.button);
    EXPECT_TRUE(bench.pulse_pressed());
    EXPECT_EQ(seen, c.press_codes);
    bench.release_pulse(c.button);
    EXPECT_FALSE(bench.pulse_pressed());
    std::vector<lgsim::value_code> all = c.press_codes;
    all.push_back(c.release_code);
    EXPECT_EQ(seen, all);
    EXPECT_EQ(bench.point_value(36, c.column), c.release_code);
    for (std::size_t i = 0; i < all.size(); ++i)
        EXPECT_EQ(outputs[i], lgsim::logic_level(all[i]) ? 0 : 1) << i;
}

INSTANTIATE_TEST_SUITE_P(Board, PulseButtons,
                         ::testing::Values(pulse_case{0, kPulse0Column, {3, 1}, 0},
                                           pulse_case{1, kPulse1Column, {4, 0}, 1}));

TEST(PulseButtons, IgnoredWhileThePowerIsOffAndReleaseNeedsAPress) {
    bench_model bench;
    hook_log log;
    bench::testing::record_hooks(bench, log);
    connect(bench, 36, kPulse0Column, 35, 0);
    bench.press_pulse(0);
    EXPECT_FALSE(bench.pulse_pressed());
    EXPECT_EQ(log.display_updates, 0);
    bench.press_power();
    const int after_power = log.display_updates;  // power on settles the board
    bench.release_pulse(0);
    EXPECT_EQ(log.display_updates, after_power);
}

// Code 1 lights an LED, and so does 3, a rising edge on a high node; the
// supply terminal's 5 does not.
TEST(Leds, LightForAHighNodeAndARisingEdge) {
    bench_model bench;
    connect(bench, 36, 22, 35, 0);             // supply: code 5
    connect(bench, 36, 0, 35, 1);              // switch 0
    connect(bench, 36, 3, 35, 2);              // switch 3 down
    connect(bench, 36, kPulse0Column, 35, 3);  // pulse button 0
    bench.press_switch(0);
    bench.press_power();
    EXPECT_FALSE(bench.led_shown(0));
    EXPECT_TRUE(bench.led_shown(1)) << "power on settles the board";
    EXPECT_FALSE(bench.led_shown(2));
    EXPECT_EQ(bench.point_value(35, 0), lgsim::kSupply);
    bench.set_point_value(36, kPulse0Column, lgsim::kRisingEdge);
    bench.settle_board();
    EXPECT_EQ(bench.point_value(35, 3), lgsim::kRisingEdge);
    EXPECT_TRUE(bench.led_shown(3)) << "code 3";
}

TEST(Leds, AnIndicatorResetHidesThemUntilTheNextStep) {
    bench_model bench;
    connect(bench, 36, 0, 35, 1);
    bench.press_switch(0);
    bench.press_power();
    bench.clock_tick();
    ASSERT_TRUE(bench.led_shown(1));
    // A left press on a free hole turns the indicators off and applies the power again.
    const board_point hole = point_position(20, 40);
    bench.press_board(mouse_button::left, hole.x, hole.y);
    EXPECT_FALSE(bench.led_shown(1));
    EXPECT_TRUE(bench.lamp_lit(0));
    bench.clock_tick();
    EXPECT_TRUE(bench.led_shown(1));
}

TEST(SevenSegmentModule, SegmentsFollowLogicLevelsAndTheirCommon) {
    bench_model bench;
    connect(bench, 36, 26, 35, kDigit2CommonColumn);  // digit 2's common to ground
    connect(bench, 36, 22, 35, 24);                   // the middle segment to supply
    bench.press_power();
    bench.clock_tick();
    EXPECT_EQ(bench.point_value(35, kDigit2CommonColumn), lgsim::kLow);
    EXPECT_EQ(bench.point_value(35, 24), lgsim::kHigh);
    EXPECT_EQ(bench.point_value(35, kDigit1CommonColumn), lgsim::kFloating);
    EXPECT_EQ(bench.module_segment(2, 24), segment_look::lit);
    EXPECT_EQ(bench.module_segment(1, 24), segment_look::dark) << "digit 1's common floats";
    EXPECT_EQ(bench.module_segment(2, 18), segment_look::dark) << "an unwired segment reads 2";
    bench.press_power();
    EXPECT_EQ(bench.module_segment(2, 24), segment_look::undrawn) << "no longer drawn";
    bench.clock_tick();
    EXPECT_EQ(bench.module_segment(2, 24), segment_look::undrawn);
}

TEST(DisplayChip, ASegmentLightsWhenItsPinIsHighAndItsCommonLow) {
    bench_model bench;
    // A BS204 with its upper row on 21: pins 10..6 on (21, 10..14), 1..5 on (26, 10..14).
    const int k = place_chip(bench, "BS204", 21, 10);
    ASSERT_EQ(bench.chip_at(k).places[6].column, 14);
    connect(bench, 36, 22, 22, 14);  // supply to pin 6, the top segment
    connect(bench, 36, 26, 23, 12);  // ground to pin 8, the common of pins 6 to 10
    connect(bench, 36, 0, 27, 10);   // switch 0 to pin 1, whose common (pin 5) floats
    bench.press_switch(0);
    bench.press_power();
    bench.clock_tick();
    const chip& c = bench.chip_at(k);
    EXPECT_EQ(c.segments[6], segment_look::lit);
    EXPECT_EQ(c.segments[7], segment_look::dark);
    EXPECT_EQ(c.segments[1], segment_look::dark);
    EXPECT_EQ(c.segments[8], segment_look::undrawn) << "commons are not segments";
}

struct rate_case {
    int feq;
    int interval;
    const char* speed;
};

class Rate : public ::testing::TestWithParam<rate_case> {};

TEST_P(Rate, FeqSetsTheIntervalAndSpeed) {
    const rate_case c = GetParam();
    bench_model bench;
    hook_log log;
    bench::testing::record_hooks(bench, log);
    bench.set_rate(c.feq);
    EXPECT_EQ(bench.clock_interval_ms(), c.interval);
    EXPECT_EQ(bench.speed_text().toStdString(), c.speed);
    EXPECT_EQ(log.intervals, std::vector<int>{c.interval});
    EXPECT_EQ(log.kicks, 1);
}

INSTANTIATE_TEST_SUITE_P(Board, Rate,
                         ::testing::Values(rate_case{100, 1, "20"}, rate_case{50, 3101, "10"},
                                           rate_case{1, 6139, "0.2"}, rate_case{7, 5767, "1.4"},
                                           rate_case{33, 4155, "6.6"}));

TEST(Timers, StartUpStateAndTheKick) {
    bench_model bench;
    EXPECT_EQ(bench.clock_interval_ms(), 1);
    EXPECT_EQ(bench.speed_text(), QStringLiteral("20"));
    hook_log log;
    bench::testing::record_hooks(bench, log);
    bench.kick_tick();
    EXPECT_EQ(log.clock_starts, 1);
}

}  // namespace
