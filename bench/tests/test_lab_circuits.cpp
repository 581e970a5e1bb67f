// Textbook lab circuits built on the board as a student builds them, each in
// every order of its chips: synchronous counters of J-K flip-flops, cascaded
// decade counters, chained shift registers, a bus of three-state drivers and
// chips with inputs tied to the supply and ground terminals. The order in
// which the chips were placed decides the order of the engine's pass; the
// results must not depend on it.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "bench_model.h"
#include "bench_test_support.h"
#include "catalogue.h"
#include "value_codes.h"

using namespace bench;

namespace {

// A chip of the circuit: its model and where it sits (upper pin row, column
// of its last pin).
struct part {
    std::string name;
    std::string model;
    int upper_row;
    int column;
};

class lab {
public:
    // Seats the parts in the given order and powers each from the terminals.
    lab(const std::vector<part>& parts, const std::vector<int>& order) {
        for (int k : order) {
            const part& p = parts[k];
            chips_[p.name] = bench::testing::place_chip(bench_, p.model, p.upper_row, p.column);
            const auto& entry = lgsim::kCatalogue[lgsim::catalogue_row_of(p.model)];
            terminal(kSupplyColumn, p.name, entry.supply_pin);
            terminal(kGroundColumn, p.name, entry.ground_pin);
        }
    }

    bench_model& bench() { return bench_; }
    int chip(const std::string& name) const { return chips_.at(name); }

    void wire(const std::string& a, int pin_a, const std::string& b, int pin_b) {
        const pin_place& from = place(a, pin_a);
        const pin_place& to = place(b, pin_b);
        bench::testing::connect(bench_, from.row, from.column, to.row, to.column);
    }
    // A wire from a terminal of row 36 (switch, clock, supply, ground) to a pin.
    void terminal(int column, const std::string& name, int pin) {
        const pin_place& to = place(name, pin);
        bench::testing::connect(bench_, kTerminalRow, column, to.row, to.column);
    }
    void led(int k, const std::string& name, int pin) {
        const pin_place& from = place(name, pin);
        bench::testing::connect(bench_, from.row, from.column, kLedRow, k);
    }

    lgsim::value_code at(const std::string& name, int pin) const {
        return bench_.pin_reading(pin, chip(name));
    }
    // The number shown by outputs of exactly 1, first pin of weight 1.
    int number(const std::string& name, const std::vector<int>& pins) const {
        int n = 0;
        for (std::size_t k = 0; k < pins.size(); ++k)
            if (at(name, pins[k]) == lgsim::kHigh) n += 1 << k;
        return n;
    }
    void set_switch(int k, int state) {
        if (bench_.switch_state(k) != state) bench_.press_switch(k);
    }
    // One period of the clock terminal: the rising edge comes at the second tick.
    void clock_period() {
        bench_.clock_tick();
        bench_.clock_tick();
    }

private:
    const pin_place& place(const std::string& name, int pin) const {
        return bench_.chip_at(chip(name)).places[pin];
    }

