// Entities that lost some of their subclass markers, or have them out of
// order or twice, are saved with every marker their type needs, in order,
// each before the groups of its part: the saves read back so and pass a
// strict ezdxf load.  Each type's markers are those of the format.
#include "db/database.h"
#include "dxf/entity_markers.h"
#include "dxf/reader.h"
#include "dxf/writer.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using namespace host::dxf;

namespace {

struct Case {
    const char* type;
    const char* body;  // the groups after the owner, without CR
    std::vector<std::string> markers;  // each saved marker and the code after it
};

const Case kCases[] = {
    {"SPLINE",  // no AcDbEntity: ezdxf refused it ("missing 'AcDbSpline' subclass")
     "  8\n0\n100\nAcDbSpline\n 70\n8\n 71\n3\n 72\n8\n 73\n4\n 74\n0\n 40\n0.0\n 40\n0.0\n 40\n0.0\n 40\n0.0\n"
     " 40\n1.0\n 40\n1.0\n 40\n1.0\n 40\n1.0\n 10\n0.0\n 20\n0.0\n 30\n0.0\n 10\n1.0\n 20\n1.0\n 30\n0.0\n"
     " 10\n2.0\n 20\n-1.0\n 30\n0.0\n 10\n3.0\n 20\n0.0\n 30\n0.0\n",
     {"AcDbEntity:8", "AcDbSpline:70"}},
    {"LWPOLYLINE",  // its own part lost
     "100\nAcDbEntity\n  8\n0\n 62\n1\n 90\n2\n 70\n0\n 10\n0.0\n 20\n0.0\n 10\n5.0\n 20\n0.0\n",
     {"AcDbEntity:8", "AcDbPolyline:90"}},
    {"ARC",  // the last of two parts lost: it goes before the angles
     "100\nAcDbEntity\n  8\n0\n100\nAcDbCircle\n 10\n0.0\n 20\n0.0\n 30\n0.0\n 40\n2.0\n 50\n0.0\n 51\n90.0\n",
     {"AcDbEntity:8", "AcDbCircle:10", "AcDbArc:50"}},
    {"TEXT",  // two parts of one name
     "100\nAcDbEntity\n  8\n0\n100\nAcDbText\n 10\n0.0\n 20\n0.0\n 30\n0.0\n 40\n1.0\n  1\nAB\n 72\n1\n"
     " 11\n1.0\n 21\n0.0\n 31\n0.0\n 73\n2\n",
     {"AcDbEntity:8", "AcDbText:10", "AcDbText:73"}},
    {"VERTEX",  // a 3D polyline's, of a part named by its flags
     "100\nAcDbEntity\n  8\n0\n100\nAcDbVertex\n 10\n1.0\n 20\n2.0\n 30\n3.0\n 70\n32\n",
     {"AcDbEntity:8", "AcDbVertex:100", "AcDb3dPolylineVertex:10"}},
};

// A new drawing with the case's entity in model space, as text.
std::string drawingWith(const Case& c)
{
    auto db = host::db::Database::createDefault();
    std::string text;
    writeDxfText(*db, text);
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    const std::string owner = host::db::handleText(db->object(db->modelSpace())->handle);
    std::string record = "  0\n" + std::string(c.type) + "\n  5\nF000\n330\n" + owner + "\n" + c.body;
    if (std::string(c.type) == "VERTEX")  // in its polyline's run
        record = "  0\nPOLYLINE\n  5\nF001\n330\n" + owner + "\n100\nAcDbEntity\n  8\n0\n100\nAcDb3dPolyline\n"
                 " 66\n1\n 10\n0.0\n 20\n0.0\n 30\n0.0\n 70\n8\n" + record +
                 "  0\nSEQEND\n  5\nF002\n330\nF001\n100\nAcDbEntity\n  8\n0\n";
    size_t end = text.find("  0\nENDSEC\n", text.find("  2\nENTITIES\n"));
    return text.substr(0, end) + record + text.substr(end);
}

// The codes under each marker: "AcDbEntity 8|AcDbPolyline 90 70 10".
std::string partsOf(const host::db::GroupList& groups)
{
    std::string parts;
    for (const host::db::Group& g : groups) {
        if (g.code() >= 1000) break;
        if (g.code() == 100)
            parts += (parts.empty() ? "" : "|") + std::string(g.asText());
        else if (!parts.empty())
            parts += " " + std::to_string(g.code());
    }
    return parts;
}

std::vector<std::string> markersOf(const host::db::Object& object)
{
    std::vector<std::string> markers;
    const auto& groups = object.groups;
    for (size_t i = 0; i + 1 < groups.size(); ++i)
        if (groups[i].code() == 100)
            markers.push_back(std::string(groups[i].asText()) + ":" + std::to_string(groups[i + 1].code()));
    return markers;
}

} // namespace

