#!/usr/bin/env bash
# Lays the branch fittings of examples/branches.scr, checks the drawing with
# the project's drawing checks, opens it again in lurak and saves it once
# more, and compares every element's XDATA and joints in both files.
set -euo pipefail
program=$1 examples=$2 check=$3 python=$4 out=$5
mkdir -p "$out" && cd "$out"
rm -f branches_bom.txt  # a bill left by an earlier run must not pass for this one
"$program" -s "$examples/branches.scr" -o branches.dxf > branches.log
"$python" "$check" --opened-by "$program" branches.dxf
grep -q "VF-12  A=300;  B=200;  E=100;" branches_bom.txt
"$program" branches.dxf -s "$examples/demo_reopen.scr" -o reopened.dxf > reopen.log
grep -q '\[BR1\] Branched air' reopen.log
"$python" "$check" --opened-by "$program" reopened.dxf
# VL-12-B, VL-12-J, VL-13; VF-11/12, VF-20, VF-21, VF-22; the CSD grille.
"$python" "$examples/compare_reopened.py" branches.dxf reopened.dxf 12 \
  1,12 1,13 1,14 2,10 2,14 2,15 2,16 3,1
echo "branches check passed"
