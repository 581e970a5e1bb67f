// Truth tables: every combination of up to eight toggle switches run on a
// copy of a circuit, each row settled with clock ticks, and the outputs read
// as the bench shows them. The table is made by the steps of a lab sheet and
// comes with that sheet, each reading expecting what the circuit printed
// (x for what is not an output), so that a teacher turns a reference circuit
// into the sheet that checks the students' circuits.
#pragma once

#include <array>
#include <vector>

#include <QByteArray>
#include <QString>

#include "bench_model.h"
#include "circuit_copy.h"
#include "lab_sheet.h"

namespace lab {

inline constexpr int kMostTableInputs = 8;
inline constexpr int kSegmentsPerDigit = 8;  // a b c d e f g and the point

enum class output_kind {
    led,              // LED `first`
    module_segment,   // segment `second` (0 a .. 7 point) of the module's digit `first` (1 or 2)
    display_segment,  // segment `second` of display chip `first`
    point,            // the reading at connection point (`first`, `second`)
};

struct output_probe {
    output_kind kind = output_kind::led;
    int first = 0;
    int second = 0;
    friend bool operator==(const output_probe&, const output_probe&) = default;
};

// As the board labels them: "L3", "数码管1 a", "U3 b", "15:12".
QString output_name(const output_probe& output);
QString input_name(int toggle_switch);  // "K3"

struct truth_table_request {
    std::vector<int> inputs;  // toggle switches; the first is the most significant bit
    std::vector<output_probe> outputs;
    int settle_ticks = 2;  // clock ticks after the switches of a row are set
    // Switches that are no input stand as the user left them on the bench.
    std::array<int, bench::kSwitchCount> other_switches{};
};

struct truth_table {
    std::vector<std::vector<int>> inputs;       // per row, 0 or 1 per input
    std::vector<std::vector<QString>> outputs;  // per row: "0", "1", or the code a point reads
    lab_sheet sheet;
};

// Nothing is run for a request without inputs or outputs, with more than
// kMostTableInputs inputs, or with ticks below 1: the table is empty.
truth_table make_truth_table(const bench::circuit_copy& circuit, const truth_table_request& request);

// One line of names, then one line per row.
QByteArray truth_table_csv(const truth_table_request& request, const truth_table& table);

}  // namespace lab
