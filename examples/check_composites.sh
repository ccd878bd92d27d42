#!/usr/bin/env bash
# Lays the composite runs VLE-01 and VLE-02 with their second elbow turned
# both ways and a twisted VFE-01, checks the drawing with the project's
# drawing checks, opens it again in lurak, saves it once more, and checks
# in both files the turns and the twist, the same XDATA and every joint
# recorded on both of its elements.
set -euo pipefail
program=$1 examples=$2 check=$3 python=$4 out=$5
mkdir -p "$out" && cd "$out"
"$program" -s "$examples/composites.scr" -o composites.dxf > composites.log
if grep -q "does not fit\|No free connector" composites.log; then
    echo "a composite run was not placed"; exit 1
fi
"$python" "$check" --opened-by "$program" composites.dxf
"$program" composites.dxf -s "$examples/composites_reopen.scr" -o reopened.dxf > reopen.log
grep -q '\[CR1\] Composite runs' reopen.log
"$python" "$check" --opened-by "$program" reopened.dxf
PYTHONPATH="$examples" "$python" - composites.dxf reopened.dxf <<'PY'
import sys
from drawing_elements import elements, joints, has_run

first, again = elements(sys.argv[1]), elements(sys.argv[2])
# The values follow the airflows: the turn, then the sides b, a, c, d.
for kind in [(1, 24), (1, 25)]:
    runs = [e for e in first.values() if e["type"] == kind]
    assert len(runs) == 2, (kind, runs)
    for turn in (-90.0, 90.0):
        assert any(has_run(e["reals"], [turn, 500.0, 500.0, 500.0, 500.0]) for e in runs), (kind, turn)
bends = [e for e in first.values() if e["type"] == (2, 11)]
assert len(bends) == 1 and has_run(bends[0]["reals"], [30.0, 315.0]), bends
pairs = joints(first)
print("elements, joints:", len(first), len(pairs))
# Five networks, each a chain joined end to end.
assert len(pairs) == len(first) - 5, pairs
assert pairs == joints(again)
assert {h: e["xdata"] for h, e in first.items()} == {h: e["xdata"] for h, e in again.items()}
print("composites check passed")
PY