TEST(EntityMarkers, LostMarkersAreSavedInTheirPlaces)
{
    std::vector<std::string> saved;
    for (const Case& c : kCases) {
        for (DxfVersion version : {DxfVersion::R2007, DxfVersion::R2000}) {
            SCOPED_TRACE(std::string(c.type) + " " + versionString(version));
            ReadReport report;
            auto db = readDxfText(drawingWith(c), "lost_markers.dxf", report);
            ASSERT_TRUE(db) << report.error.text();
            std::string path = outputPath(std::string("lost_markers_") + c.type + "_" + versionString(version) +
                                          ".dxf"),
                        error;
            ASSERT_TRUE(writeDxfFile(*db, path, WriteOptions{version}, error)) << error;
            ReadReport again;
            auto back = readDxfFile(path, again);
            ASSERT_TRUE(back) << again.error.text();
            const host::db::Object* entity = back->object(back->slotOf(0xF000));
            ASSERT_TRUE(entity);
            EXPECT_EQ(markersOf(*entity), c.markers);
            saved.push_back(path);
        }
    }
    EXPECT_EQ(runChecksOnFiles(saved, 4), "");
}

namespace {

struct Placed {
    const char* type;
    const char* body;
    const char* parts;  // as partsOf gives them
};

const Placed kPlaced[] = {
    // Markers swapped, groups in place: ezdxf read no vertex of the save.
    {"LWPOLYLINE", "100\nAcDbPolyline\n  8\nL1\n100\nAcDbEntity\n 90\n2\n 70\n0\n 10\n0.0\n 20\n0.0\n 10\n5.0\n 20\n0.0\n",
     "AcDbEntity 8|AcDbPolyline 90 70 10 10"},
    {"HATCH",  // ezdxf failed on the save's boundary path
     "100\nAcDbHatch\n  8\n0\n100\nAcDbEntity\n 10\n0.0\n 20\n0.0\n 30\n0.0\n210\n0.0\n220\n0.0\n230\n1.0\n"
     "  2\nSOLID\n 70\n1\n 71\n0\n 91\n1\n 92\n2\n 72\n0\n 73\n1\n 93\n3\n 10\n0.0\n 20\n0.0\n 10\n4.0\n 20\n0.0\n"
     " 10\n4.0\n 20\n4.0\n 97\n0\n 75\n0\n 76\n1\n 98\n0\n",
     "AcDbEntity 8|AcDbHatch 10 210 2 70 71 91 92 72 73 93 10 10 10 97 75 76 98"},
    // Parts swapped whole: the layer and colour go under AcDbEntity, the
    // boundary's type (92, AcDbEntity's too) stays where it was read.
    {"HATCH",
     "100\nAcDbHatch\n 10\n0.0\n 20\n0.0\n 30\n0.0\n210\n0.0\n220\n0.0\n230\n1.0\n  2\nSOLID\n 70\n1\n 71\n0\n 91\n1\n"
     " 92\n2\n 72\n0\n 73\n1\n 93\n3\n 10\n0.0\n 20\n0.0\n 10\n4.0\n 20\n0.0\n 10\n4.0\n 20\n4.0\n 97\n0\n 75\n0\n 76\n1\n"
     " 98\n0\n100\nAcDbEntity\n  8\n0\n 62\n1\n",
     "AcDbEntity 8 62|AcDbHatch 10 210 2 70 71 91 92 72 73 93 10 10 10 97 75 76 98"},
    {"TEXT", "100\nAcDbText\n  8\n0\n100\nAcDbEntity\n 10\n0.0\n 20\n0.0\n 40\n1.0\n  1\nAB\n100\nAcDbText\n 73\n2\n",
     "AcDbEntity 8|AcDbText 10 40 1|AcDbText 73"},
    // The first of two parts of one name lost.
    {"TEXT", "100\nAcDbEntity\n  8\n0\n 10\n0.0\n 20\n0.0\n 40\n1.0\n  1\nAB\n 72\n1\n 11\n1.0\n 21\n0.0\n100\nAcDbText\n 73\n2\n",
     "AcDbEntity 8|AcDbText 10 40 1 72 11|AcDbText 73"},
    // As R12 gives a dimension: the angle after groups of other kinds, the
    // text's rotation after it.
    {"DIMENSION",
     "100\nAcDbEntity\n  8\n0\n100\nAcDbDimension\n  2\n*D9\n 10\n0.0\n 20\n0.0\n 11\n1.0\n 21\n1.0\n 70\n32\n  1\n<>\n"
     " 13\n0.0\n 23\n0.0\n 14\n9.0\n 24\n0.0\n 15\n0.0\n 25\n0.0\n 16\n0.0\n 26\n0.0\n 50\n30.0\n 53\n10.0\n",
     "AcDbEntity 8|AcDbDimension 2 10 11 70 1 53|AcDbAlignedDimension 13 14 15 16 50|AcDbRotatedDimension"},
    // Every part moved whole: where each part's groups are known, they go
    // under it.
    {"ARC", "100\nAcDbArc\n 50\n0.0\n 51\n90.0\n100\nAcDbCircle\n 10\n0.0\n 20\n0.0\n 40\n2.0\n100\nAcDbEntity\n  8\n0\n",
     "AcDbEntity 8|AcDbCircle 10 40|AcDbArc 50 51"},
    // A marker twice, apart: the second hid the vertices from ezdxf; the
    // first, the layer from AcDbEntity.
    {"LWPOLYLINE",
     "100\nAcDbEntity\n  8\n0\n100\nAcDbPolyline\n 90\n2\n 70\n0\n100\nAcDbPolyline\n 10\n0.0\n 20\n0.0\n 10\n5.0\n 20\n0.0\n",
     "AcDbEntity 8|AcDbPolyline 90 70 10 10"},
    {"MTEXT", "100\nAcDbEntity\n100\nAcDbMText\n  8\n0\n 62\n1\n 10\n0.0\n 20\n0.0\n 40\n2.5\n100\nAcDbMText\n 71\n1\n  1\nAB\n",
     "AcDbEntity 8 62|AcDbMText 10 40 71 1"},
    // No marker at all: a type R12 did not have gets them, and so does one
    // it had, since the versions saved need them.
    {"LWPOLYLINE", "  8\n0\n 90\n2\n 70\n0\n 10\n0.0\n 20\n0.0\n 10\n5.0\n 20\n0.0\n", "AcDbEntity 8|AcDbPolyline 90 70 10 10"},
    {"3DFACE", "  8\n0\n 10\n0.0\n 20\n0.0\n 11\n1.0\n 21\n0.0\n 12\n1.0\n 22\n1.0\n 13\n0.0\n 23\n1.0\n",
     "AcDbEntity 8|AcDbFace 10 11 12 13"},
    // R12 writes an attribute definition's prompt, tag and flags among its
    // text's groups: they go under their own part.
    {"ATTDEF",
     "  8\n0\n 10\n1.0\n 20\n2.0\n 40\n2.0\n  1\nD\n  3\nP\n  2\nTAG\n 70\n8\n 50\n10.0\n 72\n1\n 11\n3.0\n 21\n3.0\n"
     " 74\n2\n",
     "AcDbEntity 8|AcDbText 10 40 1 50 72 11|AcDbAttributeDefinition 3 2 70 74"},
    {"VERTEX", "  8\n0\n 10\n1.0\n 20\n2.0\n 30\n3.0\n 70\n32\n", "AcDbEntity 8|AcDbVertex|AcDb3dPolylineVertex 10 70"},
    // An application's groups stay inside its braces, whatever part they
    // stand in and whatever codes they hold.
    {"LINE",
     "  8\n0\n100\nAcDbLine\n102\n{MYAPP\n  8\nX\n 62\n1\n102\n}\n 10\n0.0\n 20\n0.0\n 30\n0.0\n 11\n1.0\n 21\n1.0\n"
     " 31\n0.0\n",
     "AcDbEntity 8|AcDbLine 102 8 62 102 10 11"},
    {"LINE",
     "100\nAcDbEntity\n  8\n0\n102\n{MYAPP\n 10\n5.0\n 20\n5.0\n 30\n0.0\n102\n}\n 10\n0.0\n 20\n0.0\n 30\n0.0\n"
     " 11\n1.0\n 21\n1.0\n 31\n0.0\n",
     "AcDbEntity 8 102 10 102|AcDbLine 10 11"},
    // The end point before the layer, the line's marker lost: it is the
    // line's alone, wherever it stands.
    {"LINE", "100\nAcDbEntity\n 11\n1.0\n 21\n1.0\n 31\n0.0\n  8\n0\n 10\n0.0\n 20\n0.0\n 30\n0.0\n",
     "AcDbEntity 8|AcDbLine 11 10"},
    // A TEXT's AcDbText twice in a row, the first part's groups after them:
    // the second is one too many, and the second part begins at its 73.
    {"TEXT",
     "100\nAcDbEntity\n  8\n0\n100\nAcDbText\n100\nAcDbText\n 10\n0.0\n 20\n0.0\n 30\n0.0\n 40\n1.0\n  1\nAB\n 73\n2\n",
     "AcDbEntity 8|AcDbText 10 40 1|AcDbText 73"},
};

} // namespace

