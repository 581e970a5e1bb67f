#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "engine_harness.h"
#include "engine_tables.h"

using namespace lgsim;
using lgsim::testing::circuit;

namespace {

constexpr value_code H = kHigh, L = kLow;
constexpr value_code kOpen = kNoDrive;  // the pin is left unconnected

using drives = std::vector<std::pair<int, value_code>>;  // pin, code; other pins open
using answers = std::vector<std::pair<int, value_code>>;  // output pin, expected node value

struct truth_row {
    std::string model;
    drives inputs;
    answers outputs;
};

void PrintTo(const truth_row& row, std::ostream* os) {
    *os << row.model;
    for (auto [pin, code] : row.inputs) *os << " " << pin << "=" << code;
}

class Truth : public ::testing::TestWithParam<truth_row> {};

TEST_P(Truth, Outputs) {
    const truth_row& row = GetParam();
    circuit c;
    const int chip = c.add_powered(row.model);
    for (auto [pin, code] : row.inputs)
        if (code != kOpen) c.drive(chip, pin, code);
    c.sim();
    for (auto [pin, expected] : row.outputs) {
        EXPECT_EQ(c.at(chip, pin), expected) << "pin " << pin;
        EXPECT_EQ(c.state(chip, pin), expected) << "stored, pin " << pin;
    }
}

// 74LS125: data, then enable, per buffer.
truth_row buffer_row(int data_pin, int enable_pin, int output, value_code data, value_code enable,
                     value_code expected) {
    return {"74LS125", {{data_pin, data}, {enable_pin, enable}}, {{output, expected}}};
}

INSTANTIATE_TEST_SUITE_P(
    Ls125, Truth,
    ::testing::Values(buffer_row(2, 1, 3, H, L, H), buffer_row(2, 1, 3, L, kGround, L),
                      buffer_row(2, 1, 3, kSupply, kGround, kSupply),
                      buffer_row(2, 1, 3, kGround, L, kGround),
                      buffer_row(2, 1, 3, kRisingEdge, L, kRisingEdge),
                      buffer_row(2, 1, 3, kOpen, L, kFloating),
                      buffer_row(2, 1, 3, H, kOpen, kFloating),
                      buffer_row(2, 1, 3, L, H, kFloating),
                      buffer_row(2, 1, 3, L, kSupply, kFloating),
                      buffer_row(5, 4, 6, H, L, H), buffer_row(5, 4, 6, H, H, kFloating),
                      buffer_row(9, 10, 8, H, L, H), buffer_row(9, 10, 8, H, H, kFloating),
                      buffer_row(12, 13, 11, L, L, L), buffer_row(12, 13, 11, L, H, kFloating)));

// 74LS138: A 1, B 2, C 3, G1 6, G2A 4, G2B 5; Y0..Y7 on 15, 14, 13, 12, 11, 10, 9, 7.
truth_row decoder_row(int cba, value_code g1, value_code g2a, value_code g2b, int low_output) {
    const int outputs[] = {15, 14, 13, 12, 11, 10, 9, 7};
    truth_row row{"74LS138",
                  {{1, cba & 1 ? H : L}, {2, cba & 2 ? H : L}, {3, cba & 4 ? H : L},
                   {6, g1}, {4, g2a}, {5, g2b}},
                  {}};
    for (int k = 0; k < 8; ++k) row.outputs.push_back({outputs[k], k == low_output ? L : H});
    return row;
}

INSTANTIATE_TEST_SUITE_P(
    Ls138, Truth,
    ::testing::Values(decoder_row(0, H, L, L, 0), decoder_row(1, H, L, L, 1),
                      decoder_row(2, H, L, L, 2), decoder_row(3, H, L, L, 3),
                      decoder_row(4, H, L, L, 4), decoder_row(5, H, L, L, 5),
                      decoder_row(6, H, L, L, 6), decoder_row(7, H, L, L, 7),
                      decoder_row(5, kSupply, kGround, kGround, 5),
                      decoder_row(5, L, L, L, -1), decoder_row(5, H, H, L, -1),
                      decoder_row(5, H, L, H, -1), decoder_row(5, kOpen, L, L, 5),
                      decoder_row(5, H, kOpen, L, -1)));

// 74LS148: EI 5; inputs 0..7 on 10, 11, 12, 13, 1, 2, 3, 4; A0 9, A1 7, A2 6, GS 14, EO 15.
truth_row encoder_row(value_code enable_in, std::vector<int> low_inputs, int a2a1a0, value_code gs,
                      value_code eo) {
    const int inputs[] = {10, 11, 12, 13, 1, 2, 3, 4};
    truth_row row{"74LS148", {{5, enable_in}}, {}};
    for (int k = 0; k < 8; ++k) {
        const bool low = std::find(low_inputs.begin(), low_inputs.end(), k) != low_inputs.end();
        row.inputs.push_back({inputs[k], low ? L : H});
    }
    row.outputs = {{9, a2a1a0 & 1 ? H : L},
                   {7, a2a1a0 & 2 ? H : L},
                   {6, a2a1a0 & 4 ? H : L},
                   {14, gs},
                   {15, eo}};
    return row;
}

INSTANTIATE_TEST_SUITE_P(
    Ls148, Truth,
    ::testing::Values(encoder_row(L, {5, 2}, 0b010, L, H), encoder_row(L, {}, 0b111, H, L),
                      encoder_row(L, {0}, 0b111, L, H), encoder_row(L, {7, 0}, 0b000, L, H),
                      encoder_row(L, {1}, 0b110, L, H), encoder_row(L, {3, 1}, 0b100, L, H),
                      encoder_row(kGround, {6}, 0b001, L, H),
                      encoder_row(H, {5, 2}, 0b111, H, H), encoder_row(H, {}, 0b111, H, H),
                      encoder_row(kOpen, {4}, 0b111, H, H)));

// 74LS151: A 11, B 10, C 9, G 7; D0..D7 on 4, 3, 2, 1, 15, 14, 13, 12; Y 5, W 6.
truth_row selector_row(value_code strobe, int cba, std::vector<std::pair<int, value_code>> data,
                       value_code y, value_code w) {
    const int data_pins[] = {4, 3, 2, 1, 15, 14, 13, 12};
    truth_row row{"74LS151",
                  {{11, cba & 1 ? H : L}, {10, cba & 2 ? H : L}, {9, cba & 4 ? H : L}, {7, strobe}},
                  {{5, y}, {6, w}}};
    for (auto [k, code] : data) row.inputs.push_back({data_pins[k], code});
    return row;
}

// Every data input but the selected one carries the opposite of the selected one.
truth_row selects(int k, value_code selected) {
    std::vector<std::pair<int, value_code>> data;
    for (int d = 0; d < 8; ++d) data.push_back({d, d == k ? selected : (selected == H ? L : H)});
    return selector_row(L, k, data, selected, selected == H ? L : H);
}

INSTANTIATE_TEST_SUITE_P(
    Ls151, Truth,
    ::testing::Values(selects(0, H), selects(1, L), selects(2, H), selects(3, L), selects(4, H),
                      selects(5, L), selects(6, H), selects(7, L), selects(7, H), selects(0, L),
                      selector_row(L, 3, {{3, kOpen}}, kFloating, L),
                      selector_row(L, 6, {{6, kSupply}}, kSupply, L),
                      selector_row(L, 6, {{6, kFallingEdge}}, kFallingEdge, H),
                      selector_row(kGround, 2, {{2, kGround}}, kGround, H),
                      selector_row(H, 3, {{3, H}}, L, H),
                      selector_row(kOpen, 3, {{3, H}}, L, H)));

// 74LS153: A 14, B 2; section 1 strobe 1, C0..C3 on 6, 5, 4, 3, output 7;
// section 2 strobe 15, C0..C3 on 10, 11, 12, 13, output 9.
truth_row dual_row(int section, value_code strobe, int ba, value_code selected, value_code others,
                   value_code expected) {
    const int data[2][4] = {{6, 5, 4, 3}, {10, 11, 12, 13}};
    const int strobe_pin = section == 1 ? 1 : 15;
    const int output = section == 1 ? 7 : 9;
    truth_row row{"74LS153", {{14, ba & 1 ? H : L}, {2, ba & 2 ? H : L}, {strobe_pin, strobe}},
                  {{output, expected}}};
    for (int k = 0; k < 4; ++k) row.inputs.push_back({data[section - 1][k], k == ba ? selected : others});
    return row;
}

INSTANTIATE_TEST_SUITE_P(
    Ls153, Truth,
    ::testing::Values(dual_row(1, L, 0, H, L, H), dual_row(1, L, 1, H, L, H),
                      dual_row(1, L, 2, H, L, H), dual_row(1, L, 3, H, L, H),
                      dual_row(1, L, 2, L, H, L), dual_row(2, L, 0, L, H, L),
                      dual_row(2, L, 1, H, L, H), dual_row(2, L, 2, H, L, H),
                      dual_row(2, L, 3, L, H, L),
                      dual_row(1, L, 3, kSupply, L, H), dual_row(2, L, 1, kOpen, L, H),
                      dual_row(2, L, 0, kFallingEdge, H, L), dual_row(1, H, 0, H, H, L),
                      dual_row(2, kOpen, 2, H, H, L), dual_row(2, kSupply, 2, H, H, L)));

// 74LS183: adder 1 A 1, B 3, carry in 4, carry 5, sum 6; adder 2 A 13, B 12,
// carry in 11, sum 8, carry 10.
truth_row adder_row(int adder, int abc) {
    const int ones = (abc & 1) + (abc >> 1 & 1) + (abc >> 2 & 1);
    const value_code sum = ones % 2 == 1 ? H : L;
    const value_code carry = ones >= 2 ? H : L;
    const value_code a = abc & 4 ? H : L, b = abc & 2 ? H : L, carry_in = abc & 1 ? H : L;
    if (adder == 1) return {"74LS183", {{1, a}, {3, b}, {4, carry_in}}, {{6, sum}, {5, carry}}};
    return {"74LS183", {{13, a}, {12, b}, {11, carry_in}}, {{8, sum}, {10, carry}}};
}

std::vector<truth_row> full_adder_table() {
    std::vector<truth_row> rows;
    for (int adder : {1, 2})
        for (int abc = 0; abc < 8; ++abc) rows.push_back(adder_row(adder, abc));
    rows.push_back({"74LS183", {{1, kSupply}, {3, kOpen}, {4, kGround}}, {{6, L}, {5, H}}});
    rows.push_back({"74LS183", {{13, kFallingEdge}, {12, kRisingEdge}, {11, L}}, {{8, H}, {10, L}}});
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Ls183, Truth, ::testing::ValuesIn(full_adder_table()));

// Pin kinds and power, for the whole family.
struct package_row {
    std::string model;
    int pins;
    int ground;
    int supply;
    std::vector<int> outputs;
};

void PrintTo(const package_row& row, std::ostream* os) { *os << row.model; }

class Package : public ::testing::TestWithParam<package_row> {};

TEST_P(Package, KindsDoNotDependOnPower) {
    const package_row& row = GetParam();
    circuit c;
    const int chip = c.add_chip(row.model);
    c.sim();
    for (int p = 1; p <= row.pins; ++p) {
        const bool output = std::find(row.outputs.begin(), row.outputs.end(), p) != row.outputs.end();
        EXPECT_EQ(eval_pin(chip, p, 0), output ? kOutputPin : kNotOutput) << "pin " << p;
    }
}

TEST_P(Package, UnpoweredAnswersElevenAndStoresNothing) {
    const package_row& row = GetParam();
    for (bool supply_only : {true, false}) {
        circuit c;
        const int chip = c.add_chip(row.model);
        if (supply_only)
            c.connect(chip, row.supply, c.supply_node());
        else
            c.connect(chip, row.ground, c.ground_node());
        c.sim();
        for (int p = 1; p <= row.pins; ++p) {
            EXPECT_EQ(eval_pin(chip, p, 1), kUnpowered) << "pin " << p;
            EXPECT_EQ(c.state(chip, p), kNoDrive) << "pin " << p;
        }
        for (int p : row.outputs) EXPECT_EQ(c.at(chip, p), kUnpowered) << "pin " << p;
    }
}

TEST_P(Package, PoweredNonOutputAnswersSeven) {
    const package_row& row = GetParam();
    circuit c;
    const int chip = c.add_powered(row.model);
    c.sim();
    for (int p = 1; p <= row.pins; ++p) {
        if (std::find(row.outputs.begin(), row.outputs.end(), p) != row.outputs.end()) continue;
        EXPECT_EQ(eval_pin(chip, p, 1), kNotOutput) << "pin " << p;
        EXPECT_EQ(c.state(chip, p), kNoDrive) << "pin " << p;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Family, Package,
    ::testing::Values(package_row{"74LS125", 14, 7, 14, {3, 6, 8, 11}},
                      package_row{"74LS138", 16, 8, 16, {15, 14, 13, 12, 11, 10, 9, 7}},
                      package_row{"74LS148", 16, 8, 16, {9, 7, 6, 14, 15}},
                      package_row{"74LS151", 16, 8, 16, {5, 6}},
                      package_row{"74LS153", 16, 8, 16, {7, 9}},
                      package_row{"74LS183", 14, 7, 14, {5, 6, 8, 10}}));

}  // namespace

TEST(Ls125, PassesTheCodeOfAnUnpoweredDriver) {
    circuit c;
    const int dead = c.add_chip("74LS04");
    const int buffer = c.add_powered("74LS125");
    c.wire(dead, 2, buffer, 2);
    c.drive(buffer, 1, L);
    c.sim();
    EXPECT_EQ(c.at(buffer, 3), kUnpowered);
}

// Two buffers whose outputs share one node, as on a bus.
struct shared_output {
    circuit c;
    int first = 0, second = 0;
    shared_output() {
        first = c.add_powered("74LS125");
        second = c.add_powered("74LS125");
        c.wire(first, 3, second, 3);
    }
    void set(int chip, value_code data, value_code enable) {
        c.drive(chip, 2, data);
        c.drive(chip, 1, enable);
    }
};

TEST(Ls125, EnabledOutputsDrivingOppositeLevelsConflict) {
    shared_output bus;
    bus.set(bus.first, H, L);
    bus.set(bus.second, L, L);
    bus.c.sim(2);
    EXPECT_EQ(bus.c.at(bus.first, 3), kOutputConflict);
    EXPECT_EQ(bus.c.state(bus.second, 3), L) << "the memory keeps what the buffer drove";
}

TEST(Ls125, DisabledOutputTakesPartInNoConflict) {
    struct row {
        value_code first_enable, second_enable;
    };
    for (const row& r : {row{L, H}, row{H, L}, row{H, H}}) {
        shared_output bus;
        bus.set(bus.first, H, r.first_enable);
        bus.set(bus.second, L, r.second_enable);
        bus.c.sim(2);
        const value_code node = bus.c.at(bus.first, 3);
        EXPECT_NE(node, kOutputConflict) << r.first_enable << " " << r.second_enable;
        EXPECT_NE(node, kExternalConflict);
    }
}

TEST(Ls125, OutsideDriveConflictsOnlyWithAnEnabledOutput) {
    circuit c;
    const int buffer = c.add_powered("74LS125");
    c.drive(buffer, 2, H);
    c.drive(buffer, 3, L);  // a switch on the output
    c.drive(buffer, 1, L);
    c.sim();
    EXPECT_EQ(c.at(buffer, 3), kExternalConflict);
    c.drive(buffer, 1, H);
    c.sim();
    EXPECT_NE(c.at(buffer, 3), kExternalConflict);
}

TEST(Ls151, SelectedInputDrivenByALaterChipIsEvaluatedOnDemand) {
    circuit c;
    const int selector = c.add_powered("74LS151");
    const int inverter = c.add_powered("74LS04");
    c.wire(inverter, 2, selector, 13);  // D6
    c.drive(inverter, 1, L);
    c.drive(selector, 11, L);
    c.drive(selector, 10, H);
    c.drive(selector, 9, H);
    c.drive(selector, 7, L);
    c.sim();
    EXPECT_EQ(c.state(selector, 5), H);
    EXPECT_EQ(c.state(selector, 6), L);
}
