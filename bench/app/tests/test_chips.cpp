#include <gtest/gtest.h>

#include <QMimeData>
#include <QSpontaneKeyEvent>
#include <QWheelEvent>

#include "catalogue.h"
#include "ui_helpers.h"

using namespace bench;
using namespace bench::testing;

namespace {

int row_of(const char* model) { return lgsim::catalogue_row_of(model); }



// Seats a chip through the mouse: drops it above the seat and drags it there.
int seat_by_mouse(main_window& w, const char* model, int upper_row, int column) {
    const board_point p = point_position(upper_row, column);
    const double left = p.x - kPitch / 1.4, top = p.y + 5;
    drop_row(w, row_of(model), left - 300, top - 200);
    const int k = w.model().chip_count();
    drag_chip(w, k, 300, 200);
    return k;
}

}  // namespace

TEST(ChipBox, CategoryCounts) {
    main_window w;
    chip_box* box = w.chips_box();
    EXPECT_EQ(box->shown_count(), static_cast<int>(lgsim::kCatalogue.size()));
    EXPECT_EQ(box->name_label(0)->text(), QStringLiteral("1. 四2输入与非门"));
    int gates = 0;
    for (const auto& e : lgsim::kCatalogue) gates += e.category == 1;
    box->fill(1);
    EXPECT_EQ(box->shown_count(), gates);
    EXPECT_EQ(box->model_label(0)->text(), QStringLiteral("74LS00"));
    EXPECT_EQ(box->name_label(gates - 1)->text().left(3), QStringLiteral("%1.").arg(gates).left(3));
    for (int c = 1; c <= 4; ++c) {
        box->fill(c);
        for (int i = 0; i < box->shown_count(); ++i)
            EXPECT_NE(box->model_label(i)->text(), QStringLiteral("74LS183")) << "category " << c;
    }
    box->fill(2);
    EXPECT_EQ(box->model_label(0)->text(), QStringLiteral("74LS74"));
}

TEST(ChipBox, TheSearchFieldFiltersByModelOrDescription) {
    main_window w;
    chip_box* box = w.chips_box();
    QTest::keyClicks(box->search_field(), QStringLiteral("138"));
    ASSERT_EQ(box->shown_count(), 1);
    EXPECT_EQ(box->model_label(0)->text(), QStringLiteral("74LS138"));
    EXPECT_EQ(box->name_label(0)->text().left(3), QStringLiteral("1. "));
    click(box->name_label(0));
    ASSERT_EQ(w.model().chip_count(), 1);
    EXPECT_EQ(w.model().chip_at(1).model, "74LS138") << "a filtered entry places its own chip";

    box->search_field()->clear();
    box->search_field()->insert(QStringLiteral("计数器"));  // as an input method puts it in
    int counters = 0;
    for (const auto& e : lgsim::kCatalogue) counters += QString::fromUtf8(e.description.data(), e.description.size()).contains(QStringLiteral("计数器"));
    EXPECT_GT(counters, 1);
    EXPECT_EQ(box->shown_count(), counters);
    for (int i = 0; i < box->shown_count(); ++i) EXPECT_TRUE(box->name_label(i)->text().contains(QStringLiteral("计数器")));
    EXPECT_FALSE(box->name_label(counters)->isVisibleTo(box));

    box->search_field()->setText(QStringLiteral("ls7"));  // letter case does not matter
    box->fill(2);                                           // and the category still holds
    for (int i = 0; i < box->shown_count(); ++i)
        EXPECT_TRUE(box->model_label(i)->text().startsWith(QStringLiteral("74LS7"))) << i;
    box->search_field()->clear();
    box->fill(0);
    EXPECT_EQ(box->shown_count(), static_cast<int>(lgsim::kCatalogue.size()));
}

TEST(ChipBox, TheMouseWheelScrollsTheList) {
    main_window w;
    w.show();
    click(w.chip_box_button());
    chip_box* box = w.chips_box();
    box->finish_slide();
    const int top = box->entry_panel()->y();
    QLabel* over = box->name_label(1);
    const QPointF at = over->rect().center();
    // The wheel as the platform delivers it: to the label under the pointer,
    // passed on to its parents until one takes it.
    QWheelEvent down(at, over->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&down);
    QCoreApplication::instance()->notify(over, &down);  // sendEvent would make it a synthesized one
    EXPECT_GT(box->scroll_bar()->value(), 0);
    EXPECT_LT(box->entry_panel()->y(), top) << "the list moved up";
    QWheelEvent up(at, over->mapToGlobal(at), QPoint(), QPoint(0, 240), Qt::NoButton, Qt::NoModifier,
                   Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&up);
    QCoreApplication::instance()->notify(over, &up);
    EXPECT_EQ(box->scroll_bar()->value(), 0);
    EXPECT_EQ(box->entry_panel()->y(), top);
}

