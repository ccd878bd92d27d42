#!/usr/bin/python3
"""Checks a drawing the host wrote, as strictly as we can without the CAD host itself:
  - the file's layout: sections and tables in order, the header variables the host always writes,
    the root dictionary first in OBJECTS with ACAD_GROUP, ACAD_LAYOUT and ACAD_PLOTSTYLENAME
    (ezdxf would create missing ones silently, so this is checked on the raw groups), no
    anonymous *U block without a reference;
  - the links between records, on the raw groups too: every handle unique and below $HANDSEED
    (or the seed FFFFFFFFFFFFFFFF, the top, when a handle holds it),
    every pointer (330 to 369, 390, and XDATA 1005 that reads as a handle, unless null) names a
    record, every owner holds what claims it, block records and blocks come in pairs, and the layers, linetypes, text and
    dimension styles, blocks and XDATA applications that records name exist;
  - no ARC without sweep: readers draw an arc whose start and end angles meet (modulo 360
    degrees) as a whole circle;
  - ezdxf's strict load and its audit: no errors and no fixes;
  - with --opened-by, the lurak program opens the drawing and tells no repair: what the host
    writes it reads back as it is.
Usage: check_dxf.py [--opened-by LURAK_PROGRAM] FILE.dxf...   Exit status 1 when anything is wrong."""
import re
import subprocess
import sys
from dataclasses import dataclass, field

import ezdxf
from ezdxf.lldxf.tagger import ascii_tags_loader

SECTIONS = ["HEADER", "CLASSES", "TABLES", "BLOCKS", "ENTITIES", "OBJECTS"]
TABLES = ["VPORT", "LTYPE", "LAYER", "STYLE", "VIEW", "UCS", "APPID", "DIMSTYLE", "BLOCK_RECORD"]
HEADER_VARS = ["$ACADVER", "$HANDSEED", "$CLAYER", "$DIMSTYLE", "$EXTMIN", "$EXTMAX", "$DIMTXT", "$DIMASZ"]
ROOT_KEYS = ["ACAD_GROUP", "ACAD_LAYOUT", "ACAD_PLOTSTYLENAME"]

OWNER = 330
NULL_HANDLES = ("0", "")
# Groups whose value is the handle of another record.
POINTER_CODES = set(range(330, 370)) | {390}
# Groups inside an owner that name what it owns: dictionary entries, extension dictionaries,
# hard pointers such as an image's reactor.
OWNING_CODES = set(range(340, 370))
XDATA_START = 1000
XDATA_APP, XDATA_HANDLE = 1001, 1005
# What reads as a handle: one to 16 hexadecimal digits.
HANDLE_TEXT = re.compile(r"[0-9A-Fa-f]{1,16}")
EMBEDDED_OBJECT = 101
HEADER_PEEK = 1 << 16   # the version and code page lie near the start of the header
# Records that belong to the POLYLINE or INSERT before them.
SUB_ENTITIES = ("VERTEX", "ATTRIB", "SEQEND")
LAYOUT_BLOCKS = ("*MODEL_SPACE", "*PAPER_SPACE")
ARC_START, ARC_END = 50, 51
# Degrees; the module leaves out arcs of a sweep under 1e-7 radians, some 6e-6 degrees.
LEAST_SWEEP = 1e-6
# What the program prints of the repairs made on opening a drawing: "FILE:LINE: note" or
# "FILE: note", and the counts of the rest.
REPAIR_COUNT = re.compile(r"^\.\.\. and \d+ more (like it|repairs?)\.$")
OPENING_TIMEOUT = 600   # seconds
# Name groups of entities and the table that must hold the name: (code, kinds or None for any, table).
NAME_REFERENCES = [
    (8, None, "LAYER"),
    (6, None, "LTYPE"),
    (7, None, "STYLE"),
    (3, ("DIMENSION", "LEADER", "TOLERANCE"), "DIMSTYLE"),
    (2, ("INSERT", "DIMENSION"), "BLOCK_RECORD"),
]


