// Files of 100,000 records: more than node numbers can hold before the end
// record, or a full circuit followed by a long tail of old records.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "bench_model.h"
#include "bench_session.h"
#include "bench_test_support.h"
#include "circuit_snapshot.h"
#include "hostile_support.h"
#include "value_codes.h"

using namespace robustness;

namespace {

constexpr int kRecords = 100000;

enum class outcome { loads, format_error };

struct large_file {
    const char* what;
    // The records before the end record; the file is filled up to kRecords
    // with old wire records after it.
    std::vector<bench::circuit_record> (*circuit)();
    bool end_record;
    outcome expected;
};
void PrintTo(const large_file& f, std::ostream* out) { *out << f.what; }

// Wires from switch 0 over the holes of the breadboard, so that every one
// joins the switch's node.
std::vector<bench::circuit_record> wires(int count) {
    std::vector<bench::circuit_record> records{wire_record(bench::kTerminalRow, 0, 0, 0),
                                               wire_record(0, 0, bench::kLedRow, 0)};
    for (int w = 2; w < count; ++w) records.push_back(wire_record(0, 0, w % 30, w % bench::kGridColumns));
    return records;
}

std::vector<bench::circuit_record> chips(int count, std::string_view model, int pins) {
    bench::circuit_record chip = chip_record("74LS00", 14, 10);
    chip.model = std::string(model);
    chip.pin_count = static_cast<std::int16_t>(pins);
    return std::vector<bench::circuit_record>(count, chip);
}

std::vector<bench::circuit_record> too_many_wires() { return wires(kRecords); }
std::vector<bench::circuit_record> too_many_chips() { return chips(kRecords, "74LS00", 14); }
// As many as 16-bit node numbers hold: one node per wire and per chip pin.
std::vector<bench::circuit_record> most_wires() { return wires(bench::kMaxNodeNumber); }
std::vector<bench::circuit_record> most_small_chips() {
    return chips(bench::kMaxNodeNumber / 2, "NOSUCH", 2);
}
std::vector<bench::circuit_record> most_nand_chips() {
    // All on one seat, powered, gate 1 of every one reading switch 0 and
    // driving LED 0.
    std::vector<bench::circuit_record> records{
        wire_record(bench::kTerminalRow, bench::kSupplyColumn, 13, 10),
        wire_record(bench::kTerminalRow, bench::kGroundColumn, 16, 16),
        wire_record(bench::kTerminalRow, 0, 16, 10), wire_record(17, 12, bench::kLedRow, 0)};
    const std::vector<bench::circuit_record> nands = chips(bench::kMaxNodeNumber / 14 - 1, "74LS00", 14);
    records.insert(records.end(), nands.begin(), nands.end());
    return records;
}

class LargeFile : public ::testing::TestWithParam<large_file> {};

TEST_P(LargeFile, LoadsOrFailsCleanlyAndQuickly) {
    const large_file& file = GetParam();
    std::vector<bench::circuit_record> records = file.circuit();
    const std::size_t circuit_records = records.size();
    if (file.end_record) records.push_back(end_record());
    while (records.size() < static_cast<std::size_t>(kRecords)) records.push_back(wire_record(1, 1, 2, 2));
    ASSERT_EQ(records.size(), static_cast<std::size_t>(kRecords));
    QTemporaryDir folder;
    const QString path = folder.filePath("large.cir");
    write_file(path, file_of(records));

    bench::bench_model bench;
    bench::testing::place_chip(bench, "74LS04", 4, 10);
    bench::testing::connect(bench, 36, 22, 3, 10);
    const std::string before = circuit_snapshot(bench);
    const bench::file_result result = bench.load(path);
    if (file.expected == outcome::format_error) {
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.message, bench::format_error_message(path));
        EXPECT_EQ(circuit_snapshot(bench), before);
    } else {
        ASSERT_TRUE(result.ok) << result.message.toStdString();
        EXPECT_EQ(static_cast<std::size_t>(bench.chip_count() + bench.wire_count()), circuit_records);
    }
    run_session(bench, 3);
}

INSTANTIATE_TEST_SUITE_P(
    Records, LargeFile,
    ::testing::Values(large_file{"too_many_wires", too_many_wires, false, outcome::format_error},
                      large_file{"too_many_chips", too_many_chips, false, outcome::format_error},
                      large_file{"most_wires_then_old_records", most_wires, true, outcome::loads},
                      large_file{"most_small_chips_then_old_records", most_small_chips, true, outcome::loads},
                      large_file{"most_nand_chips_then_old_records", most_nand_chips, true, outcome::loads}),
    [](const ::testing::TestParamInfo<large_file>& info) { return std::string(info.param.what); });

TEST(LargeFiles, TheWiresOfAFullFileAllJoinTheSwitch) {
    QTemporaryDir folder;
    const QString path = folder.filePath("wires.cir");
    std::vector<bench::circuit_record> records = wires(bench::kMaxNodeNumber);
    records.push_back(end_record());
    write_file(path, file_of(records));
    bench::bench_model bench;
    ASSERT_TRUE(bench.load(path).ok);
    bench.press_switch(0);
    bench.press_power();
    bench.clock_tick();
    EXPECT_TRUE(bench.led_shown(0));
    EXPECT_EQ(bench.read_point(29, 64), lgsim::kHigh);
}

TEST(LargeFiles, ThousandsOfGatesOnOneSeatDriveTheirNodeTogether) {
    QTemporaryDir folder;
    const QString path = folder.filePath("nands.cir");
    std::vector<bench::circuit_record> records = most_nand_chips();
    records.push_back(end_record());
    write_file(path, file_of(records));
    bench::bench_model bench;
    ASSERT_TRUE(bench.load(path).ok);
    bench.press_power();
    bench.clock_tick();
    EXPECT_TRUE(bench.led_shown(0)) << "a low input: every gate drives high, none against another";
    bench.press_switch(0);
    bench.clock_tick();
    EXPECT_FALSE(bench.led_shown(0));
    EXPECT_EQ(bench.pin_reading(3, bench.chip_count()), lgsim::kLow);
}

}  // namespace
