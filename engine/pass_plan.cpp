#include "pass_plan.h"

#include <algorithm>
#include <cstring>


namespace lgsim {

namespace {

constexpr int kPinRows = kMaxPinNumber + 1;

bool node_in_range(int node, std::size_t node_rows) {
    return node >= 0 && static_cast<std::size_t>(node) < node_rows;
}

const value_code* pin_column(const PinArray& table, int chip) {
    return table.data() + static_cast<std::size_t>(chip) * table.pin_count();
}

// Mode 0 depends on nothing but the model and the pin, and an unknown model
// answers nothing at all, which counts as an output.
bool is_output(model_routine routine, int chip, int pin) {
    if (routine == nullptr) return true;
    const auto kind = routine(chip, pin, 0);
    return !kind || *kind != kNotOutput;
}

}  // namespace

bool pass_plan::has_pins(const engine_tables& t) const {
    for (int chip = 1; chip <= chip_count_; ++chip)
        if (t.chip_info[chip].pin_count != pin_counts_[chip]) return false;
    const std::size_t cells = pin_nodes_.size();
    if (t.pin_node.pin_count() != kPinRows ||
        static_cast<std::size_t>(t.pin_node.chip_count() - 1) * kPinRows != cells)
        return false;
    return std::memcmp(pin_column(t.pin_node, 1), pin_nodes_.data(), sizeof(value_code) * cells) == 0;
}

bool pass_plan::describes(const engine_tables& t) const {
    if (!has_shape(t.chip_count, t.node_state.size())) return false;
    for (int chip = 1; chip <= chip_count_; ++chip)
        if (!has_name(chip, t.chip_info[chip].name)) return false;
    return has_pins(t);
}

void pass_plan::build(const engine_tables& t) {
    forget();  // until it is complete
    ++generation_;
    const int chips = std::max<int>(t.chip_count, 0);
    const std::size_t node_rows = t.node_state.size();
    names_.assign(chips + 1, std::string());
    pin_counts_.assign(chips + 1, 0);
    catalogue_pins_.assign(chips + 1, -1);
    routines_.assign(chips + 1, nullptr);
    pin_nodes_.assign(pin_column(t.pin_node, 1), pin_column(t.pin_node, 1) + chips * kPinRows);
    steps_.clear();
    off_pass_pins_.clear();
    first_steps_.assign(chips + 2, 0);

    for (int chip = 1; chip <= chips; ++chip) {
        first_steps_[chip] = static_cast<int>(steps_.size());
        const chip_info_row& info = t.chip_info[chip];
        names_[chip] = info.name;
        pin_counts_[chip] = info.pin_count;
        catalogue_pins_[chip] = catalogue_pins_of(info.name);
        routines_[chip] = routine_of(info.name);
        for (int pin = 1; pin <= info.pin_count; ++pin) {
            const int node = t.pin_node(pin, chip);
            pass_step step;
            step.chip = static_cast<std::int16_t>(chip);
            step.pin = static_cast<std::int16_t>(pin);
            step.node = node;
            step.output = is_output(routines_[chip], chip, pin);
            step.routine = routines_[chip];
            steps_.push_back(step);
        }
        for (int pin = 0; pin <= kMaxPinNumber; ++pin) {
            const int node = t.pin_node(pin, chip);
            const bool visited = pin >= 1 && pin <= info.pin_count;
            if (!visited && node != 0)
                off_pass_pins_.push_back({static_cast<std::int16_t>(chip), static_cast<std::int16_t>(pin), node});
        }
    }

    first_steps_[chips + 1] = static_cast<int>(steps_.size());

    // The outputs of each node, grouped by node and in pass order within a
    // node. A node outside 0..M is never looked up (reading it fails first),
    // so its pins are left out.
    outputs_begin_.assign(node_rows + 1, 0);
    for (const pass_step& step : steps_)
        if (step.output && node_in_range(step.node, node_rows)) ++outputs_begin_[step.node + 1];
    for (std::size_t node = 0; node < node_rows; ++node)
        outputs_begin_[node + 1] += outputs_begin_[node];
    node_outputs_.assign(static_cast<std::size_t>(outputs_begin_[node_rows]), pin_ref{});
    std::vector<int> filled(outputs_begin_.begin(), outputs_begin_.end() - 1);
    for (pass_step& step : steps_) {
        if (!step.output || !node_in_range(step.node, node_rows)) continue;
        const int rank = filled[step.node]++;
        node_outputs_[rank] = {step.chip, step.pin};
        step.rivals_begin = outputs_begin_[step.node];
        step.rivals_end = rank;
    }

    chip_count_ = t.chip_count;
    node_rows_ = node_rows;
}

}  // namespace lgsim
