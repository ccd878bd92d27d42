#!/usr/bin/env bash
# Lays the in-duct units and multi-way pieces of examples/units.scr, checks
# the drawing with the project's drawing checks, opens it again in lurak
# and saves it once more, and compares every element's XDATA and joints in
# both files.
set -euo pipefail
program=$1 examples=$2 check=$3 python=$4 out=$5
mkdir -p "$out" && cd "$out"
"$program" -s "$examples/units.scr" -o units.dxf > units.log
"$python" "$check" --opened-by "$program" units.dxf
"$program" units.dxf -s "$examples/demo_reopen.scr" -o reopened.dxf > reopen.log
grep -q '\[UN1\] Units air' reopen.log
"$python" "$check" --opened-by "$program" reopened.dxf
# KNH-E, KNH-K, CS, CSK-H, CSK-V, USZ-29, LEM, S-15, USZ-17, VL-NI, VLE-06,
# VLE-07.
"$python" "$examples/compare_reopened.py" units.dxf reopened.dxf 16 \
  1,15 1,16 1,17 1,18 1,19 1,20 1,21 1,22 1,23 1,30 1,31 1,32
echo "units check passed"
