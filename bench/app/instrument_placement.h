// Where an instrument opens: inside the part of the window that shows the
// canvas, where it covers the least of the breadboard, then the least of the
// board's other parts and of the other instrument, and within the reach of the
// board that dragging keeps it in, so a later drag does not make it jump.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

#include "board_geometry.h"
#include "instrument_surroundings.h"

namespace bench {

struct placement_room {
    QRect visible;             // the canvas as the window shows it, pixels
    QRect reach;               // where the instrument's top left may lie, pixels
    std::vector<QRect> breadboard;  // pixels
    std::vector<QRect> parts;       // the board's other parts worth keeping in sight
    std::vector<QRect> others;      // instruments already open and probes, kept clear
    QPoint preferred;          // the top left to take among equals
};

QPoint least_covering_place(QSize size, const placement_room& room);

// The top left, canvas pixels, at which an instrument of `size` opens on the
// canvas of `around`; `reach` bounds its top left as dragging would. It keeps
// off the instruments already open and off `keep_clear` (its own probes),
// which the user must still reach.
QPoint opening_place(const instrument_surroundings& around, QSize size, const QRect& reach, QPoint preferred,
                     const std::vector<QRect>& keep_clear);

// Where an item (a probe) at `item` goes so that none of `covers` hides it:
// where it is when nothing does, else the nearest place beside one of them
// inside `bounds`.
QPoint uncovered_place(const QRect& item, const std::vector<QRect>& covers, const QRect& bounds);

// Moves a probe on the board out from under the open instruments.
void bring_out_from_under(const instrument_surroundings& around, QWidget* probe);

// The breadboard's blocks and bus strips, and the board's other parts worth
// keeping in sight (display module, LED strip, terminals and rate controls),
// in board twips.
std::vector<QRectF> breadboard_areas();
std::vector<QRectF> board_part_areas();

}  // namespace bench
