#include <gtest/gtest.h>

#include "main_window.h"

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
}
