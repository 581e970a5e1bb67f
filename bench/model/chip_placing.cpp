// Chips put on the breadboard by the user: taken from the chip box, placed by
// name, or let go after a drag. Such a chip seats on the nearest holes that
// fit it, and never on holes another chip already covers.
#include <limits>

#include "bench_model.h"
#include "catalogue.h"

namespace bench {

namespace {

const lgsim::catalogue_entry* entry_of(int row) {
    if (row < 0 || row >= static_cast<int>(lgsim::kCatalogue.size())) return nullptr;
    return &lgsim::kCatalogue[row];
}

}  // namespace

bool bench_model::holes_taken(const footprint& f, int except) const {
    for (int k = 1; k <= chip_count(); ++k) {
        if (k == except) continue;
        const std::optional<footprint> other = footprint_of(chips_[k]);
        if (other && other->overlaps(f)) return true;
    }
    return false;
}

bool bench_model::wire_end_near(const footprint& f) const {
    const int upper = group_of_row(f.top_row);
    const int lower = group_of_row(f.bottom_row);
    const auto on_pin_strip = [&](int group, int column) {
        return (group == upper || group == lower) && column >= f.first_column && column <= f.last_column;
    };
    for (int w = 1; w <= wire_count(); ++w) {
        const wire& v = wires_[w];
        if (on_pin_strip(v.start_group, v.start_column) || on_pin_strip(v.end_group, v.end_column)) return true;
    }
    return false;
}

void bench_model::move_picture_to_seat(chip& c, chip_seat s) {
    const board_point origin = picture_origin(point_position(s.row, s.column), c.chip_class);
    c.picture.left = origin.x;
    c.picture.top = origin.y;
}

placement bench_model::take_chip(int row, double left, double top) {
    const lgsim::catalogue_entry* entry = entry_of(row);
    if (entry == nullptr) return {};
    const picture_rect dropped{left, top, 0, 0};
    const std::optional<chip_seat> s =
        nearest_seat(reference_point(dropped, entry->chip_class), entry->mount_kind, entry->pin_count);
    if (s && holes_taken(footprint_at(*s, entry->mount_kind, entry->pin_count), 0))
        return {0, seat_refusal::holes_taken};
    const int k = drop_chip(row, left, top);
    if (k == 0) return {0, seat_refusal::circuit_full};
    if (s) {
        move_picture_to_seat(chips_[k], *s);
        seat_chip(k);
    }
    return {k, seat_refusal::none};
}

placement bench_model::place_chip_by_name(int row) {
    const lgsim::catalogue_entry* entry = entry_of(row);
    if (entry == nullptr) return {};
    // Chips taken by name used to land at the board's centre; they still go
    // as near to it as a free seat allows.
    const board_point centre =
        reference_point({kBoardWidth / 2, kBoardHeight / 2, 0, 0}, entry->chip_class);
    std::optional<chip_seat> best;
    double best_distance = std::numeric_limits<double>::max();
    for (int r = 0; r <= kLastHoleRow; ++r) {
        for (int c = 0; c < kGridColumns; ++c) {
            if (!seat_fits(r, c, entry->mount_kind, entry->pin_count)) continue;
            footprint f = footprint_at({r, c}, entry->mount_kind, entry->pin_count);
            if (wire_end_near(f)) continue;
            // One free column on either side keeps the chips apart.
            --f.first_column;
            ++f.last_column;
            if (holes_taken(f, 0)) continue;
            const board_point p = point_position(r, c);
            const double distance = (p.x - centre.x) * (p.x - centre.x) + (p.y - centre.y) * (p.y - centre.y);
            if (distance < best_distance) {
                best_distance = distance;
                best = chip_seat{r, c};
            }
        }
    }
    if (!best) return {0, seat_refusal::no_free_place};
    const board_point origin = picture_origin(point_position(best->row, best->column), entry->chip_class);
    const int k = drop_chip(row, origin.x, origin.y);
    if (k == 0) return {0, seat_refusal::circuit_full};
    seat_chip(k);
    return {k, seat_refusal::none};
}

placement bench_model::release_chip(int k) {
    chip& c = chip_ref(k);
    anchor_.x = 0;
    const board_point started = drag_chip_ == k ? drag_start_ : board_point{c.picture.left, c.picture.top};
    drag_chip_ = 0;
    const std::optional<chip_seat> s = nearest_seat(reference_point(c.picture, c.chip_class), c.mount_kind, c.pin_count);
    if (s) {
        if (holes_taken(footprint_at(*s, c.mount_kind, c.pin_count), k)) {
            c.picture.left = started.x;
            c.picture.top = started.y;
            return {k, seat_refusal::holes_taken};
        }
        move_picture_to_seat(c, *s);
    }
    seat_chip(k);
    return {k, seat_refusal::none};
}

}  // namespace bench
