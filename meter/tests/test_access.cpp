#include <ostream>

#include "meter_fixture.h"
#include "range_table.h"

namespace dmeterx::testing {
namespace {

enum class access { read_value, write_value, read_type, write_type, read_in_res, write_in_res };

struct access_case {
    bool design_mode;
    access what;
    int error;  // 0 when the access is allowed
};

void PrintTo(const access_case& c, std::ostream* os) {
    static const char* const names[] = {"read value_prop", "write value_prop", "read value_type",
                                        "write value_type", "read in_res", "write in_res"};
    *os << (c.design_mode ? "design time, " : "run time, ") << names[static_cast<int>(c.what)] << " -> "
        << c.error;
}

void perform(dmeterw& meter, access what) {
    switch (what) {
    case access::read_value: (void)meter.value_prop(); break;
    case access::write_value: meter.set_value_prop(1); break;
    case access::read_type: (void)meter.value_type(); break;
    case access::write_type: meter.set_value_type(100); break;
    case access::read_in_res: (void)meter.in_res(); break;
    case access::write_in_res: meter.set_in_res(QStringLiteral("42")); break;
    }
}

class PropertyAccess : public ::testing::TestWithParam<access_case> {};

TEST_P(PropertyAccess, FailsWithThePlatformErrorAtTheWrongTime) {
    const auto& c = GetParam();
    dmeterw meter;
    meter.set_step_delay(std::chrono::microseconds{0});
    meter.set_design_mode(c.design_mode);
    if (c.error == 0) {
        EXPECT_NO_THROW(perform(meter, c.what));
        return;
    }
    try {
        perform(meter, c.what);
        ADD_FAILURE() << "no error";
    } catch (const property_error& error) {
        EXPECT_EQ(error.number(), c.error);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, PropertyAccess,
    ::testing::Values(access_case{false, access::read_value, kGetNotSupportedAtRunTime},
                      access_case{false, access::write_value, 0},
                      access_case{false, access::read_type, 0},
                      access_case{false, access::write_type, kSetNotSupportedAtRunTime},
                      access_case{false, access::read_in_res, 0},
                      access_case{false, access::write_in_res, kSetNotSupportedAtRunTime},
                      access_case{true, access::read_value, 0},
                      access_case{true, access::write_value, kSetNotPermitted},
                      access_case{true, access::read_type, 0},
                      access_case{true, access::write_type, kSetNotPermitted},
                      access_case{true, access::read_in_res, 0},
                      access_case{true, access::write_in_res, 0}));

using RefusedAccess = MeterTest;

TEST_F(RefusedAccess, ChangesNothing) {
    EXPECT_THROW(meter->set_value_type(kResistance), property_error);
    EXPECT_THROW(meter->set_in_res(QStringLiteral("5")), property_error);
    EXPECT_EQ(meter->value_type(), kDirectVoltage);
    EXPECT_EQ(meter->in_res(), "100000000000");

    meter->set_value_prop(0.25);
    const auto tip = meter->needle_tip();
    meter->set_design_mode(true);
    EXPECT_THROW(meter->set_value_prop(0.5), property_error);
    EXPECT_EQ(meter->needle_tip(), tip);
    EXPECT_EQ(meter->value_prop(), 0.25);
}

TEST_F(RefusedAccess, DesignTimeInternalResistanceLastsUntilTheKnobTurns) {
    meter->set_design_mode(true);
    meter->set_in_res(QStringLiteral("0.0001"));
    EXPECT_EQ(meter->in_res(), "0.0001");
    meter->set_design_mode(false);
    click_knob();
    EXPECT_EQ(meter->in_res(), "1000000000");
}

}  // namespace
}  // namespace dmeterx::testing
