// The 20 positions of the range switch: what each measures and its full scale.
#pragma once

#include "dmeterx_export.h"

namespace dmeterx {

// Kinds, as `value_type` reports them.
inline constexpr float kResistance = 100;
inline constexpr float kDirectCurrent = 101;
inline constexpr float kDirectVoltage = 102;
inline constexpr float kAlternatingVoltage = 103;

inline constexpr int kFirstRange = 1;
inline constexpr int kLastRange = 20;

struct range_row {
    float kind;
    // Volts or amperes; on the resistance ranges the multiplier of the ohm scale.
    double full_scale;
    const char* in_res;
};

// Rows for positions 1 to 20; throws std::out_of_range for any other position.
DMETERX_EXPORT const range_row& range_at(int position);

// One click on the knob: the left button turns it up, any other button down,
// and the switch goes round without a stop.
DMETERX_EXPORT int next_range_position(int position, bool left_button);

}  // namespace dmeterx
