// The evaluation pass written the plain way, kept as the reference the
// library's pass is compared with: every driver and every rival output is
// found by scanning all pins of all chips, and every pin kind and every
// evaluation is dispatched by the chip's model name. It runs over the same
// per-thread engine tables and calls the same chip models as the library.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine_tables.h"
#include "shuzhi.h"

namespace lgsim::testing {

// The literal pass works on tables of its own, so that the library's pass
// and its memory of earlier calls are left alone.
engine_tables& literal_tables();

// Takes the arguments of shuzhi::sim and gives the same results.
std::int16_t literal_sim(std::int16_t chip_number, std::int16_t max_node_number,
                         const std::vector<std::string>& chip_model, PinArray& chip_pin_number,
                         const std::vector<value_code>& v_node_in, std::vector<value_code>& v_node,
                         PinArray& v_chip_pin, bool& new_circuit);

// The pass alone, over the literal tables as they stand, like shuzhi::VcalIcAll.
void literal_pass();

}  // namespace lgsim::testing
