#include "shell/dimension_maker.h"

#include <cmath>

#include "ads_entity.h"
#include "api/host_api.h"
#include "io/io.h"
#include "shell/documents.h"
#include "shell/drawing_vars.h"
#include "shell/prompting.h"
#include "shell/text.h"

namespace host::shell {

namespace {

struct Vec {
    double x, y, z;
};

Vec vec(const double p[3]) { return {p[0], p[1], p[2]}; }
Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec operator*(Vec a, double s) { return {a.x * s, a.y * s, a.z * s}; }
double dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }

// The frame of a dimension: direction u along the dimension line, n across
// it towards the location, and the two ends of the dimension line.
struct Frame {
    Vec u, n, d1, d2, e1, e2;
    double value;
    double angle;
};

Frame frameOf(const LinearDimension& dim) {
    Frame f;
    f.e1 = vec(dim.origin1);
    f.e2 = vec(dim.origin2);
    Vec along = f.e2 - f.e1;
    double length = std::hypot(along.x, along.y);
    f.angle = dim.rotated ? dim.angle : (length > 0 ? std::atan2(along.y, along.x) : 0.0);
    f.u = {std::cos(f.angle), std::sin(f.angle), 0};
    f.n = {-f.u.y, f.u.x, 0};
    Vec l = vec(dim.location);
    f.d1 = f.e1 + f.n * dot(l - f.e1, f.n);
    f.d2 = f.e2 + f.n * dot(l - f.e2, f.n);
    f.d1.z = f.d2.z = l.z;
    f.value = std::fabs(dot(f.e2 - f.e1, f.u));
    // The extension lines point from the origins to the dimension line.
    if (dot(l - f.e1, f.n) < 0) f.n = f.n * -1.0;
    return f;
}

bool make(resbuf* list) {
    if (!list) return false;
    int rc = acdbEntMake(list);
    acutRelRb(list);
    return rc == RTNORM || rc == RTKWORD;
}

bool line(Vec a, Vec b, const wchar_t* layer) {
    double p[3] = {a.x, a.y, a.z}, q[3] = {b.x, b.y, b.z};
    return make(acutBuildList(RTDXF0, L"LINE", 8, layer, 62, 0, 10, p, 11, q, 0));
}

bool arrow(Vec tip, Vec back, Vec side) {
    double p[3] = {tip.x, tip.y, tip.z};
    Vec b1 = back + side, b2 = back - side;
    double q[3] = {b1.x, b1.y, b1.z}, r[3] = {b2.x, b2.y, b2.z};
    return make(acutBuildList(RTDXF0, L"SOLID", 8, L"0", 62, 0, 10, p, 11, q, 12, r, 13, r, 0));
}

bool point(Vec at) {
    double p[3] = {at.x, at.y, at.z};
    return make(acutBuildList(RTDXF0, L"POINT", 8, L"DEFPOINTS", 10, p, 0));
}

std::string shownText(const LinearDimension& dim, double value) {
    std::string measured = formatNumber(std::round(value * 1e4) / 1e4);
    if (dim.text.empty()) return measured;
    std::string text = dim.text;
    size_t at = text.find("<>");
    if (at != std::string::npos) text.replace(at, 2, measured);
    return text;
}

// The block's contents between BLOCK and ENDBLK.
bool drawBlock(const Frame& f, const std::string& text, double scale) {
    const double arrowSize = 2.5 * scale, textHeight = 2.5 * scale;
    const double offset = 0.625 * scale, extension = 1.25 * scale, gap = 0.625 * scale;
    bool ok = line(f.d1, f.d2, L"0");
    ok = ok && line(f.e1 + f.n * offset, f.d1 + f.n * extension, L"0");
    ok = ok && line(f.e2 + f.n * offset, f.d2 + f.n * extension, L"0");
    Vec towardsEnd = f.d2 - f.d1;
    double span = std::hypot(towardsEnd.x, towardsEnd.y);
    Vec inward = span > 0 ? towardsEnd * (1 / span) : f.u;
    ok = ok && arrow(f.d1, f.d1 + inward * arrowSize, f.n * (arrowSize / 6));
    ok = ok && arrow(f.d2, f.d2 - inward * arrowSize, f.n * (arrowSize / 6));
    Vec mid = (f.d1 + f.d2) * 0.5 + f.n * (gap + textHeight / 2);
    double at[3] = {mid.x, mid.y, mid.z};
    std::wstring value = io::fromUtf8(text);
    double rotation = f.angle;
    // Text reads from left to right.
    if (std::cos(rotation) < -1e-9 || (std::fabs(std::cos(rotation)) <= 1e-9 && std::sin(rotation) < 0))
        rotation += M_PI;
    ok = ok && make(acutBuildList(RTDXF0, L"TEXT", 8, L"0", 62, 0, 10, at, 40, textHeight, 1, value.c_str(), 50,
                                  rotation, 72, 1, 11, at, 73, 2, 0));
    ok = ok && point(f.e1) && point(f.e2) && point(f.d2);
    return ok;
}

// DIMSCALE 0 is worked out from a viewport's scale: 1 outside of one.
double dimScale() {
    double s = currentDimScale();
    return s > 0 ? s : 1;
}

} // namespace

