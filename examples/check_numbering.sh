#!/usr/bin/env bash
# Runs the numbering example and compares both saved bills line by line
# with the expected rows.
set -euo pipefail
program=$1 examples=$2 out=$3
mkdir -p "$out" && cd "$out"
rm -f numbering_list.txt numbering_alist.txt
"$program" -s "$examples/numbering.scr" -o numbering.dxf > numbering.log
for bill in numbering_list.txt numbering_alist.txt; do
  diff -u "$examples/$bill" "$bill"
done
echo "numbering check passed"
