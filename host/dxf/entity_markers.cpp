#include "dxf/entity_markers.h"

#include <algorithm>
#include <array>
#include <span>

namespace host::dxf {

namespace {

constexpr int kMarkerCode = 100;
constexpr int kBraceCode = 102;
constexpr int kFlagsCode = 70;
constexpr int kFirstXdataCode = 1000;
constexpr int kColumnsCode = 70;  // an INSERT's column and row counts
constexpr int kRowsCode = 71;
constexpr size_t kMostParts = 5;  // AcDbEntity and a surface's four

using Codes = std::span<const int>;
using Names = std::span<const std::string_view>;

// The groups each part holds, where a part's successor can go missing and
// must be put back after them; sorted.
constexpr int kEntityFields[] = {6, 8, 48, 60, 62, 67, 92, 160, 284, 310, 347, 348, 370, 380, 390, 410, 420, 430, 440};
constexpr int kCircleFields[] = {10, 39, 40, 210};
constexpr int kTextFields[] = {1, 7, 10, 11, 39, 40, 41, 50, 51, 71, 72, 210};
constexpr int kDimensionFields[] = {1, 2, 3, 10, 11, 12, 41, 42, 51, 52, 53, 70, 71, 72, 73, 74, 75, 210, 280};
constexpr int kAlignedDimensionFields[] = {12, 13, 14, 50, 52};
constexpr int kModelerFields[] = {1, 2, 3, 70, 290};
constexpr int kSurfaceFields[] = {71, 72};
constexpr int kBlockReferenceFields[] = {2, 10, 41, 42, 43, 44, 45, 50, 66, 70, 71, 210};

static_assert(std::is_sorted(std::begin(kEntityFields), std::end(kEntityFields)) &&
              std::is_sorted(std::begin(kTextFields), std::end(kTextFields)) &&
              std::is_sorted(std::begin(kDimensionFields), std::end(kDimensionFields)) &&
              std::is_sorted(std::begin(kBlockReferenceFields), std::end(kBlockReferenceFields)));

struct KnownFields {
    std::string_view marker;
    Codes fields;
};
constexpr KnownFields kKnownFields[] = {
    {"AcDbEntity", kEntityFields},
    {"AcDbCircle", kCircleFields},
    {"AcDbText", kTextFields},
    {"AcDbDimension", kDimensionFields},
    {"AcDbAlignedDimension", kAlignedDimensionFields},
    {"AcDbModelerGeometry", kModelerFields},
    {"AcDbSurface", kSurfaceFields},
    {"AcDbBlockReference", kBlockReferenceFields},
    {"AcDbVertex", {}},  // the vertex's values are all in the part after it
};

// One part of an entity: the marker written when it is missing, the other
// names files give it (the kinds of a dimension, a polyline or a vertex),
// and for an INSERT, what picks its marker from its values.
struct Part {
    std::string_view marker;
    Names others;
    std::string_view (*pick)(const db::GroupList& groups) = nullptr;

