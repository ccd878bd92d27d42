#!/usr/bin/python3
"""Prints, as ezdxf reads a drawing, the shape file each complex linetype's
shapes come from: one line "NAME: FILE FILE ..." per linetype that has
shapes, "-" for a 340 that names no text style.  ezdxf keys its text styles
by name, so the styles are looked up by handle.
Usage: linetype_shapes.py FILE.dxf"""
import sys

import ezdxf

SHAPE_STYLE = 340


def main():
    doc = ezdxf.readfile(sys.argv[1])
    for linetype in doc.linetypes:
        tags = linetype.pattern_tags.tags if linetype.pattern_tags.is_complex_type() else []
        files = []
        for tag in tags:
            if tag.code != SHAPE_STYLE:
                continue
            style = doc.entitydb.get(tag.value)
            files.append(style.dxf.font if style is not None and style.dxftype() == "STYLE" else "-")
        if files:
            print(f"{linetype.dxf.name}: {' '.join(files)}")


if __name__ == "__main__":
    main()
