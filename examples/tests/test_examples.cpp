// The shipped example circuits. Each one builds from its text and dumps back
// to it, sits on the board as a student could have built it, and passes its
// lab sheet. The examples are read from the folder, so a new one is tested as
// soon as it is there.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <utility>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "bench_model.h"
#include "catalogue.h"
#include "circuit_file.h"
#include "cirtool_commands.h"
#include "example_files.h"
#include "lab_sheet.h"
#include "model_names.h"
#include "value_codes.h"

using namespace bench;
using namespace example_files;

namespace {

// Where two circuit files first differ, or nothing when they are the same.
std::string first_difference(const QByteArray& a, const QByteArray& b) {
    for (qsizetype i = 0; i < std::min(a.size(), b.size()); ++i)
        if (a[i] != b[i])
            return "record " + std::to_string(i / kRecordSize + 1) + ", byte " + std::to_string(i % kRecordSize);
    if (a.size() != b.size()) return std::to_string(a.size()) + " bytes against " + std::to_string(b.size());
    return {};
}

struct shipped_examples_test : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        examples = shipped_examples();
        ASSERT_FALSE(examples.empty()) << "no examples in " << EXAMPLES_FOLDER;
    }
    int run(const QStringList& arguments) {
        out.str("");
        err.str("");
        return cirtool::run(arguments, out, err);
    }
    // Builds the example's text into a file of the temporary folder.
    QString built(const example& e) {
        const QString file = folder.filePath(QString::fromStdString(e.name) + ".cir");
        EXPECT_EQ(run({"build", e.text, file}), cirtool::kSuccess) << err.str();
        return file;
    }
    QTemporaryDir folder;
    std::vector<example> examples;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(shipped_examples_test, EachTextHasItsSheetAndEachSheetItsText) {
    for (const example& e : examples) EXPECT_TRUE(QFile::exists(e.sheet)) << e.name << " has no lab sheet";
    const QDir dir(QStringLiteral(EXAMPLES_FOLDER));
    for (const QString& sheet : dir.entryList({QStringLiteral("*.lab")}, QDir::Files))
        EXPECT_TRUE(dir.exists(sheet.chopped(4) + ".txt")) << sheet.toStdString() << " has no circuit";
}

TEST_F(shipped_examples_test, EachTextBuildsAndDumpsBackToItself) {
    for (const example& e : examples) {
        SCOPED_TRACE(e.name);
        const QString file = built(e);
        ASSERT_EQ(run({"dump", file}), cirtool::kSuccess) << err.str();
        EXPECT_EQ(out.str(), bytes_of(e.text).toStdString());
    }
}

TEST_F(shipped_examples_test, EachBuiltFileIsWhatSavingWrites) {
    for (const example& e : examples) {
        SCOPED_TRACE(e.name);
        const QString file = built(e);
        bench_model bench;
        ASSERT_TRUE(bench.load(file).ok);
        const QString saved = folder.filePath("saved.cir");
        ASSERT_TRUE(bench.save(saved).ok);
        EXPECT_EQ(first_difference(bytes_of(saved), bytes_of(file)), "");
    }
}

TEST_F(shipped_examples_test, TheCircuitFolderHoldsEachExampleAsBuilt) {
    const QDir installed(QStringLiteral(CIRCUIT_FOLDER));
    for (const example& e : examples) {
        SCOPED_TRACE(e.name);
        const QString file = installed.filePath(QString::fromStdString(e.name) + ".cir");
        ASSERT_TRUE(QFile::exists(file));
        EXPECT_EQ(first_difference(bytes_of(file), bytes_of(built(e))), "");
        EXPECT_EQ(bytes_of(lab::sheet_beside(file)), bytes_of(e.sheet)) << "the sheet beside the circuit";
    }
}

TEST_F(shipped_examples_test, EveryChipSitsOnTheHolesAndHasPower) {
    for (const example& e : examples) {
        SCOPED_TRACE(e.name);
        bench_model bench;
        ASSERT_TRUE(bench.load(built(e)).ok);
        bench.press_power();
        bench.clock_tick();
        for (int k = 1; k <= bench.chip_count(); ++k) {
            const chip& c = bench.chip_at(k);
            SCOPED_TRACE("U" + std::to_string(k) + " " + c.model);
            EXPECT_TRUE(c.seated());
            const int row = lgsim::catalogue_row_of(c.model);
            ASSERT_GE(row, 0);
            const lgsim::catalogue_entry& entry = lgsim::kCatalogue[static_cast<std::size_t>(row)];
            if (entry.ground_pin == 0) continue;  // the display needs no power
            EXPECT_EQ(bench.node_drive(bench.node_of_pin(entry.ground_pin, k)), lgsim::kGround);
            EXPECT_EQ(bench.node_drive(bench.node_of_pin(entry.supply_pin, k)), lgsim::kSupply);
        }
    }
}

