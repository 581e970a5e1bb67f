// The window at different sizes and zooms: the board and its controls scale
// together, every mouse action still lands on the point it is aimed at,
// nothing overlaps, and the instruments open where they hide the least of the
// breadboard.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QScrollBar>
#include <cmath>

#include "art_style.h"
#include "catalogue.h"
#include "form_layout.h"
#include "instrument_mouse.h"
#include "instrument_placement.h"
#include "probe_art.h"
#include "rate_strip.h"

using namespace bench;
using namespace bench::testing;

namespace {

struct view_bench : ::testing::Test {
    void SetUp() override {
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        w.meter()->meter()->set_step_delay(std::chrono::microseconds{0});
    }
    void TearDown() override {
        while (QGuiApplication::overrideCursor() != nullptr) QGuiApplication::restoreOverrideCursor();
    }
    QWindow* window() { return w.windowHandle(); }
    void resize(QSize size) {
        w.resize(size);
        QCoreApplication::processEvents();
    }
    // Scrolls a widget's place on the canvas into view, with room around it.
    void reveal(const QWidget* widget) {
        const QPoint c = widget->mapTo(w.canvas(), widget->rect().center());
        w.zoom_area()->ensureVisible(c.x(), c.y(), 120, 120);
    }
    void reveal_board(double x, double y) {
        const QPoint c = w.board()->pos() + board_pixel(w, x, y);
        w.zoom_area()->ensureVisible(c.x(), c.y(), 120, 120);
    }
    QPoint window_point(double x, double y) { return board_pixel_in_window(w, x, y); }
    void click_in_window(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(window(), button, Qt::NoModifier, at);
    }
    void click_widget(QWidget* widget) {
        reveal(widget);
        click_in_window(in_window(w, widget, widget->rect().center()));
    }
    // Drags with the mouse from one window point to another in a few steps.
    void drag(QPoint from, QPoint to) {
        QTest::mousePress(window(), Qt::LeftButton, Qt::NoModifier, from);
        for (int step = 1; step <= 4; ++step) QTest::mouseMove(window(), from + (to - from) * step / 4);
        QTest::mouseRelease(window(), Qt::LeftButton, Qt::NoModifier, to);
    }

    // Takes a 74LS00 by its name and drags it onto the holes with its upper
    // pins on row 14 from `column`.
    void seat_chip(int column) {
        click(w.chips_box()->name_label(0));
        const int k = w.model().chip_count();
        const chip& c = w.model().chip_at(k);
        const board_point hole = point_position(14, column);
        const double left = hole.x - kPitch / 1.4, top = hole.y + 5;
        reveal_board((c.picture.left + left) / 2, (c.picture.top + top) / 2);
        const QPoint from = in_window(w, w.chip_picture(k), w.chip_picture(k)->rect().center());
        const QPoint by = board_pixel(w, left, top) - board_pixel(w, c.picture.left, c.picture.top);
        drag(from, from + by);
        const chip& seated = w.model().chip_at(k);
        ASSERT_TRUE(seated.seated());
        EXPECT_EQ(seated.places[1].row, 15);
        EXPECT_EQ(seated.places[1].column, column);
        EXPECT_EQ(seated.places[14].row, 14);
        EXPECT_EQ(seated.places[14].column, column);
    }

    // A wire from (7, column) bent once on its way to (24, column + 2).
    void draw_wire(int column) {
        const int before = w.model().wire_count();
        click_widget(w.stick(3));
        const board_point a = point_position(7, column), b = point_position(24, column + 2);
        const board_point bend{a.x + 400, 4300};
        for (const auto& [at, button] : {std::pair{a, Qt::LeftButton}, std::pair{bend, Qt::RightButton},
                                         std::pair{b, Qt::LeftButton}}) {
            reveal_board(at.x, at.y);
            click_in_window(window_point(at.x, at.y), button);
        }
        ASSERT_EQ(w.model().wire_count(), before + 1);
        const wire& line = w.model().wire_at(before + 1);
        EXPECT_EQ(line.start_row, 7);
        EXPECT_EQ(line.start_column, column);
        EXPECT_EQ(line.end_row, 24);
        EXPECT_EQ(line.end_column, column + 2);
        ASSERT_EQ(line.points.size(), 3u);
        // The bend is taken where the pointer was, to within a pixel.
        EXPECT_NEAR(line.points[1].x, bend.x, w.scale().twips_per_pixel);
        EXPECT_NEAR(line.points[1].y, bend.y, w.scale().twips_per_pixel);
    }

    void flip_switch(int k) {
        const int before = w.model().switch_state(k);
        click_widget(w.toggle_switch(k));
        EXPECT_NE(w.model().switch_state(k), before);
    }

