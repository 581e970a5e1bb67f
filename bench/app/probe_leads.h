// A probe's lead on the board: a quarter of an ellipse from the probe to its
// instrument, like the leads the instruments draw on themselves. While a
// probe or an instrument is dragged the lead is drawn in exclusive-or, so
// that drawing it again takes it off the board without a redraw.
#pragma once

#include <QColor>
#include <QPainterPath>
#include <initializer_list>

#include "board_geometry.h"
#include "board_view.h"

namespace bench {

// The quarter of the ellipse centred at (probe x, instrument y) that joins
// the instrument end, on its horizontal axis, to the probe end, on its
// vertical axis; a straight line when either half-axis has no length.
QPainterPath lead_path(board_point probe_end, board_point instrument_end);

struct lead_pen {
    QColor colour;
    double width_pixels;
};

class board_lead {
public:
    // Draws the lead between the two ends. Plain: every pen in turn, each
    // over the one before. Inverted: the first pen's colour exclusive-or
    // RGB(250, 250, 250) alone. A lead last drawn inverted and still on the
    // layer is drawn again first, which takes it off.
    void draw(board_view& board, board_point probe_end, board_point instrument_end, bool inverted,
              std::initializer_list<lead_pen> pens);
    // The layer was cleared: nothing of the lead is left to take off.
    void layer_cleared() { on_layer_inverted_ = false; }

    bool drawn_inverted() const { return inverted_; }
    board_point probe_end() const { return probe_end_; }
    board_point instrument_end() const { return instrument_end_; }

private:
    board_point probe_end_;
    board_point instrument_end_;
    bool inverted_ = false;
    bool on_layer_inverted_ = false;
    lead_pen inverted_pen_{};
};

}  // namespace bench
