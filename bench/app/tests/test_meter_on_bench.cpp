// The multimeter on the bench, worked with the mouse: opening, closing,
// dragging, the probes and the readings they give.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <functional>

#include "catalogue.h"
#include "instrument_mouse.h"
#include "probe_art.h"

using namespace bench;
using namespace bench::testing;

namespace {

constexpr double kMeterLeadDown = 100;

struct meter_bench : ::testing::Test {
    void SetUp() override {
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        // At zoom 1 the view's twips and the instruments' own twips are one
        // size, so the expectations below read as the rules do.
        w.zoom_area()->set_zoom(1);
        meter = w.meter();
        meter->meter()->set_step_delay(std::chrono::microseconds{0});
    }
    void TearDown() override {
        while (QGuiApplication::overrideCursor() != nullptr) QGuiApplication::restoreOverrideCursor();
    }
    // Opens the meter from its icon, the first time turning it to 10 V full
    // scale, where readings up to 5 V stay as they are written.
    void open() {
        click(w.meter_icon());
        if (meter->meter()->range_position() == 1) turn_knob_to(3);
    }
    // Lets the measuring timer tick and gives the value it wrote.
    double reading() {
        for (int k = 0; k < 100 && meter->measuring_timer()->isActive(); ++k) QTest::qWait(2);
        EXPECT_FALSE(meter->measuring_timer()->isActive());
        return meter_value(meter->meter());
    }
    void turn_knob_to(int position) {
        while (meter->meter()->range_position() != position)
            QTest::mouseClick(meter->meter(), Qt::LeftButton, {}, QPoint(87, 175));
    }
    QRectF meter_rect() const { return twips_geometry(meter->meter()); }
    QRectF board_rect() const { return twips_geometry(w.board()); }