    // Drops the meter's red probe on the free hole nearest to it.
    void drop_probe() {
        picture_control* probe = w.meter()->probe(0);
        reveal(probe);
        const QRectF at = twips_geometry(probe);
        const board_point tip{at.left() + art::kMeterProbeTipX, at.bottom() - art::kMeterProbeTipFromBottom};
        int best_row = -1, best_column = -1;
        double best = 1e9;
        for (int r = 0; r < 30; ++r)
            for (int c = 0; c < kGridColumns; ++c) {
                const board_point p = point_position(r, c);
                const double d = std::hypot(p.x - tip.x, p.y - tip.y);
                const bool had = w.bench_instruments().probe(instrument::meter, 0).row == r &&
                                 w.bench_instruments().probe(instrument::meter, 0).column == c;
                // A hole the pointer can reach: in view and not under an instrument.
                const QPoint in_view = w.zoom_area()->viewport()->mapFrom(&w, window_point(p.x, p.y));
                if (d < 300 || d >= best || had || !w.zoom_area()->viewport()->rect().contains(in_view) ||
                    w.childAt(window_point(p.x, p.y)) != w.board())
                    continue;
                best = d;
                best_row = r;
                best_column = c;
            }
        ASSERT_GE(best_row, 0) << "a free hole in view";
        drag_probe_to_point(w, probe, best_row, best_column);
        const probe_contact& contact = w.bench_instruments().probe(instrument::meter, 0);
        EXPECT_EQ(contact.row, best_row);
        EXPECT_EQ(contact.column, best_column);
    }

    // The board and its drawing layer follow the view: the layer holds the
    // board's own device pixels.
    void expect_board_follows_view() {
        EXPECT_EQ(w.board()->geometry(), w.canvas()->place(layout::kBoard));
        const QImage& layer = w.board()->layer();
        EXPECT_GE(layer.width(), std::floor(w.board()->width() * w.devicePixelRatioF()));
        EXPECT_LE(layer.width(), std::ceil(w.board()->width() * w.devicePixelRatioF()) + 1);
    }