TEST(EntityMarkers, EachGroupIsSavedUnderItsOwnPart)
{
    std::vector<std::string> saved;
    for (const Placed& c : kPlaced) {
        for (DxfVersion version : {DxfVersion::R2007, DxfVersion::R2000}) {
            SCOPED_TRACE(std::string(c.type) + " " + c.parts + " " + versionString(version));
            ReadReport report;
            auto db = readDxfText(drawingWith(Case{c.type, c.body, {}}), "placed_markers.dxf", report);
            ASSERT_TRUE(db) << report.error.text();
            for (const Diagnostic& note : report.repairs) {  // said only where the save keeps it so
                if (note.text().find("without subclass markers") != std::string::npos) {
                    EXPECT_EQ(std::string(c.parts), "") << note.text();
                }
            }
            std::string path = outputPath("placed_markers_" + std::to_string(saved.size()) + ".dxf"), error;
            ASSERT_TRUE(writeDxfFile(*db, path, WriteOptions{version}, error)) << error;
            ReadReport again;
            auto back = readDxfFile(path, again);
            ASSERT_TRUE(back) << again.error.text();
            const host::db::Object* entity = back->object(back->slotOf(0xF000));
            ASSERT_TRUE(entity);
            EXPECT_EQ(partsOf(entity->groups), c.parts);
            saved.push_back(path);
        }
    }
    EXPECT_EQ(runChecksOnFiles(saved, 4), "");
}

