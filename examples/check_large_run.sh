#!/usr/bin/env bash
# A drawing past 16-bit counts: a run of 40,000 pieces is laid and saved,
# opened again, continued by one piece at its far end and saved once more;
# the second drawing must hold every element, each joint recorded at both
# of its ends, and the first must open without a repair.
set -euo pipefail
program=$1 examples=$2 python=$3 out=$4
mkdir -p "$out" && cd "$out"
"$program" -s "$examples/large_run.scr" -o large_run.dxf > large_run.log
"$program" large_run.dxf -s "$examples/large_run_more.scr" -o large_run_more.dxf > large_run_more.log
if grep -q "lcur is not available" large_run_more.log; then
    echo "large run skipped: no lcur in this build"
    exit 0
fi
# Opening the saved drawing again tells no repair.
if grep -E '^large_run\.dxf:|^\.\.\. and [0-9]+ more' large_run_more.log; then
    echo "large_run.dxf opened again with repairs"
    exit 1
fi
"$python" - large_run_more.dxf <<'PY'
import sys

# Reads the DXF groups as (code, value) pairs without a DXF library: the
# drawing is large and only the inserts' handles and XDATA matter here.
def groups(path):
    with open(path, encoding="utf-8", newline=None) as f:
        while True:
            code = f.readline()
            if not code:
                return
            yield int(code), f.readline().rstrip("\n")

def elements(path):
    found, current, in_entities = {}, None, False
    for code, value in groups(path):
        if code == 0:
            current = None
            if value == "INSERT" and in_entities:
                current = {"handle": None, "xdata": False, "refs": []}
            if value == "ENDSEC":
                in_entities = False
        elif code == 2 and value == "ENTITIES":
            in_entities = True
        elif current is not None:
            if code == 5:
                current["handle"] = value
                found[value] = current
            elif code == 1001:
                current["xdata"] = value == "LurakCad_B1"
            elif code == 1005 and current["xdata"]:
                current["refs"].append(value)
    return {h: e for h, e in found.items() if e["xdata"]}

inserts = elements(sys.argv[1])
joints, one_way = set(), []
for handle, e in inserts.items():
    for ref in e["refs"]:
        if ref in inserts and ref != handle:
            joints.add(tuple(sorted((handle, ref))))
            if handle not in inserts[ref]["refs"]:
                one_way.append((handle, ref))
print("elements:", len(inserts), "joints:", len(joints), "one way:", len(one_way))
assert len(inserts) == 40001, len(inserts)
assert len(joints) == 40000, len(joints)
assert not one_way, one_way[:5]
print("large run check passed")
PY
