// Counters: not built yet.
#include "models.h"
#include "value_codes.h"

namespace lgsim {
std::optional<value_code> model_74ls160(int, int, int) { return kNotOutput; }
std::optional<value_code> model_74ls192(int, int, int) { return kNotOutput; }
std::optional<value_code> model_cd4518(int, int, int) { return kNotOutput; }
}  // namespace lgsim
