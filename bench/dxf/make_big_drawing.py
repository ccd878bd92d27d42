#!/usr/bin/python3
"""Writes the large drawing the DXF benchmark and the large round-trip test read, with ezdxf:
300 anonymous blocks drawn as duct pieces of growing size, 50,000 inserts of them scattered over
100 m x 100 m, each with the XDATA a placed element carries (a nested list with its numbers, its
size, a point and its label), and 200 XRECORDs of air systems in a dictionary under the root
dictionary.  The same arguments give the same drawing: positions come from a seeded generator.

Usage: make_big_drawing.py [VERSION [OUT.dxf [INSERTS]]]   (defaults R2007, big_r2007.dxf, 50000)"""
import random
import sys

import ezdxf

BLOCKS = 300
SYSTEMS = 200
APP = "DUCTAPP"
LAYER = "DUCT"
PIECE_LENGTH = 1000.0
FIELD = 100_000.0   # the side of the square the inserts are scattered over


def add_piece(doc, number):
    """A duct piece: its outline, a rounded end, a centre mark and its size as text."""
    block = doc.blocks.new_anonymous_block("U")
    width, height = 200 + number, 100 + number // 2
    for start, end in (((0, 0), (PIECE_LENGTH, 0)), ((0, height), (PIECE_LENGTH, height)),
                       ((0, 0), (0, height)), ((PIECE_LENGTH, 0), (PIECE_LENGTH, height))):
        block.add_line(start, end, dxfattribs={"layer": LAYER})
    block.add_arc((PIECE_LENGTH, height / 2), height / 2, -90, 90, dxfattribs={"layer": LAYER})
    block.add_circle((PIECE_LENGTH / 2, height / 2), 20, dxfattribs={"layer": LAYER})
    block.add_text(f"{width}x{height}", dxfattribs={"height": 30, "insert": (PIECE_LENGTH / 3, height / 2)})
    return block.name


def element_xdata(number):
    return [(1000, "SEG"), (1002, "{"), (1070, number % 7), (1071, number), (1040, 400.0), (1040, 200.0),
            (1010, (1.0, 2.0, 0.0)), (1000, f"S-{number:06d}"), (1002, "}")]


def make(version, inserts):
    doc = ezdxf.new(version, units=4)   # millimetres
    doc.appids.new(APP)
    doc.layers.new(LAYER, dxfattribs={"color": 1})
    pieces = [add_piece(doc, n) for n in range(BLOCKS)]
    msp = doc.modelspace()
    place = random.Random(1)
    for n in range(inserts):
        where = (place.uniform(0, FIELD), place.uniform(0, FIELD))
        insert = msp.add_blockref(pieces[n % BLOCKS], where,
                                  dxfattribs={"rotation": place.uniform(0, 360), "layer": LAYER})
        insert.set_xdata(APP, element_xdata(n))
    systems = doc.rootdict.add_new_dict(APP + "_DATA")
    for n in range(SYSTEMS):
        systems.add_xrecord(f"SYS{n}").reset([(1, f"system {n}"), (90, n), (40, 1.5)])
    return doc


def main():
    version = sys.argv[1] if len(sys.argv) > 1 else "R2007"
    out = sys.argv[2] if len(sys.argv) > 2 else f"big_{version.lower()}.dxf"
    inserts = int(sys.argv[3]) if len(sys.argv) > 3 else 50_000
    make(version, inserts).saveas(out)
    print(out)


if __name__ == "__main__":
    main()
