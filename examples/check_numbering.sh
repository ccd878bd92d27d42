#!/usr/bin/env bash
# Runs the numbering example and compares both saved bills line by line
# with the expected rows; the drawing, numbered and sized, must pass the
# drawing checks and open again without a repair.
set -euo pipefail
program=$1 examples=$2 check=$3 python=$4 out=$5
mkdir -p "$out" && cd "$out"
rm -f numbering_list.txt numbering_alist.txt
"$program" -s "$examples/numbering.scr" -o numbering.dxf > numbering.log
for bill in numbering_list.txt numbering_alist.txt; do
  diff -u "$examples/$bill" "$bill"
done
# Each duct's size is a dimension: its block holds the points it measures.
test "$(grep -c $'^DIMENSION\r$' numbering.dxf)" -eq 7
"$python" "$check" --opened-by "$program" numbering.dxf
echo "numbering check passed"
