#include <QApplication>
#include <QMouseEvent>
#include <algorithm>
#include <ostream>

#include "art/meter_artwork.h"
#include "meter_fixture.h"
#include "range_table.h"

namespace dmeterx::testing {
namespace {

using Knob = MeterTest;

TEST_F(Knob, LeftButtonTurnsUpAndWrapsFromTwentyToOne) {
    turn_to(20);
    click_knob(Qt::LeftButton);
    EXPECT_EQ(meter->range_position(), 1);
    EXPECT_EQ(meter->value_type(), kDirectVoltage);
    EXPECT_EQ(meter->getValuescale(), 0.5);
    EXPECT_EQ(meter->in_res(), "1000000000");
}

TEST_F(Knob, OtherButtonsTurnDownAndWrapFromOneToTwenty) {
    click_knob(Qt::RightButton);
    EXPECT_EQ(meter->range_position(), 20);
    EXPECT_EQ(meter->value_type(), kDirectCurrent);
    EXPECT_EQ(meter->getValuescale(), 0.00005);
    click_knob(Qt::MiddleButton);
    EXPECT_EQ(meter->range_position(), 19);
}

TEST_F(Knob, PressIsAlsoPassedToTheHost) {
    press(kKnob, Qt::RightButton);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, 'D');
    EXPECT_EQ(events[0].button, dmeterw::kRightButton);
    EXPECT_EQ(events[0].x, kKnob.x() * 15.0f);
    EXPECT_EQ(events[0].y, kKnob.y() * 15.0f);
    release(kKnob, Qt::RightButton);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[1].kind, 'U');
}

TEST_F(Knob, PressAreaEdgesAreIncluded) {
    // 825..1785 by 2145..3105 twips is pixels 55..119 by 143..207.
    for (QPoint corner : {QPoint(55, 143), QPoint(119, 207)}) {
        const int before = meter->range_position();
        QTest::mouseClick(meter.get(), Qt::LeftButton, {}, corner);
        EXPECT_EQ(meter->range_position(), before + 1);
    }
    for (QPoint outside : {QPoint(54, 175), QPoint(87, 208)}) {
        const int before = meter->range_position();
        QTest::mouseClick(meter.get(), Qt::LeftButton, {}, outside);
        EXPECT_EQ(meter->range_position(), before);
    }
}

TEST_F(Knob, ADoubleClickTurnsItTwice) {
    auto send = [this](QEvent::Type type) {
        const bool held = type != QEvent::MouseButtonRelease;
        QMouseEvent event(type, QPointF(kKnob), meter->mapToGlobal(QPointF(kKnob)), Qt::LeftButton,
                          held ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(meter.get(), &event);
    };
    for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonPress,
                      QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        send(type);
    }
    EXPECT_EQ(meter->range_position(), 3);
    EXPECT_EQ(std::count_if(events.begin(), events.end(), [](const auto& e) { return e.kind == 'D'; }), 2);
}

TEST_F(Knob, PaintsTheKnobPictureOfTheNewPosition) {
    const QRect area(46, 126, 83, 90);
    for (int position : {2, 13, 20}) {
        turn_to(position);
        const QImage painted = meter->grab().toImage().convertToFormat(QImage::Format_RGB32).copy(area);
        EXPECT_EQ(painted, artwork().knobs[static_cast<std::size_t>(position)]) << position;
    }
}

struct drop_case {
    QPoint release_at;  // pixels
    twips_point plug_ends_at;
    int jack;
};

void PrintTo(const drop_case& c, std::ostream* os) {
    *os << "release at (" << c.release_at.x() << ", " << c.release_at.y() << ") -> jack " << c.jack;
}

class PlugDrop : public MeterTest, public ::testing::WithParamInterface<drop_case> {};

TEST_P(PlugDrop, SnapsToAJackInReachOrGoesBack) {
    const auto& c = GetParam();
    const QPoint home = pixel_of(geometry::kJacks[1]);
    press(home);
    EXPECT_TRUE(meter->plug_dragging());
    move(c.release_at);
    EXPECT_EQ(meter->plug_position(), (twips_point{c.release_at.x() * 15.0, c.release_at.y() * 15.0}));
    release(c.release_at);
    EXPECT_FALSE(meter->plug_dragging());
    EXPECT_EQ(meter->plug_position(), c.plug_ends_at);
    EXPECT_EQ(meter->current_jack(), c.jack);
    EXPECT_TRUE(events.empty()) << "the plug drag is the control's own";
}

