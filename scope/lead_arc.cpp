#include "lead_arc.h"

#include "twips.h"

#include <QPainter>

#include <cmath>
#include <cstdlib>

namespace dscopex {

namespace {

// Lead ends come from the host; anything absurd is held a long way off the
// panel rather than overflowing the pixel arithmetic.
int whole_pixels(double twips) {
    constexpr double far_away = 1.0e6;
    if (std::isnan(twips)) twips = 0;
    if (twips > far_away) twips = far_away;
    if (twips < -far_away) twips = -far_away;
    return twips_to_whole_pixels(twips);
}

}  // namespace

LeadArc lead_arc(double jack_x, double jack_y, double end_x, double end_y) {
    LeadArc arc;
    arc.from_x = whole_pixels(jack_x);
    arc.from_y = whole_pixels(jack_y);
    arc.to_x = whole_pixels(end_x);
    arc.to_y = whole_pixels(end_y);
    arc.centre_x = arc.to_x;
    arc.centre_y = arc.from_y;
    arc.half_width = std::abs(arc.to_x - arc.from_x);
    arc.half_height = std::abs(arc.to_y - arc.from_y);

    if (arc.half_width == 0 && arc.half_height == 0) return arc;  // no length, nothing to draw
    if (arc.half_width == 0 || arc.half_height == 0) {
        // A flat ellipse is the straight line between the two ends.
        arc.shape = LeadArc::Shape::Line;
        return arc;
    }
    arc.shape = LeadArc::Shape::QuarterEllipse;
    // The jack is at the ellipse's left or right extreme, the outer end at
    // its top or bottom (y grows downwards, the angles the other way).
    const bool jack_on_right = arc.from_x > arc.centre_x;
    const bool end_above = arc.to_y < arc.centre_y;
    arc.start_angle = jack_on_right ? 0 : 180;
    const int end_angle = end_above ? 90 : 270;
    arc.span_angle = (end_angle - arc.start_angle + 360) % 360 == 90 ? 90 : -90;
    return arc;
}

void paint_lead_arc(QPainter& painter, const LeadArc& arc) {
    switch (arc.shape) {
    case LeadArc::Shape::Nothing:
        return;
    case LeadArc::Shape::Line:
        painter.drawLine(arc.from_x, arc.from_y, arc.to_x, arc.to_y);
        return;
    case LeadArc::Shape::QuarterEllipse:
        painter.drawArc(arc.centre_x - arc.half_width, arc.centre_y - arc.half_height,
                        2 * arc.half_width, 2 * arc.half_height, arc.start_angle * 16,
                        arc.span_angle * 16);
        return;
    }
}

}  // namespace dscopex
