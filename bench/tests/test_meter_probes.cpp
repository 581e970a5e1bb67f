// The multimeter's probes on the bench: contact wires, samples and readings.
#include <gtest/gtest.h>

#include <optional>

#include "bench_test_support.h"
#include "instruments.h"

using namespace bench;
using namespace bench::testing;

namespace {

constexpr float kVolts = 102;
constexpr float kOhms = kResistanceKind;

struct point {
    int row;
    int column;
};

constexpr point kSwitch1{36, 1};
constexpr point kClock{36, 16};
constexpr point kSupply{36, 22};
constexpr point kGround{36, 26};
constexpr point kNowhere{-1, -1};

std::vector<const wire*> contact_wires(const bench_model& bench) {
    std::vector<const wire*> found;
    for (int w = 1; w <= bench.wire_count(); ++w)
        if (bench.wire_at(w).is_contact()) found.push_back(&bench.wire_at(w));
    return found;
}

// A 74LS00 with pin 1 on (15, 10), powered: pin 14 on (14, 10) to the supply
// and pin 7 on (15, 16) to ground. Its inputs are left open.
struct nand_on_board : ::testing::Test {
    void SetUp() override {
        chip = place_chip(bench, "74LS00", 14, 10);
        connect(bench, 36, 22, 13, 10);
        connect(bench, 36, 26, 16, 16);
    }
    void probes_on(point red, point black) {
        tools.set_down_probe_at(instrument::meter, kRedProbe, red.row, red.column);
        tools.set_down_probe_at(instrument::meter, kBlackProbe, black.row, black.column);
    }
    bench_model bench;
    instruments tools{bench};
    int chip = 0;
};

struct voltage_case {
    const char* what;
    point red;
    std::optional<point> black;  // nothing: never set down
    bool power;
    double reading;
};

class VoltageReading : public nand_on_board, public ::testing::WithParamInterface<voltage_case> {};

TEST_P(VoltageReading, TenSamplesWhileTheClockTurns) {
    const voltage_case& c = GetParam();
    bench.press_switch(1);
    if (c.power) power_on(bench);
    tools.set_down_probe_at(instrument::meter, kRedProbe, c.red.row, c.red.column);
    if (c.black) tools.set_down_probe_at(instrument::meter, kBlackProbe, c.black->row, c.black->column);
    EXPECT_DOUBLE_EQ(tools.measure(kVolts), c.reading) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Meter, VoltageReading,
    ::testing::Values(
        voltage_case{"switch on against ground", kSwitch1, kGround, true, 5},
        voltage_case{"clock against ground: 2.5 on average, shown as 4", kClock, kGround, true, 4},
        voltage_case{"ground against supply: every sample -5", kGround, kSupply, true, -5},
        voltage_case{"clock against supply: no sample above 0", kClock, kSupply, true, -2.5},
        voltage_case{"a chip's open input against ground", {17, 11}, kGround, true, 4.9},
        voltage_case{"a hole wired to the supply against ground", {12, 10}, kGround, true, 5},
        voltage_case{"the chip's ground pin against the supply", {18, 16}, kSupply, true, -5},
        voltage_case{"power off", kSwitch1, kGround, false, 0},
        voltage_case{"black probe never set down", kSwitch1, std::nullopt, true, 0},
        voltage_case{"black probe set down away from every point", kSwitch1, kNowhere, true, 0},
        voltage_case{"an empty hole: no reading", {3, 40}, kGround, true, 0}));

TEST_F(nand_on_board, ResistanceIsContinuityOfTheTwoNodes) {
    connect(bench, 5, 40, 36, 3);
    probes_on({7, 40}, {36, 3});
    EXPECT_EQ(tools.measure(kOhms), 0) << "both on one wired node";
    probes_on({7, 40}, {8, 41});
    EXPECT_EQ(tools.measure(kOhms), kOpenCircuitOhms);
    power_on(bench);
    probes_on({9, 40}, {36, 3});
    EXPECT_EQ(tools.measure(kOhms), 0) << "the power plays no part";
}

TEST_F(nand_on_board, ProbesOnNoPointReadOpenCircuit) {
    tools.set_down_probe_at(instrument::meter, kRedProbe, 7, 40);
    EXPECT_EQ(tools.measure(kOhms), kOpenCircuitOhms) << "black probe never set down";
    probes_on(kNowhere, kNowhere);
    EXPECT_EQ(tools.measure(kOhms), kOpenCircuitOhms) << "both probes set down away from every point";
}

TEST_F(nand_on_board, ContinuityFollowsWiresDrawnAfterTheDrop) {
    probes_on({7, 40}, {7, 50});
    ASSERT_EQ(tools.measure(kOhms), kOpenCircuitOhms);
    const int w = connect(bench, 5, 40, 5, 50);
    EXPECT_EQ(tools.measure(kOhms), 0);
    bench.remove_wire(w);
    bench.node_numbering();
    EXPECT_EQ(tools.measure(kOhms), kOpenCircuitOhms);
}

TEST_F(nand_on_board, ContactWiresOnlyForProbesOnAPoint) {
    const int drawn = bench.wire_count();
    tools.set_down_probe_at(instrument::meter, kBlackProbe, 19, 12);
    ASSERT_EQ(bench.wire_count(), drawn + 1) << "the red probe was never set down";
    const wire& contact = bench.wire_at(drawn + 1);
    EXPECT_TRUE(contact.points.empty());
    EXPECT_EQ(contact.start_row, 19);
    EXPECT_EQ(contact.end_column, 12);
    const probe_contact& black = tools.probe(instrument::meter, kBlackProbe);
    EXPECT_EQ(black.node, contact.node);
    EXPECT_EQ(black.chip, chip) << "the probe touches pin 3's strip";
    EXPECT_EQ(black.pin, 3);
    EXPECT_FALSE(tools.probe(instrument::meter, kRedProbe).on_point());

    tools.set_down_probe_at(instrument::meter, kRedProbe, -1, -1);
    EXPECT_EQ(contact_wires(bench).size(), 1u) << "one contact wire for the one probe on a point";
}

TEST_F(nand_on_board, LiftingAnyProbeTakesEveryContactWireAndADropBringsThemBack) {
    const int drawn = bench.wire_count();
    probes_on({7, 40}, kGround);
    tools.set_down_probe_at(instrument::scope, kRedProbe, 36, 16);
    ASSERT_EQ(contact_wires(bench).size(), 3u);
    tools.lift_probes();
    EXPECT_EQ(bench.wire_count(), drawn);
    EXPECT_TRUE(contact_wires(bench).empty());
    tools.set_down_probe_at(instrument::meter, kRedProbe, 8, 40);
    const auto contacts = contact_wires(bench);
    ASSERT_EQ(contacts.size(), 3u) << "the oscilloscope's probe is still on its point";
    EXPECT_EQ(contacts[2]->start_column, 16);
    EXPECT_EQ(bench.wire_count(), drawn + 3) << "no contact wire twice";
}

TEST_F(nand_on_board, ADropHitTestsTheBoardPosition) {
    const board_point p = point_position(20, 30);
    const hit h = tools.set_down_probe(instrument::meter, kRedProbe, p.x + 40, p.y - 40);
    EXPECT_EQ(h.row, 20);
    EXPECT_EQ(h.column, 30);
    EXPECT_EQ(h.at.x, p.x);
    EXPECT_EQ(tools.probe(instrument::meter, kRedProbe).row, 20);
    const hit miss = tools.set_down_probe(instrument::meter, kRedProbe, p.x + 56, p.y);
    EXPECT_EQ(miss.row, -1);
    EXPECT_FALSE(tools.probe(instrument::meter, kRedProbe).on_point());
}

TEST(Volts, OfEachValueCode) {
    EXPECT_EQ(volts_of(lgsim::kHigh), 5);
    EXPECT_EQ(volts_of(lgsim::kSupply), 5);
    EXPECT_EQ(volts_of(lgsim::kFloating), 4.9);
    EXPECT_EQ(volts_of(lgsim::kRisingEdge), 0);
    EXPECT_EQ(volts_of(lgsim::kGround), 0);
    EXPECT_EQ(volts_of(lgsim::kOutputConflict), 0);
    EXPECT_FALSE(volts_of(lgsim::kNoDrive));
    EXPECT_FALSE(volts_of(lgsim::kUnpowered));
}

}  // namespace
