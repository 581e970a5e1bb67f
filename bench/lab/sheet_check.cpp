#include "sheet_check.h"

#include <exception>

#include <QFileInfo>

#include "circuit_file.h"
#include "expected_output.h"

namespace lab {

namespace {

// Ticks between two questions to `keep_going`: a few milliseconds of work.
constexpr int kTicksPerQuestion = 256;

check_result with_error(check_status status, const QString& error) {
    check_result result;
    result.status = status;
    result.error = error;
    return result;
}

}  // namespace

int check_result::passed() const {
    int count = 0;
    for (const row_result& row : rows) count += row.pass ? 1 : 0;
    return count;
}

int check_result::first_failure() const {
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (!rows[i].pass) return static_cast<int>(i);
    return -1;
}

check_result run_sheet(const lab_sheet& sheet, bench::bench_model& bench, const keep_going_test& keep_going) {
    check_result result;
    const auto stop_now = [&] { return keep_going && !keep_going(); };
    try {
        step_runner runner(bench);
        for (const sheet_step& s : sheet.steps) {
            if (stop_now()) {
                result.status = check_status::stopped;
                return result;
            }
            const step* on_bench = std::get_if<step>(&s.step);
            if (on_bench != nullptr && on_bench->kind == step_kind::tick) {
                // Long runs of ticks ask to go on as they run.
                for (int done = 0; done < on_bench->second; ++done) {
                    if (done % kTicksPerQuestion == kTicksPerQuestion - 1 && stop_now()) {
                        result.status = check_status::stopped;
                        return result;
                    }
                    bench.clock_tick();
                }
                continue;
            }
            const std::string got = runner.reading(s.step);
            if (s.row < 0) continue;
            const check_row& row = sheet.rows[static_cast<std::size_t>(s.row)];
            result.rows.push_back({row.line, row.comment, row.expected, got, output_matches(row.expected, got)});
        }
    } catch (const std::exception& e) {
        result.status = check_status::failed;
        result.error = QString::fromUtf8(e.what());
    }
    return result;
}

check_result check_copy(const lab_sheet& sheet, const bench::circuit_copy& circuit, const keep_going_test& keep_going) {
    bench::bench_model bench;
    bench.take_circuit(circuit);
    return run_sheet(sheet, bench, keep_going);
}

check_result check_file(const lab_sheet& sheet, const QString& path, const keep_going_test& keep_going) {
    const QFileInfo info(path);
    if (!info.exists()) return with_error(check_status::unreadable, bench::missing_file_message(path));
    // A pipe or a device named like a circuit would never end; an empty file
    // holds no circuit, not even an empty one.
    if (!info.isFile() || info.size() == 0)
        return with_error(check_status::unreadable, bench::format_error_message(path));
    try {
        bench::bench_model bench;
        const bench::file_result loaded = bench.load(path);
        if (!loaded.ok) return with_error(check_status::unreadable, loaded.message);
        return run_sheet(sheet, bench, keep_going);
    } catch (const std::exception& e) {
        return with_error(check_status::failed, QString::fromUtf8(e.what()));
    }
}

std::string row_name(const row_result& row) {
    std::string name = "line " + std::to_string(row.line);
    if (!row.comment.isEmpty()) name += ": " + row.comment.toStdString();
    return name;
}

}  // namespace lab
