#!/usr/bin/env bash
# Lays one element of every type listed in catalogue_types.txt (the script
# must be the one make_catalogue.py writes from it), checks the drawing with
# the project's drawing checks, checks that every listed type is there on
# its duct and in the bill of materials, opens the drawing again, saves it
# once more and compares the elements and their joints in both files.
set -euo pipefail
program=$1 examples=$2 check=$3 python=$4 out=$5
mkdir -p "$out" && cd "$out"
rm -f catalogue_bom.txt  # a bill left by an earlier run must not pass for this one
"$python" "$examples/make_catalogue.py" "$examples/catalogue_types.txt" expected.scr
cmp expected.scr "$examples/catalogue.scr" || { echo "catalogue.scr is not made from catalogue_types.txt"; exit 1; }
"$program" -s "$examples/catalogue.scr" -o catalogue.dxf > catalogue.log
# A line the script meant for one prompt but another took would lay a type
# somewhere else, or not at all.
if grep -E 'required\.|Invalid|Unknown command' catalogue.log; then
  echo "catalogue.scr: an input was refused"; exit 1
fi
"$python" "$check" --opened-by "$program" catalogue.dxf
"$program" catalogue.dxf -s "$examples/catalogue_reopen.scr" -o reopened.dxf > reopen.log
grep -q '\[CAT\] Catalogue' reopen.log
"$python" "$check" --opened-by "$program" reopened.dxf
"$python" - "$examples/catalogue_types.txt" catalogue.dxf reopened.dxf catalogue_bom.txt <<'PY'
import sys
import ezdxf

def listed(path):
    types = []
    for line in open(path, encoding="utf-8"):
        words = line.split("#", 1)[0].split("|", 1)[0].split()
        if words:
            # code=text: the bill shows the type by that text ("_" a space).
            code, _, text = words[-1].partition("=")
            types.append((int(words[0]), int(words[1]), code, (text or code).replace("_", " ")))
    return types

def elements(path):
    found = {}
    for e in ezdxf.readfile(path).modelspace():
        if e.dxftype() == "INSERT" and e.has_xdata("LurakCad_B1"):
            data = e.get_xdata("LurakCad_B1")
            shorts = [v for code, v in data if code == 1070]
            found[e.dxf.handle] = {
                "type": (shorts[0], shorts[1]),
                "reals": [v for code, v in data if code == 1040],
                "links": [v for code, v in data if code == 1005 and v not in ("0", "")],
            }
    return found

def joints(found):
    pairs = set()
    for handle, e in found.items():
        for other in e["links"]:
            if other in found and other != handle:
                assert handle in found[other]["links"], f"{handle} -> {other} is one way only"
                pairs.add(tuple(sorted((handle, other))))
    return pairs

types = listed(sys.argv[1])
first, again = elements(sys.argv[2]), elements(sys.argv[3])
present = {e["type"] for e in first.values()}
missing = [name for family, subtype, name, _ in types if (family, subtype) not in present]
assert not missing, f"not laid: {missing}"
ducts = {(1, 1), (2, 1)}
for family, subtype, name, _ in types:
    if (family, subtype) in ducts:
        continue
    # Each element sits on a duct: joined to it, or attached to it.
    e = next(e for e in first.values() if e["type"] == (family, subtype))
    assert any(first[h]["type"] in ducts for h in e["links"] if h in first), name
assert {h: e["reals"] for h, e in first.items()} == {h: e["reals"] for h, e in again.items()}
assert joints(first) == joints(again)
rows = [" " + " ".join(line.split()) for line in open(sys.argv[4], encoding="utf-8") if line.strip()]
unbilled = [name for _, _, name, text in types if not any(" " + text in row for row in rows)]
assert not unbilled, f"not in the bill of materials: {unbilled}"
print("types, elements, joints, bill rows:", len(types), len(first), len(joints(first)), len(rows))
print("catalogue check passed")
PY
