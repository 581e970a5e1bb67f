#include "needle_scales.h"

#include <algorithm>
#include <cmath>

#include "meter_geometry.h"

namespace dmeterx {

namespace {
constexpr double kDegreesPerRadian = 180 / kPi;
}

linear_scale_angles linear_angles() {
    const auto pivot = geometry::kPivot;
    const double start = std::atan((pivot.y - geometry::kNeedleRestTip.y) / (pivot.x - geometry::kNeedleRestTip.x));
    const double end =
        std::atan((pivot.y - geometry::kLinearScaleEnd.y) / (geometry::kLinearScaleEnd.x - pivot.x));
    return {start, end, kPi - start - end};
}

std::optional<int> linear_target_step(double value, double full_scale, const linear_scale_angles& angles) {
    if (std::isnan(value)) return std::nullopt;
    // The clamp keeps absurd readings from turning the needle round and round
    // (and from overflowing the step count); sane readings are unaffected.
    value = std::clamp(value, -full_scale, full_scale);
    return static_cast<int>(std::floor(angles.sweep / full_scale * value * kStepsPerRadian));
}

double linear_needle_angle(int step, const linear_scale_angles& angles) {
    return angles.start + step / kStepsPerRadian;
}

double ohm_mark_angle(twips_point point) {
    const double rise = geometry::kPivot.y - point.y;
    const double run = point.x - geometry::kPivot.x;
    const double t = run == 0 ? 90 : kDegreesPerRadian * std::atan(rise / run);
    return t >= 0 ? 180 - t : -t;
}

ohm_table ohm_readings() {
    ohm_table readings{};
    for (int k = 0; k < kOhmMarkCount; ++k) readings[k] = kOhmMarks[k].reading;
    return readings;
}

ohm_table ohm_angles() {
    ohm_table angles{};
    for (int k = 0; k < kOhmMarkCount; ++k) {
        angles[k] = kOhmMarks[k].has_point ? ohm_mark_angle(kOhmMarks[k].point) : 0;
    }
    return angles;
}

std::optional<double> ohm_reading_angle(double reading, const ohm_table& readings, const ohm_table& angles) {
    if (std::isnan(reading)) return std::nullopt;
    double r = std::max(reading, 0.0);
    for (int k = 1; k < kOhmMarkCount; ++k) {
        const double v = readings[k];
        if (v < r) continue;
        const double u = readings[k - 1];
        // On a mark exactly the formula would divide by zero; a hair below
        // lands on the same angle.
        if (r == v) r -= 0.00001;
        return angles[k] + (angles[k - 1] - angles[k]) / ((r - u) / (v - r) + 1);
    }
    return 0.0;
}

std::optional<int> ohm_target_step(double reading, const ohm_table& readings, const ohm_table& angles) {
    const auto angle = ohm_reading_angle(reading, readings, angles);
    if (!angle) return std::nullopt;
    return static_cast<int>(std::lround(*angle * 3));
}

double ohm_needle_angle(int step) { return step / kStepsPerRadian; }

twips_point needle_tip(double length, double angle) { return dial_point(length, angle); }

twips_point dial_point(double radius, double angle) {
    return {geometry::kPivot.x - radius * std::cos(angle), geometry::kPivot.y - radius * std::sin(angle)};
}

}  // namespace dmeterx