double measure(const LinearDimension& dim) { return frameOf(dim).value; }

bool makeDimension(const LinearDimension& dim) {
    Frame f = frameOf(dim);
    double origin[3] = {0, 0, 0};
    // The block and its dimension are made together or not at all.
    db::Database* database = api::currentDatabase();
    db::Slot mark = database ? database->slotCount() : db::kNoSlot;
    auto takeBack = [&](std::string_view message) {
        repromptWithReason(message);
        if (database) database->purgeSince(mark);
        return false;
    };
    // The block lives on layer 0, as its contents do: not on whatever layer
    // is current, which may be erased later.
    if (!make(acutBuildList(RTDXF0, L"BLOCK", 8, L"0", 2, L"*D", 70, 1, 10, origin, 0)))
        return takeBack("The dimension's block could not be started");
    bool drawn = drawBlock(f, shownText(dim, f.value), dimScale());
    resbuf* end = acutBuildList(RTDXF0, L"ENDBLK", 0);
    int rc = acdbEntMake(end);
    acutRelRb(end);
    if (!drawn || rc != RTKWORD) return takeBack("The dimension's block could not be made");
    std::wstring block = io::fromUtf8(io::lastInput());
    std::wstring layer = io::fromUtf8(currentLayerName());
    std::wstring style = io::fromUtf8(currentDimStyleName());
    std::wstring text = io::fromUtf8(dim.text);
    double d2[3] = {f.d2.x, f.d2.y, f.d2.z};
    Vec mid = (f.d1 + f.d2) * 0.5;
    double t[3] = {mid.x, mid.y, mid.z};
    double e1[3] = {f.e1.x, f.e1.y, f.e1.z}, e2[3] = {f.e2.x, f.e2.y, f.e2.z};
    resbuf* list = dim.rotated
        ? acutBuildList(RTDXF0, L"DIMENSION", 8, layer.c_str(), 2, block.c_str(), 10, d2, 11, t, 70, 32, 71, 5,
                        1, text.c_str(), 3, style.c_str(), 100, L"AcDbAlignedDimension", 13, e1, 14, e2, 50,
                        dim.angle, 100, L"AcDbRotatedDimension", 0)
        : acutBuildList(RTDXF0, L"DIMENSION", 8, layer.c_str(), 2, block.c_str(), 10, d2, 11, t, 70, 33, 71, 5,
                        1, text.c_str(), 3, style.c_str(), 100, L"AcDbAlignedDimension", 13, e1, 14, e2, 0);
    if (!make(list)) return takeBack("The dimension could not be made");
    return true;
}

} // namespace host::shell
