#!/usr/bin/env bash
# Lays the first element of every family from a script, checks the drawing
# with the project's drawing checks, and counts the elements.
set -euo pipefail
program=$1 examples=$2 check=$3 python=$4 out=$5
mkdir -p "$out" && cd "$out"
"$program" -s "$examples/first_elements.scr" -o first_elements.dxf > first_elements.log
"$python" "$check" --opened-by "$program" first_elements.dxf
"$python" - first_elements.dxf <<'PY'
import collections
import sys
import ezdxf

doc = ezdxf.readfile(sys.argv[1])
kinds = collections.Counter()
for e in doc.modelspace():
    if e.dxftype() == "INSERT" and e.has_xdata("LurakCad_B1"):
        shorts = [v for code, v in e.get_xdata("LurakCad_B1") if code == 1070]
        kinds[(shorts[0], shorts[1])] += 1
print("family, subtype: count", dict(kinds))
# 3020 as 1500 + 1500 + the rest, and one more VL-01 for the grille.
assert kinds[(1, 1)] == 4, kinds
# 15000 as 6000 + 6000 + 3000.
assert kinds[(2, 1)] == 3, kinds
assert kinds[(3, 1)] == 1 and kinds[(4, 1)] == 1, kinds
print("first elements check passed")
PY
