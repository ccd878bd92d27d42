#!/usr/bin/python3
"""Compares drawings by another writer with the copies this library saved:
per layout the entity counts by type, the named blocks, the layers, the
texts, and the XDATA must be the same.  Anonymous blocks count only through
the layouts and named blocks that use them (unused ones are left out).
Usage: compare_corpus.py PAIRS.txt   (lines: original, copy, original, ...)
Exit status 1 when a copy lost or changed anything."""
import collections
import os
import re
import sys
from multiprocessing import Pool

import ezdxf
from ezdxf import recover

TEXT_TYPES = ("TEXT", "MTEXT", "ATTRIB", "ATTDEF")
CARET = re.compile(r"\^([ @-_])")


def plain(text):
    """Text with caret forms decoded, as both writers mean them."""
    return CARET.sub(lambda m: "^" if m.group(1) == " " else chr(ord(m.group(1)) - 64), text)


def text_of(entity):
    if entity.dxftype() == "MTEXT":
        return plain(entity.text)
    return plain(entity.dxf.get("text", ""))


def xdata_of(entity):
    if entity.xdata is None:
        return []
    return [(app, tuple((t.code, str(t.value)) for t in tags)) for app, tags in entity.xdata.data.items()]


def content(doc):
    layouts = {}
    texts, xdata = collections.Counter(), collections.Counter()

    def take(entities):
        for e in entities:
            if e.dxftype() in TEXT_TYPES:
                texts[text_of(e)] += 1
            xdata.update(xdata_of(e))
            if e.dxftype() == "INSERT":
                for attrib in e.attribs:
                    texts[text_of(attrib)] += 1

    for layout in doc.layouts:
        entities = list(layout)
        layouts[layout.name] = collections.Counter(e.dxftype() for e in entities)
        take(entities)
    blocks = set()
    for block in doc.blocks:
        if block.name.startswith("*"):
            continue
        blocks.add(block.name.upper())
        take(block)
    layers = {layer.dxf.name.upper() for layer in doc.layers}
    return {"layouts": layouts, "named blocks": blocks, "layers": layers, "texts": texts, "XDATA": xdata}


def compare(pair):
    original, copy = pair
    try:
        before, _ = recover.readfile(original)
        a = content(before)
    except Exception:  # ezdxf cannot read the original: nothing to compare with
        a = None
    try:
        b = content(ezdxf.readfile(copy))
    except Exception as error:  # an unreadable copy is the finding
        return f"{original} ({copy}): {type(error).__name__}: {error}"
    if a is None:
        return ""
    lost = [f"{what} differ: {a[what]!r:.300} -> {b[what]!r:.300}" for what in a if a[what] != b[what]]
    return f"{original} ({copy}): " + "; ".join(lost) if lost else ""


def main():
    with open(sys.argv[1], encoding="utf8") as f:
        lines = f.read().splitlines()
    pairs = list(zip(lines[0::2], lines[1::2]))
    jobs = max(1, min(4, len(os.sched_getaffinity(0))))
    with Pool(jobs) as pool:
        problems = [p for p in pool.map(compare, pairs, chunksize=8) if p]
    for p in problems:
        print(p)
    print(f"{len(pairs) - len(problems)} of {len(pairs)} drawings kept their content")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
