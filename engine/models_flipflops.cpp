// Flip-flops: not built yet.
#include "models.h"
#include "value_codes.h"

namespace lgsim {
std::optional<value_code> model_74ls74(int, int, int) { return kNotOutput; }
std::optional<value_code> model_74ls112(int, int, int) { return kNotOutput; }
std::optional<value_code> model_cd4013(int, int, int) { return kNotOutput; }
std::optional<value_code> model_cd4027(int, int, int) { return kNotOutput; }
}  // namespace lgsim
