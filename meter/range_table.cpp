#include "range_table.h"

#include <array>
#include <stdexcept>
#include <string>

namespace dmeterx {

namespace {

constexpr const char* kVoltmeterResistance = "1000000000";
constexpr const char* kLowResistance = "1000";
constexpr const char* kAmmeterResistance = "0.001";

constexpr std::array<range_row, kLastRange> kRanges{{
    {kDirectVoltage, 0.5, kVoltmeterResistance},
    {kDirectVoltage, 2.5, kVoltmeterResistance},
    {kDirectVoltage, 10, kVoltmeterResistance},
    {kDirectVoltage, 50, kVoltmeterResistance},
    {kDirectVoltage, 250, kVoltmeterResistance},
    {kDirectVoltage, 500, kVoltmeterResistance},
    {kAlternatingVoltage, 500, kLowResistance},
    {kAlternatingVoltage, 250, kLowResistance},
    {kAlternatingVoltage, 50, kLowResistance},
    {kAlternatingVoltage, 10, kLowResistance},
    {kAlternatingVoltage, 2.5, kLowResistance},
    {kResistance, 10000, kLowResistance},
    {kResistance, 1000, kLowResistance},
    {kResistance, 100, kLowResistance},
    {kResistance, 10, kLowResistance},
    {kResistance, 1, kLowResistance},
    {kDirectCurrent, 0.25, kAmmeterResistance},
    {kDirectCurrent, 0.025, kAmmeterResistance},
    {kDirectCurrent, 0.0025, kAmmeterResistance},
    {kDirectCurrent, 0.00005, kAmmeterResistance},
}};

}  // namespace

const range_row& range_at(int position) {
    if (position < kFirstRange || position > kLastRange) {
        throw std::out_of_range("no range position " + std::to_string(position));
    }
    return kRanges[static_cast<std::size_t>(position - kFirstRange)];
}

int next_range_position(int position, bool left_button) {
    if (left_button) return position >= kLastRange ? kFirstRange : position + 1;
    return position <= kFirstRange ? kLastRange : position - 1;
}

}  // namespace dmeterx
