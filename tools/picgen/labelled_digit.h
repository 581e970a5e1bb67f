// A seven-segment digit drawn from its segment lines, each segment named
// beside it, for the diagrams of the display chip and the display module.
#pragma once

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPainter>
#include <QString>
#include <QTransform>

#include <vector>

namespace picgen {

struct digit_segment {
    QString label;
    QLineF line;  // in the figure's own units (board twips)
};

struct digit_style {
    double pen_width = 6;  // pixels
    QColor segment_colour;
    QColor label_colour;
    QFont label_font;
};

// Draws the segments through map (figure units to pixels). Labels go outside
// the digit: above or below a horizontal segment, beside a vertical one, to
// the right of the point; the middle segment's label goes into the upper
// loop.
void draw_labelled_digit(QPainter& painter, const std::vector<digit_segment>& segments, const QTransform& map,
                         const digit_style& style);

}  // namespace picgen
