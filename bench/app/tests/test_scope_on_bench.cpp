// The oscilloscope on the bench, worked with the mouse: opening and closing,
// dragging with the timers held, its signal probe and the capture run that
// each kick of Tcal ends with.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <cmath>

#include "instrument_mouse.h"

using namespace bench;
using namespace bench::testing;

namespace {

// A spot on the panel with no knob or switch under it, oscilloscope twips.
constexpr double kCaseX = 6100, kCaseY = 3000;

struct scope_bench : ::testing::Test {
    void SetUp() override {
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        // At zoom 1 the view's twips and the instruments' own twips are one
        // size, so the expectations below read as the rules do.
        w.zoom_area()->set_zoom(1);
        scope = w.scope();
        dmeterx::dmeterw* meter = w.meter()->meter();
        meter->set_step_delay(std::chrono::microseconds{0});
        // 10 V full scale, so that the means it is given stay as they are;
        // the knob is turned on the open meter, which is then closed again.
        click(w.meter_icon());
        while (meter->range_position() != 3) QTest::mouseClick(meter, Qt::LeftButton, {}, QPoint(87, 175));
        QTest::mouseClick(meter, Qt::LeftButton, {}, pixel_of(100, 100));
        ASSERT_TRUE(meter->isHidden());
    }
    void TearDown() override {
        while (QGuiApplication::overrideCursor() != nullptr) QGuiApplication::restoreOverrideCursor();
    }
    void open() { click(w.scope_icon()); }
    // Lets the kick timer tick once.
    void kick() {
        for (int k = 0; k < 100 && w.kick_timer()->isActive(); ++k) QTest::qWait(2);
        ASSERT_FALSE(w.kick_timer()->isActive());
    }
    // Switches the power on and lets the meter take the reading that starts.
    void power_on() {
        click(w.power_switch());
        for (int k = 0; k < 100 && w.meter()->measuring_timer()->isActive(); ++k) QTest::qWait(2);
    }
    QRectF scope_rect() const { return twips_geometry(scope->scope()); }
    QRectF board_rect() const { return twips_geometry(w.board()); }
    const dscopex::ScopeRecord& record() const { return scope->scope()->record(); }

