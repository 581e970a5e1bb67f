// Every file that ever broke the circuit file fuzzer, and every seed it
// starts from, replayed through the steps the fuzzer runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "circuit_exercise.h"

namespace {

struct input_file {
    std::string folder;
    std::string name;
};
void PrintTo(const input_file& file, std::ostream* out) { *out << file.name; }

std::vector<input_file> files_in(const char* folder) {
    std::vector<input_file> files;
    const QDir dir(QString::fromUtf8(folder));
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
        // The folders' notes, and the lab sheets beside the examples, are not inputs.
        if (name.startsWith(u'.') || name.endsWith(QStringLiteral(".md")) || name.endsWith(QStringLiteral(".lab")))
            continue;
        files.push_back({folder, name.toStdString()});
    }
    return files;
}

std::vector<input_file> all_inputs() {
    std::vector<input_file> files;
    for (const char* folder : {FUZZ_REGRESSION_FOLDER, FUZZ_SEED_FOLDER, FUZZ_EXAMPLE_FOLDER}) {
        const std::vector<input_file> found = files_in(folder);
        files.insert(files.end(), found.begin(), found.end());
    }
    return files;
}

std::string prefix_of(const std::string& folder) {
    if (folder == FUZZ_REGRESSION_FOLDER) return "crash_";
    if (folder == FUZZ_SEED_FOLDER) return "seed_";
    return "example_";
}

class FuzzInput : public ::testing::TestWithParam<input_file> {};

TEST_P(FuzzInput, RunsThroughTheBenchKeepingEveryPromise) {
    const input_file& input = GetParam();
    QFile file(QString::fromStdString(input.folder + "/" + input.name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << input.name;
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const auto broken = robustness::exercise_circuit_file(file.readAll(), folder.path());
    EXPECT_FALSE(broken.has_value()) << input.name << ": " << broken.value_or("");
}

TEST(FuzzInputs, TheSeedsAreThere) { EXPECT_FALSE(files_in(FUZZ_SEED_FOLDER).empty()); }

INSTANTIATE_TEST_SUITE_P(Files, FuzzInput, ::testing::ValuesIn(all_inputs()),
                         [](const ::testing::TestParamInfo<input_file>& info) {
                             std::string name = prefix_of(info.param.folder);
                             for (const char c : info.param.name)
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

}  // namespace
