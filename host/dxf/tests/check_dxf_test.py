#!/usr/bin/python3
"""Each kind of damage check_dxf.py is there to find is found: a sound drawing written by ezdxf
passes, and the same drawing with one damage each fails with the problem that names it; a
drawing the program tells repairs of when opening it fails too.
Usage: check_dxf_test.py SCRATCH_DIR   Exit status 1 when a damage goes unnoticed."""
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_dxf     # noqa: E402
import make_samples  # noqa: E402


def record_head(text, kind, n=0):
    """(handle, owner) of the n-th record of a kind whose head reads 0/kind/5/handle/330/owner."""
    heads = re.findall(rf"\n  0\n{kind}\n  5\n(\w+)\n330\n(\w+)\n", text)
    return heads[n]


def value_after(text, needle):
    return text.split(needle, 1)[1].split("\n", 1)[0]


def damages(text):
    """(what, text with the damage, a piece of the problem expected)."""
    first_line, second_line = record_head(text, "LINE", 0), record_head(text, "LINE", 1)
    xrecord, xrecord_owner = record_head(text, "XRECORD", 0)
    seed = value_after(text, "$HANDSEED\n  5\n")
    supply = value_after(text, "  3\nSUPPLY-1\n350\n")
    model_space = record_head(text, "DIMENSION")[1]
    return [
        ("handle used twice", text.replace(f"LINE\n  5\n{second_line[0]}\n", f"LINE\n  5\n{first_line[0]}\n", 1),
         f"handle {first_line[0]} is used twice"),
        ("owner missing", text.replace(f"XRECORD\n  5\n{xrecord}\n330\n{xrecord_owner}\n",
                                       f"XRECORD\n  5\n{xrecord}\n330\nABC\n", 1),
         "group 330 names ABC, which does not exist"),
        ("XDATA handle missing", text.replace("1005\n", "1005\nFFFF\n1000\n", 1), "group 1005 names FFFF"),
        ("seed too low", text.replace(f"$HANDSEED\n  5\n{seed}\n", "$HANDSEED\n  5\n10\n", 1),
         "$HANDSEED 10 is not above"),
        ("dictionary does not hold its entry", text.replace(f"  3\nSUPPLY-1\n350\n{supply}\n", "", 1),
         f"XRECORD {supply} names DICTIONARY"),
        ("entity of a block claimed by model space",
         text.replace(f"LINE\n  5\n{first_line[0]}\n330\n{first_line[1]}\n",
                      f"LINE\n  5\n{first_line[0]}\n330\n{model_space}\n", 1),
         f"LINE {first_line[0]} names BLOCK_RECORD {model_space} as its owner"),
        ("block record without block", text.replace("  2\nGRILLE_TAG\n340\n", "  2\nGRILLE_TAB\n340\n", 1),
         "block record GRILLE_TAB has no block"),
        ("unknown layer", text.replace("  8\nDUCT-HIDDEN\n", "  8\nNO-SUCH-LAYER\n", 1), "unknown LAYER NO-SUCH-LAYER"),
        ("unknown linetype", text.replace("  8\nDUCT\n", "  8\nDUCT\n  6\nDOTTY\n", 1), "unknown LTYPE DOTTY"),
        ("unknown text style", text.replace("  7\nNOTES\n", "  7\nSCRIBBLE\n", 1), "unknown STYLE SCRIBBLE"),
        ("unknown dimension style", re.sub(r"(\n  0\nDIMENSION\n(?:.*\n)*?  3\n)Standard\n", r"\1Fancy\n", text,
                                           count=1), "unknown DIMSTYLE Fancy"),
        ("unknown block", text.replace("  2\nGRILLE_TAG\n 10\n", "  2\nGRILLE_TAX\n 10\n", 1),
         "unknown BLOCK_RECORD GRILLE_TAX"),
        ("unregistered XDATA application", text.replace("1001\nSITEAPP\n", "1001\nNOAPP\n", 1),
         "XDATA application NOAPP"),
        ("arc without sweep", re.sub(r"(\n  0\nARC\n(?:.*\n)*? 50\n)(270(?:\.0)?)\n 51\n[^\n]*\n",
                                     r"\1\2\n 51\n-90.0\n", text, count=1), "no sweep from 270"),
        ("root dictionary without groups", re.sub(r"  3\nACAD_GROUP\n350\n\w+\n", "", text, count=1),
         "root dictionary lacks ACAD_GROUP"),
    ]


def openings(path):
    """(what the program prints on opening the drawing, its exit status, a piece of the problem expected
    or None for none)."""
    return [
        ("Menu LURAK.cui loaded.\nCommand: \n", 0, None),
        (f"{path}:1510: LINE had the colour 300: set to 256\nCommand: \n", 0, "LINE had the colour 300"),
        (f"{path}: ATTRIB 2A (and 4 more) stood alone: left out\n", 0, "stood alone"),
        ("... and 7 more like it.\n", 0, "7 more like it"),
        ("... and 1 more repair.\n", 0, "1 more repair"),
        ("lurak: Cannot open it\n", 2, "exit status 2"),
    ]


def opening_failures(scratch, good):
    """The failures of the check of what a stand-in for the program prints on opening a drawing."""
    failures = []
    printed, program = os.path.join(scratch, "printed.txt"), os.path.join(scratch, "opening_program")
    for output, status, expected in openings(good):
        with open(printed, "w", encoding="utf-8") as f:
            f.write(output)
        with open(program, "w", encoding="utf-8") as f:
            f.write(f"#!/bin/sh\ncat '{printed}'\nexit {status}\n")
        os.chmod(program, 0o755)
        problems = check_dxf.check(good, program)
        if expected is None and problems:
            failures.append(f"opening with {output!r}: expected no problem, got {problems}")
        if expected is not None and not any(expected in p for p in problems):
            failures.append(f"opening with {output!r}: expected a problem with {expected!r}, got {problems}")
    return failures


def main():
    scratch = sys.argv[1]
    os.makedirs(scratch, exist_ok=True)
    good = os.path.join(scratch, "good.dxf")
    make_samples.make_sample("R2007", good)
    with open(good, encoding="utf-8") as f:
        text = f.read()
    failures = []
    problems = check_dxf.check(good)
    if problems:
        failures.append(f"the sound drawing fails: {problems}")
    for what, damaged, expected in damages(text):
        if damaged == text:
            failures.append(f"{what}: the damage was not made")
            continue
        path = os.path.join(scratch, "damaged.dxf")
        with open(path, "w", encoding="utf-8") as f:
            f.write(damaged)
        problems = check_dxf.check(path)
        if not any(expected in p for p in problems):
            failures.append(f"{what}: expected a problem with {expected!r}, got {problems}")
    failures += opening_failures(scratch, good)
    for failure in failures:
        print("FAILED:", failure)
    print(f"{len(damages(text)) + len(openings(good))} damages, {len(failures)} failures")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
