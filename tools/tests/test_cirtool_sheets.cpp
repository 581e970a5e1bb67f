// `cirtool check` and `cirtool grade`: what they print and how they exit.
#include <gtest/gtest.h>

#include <sstream>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "cirtool_commands.h"

namespace {

// The half adder's sheet: LED 0 is the carry, LED 1 the sum.
constexpr char kSheet[] =
    "# Half adder\n"
    "# Switch 0 is A, switch 1 is B.\n"
    "> power on\n"
    "> tick\n"
    "> leds\n"
    "leds 00xxxxxxxxxxxxxx  # 0 + 0\n"
    "> switch 1 1\n"
    "> tick\n"
    "> leds\n"
    "leds 01xxxxxxxxxxxxxx  # 0 + 1\n"
    "> switch 0 1\n"
    "> tick\n"
    "> leds\n"
    "leds 10xxxxxxxxxxxxxx  # 1 + 1\n";

struct sheet_commands : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(QDir(folder.path()).mkdir("class"));
        sheet = write("half_adder.lab", kSheet);
        const QString text = QStringLiteral(EXAMPLES_FOLDER "/half_adder.txt");
        correct = folder.filePath("class/correct.cir");
        ASSERT_EQ(run({"build", text, correct}), cirtool::kSuccess) << err.str();
        QFile source(text);
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        // The carry LED on the AND gate's input B instead of its output.
        const QString moved = write("moved.txt", source.readAll().replace("wire 6:26 led0", "wire 6:25 led0"));
        wrong = folder.filePath("class/wrong.cir");
        ASSERT_EQ(run({"build", moved, wrong}), cirtool::kSuccess) << err.str();
        write("class/empty.cir", "");
        write("class/corrupt.cir", QByteArray(200, '\x05'));
    }
    QString write(const QString& name, const QByteArray& bytes) {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    int run(const QStringList& arguments) {
        out.str("");
        err.str("");
        return cirtool::run(arguments, out, err);
    }
    QTemporaryDir folder;
    QString sheet, correct, wrong;
    std::ostringstream out;
    std::ostringstream err;
};

}  // namespace

TEST_F(sheet_commands, ACorrectCircuitPassesEveryRow) {
    EXPECT_EQ(run({"check", correct, sheet}), 0) << err.str();
    EXPECT_EQ(out.str(),
              "pass  line 6  expected: leds 00xxxxxxxxxxxxxx  got: leds 0000000000000000  # 0 + 0\n"
              "pass  line 10  expected: leds 01xxxxxxxxxxxxxx  got: leds 0100000000000000  # 0 + 1\n"
              "pass  line 14  expected: leds 10xxxxxxxxxxxxxx  got: leds 1000000000000000  # 1 + 1\n"
              "3 of 3 checks pass\n");
}

TEST_F(sheet_commands, AMovedWireFailsOnItsRow) {
    EXPECT_EQ(run({"check", wrong, sheet}), 1);
    EXPECT_NE(out.str().find("FAIL  line 10  expected: leds 01xxxxxxxxxxxxxx  got: leds 1100000000000000  # 0 + 1\n"),
              std::string::npos)
        << out.str();
    EXPECT_NE(out.str().find("\n2 of 3 checks pass\n"), std::string::npos);
}

TEST_F(sheet_commands, ABadStepLineExitsWithTwoNamingTheLine) {
    const QString bad = write("bad.lab", QByteArray(kSheet).replace("> switch 0 1", "> swtich 0 1"));
    QProcess program;
    program.start(QStringLiteral(CIRTOOL_PROGRAM), {"check", correct, bad});
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitCode(), 2);
    EXPECT_EQ(program.readAllStandardError().toStdString(),
              "cirtool: " + bad.toStdString() + ":11: cannot read the step 'swtich 0 1'\n");
    EXPECT_TRUE(program.readAllStandardOutput().isEmpty());
}

TEST_F(sheet_commands, ACircuitThatCannotBeReadExitsWithTwo) {
    for (const char* name : {"class/corrupt.cir", "class/empty.cir", "class/none.cir"}) {
        EXPECT_EQ(run({"check", folder.filePath(name), sheet}), 2) << name;
        EXPECT_NE(err.str().find(folder.filePath(name).toStdString()), std::string::npos) << err.str();
        EXPECT_TRUE(out.str().empty());
    }
}

TEST_F(sheet_commands, GradeWritesTheTableAndSumsUp) {
    const QString csv = folder.filePath("grades.csv");
    QProcess program;
    program.start(QStringLiteral(CIRTOOL_PROGRAM),
                  {"grade", sheet, folder.filePath("class"), "--jobs", "2", "--csv", csv});
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitCode(), 1) << "not every file passes";
    const QString report = QString::fromUtf8(program.readAllStandardOutput());
    EXPECT_TRUE(report.contains(QStringLiteral("correct.cir  3 of 3 checks pass\n")));
    EXPECT_TRUE(report.contains(QStringLiteral("wrong.cir  2 of 3 checks pass, first failing line 10: 0 + 1\n")));
    EXPECT_TRUE(report.endsWith(QStringLiteral("4 files: 1 pass every check, 1 fail a check, 2 cannot be checked\n")))
        << report.toStdString();
    QFile table(csv);
    ASSERT_TRUE(table.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = table.readAll().split('\n');
    ASSERT_EQ(lines.size(), 6);  // header, four files, nothing after the last line break
    EXPECT_EQ(lines[1], "correct.cir,3,3,,\r");
    EXPECT_TRUE(lines[2].startsWith("corrupt.cir,,,,"));
    EXPECT_EQ(lines[4], "wrong.cir,2,3,line 10: 0 + 1,\r");
}

TEST_F(sheet_commands, GradeRefusesWhatItCannotTake) {
    const QString csv = folder.filePath("grades.csv");
    write("grades.csv", "an older table");
    const QString class_folder = folder.filePath("class");
    struct refused {
        QStringList arguments;
        const char* named;
    };
    const std::vector<refused> cases = {
        {{"grade", sheet}, "grade"},
        {{"grade", sheet, class_folder, "--jobs", "0"}, "--jobs"},
        {{"grade", sheet, class_folder, "--time-limit", "-1"}, "--time-limit"},
        {{"grade", sheet, class_folder, "--csv"}, "--csv"},
        {{"grade", sheet, folder.filePath("nowhere")}, "nowhere"},
        {{"grade", sheet, folder.path()}, "no .cir files"},
        {{"grade", folder.filePath("none.lab"), class_folder}, "none.lab"},
        {{"grade", sheet, class_folder, "--csv", folder.filePath("no folder/grades.csv")}, "cannot write"},
    };
    for (const refused& r : cases) {
        EXPECT_EQ(run(r.arguments), 2) << r.named;
        EXPECT_NE(err.str().find(r.named), std::string::npos) << err.str();
    }
    QFile table(csv);
    ASSERT_TRUE(table.open(QIODevice::ReadOnly));
    EXPECT_EQ(table.readAll(), QByteArray("an older table"));
}
