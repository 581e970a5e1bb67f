// Helpers for hostile circuits: where a chip pin can be wired, power for a
// chip, and circuit files written record by record.
#pragma once

#include <string_view>
#include <vector>

#include <QByteArray>
#include <QString>

#include "bench_model.h"
#include "circuit_file.h"

namespace robustness {

struct hole {
    int row = -1;
    int column = -1;
};

// The hole chip k's pin j sits in: a wire ending there joins the pin's strip.
hole pin_hole(const bench::bench_model& bench, int k, int j);

// A wire from one hole (or board terminal) to another.
int wire_holes(bench::bench_model& bench, hole from, hole to);

// Wires the supply and ground terminals to chip k's power pins, from the catalogue.
void power_chip(bench::bench_model& bench, int k);

// A wire record from (start_row, start_column) to (end_row, end_column), no points.
bench::circuit_record wire_record(int start_row, int start_column, int end_row, int end_column);
// A chip record of a catalogue model whose picture sits over the seat with its
// upper pin row on `upper_row` and its last pin at `column`.
bench::circuit_record chip_record(std::string_view model, int upper_row, int column);
bench::circuit_record end_record();

QByteArray file_of(const std::vector<bench::circuit_record>& records);
void write_file(const QString& path, const QByteArray& bytes);
QByteArray read_file(const QString& path);

}  // namespace robustness
