#!/usr/bin/env python3
"""Writes drawings whose blocks are plain but large, or nest and repeat, with
a script for each that selects from them, to time selections on the program:

    copy_drawings.py OUT_DIR
    /usr/bin/time -v build/lurak OUT_DIR/grille.dxf -s OUT_DIR/grille.scr

Each script's first comment line names the count the selection should find.
"""
import math
import os
import sys

import ezdxf


def new():
    return ezdxf.new("R2000")


def cross(block, half=1e7):
    block.add_line((-half, 0), (half, 0))
    block.add_line((0, -half), (0, half))


def chain(doc, name, depth, fill, placements):
    """Blocks name0 (filled by `fill`) to name<depth-1>, each placing the one
    below at the (x, y, degrees) of placements(level)."""
    fill(doc.blocks.new(f"{name}0"))
    for level in range(1, depth):
        b = doc.blocks.new(f"{name}{level}")
        for x, y, degrees in placements(level):
            b.add_blockref(f"{name}{level - 1}", (x, y), dxfattribs={"rotation": degrees})
    return f"{name}{depth - 1}"


def holes(block, columns, rows):
    for i in range(columns):
        for j in range(rows):
            block.add_circle((10 * i, 10 * j), 3)


def write(out, name, doc, answer, expect, script=None):
    """The drawing `name`.dxf (when doc is given) and the script `script`
    (else `name`).scr that erases what `answer` selects."""
    if doc is not None:
        doc.saveas(os.path.join(out, name + ".dxf"))
    with open(os.path.join(out, (script or name) + ".scr"), "w") as f:
        f.write(f"; {name}.dxf, expect: {expect}\nERASE\n{answer}\n\n")


def main(out):
    os.makedirs(out, exist_ok=True)
    # A grille face of 50 x 40 holes inserted 120 times in a row.
    doc = new()
    holes(doc.blocks.new("G"), 50, 40)
    for i in range(120):
        doc.modelspace().add_blockref("G", (600 * i, 0))
    write(out, "grille", doc, "C -10,389 180000,391", "120 found")
    # 1,600 holes inserted 110 times turned 45 degrees; a window round them all.
    doc = new()
    holes(doc.blocks.new("G"), 40, 40)
    for i in range(110):
        doc.modelspace().add_blockref("G", (600 * i, 0), dxfattribs={"rotation": 45})
    write(out, "grille_turned", doc, "W -400,-10 66000,600", "110 found")
    # One insert of 2,600 holes, 10,000 times their size; a pick on one.
    doc = new()
    holes(doc.blocks.new("G"), 52, 50)
    doc.modelspace().add_blockref("G", (0, 0), dxfattribs={"xscale": 1e4, "yscale": 1e4, "zscale": 1e4})
    write(out, "grille_one", doc, "2030000,1000000", "1 found")
    # Copies on one spot: a short line, a cross placed twice on one spot 40
    # deep, the same cross placed 8 times at small offsets 5 deep.
    doc = new()
    same = chain(doc, "S", 41, cross, lambda level: [(0, 0, 0)] * 2)
    spread = chain(doc, "P", 6, cross, lambda level: [(j * 10.0 ** -level, j * 10.0 ** -level / 2, 0) for j in range(8)])
    doc.blocks.new("SHORT").add_line((5e6, 5e6), (5e6 + 20, 5e6))
    top = doc.blocks.new("TOP")
    top.add_blockref("SHORT", (0, 0))
    top.add_blockref(same, (0, 0))
    top.add_blockref(spread, (0, 0))
    doc.modelspace().add_blockref("TOP", (0, 0))
    write(out, "one_spot", doc, "5000010,5000000", "1 found")
    # A line turned 1 degree at a time 8 deep; a window round it all.
    for count in (1, 250, 3000):
        doc = new()
        top = chain(doc, "T", 9, lambda b: b.add_line((0, 0), (1000, 0)),
                    lambda level: [(j * 1e-8, j * 1e-8, j) for j in range(10)])
        for _ in range(count):
            doc.modelspace().add_blockref(top, (0, 0))
        write(out, f"turned_{count}", doc, "W -1010,-1010 1010,1010", f"{count} found")
    # A ring of small circles placed 10 times at tiny offsets 7 deep; a pick
    # between two circles and a crossing over the gap.
    for circles in (100, 1000):
        doc = new()
        doc.blocks.new("C").add_circle((0, 0), 1)
        ring = doc.blocks.new("R")
        for k in range(circles):
            a = 2 * math.pi * k / circles
            ring.add_blockref("C", (1e5 * math.cos(a), 1e5 * math.sin(a)))
        def fill(b):
            b.add_blockref("R", (0, 0))
        top = chain(doc, "N", 8, fill, lambda level: [(j * 10.0 ** -(level + 3), 0, 0) for j in range(10)])
        doc.modelspace().add_blockref(top, (0, 0))
        a = math.pi / circles
        x, y = 1e5 * math.cos(a), 1e5 * math.sin(a)
        write(out, f"ring_{circles}", doc, f"{x:.6f},{y:.6f}", "0 found or the line", f"ring_{circles}_pick")
        write(out, f"ring_{circles}", None, f"C {x - 1:.6f},{y - 1:.6f} {x + 1:.6f},{y + 1:.6f}",
              "0 found or the line", f"ring_{circles}_crossing")
    # A cross placed 10 times at distinct offsets 9 deep, the top inserted on
    # one spot; a crossing that meets nothing.
    for count in (1000, 4000):
        doc = new()
        top = chain(doc, "X", 10, cross, lambda level: [(j * 10.0 ** -level, j * 10.0 ** -level / 2, 0) for j in range(10)])
        for _ in range(count):
            doc.modelspace().add_blockref(top, (0, 0))
        write(out, f"cross_{count}", doc, "C 4999995,4999995 5000005,5000005", "0 found or the line")
    # The same cross inserted 4,000 times each a little apart: no two alike.
    doc = new()
    top = chain(doc, "X", 10, cross, lambda level: [(j * 10.0 ** -level, j * 10.0 ** -level / 2, 0) for j in range(10)])
    for k in range(4000):
        doc.modelspace().add_blockref(top, (k * 1e-3, 0))
    write(out, "cross_apart_4000", doc, "C 4999995,4999995 5000005,5000005", "0 found or the line")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "copy_drawings")
