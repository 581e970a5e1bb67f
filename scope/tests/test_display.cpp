#include "scope_test_support.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

namespace dscopex {
namespace {

using namespace dscopex::testing;

constexpr double kPower[] = {1905, 3870};
constexpr double kCh1Volts[] = {650, 780};
constexpr double kMode[] = {1350, 1905};
constexpr double kCh1Coupling[] = {720, 1395};
constexpr double kCh1Position[] = {1245, 1455};

class Display : public ::testing::Test {
protected:
    void SetUp() override {
        scope.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&scope));
    }
    void power() { double_click(scope, kPower[0], kPower[1]); }
    // The first y channel 1 has on the screen.
    double first_y(int channel = 0) const { return scope.drawn_traces()[channel].at(0).from.y; }

    Dscopew scope;
};

TEST_F(Display, OffItStoresRecordsAndDrawsNothingUntilSwitchedOn) {
    const QImage blank = scope.screen_image();
    ASSERT_TRUE(send(constant_record(5, 0, 0.001), scope));
    EXPECT_EQ(scope.record().values[0][100], 5.0);
    EXPECT_EQ(scope.record().averages[0], 5);
    EXPECT_TRUE(scope.drawn_traces()[0].empty());
    EXPECT_EQ(scope.screen_image(), blank);

    power();
    ASSERT_FALSE(scope.drawn_traces()[0].empty());
    EXPECT_TRUE(screen_shows_trace(scope));
}

TEST_F(Display, OnEveryRecordIsDrawnBeforeDataTransReturns) {
    power();
    click(scope, kCh1Coupling[0], kCh1Coupling[1]);
    click(scope, kCh1Coupling[0], kCh1Coupling[1]);  // DC
    ASSERT_TRUE(send(constant_record(5, 0, 0.001), scope));
    EXPECT_DOUBLE_EQ(first_y(), 1253.125);
    ASSERT_TRUE(send(constant_record(-5, 0, 0.001), scope));
    EXPECT_DOUBLE_EQ(first_y(), 1570 + 5 * 63.375);
}

TEST_F(Display, SwitchingOffClearsTheScreen) {
    const QImage blank = scope.screen_image();
    power();
    ASSERT_TRUE(send(square_wave_record(96), scope));
    ASSERT_TRUE(screen_shows_trace(scope));
    power();
    EXPECT_TRUE(scope.drawn_traces()[0].empty());
    EXPECT_EQ(scope.screen_image(), blank);
    ASSERT_TRUE(send(square_wave_record(96), scope));
    EXPECT_EQ(scope.screen_image(), blank);
}

TEST_F(Display, TheModeSwitchChoosesTheChannels) {
    power();
    ASSERT_TRUE(send(constant_record(1, 2, 0.001), scope));
    EXPECT_FALSE(scope.drawn_traces()[0].empty());
    EXPECT_TRUE(scope.drawn_traces()[1].empty());
    click(scope, kMode[0], kMode[1]);
    EXPECT_TRUE(scope.drawn_traces()[0].empty());
    EXPECT_FALSE(scope.drawn_traces()[1].empty());
    click(scope, kMode[0], kMode[1]);
    EXPECT_FALSE(scope.drawn_traces()[0].empty());
    EXPECT_FALSE(scope.drawn_traces()[1].empty());
}

TEST_F(Display, KnobsRedrawTheTraceWhileTheDisplayIsOn) {
    power();
    click(scope, kCh1Coupling[0], kCh1Coupling[1]);
    click(scope, kCh1Coupling[0], kCh1Coupling[1]);
    ASSERT_TRUE(send(constant_record(1, 0, 0.001), scope));
    EXPECT_DOUBLE_EQ(first_y(), 1570 - 1 * 63.375);
    click(scope, kCh1Volts[0], kCh1Volts[1]);  // 2 V a division
    EXPECT_DOUBLE_EQ(first_y(), 1570 - 2.5 * 63.375);
}

TEST_F(Display, KnobsTurnedWhileOffShowOnceSwitchedOn) {
    ASSERT_TRUE(send(constant_record(1, 0, 0.001), scope));
    click(scope, kCh1Coupling[0], kCh1Coupling[1]);
    click(scope, kCh1Coupling[0], kCh1Coupling[1]);
    click(scope, kCh1Volts[0], kCh1Volts[1]);
    EXPECT_TRUE(scope.drawn_traces()[0].empty());
    power();
    EXPECT_DOUBLE_EQ(first_y(), 1570 - 2.5 * 63.375);
}

TEST_F(Display, DraggingThePositionKnobMovesTheTrace) {
    power();
    ASSERT_TRUE(send(constant_record(0, 0, 0.001), scope));
    press(scope, kCh1Position[0], kCh1Position[1]);
    move(scope, 1245, 1320, Qt::LeftButton);  // nearly three fifths of a division up
    EXPECT_NEAR(first_y(), 1570 - (1455.0 - 1320) / 1455 * 32 * 63.375, 1e-3);
    release(scope, 1245, 1320);
}

TEST_F(Display, ShortArraysAreRefusedAndTheScreenKeepsItsTrace) {
    power();
    ASSERT_TRUE(send(constant_record(1, 0, 0.001), scope));
    const auto before = scope.drawn_traces()[0].size();
    const std::vector<double> shorter(150, 9.0);
    EXPECT_FALSE(scope.data_trans(shorter, shorter, shorter));
    EXPECT_EQ(scope.record().values[0][0], 1.0);
    EXPECT_EQ(scope.drawn_traces()[0].size(), before);
}

TEST(Properties, EnabledIsSavedAndReadBackAndDefaultsToOff) {
    Dscopew scope;
    QVariantMap bag;
    scope.writeProperties(bag);
    EXPECT_EQ(bag.value("Enabled"), QVariant(false));

    scope.setEnabledFlag(true);
    EXPECT_TRUE(scope.property("Enabled").toBool());
    scope.writeProperties(bag);

    Dscopew other;
    other.readProperties(bag);
    EXPECT_TRUE(other.Enabled());
    other.readProperties(QVariantMap{});
    EXPECT_FALSE(other.Enabled());
    EXPECT_TRUE(other.isEnabled()) << "the flag does not disable the widget";
}

TEST(Creation, LeavesTheClipboardAlone) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("copied elsewhere"));
    Dscopew scope;
    EXPECT_EQ(clipboard->text(), QStringLiteral("copied elsewhere"));
}

TEST(Creation, IsTheSizeOfThePanel) {
    Dscopew scope;
    EXPECT_EQ(scope.size(), QSize(441, 281));  // 6615 x 4215 twips
    const ScopePanel& p = scope.panel();
    EXPECT_EQ(p.volts_position, (std::array<int, 2>{1, 1}));
    EXPECT_EQ(p.time_position, 6);
    EXPECT_EQ(p.coupling, (std::array<int, 2>{1, 1}));
    EXPECT_EQ(p.display_mode, 1);
    EXPECT_FALSE(p.display_on);
}

}  // namespace
}  // namespace dscopex
