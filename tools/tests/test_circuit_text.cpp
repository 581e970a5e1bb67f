// The circuit text of `cirtool build` and `cirtool dump`.
#include <gtest/gtest.h>

#include <sstream>

#include <QFile>
#include <QTemporaryDir>

#include "bench_model.h"
#include "board_geometry.h"
#include "circuit_file.h"
#include "circuit_text.h"
#include "cirtool_commands.h"
#include "wire_route.h"

using namespace bench;

namespace {

QByteArray bytes_of(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write_text(const QString& path, const std::string& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.data(), static_cast<qint64>(text.size()));
}

struct circuit_text_test : ::testing::Test {
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    int run(const QStringList& arguments) {
        out.str("");
        err.str("");
        return cirtool::run(arguments, out, err);
    }
    // Builds `text` into a file and dumps it back.
    std::string build_and_dump(const std::string& text) {
        write_text(folder.filePath("in.txt"), text);
        EXPECT_EQ(run({"build", folder.filePath("in.txt"), folder.filePath("out.cir")}), cirtool::kSuccess)
            << err.str();
        EXPECT_EQ(run({"dump", folder.filePath("out.cir")}), cirtool::kSuccess) << err.str();
        return out.str();
    }
    QTemporaryDir folder;
    std::ostringstream out;
    std::ostringstream err;
};

// Every kind of line a file can hold, written as dump writes it.
const std::string kEveryKindOfLine =
    "wire vcc 13:10 red via y=6300           # -> U1.14\n"
    "wire gnd 19:16 black                    # -> U1.7\n"
    "wire sw0 16:10 green via x=2000 y=2100  # -> U1.1\n"
    "wire 18:12 led0 blue via y=555          # U1.3 ->\n"
    "wire 10:12 12:40 orange via y=2700 x=4000 y=2800  # U1.12 -> U3.16\n"
    "wire clock 30:3 #123456\n"
    "wire pulse1 seg.dp #7F010203\n"
    "wire 3:3 3:3 purple points -\n"
    "wire com1 36:23 pink points 10,10 20,20 30,10\n"
    "chip 74LS00 at 15 10                    # U1\n"
    "chip X99 left=100 top=200 kind=5 mount=1 pins=14 class=1 desc=\"a b#c \\\"q\\\" \\x09\"  # U2, not seated\n"
    "chip 74LS151 at 17 40                   # U3\n"
    "chip BS204 at 27 50 desc=七段           # U4\n"
    "chip \" 74ls00\" at 26 10 mount=2 pins=16  # U5\n";

TEST_F(circuit_text_test, BuildThenDumpGivesTheSameText) {
    EXPECT_EQ(build_and_dump(kEveryKindOfLine), kEveryKindOfLine);
}

TEST_F(circuit_text_test, CommentsAndBlankLinesAreSkipped) {
    EXPECT_EQ(build_and_dump("# a NAND gate\n\n  wire sw0   16:10 green # switch A\nchip 74LS00 at 15 10\n"),
              "wire sw0 16:10 green                    # -> U1.1\n"
              "chip 74LS00 at 15 10                    # U1\n");
}

TEST_F(circuit_text_test, ChipsSitWherePinOneIsNamed) {
    ASSERT_EQ(build_and_dump(kEveryKindOfLine), kEveryKindOfLine);
    bench_model bench;
    ASSERT_TRUE(bench.load(folder.filePath("out.cir")).ok);
    EXPECT_EQ(bench.chip_at(1).places[1].row, 15);
    EXPECT_EQ(bench.chip_at(1).places[1].column, 10);
    EXPECT_EQ(bench.chip_at(1).places[14].row, 14);
    EXPECT_EQ(bench.chip_at(3).places[1].row, 17);  // pin rows five apart
    EXPECT_EQ(bench.chip_at(3).places[16].row, 12);
    EXPECT_EQ(bench.chip_at(4).places[1].row, 27);  // a display sits a third of a pitch lower
    EXPECT_EQ(bench.chip_at(4).places[1].column, 50);
    EXPECT_EQ(bench.chip_at(5).places[1].row, 26);
    EXPECT_EQ(bench.chip_at(5).places[16].row, 21);
}

TEST_F(circuit_text_test, BuiltFilesAreWhatSavingWrites) {
    ASSERT_EQ(build_and_dump(kEveryKindOfLine), kEveryKindOfLine);
    bench_model bench;
    ASSERT_TRUE(bench.load(folder.filePath("out.cir")).ok);
    // The unseated chip and the odd record kind are the only things Save
    // writes differently; without them the bytes are the same.
    std::string kept;
    std::istringstream lines(kEveryKindOfLine);
    for (std::string line; std::getline(lines, line);)
        if (line.find("X99") == std::string::npos) kept += line + '\n';
    build_and_dump(kept);
    ASSERT_TRUE(bench.load(folder.filePath("out.cir")).ok);
    ASSERT_TRUE(bench.save(folder.filePath("saved.cir")).ok);
    EXPECT_EQ(bytes_of(folder.filePath("saved.cir")), bytes_of(folder.filePath("out.cir")));
}

TEST_F(circuit_text_test, DumpThenBuildGivesBackASavedFile) {
    bench_model bench;
    const board_point p = point_position(4, 20);
    bench.release_chip(bench.drop_chip(13, p.x - kPitch / 1.4, p.y + 5));  // a 74LS74 on the holes
    bench.drop_chip(0, 5000, 6800);                                        // a 74LS00 never seated
    for (const auto& [r1, c1, r2, c2, n] : {std::array{36, 0, 6, 20, 5}, std::array{0, 21, 35, 3, 2},
                                            std::array{7, 7, 7, 7, 0}, std::array{36, 22, 3, 20, 3}}) {
        wire w;
        w.start_row = static_cast<std::int16_t>(r1);
        w.start_column = static_cast<std::int16_t>(c1);
        w.end_row = static_cast<std::int16_t>(r2);
        w.end_column = static_cast<std::int16_t>(c2);
        w.colour = rgb(1, 2, 3);
        for (int k = 0; k < n; ++k) w.points.push_back({static_cast<std::int16_t>(100 * k + 7), 3});
        bench.add_wire(w);
    }
    const QString saved = folder.filePath("saved.cir");
    ASSERT_TRUE(bench.save(saved).ok);
    ASSERT_EQ(run({"dump", saved}), cirtool::kSuccess) << err.str();
    write_text(folder.filePath("dumped.txt"), out.str());
    ASSERT_EQ(run({"build", folder.filePath("dumped.txt"), folder.filePath("again.cir")}), cirtool::kSuccess)
        << err.str();
    EXPECT_EQ(bytes_of(folder.filePath("again.cir")), bytes_of(saved));
}

TEST_F(circuit_text_test, AnEmptyTextIsAnEmptyBench) {
    EXPECT_EQ(build_and_dump("\n# nothing\n"), "");
    EXPECT_EQ(bytes_of(folder.filePath("out.cir")).size(), kRecordSize);
}

struct bad_line {
    const char* text;
    int line;
    const char* named;
};

class BadText : public circuit_text_test, public ::testing::WithParamInterface<bad_line> {};

TEST_P(BadText, IsRefusedNamingItsLine) {
    write_text(folder.filePath("bad.txt"), GetParam().text);
    const QString target = folder.filePath("bad.cir");
    EXPECT_EQ(run({"build", folder.filePath("bad.txt"), target}), cirtool::kUnparsable);
    const std::string where = folder.filePath("bad.txt").toStdString() + ':' + std::to_string(GetParam().line) + ": ";
    EXPECT_NE(err.str().find(where), std::string::npos) << err.str();
    EXPECT_NE(err.str().find(GetParam().named), std::string::npos) << err.str();
    EXPECT_FALSE(QFile::exists(target));
}

INSTANTIATE_TEST_SUITE_P(
    CircuitText, BadText,
    ::testing::Values(bad_line{"wires sw0 1:1 red\n", 1, "wires"},
                      bad_line{"\nwire sw16 1:1 red\n", 2, "sw16"},
                      bad_line{"wire sw1 37:1 red\n", 1, "37:1"},
                      bad_line{"wire sw1 1:1 #12345\n", 1, "#12345"},
                      bad_line{"wire sw1 1:1 red via\n", 1, "via"},
                      bad_line{"wire sw1 1:1 red via z=3\n", 1, "z=3"},
                      bad_line{"wire sw1 1:1 red via y=40000\n", 1, "40000"},
                      bad_line{"wire sw1 1:1 red points 1,2 3\n", 1, "3"},
                      bad_line{"wire sw1 1:1 red via x=1 y=1 x=2 y=2 x=3 y=3 x=4 y=4 x=5 y=5 x=6 y=6 x=7 y=7 "
                               "x=8 y=8 x=9 y=9\n",
                               1, "at most 20"},
                      bad_line{"wire sw1 1:1 red \"open\n", 1, "quote"},
                      bad_line{"chip 74LS00\n", 1, "at ROW COLUMN"},
                      bad_line{"chip 74LS00 at 15\n", 1, "at needs"},
                      bad_line{"chip 74LS00 at 0 10\n", 1, "off the board"},
                      bad_line{"chip 74LS00 at 15 10 left=3 top=4\n", 1, "not both"},
                      bad_line{"chip 74LS00 at 15 10 colour=3\n", 1, "colour"},
                      bad_line{"chip 74LS00 at 15 10 pins=16 pins=14\n", 1, "twice"},
                      bad_line{"chip 74LS00 at 15 10 kind=1\n", 1, "kind 1"},
                      bad_line{"chip X1 at 15 10\n", 1, "mount kind 1 or 2"},
                      bad_line{"chip 74LS00 at 15 10 desc=\"trailing \"\n", 1, "trailing blanks"},
                      bad_line{"chip 74LS00 at 15 10 desc=一二三四五六七八九十一二三四五六七八九十一\n", 1,
                               "40 bytes"},
                      bad_line{"chip ABCDEFGHIJKLMNOPQRSTU at 15 10 mount=1 pins=14\n", 1, "model"}));

TEST(WireRoute, TheLastTurnComesByItself) {
    const wire_point start{100, 1000}, end{500, 200};
    using P = std::vector<wire_point>;
    const auto xy = [](const P& points) {
        std::vector<std::pair<int, int>> out;
        for (const wire_point& p : points) out.emplace_back(p.x, p.y);
        return out;
    };
    EXPECT_EQ(xy(cirtool::points_of_route(start, end, {})), xy(P{start, end}));
    EXPECT_EQ(xy(cirtool::points_of_route(start, end, {{'y', 600}})),
              xy(P{start, {100, 600}, {500, 600}, end}));
    EXPECT_EQ(xy(cirtool::points_of_route(start, end, {{'x', 300}})),
              xy(P{start, {300, 1000}, {300, 200}, end}));
    // Already in line with the end: no turn is added.
    EXPECT_EQ(xy(cirtool::points_of_route(start, end, {{'y', 200}})), xy(P{start, {100, 200}, end}));
    EXPECT_EQ(xy(cirtool::points_of_route(start, end, {{'x', 500}})), xy(P{start, {500, 1000}, end}));

    const auto moves = cirtool::route_of_points(start, end, {start, {100, 600}, {700, 600}, {700, 200}, end});
    ASSERT_TRUE(moves);
    EXPECT_EQ(*moves, (std::vector<cirtool::route_move>{{'y', 600}, {'x', 700}}));
    EXPECT_FALSE(cirtool::route_of_points(start, end, {start, {150, 600}, end}));  // a slanting line
    EXPECT_FALSE(cirtool::route_of_points(start, end, {{0, 0}, end}));             // not from the start
}

TEST_F(circuit_text_test, DisplayStepShowsTheSegmentsOfADisplayChip) {
    // Segment a (pin 6) on switch 0, the commons (pins 5 and 8) on ground.
    write_text(folder.filePath("d.txt"),
               "wire sw0 20:54 green\n"
               "wire gnd 20:52 black\n"
               "wire 21:52 29:54 black\n"
               "chip BS204 at 27 50\n"
               "chip 74LS00 at 15 10\n");
    const QString file = folder.filePath("d.cir");
    ASSERT_EQ(run({"build", folder.filePath("d.txt"), file}), cirtool::kSuccess) << err.str();
    ASSERT_EQ(run({"run", file, "power on", "tick", "display 1", "switch 0 1", "tick", "display 1", "display 2",
                   "display 3"}),
              cirtool::kSuccess)
        << err.str();
    EXPECT_EQ(out.str(), "display 1 00000000\ndisplay 1 10000000\ndisplay 2 -\ndisplay 3 -\n");
}

TEST_F(circuit_text_test, DumpOfAFileThatIsNotThere) {
    EXPECT_EQ(run({"dump", folder.filePath("none.cir")}), cirtool::kFileFailed);
    EXPECT_EQ(err.str(), "文件" + folder.filePath("none.cir").toStdString() + "不存在\n");
    EXPECT_EQ(run({"build", folder.filePath("none.txt"), folder.filePath("x.cir")}), cirtool::kFileFailed);
    EXPECT_EQ(run({"dump"}), cirtool::kUnparsable);
    EXPECT_EQ(run({"build", folder.filePath("none.txt")}), cirtool::kUnparsable);
}

}  // namespace
