#include "hostile_support.h"

#include <stdexcept>
#include <string>

#include <QFile>

#include "bench_test_support.h"
#include "catalogue.h"

namespace robustness {

hole pin_hole(const bench::bench_model& bench, int k, int j) {
    const bench::pin_place& place = bench.chip_at(k).places.at(j);
    if (place.row < 0) throw std::logic_error("pin of an unseated chip");
    return {place.row, place.column};
}

int wire_holes(bench::bench_model& bench, hole from, hole to) {
    return bench::testing::connect(bench, from.row, from.column, to.row, to.column);
}

void power_chip(bench::bench_model& bench, int k) {
    const int row = lgsim::catalogue_row_of(bench.chip_at(k).model);
    if (row < 0) throw std::invalid_argument("no catalogue row for " + bench.chip_at(k).model);
    const lgsim::catalogue_entry& entry = lgsim::kCatalogue[row];
    if (entry.supply_pin == 0) return;  // the display needs no power
    wire_holes(bench, {bench::kTerminalRow, bench::kSupplyColumn}, pin_hole(bench, k, entry.supply_pin));
    wire_holes(bench, {bench::kTerminalRow, bench::kGroundColumn}, pin_hole(bench, k, entry.ground_pin));
}

bench::circuit_record wire_record(int start_row, int start_column, int end_row, int end_column) {
    bench::circuit_record r;
    r.record_kind = bench::kWireRecord;
    r.start_row = static_cast<std::int16_t>(start_row);
    r.start_column = static_cast<std::int16_t>(start_column);
    r.end_row = static_cast<std::int16_t>(end_row);
    r.end_column = static_cast<std::int16_t>(end_column);
    return r;
}

bench::circuit_record chip_record(std::string_view model, int upper_row, int column) {
    const int row = lgsim::catalogue_row_of(model);
    if (row < 0) throw std::invalid_argument("no model " + std::string(model));
    const lgsim::catalogue_entry& entry = lgsim::kCatalogue[row];
    bench::circuit_record r;
    r.record_kind = bench::kChipRecord;
    r.model = std::string(entry.model);
    r.mount_kind = entry.mount_kind;
    r.pin_count = entry.pin_count;
    r.chip_class = entry.chip_class;
    r.description = std::string(entry.description);
    const bench::board_point seat = bench::testing::seat_position(upper_row, column, entry.chip_class);
    r.left = bench::stored_twips(seat.x);
    r.top = bench::stored_twips(seat.y);
    return r;
}

bench::circuit_record end_record() {
    bench::circuit_record r;
    r.record_kind = bench::kEndRecord;
    return r;
}

QByteArray file_of(const std::vector<bench::circuit_record>& records) {
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(records.size()) * bench::kRecordSize);
    for (const bench::circuit_record& r : records) bytes += bench::encode_record(r);
    return bytes;
}

void write_file(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

QByteArray read_file(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read " + path.toStdString());
    return file.readAll();
}

}  // namespace robustness
