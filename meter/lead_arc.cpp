#include "lead_arc.h"

#include <cstdlib>

namespace dmeterx {

namespace {
constexpr int kSixteenthsPerDegree = 16;
}

void draw_lead_arc(QPainter& painter, twips_point from, twips_point to) {
    const QPoint start(rounded_pixels(from.x), rounded_pixels(from.y));
    const QPoint end(rounded_pixels(to.x), rounded_pixels(to.y));
    const int half_width = std::abs(end.x() - start.x());
    const int half_height = std::abs(end.y() - start.y());
    if (half_width == 0 && half_height == 0) {
        painter.drawPoint(start);
        return;
    }
    // A flat ellipse is the straight line between the two ends.
    if (half_width == 0 || half_height == 0) {
        painter.drawLine(start, end);
        return;
    }
    const QRect bounds(end.x() - half_width, start.y() - half_height, 2 * half_width, 2 * half_height);
    // Qt counts angles anticlockwise from three o'clock, with y pointing up.
    const int start_angle = start.x() > end.x() ? 0 : 180;
    const int end_angle = end.y() < start.y() ? 90 : 270;
    int span = end_angle - start_angle;
    if (span > 180) span -= 360;
    if (span < -180) span += 360;
    painter.drawArc(bounds, start_angle * kSixteenthsPerDegree, span * kSixteenthsPerDegree);
}

}  // namespace dmeterx
