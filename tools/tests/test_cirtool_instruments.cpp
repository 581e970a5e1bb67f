// cirtool run with the instruments: meter probes and readings, the
// oscilloscope's probe and capture runs.
#include <gtest/gtest.h>

#include <sstream>

#include <QTemporaryDir>

#include "board_geometry.h"
#include "circuit_file.h"
#include "cirtool_commands.h"

using namespace bench;

namespace {

circuit_record wire_record(int start_row, int start_column, int end_row, int end_column) {
    circuit_record r;
    r.record_kind = kWireRecord;
    r.start_row = static_cast<std::int16_t>(start_row);
    r.start_column = static_cast<std::int16_t>(start_column);
    r.end_row = static_cast<std::int16_t>(end_row);
    r.end_column = static_cast<std::int16_t>(end_column);
    const board_point a = point_position(start_row, start_column);
    const board_point b = point_position(end_row, end_column);
    r.points[0] = 2;
    r.points[1] = stored_twips(a.x);
    r.points[2] = stored_twips(a.y);
    r.points[3] = stored_twips(b.x);
    r.points[4] = stored_twips(b.y);
    return r;
}

// A powered 74LS00 with pin 1 on (15, 10) and switch 0 on that pin; its
// input pin 2 (15, 11) is open. The clock runs to hole (5, 40).
std::vector<circuit_record> circuit() {
    circuit_record chip;
    chip.record_kind = kChipRecord;
    chip.model = "74LS00";
    chip.mount_kind = 1;
    chip.pin_count = 14;
    chip.chip_class = 1;
    chip.description = "四2输入与非门";
    const board_point p = point_position(14, 10);
    chip.left = stored_twips(p.x - kPitch / 1.4);
    chip.top = stored_twips(p.y + 5);
    circuit_record end = chip;
    end.record_kind = kEndRecord;
    return {wire_record(36, 0, 16, 10), wire_record(36, 22, 13, 10), wire_record(36, 26, 16, 16),
            wire_record(36, 16, 5, 40), chip, end};
}

struct cirtool_instruments : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        file = folder.filePath("probes.cir");
        ASSERT_TRUE(write_circuit_file(file, circuit()));
    }
    std::string run(QStringList steps) {
        out.str("");
        err.str("");
        steps.prepend(file);
        steps.prepend(QStringLiteral("run"));
        const int status = cirtool::run(steps, out, err);
        EXPECT_EQ(status, cirtool::kSuccess) << err.str();
        return out.str();
    }
    QTemporaryDir folder;
    QString file;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(cirtool_instruments, MeterReadings) {
    EXPECT_EQ(run({"power on", "switch 0 1", "probe 0 36 0", "probe 1 36 26", "measure volts",
                   "probe 0 36 16", "measure volts",
                   "probe 0 36 26", "probe 1 36 22", "measure volts",
                   "probe 0 17 11", "probe 1 36 26", "measure volts",
                   "power off", "probe 0 36 0", "measure volts"}),
              "meter 5\n"
              "meter 4\n"
              "meter -5\n"
              "meter 4.9\n"
              "meter 0\n");
}

TEST_F(cirtool_instruments, Continuity) {
    EXPECT_EQ(run({"probe 0 7 40", "probe 1 36 16", "measure ohms",
                   "probe 1 8 41", "measure ohms",
                   "probe 1 -1 -1", "measure ohms",
                   "probe 1 9 40", "power on", "measure ohms"}),
              "meter 0\n"
              "meter 900000\n"
              "meter 900000\n"
              "meter 0\n");
}

TEST_F(cirtool_instruments, AProbeNeverSetDownGivesNoReading) {
    EXPECT_EQ(run({"power on", "switch 0 1", "probe 0 36 0", "measure volts", "measure ohms"}),
              "meter 0\n"
              "meter 900000\n");
}

TEST_F(cirtool_instruments, CaptureRuns) {
    EXPECT_EQ(run({"capture", "power on", "capture", "scope 36 16", "capture", "scope 36 22", "capture",
                   "scope 5 40", "capture", "scope -1 -1", "capture", "scope 36 22", "power off", "capture"}),
              "capture 0 -\n"
              "capture 0 -\n"
              "capture 96 2.5\n"
              "capture 96 5\n"
              "capture 96 2.5\n"
              "capture 0 -\n"
              "capture 0 -\n");
}

TEST_F(cirtool_instruments, ProbesKeepTheirPointsAcrossEachOthersMoves) {
    EXPECT_EQ(run({"power on", "switch 0 1", "scope 36 22", "probe 0 36 0", "probe 1 36 26", "capture",
                   "measure volts", "scope 36 16", "measure ohms", "measure volts"}),
              "capture 96 5\n"
              "meter 5\n"
              "meter 900000\n"
              "meter 5\n");
}

TEST_F(cirtool_instruments, UnparsableInstrumentSteps) {
    for (const char* step : {"probe 2 36 0", "probe 0 36 20", "probe 0 -1 5", "probe 0 36", "probe x 1 1",
                             "measure", "measure amps", "scope 37 0", "scope 36 19", "capture 1"}) {
        out.str("");
        err.str("");
        EXPECT_EQ(cirtool::run({"run", file, "power on", step}, out, err), cirtool::kUnparsable) << step;
        EXPECT_NE(err.str().find(step), std::string::npos) << err.str();
    }
}

}  // namespace
