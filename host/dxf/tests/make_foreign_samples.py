#!/usr/bin/python3
"""Writes drawings as another program (ezdxf) writes them, for the reader's
tests: binary DXF, R12 with a dimension style that names its arrow block,
double-byte code pages 932 and 936, a 3D solid of R2018 (its body in the
ACDSDATA section), and entities of R2018 with every part, each on a layer of
its own for the tests that damage it.
Usage: make_foreign_samples.py OUTPUT_DIR"""
import os
import sys

import ezdxf
from ezdxf.acis import api as acis
from ezdxf.render import forms

JAPANESE = "\u914d\u7ba1 \u8868\u793a"   # kanji with a trail byte 0x5C in CP932 (表)
CHINESE = "\u98ce\u7ba1 \u7cfb\u7edf"


def save(doc, path, **options):
    """Saves under a name of this process's own, then renames: the tests run
    side by side, each making the samples, and none may read a half-written
    file."""
    part = f"{path}.{os.getpid()}.part"
    doc.saveas(part, **options)
    os.replace(part, path)


def binary(out):
    doc = ezdxf.new("R2010")
    msp = doc.modelspace()
    doc.layers.add("DUCT", color=3)
    msp.add_line((0, 0), (100, 50), dxfattribs={"layer": "DUCT"})
    msp.add_text("Binary 1.5", dxfattribs={"layer": "DUCT", "height": 2.5})
    msp.add_circle((10, 10), 5).set_xdata("BINAPP", [(1000, "tag"), (1040, 2.25), (1070, 7)])
    doc.appids.add("BINAPP")
    save(doc, os.path.join(out, "binary.dxf"), fmt="bin")


def r12_dimension_style(out):
    doc = ezdxf.new("R12", setup=True)
    arrow = doc.blocks.new("MYARROW")
    arrow.add_line((-1, -0.5), (0, 0))
    arrow.add_line((-1, 0.5), (0, 0))
    style = doc.dimstyles.new("ARROWED")
    style.dxf.dimblk = "MYARROW"
    style.dxf.dimtxt = 3.5
    msp = doc.modelspace()
    msp.add_linear_dim(base=(0, 10), p1=(0, 0), p2=(100, 0), dimstyle="ARROWED").render()
    save(doc, os.path.join(out, "r12_dimstyle.dxf"))


def code_page(out, page, encoding, text):
    doc = ezdxf.new("R2000")
    doc.encoding = encoding  # the header's $DWGCODEPAGE follows it
    doc.layers.add(text)
    doc.modelspace().add_text(text, dxfattribs={"layer": text})
    doc.layouts.rename("Layout1", text[:2])
    save(doc, os.path.join(out, f"{page.lower()}.dxf"))


def solid(out):
    doc = ezdxf.new("R2018")
    body = acis.body_from_mesh(forms.cube())
    solid = doc.modelspace().add_3dsolid()
    acis.export_dxf(solid, [body])
    save(doc, os.path.join(out, "solid_r2018.dxf"))


def parts(out):
    doc = ezdxf.new("R2018")
    msp = doc.modelspace()
    for name in ("MULTILINE_ATTDEF", "MULTILINE_ATTRIB", "LINE_PARTS", "POLYLINE_PARTS", "REACTORS", "NO_BLOCK", "HELIX_PARTS"):
        doc.layers.add(name)
    block = doc.blocks.new("B")
    attdef = block.add_attdef("DEF", (1, 2), dxfattribs={"layer": "MULTILINE_ATTDEF", "prompt": "P"})
    attrib = msp.add_blockref("B", (0, 0)).add_attrib("TAG", "one", dxfattribs={"layer": "MULTILINE_ATTRIB"})
    for text in (attdef, attrib):
        mtext = msp.add_mtext("one\\Ptwo", dxfattribs={"insert": (1, 2), "char_height": 2.5})
        text.embed_mtext(mtext, graphic_properties=False)
        msp.delete_entity(mtext)
    msp.add_line((1, 2), (3, 4), dxfattribs={"layer": "LINE_PARTS", "color": 1, "thickness": 2})
    msp.add_lwpolyline([(0, 0), (5, 0, 1), (5, 5)], dxfattribs={"layer": "POLYLINE_PARTS", "color": 3})
    line = msp.add_line((5, 6), (7, 8), dxfattribs={"layer": "REACTORS"})
    group = doc.groups.new("G")
    group.extend([line])
    line.set_reactors([group.dxf.handle])
    dimension = msp.add_linear_dim(base=(0, 10), p1=(0, 0), p2=(100, 0), dxfattribs={"layer": "NO_BLOCK"})
    dimension.render()
    msp.add_helix(5, 1, 3, dxfattribs={"layer": "HELIX_PARTS"})
    save(doc, os.path.join(out, "parts_r2018.dxf"))


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    binary(out)
    r12_dimension_style(out)
    code_page(out, "ANSI_932", "cp932", JAPANESE)
    code_page(out, "ANSI_936", "gbk", CHINESE)
    solid(out)
    parts(out)


if __name__ == "__main__":
    main()
