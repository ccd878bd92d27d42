#!/usr/bin/env bash
# Runs the demonstration, checks the drawing with the project's drawing
# checks (host/dxf/tests/check_dxf.py), opens it again in lurak (its systems
# listed, saved once more) and compares the elements and their joints in
# both files.
set -euo pipefail
program=$1 examples=$2 check=$3 python=$4 out=$5
mkdir -p "$out" && cd "$out"
"$program" -s "$examples/demo.scr" -o demo.dxf > demo.log
"$python" "$check" demo.dxf
"$program" demo.dxf -s "$examples/demo_reopen.scr" -o reopened.dxf | tee reopen.log
grep -q '\[HV1\] Supply air' reopen.log
"$python" "$check" reopened.dxf
"$python" - demo.dxf reopened.dxf <<'PY'
import sys
import ezdxf

def joints(path):
    doc = ezdxf.readfile(path)
    handles = {e.dxf.handle for e in doc.modelspace() if e.dxftype() == "INSERT"}
    elements, joined = 0, set()
    for e in doc.modelspace():
        if e.dxftype() != "INSERT" or not e.has_xdata("LurakCad_B1"):
            continue
        elements += 1
        for code, value in e.get_xdata("LurakCad_B1"):
            if code == 1005 and value in handles and value != e.dxf.handle:
                joined.add(tuple(sorted((e.dxf.handle, value))))
    return elements, len(joined)

first, again = joints(sys.argv[1]), joints(sys.argv[2])
print("elements, joints:", first, again)
assert first[0] >= 10 and first[1] >= 9, first
assert first == again
print("demo check passed")
PY
