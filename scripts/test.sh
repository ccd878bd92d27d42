#!/usr/bin/env bash
# Builds the project with AddressSanitizer and UndefinedBehaviorSanitizer
# (-Wall -Wextra as always) and runs every test, then each fuzz target for
# 20 seconds (scripts/fuzz.sh; FUZZ_SECONDS changes it, 0 skips it).  The
# plain build is the one scripts/demo.sh and the benchmarks use.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs=$(nproc)
cmake -S . -B build-san -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLURAK_SANITIZE=ON >/dev/null
cmake --build build-san -j "$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-san --output-on-failure -j "$jobs"
seconds=${FUZZ_SECONDS:-20}
if [ "$seconds" != 0 ]; then bash scripts/fuzz.sh "$seconds"; fi