namespace {

struct TypeMarkers {
    const char* type;
    const char* markers;  // after AcDbEntity
    int flags = -1;       // group 70 where it picks the kind
    bool solidHistory = false;
};

const TypeMarkers kFormat[] = {
    {"3DFACE", "AcDbFace"},
    {"3DSOLID", "AcDbModelerGeometry"},
    {"3DSOLID", "AcDbModelerGeometry AcDb3dSolid", -1, true},
    {"ACAD_PROXY_ENTITY", "AcDbProxyEntity"},
    {"ACAD_TABLE", "AcDbBlockReference AcDbTable"},
    {"ARC", "AcDbCircle AcDbArc"},
    {"ARC_DIMENSION", "AcDbDimension AcDbArcDimension"},
    {"ATTDEF", "AcDbText AcDbAttributeDefinition"},
    {"ATTRIB", "AcDbText AcDbAttribute"},
    {"BLOCK", "AcDbBlockBegin"},
    {"BODY", "AcDbModelerGeometry"},
    {"CIRCLE", "AcDbCircle"},
    {"DGNUNDERLAY", "AcDbUnderlayReference"},
    {"DIMENSION", "AcDbDimension"},
    {"DIMENSION", "AcDbDimension AcDbAlignedDimension AcDbRotatedDimension", 32},
    {"DIMENSION", "AcDbDimension AcDbAlignedDimension", 33},
    {"DIMENSION", "AcDbDimension AcDb2LineAngularDimension", 2},
    {"DIMENSION", "AcDbDimension AcDbDiametricDimension", 3},
    {"DIMENSION", "AcDbDimension AcDbRadialDimension", 4},
    {"DIMENSION", "AcDbDimension AcDb3PointAngularDimension", 5},
    {"DIMENSION", "AcDbDimension AcDbOrdinateDimension", 70},
    {"DWFUNDERLAY", "AcDbUnderlayReference"},
    {"ELLIPSE", "AcDbEllipse"},
    {"ENDBLK", "AcDbBlockEnd"},
    {"EXTRUDEDSURFACE", "AcDbModelerGeometry AcDbSurface AcDbExtrudedSurface"},
    {"HATCH", "AcDbHatch"},
    {"HELIX", "AcDbSpline AcDbHelix"},
    {"IMAGE", "AcDbRasterImage"},
    {"INSERT", "AcDbBlockReference"},
    {"INSERT", "AcDbMInsertBlock", 3},
    {"LARGE_RADIAL_DIMENSION", "AcDbDimension AcDbRadialDimensionLarge"},
    {"LEADER", "AcDbLeader"},
    {"LIGHT", "AcDbLight"},
    {"LINE", "AcDbLine"},
    {"LOFTEDSURFACE", "AcDbModelerGeometry AcDbSurface AcDbLoftedSurface"},
    {"LWPOLYLINE", "AcDbPolyline"},
    {"MESH", "AcDbSubDMesh"},
    {"MLEADER", "AcDbMLeader"},
    {"MLINE", "AcDbMline"},
    {"MPOLYGON", "AcDbMPolygon"},
    {"MTEXT", "AcDbMText"},
    {"MULTILEADER", "AcDbMLeader"},
    {"NURBSURFACE", "AcDbModelerGeometry AcDbSurface AcDbNurbSurface"},
    {"OLE2FRAME", "AcDbOle2Frame"},
    {"OLEFRAME", "AcDbOleFrame"},
    {"PDFUNDERLAY", "AcDbUnderlayReference"},
    {"PLANESURFACE", "AcDbModelerGeometry AcDbSurface AcDbPlaneSurface"},
    {"POINT", "AcDbPoint"},
    {"POLYLINE", "AcDb2dPolyline", 0},
    {"POLYLINE", "AcDb3dPolyline", 8},
    {"POLYLINE", "AcDbPolygonMesh", 16},
    {"POLYLINE", "AcDbPolyFaceMesh", 64},
    {"RAY", "AcDbRay"},
    {"REGION", "AcDbModelerGeometry"},
    {"REVOLVEDSURFACE", "AcDbModelerGeometry AcDbSurface AcDbRevolvedSurface"},
    {"SEQEND", ""},
    {"SHAPE", "AcDbShape"},
    {"SOLID", "AcDbTrace"},
    {"SPLINE", "AcDbSpline"},
    {"SURFACE", "AcDbModelerGeometry AcDbSurface"},
    {"SWEPTSURFACE", "AcDbModelerGeometry AcDbSurface AcDbSweptSurface"},
    {"TEXT", "AcDbText AcDbText"},
    {"TOLERANCE", "AcDbFcf"},
    {"TRACE", "AcDbTrace"},
    {"VERTEX", "AcDbVertex AcDb2dVertex", 0},
    {"VERTEX", "AcDbVertex AcDb3dPolylineVertex", 32},
    {"VERTEX", "AcDbVertex AcDbPolygonMeshVertex", 64},
    {"VERTEX", "AcDbVertex AcDbPolyFaceMeshVertex", 192},
    {"VERTEX", "AcDbFaceRecord", 128},
    {"VIEWPORT", "AcDbViewport"},
    {"WIPEOUT", "AcDbWipeout"},
    {"XLINE", "AcDbXline"},
};

} // namespace

