#include <QFont>
#include <QImage>

#include "colour_value.h"
#include "meter_fixture.h"
#include "property_bag.h"
#include "range_table.h"

namespace dmeterx::testing {
namespace {

TEST(PropertyBag, KeysEqualToTheirDefaultsAreLeftOut) {
    property_bag bag;
    bag.write("value_prop", 0.0, 0.0);
    EXPECT_FALSE(bag.contains("value_prop"));
    EXPECT_EQ(bag.read("value_prop", 7.5).toDouble(), 7.5);

    bag.write("value_prop", 3.25, 0.0);
    EXPECT_EQ(bag.read("value_prop", 7.5).toDouble(), 3.25);

    // Going back to the default takes the key out again.
    bag.write("value_prop", 0.0, 0.0);
    EXPECT_TRUE(bag.empty());
}

TEST(PropertyBag, SurvivesItsByteForm) {
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    QFont font(QStringLiteral("DejaVu Serif"), 17);
    property_bag bag;
    bag.write("in_res", QStringLiteral("0.5"), QStringLiteral("100000000000"));
    bag.write("Font", font, QFont());
    bag.write("Picture", QVariant::fromValue(picture), QVariant::fromValue(QImage()));
    bag.write("BackStyle", QVariant::fromValue(std::int16_t{1}), QVariant::fromValue(std::int16_t{0}));

    const property_bag back = property_bag::from_bytes(bag.to_bytes());
    EXPECT_EQ(back.keys(), bag.keys());
    EXPECT_EQ(back.read("in_res", {}).toString(), "0.5");
    EXPECT_EQ(back.read("Font", {}).value<QFont>(), font);
    EXPECT_EQ(back.read("Picture", {}).value<QImage>(), picture);
    EXPECT_EQ(back.read("BackStyle", {}).toInt(), 1);
}

TEST(PropertyBag, BytesThatAreNoBagGiveAnEmptyBag) {
    EXPECT_TRUE(property_bag::from_bytes(QByteArray("not a bag at all")).empty());
    EXPECT_TRUE(property_bag::from_bytes(QByteArray()).empty());
}

using SavedProperties = MeterTest;

TEST_F(SavedProperties, ANewMeterSavesNothing) {
    property_bag bag;
    meter->save_properties(bag);
    EXPECT_TRUE(bag.empty()) << bag.keys().join(',').toStdString();
}

TEST_F(SavedProperties, ChangedPropertiesComeBackInANewMeter) {
    QImage dial(175, 230, QImage::Format_RGB32);
    dial.fill(Qt::darkGreen);
    QFont font(QStringLiteral("DejaVu Serif"), 21);
    meter->set_BackColor(0x00336699);
    meter->set_ForeColor(0x000000ff);
    meter->set_Enabled(true);
    meter->set_Font(font);
    meter->set_BackStyle(1);
    meter->set_BorderStyle(1);
    meter->set_Picture(dial);
    meter->set_value_prop(0.25);
    meter->set_design_mode(true);
    meter->set_in_res(QStringLiteral("0.0001"));

    property_bag bag;
    meter->save_properties(bag);
    QStringList keys = bag.keys();
    keys.sort();
    EXPECT_EQ(keys, QStringList({"BackColor", "BackStyle", "BorderStyle", "Enabled", "Font", "ForeColor",
                                 "Picture", "in_res", "value_prop"}));

    dmeterw restored;
    restored.load_properties(property_bag::from_bytes(bag.to_bytes()));
    restored.set_design_mode(true);
    EXPECT_EQ(restored.BackColor(), 0x00336699u);
    EXPECT_EQ(restored.ForeColor(), 0x000000ffu);
    EXPECT_TRUE(restored.Enabled());
    EXPECT_EQ(restored.Font(), font);
    EXPECT_EQ(restored.BackStyle(), 1);
    EXPECT_EQ(restored.BorderStyle(), 1);
    EXPECT_EQ(restored.Picture(), dial);
    EXPECT_EQ(restored.value_prop(), 0.25);
    EXPECT_EQ(restored.in_res(), "0.0001");
    // The host's picture replaces the dial.
    EXPECT_EQ(restored.grab().toImage().pixelColor(2, 160), QColor(Qt::darkGreen));
}

TEST_F(SavedProperties, TheKindFollowsTheKnobNotTheBag) {
    turn_to(12);
    property_bag bag;
    meter->save_properties(bag);
    EXPECT_EQ(bag.read("value_type", {}).toFloat(), kResistance);

    dmeterw restored;
    restored.load_properties(bag);
    EXPECT_EQ(restored.range_position(), 1);
    EXPECT_EQ(restored.value_type(), kDirectVoltage);
    EXPECT_EQ(restored.getValuescale(), 0.5);
}

TEST_F(SavedProperties, MissingKeysGiveTheDefaults) {
    meter->set_ForeColor(0x00ffffff);
    meter->set_Enabled(true);
    meter->load_properties(property_bag{});
    EXPECT_EQ(meter->ForeColor(), 0u);
    EXPECT_FALSE(meter->Enabled());
    EXPECT_EQ(meter->BackColor(), colour_value(QPalette().color(QPalette::Button)));
    EXPECT_EQ(meter->Font(), QApplication::font());
    EXPECT_TRUE(meter->Picture().isNull());
}

}  // namespace
}  // namespace dmeterx::testing
