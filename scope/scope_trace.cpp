#include "scope_trace.h"

#include <cmath>

namespace dscopex {

float display_value(const ScopeRecord& record, const ScopePanel& panel, int channel, int k) {
    switch (panel.coupling[channel]) {
    case kCouplingAc:
        return to_float(record.values[channel][k] - record.averages[channel]);
    case kCouplingGround:
        return 0.0f;
    default:
        return to_float(record.values[channel][k]);
    }
}

double trace_y(float display_value, int volts_position, float offset) {
    const double fifths = double{display_value} * 5.0 / kVoltsPerDivision[volts_position] + offset;
    const double y = screen::kZeroLine - fifths * screen::kFifthHeight;
    // Written so that a value that is not a number lands on an edge too.
    if (!(y > screen::kTop)) return screen::kTop;
    if (!(y < screen::kBottom)) return screen::kBottom;
    return y;
}

namespace {

bool beyond_right_edge(double x) { return !(x <= screen::kSweepRight); }

// Every sweep moves the start at least one twip right, so this many sweeps
// always reach the edge; it bounds the work for any record.
constexpr int kMostSweeps = static_cast<int>(screen::kSweepRight - screen::kSweepLeft) + 1;

}  // namespace

std::vector<TraceSegment> trace_segments(const ScopeRecord& record, const ScopePanel& panel,
                                         int channel) {
    std::array<double, kSamples> y{};
    for (int k = 0; k < kSamples; ++k)
        y[k] = trace_y(display_value(record, panel, channel, k), panel.volts_position[channel],
                       panel.offset[channel]);

    const double twips_per_time = 1000.0 / kTimePerDivision[panel.time_position] * screen::kDivisionWidth;
    std::vector<TraceSegment> segments;
    double sweep_start = screen::kSweepLeft;
    for (int sweep = 0; sweep < kMostSweeps; ++sweep) {
        auto x_at = [&](int k) {
            return std::nearbyint(sweep_start + double{record.time_points[k]} * twips_per_time);
        };
        double previous_x = x_at(0);
        double last_x = previous_x;
        for (int k = 1; k < kSamples; ++k) {
            const double x = x_at(k);
            TraceSegment segment{{previous_x, y[k - 1]}, {x, y[k]}};
            if (beyond_right_edge(segment.from.x)) segment.from.x = screen::kSweepRight;
            if (beyond_right_edge(segment.to.x)) segment.to = {screen::kSweepRight, segment.from.y};
            if (!(segment.from == segment.to && segment.from.x == screen::kSweepRight))
                segments.push_back(segment);
            previous_x = x;
            last_x = x;
        }
        // The record repeats from where the sweep ended; a sweep that did not
        // move right (time points standing still or going back) would repeat
        // on the spot for ever, so it is drawn once.
        if (!(last_x < screen::kSweepRight && last_x > sweep_start)) break;
        sweep_start = last_x;
    }
    return segments;
}

}  // namespace dscopex
