#include <gtest/gtest.h>

#include <sstream>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "board_geometry.h"
#include "circuit.h"
#include "circuit_file.h"
#include "cirtool_commands.h"

using namespace bench;

namespace {

circuit_record wire_record(int start_row, int start_column, int end_row, int end_column,
                           rgb_colour colour = rgb(10, 10, 10)) {
    circuit_record r;
    r.record_kind = kWireRecord;
    r.start_row = static_cast<std::int16_t>(start_row);
    r.start_column = static_cast<std::int16_t>(start_column);
    r.end_row = static_cast<std::int16_t>(end_row);
    r.end_column = static_cast<std::int16_t>(end_column);
    r.colour = static_cast<std::int32_t>(colour);
    const board_point a = point_position(start_row, start_column);
    const board_point b = point_position(end_row, end_column);
    r.points[0] = 2;
    r.points[1] = stored_twips(a.x);
    r.points[2] = stored_twips(a.y);
    r.points[3] = stored_twips(b.x);
    r.points[4] = stored_twips(b.y);
    return r;
}

// A chip record whose picture sits on the holes with its reference point on (row, column).
circuit_record chip_record(const char* model, const char* description, int row, int column) {
    circuit_record r;
    r.record_kind = kChipRecord;
    r.model = model;
    r.mount_kind = 1;
    r.pin_count = 14;
    r.chip_class = 1;
    r.description = description;
    const board_point p = point_position(row, column);
    r.left = stored_twips(p.x - kPitch / 1.4);
    r.top = stored_twips(p.y + 5);
    return r;
}

// A 74LS00 with pin 1 on (15, 10). Gate 1 takes switches 0 and 1 and drives
// LED 0 and the top segment of digit 1; LEDs 1 and 2 show the two inputs;
// pulse button 0 drives LED 3.
std::vector<circuit_record> nand_circuit() {
    std::vector<circuit_record> records{
        wire_record(36, 0, 16, 10, rgb(255, 0, 128)),  // switch 0 to pin 1
        wire_record(36, 1, 17, 11),                    // switch 1 to pin 2
        wire_record(35, 0, 18, 12),                    // LED 0 from pin 3
        wire_record(35, 1, 19, 10),                    // LED 1 from pin 1's strip
        wire_record(35, 2, 19, 11),                    // LED 2 from pin 2's strip
        wire_record(36, 26, 19, 16),                   // ground to pin 7
        wire_record(36, 22, 13, 10),                   // supply to pin 14
        wire_record(35, 18, 16, 12),                   // top segment from pin 3
        wire_record(36, 27, 35, 16),                   // digit 1's common to ground
        wire_record(36, 17, 35, 3),                    // pulse button 0 to LED 3
        chip_record("74LS00", "四2输入与非门", 14, 10),
    };
    circuit_record end = records.back();
    end.record_kind = kEndRecord;
    records.push_back(end);
    return records;
}

struct cirtool_test : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        nand = folder.filePath("nand.cir");
        ASSERT_TRUE(write_circuit_file(nand, nand_circuit()));
    }
    int run(const QStringList& arguments) {
        out.str("");
        err.str("");
        return cirtool::run(arguments, out, err);
    }
    QTemporaryDir folder;
    QString nand;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(cirtool_test, TheProgramPrintsTheTruthTableOnTheLeds) {
    QProcess program;
    program.start(QStringLiteral(CIRTOOL_PROGRAM),
                  {"run", nand, "power on", "switch 0 0", "switch 1 0", "tick", "leds", "digits",
                   "switch 1 1", "tick", "leds", "switch 0 1", "switch 1 0", "tick 2", "leds",
                   "switch 1 1", "tick", "leds", "digits"});
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    EXPECT_EQ(program.readAllStandardOutput().toStdString(),
              "leds 1000000000000000\n"
              "digits 10000000 00000000\n"
              "leds 1010000000000000\n"
              "leds 1100000000000000\n"
              "leds 0110000000000000\n"
              "digits 00000000 00000000\n");
}

