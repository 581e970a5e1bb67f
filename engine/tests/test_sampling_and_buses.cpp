// The details of sampled synchronous inputs and of three-state buses that a
// whole circuit hides: inputs never sampled, what a sample read sees, the
// order of a bus's drivers, and reads that run back into the reading chip.
#include <gtest/gtest.h>

#include "clocking.h"
#include "engine_harness.h"
#include "engine_tables.h"

using namespace lgsim;
using lgsim::testing::circuit;

namespace {

// ---------------------------------------------------------------- sampling

// An edge code on the clock at the first call after a new circuit: J and K
// were never sampled, so the edge changes nothing.
TEST(Sampling, JkEdgeWithoutASampleDoesNothing) {
    struct jk {
        const char* model;
        int clock, j, k, q, not_q;
        value_code edge;
        std::vector<std::pair<int, value_code>> others;
    };
    for (const jk& m : {jk{"74LS112", 1, 3, 2, 5, 6, kFallingEdge, {}},
                        jk{"CD4027", 13, 10, 11, 15, 14, kRisingEdge, {{9, kLow}, {12, kLow}}}}) {
        circuit c;
        const int chip = c.add_powered(m.model);
        for (auto [pin, code] : m.others) c.drive(chip, pin, code);
        c.drive(chip, m.j, kHigh);
        c.drive(chip, m.k, kHigh);
        c.drive(chip, m.clock, m.edge);
        c.sim();
        EXPECT_EQ(c.at(chip, m.q), kHigh) << m.model << ": no toggle from the start state";
        EXPECT_EQ(c.at(chip, m.not_q), kLow) << m.model;
        EXPECT_EQ(c.state(chip, m.j), kHigh) << m.model << ": sampled for the next edge";
        c.sim();
        EXPECT_EQ(c.at(chip, m.q), kLow) << m.model << ": the next edge code toggles";
    }
}

// Every powered evaluation samples, also while clear is active: J and K set
// during a clear act at the first edge after it.
TEST(Sampling, JkSamplesWhileCleared) {
    circuit c;
    const int chip = c.add_powered("74LS112");
    c.drive(chip, 1, kHigh);
    c.drive(chip, 15, kLow);  // /CLR
    c.drive(chip, 3, kHigh);  // J
    c.drive(chip, 2, kLow);   // K
    c.sim();
    ASSERT_EQ(c.at(chip, 5), kLow);
    c.drive(chip, 15, kHigh);
    c.drive(chip, 3, kLow);
    c.drive(chip, 1, kLow);  // the edge comes with the release and with J's fall
    c.sim();
    EXPECT_EQ(c.at(chip, 5), kHigh) << "J = 1, K = 0 as sampled during the clear";
}

// A 74LS273 stage whose data slot was never stored keeps its stored output.
TEST(Sampling, Ls273StageWithoutASampleKeepsItsOutput) {
    circuit c;
    const int chip = c.add_powered("74LS273");
    c.drive(chip, 1, kHigh);
    c.drive(chip, 3, kHigh);  // D1
    c.drive(chip, 4, kHigh);  // D2
    c.drive(chip, 11, kLow);
    c.sim();
    c.new_circuit = false;
    c.chip_pin_state(2, chip) = kLow;     // Q1 stored low
    c.chip_pin_state(3, chip) = kNoDrive;  // D1 never sampled
    c.chip_pin_state(5, chip) = kLow;     // Q2 stored low, D2 sampled high
    c.drive(chip, 11, kHigh);
    c.sim();
    EXPECT_EQ(c.at(chip, 2), kLow) << "no sample: Q1 kept";
    EXPECT_EQ(c.at(chip, 5), kHigh) << "Q2 takes its sample";
}

// A 74LS160 or 74LS194 whose load inputs were sampled except one data input:
// no load at the edge.
TEST(Sampling, LoadWithADataInputNeverSampledDoesNotLoad) {
    struct reg {
        const char* model;
        std::vector<std::pair<int, value_code>> load_mode;
        int clock;
        int first_output;
    };
    for (const reg& r : {reg{"74LS160", {{9, kLow}}, 2, 14}, reg{"74LS194", {{9, kHigh}, {10, kHigh}}, 11, 15}}) {
        circuit c;
        const int chip = c.add_powered(r.model);
        for (auto [pin, code] : r.load_mode) c.drive(chip, pin, code);
        for (int pin : {3, 4, 5, 6}) c.drive(chip, pin, kHigh);
        c.drive(chip, r.clock, kLow);
        c.sim(2);
        c.chip_pin_state(4, chip) = kNoDrive;  // B never sampled
        c.drive(chip, r.clock, kHigh);
        c.sim();
        EXPECT_EQ(c.at(chip, r.first_output), kLow) << r.model << ": no load";
        c.drive(chip, r.clock, kLow);
        c.sim();
        c.drive(chip, r.clock, kHigh);
        c.sim();
        EXPECT_EQ(c.at(chip, r.first_output), kHigh) << r.model << ": the next edge loads";
    }
}

// The 74LS160's RCO into its own ENT: ENT is read before RCO's node is
// settled, so it sees RCO as it stood before the evaluation. A loaded 9 with
// RCO low before it therefore keeps RCO low and holds.
TEST(Sampling, Ls160EntFedFromItsOwnRcoSeesTheOldRco) {
    circuit c;
    const int chip = c.add_powered("74LS160");
    c.wire(chip, 15, chip, 10);
    c.drive(chip, 7, kHigh);
    c.drive(chip, 9, kLow);
    for (auto [pin, code] : {std::pair{3, kHigh}, {4, kLow}, {5, kLow}, {6, kHigh}}) c.drive(chip, pin, code);
    c.drive(chip, 2, kLow);
    c.sim();
    lgsim::testing::clock_period(c, chip, 2);
    ASSERT_EQ(c.at(chip, 14), kHigh);
    ASSERT_EQ(c.at(chip, 11), kHigh);
    EXPECT_EQ(c.at(chip, 15), kLow);
    c.drive(chip, 9, kHigh);
    lgsim::testing::clock_periods(c, chip, 2, 3);
    EXPECT_EQ(c.at(chip, 14), kHigh) << "held at 9: ENT is low";
    EXPECT_EQ(c.at(chip, 11), kHigh);
    EXPECT_EQ(c.at(chip, 15), kLow);
}

// A 74LS192 whose UP comes from its own QA through an inverter placed before
// it: reading UP evaluates the counter again through the inverter, and that
// nested evaluation stores UP's slot. The edge is detected against the slot
// as it stands after UP and DOWN are read, so the first call already sees
// UP's rise from the nested evaluation's 0.
TEST(Sampling, Ls192EdgeComparedWithTheSlotAfterItsReads) {
    circuit c;
    const int gate = c.add_powered("74LS04");
    const int chip = c.add_powered("74LS192");
    c.drive(chip, 14, kLow);
    c.drive(chip, 11, kHigh);
    c.drive(chip, 4, kHigh);
    c.wire(chip, 3, gate, 1);
    c.wire(gate, 2, chip, 5);
    c.sim();
    EXPECT_EQ(c.at(chip, 3), kHigh);
    EXPECT_EQ(c.at(chip, 2), kLow);
}

// ---------------------------------------------------------------- buses

// Two outputs on one line with a reader: whatever order the pass meets them
// in, the line is the enabled driver's. Buffers: output 3, data 2, enable 1.
TEST(Bus, ADisabledBufferNeverHidesTheEnabledOne) {
    for (int order = 0; order < 6; ++order) {
        circuit c;
        int disabled = 0, enabled = 0, reader = 0;
        const char* roles[6][3] = {{"d", "e", "r"}, {"d", "r", "e"}, {"e", "d", "r"},
                                   {"e", "r", "d"}, {"r", "d", "e"}, {"r", "e", "d"}};
        for (const char* role : roles[order]) {
            if (*role == 'd') disabled = c.add_powered("74LS125");
            if (*role == 'e') enabled = c.add_powered("74LS125");
            if (*role == 'r') reader = c.add_powered("74LS04");
        }
        c.wire(enabled, 3, disabled, 3);
        c.wire(enabled, 3, reader, 1);
        c.drive(disabled, 1, kHigh);
        c.drive(disabled, 2, kHigh);
        c.drive(enabled, 1, kLow);
        for (value_code data : {kLow, kHigh, kLow}) {
            c.drive(enabled, 2, data);
            c.sim();
            EXPECT_EQ(c.at(reader, 1), data) << "order " << order;
            EXPECT_EQ(c.at(reader, 2), 1 - data) << "order " << order;
        }
    }
}

// Every driver released: the line floats, and a floating input reads high.
TEST(Bus, AllDriversReleasedLeaveTheLineFloating) {
    circuit c;
    const int reader = c.add_powered("74LS04");
    const int a = c.add_powered("74LS125");
    const int b = c.add_powered("74LS125");
    c.wire(a, 3, b, 3);
    c.wire(a, 3, reader, 1);
    c.drive(a, 1, kHigh);
    c.drive(b, 1, kHigh);
    c.sim();
    EXPECT_EQ(c.at(reader, 1), kFloating);
    EXPECT_EQ(c.at(reader, 2), kLow);
}

// An enabled buffer passing an open input answers 2 as well: it has released
// the line, and the next driver takes it.
TEST(Bus, ABufferPassingAnOpenInputReleasesTheLine) {
    circuit c;
    const int reader = c.add_powered("74LS04");
    const int open = c.add_powered("74LS125");
    const int driving = c.add_powered("74LS125");
    c.wire(open, 3, driving, 3);
    c.wire(open, 3, reader, 1);
    c.drive(open, 1, kLow);  // enabled, data open
    c.drive(driving, 1, kLow);
    c.drive(driving, 2, kLow);
    c.sim();
    EXPECT_EQ(c.at(reader, 1), kLow);
    EXPECT_EQ(c.at(reader, 2), kHigh);
}

// Two enabled drivers that disagree still give an output conflict.
TEST(Bus, TwoEnabledDriversThatDisagreeConflict) {
    circuit c;
    const int a = c.add_powered("74LS125");
    const int b = c.add_powered("74LS125");
    c.wire(a, 3, b, 3);
    c.drive(a, 1, kLow);
    c.drive(b, 1, kLow);
    c.drive(a, 2, kHigh);
    c.drive(b, 2, kLow);
    c.sim();
    EXPECT_EQ(c.at(a, 3), kOutputConflict);
}

}  // namespace
