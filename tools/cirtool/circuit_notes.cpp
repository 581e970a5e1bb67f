#include "circuit_notes.h"

namespace cirtool {

namespace {

// The chip pins on the strip of a connection point, joined by '+'.
std::string pins_on_strip(const bench::bench_model& bench, int row, int column) {
    if (row >= bench::kLedRow) return {};  // terminals and LEDs are strips of their own
    const int group = bench::group_of_row(row);
    std::string pins;
    for (int k = 1; k <= bench.chip_count(); ++k) {
        const bench::chip& c = bench.chip_at(k);
        for (int j = 1; j <= c.pin_count; ++j) {
            const bench::pin_place& place = c.places[j];
            if (place.row < 0 || place.group != group || place.column != column) continue;
            if (!pins.empty()) pins += '+';
            pins += 'U' + std::to_string(k) + '.' + std::to_string(j);
        }
    }
    return pins;
}

}  // namespace

circuit_notes notes_of(const bench::bench_model& bench) {
    circuit_notes notes;
    for (int w = 1; w <= bench.wire_count(); ++w) {
        const bench::wire& v = bench.wire_at(w);
        const std::string from = pins_on_strip(bench, v.start_row, v.start_column);
        const std::string to = pins_on_strip(bench, v.end_row, v.end_column);
        if (from.empty() && to.empty())
            notes.wires.emplace_back();
        else if (to.empty())
            notes.wires.push_back(from + " ->");
        else if (from.empty())
            notes.wires.push_back("-> " + to);
        else
            notes.wires.push_back(from + " -> " + to);
    }
    for (int k = 1; k <= bench.chip_count(); ++k)
        notes.chips.push_back('U' + std::to_string(k) + (bench.chip_at(k).seated() ? "" : ", not seated"));
    return notes;
}

}  // namespace cirtool
