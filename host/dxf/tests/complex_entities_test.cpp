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

#include <string>

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