TEST(ChipBox, OpensAndClosesBySliding) {
    main_window w;
    w.show();
    click(w.chip_box_button());
    w.chips_box()->finish_slide();
    EXPECT_TRUE(w.chips_box()->isVisible());
    EXPECT_EQ(w.chips_box()->x(), w.canvas()->origin().x() + px(w.scale(), 80));
    click(w.chips_box()->close_box());
    w.chips_box()->finish_slide();
    EXPECT_FALSE(w.chips_box()->isVisible());
}

TEST(Chips, ADropOverTheBreadboardSeatsTheChipOnTheFirstDrop) {
    main_window w;
    w.chips_box()->fill(2);
    // Between holes: the reference point falls 40 twips right of and 60 below (14, 20).
    const board_point seat = point_position(14, 20);
    drop_row(w, w.chips_box()->row_of_entry(0), seat.x - kPitch / 1.4 + 40, seat.y + 5 + 60);
    ASSERT_EQ(w.model().chip_count(), 1);
    const chip& c = w.model().chip_at(1);
    EXPECT_EQ(c.model, "74LS74");
    ASSERT_TRUE(c.seated()) << "no second drag needed";
    EXPECT_EQ(c.places[14].row, 14);
    EXPECT_EQ(c.places[14].column, 20);
    EXPECT_EQ(w.chip_picture(1)->geometry(),
              twips_rect(w.scale(), c.picture.left, c.picture.top, c.picture.width, c.picture.height));
    EXPECT_EQ(w.history().stack()->count(), 1) << "the drop can be undone";
}

TEST(Chips, ADropOffTheBreadboardLiesWhereItFell) {
    main_window w;
    drop_row(w, row_of("74LS00"), 5000, 6800);
    ASSERT_EQ(w.model().chip_count(), 1);
    EXPECT_FALSE(w.model().chip_at(1).seated());
    EXPECT_NEAR(w.model().chip_at(1).picture.left, 5000, 15);
    EXPECT_NEAR(w.model().chip_at(1).picture.top, 6800, 15);
}

TEST(Chips, ADropOnAnotherChipsHolesIsRefusedAndTheStatusLineSaysWhy) {
    main_window w;
    seat_by_mouse(w, "74LS00", 14, 20);
    const board_point seat = point_position(14, 23);
    drop_row(w, row_of("74LS04"), seat.x - kPitch / 1.4, seat.y + 5);
    EXPECT_EQ(w.model().chip_count(), 1);
    EXPECT_TRUE(w.status()->message().contains(QStringLiteral("占用"))) << w.status()->message().toStdString();
}

TEST(Chips, AChipDraggedOntoAnotherGoesBackAndTheStatusLineSaysWhy) {
    main_window w;
    seat_by_mouse(w, "74LS00", 14, 20);
    const int k = seat_by_mouse(w, "74LS04", 4, 30);
    const QRect before = w.chip_picture(k)->geometry();
    drag_chip(w, k, -8 * 112.4, 2070);  // onto the first chip's holes
    const chip& c = w.model().chip_at(k);
    EXPECT_EQ(c.places[14].row, 4);
    EXPECT_EQ(c.places[14].column, 30);
    EXPECT_EQ(w.chip_picture(k)->geometry(), before) << "the picture went back with it";
    EXPECT_TRUE(w.status()->message().contains(QStringLiteral("放回原处"))) << w.status()->message().toStdString();
}

TEST(Chips, NameClicksPlaceChipsOnFreeSeats) {
    main_window w;
    for (int k = 0; k < 3; ++k) click(w.chips_box()->name_label(0));
    ASSERT_EQ(w.model().chip_count(), 3);
    for (int k = 1; k <= 3; ++k) {
        ASSERT_TRUE(w.model().chip_at(k).seated()) << k;
        for (int j = 1; j < k; ++j)
            EXPECT_FALSE(footprint_of(w.model().chip_at(j))->overlaps(*footprint_of(w.model().chip_at(k))))
                << j << " and " << k;
    }
}

