// Groups of the XDATA range (1000 and up) that no application name heads:
// the own data of the objects and entities the host keeps as read (dynamic
// block parameters, grips and actions, an XRECORD's data), kept in place and
// saved as read, in text and binary; stray ones of a type the host models
// left out, as before.
#include "db/database.h"
#include "dxf/binary_dxf.h"
#include "dxf/reader.h"
#include "dxf/writer.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

using namespace host::dxf;
using host::db::Group;

namespace {

// A rotation parameter, its grip and its action, as a CAD program writes a
// dynamic block's evaluation graph (their own 1071 and 1010-1013 points),
// the last with an application's XDATA after its own groups; an
// XRECORD's dimension style data (as R14 writes it), and one whose data
// holds a marker of no part before its own 1000-range groups; a line with a
// stray XDATA group.
const std::string kOwnData =
    "0 SECTION 2 HEADER 9 $ACADVER 1 AC1015 0 ENDSEC 0 SECTION 2 ENTITIES\n"
    "0 LINE 5 40 100 AcDbEntity 8 0 1070 5 100 AcDbLine 10 0 20 0 30 0 11 1 21 1 31 0 0 ENDSEC\n"
    "0 SECTION 2 OBJECTS 0 DICTIONARY 5 C 330 0 100 AcDbDictionary 3 ACAD_GROUP 350 D 3 GRAPH 350 E 3 DSTYLE 350 30\n"
    "3 MINE 350 31\n"
    "0 DICTIONARY 5 D 330 C 100 AcDbDictionary\n"
    "0 ACAD_EVALUATION_GRAPH 5 E 330 C 100 AcDbEvalGraph 96 3 97 3 91 0 93 32 95 1 360 F 91 1 93 32 95 2\n"
    "360 10 91 2 93 32 95 3 360 11\n"
    "0 BLOCKROTATIONPARAMETER 5 F 330 E 100 AcDbEvalExpr 90 1 98 33 99 4 100 AcDbBlockElement 300 Angle\n"
    "98 33 99 4 1071 0 100 AcDbBlockParameter 280 1 281 0 100 AcDbBlock2PtParameter 1010 0 1020 0 1030 0\n"
    "1011 10 1021 2.5 1031 0 170 4 91 0 171 0 92 0 172 0 93 0 173 0 94 0 174 0 177 0\n"
    "100 AcDbBlockRotationParameter 305 Angle 306 <empty> 1012 5 1022 0 1032 0 307 <empty> 140 0 96 0\n"
    "0 BLOCKROTATIONGRIP 5 10 330 E 100 AcDbEvalExpr 90 2 98 33 99 4 100 AcDbBlockElement 300 Grip 98 33 99 4\n"
    "1071 0 100 AcDbBlockGrip 91 1 92 1 1010 10 1020 2.5 1030 0 280 0 93 -1 100 AcDbBlockRotationGrip\n"
    "0 BLOCKROTATEACTION 5 11 330 E 100 AcDbEvalExpr 90 3 98 33 99 4 100 AcDbBlockElement 300 Rotation\n"
    "98 33 99 4 1071 7 100 AcDbBlockAction 1010 5 1020 5 1030 0 70 1 91 1 71 1 92 1\n"
    "100 AcDbBlockActionWithBasePt 1011 0 1021 0 1031 0 1012 1.5 1022 0 1032 0 280 0 1013 0 1023 0 1033 0\n"
    "100 AcDbBlockRotateAction 94 1 303 Angle 1001 DYNAPP 1005 F 1000 x\n"
    "0 XRECORD 5 30 330 C 100 AcDbXrecord 280 1 1000 DSTYLE 1002 { 1070 147 1040 0.5 1002 }\n"
    "0 XRECORD 5 31 330 C 100 AcDbXrecord 280 1 100 MyData 1000 x 1071 7 0 ENDSEC 0 EOF";

struct Pair {
    int code;
    std::string value;
};

// The groups of the record of this handle as a file holds them, after its
// handle and but for its owner, values without their leading blanks.
std::vector<Pair> recordGroups(const std::string& text, const std::string& handle)
{
    std::istringstream in(text);
    std::vector<Pair> pairs;
    std::string code, value;
    while (std::getline(in, code) && std::getline(in, value)) {
        if (!value.empty() && value.back() == '\r') value.pop_back();
        value.erase(0, std::min(value.size(), value.find_first_not_of(' ')));
        pairs.push_back({std::stoi(code), value});
    }
    std::vector<Pair> record;
    for (size_t i = 0; i + 1 < pairs.size() && record.empty(); ++i)
        if (pairs[i].code == 0 && pairs[i + 1].code == 5 && pairs[i + 1].value == handle)
            for (size_t j = i + 2; j < pairs.size() && pairs[j].code != 0; ++j)
                if (pairs[j].code != 330) record.push_back(pairs[j]);
    return record;
}

// Numbers by value (the writer gives reals their shortest form), text as it is.
bool sameValue(const std::string& a, const std::string& b)
{
    char* endA = nullptr;
    char* endB = nullptr;
    const double x = std::strtod(a.c_str(), &endA), y = std::strtod(b.c_str(), &endB);
    if (!a.empty() && !b.empty() && *endA == 0 && *endB == 0) return x == y;
    return a == b;
}

std::string notesOf(const ReadReport& report)
{
    std::string all;
    for (const Diagnostic& d : report.repairs) all += d.text() + "\n";
    return all;
}

// Each record comes back group by group as the file gave it.
void expectSavedAsGiven(const std::string& given, const std::string& saved, const std::vector<std::string>& handles)
{
    for (const std::string& handle : handles) {
        SCOPED_TRACE(handle);
        const std::vector<Pair> read = recordGroups(given, handle), written = recordGroups(saved, handle);
        ASSERT_EQ(written.size(), read.size());
        for (size_t i = 0; i < read.size(); ++i) {
            EXPECT_EQ(written[i].code, read[i].code) << i;
            EXPECT_TRUE(sameValue(written[i].value, read[i].value)) << i << ": " << written[i].value;
        }
    }
}

std::string fileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The drawing of `input` read as text, or as binary DXF; null when either
// step failed.
std::unique_ptr<host::db::Database> readAs(const std::string& input, bool binary, const char* name,
                                           ReadReport& report)
{
    std::string file = input;
    if (binary && !textToBinary(std::string(input), file)) {
        ADD_FAILURE() << "not made binary";
        return nullptr;
    }
    auto db = readDxfText(file, name, report);
    EXPECT_TRUE(db) << report.error.text();
    return db;
}

} // namespace

