// The library's pass against the literal one (literal_engine.h) on random
// circuits: after every call, every node value, every pin-state element, the
// pin-to-node table, new_circuit and the whole engine tables must be alike.
// A failure names the seed and the call and shows the arguments of that call.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <sstream>

#include "literal_engine.h"
#include "random_circuit.h"
#include "table_snapshot.h"

using namespace lgsim;
using namespace lgsim::testing;

namespace {

struct outcome {
    bool failed = false;  // with SubscriptError
    std::int16_t result = 0;
    table_snapshot tables;
};

// The literal pass keeps tables of its own.
enum class which_tables { library, literal };

outcome run_caught(const std::function<std::int16_t()>& call, which_tables which) {
    outcome o;
    try {
        o.result = call();
    } catch (const SubscriptError&) {
        o.failed = true;
    }
    o.tables = which == which_tables::library ? snapshot_tables() : snapshot_of(literal_tables());
    return o;
}

outcome fast_call(sim_arguments& a, std::int16_t chips, std::int16_t max_node) {
    return run_caught(
        [&] {
            shuzhi engine;
            return engine.sim(chips, max_node, a.models, a.pins, a.node_in, a.node, a.chip_pin_state,
                              a.new_circuit);
        },
        which_tables::library);
}

outcome literal_call(sim_arguments& a, std::int16_t chips, std::int16_t max_node) {
    return run_caught(
        [&] {
            return literal_sim(chips, max_node, a.models, a.pins, a.node_in, a.node, a.chip_pin_state,
                               a.new_circuit);
        },
        which_tables::literal);
}

std::string outcome_difference(const outcome& f, const outcome& l) {
    if (f.failed != l.failed)
        return std::string("the library's pass ") + (f.failed ? "failed" : "did not fail") +
               " where the literal one " + (l.failed ? "failed" : "did not");
    if (f.result != l.result) return "results differ";
    return first_difference(f.tables, l.tables);
}

// VcalIcAll on its own, over the tables as the last call left them. Both
// tables are put back as they were, and the library passes everything at its
// next call.
std::string standalone_pass_difference() {
    complete_tables();
    const engine_tables saved = tables();
    const engine_tables saved_literal = literal_tables();
    const outcome f = run_caught(
        [] {
            shuzhi().VcalIcAll();
            return std::int16_t{0};
        },
        which_tables::library);
    literal_tables() = saved;
    const outcome l = run_caught(
        [] {
            literal_pass();
            return std::int16_t{0};
        },
        which_tables::literal);
    tables() = saved;
    leave_pass_memory();
    literal_tables() = saved_literal;
    const std::string d = outcome_difference(f, l);
    return d.empty() ? d : "VcalIcAll alone: " + d;
}

// Fixes for one test whether calls use the pass memory and the call memory.
struct scoped_ways {
    scoped_ways(pass_way way, bool call_memory) {
        set_pass_way(way);
        set_call_memory(call_memory);
    }
    ~scoped_ways() {
        set_pass_way(pass_way::by_cost);
        set_call_memory(true);
    }
    scoped_ways(const scoped_ways&) = delete;
    scoped_ways& operator=(const scoped_ways&) = delete;
};

std::string report(std::uint32_t seed, int call, const std::string& difference,
                   const sim_arguments& before) {
    std::ostringstream out;
    out << "seed " << seed << ", call " << call << ": " << difference
        << "\narguments of that call:\n"
        << describe(before);
    return out.str();
}

// Empty when the two passes agree on every call. `standalone_every`: how
// often VcalIcAll alone is compared too, which makes the next call pass
// everything again.
std::string compare_on_circuit(std::uint32_t seed, int calls, bool quiet = false, int standalone_every = 7) {
    random_circuit circuit(seed, quiet);
    sim_arguments fast = circuit.start();
    sim_arguments literal = circuit.start();
    for (int call = 1; call <= calls; ++call) {
        const sim_arguments before = fast;
        const outcome f = fast_call(fast, fast.chip_number(), fast.max_node_number());
        const outcome l = literal_call(literal, literal.chip_number(), literal.max_node_number());
        std::string d = outcome_difference(f, l);
        if (d.empty()) d = first_difference(fast, literal);
        if (d.empty() && call % standalone_every == 0) d = standalone_pass_difference();
        if (!d.empty()) return report(seed, call, d, before);
        const std::vector<edit> edits = circuit.next_call();
        apply_edits(edits, fast);
        apply_edits(edits, literal);
    }
    return {};
}

// Ways a caller's arguments can be out of bounds; each must fail both passes
// at the same element, with the same arrays already rewritten.
enum class breakage { node_too_high, node_negative, short_node_in, short_node, short_models,
                      few_state_chips, few_pin_chips, few_state_pins, few_node_pins, count };

void break_arguments(breakage b, sim_arguments& a, int chip) {
    const int chips = a.chip_number();
    switch (b) {
    case breakage::node_too_high: a.pins(1 + chip % 14, chip) = static_cast<value_code>(a.node.size() + chip); break;
    case breakage::node_negative: a.pins(60, chip) = -3; break;
    case breakage::short_node_in: a.node_in.pop_back(); break;
    case breakage::short_node: a.node.pop_back(); break;
    case breakage::short_models: a.models.resize(chip); break;
    case breakage::few_state_chips: a.chip_pin_state.resize(61, chip); break;
    case breakage::few_pin_chips: a.pins.resize(61, chip); break;
    case breakage::few_state_pins: a.chip_pin_state.resize(30 + chip % 20, chips + 1); break;
    case breakage::few_node_pins: a.pins.resize(40 + chip % 20, chips + 1); break;
    case breakage::count: break;
    }
}

std::string compare_on_broken_call(std::uint32_t seed) {
    random_circuit circuit(seed);
    sim_arguments fast = circuit.start();
    sim_arguments literal = circuit.start();
    const std::int16_t chips = fast.chip_number();
    const std::int16_t max_node = fast.max_node_number();
    for (int call = 1; call <= 6; ++call) {
        const bool broken = call == 3 || call == 5;
        const sim_arguments whole = fast;
        if (broken) {
            const auto b = static_cast<breakage>((seed + call) % static_cast<unsigned>(breakage::count));
            const int chip = 1 + static_cast<int>(seed % static_cast<unsigned>(chips));
            break_arguments(b, fast, chip);
            break_arguments(b, literal, chip);
        }
        const sim_arguments before = fast;
        const outcome f = fast_call(fast, chips, max_node);
        const outcome l = literal_call(literal, chips, max_node);
        std::string d = outcome_difference(f, l);
        if (d.empty()) d = first_difference(fast, literal);
        if (d.empty()) d = standalone_pass_difference();
        if (!d.empty()) return report(seed, call, d, before);
        if (broken) {
            // The caller mends its arrays; the next call starts from the
            // tables the failed one left half rewritten.
            fast = whole;
            literal = whole;
        }
        const std::vector<edit> edits = circuit.next_call();
        apply_edits(edits, fast);
        apply_edits(edits, literal);
    }
    return {};
}

void expect_agreement_on_seeds(std::uint32_t first, std::uint32_t count, int calls) {
    for (std::uint32_t seed = first; seed < first + count; ++seed) {
        const std::string failure = compare_on_circuit(seed, calls);
        ASSERT_TRUE(failure.empty()) << failure;
    }
}

}  // namespace