    bench_model bench_;
    std::map<std::string, int> chips_;
};

// Every order of placing n chips.
std::vector<std::vector<int>> all_orders(int n) {
    std::vector<int> order(n);
    for (int k = 0; k < n; ++k) order[k] = k;
    std::vector<std::vector<int>> orders;
    do orders.push_back(order);
    while (std::next_permutation(order.begin(), order.end()));
    return orders;
}

std::string describe(const std::vector<part>& parts, const std::vector<int>& order) {
    std::string text = "placed:";
    for (int k : order) text += " " + parts[k].name;
    return text;
}

// ---------------------------------------------------------------- J-K counters

// 74LS112 pins: flip-flop 1 CLK 1, K 2, J 3, /PRE 4, Q 5, /CLR 15; flip-flop
// 2 CLK 13, K 12, J 11, /PRE 10, Q 9, /CLR 14. CD4027: flip-flop 1 CLK 13,
// J 10, K 11, SET 9, RESET 12, Q 15; flip-flop 2 CLK 3, J 6, K 5, SET 7,
// RESET 4, Q 1.
struct jk_stage {
    std::string chip;
    int clock, j, k, q;
    std::vector<int> to_ground;  // SET and RESET of the CMOS part; the TTL part leaves them open
};

const jk_stage kTtl1{"", 1, 3, 2, 5, {}};
const jk_stage kTtl2{"", 13, 11, 12, 9, {}};
const jk_stage kCmos1{"", 13, 10, 11, 15, {9, 12}};
const jk_stage kCmos2{"", 3, 6, 5, 1, {7, 4}};

jk_stage on(jk_stage stage, const std::string& chip) {
    stage.chip = chip;
    return stage;
}

// A synchronous binary counter: every stage on the clock terminal, stage 0
// with J = K = 1 (supply), stage n with J = K = Q0 AND ... AND Qn-1 (the AND
// of more than one output through a 74LS08).
void wire_counter(lab& l, const std::vector<jk_stage>& stages) {
    for (const jk_stage& s : stages) {
        l.terminal(kClockColumn, s.chip, s.clock);
        for (int pin : s.to_ground) l.terminal(kGroundColumn, s.chip, pin);
    }
    l.terminal(kSupplyColumn, stages[0].chip, stages[0].j);
    l.terminal(kSupplyColumn, stages[0].chip, stages[0].k);
    l.wire(stages[0].chip, stages[0].q, stages[1].chip, stages[1].j);
    l.wire(stages[0].chip, stages[0].q, stages[1].chip, stages[1].k);
    if (stages.size() == 3) {
        l.wire(stages[0].chip, stages[0].q, "and", 1);
        l.wire(stages[1].chip, stages[1].q, "and", 2);
        l.wire("and", 3, stages[2].chip, stages[2].j);
        l.wire("and", 3, stages[2].chip, stages[2].k);
    }
}

int count_of(const lab& l, const std::vector<jk_stage>& stages) {
    int n = 0;
    for (std::size_t k = 0; k < stages.size(); ++k)
        if (l.at(stages[k].chip, stages[k].q) == lgsim::kHigh) n += 1 << k;
    return n;
}

// Counts up from wherever it starts: each edge adds one, modulo 2^stages.
void expect_counts_up(lab& l, const std::vector<jk_stage>& stages, const std::string& where) {
    const int modulus = 1 << stages.size();
    int expected = count_of(l, stages);
    for (int edge = 1; edge <= 2 * modulus + 1; ++edge) {
        l.clock_period();
        expected = (expected + 1) % modulus;
        ASSERT_EQ(count_of(l, stages), expected) << where << ", edge " << edge;
    }
}

struct jk_family {
    std::string model;
    jk_stage first, second;
};

void PrintTo(const jk_family& f, std::ostream* os) { *os << f.model; }

class JkCounter : public ::testing::TestWithParam<jk_family> {};

// One package: flip-flop 1 as the low bit, then flip-flop 2 as the low bit,
// so the pass meets the low stage before and after the stage it enables.
TEST_P(JkCounter, TwoBitsCountUpWhicheverStageIsFirstInThePass) {
    const jk_family& f = GetParam();
    const std::vector<part> parts{{"ff", f.model, 14, 10}};
    for (bool low_first : {true, false}) {
        lab l(parts, {0});
        const std::vector<jk_stage> stages =
            low_first ? std::vector{on(f.first, "ff"), on(f.second, "ff")}
                      : std::vector{on(f.second, "ff"), on(f.first, "ff")};
        wire_counter(l, stages);
        l.bench().press_power();
        expect_counts_up(l, stages, low_first ? "low bit on flip-flop 1" : "low bit on flip-flop 2");
    }
}

TEST_P(JkCounter, ThreeBitsCountUpInEveryChipOrder) {
    const jk_family& f = GetParam();
    const std::vector<part> parts{
        {"ff1", f.model, 14, 4}, {"ff2", f.model, 14, 24}, {"and", "74LS08", 24, 10}};
    for (const std::vector<int>& order : all_orders(3)) {
        lab l(parts, order);
        const std::vector<jk_stage> stages{on(f.first, "ff1"), on(f.second, "ff1"), on(f.first, "ff2")};
        wire_counter(l, stages);
        l.bench().press_power();
        expect_counts_up(l, stages, describe(parts, order));
    }
}

INSTANTIATE_TEST_SUITE_P(Families, JkCounter,
                         ::testing::Values(jk_family{"74LS112", kTtl1, kTtl2},
                                           jk_family{"CD4027", kCmos1, kCmos2}),
                         [](const auto& info) { return info.param.model == "74LS112" ? "ttl" : "cmos"; });

// ---------------------------------------------------------------- 74LS160

// 74LS160: CLK 2, /CLR 1, A-D 3-6, ENP 7, /LOAD 9, ENT 10, QA-QD 14-11, RCO 15.
const std::vector<int> k160Count{14, 13, 12, 11};

// Counters cascaded as the data sheet shows: all on one clock, the RCO of
// each into ENT and ENP of the next; the first one's enables, /LOAD and /CLR
// left open.
void wire_decade_cascade(lab& l, const std::vector<part>& parts) {
    for (const part& p : parts) l.terminal(kClockColumn, p.name, 2);
    for (std::size_t k = 1; k < parts.size(); ++k) {
        l.wire(parts[k - 1].name, 15, parts[k].name, 10);
        l.wire(parts[k - 1].name, 15, parts[k].name, 7);
    }
    l.bench().press_power();
}

int decimal(const lab& l, const std::vector<part>& parts) {
    int n = 0;
    for (auto it = parts.rbegin(); it != parts.rend(); ++it) n = 10 * n + l.number(it->name, k160Count);
    return n;
}

TEST(Ls160Cascade, TwoCountersCountZeroToNinetyNineInEitherOrder) {
    const std::vector<part> parts{{"units", "74LS160", 14, 4}, {"tens", "74LS160", 14, 24}};
    for (const std::vector<int>& order : all_orders(2)) {
        lab l(parts, order);
        wire_decade_cascade(l, parts);
        ASSERT_EQ(decimal(l, parts), 0) << describe(parts, order);
        for (int edge = 1; edge <= 120; ++edge) {
            l.clock_period();
            ASSERT_EQ(decimal(l, parts), edge % 100) << describe(parts, order) << ", edge " << edge;
        }
    }
}

// The third counter may step only when both lower ones stand at 9: the
// second's RCO follows its ENT, so it does not carry while it waits at 9.
TEST(Ls160Cascade, ThreeCountersCarryOnlyAtNineHundredNinetyNine) {
    const std::vector<part> parts{
        {"units", "74LS160", 4, 10}, {"tens", "74LS160", 14, 10}, {"hundreds", "74LS160", 24, 10}};
    for (const std::vector<int>& order : all_orders(3)) {
        lab l(parts, order);
        wire_decade_cascade(l, parts);
        for (int edge = 1; edge <= 1005; ++edge) {
            l.clock_period();
            if (edge % 10 == 0 || edge % 100 >= 89 || edge > 995) {
                ASSERT_EQ(decimal(l, parts), edge % 1000) << describe(parts, order) << ", edge " << edge;
            }
        }
    }
}

// ---------------------------------------------------------------- 74LS194

// 74LS194: /CLR 1, SR 2, A-D 3-6, SL 7, S0 9, S1 10, CLK 11, QD-QA 12-15.
const std::vector<int> k194Q{15, 14, 13, 12};  // QA first

// Two registers made one of eight bits: QD of each into SR of the other (a
// ring), S1 from switch 0, S0 from switch 1, /CLR tied to the supply; the
// first register loads 1000, the second 0000.
TEST(Ls194Chain, EightBitRingShiftsOnePlacePerEdgeInEitherOrder) {
    const std::vector<part> parts{{"low", "74LS194", 14, 4}, {"high", "74LS194", 14, 24}};
    for (const std::vector<int>& order : all_orders(2)) {
        lab l(parts, order);
        for (const part& p : parts) {
            l.terminal(kClockColumn, p.name, 11);
            l.terminal(0, p.name, 10);
            l.terminal(1, p.name, 9);
            l.terminal(kSupplyColumn, p.name, 1);
            for (int pin : {3, 4, 5, 6}) l.terminal(p.name == "low" && pin == 3 ? kSupplyColumn : kGroundColumn, p.name, pin);
        }
        l.wire("low", 12, "high", 2);
        l.wire("high", 12, "low", 2);
        l.bench().press_power();
        l.set_switch(0, 1);
        l.set_switch(1, 1);
        l.clock_period();
        const auto ring = [&] { return l.number("low", k194Q) | l.number("high", k194Q) << 4; };
        ASSERT_EQ(ring(), 1) << describe(parts, order) << ": loaded";
        l.set_switch(0, 0);  // shift right: QA towards QD, QD of low into SR of high
        for (int edge = 1; edge <= 17; ++edge) {
            l.clock_period();
            ASSERT_EQ(ring(), 1 << edge % 8) << describe(parts, order) << ", edge " << edge;
        }
    }
}

// Mode inputs tied to the supply and ground terminals select their mode.
TEST(Ls194Tied, ModePinsOnTheTerminalsShiftRight) {
    lab l({{"reg", "74LS194", 14, 10}}, {0});
    l.terminal(kClockColumn, "reg", 11);
    l.terminal(kSupplyColumn, "reg", 9);   // S0
    l.terminal(kGroundColumn, "reg", 10);  // S1
    l.terminal(kSupplyColumn, "reg", 2);   // SR
    l.bench().press_power();
    for (int edge = 1; edge <= 4; ++edge) {
        l.clock_period();
        EXPECT_EQ(l.number("reg", k194Q), (1 << edge) - 1) << "edge " << edge;
    }
}

// ---------------------------------------------------------------- 74LS125 bus

// Buffer 1 of each 74LS125: enable 1, data 2, output 3. Both outputs on one
// line, which an LED shows and a 74LS04 inverts onto another LED.
TEST(BusOfBuffers, TheEnabledDriverOwnsTheLineInEveryChipOrder) {
    const std::vector<part> parts{
        {"a", "74LS125", 14, 4}, {"b", "74LS125", 14, 24}, {"reader", "74LS04", 24, 10}};
    struct row {
        int data_a, enable_a, data_b, enable_b;
        lgsim::value_code line;
    };
    const std::vector<row> rows{
        {1, 0, 0, 1, lgsim::kHigh}, {0, 0, 1, 1, lgsim::kLow},   // a drives
        {0, 1, 1, 0, lgsim::kHigh}, {1, 1, 0, 0, lgsim::kLow},   // b drives
        {1, 0, 1, 0, lgsim::kHigh},                              // both, agreeing
        {1, 0, 0, 0, lgsim::kOutputConflict},                    // both, disagreeing
        {1, 1, 1, 1, lgsim::kFloating},                          // neither
    };
    for (const std::vector<int>& order : all_orders(3)) {
        lab l(parts, order);
        l.terminal(0, "a", 2);
        l.terminal(1, "a", 1);
        l.terminal(2, "b", 2);
        l.terminal(3, "b", 1);
        l.wire("a", 3, "b", 3);
        l.wire("a", 3, "reader", 1);
        l.led(0, "a", 3);
        l.led(1, "reader", 2);
        l.bench().press_power();
        for (const row& r : rows) {
            l.set_switch(0, r.data_a);
            l.set_switch(1, r.enable_a);
            l.set_switch(2, r.data_b);
            l.set_switch(3, r.enable_b);
            const std::string where = describe(parts, order) + ", switches " + std::to_string(r.data_a) +
                                      std::to_string(r.enable_a) + std::to_string(r.data_b) +
                                      std::to_string(r.enable_b);
            EXPECT_EQ(l.at("reader", 1), r.line) << where;
            if (r.line == lgsim::kHigh || r.line == lgsim::kLow) {
                EXPECT_EQ(l.bench().led_shown(0), r.line == lgsim::kHigh) << where;
                EXPECT_EQ(l.bench().led_shown(1), r.line == lgsim::kLow) << where;
            }
        }
    }
}

// ---------------------------------------------------------------- tied inputs

TEST(TiedInputs, Cd4518WithEnableOnTheSupplyCounts) {
    lab l({{"bcd", "CD4518", 14, 10}}, {0});
    l.terminal(kClockColumn, "bcd", 1);
    l.terminal(kSupplyColumn, "bcd", 2);  // ENABLE A
    l.terminal(kGroundColumn, "bcd", 7);  // RESET A
    l.bench().press_power();
    for (int edge = 1; edge <= 12; ++edge) {
        l.clock_period();
        EXPECT_EQ(l.number("bcd", {3, 4, 5, 6}), edge % 10) << "edge " << edge;
    }
}

TEST(TiedInputs, Ls160ClearOnTheGroundTerminalClears) {
    lab l({{"counter", "74LS160", 14, 10}}, {0});
    l.terminal(kClockColumn, "counter", 2);
    l.terminal(0, "counter", 1);  // /CLR from switch 0, up
    l.bench().press_power();
    l.set_switch(0, 1);
    for (int edge = 0; edge < 4; ++edge) l.clock_period();
    ASSERT_EQ(l.number("counter", k160Count), 4);
    // Rewired: /CLR onto the ground terminal instead of the switch.
    l.bench().remove_wire(l.bench().wire_count());
    l.terminal(kGroundColumn, "counter", 1);
    l.bench().settle_board();
    EXPECT_EQ(l.number("counter", k160Count), 0);
}

// A load from data inputs on the supply terminal loads 1s, and the count goes
// on from the value loaded.
TEST(TiedInputs, Ls160LoadFromTheSupplyCountsOn) {
    lab l({{"counter", "74LS160", 14, 10}}, {0});
    l.terminal(kClockColumn, "counter", 2);
    l.terminal(0, "counter", 9);  // /LOAD from switch 0, down: load
    for (int pin : {3, 6}) l.terminal(kSupplyColumn, "counter", pin);  // A and D: 9
    for (int pin : {4, 5}) l.terminal(kGroundColumn, "counter", pin);
    l.bench().press_power();
    l.clock_period();
    ASSERT_EQ(l.number("counter", k160Count), 9);
    EXPECT_EQ(l.at("counter", 15), lgsim::kHigh) << "RCO at a loaded 9";
    l.set_switch(0, 1);
    l.clock_period();
    EXPECT_EQ(l.number("counter", k160Count), 0);
    l.clock_period();
    EXPECT_EQ(l.number("counter", k160Count), 1);
}

// ---------------------------------------------------------------- indicators

// Flip-flop 1 of a 74LS74 divides the clock by two and clocks flip-flop 2.
// In the tick in which Q1 rises, flip-flop 2 takes the edge and marks Q1's
// node with 3; the LED on Q1 is lit in that tick.
TEST(Indicators, AnLedOnAFlipFlopOutputThatClocksAnotherFollowsIt) {
    lab l({{"ff", "74LS74", 14, 10}}, {0});
    l.terminal(kClockColumn, "ff", 3);
    l.wire("ff", 6, "ff", 2);   // /Q1 to D1
    l.wire("ff", 5, "ff", 11);  // Q1 to CLK2
    l.wire("ff", 8, "ff", 12);  // /Q2 to D2
    l.led(0, "ff", 5);
    l.bench().press_power();
    int rises_seen = 0;
    for (int tick = 1; tick <= 16; ++tick) {
        l.bench().clock_tick();
        const lgsim::value_code q1 = l.at("ff", 5);
        if (q1 == lgsim::kRisingEdge) ++rises_seen;
        EXPECT_EQ(l.bench().led_shown(0), lgsim::logic_level(q1) == 1) << "tick " << tick << ", Q1 " << q1;
    }
    EXPECT_EQ(rises_seen, 4) << "Q1 rises once every four ticks";
}

}  // namespace
