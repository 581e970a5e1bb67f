// Wiring on the board: a wire is taken by a colour stick, started and ended
// with left presses on connection points, bent with right presses, and
// removed by a left press on one of its ends while no wire is in hand. With a
// wire in hand, a press on another wire's end connects there, so that several
// wires can share one point.
#include "bench_model.h"
#include "circuit_file.h"

namespace bench {

namespace {

constexpr int kMostBendsTaken = kMaxWirePoints - 1;  // the last point must be a left press

bool same_point(board_point a, board_point b) { return a.x == b.x && a.y == b.y; }

}  // namespace

void bench_model::drop_wire_in_hand() {
    in_hand_ = -1;
    hand_points_.clear();
    band_.reset();
}

void bench_model::click_colour_stick(int k) {
    if (k < 0 || k >= static_cast<int>(kWireStickColours.size())) return;
    wire_colour_ = kWireStickColours[k];
    if (in_hand_ >= 0) {
        // A second click cancels: the redraw wipes the points already drawn.
        drop_wire_in_hand();
        request_redraw();
    } else {
        in_hand_ = 0;
        hand_points_.clear();
        band_.reset();
    }
}

void bench_model::put_down_wire() {
    if (in_hand_ < 0) return;
    drop_wire_in_hand();
    request_redraw();  // wipes the points and lines drawn for it
}

int bench_model::add_wire(wire w) {
    if (!has_room_for(0, 1)) return 0;
    w.start_group = static_cast<std::int16_t>(group_of_row(w.start_row));
    w.end_group = static_cast<std::int16_t>(group_of_row(w.end_row));
    w.node = -1;
    wires_.push_back(std::move(w));
    node_numbering();
    return wire_count();
}

void bench_model::remove_wire(int w) {
    wire_at(w);
    wires_.erase(wires_.begin() + w);
    links_current_ = false;
}

board_press_result bench_model::press_board(mouse_button button, double x, double y) {
    board_press_result result;
    // The middle button neither takes points nor bends a wire.
    if (button == mouse_button::middle) return result;
    const bool left = button == mouse_button::left;
    board_point at{x, y};
    if (left) {
        const hit h = hit_test(x, y);
        if (h.row < 0) return result;
        result.hit = true;
        result.row = h.row;
        result.column = h.column;
        at = h.at;
        indicators_off();
        apply_power_state();
        meter();
        // With no wire in hand, a press on a wire's end removes that wire.
        for (int w = 1; in_hand_ < 0 && w <= wire_count(); ++w) {
            if (!wires_[w].has_end_at(h.row, h.column)) continue;
            remove_wire(w);
            node_numbering();
            request_redraw();
            settle_board();
            result.outcome = press_outcome::wire_removed;
            result.wire = w;
            return result;
        }
    }
    if (!left && in_hand_ >= kMostBendsTaken) return result;
    if (in_hand_ < 0) return result;
    if (!left && in_hand_ == 0) return result;  // a wire cannot start with a bend

    if (in_hand_ == 0) {
        hand_start_row_ = result.row;
        hand_start_column_ = result.column;
    }
    result.from = in_hand_ == 0 ? at : hand_points_.back();
    result.to = at;
    result.dot = left;
    ++in_hand_;
    hand_points_.push_back(at);
    // The line just drawn covers the band up to the new point.
    band_ = band_line{result.from, at};
    result.outcome = press_outcome::point_added;

    if (left && in_hand_ > 1) {
        wire w;
        w.start_row = static_cast<std::int16_t>(hand_start_row_);
        w.start_column = static_cast<std::int16_t>(hand_start_column_);
        w.end_row = static_cast<std::int16_t>(result.row);
        w.end_column = static_cast<std::int16_t>(result.column);
        w.colour = wire_colour_;
        for (const board_point p : hand_points_) w.points.push_back({stored_twips(p.x), stored_twips(p.y)});
        drop_wire_in_hand();
        const int number = add_wire(std::move(w));
        request_redraw();
        settle_board();
        meter();
        if (number > 0) {
            result.outcome = press_outcome::wire_finished;
            result.wire = number;
        }
    }
    return result;
}

std::optional<band_line> bench_model::band_on_board() const {
    if (in_hand_ <= 0 || !band_ || same_point(band_->to, hand_points_.back())) return std::nullopt;
    return band_;
}

rubber_band bench_model::move_on_board(double x, double y) {
    if (in_hand_ == 0) band_.reset();
    if (in_hand_ <= 0) return {};
    rubber_band band;
    const board_point last = hand_points_.back();
    // A band that ends on the point just taken lies under the drawn line:
    // drawing it again would cut the line instead of erasing the band.
    if (band_ && !same_point(band_->to, last)) band.erase = band_;
    band.draw = band_line{last, {x, y}};
    band_ = band.draw;
    return band;
}

}  // namespace bench
