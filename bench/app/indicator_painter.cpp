#include "indicator_painter.h"

namespace bench {

void indicator_painter::draw() {
    if (board_.layer_generation() != generation_) {
        // The layer is the bare trainer again: nothing drawn on it is left.
        generation_ = board_.layer_generation();
        chips_.clear();
        for (auto& digit : module_) digit.fill(segment_look::undrawn);
    }
    chips_.resize(static_cast<std::size_t>(bench_.chip_count()) + 1);
    // Display chips: segment lines relative to the chip picture.
    struct segment_line {
        int pin;
        double x1, y1, x2, y2;
    };
    static constexpr segment_line kDisplaySegments[] = {
        {6, 170, 90, 424, 90},    {4, 480, 130, 480, 360}, {2, 480, 460, 480, 670},
        {10, 170, 704, 424, 704}, {9, 120, 460, 120, 660}, {7, 120, 130, 120, 360},
        {3, 170, 404, 424, 404},  {1, 540, 704, 540, 707}};
    for (int k = 1; k <= bench_.chip_count(); ++k) {
        const chip& c = bench_.chip_at(k);
        if (c.chip_class != 4) continue;
        drawn_chip& drawn = chips_[static_cast<std::size_t>(k)];
        if (drawn.left != c.picture.left || drawn.top != c.picture.top) {
            // Moved, or another chip now: draw all of it.
            drawn = {c.picture.left, c.picture.top, {}};
        }
        for (const segment_line& s : kDisplaySegments) {
            if (s.pin > c.pin_count || c.segments[s.pin] == segment_look::undrawn) continue;
            if (drawn.segments[s.pin] == c.segments[s.pin]) continue;
            drawn.segments[s.pin] = c.segments[s.pin];
            const QColor colour = c.segments[s.pin] == segment_look::lit ? QColor(250, 5, 10)
                                                                          : QColor(125, 135, 135);
            const QPointF a(c.picture.left + s.x1, c.picture.top + s.y1);
            const QPointF b(c.picture.left + s.x2, c.picture.top + s.y2);
            board_.draw_line(a, b, colour, 3);
        }
    }
    // The module's two digits.
    struct module_line {
        double x1, y1, x2, y2;
    };
    static constexpr module_line kDigit1[8] = {
        {9545, 2460, 9675, 2460}, {9720, 2490, 9690, 2630}, {9683, 2690, 9653, 2830},
        {9470, 2870, 9620, 2870}, {9460, 2690, 9430, 2830}, {9500, 2490, 9460, 2630},
        {9520, 2650, 9640, 2650}, {9720, 2870, 9730, 2870}};
    static constexpr module_line kDigit2[8] = {
        {9545, 2460, 9675, 2460}, {9720, 2490, 9690, 2630}, {9683, 2690, 9653, 2830},
        {9470, 2870, 9620, 2870}, {9460, 2690, 9430, 2830}, {9490, 2490, 9460, 2630},
        {9520, 2660, 9640, 2660}, {9720, 2850, 9730, 2850}};
    constexpr double kDigit2Shift = 470;
    for (int digit = 1; digit <= 2; ++digit) {
        for (int column = kFirstSegmentColumn; column <= kLastSegmentColumn; ++column) {
            const segment_look look = bench_.module_segment(digit, column);
            if (look == segment_look::undrawn) continue;
            segment_look& drawn = module_[static_cast<std::size_t>(digit - 1)][static_cast<std::size_t>(column - kFirstSegmentColumn)];
            if (drawn == look) continue;
            drawn = look;
            const module_line& s = (digit == 1 ? kDigit1 : kDigit2)[column - kFirstSegmentColumn];
            const double dx = digit == 1 ? 0 : kDigit2Shift;
            const QColor colour = look == segment_look::lit ? QColor(250, 120, 100) : QColor(195, 195, 195);
            board_.draw_line(QPointF(s.x1 + dx, s.y1), QPointF(s.x2 + dx, s.y2), colour, 3);
        }
    }
}

}  // namespace bench