TEST(EntityMarkers, EachTypeHasItsMarkersInOrder)
{
    using host::db::Group;
    for (const TypeMarkers& c : kFormat) {
        SCOPED_TRACE(std::string(c.type) + " " + std::to_string(c.flags));
        host::db::GroupList groups = {Group::text(100, "AcDbEntity"), Group::text(8, "0")}, out;
        if (c.flags >= 0) groups.push_back(Group::integer(70, c.flags));
        const bool mended = mendEntityMarkers(c.type, groups, c.solidHistory, out);
        std::string markers;
        for (const Group& g : mended ? out : groups)
            if (g.code() == 100) markers += (markers.empty() ? "" : " ") + std::string(g.asText());
        EXPECT_EQ(markers, "AcDbEntity" + std::string(*c.markers ? " " : "") + c.markers);
    }
}

namespace {

// Records of R2018 as ezdxf writes them, each on a layer of its own, damaged
// by a change to their text: the save must give other readers the values
// the sound record gave them.
struct Damage {
    const char* type;
    const char* layer;
    std::string (*damaged)(const std::string& record);
};

constexpr const char* kMarker = "100\n";

// Where the part of a marker begins in a record, and where it ends (the
// next marker, an embedded object or the end).
size_t partBegin(const std::string& record, const std::string& name)
{
    return record.find(kMarker + name + "\n");
}

size_t partEnd(const std::string& record, size_t begin)
{
    size_t end = record.size();
    for (const char* next : {"\n100\n", "\n101\n"})
        if (size_t at = record.find(next, begin + 1); at != std::string::npos) end = std::min(end, at + 1);
    return end;
}

std::string withoutMarker(const std::string& record, const std::string& name)
{
    std::string out = record;
    size_t at = partBegin(out, name);
    if (at != std::string::npos) out.erase(at, std::string(kMarker).size() + name.size() + 1);
    return out;
}

// The type's own part put before AcDbEntity's, each whole.
std::string swapped(const std::string& record, const std::string& own)
{
    size_t entity = partBegin(record, "AcDbEntity"), part = partBegin(record, own);
    if (entity == std::string::npos || part == std::string::npos) return record;
    size_t end = partEnd(record, part);
    return record.substr(0, entity) + record.substr(part, end - part) + record.substr(entity, part - entity) +
           record.substr(end);
}

const Damage kDamages[] = {
    // Its 71 (the attribute's type), 72 and 11 were taken for the text's:
    // ezdxf read the text as mirrored, and no multiline attribute.
    {"ATTRIB", "MULTILINE_ATTRIB", [](const std::string& r) { return withoutMarker(r, "AcDbText"); }},
    {"ATTDEF", "MULTILINE_ATTDEF", [](const std::string& r) { return withoutMarker(r, "AcDbText"); }},
    // The points were saved under AcDbEntity, the layer under AcDbPolyline.
    {"LINE", "LINE_PARTS", [](const std::string& r) { return swapped(r, "AcDbLine"); }},
    {"LWPOLYLINE", "POLYLINE_PARTS", [](const std::string& r) { return swapped(r, "AcDbPolyline"); }},
    // Parts moved whole keep what follows their markers where codes are
    // shared: the attribute's 71, 72 and 11 went under AcDbText, a helix's
    // axis and turns under AcDbSpline (its weights and knots for ezdxf).
    {"ATTRIB", "MULTILINE_ATTRIB", [](const std::string& r) { return swapped(r, "AcDbAttribute"); }},
    {"HELIX", "HELIX_PARTS", [](const std::string& r) { return swapped(r, "AcDbHelix"); }},
    // A run of groups of two parts (the spline's and the helix's) tells no
    // part: the control points and knots stay under AcDbSpline.
    {"HELIX", "HELIX_PARTS", [](const std::string& r) { return withoutMarker(r, "AcDbHelix"); }},
    // The markers go after the reactors' braces: inside them, ezdxf read no
    // reactor.
    {"LINE", "REACTORS", [](const std::string& r) { return withoutMarker(r, "AcDbEntity"); }},
    // The block name given goes under AcDbDimension: under AcDbEntity,
    // ezdxf's audit deleted the dimension.
    {"DIMENSION", "NO_BLOCK",
     [](const std::string& r) {
         std::string out = r;
         size_t at = out.find("\n  2\n");
         if (at != std::string::npos) out.erase(at + 1, out.find('\n', at + 5) - at);
         return out;
     }},
};

// Each part's codes in order of their numbers (a block name given comes
// first in its part).
std::string codesOfParts(const host::db::GroupList& groups)
{
    std::vector<std::pair<std::string, std::vector<int>>> parts;
    for (const host::db::Group& g : groups) {
        if (g.code() >= 1000) break;
        if (g.code() == 100) parts.emplace_back(std::string(g.asText()), std::vector<int>{});
        else if (!parts.empty()) parts.back().second.push_back(g.code());
    }
    std::string out;
    for (auto& [name, codes] : parts) {
        std::sort(codes.begin(), codes.end());
        out += (out.empty() ? "" : "|") + name;
        for (int code : codes) out += " " + std::to_string(code);
    }
    return out;
}

const std::string& partsSample()
{
    static const std::string path = [] {
        std::string dir = outputPath("foreign"), output;
        EXPECT_EQ(runPython("make_foreign_samples.py", dir, output), 0) << output;
        return dir + "/parts_r2018.dxf";
    }();
    return path;
}

// The record of the type on the layer: where it begins and ends.
bool findRecord(const std::string& text, const Damage& d, size_t& begin, size_t& end)
{
    const std::string head = "  0\n" + std::string(d.type) + "\n", layer = "\n  8\n" + std::string(d.layer) + "\n";
    for (begin = text.find(head); begin != std::string::npos; begin = text.find(head, begin + 1)) {
        end = text.find("\n  0\n", begin + 1) + 1;
        size_t at = text.find(layer, begin);
        if (at != std::string::npos && at < end) return true;
    }
    return false;
}

std::string handleOf(const std::string& record)
{
    size_t at = record.find("\n  5\n") + 5;
    return record.substr(at, record.find('\n', at) - at);
}

// What ezdxf reads of an entity, but its owner (the host may put it right)
// and, when `block` is false, the block it names.
std::string valuesOf(const std::string& path, const std::string& handle, bool block = true)
{
    std::string output;
    EXPECT_EQ(runPython("entity_values.py", std::vector<std::string>{path, handle}, output), 0) << output;
    for (const char* name : {" owner='", " geometry='"}) {
        if (block && std::string(name) == " geometry='") continue;
        size_t at = output.find(name);
        if (at != std::string::npos) output.erase(at, output.find('\'', at + std::strlen(name)) + 1 - at);
    }
    return output;
}

} // namespace

