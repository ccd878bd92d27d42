#!/usr/bin/python3
"""Writes drawings whose complex linetypes draw shapes of shape files, as
ezdxf writes them: one text style without a name per shape file (flag 1, the
file in group 3), each linetype's 340 naming the style of its shapes.  R12
keeps the styles (its linetypes hold no shapes); R2000 and R2018 as text,
R2000 as binary too; and one whose linetype names a style the drawing does
not hold.
Usage: make_shape_samples.py OUTPUT_DIR"""
import os
import sys

import ezdxf
from make_foreign_samples import save

# Complex linetypes of the standard linetype file: shape 132 of
# ltypeshp.shx is the fence's box, 131 of genltshp.shx a circle.
PATTERNS = {
    "FENCELINE1": ("ltypeshp.shx", "A,.25,-.1,[132,ltypeshp.shx,x=-.1,s=.1],-.1,1"),
    "GENCIRCLE": ("genltshp.shx", "A,.25,-.1,[131,genltshp.shx,x=-.1,s=.1],-.1,1"),
}


def keep_every_shape_style(doc):
    """ezdxf keys its text styles by name, so a second style without one
    would take the first's place: each is keyed by its file instead (the
    key is not written)."""
    for name, (shx, _) in PATTERNS.items():
        style = doc.styles.get_shx(shx)
        doc.styles.entries.pop("", None)
        doc.styles.entries[shx] = style


def drawing(version, every_style=True):
    doc = ezdxf.new(version)
    for name, (shx, pattern) in PATTERNS.items():
        if every_style:
            keep_every_shape_style(doc)
        doc.linetypes.add(name, pattern=pattern, description=f"{name} ----[]----")
    if version != "R12":  # R12's linetypes hold no shapes: ezdxf leaves them out
        doc.modelspace().add_line((0, 0), (10, 0), dxfattribs={"linetype": "FENCELINE1"})
        doc.modelspace().add_line((0, 5), (10, 5), dxfattribs={"linetype": "GENCIRCLE"})
    return doc


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    for version in ("R12", "R2000", "R2018"):
        save(drawing(version), os.path.join(out, f"shapes_{version.lower()}.dxf"))
    save(drawing("R2000"), os.path.join(out, "shapes_binary.dxf"), fmt="bin")
    # Without the keys the first style is lost: FENCELINE1 names nothing.
    save(drawing("R2000", every_style=False), os.path.join(out, "shapes_missing.dxf"))


if __name__ == "__main__":
    main()
