#!/usr/bin/python3
"""Compares a drawing with the copy the host read and wrote back: the same entities (in model space,
paper space and blocks), XDATA, XRECORDs, dictionaries and every other object, group by group.
Groups are compared exactly (points as whole points, reals as numbers); the body of an entity or
object may come back in another order, but its XDATA, XRECORD data and dictionary entries must keep
theirs. Text is compared decoded (\\U+XXXX escapes of older files are characters).
Objects missing from the copy are errors, except unreferenced anonymous blocks and their entities.
Groups a writer may leave out at their defaults, which the host holds all the same (an INSERT's scales
and rotation), may come back where the original had none, at their default values.
Usage: compare_dxf.py ORIGINAL.dxf COPY.dxf     Exit status 1 on any difference."""
import re
import sys

import ezdxf
from ezdxf.lldxf.tagger import ascii_tags_loader, tag_compiler

ESCAPE = re.compile(r"\\U\+([0-9A-Fa-f]{4})")
ORDERED = ("XRECORD",)          # data whose order is meaning
SKIP = {"SECTION", "ENDSEC", "TABLE", "ENDTAB", "EOF", "CLASS"}
R12_LAYOUT_BLOCKS = {"$MODEL_SPACE": "*Model_Space", "$PAPER_SPACE": "*Paper_Space"}
HELD_DEFAULTS = {"INSERT": {(41, 1.0), (42, 1.0), (43, 1.0), (50, 0.0)}}


def version_of(fn):
    with open(fn, encoding="latin-1") as f:
        head = f.read(4000)
    m = re.search(r"\$ACADVER\s*\n\s*1\s*\n(\w+)", head)
    return m.group(1) if m else "AC1009"


def encoding_of(fn):
    with open(fn, encoding="latin-1") as f:
        head = f.read(4000)
    version = version_of(fn)
    if version >= "AC1021":
        return "utf-8"
    m = re.search(r"\$DWGCODEPAGE\s*\n\s*3\s*\n(\w+)", head)
    page = m.group(1).upper() if m else "ANSI_1252"
    return "cp" + page.split("_")[-1] if page.startswith("ANSI_") else "cp1252"


def text(value):
    return ESCAPE.sub(lambda m: chr(int(m.group(1), 16)), value) if isinstance(value, str) else value


def load_records(fn):
    """handle -> (type, section, body groups, xdata groups) for every record with a handle."""
    with open(fn, encoding=encoding_of(fn), errors="surrogateescape") as f:
        tags = list(tag_compiler(iter(ascii_tags_loader(f))))
    recs, current, section = {}, None, None
    for i, t in enumerate(tags):
        if t.code == 2 and i and tags[i - 1] == (0, "SECTION"):
            section = t.value
        if t.code == 0:
            current = [t.value, section, [], []]
            handle = None
        if current is None or current[0] in SKIP:
            continue
        if t.code in (5, 105) and t.code != 0 and not current[2] and handle is None:
            handle = t.value
            recs[handle] = current
            continue
        if t.code == 0:
            continue
        value = tuple(t.value) if t.code in range(10, 19) or t.code >= 1010 and t.code <= 1013 \
            or t.code in (110, 111, 112, 210, 211, 212, 213) else text(t.value)
        target = current[3] if t.code >= 1000 or current[3] else current[2]
        target.append((t.code, value))
    return recs


def upgraded_from_r12(body):
    """An R12 body as a later version holds it: the layout blocks under their later names."""
    return [(c, R12_LAYOUT_BLOCKS.get(v.upper(), v) if c in (2, 3) and isinstance(v, str) else v) for c, v in body]


