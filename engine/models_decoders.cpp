// Seven-segment decoders: not built yet; every pin reads as an input.
#include "models.h"
#include "value_codes.h"

namespace lgsim {
std::optional<value_code> model_74ls47(int, int, int) { return kNotOutput; }
std::optional<value_code> model_cd4511(int, int, int) { return kNotOutput; }
}  // namespace lgsim
