#!/usr/bin/env python3
"""Writes the drawings whose curves are large or scaled up, and two scripts
for each: <case>_pick.scr lists what picks on and beside them take,
<case>_save.scr saves the drawing.  What memory and time a curve costs must
not grow with its radius or its insert's scale.

usage: curve_cases.py OUT_DIR
then:  /usr/bin/time -v build/lurak OUT_DIR/<case>.dxf -s OUT_DIR/<case>_pick.scr
"""
import math
import os
import sys

SCALES = [1, 16, 256, 4096, 65536, 1048576]
RADIUS = 1e6


def head():
    return "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1021\n0\nENDSEC\n"


def block(name, body):
    return f"0\nBLOCK\n8\n0\n2\n{name}\n70\n0\n10\n0\n20\n0\n30\n0\n{body}0\nENDBLK\n8\n0\n"


def insert(name, scale, x=0.0, y=0.0):
    return f"0\nINSERT\n8\n0\n2\n{name}\n10\n{x!r}\n20\n{y!r}\n30\n0\n41\n{scale}\n42\n{scale}\n43\n{scale}\n"


def circles(count):
    # Centres 1000 apart along x: a pick above the first circle's top is
    # nearer to it than to any other.
    return "".join(f"0\nCIRCLE\n8\n0\n10\n{i * 1000.0!r}\n20\n0\n30\n0\n40\n{RADIUS!r}\n" for i in range(count))


def bulged(vertices):
    # Vertices alternating 0,0 and 100000,0, each segment nearly a whole
    # circle (bulge 1e9: radius some 2.5e13), width 10.
    body = f"0\nLWPOLYLINE\n8\n0\n90\n{vertices}\n70\n0\n43\n10\n"
    for i in range(vertices):
        body += f"10\n{100000.0 * (i % 2)!r}\n20\n0\n42\n1000000000\n"
    return body


def drawing(blocks, entities):
    return (head() + "0\nSECTION\n2\nBLOCKS\n" + blocks + "0\nENDSEC\n0\nSECTION\n2\nENTITIES\n" + entities +
            "0\nENDSEC\n0\nEOF\n")


def write(out, name, dxf, picks):
    with open(os.path.join(out, name + ".dxf"), "w") as f:
        f.write(dxf)
    with open(os.path.join(out, name + "_pick.scr"), "w") as f:
        f.write("".join(f"LIST\n{p}\n\n" for p in picks))
    with open(os.path.join(out, name + "_save.scr"), "w") as f:
        f.write("SAVEAS\n" + os.path.join(out, name + "_saved.dxf") + "\n")


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "."
    os.makedirs(out, exist_ok=True)
    # Picks: on the first circle of the insert at scale 1 (taken), 2.8
    # outside it (taken: the pick box is 3), 3.2 outside it (not); half a
    # 4096th of a turn past its top, where chords of it would run farthest
    # from it.
    turn = math.pi / 2 + math.pi / 4096
    picks = [f"{r * math.cos(turn)!r},{r * math.sin(turn)!r}" for r in (RADIUS, RADIUS + 2.8, RADIUS + 3.2)]
    for count in (200, 6000):
        inserts = "".join(insert("C", s) for s in SCALES)
        write(out, f"circles_{count}", drawing(block("C", circles(count)), inserts), picks)
    write(out, "circles_6000_once", drawing(block("C", circles(6000)), insert("C", 1)), picks)
    # The bulged polyline: a pick on its first vertex (within its band)
    # takes it, one 20 below its first chord's middle does not (the arcs
    # run some 2.5e13 away, all round).
    bulge_picks = ["0,5", "50000,-20"]
    for vertices in (400, 2500):
        inserts = "".join(insert("P", s) for s in SCALES)
        write(out, f"bulges_{vertices}", drawing(block("P", bulged(vertices)), inserts), bulge_picks)
    write(out, "bulges_model_5000", drawing("", bulged(5000)), bulge_picks)
    # Number labels as element drawings hold them: 20,000 inserts, each of
    # its own block of a circle of radius 290 and a text; ten picks.
    blocks = inserts = ""
    for i in range(20000):
        x, y = 1000.0 * (i % 200), 1000.0 * (i // 200)
        blocks += block(f"L{i}", f"0\nCIRCLE\n8\n0\n10\n0\n20\n0\n30\n0\n40\n290\n"
                                 f"0\nTEXT\n8\n0\n10\n-100\n20\n-50\n30\n0\n40\n100\n1\n{i}\n")
        inserts += insert(f"L{i}", 1, x, y)
    label_picks = [f"{1000.0 * k + 290!r},{1000.0 * k!r}" for k in range(10)]
    write(out, "labels_20000", drawing(blocks, inserts), label_picks)


if __name__ == "__main__":
    main()
