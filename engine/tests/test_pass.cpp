#include <gtest/gtest.h>

#include "engine_harness.h"

using namespace lgsim;
using lgsim::testing::circuit;

TEST(Pass, OpenInputsReadFloatingAndNandGivesZero) {
    circuit c;
    const int chip = c.add_powered("74LS00");
    c.sim();
    EXPECT_EQ(c.at(chip, 1), kFloating);
    EXPECT_EQ(c.at(chip, 3), kLow);
    EXPECT_EQ(c.state(chip, 3), kLow);
}

TEST(Pass, InputOnlyNodeOfTwoInputsFloats) {
    circuit c;
    const int a = c.add_powered("74LS00");
    const int b = c.add_powered("74LS00");
    c.wire(a, 1, b, 1);
    c.sim();
    EXPECT_EQ(c.at(b, 1), kFloating);
}

TEST(Pass, OutputAgainstOutsideDriveIsTwenty) {
    circuit c;
    const int chip = c.add_powered("74LS04");
    c.drive(chip, 1, kHigh);  // output pin 2 drives 0
    c.drive(chip, 2, kHigh);
    c.sim();
    EXPECT_EQ(c.at(chip, 2), kExternalConflict);
    EXPECT_EQ(c.state(chip, 2), kLow) << "the model's memory keeps what it computed";
    c.drive(chip, 2, kLow);
    c.sim();
    EXPECT_EQ(c.at(chip, 2), kLow);
}

struct two_outputs {
    circuit c;
    int a = 0, b = 0;
    two_outputs(const char* model, int out_a, int out_b) {
        a = c.add_powered(model);
        b = c.add_powered(model);
        c.wire(a, out_a, b, out_b);
    }
};

TEST(Pass, DisagreeingOutputsGiveTwentyOneOnTheNode) {
    two_outputs t("74LS04", 2, 2);
    t.c.drive(t.a, 1, kHigh);  // a drives 0
    t.c.drive(t.b, 1, kLow);   // b drives 1
    t.c.sim();
    EXPECT_EQ(t.c.at(t.a, 2), kOutputConflict);
    t.c.sim();
    EXPECT_EQ(t.c.at(t.a, 2), kOutputConflict);
}

TEST(Pass, AgreeingOutputsFallingTogetherReadZero) {
    two_outputs t("74LS08", 3, 3);
    for (int chip : {t.a, t.b}) {
        t.c.drive(chip, 1, kHigh);
        t.c.drive(chip, 2, kHigh);
    }
    t.c.sim(2);
    EXPECT_EQ(t.c.at(t.a, 3), kHigh);
    for (int chip : {t.a, t.b}) t.c.drive(chip, 2, kLow);
    t.c.sim();
    EXPECT_EQ(t.c.at(t.a, 3), kLow);
    t.c.sim();
    EXPECT_EQ(t.c.at(t.a, 3), kLow);
}

TEST(Pass, ConflictEndsWithTheDisagreement) {
    two_outputs t("74LS08", 3, 3);
    t.c.drive(t.a, 1, kHigh);
    t.c.drive(t.a, 2, kHigh);  // a drives 1
    t.c.drive(t.b, 1, kLow);   // b drives 0
    t.c.sim();
    EXPECT_EQ(t.c.at(t.a, 3), kOutputConflict);
    t.c.drive(t.a, 2, kLow);
    t.c.sim();
    EXPECT_EQ(t.c.at(t.a, 3), kLow);
}

TEST(Pass, DisabledThreeStateTakesNoPartInConflicts) {
    // Stands in for a disabled three-state output: the caller's value 2 on an
    // output node that the pass has not yet reached is never compared.
    two_outputs t("74LS04", 2, 2);
    t.c.drive(t.a, 1, kHigh);
    t.c.drive(t.b, 1, kHigh);
    t.c.sim();
    EXPECT_EQ(t.c.at(t.a, 2), kLow);
}

// Gates 1 and 2 of one 74LS00 cross-coupled: pin 3 -> pin 5, pin 6 -> pin 2.
// Free inputs: pin 1 (/S) and pin 4 (/R).
struct rs_latch {
    circuit c;
    int chip;
    rs_latch() {
        chip = c.add_powered("74LS00");
        c.wire(chip, 3, chip, 5);
        c.wire(chip, 6, chip, 2);
    }
    void set_inputs(value_code s, value_code r) {
        c.drive(chip, 1, s);
        c.drive(chip, 4, r);
    }
};

