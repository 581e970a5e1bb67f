#include "wire_route.h"

#include "board_geometry.h"
#include "circuit_file.h"

namespace cirtool {

namespace {

bool same(bench::wire_point a, bench::wire_point b) { return a.x == b.x && a.y == b.y; }

bool same(const std::vector<bench::wire_point>& a, const std::vector<bench::wire_point>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!same(a[i], b[i])) return false;
    return true;
}

// The moves that reach each of `turns` in order from `start`, or nothing when
// a turn is not straight along one axis from the point before it.
std::optional<std::vector<route_move>> moves_through(bench::wire_point start,
                                                     const std::vector<bench::wire_point>& turns) {
    std::vector<route_move> moves;
    bench::wire_point at = start;
    for (const bench::wire_point& next : turns) {
        if (next.x == at.x)
            moves.push_back({'y', next.y});
        else if (next.y == at.y)
            moves.push_back({'x', next.x});
        else
            return std::nullopt;
        at = next;
    }
    return moves;
}

}  // namespace

std::vector<bench::wire_point> points_of_route(bench::wire_point start, bench::wire_point end,
                                               const std::vector<route_move>& moves) {
    std::vector<bench::wire_point> points{start};
    bench::wire_point at = start;
    for (const route_move& m : moves) {
        if (m.axis == 'x')
            at.x = m.value;
        else
            at.y = m.value;
        points.push_back(at);
    }
    if (!moves.empty()) {
        const bench::wire_point corner =
            moves.back().axis == 'y' ? bench::wire_point{end.x, at.y} : bench::wire_point{at.x, end.y};
        if (!same(corner, at) && !same(corner, end)) points.push_back(corner);
    }
    points.push_back(end);
    return points;
}

std::optional<std::vector<route_move>> route_of_points(bench::wire_point start, bench::wire_point end,
                                                       const std::vector<bench::wire_point>& points) {
    if (points.size() < 2 || !same(points.front(), start) || !same(points.back(), end)) return std::nullopt;
    std::vector<bench::wire_point> turns(points.begin() + 1, points.end() - 1);
    // The last turn may be the one the route adds by itself: try without it first.
    for (const bool drop_last : {true, false}) {
        if (drop_last && turns.empty()) continue;
        std::vector<bench::wire_point> given = turns;
        if (drop_last) given.pop_back();
        const auto moves = moves_through(start, given);
        if (moves && same(points_of_route(start, end, *moves), points)) return moves;
    }
    return std::nullopt;
}

bench::wire_point drawn_place(int row, int column) {
    const bench::board_point p = bench::point_position(row, column);
    return {bench::stored_twips(p.x), bench::stored_twips(p.y)};
}

}  // namespace cirtool