    main_window w;
};

TEST_F(view_bench, StartsAsLargeAsTheScreenAllowsAndFitsTheForm) {
    EXPECT_TRUE(w.zoom_area()->fitting());
    const QSize viewport = w.zoom_area()->viewport()->size();
    const QSize form = board_canvas::form_size(w.scale());
    EXPECT_TRUE(form.width() == viewport.width() || form.height() == viewport.height()) << "the form fills one way";
    EXPECT_LE(form.width(), viewport.width());
    EXPECT_LE(form.height(), viewport.height());
    EXPECT_GE(w.scale().zoom(), 1) << "the offscreen screen has room for the form at zoom 1";
    EXPECT_GE(w.width(), 780) << "never smaller than the window of old";
    EXPECT_GE(w.height(), 546);
}

TEST_F(view_bench, MouseActionsLandOnTheirPointsAtEverySizeAndZoom) {
    const QSize start = w.size();
    const double start_zoom = w.scale().zoom();
    click_widget(w.meter_icon());
    struct view_case {
        const char* what;
        std::function<void()> set;
    };
    const view_case views[] = {
        {"the start size", [] {}},
        {"1600 x 1000", [&] { resize(QSize(1600, 1000)); }},
        {"zoomed in twice and scrolled",
         [&] {
             QTest::keyClick(window(), Qt::Key_Equal, Qt::ControlModifier);
             QTest::keyClick(window(), Qt::Key_Equal, Qt::ControlModifier);
         }},
        {"back at the start size, fitted",
         [&] {
             resize(start);
             QTest::keyClick(window(), Qt::Key_0, Qt::ControlModifier);
         }},
    };
    double zoom_before = 0;
    for (int round = 0; round < 4; ++round) {
        SCOPED_TRACE(views[round].what);
        views[round].set();
        EXPECT_NE(w.scale().zoom(), zoom_before);
        zoom_before = w.scale().zoom();
        expect_board_follows_view();
        seat_chip(20 + 8 * round);
        draw_wire(21 + 8 * round);
        flip_switch(round);
        drop_probe();
    }
    EXPECT_DOUBLE_EQ(w.scale().zoom(), start_zoom);
    EXPECT_TRUE(w.zoom_area()->fitting());
}

TEST_F(view_bench, CtrlWheelZoomsAroundThePointer) {
    const board_point hole = point_position(22, 40);
    const QPoint at = w.zoom_area()->viewport()->mapFrom(&w, window_point(hole.x, hole.y));
    const double before = w.scale().zoom();
    QWheelEvent wheel(at, w.zoom_area()->viewport()->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(w.zoom_area()->viewport(), &wheel);
    EXPECT_NEAR(w.scale().zoom(), before * board_zoom::kStep, 1e-9);
    EXPECT_FALSE(w.zoom_area()->fitting());
    // The hole stays under the pointer.
    const QPoint now = w.zoom_area()->viewport()->mapFrom(&w, window_point(hole.x, hole.y));
    EXPECT_LE((now - at).manhattanLength(), 2);
    EXPECT_GT(w.zoom_area()->horizontalScrollBar()->maximum(), 0) << "a zoomed-in board scrolls";
    QTest::keyClick(window(), Qt::Key_0, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(w.scale().zoom(), before);
}

TEST_F(view_bench, ZoomStaysWithinItsBounds) {
    for (int k = 0; k < 20; ++k) w.zoom_area()->zoom_in();
    EXPECT_LE(w.scale().zoom(), std::max(board_zoom::kMostZoom, w.zoom_area()->fitting_zoom()));
    for (int k = 0; k < 40; ++k) w.zoom_area()->zoom_out();
    EXPECT_GE(w.scale().zoom(), board_zoom::kLeastZoom);
    expect_board_follows_view();
}

// Nothing on the board overlaps or is clipped at any zoom: the rate controls
// sit side by side, each text has the width it needs, and the wire tray
// ends above the top breadboard.
TEST_F(view_bench, NothingOverlapsOrIsClipped) {
    for (const double zoom : {board_zoom::kLeastZoom, 1.0, 1.6, 2.5, board_zoom::kMostZoom}) {
        SCOPED_TRACE(zoom);
        w.zoom_area()->set_zoom(zoom);
        const QWidget* strip[] = {w.findChild<QWidget*>(QStringLiteral("Label2")), w.speed_box(),
                                  w.frequency_label(), w.rate_bar()};
        for (int a = 0; a < 4; ++a) {
            EXPECT_TRUE(w.board()->rect().contains(strip[a]->geometry())) << a;
            for (int b = a + 1; b < 4; ++b) EXPECT_FALSE(strip[a]->geometry().intersects(strip[b]->geometry())) << a << b;
        }
        for (const QLabel* label : {w.findChild<QLabel*>(QStringLiteral("Label2")), w.frequency_label(), w.circuit_name()}) {
            const QFontMetrics metrics(label->font());
            EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width()) << label->objectName().toStdString();
            EXPECT_LE(metrics.height(), label->height() + 1) << label->objectName().toStdString();
        }
        EXPECT_FALSE(w.circuit_name()->geometry().intersects(w.rate_bar()->geometry()));
        for (int k = 0; k < 2; ++k)
            for (const QWidget* other : strip) EXPECT_FALSE(w.pulse_button(k)->geometry().intersects(other->geometry()));
        const double top_holes = point_position(0, 0).y - 31;
        for (int k = 0; k < 6; ++k) EXPECT_LT(twips_geometry(w.stick(k)).bottom(), top_holes) << "stick " << k;
    }
}

TEST_F(view_bench, TextOnTheBoardIsAtLeastTheWindowsTextAtTheFittingZoom) {
    resize(QSize(1600, 1000));
    ASSERT_TRUE(w.zoom_area()->fitting());
    const int normal = art::normal_text_pixels();
    const QWidget* texts[] = {w.circuit_name(), w.speed_box(), w.frequency_label(), w.menu_item(0)};
    for (const QWidget* text : texts)
        EXPECT_GE(QFontInfo(text->font()).pixelSize(), normal) << text->objectName().toStdString();
    EXPECT_GE(art::text_floor_twips(w.scale()), normal * w.scale().twips_per_pixel - 1e-9)
        << "printed labels are drawn at least this tall";
}

TEST_F(view_bench, TheMeterOpensOffTheBreadboardWhenTheWindowHasRoom) {
    resize(QSize(1600, 1000));
    click_widget(w.meter_icon());
    const QRect meter = w.meter()->meter()->geometry();
    const QRect visible = w.canvas()->visibleRegion().boundingRect();
    EXPECT_TRUE(visible.contains(meter));
    for (const QRectF& area : breadboard_areas()) {
        const QRect on_canvas = twips_rect(w.scale(), area.left(), area.top(), area.width(), area.height())
                                    .translated(w.board()->pos());
        EXPECT_FALSE(meter.intersects(on_canvas));
    }
    click_widget(w.scope_icon());
    const QRect scope = w.scope()->scope()->geometry();
    EXPECT_TRUE(visible.contains(scope));
    EXPECT_FALSE(scope.intersects(meter)) << "the oscilloscope keeps off the meter";
    for (int k = 0; k < 2; ++k)
        EXPECT_FALSE(scope.intersects(w.meter()->probe(k)->geometry().translated(w.board()->pos())))
            << "and off its probes";
}

TEST(RateStrip, TheClocksFrequencyBesideTheRate) {
    struct frequency_case {
        int feq;
        const char* text;
    };
    const frequency_case cases[] = {{100, "≈ 500 Hz"}, {99, "≈ 7.9 Hz"}, {97, "≈ 2.7 Hz"},
                                    {50, "≈ 0.16 Hz"}, {1, "≈ 0.08 Hz"}};
    main_window w;
    for (const frequency_case& c : cases) {
        w.rate_bar()->setValue(c.feq);
        EXPECT_EQ(w.frequency_label()->text(), QString::fromUtf8(c.text)) << c.feq;
    }
    EXPECT_EQ(clock_frequency_text(250), QStringLiteral("≈ 2 Hz"));
}

}  // namespace
