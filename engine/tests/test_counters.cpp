#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "clocking.h"
#include "engine_harness.h"
#include "engine_tables.h"

using namespace lgsim;
using lgsim::testing::circuit;

namespace {

using drives = std::vector<std::pair<int, value_code>>;
using weight_pins = std::array<int, 4>;  // weight 1 first

void apply(circuit& c, int chip, const drives& list) {
    for (auto [pin, code] : list) c.drive(chip, pin, code);
}

// The count the bench would read: the weights of the outputs showing exactly 1.
int count_at(const circuit& c, int chip, const weight_pins& pins) {
    int count = 0;
    for (int k = 0; k < 4; ++k)
        if (c.at(chip, pins[k]) == kHigh) count += 1 << k;
    return count;
}

void expect_plain_levels(const circuit& c, int chip, const weight_pins& pins) {
    for (int pin : pins) {
        const value_code v = c.at(chip, pin);
        EXPECT_TRUE(v == kLow || v == kHigh) << "pin " << pin << " shows " << v;
    }
}

constexpr weight_pins k160Q{14, 13, 12, 11};
constexpr weight_pins k192Q{3, 2, 6, 7};
constexpr weight_pins k4518A{3, 4, 5, 6};
constexpr weight_pins k4518B{11, 12, 13, 14};

const drives k160Counting{{1, kHigh}, {9, kHigh}, {7, kHigh}, {10, kHigh}};
const drives k192CountingUp{{14, kLow}, {11, kHigh}, {4, kHigh}};
const drives k4518Counting{{2, kHigh}, {7, kLow}, {10, kHigh}, {15, kLow}};

struct decade_case {
    std::string name;
    std::string model;
    drives inputs;
    int clock;
    weight_pins outputs;
    bool read_first_by_another_chip;
};

void PrintTo(const decade_case& d, std::ostream* os) { *os << d.name; }

class Decade : public ::testing::TestWithParam<decade_case> {};

// With a reader placed earlier in the pass, the counter's first evaluation in
// each call comes through that reader's input; it must still count once.
TEST_P(Decade, CountsZeroToNineAndWrapsOncePerEdge) {
    const decade_case& d = GetParam();
    circuit c;
    const int reader = d.read_first_by_another_chip ? c.add_powered("74LS04") : 0;
    const int chip = c.add_powered(d.model);
    if (reader != 0) c.wire(chip, d.outputs[0], reader, 1);
    apply(c, chip, d.inputs);
    c.drive(chip, d.clock, kLow);
    c.sim();
    EXPECT_EQ(count_at(c, chip, d.outputs), 0) << "a new counter starts at 0";
    for (int edge = 1; edge <= 23; ++edge) {
        clock_period(c, chip, d.clock);
        EXPECT_EQ(count_at(c, chip, d.outputs), edge % 10) << "edge " << edge;
        expect_plain_levels(c, chip, d.outputs);
        if (reader != 0) {
            EXPECT_EQ(c.at(reader, 2), 1 - c.at(chip, d.outputs[0]));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Counters, Decade,
    ::testing::Values(decade_case{"ls160", "74LS160", k160Counting, 2, k160Q, false},
                      decade_case{"ls160_read_first", "74LS160", k160Counting, 2, k160Q, true},
                      decade_case{"ls192_up", "74LS192", k192CountingUp, 5, k192Q, false},
                      decade_case{"ls192_read_first", "74LS192", k192CountingUp, 5, k192Q, true},
                      decade_case{"cd4518_a", "CD4518", k4518Counting, 1, k4518A, false},
                      decade_case{"cd4518_b", "CD4518", k4518Counting, 9, k4518B, false},
                      decade_case{"cd4518_b_read_first", "CD4518", k4518Counting, 9, k4518B, true}),
    [](const auto& info) { return info.param.name; });

struct package_case {
    std::string model;
    std::vector<int> outputs;
};

class CounterPinKinds : public ::testing::TestWithParam<package_case> {};

TEST_P(CounterPinKinds, OutputsInputsAndUnpowered) {
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
        EXPECT_EQ(c.at(unpowered, pin), output ? kUnpowered : kFloating) << "pin " << pin;
        EXPECT_EQ(c.state(unpowered, pin), kNoDrive) << "nothing stored, pin " << pin;
    }
}

INSTANTIATE_TEST_SUITE_P(Packages, CounterPinKinds,
                         ::testing::Values(package_case{"74LS160", {11, 12, 13, 14, 15}},
                                           package_case{"74LS192", {2, 3, 6, 7, 12, 13}},
                                           package_case{"CD4518", {3, 4, 5, 6, 11, 12, 13, 14}}));

// A counter brought to count 3, then one control input given one code.
struct exact_case {
    std::string model;
    drives counting;
    int clock;
    weight_pins outputs;
    int control;
    value_code code;
    bool clears;
};

void PrintTo(const exact_case& e, std::ostream* os) {
    *os << e.model << " pin " << e.control << " = " << e.code;
}

class ClearCode : public ::testing::TestWithParam<exact_case> {};

// A clear input acts at once on its active code or on the terminal of that
// level (supply for 1, ground for 0), never on an edge code or when open.
TEST_P(ClearCode, ClearsAtOnceOnlyOnItsExactCode) {
    const exact_case& e = GetParam();
    circuit c;
    const int chip = c.add_powered(e.model);
    apply(c, chip, e.counting);
    c.drive(chip, e.clock, kLow);
    c.sim();
    clock_periods(c, chip, e.clock, 3);
    ASSERT_EQ(count_at(c, chip, e.outputs), 3);
    c.drive(chip, e.control, e.code);
    c.sim();
    EXPECT_EQ(count_at(c, chip, e.outputs), e.clears ? 0 : 3);
}

INSTANTIATE_TEST_SUITE_P(
    Counters, ClearCode,
    ::testing::Values(exact_case{"74LS160", k160Counting, 2, k160Q, 1, kLow, true},
                      exact_case{"74LS160", k160Counting, 2, k160Q, 1, kGround, true},
                      exact_case{"74LS160", k160Counting, 2, k160Q, 1, kFallingEdge, false},
                      exact_case{"74LS160", k160Counting, 2, k160Q, 1, kFloating, false},
                      exact_case{"74LS192", k192CountingUp, 5, k192Q, 14, kHigh, true},
                      exact_case{"74LS192", k192CountingUp, 5, k192Q, 14, kSupply, true},
                      exact_case{"74LS192", k192CountingUp, 5, k192Q, 14, kRisingEdge, false},
                      exact_case{"74LS192", k192CountingUp, 5, k192Q, 14, kFloating, false},
                      exact_case{"CD4518", k4518Counting, 1, k4518A, 7, kHigh, true},
                      exact_case{"CD4518", k4518Counting, 1, k4518A, 7, kSupply, true},
                      exact_case{"CD4518", k4518Counting, 1, k4518A, 7, kFloating, false},
                      exact_case{"CD4518", k4518Counting, 9, k4518B, 15, kHigh, true},
                      exact_case{"CD4518", k4518Counting, 9, k4518B, 7, kHigh, false}));

class EnableCode : public ::testing::TestWithParam<exact_case> {};

// `clears` reads here as "lets the counter count".
TEST_P(EnableCode, CountsOnlyWhenEnabledByTheRightCode) {
    const exact_case& e = GetParam();
    circuit c;
    const int chip = c.add_powered(e.model);
    apply(c, chip, e.counting);
    c.drive(chip, e.control, e.code);
    c.drive(chip, e.clock, kLow);
    c.sim();
    clock_periods(c, chip, e.clock, 3);
    EXPECT_EQ(count_at(c, chip, e.outputs), e.clears ? 3 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Counters, EnableCode,
    ::testing::Values(exact_case{"74LS160", k160Counting, 2, k160Q, 10, kSupply, true},  // levels
                      exact_case{"74LS160", k160Counting, 2, k160Q, 10, kFloating, true},
                      exact_case{"74LS160", k160Counting, 2, k160Q, 10, kGround, false},
                      exact_case{"74LS160", k160Counting, 2, k160Q, 7, kLow, false},
                      exact_case{"74LS160", k160Counting, 2, k160Q, 9, kGround, false},  // loads
                      exact_case{"74LS192", k192CountingUp, 5, k192Q, 4, kSupply, true},
                      exact_case{"74LS192", k192CountingUp, 5, k192Q, 4, kFloating, false},
                      exact_case{"74LS192", k192CountingUp, 5, k192Q, 11, kGround, false},  // loads
                      exact_case{"CD4518", k4518Counting, 1, k4518A, 2, kSupply, true},
                      exact_case{"CD4518", k4518Counting, 1, k4518A, 2, kFloating, false},
                      exact_case{"CD4518", k4518Counting, 9, k4518B, 10, kLow, false}));

// Nothing is stored after a new circuit, which is no previous level: inputs
// that are low from the start neither count nor carry.
TEST(CounterStart, LowInputsAtTheFirstCallAreNoEdges) {
    circuit c;
    const int ls192 = c.add_powered("74LS192");
    const int cd4518 = c.add_powered("CD4518");
    apply(c, ls192, {{14, kLow}, {11, kHigh}, {5, kHigh}, {4, kLow}});
    apply(c, cd4518, {{1, kLow}, {2, kLow}, {7, kLow}});
    c.sim();
    EXPECT_EQ(count_at(c, ls192, k192Q), 0);
    EXPECT_EQ(c.at(ls192, 13), kHigh) << "/BO starts high";
    EXPECT_EQ(c.at(ls192, 12), kHigh);
    EXPECT_EQ(count_at(c, cd4518, k4518A), 0);
    c.drive(cd4518, 2, kHigh);
    c.sim();
    c.drive(cd4518, 2, kLow);
    c.sim();
    EXPECT_EQ(count_at(c, cd4518, k4518A), 1) << "the first real fall of ENABLE counts";
}

// ---------------------------------------------------------------- 74LS160

struct ls160 {
    circuit c;
    int chip;
    ls160() {
        chip = c.add_powered("74LS160");
        apply(c, chip, k160Counting);
        c.drive(chip, 2, kLow);
        c.sim();
    }
    int count() const { return count_at(c, chip, k160Q); }
    value_code rco() const { return c.at(chip, 15); }
    void edges(int n) { clock_periods(c, chip, 2, n); }
    void load(value_code a, value_code b, value_code cc, value_code d) {
        for (auto [pin, code] : drives{{3, a}, {4, b}, {5, cc}, {6, d}}) c.drive(chip, pin, code);
    }
};

TEST(Ls160, RippleCarryIsHighDuringNineOnly) {
    ls160 t;
    EXPECT_EQ(t.rco(), kLow);
    for (int edge = 1; edge <= 21; ++edge) {
        t.edges(1);
        EXPECT_EQ(t.rco(), edge % 10 == 9 ? kHigh : kLow) << "edge " << edge;
    }
}

// RCO is ENT and the count of 9: a counter held by a low ENT at 9 passes no
// carry on, so a third counter of a cascade does not step with the second.
TEST(Ls160, DisabledCounterHoldsItsCountAndRcoFollowsEnt) {
    ls160 t;
    t.edges(9);
    ASSERT_EQ(t.rco(), kHigh);
    t.c.drive(t.chip, 10, kLow);
    t.c.sim();
    EXPECT_EQ(t.rco(), kLow) << "RCO falls with ENT, without a clock";
    t.edges(3);
    EXPECT_EQ(t.count(), 9);
    EXPECT_EQ(t.rco(), kLow);
    t.c.drive(t.chip, 10, kHigh);
    t.c.sim();
    EXPECT_EQ(t.rco(), kHigh) << "and rises with it";
    t.edges(1);
    EXPECT_EQ(t.count(), 0);
    EXPECT_EQ(t.rco(), kLow);
}

TEST(Ls160, LoadIsSynchronousAndRcoFollowsTheLoadedCount) {
    ls160 t;
    t.edges(2);
    t.load(kHigh, kLow, kLow, kHigh);
    t.c.drive(t.chip, 9, kLow);
    t.c.sim();
    EXPECT_EQ(t.count(), 2) << "no load without an edge";
    t.edges(1);
    EXPECT_EQ(t.count(), 9);
    EXPECT_EQ(t.rco(), kHigh) << "a loaded 9 with ENT high carries";
    EXPECT_EQ(t.c.at(t.chip, 9), kLow) << "the /LOAD node keeps the value driven onto it";
    t.c.drive(t.chip, 9, kHigh);
    t.edges(1);
    EXPECT_EQ(t.count(), 0);
    EXPECT_EQ(t.rco(), kLow);
}

// Data inputs on the supply terminal load as 1, so the count goes on from the
// loaded value; an open input loads its 2, which shows high and weighs nothing.
TEST(Ls160, LoadedSupplyCountsOnAndOpenShowsAsRead) {
    ls160 t;
    t.edges(4);
    t.load(kSupply, kFloating, kSupply, kGround);
    t.c.drive(t.chip, 9, kLow);
    t.edges(1);
    EXPECT_EQ(t.c.at(t.chip, 14), kHigh);
    EXPECT_EQ(t.c.at(t.chip, 13), kFloating);
    EXPECT_EQ(t.c.at(t.chip, 12), kHigh);
    EXPECT_EQ(t.c.at(t.chip, 11), kLow);
    EXPECT_EQ(t.c.state(t.chip, 14), kHigh);
    EXPECT_EQ(t.c.state(t.chip, 3), kSupply) << "the sample slot keeps the code as read";
    t.c.drive(t.chip, 9, kHigh);
    t.edges(1);
    EXPECT_EQ(t.count(), 6);
    expect_plain_levels(t.c, t.chip, k160Q);
}

TEST(Ls160, LoadOfElevenCountsToZero) {
    ls160 t;
    t.load(kHigh, kHigh, kLow, kHigh);
    t.c.drive(t.chip, 9, kLow);
    t.edges(1);
    ASSERT_EQ(t.count(), 11);
    t.c.drive(t.chip, 9, kHigh);
    t.edges(1);
    EXPECT_EQ(t.count(), 0);
}

// Modulo 6 by synchronous load: /LOAD = NAND(QA, QC) loads 0 at the edge
// after count 5. Reading /LOAD at the edge runs back into the counter through
// the gate before its outputs are settled; it must still count once and take
// the load decision from the count before the edge.
class Ls160Modulo : public ::testing::TestWithParam<bool> {};

TEST_P(Ls160Modulo, LoadFromItsOwnOutputsCountsZeroToFive) {
    circuit c;
    const bool gate_first = GetParam();
    int gate = 0;
    int chip = 0;
    if (gate_first) {
        gate = c.add_powered("74LS00");
        chip = c.add_powered("74LS160");
    } else {
        chip = c.add_powered("74LS160");
        gate = c.add_powered("74LS00");
    }
    apply(c, chip, {{1, kHigh}, {7, kHigh}, {10, kHigh}, {3, kLow}, {4, kLow}, {5, kLow}, {6, kLow}});
    c.wire(chip, 14, gate, 1);
    c.wire(chip, 12, gate, 2);
    c.wire(gate, 3, chip, 9);
    c.drive(chip, 2, kLow);
    c.sim();
    for (int edge = 1; edge <= 14; ++edge) {
        clock_period(c, chip, 2);
        EXPECT_EQ(count_at(c, chip, k160Q), edge % 6) << "edge " << edge;
        EXPECT_EQ(c.at(chip, 9), edge % 6 == 5 ? kLow : kHigh) << "edge " << edge;
    }
}

INSTANTIATE_TEST_SUITE_P(EitherPassOrder, Ls160Modulo, ::testing::Bool());

TEST(Ls160, PulseButtonCountsOncePerPress) {
    ls160 t;
    for (int press = 1; press <= 4; ++press) {
        press_rising_button(t.c, t.chip, 2, 3);
        EXPECT_EQ(t.count(), press);
        release_button(t.c, t.chip, 2, 2);
        EXPECT_EQ(t.count(), press);
    }
}

TEST(Ls160, TakenEdgeIsLeftOnTheClockNode) {
    ls160 t;
    t.c.drive(t.chip, 2, kHigh);
    t.c.sim();
    EXPECT_EQ(t.c.at(t.chip, 2), kRisingEdge);
    EXPECT_EQ(t.c.state(t.chip, 2), kRisingEdge);
}

// Edges during a cut are lost; the count reappears when power returns.
TEST(Ls160, CountSurvivesAPowerCut) {
    ls160 t;
    t.edges(6);
    t.c.drive_node(t.c.supply_node(), kNoDrive);
    t.edges(3);
    for (int pin : {11, 12, 13, 14, 15}) EXPECT_EQ(t.c.at(t.chip, pin), kUnpowered);
    EXPECT_EQ(t.c.state(t.chip, 13), kHigh);
    t.c.drive_node(t.c.supply_node(), kSupply);
    t.c.sim();
    EXPECT_EQ(t.count(), 6);
    t.edges(1);
    EXPECT_EQ(t.count(), 7);
}

// ---------------------------------------------------------------- 74LS192

struct ls192 {
    circuit c;
    int chip;
    ls192() {
        chip = c.add_powered("74LS192");
        apply(c, chip, {{14, kLow}, {11, kHigh}, {5, kHigh}, {4, kHigh}});
        c.sim();
    }
    int count() const { return count_at(c, chip, k192Q); }
    value_code carry() const { return c.at(chip, 12); }
    value_code borrow() const { return c.at(chip, 13); }
    void load(value_code a, value_code b, value_code cc, value_code d) {
        for (auto [pin, code] : drives{{15, a}, {1, b}, {10, cc}, {9, d}}) c.drive(chip, pin, code);
    }
};

TEST(Ls192, UpPressesCountAndCarryFallsWithUpAtNine) {
    ls192 t;
    t.c.drive(t.chip, 5, kLow);
    t.c.sim();
    for (int press = 1; press <= 12; ++press) {
        press_rising_button(t.c, t.chip, 5);
        EXPECT_EQ(t.count(), press % 10) << "press " << press;
        EXPECT_EQ(t.carry(), kHigh);
        release_button(t.c, t.chip, 5, 2);
        EXPECT_EQ(t.carry(), press % 10 == 9 ? kLow : kHigh) << "release " << press;
        EXPECT_EQ(t.borrow(), kHigh);
    }
}

TEST(Ls192, DownCountsFromZeroToNineAndBorrowFallsWithDownAtZero) {
    ls192 t;
    t.c.drive(t.chip, 4, kLow);
    t.c.sim();
    EXPECT_EQ(t.borrow(), kLow) << "DOWN fell at count 0";
    const std::vector<int> expected{9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 9};
    for (std::size_t k = 0; k < expected.size(); ++k) {
        press_rising_button(t.c, t.chip, 4);
        EXPECT_EQ(t.count(), expected[k]);
        EXPECT_EQ(t.borrow(), kHigh);
        release_button(t.c, t.chip, 4);
        EXPECT_EQ(t.borrow(), expected[k] == 0 ? kLow : kHigh);
        EXPECT_EQ(t.carry(), kHigh);
    }
}

TEST(Ls192, LoadIsImmediateAndKeepsTheCodes) {
    ls192 t;
    t.load(kHigh, kHigh, kHigh, kHigh);
    t.c.drive(t.chip, 11, kLow);
    t.c.sim();
    EXPECT_EQ(t.count(), 15) << "no clock needed";
    t.c.drive(t.chip, 11, kHigh);
    t.c.drive(t.chip, 4, kLow);
    t.c.sim();
    press_rising_button(t.c, t.chip, 4);
    EXPECT_EQ(t.count(), 14) << "a value above 9 simply decrements";

    t.load(kSupply, kLow, kFloating, kLow);
    t.c.drive(t.chip, 11, kLow);
    t.c.sim();
    EXPECT_EQ(t.c.at(t.chip, 3), kHigh) << "supply loads as 1";
    EXPECT_EQ(t.c.at(t.chip, 6), kFloating);
    EXPECT_EQ(t.c.at(t.chip, 11), kLow) << "the /LOAD node keeps the value driven onto it";
    EXPECT_EQ(t.carry(), kHigh);
    EXPECT_EQ(t.borrow(), kHigh);
}

// Clear and load leave UP and DOWN as driven and remember their codes, so
// the release is no edge: a DOWN that rises in the call of the release, with
// UP held high, counts down.
TEST(Ls192, ReleasingClearIsNoEdgeOnAHighUp) {
    ls192 t;
    t.c.drive(t.chip, 4, kLow);
    t.c.drive(t.chip, 14, kHigh);
    t.c.sim();
    EXPECT_EQ(t.c.at(t.chip, 5), kHigh);
    EXPECT_EQ(t.c.at(t.chip, 4), kLow);
    EXPECT_EQ(t.c.state(t.chip, 5), kHigh);
    EXPECT_EQ(t.c.state(t.chip, 4), kLow);
    t.c.drive(t.chip, 14, kLow);
    t.c.drive(t.chip, 4, kHigh);
    t.c.sim();
    EXPECT_EQ(t.count(), 9);
}

TEST(Ls192, ReleasingLoadIsNoEdgeOnAHighUp) {
    ls192 t;
    t.load(kHigh, kLow, kHigh, kLow);
    t.c.drive(t.chip, 4, kLow);
    t.c.drive(t.chip, 11, kLow);
    t.c.sim();
    ASSERT_EQ(t.count(), 5);
    EXPECT_EQ(t.c.at(t.chip, 5), kHigh);
    t.c.drive(t.chip, 11, kHigh);
    t.c.drive(t.chip, 4, kHigh);
    t.c.sim();
    EXPECT_EQ(t.count(), 4);
}

TEST(Ls192, ClearGivesZeroWithCarryAndBorrowHigh) {
    ls192 t;
    t.c.drive(t.chip, 4, kLow);
    t.c.sim();
    ASSERT_EQ(t.borrow(), kLow);
    t.c.drive(t.chip, 14, kHigh);
    t.c.sim();
    EXPECT_EQ(t.count(), 0);
    EXPECT_EQ(t.carry(), kHigh);
    EXPECT_EQ(t.borrow(), kHigh);
}

// ---------------------------------------------------------------- CD4518

TEST(Cd4518, FallingEnableWithClockLowCountsOncePerFall) {
    circuit c;
    const int chip = c.add_powered("CD4518");
    apply(c, chip, {{1, kLow}, {7, kLow}, {2, kHigh}, {9, kLow}, {15, kLow}, {10, kHigh}});
    c.sim();
    for (int fall = 1; fall <= 12; ++fall) {
        c.drive(chip, 2, kLow);
        c.sim();
        EXPECT_EQ(count_at(c, chip, k4518A), fall % 10);
        c.drive(chip, 2, kHigh);
        c.sim();
        EXPECT_EQ(count_at(c, chip, k4518A), fall % 10);
        EXPECT_EQ(count_at(c, chip, k4518B), 0) << "counter B has its own inputs";
    }
}

// Counting on a falling ENABLE needs CLOCK low: a switch at 0 or the ground
// terminal (the data sheet's cascade ties CLOCK to ground), not an open or
// high CLOCK.
TEST(Cd4518, FallingEnableNeedsTheClockLow) {
    const std::vector<std::pair<value_code, int>> cases{
        {kLow, 1}, {kGround, 1}, {kFloating, 0}, {kHigh, 0}, {kSupply, 0}};
    for (auto [clock, counts] : cases) {
        circuit c;
        const int chip = c.add_powered("CD4518");
        apply(c, chip, {{1, clock}, {7, kLow}, {2, kHigh}});
        c.sim();
        c.drive(chip, 2, kLow);
        c.sim();
        EXPECT_EQ(count_at(c, chip, k4518A), counts) << "CLOCK " << clock;
    }
}

TEST(Cd4518, CountersAreIndependent) {
    circuit c;
    const int chip = c.add_powered("CD4518");
    apply(c, chip, k4518Counting);
    c.drive(chip, 1, kLow);
    c.drive(chip, 9, kLow);
    c.sim();
    clock_periods(c, chip, 1, 3);
    clock_periods(c, chip, 9, 8);
    EXPECT_EQ(count_at(c, chip, k4518A), 3);
    EXPECT_EQ(count_at(c, chip, k4518B), 8);
    EXPECT_EQ(c.at(chip, 14), kHigh) << "weight 8 of counter B";
    c.drive(chip, 15, kHigh);
    c.sim();
    EXPECT_EQ(count_at(c, chip, k4518A), 3);
    EXPECT_EQ(count_at(c, chip, k4518B), 0);
}

}  // namespace
