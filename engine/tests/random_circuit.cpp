#include "random_circuit.h"

#include <array>
#include <sstream>
#include <string_view>

#include "catalogue.h"
#include "value_codes.h"

namespace lgsim::testing {

namespace {

constexpr std::array<std::string_view, 6> kUnknownNames{"74LS999", "XYZ", "", "   ", "74LS00X", "BS2O4"};

// Codes a caller may hold as a node value or a pin state, or drive oddly.
constexpr std::array<value_code, 12> kAnyCode{-1, 0, 1, 2, 3, 4, 5, 6, 7, 11, 20, 21};

// The pins the circuit wires for a model: its catalogue count, or as many as
// the largest chip for a name the catalogue does not know.
int wired_pins(const std::string& model) {
    const int row = catalogue_row_of(model);
    return row >= 0 ? kCatalogue[row].pin_count : 20;
}

void ensure_node(sim_arguments& a, int node) {
    while (static_cast<int>(a.node.size()) <= node) {
        a.node_in.push_back(kNoDrive);
        a.node.push_back(kNoDrive);
    }
}

}  // namespace

void apply_edits(const std::vector<edit>& edits, sim_arguments& a) {
    for (const edit& e : edits) {
        switch (e.kind) {
        case edit::what::drive:
            ensure_node(a, e.node);
            a.node_in[e.node] = e.code;
            a.node[e.node] = e.code;
            break;
        case edit::what::node_value:
            ensure_node(a, e.node);
            a.node[e.node] = e.code;
            break;
        case edit::what::rewire:
            ensure_node(a, e.node);
            a.pins(e.pin, e.chip) = static_cast<value_code>(e.node);
            break;
        case edit::what::rename: a.models[e.chip] = e.name; break;
        case edit::what::renew: a.new_circuit = true; break;
        }
    }
}

random_circuit::random_circuit(std::uint32_t seed, bool quiet) : rng_(seed), quiet_(quiet) {
    ensure_node(start_, node_count_++);  // node 0
    auto driven_node = [this](value_code code) {
        const int n = node_count_++;
        apply_edits({edit::drive(n, code)}, start_);
        level_.resize(n + 1, kNoDrive);
        level_[n] = code;
        return n;
    };
    supply_ = driven_node(kSupply);
    ground_ = driven_node(kGround);
    for (int k = 1 + below(3); k > 0; --k) switches_.push_back(driven_node(static_cast<value_code>(below(2))));
    for (int k = below(3); k > 0; --k) clocks_.push_back(driven_node(static_cast<value_code>(below(2))));
    for (int k = below(3); k > 0; --k) pulses_.push_back(driven_node(kLow));

    const int chips = chance(15) ? 9 + below(6) : 1 + below(8);
    for (int k = 2 + below(3 * chips); k > 0; --k) {
        shared_.push_back(node_count_++);
        ensure_node(start_, shared_.back());
        if (chance(20)) start_.node.back() = kAnyCode[below(kAnyCode.size())];
    }

    start_.new_circuit = !chance(20);
    for (int k = 0; k < chips; ++k) place_chip(random_model());
}

std::string random_circuit::random_model() {
    if (chance(5)) return std::string(kUnknownNames[below(kUnknownNames.size())]);
    std::string name(kCatalogue[below(kCatalogue.size())].model);
    if (chance(10))
        for (char& c : name) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    if (chance(10)) name = std::string(below(3), ' ') + name + std::string(below(4), ' ');
    return name;
}

int random_circuit::random_node() {
    const int r = below(100);
    if (r < 25) return node_count_++;  // a node of its own
    if (r < 38) {
        const std::array<const std::vector<int>*, 3> groups{&switches_, &clocks_, &pulses_};
        const std::vector<int>& group = *groups[below(3)];
        if (group.empty()) return below(2) ? supply_ : ground_;
        return group[below(group.size())];
    }
    if (r < 41) return below(2) ? supply_ : ground_;
    if (r < 43) return 0;
    return shared_[below(shared_.size())];
}

void random_circuit::place_chip(const std::string& model) {
    start_.models.push_back(model);
    const int chip = static_cast<int>(start_.models.size()) - 1;
    start_.pins.resize(61, chip + 1);
    start_.chip_pin_state.resize(61, chip + 1);
    for (int p = 0; p <= kMaxPinNumber; ++p)
        if (chance(10)) start_.chip_pin_state(p, chip) = kAnyCode[below(kAnyCode.size())];

    const int row = catalogue_row_of(model);
    const bool powered = row >= 0 && chance(85);
    for (int p = 1; p <= wired_pins(model); ++p) {
        int n = random_node();
        if (powered && p == kCatalogue[row].ground_pin) n = ground_;
        if (powered && p == kCatalogue[row].supply_pin) n = supply_;
        ensure_node(start_, n);
        start_.pins(p, chip) = static_cast<value_code>(n);
    }
    // Pins the pass never visits still travel through the tables.
    if (chance(5)) start_.pins(40, chip) = static_cast<value_code>(random_node());
    ensure_node(start_, start_.pins(40, chip));
}

std::vector<edit> random_circuit::next_call() {
    std::vector<edit> edits;
    auto drive = [&](int node, value_code code) {
        if (node >= static_cast<int>(level_.size())) level_.resize(node + 1, kNoDrive);
        level_[node] = code;
        edits.push_back(edit::drive(node, code));
    };
    for (int clock : clocks_)
        if (!quiet_ || chance(30)) drive(clock, level_[clock] == kLow ? kHigh : kLow);
    for (int sw : switches_)
        if (chance(quiet_ ? 4 : 15)) drive(sw, level_[sw] == kLow ? kHigh : kLow);
    // A pulse button drives its edge code for the call of the press or the release only.
    for (int pulse : pulses_) {
        switch (level_[pulse]) {
        case kRisingEdge: drive(pulse, kHigh); break;
        case kFallingEdge: drive(pulse, kLow); break;
        case kHigh:
            if (chance(30)) drive(pulse, kFallingEdge);
            break;
        default:
            if (chance(20)) drive(pulse, kRisingEdge);
            break;
        }
    }
    if (chance(quiet_ ? 2 : 5)) drive(shared_[below(shared_.size())], kAnyCode[below(kAnyCode.size())]);
    if (chance(quiet_ ? 3 : 10)) {
        const int n = below(node_count_);
        edits.push_back(edit::node_value(n, kAnyCode[below(kAnyCode.size())]));
    }

    const int chips = static_cast<int>(start_.models.size()) - 1;
    bool changed = false;
    if (chance(3)) {
        const int n = random_node();
        edits.push_back(edit::rewire(1 + below(chips), 1 + below(20), n));
        changed = true;
    }
    if (chance(2)) {
        const int chip = 1 + below(chips);
        edits.push_back(edit::rename(chip, random_model()));
        changed = true;
    }
    if ((changed && chance(80)) || chance(3)) edits.push_back(edit::renew());
    return edits;
}

std::string describe(const sim_arguments& a) {
    std::ostringstream out;
    out << a.chip_number() << " chips, nodes 0.." << a.max_node_number()
        << ", new_circuit " << (a.new_circuit ? "true" : "false") << '\n';
    for (int chip = 1; chip < static_cast<int>(a.models.size()); ++chip) {
        out << "  chip " << chip << " \"" << a.models[chip] << "\":";
        for (int p = 1; p <= kMaxPinNumber; ++p)
            if (a.pins(p, chip) != 0) out << ' ' << p << "->" << a.pins(p, chip);
        out << '\n';
    }
    out << "  driven:";
    for (std::size_t n = 0; n < a.node_in.size(); ++n)
        if (a.node_in[n] != kNoDrive) out << ' ' << n << '=' << a.node_in[n];
    out << "\n  node values:";
    for (std::size_t n = 0; n < a.node.size(); ++n) out << ' ' << n << '=' << a.node[n];
    out << "\n  pin states other than -1:";
    for (int chip = 0; chip < a.chip_pin_state.chip_count(); ++chip)
        for (int p = 0; p <= kMaxPinNumber; ++p)
            if (a.chip_pin_state(p, chip) != kNoDrive)
                out << ' ' << chip << '.' << p << '=' << a.chip_pin_state(p, chip);
    out << '\n';
    return out.str();
}

}  // namespace lgsim::testing
