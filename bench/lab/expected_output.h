// What a reading step prints against what a lab sheet expects of it.
#pragma once

#include <string>
#include <string_view>

#include "step_runner.h"

namespace lab {

// Words separated by single blanks, without leading or trailing blanks.
std::string single_spaced(std::string_view text);

// The printed line matches the expected one word by word: each word the
// same, except that an `x` in the expected word stands for a 0 or a 1.
bool output_matches(std::string_view expected, std::string_view got);

// Whether the expected line has the shape the reading step prints: its
// words, the same chip, pin or point, and values of the right length
// (leds: 16 of 0, 1 or x; digits: two times 8; display: 8 or "-"; point and
// pin: a code or x; meter: a number; capture: a count and a number or "-").
bool fits_reading(const any_step& reading, std::string_view expected);

}  // namespace lab
