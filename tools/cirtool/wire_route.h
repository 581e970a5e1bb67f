// A wire's drawn points written as the turns of a right-angled route.
//
// From the start point each move goes straight along one axis to a given
// coordinate: "y=2200" runs vertically to Y 2200, "x=1400" horizontally to
// X 1400. After the last move the route turns once more if it has to, so that
// it runs on across and then straight into the end point: after a vertical
// move it goes horizontally to the end's X and then vertically to the end,
// after a horizontal move the other way round. No moves at all is the
// straight line that two clicks draw.
#pragma once

#include <optional>
#include <vector>

#include "circuit.h"

namespace cirtool {

struct route_move {
    char axis = 'y';  // 'x' or 'y': the coordinate the move runs to
    std::int16_t value = 0;
    bool operator==(const route_move&) const = default;
};

std::vector<bench::wire_point> points_of_route(bench::wire_point start, bench::wire_point end,
                                               const std::vector<route_move>& moves);

// The moves that draw exactly these points, fewest first; nothing when no
// moves do (a diagonal, or a first or last point off the wire's ends).
std::optional<std::vector<route_move>> route_of_points(bench::wire_point start, bench::wire_point end,
                                                       const std::vector<bench::wire_point>& points);

// Where a wire end is drawn: the connection point's place, as stored.
bench::wire_point drawn_place(int row, int column);

}  // namespace cirtool
