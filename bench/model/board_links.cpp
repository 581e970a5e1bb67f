#include "board_links.h"

#include <algorithm>
#include <utility>

#include "board_geometry.h"

namespace bench {

void board_links::build(const std::vector<wire>& wires, const std::vector<chip>& chips,
                        const lgsim::PinArray& chip_pin_number, int max_node) {
    const auto valid = [max_node](int node) { return node >= 0 && node <= max_node; };

    terminal_drives.clear();
    for (auto& nodes : led_nodes) nodes.clear();
    module_nodes.fill(-1);
    for (std::size_t w = 1; w < wires.size(); ++w) {
        const wire& v = wires[w];
        // A wire has two ends, so at most two terminals, visited in column
        // order as a scan of the terminal row would.
        if (valid(v.node)) {
            int first = v.start_row == kTerminalRow ? v.start_column : -1;
            int second = v.end_row == kTerminalRow ? v.end_column : -1;
            if (first > second) std::swap(first, second);
            for (const int b : {first, second})
                if (b >= 0 && b < kGridColumns) terminal_drives.push_back({v.node, b});
        }
        for (int k = 0; k < static_cast<int>(led_nodes.size()); ++k)
            if (v.has_end_at(kLedRow, k)) led_nodes[static_cast<std::size_t>(k)].push_back(v.node);
        for (int c = kDigit1CommonColumn; c <= kLastSegmentColumn; ++c) {
            int& first = module_nodes[static_cast<std::size_t>(c - kDigit1CommonColumn)];
            if (first < 0 && v.has_end_at(kLedRow, c)) first = v.node;
        }
    }

    display_chips.clear();
    for (std::size_t k = 1; k < chips.size(); ++k)
        if (chips[k].chip_class == 4) display_chips.push_back(static_cast<int>(k));

    // Pins grouped by node, counted first.
    const int pin_count = chip_pin_number.pin_count();
    const int chip_rows = std::min<int>(chip_pin_number.chip_count(), static_cast<int>(chips.size()));
    first.assign(static_cast<std::size_t>(max_node) + 2, 0);
    const lgsim::value_code* nodes = chip_pin_number.data();
    for (int k = 1; k < chip_rows; ++k)
        for (int j = 1; j < pin_count; ++j) {
            const int n = nodes[static_cast<std::size_t>(k) * pin_count + j];
            if (valid(n)) ++first[static_cast<std::size_t>(n) + 1];
        }
    for (std::size_t n = 1; n < first.size(); ++n) first[n] += first[n - 1];
    pins.assign(static_cast<std::size_t>(first.back()), 0);
    std::vector<int> next(first.begin(), first.end() - 1);
    for (int k = 1; k < chip_rows; ++k)
        for (int j = 1; j < pin_count; ++j) {
            const int index = k * pin_count + j;
            const int n = nodes[index];
            if (valid(n)) pins[static_cast<std::size_t>(next[static_cast<std::size_t>(n)]++)] = index;
        }
}

}  // namespace bench
