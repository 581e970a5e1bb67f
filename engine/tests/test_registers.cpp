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
using codes = std::vector<value_code>;

void apply(circuit& c, int chip, const drives& list) {
    for (auto [pin, code] : list) c.drive(chip, pin, code);
}

codes read(const circuit& c, int chip, const std::vector<int>& pins) {
    codes out;
    for (int pin : pins) out.push_back(c.at(chip, pin));
    return out;
}

struct package_case {
    std::string model;
    std::vector<int> outputs;
};

class RegisterPinKinds : public ::testing::TestWithParam<package_case> {};

TEST_P(RegisterPinKinds, OutputsInputsAndUnpowered) {
    const package_case& p = GetParam();
    circuit c;
    const int powered = c.add_powered(p.model);
    const int unpowered = c.add_chip(p.model);
    c.sim();
    for (int pin = 1; pin <= 20; ++pin) {
        const bool output = std::find(p.outputs.begin(), p.outputs.end(), pin) != p.outputs.end();
        EXPECT_EQ(eval_pin(powered, pin, 0), output ? kOutputPin : kNotOutput) << "pin " << pin;
        if (!output) {
            EXPECT_EQ(eval_pin(powered, pin, 1), kNotOutput) << "pin " << pin;
        }
        EXPECT_EQ(eval_pin(unpowered, pin, 1), kUnpowered) << "pin " << pin;
        EXPECT_EQ(c.state(unpowered, pin), kNoDrive) << "nothing stored, pin " << pin;
    }
}

INSTANTIATE_TEST_SUITE_P(Packages, RegisterPinKinds,
                         ::testing::Values(package_case{"74LS194", {12, 13, 14, 15}},
                                           package_case{"74LS273", {2, 5, 6, 9, 12, 15, 16, 19}}));

// ---------------------------------------------------------------- 74LS194

const std::vector<int> k194Q{15, 14, 13, 12};  // QA QB QC QD
constexpr int kClear = 1, kSr = 2, kSl = 7, kS0 = 9, kS1 = 10, kClk = 11;

struct ls194 {
    circuit c;
    int chip;
    ls194() {
        chip = c.add_powered("74LS194");
        apply(c, chip, {{kClear, kHigh}, {kS1, kLow}, {kS0, kLow}, {kClk, kLow}});
        c.sim();
    }
    codes q() const { return read(c, chip, k194Q); }
    void mode(value_code s1, value_code s0) {
        c.drive(chip, kS1, s1);
        c.drive(chip, kS0, s0);
    }
    void data(value_code a, value_code b, value_code cc, value_code d) {
        apply(c, chip, {{3, a}, {4, b}, {5, cc}, {6, d}});
    }
    void edges(int n) { clock_periods(c, chip, kClk, n); }
    void load(value_code a, value_code b, value_code cc, value_code d) {
        data(a, b, cc, d);
        mode(kHigh, kHigh);
        edges(1);
    }
};

TEST(Ls194, ShiftRightFillsFromSrAndMovesTowardsQd) {
    ls194 t;
    ASSERT_EQ(t.q(), (codes{0, 0, 0, 0}));
    t.mode(kLow, kHigh);
    t.c.drive(t.chip, kSr, kHigh);
    const std::vector<codes> filling{{1, 0, 0, 0}, {1, 1, 0, 0}, {1, 1, 1, 0}, {1, 1, 1, 1}};
    for (const codes& expected : filling) {
        t.edges(1);
        EXPECT_EQ(t.q(), expected);
    }
    t.c.drive(t.chip, kSr, kLow);
    const std::vector<codes> emptying{{0, 1, 1, 1}, {0, 0, 1, 1}, {0, 0, 0, 1}, {0, 0, 0, 0}};
    for (const codes& expected : emptying) {
        t.edges(1);
        EXPECT_EQ(t.q(), expected);
    }
}

TEST(Ls194, ShiftLeftFillsFromSlAndMovesTowardsQa) {
    ls194 t;
    t.mode(kHigh, kLow);
    t.c.drive(t.chip, kSl, kHigh);
    const std::vector<codes> filling{{0, 0, 0, 1}, {0, 0, 1, 1}, {0, 1, 1, 1}, {1, 1, 1, 1}};
    for (const codes& expected : filling) {
        t.edges(1);
        EXPECT_EQ(t.q(), expected);
    }
    t.c.drive(t.chip, kSl, kLow);
    t.edges(1);
    EXPECT_EQ(t.q(), (codes{1, 1, 1, 0}));
}

