"""Says where the demonstration wrote its files and what they hold: the
drawing's elements by air system, and the rows of each bill of materials.

usage: demo_summary.py DRAWING.dxf PICTURE.png SYSTEM=BOM.txt...
"""
import collections
import os
import sys

import ezdxf

APP = "LurakCad_B1"
LABEL_APP_TEXT = "LurakLabelReactor"


def elements_by_system(path):
    counts = collections.Counter()
    for e in ezdxf.readfile(path).modelspace():
        if e.dxftype() == "INSERT" and e.has_xdata(APP):
            data = e.get_xdata(APP)
            if data and data[0].value != LABEL_APP_TEXT:
                counts[data[0].value] += 1
    return counts


def main(argv):
    if len(argv) < 3:
        print(__doc__)
        return 2
    drawing, picture = argv[1], argv[2]
    counts = elements_by_system(drawing)
    per_system = ", ".join(f"{tag} {n}" for tag, n in sorted(counts.items()))
    print(f"drawing: {os.path.abspath(drawing)} ({sum(counts.values())} elements: {per_system})")
    if os.path.exists(picture):
        print(f"picture: {os.path.abspath(picture)}")
    for arg in argv[3:]:
        system, path = arg.split("=", 1)
        with open(path, encoding="utf-8") as f:
            rows = sum(1 for line in f if line.strip())
        print(f"bill of materials of {system}: {os.path.abspath(path)} ({rows} rows, {counts[system]} elements)")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
