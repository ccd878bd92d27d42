"""Checks the demonstration drawing and the drawing opened again and saved:
each air system is one network whose joints are recorded on both elements,
every label shows its element's system and number, the two files keep the
same elements, values, joints and label numbers, and each system's bill of
materials lists every element type the system uses, with its label numbers;
no arc of the drawing is one whose ends all but meet.

usage: check_demo.py FIRST.dxf AGAIN.dxf SYSTEM=BOM.txt...
"""
import collections
import sys

import ezdxf

APP = "LurakCad_B1"
LABEL_APP_TEXT = "LurakLabelReactor"

# What each element type's rows in the bill of materials start with, by
# family and subtype: the types the demonstration lays.
BOM_CODES = {
    (1, 1): "VL-01", (1, 2): "VL-02", (1, 3): "VL-03", (1, 5): "VL-05", (1, 8): "VL-08",
    (2, 1): "SPIRO", (2, 2): "FLEX",
    (3, 1): "CSD", (3, 12): "DZK",
    (4, 1): "VT-3-2",
    (5, 1): "Ventilator", (5, 3): "Kalorifer +", (5, 9): "Filter",
}


def label_groups(xdata):
    """The element's label groups: (number, insert handle) for each."""
    groups, inside = [], None
    for code, value in xdata:
        if code == 1002 and value == "{":
            inside = []
        elif code == 1002 and value == "}":
            if inside and inside[0][0] == 1070:
                handles = [v for c, v in inside if c == 1005]
                groups.append((inside[0][1], handles[0] if handles else ""))
            inside = None
        elif inside is not None:
            inside.append((code, value))
    return groups


def read(path):
    doc = ezdxf.readfile(path)
    elements, labels = {}, {}
    for e in doc.modelspace():
        if e.dxftype() != "INSERT" or not e.has_xdata(APP):
            continue
        data = list(e.get_xdata(APP))
        if data and data[0].value == LABEL_APP_TEXT:
            texts = [t.dxf.text for t in doc.blocks[e.dxf.name] if t.dxftype() == "TEXT"]
            owner = [v for c, v in data if c == 1005][1]
            labels[e.dxf.handle] = (owner, texts)
            continue
        shorts = [v for code, v in data if code == 1070]
        elements[e.dxf.handle] = {
            "system": data[0].value,
            "type": (shorts[0], shorts[1]),
            "xdata": data,
            "links": [v for code, v in data if code == 1005],
            "labels": label_groups(data),
        }
    return elements, labels


def check_arcs(path):
    """No arc whose ends all but meet: readers draw it as a whole circle."""
    for block in ezdxf.readfile(path).blocks:
        for e in block:
            if e.dxftype() == "ARC":
                sweep = (e.dxf.end_angle - e.dxf.start_angle) % 360
                assert 1e-6 < sweep < 360 - 1e-6, f"block {block.name}: an arc of {sweep} degrees"


def joints(elements):
    pairs = set()
    for handle, e in elements.items():
        for other in e["links"]:
            if other in elements and other != handle:
                assert handle in elements[other]["links"], f"{handle} -> {other} is one way only"
                assert elements[other]["system"] == e["system"], f"{handle} and {other}: two systems joined"
                pairs.add(tuple(sorted((handle, other))))
    return pairs


def networks(elements, pairs):
    """The joined groups of elements (union-find)."""
    parent = {h: h for h in elements}

    def root(h):
        while parent[h] != h:
            parent[h] = parent[parent[h]]
            h = parent[h]
        return h

    for a, b in pairs:
        parent[root(a)] = root(b)
    groups = collections.defaultdict(set)
    for h in elements:
        groups[root(h)].add(h)
    return list(groups.values())


def check_labels(elements, labels):
    """Every label names its element, shows its system and its number."""
    numbers = collections.defaultdict(set)
    for handle, e in elements.items():
        assert e["labels"], f"{handle} {e['type']} has no label"
        for number, insert in e["labels"]:
            assert number > 0, (handle, number)
            assert insert in labels, f"{handle}: label {insert} missing"
            owner, texts = labels[insert]
            assert owner == handle, (insert, owner, handle)
            assert texts == [e["system"], str(number)], (insert, texts)
            numbers[e["system"]].add(number)
    return numbers


def bom_rows(path):
    """(number or None, count, description) for each row."""
    rows = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            if not line.strip():
                continue
            fields = line.split()
            if line[0].isspace():
                rows.append((None, int(fields[0]), " ".join(fields[1:])))
            else:
                rows.append((int(fields[0]), int(fields[1]), " ".join(fields[2:])))
    return rows


def check_bom(system, path, elements, numbers):
    mine = [e for e in elements.values() if e["system"] == system]
    rows = bom_rows(path)
    numbered = [r for r in rows if r[0] is not None]
    # Each element is counted once on its numbered row; the joint pieces of
    # the round ducts come after them without a number.
    assert sum(r[1] for r in numbered) == len(mine), (system, sum(r[1] for r in numbered), len(mine))
    assert {r[0] for r in numbered} == numbers[system], (system, sorted(numbers[system]))
    for kind in {e["type"] for e in mine}:
        code = BOM_CODES[kind]
        assert any(r[2].startswith(code) for r in numbered), f"{system}: no row of {code}"
    print(f"{system}: {len(mine)} elements, {len(rows)} rows")


first, first_labels = read(sys.argv[1])
again, again_labels = read(sys.argv[2])
kinds = collections.Counter(e["type"] for e in first.values())
print("family, subtype: count", dict(sorted(kinds.items())))
assert set(kinds) == set(BOM_CODES), set(BOM_CODES) ^ set(kinds)
# A ceiling diffuser and an extract grille in each of the six offices.
assert kinds[(3, 12)] == 6 and kinds[(3, 1)] == 6, kinds

for path in sys.argv[1:3]:
    check_arcs(path)
pairs = joints(first)
systems = collections.Counter(e["system"] for e in first.values())
assert set(systems) == {"SV1", "EX1"}, systems
groups = networks(first, pairs)
assert len(groups) == 2, [len(g) for g in groups]
print("elements, joints:", len(first), len(pairs))

numbers = check_labels(first, first_labels)
assert joints(again) == pairs
assert check_labels(again, again_labels) == numbers
assert {h: e["xdata"] for h, e in first.items()} == {h: e["xdata"] for h, e in again.items()}, \
    "the elements changed on reopening"

for arg in sys.argv[3:]:
    system, path = arg.split("=", 1)
    check_bom(system, path, first, numbers)
print("drawings and bills of materials checked")
