// Circuits far denser than any exercise: many outputs on one node, a long
// chain of wires, and a heap of chips on one seat.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "bench_model.h"
#include "bench_session.h"
#include "bench_test_support.h"
#include "catalogue.h"
#include "hostile_support.h"
#include "value_codes.h"

using namespace robustness;
using bench::testing::place_chip;

namespace {

constexpr hole kSupply{bench::kTerminalRow, bench::kSupplyColumn};
constexpr hole kGround{bench::kTerminalRow, bench::kGroundColumn};

TEST(CrowdedCircuits, EveryOutputOfFiftyChipsOnOneNode) {
    // 74LS00s on the 27 seats of the breadboard's three chip rows, the rest
    // seated on top of the first ones; every gate output goes to one bus strip.
    constexpr int kChips = 50;
    constexpr int kSeatsPerRow = 9;
    constexpr int kSeats = 3 * kSeatsPerRow;
    constexpr hole kBus{30, 0};
    bench::bench_model bench;
    for (int i = 0; i < kChips; ++i) {
        const int seat = i % kSeats;
        const int k = place_chip(bench, "74LS00", 4 + 10 * (seat / kSeatsPerRow), 7 * (seat % kSeatsPerRow));
        if (i < kSeats) power_chip(bench, k);
        for (const int output : {3, 6, 8, 11}) wire_holes(bench, pin_hole(bench, k, output), kBus);
    }
    // One gate with a low input drives high against all the others' lows.
    wire_holes(bench, kGround, pin_hole(bench, 1, 1));
    const int bus_node = bench.wire_at(bench.wire_count() - 1).node;
    for (int k = 1; k <= kChips; ++k)
        for (const int output : {3, 6, 8, 11}) ASSERT_EQ(bench.node_of_pin(output, k), bus_node);

    run_session(bench, 5);
    EXPECT_EQ(bench.read_point(kBus.row, kBus.column), lgsim::kOutputConflict);
    EXPECT_EQ(bench.node_value(bus_node), lgsim::kOutputConflict);
}

TEST(CrowdedCircuits, AChainOfTwoThousandWiresJoinedStripToStrip) {
    // The chain walks the strips of the upper four hole groups back and forth,
    // each wire starting on the strip where the one before it ended.
    constexpr int kWires = 2000;
    constexpr int kStrips = 4 * bench::kGridColumns;
    const auto strip_hole = [](int step, int chain_position) {
        const int turn = chain_position % (2 * kStrips - 2);
        const int strip = turn < kStrips ? turn : 2 * kStrips - 2 - turn;
        return hole{5 * (strip / bench::kGridColumns) + step % 5, strip % bench::kGridColumns};
    };
    std::vector<bench::circuit_record> records;
    for (int w = 0; w < kWires; ++w) {
        const hole from = strip_hole(w, w);
        const hole to = strip_hole(w + 1, w + 1);
        records.push_back(wire_record(from.row, from.column, to.row, to.column));
    }
    const hole last = strip_hole(kWires, kWires);
    records.push_back(wire_record(bench::kTerminalRow, 0, strip_hole(0, 0).row, strip_hole(0, 0).column));
    records.push_back(wire_record(last.row, last.column, bench::kLedRow, 0));
    // An inverter in the fifth group reads the chain and drives LED 1.
    records.push_back(wire_record(26, 0, last.row, last.column));
    records.push_back(wire_record(27, 1, bench::kLedRow, 1));
    records.push_back(wire_record(bench::kTerminalRow, bench::kSupplyColumn, 23, 0));
    records.push_back(wire_record(bench::kTerminalRow, bench::kGroundColumn, 26, 6));
    records.push_back(chip_record("74LS04", 24, 0));
    records.push_back(end_record());
    QTemporaryDir folder;
    const QString path = folder.filePath("chain.cir");
    write_file(path, file_of(records));

    bench::bench_model bench;
    ASSERT_TRUE(bench.load(path).ok);
    ASSERT_EQ(bench.wire_count(), kWires + 6);
    const int chain_node = bench.wire_at(1).node;
    for (int w = 1; w <= kWires + 3; ++w) ASSERT_EQ(bench.wire_at(w).node, chain_node) << "wire " << w;
    EXPECT_EQ(bench.node_of_pin(1, 1), chain_node);

    run_session(bench, 5);  // switch 0 goes up
    EXPECT_TRUE(bench.led_shown(0));
    EXPECT_FALSE(bench.led_shown(1));
    EXPECT_EQ(bench.read_point(last.row, last.column), lgsim::kHigh);
    bench.press_switch(0);
    bench.clock_tick();
    EXPECT_FALSE(bench.led_shown(0));
    EXPECT_TRUE(bench.led_shown(1));
}

TEST(CrowdedCircuits, TwoHundredChipsOnOneStrip) {
    // Every chip of one pin row kind sits on the same seat, so pin 1 of all
    // 200 lies on one strip, and so do their supply pins (the last pin, above
    // pin 1). Their ground pins fall on three strips.
    constexpr int kChips = 200;
    std::vector<std::string_view> models;
    for (const lgsim::catalogue_entry& entry : lgsim::kCatalogue)
        if (entry.mount_kind == 1 && entry.chip_class != 4) models.push_back(entry.model);
    bench::bench_model bench;
    for (int i = 0; i < kChips; ++i) place_chip(bench, models[i % models.size()], 14, 10);
    ASSERT_EQ(bench.chip_count(), kChips);
    wire_holes(bench, kSupply, {13, 10});
    for (const int column : {16, 17, 19}) wire_holes(bench, kGround, {16, column});
    wire_holes(bench, {bench::kTerminalRow, 0}, {16, 10});
    wire_holes(bench, {bench::kTerminalRow, bench::kClockColumn}, {16, 11});
    wire_holes(bench, {bench::kTerminalRow, bench::kPulse0Column}, {16, 12});
    for (int led = 0; led < 5; ++led) wire_holes(bench, {12, 11 + led}, {bench::kLedRow, led});
    const int pin_1_node = bench.node_of_pin(1, 1);
    for (int k = 1; k <= kChips; ++k) ASSERT_EQ(bench.node_of_pin(1, k), pin_1_node);

    run_session(bench, 10);
    for (int k = 1; k <= kChips; ++k) {
        const bench::chip& c = bench.chip_at(k);
        EXPECT_EQ(bench.pin_reading(c.pin_count, k), lgsim::kSupply) << "chip " << k;
    }
    EXPECT_EQ(bench.read_point(13, 10), lgsim::kSupply);
    EXPECT_EQ(bench.read_point(16, 16), lgsim::kGround);
}

}  // namespace
