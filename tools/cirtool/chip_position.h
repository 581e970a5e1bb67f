// A chip picture's stored left and top written as the hole of its pin 1.
//
// Seating puts the picture's reference point (pitch / 1.4 right of its left
// edge, 5 twips above its top, a third of a pitch lower for a display) on a
// hole: the hole of the top-left pin. Pin 1 sits one row below it, or five
// rows for a chip whose pin rows are five rows apart (mount kind 2).
#pragma once

#include <cstdint>
#include <optional>

#include "circuit_words.h"

namespace cirtool {

struct picture_corner {
    std::int16_t left = 0;
    std::int16_t top = 0;
    bool operator==(const picture_corner&) const = default;
};

// The stored corner of a picture seated with pin 1 on `pin_one`; nothing when
// the hole of the top-left pin would not be on the board.
std::optional<picture_corner> corner_for_pin_one(grid_point pin_one, int mount_kind, int chip_class);

// The hole of pin 1 of a picture at `corner`, when corner_for_pin_one gives
// back exactly that corner.
std::optional<grid_point> pin_one_for_corner(picture_corner corner, int mount_kind, int chip_class);

}  // namespace cirtool
