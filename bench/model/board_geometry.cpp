#include "board_geometry.h"

#include <array>
#include <cmath>

namespace bench {

namespace {

using position_table = std::array<std::array<board_point, kGridColumns>, kGridRows>;

position_table compute_positions() {
    position_table t{};
    constexpr double kGroupBase[6] = {885, 1635, 2955, 3705, 5025, 5790};
    for (int r = 0; r < 30; ++r)
        for (int c = 0; c < kGridColumns; ++c)
            t[r][c] = {1485 + 112.4 * c, kGroupBase[r / 5] + 101.25 * (r % 5)};
    // Bus rows: two lines of ten five-hole segments per bus, one extra pitch
    // after the fifth segment.
    for (int r = 30; r < 35; ++r) {
        const int v = r - 30;
        for (int c = 0; c < 40; ++c) {
            const int k = c < 20 ? c : c - 20;
            const int e = k > 9 ? 1 : 0;
            const double y0 = c < 20 ? 2445 : 4530;
            t[r][c] = {1710 + 112.4 * (6 * (k / 2) + v + e), y0 + 101.25 * (k % 2)};
        }
    }
    for (int c = 0; c < 16; ++c) t[35][c] = {2805.0 + 295 * c, 555};
    constexpr board_point kModule[10] = {{9570, 3270}, {10050, 3270}, {9090, 3180}, {9090, 3090},
                                         {9095, 3000}, {9095, 2910}, {9100, 2715}, {9100, 2610},
                                         {9105, 2520}, {9105, 2430}};
    for (int c = 16; c < 26; ++c) t[35][c] = kModule[c - 16];
    for (int c = 0; c < 16; ++c) t[36][c] = {2910.0 + 296 * c, 6555};
    t[36][16] = {7830, 6555};
    t[36][17] = {8150, 6555};
    t[36][18] = {8450, 6555};
    t[36][22] = {2265, 6555};
    t[36][26] = {2505, 6555};
    return t;
}

const position_table& positions() {
    static const position_table table = compute_positions();
    return table;
}

}  // namespace

board_point point_position(int row, int column) {
    if (row < 0 || row >= kGridRows || column < 0 || column >= kGridColumns) return {};
    return positions()[row][column];
}

bool has_place(int row, int column) {
    const board_point p = point_position(row, column);
    return p.x != 0 || p.y != 0;
}

hit hit_test(double x, double y) {
    const position_table& t = positions();
    for (int r = 0; r < kGridRows; ++r)
        for (int c = 0; c < kGridColumns; ++c)
            if (std::abs(t[r][c].x - x) < kHitWindow && std::abs(t[r][c].y - y) < kHitWindow)
                return {r, c, t[r][c]};
    return {-1, -1, {x, y}};
}

}  // namespace bench
