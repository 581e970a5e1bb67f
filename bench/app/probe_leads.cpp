#include "probe_leads.h"

#include <cmath>

namespace bench {

namespace {

// Below a twip the ellipse is flat.
constexpr double kFlat = 1;

QColor inverted(const QColor& c) { return QColor(c.red() ^ 250, c.green() ^ 250, c.blue() ^ 250); }

}  // namespace

QPainterPath lead_path(board_point probe_end, board_point instrument_end) {
    const QPointF centre(probe_end.x, instrument_end.y);
    const double half_width = std::abs(instrument_end.x - probe_end.x);
    const double half_height = std::abs(instrument_end.y - probe_end.y);
    QPainterPath path(QPointF(instrument_end.x, instrument_end.y));
    if (half_width < kFlat || half_height < kFlat) {
        path.lineTo(probe_end.x, probe_end.y);
        return path;
    }
    // Angles count counter-clockwise from three o'clock, with y growing downwards.
    const double start = instrument_end.x >= centre.x() ? 0 : 180;
    const double end = probe_end.y <= centre.y() ? 90 : 270;
    double span = end - start;
    if (span > 180) span -= 360;
    if (span < -180) span += 360;
    path.arcTo(QRectF(centre.x() - half_width, centre.y() - half_height, 2 * half_width, 2 * half_height),
               start, span);
    return path;
}

void board_lead::draw(board_view& board, board_point probe_end, board_point instrument_end, bool inverted_mode,
                      std::initializer_list<lead_pen> pens) {
    if (on_layer_inverted_)
        board.xor_path(lead_path(probe_end_, instrument_end_), inverted_pen_.colour, inverted_pen_.width_pixels);
    probe_end_ = probe_end;
    instrument_end_ = instrument_end;
    inverted_ = inverted_mode;
    on_layer_inverted_ = false;
    if (pens.size() == 0) return;
    const QPainterPath path = lead_path(probe_end, instrument_end);
    if (inverted_mode) {
        inverted_pen_ = {inverted(pens.begin()->colour), pens.begin()->width_pixels};
        board.xor_path(path, inverted_pen_.colour, inverted_pen_.width_pixels);
        on_layer_inverted_ = true;
        return;
    }
    for (const lead_pen& pen : pens) board.draw_path(path, pen.colour, pen.width_pixels);
}

}  // namespace bench