    bool accepts(std::string_view name) const
    {
        return name == marker || std::find(others.begin(), others.end(), name) != others.end();
    }
    std::string_view written(const db::GroupList& groups) const { return pick ? pick(groups) : marker; }
};

const KnownFields* knownFields(std::string_view marker)
{
    for (const KnownFields& k : kKnownFields)
        if (k.marker == marker) return &k;
    return nullptr;
}

bool holds(const KnownFields& known, int code)
{
    return std::binary_search(known.fields.begin(), known.fields.end(), code);
}

// Each type's own markers after AcDbEntity; sorted by type.  The kinds of
// DIMENSION, INSERT, POLYLINE and VERTEX depend on their values (below).
enum class Kinds : uint8_t { None, Insert, Polyline, Vertex, Dimension, Solid };
struct TypeMarkers {
    std::string_view type;
    std::array<std::string_view, kMostParts - 1> own;
    Kinds kinds = Kinds::None;  // what picks the markers after `own`
};
constexpr TypeMarkers kTypes[] = {
    {"3DFACE", {"AcDbFace"}},
    {"3DSOLID", {"AcDbModelerGeometry", "AcDb3dSolid"}, Kinds::Solid},  // the second from R2007 on
    {"ACAD_PROXY_ENTITY", {"AcDbProxyEntity"}},
    {"ACAD_TABLE", {"AcDbBlockReference", "AcDbTable"}},
    {"ARC", {"AcDbCircle", "AcDbArc"}},
    {"ARC_DIMENSION", {"AcDbDimension", "AcDbArcDimension"}},
    {"ATTDEF", {"AcDbText", "AcDbAttributeDefinition"}},
    {"ATTRIB", {"AcDbText", "AcDbAttribute"}},
    {"BLOCK", {"AcDbBlockBegin"}},
    {"BODY", {"AcDbModelerGeometry"}},
    {"CIRCLE", {"AcDbCircle"}},
    {"DGNUNDERLAY", {"AcDbUnderlayReference"}},
    {"DIMENSION", {"AcDbDimension"}, Kinds::Dimension},
    {"DWFUNDERLAY", {"AcDbUnderlayReference"}},
    {"ELLIPSE", {"AcDbEllipse"}},
    {"ENDBLK", {"AcDbBlockEnd"}},
    {"EXTRUDEDSURFACE", {"AcDbModelerGeometry", "AcDbSurface", "AcDbExtrudedSurface"}},
    {"HATCH", {"AcDbHatch"}},
    {"HELIX", {"AcDbSpline", "AcDbHelix"}},
    {"IMAGE", {"AcDbRasterImage"}},
    {"INSERT", {}, Kinds::Insert},
    {"LARGE_RADIAL_DIMENSION", {"AcDbDimension", "AcDbRadialDimensionLarge"}},
    {"LEADER", {"AcDbLeader"}},
    {"LIGHT", {"AcDbLight"}},
    {"LINE", {"AcDbLine"}},
    {"LOFTEDSURFACE", {"AcDbModelerGeometry", "AcDbSurface", "AcDbLoftedSurface"}},
    {"LWPOLYLINE", {"AcDbPolyline"}},
    {"MESH", {"AcDbSubDMesh"}},
    {"MLEADER", {"AcDbMLeader"}},
    {"MLINE", {"AcDbMline"}},
    {"MPOLYGON", {"AcDbMPolygon"}},
    {"MTEXT", {"AcDbMText"}},
    {"MULTILEADER", {"AcDbMLeader"}},
    {"NURBSURFACE", {"AcDbModelerGeometry", "AcDbSurface", "AcDbNurbSurface"}},
    {"OLE2FRAME", {"AcDbOle2Frame"}},
    {"OLEFRAME", {"AcDbOleFrame"}},
    {"PDFUNDERLAY", {"AcDbUnderlayReference"}},
    {"PLANESURFACE", {"AcDbModelerGeometry", "AcDbSurface", "AcDbPlaneSurface"}},
    {"POINT", {"AcDbPoint"}},
    {"POLYLINE", {}, Kinds::Polyline},
    {"RAY", {"AcDbRay"}},
    {"REGION", {"AcDbModelerGeometry"}},
    {"REVOLVEDSURFACE", {"AcDbModelerGeometry", "AcDbSurface", "AcDbRevolvedSurface"}},
    {"SEQEND", {}},
    {"SHAPE", {"AcDbShape"}},
    {"SOLID", {"AcDbTrace"}},
    {"SPLINE", {"AcDbSpline"}},
    {"SURFACE", {"AcDbModelerGeometry", "AcDbSurface"}},
    {"SWEPTSURFACE", {"AcDbModelerGeometry", "AcDbSurface", "AcDbSweptSurface"}},
    {"TEXT", {"AcDbText", "AcDbText"}},
    {"TOLERANCE", {"AcDbFcf"}},
    {"TRACE", {"AcDbTrace"}},
    {"VERTEX", {}, Kinds::Vertex},
    {"VIEWPORT", {"AcDbViewport"}},
    {"WIPEOUT", {"AcDbWipeout"}},
    {"XLINE", {"AcDbXline"}},
};

constexpr bool sortedByType()
{
    for (size_t i = 1; i < std::size(kTypes); ++i)
        if (!(kTypes[i - 1].type < kTypes[i].type)) return false;
    return true;
}
static_assert(sortedByType());

// The kinds' names, where a value picks one.
constexpr std::string_view kInsertKinds[] = {"AcDbBlockReference", "AcDbMInsertBlock"};
constexpr std::string_view kPolylineKinds[] = {"AcDb2dPolyline", "AcDb3dPolyline", "AcDbPolygonMesh",
                                               "AcDbPolyFaceMesh"};
constexpr std::string_view kVertexKinds[] = {"AcDb2dVertex", "AcDb3dPolylineVertex", "AcDbPolygonMeshVertex",
                                             "AcDbPolyFaceMeshVertex"};
constexpr std::string_view kDimensionKinds[] = {"AcDbAlignedDimension",        "AcDbAlignedDimension",
                                                "AcDb2LineAngularDimension",   "AcDbDiametricDimension",
                                                "AcDbRadialDimension",         "AcDb3PointAngularDimension",
                                                "AcDbOrdinateDimension"};
// Polyline and vertex flags (group 70).
constexpr int64_t k3dPolyline = 8, kPolygonMesh = 16, kPolyfaceMesh = 64;
constexpr int64_t k3dVertex = 32, kMeshVertex = 64, kFaceVertex = 128;
constexpr int64_t kDimensionKindMask = 15;

const db::Group* bodyGroup(const db::GroupList& groups, int code)
{
    for (const db::Group& g : groups) {
        if (g.code() >= kFirstXdataCode) break;
        if (g.code() == code) return &g;
    }
    return nullptr;
}

int64_t bodyInt(const db::GroupList& groups, int code, int64_t fallback)
{
    const db::Group* g = bodyGroup(groups, code);
    if (g == nullptr) return fallback;
    db::ValueKind kind = g->kind();
    bool integer = kind == db::ValueKind::Int16 || kind == db::ValueKind::Int32 || kind == db::ValueKind::Int64;
    return integer ? g->asInt() : fallback;
}

// An INSERT of more than one copy is an array.
std::string_view insertKind(const db::GroupList& groups)
{
    bool array = bodyInt(groups, kColumnsCode, 1) > 1 || bodyInt(groups, kRowsCode, 1) > 1;
    return kInsertKinds[array ? 1 : 0];
}

// The markers of a type; null when no order is known for it.  Entities of
// one type mostly follow each other: the last type found is tried first.
const TypeMarkers* typeMarkers(std::string_view type)
{
    thread_local const TypeMarkers* last = nullptr;
    if (last != nullptr && last->type == type) return last;
    auto it = std::lower_bound(std::begin(kTypes), std::end(kTypes), type,
                               [](const TypeMarkers& t, std::string_view name) { return t.type < name; });
    if (it == std::end(kTypes) || it->type != type) return nullptr;
    last = &*it;
    return last;
}

// The parts of an entity of this type with these groups.
size_t partsOf(const TypeMarkers& markers, const db::GroupList& groups, bool solidHistory, Part (&parts)[kMostParts])
{
    size_t count = 0;
    auto add = [&](std::string_view marker, Names others = {}) { parts[count++] = Part{marker, others}; };
    add("AcDbEntity");
    for (std::string_view marker : markers.own)
        if (!marker.empty()) add(marker);
    switch (markers.kinds) {
    case Kinds::None: break;
    case Kinds::Solid:
        if (!solidHistory) --count;
        break;
    case Kinds::Insert:
        add(kInsertKinds[0], kInsertKinds);
        parts[count - 1].pick = insertKind;
        break;
    case Kinds::Polyline: {
        int64_t flags = bodyInt(groups, kFlagsCode, 0);
        size_t kind = flags & k3dPolyline ? 1 : flags & kPolygonMesh ? 2 : flags & kPolyfaceMesh ? 3 : 0;
        add(kPolylineKinds[kind], kPolylineKinds);
        break;
    }
    case Kinds::Vertex: {
        int64_t flags = bodyInt(groups, kFlagsCode, 0);
        if ((flags & (kFaceVertex | kMeshVertex)) == kFaceVertex) {
            add("AcDbFaceRecord");  // a polyface mesh's face
        } else {
            size_t kind = flags & k3dVertex ? 1 : flags & kFaceVertex ? 3 : flags & kMeshVertex ? 2 : 0;
            add("AcDbVertex");
            add(kVertexKinds[kind], kVertexKinds);
        }
        break;
    }
    case Kinds::Dimension: {
        // Without a type (70) it may be a constraint, of no such part.
        if (bodyGroup(groups, kFlagsCode) == nullptr) break;
        int64_t kind = bodyInt(groups, kFlagsCode, 0) & kDimensionKindMask;
        if (kind < static_cast<int64_t>(std::size(kDimensionKinds))) {
            add(kDimensionKinds[kind], kDimensionKinds);
            if (kind == 0) add("AcDbRotatedDimension");
        }
        break;
    }
    }
    return count;
}

} // namespace

bool mendEntityMarkers(std::string_view type, const db::GroupList& groups, bool solidHistory, db::GroupList& out)
{
    // The leading 102 groups go before the owner; the markers follow it.
    size_t lead = 0;
    for (int depth = 0; lead < groups.size() && (groups[lead].code() == kBraceCode || depth > 0); ++lead)
        if (groups[lead].code() == kBraceCode) depth += groups[lead].asText().starts_with("{") ? 1 : -1;
    const TypeMarkers* markers = typeMarkers(type);
    if (markers == nullptr) return false;
    Part parts[kMostParts];
    const size_t count = partsOf(*markers, groups, solidHistory, parts);

    // Each part's marker where the record has it, in order: a marker goes
    // to the first part from the next one on that takes its name.
    constexpr size_t kMissing = SIZE_MAX;
    size_t at[kMostParts];
    std::fill(std::begin(at), std::end(at), kMissing);
    size_t end = lead, next = 0;
    bool marked = false;
    for (; end < groups.size() && groups[end].code() < kFirstXdataCode; ++end) {
        if (groups[end].code() != kMarkerCode) continue;
        marked = true;
        for (size_t j = next; j < count; ++j)
            if (parts[j].accepts(groups[end].asText())) {
                at[j] = end;
                next = j + 1;
                break;
            }
    }
    const size_t missing = static_cast<size_t>(std::count(at, at + count, kMissing));
    if (!marked || missing == 0) return false;

    // A missing marker goes after the fields of the part before it, when
    // they are known, else just before the next marker the record has:
    // AcDbEntity first of all.
    size_t place[kMostParts];
    size_t start = lead;  // where the fields of the part before begin
    for (size_t j = 0; j < count; ++j) {
        if (at[j] != kMissing) {
            start = at[j] + 1;
            continue;
        }
        size_t limit = end;
        for (size_t k = j + 1; k < count; ++k)
            if (at[k] != kMissing) {
                limit = at[k];
                break;
            }
        size_t q = start;
        if (j > 0) {
            // The part before by the name the record gives it.
            const KnownFields* known =
                knownFields(at[j - 1] != kMissing ? groups[at[j - 1]].asText() : parts[j - 1].marker);
            if (known == nullptr) q = limit;
            while (q < limit && groups[q].code() != kMarkerCode && holds(*known, groups[q].code())) ++q;
        }
        place[j] = start = q;
    }
    out.clear();
    out.reserve(groups.size() + missing);
    for (size_t i = 0; i <= groups.size(); ++i) {
        for (size_t j = 0; j < count; ++j)
            if (at[j] == kMissing && place[j] == i)
                out.push_back(db::Group::text(kMarkerCode, parts[j].written(groups)));
        if (i < groups.size()) out.push_back(groups[i]);
    }
    return true;
}

} // namespace host::dxf
