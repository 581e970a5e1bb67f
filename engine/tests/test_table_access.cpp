// The inline ways into the engine tables that the pass and the chip models use.
#include <gtest/gtest.h>

#include <limits>
#include <thread>

#include "engine_harness.h"
#include "engine_tables.h"

using namespace lgsim;
using lgsim::testing::circuit;

TEST(TableAccess, InlineLevelAgreesWithLogicLevelForEveryCode) {
    for (int code = std::numeric_limits<value_code>::min(); code <= std::numeric_limits<value_code>::max();
         ++code) {
        const auto c = static_cast<value_code>(code);
        ASSERT_EQ(level_of_code(c), logic_level(c)) << code;
    }
}

TEST(TableAccess, PinTableIndexOutsideFails) {
    PinArray a(61, 3);
    cell(a, 60, 2) = 9;
    EXPECT_EQ(a(60, 2), 9);
    EXPECT_THROW(cell(a, 61, 0), SubscriptError);
    EXPECT_THROW(cell(a, -1, 0), SubscriptError);
    EXPECT_THROW(cell(a, 0, 3), SubscriptError);
    EXPECT_THROW(cell(a, 0, -1), SubscriptError);
}

TEST(TableAccess, NodeOutsideZeroToMaxFails) {
    circuit c;
    c.add_chip("74LS00");
    c.sim();
    const int last = static_cast<int>(c.node.size()) - 1;
    EXPECT_NO_THROW(node_at(last));
    EXPECT_NO_THROW(node_in_at(0));
    EXPECT_THROW(node_at(last + 1), SubscriptError);
    EXPECT_THROW(node_at(-1), SubscriptError);
    EXPECT_THROW(node_in_at(last + 1), SubscriptError);
    EXPECT_THROW(node_in_at(-1), SubscriptError);
}

TEST(TableAccess, TablesAreTheThreadsOwn) {
    circuit c;
    c.add_chip("74LS00");
    c.add_chip("74LS04");
    c.sim();
    const engine_tables* here = &tables();
    const engine_tables* there = nullptr;
    int chips_there = -1;
    std::thread other([&] {
        there = &tables();
        chips_there = tables().chip_count;
    });
    other.join();
    EXPECT_NE(here, there);
    EXPECT_EQ(chips_there, 0) << "a thread that never called sim starts with empty tables";
    EXPECT_EQ(tables().chip_count, 2);
}
