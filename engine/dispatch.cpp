#include <array>
#include <string_view>

#include "engine_tables.h"
#include "models.h"
#include "names.h"

namespace lgsim {

namespace {

struct dispatch_entry {
    std::string_view model;
    model_routine routine;
};

// The dispatcher keeps its own list, in this order; it does not consult the catalogue.
constexpr std::array<dispatch_entry, 31> kDispatch{{
    {"74LS00", model_74ls00},   {"74LS02", model_74ls02},   {"74LS04", model_74ls04},
    {"74LS08", model_74ls08},   {"74LS09", model_74ls09},   {"74LS11", model_74ls11},
    {"74LS20", model_74ls20},   {"74LS27", model_74ls27},   {"74LS30", model_74ls30},
    {"74LS32", model_74ls32},   {"74LS40", model_74ls40},   {"74LS47", model_74ls47},
    {"74LS51", model_74ls51},   {"74LS74", model_74ls74},   {"74LS86", model_74ls86},
    {"74LS112", model_74ls112}, {"74LS125", model_74ls125}, {"74LS138", model_74ls138},
    {"74LS148", model_74ls148}, {"74LS151", model_74ls151}, {"74LS153", model_74ls153},
    {"74LS160", model_74ls160}, {"74LS183", model_74ls183}, {"74LS192", model_74ls192},
    {"74LS194", model_74ls194}, {"74LS273", model_74ls273}, {"CD4013", model_cd4013},
    {"CD4027", model_cd4027},   {"CD4511", model_cd4511},   {"CD4518", model_cd4518},
    {"BS204", model_bs204},
}};

}  // namespace

model_routine routine_of(std::string_view model) {
    const std::string key = upper_trimmed(model);
    for (const dispatch_entry& entry : kDispatch)
        if (entry.model == key) return entry.routine;
    return nullptr;
}

std::optional<value_code> eval_pin(int chip, int pin, int mode) {
    if (chip < 1 || pin < 1) return kHigh;
    engine_tables& t = tables();
    if (chip >= static_cast<int>(t.chip_info.size()))
        throw SubscriptError("chip " + std::to_string(chip) + " out of range");
    const model_routine routine = routine_of(t.chip_info[chip].name);
    if (routine == nullptr) return std::nullopt;
    // An evaluation asked from outside a pass works on the tables as a pass left them.
    if (mode != 0) leave_pass_memory();
    return routine(chip, pin, mode);
}

std::optional<value_code> model_bs204(int, int, int) { return kNotOutput; }

}  // namespace lgsim