TEST_F(cirtool_test, TheProgramsExitStatusAndMessages) {
    QProcess program;
    program.start(QStringLiteral(CIRTOOL_PROGRAM), {"info", folder.filePath("a.cir")});
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitCode(), 1);
    EXPECT_EQ(QString::fromUtf8(program.readAllStandardError()),
              QString::fromUtf8("文件") + folder.filePath("a.cir") + QString::fromUtf8("不存在\n"));
    program.start(QStringLiteral(CIRTOOL_PROGRAM), {"run", nand, "switch 16 1"});
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitCode(), 2);
    EXPECT_TRUE(program.readAllStandardError().contains("switch 16 1"));
    EXPECT_TRUE(program.readAllStandardOutput().isEmpty());
}

TEST_F(cirtool_test, InfoListsChipsAndWires) {
    ASSERT_EQ(run({"info", nand}), cirtool::kSuccess) << err.str();
    std::istringstream lines(out.str());
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "chip 1 74LS00 1 14 1 3365 2529 15 10");
    std::getline(lines, line);
    EXPECT_EQ(line, "wire 1 36 0 16 10 #FF0080 2");
    std::getline(lines, line);
    EXPECT_EQ(line, "wire 2 36 1 17 11 #0A0A0A 2");
    int wires = 2;
    while (std::getline(lines, line)) ++wires;
    EXPECT_EQ(wires, 10);
}

TEST_F(cirtool_test, InfoNamesAnUnseatedChip) {
    const QString file = folder.filePath("loose.cir");
    circuit_record loose = chip_record("74LS04  ", "六反向器", 14, 10);
    loose.top = 7000;  // below the breadboard: kept inside the board, on no hole
    circuit_record end = loose;
    end.record_kind = kEndRecord;
    write_circuit_file(file, {loose, end});
    ASSERT_EQ(run({"info", file}), cirtool::kSuccess);
    EXPECT_EQ(out.str(), "chip 1 74LS04 1 14 1 6960 2529 unseated\n");
}

// The nand circuit's file (ten wires, a chip and the end record) cut at
// every record boundary and inside records: every command refuses it with the
// bench's message.
class cut_file : public cirtool_test, public ::testing::WithParamInterface<int> {};

TEST_P(cut_file, IsRefusedWithTheFormatError) {
    QFile whole(nand);
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    const QByteArray bytes = whole.readAll();
    ASSERT_EQ(bytes.size(), 12 * kRecordSize);
    const int length = GetParam();
    const QString cut = folder.filePath("cut.cir");
    QFile out_file(cut);
    ASSERT_TRUE(out_file.open(QIODevice::WriteOnly));
    out_file.write(bytes.left(length));
    out_file.close();
    for (const char* command : {"info", "dump"}) {
        EXPECT_EQ(run({command, cut}), cirtool::kFileFailed) << command << " of " << length << " bytes";
        EXPECT_EQ(QString::fromStdString(err.str()), format_error_message(cut) + QStringLiteral("\n")) << command;
        EXPECT_TRUE(out.str().empty()) << command;
    }
    EXPECT_EQ(run({"run", cut, "power on", "tick"}), cirtool::kFileFailed) << length;
}

// Every record boundary short of the end record (0 to 11 records: 1,826 bytes
// is the whole circuit without its end record), a byte into the file, the
// middle of a record, a byte either side of a boundary and a byte short of
// the end.
INSTANTIATE_TEST_SUITE_P(Cuts, cut_file,
                         ::testing::Values(0, 166, 332, 498, 664, 830, 996, 1162, 1328, 1494, 1660, 1826, 1, 83,
                                           800, 1659, 1661, 12 * 166 - 1),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::to_string(info.param) + "_bytes";
                         });

