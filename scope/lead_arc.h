#pragma once

class QPainter;

namespace dscopex {

// A lead hangs from its jack (Xo, Yo) to its outer end (X, Y) as the quarter
// of the ellipse centred at (X, Yo) that joins the two, worked out in whole
// pixels. Angles are degrees counter-clockwise from three o'clock, as the
// painter takes them.
struct LeadArc {
    enum class Shape { Nothing, Line, QuarterEllipse };
    Shape shape = Shape::Nothing;
    int from_x = 0, from_y = 0;  // the jack, pixels
    int to_x = 0, to_y = 0;      // the outer end, pixels
    int centre_x = 0, centre_y = 0;
    int half_width = 0, half_height = 0;
    int start_angle = 0;  // at the jack
    int span_angle = 0;   // +90 or -90
};

LeadArc lead_arc(double jack_x, double jack_y, double end_x, double end_y);

// Draws the arc with the painter's pen; the painter works in pixels.
void paint_lead_arc(QPainter& painter, const LeadArc& arc);

}  // namespace dscopex
