#!/usr/bin/python3
"""Prints what ezdxf reads of some entities of a drawing, one line each: its
DXF attributes, and what lies outside them (an LWPOLYLINE's vertices, a
spline's or helix's counts of control points, knots and weights, an
attribute's embedded MTEXT, reactors, application groups).  Two drawings
whose entities came through a save print the same lines.
Usage: entity_values.py FILE.dxf HANDLE...   Exit status 1 when a handle names nothing."""
import sys

import ezdxf

DIGITS = 9  # reals are compared so, as the saves write the shortest text that reads back


def shown(value):
    if isinstance(value, float):
        return repr(round(value, DIGITS))
    if isinstance(value, (tuple, list)) or hasattr(value, "x"):
        return "(" + ", ".join(shown(v) for v in value) + ")"
    return repr(value)


def values(e):
    attribs = e.dxf.all_existing_dxf_attribs()
    attribs.pop("handle", None)
    parts = [f"{k}={shown(v)}" for k, v in sorted(attribs.items())]
    if e.dxftype() == "LWPOLYLINE":
        parts.append("points=" + shown([tuple(p) for p in e.get_points()]))
    if e.dxftype() in ("SPLINE", "HELIX"):
        parts.append(f"control_points={len(e.control_points)} knots={len(e.knots)} weights={len(e.weights)}")
    if e.dxftype() in ("ATTRIB", "ATTDEF"):
        parts.append("mtext=" + (repr(e.virtual_mtext_entity().text) if e.has_embedded_mtext_entity else "none"))
    parts.append("reactors=" + shown(sorted(e.get_reactors())))
    for app in sorted(e.appdata.data) if e.appdata else []:
        parts.append(f"{app}=" + shown([(t.code, shown(t.value)) for t in e.get_app_data(app)]))
    return " ".join(parts)


def main():
    doc = ezdxf.readfile(sys.argv[1])
    status = 0
    for handle in sys.argv[2:]:
        e = doc.entitydb.get(handle)
        if e is None:
            print(f"{handle}: none")
            status = 1
        else:
            print(f"{handle} {e.dxftype()}: {values(e)}")
    sys.exit(status)


if __name__ == "__main__":
    main()
