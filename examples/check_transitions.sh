#!/usr/bin/env bash
# Lays the transitions and the flexible duct from a script, checks the
# drawing with the project's drawing checks, opens it again in lurak (the
# flexible duct read back and written again, twice) and compares every element's
# XDATA and joints in both files.
set -euo pipefail
program=$1 examples=$2 check=$3 python=$4 out=$5
mkdir -p "$out" && cd "$out"
"$program" -s "$examples/transitions.scr" -o transitions.dxf > transitions.log
grep -q "The path cannot turn that way" transitions.log
"$python" "$check" --opened-by "$program" transitions.dxf
"$program" transitions.dxf -s "$examples/transitions_reopen.scr" -o reopened.dxf > reopen.log
grep -q "prop_vf_s2> accept" reopen.log
"$python" "$check" --opened-by "$program" reopened.dxf
"$program" reopened.dxf -s "$examples/transitions_reopen.scr" -o reopened_twice.dxf > reopen_twice.log
"$python" "$check" --opened-by "$program" reopened_twice.dxf
PYTHONPATH="$examples" "$python" - transitions.dxf reopened.dxf reopened_twice.dxf <<'PY'
import collections
import sys
from drawing_elements import unedited_xdata as elements, kinds, xdata_joints as joints

first, again, twice = (elements(p) for p in sys.argv[1:4])
count = collections.Counter(kinds(x) for x in first.values())
print("family, subtype: count", dict(count))
for t in [(1, 5), (1, 6), (1, 8), (1, 9), (1, 10), (2, 7), (2, 8), (2, 9), (2, 2)]:
    assert count[t] == 1, (t, count)
flex = [x for x in first.values() if kinds(x) == (2, 2)][0]
points = [v for code, v in flex if code == 1010]
# The stored first node, the straight before the first bend and a segment
# per point laid after it; the refused point left nothing.
assert len(points) == 7, points
assert len(joints(first)) == len(first) - 2, (len(joints(first)), len(first))
assert first == again, [h for h in first if first[h] != again.get(h)]
assert twice == again, [h for h in again if again[h] != twice.get(h)]
print("transitions check passed")
PY
