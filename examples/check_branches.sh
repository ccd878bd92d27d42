#!/usr/bin/env bash
# Lays the branch fittings of examples/branches.scr, checks the drawing with
# the project's drawing checks, opens it again in lurak and saves it once
# more, and compares every element's XDATA and joints in both files.
set -euo pipefail
program=$1 examples=$2 check=$3 python=$4 out=$5
mkdir -p "$out" && cd "$out"
"$program" -s "$examples/branches.scr" -o branches.dxf > branches.log
"$python" "$check" branches.dxf
grep -q "VF-12  A=300;  B=200;  E=100;" branches_bom.txt
"$program" branches.dxf -s "$examples/demo_reopen.scr" -o reopened.dxf > reopen.log
grep -q '\[BR1\] Branched air' reopen.log
"$python" "$check" reopened.dxf
"$python" - branches.dxf reopened.dxf <<'PY'
import collections
import sys
import ezdxf

def elements(path):
    doc = ezdxf.readfile(path)
    found = {}
    for e in doc.modelspace():
        if e.dxftype() == "INSERT" and e.has_xdata("LurakCad_B1"):
            found[e.dxf.handle] = list(e.get_xdata("LurakCad_B1"))
    return found

def joints(found):
    joined = set()
    for handle, xdata in found.items():
        for code, value in xdata:
            if code == 1005 and value in found and value != handle:
                joined.add(tuple(sorted((handle, value))))
    return joined

first, again = elements(sys.argv[1]), elements(sys.argv[2])
kinds = collections.Counter()
for xdata in first.values():
    shorts = [v for code, v in xdata if code == 1070]
    kinds[(shorts[0], shorts[1])] += 1
print("family, subtype: count", dict(kinds))
# VL-12-B, VL-12-J, VL-13; VF-11/12, VF-20, VF-21, VF-22; the CSD grille.
for kind in [(1, 12), (1, 13), (1, 14), (2, 10), (2, 14), (2, 15), (2, 16), (3, 1)]:
    assert kinds[kind] == 1, (kind, kinds)
print("elements, joints:", len(first), len(joints(first)))
assert len(joints(first)) >= 12, joints(first)
assert first == again, "the XDATA changed on reopening"
print("branches check passed")
PY
