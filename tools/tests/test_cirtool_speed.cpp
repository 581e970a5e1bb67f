#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include <QFile>
#include <QTemporaryDir>

#include "cirtool_commands.h"

namespace {

struct speed_test : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        // The clock shown on an LED: every tick changes something.
        const QString text = folder.filePath("clock.txt");
        QFile file(text);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("wire clock led0 red\n");
        file.close();
        circuit = folder.filePath("clock.cir");
        ASSERT_EQ(run({"build", text, circuit}), cirtool::kSuccess) << err.str();
    }
    int run(const QStringList& arguments) {
        out.str("");
        err.str("");
        return cirtool::run(arguments, out, err);
    }
    QTemporaryDir folder;
    QString circuit;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(speed_test, PrintsAWholeNumberOfTicksPerSecond) {
    ASSERT_EQ(run({"speed", circuit, "0.05"}), cirtool::kSuccess) << err.str();
    EXPECT_TRUE(std::regex_match(out.str(), std::regex("[1-9][0-9]* ticks/s\n"))) << out.str();
    EXPECT_EQ(err.str(), "");
}

TEST_F(speed_test, SecondsMayBeLeftOutOrWrittenWithAFraction) {
    EXPECT_EQ(run({"speed", circuit, ".02"}), cirtool::kSuccess) << err.str();
    EXPECT_EQ(run({"speed", circuit, "2e-2"}), cirtool::kSuccess) << err.str();
}

TEST_F(speed_test, AFileThatCannotBeLoaded) {
    EXPECT_EQ(run({"speed", folder.filePath("none.cir"), "0.01"}), cirtool::kFileFailed);
    EXPECT_EQ(out.str(), "");
    EXPECT_NE(err.str().find("none.cir"), std::string::npos) << err.str();
}

TEST_F(speed_test, ArgumentsThatCannotBeParsed) {
    for (const QStringList& arguments :
         {QStringList{"speed"}, QStringList{"speed", circuit, "fast"}, QStringList{"speed", circuit, "0"},
          QStringList{"speed", circuit, "-1"}, QStringList{"speed", circuit, "inf"},
          QStringList{"speed", circuit, "nan"}, QStringList{"speed", circuit, "1", "2"}}) {
        EXPECT_EQ(run(arguments), cirtool::kUnparsable) << arguments.join(' ').toStdString();
        EXPECT_EQ(out.str(), "");
        EXPECT_NE(err.str(), "");
    }
}

}  // namespace