TEST(Chips, DraggingSeatsOnTheNearestHolesThatFit) {
    main_window w;
    const int k = seat_by_mouse(w, "74LS00", 14, 51);
    const chip& c = w.model().chip_at(k);
    ASSERT_TRUE(c.seated());
    EXPECT_EQ(c.places[1].row, 15);
    EXPECT_EQ(c.places[1].column, 51);
    EXPECT_EQ(c.places[14].row, 14);
    EXPECT_EQ(c.places[14].column, 51);
    // Column 58 leaves no room for seven pins: the nearest seat that fits is 57.
    drag_chip(w, k, 7 * 112.4, 0);
    EXPECT_EQ(w.model().chip_at(k).places[1].column, 57);
}

TEST(Chips, DoubleClickDeletesAndRenumbers) {
    main_window w;
    seat_by_mouse(w, "74LS00", 14, 10);
    seat_by_mouse(w, "74LS04", 14, 20);
    seat_by_mouse(w, "74LS08", 14, 30);
    QTest::mouseDClick(w.chip_picture(2), Qt::LeftButton);
    ASSERT_EQ(w.model().chip_count(), 2);
    EXPECT_EQ(w.model().chip_at(2).model, "74LS08");
    EXPECT_EQ(w.model().chip_at(2).places[1].column, 30);
    EXPECT_FALSE(w.chip_picture(3) && w.chip_picture(3)->isVisible());
}

TEST(Chips, NandCircuitBuiltByMouseLightsTheLed) {
    main_window w;
    seat_by_mouse(w, "74LS00", 14, 20);  // pin 1 on (15, 20), pin 14 on (14, 20)
    auto wire_up = [&](int r1, int c1, int r2, int c2) {
        click(w.stick(1));
        click_point(w, r1, c1);
        click_point(w, r2, c2);
    };
    wire_up(12, 20, 36, 22);  // pin 14 to +5 V
    wire_up(17, 26, 36, 26);  // pin 7 to ground
    wire_up(17, 20, 36, 0);   // pin 1 to switch 0
    wire_up(17, 21, 36, 1);   // pin 2 to switch 1
    wire_up(17, 22, 35, 0);   // pin 3 to LED 0
    ASSERT_EQ(w.model().wire_count(), 5);
    click(w.power_switch());
    const int expected[4] = {1, 1, 1, 0};
    for (int s = 0; s < 4; ++s) {
        if ((w.model().switch_state(0) == 1) != bool(s & 1)) click(w.toggle_switch(0));
        if ((w.model().switch_state(1) == 1) != bool(s & 2)) click(w.toggle_switch(1));
        w.model().clock_tick();
        w.model().clock_tick();
        QCoreApplication::processEvents();
        EXPECT_EQ(w.led(0)->isVisibleTo(&w), expected[s] == 1) << "switches " << s;
    }
    click(w.power_switch());
    for (int k = 0; k < 16; ++k) EXPECT_FALSE(w.led(k)->isVisibleTo(&w));
}

TEST(Inputs, PulseButtonCodesWhilePressed) {
    main_window w;
    click(w.power_switch());
    EXPECT_EQ(w.model().point_value(36, kPulse0Column), 0);
    EXPECT_EQ(w.model().point_value(36, kPulse1Column), 1);
    QTest::mousePress(w.pulse_button(0), Qt::LeftButton);
    EXPECT_EQ(w.model().point_value(36, kPulse0Column), 1);
    QTest::mouseRelease(w.pulse_button(0), Qt::LeftButton);
    EXPECT_EQ(w.model().point_value(36, kPulse0Column), 0);
    QTest::mousePress(w.pulse_button(1), Qt::LeftButton);
    EXPECT_EQ(w.model().point_value(36, kPulse1Column), 0);
    QTest::mouseRelease(w.pulse_button(1), Qt::LeftButton);
    EXPECT_EQ(w.model().point_value(36, kPulse1Column), 1);
}

TEST(Inputs, SwitchesAndLampsFollowPower) {
    main_window w;
    click(w.toggle_switch(3));
    EXPECT_EQ(w.model().switch_state(3), 1);
    EXPECT_FALSE(w.model().lamp_lit(3)) << "lamps stay off while the power is off";
    click(w.power_switch());
    EXPECT_TRUE(w.model().lamp_lit(3));
    EXPECT_EQ(w.model().point_value(36, 3), 1);
    EXPECT_TRUE(w.kick_timer()->isActive());
}
