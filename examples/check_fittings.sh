#!/usr/bin/env bash
# Lays elbows and tees of both duct families in two networks, checks the
# drawing with the project's drawing checks, opens it again in lurak, saves
# it once more, and checks in both files that every fitting is there, that
# the elements keep their values and that every joint is recorded on both
# of its elements.
set -euo pipefail
program=$1 examples=$2 check=$3 python=$4 out=$5
mkdir -p "$out" && cd "$out"
"$program" -s "$examples/fittings.scr" -o fittings.dxf > fittings.log
if grep -q "does not fit\|No free connector" fittings.log; then
    echo "a fitting was not placed"; exit 1
fi
"$python" "$check" --opened-by "$program" fittings.dxf
"$program" fittings.dxf -s "$examples/fittings_reopen.scr" -o reopened.dxf > reopen.log
grep -q '\[FT1\] Supply air' reopen.log
"$python" "$check" --opened-by "$program" reopened.dxf
PYTHONPATH="$examples" "$python" - fittings.dxf reopened.dxf <<'PY'
import collections
import sys
from drawing_elements import elements, joints

first, again = elements(sys.argv[1]), elements(sys.argv[2])
kinds = collections.Counter(e["type"] for e in first.values())
print("family, subtype: count", dict(kinds))
for fitting in [(1, 2), (1, 3), (1, 7), (1, 4), (2, 3), (2, 5), (2, 4), (2, 6)]:
    assert kinds[fitting] == 1, (fitting, kinds)
# Every fitting joined at both ends of its run (the tees' branches stay free).
pairs = joints(first)
print("elements, joints:", len(first), len(pairs))
assert len(pairs) == len(first) - 2, pairs
assert pairs == joints(again)
assert {h: e["xdata"] for h, e in first.items()} == {h: e["xdata"] for h, e in again.items()}
print("fittings check passed")
PY
