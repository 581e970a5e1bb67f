#include <gtest/gtest.h>

#include "bench_model.h"
#include "bench_test_support.h"
#include "value_codes.h"

using namespace bench;
using bench::testing::hook_log;

namespace {

board_press_result left_on(bench_model& bench, int row, int column, double dx = 20, double dy = -30) {
    const board_point p = point_position(row, column);
    return bench.press_board(mouse_button::left, p.x + dx, p.y + dy);
}

TEST(Wiring, AWireRunsFromAPressOnAPointThroughBendsToAnotherPoint) {
    bench_model bench;
    bench.click_colour_stick(3);
    EXPECT_EQ(bench.wire_in_hand(), 0);
    board_press_result r = left_on(bench, 3, 10);
    EXPECT_EQ(r.outcome, press_outcome::point_added);
    EXPECT_TRUE(r.dot);
    const board_point start = point_position(3, 10);
    EXPECT_EQ(r.to.x, start.x) << "snapped onto the hole";
    EXPECT_EQ(r.from.x, start.x) << "the first line starts at the point itself";

    r = bench.press_board(mouse_button::right, 5000.4, 5000);
    EXPECT_EQ(r.outcome, press_outcome::point_added);
    EXPECT_FALSE(r.dot);
    EXPECT_EQ(r.from.x, start.x);
    EXPECT_EQ(r.to.x, 5000.4) << "bends are not snapped";
    EXPECT_EQ(bench.wire_in_hand(), 2);

    r = left_on(bench, 36, 22);
    EXPECT_EQ(r.outcome, press_outcome::wire_finished);
    EXPECT_EQ(r.wire, 1);
    EXPECT_EQ(bench.wire_in_hand(), -1);
    const wire& w = bench.wire_at(1);
    EXPECT_EQ(w.start_row, 3);
    EXPECT_EQ(w.start_column, 10);
    EXPECT_EQ(w.start_group, 0);
    EXPECT_EQ(w.end_row, 36);
    EXPECT_EQ(w.end_column, 22);
    EXPECT_EQ(w.end_group, 36);
    EXPECT_EQ(w.colour, rgb(0, 128, 0));
    ASSERT_EQ(w.points.size(), 3u);
    EXPECT_EQ(w.points[1].x, 5000);
    EXPECT_EQ(w.points[2].x, point_position(36, 22).x);
    EXPECT_GE(w.node, 1);
}

TEST(Wiring, AColourStickCancelsTheWireInHand) {
    bench_model bench;
    hook_log log;
    bench::testing::record_hooks(bench, log);
    EXPECT_EQ(bench.wire_colour(), rgb(250, 100, 100));
    bench.click_colour_stick(0);
    left_on(bench, 3, 10);
    log = {};
    bench.click_colour_stick(3);
    EXPECT_EQ(bench.wire_colour(), rgb(0, 128, 0));
    EXPECT_EQ(bench.wire_in_hand(), -1);
    EXPECT_TRUE(bench.points_in_hand().empty());
    EXPECT_EQ(log.redraws, std::vector<int>{kRedrawAll}) << "wipes the points drawn so far";
    bench.click_colour_stick(3);
    EXPECT_EQ(bench.wire_in_hand(), 0);
    EXPECT_EQ(bench.wire_colour(), rgb(0, 128, 0));
}

TEST(Wiring, NineteenPointsTakenLeaveRoomOnlyForTheLastPoint) {
    bench_model bench;
    bench.click_colour_stick(1);
    left_on(bench, 3, 10);
    for (int i = 0; i < 18; ++i) bench.press_board(mouse_button::right, 4000 + 10 * i, 4000);
    ASSERT_EQ(bench.wire_in_hand(), 19);
    EXPECT_EQ(bench.press_board(mouse_button::right, 100, 100).outcome, press_outcome::nothing);
    EXPECT_EQ(bench.wire_in_hand(), 19);
    EXPECT_EQ(left_on(bench, 20, 30).outcome, press_outcome::wire_finished);
    EXPECT_EQ(bench.wire_at(1).points.size(), 20u);
}

TEST(Wiring, TheStartPointAgainFinishesAWireOfTwoEqualPoints) {
    bench_model bench;
    bench.click_colour_stick(1);
    left_on(bench, 12, 12);
    EXPECT_EQ(left_on(bench, 12, 12, -10, 10).outcome, press_outcome::wire_finished);
    EXPECT_TRUE(bench.wire_at(1).is_contact());
}

TEST(Wiring, APressOnAWireEndWithoutAWireInHandRemovesIt) {
    bench_model bench;
    bench::testing::connect(bench, 36, 0, 12, 40);
    bench::testing::connect(bench, 36, 1, 13, 40);
    const board_press_result r = left_on(bench, 36, 0);
    EXPECT_EQ(r.outcome, press_outcome::wire_removed);
    EXPECT_EQ(r.wire, 1);
    ASSERT_EQ(bench.wire_count(), 1);
    EXPECT_EQ(bench.wire_at(1).start_column, 1) << "the later wire moved down";
    EXPECT_EQ(bench.wire_at(1).node, 1) << "renumbered";
}

TEST(Wiring, WithAWireInHandAPressOnAWireEndConnectsThere) {
    bench_model bench;
    bench::testing::connect(bench, 36, 0, 12, 40);
    bench.click_colour_stick(2);
    EXPECT_EQ(left_on(bench, 36, 0).outcome, press_outcome::point_added) << "a wire starts on another's end";
    EXPECT_EQ(left_on(bench, 12, 40).outcome, press_outcome::wire_finished) << "and ends on one";
    ASSERT_EQ(bench.wire_count(), 2);
    EXPECT_EQ(bench.wire_at(2).start_row, 36);
    EXPECT_EQ(bench.wire_at(2).end_column, 40);
}

TEST(Wiring, PressesThatDoNothing) {
    bench_model bench;
    EXPECT_EQ(bench.press_board(mouse_button::left, 10, 7300).outcome, press_outcome::nothing);
    EXPECT_FALSE(bench.press_board(mouse_button::left, 10, 7300).hit);
    const board_press_result free_hole = left_on(bench, 20, 20);
    EXPECT_EQ(free_hole.outcome, press_outcome::nothing);
    EXPECT_TRUE(free_hole.hit) << "no wire in hand: indicators reset only";
    bench.click_colour_stick(0);
    EXPECT_EQ(bench.press_board(mouse_button::right, 3000, 3000).outcome, press_outcome::nothing)
        << "a wire cannot start with a bend";
    EXPECT_EQ(bench.press_board(mouse_button::middle, 3000, 3000).outcome, press_outcome::nothing);
    EXPECT_EQ(bench.wire_in_hand(), 0);
}

TEST(Wiring, ASwitchTerminalFeedsTwoChips) {
    bench_model bench;
    const int a = bench::testing::place_chip(bench, "74LS04", 14, 10);
    const int b = bench::testing::place_chip(bench, "74LS04", 14, 30);
    for (const int column : {10, 30}) {  // switch 0 to pin 1 of each inverter
        bench.click_colour_stick(0);
        left_on(bench, 36, 0);
        left_on(bench, 17, column);
    }
    ASSERT_EQ(bench.wire_count(), 2);
    EXPECT_EQ(bench.wire_at(1).node, bench.wire_at(2).node) << "one point, one node";
    EXPECT_EQ(bench.node_of_pin(1, a), bench.node_of_pin(1, b));
    bench.press_switch(0);
    bench.press_power();
    bench.clock_tick();
    EXPECT_EQ(bench.pin_reading(1, a), lgsim::kHigh);
    EXPECT_EQ(bench.pin_reading(1, b), lgsim::kHigh) << "both chips are driven";
}

TEST(Wiring, EscPutsTheWireInHandDown) {
    bench_model bench;
    hook_log log;
    bench::testing::record_hooks(bench, log);
    const rgb_colour colour = kWireStickColours[3];
    bench.click_colour_stick(3);
    left_on(bench, 7, 20);
    bench.press_board(mouse_button::right, 4000, 2500);
    log.redraws.clear();
    bench.put_down_wire();
    EXPECT_EQ(bench.wire_in_hand(), -1);
    EXPECT_TRUE(bench.points_in_hand().empty());
    EXPECT_EQ(bench.wire_colour(), colour) << "the colour stays for the next wire";
    EXPECT_EQ(log.redraws, std::vector<int>{kRedrawAll}) << "the points drawn are wiped";
    EXPECT_EQ(bench.wire_count(), 0);
    bench.put_down_wire();
    EXPECT_EQ(log.redraws.size(), 1u) << "nothing in hand, nothing to wipe";
}

TEST(RubberBand, FollowsThePointerFromTheLastPointTaken) {
    bench_model bench;
    EXPECT_FALSE(bench.move_on_board(100, 100).draw) << "no wire in hand";
    bench.click_colour_stick(0);
    EXPECT_FALSE(bench.move_on_board(100, 100).draw) << "no point taken";
    left_on(bench, 3, 10, 0, 0);
    const board_point start = point_position(3, 10);
    rubber_band band = bench.move_on_board(3000, 3000);
    EXPECT_FALSE(band.erase) << "the band of the click lies under the drawn point";
    ASSERT_TRUE(band.draw);
    EXPECT_EQ(band.draw->from.x, start.x);
    band = bench.move_on_board(3100, 3000);
    ASSERT_TRUE(band.erase);
    EXPECT_EQ(band.erase->to.x, 3000);
    bench.press_board(mouse_button::right, 3100, 3000);
    band = bench.move_on_board(3200, 3000);
    EXPECT_FALSE(band.erase) << "the last band ended on the bend just taken";
    EXPECT_EQ(band.draw->from.x, 3100);
}

}  // namespace
