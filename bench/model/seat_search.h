// Where a chip can sit on the breadboard: the seat rule, the holes a seated
// chip covers, the seat nearest to where a chip is let go, and the reference
// point that ties a chip picture to its seat.
#pragma once

#include <optional>

#include "board_geometry.h"
#include "circuit.h"

namespace bench {

// The breadboard proper: six groups of five hole rows, 0 to 29. The bus
// strips below them take wires, not chips.
inline constexpr int kLastHoleRow = 29;

// A seat is named by the connection point under the chip picture's
// reference point: the upper pin row and the column of its last pin.
struct chip_seat {
    int row = -1;
    int column = -1;
};

// The holes a chip covers: from its upper pin row down to its lower pin row
// (the body lies over the holes between them), across its pin columns.
struct footprint {
    int top_row = 0;
    int bottom_row = 0;
    int first_column = 0;
    int last_column = 0;

    bool overlaps(const footprint& other) const {
        return top_row <= other.bottom_row && other.top_row <= bottom_row &&
               first_column <= other.last_column && other.first_column <= last_column;
    }
};

// The point of a chip picture that falls on its seat: a little right of its
// left edge and just above its top; display chips sit a third of a pitch lower.
board_point reference_point(const picture_rect& picture, int chip_class);
// The picture's left and top that put its reference point on `at`.
board_point picture_origin(board_point at, int chip_class);

// The seat rule: the reference point on a row whose place in its ten-row
// block suits the mount kind (the fourth row for consecutive pin rows, the
// first to fourth for rows five apart), with room for half the pins to the
// right.
bool seat_fits(int row, int column, int mount_kind, int pin_count);

footprint footprint_at(chip_seat s, int mount_kind, int pin_count);
// The holes a seated chip covers; nothing for a chip that was never seated.
std::optional<footprint> footprint_of(const chip& c);

// The seat of the breadboard's holes (grid rows 0 to 29) nearest to a
// reference point, for a chip let go over the breadboard; nothing when the
// point lies off it.
std::optional<chip_seat> nearest_seat(board_point reference, int mount_kind, int pin_count);

}  // namespace bench
