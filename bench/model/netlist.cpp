// The netlist driver: node numbers for wires and chip pins, the board's codes
// onto the nodes, and the engine call with the readings it leaves.
#include <exception>
#include <map>
#include <utility>

#include "bench_model.h"
#include "cell_differences.h"
#include "value_codes.h"

namespace bench {

namespace {

using strip = std::pair<int, int>;  // (group, grid column): one conductor

// The wires with an end on each strip, in ascending wire order.
class strip_index {
public:
    explicit strip_index(const std::vector<wire>& wires) {
        for (int w = 1; w < static_cast<int>(wires.size()); ++w) {
            add({wires[w].start_group, wires[w].start_column}, w);
            add({wires[w].end_group, wires[w].end_column}, w);
        }
    }
    int first_wire_on(strip s) const {
        const auto found = strips_.find(s);
        return found == strips_.end() ? 0 : found->second.wires.front();
    }
    // The wires of a strip the first time it is asked for, nothing after:
    // one visit numbers them all.
    const std::vector<int>& take_wires_on(strip s) {
        static const std::vector<int> none;
        const auto found = strips_.find(s);
        if (found == strips_.end() || found->second.taken) return none;
        found->second.taken = true;
        return found->second.wires;
    }

private:
    struct strip_wires {
        std::vector<int> wires;
        bool taken = false;
    };
    void add(strip s, int w) {
        std::vector<int>& list = strips_[s].wires;
        if (list.empty() || list.back() != w) list.push_back(w);  // both ends on one strip
    }
    std::map<strip, strip_wires> strips_;
};

}  // namespace

lgsim::value_code bench_model::node_drive(int node) const {
    return valid_node(node) ? v_node_in_[node] : lgsim::kNoDrive;
}

int bench_model::node_of_pin(int pin, int chip) const {
    if (pin < 0 || pin >= kPinSlots || chip < 1 || chip > chip_count()) return 0;
    return chip_pin_number_(pin, chip);
}

lgsim::value_code bench_model::pin_reading(int pin, int chip) const {
    if (pin < 0 || pin >= kPinSlots || chip < 1 || chip > chip_count()) return lgsim::kNoDrive;
    return pin_readings_(pin, chip);
}

const board_links& bench_model::links() {
    if (!links_current_) {
        links_.build(wires_, chips_, chip_pin_number_, max_node_number_);
        links_current_ = true;
    }
    return links_;
}

void bench_model::node_numbering() {
    links_current_ = false;
    max_node_number_ = 0;
    for (int w = 1; w <= wire_count(); ++w) wires_[w].node = -1;
    for (int k = 1; k <= chip_count(); ++k)
        for (int p = 1; p < kPinSlots; ++p) chip_pin_number_(p, k) = 0;

    // Wires sharing a strip share a node, however long the chain. Every wire
    // of a chain gets the number its lowest wire opened, so the order of the
    // flood does not change any number.
    strip_index index(wires_);
    std::vector<int> to_flood;
    for (int w = 1; w <= wire_count(); ++w) {
        if (wires_[w].node >= 0) continue;
        const auto node = static_cast<std::int16_t>(++max_node_number_);
        wires_[w].node = node;
        to_flood.push_back(w);
        while (!to_flood.empty()) {
            const wire& v = wires_[to_flood.back()];
            to_flood.pop_back();
            for (const strip& end : {strip{v.start_group, v.start_column}, strip{v.end_group, v.end_column}}) {
                for (const int i : index.take_wires_on(end)) {
                    if (wires_[i].node >= 0) continue;
                    wires_[i].node = node;
                    to_flood.push_back(i);
                }
            }
        }
    }

    // A pin takes the node of the lowest wire ending on its strip; a pin that
    // no wire reaches, or that has never been seated, is a node of its own.
    for (int k = 1; k <= chip_count(); ++k) {
        const chip& c = chips_[k];
        for (int j = 1; j <= c.pin_count; ++j) {
            const pin_place& place = c.places[j];
            const int first_wire =
                place.row < 0 ? 0 : index.first_wire_on({place.group, place.column});
            chip_pin_number_(j, k) = first_wire == 0
                                         ? static_cast<std::int16_t>(++max_node_number_)
                                         : wires_[first_wire].node;
        }
    }

    v_node_.resize(max_node_number_ + 1, 0);
    v_node_in_.resize(max_node_number_ + 1, 0);
    for (int n = 1; n <= max_node_number_; ++n) {
        v_node_[n] = lgsim::kNoDrive;
        v_node_in_[n] = lgsim::kNoDrive;
    }
    drive_refresh();
}

void bench_model::drive_terminal_codes() {
    // When several board points reach one node, the last wire and, within a
    // wire, the higher column wins.
    for (const board_links::terminal_drive& d : links().terminal_drives) {
        v_node_[d.node] = point_values_[kTerminalRow][d.column];
        v_node_in_[d.node] = point_values_[kTerminalRow][d.column];
    }
}

void bench_model::drive_refresh() {
    drive_terminal_codes();
    for (int k = 1; k <= chip_count(); ++k)
        for (int j = 1; j <= chips_[k].pin_count; ++j)
            pin_readings_(j, k) = node_drive(chip_pin_number_(j, k));
    readings_follow_nodes_ = false;
}

// Every pin reading becomes the value of its node; after the first time only
// the pins of nodes whose values changed are visited.
void bench_model::update_pin_readings() {
    const int pin_rows = pin_readings_.pin_count();
    lgsim::value_code* readings = pin_readings_.data();
    if (!readings_follow_nodes_ || synced_nodes_.size() != v_node_.size()) {
        const lgsim::value_code* nodes = chip_pin_number_.data();
        for (int k = 1; k <= chip_count(); ++k)
            for (int j = 1; j < pin_rows; ++j) {
                const std::size_t index = static_cast<std::size_t>(k) * pin_rows + j;
                readings[index] = node_value(nodes[index]);
            }
        synced_nodes_ = v_node_;
        readings_follow_nodes_ = true;
        return;
    }
    // Only the nodes whose values changed, found a block at a time: most are as they were.
    const board_links& l = links();
    lgsim::value_code* synced = synced_nodes_.data();
    lgsim::for_each_difference(v_node_.data(), synced, v_node_.size(), [&](std::size_t n) {
        synced[n] = v_node_[n];
        for (int k = l.first[n]; k < l.first[n + 1]; ++k) readings[l.pins[static_cast<std::size_t>(k)]] = v_node_[n];
    });
}

bool bench_model::engine_call() {
    // The model names change only with the circuit: keep the strings when they agree.
    chip_model_.resize(chip_count() + 1);
    chip_model_[0].clear();
    for (int k = 1; k <= chip_count(); ++k)
        if (chip_model_[k] != chips_[k].model) chip_model_[k] = chips_[k].model;
    if (chip_count() == 0) {
        request_redraw();
        node_numbering();
        return true;
    }
    try {
        lgsim::shuzhi engine;
        engine.sim(static_cast<std::int16_t>(chip_count()),
                   static_cast<std::int16_t>(max_node_number_), chip_model_, chip_pin_number_,
                   v_node_in_, v_node_, v_chip_pin_, new_circuit_);
    } catch (const std::exception&) {
        // Only tables out of step can make the engine fail; the bench keeps
        // running and the next step starts afresh.
        return false;
    }
    update_pin_readings();
    return true;
}

void bench_model::evaluation_step() {
    if (engine_call()) display_update();
}

void bench_model::settle_board() {
    drive_refresh();
    // An empty board has nothing to evaluate; the indicators still follow
    // what the wires bring them, without the clearing redraw of a clock tick.
    if (chip_count() == 0)
        display_update();
    else
        evaluation_step();
}

lgsim::value_code bench_model::read_chip_pin(int pin, int chip) {
    if (chip < 1 || chip > chip_count() || pin < 1 || pin >= kPinSlots) return lgsim::kNoDrive;
    drive_refresh();
    if (!engine_call()) return lgsim::kNoDrive;
    return node_value(chip_pin_number_(pin, chip));
}

lgsim::value_code bench_model::read_point(int row, int column) {
    if (row < 0 || row >= kGridRows || column < 0 || column >= kGridColumns) return lgsim::kNoDrive;
    if (row == kTerminalRow) return point_values_[row][column];

    const auto first_pin_where = [this](auto&& matches) -> std::pair<int, int> {
        for (int k = 1; k <= chip_count(); ++k)
            for (int j = 1; j <= chips_[k].pin_count; ++j)
                if (matches(k, j)) return {k, j};
        return {0, 0};
    };

    std::pair<int, int> pin{0, 0};
    int w = 1;
    while (w <= wire_count() && !wires_[w].has_end_at(row, column)) ++w;
    if (w <= wire_count()) {
        // A terminal wired to the same node answers with its own code.
        const int node = wires_[w].node;
        for (int t = 1; t <= wire_count(); ++t) {
            const wire& v = wires_[t];
            if (v.node != node) continue;
            if (v.start_row == kTerminalRow) return point_values_[kTerminalRow][v.start_column];
            if (v.end_row == kTerminalRow) return point_values_[kTerminalRow][v.end_column];
        }
        pin = first_pin_where([&](int k, int j) { return chip_pin_number_(j, k) == node; });
    } else {
        const int group = group_of_row(row);
        pin = first_pin_where([&](int k, int j) {
            const pin_place& place = chips_[k].places[j];
            return place.row >= 0 && place.group == group && place.column == column;
        });
    }
    if (pin.first == 0) return lgsim::kNoDrive;
    return read_chip_pin(pin.second, pin.first);
}

}  // namespace bench
