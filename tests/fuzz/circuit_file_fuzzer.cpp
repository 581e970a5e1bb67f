// libFuzzer entry: every input is a circuit file (see circuit_exercise.h).
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include <QTemporaryDir>

#include "circuit_exercise.h"

namespace {

// One folder for the whole run: a folder per input would cost more than
// most inputs do.
QTemporaryDir* work_folder() {
    static QTemporaryDir folder;
    return &folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QTemporaryDir* folder = work_folder();
    if (!folder->isValid()) {
        std::fprintf(stderr, "circuit_file_fuzzer: no temporary folder\n");
        std::abort();
    }
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (const auto broken = robustness::exercise_circuit_file(bytes, folder->path())) {
        std::fprintf(stderr, "circuit_file_fuzzer: %s\n", broken->c_str());
        std::abort();
    }
    return 0;
}