@dataclass
class Record:
    section: str
    kind: str
    groups: list
    handle: str = None
    owner: str = None
    table: str = None          # handle of the TABLE head a table record lies in
    block: str = None          # name of the block (or layout) an entity lies in
    parent: str = None         # handle of the POLYLINE or INSERT a sub-entity belongs to
    body: list = field(default_factory=list)   # groups outside 102 braces and XDATA
    xdata: list = field(default_factory=list)


def encoding_of(fn):
    """The text encoding the header names: UTF-8 from R2007 on, else the drawing's code page."""
    with open(fn, encoding="latin-1") as f:
        head = f.read(HEADER_PEEK)
    version = re.search(r"\$ACADVER\s*\n\s*1\s*\n\s*(\w+)", head)
    if version and version.group(1) >= "AC1021":
        return "utf-8"
    page = re.search(r"\$DWGCODEPAGE\s*\n\s*3\s*\n\s*(\w+)", head)
    page = page.group(1).upper() if page else "ANSI_1252"
    return "cp" + page.split("_")[-1] if page.startswith("ANSI_") else "cp1252"


def read_tags(fn):
    with open(fn, encoding=encoding_of(fn), errors="replace") as f:
        return [(t.code, t.value) for t in ascii_tags_loader(f)]


def split_record(record):
    """Fills handle, owner, body and XDATA from the record's groups."""
    in_braces = False
    for code, value in record.groups[1:]:
        if code >= XDATA_START:
            record.xdata.append((code, value))
            continue
        if record.xdata:
            continue
        if code == 102:
            in_braces = value.startswith("{")
            continue
        if in_braces:
            continue
        if record.handle is None and (code == 5 or (code == 105 and record.kind == "DIMSTYLE")):
            record.handle = value
        elif record.owner is None and code == OWNER:
            record.owner = value
        else:
            record.body.append((code, value))


def records(tags):
    """Every record with where it lies: section, table, block and the entity it belongs to."""
    out, section, table, block, complex_entity = [], None, None, None, None
    for i, (code, value) in enumerate(tags):
        if code == 2 and i and tags[i - 1] == (0, "SECTION"):
            section = out[-1].section = value
        if code == 0:
            out.append(Record(section, value, []))
        if out:
            out[-1].groups.append((code, value))
    for r in out:
        if r.kind != "SECTION":  # the header's groups are variables, not a record's
            split_record(r)
        if r.kind == "TABLE":
            table = r.handle
        elif r.kind == "ENDTAB":
            table = None
        r.table = table if r.kind not in ("TABLE", "ENDTAB") else None
        if r.kind == "BLOCK":
            block = dict(r.body).get(2, "").upper()
        r.block = block if r.section == "BLOCKS" else None
        if r.kind in SUB_ENTITIES and complex_entity:
            r.parent = complex_entity
        complex_entity = r.handle if r.kind in ("POLYLINE", "INSERT") else complex_entity
        if r.kind == "SEQEND" or r.kind not in SUB_ENTITIES + ("POLYLINE", "INSERT"):
            complex_entity = None
        if r.kind == "ENDBLK":
            block = None
    return out


def layout_problems(tags, recs):
    problems = []
    sections = [v for i, (c, v) in enumerate(tags) if c == 2 and i and tags[i - 1] == (0, "SECTION")]
    if sections != SECTIONS:
        problems.append(f"sections {sections}, expected {SECTIONS}")
    tables = [v for i, (c, v) in enumerate(tags) if c == 2 and i and tags[i - 1] == (0, "TABLE")]
    if tables != TABLES:
        problems.append(f"tables {tables}, expected {TABLES}")
    header_vars = {v for c, v in tags if c == 9}
    problems += [f"header lacks {name}" for name in HEADER_VARS if name not in header_vars]
    objects = [r for r in recs if r.section == "OBJECTS" and r.kind not in ("SECTION", "ENDSEC")]
    if not objects or objects[0].kind != "DICTIONARY" or objects[0].owner != "0":
        problems.append("OBJECTS does not start with the root dictionary (owner 0)")
    else:
        keys = [v for c, v in objects[0].body if c == 3]
        problems += [f"root dictionary lacks {k}" for k in ROOT_KEYS if k not in keys]
    used = {v.upper() for r in recs if r.kind in ("INSERT", "DIMENSION") for c, v in r.body if c == 2}
    for r in recs:
        name = dict(r.body).get(2, "") if r.kind == "BLOCK" else ""
        if name.upper().startswith("*U") and name.upper() not in used:
            problems.append(f"anonymous block {name} is not referenced")
    return problems


