#pragma once

#include "scope_tables.h"

#include <array>
#include <cstdint>
#include <span>

namespace dscopex {

// One record of both channels as the host last handed it over.
struct ScopeRecord {
    std::array<std::array<double, kSamples>, 2> values{};  // channel 1, channel 2
    std::array<float, kSamples> time_points{};             // t0 = 0, then cumulative steps
    std::array<std::int32_t, 2> averages{};

    ScopeRecord();  // time points 0.1 apart until a record arrives
};

// Copies one record in and works out the averages and time points. Arrays
// too short to hold samples 0 to 200 leave the record untouched and give
// false.
bool store_record(ScopeRecord& record, std::span<const double> channel1,
                  std::span<const double> channel2, std::span<const double> timestep);

// A double narrowed to a 32-bit float, overflowing to infinity rather than
// into undefined behaviour.
float to_float(double value);

// Nearest integer, halves to even, held within the 32-bit range (not a
// number gives 0).
std::int32_t to_int32(double value);

}  // namespace dscopex
