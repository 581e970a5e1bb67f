// A wire between two connection points with one square bend, for the
// screenshot tools' demonstration circuits.
#pragma once

#include "bench_model.h"

namespace bench::testing {

inline wire wire_between(int r1, int c1, int r2, int c2, rgb_colour colour) {
    wire w;
    w.start_row = static_cast<std::int16_t>(r1);
    w.start_column = static_cast<std::int16_t>(c1);
    w.end_row = static_cast<std::int16_t>(r2);
    w.end_column = static_cast<std::int16_t>(c2);
    w.colour = colour;
    const board_point a = point_position(r1, c1), b = point_position(r2, c2);
    w.points = {{static_cast<std::int16_t>(a.x), static_cast<std::int16_t>(a.y)},
                {static_cast<std::int16_t>(a.x), static_cast<std::int16_t>((a.y + b.y) / 2)},
                {static_cast<std::int16_t>(b.x), static_cast<std::int16_t>((a.y + b.y) / 2)},
                {static_cast<std::int16_t>(b.x), static_cast<std::int16_t>(b.y)}};
    return w;
}

}  // namespace bench::testing
