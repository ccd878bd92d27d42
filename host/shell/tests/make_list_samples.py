#!/usr/bin/python3
"""Writes drawings of another program whose entities hold groups of every kind of value, for the
tests of LIST: a MULTILEADER and an MLINE as ezdxf writes them, an ACAD_TABLE (which ezdxf
cannot make: its groups are put in the file's text), and a LINE holding a true/false group
(290), a 64-bit integer (160), a group of a code no kind is given (250), binary, colour,
transparency, real and text groups of the upper ranges, and XDATA of every code from 1000 to 1071.

Usage: make_list_samples.py OUTPUT_DIR"""
import os
import sys

import ezdxf
from ezdxf.math import Vec2
from ezdxf.render import mleader

APP = "LISTAPP"


def entity_text(groups):
    return "".join(f"{code}\n{value}\n" for code, value in groups)


def save_with(doc, path, after_marker, groups):
    """Saves doc and puts the groups in its text after the first line `after_marker`."""
    doc.saveas(path)
    with open(path, encoding="utf-8") as f:
        text = f.read()
    at = text.index("\n" + after_marker + "\n") + len(after_marker) + 2
    with open(path, "w", encoding="utf-8") as f:
        f.write(text[:at] + entity_text(groups) + text[at:])


def multileader(out):
    doc = ezdxf.new("R2018")
    leader = doc.modelspace().add_multileader_mtext("Standard")
    leader.set_content("Supply 400x200")
    leader.add_leader_line(mleader.ConnectionSide.left, [Vec2(0, 0), Vec2(50, 50)])
    leader.build(insert=Vec2(100, 60))
    doc.saveas(os.path.join(out, "multileader.dxf"))


def mline(out):
    doc = ezdxf.new("R2010")
    doc.modelspace().add_mline([(0, 0), (1000, 0), (1000, 800)], dxfattribs={"scale_factor": 20})
    doc.saveas(os.path.join(out, "mline.dxf"))


def table(out):
    doc = ezdxf.new("R2010")
    msp = doc.modelspace()
    block = doc.blocks.new_anonymous_block(type_char="T")
    block.add_line((0, 0), (60, 0))
    block.add_text("A1", dxfattribs={"insert": (2, 2), "height": 5})
    styles = doc.rootdict.get("ACAD_TABLESTYLE")
    style = styles.get("Standard") if styles is not None else None
    handle = doc.entitydb.next_handle()
    groups = [(0, "ACAD_TABLE"), (5, handle), (330, msp.block_record_handle), (100, "AcDbEntity"), (8, "0"),
              (100, "AcDbBlockReference"), (2, block.name), (10, 0.0), (20, 0.0), (30, 0.0),
              (100, "AcDbTable"), (280, 0), (343, block.block_record_handle),
              (11, 1.0), (21, 0.0), (31, 0.0), (90, 22), (91, 1), (92, 2), (93, 0), (94, 0), (95, 0), (96, 0),
              (141, 10.0), (142, 30.0), (142, 30.0),
              (171, 1), (172, 0), (173, 0), (174, 0), (175, 1), (176, 1), (91, 0), (178, 0), (145, 0.0),
              (92, 0), (301, "CELL_VALUE"), (93, 6), (90, 4), (1, "A1"), (94, 0), (300, ""), (302, "A1"),
              (304, "ACVALUE_END"), (290, 1), (171, 1), (172, 0), (173, 0), (174, 0), (175, 1), (176, 1),
              (91, 0), (178, 0), (145, 0.0), (92, 0), (301, "CELL_VALUE"), (93, 6), (90, 4), (1, "B1"),
              (94, 0), (300, ""), (302, "B1"), (304, "ACVALUE_END"), (291, 0)]
    if style is not None:
        groups.insert(groups.index((280, 0)) + 1, (342, style.dxf.handle))
    save_with(doc, os.path.join(out, "table.dxf"), "ENTITIES", groups)


def line_groups(out):
    doc = ezdxf.new("R2010")
    doc.appids.new(APP)
    doc.layers.new("DUCT")
    line = doc.modelspace().add_line((0, 0), (100, 50))
    line.set_xdata(APP, [(1000, "tag"), (1002, "{"), (1003, "DUCT"), (1004, b"\x0a\x0b"), (1005, line.dxf.handle),
                         (1002, "}"), (1010, (1, 2, 3)), (1011, (4, 5, 6)), (1012, (7, 8, 9)),
                         (1013, (0.5, 0.25, 0)), (1040, 2.25), (1041, 3.5), (1042, 0.75), (1070, 7),
                         (1071, 70000)])
    # After the line's own subclass marker: a flag, a 64-bit number, a code of no kind and one group of
    # each other range a LINE does not hold.
    save_with(doc, os.path.join(out, "line_groups.dxf"), "AcDbLine",
              [(290, 1), (160, 12345678901), (250, "kept as text"), (310, "0A0B0C"), (420, 1193046),
               (440, 33554559), (460, 1.5), (470, "more text")])


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    multileader(out)
    mline(out)
    table(out)
    line_groups(out)


if __name__ == "__main__":
    main()
