#include <gtest/gtest.h>

#include "form_layout.h"
#include "ui_helpers.h"

using bench::main_window;

TEST(Startup, WindowStartsInItsStartState) {
    main_window w;
    EXPECT_EQ(w.windowTitle(), QStringLiteral("数字电路虚拟实验台"));
    EXPECT_FALSE(w.menu()->isVisibleTo(&w));
    EXPECT_EQ(w.speed_box()->text(), QStringLiteral("20"));
    EXPECT_EQ(w.rate_bar()->value(), 100);
    EXPECT_FALSE(w.kick_timer()->isActive());
    EXPECT_FALSE(w.clock_timer()->isActive());
    for (int k = 0; k < 16; ++k) EXPECT_FALSE(w.led(k)->isVisibleTo(&w));
    EXPECT_FALSE(w.model().power_on());
    EXPECT_EQ(w.model().chip_count(), 0);
    EXPECT_EQ(w.model().wire_count(), 0);
    EXPECT_EQ(w.model().wire_in_hand(), -1);
    for (int k = 0; k < 16; ++k) {
        EXPECT_EQ(w.model().switch_state(k), 0);
        EXPECT_FALSE(w.model().lamp_lit(k));
    }
    EXPECT_FALSE(w.module_icon()->isVisibleTo(&w)) << "the module starts on the board";
    EXPECT_EQ(w.circuit_name()->text(), QStringLiteral("电路名称："));
    EXPECT_EQ(w.board()->geometry(), w.canvas()->place(bench::layout::kBoard));
    EXPECT_EQ(w.board()->objectName(), QStringLiteral("board"));
}

TEST(Startup, RateBarSetsTheClockInterval) {
    main_window w;
    w.rate_bar()->setValue(50);
    EXPECT_EQ(w.speed_box()->text(), QStringLiteral("10"));
    EXPECT_EQ(w.clock_timer()->interval(), 3101);
    EXPECT_TRUE(w.kick_timer()->isActive());
    w.rate_bar()->setValue(1);
    EXPECT_EQ(w.clock_timer()->interval(), 6139);
}

TEST(Startup, ModuleIsDrawnOnTheBoard) {
    main_window w;
    // The module's green board shows at a point inside its picture.
    const QColor c = bench::testing::layer_colour(w, 9000, 3500);
    EXPECT_GT(c.green(), c.red() + 30);
}