// The board area a chip's outline picture covers (its size is pitch x pins / 2
// by 3 x pitch x mount kind, whatever picture the bench holds).
struct body {
    double left, top, right, bottom;
    bool contains(double x, double y) const { return x > left && x < right && y > top && y < bottom; }
    bool crossed_by(wire_point a, wire_point b) const {
        if (a.y == b.y) return a.y > top && a.y < bottom && std::max(a.x, b.x) > left && std::min(a.x, b.x) < right;
        return a.x > left && a.x < right && std::max(a.y, b.y) > top && std::min(a.y, b.y) < bottom;
    }
};

body body_of(const chip& c) {
    const double left = c.picture.left, top = c.picture.top;
    return {left, top, left + kPitch * c.pin_count / 2, top + 3 * kPitch * c.mount_kind};
}

TEST_F(shipped_examples_test, WiresRunAtRightAnglesBesideTheChips) {
    for (const example& e : examples) {
        SCOPED_TRACE(e.name);
        bench_model bench;
        ASSERT_TRUE(bench.load(built(e)).ok);
        std::set<std::pair<int, int>> ends;
        std::set<std::pair<int, int>> pins;
        for (int k = 1; k <= bench.chip_count(); ++k)
            for (int j = 1; j <= bench.chip_at(k).pin_count; ++j)
                pins.insert({bench.chip_at(k).places[j].row, bench.chip_at(k).places[j].column});
        for (int w = 1; w <= bench.wire_count(); ++w) {
            const wire& v = bench.wire_at(w);
            SCOPED_TRACE("wire " + std::to_string(w));
            ASSERT_GE(v.points.size(), 2u);
            for (const auto& end : {std::pair<int, int>{v.start_row, v.start_column}, {v.end_row, v.end_column}}) {
                // One click on a point removes the wire ending there: two ends
                // on one point could not be drawn, nor an end on a chip's leg.
                EXPECT_TRUE(ends.insert(end).second) << "two wire ends on " << end.first << ':' << end.second;
                EXPECT_FALSE(pins.contains(end)) << "a wire end under a pin on " << end.first << ':' << end.second;
            }
            for (std::size_t i = 1; i < v.points.size(); ++i) {
                const wire_point a = v.points[i - 1], b = v.points[i];
                EXPECT_TRUE(a.x == b.x || a.y == b.y) << "a slanting piece after point " << i;
                for (int k = 1; k <= bench.chip_count(); ++k)
                    EXPECT_FALSE(body_of(bench.chip_at(k)).crossed_by(a, b)) << "over U" << k << " after point " << i;
            }
            for (int k = 1; k <= bench.chip_count(); ++k)
                for (const wire_point& p : {v.points.front(), v.points.back()})
                    EXPECT_FALSE(body_of(bench.chip_at(k)).contains(p.x, p.y)) << "an end under U" << k;
        }
    }
}

// A sheet tells a student what the lab asks before the bench shows anything,
// and says what every reading it takes must show.
TEST_F(shipped_examples_test, EachSheetSaysWhatTheLabAsksAndChecksEveryReading) {
    for (const example& e : examples) {
        SCOPED_TRACE(e.name);
        const lab::sheet_result read = lab::read_lab_sheet(e.sheet);
        ASSERT_TRUE(read.sheet) << lab::describe(read.error, e.sheet);
        EXPECT_FALSE(read.sheet->title.isEmpty());
        EXPECT_FALSE(read.sheet->instructions.isEmpty());
        for (const lab::sheet_step& s : read.sheet->steps) {
            if (lab::is_reading(s.step)) {
                EXPECT_GE(s.row, 0) << "line " << s.line << " is read but not checked";
            }
        }
    }
}

TEST_F(shipped_examples_test, EachPassesItsSheet) {
    for (const example& e : examples) {
        SCOPED_TRACE(e.name);
        const int status = run({"check", built(e), e.sheet});
        EXPECT_EQ(status, cirtool::kSuccess) << out.str() << err.str();
        const lab::sheet_result read = lab::read_lab_sheet(e.sheet);
        ASSERT_TRUE(read.sheet);
        const std::string rows = std::to_string(read.sheet->rows.size());
        const std::string summary = "\n" + rows + " of " + rows + " checks pass\n";
        EXPECT_TRUE(out.str().ends_with(summary)) << out.str();
    }
}

}  // namespace