TEST(OwnDataGroups, ObjectsKeptAsReadKeepThemInPlaceAndSaveThemAsRead)
{
    const std::string input = dxfOfGroups(kOwnData);
    for (bool binary : {false, true}) {
        SCOPED_TRACE(binary ? "binary" : "text");
        ReadReport report;
        auto db = readAs(input, binary, "own_data.dxf", report);
        ASSERT_TRUE(db);
        // Only the line's stray group is told of, and left out.
        const std::string notes = notesOf(report);
        const std::string stray = "XDATA groups without an application name";
        const size_t told = notes.find("LINE: 1 " + stray);
        EXPECT_NE(told, std::string::npos) << notes;
        EXPECT_EQ(notes.find(stray, told + stray.size() + 8), std::string::npos) << notes;
        const host::db::Object* line = db->object(db->slotOf(0x40));
        ASSERT_NE(line, nullptr);
        for (const Group& g : line->groups) EXPECT_LT(g.code(), 1000);

        // The points stay whole, the application's XDATA after the own groups.
        const host::db::Object* parameter = db->object(db->slotOf(0xF));
        ASSERT_NE(parameter, nullptr);
        const Group* end = host::db::findGroup(*parameter, 1011);
        ASSERT_NE(end, nullptr);
        EXPECT_EQ(*end, Group::point(1011, 10, 2.5, 0));
        const host::db::Object* action = db->object(db->slotOf(0x11));
        ASSERT_NE(action, nullptr);
        const size_t xdata = host::db::xdataBegin(*action);
        ASSERT_LT(xdata, action->groups.size());
        EXPECT_EQ(action->groups[xdata], Group::text(1001, "DYNAPP"));
        EXPECT_EQ(host::db::findGroup(*action, 1071, 0, xdata)->asInt(), 7);

        const std::string path = outputPath(std::string("own_data") + (binary ? "_binary" : "") + ".dxf");
        std::string error;
        ASSERT_TRUE(writeDxfFile(*db, path, WriteOptions{DxfVersion::R2007, binary}, error)) << error;
        ReadReport again;
        auto reread = readDxfFile(path, again);
        ASSERT_TRUE(reread) << again.error.text();
        EXPECT_EQ(notesOf(again), "");
        for (const char* handle : {"E", "F", "10", "11", "30", "31"}) {
            SCOPED_TRACE(handle);
            const host::db::Object* read = db->object(db->slotOf(std::stoull(handle, nullptr, 16)));
            const host::db::Object* back = reread->object(reread->slotOf(std::stoull(handle, nullptr, 16)));
            ASSERT_TRUE(read && back);
            EXPECT_EQ(back->groups, read->groups);
        }
        if (binary) continue;
        // Group by group as the file gave them, the own 1000-range ones in
        // their places, the link naming the parameter.
        expectSavedAsGiven(input, fileText(path), {"E", "F", "10", "11", "30", "31"});
        EXPECT_EQ(runChecks(path), "");
    }
}

