#include "dxf/entity_types.h"

#include "db/database.h"

#include <algorithm>
#include <array>

namespace host::dxf {

namespace {

constexpr int kMarker = 100;

// In order, for a binary search.
constexpr std::array<std::string_view, 54> kEntityTypes = {
    "3DFACE", "3DLINE", "3DSOLID", "ACAD_PROXY_ENTITY", "ACAD_TABLE", "ARC", "ARC_DIMENSION", "ATTDEF", "ATTRIB",
    "BODY", "CIRCLE", "DGNUNDERLAY", "DIMENSION", "DWFUNDERLAY", "ELLIPSE", "EXTRUDEDSURFACE", "HATCH", "HELIX",
    "IMAGE", "INSERT", "LEADER", "LIGHT", "LINE", "LOFTEDSURFACE", "LWPOLYLINE", "MESH", "MLEADER", "MLINE",
    "MPOLYGON", "MTEXT", "MULTILEADER", "NURBSURFACE", "OLE2FRAME", "OLEFRAME", "PDFUNDERLAY", "PLANESURFACE",
    "POINT", "POLYLINE", "RAY", "REGION", "REVOLVEDSURFACE", "SEQEND", "SHAPE", "SOLID", "SPLINE", "SURFACE",
    "SWEPTSURFACE", "TEXT", "TOLERANCE", "TRACE", "VERTEX", "VIEWPORT", "WIPEOUT", "XLINE"};
static_assert(std::is_sorted(kEntityTypes.begin(), kEntityTypes.end()));

bool listed(std::string_view type)
{
    return std::binary_search(kEntityTypes.begin(), kEntityTypes.end(), type);
}

} // namespace

bool isDxfEntityType(std::string_view type)
{
    // Files write the names in capitals; others are seldom met.
    return listed(type) || listed(db::upperAscii(type));
}

bool hasEntityMarker(const db::GroupList& groups)
{
    for (const db::Group& g : groups)
        if (g.code() == kMarker && g.asText() == "AcDbEntity") return true;
    return false;
}

bool isDimensionType(std::string_view type)
{
    return type == "DIMENSION" || type == "ARC_DIMENSION" || type == "LARGE_RADIAL_DIMENSION";
}

bool namesDimensionStyle(std::string_view type)
{
    return isDimensionType(type) || type == "LEADER" || type == "TOLERANCE";
}

} // namespace host::dxf
