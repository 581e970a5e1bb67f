#include "call_memo.h"

#include <algorithm>
#include <cstring>

#include "argument_copy.h"
#include "cell_differences.h"

namespace lgsim {

namespace {

constexpr int kPinRows = kMaxPinNumber + 1;

// Calls between two looks at how often the memory answers, at first; a
// trial that finds too few answers doubles the next one (up to kLongestTrial),
// so that circuits going round many states are found too.
constexpr long long kWindow = 8192;
constexpr long long kLongestTrial = kWindow << 5;
// A window must answer at least one call in this many to be worth its recording.
constexpr long long kAnswersPerCall = 8;
// How long the memory rests after a trial that failed, in trials.
constexpr long long kRestPerTrial = 4;
// What the memory may hold before it starts afresh.
constexpr std::size_t kMostContentCells = std::size_t{4} << 20;
constexpr std::size_t kMostStepCells = std::size_t{1} << 20;
// Circuits whose states are larger than this are not remembered: copying and
// comparing a state would cost a good part of what the call does.
constexpr std::size_t kLargestState = std::size_t{1} << 16;

std::uint64_t hash_of(const value_code* cells, std::size_t n) {
    std::uint64_t hash = 1469598103934665603ull;
    std::size_t k = 0;
    for (; k + 4 <= n; k += 4) {
        std::uint64_t word;
        std::memcpy(&word, cells + k, sizeof word);
        hash = (hash ^ word) * 0x9E3779B97F4A7C15ull;
    }
    for (; k < n; ++k) hash = (hash ^ static_cast<std::uint16_t>(cells[k])) * 0x9E3779B97F4A7C15ull;
    return hash ^ (hash >> 31);
}

// The argument cells of a circuit of `chips` chips and nodes 0..`nodes`.
std::size_t cells_of(int chips, int nodes) {
    return 2 * static_cast<std::size_t>(nodes + 1) + static_cast<std::size_t>(chips) * kPinRows;
}

}  // namespace

std::size_t call_memo::argument_cells() const { return cells_of(chips_, nodes_); }

bool call_memo::same_circuit(const arguments& a) const {
    if (a.chips != chips_ || a.nodes != nodes_) return false;
    for (int chip = 1; chip <= chips_; ++chip)
        if (a.chip_model[static_cast<std::size_t>(chip)] != names_[static_cast<std::size_t>(chip)]) return false;
    return std::memcmp(a.chip_pin_number.data() + kPinRows, pins_.data() + kPinRows,
                       sizeof(value_code) * kPinRows * static_cast<std::size_t>(chips_)) == 0;
}

void call_memo::take_circuit(const arguments& a) {
    clear();
    chips_ = a.chips;
    nodes_ = a.nodes;
    names_.assign(a.chip_model.begin(), a.chip_model.begin() + a.chips + 1);
    pins_.resize(kPinRows, a.chips + 1);
    std::copy_n(a.chip_pin_number.data(), static_cast<std::size_t>(a.chips + 1) * kPinRows, pins_.data());
}

void call_memo::clear() {
    states_.clear();
    contents_.clear();
    cells_.clear();
    by_hash_.clear();
    at_ = -1;
    from_ = -1;
}

void call_memo::forget_position() {
    at_ = -1;
    from_ = -1;
}

void call_memo::set_enabled(bool on) {
    enabled_ = on;
    resting_ = false;
    window_calls_ = window_answers_ = trial_length_ = 0;
    clear();
    chips_ = nodes_ = -1;
}

// The caller's changes since the state: cells where the arguments differ from it.
void call_memo::gather_changes(const arguments& a, const value_code* content) {
    changes_.clear();
    const std::size_t nodes = static_cast<std::size_t>(nodes_ + 1);
    const auto note = [&](std::size_t offset, const value_code* now) {
        return [this, offset, now](std::size_t k) {
            changes_.push_back({static_cast<std::int32_t>(offset + k), now[k]});
        };
    };
    for_each_difference(a.v_node_in.data(), content, nodes, note(0, a.v_node_in.data()));
    for_each_difference(a.v_node.data(), content + nodes, nodes, note(nodes, a.v_node.data()));
    const value_code* states = a.v_chip_pin.data() + kPinRows;
    for_each_difference(states, content + 2 * nodes, static_cast<std::size_t>(chips_) * kPinRows,
                        note(2 * nodes, states));
}

bool call_memo::answer(const arguments& a) {
    from_ = -1;
    if (!enabled_) return false;
    // Arrays too small for the call (it will fail), or a state too large to keep.
    if (a.chips < 1 || a.nodes < 0 ||
        !arguments_hold(a.chips, a.nodes, a.chip_model, a.chip_pin_number, a.v_node_in, a.v_node, a.v_chip_pin) ||
        cells_of(a.chips, a.nodes) > kLargestState) {
        forget_position();
        return false;
    }
    if (!same_circuit(a)) {
        // Another circuit: a trial of its own (once the tables have caught up
        // with the last answered call, whose states are needed until then).
        at_ = -1;
        if (behind_) return false;
        take_circuit(a);
        resting_ = false;
        window_calls_ = window_answers_ = trial_length_ = 0;
    }
    ++window_calls_;
    if (resting_) {
        // The states of the answered call stay until the tables have caught up.
        if (window_calls_ < kRestPerTrial * trial_length_ || behind_) return false;
        // Rested: a new trial.
        resting_ = false;
        window_calls_ = window_answers_ = 0;
        clear();
    }
    if (at_ < 0) return false;
    const state& s = states_[static_cast<std::size_t>(at_)];
    gather_changes(a, contents_.data() + s.content_at);
    from_ = at_;
    for (std::size_t k = 0; k < s.steps.size(); ++k) {
        const step& st = s.steps[k];
        if (st.changes != changes_.size() ||
            (st.changes > 0 && std::memcmp(cells_.data() + st.changes_at, changes_.data(),
                                           sizeof(cell_value) * st.changes) != 0))
            continue;
        // Taken before: what the call changed then, it changes now.
        const std::size_t nodes = static_cast<std::size_t>(nodes_ + 1);
        value_code* node = a.v_node.data();
        value_code* pin_state = a.v_chip_pin.data() + kPinRows;
        for (const cell_value* c = cells_.data() + st.results_at; c != cells_.data() + st.results_at + st.results; ++c) {
            const auto cell = static_cast<std::size_t>(c->cell);
            if (cell < 2 * nodes)
                node[cell - nodes] = static_cast<value_code>(c->value);
            else
                pin_state[cell - 2 * nodes] = static_cast<value_code>(c->value);
        }
        behind_ = true;
        answered_from_ = at_;
        answered_step_ = static_cast<std::int32_t>(k);
        at_ = st.target;
        from_ = -1;
        ++answered_;
        ++window_answers_;
        return true;
    }
    return false;
}

std::int32_t call_memo::state_of(const std::vector<value_code>& content) {
    const std::uint64_t hash = hash_of(content.data(), content.size());
    const auto found = by_hash_.find(hash);
    std::int32_t same = -1;
    if (found != by_hash_.end()) {
        for (std::int32_t id = found->second; id >= 0; id = states_[static_cast<std::size_t>(id)].same_hash) {
            const state& s = states_[static_cast<std::size_t>(id)];
            if (s.size == content.size() &&
                std::equal(content.begin(), content.end(), contents_.begin() + static_cast<std::ptrdiff_t>(s.content_at)))
                return id;
        }
        same = found->second;
    }
    state s;
    s.content_at = contents_.size();
    s.size = static_cast<std::uint32_t>(content.size());
    s.same_hash = same;
    contents_.insert(contents_.end(), content.begin(), content.end());
    const auto id = static_cast<std::int32_t>(states_.size());
    states_.push_back(std::move(s));
    by_hash_[hash] = id;
    return id;
}

void call_memo::learn(const arguments& a, const trace_lists& trace_after) {
    if (!enabled_ || resting_) return;
    if (cells_of(a.chips, a.nodes) > kLargestState) {
        forget_position();
        return;
    }
    // Lengths are kept among the cells; lists too long for them are not learnt.
    constexpr std::size_t kLongestTrace = 30000;
    if (trace_after.chip.size() > kLongestTrace || trace_after.pin.size() > kLongestTrace ||
        trace_after.value.size() > kLongestTrace) {
        forget_position();
        return;
    }
    if (!same_circuit(a)) take_circuit(a);
    if (contents_.size() > kMostContentCells || cells_.size() > kMostStepCells) {
        // Full: start afresh rather than grow without end.
        clear();
    }

    // The state the call left: its arguments and trace lists.
    const std::size_t nodes = static_cast<std::size_t>(nodes_ + 1);
    const std::size_t cells = argument_cells();
    std::vector<value_code>& content = scratch_;
    content.resize(cells);
    std::copy_n(a.v_node_in.data(), nodes, content.data());
    std::copy_n(a.v_node.data(), nodes, content.data() + nodes);
    std::copy_n(a.v_chip_pin.data() + kPinRows, static_cast<std::size_t>(chips_) * kPinRows, content.data() + 2 * nodes);
    for (const auto* list : {&trace_after.chip, &trace_after.pin})
        content.push_back(static_cast<value_code>(list->size()));
    content.push_back(static_cast<value_code>(trace_after.value.size()));
    content.insert(content.end(), trace_after.chip.begin(), trace_after.chip.end());
    content.insert(content.end(), trace_after.pin.begin(), trace_after.pin.end());
    content.insert(content.end(), trace_after.value.begin(), trace_after.value.end());
    const std::int32_t target = state_of(content);

    if (from_ >= 0 && static_cast<std::size_t>(from_) < states_.size()) {
        // The step from where the call started: the caller's changes, and the
        // cells the call changed (node values and pin states).
        step st;
        st.target = target;
        st.changes_at = static_cast<std::uint32_t>(cells_.size());
        st.changes = static_cast<std::uint32_t>(changes_.size());
        cells_.insert(cells_.end(), changes_.begin(), changes_.end());
        std::vector<value_code>& start = start_scratch_;
        const value_code* from_content = contents_.data() + states_[static_cast<std::size_t>(from_)].content_at;
        start.assign(from_content, from_content + cells);
        for (const cell_value& c : changes_) start[static_cast<std::size_t>(c.cell)] = static_cast<value_code>(c.value);
        const value_code* left = contents_.data() + states_[static_cast<std::size_t>(target)].content_at;
        st.results_at = static_cast<std::uint32_t>(cells_.size());
        for_each_difference(start.data() + nodes, left + nodes, cells - nodes, [&](std::size_t k) {
            cells_.push_back({static_cast<std::int32_t>(nodes + k), left[nodes + k]});
        });
        st.results = static_cast<std::uint32_t>(cells_.size()) - st.results_at;
        states_[static_cast<std::size_t>(from_)].steps.push_back(st);
    }
    at_ = target;
    from_ = -1;
    if (window_calls_ >= std::max(kWindow, trial_length_)) end_window();
}

// A window of calls is over: go on, or rest when too few were answered.
void call_memo::end_window() {
    if (window_answers_ * kAnswersPerCall >= window_calls_) {
        trial_length_ = 0;
    } else {
        trial_length_ = std::min(kLongestTrial, std::max(kWindow, trial_length_) * 2);
        resting_ = true;
        clear();
    }
    window_calls_ = window_answers_ = 0;
}

void call_memo::trace_of(std::int32_t id, trace_lists& trace) const {
    const state& s = states_[static_cast<std::size_t>(id)];
    const value_code* p = contents_.data() + s.content_at + argument_cells();
    const auto chips = static_cast<std::size_t>(p[0]);
    const auto pins = static_cast<std::size_t>(p[1]);
    const auto values = static_cast<std::size_t>(p[2]);
    p += 3;
    trace.chip.assign(p, p + chips);
    p += chips;
    trace.pin.assign(p, p + pins);
    p += pins;
    trace.value.assign(p, p + values);
}

void call_memo::trace_left(trace_lists& trace) const {
    const state& from = states_[static_cast<std::size_t>(answered_from_)];
    trace_of(from.steps[static_cast<std::size_t>(answered_step_)].target, trace);
}

void call_memo::last_call_start(std::vector<value_code>& v_node_in, std::vector<value_code>& v_node,
                                PinArray& v_chip_pin, trace_lists& trace) const {
    const state& from = states_[static_cast<std::size_t>(answered_from_)];
    const step& st = from.steps[static_cast<std::size_t>(answered_step_)];
    const std::size_t nodes = static_cast<std::size_t>(nodes_ + 1);
    std::vector<value_code> start(contents_.begin() + static_cast<std::ptrdiff_t>(from.content_at),
                                  contents_.begin() + static_cast<std::ptrdiff_t>(from.content_at + argument_cells()));
    for (const cell_value* c = cells_.data() + st.changes_at; c != cells_.data() + st.changes_at + st.changes; ++c)
        start[static_cast<std::size_t>(c->cell)] = static_cast<value_code>(c->value);
    v_node_in.assign(start.begin(), start.begin() + static_cast<std::ptrdiff_t>(nodes));
    v_node.assign(start.begin() + static_cast<std::ptrdiff_t>(nodes), start.begin() + static_cast<std::ptrdiff_t>(2 * nodes));
    v_chip_pin = PinArray(kPinRows, chips_ + 1);
    std::copy(start.begin() + static_cast<std::ptrdiff_t>(2 * nodes), start.end(), v_chip_pin.data() + kPinRows);
    // The trace lists before it: those of the state it started from.
    trace_of(answered_from_, trace);
}

}  // namespace lgsim
