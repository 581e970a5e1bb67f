#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "clocking.h"
#include "engine_harness.h"
#include "engine_tables.h"

using namespace lgsim;
using lgsim::testing::circuit;

namespace {

using drives = std::vector<std::pair<int, value_code>>;

void apply(circuit& c, int chip, const drives& list) {
    for (auto [pin, code] : list) c.drive(chip, pin, code);
}

// One flip-flop of a package wired to toggle: D on its own /Q, or J = K = 1,
// with its asynchronous inputs held inactive.
struct toggle_case {
    std::string model;
    int clock, q, not_q;
    drives inputs;
    std::pair<int, int> feedback;  // (output, input) of the same chip, or {0, 0}
    bool falling_edge;
};

void PrintTo(const toggle_case& t, std::ostream* os) { *os << t.model << " Q pin " << t.q; }

class Toggle : public ::testing::TestWithParam<toggle_case> {};

TEST_P(Toggle, ChangesOnItsEdgeOnlyAndStartsHigh) {
    const toggle_case& t = GetParam();
    circuit c;
    const int chip = c.add_powered(t.model);
    apply(c, chip, t.inputs);
    if (t.feedback.first != 0) c.wire(chip, t.feedback.first, chip, t.feedback.second);

    c.drive(chip, t.clock, kHigh);
    c.sim();
    ASSERT_EQ(c.at(chip, t.q), kHigh) << "a new circuit starts with Q = 1, no edge from a high clock";
    ASSERT_EQ(c.at(chip, t.not_q), kLow);
    c.sim();
    ASSERT_EQ(c.at(chip, t.q), kHigh) << "a clock held high is no edge";

    value_code q = kHigh;
    for (int period = 0; period < 4; ++period) {
        c.drive(chip, t.clock, kLow);
        c.sim();
        if (t.falling_edge) q = 1 - q;
        EXPECT_EQ(c.at(chip, t.q), q) << "after falling edge " << period;
        c.drive(chip, t.clock, kHigh);
        c.sim();
        if (!t.falling_edge) q = 1 - q;
        EXPECT_EQ(c.at(chip, t.q), q) << "after rising edge " << period;
        EXPECT_EQ(c.at(chip, t.not_q), 1 - q);
        EXPECT_EQ(c.state(chip, t.q), q);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryStage, Toggle,
    ::testing::Values(
        toggle_case{"74LS74", 3, 5, 6, {}, {6, 2}, false},
        toggle_case{"74LS74", 11, 9, 8, {}, {8, 12}, false},
        toggle_case{"CD4013", 3, 1, 2, {{6, kLow}, {4, kLow}}, {2, 5}, false},
        toggle_case{"CD4013", 11, 13, 12, {{8, kLow}, {10, kLow}}, {12, 9}, false},
        toggle_case{"74LS112", 1, 5, 6, {}, {0, 0}, true},  // J and K open read 1
        toggle_case{"74LS112", 13, 9, 7, {}, {0, 0}, true},
        toggle_case{"CD4027", 13, 15, 14, {{10, kHigh}, {11, kHigh}, {9, kLow}, {12, kLow}}, {0, 0}, false},
        toggle_case{"CD4027", 3, 1, 2, {{6, kHigh}, {5, kHigh}, {7, kLow}, {4, kLow}}, {0, 0}, false}));

struct package_case {
    std::string model;
    std::vector<int> outputs;
};

class FlipFlopPinKinds : public ::testing::TestWithParam<package_case> {};

TEST_P(FlipFlopPinKinds, OutputsInputsAndUnpowered) {
    const package_case& p = GetParam();
    circuit c;
    const int powered = c.add_powered(p.model);
    const int unpowered = c.add_chip(p.model);
    c.sim();
    for (int pin = 1; pin <= 16; ++pin) {
        const bool output = std::find(p.outputs.begin(), p.outputs.end(), pin) != p.outputs.end();
        EXPECT_EQ(eval_pin(powered, pin, 0), output ? kOutputPin : kNotOutput) << "pin " << pin;
        if (!output) {
            EXPECT_EQ(eval_pin(powered, pin, 1), kNotOutput) << "pin " << pin;
        }
        EXPECT_EQ(eval_pin(unpowered, pin, 1), kUnpowered) << "pin " << pin;
    }
    for (int pin : p.outputs) EXPECT_EQ(c.state(unpowered, pin), kNoDrive) << "nothing stored";
}

INSTANTIATE_TEST_SUITE_P(Packages, FlipFlopPinKinds,
                         ::testing::Values(package_case{"74LS74", {5, 6, 8, 9}},
                                           package_case{"74LS112", {5, 6, 7, 9}},
                                           package_case{"CD4013", {1, 2, 12, 13}},
                                           package_case{"CD4027", {1, 2, 14, 15}}));

// Three 74LS74 stages on one clock: stage 2 of chip A feeds stage 1 of chip A
// (visited earlier in the pass), which feeds stage 1 of chip B. The parameter
// puts chip B before or after chip A.
class ShiftChain : public ::testing::TestWithParam<bool> {};

TEST_P(ShiftChain, EachStageTakesWhatItsPredecessorHeldBeforeTheEdge) {
    circuit c;
    const bool a_first = GetParam();
    int a = 0;
    int b = 0;
    if (a_first) {
        a = c.add_powered("74LS74");
        b = c.add_powered("74LS74");
    } else {
        b = c.add_powered("74LS74");
        a = c.add_powered("74LS74");
    }
    c.wire(a, 9, a, 2);
    c.wire(a, 5, b, 2);
    c.wire(a, 11, a, 3);
    c.wire(a, 11, b, 3);

    c.drive(a, 11, kHigh);
    c.sim();
    std::vector<value_code> held{kHigh, kHigh, kHigh};  // A2, A1, B1
    const std::vector<value_code> data{kLow, kHigh, kHigh, kLow, kLow, kHigh, kLow};
    for (value_code bit : data) {
        c.drive(a, 12, bit);
        clock_period(c, a, 11);
        held = {bit, held[0], held[1]};
        EXPECT_EQ(c.at(a, 9), held[0]);
        EXPECT_EQ(c.at(a, 5), held[1]);
        EXPECT_EQ(c.at(b, 5), held[2]);
        EXPECT_EQ(c.at(b, 6), 1 - held[2]);
    }
}

INSTANTIATE_TEST_SUITE_P(EitherPassOrder, ShiftChain, ::testing::Bool());

struct d_type_case {
    std::string model;
    int clock, data, q;
    drives inactive;
};

void PrintTo(const d_type_case& t, std::ostream* os) { *os << t.model << " Q pin " << t.q; }

class DType : public ::testing::TestWithParam<d_type_case> {};

TEST_P(DType, DataArrivingWithTheEdgeIsTakenAtTheNextEdge) {
    const d_type_case& t = GetParam();
    circuit c;
    const int chip = c.add_powered(t.model);
    apply(c, chip, t.inactive);
    c.drive(chip, t.data, kLow);
    c.drive(chip, t.clock, kLow);
    c.sim(2);
    c.drive(chip, t.data, kHigh);
    c.drive(chip, t.clock, kHigh);
    c.sim();
    EXPECT_EQ(c.at(chip, t.q), kLow) << "the edge takes D of the previous call";
    clock_period(c, chip, t.clock);
    EXPECT_EQ(c.at(chip, t.q), kHigh);
}

TEST_P(DType, RisingButtonClocksOncePerPress) {
    const d_type_case& t = GetParam();
    circuit c;
    const int chip = c.add_powered(t.model);
    apply(c, chip, t.inactive);
    c.drive(chip, t.clock, kLow);
    c.drive(chip, t.data, kLow);
    c.sim();
    // D changes between presses; each press stores the D that was present before it.
    value_code d = kLow;
    for (int press = 0; press < 3; ++press) {
        press_rising_button(c, chip, t.clock, 3);
        EXPECT_EQ(c.at(chip, t.q), d) << "press " << press;
        d = 1 - d;
        c.drive(chip, t.data, d);
        release_button(c, chip, t.clock, 2);
        EXPECT_EQ(c.at(chip, t.q), 1 - d) << "release " << press;
    }
}

INSTANTIATE_TEST_SUITE_P(Models, DType,
                         ::testing::Values(d_type_case{"74LS74", 3, 2, 5, {}},
                                           d_type_case{"74LS74", 11, 12, 9, {}},
                                           d_type_case{"CD4013", 3, 5, 1, {{6, kLow}, {4, kLow}}},
                                           d_type_case{"CD4013", 11, 9, 13, {{8, kLow}, {10, kLow}}}));

// The 74LS74 stores D as read, the CD4013 its level; both write the value
// they store onto the D node.
TEST(DType, StoresTheDataCodeOrItsLevel) {
    circuit c;
    const int ttl = c.add_powered("74LS74");
    const int cmos = c.add_powered("CD4013");
    c.drive(cmos, 6, kLow);
    c.drive(cmos, 4, kLow);
    c.drive(ttl, 2, kSupply);
    c.drive(cmos, 5, kSupply);
    c.sim();
    EXPECT_EQ(c.state(ttl, 2), kSupply);
    EXPECT_EQ(c.at(ttl, 2), kSupply);
    EXPECT_EQ(c.state(cmos, 5), kHigh);
    EXPECT_EQ(c.at(cmos, 5), kHigh);
}

TEST(DType, TakenEdgeIsLeftOnTheClockNodeForOneCall) {
    circuit c;
    const int chip = c.add_powered("74LS74");
    c.drive(chip, 3, kLow);
    c.sim();
    c.drive(chip, 3, kHigh);
    c.sim();
    EXPECT_EQ(c.at(chip, 3), kRisingEdge);
    EXPECT_EQ(c.state(chip, 3), kRisingEdge);
    c.sim();
    EXPECT_EQ(c.at(chip, 3), kHigh);
}

// A stage that could not see the edge from its own memory (its supply was off
// while the clock fell) still takes it from the code 3 an earlier stage left
// on the shared clock node.
TEST(DType, LaterStageOnTheClockNodeSeesTheEdgeCode) {
    circuit c;
    const int first = c.add_powered("74LS74");
    const int second = c.add_chip("74LS74");
    const int second_supply = c.new_node();
    c.connect(second, 7, c.ground_node());
    c.connect(second, 14, second_supply);
    c.drive_node(second_supply, kSupply);
    c.wire(first, 3, second, 3);
    c.drive(second, 2, kLow);
    c.drive(first, 3, kHigh);
    c.sim(2);
    ASSERT_EQ(c.at(second, 5), kHigh);

    c.drive_node(second_supply, kNoDrive);
    c.drive(first, 3, kLow);
    c.sim();
    ASSERT_EQ(c.state(second, 3), kHigh) << "the unpowered stage still remembers a high clock";
    c.drive_node(second_supply, kSupply);
    c.drive(first, 3, kHigh);
    c.sim();
    EXPECT_EQ(c.at(second, 5), kLow);
}

struct async_case {
    std::string model;
    int q, not_q;
    drives inputs;
    value_code q_expected, not_q_expected;
};

void PrintTo(const async_case& a, std::ostream* os) {
    *os << a.model;
    for (auto [pin, code] : a.inputs) *os << " " << pin << "=" << code;
}

class Asynchronous : public ::testing::TestWithParam<async_case> {};

TEST_P(Asynchronous, ActWithoutClock) {
    const async_case& a = GetParam();
    circuit c;
    const int chip = c.add_powered(a.model);
    apply(c, chip, a.inputs);
    c.sim();
    EXPECT_EQ(c.at(chip, a.q), a.q_expected);
    EXPECT_EQ(c.at(chip, a.not_q), a.not_q_expected);
}

INSTANTIATE_TEST_SUITE_P(
    Models, Asynchronous,
    ::testing::Values(
        async_case{"74LS74", 5, 6, {{1, kLow}, {4, kLow}}, kLow, kHigh},
        async_case{"74LS74", 5, 6, {{1, kLow}}, kLow, kHigh},
        async_case{"74LS74", 9, 8, {{10, kLow}}, kHigh, kLow},
        async_case{"74LS74", 9, 8, {{13, kGround}}, kLow, kHigh},  // logic levels, not exact codes
        async_case{"74LS112", 5, 6, {{15, kLow}, {4, kLow}}, kLow, kHigh},
        async_case{"74LS112", 9, 7, {{14, kLow}}, kLow, kHigh},
        async_case{"74LS112", 9, 7, {{10, kLow}, {13, kHigh}}, kHigh, kLow},
        async_case{"CD4013", 1, 2, {{4, kHigh}, {6, kHigh}}, kHigh, kHigh},
        async_case{"CD4013", 1, 2, {}, kHigh, kHigh},  // SET and RESET open read 1
        async_case{"CD4013", 13, 12, {{10, kHigh}, {8, kLow}}, kLow, kHigh},
        async_case{"CD4013", 13, 12, {{10, kLow}, {8, kSupply}}, kHigh, kLow},
        async_case{"CD4027", 15, 14, {{12, kHigh}, {9, kHigh}}, kHigh, kHigh},
        async_case{"CD4027", 1, 2, {}, kHigh, kHigh},
        async_case{"CD4027", 1, 2, {{4, kHigh}, {7, kLow}}, kLow, kHigh},
        async_case{"CD4027", 15, 14, {{12, kGround}, {9, kHigh}}, kHigh, kLow}));

TEST(Asynchronous, ReleasingClearAndPresetWithoutEdgeKeepsTheClear) {
    for (const char* model : {"74LS74", "74LS112"}) {
        circuit c;
        const int chip = c.add_powered(model);
        const bool ls74 = std::string(model) == "74LS74";
        const int clear = ls74 ? 1 : 15;
        const int clock = ls74 ? 3 : 1;
        c.drive(chip, clock, kHigh);
        c.drive(chip, clear, kLow);
        c.drive(chip, 4, kLow);
        c.sim();
        c.drive(chip, clear, kHigh);
        c.drive(chip, 4, kHigh);
        c.sim(3);
        EXPECT_EQ(c.at(chip, 5), kLow) << model;
        EXPECT_EQ(c.at(chip, 6), kHigh) << model;
    }
}

TEST(Asynchronous, OpenSetAndResetHoldBothHighWhateverTheClock) {
    circuit c;
    const int d = c.add_powered("CD4013");
    const int jk = c.add_powered("CD4027");
    for (int period = 0; period < 3; ++period) {
        c.drive(d, 3, kLow);
        c.drive(jk, 13, kLow);
        c.sim();
        c.drive(d, 3, kHigh);
        c.drive(jk, 13, kHigh);
        c.sim();
        EXPECT_EQ(c.at(d, 1), kHigh);
        EXPECT_EQ(c.at(d, 2), kHigh);
        EXPECT_EQ(c.at(jk, 15), kHigh);
        EXPECT_EQ(c.at(jk, 14), kHigh);
    }
}

// CD4027 stage 1: clock 13, J 10, K 11, SET 9, RESET 12, Q 15, /Q 14.
struct cd4027_stage {
    circuit c;
    int chip;
    cd4027_stage() {
        chip = c.add_powered("CD4027");
        c.drive(chip, 10, kLow);
        c.drive(chip, 11, kLow);
        c.drive(chip, 13, kLow);
        c.drive(chip, 9, kHigh);
        c.drive(chip, 12, kHigh);
        c.sim();
    }
    void release() {
        c.drive(chip, 9, kLow);
        c.drive(chip, 12, kLow);
    }
};

TEST(Cd4027, HoldAtAnEdgeRightAfterSetAndResetKeepsBothHigh) {
    cd4027_stage s;
    s.release();
    s.c.drive(s.chip, 13, kHigh);
    s.c.sim();
    EXPECT_EQ(s.c.at(s.chip, 15), kHigh);
    EXPECT_EQ(s.c.at(s.chip, 14), kHigh);
}

TEST(Cd4027, CallWithoutEdgeAfterReleaseShowsQHighOnly) {
    cd4027_stage s;
    s.release();
    s.c.sim();
    EXPECT_EQ(s.c.at(s.chip, 15), kHigh);
    EXPECT_EQ(s.c.at(s.chip, 14), kLow);
    s.c.drive(s.chip, 13, kHigh);
    s.c.sim();
    EXPECT_EQ(s.c.at(s.chip, 15), kHigh);
    EXPECT_EQ(s.c.at(s.chip, 14), kLow);
}

// The J-K rule on both J-K models, from either stored state, with J and K
// changed in the call of the edge itself: they are read at the edge.
struct jk_model {
    std::string model;
    int clock, j, k, set, clear, q, not_q;
    bool falling;
    bool low_active_async;
};

void PrintTo(const jk_model& m, std::ostream* os) { *os << m.model; }

class JkRule : public ::testing::TestWithParam<std::tuple<jk_model, int, bool>> {};

TEST_P(JkRule, NextStateFromJAndKAtTheEdge) {
    const auto& [m, jk, start_high] = GetParam();
    const value_code j = (jk >> 1) & 1;
    const value_code k = jk & 1;
    const value_code active = m.low_active_async ? kLow : kHigh;
    const value_code inactive = m.low_active_async ? kHigh : kLow;
    const value_code idle = m.falling ? kHigh : kLow;
    const value_code edge = m.falling ? kLow : kHigh;

    circuit c;
    const int chip = c.add_powered(m.model);
    c.drive(chip, m.clock, idle);
    c.drive(chip, start_high ? m.set : m.clear, active);
    c.drive(chip, start_high ? m.clear : m.set, inactive);
    c.sim();
    c.drive(chip, m.set, inactive);
    c.drive(chip, m.clear, inactive);
    c.drive(chip, m.j, j);
    c.drive(chip, m.k, k);
    c.sim();
    const value_code start = start_high ? kHigh : kLow;
    ASSERT_EQ(c.at(chip, m.q), start);

    // J and K change with the edge, as a synchronous counter's do: the edge
    // takes the values they had before it.
    c.drive(chip, m.j, 1 - j);
    c.drive(chip, m.k, 1 - k);
    c.drive(chip, m.clock, edge);
    c.sim();
    const value_code expected = j == k ? (j == 1 ? 1 - start : start) : j;
    EXPECT_EQ(c.at(chip, m.q), expected);
    EXPECT_EQ(c.at(chip, m.not_q), 1 - expected);
    c.sim();
    EXPECT_EQ(c.at(chip, m.q), expected) << "one edge, one change";
}

INSTANTIATE_TEST_SUITE_P(
    BothModels, JkRule,
    ::testing::Combine(::testing::Values(jk_model{"74LS112", 1, 3, 2, 4, 15, 5, 6, true, true},
                                         jk_model{"74LS112", 13, 11, 12, 10, 14, 9, 7, true, true},
                                         jk_model{"CD4027", 13, 10, 11, 9, 12, 15, 14, false, false},
                                         jk_model{"CD4027", 3, 6, 5, 7, 4, 1, 2, false, false}),
                       ::testing::Range(0, 4), ::testing::Bool()));

// Nothing is stored after a new circuit, which is no previous level: a clock
// that is low from the start is no falling edge, and Q starts high.
TEST(Jk74ls112, ClockLowAtTheFirstCallIsNoEdge) {
    circuit c;
    const int chip = c.add_powered("74LS112");
    c.drive(chip, 1, kLow);
    c.drive(chip, 13, kLow);
    c.sim();
    EXPECT_EQ(c.at(chip, 5), kHigh);
    EXPECT_EQ(c.at(chip, 6), kLow);
    EXPECT_EQ(c.at(chip, 9), kHigh);
    c.drive(chip, 1, kHigh);
    c.sim();
    c.drive(chip, 1, kLow);
    c.sim();
    EXPECT_EQ(c.at(chip, 5), kLow) << "the first real fall toggles";
}

TEST(Jk74ls112, FallingButtonCodeClocksEveryCallItIsPresent) {
    circuit c;
    const int chip = c.add_powered("74LS112");
    c.drive(chip, 1, kHigh);
    c.sim();
    ASSERT_EQ(c.at(chip, 5), kHigh);
    c.drive(chip, 1, kFallingEdge);
    c.sim();
    EXPECT_EQ(c.at(chip, 5), kLow);
    c.sim();
    EXPECT_EQ(c.at(chip, 5), kHigh) << "code 4 is an edge whatever the previous level";
    c.drive(chip, 1, kLow);
    c.sim();
    EXPECT_EQ(c.at(chip, 5), kHigh) << "after 4 a plain low is no edge";
    c.drive(chip, 1, kRisingEdge);
    c.sim();
    EXPECT_EQ(c.at(chip, 5), kHigh) << "never on a rising edge";
    EXPECT_EQ(c.at(chip, 1), kRisingEdge) << "the 74LS112 writes no clock node";
}

// One pulse button on the clocks of all four models, each wired to toggle.
TEST(PulseButton, RisingModelsOncePerPressFallingModelOnRelease) {
    circuit c;
    const int ls74 = c.add_powered("74LS74");
    const int cd4013 = c.add_powered("CD4013");
    const int ls112 = c.add_powered("74LS112");
    const int cd4027 = c.add_powered("CD4027");
    c.wire(ls74, 6, ls74, 2);
    c.wire(cd4013, 2, cd4013, 5);
    c.drive(cd4013, 6, kLow);
    c.drive(cd4013, 4, kLow);
    for (auto [pin, code] : drives{{10, kHigh}, {11, kHigh}, {9, kLow}, {12, kLow}})
        c.drive(cd4027, pin, code);
    c.wire(ls74, 3, cd4013, 3);
    c.wire(ls74, 3, ls112, 1);
    c.wire(ls74, 3, cd4027, 13);

    const std::vector<std::pair<int, int>> outputs{{ls74, 5}, {cd4013, 1}, {cd4027, 15}, {ls112, 5}};
    auto read = [&] {
        std::vector<value_code> q;
        for (auto [chip, pin] : outputs) q.push_back(c.at(chip, pin));
        return q;
    };
    c.drive(ls74, 3, kHigh);
    c.sim();
    c.drive(ls74, 3, kLow);
    c.sim();
    std::vector<value_code> q = read();
    for (int press = 0; press < 3; ++press) {
        press_rising_button(c, ls74, 3, 3);
        for (int k = 0; k < 3; ++k) q[k] = 1 - q[k];
        EXPECT_EQ(read(), q) << "press " << press;
        release_button(c, ls74, 3, 2);
        q[3] = 1 - q[3];
        EXPECT_EQ(read(), q) << "release " << press;
    }
}

TEST(FlipFlopPower, CutKeepsTheStoredBitsAndReturnShowsThem) {
    circuit c;
    const int ls74 = c.add_powered("74LS74");
    const int cd4027 = c.add_powered("CD4027");
    c.wire(ls74, 6, ls74, 2);
    for (auto [pin, code] : drives{{10, kLow}, {11, kHigh}, {9, kLow}, {12, kLow}})
        c.drive(cd4027, pin, code);
    c.wire(ls74, 3, cd4027, 13);
    c.drive(ls74, 3, kHigh);
    c.sim();
    clock_period(c, ls74, 3);
    ASSERT_EQ(c.at(ls74, 5), kLow);
    ASSERT_EQ(c.at(cd4027, 15), kLow);

    c.drive_node(c.supply_node(), kNoDrive);
    c.sim(2);
    EXPECT_EQ(c.at(ls74, 5), kUnpowered);
    EXPECT_EQ(c.at(ls74, 6), kUnpowered);
    EXPECT_EQ(c.at(cd4027, 15), kUnpowered);
    EXPECT_EQ(c.state(ls74, 5), kLow);

    c.drive_node(c.supply_node(), kSupply);
    c.sim();
    EXPECT_EQ(c.at(ls74, 5), kLow);
    EXPECT_EQ(c.at(ls74, 6), kHigh);
    EXPECT_EQ(c.at(cd4027, 15), kLow);
    EXPECT_EQ(c.at(cd4027, 14), kHigh);
}

TEST(FlipFlopPower, NewCircuitStartsAgainFromQHigh) {
    circuit c;
    const int chip = c.add_powered("74LS74");
    c.wire(chip, 6, chip, 2);
    c.drive(chip, 3, kHigh);
    c.sim();
    clock_period(c, chip, 3);
    ASSERT_EQ(c.at(chip, 5), kLow);
    c.new_circuit = true;
    c.sim();
    EXPECT_EQ(c.at(chip, 5), kHigh);
    EXPECT_EQ(c.at(chip, 6), kLow);
}

}  // namespace
