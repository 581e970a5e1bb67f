#include "chip_position.h"

#include "board_geometry.h"
#include "circuit_file.h"

namespace cirtool {

namespace {

// The seat's reference point, as the bench's seating finds it.
constexpr double kReferenceOffset = bench::kPitch / 1.4;
constexpr double kReferenceAbove = 5;
constexpr double kDisplayDrop = bench::kPitch / 3;
constexpr int kDisplayClass = 4;

int rows_below_top_pins(int mount_kind) { return mount_kind == 1 ? 1 : 5; }

double drop_of(int chip_class) { return chip_class == kDisplayClass ? kDisplayDrop : 0; }

}  // namespace

std::optional<picture_corner> corner_for_pin_one(grid_point pin_one, int mount_kind, int chip_class) {
    const int top_row = pin_one.row - rows_below_top_pins(mount_kind);
    if (top_row < 0 || !bench::has_place(top_row, pin_one.column)) return std::nullopt;
    const bench::board_point hole = bench::point_position(top_row, pin_one.column);
    return picture_corner{bench::stored_twips(hole.x - kReferenceOffset),
                          bench::stored_twips(hole.y + kReferenceAbove - drop_of(chip_class))};
}

std::optional<grid_point> pin_one_for_corner(picture_corner corner, int mount_kind, int chip_class) {
    const bench::hit h = bench::hit_test(corner.left + kReferenceOffset,
                                         corner.top - kReferenceAbove + drop_of(chip_class));
    if (h.row < 0) return std::nullopt;
    const grid_point pin_one{h.row + rows_below_top_pins(mount_kind), h.column};
    if (pin_one.row >= bench::kGridRows) return std::nullopt;
    if (corner_for_pin_one(pin_one, mount_kind, chip_class) != corner) return std::nullopt;
    return pin_one;
}

}  // namespace cirtool