// A load takes supply and ground as 1 and 0; an open input loads its 2,
// which moves along with the shifts.
TEST(Ls194, LoadOnlyAtAnEdgeTakesTiedInputsAsLevels) {
    ls194 t;
    t.data(kHigh, kGround, kSupply, kFloating);
    t.mode(kHigh, kHigh);
    t.c.sim();
    EXPECT_EQ(t.q(), (codes{0, 0, 0, 0})) << "no load without an edge";
    t.edges(1);
    EXPECT_EQ(t.q(), (codes{1, 0, 1, kFloating}));
    t.mode(kLow, kLow);
    t.edges(2);
    EXPECT_EQ(t.q(), (codes{1, 0, 1, kFloating})) << "S1 = S0 = 0 holds";
    t.mode(kLow, kHigh);
    t.c.drive(t.chip, kSr, kLow);
    t.edges(1);
    EXPECT_EQ(t.q(), (codes{0, 1, 0, 1}));
    EXPECT_EQ(t.c.state(t.chip, 12), kHigh);
    EXPECT_EQ(t.c.state(t.chip, 5), kSupply) << "the sample slot keeps the code as read";
}

// From a loaded 1011 (and data inputs 0100, so that a wrong load shows), one
// edge with the given mode and serial inputs.
struct mode_case {
    value_code s1, s0, sr, sl;
    codes expected;
};

void PrintTo(const mode_case& m, std::ostream* os) {
    *os << "S1=" << m.s1 << " S0=" << m.s0 << " SR=" << m.sr << " SL=" << m.sl;
}

class Ls194Mode : public ::testing::TestWithParam<mode_case> {};

// Supply and ground on a mode or serial input count as 1 and 0; an open
// input or an edge code selects nothing and shifts in 0.
TEST_P(Ls194Mode, CodesSelectTheModeAndTheSerialBit) {
    const mode_case& m = GetParam();
    ls194 t;
    t.load(kHigh, kLow, kHigh, kHigh);
    t.data(kLow, kHigh, kLow, kLow);
    t.mode(m.s1, m.s0);
    t.c.drive(t.chip, kSr, m.sr);
    t.c.drive(t.chip, kSl, m.sl);
    t.edges(1);
    EXPECT_EQ(t.q(), m.expected);
}

const codes kHeld{1, 0, 1, 1};

INSTANTIATE_TEST_SUITE_P(
    Codes, Ls194Mode,
    ::testing::Values(mode_case{kLow, kHigh, kHigh, kLow, {1, 1, 0, 1}},
                      mode_case{kLow, kHigh, kSupply, kLow, {1, 1, 0, 1}},
                      mode_case{kLow, kHigh, kFloating, kLow, {0, 1, 0, 1}},
                      mode_case{kLow, kHigh, kRisingEdge, kLow, {0, 1, 0, 1}},
                      mode_case{kHigh, kLow, kLow, kHigh, {0, 1, 1, 1}},
                      mode_case{kHigh, kLow, kLow, kGround, {0, 1, 1, 0}},
                      mode_case{kHigh, kHigh, kLow, kLow, {0, 1, 0, 0}},
                      mode_case{kLow, kLow, kHigh, kHigh, kHeld},
                      mode_case{kSupply, kHigh, kHigh, kHigh, {0, 1, 0, 0}},
                      mode_case{kHigh, kSupply, kHigh, kHigh, {0, 1, 0, 0}},
                      mode_case{kLow, kGround, kHigh, kHigh, kHeld},
                      mode_case{kGround, kHigh, kHigh, kHigh, {1, 1, 0, 1}},
                      mode_case{kRisingEdge, kHigh, kHigh, kHigh, kHeld},
                      mode_case{kFloating, kFloating, kHigh, kHigh, kHeld}));

TEST(Ls194, ClearIsImmediateOnALowOrTheGroundTerminal) {
    for (const value_code clear : {kLow, kGround}) {
        ls194 t;
        t.load(kHigh, kHigh, kLow, kHigh);
        t.c.drive(t.chip, kClear, kFloating);
        t.c.sim();
        EXPECT_EQ(t.q(), (codes{1, 1, 0, 1})) << "an open /CLR does not clear";
        t.c.drive(t.chip, kClear, clear);
        t.c.sim();
        EXPECT_EQ(t.q(), (codes{0, 0, 0, 0})) << "/CLR " << clear;
    }
}

