#!/usr/bin/env bash
# Builds the circuit file fuzzer with clang (libFuzzer, ASan, UBSan) and runs
# it for SECONDS seconds from its seeds: the example circuits built into
# bin/circuit, the hand-made files in tests/fuzz/seeds and every file in
# tests/fuzz/regressions that once broke it.
#
#   bash tests/fuzz/run_fuzzer.sh SECONDS [BUILD_FOLDER]
#
# BUILD_FOLDER defaults to build-fuzz at the top of the repository. The
# corpus the fuzzer grows stays in BUILD_FOLDER/fuzz-corpus for the next run;
# an input that breaks the bench is written to BUILD_FOLDER/fuzz-findings and
# fails the run. Copy it into tests/fuzz/regressions when it is fixed.
set -euo pipefail

seconds=${1:?usage: run_fuzzer.sh SECONDS [BUILD_FOLDER]}
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
build=${2:-$top/build-fuzz}
mkdir -p "$build"
build=$(cd "$build" && pwd)

cmake -S "$top" -B "$build" -G Ninja \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DLABBENCH_FUZZ=ON -DLABBENCH_GUI=OFF -DLABBENCH_BENCHMARKS=OFF \
  > "$build/fuzz-configure.log" 2>&1 || { cat "$build/fuzz-configure.log"; exit 1; }
cmake --build "$build" --target circuit_file_fuzzer -j2

corpus=$build/fuzz-corpus
findings=$build/fuzz-findings
mkdir -p "$corpus" "$findings"
seed_folders=("$here/seeds")
[ -d "$here/regressions" ] && seed_folders+=("$here/regressions")
[ -d "$build/bin/circuit" ] && seed_folders+=("$build/bin/circuit")

export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export QT_QPA_PLATFORM=offscreen
# Every input writes and replaces a few small files; on a disk that discards
# freed blocks each replacement waits for the disk, in memory it does not.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
# A slow input is a hang as far as a student is concerned: ten seconds fail it.
exec "$build/bin/circuit_file_fuzzer" \
  -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix="$findings/" "$corpus" "${seed_folders[@]}"
