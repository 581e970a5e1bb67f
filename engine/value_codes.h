// Names for the value codes that cross the engine interface. The numbers are
// the interface's: a node value, a pin value, an external drive and the answer
// of a pin-kind query are all one of these.
#pragma once

#include "shuzhi.h"

namespace lgsim {

inline constexpr value_code kOutputPin = -2;    // pin-kind answer: the pin is an output
inline constexpr value_code kNoDrive = -1;      // not driven from outside / state unknown
inline constexpr value_code kLow = 0;
inline constexpr value_code kHigh = 1;
inline constexpr value_code kFloating = 2;      // nobody drives it, or a disabled three-state output
inline constexpr value_code kRisingEdge = 3;    // high, at the moment of a rising edge
inline constexpr value_code kFallingEdge = 4;   // low, at the moment of a falling edge
inline constexpr value_code kSupply = 5;
inline constexpr value_code kGround = 6;
inline constexpr value_code kNotOutput = 7;     // pin-kind answer: input, power or unused pin
inline constexpr value_code kUnpowered = 11;    // output of a chip without supply and ground
inline constexpr value_code kExternalConflict = 20;  // output against outside drive
inline constexpr value_code kOutputConflict = 21;    // output against another output

inline constexpr int kMaxPinNumber = 60;

// True for the codes the bench drives onto a node from outside.
constexpr bool is_external_drive(value_code code) {
    return code == kLow || code == kHigh || code == kRisingEdge || code == kFallingEdge ||
           code == kSupply || code == kGround;
}

// logic_level, inline: the models take the level of almost every input they
// read, and the bench of every indicator it shows.
constexpr value_code level_of_code(value_code code) {
    return code == kLow || code == kFallingEdge || code == kGround || code == kUnpowered ? kLow
                                                                                        : kHigh;
}

}  // namespace lgsim
