#include <QPainter>

#include "art/meter_artwork.h"
#include "lead_arc.h"
#include "masked_sprite.h"
#include "meter_fixture.h"

namespace dmeterx::testing {
namespace {

TEST(MaskedSprite, MaskKeepsTheSurfaceWhereWhiteAndThePictureShowsWhereBlack) {
    QImage surface(3, 1, QImage::Format_RGB32);
    surface.fill(QColor(0x12, 0x34, 0x56));
    QImage picture(3, 1, QImage::Format_RGB32);
    picture.fill(Qt::black);
    picture.setPixelColor(1, 0, QColor(0xf0, 0x0f, 0x80));
    QImage mask(3, 1, QImage::Format_RGB32);
    mask.fill(Qt::white);
    mask.setPixelColor(1, 0, Qt::black);

    draw_masked(surface, {0, 0}, picture, mask);
    EXPECT_EQ(surface.pixelColor(0, 0), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(surface.pixelColor(1, 0), QColor(0xf0, 0x0f, 0x80));
    EXPECT_EQ(surface.pixelColor(2, 0), QColor(0x12, 0x34, 0x56));
}

// A sprite whose picture is not black outside its mask would tint the dial.
TEST(Artwork, EverySpriteIsBlackOutsideItsMask) {
    const auto& art = artwork();
    auto check = [](const QImage& picture, const QImage& mask, const char* what) {
        ASSERT_EQ(picture.size(), mask.size()) << what;
        int opaque = 0;
        for (int y = 0; y < mask.height(); ++y) {
            for (int x = 0; x < mask.width(); ++x) {
                const QRgb m = mask.pixel(x, y) & 0xffffff;
                ASSERT_TRUE(m == 0 || m == 0xffffff) << what;
                if (m == 0xffffff) {
                    ASSERT_EQ(picture.pixel(x, y) & 0xffffff, 0u) << what << " " << x << "," << y;
                }
                opaque += m == 0;
            }
        }
        EXPECT_GT(opaque, 50) << what;
        EXPECT_EQ(mask.pixel(0, 0) & 0xffffff, 0xffffffu) << what << ": a corner shows the dial";
    };
    for (std::size_t i = 0; i < art.red_plugs.size(); i += 2) check(art.red_plugs[i], art.red_plugs[i + 1], "red");
    for (std::size_t i = 0; i < art.black_plugs.size(); i += 2)
        check(art.black_plugs[i], art.black_plugs[i + 1], "black");
}

TEST(Artwork, TwentyDifferentKnobPicturesOfTheKnobArea) {
    const auto& art = artwork();
    for (int p = 1; p <= 20; ++p) {
        EXPECT_EQ(art.knobs[p].size(), QSize(83, 90)) << p;
        for (int q = 1; q < p; ++q) EXPECT_NE(art.knobs[p], art.knobs[q]) << p << " " << q;
    }
    EXPECT_EQ(art.dial.size(), QSize(175, 231));
}

bool drawn(const QImage& image, int x, int y) { return image.pixelColor(x, y) != QColor(Qt::white); }

TEST(LeadArc, BulgesAwayFromTheStraightLine) {
    QImage image(60, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setPen(QPen(Qt::black, 1));
        // Centre (40, 50), half-width 30, half-height 40 (pixels).
        draw_lead_arc(painter, {150, 750}, {600, 150});
    }
    EXPECT_TRUE(drawn(image, 10, 50));
    EXPECT_TRUE(drawn(image, 40, 10));
    bool near_45_degrees = false;  // (40 - 30 cos 45, 50 - 40 sin 45)
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) near_45_degrees = near_45_degrees || drawn(image, 19 + dx, 22 + dy);
    EXPECT_TRUE(near_45_degrees);
    EXPECT_FALSE(drawn(image, 25, 30));  // the chord's middle
    EXPECT_FALSE(drawn(image, 55, 30));  // the other quarters
    EXPECT_FALSE(drawn(image, 25, 55));
}

TEST(LeadArc, AFlatEllipseIsAStraightLine) {
    QImage image(30, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setPen(QPen(Qt::black, 1));
        draw_lead_arc(painter, {30, 75}, {375, 75});  // rounded to (2, 5) .. (25, 5)
    }
    for (int x = 2; x <= 25; ++x) EXPECT_TRUE(drawn(image, x, 5)) << x;
}

bool reddish(const QColor& c) { return c.red() > 150 && c.green() < 90 && c.blue() < 90; }

// Whether any pixel within one of (x, y) passes the test.
template <typename Test>
bool near(const QImage& image, QPoint at, Test test) {
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (test(image.pixelColor(at + QPoint(dx, dy)))) return true;
    return false;
}

using Painting = MeterTest;

TEST_F(Painting, RedPlugAndItsLeadFollowTheJack) {
    // The plug's body hangs below its jack; an empty jack shows its metal ring.
    QImage frame = meter->grab().toImage();
    EXPECT_TRUE(near(frame, {8, 222}, reddish));
    EXPECT_FALSE(near(frame, {13, 178}, reddish));

    press(pixel_of(geometry::kJacks[1]));
    release(pixel_of(geometry::kJacks[0]));
    frame = meter->grab().toImage();
    EXPECT_TRUE(near(frame, {13, 178}, reddish));
    // The lead runs on from the plug's tail at y 188 to the lower edge.
    EXPECT_TRUE(near(frame, {14, 210}, reddish));
    EXPECT_FALSE(near(frame, {8, 222}, reddish));  // beside the lead
}

TEST_F(Painting, NeedleIsDrawnWhereItPoints) {
    auto dark = [](const QColor& c) { return c.lightness() < 80; };
    auto halfway = [](twips_point tip) {
        return QPointF((geometry::kPivot.x + tip.x) / 30, (geometry::kPivot.y + tip.y) / 30).toPoint();
    };
    const QPoint at_rest = halfway(meter->needle_tip());
    EXPECT_TRUE(near(meter->grab().toImage(), at_rest, dark));

    meter->set_value_prop(0.3);
    const QImage frame = meter->grab().toImage();
    EXPECT_TRUE(near(frame, halfway(meter->needle_tip()), dark));
    EXPECT_FALSE(near(frame, at_rest, dark));
}

}  // namespace
}  // namespace dmeterx::testing
