#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>

#include "range_table.h"

namespace dmeterx {
namespace {

struct knob_click {
    int from;
    bool left_button;
    int to;
};

void PrintTo(const knob_click& c, std::ostream* os) {
    *os << c.from << (c.left_button ? " left" : " other") << " -> " << c.to;
}

class RangeSwitch : public ::testing::TestWithParam<knob_click> {};

TEST_P(RangeSwitch, TurnsOneStepAndGoesRound) {
    const auto& click = GetParam();
    EXPECT_EQ(next_range_position(click.from, click.left_button), click.to);
}

INSTANTIATE_TEST_SUITE_P(Clicks, RangeSwitch,
                         ::testing::Values(knob_click{20, true, 1}, knob_click{1, false, 20},
                                           knob_click{1, true, 2}, knob_click{2, false, 1},
                                           knob_click{19, true, 20}, knob_click{12, false, 11}));

TEST(RangeTable, KindsChangeAtTheRightPositions) {
    struct row {
        int position;
        float kind;
        double full_scale;
        const char* in_res;
    };
    for (const row& expected : {row{1, kDirectVoltage, 0.5, "1000000000"}, row{6, kDirectVoltage, 500, "1000000000"},
                                row{7, kAlternatingVoltage, 500, "1000"}, row{11, kAlternatingVoltage, 2.5, "1000"},
                                row{12, kResistance, 10000, "1000"}, row{16, kResistance, 1, "1000"},
                                row{17, kDirectCurrent, 0.25, "0.001"}, row{20, kDirectCurrent, 0.00005, "0.001"}}) {
        SCOPED_TRACE(expected.position);
        const range_row& actual = range_at(expected.position);
        EXPECT_EQ(actual.kind, expected.kind);
        EXPECT_DOUBLE_EQ(actual.full_scale, expected.full_scale);
        EXPECT_STREQ(actual.in_res, expected.in_res);
    }
}

TEST(RangeTable, PositionsOutsideTheSwitchHaveNoRow) {
    EXPECT_THROW(range_at(0), std::out_of_range);
    EXPECT_THROW(range_at(21), std::out_of_range);
}

}  // namespace
}  // namespace dmeterx
