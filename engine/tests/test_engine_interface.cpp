#include <gtest/gtest.h>

#include "engine_harness.h"
#include "engine_tables.h"

using namespace lgsim;
using lgsim::testing::circuit;

TEST(PinArray, StartsZeroAndChecksBounds) {
    PinArray a(61, 3);
    EXPECT_EQ(a(60, 2), 0);
    EXPECT_THROW(a(61, 0), SubscriptError);
    EXPECT_THROW(a(0, 3), SubscriptError);
    EXPECT_THROW(a(-1, 0), SubscriptError);
}

TEST(PinArray, ResizeKeepsRemainingElements) {
    PinArray a(4, 2);
    a(3, 1) = 7;
    a(1, 0) = 5;
    a.resize(6, 3);
    EXPECT_EQ(a(3, 1), 7);
    EXPECT_EQ(a(1, 0), 5);
    EXPECT_EQ(a(5, 2), 0);
    a.resize(2, 1);
    EXPECT_EQ(a(1, 0), 5);
    EXPECT_THROW(a(3, 0), SubscriptError);
}

TEST(LogicLevel, LowCodesAndHighCodes) {
    for (value_code code : {0, 4, 6, 11}) EXPECT_EQ(logic_level(code), 0) << code;
    for (value_code code : {-1, 1, 2, 3, 5, 7, 20, 21}) EXPECT_EQ(logic_level(code), 1) << code;
}

TEST(Name, RoundsHalfToEvenAndRejectsOverflow) {
    shuzhi s;
    s.set_name(2.5);
    EXPECT_EQ(s.name(), 2.0);
    s.set_name(3.5);
    EXPECT_EQ(s.name(), 4.0);
    s.set_name(-2.5);
    EXPECT_EQ(s.name(), -2.0);
    s.set_name(32767.4);
    EXPECT_EQ(s.name(), 32767.0);
    EXPECT_THROW(s.set_name(32767.6), OverflowError);
    EXPECT_THROW(s.set_name(-32769), OverflowError);
    EXPECT_EQ(s.name(), 32767.0) << "a failed set keeps the old value";
    shuzhi other;
    EXPECT_EQ(other.name(), 32767.0) << "the value lives in the library";
}

TEST(Sim, NoChipsChangesNothing) {
    shuzhi s;
    std::vector<std::string> models{""};
    PinArray pins(61, 1);
    pins(3, 0) = 9;
    std::vector<value_code> in{-1, 5}, node{4, 3};
    PinArray state(61, 1);
    state(2, 0) = 8;
    bool fresh = true;
    EXPECT_EQ(s.sim(0, 1, models, pins, in, node, state, fresh), 0);
    EXPECT_TRUE(fresh);
    EXPECT_EQ(node, (std::vector<value_code>{4, 3}));
    EXPECT_EQ(pins(3, 0), 9);
    EXPECT_EQ(state(2, 0), 8);
}

TEST(Sim, NewCircuitResetsPinStateOnce) {
    circuit c;
    const int chip = c.add_chip("BS204");
    c.chip_pin_state(40, chip) = 9;
    c.sim();
    EXPECT_FALSE(c.new_circuit);
    for (int p = 1; p <= 60; ++p) EXPECT_EQ(c.state(chip, p), -1) << p;
    c.chip_pin_state(40, chip) = 9;
    c.sim();
    EXPECT_EQ(c.state(chip, 40), 9) << "without new_circuit the memory passes through";
}

TEST(Sim, UntouchedNodesComeBackAsPassed) {
    circuit c;
    c.add_chip("74LS00");
    const int lone = c.new_node();
    c.node[lone] = 4;
    c.sim();
    EXPECT_EQ(c.node_value(lone), 4);
}

TEST(Sim, NodeNumberAboveMaxFailsWithSubscriptError) {
    circuit c;
    const int chip = c.add_chip("74LS00");
    c.pins(1, chip) = static_cast<value_code>(c.node.size() + 3);
    EXPECT_THROW(c.sim(), SubscriptError);
}

TEST(Sim, ShortArgumentArraysFailWithSubscriptError) {
    circuit c;
    c.add_chip("74LS00");
    shuzhi s;
    auto short_in = c.node_in;
    short_in.pop_back();
    EXPECT_THROW(s.sim(1, static_cast<std::int16_t>(c.node.size() - 1), c.models, c.pins, short_in,
                       c.node, c.chip_pin_state, c.new_circuit),
                 SubscriptError);
    std::vector<std::string> no_models{""};
    EXPECT_THROW(s.sim(1, static_cast<std::int16_t>(c.node.size() - 1), no_models, c.pins,
                       c.node_in, c.node, c.chip_pin_state, c.new_circuit),
                 SubscriptError);
}

TEST(Sim, TablesAreRedimensionedToTheCall) {
    circuit c;
    c.add_chip("74LS00");
    c.add_chip("74LS04");
    c.sim();
    const engine_tables& t = tables();
    EXPECT_EQ(t.chip_count, 2);
    EXPECT_EQ(t.chip_info.size(), 3u);
    EXPECT_EQ(t.chip_info[2].name, "74LS04");
    EXPECT_EQ(t.chip_info[2].pin_count, 14);
    EXPECT_EQ(t.node_state.size(), c.node.size());
    EXPECT_EQ(t.pin_node.chip_count(), 3);
}
