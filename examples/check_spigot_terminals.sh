#!/usr/bin/env bash
# Lays the terminals fed through spigots, the units and the end pieces from
# a script, checks the drawing with the host's drawing checks, opens it
# again in lurak (the SB's dialog shows its type), saves it once more and
# checks in both files that every one is there, joined to its duct both
# ways, with the values it was given.
set -euo pipefail
program=$1 examples=$2 check=$3 python=$4 out=$5
mkdir -p "$out" && cd "$out"
"$program" -s "$examples/spigot_terminals.scr" -o spigot_terminals.dxf > spigot_terminals.log
"$python" "$check" --opened-by "$program" spigot_terminals.dxf
"$program" spigot_terminals.dxf -s "$examples/spigot_terminals_reopen.scr" -o reopened.dxf > reopen.log
grep -q 'v0 .*"3"' reopen.log
"$python" "$check" --opened-by "$program" reopened.dxf
PYTHONPATH="$examples" "$python" - spigot_terminals.dxf reopened.dxf <<'PY'
import sys
from drawing_elements import elements, joints, has_run

first, again = elements(sys.argv[1]), elements(sys.argv[2])
print("elements, joints:", len(first), len(joints(first)), len(again), len(joints(again)))
assert {h: e["reals"] for h, e in first.items()} == {h: e["reals"] for h, e in again.items()}
assert joints(first) == joints(again)
units = {e["type"][1]: (h, e) for h, e in first.items() if e["type"][0] == 3}
assert sorted(units) == [16, 17, 18, 19, 20, 21, 22, 23, 26, 27, 28, 29], sorted(units)
# Every one joined to its duct: the rectangular ones to a VL-01, the
# others to a spiral duct.
for subtype, (handle, unit) in units.items():
    duct = (1, 1) if subtype in (22, 23, 28) else (2, 1)
    assert any(first[h]["type"] == duct for h in unit["links"] if h in first), subtype
# The SB-DD on the duct of 250: L 1500, five widths, two spigots a side.
assert has_run(units[16][1]["reals"], [4.0, 250.0, 1500.0, 5.0]), units[16]
# The BSN on the end of 400 x 300: variant 1 of that size.
assert has_run(units[28][1]["reals"], [1.0, 400.0, 300.0]), units[28]
# One joint in each rectangular run of 2000 (1500 + 500) and one per unit.
assert len(joints(first)) == 3 + 12, joints(first)
print("spigot terminals check passed")
PY
