// Inserts with attributes and polylines with vertices as ezdxf writes them
// (their sub-entities name the block as their owner): read as the sub-entities
// of their insert or polyline, they go with it when it is erased, and the
// saved drawing holds none of them alone.
#include "dxf/reader.h"

#include "db/sub_entities.h"
#include "dxf/file_io.h"
#include "dxf/writer.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace host::dxf;
using host::db::Slot;

namespace {

// The first live entity of model space of that type that has sub-entities.
Slot firstComplex(const host::db::Database& db, const char* type)
{
    for (Slot s : db.block(db.modelSpace())->entities) {
        const host::db::Object* o = db.object(s);
        if (o && o->isType(type) && !host::db::subEntitiesOf(db, s).empty()) return s;
    }
    return host::db::kNoSlot;
}

// The first record of a type in the text, up to the next record.
std::string firstRecord(const std::string& text, const std::string& type)
{
    size_t at = text.find("\n  0\n" + type + "\n") + 1;
    return text.substr(at, text.find("\n  0\n", at) + 1 - at);
}

// The sub-entities of the main entity with that handle: type and handle
// ("VERTEX 76").
std::vector<std::string> runOf(const host::db::Database& db, host::db::Handle main)
{
    std::vector<std::string> run;
    for (Slot s : host::db::subEntitiesOf(db, db.slotOf(main)))
        run.push_back(std::string(db.object(s)->typeName()) + " " + host::db::handleText(db.object(s)->handle));
    return run;
}

} // namespace

TEST(ComplexEntities, ErasedWithTheirInsertOrPolylineAndNeverSavedAlone)
{
    ReadReport report;
    auto db = readDxfFile(sampleDrawing("R2007"), report);
    ASSERT_TRUE(db) << report.error.text();
    for (const Diagnostic& d : report.repairs) EXPECT_EQ(d.text().find("stood alone"), std::string::npos) << d.text();
    std::vector<std::string> gone;
    for (const char* type : {"INSERT", "POLYLINE"}) {
        Slot main = firstComplex(*db, type);
        ASSERT_NE(main, host::db::kNoSlot) << type;
        std::vector<Slot> subs = host::db::subEntitiesOf(*db, main);
        ASSERT_GE(subs.size(), 3u) << type;  // two attributes or vertices at least, and the SEQEND
        for (size_t i = 0; i < subs.size(); ++i)
            EXPECT_EQ(db->object(subs[i])->typeName(),
                      i + 1 < subs.size() ? (std::string(type) == "INSERT" ? "ATTRIB" : "VERTEX") : "SEQEND");
        db->setErased(main, true);
        for (Slot s : subs) {
            EXPECT_TRUE(db->object(s)->erased);
            gone.push_back("\n  5\n" + host::db::handleText(db->object(s)->handle) + "\n");
        }
    }
    std::string path = outputPath("complex_entities_erased.dxf"), error;
    ASSERT_TRUE(writeDxfFile(*db, path, WriteOptions{}, error)) << error;
    std::string text;
    ASSERT_TRUE(readWholeFile(path, text, error)) << error;
    for (const std::string& handle : gone) EXPECT_EQ(text.find(handle), std::string::npos) << handle;
    EXPECT_EQ(runChecks(path), "");
}

// An attribute among a polyline's vertices and a vertex among an insert's
// attributes: each is left out, and the run around it is kept whole.
TEST(ComplexEntities, SubEntityOfTheOtherKindIsLeftOutOfTheRun)
{
    std::string text, error;
    ASSERT_TRUE(readWholeFile(sampleDrawing("R2007"), text, error)) << error;
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    ReadReport intactReport;
    auto intact = readDxfText(text, "intact.dxf", intactReport);
    ASSERT_TRUE(intact) << intactReport.error.text();
    const Slot insert = firstComplex(*intact, "INSERT"), polyline = firstComplex(*intact, "POLYLINE");
    ASSERT_NE(insert, host::db::kNoSlot);
    ASSERT_NE(polyline, host::db::kNoSlot);
    const host::db::Handle mains[] = {intact->object(insert)->handle, intact->object(polyline)->handle};

    const std::string attribute = firstRecord(text, "ATTRIB"), vertex = firstRecord(text, "VERTEX");
    auto withHandle = [](std::string record, const char* handle) {
        size_t at = record.find("\n  5\n") + 5;
        return record.replace(at, record.find('\n', at) - at, handle);
    };
    std::string damaged = text;
    damaged.insert(damaged.find(vertex) + vertex.size(), withHandle(attribute, "FFF20"));
    damaged.insert(damaged.find(attribute) + attribute.size(), withHandle(vertex, "FFF21"));
    ReadReport report;
    auto db = readDxfText(damaged, "damaged.dxf", report);
    ASSERT_TRUE(db) << report.error.text();
    for (const char* handle : {"FFF20", "FFF21"}) EXPECT_EQ(db->slotOf(std::stoull(handle, nullptr, 16)), host::db::kNoSlot);
    for (host::db::Handle main : mains) EXPECT_EQ(runOf(*db, main), runOf(*intact, main));

    std::string path = outputPath("complex_entities_other_kind.dxf");
    ASSERT_TRUE(writeDxfFile(*db, path, WriteOptions{}, error)) << error;
    EXPECT_EQ(runChecks(path), "");
}
