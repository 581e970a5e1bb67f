#include "scope_record.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace dscopex {
namespace {

std::vector<double> filled(double value, std::size_t size = 211) { return std::vector<double>(size, value); }

TEST(ScopeRecord, StartsWithTimePointsATenthApart) {
    const ScopeRecord record;
    EXPECT_EQ(record.time_points[0], 0.0f);
    EXPECT_EQ(record.time_points[1], 0.1f);
    EXPECT_EQ(record.time_points[200], static_cast<float>(20.0));
}

TEST(ScopeRecord, CopiesBothChannelsAndAddsUpTheTimeSteps) {
    std::vector<double> ch1(211), ch2(211), step(211);
    for (int k = 0; k < 211; ++k) {
        ch1[k] = k * 0.25;
        ch2[k] = -k;
        step[k] = k == 0 ? 99.0 : 0.125;  // entry 0 is never read
    }
    ScopeRecord record;
    ASSERT_TRUE(store_record(record, ch1, ch2, step));
    EXPECT_EQ(record.values[0][200], 50.0);
    EXPECT_EQ(record.values[1][7], -7.0);
    EXPECT_EQ(record.time_points[0], 0.0f);
    EXPECT_EQ(record.time_points[1], 0.125f);
    EXPECT_EQ(record.time_points[200], 25.0f);
}

struct AverageCase {
    const char* name;
    std::vector<double> values;  // 201 samples
    std::int32_t average;
};

std::vector<double> alternating(double even, double odd) {
    std::vector<double> v(201);
    for (int k = 0; k < 201; ++k) v[k] = k % 2 == 0 ? even : odd;
    return v;
}

class Averages : public ::testing::TestWithParam<AverageCase> {};

// The running sum is rounded, halves to even, after every sample, which is
// what decides the averages of the half-volt records below.
TEST_P(Averages, RoundTheRunningSumAfterEverySample) {
    const AverageCase& c = GetParam();
    ScopeRecord record;
    ASSERT_TRUE(store_record(record, c.values, filled(0), filled(0)));
    EXPECT_EQ(record.averages[0], c.average);
    EXPECT_EQ(record.averages[1], 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Averages,
    ::testing::Values(AverageCase{"constant_five", filled(5, 201), 5},
                      AverageCase{"constant_half_rounds_away", filled(0.5, 201), 0},
                      AverageCase{"one_and_a_half_rounds_up_to_even", filled(1.5, 201), 2},
                      AverageCase{"two_and_a_half", filled(2.5, 201), 2},
                      AverageCase{"negative_constant", filled(-3, 201), -3},
                      AverageCase{"square_wave_of_five", alternating(5, 0), 3},
                      AverageCase{"huge_values_saturate", filled(1e300, 201),
                                  std::numeric_limits<std::int32_t>::max()},
                      AverageCase{"not_a_number_gives_zero",
                                  filled(std::numeric_limits<double>::quiet_NaN(), 201), 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct ShortCase {
    std::size_t channel1, channel2, timestep;
};

class ShortArrays : public ::testing::TestWithParam<ShortCase> {};

TEST_P(ShortArrays, AreRefusedAndLeaveTheRecordAsItWas) {
    const ShortCase& c = GetParam();
    ScopeRecord record;
    ASSERT_TRUE(store_record(record, filled(2), filled(3), filled(0.5)));
    const ScopeRecord before = record;

    EXPECT_FALSE(store_record(record, filled(9, c.channel1), filled(9, c.channel2), filled(9, c.timestep)));
    EXPECT_EQ(record.values, before.values);
    EXPECT_EQ(record.time_points, before.time_points);
    EXPECT_EQ(record.averages, before.averages);
}

INSTANTIATE_TEST_SUITE_P(Cases, ShortArrays,
                         ::testing::Values(ShortCase{200, 211, 211}, ShortCase{211, 200, 211},
                                           ShortCase{211, 211, 200}, ShortCase{0, 0, 0}));

TEST(ScopeRecord, ExactlyTwoHundredAndOneEntriesAreEnough) {
    ScopeRecord record;
    EXPECT_TRUE(store_record(record, filled(1, 201), filled(1, 201), filled(1, 201)));
    EXPECT_EQ(record.time_points[200], 200.0f);
}

TEST(ScopeRecord, TimeStepsBeyondFloatRangeOverflowToInfinity) {
    ScopeRecord record;
    ASSERT_TRUE(store_record(record, filled(0), filled(0), filled(1e300)));
    EXPECT_TRUE(std::isinf(record.time_points[1]));
}

}  // namespace
}  // namespace dscopex