    main_window w;
    meter_on_bench* meter = nullptr;
};

TEST_F(meter_bench, HiddenAtStartUpAndOpenedFromItsIcon) {
    EXPECT_TRUE(meter->meter()->isHidden());
    EXPECT_TRUE(meter->probe(0)->isHidden());
    EXPECT_TRUE(meter->probe(1)->isHidden());
    EXPECT_TRUE(w.meter_icon()->isVisible());
    EXPECT_EQ(meter->probe(1)->objectName(), QStringLiteral("表笔(1)"));
    open();
    EXPECT_FALSE(w.meter_icon()->isVisible());
    EXPECT_TRUE(meter->meter()->isVisible());
    EXPECT_EQ(meter->meter()->size(), QSize(px(kFileScale, 2595), px(kFileScale, 3465)));
    EXPECT_TRUE(meter->probe(0)->isVisible());
    EXPECT_TRUE(meter->probe(1)->isVisible());
    // Each lead runs from its probe to the meter's lower edge.
    const QRectF probe = twips_geometry(meter->probe(1));
    const board_lead& lead = meter->lead(1);
    EXPECT_EQ(lead.probe_end().x, probe.right() - 100);
    EXPECT_EQ(lead.probe_end().y, probe.top() + kMeterLeadDown);
    EXPECT_EQ(lead.instrument_end().x, meter_rect().right() - board_rect().left() - 200);
    EXPECT_EQ(lead.instrument_end().y, meter_rect().bottom() - board_rect().top());
    EXPECT_EQ(meter->lead(0).instrument_end().x, meter_rect().left() - board_rect().left() + 200);
    EXPECT_FALSE(lead.drawn_inverted());
    EXPECT_EQ(layer_colour(w, lead.probe_end().x + 15, lead.probe_end().y), QColor(0, 0, 0));
}

TEST_F(meter_bench, ThePressOnTheCloseBoxClosesAndOneBesideItDrags) {
    open();
    drag_instrument(w, meter->meter(), 300, 100, 0, 0);
    EXPECT_TRUE(meter->meter()->isVisible()) << "only a drag";
    EXPECT_FALSE(meter->dragging());
    meter->start_measuring();
    QTest::mouseClick(meter->meter(), Qt::LeftButton, {}, pixel_of(100, 100));
    EXPECT_TRUE(meter->meter()->isHidden());
    EXPECT_TRUE(meter->probe(0)->isHidden());
    EXPECT_TRUE(w.meter_icon()->isVisible());
    EXPECT_FALSE(meter->measuring_timer()->isActive());
    EXPECT_FALSE(meter->dragging());
    EXPECT_FALSE(meter->inverted());
    open();
    EXPECT_TRUE(meter->meter()->isVisible());
}

TEST_F(meter_bench, ARightPressOnTheCloseBoxOnlyDrags) {
    open();
    QTest::mouseClick(meter->meter(), Qt::RightButton, {}, pixel_of(100, 100));
    EXPECT_TRUE(meter->meter()->isVisible());
}

TEST_F(meter_bench, DraggedByItsCaseWithTheKickTimerStopped) {
    open();
    const QRectF before = meter_rect();
    QWindow* window = w.windowHandle();
    const QPoint start = in_window(w, meter->meter(), pixel_of(1200, 150));
    w.kick_timer()->start(10000);
    QTest::mousePress(window, Qt::LeftButton, {}, start);
    EXPECT_TRUE(meter->dragging());
    EXPECT_TRUE(meter->inverted());
    EXPECT_FALSE(w.kick_timer()->isActive());
    QTest::mouseMove(window, start + QPoint(-60, -20));
    EXPECT_TRUE(meter->lead(0).drawn_inverted());
    QTest::mouseRelease(window, Qt::LeftButton, {}, start + QPoint(-60, -20));
    EXPECT_EQ(meter_rect().topLeft(), before.topLeft() + QPointF(-900, -300));
    EXPECT_FALSE(meter->inverted());
    EXPECT_FALSE(meter->lead(0).drawn_inverted());
    EXPECT_EQ(meter->lead(0).instrument_end().y, meter_rect().bottom() - board_rect().top());
}

TEST_F(meter_bench, ReleasedOutOfReachItComesBackToTheBoard) {
    open();
    struct release_case {
        const char* what;
        double dx, dy;
        std::function<void(const QRectF& meter, const QRectF& board)> check;
    };
    const release_case cases[] = {
        {"left of the board", -9000, 0,
         [](const QRectF& m, const QRectF& b) { EXPECT_NEAR(m.left(), b.left(), 15); }},
        {"beyond its right edge", 3000, 0,
         [](const QRectF& m, const QRectF& b) { EXPECT_NEAR(m.right(), b.right(), 15); }},
        {"below its bottom", 0, 6000,
         [](const QRectF& m, const QRectF& b) { EXPECT_NEAR(m.top(), b.bottom(), 15); }},
        {"wholly above its top", 0, -9000,
         [](const QRectF& m, const QRectF& b) { EXPECT_NEAR(m.bottom(), b.top(), 15); }},
    };
    for (const release_case& c : cases) {
        move_to_twips(meter->meter(), 6000, 2000);
        drag_instrument(w, meter->meter(), 1200, 150, c.dx, c.dy);
        SCOPED_TRACE(c.what);
        c.check(meter_rect(), board_rect());
    }
    move_to_twips(meter->meter(), 6000, 2000);
    drag_instrument(w, meter->meter(), 1200, 150, 0, -4000);
    EXPECT_NEAR(meter_rect().top(), -2000, 15) << "partly above the board is in reach";
}

TEST_F(meter_bench, ACarriedProbeIsHiddenAndTakesTheContactWiresOff) {
    open();
    drag_probe_to_point(w, meter->probe(0), 36, 22);
    drag_probe_to_point(w, meter->probe(1), 36, 26);
    ASSERT_EQ(w.model().wire_count(), 2);
    reading();
    QWindow* window = w.windowHandle();
    const QPoint start = in_window(w, meter->probe(0), meter->probe(0)->rect().center());
    QTest::mousePress(window, Qt::LeftButton, {}, start);
    EXPECT_EQ(meter->probe_in_hand(), 0);
    EXPECT_TRUE(meter->probe(0)->picture().isNull()) << "hidden while carried";
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(w.model().wire_count(), 0) << "every contact wire is off";
    EXPECT_EQ(meter_value(meter->meter()), 0);
    EXPECT_TRUE(meter->lead(0).drawn_inverted());

    // The carried lead is drawn in exclusive-or: carried away and back, the
    // board is as it was.
    QTest::mouseMove(window, start + QPoint(5, 5));
    const QImage carried = w.board()->layer();
    QTest::mouseMove(window, start + QPoint(-40, 25));
    EXPECT_NE(w.board()->layer(), carried);
    QTest::mouseMove(window, start + QPoint(5, 5));
    EXPECT_EQ(w.board()->layer(), carried);

    const board_point supply = point_position(36, 22);
    const QPoint end = board_pixel_in_window(w, supply.x + 30, supply.y - 30);
    QTest::mouseMove(window, end);
    QTest::mouseRelease(window, Qt::LeftButton, {}, end);
    EXPECT_EQ(meter->probe_in_hand(), -1);
    EXPECT_FALSE(meter->probe(0)->picture().isNull());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(w.model().wire_count(), 2) << "both probes attached again";
    const QRectF probe = twips_geometry(meter->probe(0));
    EXPECT_NEAR(probe.left(), supply.x - art::kMeterProbeTipX, 15) << "the tip on the point";
    EXPECT_NEAR(probe.bottom(), supply.y + art::kMeterProbeTipFromBottom, 15);
    EXPECT_TRUE(meter->measuring_timer()->isActive());
    QImage dropped = w.board()->layer();
    w.redraw_board(0);
    EXPECT_EQ(w.board()->layer(), dropped) << "no trace of the carried lead";
}

TEST_F(meter_bench, AProbeLetGoOffTheBoardStaysOnIt) {
    open();
    drag_probe_to(w, meter->probe(0), -2000, 3000);
    const QRectF probe = twips_geometry(meter->probe(0));
    EXPECT_GE(probe.left(), 0);
    EXPECT_LT(probe.left(), 600);
    EXPECT_EQ(w.model().wire_count(), 0) << "no point there";
    EXPECT_FALSE(w.bench_instruments().probe(instrument::meter, 0).on_point());
}

struct widget_reading {
    const char* what;
    int red_row, red_column, black_row, black_column;
    bool power;
    double volts;
};

class MeterReadsTheBoard : public meter_bench, public ::testing::WithParamInterface<widget_reading> {};

TEST_P(MeterReadsTheBoard, OnAVoltageRange) {
    const widget_reading& c = GetParam();
    click(w.toggle_switch(3));
    if (c.power) click(w.power_switch());
    open();
    drag_probe_to_point(w, meter->probe(0), c.red_row, c.red_column);
    drag_probe_to_point(w, meter->probe(1), c.black_row, c.black_column);
    EXPECT_DOUBLE_EQ(reading(), c.volts) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Bench, MeterReadsTheBoard,
    ::testing::Values(widget_reading{"switch on against ground", 36, 3, 36, 26, true, 5},
                      widget_reading{"clock against ground", 36, 16, 36, 26, true, 4},
                      widget_reading{"ground against supply", 36, 26, 36, 22, true, -5},
                      widget_reading{"power off", 36, 3, 36, 26, false, 0},
                      widget_reading{"an empty hole", 8, 30, 36, 26, true, 0}));

TEST_F(meter_bench, ReadsAnOpenChipInput) {
    bench_model& m = w.model();
    const board_point seat = point_position(14, 10);
    const int k = m.drop_chip(lgsim::catalogue_row_of("74LS00"), seat.x - kPitch / 1.4, seat.y + 5);
    ASSERT_TRUE(m.seat_chip(k));
    click(w.power_switch());
    open();
    drag_probe_to_point(w, meter->probe(0), 17, 11);
    drag_probe_to_point(w, meter->probe(1), 36, 26);
    EXPECT_DOUBLE_EQ(reading(), 4.9);
}

TEST_F(meter_bench, ContinuityOnTheResistanceRanges) {
    open();
    turn_knob_to(12);
    ASSERT_EQ(meter->meter()->value_type(), 100);
    // A wire from ground to hole (5, 40), drawn with the mouse.
    click(w.stick(1));
    click_point(w, 36, 26);
    click_point(w, 5, 40);
    ASSERT_EQ(w.model().wire_count(), 1);
    drag_probe_to_point(w, meter->probe(0), 8, 40);
    drag_probe_to_point(w, meter->probe(1), 36, 26);
    EXPECT_EQ(reading(), 0);
    drag_probe_to_point(w, meter->probe(1), 8, 41);
    EXPECT_EQ(reading(), 900000);
    // Another wire joins the two strips: the finished wire measures again.
    click(w.stick(2));
    click_point(w, 5, 41);
    click_point(w, 6, 40);
    EXPECT_EQ(reading(), 0);
}

TEST_F(meter_bench, EveryChangeOnTheBoardMeasuresAgain) {
    click(w.power_switch());
    open();
    drag_probe_to_point(w, meter->probe(0), 36, 3);
    drag_probe_to_point(w, meter->probe(1), 36, 26);
    EXPECT_EQ(reading(), 0);
    click(w.toggle_switch(3));
    EXPECT_EQ(reading(), 5);
    click(w.power_switch());
    EXPECT_EQ(reading(), 0);
    click(w.power_switch());
    EXPECT_EQ(reading(), 5);
    QTest::mousePress(w.pulse_button(0), Qt::LeftButton);
    EXPECT_TRUE(meter->measuring_timer()->isActive());
    reading();
    QTest::mouseRelease(w.pulse_button(0), Qt::LeftButton);
    EXPECT_TRUE(meter->measuring_timer()->isActive());
    reading();
    click_point(w, 10, 10);
    EXPECT_TRUE(meter->measuring_timer()->isActive()) << "a left click on a connection point";
}

TEST_F(meter_bench, TurningTheRangeKnobMeasuresAgainSoTheNeedleFollows) {
    click(w.toggle_switch(3));
    click(w.power_switch());
    open();  // 10 V full scale
    drag_probe_to_point(w, meter->probe(0), 36, 3);
    drag_probe_to_point(w, meter->probe(1), 36, 26);
    ASSERT_EQ(reading(), 5);
    const dmeterx::twips_point on_10_volts = meter->meter()->needle_tip();
    turn_knob_to(4);
    EXPECT_TRUE(meter->measuring_timer()->isActive()) << "the knob's turn starts a measurement";
    EXPECT_EQ(reading(), 5);
    EXPECT_NE(meter->meter()->needle_tip(), on_10_volts) << "5 V stands elsewhere on the next range";
    turn_knob_to(3);
    reading();
    EXPECT_NEAR(meter->meter()->needle_tip().x, on_10_volts.x, 1e-6) << "and comes back with the knob";
    EXPECT_NEAR(meter->meter()->needle_tip().y, on_10_volts.y, 1e-6);
}

}  // namespace
