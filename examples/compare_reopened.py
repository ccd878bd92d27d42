"""Compares a drawing laid by a script with the same drawing opened again and
saved: every element's XDATA and joints must be kept.  Each further argument
FAMILY,SUBTYPE names a type the drawing must hold exactly once.

usage: compare_reopened.py FIRST.dxf AGAIN.dxf MIN_JOINTS [FAMILY,SUBTYPE...]
"""
import collections
import sys

from drawing_elements import elements, kinds, xdata_joints as joints


def xdata(path):
    return {handle: e["xdata"] for handle, e in elements(path).items()}


first, again = xdata(sys.argv[1]), xdata(sys.argv[2])
least = int(sys.argv[3])
count = collections.Counter()
for data in first.values():
    count[kinds(data)] += 1
print("family, subtype: count", dict(count))
for arg in sys.argv[4:]:
    kind = tuple(int(x) for x in arg.split(","))
    assert count[kind] == 1, (kind, count)
print("elements, joints:", len(first), len(joints(first)))
assert len(joints(first)) >= least, joints(first)
assert first == again, "the XDATA changed on reopening"