TEST_F(cirtool_test, ReadingSteps) {
    ASSERT_EQ(run({"run", nand, "power on", "switch 0 1", "tick", "point 36 22", "point 18 12",
                   "point 16 30", "pin 1 3", "pin 1 14", "pin 2 3", "power off", "point 36 22"}),
              cirtool::kSuccess)
        << err.str();
    EXPECT_EQ(out.str(),
              "point 36 22 5\n"
              "point 18 12 1\n"
              "point 16 30 -1\n"
              "pin 1 3 1\n"
              "pin 1 14 5\n"
              "pin 2 3 -1\n"
              "point 36 22 -1\n");
}

TEST_F(cirtool_test, PulseButtonSteps) {
    ASSERT_EQ(run({"run", nand, "power on", "press 0", "leds", "release 0", "leds", "pulse 0", "leds"}),
              cirtool::kSuccess);
    EXPECT_EQ(out.str(),
              "leds 1001000000000000\n"
              "leds 1000000000000000\n"
              "leds 1000000000000000\n");
}

TEST_F(cirtool_test, ResaveWritesTheSameRecords) {
    const QString copy = folder.filePath("copy.cir");
    ASSERT_EQ(run({"resave", nand, copy}), cirtool::kSuccess) << err.str();
    QFile a(nand), b(copy);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly));
    ASSERT_TRUE(b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());
    const QString nowhere = folder.filePath("no folder/x.cir");
    EXPECT_EQ(run({"resave", nand, nowhere}), cirtool::kFileFailed);
    EXPECT_EQ(err.str(), "文件" + nowhere.toStdString() + "写错误\n");
}

TEST_F(cirtool_test, AFileInTheWrongFormat) {
    const QString bad = folder.filePath("bad.cir");
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(100, '\x01'));
    file.close();
    EXPECT_EQ(run({"run", bad, "leds"}), cirtool::kFileFailed);
    EXPECT_EQ(err.str(), "文件" + bad.toStdString() + "格式错误\n");
    EXPECT_TRUE(out.str().empty());
}

struct bad_arguments {
    QStringList arguments;
    const char* named;
};

class Unparsable : public cirtool_test, public ::testing::WithParamInterface<bad_arguments> {};

TEST_P(Unparsable, ExitWithStatusTwoNamingTheProblem) {
    QStringList arguments = GetParam().arguments;
    arguments.replaceInStrings("FILE", nand);
    EXPECT_EQ(run(arguments), cirtool::kUnparsable);
    EXPECT_NE(err.str().find(GetParam().named), std::string::npos) << err.str();
    EXPECT_TRUE(out.str().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cirtool, Unparsable,
    ::testing::Values(bad_arguments{{}, "empty"}, bad_arguments{{"draw", "FILE"}, "draw"},
                      bad_arguments{{"info"}, "info"}, bad_arguments{{"info", "FILE", "x"}, "info"},
                      bad_arguments{{"run"}, "run"}, bad_arguments{{"resave", "FILE"}, "resave"},
                      bad_arguments{{"run", "FILE", "leds", "power up"}, "power up"},
                      bad_arguments{{"run", "FILE", "switch 3"}, "switch 3"},
                      bad_arguments{{"run", "FILE", "switch 3 2"}, "switch 3 2"},
                      bad_arguments{{"run", "FILE", "tick -1"}, "tick -1"},
                      bad_arguments{{"run", "FILE", "tick two"}, "tick two"},
                      bad_arguments{{"run", "FILE", "pulse 2"}, "pulse 2"},
                      bad_arguments{{"run", "FILE", "leds 1"}, "leds 1"},
                      bad_arguments{{"run", "FILE", "point 37 0"}, "point 37 0"},
                      bad_arguments{{"run", "FILE", "pin 0 1"}, "pin 0 1"},
                      bad_arguments{{"run", "FILE", "pin 1 61"}, "pin 1 61"},
                      bad_arguments{{"run", "FILE", ""}, "''"}));

}  // namespace
