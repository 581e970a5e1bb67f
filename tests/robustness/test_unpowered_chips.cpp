// Chips with neither supply nor ground wired: whatever their inputs do, their
// outputs carry the unpowered code and light nothing.
#include <gtest/gtest.h>

#include <string>

#include "bench_model.h"
#include "bench_session.h"
#include "bench_test_support.h"
#include "catalogue.h"
#include "hostile_support.h"
#include "value_codes.h"

using namespace robustness;

namespace lgsim {
void PrintTo(const catalogue_entry& entry, std::ostream* out) { *out << entry.model; }
}  // namespace lgsim

namespace {

class UnpoweredChip : public ::testing::TestWithParam<lgsim::catalogue_entry> {};

TEST_P(UnpoweredChip, LightsNothingAndReadsUnpoweredOrFloating) {
    const lgsim::catalogue_entry& entry = GetParam();
    bench::bench_model bench;
    const int k = bench::testing::place_chip(bench, entry.model, entry.mount_kind == 1 ? 14 : 1, 10);
    // Every pin but the power pins on an LED of its own; the power pins on
    // switches, which are no supply.
    for (int j = 1; j <= entry.pin_count && j <= bench::kLedCount; ++j) {
        if (j == entry.ground_pin || j == entry.supply_pin) continue;
        wire_holes(bench, pin_hole(bench, k, j), {bench::kLedRow, j - 1});
    }
    wire_holes(bench, {bench::kTerminalRow, 0}, pin_hole(bench, k, entry.ground_pin));
    wire_holes(bench, {bench::kTerminalRow, 1}, pin_hole(bench, k, entry.supply_pin));

    run_session(bench, 6);
    bool some_output = false;
    for (int j = 1; j <= entry.pin_count; ++j) {
        if (j == entry.ground_pin || j == entry.supply_pin) continue;
        const lgsim::value_code seen = bench.pin_reading(j, k);
        EXPECT_TRUE(seen == lgsim::kUnpowered || seen == lgsim::kFloating) << "pin " << j << ": " << seen;
        some_output = some_output || seen == lgsim::kUnpowered;
    }
    EXPECT_TRUE(some_output) << "no output reads unpowered";
    for (int led = 0; led < bench::kLedCount; ++led) EXPECT_FALSE(bench.led_shown(led)) << "LED " << led;
}

std::vector<lgsim::catalogue_entry> powered_models() {
    std::vector<lgsim::catalogue_entry> models;
    for (const lgsim::catalogue_entry& entry : lgsim::kCatalogue)
        if (entry.supply_pin != 0) models.push_back(entry);
    return models;
}

INSTANTIATE_TEST_SUITE_P(Catalogue, UnpoweredChip, ::testing::ValuesIn(powered_models()),
                         [](const ::testing::TestParamInfo<lgsim::catalogue_entry>& info) {
                             return std::string(info.param.model);
                         });

}  // namespace
