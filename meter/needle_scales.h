// Where the needle points for a reading: the linear scales (volts and amperes)
// and the ohm scale. Angles are measured at the pivot from the leftward
// horizontal, growing towards the right; a needle step is a third of a degree.
#pragma once

#include <array>
#include <optional>

#include "dmeterx_export.h"
#include "meter_units.h"

namespace dmeterx {

inline constexpr double kStepsPerRadian = 540 / kPi;

struct linear_scale_angles {
    double start;  // radians, where step 0 points
    double end;    // radians short of the rightward horizontal
    double sweep;  // radians from the start of the scale to its full-scale end
};

DMETERX_EXPORT linear_scale_angles linear_angles();

// The step for a value on a linear range. At or above full scale the needle
// pins at full scale. Below zero it turns back past the start by the same
// rule, as far as its stop one full sweep back. No step for NaN.
DMETERX_EXPORT std::optional<int> linear_target_step(double value, double full_scale,
                                                     const linear_scale_angles& angles);

DMETERX_EXPORT double linear_needle_angle(int step, const linear_scale_angles& angles);

// The ohm scale: 21 marks, each a dial reading and a point on the dial picture
// that fixes the mark's angle. The last mark has no point and lies at angle 0.
inline constexpr int kOhmMarkCount = 21;

struct ohm_mark {
    double reading;
    bool has_point;
    twips_point point;
};

inline constexpr std::array<ohm_mark, kOhmMarkCount> kOhmMarks{{
    {0, true, {2520, 600}},     {1, true, {2400, 480}},       {2, true, {2240, 480}},
    {5, true, {2010, 330}},     {10, true, {1800, 0}},        {15, true, {1477, 120}},
    {20, true, {1291, 120}},    {30, true, {1020, 120}},      {40, true, {830, 120}},
    {50, true, {730, 240}},     {60, true, {600, 120}},       {70, true, {600, 240}},
    {80, true, {470, 120}},     {90, true, {465, 240}},       {100, true, {465, 360}},
    {200, true, {240, 360}},    {300, true, {230, 480}},      {400, true, {200, 500}},
    {500, true, {120, 495}},    {1000000, true, {120, 620}},  {100000000, false, {}},
}};

using ohm_table = std::array<double, kOhmMarkCount>;

// Degrees; the angle of the line from the pivot to a point above it.
DMETERX_EXPORT double ohm_mark_angle(twips_point point);
DMETERX_EXPORT ohm_table ohm_readings();
DMETERX_EXPORT ohm_table ohm_angles();

// Degrees, interpolated in a straight line between the two marks around the
// reading; 0 beyond the last mark. Negative readings rest on the zero mark,
// where the needle meets its stop. No angle for NaN.
DMETERX_EXPORT std::optional<double> ohm_reading_angle(double reading, const ohm_table& readings,
                                                       const ohm_table& angles);

DMETERX_EXPORT std::optional<int> ohm_target_step(double reading, const ohm_table& readings,
                                                  const ohm_table& angles);

DMETERX_EXPORT double ohm_needle_angle(int step);

// The needle's tip for a needle of the given length pointing at an angle.
DMETERX_EXPORT twips_point needle_tip(double length, double angle);

// A point on the dial at a distance from the pivot, for the artwork.
DMETERX_EXPORT twips_point dial_point(double radius, double angle);

}  // namespace dmeterx
