#!/usr/bin/env bash
# Runs the copy and mirror example, checks both drawings it saves with the
# host's drawing checks, and checks in the final one that the copies and
# the mirrored elements are joined among themselves both ways and never to
# the elements they were made from, that those are unchanged, that the
# copy's labels came along, that the exploded copy and the custom element
# are as made; and explodes the final drawing once more with one element
# scaled by 1e306 and one scaled unevenly, which are left out.
set -euo pipefail
program=$1 examples=$2 check=$3 python=$4 out=$5
mkdir -p "$out" && cd "$out"
rm -f copy_mirror_sources.dxf
"$program" -s "$examples/copy_mirror.scr" -o copy_mirror.dxf > copy_mirror.log
if grep -q "not available yet" copy_mirror.log; then
    echo "a command is not available"; exit 1
fi
"$python" "$check" --opened-by "$program" copy_mirror_sources.dxf copy_mirror.dxf

# The drawing as another program left it, its first duct inserted at a
# scale of 1e306 and the custom element (a line and a circle) twice as high
# as wide, exploded whole: those two are left out, each with its word, the
# others explode, and the drawing is saved and sound.
"$python" - copy_mirror.dxf scaled_apart.dxf <<'PY'
import sys
import ezdxf

doc = ezdxf.readfile(sys.argv[1])
elements = [e for e in doc.modelspace() if e.dxftype() == "INSERT" and e.has_xdata("LurakCad_B1")
            and e.get_xdata("LurakCad_B1")[0][1] != "LurakLabelReactor"]
first = elements[0]
first.dxf.xscale = first.dxf.yscale = first.dxf.zscale = 1e306
(custom,) = [e for e in elements if any(p.dxftype() == "CIRCLE" for p in doc.blocks[e.dxf.name])]
custom.dxf.yscale = 2
doc.saveas(sys.argv[2])
PY
"$program" scaled_apart.dxf -s "$examples/explode_scaled.scr" -o scaled_apart_exploded.dxf > explode_scaled.log
for word in "1 selected element(s) left out: their block, placed at their insert's scale" \
            "1 selected element(s) left out: their insert's scale differs between the axes"; do
    grep -qF "$word" explode_scaled.log || { echo "not said: $word"; exit 1; }
done
"$python" "$check" --opened-by "$program" scaled_apart_exploded.dxf
"$python" - scaled_apart_exploded.dxf <<'PY'
import sys
import ezdxf

doc = ezdxf.readfile(sys.argv[1])
elements = [e for e in doc.modelspace() if e.dxftype() == "INSERT" and e.has_xdata("LurakCad_B1")
            and e.get_xdata("LurakCad_B1")[0][1] != "LurakLabelReactor"]
left = [e for e in elements if e.dxf.xscale == 1e306 or e.dxf.yscale == 2]
assert len(left) == 2 and all(e.dxf.layer != "EXPLODED" for e in left), [(e.dxf.handle, e.dxf.layer) for e in left]
assert all(e.dxf.layer == "EXPLODED" for e in elements if e not in left)
# Nothing of the two stands in model space: not the circle, not a line
# where the block keeps it.
assert not [e for e in doc.modelspace() if e.dxftype() == "CIRCLE"]
plain = [e for e in doc.modelspace() if e.dxftype() == "LINE" and e.dxf.layer == "LURAK-CM1"]
assert len(plain) > 10, len(plain)
print("the elements scaled by 1e306 and unevenly are left out")
PY

"$python" - copy_mirror_sources.dxf copy_mirror.dxf <<'PY'
import sys
import ezdxf

APP = "LurakCad_B1"

def elements(doc):
    found = {}
    for e in doc.modelspace():
        if e.dxftype() != "INSERT" or not e.has_xdata(APP):
            continue
        data = list(e.get_xdata(APP))
        if data[0][1] == "LurakLabelReactor":
            continue
        shorts = [v for code, v in data if code == 1070]
        found[e.dxf.handle] = {
            "type": (shorts[0], shorts[1]),
            "data": data,
            "links": [v for code, v in data if code == 1005 and v not in ("", "0")],
            "at": tuple(round(v, 3) for v in e.dxf.insert),
            "rotation": round(e.dxf.rotation, 6),
            "layer": e.dxf.layer,
            "block": e.dxf.name,
        }
    return found

