#!/usr/bin/python3
"""Writes a drawing with ezdxf in every version from R2000 to R2018 (AC1015 to AC1032): lightweight
polyline, MTEXT with non-ASCII text, HATCH, SPLINE, ELLIPSE, a rendered linear DIMENSION, TEXT, an
XRECORD in the root dictionary, and a CIRCLE with XDATA and an extension dictionary.
Usage: make_versions.py OUTPUT_DIR   (prints the files it made, one a line)"""
import os
import sys

import ezdxf

out = sys.argv[1]
for ver in ("R2000", "R2004", "R2007", "R2010", "R2013", "R2018"):
    doc = ezdxf.new(ver, setup=True)
    msp = doc.modelspace()
    msp.add_lwpolyline([(0, 0), (10, 0), (10, 5)], dxfattribs={"layer": "A"})
    msp.add_mtext("Hello\\Pworld \u00d8 \u4e2d", dxfattribs={"char_height": 2.5}).set_location((1, 1))
    hatch = msp.add_hatch(color=2)
    hatch.paths.add_polyline_path([(0, 0), (5, 0), (5, 5), (0, 5)], is_closed=True)
    msp.add_spline([(0, 0), (1, 2), (3, 1), (4, 4)])
    msp.add_ellipse((0, 0), major_axis=(5, 0), ratio=0.5)
    msp.add_linear_dim(base=(0, 5), p1=(0, 0), p2=(10, 0)).render()
    msp.add_text("txt").set_placement((2, 2))
    record = doc.objects.add_xrecord(doc.rootdict.dxf.handle)
    doc.rootdict["MYXR"] = record
    record.reset([(1, "abc"), (40, 1.5)])
    circle = msp.add_circle((3, 3), 1)
    circle.set_xdata("ACAD", [(1000, "x")])
    circle.new_extension_dict().add_xrecord("K")
    path = os.path.join(out, f"ezdxf_{ver}.dxf")
    doc.saveas(path)
    print(path)
