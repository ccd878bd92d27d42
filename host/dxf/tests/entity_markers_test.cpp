// Entities that lost some of their subclass markers are saved with every
// marker their type needs, in order, each before the groups of its part:
// the saves read back so and pass a strict ezdxf load.
#include "db/database.h"
#include "dxf/reader.h"
#include "dxf/writer.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
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
