#include "circuit_exercise.h"

#include <algorithm>
#include <sstream>
#include <vector>

#include <QFile>

#include "bench_model.h"
#include "bench_session.h"
#include "catalogue.h"
#include "circuit_file.h"
#include "circuit_snapshot.h"
#include "cirtool_commands.h"

namespace robustness {

namespace {

constexpr int kSessionTicks = 3;

bool write_file(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray file_bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool same_numbers(const bench::circuit_record& a, const bench::circuit_record& b) {
    return a.record_kind == b.record_kind && a.mount_kind == b.mount_kind &&
           a.pin_count == b.pin_count && a.chip_class == b.chip_class && a.top == b.top &&
           a.left == b.left && a.start_row == b.start_row && a.start_column == b.start_column &&
           a.end_row == b.end_row && a.end_column == b.end_column && a.colour == b.colour &&
           a.points == b.points;
}

// Every whole record of the bytes, decoded and encoded again, keeps its numbers.
std::optional<std::string> check_records(const QByteArray& bytes) {
    for (qsizetype at = 0; at + bench::kRecordSize <= bytes.size(); at += bench::kRecordSize) {
        const bench::circuit_record record = bench::decode_record(bytes.constData() + at);
        bench::record_is_sound(record);
        const QByteArray encoded = bench::encode_record(record);
        if (encoded.size() != bench::kRecordSize) return "an encoded record is not one record long";
        if (!same_numbers(bench::decode_record(encoded.constData()), record))
            return "a record's numbers change when it is encoded again";
    }
    return std::nullopt;
}

// A NAND gate with power, a switch and an LED: what the bench holds when the
// student opens the file.
void build_circuit_in_place(bench::bench_model& bench) {
    const int row = lgsim::catalogue_row_of("74LS00");
    const bench::board_point hole = bench::point_position(14, 10);
    const int k = bench.drop_chip(row, hole.x - bench::kPitch / 1.4, hole.y + 5);
    bench.seat_chip(k);
    const auto wire_between = [](int r1, int c1, int r2, int c2) {
        bench::wire w;
        w.start_row = static_cast<std::int16_t>(r1);
        w.start_column = static_cast<std::int16_t>(c1);
        w.end_row = static_cast<std::int16_t>(r2);
        w.end_column = static_cast<std::int16_t>(c2);
        w.points = {{100, 200}, {300, 400}};
        return w;
    };
    bench.add_wire(wire_between(36, bench::kSupplyColumn, 13, 10));
    bench.add_wire(wire_between(36, bench::kGroundColumn, 16, 16));
    bench.add_wire(wire_between(36, 0, 16, 10));
    bench.add_wire(wire_between(35, 0, 17, 12));
}

std::optional<std::string> check_cirtool(const QString& path, bool loads, int lines) {
    std::ostringstream out;
    std::ostringstream err;
    const int expected = loads ? cirtool::kSuccess : cirtool::kFileFailed;
    if (cirtool::run({QStringLiteral("info"), path}, out, err) != expected)
        return "cirtool info and the bench's Load disagree";
    const std::string printed = out.str();
    if (loads && std::count(printed.begin(), printed.end(), '\n') != lines)
        return "cirtool info does not print one line per chip and wire";
    const QStringList run{QStringLiteral("run"), path,           QStringLiteral("power on"),
                          QStringLiteral("switch 1 1"),          QStringLiteral("tick 3"),
                          QStringLiteral("pulse 0"),             QStringLiteral("press 1"),
                          QStringLiteral("release 1"),           QStringLiteral("leds"),
                          QStringLiteral("digits"),              QStringLiteral("point 15 10"),
                          QStringLiteral("point 35 18"),         QStringLiteral("pin 1 3"),
                          QStringLiteral("power off"),           QStringLiteral("tick")};
    if (cirtool::run(run, out, err) != expected) return "cirtool run and the bench's Load disagree";
    if (cirtool::run({QStringLiteral("dump"), path}, out, err) != expected)
        return "cirtool dump and the bench's Load disagree";
    return std::nullopt;
}

}  // namespace

std::optional<std::string> exercise_circuit_file(const QByteArray& bytes, const QString& folder) {
    const QString path = folder + QStringLiteral("/input.cir");
    if (!write_file(path, bytes)) return "the input file cannot be written";
    if (auto broken = check_records(bytes)) return broken;

    const bench::read_result read = bench::read_circuit_file(path);
    if (read.status == bench::read_status::missing) return "the reader misses a file that exists";

    bench::bench_model bench;
    bench.set_hooks(window_like_hooks());
    build_circuit_in_place(bench);
    const std::string before = circuit_snapshot(bench);
    const bench::file_result loaded = bench.load(path);
    const bool loads = read.status == bench::read_status::ok;
    if (loaded.ok != loads) return "the bench's Load and the record reader disagree";
    if (!loaded.ok) {
        if (loaded.message != bench::format_error_message(path)) return "a bad file gives the wrong message";
        if (circuit_snapshot(bench) != before) return "a failed load changed the circuit on the bench";
    } else if (static_cast<std::size_t>(bench.chip_count() + bench.wire_count()) != read.records.size()) {
        return "the bench took a different number of records than the reader read";
    }

    if (loaded.ok) {
        // What the bench saves, it loads back as the same circuit.
        const QString first = folder + QStringLiteral("/first.cir");
        const QString second = folder + QStringLiteral("/second.cir");
        if (!bench.save(first).ok) return "a loaded circuit cannot be saved";
        bench::bench_model again;
        again.set_hooks(window_like_hooks());
        if (!again.load(first).ok) return "a saved circuit does not load";
        if (!again.save(second).ok) return "a reloaded circuit cannot be saved";
        if (file_bytes(first) != file_bytes(second)) return "a saved circuit does not load back the same";
    }

    run_session(bench, kSessionTicks);
    // A double click deletes a chip and seats the rest again, as they came
    // from the file; clear empties the bench with the power still on.
    if (bench.chip_count() > 0) {
        bench.delete_chip(1);
        bench.clock_tick();
    }
    bench.press_power();
    bench.clock_tick();
    bench.press_power();
    bench.clear();
    bench.clock_tick();
    return check_cirtool(path, loads, static_cast<int>(read.records.size()));
}

}  // namespace robustness
