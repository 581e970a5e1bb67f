#include <gtest/gtest.h>

#include "ui_helpers.h"

using namespace bench;
using namespace bench::testing;

namespace {

board_point mid(board_point a, board_point b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2}; }

}  // namespace

TEST(Wiring, WireWithTwoBendsIsListedAndDrawn) {
    main_window w;
    click(w.stick(3));
    EXPECT_EQ(w.model().wire_in_hand(), 0);
    click_point(w, 7, 20);
    click_board(w, 4000, 2500, Qt::RightButton);
    click_board(w, 4000, 3300, Qt::RightButton);
    click_point(w, 12, 30);
    ASSERT_EQ(w.model().wire_count(), 1);
    const wire& line = w.model().wire_at(1);
    EXPECT_EQ(line.start_row, 7);
    EXPECT_EQ(line.start_column, 20);
    EXPECT_EQ(line.end_row, 12);
    EXPECT_EQ(line.end_column, 30);
    EXPECT_EQ(line.start_group, 1);
    EXPECT_EQ(line.end_group, 2);
    EXPECT_EQ(line.colour, rgb(0, 128, 0));
    ASSERT_EQ(line.points.size(), 4u);
    EXPECT_EQ(w.model().wire_in_hand(), -1);

    // The middle of the bend segment carries the wire's colour.
    const board_point a{static_cast<double>(line.points[1].x), static_cast<double>(line.points[1].y)};
    const board_point b{static_cast<double>(line.points[2].x), static_cast<double>(line.points[2].y)};
    const board_point m = mid(a, b);
    const QColor c = layer_colour(w, m.x, m.y);
    EXPECT_LT(c.red(), 60);
    EXPECT_GT(c.green(), 90);
    EXPECT_LT(c.blue(), 60);
}

TEST(Wiring, SecondStickClickCancelsTheWireInHand) {
    main_window w;
    click(w.stick(0));
    click_point(w, 7, 20);
    EXPECT_EQ(w.model().wire_in_hand(), 1);
    click(w.stick(3));
    EXPECT_EQ(w.model().wire_in_hand(), -1);
    EXPECT_EQ(w.model().wire_colour(), rgb(0, 128, 0));
    click_point(w, 8, 20);
    EXPECT_EQ(w.model().wire_count(), 0);
    click(w.stick(3));
    EXPECT_EQ(w.model().wire_in_hand(), 0);
}

TEST(Wiring, ClickOnAWireEndRemovesIt) {
    main_window w;
    click(w.stick(1));
    click_point(w, 7, 20);
    click_point(w, 36, 3);
    ASSERT_EQ(w.model().wire_count(), 1);
    const board_point end = point_position(36, 3);
    click_point(w, 36, 3);
    EXPECT_EQ(w.model().wire_count(), 0);
    const QColor c = layer_colour(w, end.x, end.y - 200);
    EXPECT_NE(c, QColor(10, 10, 10)) << "the removed wire is erased by the redraw";
}

TEST(Wiring, TwentyPointsAtMost) {
    main_window w;
    click(w.stick(2));
    click_point(w, 7, 20);
    for (int k = 0; k < 25; ++k) click_board(w, 3000 + 100 * k, 2700, Qt::RightButton);
    EXPECT_EQ(w.model().wire_in_hand(), 19);
    click_point(w, 8, 40);
    ASSERT_EQ(w.model().wire_count(), 1);
    EXPECT_EQ(w.model().wire_at(1).points.size(), 20u);
}

TEST(Wiring, ClicksOutsideEveryPointDoNothing) {
    main_window w;
    click(w.stick(2));
    click_board(w, 5000, 7300);
    EXPECT_EQ(w.model().wire_in_hand(), 0);
    click_board(w, 5000, 7300, Qt::RightButton);
    EXPECT_EQ(w.model().wire_in_hand(), 0) << "a wire cannot start with a bend";
    EXPECT_EQ(w.model().wire_count(), 0);
}

TEST(Wiring, MenuOpensBesideItsButtonAndAnyBoardPressHidesIt) {
    main_window w;
    click(w.menu_button());
    EXPECT_TRUE(w.menu()->isVisibleTo(&w));
    click_board(w, 5000, 7300, Qt::RightButton);
    EXPECT_FALSE(w.menu()->isVisibleTo(&w));
}

TEST(Wiring, TwoWiresOnOneTerminalBothDrive) {
    main_window w;
    for (int k = 0; k < 2; ++k) click(w.chips_box()->name_label(2));  // two 74LS04
    ASSERT_EQ(w.model().chip_count(), 2);
    ASSERT_EQ(w.model().chip_at(1).model, "74LS04");
    auto wire_up = [&](int r1, int c1, int r2, int c2) {
        click(w.stick(1));
        click_point(w, r1, c1);
        click_point(w, r2, c2);
    };
    // Each terminal feeds both chips: the second wire starts on the first one's end.
    for (int k = 1; k <= 2; ++k) {
        const chip& c = w.model().chip_at(k);
        const pin_place pin1 = c.places[1], pin2 = c.places[2], pin7 = c.places[7], pin14 = c.places[14];
        wire_up(kTerminalRow, kSupplyColumn, pin14.row - 1, pin14.column);
        wire_up(kTerminalRow, kGroundColumn, pin7.row + 1, pin7.column);
        wire_up(kTerminalRow, 0, pin1.row + 1, pin1.column);
        wire_up(pin2.row + 2, pin2.column, kLedRow, k - 1);
    }
    ASSERT_EQ(w.model().wire_count(), 8) << "no wire was taken away by a click on a shared terminal";
    click(w.power_switch());
    for (const int on : {0, 1}) {
        if (w.model().switch_state(0) != on) click(w.toggle_switch(0));
        w.model().clock_tick();
        w.model().clock_tick();
        for (int k = 1; k <= 2; ++k) {
            EXPECT_EQ(w.model().pin_reading(1, k), on) << "chip " << k << " switch " << on;
            EXPECT_EQ(w.led(k - 1)->isVisibleTo(&w), on == 0) << "inverter " << k << " switch " << on;
        }
    }
}
