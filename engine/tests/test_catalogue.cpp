#include <gtest/gtest.h>

#include <set>

#include "engine_harness.h"
#include "engine_tables.h"
#include "models.h"

using namespace lgsim;
using lgsim::testing::circuit;

TEST(Catalogue, EveryRowDispatchesAndIsConsistent) {
    std::set<std::string_view> names;
    for (const catalogue_entry& e : kCatalogue) {
        EXPECT_TRUE(names.insert(e.model).second) << e.model;
        EXPECT_NE(routine_of(e.model), nullptr) << e.model;
        EXPECT_TRUE(e.pin_count == 10 || e.pin_count == 14 || e.pin_count == 16 || e.pin_count == 20);
        EXPECT_TRUE(e.mount_kind == 1 || e.mount_kind == 2);
        if (e.chip_class != 4) {
            EXPECT_LE(e.ground_pin, e.pin_count);
            EXPECT_EQ(e.supply_pin, e.pin_count) << e.model;
        }
    }
}

TEST(Catalogue, PowerPinsAreInputs) {
    for (const catalogue_entry& e : kCatalogue) {
        if (e.chip_class == 4) continue;
        circuit c;
        const int chip = c.add_chip(std::string(e.model));
        c.sim();
        EXPECT_EQ(eval_pin(chip, e.ground_pin, 0), kNotOutput) << e.model;
        EXPECT_EQ(eval_pin(chip, e.supply_pin, 0), kNotOutput) << e.model;
    }
}

TEST(Catalogue, BuiltOnEveryCall) {
    circuit c;
    c.add_chip("74LS00");
    c.sim();
    const engine_tables& t = tables();
    EXPECT_EQ(t.model_last, 30);
    ASSERT_EQ(t.model_table.size(), 101u);
    EXPECT_EQ(t.model_table[30].name, "BS204");
    EXPECT_EQ(t.model_table[30].pin_count, 10);
    EXPECT_EQ(t.model_table[21].description, "四位十进制同步计数器(异步清除)");
    EXPECT_EQ(t.model_table[22].category, 0);
    EXPECT_TRUE(t.model_table[31].name.empty());
    EXPECT_EQ(t.max_pin_number, 60);
}

TEST(Dispatch, NamesAreTrimmedAndCaseFree) {
    circuit c;
    const int lower = c.add_chip("74ls00");
    const int spaced = c.add_chip("  74LS00   ");
    c.sim();
    EXPECT_EQ(tables().chip_info[lower].pin_count, 14);
    EXPECT_EQ(tables().chip_info[spaced].pin_count, 14);
    EXPECT_EQ(tables().chip_info[spaced].name, "74LS00");
    EXPECT_EQ(eval_pin(lower, 3, 0), kOutputPin);
    EXPECT_EQ(eval_pin(spaced, 1, 0), kNotOutput);
}

TEST(Dispatch, UnknownModelAnswersNoValueAndTakesNoPart) {
    circuit empty;
    empty.sim();  // drops the chip rows earlier calls on this thread left behind
    circuit c;
    const int chip = c.add_chip("74LS999");
    c.node[c.node_of(chip, 1)] = 4;
    c.sim();
    EXPECT_EQ(tables().chip_info[chip].pin_count, 0);
    EXPECT_EQ(eval_pin(chip, 1, 0), std::nullopt);
    EXPECT_EQ(eval_pin(chip, 5, 1), std::nullopt);
    EXPECT_EQ(c.at(chip, 1), 4) << "no pin of it is visited";
}

TEST(Dispatch, UnknownModelKeepsThePinCountItsRowHeld) {
    circuit c;
    const int chip = c.add_chip("74LS04");
    c.sim();
    c.models[chip] = "XYZ";
    c.sim();
    EXPECT_EQ(tables().chip_info[chip].pin_count, 14);
}

TEST(Dispatch, ChipOrPinBelowOneAnswersOne) {
    circuit c;
    c.add_chip("74LS00");
    c.sim();
    EXPECT_EQ(eval_pin(0, 3, 1), 1);
    EXPECT_EQ(eval_pin(1, 0, 0), 1);
}

TEST(Dispatch, DisplayAnswersSevenEverywhere) {
    circuit c;
    const int chip = c.add_chip("BS204");
    c.drive(chip, 3, kHigh);
    c.sim();
    EXPECT_EQ(eval_pin(chip, 1, 0), kNotOutput);
    EXPECT_EQ(eval_pin(chip, 1, 1), kNotOutput);
    EXPECT_EQ(c.at(chip, 3), kHigh);
    EXPECT_EQ(c.at(chip, 4), kFloating) << "an undriven display pin floats";
}
