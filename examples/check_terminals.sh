#!/usr/bin/env bash
# Lays the air terminals from a script, checks the drawing with the host's
# drawing checks, opens it again in lurak (the BBF's dialog shows its new
# grille), saves it once more and checks in both files that every terminal
# is there, joined to its duct both ways, with the values it was given.
set -euo pipefail
program=$1 examples=$2 check=$3 python=$4 out=$5
mkdir -p "$out" && cd "$out"
"$program" -s "$examples/terminals.scr" -o terminals.dxf > terminals.log
"$python" "$check" --opened-by "$program" terminals.dxf
"$program" terminals.dxf -s "$examples/terminals_reopen.scr" -o reopened.dxf > reopen.log
grep -q 'v1 .*"7"' reopen.log
"$python" "$check" --opened-by "$program" reopened.dxf
PYTHONPATH="$examples" "$python" - terminals.dxf reopened.dxf <<'PY'
import sys
from drawing_elements import elements, joints

first, again = elements(sys.argv[1]), elements(sys.argv[2])
print("elements, joints:", len(first), len(joints(first)), len(again), len(joints(again)))
assert {h: e["reals"] for h, e in first.items()} == {h: e["reals"] for h, e in again.items()}
assert joints(first) == joints(again)
terminals = {e["type"][1]: e for e in first.values() if e["type"][0] == 3}
assert sorted(terminals) == list(range(6, 16)), sorted(terminals)
# Those with a round connector are joined to their spiral duct.
for subtype in range(9, 16):
    assert any(first[h]["type"] == (2, 1) for h in terminals[subtype]["links"] if h in first), subtype
# One joint per round terminal (each run of 2000 is one spiral duct), the
# two joints of the rectangular run and the three grilles on its pieces.
assert len(joints(first)) == 7 + 2 + 3, joints(first)
# The BBF carries the CNH-F grille (8) chosen in its dialog: D, grille, L, H.
bbf = terminals[11]["reals"]
assert any(bbf[k:k + 4] == [315.0, 8.0, 600.0, 300.0] for k in range(len(bbf))), bbf
print("terminals check passed")
PY
