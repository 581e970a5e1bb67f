#include "indicator_painter.h"

#include "display_geometry.h"

namespace bench {

void indicator_painter::draw() {
    if (board_.layer_generation() != generation_) {
        // The layer is the bare trainer again: nothing drawn on it is left.
        generation_ = board_.layer_generation();
        chips_.clear();
        for (auto& digit : module_) digit.fill(segment_look::undrawn);
    }
    chips_.resize(static_cast<std::size_t>(bench_.chip_count()) + 1);
    const auto colour_of = [](rgb_colour c) { return QColor(red_of(c), green_of(c), blue_of(c)); };
    // Display chips: segment lines relative to the chip picture.
    for (int k = 1; k <= bench_.chip_count(); ++k) {
        const chip& c = bench_.chip_at(k);
        if (c.chip_class != 4) continue;
        drawn_chip& drawn = chips_[static_cast<std::size_t>(k)];
        if (drawn.left != c.picture.left || drawn.top != c.picture.top) {
            // Moved, or another chip now: draw all of it.
            drawn = {c.picture.left, c.picture.top, {}};
        }
        for (const display_segment& s : kDisplayChipSegments) {
            if (s.pin > c.pin_count || c.segments[s.pin] == segment_look::undrawn) continue;
            if (drawn.segments[s.pin] == c.segments[s.pin]) continue;
            drawn.segments[s.pin] = c.segments[s.pin];
            const QColor colour = colour_of(c.segments[s.pin] == segment_look::lit ? kDisplayLitColour : kDisplayDarkColour);
            const QPointF a(c.picture.left + s.line.from.x, c.picture.top + s.line.from.y);
            const QPointF b(c.picture.left + s.line.to.x, c.picture.top + s.line.to.y);
            board_.draw_line(a, b, colour, kDisplaySegmentPenWidth);
        }
    }
    // The module's two digits.
    for (int digit = 1; digit <= 2; ++digit) {
        for (int column = kFirstSegmentColumn; column <= kLastSegmentColumn; ++column) {
            const segment_look look = bench_.module_segment(digit, column);
            if (look == segment_look::undrawn) continue;
            const auto d = static_cast<std::size_t>(digit - 1);
            const auto segment = static_cast<std::size_t>(column - kFirstSegmentColumn);
            segment_look& drawn = module_[d][segment];
            if (drawn == look) continue;
            drawn = look;
            const segment_line& s = kModuleSegmentLines[d][segment];
            const QColor colour = colour_of(look == segment_look::lit ? kModuleLitColour : kModuleDarkColour);
            board_.draw_line(QPointF(s.from.x, s.from.y), QPointF(s.to.x, s.to.y), colour, kModuleSegmentPenWidth);
        }
    }
}

}  // namespace bench