def labels(doc):
    found = {}
    for e in doc.modelspace():
        if e.dxftype() == "INSERT" and e.has_xdata(APP):
            data = list(e.get_xdata(APP))
            if data[0][1] == "LurakLabelReactor":
                found[e.dxf.handle] = [v for code, v in data if code == 1005]
    return found

before_doc, after_doc = ezdxf.readfile(sys.argv[1]), ezdxf.readfile(sys.argv[2])
before, after = elements(before_doc), elements(after_doc)
assert len(before) == 4, before

# The elements laid first are unchanged, element for element.
for handle, e in before.items():
    assert handle in after, f"source {handle} is gone"
    assert after[handle] == e, (handle, e, after[handle])

made = {h: e for h, e in after.items() if h not in before}
copies = {h: e for h, e in made.items() if e["at"][1] > 3000}
mirrored = {h: e for h, e in made.items() if e["at"][0] > 5000 and e["at"][1] < 0}
custom = {h: e for h, e in made.items() if e["type"][0] == 16}
assert len(copies) == 4 and len(mirrored) == 4 and len(custom) == 1, made

def check_group(name, group):
    pairs = set()
    for handle, e in group.items():
        for other in e["links"]:
            assert other not in before, f"{name} {handle} names the source {other}"
            if other in after:
                assert other in group, f"{name} {handle} names {other} of another group"
                assert handle in group[other]["links"], f"{name} {handle} -> {other} is one way only"
                pairs.add(tuple(sorted((handle, other))))
    # Two joints of the run and the grille on its duct.
    assert len(pairs) == 3, (name, pairs)
    print(name, "links:", sorted(pairs))

check_group("copy", copies)
check_group("mirror", mirrored)
# Every copy moved by (0, 6000) from a source of the same type and values.
for e in copies.values():
    x, y, z = e["at"]
    match = [s for s in before.values() if s["at"] == (x, round(y - 6000, 3), z) and s["type"] == e["type"]]
    assert match, e
# The mirror image of a point about the line through (5000, 0) and (6000, 2000).
for s in before.values():
    x, y, _ = s["at"]
    t = ((x - 5000) * 1 + y * 2) / 5
    image = (round(2 * (5000 + t) - x, 3), round(2 * (2 * t) - y, 3))
    assert any(m["at"][:2] == image and m["type"] == s["type"] for m in mirrored.values()), (s, image)

# The copy's four labels name the copied elements, and the copies name them.
copy_labels = {h: l for h, l in labels(after_doc).items() if len(l) > 1 and l[1] in copies}
assert len(copy_labels) == 4, copy_labels
for handle in copy_labels:
    assert any(handle in e["links"] for e in copies.values()), handle

# The exploded copy: element inserts on the new layer, their plain
# entities on the system's layer in their place.
assert all(e["layer"] == "EXPLODED" for e in copies.values()), copies
plain = [e for e in after_doc.modelspace() if e.dxftype() == "LINE" and e.dxf.layer == "LURAK-CM1"
         and 5000 < e.dxf.start[1] < 7000]
assert len(plain) > 10, len(plain)

# The custom element: its block holds the line and the circle, its point
# is the base point, its scale 1; the originals are gone.
(c,) = custom.values()
assert c["at"] == (0, -4000, 0), c
insert = after_doc.entitydb[next(iter(custom))]
assert (insert.dxf.xscale, insert.dxf.yscale) == (1, 1)
kinds = sorted(e.dxftype() for e in after_doc.blocks[c["block"]])
assert kinds == ["CIRCLE", "LINE"], kinds
assert not [e for e in after_doc.modelspace() if e.dxftype() == "CIRCLE"]
print("copy mirror check passed")
PY
