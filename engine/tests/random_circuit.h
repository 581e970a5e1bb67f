// Random circuits and drive sequences for comparing two implementations of
// the pass: chips of every model, and a few unknown, lower-case or
// space-padded names; nodes shared at random, so that outputs meet outputs,
// inputs are left open, inputs sit on supply or ground and loops close; some
// chips without power; and from call to call the switches, clocks and pulse
// buttons change, now and then the caller's node values, and now and then the
// circuit itself.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "shuzhi.h"

namespace lgsim::testing {

// Everything shuzhi::sim takes, as a caller keeps it between calls.
struct sim_arguments {
    std::vector<std::string> models{""};
    PinArray pins{61, 1};
    std::vector<value_code> node_in;
    std::vector<value_code> node;
    PinArray chip_pin_state{61, 1};
    bool new_circuit = true;

    std::int16_t chip_number() const { return static_cast<std::int16_t>(models.size() - 1); }
    std::int16_t max_node_number() const { return static_cast<std::int16_t>(node.size() - 1); }
};

// One change the caller makes before a call.
struct edit {
    enum class what {
        drive,       // node_in and node of `node` become `code`, as the bench drives a terminal
        node_value,  // only the caller's node value of `node` becomes `code`
        rewire,      // pin `pin` of chip `chip` moves to `node`
        rename,      // chip `chip` becomes model `name`
        renew,       // new_circuit is set
    };
    what kind = what::drive;
    int node = 0;
    value_code code = 0;
    int chip = 0;
    int pin = 0;
    std::string name;

    static edit drive(int node, value_code code) { return {what::drive, node, code, 0, 0, {}}; }
    static edit node_value(int node, value_code code) { return {what::node_value, node, code, 0, 0, {}}; }
    static edit rewire(int chip, int pin, int node) { return {what::rewire, node, 0, chip, pin, {}}; }
    static edit rename(int chip, std::string name) { return {what::rename, 0, 0, chip, 0, std::move(name)}; }
    static edit renew() { return {what::renew, 0, 0, 0, 0, {}}; }
};

void apply_edits(const std::vector<edit>& edits, sim_arguments& a);

class random_circuit {
public:
    // A quiet circuit changes its inputs in only some calls: its clocks and
    // switches mostly stand still, as a bench's do between ticks.
    explicit random_circuit(std::uint32_t seed, bool quiet = false);

    const sim_arguments& start() const { return start_; }
    // What the caller changes before the next call.
    std::vector<edit> next_call();

private:
    std::string random_model();
    int random_node();
    void place_chip(const std::string& model);
    bool chance(int percent) { return static_cast<int>(rng_() % 100) < percent; }
    int below(int n) { return static_cast<int>(rng_() % static_cast<std::uint32_t>(n)); }

    std::mt19937 rng_;
    bool quiet_ = false;
    sim_arguments start_;
    int node_count_ = 0;  // nodes 0..node_count_ - 1 exist, in the start or through later edits
    int supply_ = 0;
    int ground_ = 0;
    std::vector<int> switches_;
    std::vector<int> clocks_;
    std::vector<int> pulses_;
    std::vector<int> shared_;
    std::vector<value_code> level_;  // the level each switch, clock and pulse node drives now
};

// The arguments as text: every chip with its pins' nodes, the driven nodes and
// the node values the caller holds.
std::string describe(const sim_arguments& a);

}  // namespace lgsim::testing
