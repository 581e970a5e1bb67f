// Carrying a probe picture over the board, as both instruments do: it is
// hidden while the probe cursor stands in for it, follows the mouse, and is
// set down with its tip on the contact position. Hidden means drawn empty:
// a hidden widget would lose the mouse it was pressed with.
#pragma once

#include "board_geometry.h"
#include "board_view.h"
#include "picture_control.h"

namespace bench {

// Gives the picture's widget the probe's own outline, so that the board
// around a probe still takes the presses meant for it.
void shape_probe(picture_control* probe, const art::drawing& picture);
// Brings the picture to the front, hides it and shows the probe cursor.
void pick_up_probe(picture_control* probe);
bool probe_carried(const picture_control* probe);
// Moves the hidden picture after the mouse, (x, y) in its own twips.
void carry_probe(picture_control* probe, board_point grab, double x, double y);
// Keeps a released picture on the board; the contact position (x, y in the
// picture's twips) moves with it. Returns the contact position, board twips.
board_point keep_probe_on_board(picture_control* probe, double x, double y);
// Marks the contact, restores the cursor and places the picture with its tip
// (tip_x from the left, tip_from_bottom up from the bottom) on the contact.
void set_probe_down(board_view& board, picture_control* probe, board_point contact, double tip_x,
                    double tip_from_bottom);
// Shows the picture again.
void show_probe(picture_control* probe, const art::drawing& picture);

}  // namespace bench
