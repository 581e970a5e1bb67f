#include "scope_trace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace dscopex {
namespace {

ScopeRecord record_of(const std::vector<double>& channel1, double timestep) {
    ScopeRecord record;
    const std::vector<double> steps(211, timestep);
    EXPECT_TRUE(store_record(record, channel1, std::vector<double>(211, 0.0), steps));
    return record;
}

std::vector<double> ramp() {
    std::vector<double> v(211);
    for (int k = 0; k < 211; ++k) v[k] = k * 0.02;
    return v;
}

std::vector<double> points_y(const std::vector<TraceSegment>& segments) {
    std::vector<double> y;
    for (const TraceSegment& s : segments) {
        y.push_back(s.from.y);
        y.push_back(s.to.y);
    }
    return y;
}

struct LevelCase {
    const char* name;
    double value;
    int coupling;
    int volts_position;
    float offset;
    double y;
};

class FlatRecords : public ::testing::TestWithParam<LevelCase> {};

TEST_P(FlatRecords, DrawAFlatLineAtTheirLevel) {
    const LevelCase& c = GetParam();
    ScopePanel panel;
    panel.coupling[0] = c.coupling;
    panel.volts_position[0] = c.volts_position;
    panel.offset[0] = c.offset;
    const auto segments = trace_segments(record_of(std::vector<double>(211, c.value), 0.001), panel, 0);

    ASSERT_FALSE(segments.empty());
    for (double y : points_y(segments)) ASSERT_DOUBLE_EQ(y, c.y);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FlatRecords,
    ::testing::Values(
        LevelCase{"dc_five_volts_at_five_a_division", 5, kCouplingDc, 1, 0, 1253.125},
        LevelCase{"ac_removes_the_average", 5, kCouplingAc, 1, 0, 1570},
        LevelCase{"ground_draws_zero", 5, kCouplingGround, 1, 0, 1570},
        LevelCase{"overload_clips_at_the_top", 100, kCouplingDc, 12, 0, 300},
        LevelCase{"negative_overload_clips_at_the_bottom", -100, kCouplingDc, 12, 0, 2835},
        LevelCase{"one_volt_a_division", 1, kCouplingDc, 3, 0, 1570 - 5 * 63.375},
        LevelCase{"offset_in_fifths_of_a_division", 0, kCouplingDc, 1, 2, 1570 - 2 * 63.375},
        LevelCase{"offset_moves_a_grounded_channel_too", 5, kCouplingGround, 1, -3, 1570 + 3 * 63.375}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Trace, AcCouplingTakesOffTheRoundedAverageOfASquareWave) {
    std::vector<double> square(211);
    for (int k = 0; k < 211; ++k) square[k] = k % 2 == 0 ? 5 : 0;  // average 3
    ScopePanel panel;  // AC, 5 V a division
    const auto segments = trace_segments(record_of(square, 0.001), panel, 0);
    ASSERT_FALSE(segments.empty());
    EXPECT_DOUBLE_EQ(segments[0].from.y, 1570 - 2 * 63.375);
    EXPECT_DOUBLE_EQ(segments[0].to.y, 1570 + 3 * 63.375);
}

TEST(Trace, ARecordLongerThanTheScreenShowsOnlyItsBeginning) {
    // Time points end at 0.5; at 10 a division one sweep is 15750 twips wide.
    ScopePanel panel;
    panel.coupling[0] = kCouplingDc;
    ASSERT_EQ(panel.time_position, 6);
    const auto segments = trace_segments(record_of(ramp(), 0.0025), panel, 0);
    ASSERT_FALSE(segments.empty());

    EXPECT_EQ(segments.front().from.x, 390);
    double right_most = 0;
    for (const TraceSegment& s : segments) {
        EXPECT_GE(s.from.x, 390);
        EXPECT_LE(s.to.x, 3540);
        EXPECT_LE(s.from.x, s.to.x) << "one sweep only, left to right";
        right_most = std::max(right_most, s.to.x);
    }
    EXPECT_EQ(right_most, 3540);
    // 3150 of the 15750 twips are on the screen: the first 40 of 200 steps.
    EXPECT_EQ(segments.size(), 40u);
}

TEST(Trace, TheStepThatCrossesTheEdgeEndsThereAtItsStartHeight) {
    ScopePanel panel;
    panel.coupling[0] = kCouplingDc;
    const auto segments = trace_segments(record_of(ramp(), 0.0026), panel, 0);  // 81.9 twips a step
    ASSERT_EQ(segments.size(), 39u);
    const TraceSegment& cut = segments.back();
    EXPECT_LT(cut.from.x, 3540);
    EXPECT_GT(cut.from.x, 3540 - 82);
    EXPECT_EQ(cut.to.x, 3540);
    EXPECT_EQ(cut.to.y, cut.from.y);
    EXPECT_NE(segments[37].to.y, segments[37].from.y) << "the ramp climbs everywhere else";
}

TEST(Trace, AShortRecordRepeatsAcrossTheScreen) {
    // Steps of 1/256 are exact in a float: the record lasts 0.78125, which at
    // 500 a division is 492.1875 twips, drawn 492 wide.
    ScopePanel panel;
    panel.coupling[0] = kCouplingDc;
    panel.time_position = 1;
    const auto segments = trace_segments(record_of(ramp(), 1.0 / 256), panel, 0);

    const double first_y = trace_y(0.0f, 1, 0);
    std::vector<double> sweep_starts;
    for (std::size_t i = 0; i < segments.size(); i += 200) {
        sweep_starts.push_back(segments[i].from.x);
        EXPECT_DOUBLE_EQ(segments[i].from.y, first_y) << "every sweep starts the record afresh";
    }
    EXPECT_EQ(sweep_starts, (std::vector<double>{390, 882, 1374, 1866, 2358, 2850, 3342}));
    EXPECT_EQ(segments.back().to.x, 3540);
    EXPECT_EQ(segments[200].from.x, segments[199].to.x) << "the next sweep starts where one ended";
}

struct StandingCase {
    const char* name;
    double timestep;
};

class StandingTime : public ::testing::TestWithParam<StandingCase> {};

// Time points that do not advance would repeat the sweep on the spot for
// ever; the record is drawn once.
TEST_P(StandingTime, DrawsOneSweepAndStops) {
    ScopePanel panel;
    panel.coupling[0] = kCouplingDc;
    const auto segments = trace_segments(record_of(ramp(), GetParam().timestep), panel, 0);
    EXPECT_LE(segments.size(), 200u);
    for (const TraceSegment& s : segments) {
        EXPECT_LE(s.from.x, 3540);
        EXPECT_LE(s.to.x, 3540);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, StandingTime,
                         ::testing::Values(StandingCase{"zero_steps", 0.0},
                                           StandingCase{"backwards", -0.001},
                                           StandingCase{"too_small_to_move_a_twip", 1e-9},
                                           StandingCase{"not_a_number",
                                                        std::numeric_limits<double>::quiet_NaN()},
                                           StandingCase{"infinite", 1e300}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Trace, ZeroStepsDrawTheRecordAsOneUprightLineAtTheSweepStart) {
    ScopePanel panel;
    panel.coupling[0] = kCouplingDc;
    const auto segments = trace_segments(record_of(ramp(), 0.0), panel, 0);
    ASSERT_EQ(segments.size(), 200u);
    for (const TraceSegment& s : segments) {
        EXPECT_EQ(s.from.x, 390);
        EXPECT_EQ(s.to.x, 390);
    }
}

TEST(Trace, TheTimeKnobScalesTheSweep) {
    ScopePanel panel;
    panel.coupling[0] = kCouplingDc;
    panel.time_position = 9;  // 1 a division: a time unit is 315000 twips
    const auto segments = trace_segments(record_of(ramp(), 0.001), panel, 0);
    ASSERT_GE(segments.size(), 2u);
    EXPECT_EQ(segments[0].to.x, 390 + 315);
    EXPECT_EQ(segments[1].to.x, 390 + 630);
}

}  // namespace
}  // namespace dscopex
