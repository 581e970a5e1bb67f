#!/usr/bin/env bash
# Sets up, builds and runs every test: the normal build, the whole suite again
# under AddressSanitizer and UndefinedBehaviorSanitizer, and a short run of
# the circuit file fuzzer.
#   FUZZ_SECONDS (default 60) sets the fuzzer's run; 0 skips it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

echo "== build"
bash scripts/build.sh build -DCMAKE_BUILD_TYPE=Release
echo "== build with sanitizers"
# Light optimisation and line tables only: the sanitizers need no more, and
# the build stays quick on a small machine.
bash scripts/build.sh build-asan -DLABBENCH_SANITIZE=ON -DLABBENCH_BENCHMARKS=OFF \
  -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g1"

fuzz_seconds=${FUZZ_SECONDS:-60}
if [ "$fuzz_seconds" -gt 0 ]; then
  echo "== fuzz the circuit loader for ${fuzz_seconds} s"
  bash tests/fuzz/run_fuzzer.sh "$fuzz_seconds" build-fuzz
fi

echo "== tests under sanitizers"
ctest --test-dir build-asan --output-on-failure -j2 --timeout 600
echo "== tests"
ctest --test-dir build --output-on-failure -j2 --timeout 600
