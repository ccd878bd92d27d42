#!/usr/bin/env bash
# Builds the project with ThreadSanitizer in build-tsan/ and runs, once,
# what reads and saves drawings on several threads: the DXF tests that
# read or save files, the save tests of the command line and the example
# scripts (each lays, saves and opens drawings with the lurak program).
# Any race it reports fails the run.  Slower than scripts/test.sh (see
# README.md), so it is not part of every CI run; TSAN_TESTS (a ctest
# regular expression) runs other tests instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs=$(nproc)
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLURAK_TSAN=ON >/dev/null
cmake --build build-tsan -j "$jobs"
# halt_on_error: the first race ends the process, so no test passes over one.
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 history_size=4"
saving='^(RoundTrip|NestedBlocksFile|SaveScan|HostDrawing|DamagedSave|DamagedFile|InsertGrid|InsertOrder|ComplexEntities|TableCount|OldVersions|ForeignFiles|ForeignCorpus|FileIo|SaveAndHelp|Documents|Program)\.'
tests=${TSAN_TESTS:-"$saving|^example_"}
start=$(date +%s)
ctest --test-dir build-tsan --output-on-failure -j "$jobs" -R "$tests"
echo "tsan: $(( $(date +%s) - start )) s"
