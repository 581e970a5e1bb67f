#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine_harness.h"
#include "engine_tables.h"

using namespace lgsim;
using lgsim::testing::circuit;

namespace {

struct gate_case {
    std::string model;
    std::vector<int> outputs;
    int output;
    std::vector<std::pair<int, value_code>> inputs;  // pin, driven code; others open
    value_code expected;
};

void PrintTo(const gate_case& g, std::ostream* os) { *os << g.model << " pin " << g.output; }

class GateTruth : public ::testing::TestWithParam<gate_case> {};

TEST_P(GateTruth, Output) {
    const gate_case& g = GetParam();
    circuit c;
    const int chip = c.add_powered(g.model);
    for (auto [pin, code] : g.inputs) c.drive(chip, pin, code);
    c.sim();
    EXPECT_EQ(c.at(chip, g.output), g.expected);
    EXPECT_EQ(c.state(chip, g.output), g.expected);
    for (int p = 1; p <= 14; ++p) {
        const bool is_output = std::find(g.outputs.begin(), g.outputs.end(), p) != g.outputs.end();
        EXPECT_EQ(eval_pin(chip, p, 0), is_output ? kOutputPin : kNotOutput) << "pin " << p;
    }
}

const std::vector<int> kQuad{3, 6, 8, 11};
constexpr value_code H = kHigh, L = kLow;

INSTANTIATE_TEST_SUITE_P(
    Family, GateTruth,
    ::testing::Values(
        gate_case{"74LS00", kQuad, 3, {{1, H}, {2, H}}, L},
        gate_case{"74LS00", kQuad, 3, {{1, 3}, {2, kSupply}}, L},
        gate_case{"74LS00", kQuad, 3, {{1, H}, {2, L}}, H},
        gate_case{"74LS00", kQuad, 3, {{1, kFallingEdge}, {2, H}}, H},
        gate_case{"74LS00", kQuad, 8, {{9, H}, {10, kGround}}, H},
        gate_case{"74LS00", kQuad, 11, {{12, H}, {13, H}}, L},
        gate_case{"74LS02", {1, 4, 10, 13}, 1, {{2, L}, {3, L}}, H},
        gate_case{"74LS02", {1, 4, 10, 13}, 13, {{11, L}, {12, H}}, L},
        gate_case{"74LS04", {2, 4, 6, 8, 10, 12}, 8, {{9, L}}, H},
        gate_case{"74LS04", {2, 4, 6, 8, 10, 12}, 12, {{13, H}}, L},
        gate_case{"74LS08", kQuad, 6, {{4, H}, {5, H}}, H},
        gate_case{"74LS08", kQuad, 6, {{4, H}, {5, L}}, L},
        gate_case{"74LS09", kQuad, 3, {{1, H}, {2, H}}, H},
        gate_case{"74LS09", kQuad, 11, {{12, L}, {13, H}}, L},
        gate_case{"74LS11", {6, 8, 12}, 12, {{1, H}, {2, H}, {13, H}}, H},
        gate_case{"74LS11", {6, 8, 12}, 6, {{3, H}, {4, L}, {5, H}}, L},
        gate_case{"74LS20", {6, 8}, 6, {{1, H}, {2, H}, {4, H}, {5, H}, {3, L}}, L},
        gate_case{"74LS20", {6, 8}, 8, {{9, H}, {10, H}, {12, L}, {13, H}}, H},
        gate_case{"74LS27", {6, 8, 12}, 8, {{9, L}, {10, L}, {11, L}}, H},
        gate_case{"74LS27", {6, 8, 12}, 12, {{1, L}, {2, L}, {13, H}}, L},
        gate_case{"74LS30", {8}, 8, {{1, H}, {2, H}, {3, H}, {4, H}, {5, H}, {6, H}, {11, H}, {12, H}, {9, L}}, L},
        gate_case{"74LS30", {8}, 8, {{12, L}}, H},
        gate_case{"74LS32", kQuad, 3, {{1, L}, {2, L}}, L},
        gate_case{"74LS32", kQuad, 8, {{9, L}, {10, H}}, H},
        gate_case{"74LS40", {6, 8}, 8, {{9, H}, {10, H}, {12, H}, {13, H}}, L},
        gate_case{"74LS40", {6, 8}, 6, {{5, L}}, H},
        gate_case{"74LS51", {6, 8}, 6, {{2, H}, {3, H}, {4, L}, {5, L}}, L},
        gate_case{"74LS51", {6, 8}, 6, {{2, L}, {3, L}, {4, H}, {5, H}}, L},
        gate_case{"74LS51", {6, 8}, 6, {{2, L}, {3, L}, {4, L}, {5, H}}, H},
        gate_case{"74LS51", {6, 8}, 8, {{1, L}, {12, L}, {13, L}, {9, H}, {10, H}, {11, H}}, L},
        gate_case{"74LS51", {6, 8}, 8, {{1, H}, {12, H}, {13, L}, {9, H}, {10, L}, {11, H}}, H},
        gate_case{"74LS86", kQuad, 3, {{1, kGround}, {2, kSupply}}, H},
        gate_case{"74LS86", kQuad, 11, {{12, H}, {13, H}}, L},
        gate_case{"74LS86", kQuad, 8, {{9, L}, {10, L}}, L}));

}  // namespace

TEST(Gates, UnpoweredAnswersElevenEverywhere) {
    circuit c;
    const int chip = c.add_chip("74LS00");
    c.connect(chip, 14, c.supply_node());
    c.sim();
    EXPECT_EQ(eval_pin(chip, 3, 1), kUnpowered);
    EXPECT_EQ(eval_pin(chip, 1, 1), kUnpowered);
    EXPECT_EQ(eval_pin(chip, 3, 0), kOutputPin) << "the kind does not depend on power";
}

TEST(Gates, NonOutputPinAnswersSevenWhenPowered) {
    circuit c;
    const int chip = c.add_powered("74LS30");
    c.sim();
    EXPECT_EQ(eval_pin(chip, 9, 0), kNotOutput);
    EXPECT_EQ(eval_pin(chip, 9, 1), kNotOutput);
}

TEST(Gates, ReadsOnlyTheAskedGatesInputs) {
    circuit c;
    const int chip = c.add_powered("74LS00");
    const int feeder = c.add_powered("74LS04");
    c.wire(feeder, 2, chip, 4);  // gate 2's input, driven by a later chip
    c.drive(chip, 1, kHigh);
    c.drive(chip, 2, kHigh);
    c.sim();
    EXPECT_EQ(eval_pin(chip, 3, 1), kLow);
    EXPECT_EQ(c.state(chip, 6), c.at(chip, 6));
}
