#include "lead_arc.h"
#include "scope_test_support.h"
#include "twips.h"

#include <gtest/gtest.h>

#include <QTest>

#include <cmath>

namespace dscopex {
namespace {

// The point of the arc's ellipse at an angle, in the painter's convention.
std::pair<int, int> point_at(const LeadArc& arc, int degrees) {
    const double a = degrees * M_PI / 180;
    return {static_cast<int>(std::lround(arc.centre_x + arc.half_width * std::cos(a))),
            static_cast<int>(std::lround(arc.centre_y - arc.half_height * std::sin(a)))};
}

struct ArcCase {
    const char* name;
    double end_x, end_y;  // the jack is R's, (360, 1980)
};

class LeadArcs : public ::testing::TestWithParam<ArcCase> {};

TEST_P(LeadArcs, AreTheQuarterEllipseFromTheJackToTheEnd) {
    const ArcCase& c = GetParam();
    const LeadArc arc = lead_arc(360, 1980, c.end_x, c.end_y);
    ASSERT_EQ(arc.shape, LeadArc::Shape::QuarterEllipse);
    EXPECT_EQ(arc.centre_x, std::lround(c.end_x / kTwipsPerPixel));
    EXPECT_EQ(arc.centre_y, 132);
    EXPECT_EQ(std::abs(arc.span_angle), 90);
    EXPECT_EQ(point_at(arc, arc.start_angle), std::make_pair(24, 132));
    EXPECT_EQ(point_at(arc, arc.start_angle + arc.span_angle),
              std::make_pair(static_cast<int>(std::lround(c.end_x / kTwipsPerPixel)),
                             static_cast<int>(std::lround(c.end_y / kTwipsPerPixel))));
}

INSTANTIATE_TEST_SUITE_P(Cases, LeadArcs,
                         ::testing::Values(ArcCase{"left_and_down", -900, 2600},
                                           ArcCase{"left_and_up", -900, 600},
                                           ArcCase{"right_and_down", 3000, 4000},
                                           ArcCase{"right_and_up", 3000, 300}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LeadArc, ALeadOfNoLengthDrawsNothing) {
    EXPECT_EQ(lead_arc(380, 3860, 380, 3860).shape, LeadArc::Shape::Nothing);
    EXPECT_EQ(lead_arc(380, 3860, 375, 3855).shape, LeadArc::Shape::Nothing) << "same pixel";
}

TEST(LeadArc, AStraightDropOrRunIsALine) {
    const LeadArc down = lead_arc(360, 1980, 360, 3000);
    EXPECT_EQ(down.shape, LeadArc::Shape::Line);
    EXPECT_EQ(down.to_y, 200);
    EXPECT_EQ(lead_arc(360, 1980, -600, 1980).shape, LeadArc::Shape::Line);
}

TEST(LeadArc, AbsurdEndsStayInPixelRange) {
    const LeadArc arc = lead_arc(360, 1980, 1e30, std::nan(""));
    EXPECT_EQ(arc.shape, LeadArc::Shape::QuarterEllipse);
    EXPECT_LT(arc.half_width, 100000);
}

TEST(Leads, JacksAreKnownBeforeAndAfterPainting) {
    Dscopew scope;
    float rx = 0, ry = 0, bx = 0, by = 0;
    scope.re_ctl_xy(rx, ry, bx, by);
    EXPECT_EQ(std::make_pair(rx, ry), std::make_pair(360.0f, 1980.0f));
    EXPECT_EQ(std::make_pair(bx, by), std::make_pair(380.0f, 3860.0f));
    scope.draw_lines();
    (void)scope.grab();
    scope.re_ctl_xy(rx, ry, bx, by);
    EXPECT_EQ(std::make_pair(rx, ry), std::make_pair(360.0f, 1980.0f));
}

TEST(Leads, TheRedLeadIsPaintedToTheEndTheHostGives) {
    Dscopew scope;
    scope.R_re_bgd_xy(360, 1980);  // no length
    scope.B_re_bgd_xy(380, 3860);
    const QImage without = scope.grab().toImage();
    // Down and to the right over the panel: the quarter ellipse about
    // (2160, 1980) bulges through pixel (59, 208).
    scope.R_re_bgd_xy(2160, 3600);
    const QImage with = scope.grab().toImage();

    const QPoint on_lead(static_cast<int>(std::lround(144 - 120 * std::cos(M_PI / 4))),
                         static_cast<int>(std::lround(132 + 108 * std::sin(M_PI / 4))));
    bool painted = false;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            painted |= with.pixel(on_lead + QPoint(dx, dy)) != without.pixel(on_lead + QPoint(dx, dy));
    EXPECT_TRUE(painted);
    EXPECT_EQ(with.pixel(5, 270), without.pixel(5, 270)) << "far from the lead nothing changes";
}

}  // namespace
}  // namespace dscopex
