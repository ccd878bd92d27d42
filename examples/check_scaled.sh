#!/usr/bin/env bash
# Lays examples/scaled.scr (insertion scale 1:50) and the same script at full
# size (scale 1, every point times 50), checks both drawings with the
# project's drawing checks, and compares them: the same elements with the
# same XDATA, each inserted at the scale and at the full-size position times
# the scale, so that the pieces meet the start point and each other.
set -euo pipefail
program=$1 examples=$2 check=$3 python=$4 out=$5
mkdir -p "$out" && cd "$out"
"$python" - "$examples/scaled.scr" full_size.scr <<'PY'
import re
import sys

point = re.compile(r"^(@?)(-?[0-9.]+),(-?[0-9.]+)$")
lines = []
for line in open(sys.argv[1]):
    line = line.rstrip("\n")
    m = point.match(line)
    if m:
        line = "%s%g,%g" % (m.group(1), float(m.group(2)) * 50, float(m.group(3)) * 50)
    elif line == "1075=50":
        line = "1075=1"
    lines.append(line)
open(sys.argv[2], "w").write("\n".join(lines) + "\n")
PY
"$program" -s "$examples/scaled.scr" -o scaled.dxf > scaled.log
"$program" -s full_size.scr -o full_size.dxf > full_size.log
"$python" "$check" --opened-by "$program" scaled.dxf
"$python" "$check" --opened-by "$program" full_size.dxf
"$python" - scaled.dxf full_size.dxf <<'PY'
import sys
import ezdxf

def elements(name):
    out = []
    for e in ezdxf.readfile(name).modelspace().query("INSERT"):
        if not e.has_xdata("LurakCad_B1"):
            continue
        data = e.get_xdata("LurakCad_B1")
        shorts = [v for code, v in data if code == 1070]
        if len(shorts) < 2 or shorts[0] > 16:
            continue  # a label
        out.append((e.dxf.insert, e.dxf.xscale, e.dxf.rotation, list(data)))
    return out

# Values equal but for the last bits of a path node worked out from points.
def same(a, b):
    if a.code != b.code:
        return False
    if a.code in (1010, 1011):
        return all(abs(u - v) < 1e-6 for u, v in zip(a.value, b.value))
    if a.code == 1040:
        return abs(a.value - b.value) < 1e-6
    return a.value == b.value

scaled, full = elements(sys.argv[1]), elements(sys.argv[2])
assert len(scaled) == len(full) == 10, (len(scaled), len(full))
for k, ((p, s, r, x), (q, t, u, y)) in enumerate(zip(scaled, full)):
    assert abs(s - 0.02) < 1e-12 and t == 1.0, (k, s, t)
    assert abs(r - u) < 1e-9, (k, r, u)
    assert (p * 50 - q).magnitude < 1e-6, (k, p, q)
    assert len(x) == len(y) and all(same(a, b) for a, b in zip(x, y)), (k, x, y)
print("scaled check passed: %d elements drawn at 1:50 as at full size" % len(scaled))
PY
