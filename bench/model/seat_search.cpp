#include "seat_search.h"

#include <limits>

namespace bench {

namespace {

constexpr double kReferenceOffset = kPitch / 1.4;  // right of the picture's left edge
constexpr double kReferenceRise = 5;               // above the picture's top
constexpr double kDisplayDrop = kPitch / 3;        // display chips sit this much lower

int lower_pin_row(int upper_row, int mount_kind) { return upper_row + (mount_kind == 1 ? 1 : 5); }

}  // namespace

board_point reference_point(const picture_rect& picture, int chip_class) {
    return {picture.left + kReferenceOffset,
            picture.top - kReferenceRise + (chip_class == 4 ? kDisplayDrop : 0)};
}

board_point picture_origin(board_point at, int chip_class) {
    return {at.x - kReferenceOffset, at.y + kReferenceRise - (chip_class == 4 ? kDisplayDrop : 0)};
}

bool seat_fits(int row, int column, int mount_kind, int pin_count) {
    if (row < 0 || column < 0 || column >= kGridColumns) return false;
    int reduced = row;
    while (reduced > 10) reduced -= 10;
    const bool row_fits = mount_kind == 1 ? reduced == 4 : reduced >= 1 && reduced <= 4;
    return row_fits && column <= kGridColumns - 1 - pin_count / 2;
}

footprint footprint_at(chip_seat s, int mount_kind, int pin_count) {
    return {s.row, lower_pin_row(s.row, mount_kind), s.column, s.column + pin_count / 2 - 1};
}

std::optional<footprint> footprint_of(const chip& c) {
    if (!c.seated() || c.pin_count < 2) return std::nullopt;
    const pin_place& first = c.places[1];
    const pin_place& last = c.places[c.pin_count];
    const pin_place& lower_right = c.places[c.pin_count / 2];
    return footprint{last.row, first.row, first.column, lower_right.column};
}

std::optional<chip_seat> nearest_seat(board_point reference, int mount_kind, int pin_count) {
    const board_point top_left = point_position(0, 0);
    const board_point bottom_right = point_position(kLastHoleRow, kGridColumns - 1);
    if (reference.x < top_left.x - kPitch || reference.x > bottom_right.x + kPitch ||
        reference.y < top_left.y - kPitch || reference.y > bottom_right.y + kPitch)
        return std::nullopt;
    std::optional<chip_seat> best;
    double best_distance = std::numeric_limits<double>::max();
    for (int r = 0; r <= kLastHoleRow; ++r) {
        for (int c = 0; c < kGridColumns; ++c) {
            if (!seat_fits(r, c, mount_kind, pin_count)) continue;
            const board_point p = point_position(r, c);
            const double dx = p.x - reference.x;
            const double dy = p.y - reference.y;
            const double distance = dx * dx + dy * dy;
            if (distance < best_distance) {
                best_distance = distance;
                best = chip_seat{r, c};
            }
        }
    }
    return best;
}

}  // namespace bench