TEST(EntityMarkers, DamagedPartsKeepWhatOtherReadersRead)
{
    std::ifstream in(partsSample(), std::ios::binary);
    const std::string sample((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_FALSE(sample.empty());
    ReadReport soundReport;
    auto sound = readDxfText(sample, "parts.dxf", soundReport);
    ASSERT_TRUE(sound) << soundReport.error.text();
    std::vector<std::string> saved;
    for (const Damage& d : kDamages) {
        SCOPED_TRACE(std::string(d.type) + " on " + d.layer);
        size_t begin = 0, end = 0;
        ASSERT_TRUE(findRecord(sample, d, begin, end));
        const std::string record = sample.substr(begin, end - begin), damaged = d.damaged(record);
        ASSERT_NE(damaged, record);
        ASSERT_EQ(damaged.find("  0\n", 1), std::string::npos) << "one record";
        ReadReport report;
        auto db = readDxfText(sample.substr(0, begin) + damaged + sample.substr(end), "damaged_parts.dxf", report);
        ASSERT_TRUE(db) << report.error.text();
        std::string path = outputPath("damaged_parts_" + std::to_string(saved.size()) + "_" + d.layer + ".dxf"), error;
        ASSERT_TRUE(writeDxfFile(*db, path, WriteOptions{DxfVersion::R2007}, error)) << error;
        // Each group is under the part it was under in the sound record.
        ReadReport again;
        auto back = readDxfFile(path, again);
        ASSERT_TRUE(back) << again.error.text();
        const uint64_t handle = std::stoull(handleOf(record), nullptr, 16);
        const host::db::Object* entity = back->object(back->slotOf(handle));
        ASSERT_TRUE(entity);
        EXPECT_EQ(codesOfParts(entity->groups), codesOfParts(sound->object(sound->slotOf(handle))->groups));
        const bool named = std::string(d.layer) != "NO_BLOCK";
        EXPECT_EQ(valuesOf(path, handleOf(record), named), valuesOf(partsSample(), handleOf(record), named));
        saved.push_back(path);
    }
    EXPECT_EQ(runChecksOnFiles(saved, 4), "");
}
