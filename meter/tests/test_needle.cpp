#include <QEvent>
#include <cmath>

#include "meter_fixture.h"
#include "range_table.h"

namespace dmeterx::testing {
namespace {

constexpr double kDegree = kPi / 180;

double angle_of(twips_point tip) {
    const auto pivot = geometry::kPivot;
    return std::atan2(pivot.y - tip.y, pivot.x - tip.x);
}

using Needle = MeterTest;

TEST_F(Needle, FiveVoltsOnTheTenVoltRange) {
    turn_to(3);
    meter->set_value_prop(5);
    EXPECT_EQ(meter->linear_needle_step(), 155);
    EXPECT_NEAR((angle_of(meter->needle_tip()) - linear_angles().start) / kDegree, 51.67, 0.01);
    EXPECT_EQ(stored_value(), 5);
}

TEST_F(Needle, ValuesAtOrAboveFullScalePinTheNeedleAndTheStoredValue) {
    turn_to(3);
    for (double value : {10.0, 12.5, 1e9}) {
        meter->set_value_prop(value);
        EXPECT_EQ(meter->linear_needle_step(), 310) << value;
        EXPECT_EQ(stored_value(), 10) << value;
    }
}

TEST_F(Needle, NegativeValuesTurnBackPastTheStartAndAreKept) {
    turn_to(3);
    meter->set_value_prop(-5);
    EXPECT_EQ(meter->linear_needle_step(), -156);
    EXPECT_EQ(stored_value(), -5);
}

TEST_F(Needle, OhmScaleReadingsAreValueOverMultiplier) {
    turn_to(12);  // x10000
    meter->set_value_prop(900000);
    EXPECT_EQ(meter->ohm_needle_step(), 173);
    EXPECT_NEAR(angle_of(meter->needle_tip()) / kDegree, 173.0 / 3, 1e-6);

    turn_to(16);  // x1
    meter->set_value_prop(0);
    EXPECT_EQ(meter->ohm_needle_step(), 427);
    EXPECT_EQ(stored_value(), 0);
}

TEST_F(Needle, AlternatingRangesLeaveTheNeedleWhereItIs) {
    turn_to(3);
    meter->set_value_prop(5);
    const auto tip = meter->needle_tip();
    for (int position = 7; position <= 11; ++position) {
        turn_to(position);
        meter->set_value_prop(100);
        EXPECT_EQ(meter->needle_tip(), tip) << position;
        EXPECT_EQ(stored_value(), 100) << position;
    }
    EXPECT_EQ(meter->linear_needle_step(), 155);
}

TEST_F(Needle, TurningTheKnobDoesNotMoveTheNeedle) {
    turn_to(3);
    meter->set_value_prop(5);
    const auto tip = meter->needle_tip();
    turn_to(14);
    EXPECT_EQ(meter->needle_tip(), tip);
    EXPECT_EQ(meter->value_type(), kResistance);
}

TEST_F(Needle, EachScaleSweepsOnFromItsOwnLastStep) {
    turn_to(3);
    meter->set_value_prop(5);
    turn_to(16);
    meter->set_value_prop(0);
    EXPECT_EQ(meter->ohm_needle_step(), 427);
    EXPECT_EQ(meter->linear_needle_step(), 155);

    // Back on volts, an unchanged step still puts the needle on the linear scale.
    turn_to(3);
    meter->set_value_prop(5);
    EXPECT_NEAR((angle_of(meter->needle_tip()) - linear_angles().start) / kDegree, 155.0 / 3, 1e-6);
}

TEST_F(Needle, KeepsItsLengthOverManySweeps) {
    const double length = std::hypot(1170, 930);
    turn_to(3);
    for (int i = 0; i < 50; ++i) meter->set_value_prop(i % 2 ? 10 : -10);
    const auto tip = meter->needle_tip();
    EXPECT_NEAR(std::hypot(tip.x - geometry::kPivot.x, tip.y - geometry::kPivot.y), length, 1e-6);
}

TEST_F(Needle, NotANumberLeavesTheNeedleAlone) {
    turn_to(3);
    meter->set_value_prop(5);
    const auto tip = meter->needle_tip();
    meter->set_value_prop(std::nan(""));
    EXPECT_EQ(meter->needle_tip(), tip);
    turn_to(12);
    meter->set_value_prop(std::nan(""));
    EXPECT_EQ(meter->needle_tip(), tip);
    EXPECT_EQ(meter->ohm_needle_step(), 0);
}

// Counts the paints that happen while a value is written.
class paint_counter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

TEST_F(Needle, SweepRepaintsAtOnceOnEveryTenthStep) {
    turn_to(3);
    QTest::qWait(0);  // let the knob's own repaint happen first
    paint_counter counter;
    meter->installEventFilter(&counter);
    meter->set_value_prop(5);  // steps 0 .. 155
    EXPECT_EQ(counter.paints, 16);
    counter.paints = 0;
    meter->set_value_prop(5);  // stays on 155, not a tenth step
    EXPECT_EQ(counter.paints, 0);
    counter.paints = 0;
    meter->set_value_prop(-0.33);  // down from 155 to -11: 150, 140 .. 0, -10
    EXPECT_EQ(counter.paints, 17);
    meter->removeEventFilter(&counter);
}

TEST_F(Needle, NewMeterRestsAtTheStartOfTheScale) {
    EXPECT_EQ(meter->needle_tip(), geometry::kNeedleRestTip);
    EXPECT_EQ(meter->range_position(), 1);
    EXPECT_EQ(meter->getValuescale(), 0.5);
    EXPECT_EQ(meter->value_type(), kDirectVoltage);
    EXPECT_EQ(meter->in_res(), "100000000000");
    EXPECT_EQ(meter->size(), QSize(175, 230));
}

}  // namespace
}  // namespace dmeterx::testing
