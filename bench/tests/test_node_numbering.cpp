#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "bench_model.h"
#include "bench_test_support.h"
#include "catalogue.h"
#include "circuit_file.h"
#include "value_codes.h"

using namespace bench;
using bench::testing::connect;
using bench::testing::place_chip;

namespace {

struct strip_case {
    int row_a, column_a, row_b, column_b;
    bool one_node;
};

class StripJoins : public ::testing::TestWithParam<strip_case> {};

// Each wire runs from the point under test to a far point of its own.
TEST_P(StripJoins, WiresMeetOnlyOnTheSameStrip) {
    const strip_case c = GetParam();
    bench_model bench;
    connect(bench, c.row_a, c.column_a, 0, 60);
    connect(bench, c.row_b, c.column_b, 29, 62);
    EXPECT_EQ(bench.wire_at(1).node == bench.wire_at(2).node, c.one_node);
    EXPECT_EQ(bench.max_node_number(), c.one_node ? 1 : 2);
}

INSTANTIATE_TEST_SUITE_P(Board, StripJoins,
                         ::testing::Values(strip_case{7, 20, 9, 20, true},    // group 1, column 20
                                           strip_case{4, 20, 5, 20, false},   // groups 0 and 1
                                           strip_case{25, 3, 29, 3, true},    // last group
                                           strip_case{30, 12, 34, 12, true},  // one bus segment
                                           strip_case{30, 12, 30, 13, false},
                                           strip_case{29, 5, 30, 5, false},   // hole and bus
                                           strip_case{35, 3, 35, 4, false},   // every LED point alone
                                           strip_case{35, 3, 36, 3, false},
                                           strip_case{36, 3, 36, 4, false}));

TEST(NodeNumbering, ChainsShareTheNumberOfTheirLowestWire) {
    bench_model bench;
    connect(bench, 0, 1, 0, 2);     // 1: joined to 2 through wire 3
    connect(bench, 20, 9, 20, 9);   // 2: alone
    connect(bench, 10, 5, 10, 6);   // 3
    connect(bench, 1, 2, 11, 5);    // 4: joins 1 and 3
    EXPECT_EQ(bench.wire_at(1).node, 1);
    EXPECT_EQ(bench.wire_at(2).node, 2);
    EXPECT_EQ(bench.wire_at(3).node, 1);
    EXPECT_EQ(bench.wire_at(4).node, 1);
    EXPECT_EQ(bench.max_node_number(), 2);
}

TEST(NodeNumbering, PinsTakeTheLowestWireOnTheirStripOrANodeOfTheirOwn) {
    bench_model bench;
    const int k = place_chip(bench, "74LS00", 14, 10);  // pin 1 on (15, 10), pin 14 on (14, 10)
    connect(bench, 36, 22, 13, 10);  // supply to pin 14's strip
    connect(bench, 16, 10, 0, 0);    // pin 1's strip
    connect(bench, 19, 10, 1, 1);    // pin 1's strip again, a higher wire
    EXPECT_EQ(bench.node_of_pin(14, k), bench.wire_at(1).node);
    EXPECT_EQ(bench.node_of_pin(1, k), bench.wire_at(2).node);
    EXPECT_EQ(bench.wire_at(2).node, bench.wire_at(3).node);
    // Wires give nodes 1 and 2, the twelve free pins 3 to 14 in pin order.
    EXPECT_EQ(bench.node_of_pin(2, k), 3);
    EXPECT_EQ(bench.node_of_pin(13, k), 14);
    EXPECT_EQ(bench.max_node_number(), 14);
    // Before the first power-on every board point holds 0.
    EXPECT_EQ(bench.node_drive(1), lgsim::kLow);
    for (int n = 2; n <= bench.max_node_number(); ++n) EXPECT_EQ(bench.node_drive(n), lgsim::kNoDrive);
}

TEST(NodeNumbering, TwoPinsOnOneStripWithoutAWireAreTwoNodes) {
    bench_model bench;
    const int a = place_chip(bench, "74LS00", 24, 10);   // lower pins on row 25, group 5
    const int b = place_chip(bench, "74LS151", 21, 10);  // lower pins on row 26, group 5
    EXPECT_NE(bench.node_of_pin(1, a), bench.node_of_pin(1, b));
    connect(bench, 27, 10, 0, 0);
    EXPECT_EQ(bench.node_of_pin(1, a), bench.node_of_pin(1, b));
}

TEST(NodeNumbering, AnUnseatedChipMatchesNoWire) {
    bench_model bench;
    connect(bench, 0, 0, 5, 0);  // group 0 and 1, column 0
    const int k = bench.drop_chip(0, 3000, 3000);
    ASSERT_FALSE(bench.chip_at(k).seated());
    for (int j = 1; j <= 14; ++j) EXPECT_NE(bench.node_of_pin(j, k), bench.wire_at(1).node) << j;
    EXPECT_EQ(bench.max_node_number(), 15);
}

TEST(NodeNumbering, TheHighestNumberedWireWinsANodesDrive) {
    for (const bool supply_last : {true, false}) {
        bench_model bench;
        bench.press_switch(0);  // switch 0 up: code 1
        bench.press_power();
        if (supply_last) {
            connect(bench, 36, 0, 12, 30);
            connect(bench, 36, 22, 13, 30);
        } else {
            connect(bench, 36, 22, 13, 30);
            connect(bench, 36, 0, 12, 30);
        }
        const int node = bench.wire_at(1).node;
        ASSERT_EQ(node, bench.wire_at(2).node);
        EXPECT_EQ(bench.node_drive(node), supply_last ? lgsim::kSupply : lgsim::kHigh);
        EXPECT_EQ(bench.node_value(node), bench.node_drive(node));
    }
}

TEST(NodeNumbering, AWireBetweenTwoTerminalsTakesTheHigherColumn) {
    bench_model bench;
    bench.press_power();
    connect(bench, 36, 26, 36, 22);  // ground to supply
    EXPECT_EQ(bench.node_drive(bench.wire_at(1).node), lgsim::kGround);
}

TEST(NodeNumbering, ALongChainOfWiresNeedsNoDeepRecursion) {
    // Every wire joins the same two strips, so a recursive flood would go one
    // level deeper per wire.
    constexpr int kWires = 30000;
    QTemporaryDir folder;
    const QString path = folder.filePath("chain.cir");
    std::vector<circuit_record> records(kWires + 1);
    for (int w = 0; w < kWires; ++w) {
        records[w].record_kind = kWireRecord;
        records[w].start_row = static_cast<std::int16_t>(w % 2 ? 0 : 5);
        records[w].end_row = static_cast<std::int16_t>(w % 2 ? 5 : 0);
        records[w].start_column = records[w].end_column = 7;
    }
    records[kWires].record_kind = kEndRecord;
    ASSERT_TRUE(write_circuit_file(path, records));
    bench_model bench;
    ASSERT_TRUE(bench.load(path).ok);
    EXPECT_EQ(bench.wire_count(), kWires);
    EXPECT_EQ(bench.max_node_number(), 1);
    EXPECT_EQ(bench.wire_at(kWires).node, 1);
}

TEST(NodeNumbering, The51stChipIsSimulatedLikeTheOthers) {
    bench_model bench;
    const int inverter = lgsim::catalogue_row_of("74LS04");
    for (int k = 1; k <= 50; ++k) bench.drop_chip(inverter, 100, 100);
    const int k = place_chip(bench, "74LS04", 14, 10);  // pin 1 on (15, 10), pin 2 on (15, 11)
    ASSERT_EQ(k, 51);
    connect(bench, 36, 22, 13, 10);  // supply, pin 14
    connect(bench, 36, 26, 16, 16);  // ground, pin 7
    connect(bench, 36, 27, 17, 10);  // ground, input pin 1 (ground also drives 27)
    bench.press_power();
    bench.clock_tick();
    EXPECT_EQ(bench.pin_reading(2, 51), lgsim::kHigh);
    EXPECT_EQ(bench.pin_reading(2, 50), lgsim::kUnpowered);
}

}  // namespace
