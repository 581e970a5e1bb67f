#include "scope_record.h"

#include <cmath>
#include <limits>

namespace dscopex {

ScopeRecord::ScopeRecord() {
    for (int k = 0; k < kSamples; ++k) time_points[k] = static_cast<float>(0.1 * k);
}

float to_float(double value) {
    constexpr double largest = std::numeric_limits<float>::max();
    if (value > largest) return std::numeric_limits<float>::infinity();
    if (value < -largest) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

std::int32_t to_int32(double value) {
    if (std::isnan(value)) return 0;
    const double rounded = std::nearbyint(value);  // default rounding: halves to even
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    if (rounded <= lowest) return std::numeric_limits<std::int32_t>::min();
    if (rounded >= highest) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(rounded);
}

bool store_record(ScopeRecord& record, std::span<const double> channel1,
                  std::span<const double> channel2, std::span<const double> timestep) {
    if (channel1.size() < kSamples || channel2.size() < kSamples || timestep.size() < kSamples)
        return false;

    const std::span<const double> channels[2] = {channel1, channel2};
    for (int c = 0; c < 2; ++c) {
        // The sum is rounded to a whole number after every addition, so a
        // record of 0.5s averages to 0: that is how the panel has always
        // worked out its AC coupling, and the traces depend on it.
        double sum = 0;
        for (int k = 0; k < kSamples; ++k) {
            const double value = channels[c][k];
            record.values[c][k] = value;
            sum = std::nearbyint(sum + to_float(value));
        }
        record.averages[c] = to_int32(sum / kSamples);
    }

    record.time_points[0] = 0;
    for (int k = 1; k < kSamples; ++k)
        record.time_points[k] = to_float(double{record.time_points[k - 1]} + timestep[k]);
    return true;
}

}  // namespace dscopex
