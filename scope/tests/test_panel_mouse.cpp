#include "scope_test_support.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include <functional>

namespace dscopex {
namespace {

using namespace dscopex::testing;

// Points inside each element, in control twips.
constexpr double kCh1Volts[] = {650, 780};
constexpr double kCh2Volts[] = {720, 2685};
constexpr double kTime[] = {5955, 1245};
constexpr double kCh1Coupling[] = {720, 1395};
constexpr double kCh2Coupling[] = {735, 3225};
constexpr double kMode[] = {1350, 1905};
constexpr double kTwoPosition[] = {1350, 2895};
constexpr double kCh1Position[] = {1245, 1455};
constexpr double kCh2Position[] = {1245, 3405};
constexpr double kShift[] = {5820, 525};
constexpr double kPower[] = {1905, 3870};
constexpr double kBarePanel[] = {3000, 4110};
constexpr double kScreen[] = {3450, 1980};

class PanelMouse : public ::testing::Test {
protected:
    void SetUp() override {
        scope.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&scope));
    }
    Dscopew scope;
    QSignalSpy downs{&scope, &Dscopew::MouseDown};
    QSignalSpy moves{&scope, &Dscopew::MouseMove};
    QSignalSpy ups{&scope, &Dscopew::MouseUp};
};

struct PressCase {
    const char* name;
    const double* at;
    std::function<int(const ScopePanel&)> setting;
    int first;  // the setting at creation
    int last;   // the setting's top end
};

int setting_at_start(const PressCase& c) { return c.first; }

class Presses : public PanelMouse, public ::testing::WithParamInterface<PressCase> {};

TEST_P(Presses, StepUpWithTheLeftButtonAndDownWithAnyOtherStoppingAtTheEnds) {
    const PressCase& c = GetParam();
    EXPECT_EQ(c.setting(scope.panel()), setting_at_start(c));

    for (int i = 0; i < 30; ++i) click(scope, c.at[0], c.at[1], Qt::LeftButton);
    EXPECT_EQ(c.setting(scope.panel()), c.last);
    click(scope, c.at[0], c.at[1], Qt::RightButton);
    EXPECT_EQ(c.setting(scope.panel()), c.last - 1);
    click(scope, c.at[0], c.at[1], Qt::MiddleButton);
    EXPECT_EQ(c.setting(scope.panel()), c.last - 2);
    for (int i = 0; i < 30; ++i) click(scope, c.at[0], c.at[1], Qt::RightButton);
    EXPECT_EQ(c.setting(scope.panel()), 1);

    EXPECT_EQ(downs.count(), 0) << "presses on the panel's elements are the control's own";
    EXPECT_EQ(ups.count(), 62) << "every release is raised";
}

