// Registers: not built yet.
#include "models.h"
#include "value_codes.h"

namespace lgsim {
std::optional<value_code> model_74ls194(int, int, int) { return kNotOutput; }
std::optional<value_code> model_74ls273(int, int, int) { return kNotOutput; }
}  // namespace lgsim
