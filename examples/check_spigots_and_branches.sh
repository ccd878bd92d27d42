#!/usr/bin/env bash
# Lays the pieces with spigots and branches from a script, checks the
# drawing with the project's drawing checks, opens it again in lurak (the
# layered duct of the second variant rebuilt and written again) and
# compares every element's XDATA and joints in both files.
set -euo pipefail
program=$1 examples=$2 check=$3 python=$4 out=$5
mkdir -p "$out" && cd "$out"
"$program" -s "$examples/spigots_and_branches.scr" -o spigots.dxf > spigots.log
"$python" "$check" --opened-by "$program" spigots.dxf
"$program" spigots.dxf -s "$examples/spigots_and_branches_reopen.scr" -o reopened.dxf > reopen.log
grep -q "prop_vf_a3> accept" reopen.log
"$python" "$check" --opened-by "$program" reopened.dxf
PYTHONPATH="$examples" "$python" - spigots.dxf reopened.dxf <<'PY'
import collections
import sys
from drawing_elements import unedited_xdata as elements, kinds

first, again = elements(sys.argv[1]), elements(sys.argv[2])
count = collections.Counter(kinds(x) for x in first.values())
print("family, subtype: count", dict(count))
# The layered duct of the second variant is stored as subtype 23.
for t in [(1, 11), (1, 26), (1, 27), (1, 28), (1, 29), (2, 12), (2, 13), (2, 18), (2, 19),
          (2, 20), (2, 21), (2, 22), (2, 23)]:
    assert count[t] == 1, (t, count)
assert first == again, [h for h in first if first[h] != again.get(h)]
print("spigots and branches check passed")
PY
