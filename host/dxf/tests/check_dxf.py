#!/usr/bin/python3
"""Checks a drawing the host wrote, as strictly as we can without the CAD host itself:
  - the file's layout: sections and tables in order, the header variables the host always writes,
    the root dictionary first in OBJECTS with ACAD_GROUP, ACAD_LAYOUT and ACAD_PLOTSTYLENAME
    (ezdxf would create missing ones silently, so this is checked on the raw groups), no
    anonymous *U block without a reference;
  - ezdxf's strict load and its audit: no errors and no fixes;
  - ../shared/tools/dxf_check_refs.py: handles, owners, pointers and names all resolve.
Usage: check_dxf.py SHARED_TOOLS_DIR FILE.dxf...   Exit status 1 when anything is wrong."""
import os
import subprocess
import sys

import ezdxf
from ezdxf.lldxf.tagger import ascii_tags_loader

SECTIONS = ["HEADER", "CLASSES", "TABLES", "BLOCKS", "ENTITIES", "OBJECTS"]
TABLES = ["VPORT", "LTYPE", "LAYER", "STYLE", "VIEW", "UCS", "APPID", "DIMSTYLE", "BLOCK_RECORD"]
HEADER_VARS = ["$ACADVER", "$HANDSEED", "$CLAYER", "$DIMSTYLE", "$EXTMIN", "$EXTMAX", "$DIMTXT", "$DIMASZ"]
ROOT_KEYS = ["ACAD_GROUP", "ACAD_LAYOUT", "ACAD_PLOTSTYLENAME"]


def records(fn):
    """(section, [(code, value)...]) for every record, read byte for byte."""
    with open(fn, encoding="latin-1") as f:
        tags = [(t.code, t.value) for t in ascii_tags_loader(f)]
    out, sec = [], None
    for i, (c, v) in enumerate(tags):
        if c == 2 and i and tags[i - 1] == (0, "SECTION"):
            sec = v
            out[-1] = (sec, out[-1][1])
        if c == 0:
            out.append((sec, [(c, v)]))
        elif out:
            out[-1][1].append((c, v))
    return tags, out


def layout_problems(fn):
    problems = []
    tags, recs = records(fn)
    sections = [v for i, (c, v) in enumerate(tags) if c == 2 and i and tags[i - 1] == (0, "SECTION")]
    if sections != SECTIONS:
        problems.append(f"sections {sections}, expected {SECTIONS}")
    tables = [v for i, (c, v) in enumerate(tags) if c == 2 and i and tags[i - 1] == (0, "TABLE")]
    if tables != TABLES:
        problems.append(f"tables {tables}, expected {TABLES}")
    header_vars = {v for c, v in tags if c == 9}
    problems += [f"header lacks {name}" for name in HEADER_VARS if name not in header_vars]
    objects = [r for sec, r in recs if sec == "OBJECTS" and r[0] != (0, "SECTION")]
    objects = [r for r in objects if r[0] != (0, "ENDSEC")]
    if not objects or objects[0][0] != (0, "DICTIONARY") or (330, "0") not in objects[0]:
        problems.append("OBJECTS does not start with the root dictionary (owner 0)")
    else:
        keys = [v for c, v in objects[0] if c == 3]
        problems += [f"root dictionary lacks {k}" for k in ROOT_KEYS if k not in keys]
    used = {v.upper() for sec, r in recs if r[0][1] in ("INSERT", "DIMENSION") for c, v in r if c == 2}
    for sec, r in recs:
        if r[0] == (0, "BLOCK"):
            name = dict(r).get(2, "")
            if name.upper().startswith("*U") and name.upper() not in used:
                problems.append(f"anonymous block {name} is not referenced")
    return problems


def ezdxf_problems(fn):
    doc = ezdxf.readfile(fn)
    auditor = doc.audit()
    return ([f"ezdxf audit: {e.message}" for e in auditor.errors] +
            [f"ezdxf audit fixed: {f.message}" for f in auditor.fixes])


def main():
    tools, files = sys.argv[1], sys.argv[2:]
    failed = False
    for fn in files:
        try:
            problems = layout_problems(fn) + ezdxf_problems(fn)
        except Exception as error:  # a strict load that raises is the first problem to report
            problems = [f"{type(error).__name__}: {error}"]
        refs = subprocess.run([sys.executable, os.path.join(tools, "dxf_check_refs.py"), fn],
                              capture_output=True, text=True)
        if refs.returncode != 0:
            problems.append("dxf_check_refs.py:\n" + refs.stdout + refs.stderr)
        print(f"{fn}: {'ok' if not problems else 'FAILED'}")
        for p in problems:
            print("  problem:", p)
        failed |= bool(problems)
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
