#pragma once

#include <array>

namespace dscopex {

inline constexpr int kSamples = 201;  // samples 0 to 200 of a record

inline constexpr int kVoltsPositions = 12;
inline constexpr int kTimePositions = 20;
inline constexpr int kSwitchPositions = 3;  // coupling and display mode
inline constexpr int kPositionKnobFrames = 10;

// Volts per division, knob positions 1 to 12 (index 0 unused).
inline constexpr std::array<double, kVoltsPositions + 1> kVoltsPerDivision{
    0, 5, 2, 1, 0.5, 0.2, 0.1, 0.05, 0.02, 0.01, 0.005, 0.002, 0.001};

// Time per division in thousandths of the host's time unit, knob positions
// 1 to 20 (index 0 unused).
inline constexpr std::array<double, kTimePositions + 1> kTimePerDivision{
    0,    500,   200,  100,   50,    20,    10,     5,     2,      1,     0.5,
    0.2,  0.1,   0.05, 0.02,  0.01,  0.005, 0.002,  0.001, 0.0005, 0.0002};

// The knob legends, read as if the host's time unit were the second.
inline constexpr std::array<const char*, kVoltsPositions + 1> kVoltsLegend{
    "",     "5V",   "2V",   "1V",   ".5V", ".2V", ".1V",
    "50mV", "20mV", "10mV", "5mV",  "2mV", "1mV"};
inline constexpr std::array<const char*, kTimePositions + 1> kTimeLegend{
    "",      "500ms", "200ms", "100ms", "50ms", "20ms", "10ms",
    "5ms",   "2ms",   "1ms",   ".5ms",  ".2ms", ".1ms", "50\u00b5s",
    "20\u00b5s", "10\u00b5s", "5\u00b5s", "2\u00b5s", "1\u00b5s",
    ".5\u00b5s", ".2\u00b5s"};

// Coupling positions: what a channel draws.
enum Coupling { kCouplingAc = 1, kCouplingGround = 2, kCouplingDc = 3 };
// Display mode positions: which channels are drawn.
enum DisplayMode { kModeChannel1 = 1, kModeChannel2 = 2, kModeBoth = 3 };

}  // namespace dscopex
