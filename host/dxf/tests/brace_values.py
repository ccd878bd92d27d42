#!/usr/bin/python3
"""Prints, for records of a drawing, the groups before their first subclass marker as the file
holds them ("{ACAD_REACTORS 330:30 } 330:17": braces, pointers and the rest in order), and what
ezdxf reads of them: owner, reactors, extension dictionary and, for an entity, layer.
Usage: brace_values.py FILE.dxf HANDLE...   Exit status 1 when a handle names nothing."""
import sys

import ezdxf

MARKER, BRACE, HANDLE, STYLE_HANDLE = 100, 102, 5, 105


def heads(path):
    """The groups before the first marker outside braces of each record, by handle."""
    with open(path, encoding="utf-8", errors="replace") as f:
        lines = [line.strip() for line in f.read().splitlines()]
    found, handle, head, open_head, depth = {}, None, [], False, 0
    for i in range(0, len(lines) - 1, 2):
        code, value = int(lines[i]), lines[i + 1]
        if code == 0:
            handle, head, open_head, depth = None, [], True, 0
        elif code in (HANDLE, STYLE_HANDLE) and handle is None and open_head:
            handle = value
            found[handle] = head
        elif code == MARKER and depth == 0:
            open_head = False
        elif open_head:
            if code == BRACE:
                depth = depth + 1 if value.startswith("{") else max(depth - 1, 0)
            head.append(value if code == BRACE else f"{code}:{value}")
    return found


def main():
    path = sys.argv[1]
    raw = heads(path)
    doc = ezdxf.readfile(path)
    status = 0
    for handle in sys.argv[2:]:
        e = doc.entitydb.get(handle)
        if e is None or handle not in raw:
            print(f"{handle}: none")
            status = 1
            continue
        xdict = e.get_extension_dict().dictionary.dxf.handle if e.has_extension_dict else "none"
        line = f"{' '.join(raw[handle])} | owner={e.dxf.owner} reactors={sorted(e.get_reactors())} xdict={xdict}"
        if e.dxf.hasattr("layer") and e.dxftype() != "LAYER":
            line += f" layer={e.dxf.layer}"
        print(line)
    sys.exit(status)


if __name__ == "__main__":
    main()
