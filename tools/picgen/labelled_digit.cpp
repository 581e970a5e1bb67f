#include "labelled_digit.h"

#include <QFontMetrics>

#include <cmath>

namespace picgen {

namespace {

bool is_point(const QLineF& line) { return line.length() < 1.5; }

}  // namespace

void draw_labelled_digit(QPainter& painter, const std::vector<digit_segment>& segments, const QTransform& map,
                         const digit_style& style) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);

    QPointF centre;
    int strokes = 0;
    for (const digit_segment& s : segments) {
        const QLineF line = map.map(s.line);
        if (is_point(line)) continue;
        centre += line.center();
        ++strokes;
    }
    if (strokes > 0) centre /= strokes;

    painter.setPen(QPen(style.segment_colour, style.pen_width, Qt::SolidLine, Qt::RoundCap));
    for (const digit_segment& s : segments) {
        QLineF line = map.map(s.line);
        if (is_point(line)) line.setP2(line.p1() + QPointF(0.01, 0));  // a dot still needs a stroke
        painter.drawLine(line);
    }

    painter.setFont(style.label_font);
    painter.setPen(style.label_colour);
    const QFontMetrics metrics(style.label_font);
    for (const digit_segment& s : segments) {
        const QLineF line = map.map(s.line);
        const QPointF mid = line.center();
        QPointF direction(1, 0);  // the point: to its right
        if (!is_point(line)) {
            const bool horizontal = std::abs(line.dx()) > std::abs(line.dy());
            if (horizontal)
                direction = QPointF(0, mid.y() > centre.y() + 1 ? 1 : -1);
            else
                direction = QPointF(mid.x() > centre.x() ? 1 : -1, 0);
        }
        const QSize text(metrics.horizontalAdvance(s.label), metrics.height());
        const double reach = style.pen_width / 2 + 3 +
                             (direction.x() != 0 ? text.width() / 2.0 : text.height() / 2.0);
        const QPointF label_centre = mid + direction * reach;
        const QRectF box(label_centre.x() - text.width() / 2.0, label_centre.y() - text.height() / 2.0,
                         text.width(), text.height());
        painter.drawText(box, Qt::AlignCenter, s.label);
    }
    painter.restore();
}

}  // namespace picgen