// An entity of a type the host does not model keeps its own groups where
// they stand, and the repairs and the save's subclass markers see past
// them: its layer, named after one, gets its record and stays under
// AcDbEntity.  A hatch's boundaries, modelled though kept in the order
// given, hold none.
TEST(OwnDataGroups, EntitiesKeptAsReadKeepThemUnderTheirOwnParts)
{
    const std::string input = dxfOfGroups(
        "0 SECTION 2 HEADER 9 $ACADVER 1 AC1015 0 ENDSEC 0 SECTION 2 TABLES 0 TABLE 2 LAYER 0 LAYER 2 L 70 0 62 7\n"
        "6 Continuous 0 ENDTAB 0 ENDSEC 0 SECTION 2 ENTITIES\n"
        "0 LWPOLYLINE 5 40 100 AcDbEntity 8 L 100 AcDbPolyline 90 2 70 0 1070 5 10 0 20 0 10 1 20 1\n"
        "0 LWPOLYLINE 5 41 100 AcDbEntity 1070 5 8 M 100 AcDbPolyline 90 2 70 0 10 0 20 0 10 1 20 1\n"
        "0 LWPOLYLINE 5 42 100 AcDbEntity 8 L 100 AcDbPolyline 90 1 70 0 10 0 20 0 1001 ACAD 1070 1\n"
        "0 HATCH 5 43 100 AcDbEntity 8 0 100 AcDbHatch 10 0 20 0 30 0 210 0 220 0 230 1 2 SOLID 70 1 71 0 1070 5\n"
        "91 1 92 1 93 3 72 1 10 0 20 0 11 1 21 0 72 1 10 1 20 0 11 1 21 1 72 1 10 1 20 1 11 0 21 0 97 0 75 0\n"
        "76 1 98 0 0 ENDSEC 0 EOF");
    for (bool binary : {false, true}) {
        SCOPED_TRACE(binary ? "binary" : "text");
        ReadReport report;
        auto db = readAs(input, binary, "own_entities.dxf", report);
        ASSERT_TRUE(db);
        const std::string notes = notesOf(report);
        const size_t told = notes.find("HATCH: 1 XDATA groups without an application name");
        EXPECT_NE(told, std::string::npos) << notes;
        EXPECT_EQ(notes.find("XDATA", told + 20), std::string::npos) << notes;
        for (const Group& g : db->object(db->slotOf(0x43))->groups) EXPECT_LT(g.code(), 1000);
        EXPECT_NE(db->findRecord(host::db::Table::Layer, "M"), host::db::kNoSlot);
        const std::string path = outputPath(std::string("own_entities") + (binary ? "_binary" : "") + ".dxf");
        std::string error;
        ASSERT_TRUE(writeDxfFile(*db, path, WriteOptions{DxfVersion::R2007, binary}, error)) << error;
        ReadReport again;
        ASSERT_TRUE(readDxfFile(path, again)) << again.error.text();
        EXPECT_EQ(notesOf(again), "");
        if (binary) continue;
        expectSavedAsGiven(input, fileText(path), {"40", "41", "42"});
        EXPECT_EQ(runChecks(path), "");
    }
}
