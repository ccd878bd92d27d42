#!/usr/bin/env bash
# Lays every fan, heater, filter and fire damper type from a script,
# checks the drawing with the project's drawing checks, opens it again in
# lurak (the Autodef is still an Autodef2000), saves it once more and
# checks that every element keeps its values and joints.
set -euo pipefail
program=$1 examples=$2 check=$3 python=$4 out=$5
mkdir -p "$out" && cd "$out"
"$program" -s "$examples/equipment.scr" -o equipment.dxf > equipment.log
if grep -q "Point or option keyword required\|There is no free connector" equipment.log; then
    echo "the script lost its place"; exit 1
fi
"$python" "$check" --opened-by "$program" equipment.dxf
"$program" equipment.dxf -s "$examples/equipment_reopen.scr" -o reopened.dxf > reopen.log
grep -q 'v0 .*= "1"' reopen.log
"$python" "$check" --opened-by "$program" reopened.dxf
PYTHONPATH="$examples" "$python" - equipment.dxf reopened.dxf <<'PY'
import collections
import sys
from drawing_elements import elements, has_run

first, again = elements(sys.argv[1]), elements(sys.argv[2])
kinds = collections.Counter(e["type"] for e in first.values())
print("family, subtype: count", dict(kinds))
# Every type of the fan, heater, filter and fire-damper pages, once; the
# wall-mounted dampers each on a duct of its own.
for t in [(5, k) for k in range(1, 13)] + [(4, k) for k in range(1, 18)]:
    assert kinds[t] == 1, (t, kinds)
assert kinds[(1, 1)] == 10 and kinds[(2, 1)] == 1, kinds
# The Autodef2000 took the first sizes of its lists: type 2, 321 x 394.
autodef = [e for e in first.values() if e["type"] == (4, 13)][0]
assert has_run(autodef["reals"], [2.0, 321.0, 394.0]), autodef
# Every element with connectors is joined at both ends, but LZ3 and LZ3K
# that end their runs.
for t in [(5, k) for k in range(1, 13)] + [(4, k) for k in (1, 2, 3, 4, 14, 15, 16, 17)]:
    e = [x for x in first.values() if x["type"] == t][0]
    ends = 1 if t in [(4, 3), (4, 4)] else 2
    assert len([h for h in e["links"] if h in first]) == ends, (t, e)
assert {h: (e["type"], e["reals"], sorted(e["links"])) for h, e in first.items()} == \
       {h: (e["type"], e["reals"], sorted(e["links"])) for h, e in again.items()}
print("equipment check passed")
PY
