#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ with clang's libFuzzer (build-fuzz/) and
# runs each for SECONDS (default 20), starting from the seed corpora in
# fuzz/corpus/<target>; what a run finds interesting is kept in
# build-fuzz/corpus/<target> for the next run.  Prints one line per target
# with its executions and coverage; a crash, leak or sanitizer report stops
# the script with its input saved in build-fuzz/crashes/.
#
#   bash scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
shift || true
if ! command -v clang++ >/dev/null; then
  echo "fuzz: clang++ is not installed (scripts/setup.sh installs it); skipped"
  exit 0
fi
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLURAK_FUZZ=ON >/dev/null
cmake --build build-fuzz -j "${FUZZ_JOBS:-4}" --target fuzz_targets >/dev/null
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(dxf_text dxf_binary dcl messages script element_xdata)
root=$PWD/build-fuzz
seeds=$PWD/fuzz/corpus
# The script target saves and opens files: it runs in a folder of its own.
mkdir -p "$root/run" "$root/crashes"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
for target in "${targets[@]}"; do
  corpus=$root/corpus/$target
  mkdir -p "$corpus"
  log=$root/fuzz_$target.log
  if (cd "$root/run" && "$root/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
        -print_final_stats=1 -artifact_prefix="$root/crashes/${target}_" "$corpus" "$seeds/$target" \
        >"$log" 2>&1); then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    cov=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -1)
    echo "fuzz_$target: $runs executions in ${seconds} s, $cov, corpus $(ls "$corpus" | wc -l) inputs"
  else
    echo "fuzz_$target: FAILED (see $log and $root/crashes/)"
    grep -m5 -E 'ERROR|SUMMARY|runtime error' "$log" || true
    status=1
  fi
done
exit $status
