// Reading lab sheets: title, instructions, steps and check rows, and a clear
// error naming the line for a sheet that cannot be read.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "lab_sheet.h"
#include "lab_test_support.h"

using namespace lab;

namespace {

constexpr char kHalfAdder[] =
    "# Half adder\n"
    "# Switch 0 is A, switch 1 is B.\n"
    "#\n"
    "# LED 0 is the carry.\n"
    "\n"
    "> power on\n"
    "> tick      # settles\n"
    "> leds\n"
    "leds 00xxxxxxxxxxxxxx    # 0 + 0 = 00\n"
    "# a note between rows\n"
    "> switch 1 1\n"
    "> tick\n"
    "> point 15 12\n"
    "point 15 12 x\n"
    "> digits\n";

sheet_error error_of(const std::string& text) { return parse_lab_sheet(QByteArray::fromStdString(text)).error; }

}  // namespace

TEST(LabSheet, LeadingCommentsAreTitleAndInstructions) {
    const lab_sheet sheet = lab::testing::sheet_of(kHalfAdder);
    EXPECT_EQ(sheet.title, QStringLiteral("Half adder"));
    EXPECT_EQ(sheet.instructions, QStringLiteral("Switch 0 is A, switch 1 is B.\n\nLED 0 is the carry."));
}

TEST(LabSheet, EachExpectedLineIsARowOfTheReadingStepAboveIt) {
    const lab_sheet sheet = lab::testing::sheet_of(kHalfAdder);
    ASSERT_EQ(sheet.steps.size(), 7u);
    EXPECT_EQ(sheet.steps[1].text, QStringLiteral("tick"));
    EXPECT_EQ(sheet.steps[1].line, 7);
    ASSERT_EQ(sheet.rows.size(), 2u);
    EXPECT_EQ(sheet.rows[0].line, 9);
    EXPECT_EQ(sheet.rows[0].step_line, 8);
    EXPECT_EQ(sheet.rows[0].expected, "leds 00xxxxxxxxxxxxxx");
    EXPECT_EQ(sheet.rows[0].comment, QStringLiteral("0 + 0 = 00"));
    EXPECT_EQ(sheet.rows[1].expected, "point 15 12 x");
    EXPECT_TRUE(sheet.rows[1].comment.isEmpty());
    EXPECT_EQ(sheet.steps[2].row, 0);
    EXPECT_EQ(sheet.steps[5].row, 1);
    EXPECT_EQ(sheet.steps[6].row, -1) << "a reading step need not be checked";
}

TEST(LabSheet, ByteOrderMarkAndWindowsLineEndsAreTaken) {
    std::string text = "\xEF\xBB\xBF";
    for (const char c : std::string(kHalfAdder)) text += c == '\n' ? std::string("\r\n") : std::string(1, c);
    const lab_sheet sheet = lab::testing::sheet_of(text);
    EXPECT_EQ(sheet.title, QStringLiteral("Half adder"));
    ASSERT_EQ(sheet.rows.size(), 2u);
    EXPECT_EQ(sheet.rows[0].comment, QStringLiteral("0 + 0 = 00"));
}

TEST(LabSheet, WrittenTextReadsBackAsTheSameSheet) {
    const lab_sheet sheet = lab::testing::sheet_of(kHalfAdder);
    const lab_sheet again = lab::testing::sheet_of(sheet_text(sheet).toStdString());
    EXPECT_EQ(again.title, sheet.title);
    EXPECT_EQ(again.instructions, sheet.instructions);
    ASSERT_EQ(again.steps.size(), sheet.steps.size());
    for (std::size_t i = 0; i < sheet.steps.size(); ++i) {
        EXPECT_EQ(again.steps[i].text, sheet.steps[i].text);
        EXPECT_EQ(again.steps[i].row, sheet.steps[i].row);
    }
    ASSERT_EQ(again.rows.size(), sheet.rows.size());
    for (std::size_t i = 0; i < sheet.rows.size(); ++i) {
        EXPECT_EQ(again.rows[i].expected, sheet.rows[i].expected);
        EXPECT_EQ(again.rows[i].comment, sheet.rows[i].comment);
    }
}

struct bad_sheet {
    const char* name;
    std::string text;
    sheet_problem problem;
    int line;
    int step_line;
};

TEST(LabSheet, ASheetThatCannotBeReadNamesTheLine) {
    const std::vector<bad_sheet> cases = {
        {"misspelt step", "# t\n> power on\n> swtich 3 1\n> leds\nleds 0000000000000000\n", sheet_problem::bad_step, 3, 0},
        {"switch out of range", "> switch 16 1\n> leds\nleds 0000000000000000\n", sheet_problem::bad_step, 1, 0},
        {"expected after a step that reads nothing", "> power on\nleds 0000000000000000\n",
         sheet_problem::expected_without_step, 2, 0},
        {"expected before any step", "# t\nleds 0000000000000000\n", sheet_problem::expected_without_step, 2, 0},
        {"two expected lines", "> leds\nleds 0000000000000000\nleds 1000000000000000\n",
         sheet_problem::second_expected, 3, 1},
        {"pattern too short", "> leds\nleds 000000000000000\n", sheet_problem::expected_misfit, 2, 1},
        {"other reading's line", "> leds\ndigits 00000000 00000000\n", sheet_problem::expected_misfit, 2, 1},
        {"other point", "> point 15 12\npoint 15 13 1\n", sheet_problem::expected_misfit, 2, 1},
        {"not a level", "> digits\ndigits 0000000y 00000000\n", sheet_problem::expected_misfit, 2, 1},
        {"not UTF-8", "# t\n> leds\nleds 0000000000000000 # \xff\xfe\n", sheet_problem::not_utf8, 3, 0},
        {"nothing checked", "# t\n> power on\n> leds\n", sheet_problem::no_rows, 0, 0},
        {"empty", "", sheet_problem::no_rows, 0, 0},
    };
    for (const bad_sheet& c : cases) {
        SCOPED_TRACE(c.name);
        const sheet_error e = error_of(c.text);
        EXPECT_EQ(e.problem, c.problem);
        EXPECT_EQ(e.line, c.line);
        EXPECT_EQ(e.step_line, c.step_line);
    }
}

TEST(LabSheet, DescriptionNamesTheSheetTheLineAndTheText) {
    const sheet_error e = error_of("# t\n> power on\n> swtich 3 1\n");
    EXPECT_EQ(describe(e, QStringLiteral("a.lab")), "a.lab:3: cannot read the step 'swtich 3 1'");
}

TEST(LabSheet, FilesThatAreNoSheet) {
    QTemporaryDir dir;
    EXPECT_EQ(read_lab_sheet(dir.filePath("none.lab")).error.problem, sheet_problem::missing);
    EXPECT_EQ(read_lab_sheet(dir.path()).error.problem, sheet_problem::unreadable);
    QFile big(dir.filePath("big.lab"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write(QByteArray(kLargestSheet + 1, '#'));
    big.close();
    EXPECT_EQ(read_lab_sheet(big.fileName()).error.problem, sheet_problem::too_large);
}

TEST(LabSheet, TheSheetBesideACircuitSharesItsName) {
    EXPECT_EQ(sheet_beside(QStringLiteral("/a/b/half_adder.cir")), QStringLiteral("/a/b/half_adder.lab"));
    EXPECT_EQ(sheet_beside(QStringLiteral("/a/b.v2/c.d.cir")), QStringLiteral("/a/b.v2/c.d.lab"));
}
