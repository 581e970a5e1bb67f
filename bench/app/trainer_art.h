// The trainer picture under the board: panel, breadboard, bus strips, LED row,
// terminal row and printed labels, drawn in board twips. Every hole lies at the
// position of its connection point.
#pragma once

class QPainter;

namespace bench {

// `text_floor` is the least height, twips, of the printed labels.
void paint_trainer(QPainter& painter, double text_floor);

}  // namespace bench
