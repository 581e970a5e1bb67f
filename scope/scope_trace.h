#pragma once

#include "scope_panel.h"
#include "scope_record.h"

#include <vector>

namespace dscopex {

// Screen geometry, in twips of the screen picture.
namespace screen {
inline constexpr double kWidth = 3870;
inline constexpr double kHeight = 3225;
inline constexpr double kSweepLeft = 390;
inline constexpr double kSweepRight = 3540;
inline constexpr double kDivisionWidth = 315;  // ten across
inline constexpr double kZeroLine = 1570;
inline constexpr double kFifthHeight = 63.375;  // a division is five of them
inline constexpr double kDivisionHeight = 5 * kFifthHeight;
inline constexpr double kTop = 300;
inline constexpr double kBottom = 2835;
}  // namespace screen

struct TracePoint {
    double x = 0;
    double y = 0;
    bool operator==(const TracePoint&) const = default;
};

struct TraceSegment {
    TracePoint from;
    TracePoint to;
};

// What one channel draws at sample k, by its coupling: the value less the
// channel's average, nothing, or the value itself.
float display_value(const ScopeRecord& record, const ScopePanel& panel, int channel, int k);

// Screen y of a display value, kept on the screen.
double trace_y(float display_value, int volts_position, float offset);

// The green line segments of one channel, sweep after sweep across the
// screen, in screen twips. Segments that would only mark a point on the
// right edge, where the trace has already been cut, are left out.
std::vector<TraceSegment> trace_segments(const ScopeRecord& record, const ScopePanel& panel,
                                         int channel);

}  // namespace dscopex