// The clock code read during a clear is remembered, so a clock that is high
// when /CLR is released is not a rising edge.
TEST(Ls194, ReleasingClearWithTheClockHighIsNoEdge) {
    ls194 t;
    t.data(kHigh, kHigh, kHigh, kHigh);
    t.mode(kHigh, kHigh);
    t.c.drive(t.chip, kClear, kLow);
    t.c.drive(t.chip, kClk, kHigh);
    t.c.sim();
    EXPECT_EQ(t.c.at(t.chip, kClk), kHigh);
    EXPECT_EQ(t.c.state(t.chip, kClk), kHigh);
    t.c.drive(t.chip, kClear, kHigh);
    t.c.sim();
    EXPECT_EQ(t.q(), (codes{0, 0, 0, 0}));
    t.edges(1);
    EXPECT_EQ(t.q(), (codes{1, 1, 1, 1}));
}

TEST(Ls194, FirstEvaluationClearsWhateverTheInputs) {
    circuit c;
    const int chip = c.add_powered("74LS194");
    apply(c, chip, {{kS1, kHigh}, {kS0, kHigh}, {3, kHigh}, {4, kHigh}, {5, kHigh}, {6, kHigh},
                    {kClk, kRisingEdge}});
    c.sim();
    EXPECT_EQ(read(c, chip, k194Q), (codes{0, 0, 0, 0}));
    c.drive(chip, kClk, kHigh);
    c.sim();
    EXPECT_EQ(read(c, chip, k194Q), (codes{0, 0, 0, 0}));
    clock_period(c, chip, kClk);
    EXPECT_EQ(read(c, chip, k194Q), (codes{1, 1, 1, 1}));
}

// QD fed back to SR: the serial input runs back into the register before its
// outputs are settled; it must still shift once per edge.
TEST(Ls194, RingOfItsOwnOutputsRotatesOncePerEdge) {
    ls194 t;
    t.load(kHigh, kLow, kLow, kLow);
    t.c.wire(t.chip, 12, t.chip, kSr);
    t.mode(kLow, kHigh);
    const std::vector<codes> ring{{0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}, {1, 0, 0, 0}, {0, 1, 0, 0}};
    for (const codes& expected : ring) {
        t.edges(1);
        EXPECT_EQ(t.q(), expected);
    }
}

TEST(Ls194, PulseButtonShiftsOncePerPress) {
    ls194 t;
    t.mode(kLow, kHigh);
    t.c.drive(t.chip, kSr, kHigh);
    t.c.sim();  // the bench evaluates at once when a switch changes
    const std::vector<codes> filling{{1, 0, 0, 0}, {1, 1, 0, 0}, {1, 1, 1, 0}};
    for (const codes& expected : filling) {
        press_rising_button(t.c, t.chip, kClk, 3);
        EXPECT_EQ(t.q(), expected);
        release_button(t.c, t.chip, kClk, 2);
        EXPECT_EQ(t.q(), expected);
    }
}

TEST(Ls194, BitsSurviveAPowerCut) {
    ls194 t;
    t.load(kHigh, kLow, kHigh, kLow);
    t.c.drive_node(t.c.supply_node(), kNoDrive);
    t.c.sim();
    EXPECT_EQ(t.q(), (codes{kUnpowered, kUnpowered, kUnpowered, kUnpowered}));
    t.c.drive_node(t.c.supply_node(), kSupply);
    t.c.sim();
    EXPECT_EQ(t.q(), (codes{1, 0, 1, 0}));
}

// ---------------------------------------------------------------- 74LS273

const std::vector<int> k273Q{2, 5, 6, 9, 12, 15, 16, 19};
const std::vector<int> k273D{3, 4, 7, 8, 13, 14, 17, 18};

int add_273(circuit& c) {
    const int chip = c.add_powered("74LS273");
    c.drive(chip, kClear, kHigh);
    return chip;
}

// Q1 -> D2 -> ... -> Q7 -> D8 inside one package.
void chain_inside(circuit& c, int chip) {
    for (int k = 0; k + 1 < 8; ++k) c.wire(chip, k273Q[k], chip, k273D[k + 1]);
}

TEST(Ls273, NewCircuitShowsAllOnesUntilTheFirstEdge) {
    circuit c;
    const int chip = add_273(c);
    for (int pin : k273D) c.drive(chip, pin, kLow);
    c.drive(chip, kClk, kHigh);
    c.sim(2);
    EXPECT_EQ(read(c, chip, k273Q), codes(8, kHigh));
    clock_period(c, chip, kClk);
    EXPECT_EQ(read(c, chip, k273Q), codes(8, kLow));
}

