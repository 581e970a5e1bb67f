#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

#include "meter_geometry.h"
#include "needle_scales.h"

namespace dmeterx {
namespace {

constexpr double kDegree = kPi / 180;
constexpr double kInfinity = std::numeric_limits<double>::infinity();

TEST(LinearScale, AnglesOfTheScaleEnds) {
    const auto angles = linear_angles();
    EXPECT_NEAR(angles.start / kDegree, 38.48, 0.01);
    EXPECT_NEAR(angles.end / kDegree, 38.03, 0.01);
    EXPECT_NEAR(angles.sweep / kDegree, 103.49, 0.01);
}

struct linear_case {
    double value;
    double full_scale;
    int step;
};

void PrintTo(const linear_case& c, std::ostream* os) {
    *os << c.value << " of " << c.full_scale << " -> step " << c.step;
}

class LinearSteps : public ::testing::TestWithParam<linear_case> {};

TEST_P(LinearSteps, StepForValue) {
    const auto& c = GetParam();
    EXPECT_EQ(linear_target_step(c.value, c.full_scale, linear_angles()), c.step);
}

INSTANTIATE_TEST_SUITE_P(
    Values, LinearSteps,
    ::testing::Values(linear_case{5, 10, 155},     // half of the 10 V range
                      linear_case{10, 10, 310},    // full scale
                      linear_case{37, 10, 310},    // beyond full scale: pinned
                      linear_case{kInfinity, 10, 310},
                      linear_case{0, 0.5, 0},
                      linear_case{-5, 10, -156},   // back past the start, rounded down
                      linear_case{0.00005, 0.00005, 310},
                      linear_case{-5, 0.5, -311},  // ten times full scale back: on the stop
                      linear_case{-1e300, 0.0025, -311},
                      linear_case{-kInfinity, 10, -311}));

TEST(LinearScale, NoStepForNaN) {
    EXPECT_FALSE(linear_target_step(std::nan(""), 10, linear_angles()).has_value());
}

TEST(LinearScale, StepZeroIsTheRestTipAndStepsAreThirdsOfADegree) {
    const auto angles = linear_angles();
    const double length = std::hypot(1170, 930);
    const auto rest = needle_tip(length, linear_needle_angle(0, angles));
    EXPECT_NEAR(rest.x, geometry::kNeedleRestTip.x, 1e-9);
    EXPECT_NEAR(rest.y, geometry::kNeedleRestTip.y, 1e-9);
    EXPECT_NEAR((linear_needle_angle(155, angles) - angles.start) / kDegree, 51.67, 0.01);
}

TEST(OhmScale, MarkAnglesFromTheirDialPoints) {
    const double listed[] = {142.47, 136.19, 131.73, 120.65, 108.27, 97.48, 90.04, 79.27, 72.11, 66.77, 64.16,
                             62.13,  60.08,  57.70,  55.15,  48.46,  45.13, 43.79, 41.91, 38.33, 0};
    const auto angles = ohm_angles();
    for (int k = 0; k < kOhmMarkCount; ++k) {
        EXPECT_NEAR(angles[k], listed[k], 0.006) << "mark " << k;
    }
}

struct ohm_case {
    double reading;
    int step;
};

void PrintTo(const ohm_case& c, std::ostream* os) { *os << c.reading << " ohms -> step " << c.step; }

class OhmSteps : public ::testing::TestWithParam<ohm_case> {};

TEST_P(OhmSteps, StepForReading) {
    const auto& c = GetParam();
    EXPECT_EQ(ohm_target_step(c.reading, ohm_readings(), ohm_angles()), c.step);
}

INSTANTIATE_TEST_SUITE_P(
    Readings, OhmSteps,
    ::testing::Values(ohm_case{90, 173},        // on mark 13 exactly
                      ohm_case{0, 427},         // on mark 0
                      ohm_case{150, 155},       // half way between 100 and 200
                      ohm_case{1000000, 115},   // on the infinity mark
                      ohm_case{100000000, 0},   // the last mark, at angle 0
                      ohm_case{100000001, 0},   // beyond every mark
                      ohm_case{kInfinity, 0},
                      ohm_case{-3, 427}));      // no reading below zero ohms

TEST(OhmScale, NoStepForNaN) {
    EXPECT_FALSE(ohm_target_step(std::nan(""), ohm_readings(), ohm_angles()).has_value());
}

TEST(OhmScale, ReadingsBetweenMarksMoveEvenlyBetweenTheirAngles) {
    const auto readings = ohm_readings();
    const auto angles = ohm_angles();
    const double quarter = *ohm_reading_angle(22.5, readings, angles);  // 20 .. 30
    EXPECT_NEAR(quarter, angles[6] + (angles[7] - angles[6]) / 4, 1e-9);
}

TEST(Geometry, ReachIsASquareWithItsEdgesIncluded) {
    const twips_point jack{195, 2565};
    EXPECT_TRUE(geometry::within_reach({395, 2765}, jack));
    EXPECT_TRUE(geometry::within_reach({-5, 2365}, jack));
    EXPECT_FALSE(geometry::within_reach({395.5, 2565}, jack));
    EXPECT_FALSE(geometry::within_reach({195, 2364}, jack));
}

}  // namespace
}  // namespace dmeterx