// Jacks 0..3 sit at pixels (13, 171), (13, 214), (158, 181), (159, 214); the
// reach of 200 twips is 13 whole pixels.
INSTANTIATE_TEST_SUITE_P(
    Releases, PlugDrop,
    ::testing::Values(drop_case{{13, 171}, {195, 2565}, 0}, drop_case{{26, 158}, {195, 2565}, 0},
                      drop_case{{158, 181}, {2370, 2715}, 2}, drop_case{{146, 226}, {2385, 3210}, 3},
                      drop_case{{27, 171}, {195, 3210}, 1},   // 14 pixels off jack 0: back home
                      drop_case{{90, 60}, {195, 3210}, 1}));  // over the dial: back home

TEST_F(PlugDrop, GoesBackToWhereTheDragBeganNotToTheHomeJack) {
    press(pixel_of(geometry::kJacks[1]));
    release(pixel_of(geometry::kJacks[2]));
    press(pixel_of(geometry::kJacks[2]) + QPoint(5, -5));  // within reach of the plug
    move({80, 80});
    release({80, 80});
    EXPECT_EQ(meter->plug_position(), geometry::kJacks[2]);
    EXPECT_EQ(meter->current_jack(), 2);
}

TEST_F(PlugDrop, ASecondButtonDuringTheDragKeepsItsStart) {
    press(pixel_of(geometry::kJacks[1]));
    move({100, 60});
    press({100, 60}, Qt::RightButton);
    release({100, 60}, Qt::LeftButton);
    EXPECT_EQ(meter->plug_position(), geometry::kJacks[1]);
    EXPECT_TRUE(events.empty());
    release({100, 60}, Qt::RightButton);  // the drag is over: this one is the host's
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, 'U');
}

using HostEvents = MeterTest;

TEST_F(HostEvents, PressMoveAndReleaseAwayFromThePlugGoToTheHost) {
    const QPoint corner(6, 8);  // the host's close box
    press(corner, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier);
    move({40, 50});
    release({40, 50}, Qt::LeftButton, Qt::AltModifier);
    ASSERT_EQ(events.size(), 3u);
    const auto& down = events[0];
    EXPECT_EQ(down.kind, 'D');
    EXPECT_EQ(down.button, dmeterw::kLeftButton);
    EXPECT_EQ(down.shift, dmeterw::kShiftKey | dmeterw::kCtrlKey);
    EXPECT_EQ(down.x, 90.0f);
    EXPECT_EQ(down.y, 120.0f);
    const auto& moved = events[1];
    EXPECT_EQ(moved.kind, 'M');
    EXPECT_EQ(moved.button, dmeterw::kLeftButton);  // the buttons held
    EXPECT_EQ(moved.x, 600.0f);
    EXPECT_EQ(moved.y, 750.0f);
    const auto& up = events[2];
    EXPECT_EQ(up.kind, 'U');
    EXPECT_EQ(up.button, dmeterw::kLeftButton);
    EXPECT_EQ(up.shift, dmeterw::kAltKey);
    EXPECT_EQ(up.x, 600.0f);
    EXPECT_EQ(up.y, 750.0f);
}

TEST_F(HostEvents, TheHostMayDeleteTheControlWhenItIsReleased) {
    QObject::connect(meter.get(), &dmeterw::MouseUp, [this] { meter.reset(); });
    QMouseEvent up(QEvent::MouseButtonRelease, QPointF(40, 50), meter->mapToGlobal(QPointF(40, 50)),
                   Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(meter.get(), &up);
    EXPECT_EQ(meter, nullptr);
}

TEST_F(HostEvents, APressJustOutOfReachOfThePlugIsTheHosts) {
    const QPoint home = pixel_of(geometry::kJacks[1]);
    press(home + QPoint(0, -14));  // 210 twips above the plug
    EXPECT_FALSE(meter->plug_dragging());
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, 'D');
}

}  // namespace
}  // namespace dmeterx::testing
