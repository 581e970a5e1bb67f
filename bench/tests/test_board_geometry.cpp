#include <gtest/gtest.h>

#include "board_geometry.h"

using namespace bench;

TEST(BoardGeometry, GroupsOfRows) {
    EXPECT_EQ(group_of_row(4), 0);
    EXPECT_EQ(group_of_row(5), 1);
    EXPECT_EQ(group_of_row(23), 4);
    EXPECT_EQ(group_of_row(33), 6);
    EXPECT_EQ(group_of_row(35), 35);
    EXPECT_EQ(group_of_row(36), 36);
}

TEST(BoardGeometry, PlacesOfPoints) {
    EXPECT_EQ(point_position(36, 3).x, 3798);
    EXPECT_EQ(point_position(36, 3).y, 6555);
    for (int c : {19, 20, 21, 23, 24, 25, 27, 64}) EXPECT_FALSE(has_place(36, c)) << c;
    EXPECT_FALSE(has_place(35, 26));
    EXPECT_FALSE(has_place(30, 40));
    EXPECT_TRUE(has_place(34, 39));
    // The five holes of a bus segment lie side by side on one line.
    EXPECT_EQ(point_position(30, 12).y, point_position(34, 12).y);
    EXPECT_NEAR(point_position(34, 12).x - point_position(30, 12).x, 4 * 112.4, 1e-9);
    // One extra pitch after the fifth segment.
    EXPECT_NEAR(point_position(30, 10).x - point_position(30, 8).x, 7 * 112.4, 1e-9);
}

TEST(BoardGeometry, HitTestIsStrictlyWithinHalfAPitch) {
    const board_point p = point_position(7, 20);
    hit h = hit_test(p.x + 55, p.y + 40);
    EXPECT_EQ(h.row, 7);
    EXPECT_EQ(h.column, 20);
    EXPECT_EQ(h.at.x, p.x);
    h = hit_test(p.x + 56, p.y);
    EXPECT_NE(h.column, 20);
    h = hit_test(10, 10);
    EXPECT_EQ(h.row, 30) << "the first point without a place in scan order";
    EXPECT_EQ(h.column, 40);
    h = hit_test(5000, 7300);
    EXPECT_EQ(h.row, -1);
    EXPECT_EQ(h.at.x, 5000);
}
