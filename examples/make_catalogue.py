#!/usr/bin/env python3
"""Writes catalogue.scr from catalogue_types.txt: one station per type, a
short run of duct of the type's shape and size with the element placed on
it (fitted to the run's free end, or attached to its last piece), in rows of
five, then the bill of materials of the drawing's one air system.

    make_catalogue.py TYPES SCRIPT
"""
import sys

SYSTEM = "CAT"
COLUMNS = 5
STEP_X, STEP_Y = 9000, 3000
RUN = 2000
FLOW = 600


def stations(path):
    for number, line in enumerate(open(path, encoding="utf-8"), 1):
        line = line.split("#", 1)[0].split()
        if not line:
            continue
        # family subtype command position shape size... name
        family, subtype, command, position, shape = line[:5]
        sizes = line[5:-1]
        name = line[-1]
        if shape not in ("rect", "round") or len(sizes) != (2 if shape == "rect" else 1):
            sys.exit(f"{path}:{number}: shape rect A B or round D expected")
        yield int(family), int(subtype), command, int(position), shape, sizes, name


def station(k, family, subtype, command, position, shape, sizes, name):
    x, y = (k % COLUMNS) * STEP_X, -(k // COLUMNS) * STEP_Y
    size = ([f"1016={sizes[0]}", f"1017={sizes[1]}"] if shape == "rect"
            else ["1023=1", f"1022={sizes[0]}"])
    lines = [f"; {name} (family {family}, type {subtype}) on a {shape} run {' x '.join(sizes)}",
             "lstart", f"{x},{y}", "0", *size, f"1014={FLOW}", f"1009={SYSTEM}", "ok"]
    if k == 0:
        lines += ["1001=Catalogue", "ok"]
    lines += ["lcontd", f"{x + RUN},{y}", "^C", command, f"list={position}", "accept", "^C"]
    return lines


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    out = ["; One element of every type of every family, each on a run of duct it",
           "; belongs to, and the bill of materials of them all (written by",
           "; make_catalogue.py from catalogue_types.txt; change that file, not this).", ""]
    for k, s in enumerate(stations(sys.argv[1])):
        out += station(k, *s)
    out += ["; The bill of materials, saved as catalogue_bom.txt.",
            "llist", "list=0", "accept", "save", "catalogue_bom.txt", "accept"]
    with open(sys.argv[2], "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
