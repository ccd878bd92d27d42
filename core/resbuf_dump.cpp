#include "core/resbuf_dump.h"

#include "aced_input.h"
#include "core/string_convert.h"
#include "core/text_buffer.h"

namespace {

std::string Text(const resbuf* rb) { return ToNarrowString(rb->resval.rstring); }

std::string Point(const char* label, const resbuf* rb) {
    const double* p = rb->resval.rpoint;
    return FormatText("%s=(%f, %f, %f).\n", label, p[0], p[1], p[2]);
}

bool In(int code, int from, int to) { return code >= from && code <= to; }

}  // namespace

std::string DescribeResbuf(const resbuf* rb) {
    int code = rb->restype;
    switch (code) {
    case -4: return "Conditional operator.\n";
    case -3: return "XDATA Sentinel.\n";
    case -2: case -1: case 330: case 350:
        return FormatText("Name Ref=%ld,%ld\n", rb->resval.rlname[0], rb->resval.rlname[1]);
    // Linetype and text-style names are texts in the host's lists; read as
    // entity names they would show a pointer.
    case 0: case 1: case 6: case 7: case 100: case 102:
        return "String=\"" + Text(rb) + "\".\n";
    case 2: return "Name Type=\"" + Text(rb) + "\".\n";
    case 3: return "Dimension Style=\"" + Text(rb) + "\".\n";
    case 4: case 39: case 49: case 62: case 66: case 67: return "Unknown type.\n";
    case 5: return "Handle=\"" + Text(rb) + "\".\n";
    case 8: return "Layer=\"" + Text(rb) + "\".\n";
    case 210: return Point("Extrusion Point", rb);
    case 999: return "Comment.\n";
    case 1000: return "  XDATA String=\"" + Text(rb) + "\".\n";
    case 1001: return "  XDATA Appname=\"" + Text(rb) + "\".\n";
    case 1002: return "  XDATA Control ({ or }).\n";
    case 1003: return "  XDATA Layer.\n";
    case 1004: return "  XDATA Binary.\n";
    case 1005: return "  XDATA Handle=\"" + Text(rb) + "\".\n";
    case 1010: return Point("  XDATA Point", rb);
    case 1011: return "  XDATA World space position.\n";
    case 1012: return "  XDATA World space displacement.\n";
    case 1013: return "  XDATA World space direction.\n";
    case 1040: return FormatText("  XDATA Real=%f.\n", rb->resval.rreal);
    case 1041: return FormatText("  XDATA Distance=%f.\n", rb->resval.rreal);
    case 1042: return FormatText("  XDATA Scale=%f.\n", rb->resval.rreal);
    case 1070: return FormatText("  XDATA Integer=%d.\n", rb->resval.rint);
    case 1071: return FormatText("  XDATA Longint=%ld.\n", rb->resval.rlong);
    default: break;
    }
    if (In(code, 10, 18))
        return Point("Point", rb);
    if (In(code, 40, 48))
        return FormatText("Real=%f.\n", rb->resval.rreal);
    if (In(code, 50, 58))
        return FormatText("Angle=%f.\n", rb->resval.rreal);
    // Groups 90-99 hold 32-bit values in the host's lists.
    if (In(code, 90, 99))
        return FormatText("Integer=%ld.\n", rb->resval.rlong);
    if (In(code, 70, 89))
        return FormatText("Integer=%d.\n", rb->resval.rint);
    return "Unknown code.\n";
}

void DumpResbufList(const resbuf* list) {
    acedTextScr();
    acutPrintf(L"\n");
    for (const resbuf* rb = list; rb; rb = rb->rbnext) {
        std::string line = FormatText("\tAttr: %d\t", rb->restype) + DescribeResbuf(rb);
        acutPrintf(L"%ls", ToWide(line.c_str()).c_str());
    }
}
