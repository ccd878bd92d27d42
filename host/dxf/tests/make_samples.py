#!/usr/bin/python3
"""Writes the foreign drawings the DXF tests read, with ezdxf as an independent writer, in every
version the host reads: R12, R2000, R2004, R2007, R2010, R2013 and R2018.

Each drawing holds what a drawing from another program brings along: XDATA of several
applications (nested lists, handles, points, non-ASCII strings), an anonymous block inserted
twice, a block with attributes, an extension dictionary with an XRECORD, nested dictionaries of
XRECORDs under the root dictionary, a group, linear and aligned dimensions with their blocks, a
leader with its MTEXT, a hatch, a spline, an ellipse, polylines old and new, an image with its
definition, and two paper-space layouts with viewports.  R12 has no objects section: its drawing
keeps what R12 can hold (XDATA, blocks with attributes, dimensions, old polylines, paper space).

The drawings are made once per output folder: a stamp of this script and of ezdxf's version
says whether those there are current, and a lock keeps tests running side by side from writing
the same files at once.  Files appear whole (written beside, then renamed).

Usage: make_samples.py OUTPUT_DIR   (prints the files, one a line)"""
import fcntl
import hashlib
import math
import os
import sys

import ezdxf

VERSIONS = ("R12", "R2000", "R2004", "R2007", "R2010", "R2013", "R2018")
APP = "DUCTAPP"
OTHER_APP = "SITEAPP"
NON_ASCII = "Légcsatorna Ø400 – 20 °C, 中文"
IMAGE_FILE = "plan.png"


def sample_name(version):
    return f"sample_{version}.dxf"


def add_tables(doc):
    doc.appids.new(APP)
    doc.appids.new(OTHER_APP)
    if "DASHED" not in doc.linetypes:
        doc.linetypes.new("DASHED", dxfattribs={"description": "Dashed __ __ __",
                                                 "pattern": [18.0, 12.0, -6.0]})
    doc.layers.new("DUCT", dxfattribs={"color": 1})
    doc.layers.new("DUCT-HIDDEN", dxfattribs={"color": 3, "linetype": "DASHED"})
    doc.layers.new("ANNO", dxfattribs={"color": 2})
    doc.layers.new("Légcsatorna", dxfattribs={"color": 5})
    doc.layers.new("VIEWPORTS", dxfattribs={"color": 7})  # where ezdxf puts viewports
    doc.styles.new("NOTES", dxfattribs={"font": "arial.ttf", "height": 0.0})


def add_duct_block(doc):
    """An anonymous block drawn as a piece of duct, 1000 long and 400 wide."""
    block = doc.blocks.new_anonymous_block("U")
    block.add_line((0, 0), (1000, 0), dxfattribs={"layer": "DUCT"})
    block.add_line((0, 400), (1000, 400), dxfattribs={"layer": "DUCT"})
    block.add_line((0, 200), (1000, 200), dxfattribs={"layer": "DUCT-HIDDEN"})
    block.add_arc((1000, 200), 200, 270, 90, dxfattribs={"layer": "DUCT"})
    block.add_circle((500, 200), 50, dxfattribs={"layer": "DUCT"})
    block.add_text("400x200", dxfattribs={"layer": "ANNO", "height": 60, "insert": (300, 250)})
    return block.name


def add_tag_block(doc):
    """A named block with attribute definitions, filled in by its insert."""
    block = doc.blocks.new("GRILLE_TAG")
    block.add_circle((0, 0), 100, dxfattribs={"layer": "ANNO"})
    block.add_attdef("TYPE", (0, 20), dxfattribs={"height": 40, "layer": "ANNO"})
    block.add_attdef("FLOW", (0, -60), dxfattribs={"height": 40, "layer": "ANNO"})
    return block.name


def segment_xdata(number, link):
    return [(1000, "SEGMENT"), (1002, "{"), (1070, 2), (1071, number), (1040, 400.0), (1040, 200.0),
            (1010, (number % 7 * 100.0, 0.0, 0.0)), (1005, link), (1002, "{"), (1000, NON_ASCII),
            (1002, "}"), (1002, "}")]


