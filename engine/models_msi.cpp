// Buffers, decoders, encoders, selectors and adder: not built yet.
#include "models.h"
#include "value_codes.h"

namespace lgsim {
std::optional<value_code> model_74ls125(int, int, int) { return kNotOutput; }
std::optional<value_code> model_74ls138(int, int, int) { return kNotOutput; }
std::optional<value_code> model_74ls148(int, int, int) { return kNotOutput; }
std::optional<value_code> model_74ls151(int, int, int) { return kNotOutput; }
std::optional<value_code> model_74ls153(int, int, int) { return kNotOutput; }
std::optional<value_code> model_74ls183(int, int, int) { return kNotOutput; }
}  // namespace lgsim
