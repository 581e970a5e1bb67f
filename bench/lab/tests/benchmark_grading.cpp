// Grading a class: 200 circuits of the size of the shipped examples (the
// decade counter, every fourth with a wire moved) against a sheet of 30
// check rows, two files at a time. Wall-clock time: what a teacher waits.
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

#include <QTemporaryDir>

#include "grading.h"
#include "lab_test_support.h"

namespace {

using namespace lab;
using namespace lab::testing;

constexpr int kCircuits = 200;
constexpr int kRows = 30;

// Counts 30 half clock periods with the clear released, reading the digits
// after each; the expected pattern leaves the segments open.
lab_sheet thirty_row_sheet() {
    std::string text = "# Decade counter\n> power on\n> switch 12 1\n";
    for (int row = 1; row <= kRows; ++row)
        text += "> tick 2\n> digits\ndigits xxxxxxxx 00000000  # count " + std::to_string(row) + "\n";
    return sheet_of(text);
}

void GradeAClass(benchmark::State& state) {
    QTemporaryDir folder;
    const std::string correct = example_text("decade_counter");
    const std::string moved = example_text("decade_counter", "wire 12:55 seg.a", "wire 12:56 seg.a");
    for (int i = 0; i < kCircuits; ++i)
        write_circuit(i % 4 == 3 ? moved : correct, folder.filePath(QStringLiteral("student%1.cir").arg(i, 3, 10, QChar(u'0'))));
    const lab_sheet sheet = thirty_row_sheet();
    const grading_options options{static_cast<int>(state.range(0)), kDefaultTimeLimit};
    for (auto _ : state) {
        const std::vector<file_grade> grades = grade_folder(sheet, folder.path(), options);
        if (grades.size() != kCircuits || grades[0].result.total() != kRows) throw std::runtime_error("not graded");
        benchmark::DoNotOptimize(grades.data());
    }
    state.counters["files"] = kCircuits;
}
BENCHMARK(GradeAClass)->Arg(2)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