TEST(Pass, CrossCoupledNandsLatch) {
    rs_latch l;
    l.set_inputs(kLow, kHigh);
    l.c.sim();
    EXPECT_EQ(l.c.at(l.chip, 3), kHigh);
    EXPECT_EQ(l.c.at(l.chip, 6), kLow);
    l.set_inputs(kHigh, kHigh);
    for (int k = 0; k < 5; ++k) {
        l.c.sim();
        EXPECT_EQ(l.c.at(l.chip, 3), kHigh);
        EXPECT_EQ(l.c.at(l.chip, 6), kLow);
    }
    l.set_inputs(kHigh, kLow);
    l.c.sim();
    EXPECT_EQ(l.c.at(l.chip, 3), kLow);
    EXPECT_EQ(l.c.at(l.chip, 6), kHigh);
    l.set_inputs(kHigh, kHigh);
    l.c.sim(4);
    EXPECT_EQ(l.c.at(l.chip, 3), kLow);
    EXPECT_EQ(l.c.at(l.chip, 6), kHigh);
    l.set_inputs(kLow, kLow);
    l.c.sim();
    EXPECT_EQ(l.c.at(l.chip, 3), kHigh);
    EXPECT_EQ(l.c.at(l.chip, 6), kHigh);
}

TEST(Pass, InverterOnItselfOscillates) {
    circuit c;
    const int chip = c.add_powered("74LS04");
    c.wire(chip, 2, chip, 1);
    c.sim();
    value_code previous = c.at(chip, 2);
    for (int k = 0; k < 6; ++k) {
        c.sim();
        const value_code now = c.at(chip, 2);
        EXPECT_TRUE(now == kLow || now == kHigh);
        EXPECT_NE(now, previous) << "call " << k;
        previous = now;
    }
}

TEST(Pass, NandWithBothInputsOnItsOwnOutputEnds) {
    circuit c;
    const int chip = c.add_powered("74LS00");
    c.wire(chip, 3, chip, 1);
    c.wire(chip, 3, chip, 2);
    value_code previous = -9;
    for (int k = 0; k < 8; ++k) {
        c.sim();
        const value_code now = c.at(chip, 3);
        EXPECT_TRUE(now == kLow || now == kHigh) << now;
        if (k > 0) {
            EXPECT_NE(now, previous) << "an odd loop toggles every call";
        }
        previous = now;
    }
}

TEST(Pass, OutputReadEarlierIsEvaluatedOnDemandAndAgrees) {
    circuit c;
    const int reader = c.add_powered("74LS04");  // earlier in pass order
    const int source = c.add_powered("74LS00");
    c.drive(source, 1, kHigh);
    c.drive(source, 2, kHigh);
    c.wire(source, 3, reader, 1);
    c.sim();
    EXPECT_EQ(c.at(source, 3), kLow);
    EXPECT_EQ(c.at(reader, 2), kHigh);
}

TEST(Pass, ChainSettlesInOneCall) {
    circuit c;
    int previous = c.add_powered("74LS04");
    c.drive(previous, 1, kLow);
    const int first = previous;
    for (int k = 0; k < 30; ++k) {
        const int next = c.add_powered("74LS04");
        c.wire(previous, 2, next, 1);
        previous = next;
    }
    c.sim();
    EXPECT_EQ(c.at(first, 2), kHigh);
    EXPECT_EQ(c.at(previous, 2), kHigh) << "31 inversions of 0";
}

TEST(Pass, UnpoweredChipDrivesEleven) {
    circuit c;
    const int chip = c.add_chip("74LS00");
    c.connect(chip, 14, c.supply_node());  // ground pin 7 left floating
    c.sim();
    EXPECT_EQ(c.at(chip, 3), kUnpowered);
    EXPECT_EQ(c.state(chip, 3), -1) << "nothing stored";
}

TEST(Pass, VcalIcAllAloneRunsThePassAgain) {
    circuit c;
    const int chip = c.add_powered("74LS04");
    c.drive(chip, 1, kLow);
    c.sim();
    shuzhi s;
    EXPECT_NO_THROW(s.VcalIcAll());
}
