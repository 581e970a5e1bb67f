// Saving when the disk takes only part of the file: the old file stays as it
// was, byte for byte, and the bench says "文件…写错误".
#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>

#include <QDir>
#include <QTemporaryDir>

#include "bench_model.h"
#include "bench_test_support.h"
#include "circuit_snapshot.h"
#include "hostile_support.h"

using namespace robustness;

namespace {

// While it lives, no file of this process can grow beyond `bytes`: a write
// past the limit fails as it would on a full disk (EFBIG rather than
// ENOSPC). The signal that would end the process instead is ignored.
class file_size_limit {
public:
    explicit file_size_limit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = old_;
        limited.rlim_cur = bytes;
        if (setrlimit(RLIMIT_FSIZE, &limited) != 0) ADD_FAILURE() << "the file size limit cannot be set";
    }
    ~file_size_limit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, old_handler_);
    }
    file_size_limit(const file_size_limit&) = delete;
    file_size_limit& operator=(const file_size_limit&) = delete;

private:
    rlimit old_{};
    void (*old_handler_)(int) = SIG_DFL;
};

// More records than one write buffer holds, so some writes reach the disk
// before the file is closed.
void build_large_circuit(bench::bench_model& bench) {
    for (int seat = 0; seat < 20; ++seat)
        bench::testing::place_chip(bench, "74LS00", 4 + 10 * (seat % 3), 7 * (seat / 3));
    for (int w = 0; w < 120; ++w) bench::testing::connect(bench, 36, w % 16, 30 + w % 5, w % 40);
}

qsizetype saved_size(const bench::bench_model& bench) {
    return static_cast<qsizetype>(bench.wire_count() + bench.chip_count() + 1) * bench::kRecordSize;
}

struct limit_case {
    const char* what;
    qsizetype limit;        // bytes any file may hold,
    bool after_the_circuit;  // counted from the size of the circuit's file
    bool saves;
};
void PrintTo(const limit_case& c, std::ostream* out) { *out << c.what; }

class SaveUnderALimit : public ::testing::TestWithParam<limit_case> {};

TEST_P(SaveUnderALimit, KeepsTheOldFileWhenTheDiskIsFull) {
    QTemporaryDir folder;
    const QString path = folder.filePath("circuit.cir");
    bench::bench_model bench;
    bench::testing::place_chip(bench, "74LS04", 14, 10);
    bench::testing::connect(bench, 36, 22, 13, 10);
    ASSERT_TRUE(bench.save(path).ok);
    const QByteArray old_file = read_file(path);
    build_large_circuit(bench);
    const std::string circuit = circuit_snapshot(bench);
    const qsizetype size = saved_size(bench);
    ASSERT_GT(size, 16384) << "some writes must reach the disk before the file is closed";

    bench::file_result result;
    {
        const limit_case& c = GetParam();
        const file_size_limit limit(static_cast<rlim_t>(c.limit + (c.after_the_circuit ? size : 0)));
        result = bench.save(path);
    }
    EXPECT_EQ(circuit_snapshot(bench), circuit);
    if (GetParam().saves) {
        ASSERT_TRUE(result.ok) << "the limit itself must not fail a file that fits";
        EXPECT_EQ(read_file(path).size(), size);
        return;
    }
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, QString::fromUtf8("文件") + path + QString::fromUtf8("写错误"));
    EXPECT_EQ(read_file(path), old_file);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"circuit.cir"})
        << "no half-written file is left beside it";
    EXPECT_EQ(bench.circuit_name(), QStringLiteral("circuit.cir"));

    // With room on the disk again the same save goes through.
    ASSERT_TRUE(bench.save(path).ok);
    bench::bench_model reloaded;
    ASSERT_TRUE(reloaded.load(path).ok);
    EXPECT_EQ(reloaded.wire_count(), bench.wire_count());
    EXPECT_EQ(reloaded.chip_count(), bench.chip_count());
}

INSTANTIATE_TEST_SUITE_P(
    Limits, SaveUnderALimit,
    ::testing::Values(limit_case{"nothing", 0, false, false}, limit_case{"one_byte", 1, false, false},
                      limit_case{"all_but_one_byte_of_a_record", bench::kRecordSize - 1, false, false},
                      limit_case{"one_record", bench::kRecordSize, false, false},
                      limit_case{"one_write_buffer", 16384, false, false},
                      limit_case{"all_but_the_last_byte", -1, true, false},
                      limit_case{"exactly_the_file", 0, true, true}),
    [](const ::testing::TestParamInfo<limit_case>& info) { return std::string(info.param.what); });

TEST(SaveFailure, ANameWithBlanksIsTrimmedInTheMessage) {
    QTemporaryDir folder;
    const QString path = folder.filePath("spaced.cir  ");
    bench::bench_model bench;
    ASSERT_TRUE(bench.save(path).ok);
    const QByteArray old_file = read_file(path);
    build_large_circuit(bench);
    bench::file_result result;
    {
        const file_size_limit limit(bench::kRecordSize);
        result = bench.save(path);
    }
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, QString::fromUtf8("文件") + path.trimmed() + QString::fromUtf8("写错误"));
    EXPECT_EQ(read_file(path), old_file);
}

}  // namespace