// Long runs let counters wrap, registers fill and loops go round.
TEST(Differential, RandomCircuitsAgreeOverLongRuns) { expect_agreement_on_seeds(1, 600, 48); }

TEST(Differential, ManyMoreRandomCircuitsAgree) { expect_agreement_on_seeds(100001, 1800, 12); }

// Circuits whose inputs change in only some calls: most calls pass only the
// chips the changes reach, and must still come out as the whole pass does.
TEST(Differential, QuietCircuitsAgreeWhenOnlyWhatChangedIsPassed) {
    // The pass memory alone: whole calls answered would leave it little to do.
    const scoped_ways ways(pass_way::memory, false);
    const pass_statistics before = statistics();
    for (std::uint32_t seed = 500001; seed < 500001 + 700; ++seed) {
        const std::string failure = compare_on_circuit(seed, 40, true, 1000);
        ASSERT_TRUE(failure.empty()) << failure;
    }
    const pass_statistics after = statistics();
    EXPECT_GT(after.continued_calls - before.continued_calls, (after.full_calls - before.full_calls) * 3)
        << "most calls continue the one before";
    // Random circuits oscillate and share nodes far more than a student's do,
    // so many chips run again; still a good part of them must be replayed.
    const long long replayed = after.units_replayed - before.units_replayed;
    const long long run = after.units_run - before.units_run;
    EXPECT_GT(replayed * 3, run) << replayed << " chips replayed, " << run << " passed";
    EXPECT_GT((after.units_reused - before.units_reused) * 20, run)
        << "chips going round their states take earlier runs";
}