TEST(Ls273, DataArrivingWithTheEdgeIsTakenAtTheNextEdge) {
    circuit c;
    const int chip = add_273(c);
    for (int pin : k273D) c.drive(chip, pin, kLow);
    c.drive(chip, kClk, kLow);
    c.sim();
    c.drive(chip, 3, kHigh);
    c.drive(chip, kClk, kHigh);
    c.sim();
    EXPECT_EQ(c.at(chip, 2), kLow);
    clock_period(c, chip, kClk);
    EXPECT_EQ(c.at(chip, 2), kHigh);
}

TEST(Ls273, StoresTheDataCodesAsRead) {
    circuit c;
    const int chip = add_273(c);
    c.drive(chip, 3, kSupply);
    c.drive(chip, 4, kLow);  // D3 to D8 open
    c.drive(chip, kClk, kLow);
    c.sim();
    c.drive(chip, kClk, kHigh);
    c.sim();
    EXPECT_EQ(c.at(chip, 2), kSupply);
    EXPECT_EQ(c.at(chip, 5), kLow);
    EXPECT_EQ(c.at(chip, 6), kFloating);
    EXPECT_EQ(c.state(chip, 19), kFloating);
}

// Sixteen stages: chip A's eight in a chain, A's Q8 into chip B's D1, B's eight
// in a chain. The parameter puts B before or after A in the pass.
class Ls273Chain : public ::testing::TestWithParam<bool> {};

TEST_P(Ls273Chain, EveryEdgeMovesEveryBitOneStage) {
    circuit c;
    int a = 0;
    int b = 0;
    if (GetParam()) {
        a = add_273(c);
        b = add_273(c);
    } else {
        b = add_273(c);
        a = add_273(c);
    }
    chain_inside(c, a);
    chain_inside(c, b);
    c.wire(a, 19, b, 3);
    c.wire(a, kClk, b, kClk);
    c.wire(a, kClear, b, kClear);
    c.drive(a, kClk, kHigh);
    c.drive(a, 3, kLow);
    c.sim();

    codes stages(16, kHigh);
    const codes data{1, 0, 0, 1, 0, 1, 1, 0, 0, 0, 1, 0, 1, 1, 1, 0, 0, 1};
    for (value_code bit : data) {
        c.drive(a, 3, bit);
        clock_period(c, a, kClk);
        stages.insert(stages.begin(), bit);
        stages.pop_back();
        codes now = read(c, a, k273Q);
        const codes second = read(c, b, k273Q);
        now.insert(now.end(), second.begin(), second.end());
        EXPECT_EQ(now, stages);
    }
}

INSTANTIATE_TEST_SUITE_P(EitherPassOrder, Ls273Chain, ::testing::Bool());

TEST(Ls273, PulseButtonMovesTheChainOncePerPress) {
    circuit c;
    const int chip = add_273(c);
    chain_inside(c, chip);
    c.drive(chip, 3, kLow);
    c.drive(chip, kClk, kLow);
    c.sim();
    for (int press = 1; press <= 3; ++press) {
        press_rising_button(c, chip, kClk, 3);
        codes expected(8, kHigh);
        for (int k = 0; k < press; ++k) expected[k] = kLow;
        EXPECT_EQ(read(c, chip, k273Q), expected) << "press " << press;
        release_button(c, chip, kClk, 2);
        EXPECT_EQ(read(c, chip, k273Q), expected) << "release " << press;
    }
}

// /CLR is a logic level here: a switch at 0 and the ground terminal both clear,
// at once, even in the call of a rising edge.
TEST(Ls273, ClearWinsOverTheClockAndIsALevel) {
    for (value_code clear : {kLow, kGround}) {
        circuit c;
        const int chip = add_273(c);
        for (int pin : k273D) c.drive(chip, pin, kHigh);
        c.drive(chip, kClk, kLow);
        c.sim();
        c.drive(chip, kClear, clear);
        c.drive(chip, kClk, kHigh);
        c.sim();
        EXPECT_EQ(read(c, chip, k273Q), codes(8, kLow)) << "/CLR = " << clear;
    }
}

TEST(Ls273, ReleasingClearWithTheClockHighIsNoEdge) {
    circuit c;
    const int chip = add_273(c);
    for (int pin : k273D) c.drive(chip, pin, kHigh);
    c.drive(chip, kClear, kLow);
    c.drive(chip, kClk, kHigh);
    c.sim();
    EXPECT_EQ(c.state(chip, kClk), kHigh);
    c.drive(chip, kClear, kHigh);
    c.sim();
    EXPECT_EQ(read(c, chip, k273Q), codes(8, kLow));
    clock_period(c, chip, kClk);
    EXPECT_EQ(read(c, chip, k273Q), codes(8, kHigh));
}

}  // namespace
