// The chip model routines. Every one keeps the same contract:
//  - arguments chip i (1..N), pin p (1..pin count), mode; the answer is a value
//    code or empty ("no value");
//  - mode 0 is the pin-kind query: -2 for an output, 7 otherwise; it reads and
//    writes nothing and does not depend on power or state;
//  - any other mode evaluates. A chip is powered when node_in of its ground
//    pin's node is 6 and of its supply pin's node is 5; an unpowered chip
//    answers 11 for every pin and changes nothing. A powered chip answers 7 for
//    a pin that is not an output. Outputs read their inputs through
//    input_value, compute with logic levels and store what the model's family
//    says into pin_state.
// Models are reached only through eval_pin (dispatch.cpp).
#pragma once

#include <optional>
#include <string_view>

#include "shuzhi.h"

namespace lgsim {

using model_routine = std::optional<value_code> (*)(int chip, int pin, int mode);

// The routine of a model name (trimmed, any case), or nullptr for an unknown model.
model_routine routine_of(std::string_view model);

// Gate family (models_gates.cpp).
std::optional<value_code> model_74ls00(int chip, int pin, int mode);
std::optional<value_code> model_74ls02(int chip, int pin, int mode);
std::optional<value_code> model_74ls04(int chip, int pin, int mode);
std::optional<value_code> model_74ls08(int chip, int pin, int mode);
std::optional<value_code> model_74ls09(int chip, int pin, int mode);
std::optional<value_code> model_74ls11(int chip, int pin, int mode);
std::optional<value_code> model_74ls20(int chip, int pin, int mode);
std::optional<value_code> model_74ls27(int chip, int pin, int mode);
std::optional<value_code> model_74ls30(int chip, int pin, int mode);
std::optional<value_code> model_74ls32(int chip, int pin, int mode);
std::optional<value_code> model_74ls40(int chip, int pin, int mode);
std::optional<value_code> model_74ls51(int chip, int pin, int mode);
std::optional<value_code> model_74ls86(int chip, int pin, int mode);

// Seven-segment decoders (models_decoders.cpp).
std::optional<value_code> model_74ls47(int chip, int pin, int mode);
std::optional<value_code> model_cd4511(int chip, int pin, int mode);

// Buffers, decoders, encoders, selectors and adder (models_msi.cpp).
std::optional<value_code> model_74ls125(int chip, int pin, int mode);
std::optional<value_code> model_74ls138(int chip, int pin, int mode);
std::optional<value_code> model_74ls148(int chip, int pin, int mode);
std::optional<value_code> model_74ls151(int chip, int pin, int mode);
std::optional<value_code> model_74ls153(int chip, int pin, int mode);
std::optional<value_code> model_74ls183(int chip, int pin, int mode);

// Flip-flops (models_flipflops.cpp).
std::optional<value_code> model_74ls74(int chip, int pin, int mode);
std::optional<value_code> model_74ls112(int chip, int pin, int mode);
std::optional<value_code> model_cd4013(int chip, int pin, int mode);
std::optional<value_code> model_cd4027(int chip, int pin, int mode);

// Counters (models_counters.cpp).
std::optional<value_code> model_74ls160(int chip, int pin, int mode);
std::optional<value_code> model_74ls192(int chip, int pin, int mode);
std::optional<value_code> model_cd4518(int chip, int pin, int mode);

// Registers (models_registers.cpp).
std::optional<value_code> model_74ls194(int chip, int pin, int mode);
std::optional<value_code> model_74ls273(int chip, int pin, int mode);

// The seven-segment display: every pin is an input, in every mode (dispatch.cpp).
std::optional<value_code> model_bs204(int chip, int pin, int mode);

}  // namespace lgsim