namespace {

// Calls answered from the call memory leave the tables behind until
// something reads them: here the arguments are compared after every call and
// the tables only now and then, so that calls also run right after answered
// ones without the tables having been read in between.
// `meddle`, when given, changes both callers' arguments before a call, as
// no bench edit does.
using meddling = std::function<void(int call, sim_arguments&)>;

std::string compare_results_on_circuit(std::uint32_t seed, int calls, int tables_every, const meddling& meddle = {}) {
    random_circuit circuit(seed, true);
    sim_arguments fast = circuit.start();
    sim_arguments literal = circuit.start();
    const auto caught = [](const std::function<std::int16_t()>& call) {
        try {
            return std::optional<std::int16_t>(call());
        } catch (const SubscriptError&) {
            return std::optional<std::int16_t>();
        }
    };
    for (int call = 1; call <= calls; ++call) {
        if (meddle) {
            meddle(call, fast);
            meddle(call, literal);
        }
        const sim_arguments before = fast;
        const std::optional<std::int16_t> f = caught([&] {
            shuzhi engine;
            return engine.sim(fast.chip_number(), fast.max_node_number(), fast.models, fast.pins, fast.node_in,
                              fast.node, fast.chip_pin_state, fast.new_circuit);
        });
        const std::optional<std::int16_t> l = caught([&] {
            return literal_sim(literal.chip_number(), literal.max_node_number(), literal.models, literal.pins,
                               literal.node_in, literal.node, literal.chip_pin_state, literal.new_circuit);
        });
        std::string d = f != l ? "one pass failed where the other did not" : first_difference(fast, literal);
        if (d.empty() && call % tables_every == 0)
            d = first_difference(snapshot_tables(), snapshot_of(literal_tables()));
        if (!d.empty()) return report(seed, call, d, before);
        const std::vector<edit> edits = circuit.next_call();
        apply_edits(edits, fast);
        apply_edits(edits, literal);
    }
    return {};
}

}  // namespace

// Circuits going round the same states: calls are answered whole from the
// calls remembered, and give what the whole pass gives, also in the tables.
TEST(Differential, CallsAnsweredFromMemoryAgree) {
    const scoped_ways ways(pass_way::memory, true);
    const pass_statistics before = statistics();
    long long calls = 0;
    for (std::uint32_t seed = 700001; seed < 700001 + 300; ++seed) {
        const int every = 1 + static_cast<int>(seed % 13);
        const std::string failure = compare_results_on_circuit(seed, 120, every);
        calls += 120;
        ASSERT_TRUE(failure.empty()) << failure;
    }
    const pass_statistics after = statistics();
    EXPECT_GT((after.calls_answered - before.calls_answered) * 10, calls)
        << after.calls_answered - before.calls_answered << " of " << calls << " calls answered";
}

// A caller that writes the chips' pin-state memory itself (a flip-flop
// forgetting its state) starts a call from a state never met: the call runs.
TEST(Differential, PinStatesWrittenByTheCallerAreNotAnsweredFromMemory) {
    const scoped_ways ways(pass_way::memory, true);
    const pass_statistics before = statistics();
    for (std::uint32_t seed = 800001; seed < 800001 + 80; ++seed) {
        const auto forget_a_state = [seed](int call, sim_arguments& a) {
            if (call < 60 || call % 9 != 0) return;
            const int chip = 1 + static_cast<int>((seed + static_cast<unsigned>(call)) % static_cast<unsigned>(a.chip_number()));
            const int pin = 1 + call % 16;
            a.chip_pin_state(pin, chip) = a.chip_pin_state(pin, chip) == kNoDrive ? kLow : kNoDrive;
        };
        const std::string failure = compare_results_on_circuit(seed, 150, 5, forget_a_state);
        ASSERT_TRUE(failure.empty()) << failure;
    }
    EXPECT_GT(statistics().calls_answered, before.calls_answered);
}

TEST(Differential, OutOfBoundsArgumentsFailAlike) {
    for (std::uint32_t seed = 1; seed <= 400; ++seed) {
        const std::string failure = compare_on_broken_call(seed);
        ASSERT_TRUE(failure.empty()) << failure;
    }
}