    main_window w;
    scope_on_bench* scope = nullptr;
};

TEST_F(scope_bench, ItsIconIsThereFromStartUp) {
    EXPECT_TRUE(w.scope_icon()->isVisible());
    EXPECT_TRUE(scope->scope()->isHidden());
    EXPECT_TRUE(scope->probe(0)->isHidden());
    EXPECT_EQ(w.bench_instruments().probe(instrument::scope, 0).row, -1);
}

TEST_F(scope_bench, TheIconOpensAndClosesIt) {
    open();
    EXPECT_FALSE(w.scope_icon()->isVisible());
    EXPECT_TRUE(scope->scope()->isVisible());
    EXPECT_EQ(scope->scope()->size(), QSize(px(kFileScale, 6600), px(kFileScale, 4215)));
    EXPECT_TRUE(scope->probe(0)->isVisible());
    EXPECT_TRUE(scope->probe(1)->isHidden()) << "the second probe stays in its jack";
    EXPECT_TRUE(w.kick_timer()->isActive()) << "a fresh record follows at once";
    const board_lead& lead = scope->lead();
    EXPECT_EQ(lead.instrument_end().x, scope_rect().left() - board_rect().left() + 360);
    EXPECT_EQ(lead.instrument_end().y, scope_rect().top() - board_rect().top() + 1980);
    EXPECT_EQ(lead.probe_end().y, twips_geometry(scope->probe(0)).top() + 50);
    kick();
    open();
    EXPECT_TRUE(scope->scope()->isHidden());
    EXPECT_TRUE(scope->probe(0)->isHidden());
    EXPECT_TRUE(w.scope_icon()->isVisible());
}

TEST_F(scope_bench, AnyPressOnTheCloseBoxClosesIt) {
    open();
    QTest::mouseClick(scope->scope(), Qt::RightButton, {}, pixel_of(150, 150));
    EXPECT_TRUE(scope->scope()->isHidden());
    EXPECT_FALSE(w.kick_timer()->isActive());
    EXPECT_FALSE(scope->dragging());
}

TEST_F(scope_bench, ADragHoldsTheTimersAndGivesThemBack) {
    open();
    kick();
    ASSERT_TRUE(w.clock_timer()->isActive());
    w.meter()->start_measuring();
    QWindow* window = w.windowHandle();
    const QPoint start = in_window(w, scope->scope(), pixel_of(kCaseX, kCaseY));
    QTest::mousePress(window, Qt::LeftButton, {}, start);
    EXPECT_TRUE(scope->dragging());
    EXPECT_TRUE(scope->inverted());
    EXPECT_FALSE(w.clock_timer()->isActive());
    EXPECT_FALSE(w.meter()->measuring_timer()->isActive());
    EXPECT_FALSE(w.kick_timer()->isActive());
    QTest::mouseMove(window, start + QPoint(-30, 10));
    EXPECT_TRUE(scope->lead().drawn_inverted());
    EXPECT_FALSE(w.clock_timer()->isActive());
    QTest::mouseRelease(window, Qt::LeftButton, {}, start + QPoint(-30, 10));
    EXPECT_FALSE(scope->dragging());
    EXPECT_FALSE(scope->lead().drawn_inverted());
    EXPECT_TRUE(w.clock_timer()->isActive());
    EXPECT_TRUE(w.meter()->measuring_timer()->isActive());
    EXPECT_FALSE(w.kick_timer()->isActive());
}

TEST_F(scope_bench, ATurnOfAKnobLeavesTheTimersAlone) {
    open();
    kick();
    ASSERT_TRUE(w.clock_timer()->isActive());
    const int time = scope->scope()->panel().time_position;
    QTest::mouseClick(scope->scope(), Qt::LeftButton, {}, pixel_of(5900, 1200));
    EXPECT_EQ(scope->scope()->panel().time_position, time + 1);
    EXPECT_TRUE(w.clock_timer()->isActive());
}

TEST_F(scope_bench, ReleasedOutOfReachItComesBackToTheBoard) {
    open();
    kick();
    struct release_case {
        const char* what;
        double dx, dy;
        double left_or_nan, top_or_nan;  // expected place relative to the board, window twips
    };
    const QRectF b = board_rect();
    const double h = 4215;
    const double nan = std::nan("");
    const release_case cases[] = {
        {"left of the board", -6000, 0, b.left(), nan},
        {"beyond board right - 100", 8500, 0, b.right() - 100, nan},
        {"below the board", 0, 7000, nan, b.bottom()},
    };
    for (const release_case& c : cases) {
        SCOPED_TRACE(c.what);
        move_to_twips(scope->scope(), 3000, 1500);
        drag_instrument(w, scope->scope(), kCaseX, kCaseY, c.dx, c.dy);
        if (!std::isnan(c.left_or_nan)) {
            EXPECT_NEAR(scope_rect().left(), c.left_or_nan, 15);
        }
        if (!std::isnan(c.top_or_nan)) {
            EXPECT_NEAR(scope_rect().top(), c.top_or_nan, 15);
        }
    }
    // Its top more than 100 above board top - height: 100 of it back over the board.
    move_to_twips(scope->scope(), 3000, 1500);
    drag_instrument(w, scope->scope(), kCaseX, kCaseY, 0, b.top() - h - 300 - 1500);
    EXPECT_NEAR(scope_rect().top(), b.top() - h + 100, 15);
    // Less than 100 above that line: it stays, wholly above the board.
    move_to_twips(scope->scope(), 3000, 1500);
    drag_instrument(w, scope->scope(), kCaseX, kCaseY, 0, b.top() - h - 60 - 1500);
    EXPECT_NEAR(scope_rect().top(), b.top() - h - 60, 15);
}

TEST_F(scope_bench, OnlyTheSignalProbeMoves) {
    open();
    const QRect before = scope->probe(1)->geometry();
    QTest::mousePress(scope->probe(1), Qt::LeftButton);
    EXPECT_FALSE(scope->probe_in_hand());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    QTest::mouseRelease(scope->probe(1), Qt::LeftButton);
    EXPECT_EQ(scope->probe(1)->geometry(), before);
}

TEST_F(scope_bench, TheClockOnTheSignalProbe) {
    power_on();
    open();
    kick();
    EXPECT_EQ(record().time_points[2], 200) << "the idle record while the probe touches nothing";
    drag_probe_to_point(w, scope->probe(0), 36, 16);
    EXPECT_EQ(w.bench_instruments().probe(instrument::scope, 0).column, 16);
    kick();
    // 96 samples 1, 0, 1, ...: pairs of values at one time point each.
    EXPECT_EQ(record().values[0][0], 5);
    EXPECT_EQ(record().values[0][3], 0);
    EXPECT_EQ(record().values[0][190], 5);
    EXPECT_EQ(record().values[0][191], 0);
    EXPECT_NEAR(record().time_points[190], 8, 1e-4);
    EXPECT_DOUBLE_EQ(meter_value(w.meter()->meter()), 2.5) << "the mean goes to the meter";
}

TEST_F(scope_bench, ThePowerOffSendsTheIdleRecordAndLeavesTheMeter) {
    power_on();
    open();
    drag_probe_to_point(w, scope->probe(0), 36, 22);
    kick();
    ASSERT_DOUBLE_EQ(meter_value(w.meter()->meter()), 5);
    click(w.power_switch());
    w.meter()->measuring_timer()->stop();  // the meter's own reading is another matter
    kick();
    for (int k = 0; k < 22; ++k) EXPECT_EQ(record().values[0][k], 0) << k;
    EXPECT_EQ(record().time_points[21], 2100);
    EXPECT_DOUBLE_EQ(meter_value(w.meter()->meter()), 5);
}

TEST_F(scope_bench, ClosingAndReopeningKeepsTheProbeContact) {
    click(w.power_switch());
    open();
    drag_probe_to_point(w, scope->probe(0), 36, 22);
    kick();
    open();
    EXPECT_EQ(w.bench_instruments().probe(instrument::scope, 0).column, 22);
    open();
    kick();
    EXPECT_EQ(record().values[0][10], 5);
}

TEST_F(scope_bench, AMeterProbeDropKeepsTheOscilloscopeAttached) {
    click(w.power_switch());
    open();
    drag_probe_to_point(w, scope->probe(0), 8, 40);
    click(w.meter_icon());
    drag_probe_to_point(w, w.meter()->probe(0), 9, 40);
    int contacts = 0;
    for (int k = 1; k <= w.model().wire_count(); ++k) contacts += w.model().wire_at(k).is_contact();
    EXPECT_EQ(contacts, 2) << "the oscilloscope's probe and the red probe";
}

}  // namespace
