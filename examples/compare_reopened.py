"""Compares a drawing laid by a script with the same drawing opened again and
saved: every element's XDATA and joints must be kept.  Each further argument
FAMILY,SUBTYPE names a type the drawing must hold exactly once.

usage: compare_reopened.py FIRST.dxf AGAIN.dxf MIN_JOINTS [FAMILY,SUBTYPE...]
"""
import collections
import sys

import ezdxf


def elements(path):
    doc = ezdxf.readfile(path)
    found = {}
    for e in doc.modelspace():
        if e.dxftype() == "INSERT" and e.has_xdata("LurakCad_B1"):
            found[e.dxf.handle] = list(e.get_xdata("LurakCad_B1"))
    return found


def joints(found):
    joined = set()
    for handle, xdata in found.items():
        for code, value in xdata:
            if code == 1005 and value in found and value != handle:
                joined.add(tuple(sorted((handle, value))))
    return joined


first, again = elements(sys.argv[1]), elements(sys.argv[2])
least = int(sys.argv[3])
kinds = collections.Counter()
for xdata in first.values():
    shorts = [v for code, v in xdata if code == 1070]
    kinds[(shorts[0], shorts[1])] += 1
print("family, subtype: count", dict(kinds))
for arg in sys.argv[4:]:
    kind = tuple(int(x) for x in arg.split(","))
    assert kinds[kind] == 1, (kind, kinds)
print("elements, joints:", len(first), len(joints(first)))
assert len(joints(first)) >= least, joints(first)
assert first == again, "the XDATA changed on reopening"
