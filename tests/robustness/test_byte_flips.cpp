// A valid circuit file with one byte changed at a time: the bench either
// takes the file or reports a format error with its circuit as it was.
#include <gtest/gtest.h>

#include <algorithm>

#include <QFile>
#include <QTemporaryDir>

#include "bench_model.h"
#include "bench_test_support.h"
#include "circuit_snapshot.h"
#include "hostile_support.h"

using namespace robustness;

namespace {

constexpr hole kGround{bench::kTerminalRow, bench::kGroundColumn};

// A circuit like the shipped examples: a gate, a flip-flop and a display
// chip with power, a switch, the clock, an LED, the module, a wire with
// bends and a probe's contact wire. Its chip record 2 (the flip-flop) is
// the one whose every byte takes every value.
QByteArray example_circuit(const QString& path, int& flip_flop_record) {
    bench::bench_model bench;
    const int nand = bench::testing::place_chip(bench, "74LS00", 14, 10);
    const int flip_flop = bench::testing::place_chip(bench, "74LS74", 4, 20);
    const int display = bench::testing::place_chip(bench, "BS204", 21, 40);
    for (const int k : {nand, flip_flop}) power_chip(bench, k);
    wire_holes(bench, {bench::kTerminalRow, 0}, pin_hole(bench, nand, 1));
    wire_holes(bench, pin_hole(bench, nand, 3), {bench::kLedRow, 0});
    wire_holes(bench, {bench::kTerminalRow, bench::kClockColumn}, pin_hole(bench, flip_flop, 3));
    wire_holes(bench, pin_hole(bench, flip_flop, 6), pin_hole(bench, flip_flop, 2));
    wire_holes(bench, pin_hole(bench, flip_flop, 5), {bench::kLedRow, 18});
    wire_holes(bench, pin_hole(bench, display, 3), kGround);
    wire_holes(bench, pin_hole(bench, display, 7), pin_hole(bench, flip_flop, 5));
    bench::wire bent = bench::testing::wire_between(bench::kTerminalRow, 1, 35, 1);
    bent.points.insert(bent.points.begin() + 1, {{5000, 6000}, {5100, 6100}, {5200, 6200}});
    bench.add_wire(bent);
    bench::wire contact;
    contact.start_row = contact.end_row = 17;
    contact.start_column = contact.end_column = 12;
    bench.add_wire(contact);
    flip_flop_record = bench.wire_count() + flip_flop;
    EXPECT_TRUE(bench.save(path).ok);
    return read_file(path);
}

// Loads the example with one byte changed, over whatever the bench holds.
// Only that byte is written to the file, so a run costs a load, not a new file.
class flip_run {
public:
    flip_run(const QString& path, const QByteArray& example) : path_(path), example_(example) {
        write_file(path_, example_);
        file_.setFileName(path_);
        file_.open(QIODevice::ReadWrite);
    }

    // False (with the reason in `failure`) when the bench broke its promise.
    bool load(qsizetype at, unsigned char value, std::string& failure) {
        put(at, static_cast<char>(value));
        const std::string before = circuit_snapshot(bench_);
        const bench::file_result result = bench_.load(path_);
        put(at, example_[at]);
        if (!result.ok) {
            if (result.message != bench::format_error_message(path_)) {
                failure = "message " + result.message.toStdString();
                return false;
            }
            if (circuit_snapshot(bench_) != before) {
                failure = "the failed load changed the circuit";
                return false;
            }
            return true;
        }
        ++loaded_;
        // A short session: tens of thousands of files load here.
        if (!bench_.power_on()) bench_.press_power();
        bench_.clock_tick();
        bench_.clock_tick();
        for (int w = 1; w <= std::min(bench_.wire_count(), 2); ++w) {
            const int row = bench_.wire_at(w).end_row, column = bench_.wire_at(w).end_column;
            bench_.read_point(row, column);
        }
        return true;
    }
    int loaded() const { return loaded_; }

private:
    void put(qsizetype at, char value) {
        file_.seek(at);
        file_.write(&value, 1);
        file_.flush();
    }

    QString path_;
    QByteArray example_;
    QFile file_;
    bench::bench_model bench_;
    int loaded_ = 0;
};

struct byte_flips : ::testing::Test {
    QTemporaryDir folder;
    int flip_flop_record = 0;
    QByteArray example = example_circuit(folder.filePath("example.cir"), flip_flop_record);
    flip_run run{folder.filePath("flipped.cir"), example};
};

TEST_F(byte_flips, EveryByteSetToHostileValues) {
    ASSERT_FALSE(example.isEmpty());
    for (qsizetype at = 0; at < example.size(); ++at) {
        for (const unsigned char value : {0x00, 0x01, 0x20, 0x7F, 0x80, 0xFE, 0xFF}) {
            if (static_cast<unsigned char>(example[at]) == value) continue;
            std::string failure;
            ASSERT_TRUE(run.load(at, value, failure)) << "byte " << at << " = " << int{value} << ": " << failure;
        }
    }
    EXPECT_GT(run.loaded(), 0);
}

TEST_F(byte_flips, EveryValueOfEveryByteOfAChipRecord) {
    const qsizetype first = static_cast<qsizetype>(flip_flop_record - 1) * bench::kRecordSize;
    ASSERT_LE(first + bench::kRecordSize, example.size());
    for (qsizetype at = first; at < first + bench::kRecordSize; ++at) {
        for (int value = 0; value < 256; ++value) {
            std::string failure;
            ASSERT_TRUE(run.load(at, static_cast<unsigned char>(value), failure)) << "byte " << at << " = " << value << ": " << failure;
        }
    }
    EXPECT_GT(run.loaded(), 0);
}

}  // namespace