INSTANTIATE_TEST_SUITE_P(
    Elements, Presses,
    ::testing::Values(
        PressCase{"ch1_volts", kCh1Volts, [](const ScopePanel& p) { return p.volts_position[0]; }, 1, 12},
        PressCase{"ch2_volts", kCh2Volts, [](const ScopePanel& p) { return p.volts_position[1]; }, 1, 12},
        PressCase{"time", kTime, [](const ScopePanel& p) { return p.time_position; }, 6, 20},
        PressCase{"ch1_coupling", kCh1Coupling, [](const ScopePanel& p) { return p.coupling[0]; }, 1, 3},
        PressCase{"ch2_coupling", kCh2Coupling, [](const ScopePanel& p) { return p.coupling[1]; }, 1, 3},
        PressCase{"display_mode", kMode, [](const ScopePanel& p) { return p.display_mode; }, 1, 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PanelMouse, TheTimeKnobAtItsLastPositionStaysThere) {
    for (int i = 6; i < 20; ++i) click(scope, kTime[0], kTime[1]);
    ASSERT_EQ(scope.panel().time_position, 20);
    click(scope, kTime[0], kTime[1]);
    EXPECT_EQ(scope.panel().time_position, 20);
}

TEST_F(PanelMouse, OnePressStepsOnce) {
    click(scope, kCh2Volts[0], kCh2Volts[1]);
    EXPECT_EQ(scope.panel().volts_position[1], 2);
    EXPECT_EQ(scope.panel().volts_position[0], 1) << "the other channel's knob stays";
}

TEST_F(PanelMouse, TheTwoPositionSwitchFlipsWithAnyButton) {
    click(scope, kTwoPosition[0], kTwoPosition[1], Qt::LeftButton);
    EXPECT_EQ(scope.panel().two_position, 1);
    click(scope, kTwoPosition[0], kTwoPosition[1], Qt::LeftButton);
    EXPECT_EQ(scope.panel().two_position, 0);
    click(scope, kTwoPosition[0], kTwoPosition[1], Qt::RightButton);
    EXPECT_EQ(scope.panel().two_position, 1);
    EXPECT_EQ(downs.count(), 0);
}

TEST_F(PanelMouse, APressOnNoElementIsRaisedInControlTwips) {
    press(scope, kBarePanel[0], kBarePanel[1], Qt::RightButton);
    ASSERT_EQ(downs.count(), 1);
    const QList<QVariant> args = downs.takeFirst();
    EXPECT_EQ(args[0].value<short>(), 2);
    EXPECT_EQ(args[1].value<short>(), 0);
    EXPECT_FLOAT_EQ(args[2].toFloat(), 3000);
    EXPECT_FLOAT_EQ(args[3].toFloat(), 4110);

    release(scope, kBarePanel[0], kBarePanel[1], Qt::RightButton);
    ASSERT_EQ(ups.count(), 1);
    EXPECT_EQ(ups.first()[0].value<short>(), 2);
}

TEST_F(PanelMouse, TheCloseCornerPassesPressesOn) {
    click(scope, 150, 150);
    EXPECT_EQ(downs.count(), 1);
}

TEST_F(PanelMouse, TheShiftButtonTakesPressesAndDoesNothing) {
    const ScopePanel before = scope.panel();
    click(scope, kShift[0], kShift[1]);
    EXPECT_EQ(downs.count(), 0);
    EXPECT_EQ(scope.panel().time_position, before.time_position);
    EXPECT_EQ(scope.panel().volts_position, before.volts_position);
}

TEST_F(PanelMouse, PressesOnTheScreenGoNowhere) {
    const QPoint at = pixel_at(kScreen[0], kScreen[1]) ;
    QWidget* screen = scope.childAt(at);
    ASSERT_NE(screen, nullptr);
    QTest::mouseClick(screen, Qt::LeftButton, Qt::NoModifier, screen->mapFrom(&scope, at));
    EXPECT_EQ(downs.count(), 0);
    EXPECT_EQ(ups.count(), 0);
}

TEST_F(PanelMouse, MovesAreRaisedWithTheHeldButtons) {
    move(scope, kBarePanel[0], kBarePanel[1], Qt::LeftButton | Qt::RightButton);
    ASSERT_EQ(moves.count(), 1);
    EXPECT_EQ(moves.first()[0].value<short>(), 3);
    EXPECT_FLOAT_EQ(moves.first()[2].toFloat(), 3000);
    move(scope, kBarePanel[0], kBarePanel[1], Qt::NoButton);
    EXPECT_EQ(moves.last()[0].value<short>(), 0) << "the host ends its drag on Button 0";
}

TEST_F(PanelMouse, AQuickSecondClickOnAKnobIsASecondStep) {
    double_click(scope, kCh1Volts[0], kCh1Volts[1]);
    EXPECT_EQ(scope.panel().volts_position[0], 3);
}

// --- the big knobs grow under the mouse ------------------------------------

struct HoverCase {
    const char* name;
    const double* inside;           // in the normal area
    double only_enlarged_x, only_enlarged_y;  // in the enlarged area alone
    double outside_x, outside_y;    // beyond the enlarged area
    std::function<bool(const ScopePanel&)> enlarged;
    std::function<int(const ScopePanel&)> setting;
};

class Hover : public PanelMouse, public ::testing::WithParamInterface<HoverCase> {};

TEST_P(Hover, EnlargesTheKnobAndWidensWherePressesReachIt) {
    const HoverCase& c = GetParam();
    const int start = c.setting(scope.panel());

    // Not yet enlarged: the outer ring is bare panel.
    press(scope, c.only_enlarged_x, c.only_enlarged_y);
    release(scope, c.only_enlarged_x, c.only_enlarged_y);
    EXPECT_EQ(downs.count(), 1);
    EXPECT_EQ(c.setting(scope.panel()), start);

    move(scope, c.inside[0], c.inside[1]);
    EXPECT_TRUE(c.enlarged(scope.panel()));
    move(scope, c.only_enlarged_x, c.only_enlarged_y);
    EXPECT_TRUE(c.enlarged(scope.panel())) << "it shrinks only on leaving the enlarged area";

    click(scope, c.only_enlarged_x, c.only_enlarged_y);
    EXPECT_EQ(downs.count(), 1);
    EXPECT_EQ(c.setting(scope.panel()), start + 1);

    move(scope, c.outside_x, c.outside_y);
    EXPECT_FALSE(c.enlarged(scope.panel()));
}

INSTANTIATE_TEST_SUITE_P(
    Knobs, Hover,
    ::testing::Values(
        HoverCase{"ch1_volts", kCh1Volts, 210, 315, 1260, 780,
                  [](const ScopePanel& p) { return p.volts_enlarged[0]; },
                  [](const ScopePanel& p) { return p.volts_position[0]; }},
        HoverCase{"ch2_volts", kCh2Volts, 195, 3150, 165, 2685,
                  [](const ScopePanel& p) { return p.volts_enlarged[1]; },
                  [](const ScopePanel& p) { return p.volts_position[1]; }},
        HoverCase{"time", kTime, 6540, 1740, 6570, 1245,
                  [](const ScopePanel& p) { return p.time_enlarged; },
                  [](const ScopePanel& p) { return p.time_position; }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PanelMouse, EnlargedKnobsShrinkWhenTheMouseLeavesTheControl) {
    move(scope, kTime[0], kTime[1]);
    ASSERT_TRUE(scope.panel().time_enlarged);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&scope, &leave);
    EXPECT_FALSE(scope.panel().time_enlarged);
}

TEST_F(PanelMouse, EnlargedKnobsShrinkWhenTheMouseGoesOnOverTheScreen) {
    move(scope, kTime[0], kTime[1]);
    ASSERT_TRUE(scope.panel().time_enlarged);
    QWidget* screen = scope.childAt(pixel_at(kScreen[0], kScreen[1]));
    ASSERT_NE(screen, nullptr);
    QTest::mouseMove(screen, screen->mapFrom(&scope, pixel_at(kScreen[0], kScreen[1])));
    EXPECT_FALSE(scope.panel().time_enlarged);
    EXPECT_EQ(moves.count(), 1) << "moves over the screen are not the host's";
}

// --- the position knobs are turned by dragging ------------------------------

TEST_F(PanelMouse, DraggingAPositionKnobSetsTheOffsetFromTheMouseHeight) {
    press(scope, kCh1Position[0], kCh1Position[1]);
    move(scope, 1245, 1065, Qt::LeftButton);  // up
    EXPECT_EQ(scope.panel().position_frame[0], 2);
    EXPECT_FLOAT_EQ(scope.panel().offset[0], (1455.0f - 1065) / 1455 * 32);
    move(scope, 1245, 1650, Qt::LeftButton);  // down
    EXPECT_EQ(scope.panel().position_frame[0], 1);
    EXPECT_FLOAT_EQ(scope.panel().offset[0], (1455.0f - 1650) / 1455 * 32);
    move(scope, 1245, 1650, Qt::LeftButton);  // standing still counts as down
    EXPECT_EQ(scope.panel().position_frame[0], 1) << "the frames stop at 1";
    EXPECT_EQ(scope.panel().offset[1], 0.0f) << "the other channel stays";

    release(scope, 1245, 1650);
    move(scope, 1245, 600, Qt::NoButton);
    EXPECT_EQ(scope.panel().position_frame[0], 1) << "the release ended the drag";
    EXPECT_FLOAT_EQ(scope.panel().offset[0], (1455.0f - 1650) / 1455 * 32);
    EXPECT_EQ(downs.count(), 0);
}

TEST_F(PanelMouse, TheSecondChannelsKnobCountsFromItsOwnRestLine) {
    press(scope, kCh2Position[0], kCh2Position[1]);
    for (int i = 0; i < 12; ++i) move(scope, 1245, 3300 - 15 * i, Qt::LeftButton);
    EXPECT_EQ(scope.panel().position_frame[1], 10) << "the frames stop at 10";
    EXPECT_FLOAT_EQ(scope.panel().offset[1], (3450.0f - 3135) / 1455 * 32);
    EXPECT_EQ(scope.panel().offset[0], 0.0f);
    release(scope, 1245, 3135);
}

TEST_F(PanelMouse, TheDragFollowsTheMouseBeyondTheKnob) {
    press(scope, kCh1Position[0], kCh1Position[1]);
    move(scope, 4000, 3000, Qt::LeftButton);
    EXPECT_FLOAT_EQ(scope.panel().offset[0], (1455.0f - 3000) / 1455 * 32);
    release(scope, 4000, 3000);
}

// --- the power switch --------------------------------------------------------

TEST_F(PanelMouse, OneClickOnThePowerSwitchTurnsTheDisplayOnAndTheNextOff) {
    click(scope, kPower[0], kPower[1]);
    EXPECT_TRUE(scope.panel().display_on);
    EXPECT_EQ(downs.count(), 0) << "the switch takes the press; the host starts no drag";
    click(scope, kPower[0], kPower[1]);
    EXPECT_FALSE(scope.panel().display_on);
}

TEST_F(PanelMouse, ADoubleClickOnThePowerSwitchTurnsTheDisplayOnAndOff) {
    double_click(scope, kPower[0], kPower[1]);
    EXPECT_TRUE(scope.panel().display_on);
    double_click(scope, kPower[0], kPower[1]);
    EXPECT_FALSE(scope.panel().display_on);
}

TEST_F(PanelMouse, ADoubleClickElsewhereLeavesThePowerAlone) {
    double_click(scope, kBarePanel[0], kBarePanel[1]);
    double_click(scope, 1905, 3675);  // just above the switch
    EXPECT_FALSE(scope.panel().display_on);
}

}  // namespace
}  // namespace dscopex
