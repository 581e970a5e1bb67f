#include "pass_memo.h"

#include "argument_copy.h"
#include "cell_differences.h"

#include <algorithm>
#include <cstring>

namespace lgsim {

namespace {

constexpr int kPinRows = kMaxPinNumber + 1;

// Marks are call numbers from here up; 1 (unsettled) and 3 (settled, as the
// plain pass leaves it) are never one.
constexpr value_code kFirstEpoch = 8;
constexpr value_code kLastEpoch = 32000;
constexpr value_code kUnsettled = 1;

std::int32_t value_part(std::int32_t entry_reading) {
    return static_cast<value_code>(static_cast<std::uint16_t>(entry_reading & 0xFFFF));
}

void add_sorted(std::vector<int>& list, int unit) {
    const auto at = std::lower_bound(list.begin(), list.end(), unit);
    if (at == list.end() || *at != unit) list.insert(at, unit);
}

void remove_sorted(std::vector<int>& list, int unit) {
    const auto at = std::lower_bound(list.begin(), list.end(), unit);
    if (at != list.end() && *at == unit) list.erase(at);
}

}  // namespace

// ---- Cells ----

std::int32_t pass_memo::reading(const engine_tables& t, std::int32_t cell) const {
    if (cell < nodes_) return entry_reading(t, t.node_state[static_cast<std::size_t>(cell)]);
    const std::int32_t per_table = rows_ * kPinRows;
    const std::int32_t index = cell - nodes_;
    if (index < per_table) return t.pin_state.data()[index];
    if (index < 2 * per_table) return mark_reading(t, t.pin_mark.data()[index - per_table]);
    return t.pin_value.data()[index - 2 * per_table];
}

void pass_memo::write_reading(engine_tables& t, std::int32_t cell, std::int32_t value) const {
    if (cell < nodes_) {
        const value_code mark = (value & 0x10000) != 0 ? t.pass_mark : kUnsettled;
        t.node_state[static_cast<std::size_t>(cell)] = {static_cast<value_code>(value_part(value)), mark};
        return;
    }
    const std::int32_t per_table = rows_ * kPinRows;
    const std::int32_t index = cell - nodes_;
    if (index < per_table) {
        t.pin_state.data()[index] = static_cast<value_code>(value);
    } else if (index < 2 * per_table) {
        t.pin_mark.data()[index - per_table] = value == kMarkTaken ? t.pass_mark : static_cast<value_code>(value);
    } else {
        t.pin_value.data()[index - 2 * per_table] = static_cast<value_code>(value);
    }
}

// Results (node values, pin states) and pin marks to take back at the next
// call; a node whose mark alone changed and a pin value are neither.
void pass_memo::note_change(std::int32_t cell, std::int32_t before, std::int32_t after) {
    if (cell < nodes_) {
        if (value_part(before) == value_part(after)) return;
    } else if (cell - nodes_ >= 2 * rows_ * kPinRows) {
        return;
    }
    if (changed_[static_cast<std::size_t>(cell)] == call_stamp_) return;
    changed_[static_cast<std::size_t>(cell)] = call_stamp_;
    start_[static_cast<std::size_t>(cell)] = before;
    changed_cells_.push_back(cell);
}

// Every later unit that reaches the cell must run: it may read what differs.
void pass_memo::reach_later_units(const engine_tables& t, std::int32_t cell, int after_unit) {
    const std::vector<int>* units = nullptr;
    if (cell < nodes_) {
        units = &node_units_[static_cast<std::size_t>(cell)];
    } else {
        const std::int32_t per_table = rows_ * kPinRows;
        std::int32_t index = cell - nodes_;
        const bool pin_value = index >= 2 * per_table;
        index -= pin_value ? 2 * per_table : index >= per_table ? per_table : 0;
        const int chip = index / kPinRows;
        if (pin_value) {
            // A pin value is read by the other outputs on its node.
            const int node = t.pin_node.data()[index];
            if (node >= 0 && node < nodes_) units = &node_units_[static_cast<std::size_t>(node)];
        } else if (chip >= 0 && chip < static_cast<int>(chip_units_.size())) {
            units = &chip_units_[static_cast<std::size_t>(chip)];
        }
    }
    if (units == nullptr) return;
    for (auto it = std::upper_bound(units->begin(), units->end(), after_unit); it != units->end(); ++it)
        dirty_[static_cast<std::size_t>(*it)] = 1;
}

// The cell now differs from the previous call, which had `previous` here.
void pass_memo::deviate(const engine_tables& t, std::int32_t cell, std::int32_t previous, int after_unit) {
    const auto c = static_cast<std::size_t>(cell);
    const bool already = deviant_[c] == call_stamp_;
    deviant_[c] = call_stamp_;
    previous_[c] = previous;
    if (!already) reach_later_units(t, cell, after_unit);
}

// ---- Starting a call ----

void pass_memo::size_tables(const engine_tables& t, const pass_plan& plan) {
    chips_ = t.chip_count;
    nodes_ = static_cast<int>(t.node_state.size());
    rows_ = t.pin_state.chip_count();
    const std::size_t cells = static_cast<std::size_t>(nodes_) + 3u * static_cast<std::size_t>(rows_) * kPinRows;
    for (auto* v : {&seen_, &old_seen_, &deviant_, &changed_}) v->assign(cells, 0);
    for (auto* v : {&old_after_, &previous_, &start_}) v->assign(cells, 0);
    unit_stamp_ = call_stamp_ = 0;
    units_.assign(static_cast<std::size_t>(chips_) + 1, unit_record{});
    // Kept runs stay good for as long as the plan they were made under.
    if (kept_plan_ != plan.generation() || kept_runs_.size() != static_cast<std::size_t>(chips_) + 1) {
        kept_runs_.assign(static_cast<std::size_t>(chips_) + 1, {});
        kept_hashes_.assign(static_cast<std::size_t>(chips_) + 1, {});
        next_kept_.assign(static_cast<std::size_t>(chips_) + 1, 0);
        kept_total_ = 0;
        kept_plan_ = plan.generation();
    }
    dirty_.assign(static_cast<std::size_t>(chips_) + 1, 0);
    node_units_.assign(static_cast<std::size_t>(nodes_), {});
    chip_units_.assign(static_cast<std::size_t>(chips_) + 1, {});
    chip_nodes_.assign(static_cast<std::size_t>(chips_) + 1, {});
    for (int chip = 1; chip <= chips_; ++chip) {
        std::vector<std::int32_t>& nodes = chip_nodes_[static_cast<std::size_t>(chip)];
        for (int pin = 0; pin < kPinRows; ++pin) nodes.push_back(t.pin_node(pin, chip));
        std::sort(nodes.begin(), nodes.end());
        nodes.erase(std::unique(nodes.begin(), nodes.end()), nodes.end());
    }
    net_changes_.clear();
    marks_taken_.clear();
}

void pass_memo::next_epoch(engine_tables& t) {
    value_code epoch = t.pass_mark;
    epoch = epoch < kFirstEpoch || epoch >= kLastEpoch ? kFirstEpoch : static_cast<value_code>(epoch + 1);
    if (epoch == kFirstEpoch) {
        // Numbers come round again: no mark may still hold one.
        for (node_entry& e : t.node_state)
            if (e.mark >= kFirstEpoch) e.mark = kUnsettled;
    }
    t.pass_mark = epoch;
}

void pass_memo::begin_full_call(engine_tables& t, const pass_plan& plan, const std::vector<std::string>& chip_model) {
    ++statistics_.full_calls;
    plan_ = &plan;
    full_ = true;
    complete_ = false;
    ready_ = false;
    // The trace lists a call leaves when nothing in it grows them are the ones it found.
    carried_trace_.chip = t.trace_chip;
    carried_trace_.pin = t.trace_pin;
    carried_trace_.value = t.trace_value;
    size_tables(t, plan);
    names_.assign(chip_model.begin(), chip_model.begin() + std::min<std::size_t>(chip_model.size(), chips_ + 1u));
    next_epoch(t);
    ++call_stamp_;
    changed_cells_.clear();
    off_pass_start_.clear();
    for (const off_pass_pin& p : plan.off_pass_pins())
        off_pass_start_.emplace_back(static_cast<std::size_t>(p.chip) * kPinRows + p.pin,
                                     t.pin_value(p.pin, p.chip));
    node0_start_ = t.node_state[0].value;
}

bool pass_memo::continues(const engine_tables& t, int chips, int nodes, const std::vector<std::string>& chip_model,
                          const PinArray& chip_pin_number, const std::vector<value_code>& v_node_in,
                          const std::vector<value_code>& v_node, const PinArray& v_chip_pin) const {
    if (!ready_ || chips != chips_ || nodes + 1 != nodes_ || t.chip_count != chips) return false;
    if (!arguments_hold(chips, nodes, chip_model, chip_pin_number, v_node_in, v_node, v_chip_pin)) return false;
    for (int chip = 1; chip <= chips; ++chip)
        if (chip_model[chip] != names_[chip]) return false;
    // The same nodes on the same pins: then they all lie within the node table.
    return std::memcmp(chip_pin_number.data() + kPinRows, t.pin_node.data() + kPinRows,
                       sizeof(value_code) * kPinRows * static_cast<std::size_t>(chips)) == 0;
}

void pass_memo::begin_continued_call(engine_tables& t, const pass_plan& plan,
                                     const std::vector<value_code>& v_node_in,
                                     const std::vector<value_code>& v_node, const PinArray& v_chip_pin) {
    ++statistics_.continued_calls;
    plan_ = &plan;
    full_ = false;
    complete_ = false;
    next_epoch(t);
    ++call_stamp_;
    changed_cells_.clear();
    std::fill(dirty_.begin(), dirty_.end(), 0);
    for (std::int32_t cell : marks_taken_) write_reading(t, cell, kOutputPin);

    // Where the previous call changed a node value or a pin state, it started
    // from something else than it left.
    const std::uint32_t stamp = ++unit_stamp_;
    for (const auto& [cell, start] : net_changes_) {
        old_seen_[static_cast<std::size_t>(cell)] = stamp;
        old_after_[static_cast<std::size_t>(cell)] = start;
    }
    const auto previous_start = [&](std::int32_t cell, std::int32_t now) {
        const auto c = static_cast<std::size_t>(cell);
        return old_seen_[c] == stamp ? old_after_[c] : now;
    };

    // Drives, node values and pin states that differ from the previous call's
    // start. Nodes start unsettled in every call, so a node reads its value.
    for_each_difference(v_node_in.data(), t.node_in.data(), nodes_, [&](int n) {
        t.node_in[static_cast<std::size_t>(n)] = v_node_in[static_cast<std::size_t>(n)];
        reach_later_units(t, n, 0);
    });
    const auto node_starts = [&](int n) {
        node_entry& e = t.node_state[static_cast<std::size_t>(n)];
        const std::int32_t start_then = previous_start(n, static_cast<std::uint16_t>(e.value));
        e.value = v_node[static_cast<std::size_t>(n)];
        last_values_[static_cast<std::size_t>(n)] = e.value;
        if (static_cast<std::uint16_t>(e.value) != start_then) deviate(t, n, start_then, 0);
    };
    for_each_difference(v_node.data(), last_values_.data(), nodes_, node_starts);
    for (const auto& [cell, start] : net_changes_)
        if (cell < nodes_ && v_node[static_cast<std::size_t>(cell)] == last_values_[static_cast<std::size_t>(cell)])
            node_starts(cell);  // unchanged by the caller, changed by the previous call
    const std::size_t state_cells = static_cast<std::size_t>(chips_) * kPinRows;
    for_each_difference(v_chip_pin.data() + kPinRows, t.pin_state.data() + kPinRows, state_cells, [&](std::size_t k) {
        const auto index = static_cast<std::int32_t>(kPinRows + k);
        const std::int32_t cell = nodes_ + index;
        value_code& now = t.pin_state.data()[index];
        const std::int32_t start_then = previous_start(cell, now);
        now = v_chip_pin.data()[index];
        if (now != start_then) deviate(t, cell, start_then, 0);
    });
    for (const auto& [cell, start] : net_changes_) {
        if (cell < nodes_) continue;  // every node was compared above
        if (reading(t, cell) != start) deviate(t, cell, start, 0);
    }

    off_pass_start_.clear();
    for (const off_pass_pin& p : plan.off_pass_pins())
        off_pass_start_.emplace_back(static_cast<std::size_t>(p.chip) * kPinRows + p.pin,
                                     t.node_state[static_cast<std::size_t>(p.node)].value);
    node0_start_ = t.node_state[0].value;
}

// ---- Units ----

void pass_memo::replay(engine_tables& t, int chip) {
    ++statistics_.units_replayed;
    for (const effect& e : units_[static_cast<std::size_t>(chip)].effects) {
        note_change(e.cell, e.before, e.after);
        write_reading(t, e.cell, e.after);
    }
}

write_recorder& pass_memo::start_unit(int chip) {
    ++statistics_.units_run;
    recorder_.writes.clear();
    recorder_.chips.clear();
    recorder_.chips.push_back(static_cast<std::int16_t>(chip));
    return recorder_;
}

void pass_memo::index_unit(int chip, bool add) {
    const unit_record& u = units_[static_cast<std::size_t>(chip)];
    for (std::int16_t c : u.chips)
        add ? add_sorted(chip_units_[static_cast<std::size_t>(c)], chip)
            : remove_sorted(chip_units_[static_cast<std::size_t>(c)], chip);
    for (std::int32_t n : u.nodes)
        if (n >= 0 && n < nodes_)
            add ? add_sorted(node_units_[static_cast<std::size_t>(n)], chip)
                : remove_sorted(node_units_[static_cast<std::size_t>(n)], chip);
}

void pass_memo::finish_unit(engine_tables& t, int chip, bool appended_to_trace) {
    const std::uint32_t stamp = ++unit_stamp_;
    unit_record& run = fresh_run_;

    // The unit's first write of each cell holds the cell's reading before it.
    run.effects.clear();
    for (const auto& [cell, before] : recorder_.writes) {
        if (seen_[static_cast<std::size_t>(cell)] == stamp) continue;
        seen_[static_cast<std::size_t>(cell)] = stamp;
        run.effects.push_back({cell, before, reading(t, cell)});
    }
    // The chips it reached.
    run.chips.assign(recorder_.chips.begin(), recorder_.chips.end());
    std::sort(run.chips.begin(), run.chips.end());
    run.chips.erase(std::unique(run.chips.begin(), run.chips.end()), run.chips.end());
    run.appended = appended_to_trace;
    if (appended_to_trace) {
        run.trace.chip.assign(t.trace_chip.begin(), t.trace_chip.end());
        run.trace.pin.assign(t.trace_pin.begin(), t.trace_pin.end());
        run.trace.value.assign(t.trace_value.begin(), t.trace_value.end());
    }
    run.last_depth = t.trace_depth;
    run.last_cleared.assign(t.cleared_drivers.begin(), t.cleared_drivers.end());

    adopt_run(t, chip, run);

    // Kept for reuse when it reached the chips its key was gathered over.
    const unit_record& u = units_[static_cast<std::size_t>(chip)];
    if (key_ready_ && u.chips == key_chips_) {
        std::vector<kept_run>& runs = kept_runs_[static_cast<std::size_t>(chip)];
        std::vector<std::uint64_t>& hashes = kept_hashes_[static_cast<std::size_t>(chip)];
        kept_run* slot = nullptr;
        if (static_cast<int>(runs.size()) < kRunsPerUnit && kept_total_ < kMostKeptRuns) {
            slot = &runs.emplace_back();
            hashes.push_back(key_hash_);
            ++kept_total_;
        } else if (!runs.empty()) {
            int& next = next_kept_[static_cast<std::size_t>(chip)];
            slot = &runs[static_cast<std::size_t>(next)];
            hashes[static_cast<std::size_t>(next)] = key_hash_;
            next = (next + 1) % static_cast<int>(runs.size());
        }
        if (slot != nullptr) {
            slot->key = key_;
            slot->record = u;
        }
    }
    key_ready_ = false;
}

void pass_memo::adopt_run(engine_tables& t, int chip, unit_record& run) {
    unit_record& u = units_[static_cast<std::size_t>(chip)];
    const std::uint32_t stamp = ++unit_stamp_;
    for (const effect& e : run.effects) seen_[static_cast<std::size_t>(e.cell)] = stamp;

    if (!full_) {
        // Cells the unit changed, now or in the previous call, may now differ
        // from the previous call after it.
        for (const effect& e : u.effects) {
            old_seen_[static_cast<std::size_t>(e.cell)] = stamp;
            old_after_[static_cast<std::size_t>(e.cell)] = e.after;
        }
        const auto settle_deviation = [&](std::int32_t cell, std::int32_t before_now) {
            const auto c = static_cast<std::size_t>(cell);
            const std::int32_t before_then = deviant_[c] == call_stamp_ ? previous_[c] : before_now;
            const std::int32_t after_then = old_seen_[c] == stamp ? old_after_[c] : before_then;
            const std::int32_t after_now = reading(t, cell);
            if (after_now != after_then)
                deviate(t, cell, after_then, chip);
            else
                deviant_[c] = 0;
        };
        for (const effect& e : run.effects) settle_deviation(e.cell, e.before);
        for (const effect& e : u.effects)
            if (seen_[static_cast<std::size_t>(e.cell)] != stamp) settle_deviation(e.cell, reading(t, e.cell));
    }

    // Only what changed is kept as the unit's changes.
    run.effects.erase(std::remove_if(run.effects.begin(), run.effects.end(),
                                     [](const effect& e) { return e.after == e.before; }),
                      run.effects.end());
    for (const effect& e : run.effects) note_change(e.cell, e.before, e.after);

    u.effects.swap(run.effects);
    u.appended = run.appended;
    if (run.appended) std::swap(u.trace, run.trace);
    u.last_depth = run.last_depth;
    u.last_cleared.swap(run.last_cleared);
    if (full_ || run.chips != u.chips) {
        if (!full_) index_unit(chip, false);
        u.chips.swap(run.chips);
        u.nodes.clear();
        for (std::int16_t c : u.chips) {
            const auto& nodes = chip_nodes_[static_cast<std::size_t>(c)];
            u.nodes.insert(u.nodes.end(), nodes.begin(), nodes.end());
        }
        std::sort(u.nodes.begin(), u.nodes.end());
        u.nodes.erase(std::unique(u.nodes.begin(), u.nodes.end()), u.nodes.end());
        place_key(t, *plan_, u);
        index_unit(chip, true);
    }
}

// Where the key of a unit is read from, worked out when its chips change.
void pass_memo::place_key(const engine_tables& t, const pass_plan& plan, unit_record& u) const {
    u.key_values.clear();
    u.key_pins.clear();
    const pin_ref* outputs = plan.node_outputs();
    for (std::int32_t n : u.nodes)
        for (int k = plan.first_output_of(n); k < plan.last_output_of(n); ++k)
            u.key_values.push_back(outputs[k].chip * kPinRows + outputs[k].pin);
    for (std::int16_t c : u.chips) {
        // Models use their own pins and the CD4511 slot 17, nothing above.
        const int pins = std::max<int>(t.chip_info[static_cast<std::size_t>(c)].pin_count, 17);
        u.key_pins.emplace_back(c * kPinRows, pins + 1);
    }
}

void pass_memo::gather_key(const engine_tables& t, const unit_record& u) {
    std::size_t size = 2 * u.nodes.size() + u.key_values.size();
    for (const auto& range : u.key_pins) size += 2 * static_cast<std::size_t>(range.second);
    key_.resize(size);
    std::int32_t* key = key_.data();
    const node_entry* nodes = t.node_state.data();
    const value_code* drives = t.node_in.data();
    const value_code settled = t.pass_mark;
    // A node's value and whether it is settled, and its drive.
    for (std::int32_t n : u.nodes) {
        const node_entry& e = nodes[n];
        *key++ = static_cast<std::uint16_t>(e.value) | (e.mark == settled ? 0x10000 : 0);
        *key++ = drives[n];
    }
    // The pin values of the outputs on its nodes, which conflict checks read.
    const value_code* values = t.pin_value.data();
    for (std::int32_t index : u.key_values) *key++ = values[index];
    // Its chips' pin states, pin marks and pin values (a run that wrote a pin
    // value over an equal one kept no change of it, which another start would need).
    const value_code* state = t.pin_state.data();
    const value_code* marks = t.pin_mark.data();
    for (const auto& [offset, count] : u.key_pins)
        for (int p = offset; p < offset + count; ++p) {
            const auto mark = static_cast<std::uint16_t>(marks[p] == settled ? kMarkTaken : marks[p]);
            *key++ = static_cast<std::int32_t>(static_cast<std::uint16_t>(state[p]) | static_cast<std::uint32_t>(mark) << 16);
            *key++ = values[p];
        }
    // Two key values at a time into the hash, along two lanes so that the
    // multiplications of one need not wait for the other's.
    const auto pair_at = [this](std::size_t k) {
        return static_cast<std::uint32_t>(key_[k]) | static_cast<std::uint64_t>(static_cast<std::uint32_t>(key_[k + 1])) << 32;
    };
    constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
    std::uint64_t hash = 1469598103934665603ull;
    std::uint64_t other = 0x2545F4914F6CDD1Dull;
    std::size_t k = 0;
    for (; k + 3 < size; k += 4) {
        hash = (hash ^ pair_at(k)) * kMultiplier;
        other = (other ^ pair_at(k + 2)) * kMultiplier;
    }
    for (; k + 1 < size; k += 2) hash = (hash ^ pair_at(k)) * kMultiplier;
    if (k < size) hash = (hash ^ static_cast<std::uint32_t>(key_[k])) * kMultiplier;
    hash = (hash ^ (other + (other >> 27))) * kMultiplier;
    key_hash_ = hash ^ (hash >> 29);
    key_chips_ = u.chips;
    key_ready_ = true;
}

bool pass_memo::reuse_earlier_run(engine_tables& t, int chip) {
    key_ready_ = false;
    if (full_) return false;
    const unit_record& u = units_[static_cast<std::size_t>(chip)];
    if (u.chips.empty()) return false;
    gather_key(t, u);
    // The hashes first, side by side; a run whose hash matches is compared whole.
    const std::vector<std::uint64_t>& hashes = kept_hashes_[static_cast<std::size_t>(chip)];
    std::vector<kept_run>& runs = kept_runs_[static_cast<std::size_t>(chip)];
    for (std::size_t at = 0; at < hashes.size(); ++at) {
        if (hashes[at] != key_hash_) continue;
        kept_run& k = runs[at];
        if (k.record.chips != u.chips || k.key != key_) continue;
        // The same cells as then: the run did what it would do now.
        ++statistics_.units_reused;
        unit_record& run = fresh_run_;
        run.effects.assign(k.record.effects.begin(), k.record.effects.end());
        for (effect& e : run.effects) {
            e.before = reading(t, e.cell);
            write_reading(t, e.cell, e.after);
        }
        run.chips.assign(k.record.chips.begin(), k.record.chips.end());
        run.appended = k.record.appended;
        if (run.appended) run.trace = k.record.trace;
        run.last_depth = k.record.last_depth;
        run.last_cleared.assign(k.record.last_cleared.begin(), k.record.last_cleared.end());
        adopt_run(t, chip, run);
        key_ready_ = false;
        return true;
    }
    return false;
}

// ---- Ending a call ----

void pass_memo::write_back(const engine_tables& t, std::vector<value_code>& v_node, PinArray& v_chip_pin) {
    for (std::int32_t cell : changed_cells_) {
        if (cell < nodes_) {
            v_node[static_cast<std::size_t>(cell)] = t.node_state[static_cast<std::size_t>(cell)].value;
            continue;
        }
        const std::int32_t index = cell - nodes_;
        if (index >= rows_ * kPinRows) continue;  // marks and pin values are not results
        const int pin = index % kPinRows;
        if (pin >= 1) v_chip_pin.data()[index] = t.pin_state.data()[index];
    }
}

void pass_memo::end_call(const engine_tables& t) {
    net_changes_.clear();
    marks_taken_.clear();
    const std::int32_t per_table = rows_ * kPinRows;
    if (full_) {
        last_values_.resize(static_cast<std::size_t>(nodes_));
        for (int n = 0; n < nodes_; ++n) last_values_[static_cast<std::size_t>(n)] = t.node_state[static_cast<std::size_t>(n)].value;
    }
    for (std::int32_t cell : changed_cells_) {
        const auto c = static_cast<std::size_t>(cell);
        const std::int32_t now = reading(t, cell);
        if (cell < nodes_) {
            last_values_[c] = static_cast<value_code>(value_part(now));
            if (value_part(now) != value_part(start_[c]))
                net_changes_.emplace_back(cell, static_cast<std::uint16_t>(value_part(start_[c])));
        } else if (cell - nodes_ < per_table) {
            if (now != start_[c]) net_changes_.emplace_back(cell, start_[c]);
        } else if (cell - nodes_ < 2 * per_table) {
            if (now != kOutputPin) marks_taken_.push_back(cell);
        }
    }
    // The trace lists this call leaves: those of its last unit that grew them.
    for (int chip = chips_; chip >= 1; --chip) {
        const unit_record& u = units_[static_cast<std::size_t>(chip)];
        if (!u.appended) continue;
        carried_trace_.chip.assign(u.trace.chip.begin(), u.trace.chip.end());
        carried_trace_.pin.assign(u.trace.pin.begin(), u.trace.pin.end());
        carried_trace_.value.assign(u.trace.value.begin(), u.trace.value.end());
        break;
    }
    ready_ = chips_ >= 1 && chips_ <= kMostChips;
}

void pass_memo::complete(engine_tables& t) {
    if (complete_) return;
    complete_ = true;
    for (node_entry& e : t.node_state) e.mark = e.mark == t.pass_mark ? kMarkTaken : kUnsettled;
    value_code* marks = t.pin_mark.data();
    for (std::size_t k = 0; k < static_cast<std::size_t>(rows_) * kPinRows; ++k)
        if (marks[k] == t.pass_mark) marks[k] = kMarkTaken;
    t.pass_mark = kMarkTaken;
    for (int chip = 1; chip <= chips_; ++chip) {
        const int visited = t.chip_info[static_cast<std::size_t>(chip)].pin_count;
        for (int pin = 0; pin < kPinRows; ++pin)
            if ((pin < 1 || pin > visited) && t.pin_node(pin, chip) == 0) t.pin_value(pin, chip) = node0_start_;
    }
    for (const auto& [index, code] : off_pass_start_) t.pin_value.data()[index] = code;

    t.trace_chip = carried_trace_.chip;
    t.trace_pin = carried_trace_.pin;
    t.trace_value = carried_trace_.value;
    t.trace_depth = 0;
    t.cleared_drivers.clear();
    for (int chip = chips_; chip >= 1; --chip) {
        // The last unit with steps left the depth and the cleared drivers.
        if (t.chip_info[static_cast<std::size_t>(chip)].pin_count < 1) continue;
        const unit_record& u = units_[static_cast<std::size_t>(chip)];
        t.trace_depth = u.last_depth;
        t.cleared_drivers = u.last_cleared;
        break;
    }
}

}  // namespace lgsim
