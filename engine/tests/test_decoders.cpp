#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "engine_harness.h"
#include "engine_tables.h"

using namespace lgsim;
using lgsim::testing::circuit;

namespace {

constexpr value_code H = kHigh, L = kLow;
constexpr int kPinA = 7, kPinB = 1, kPinC = 2, kPinD = 6;
constexpr int kLampTest = 3, kBlanking = 4, kLatchEnable = 5;
constexpr std::array<int, 7> kSegments{13, 12, 11, 10, 9, 15, 14};  // a b c d e f g

// The seven segment nodes of a chip as a string a..g, one character per code.
std::string digit(const circuit& c, int chip) {
    std::string shown;
    for (int pin : kSegments) shown += std::to_string(c.at(chip, pin));
    return shown;
}

void drive_code(circuit& c, int chip, int code, value_code high = H) {
    c.drive(chip, kPinA, code & 1 ? high : L);
    c.drive(chip, kPinB, code & 2 ? high : L);
    c.drive(chip, kPinC, code & 4 ? high : L);
    c.drive(chip, kPinD, code & 8 ? high : L);
}

struct digit_row {
    int code;
    std::string ttl;   // 74LS47
    std::string cmos;  // CD4511
};

void PrintTo(const digit_row& row, std::ostream* os) { *os << "code " << row.code; }

class DigitTable : public ::testing::TestWithParam<digit_row> {};

TEST_P(DigitTable, Ls47DecodesWithLampTestAndBlankingOpen) {
    const digit_row& row = GetParam();
    circuit c;
    const int chip = c.add_powered("74LS47");
    drive_code(c, chip, row.code);
    c.sim();
    EXPECT_EQ(digit(c, chip), row.ttl);
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(c.state(chip, kSegments[k]), row.ttl[k] - '0') << "segment " << k;
}

TEST_P(DigitTable, Cd4511DecodesWithLatchOpen) {
    const digit_row& row = GetParam();
    circuit c;
    const int chip = c.add_powered("CD4511");
    drive_code(c, chip, row.code);
    c.drive(chip, kLatchEnable, L);
    c.drive(chip, kLampTest, H);
    c.drive(chip, kBlanking, H);
    c.sim();
    EXPECT_EQ(digit(c, chip), row.cmos);
    EXPECT_EQ(c.state(chip, 17), row.code) << "the code is latched";
    for (int pin : kSegments) EXPECT_EQ(c.state(chip, pin), kNoDrive) << "no segment is stored";
}

INSTANTIATE_TEST_SUITE_P(
    Codes, DigitTable,
    ::testing::Values(digit_row{0, "1111110", "1111110"}, digit_row{1, "0110000", "0110000"},
                      digit_row{2, "1101101", "1101101"}, digit_row{3, "1111001", "1111001"},
                      digit_row{4, "0110011", "0110011"}, digit_row{5, "1011011", "1011011"},
                      digit_row{6, "1011111", "0011111"}, digit_row{7, "1110000", "1110000"},
                      digit_row{8, "1111111", "1111111"}, digit_row{9, "1111011", "1110011"},
                      digit_row{10, "1110111", "0000000"}, digit_row{11, "0011111", "0000000"},
                      digit_row{12, "1001110", "0000000"}, digit_row{13, "0111101", "0000000"},
                      digit_row{14, "1001111", "0000000"}, digit_row{15, "1000111", "0000000"}));

// Lamp test and blanking: open (-1), or a driven code.
struct control_row {
    std::string model;
    value_code lamp_test;
    value_code blanking;
    std::string shown;  // with code 6 on the inputs
};

void PrintTo(const control_row& row, std::ostream* os) {
    *os << row.model << " LT " << row.lamp_test << " BI " << row.blanking;
}

class Controls : public ::testing::TestWithParam<control_row> {};

TEST_P(Controls, LampTestAndBlanking) {
    const control_row& row = GetParam();
    circuit c;
    const int chip = c.add_powered(row.model);
    drive_code(c, chip, 6);
    c.drive(chip, kLatchEnable, L);
    if (row.lamp_test != kNoDrive) c.drive(chip, kLampTest, row.lamp_test);
    if (row.blanking != kNoDrive) c.drive(chip, kBlanking, row.blanking);
    c.sim();
    EXPECT_EQ(digit(c, chip), row.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Priorities, Controls,
    ::testing::Values(control_row{"74LS47", kNoDrive, kGround, "0000000"},
                      control_row{"74LS47", kGround, kGround, "1111111"},
                      control_row{"74LS47", L, H, "1111111"},
                      control_row{"74LS47", kSupply, kFallingEdge, "0000000"},
                      control_row{"74LS47", kNoDrive, kNoDrive, "1011111"},
                      control_row{"CD4511", L, L, "0000000"},
                      control_row{"CD4511", kGround, kNoDrive, "1111111"},
                      control_row{"CD4511", kNoDrive, kGround, "0000000"},
                      control_row{"CD4511", kNoDrive, kNoDrive, "0011111"}));

TEST(Ls47, AnswersTheValueLeftOnItsNodeWhenSegmentsShareOne) {
    // Segments a and b tied together: every evaluation writes a, then b, onto
    // the shared node, and the chip answers what the node holds, so the
    // outputs agree with each other instead of fighting.
    circuit c;
    const int chip = c.add_powered("74LS47");
    c.wire(chip, 13, chip, 12);
    drive_code(c, chip, 6);  // a lit, b dark
    c.sim();
    EXPECT_EQ(tables().pin_value(13, chip), L) << "pin a answers b's value, not a conflict";
    EXPECT_EQ(c.at(chip, 13), L);
    EXPECT_EQ(c.state(chip, 13), H) << "the memory keeps the decoded segment";
    EXPECT_EQ(c.state(chip, 12), L);
}

TEST(Ls47, DisplayEarlierInPassOrderSeesTheDecode) {
    circuit c;
    const int display = c.add_chip("BS204");
    const int chip = c.add_powered("74LS47");
    for (int k = 0; k < 7; ++k) c.wire(chip, kSegments[k], display, k + 1);
    drive_code(c, chip, 2);
    c.sim();
    std::string shown;
    for (int k = 0; k < 7; ++k) shown += std::to_string(c.at(display, k + 1));
    EXPECT_EQ(shown, "1101101");
}

// A code bit is 1 for a high or an input tied to supply; an edge event or an
// open input counts as 0.
TEST(Cd4511, CountsACodeBitForAHighOrSupply) {
    struct row {
        value_code a;
        std::string shown;
    };
    for (const row& r : {row{kHigh, "0110000"}, row{kSupply, "0110000"},
                         row{kRisingEdge, "1111110"}, row{kNoDrive, "1111110"}}) {
        circuit c;
        const int chip = c.add_powered("CD4511");
        drive_code(c, chip, 0);
        if (r.a == kNoDrive)
            c.release(chip, kPinA);  // open: reads floating (2)
        else
            c.drive(chip, kPinA, r.a);
        c.drive(chip, kLatchEnable, L);
        c.sim();
        EXPECT_EQ(digit(c, chip), r.shown) << "A driven with " << r.a;
    }
}

TEST(Cd4511, InputsTiedToSupplyAndGroundDecode) {
    circuit c;
    const int chip = c.add_powered("CD4511");
    drive_code(c, chip, 9, kSupply);
    for (int pin : {kPinB, kPinC}) c.drive(chip, pin, kGround);
    c.drive(chip, kLatchEnable, kGround);
    c.sim();
    EXPECT_EQ(digit(c, chip), "1110011") << "9";
}

TEST(Cd4511, HoldsTheLatchedDigitWhileLatchEnableIsHigh) {
    circuit c;
    const int chip = c.add_powered("CD4511");
    drive_code(c, chip, 5);
    c.drive(chip, kLatchEnable, L);
    c.sim();
    ASSERT_EQ(digit(c, chip), "1011011");

    c.drive(chip, kLatchEnable, H);
    drive_code(c, chip, 4);
    c.sim(3);
    EXPECT_EQ(digit(c, chip), "1011011") << "still 5";

    c.drive(chip, kLatchEnable, L);
    c.sim();
    EXPECT_EQ(digit(c, chip), "0110011") << "now 4";
}

TEST(Cd4511, BlankingOrLampTestLeaveTheLatchedCodeAlone) {
    for (int control : {kBlanking, kLampTest}) {
        circuit c;
        const int chip = c.add_powered("CD4511");
        drive_code(c, chip, 3);
        c.drive(chip, kLatchEnable, L);
        c.sim();
        drive_code(c, chip, 8);
        c.drive(chip, control, L);
        c.sim();
        c.release(chip, control);
        c.drive(chip, kLatchEnable, H);
        c.sim();
        EXPECT_EQ(digit(c, chip), "1111001") << "control pin " << control;
    }
}

TEST(Cd4511, NothingLatchedShowsZeroAndANewCircuitForgetsTheLatch) {
    circuit c;
    const int chip = c.add_powered("CD4511");
    drive_code(c, chip, 7);  // latch enable open reads high: latched
    c.sim();
    EXPECT_EQ(digit(c, chip), "1111110");
    EXPECT_EQ(c.state(chip, 17), kNoDrive);

    c.drive(chip, kLatchEnable, L);
    c.sim();
    c.release(chip, kLatchEnable);
    c.new_circuit = true;
    c.sim();
    EXPECT_EQ(digit(c, chip), "1111110");
}

TEST(Cd4511, OutOfRangeLatchedCodeShowsAsNothingLatched) {
    for (value_code slot : {value_code{16}, value_code{-7}, value_code{300}}) {
        circuit c;
        const int chip = c.add_powered("CD4511");
        c.sim();
        c.chip_pin_state(17, chip) = slot;
        c.sim();
        EXPECT_EQ(digit(c, chip), "1111110") << "slot " << slot;
    }
}

TEST(Cd4511, EvaluatedEarlyWithASettledAInputTakesTheOthersAsTheyStand) {
    // The inverter (chip 1) reads segment a before the pass reaches the
    // decoder. A is already settled there, so B is taken as its node stands
    // from the previous call; the digit catches up one call later.
    circuit c;
    const int reader = c.add_powered("74LS04");
    const int chip = c.add_powered("CD4511");
    const int b_driver = c.add_powered("74LS04");
    c.wire(chip, kPinA, reader, 1);
    c.wire(chip, 13, reader, 3);
    c.wire(b_driver, 2, chip, kPinB);
    c.drive(chip, kPinA, H);
    c.drive(b_driver, 1, L);  // B high: code 3, segment a lit
    c.drive(chip, kPinC, L);
    c.drive(chip, kPinD, L);
    c.drive(chip, kLatchEnable, L);
    c.sim();
    EXPECT_EQ(c.at(reader, 4), H) << "read code 1, segment a dark";
    EXPECT_EQ(c.at(chip, 13), H);
    c.sim();
    EXPECT_EQ(c.at(reader, 4), L);
}

class DecoderPower : public ::testing::TestWithParam<std::string> {};

TEST_P(DecoderPower, KindsAndPower) {
    const std::string model = GetParam();
    circuit c;
    const int chip = c.add_chip(model);
    c.connect(chip, 16, c.supply_node());  // ground pin 8 left open
    drive_code(c, chip, 8);
    c.drive(chip, kLatchEnable, L);
    c.sim();
    for (int p = 1; p <= 16; ++p) {
        const bool segment = p >= 9 && p <= 15;
        EXPECT_EQ(eval_pin(chip, p, 0), segment ? kOutputPin : kNotOutput) << "pin " << p;
        EXPECT_EQ(eval_pin(chip, p, 1), kUnpowered) << "pin " << p;
        EXPECT_EQ(c.state(chip, p), kNoDrive) << "nothing stored, pin " << p;
    }
    EXPECT_EQ(c.state(chip, 17), kNoDrive);
    for (int pin : kSegments) EXPECT_EQ(c.at(chip, pin), kUnpowered);

    circuit powered;
    const int on = powered.add_powered(model);
    powered.sim();
    for (int p : {1, 5, 8, 16}) EXPECT_EQ(eval_pin(on, p, 1), kNotOutput) << "pin " << p;
}

INSTANTIATE_TEST_SUITE_P(Decoders, DecoderPower, ::testing::Values("74LS47", "CD4511"));

}  // namespace
