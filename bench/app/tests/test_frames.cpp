// The window paints what the clock changes at most once per frame, paints
// nothing when nothing changed, and paints a user's own action at once.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>

#include "main_window.h"
#include "ui_helpers.h"

using namespace bench;
using bench::testing::click;

namespace {

// Counts the paint events a widget gets.
class paint_counter : public QObject {
public:
    explicit paint_counter(QWidget* watched) { watched->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

struct frames_window : ::testing::Test {
    void SetUp() override {
        w.show();
        ASSERT_TRUE(w.model().load(w.program_folder() + "circuit/decade_counter.cir").ok);
        click(w.power_switch());
        click(w.toggle_switch(12));  // the clear released
        w.kick_timer()->stop();
        w.clock_timer()->stop();
        w.frames()->now();
    }
    main_window w;
};

// Many ticks between two frames: the board shows none of them until the
// frame, which then shows the count as it stands.
TEST_F(frames_window, TicksBetweenFramesArePaintedOnceAtTheFrame) {
    const QImage before = w.board()->layer();
    for (int k = 0; k < 46; ++k) w.model().clock_tick();  // 23 edges: 3
    EXPECT_TRUE(w.frames()->timer()->isActive()) << "one frame asked for";
    EXPECT_TRUE(w.board()->layer() == before) << "nothing painted between frames";
    QTest::qWait(w.frames()->timer()->interval() * 3);
    EXPECT_FALSE(w.frames()->timer()->isActive());
    EXPECT_FALSE(w.board()->layer() == before) << "the frame shows the new count";
}

// A clock that changes nothing on the board paints nothing.
TEST_F(frames_window, AFrameWithNothingChangedPaintsNothing) {
    click(w.toggle_switch(12));  // the counter held clear: the digit stays 0
    w.frames()->now();
    QCoreApplication::processEvents();
    paint_counter board(w.board());
    for (int k = 0; k < 20; ++k) {
        w.model().clock_tick();
        w.frames()->now();
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(board.paints, 0);
}

// A switch is painted at once, also while the clock runs at the fastest rate.
TEST_F(frames_window, ASwitchIsPaintedAtOnce) {
    w.clock_timer()->start(1);
    QTest::qWait(20);
    paint_counter toggle(w.toggle_switch(3));
    click(w.toggle_switch(3));
    QCoreApplication::processEvents();
    EXPECT_GE(toggle.paints, 1);
    EXPECT_EQ(w.model().switch_state(3), 1);
}

}  // namespace
