// Checking circuits against a sheet: a correct circuit passes, a wrong one
// fails on the row that shows the fault, and a check runs on a bench of its
// own.
#include <gtest/gtest.h>

#include <atomic>

#include <QFile>
#include <QTemporaryDir>

#include "bench_model.h"
#include "catalogue.h"
#include "lab_test_support.h"
#include "sheet_check.h"

using namespace lab;
using namespace lab::testing;

namespace {

// The half adder with LED 0 on the AND gate's input B instead of its output.
std::string half_adder_with_carry_on_b() {
    return example_text("half_adder", "wire 6:26 led0", "wire 6:25 led0");
}

}  // namespace

TEST(SheetCheck, TheCorrectCircuitPassesEveryRow) {
    const check_result r = check_copy(example_sheet("half_adder"), circuit_of(example_text("half_adder")));
    ASSERT_EQ(r.status, check_status::checked);
    EXPECT_EQ(r.total(), 4);
    EXPECT_EQ(r.passed(), 4);
    EXPECT_TRUE(r.all_pass());
}

TEST(SheetCheck, AMovedWireFailsOnTheRowThatShowsIt) {
    const lab_sheet sheet = example_sheet("half_adder");
    const check_result r = check_copy(sheet, circuit_of(half_adder_with_carry_on_b()));
    ASSERT_EQ(r.status, check_status::checked);
    ASSERT_EQ(r.total(), 4);
    // B alone lights the carry: 0 + 1 is the first row to show it; 1 + 0
    // passes, and 1 + 1 gives the right carry.
    EXPECT_EQ(r.first_failure(), 1);
    EXPECT_EQ(r.rows[1].line, sheet.rows[1].line);
    EXPECT_EQ(r.rows[1].got, "leds 1100000000000000");
    EXPECT_EQ(r.rows[1].expected, sheet.rows[1].expected);
    EXPECT_TRUE(r.rows[0].pass);
    EXPECT_TRUE(r.rows[2].pass);
    EXPECT_TRUE(r.rows[3].pass);
    EXPECT_FALSE(r.all_pass());
}

TEST(SheetCheck, FilesThatHoldNoCircuitAreNotChecked) {
    QTemporaryDir dir;
    const lab_sheet sheet = example_sheet("half_adder");
    EXPECT_EQ(check_file(sheet, dir.filePath("missing.cir")).status, check_status::unreadable);
    QFile empty(dir.filePath("empty.cir"));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    const check_result r = check_file(sheet, empty.fileName());
    EXPECT_EQ(r.status, check_status::unreadable);
    EXPECT_EQ(r.error, QStringLiteral("文件") + empty.fileName() + QStringLiteral("格式错误"));
    EXPECT_TRUE(r.rows.empty());
    EXPECT_FALSE(r.all_pass());
    EXPECT_EQ(check_file(sheet, dir.path()).status, check_status::unreadable) << "a folder named like a circuit";
}

TEST(SheetCheck, ARunStopsWhenItMayNotGoOn) {
    const lab_sheet sheet = sheet_of("> power on\n> tick 100000000\n> leds\nleds 0000000000000000\n");
    std::atomic<int> questions{0};
    const check_result r = check_copy(sheet, circuit_of(example_text("decade_counter")), [&] { return ++questions < 3; });
    EXPECT_EQ(r.status, check_status::stopped);
    EXPECT_EQ(questions, 3);
    EXPECT_TRUE(r.rows.empty());
}

TEST(SheetCheck, ACopyKeepsEachChipWhereItIs) {
    bench::bench_model bench;
    const int row = lgsim::catalogue_row_of("74LS00");
    ASSERT_GE(row, 0);
    // One chip seated on the holes, one dropped beside them and never seated.
    const bench::board_point hole = bench::point_position(4, 10);
    const int seated = bench.drop_chip(row, hole.x - bench::kPitch / 1.4, hole.y + 5);
    bench.release_chip(seated);
    bench.drop_chip(row, 500, 500);
    ASSERT_TRUE(bench.chip_at(1).seated());
    ASSERT_FALSE(bench.chip_at(2).seated());
    bench::bench_model copy;
    copy.take_circuit(bench.circuit());
    ASSERT_EQ(copy.chip_count(), 2);
    EXPECT_EQ(copy.chip_at(1).places[1].row, bench.chip_at(1).places[1].row);
    EXPECT_EQ(copy.chip_at(1).places[1].column, bench.chip_at(1).places[1].column);
    EXPECT_FALSE(copy.chip_at(2).seated());
}