TOP_HANDLE = 0xFFFFFFFFFFFFFFFF


def handle_problems(tags, recs):
    problems = []
    seen = set()
    for r in recs:
        if r.handle is None:
            continue
        if r.handle in seen:
            problems.append(f"{r.kind}: handle {r.handle} is used twice")
        seen.add(r.handle)
    seed = next((tags[i + 1][1] for i in range(len(tags) - 1) if tags[i] == (9, "$HANDSEED")), None)
    try:
        highest = max((int(h, 16) for h in seen), default=0)
        # With the top handle in use no number is above it: the seed is the top itself.
        if seed is not None and int(seed, 16) <= highest and int(seed, 16) != TOP_HANDLE:
            problems.append(f"$HANDSEED {seed} is not above the highest handle {highest:X}")
    except ValueError as error:
        problems.append(f"a handle is not hexadecimal: {error}")
    return problems


def pointer_problems(recs, by_handle):
    problems = []
    for r in recs:
        if r.section not in ("TABLES", "BLOCKS", "ENTITIES", "OBJECTS"):
            continue
        in_xdata = False
        for code, value in r.groups[1:]:
            in_xdata |= code >= XDATA_START
            # XDATA text that reads as no handle ("ZZ", " 39") is an application's data, kept as read.
            dangling = (code == XDATA_HANDLE and HANDLE_TEXT.fullmatch(value)) if in_xdata else (code in POINTER_CODES)
            if dangling and value not in NULL_HANDLES and value not in by_handle:
                problems.append(f"{r.kind} {r.handle}: group {code} names {value}, which does not exist")
    return problems


def holds(owner, r):
    """Whether the owner holds the record that names it as its owner."""
    if owner.kind == "TABLE":
        return r.table == owner.handle
    # A block record holds the entities of its block; an object only through a pointer (its extension
    # dictionary), as any other owner does.
    if owner.kind == "BLOCK_RECORD" and r.section != "OBJECTS":
        name = dict(owner.body).get(2, "").upper()
        if r.section == "ENTITIES":
            return name in LAYOUT_BLOCKS
        return r.block == name
    if owner.kind in ("POLYLINE", "INSERT") and r.kind in SUB_ENTITIES:
        return r.parent == owner.handle
    pointers = [(c, v) for c, v in owner.groups[1:] if c < XDATA_START]
    return any(c in OWNING_CODES and v == r.handle for c, v in pointers)


def owner_problems(recs, by_handle):
    problems = []
    for r in recs:
        owner = by_handle.get(r.owner)
        if r.handle is None or owner is None:
            continue
        if not holds(owner, r):
            problems.append(f"{r.kind} {r.handle} names {owner.kind} {owner.handle} as its owner, "
                            "which does not hold it")
    return problems


def block_problems(recs):
    problems = []
    records_by_name = {dict(r.body).get(2, "").upper(): r for r in recs if r.kind == "BLOCK_RECORD"}
    blocks = {}
    for r in recs:
        if r.kind != "BLOCK":
            continue
        name = dict(r.body).get(2, "").upper()
        if name in blocks:
            problems.append(f"block {name} is defined twice")
        blocks[name] = r
        record = records_by_name.get(name)
        if record is None:
            problems.append(f"block {name} has no block record")
        elif r.owner != record.handle:
            problems.append(f"block {name} names {r.owner} as its block record, not {record.handle}")
    problems += [f"block record {name} has no block" for name in records_by_name if name not in blocks]
    for r in recs:
        begin = blocks.get(r.block) if r.kind == "ENDBLK" else None
        if begin is not None and r.owner != begin.owner:
            problems.append(f"the end of block {r.block} names {r.owner} as its block record, not {begin.owner}")
    return problems