def add_model_space(doc, modern):
    msp = doc.modelspace()
    duct = add_duct_block(doc)
    first = msp.add_blockref(duct, (0, 0), dxfattribs={"layer": "DUCT"})
    second = msp.add_blockref(duct, (1500, 0), dxfattribs={"layer": "DUCT", "rotation": 15})
    first.set_xdata(APP, segment_xdata(123456, second.dxf.handle))
    second.set_xdata(APP, segment_xdata(123457, first.dxf.handle))
    second.set_xdata(OTHER_APP, [(1000, "zone B"), (1041, 0.5), (1070, 3), (1005, "0")])

    tag = msp.add_blockref(add_tag_block(doc), (2500, 800), dxfattribs={"layer": "ANNO"})
    tag.add_auto_attribs({"TYPE": "CSD-400", "FLOW": "1200 m³/h"})

    linear = msp.add_linear_dim(base=(0, -600), p1=(0, 0), p2=(1000, 0), angle=15,
                                dxfattribs={"layer": "ANNO"})
    linear.render()
    aligned = msp.add_aligned_dim(p1=(1500, 0), p2=(2400, 300), distance=200, dxfattribs={"layer": "ANNO"})
    aligned.render()
    msp.add_text(NON_ASCII, dxfattribs={"layer": "ANNO", "height": 50, "style": "NOTES",
                                        "insert": (0, 1200)})
    msp.add_polyline2d([(0, 2000), (500, 2000), (500, 2500)], dxfattribs={"layer": "DUCT"})
    msp.add_line((0, -1000), (2500, -1000), dxfattribs={"layer": "Légcsatorna", "linetype": "DASHED"})
    if not modern:
        return first, second

    note = msp.add_mtext("Supply 400x200\\P" + NON_ASCII,
                         dxfattribs={"layer": "ANNO", "char_height": 50, "style": "NOTES"})
    note.set_location((1310, 930))
    msp.add_leader([(500, 400), (1000, 900), (1300, 900)], dxfattribs={"layer": "ANNO"})
    hatch = msp.add_hatch(color=4, dxfattribs={"layer": "DUCT"})
    hatch.paths.add_polyline_path([(0, 0), (1000, 0), (1000, 400), (0, 400)], is_closed=True)
    msp.add_spline([(0, 3000), (400, 3400), (900, 3100), (1400, 3600)], dxfattribs={"layer": "DUCT"})
    msp.add_ellipse((2000, 3000), major_axis=(300, 0), ratio=0.5, dxfattribs={"layer": "DUCT"})
    msp.add_lwpolyline([(0, 4000), (800, 4000, 0.5), (800, 4400)], dxfattribs={"layer": "DUCT-HIDDEN"})
    image_def = doc.add_image_def(IMAGE_FILE, size_in_pixel=(640, 480))
    msp.add_image(image_def, insert=(3000, 0), size_in_units=(640, 480), dxfattribs={"layer": "ANNO"})
    return first, second


def add_objects(doc, first, second):
    """Extension dictionary, nested dictionaries of XRECORDs and a group."""
    props = first.new_extension_dict().add_xrecord("DUCT_PROPS")
    props.reset([(1, "galvanised"), (40, 0.8), (70, 1)])
    data = doc.rootdict.add_new_dict(APP + "_DATA")
    settings = data.add_xrecord("SETTINGS")
    settings.reset([(1, "project settings"), (40, 1.2), (70, 3), (10, (1.0, 2.0, 3.0)),
                    (330, first.dxf.handle), (1, NON_ASCII)])
    systems = data.add_new_dict("SYSTEMS")
    supply = systems.add_xrecord("SUPPLY-1")
    supply.reset([(1, "Supply air"), (90, 4500), (40, 1.25)])
    extract = systems.add_xrecord("EXTRACT-1")
    extract.reset([(1, "Extract air"), (90, 3000), (40, 1.1)])
    group = doc.groups.new("RUN-1", description="first run")
    group.set_data([first, second])


def add_layouts(doc, modern):
    """Paper space with a viewport onto the ducts; newer versions get a second layout too."""
    sheet = doc.layout("Layout1") if modern else doc.layout()
    sheet.add_viewport(center=(200, 150), size=(300, 200), view_center_point=(1200, 200), view_height=2000)
    sheet.add_text("Sheet 1", dxfattribs={"height": 5, "insert": (20, 20)})
    if modern:
        plan = doc.layouts.new("Plan")
        plan.add_viewport(center=(150, 100), size=(250, 150), view_center_point=(1000, 0), view_height=3000)
        plan.add_mtext("Plan " + NON_ASCII, dxfattribs={"char_height": 5}).set_location((20, 20))


def make_sample(version, path):
    modern = version != "R12"
    doc = ezdxf.new(version)
    add_tables(doc)
    first, second = add_model_space(doc, modern)
    if modern:
        add_objects(doc, first, second)
    add_layouts(doc, modern)
    doc.saveas(path)


def stamp():
    with open(__file__, "rb") as f:
        return hashlib.sha256(f.read() + ezdxf.__version__.encode()).hexdigest()


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    paths = [os.path.join(out, sample_name(v)) for v in VERSIONS]
    stamp_path = os.path.join(out, "samples.stamp")
    with open(os.path.join(out, "samples.lock"), "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        current = os.path.exists(stamp_path) and open(stamp_path).read() == stamp()
        if not current or not all(os.path.exists(p) for p in paths):
            for version, path in zip(VERSIONS, paths):
                partial = f"{path}.{os.getpid()}.part"
                make_sample(version, partial)
                os.replace(partial, path)
            with open(stamp_path, "w") as f:
                f.write(stamp())
    for path in paths:
        print(path)


if __name__ == "__main__":
    main()
