#!/usr/bin/env python3
"""Writes catalogue.scr from catalogue_types.txt: one station per type, a
short run of duct of the type's shape and size with the element placed on
it (fitted to the run's free end, or attached to its last piece), in rows of
eight, each family from a new row, then the bill of materials of the
drawing's one air system.

    make_catalogue.py TYPES SCRIPT
"""
import sys

SYSTEM = "CAT"
COLUMNS = 8
STEP_X, STEP_Y = 9000, 3000
RUN = 2000
FLOW = 600


def stations(path):
    for number, line in enumerate(open(path, encoding="utf-8"), 1):
        line, _, inputs = line.split("#", 1)[0].partition("|")
        line, inputs = line.split(), inputs.split()
        if not line:
            continue
        # family subtype command position shape size... name [| input...]
        if len(line) < 7:
            sys.exit(f"{path}:{number}: family subtype command position shape size... name expected")
        family, subtype, command, position, shape = line[:5]
        sizes = line[5:-1]
        name = line[-1].split("=", 1)[0]  # code=text: the text is the bill's
        if shape not in ("rect", "round") or len(sizes) != (2 if shape == "rect" else 1):
            sys.exit(f"{path}:{number}: shape rect A B or round D expected")
        yield int(family), int(subtype), command, int(position), shape, sizes, name, inputs


def places(families):
    """The grid place (row, column) of each station: rows of COLUMNS, each
    family from a new row."""
    row, column, last = 0, -1, None
    for family in families:
        column += 1
        if last is not None and (family != last or column == COLUMNS):
            row, column = row + 1, 0
        last = family
        yield row, column


def station(k, at, family, subtype, command, position, shape, sizes, name, inputs):
    x, y = at[1] * STEP_X, -at[0] * STEP_Y
    size = ([f"1016={sizes[0]}", f"1017={sizes[1]}"] if shape == "rect"
            else ["1023=1", f"1022={sizes[0]}"])
    lines = [f"; {name} (family {family}, type {subtype}) on a {shape} run {' x '.join(sizes)}",
             "lstart", f"{x},{y}", "0", *size, f"1014={FLOW}", f"1009={SYSTEM}", "ok"]
    if k == 0:
        lines += ["1001=Catalogue", "ok"]
    lines += ["lcontd", f"{x + RUN},{y}", "^C"]
    if "pick" in inputs:
        # Continuous placement off (a pick would go on laying the run), and
        # the duct's middle on its edge in plan: half its width off its axis.
        lines += ["lcontd", "lcur", f"{x + RUN // 2},{y + int(sizes[0]) // 2}"]
    lines += [command, f"list={position}", "accept"]
    lines += [word for word in inputs if word != "pick"]
    lines += ["^C"]
    return lines


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    out = ["; One element of every type of every family, each on a run of duct it",
           "; belongs to, and the bill of materials of them all (written by",
           "; make_catalogue.py from catalogue_types.txt; change that file, not this).", ""]
    types = list(stations(sys.argv[1]))
    for k, (s, at) in enumerate(zip(types, places(s[0] for s in types))):
        out += station(k, at, *s)
    out += ["; The bill of materials, saved as catalogue_bom.txt (an earlier run's replaced",
            "; without the question).",
            "EXPERT", "2", "llist", "list=0", "accept", "save", "catalogue_bom.txt", "accept"]
    with open(sys.argv[2], "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