def name_problems(recs):
    problems = []
    names = {t: set() for t in ("LAYER", "LTYPE", "STYLE", "DIMSTYLE", "BLOCK_RECORD", "APPID")}
    for r in recs:
        if r.kind in names and r.section == "TABLES":
            names[r.kind].add(dict(r.body).get(2, "").upper())
    for r in recs:
        if r.kind == "LAYER" and r.section == "TABLES":
            linetype = dict(r.body).get(6)
            if linetype is not None and linetype.upper() not in names["LTYPE"]:
                problems.append(f"layer {dict(r.body).get(2)}: unknown linetype {linetype}")
        for code, value in r.xdata:
            if code == XDATA_APP and value.upper() not in names["APPID"]:
                problems.append(f"{r.kind} {r.handle}: XDATA application {value} is not in the APPID table")
        if r.section not in ("ENTITIES", "BLOCKS"):
            continue
        for code, value in r.body:
            if code == EMBEDDED_OBJECT:
                break
            for ref_code, kinds, table in NAME_REFERENCES:
                if code == ref_code and (kinds is None or r.kind in kinds) and value.upper() not in names[table]:
                    problems.append(f"{r.kind} {r.handle}: unknown {table} {value}")
        if r.kind == "DIMENSION" and 2 not in dict(r.body):
            problems.append(f"DIMENSION {r.handle} names no block")
    return problems


def arc_problems(recs):
    problems = []
    for r in recs:
        if r.kind != "ARC" or r.section not in ("ENTITIES", "BLOCKS"):
            continue
        body = dict(r.body)
        try:
            start, end = float(body[ARC_START]), float(body[ARC_END])
        except (KeyError, ValueError):
            continue  # the audit speaks of an arc without its angles
        sweep = (end - start) % 360.0
        if min(sweep, 360.0 - sweep) < LEAST_SWEEP:
            problems.append(f"ARC {r.handle}: no sweep from {body[ARC_START]} to {body[ARC_END]} degrees "
                            "(drawn as a whole circle)")
    return problems


def structure_problems(fn):
    tags = read_tags(fn)
    recs = records(tags)
    by_handle = {r.handle: r for r in recs if r.handle is not None}
    return (layout_problems(tags, recs) + handle_problems(tags, recs) +
            pointer_problems(recs, by_handle) + owner_problems(recs, by_handle) + block_problems(recs) +
            name_problems(recs) + arc_problems(recs))


def ezdxf_problems(fn):
    doc = ezdxf.readfile(fn)
    auditor = doc.audit()
    return ([f"ezdxf audit: {e.message}" for e in auditor.errors] +
            [f"ezdxf audit fixed: {f.message}" for f in auditor.fixes])


def opening_problems(fn, program):
    """The repairs the program tells when it opens the drawing (with no input), and its failure."""
    run = subprocess.run([program, fn, "-s", "/dev/null"], stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                         stdin=subprocess.DEVNULL, timeout=OPENING_TIMEOUT)
    output = run.stdout.decode("utf-8", errors="replace").splitlines()
    problems = [f"opened by {program}: {line}" for line in output
                if line.startswith(fn + ":") or REPAIR_COUNT.match(line)]
    if run.returncode != 0:
        problems.append(f"opened by {program}: exit status {run.returncode}: " + " / ".join(output[-3:]))
    return problems


def check(fn, program=None):
    problems = []
    steps = [structure_problems, ezdxf_problems]
    if program:
        def reopened(f):
            return opening_problems(f, program)
        steps.append(reopened)
    for step in steps:
        try:
            problems += step(fn)
        except Exception as error:  # a read that raises is a problem to report, not a crash
            problems.append(f"{step.__name__}: {type(error).__name__}: {error}")
    return problems


def main():
    args = sys.argv[1:]
    program = None
    if len(args) >= 2 and args[0] == "--opened-by":
        program, args = args[1], args[2:]
    if not args or any(re.match(r"^-", a) for a in args):
        sys.exit(__doc__)
    failed = False
    for fn in args:
        problems = check(fn, program)
        print(f"{fn}: {'ok' if not problems else 'FAILED'}")
        for p in problems:
            print("  problem:", p)
        failed |= bool(problems)
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
