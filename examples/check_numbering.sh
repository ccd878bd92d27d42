#!/usr/bin/env bash
# Runs the numbering example and compares both saved bills line by line
# with the expected rows; the drawing, numbered and sized, must pass the
# drawing checks and open again without a repair; then sizes and labels a
# network with "Select" and checks that every size and label is named by its
# element and that deleting the air system leaves nothing of it.
set -euo pipefail
program=$1 examples=$2 check=$3 python=$4 out=$5
mkdir -p "$out" && cd "$out"
rm -f numbering_list.txt numbering_alist.txt numbering_select.dxf numbering_deleted.dxf
"$program" -s "$examples/numbering.scr" -o numbering.dxf > numbering.log
for bill in numbering_list.txt numbering_alist.txt; do
  diff -u "$examples/$bill" "$bill"
done
# Each duct's size is a dimension: its block holds the points it measures.
test "$(grep -c $'^DIMENSION\r$' numbering.dxf)" -eq 7
"$python" "$check" --opened-by "$program" numbering.dxf
"$program" -s "$examples/numbering_select.scr" -o numbering_deleted.dxf > numbering_select.log
"$python" - numbering_select.dxf numbering_deleted.dxf <<'PY'
import sys
import ezdxf

APP = "LurakCad_B1"
space = list(ezdxf.readfile(sys.argv[1]).modelspace())
# The elements' data; a label's data names its element, not the other way.
data = {e.dxf.handle: e.get_xdata(APP) for e in space if e.has_xdata(APP)}
elements = {h: d for h, d in data.items() if (1000, "LurakLabelReactor") not in d}
named = {v for d in elements.values() for code, v in d if code == 1005}
rest = [e for e in space if e.dxf.handle not in elements]
unnamed = [(e.dxftype(), e.dxf.handle) for e in rest if e.dxf.handle not in named]
assert not unnamed, f"no element names {unnamed}"
# One dimension per duct: none left over from the first duct's "Select".
dimensions = [e.dxf.handle for e in rest if e.dxftype() == "DIMENSION"]
assert len(elements) == 4 and len(dimensions) == 3, (len(elements), dimensions)
deleted = ezdxf.readfile(sys.argv[2])
left = [(e.dxftype(), e.dxf.handle) for e in deleted.modelspace()]
layers = [layer.dxf.name for layer in deleted.layers if layer.dxf.name.upper().startswith("LURAK-SV1")]
assert not left and not layers, f"the deleted system left {left} {layers}"
PY
echo "numbering check passed"
