#include "dxf/entity_markers.h"

#include "dxf/leading_braces.h"
#include "dxf/marker_placement.h"

#include <algorithm>
#include <array>
#include <span>
#include <vector>

namespace host::dxf {

namespace {

constexpr int kMarkerCode = 100;
constexpr int kEmbeddedObjectCode = 101;  // an MTEXT of an attribute follows: not the entity's own groups
constexpr int kBraceCode = 102;
constexpr int kFlagsCode = 70;
// XDATA begins with its application's name: groups of 1000 and up before it
// are the entity's own (the reader keeps them only where they are).
constexpr int kApplicationCode = 1001;
constexpr int kColumnsCode = 70;  // an INSERT's column and row counts
constexpr int kRowsCode = 71;

using Codes = std::span<const int>;
using Names = std::span<const std::string_view>;

// The groups each part is known to hold; sorted.  Where a part lost its
// marker, it is put back between the groups of the part before and its
// own; where every part of an entity is listed, a group that only one of
// them holds goes under that one.  Parts not listed may hold any group.
constexpr int kEntityFields[] = {6, 8, 48, 60, 62, 67, 92, 160, 284, 310, 347, 348, 370, 380, 390, 410, 420, 430, 440};
constexpr int kCircleFields[] = {10, 39, 40, 210};
constexpr int kArcFields[] = {50, 51};
constexpr int kTextFields[] = {1, 7, 10, 11, 39, 40, 41, 50, 51, 71, 72, 210};
constexpr int kTextAlignmentFields[] = {73};  // a TEXT's second AcDbText
constexpr int kDimensionFields[] = {1, 2, 3, 10, 11, 12, 41, 42, 51, 52, 53, 70, 71, 72, 73, 74, 75, 210, 280};
constexpr int kAlignedDimensionFields[] = {12, 13, 14, 50, 52};
constexpr int kAngularDimensionFields[] = {13, 14, 15, 16};
constexpr int kRadialDimensionFields[] = {15, 40};
constexpr int kOrdinateDimensionFields[] = {13, 14};
constexpr int kModelerFields[] = {1, 2, 3, 70, 290};
constexpr int kSurfaceFields[] = {71, 72};
constexpr int kBlockReferenceFields[] = {2, 10, 41, 42, 43, 44, 45, 50, 66, 70, 71, 210};
constexpr int kFaceFields[] = {10, 11, 12, 13, 70};
constexpr int kTraceFields[] = {10, 11, 12, 13, 39, 210};
constexpr int kShapeFields[] = {2, 10, 39, 40, 41, 50, 51, 210};
// An attribute's text values are its AcDbText part's; only its tag, flags,
// field length, vertical alignment and lock are its own.  From R2018 on it
// also holds its type (71), 72 and a copy of the alignment point (11),
// numbers its text part holds with other meanings: a record of markers may
// hold them in either part, one of R12 (without markers) in the text's.
constexpr int kAttributeFields[] = {2, 70, 73, 74, 280};
constexpr int kAttributeDefinitionFields[] = {2, 3, 70, 73, 74, 280};
constexpr int kMarkedAttributeFields[] = {2, 11, 70, 71, 72, 73, 74, 280};
constexpr int kMarkedAttributeDefinitionFields[] = {2, 3, 11, 70, 71, 72, 73, 74, 280};
constexpr int kLineFields[] = {10, 11, 39, 210};
constexpr int kLwPolylineFields[] = {10, 38, 39, 40, 41, 42, 43, 70, 90, 91, 210};
// With the background fill (63, 420 to 439, 441) and the columns (48 to 50, 75
// to 79); its text may go on in 3.
constexpr int kMTextFields[] = {1,   3,   7,   10,  11,  40,  41,  42,  43,  44,  45,  46,  48,  49,  50,  63,
                                71,  72,  73,  75,  76,  78,  79,  90,  210, 420, 421, 422, 423, 424, 425, 426,
                                427, 428, 429, 430, 431, 432, 433, 434, 435, 436, 437, 438, 439, 441};
// With the boundary paths' edges, the pattern lines, the seeds and the
// gradient (an MPOLYGON's 11, 63, 73 and 99 too).
constexpr int kHatchFields[] = {2,  10, 11, 12, 13, 40, 41, 42, 43, 44, 45,  46,  47,  49,  50,  51,  52,
                                53, 63, 70, 71, 72, 73, 74, 75, 76, 77, 78,  79,  91,  92,  93,  94,  95,
                                96, 97, 98, 99, 210, 330, 421, 450, 451, 452, 453, 460, 461, 462, 463, 470};
constexpr int kPointFields[] = {10, 39, 50, 210};
constexpr int kEllipseFields[] = {10, 11, 40, 41, 42, 210};
constexpr int kRayFields[] = {10, 11};  // an XLINE's too
constexpr int kSplineFields[] = {10, 11, 12, 13, 40, 41, 42, 43, 44, 70, 71, 72, 73, 74, 210};
constexpr int kHelixFields[] = {10, 11, 12, 40, 41, 42, 90, 91, 280, 290};
constexpr int kSolidHistoryFields[] = {350};
constexpr int kArcDimensionFields[] = {13, 14, 15, 16, 17, 40, 41, 70, 71};
constexpr int kBlockBeginFields[] = {1, 2, 3, 4, 10, 70};
constexpr int kLeaderFields[] = {3, 10, 40, 41, 71, 72, 73, 74, 75, 76, 77, 210, 211, 212, 213, 340};
constexpr int kMlineFields[] = {2, 10, 11, 12, 13, 40, 41, 42, 70, 71, 72, 73, 74, 75, 210, 340};
constexpr int kImageFields[] = {10, 11, 12, 13, 14, 70, 71, 90, 91, 280, 281, 282, 283, 290, 340, 360};  // a WIPEOUT's too
constexpr int kToleranceFields[] = {1, 3, 10, 11, 210};
constexpr int kOleFields[] = {1, 3, 10, 11, 70, 71, 72, 73, 90, 310};
constexpr int kProxyFields[] = {70, 90, 91, 92, 93, 94, 95, 160, 161, 162, 310, 330, 340, 350, 360};
constexpr int kPolylineFields[] = {10, 39, 40, 41, 66, 70, 71, 72, 73, 74, 75, 210};  // each kind's
constexpr int kVertexFields[] = {10, 40, 41, 42, 50, 70, 71, 72, 73, 74, 91};        // each kind's
constexpr int kFaceRecordFields[] = {10, 70, 71, 72, 73, 74};
constexpr int kViewportFields[] = {1,  10, 12,  13,  14,  15,  16,  17,  40,  41,  42,  43,  44,  45,
                                   50, 51, 61,  63,  68,  69,  71,  72,  74,  79,  90,  110, 111, 112,
                                   141, 142, 146, 170, 281, 282, 292, 331, 332, 333, 335, 340, 343, 344,
                                   345, 346, 348, 361, 421, 431};

constexpr bool sorted(Codes codes) { return std::is_sorted(codes.begin(), codes.end()); }
static_assert(sorted(kEntityFields) && sorted(kCircleFields) && sorted(kArcFields) && sorted(kTextFields) &&
              sorted(kDimensionFields) && sorted(kAlignedDimensionFields) && sorted(kAngularDimensionFields) &&
              sorted(kRadialDimensionFields) && sorted(kOrdinateDimensionFields) && sorted(kModelerFields) &&
              sorted(kSurfaceFields) && sorted(kBlockReferenceFields) && sorted(kFaceFields) &&
              sorted(kTraceFields) && sorted(kShapeFields) && sorted(kAttributeFields) &&
              sorted(kAttributeDefinitionFields) && sorted(kPolylineFields) && sorted(kVertexFields) &&
              sorted(kFaceRecordFields) && sorted(kViewportFields) && sorted(kMarkedAttributeFields) &&
              sorted(kMarkedAttributeDefinitionFields) && sorted(kLineFields) && sorted(kLwPolylineFields) &&
              sorted(kMTextFields) && sorted(kHatchFields) && sorted(kPointFields) && sorted(kEllipseFields) &&
              sorted(kRayFields) && sorted(kSplineFields) && sorted(kHelixFields) && sorted(kSolidHistoryFields) &&
              sorted(kArcDimensionFields) && sorted(kBlockBeginFields) && sorted(kLeaderFields) &&
              sorted(kMlineFields) && sorted(kImageFields) && sorted(kToleranceFields) && sorted(kOleFields) &&
              sorted(kProxyFields));

struct KnownFields {
    std::string_view marker;
    Codes fields;
    Codes marked = {};  // in place of `fields` in a record with markers, when not empty
};
constexpr KnownFields kKnownFields[] = {
    {"AcDbEntity", kEntityFields},
    {"AcDbCircle", kCircleFields},
    {"AcDbArc", kArcFields},
    {"AcDbText", kTextFields},
    {"AcDbDimension", kDimensionFields},
    {"AcDbAlignedDimension", kAlignedDimensionFields},
    {"AcDbRotatedDimension", {}},  // its values are in the aligned part before it
    {"AcDb2LineAngularDimension", kAngularDimensionFields},
    {"AcDb3PointAngularDimension", kAngularDimensionFields},
    {"AcDbDiametricDimension", kRadialDimensionFields},
    {"AcDbRadialDimension", kRadialDimensionFields},
    {"AcDbOrdinateDimension", kOrdinateDimensionFields},
    {"AcDbModelerGeometry", kModelerFields},
    {"AcDbSurface", kSurfaceFields},
    {"AcDbBlockReference", kBlockReferenceFields},
    {"AcDbMInsertBlock", kBlockReferenceFields},
    {"AcDbVertex", {}},  // the vertex's values are all in the part after it
    {"AcDbFace", kFaceFields},
    {"AcDbTrace", kTraceFields},
    {"AcDbShape", kShapeFields},
    {"AcDbAttribute", kAttributeFields, kMarkedAttributeFields},
    {"AcDbAttributeDefinition", kAttributeDefinitionFields, kMarkedAttributeDefinitionFields},
    {"AcDbLine", kLineFields},
    {"AcDbPolyline", kLwPolylineFields},
    {"AcDbMText", kMTextFields},
    {"AcDbHatch", kHatchFields},
    {"AcDbPoint", kPointFields},
    {"AcDbEllipse", kEllipseFields},
    {"AcDbRay", kRayFields},
    {"AcDbXline", kRayFields},
    {"AcDbSpline", kSplineFields},
    {"AcDbHelix", kHelixFields},
    {"AcDb3dSolid", kSolidHistoryFields},
    {"AcDbArcDimension", kArcDimensionFields},
    {"AcDbBlockBegin", kBlockBeginFields},
    {"AcDbBlockEnd", {}},  // it holds nothing
    {"AcDbLeader", kLeaderFields},
    {"AcDbMline", kMlineFields},
    {"AcDbRasterImage", kImageFields},
    {"AcDbWipeout", kImageFields},
    {"AcDbFcf", kToleranceFields},
    {"AcDbOle2Frame", kOleFields},
    {"AcDbProxyEntity", kProxyFields},
    {"AcDb2dPolyline", kPolylineFields},
    {"AcDb3dPolyline", kPolylineFields},
    {"AcDbPolygonMesh", kPolylineFields},
    {"AcDbPolyFaceMesh", kPolylineFields},
    {"AcDb2dVertex", kVertexFields},
    {"AcDb3dPolylineVertex", kVertexFields},
    {"AcDbPolygonMeshVertex", kVertexFields},
    {"AcDbPolyFaceMeshVertex", kVertexFields},
    {"AcDbFaceRecord", kFaceRecordFields},
    {"AcDbViewport", kViewportFields},
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

// The fields of a part; `repeated` when the part before has its name,
// `marked` when the record has markers of its type.
PartFields fieldsOf(std::string_view marker, bool repeated, bool marked)
{
    if (repeated && marker == "AcDbText") return {kTextAlignmentFields, true};
    for (const KnownFields& k : kKnownFields)
        if (k.marker == marker) return {marked && !k.marked.empty() ? k.marked : k.fields, true};
    return {};
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
        if (g.code() == kApplicationCode) break;
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

// Where the entity's own groups end: at its XDATA, or at an embedded
// object, which stays after them as it is.
bool ownGroup(const db::Group& g)
{
    return g.code() != kApplicationCode && g.code() != kEmbeddedObjectCode;
}

// The parts that take a marker of this name, one bit each.
uint8_t takenBy(const Part* parts, size_t count, std::string_view name)
{
    uint8_t mask = 0;
    for (size_t j = 0; j < count; ++j)
        if (parts[j].accepts(name)) mask |= static_cast<uint8_t>(1u << j);
    return mask;
}

// True when every part's marker is there in order, and no other of them
// (groups before AcDbEntity, as some writers put the layer, are read by
// others as its).  A record without any marker (of R12) is not: the saved
// versions need them.
bool inOrder(const Part* parts, size_t count, const db::GroupList& groups, size_t lead)
{
    size_t next = 0;
    int depth = 0;
    for (size_t i = lead; i < groups.size() && ownGroup(groups[i]); ++i) {
        const db::Group& g = groups[i];
        if (g.code() == kBraceCode) {
            depth = std::max(0, depth + (g.asText().starts_with("{") ? 1 : -1));
            continue;
        }
        if (g.code() != kMarkerCode || depth > 0) continue;
        std::string_view name = g.asText();
        if (next < count && parts[next].accepts(name))
            ++next;
        else if (takenBy(parts, count, name) != 0)
            return false;
    }
    return next == count;
}

// The body's groups as the placement sees them: markers of the type's
// parts, and the groups of an application's braces.
std::vector<BodyGroup> bodyGroups(const Part* parts, size_t count, const db::GroupList& groups, size_t lead,
                                  size_t end)
{
    std::vector<BodyGroup> body(end - lead);
    int depth = 0;
    for (size_t i = lead; i < end; ++i) {
        const db::Group& g = groups[i];
        BodyGroup& b = body[i - lead];
        b.code = g.code();
        b.foreign = depth > 0;
        if (g.code() == kBraceCode) {
            b.foreign = true;
            depth = std::max(0, depth + (g.asText().starts_with("{") ? 1 : -1));
        } else if (g.code() == kMarkerCode && depth == 0) {
            b.markerOf = takenBy(parts, count, g.asText());
        }
        b.continues = depth > 0;
    }
    return body;
}

} // namespace

bool keptWithoutMarkers(std::string_view type)
{
    return typeMarkers(type) == nullptr;
}

bool beginsSecondPartOfName(std::string_view type, const db::GroupList& groups, size_t at)
{
    const TypeMarkers* markers = typeMarkers(type);
    if (markers == nullptr || at < 1 || at >= groups.size()) return false;
    const std::string_view name = groups[at].asText();
    bool twice = false;  // the unused places of `own` are empty, as a marker may be
    for (size_t k = 0; k + 1 < markers->own.size() && !name.empty(); ++k)
        twice |= markers->own[k] == name && markers->own[k + 1] == name;
    // A third in a row is one too many.
    if (!twice || (at >= 2 && groups[at - 2].code() == kMarkerCode && groups[at - 2].asText() == name)) return false;
    // Up to the next part's marker, no group of the first part: groups of
    // unknown place are written where they were read, after the second.
    const PartFields first = fieldsOf(name, false, true);
    const PartFields second = fieldsOf(name, true, true);
    for (size_t i = at + 1; i < groups.size() && ownGroup(groups[i]); ++i) {
        if (groups[i].code() == kMarkerCode) {
            if (groups[i].asText() == name) continue;
            break;
        }
        const int code = groups[i].code();
        if (std::binary_search(first.codes.begin(), first.codes.end(), code) &&
            !std::binary_search(second.codes.begin(), second.codes.end(), code))
            return false;
    }
    return true;
}

bool mendEntityMarkers(std::string_view type, const db::GroupList& groups, bool solidHistory, db::GroupList& out)
{
    const TypeMarkers* markers = typeMarkers(type);
    if (markers == nullptr) return false;
    Part parts[kMostParts];
    const size_t count = partsOf(*markers, groups, solidHistory, parts);
    // The leading 102 groups go before the owner, the markers after it.
    const size_t lead = leadingBraces(groups).end;
    if (inOrder(parts, count, groups, lead)) return false;

    size_t end = lead;
    while (end < groups.size() && ownGroup(groups[end])) ++end;
    const std::vector<BodyGroup> body = bodyGroups(parts, count, groups, lead, end);
    const bool marked = std::any_of(body.begin(), body.end(), [](const BodyGroup& b) { return b.markerOf != 0; });
    std::array<PartFields, kMostParts> fields;
    for (size_t j = 0; j < count; ++j)
        fields[j] = fieldsOf(parts[j].marker, j > 0 && parts[j - 1].marker == parts[j].marker, marked);
    const Placement placed = placeParts(std::span<const PartFields>(fields.data(), count), body);

    out.clear();
    out.reserve(groups.size() + count);
    out.insert(out.end(), groups.begin(), groups.begin() + static_cast<std::ptrdiff_t>(lead));
    for (size_t j = 0; j < count; ++j) {
        // A marker of the record keeps its name where the part takes it (a
        // dimension's or polyline's kind as the file gives it).
        const uint32_t own = placed.marker[j];
        if (own != Placement::kNewMarker && parts[j].accepts(groups[lead + own].asText()))
            out.push_back(groups[lead + own]);
        else
            out.push_back(db::Group::text(kMarkerCode, parts[j].written(groups)));
        for (size_t t = 0; t < body.size(); ++t)
            if (placed.partOf[t] == j) out.push_back(groups[lead + t]);
    }
    out.insert(out.end(), groups.begin() + static_cast<std::ptrdiff_t>(end), groups.end());
    return true;
}

} // namespace host::dxf
