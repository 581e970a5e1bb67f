// Putting an earlier circuit back on the bench, as undo and redo do.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "bench_model.h"
#include "bench_test_support.h"
#include "value_codes.h"

using namespace bench;
using bench::testing::connect;
using bench::testing::place_chip;

namespace {

// A NAND gate with supply, ground, a switch on one input and an LED on its output.
void build_nand(bench_model& bench) {
    place_chip(bench, "74LS00", 14, 10);
    connect(bench, 36, 22, 13, 10);
    connect(bench, 36, 26, 16, 16);
    connect(bench, 36, 0, 16, 10);
    connect(bench, 17, 12, 35, 0);
}

}  // namespace

TEST(Restoring, PutsTheChipsAndWiresBackAndNumbersTheirNodes) {
    bench_model bench;
    build_nand(bench);
    const circuit_state nand = bench.snapshot();
    bench.delete_chip(1);
    place_chip(bench, "74LS04", 4, 30);
    connect(bench, 36, 1, 3, 31);
    bench.remove_wire(1);
    ASSERT_FALSE(same_circuit(bench.circuit(), nand.circuit));

    bench.press_power();
    bench.restore_circuit(nand, false);
    EXPECT_TRUE(same_circuit(bench.circuit(), nand.circuit));
    EXPECT_EQ(bench.node_of_pin(14, 1), bench.wire_at(1).node);
    EXPECT_EQ(bench.node_of_pin(1, 1), bench.wire_at(3).node);
    // And it works at once: switch 0 low lights the LED; high (the other
    // input floats high) darkens it.
    EXPECT_TRUE(bench.led_shown(0));
    bench.press_switch(0);
    bench.clock_tick();
    EXPECT_EQ(bench.pin_reading(3, 1), lgsim::kLow);
    EXPECT_FALSE(bench.led_shown(0));
}

TEST(Restoring, LeavesPowerSwitchesAndRateAsTheyAre) {
    bench_model bench;
    const circuit_state empty = bench.snapshot();
    build_nand(bench);
    bench.press_switch(3);
    bench.press_power();
    bench.set_rate(50);
    bench.restore_circuit(empty, false);
    EXPECT_EQ(bench.chip_count(), 0);
    EXPECT_EQ(bench.wire_count(), 0);
    EXPECT_TRUE(bench.power_on());
    EXPECT_EQ(bench.switch_state(3), 1);
    EXPECT_TRUE(bench.lamp_lit(3));
    EXPECT_EQ(bench.point_value(kTerminalRow, 3), lgsim::kHigh);
    EXPECT_EQ(bench.point_value(kTerminalRow, kSupplyColumn), lgsim::kSupply);
    EXPECT_DOUBLE_EQ(bench.rate(), 10);
}

TEST(Restoring, TakesTheFileNameOnlyWhenAsked) {
    QTemporaryDir folder;
    bench_model bench;
    const circuit_state unnamed = bench.snapshot();
    build_nand(bench);
    ASSERT_TRUE(bench.save(folder.filePath("nand.cir")).ok);
    bench.restore_circuit(unnamed, false);
    EXPECT_EQ(bench.circuit_name(), QStringLiteral("nand.cir"));
    bench.restore_circuit(unnamed, true);
    EXPECT_TRUE(bench.circuit_name().isEmpty());
    EXPECT_TRUE(bench.circuit_file().isEmpty());
}

TEST(Restoring, EndsTheWireInHand) {
    bench_model bench;
    const circuit_state empty = bench.snapshot();
    bench.click_colour_stick(0);
    const board_point p = point_position(7, 20);
    bench.press_board(mouse_button::left, p.x, p.y);
    bench.restore_circuit(empty, false);
    EXPECT_EQ(bench.wire_in_hand(), -1);
}

TEST(Restoring, ComparesChipsAndWiresButNotNodes) {
    bench_model a;
    bench_model b;
    build_nand(a);
    connect(b, 36, 0, 16, 10);  // numbered differently, in another order
    place_chip(b, "74LS00", 14, 10);
    EXPECT_FALSE(same_circuit(a.circuit(), b.circuit()));
    b.restore_circuit(a.snapshot(), false);
    EXPECT_TRUE(same_circuit(a.circuit(), b.circuit()));
    circuit_copy moved = a.circuit();
    moved.chips[1].picture.left += 1;
    EXPECT_FALSE(same_circuit(moved, a.circuit()));
    circuit_copy recoloured = a.circuit();
    recoloured.wires[3].colour ^= 1;
    EXPECT_FALSE(same_circuit(recoloured, a.circuit()));
}
