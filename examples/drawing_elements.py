"""The elements of a drawing saved by lurak, read back for the example
checks: each element's type, XDATA, reals and joint handles, and the
joints between them, so that every check reads a drawing the same way."""
import ezdxf

APP = "LurakCad_B1"


def elements(path):
    """Every element by handle: its type (family, subtype), its XDATA, its
    reals, its joint handles and the y of its insertion point."""
    doc = ezdxf.readfile(path)
    found = {}
    for e in doc.modelspace():
        if e.dxftype() == "INSERT" and e.has_xdata(APP):
            data = e.get_xdata(APP)
            shorts = [v for code, v in data if code == 1070]
            found[e.dxf.handle] = {
                "type": (shorts[0], shorts[1]),
                "xdata": list(data),
                "reals": [v for code, v in data if code == 1040],
                "links": [v for code, v in data if code == 1005],
                "y": round(e.dxf.insert[1]),
            }
    return found


def unedited_xdata(path):
    """Every element's XDATA by handle, without the edited mark (the lowest
    bit of the third short), which accepting the properties sets."""
    doc = ezdxf.readfile(path)
    out = {}
    for e in doc.modelspace():
        if e.dxftype() == "INSERT" and e.has_xdata(APP):
            groups, shorts = [], 0
            for code, v in e.get_xdata(APP):
                if code == 1070:
                    shorts += 1
                    if shorts == 3:
                        v &= ~1
                groups.append((code, tuple(v) if code == 1010 else v))
            out[e.dxf.handle] = groups
    return out


def kinds(xdata):
    """The (family, subtype) of an element's XDATA."""
    shorts = [v for code, v in xdata if code == 1070]
    return shorts[0], shorts[1]


def joints(found):
    """The joints between the elements of `elements`, each a sorted pair of
    handles; a joint recorded on one of its elements only fails."""
    pairs = set()
    for handle, e in found.items():
        for other in e["links"]:
            if other in found and other != handle:
                assert handle in found[other]["links"], f"{handle} -> {other} is one way only"
                pairs.add(tuple(sorted((handle, other))))
    return pairs


def xdata_joints(found):
    """The joints between the elements of `unedited_xdata`."""
    joined = set()
    for handle, xdata in found.items():
        for code, value in xdata:
            if code == 1005 and value in found and value != handle:
                joined.add(tuple(sorted((handle, value))))
    return joined


def has_run(reals, values):
    """Whether the values stand in the reals in a row."""
    n = len(values)
    return any(reals[k:k + n] == values for k in range(len(reals) - n + 1))