def compare_records(a, b, versions_differ, from_r12):
    """from_r12: the original is R12, whose records gain owners, subclass markers and defaults in the copy;
    then only groups lost count."""
    problems = []
    for handle, (kind, section, body, xdata) in a.items():
        if handle not in b:
            problems.append(f"{kind} {handle} ({section}) is missing")
            continue
        kind2, _, body2, xdata2 = b[handle]
        if kind2 != kind:
            problems.append(f"{kind} {handle} came back as {kind2}")
            continue
        if section == "HEADER":
            continue
        # Attributes, vertices and their SEQEND are owned by their insert or polyline, which some
        # writers (ezdxf) give as the block instead.
        owner2 = dict(body2).get(330)
        if kind in ("ATTRIB", "VERTEX", "SEQEND") and owner2 in b and b[owner2][0] in ("INSERT", "POLYLINE"):
            body = [g for g in body if g[0] != 330]
            body2 = [g for g in body2 if g[0] != 330]
        given = {c for c, _ in body}
        body2 = [g for g in body2 if g[0] in given or g not in HELD_DEFAULTS.get(kind, ())]
        same_body = body == body2 if kind in ORDERED else sorted(map(repr, body)) == sorted(map(repr, body2))
        if from_r12:
            body = upgraded_from_r12(body)
            same_body = all(g in body2 for g in body)
        if section == "TABLES" and versions_differ:  # optional groups of one version only
            same_body = dict(body).get(2) == dict(body2).get(2)
        if not same_body:
            lost = [g for g in body if g not in body2]
            added = [g for g in body2 if g not in body]
            problems.append(f"{kind} {handle}: groups differ: lost {lost[:6]} added {added[:6]}"
                            + ("" if lost or added else " (order)"))
        if xdata != xdata2:
            problems.append(f"{kind} {handle}: XDATA differs: {xdata[:8]} -> {xdata2[:8]}")
    return problems


def unreferenced_anonymous(recs):
    """Handles that a host may purge: unreferenced *U blocks with their records and entities."""
    used = {dict(body).get(2, "").upper() for kind, _, body, _ in recs.values() if kind in ("INSERT", "DIMENSION")}
    owners = set()
    for handle, (kind, _, body, _) in recs.items():
        name = dict(body).get(2, "")
        if kind in ("BLOCK_RECORD",) and name.upper().startswith("*U") and name.upper() not in used:
            owners.add(handle)
    return {h for h, (kind, _, body, _) in recs.items() if h in owners or dict(body).get(330) in owners}


def decoded(tags):
    """Tags as ezdxf keeps them, with the \\U+XXXX escapes of older files as characters."""
    return [(t.code, text(t.value)) for t in tags]


def compare_with_ezdxf(fa, fb, in_file, from_r12):
    """The same objects through ezdxf's own API: XDATA per application, XRECORD tags, dictionary entries.
    Only the records in the original file (`in_file`, handles) count: ezdxf adds its own to old versions.
    ezdxf takes the ACAD XDATA of an R12 viewport (its view) into its fields, and so out of its XDATA; a
    later version's copy keeps it as XDATA, which the group comparison holds to."""
    problems = []
    da, db = ezdxf.readfile(fa), ezdxf.readfile(fb)
    for e in da.entitydb.values():
        h = e.dxf.handle
        other = db.entitydb.get(h)
        if other is None or h not in in_file:
            continue  # reported by the group comparison, or made by ezdxf
        if e.xdata or other.xdata:
            xa = {k: [(t.code, text(t.value)) for t in v] for k, v in (e.xdata.data.items() if e.xdata else [])}
            xb = {k: [(t.code, text(t.value)) for t in v] for k, v in (other.xdata.data.items() if other.xdata else [])}
            if from_r12 and e.dxftype() == "VIEWPORT" and "ACAD" not in xa:
                xb.pop("ACAD", None)
            if xa != xb:
                problems.append(f"ezdxf: XDATA of {e.dxftype()} {h} differs")
        if e.dxftype() == "XRECORD" and decoded(e.tags) != decoded(other.tags):
            problems.append(f"ezdxf: XRECORD {h} differs")
        if e.dxftype() == "DICTIONARY":
            ka = {k: getattr(v, "dxf", None) and v.dxf.handle or v for k, v in e.items()}
            kb = {k: getattr(v, "dxf", None) and v.dxf.handle or v for k, v in other.items()}
            if ka != kb:
                problems.append(f"ezdxf: DICTIONARY {h} entries differ: {ka} -> {kb}")
        if e.has_extension_dict != other.has_extension_dict:
            problems.append(f"ezdxf: extension dictionary of {h} lost")
    return problems


def main():
    fa, fb = sys.argv[1], sys.argv[2]
    a, b = load_records(fa), load_records(fb)
    purgeable = unreferenced_anonymous(a)
    a = {h: r for h, r in a.items() if h not in purgeable}
    versions_differ = version_of(fa) != version_of(fb)
    from_r12 = version_of(fa) <= "AC1009"
    problems = compare_records(a, b, versions_differ, from_r12) + compare_with_ezdxf(fa, fb, a, from_r12)
    print(f"{fa} -> {fb}: {len(a)} records compared, {len(problems)} differences")
    for p in problems[:40]:
        print("  difference:", p)
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    main()
