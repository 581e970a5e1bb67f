// Grading a folder of circuits against one sheet: one CSV row per file, in
// name order, whatever the files hold and however many run at a time.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "grading.h"
#include "lab_test_support.h"

using namespace lab;
using namespace lab::testing;

namespace {

void write_bytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

struct class_folder : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        write_circuit(example_text("half_adder"), path("correct.cir"));
        write_circuit(example_text("half_adder", "wire 6:26 led0", "wire 6:25 led0"), path("wrong.cir"));
        write_bytes(path("empty.cir"), {});
        write_bytes(path("corrupt.cir"), QByteArray(100, '\x7f'));  // cut inside its first record
        write_bytes(path("notes.txt"), "not a circuit");
        ASSERT_TRUE(QDir(dir.path()).mkdir("folder.cir"));
    }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir;
    lab_sheet sheet = example_sheet("half_adder");
};

}  // namespace

TEST_F(class_folder, CorrectWrongEmptyAndCorruptFilesGiveTheirRows) {
    const std::vector<file_grade> grades = grade_folder(sheet, dir.path(), {2, kDefaultTimeLimit});
    const QByteArray expected = "\xEF\xBB\xBF"
                                "file,passed,total,first failing row,error\r\n"
                                "correct.cir,4,4,,\r\n"
                                "corrupt.cir,,,,文件" + path("corrupt.cir").toUtf8() + "格式错误\r\n"
                                "empty.cir,,,,文件" + path("empty.cir").toUtf8() + "格式错误\r\n"
                                "wrong.cir,3,4,line " + QByteArray::number(sheet.rows[1].line) + ": " +
                                sheet.rows[1].comment.toUtf8() + ",\r\n";
    EXPECT_EQ(QString::fromUtf8(grades_csv(grades, kDefaultTimeLimit)), QString::fromUtf8(expected));
}

TEST_F(class_folder, AsManyAtATimeAsThereAreFilesGivesTheSameGrades) {
    const QByteArray one = grades_csv(grade_folder(sheet, dir.path(), {1, kDefaultTimeLimit}), kDefaultTimeLimit);
    const QByteArray four = grades_csv(grade_folder(sheet, dir.path(), {4, kDefaultTimeLimit}), kDefaultTimeLimit);
    EXPECT_EQ(one, four);
}

TEST_F(class_folder, ASheetThatRunsTooLongStopsAtTheTimeLimit) {
    const lab_sheet endless = sheet_of("> power on\n> tick 100000000\n> leds\nleds 0000000000000000\n");
    const std::vector<file_grade> grades = grade_folder(endless, dir.path(), {2, std::chrono::milliseconds(50)});
    ASSERT_EQ(grades.size(), 4u);
    EXPECT_EQ(grades[0].file, QStringLiteral("correct.cir"));
    EXPECT_EQ(grades[0].result.status, check_status::stopped);
    EXPECT_EQ(grade_error(grades[0].result, std::chrono::milliseconds(50)), QStringLiteral("time limit of 0.05 s exceeded"));
    EXPECT_EQ(grades[3].result.status, check_status::stopped);
}

TEST_F(class_folder, PipesAndFoldersNamedLikeCircuitsAreLeftOut) {
    ASSERT_EQ(mkfifo(path("pipe.cir").toLocal8Bit().constData(), 0600), 0);
    EXPECT_EQ(circuit_files(dir.path()),
              (QStringList{"correct.cir", "corrupt.cir", "empty.cir", "wrong.cir"}));
}

TEST(GradesCsv, NamesChosenByStudentsStayText) {
    file_grade g;
    g.file = QStringLiteral("=HYPERLINK(\"x\"),1.cir");
    g.result.rows.push_back({9, QStringLiteral("row"), "leds 0", "leds 0", true});
    EXPECT_EQ(grades_csv({g}, kDefaultTimeLimit).split('\n').at(1),
              QByteArray("\"'=HYPERLINK(\"\"x\"\"),1.cir\",1,1,,\r"));
}
