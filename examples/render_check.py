#!/usr/bin/env python3
"""Renders drawings with LibreCAD's headless dxf2pdf and fails when a page
does not show its drawing.

A reader that cannot take part of a file (an INSERT it does not understand,
say) draws nothing of it and says nothing.  The measure: the path operators
on the drawing's page against those on the page of the same drawing with
every block reference exploded by ezdxf into plain entities, which any
reader draws.  The two must agree within a small margin.

Usage: render_check.py OUTPUT_DIR FILE.dxf...   (exit 77: LibreCAD missing)
"""
import os
import re
import shutil
import subprocess
import sys
import zlib

import ezdxf

SKIPPED = 77
# Paths of the drawing against those of the exploded copy.  Paths are counted
# by their starts (m, re): LibreCAD draws an exploded arc or ellipse with
# more line segments than the original, but as one path all the same.
LEAST_SHARE = 0.9
PATH_OPERATORS = re.compile(rb"(?<![A-Za-z])(m|re)(?![A-Za-z])")
STREAM = re.compile(rb"stream\r?\n(.*?)\r?\nendstream", re.S)


def path_operators(pdf_path):
    """How many paths the page streams start."""
    with open(pdf_path, "rb") as f:
        data = f.read()
    count = 0
    for raw in STREAM.findall(data):
        try:
            body = zlib.decompress(raw)
        except zlib.error:
            body = raw
        count += len(PATH_OPERATORS.findall(body))
    return count


def render(dxf_path, out_dir):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    subprocess.run(["librecad", "dxf2pdf", "-a", "-t", out_dir, dxf_path], env=env, check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=300)
    pdf = os.path.join(out_dir, os.path.splitext(os.path.basename(dxf_path))[0] + ".pdf")
    if not os.path.exists(pdf):
        raise RuntimeError(f"{dxf_path}: LibreCAD wrote no page")
    return path_operators(pdf)


def explode_all(layout):
    """Explodes block references until none is left (nested ones too)."""
    for _ in range(32):
        inserts = layout.query("INSERT")
        if not inserts:
            return
        for insert in inserts:
            insert.explode()


def exploded_copy(dxf_path, out_dir):
    doc = ezdxf.readfile(dxf_path)
    explode_all(doc.modelspace())
    path = os.path.join(out_dir, os.path.splitext(os.path.basename(dxf_path))[0] + "_exploded.dxf")
    doc.saveas(path)
    return path


def main(argv):
    if len(argv) < 3:
        print(__doc__)
        return 2
    if shutil.which("librecad") is None:
        print("LibreCAD is not installed: not rendered")
        return SKIPPED
    out_dir = argv[1]
    os.makedirs(out_dir, exist_ok=True)
    failed = 0
    for path in argv[2:]:
        drawn = render(path, out_dir)
        expected = render(exploded_copy(path, out_dir), out_dir)
        ok = expected > 0 and drawn >= LEAST_SHARE * expected
        print(f"{os.path.basename(path)}: {drawn} paths, {expected} when exploded:",
              "drawn" if ok else "NOT DRAWN")
        failed += not ok
    if failed:
        return 1
    print("render check passed")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
