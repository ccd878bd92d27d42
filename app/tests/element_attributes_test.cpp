// An element insert that carries attributes (a tag another program gave
// it): the copy and the mirror image take copies of them, moved or mirrored
// with the element, and explode leaves them with the insert; no attribute
// ever stands alone, and each saved drawing passes the drawing checks.
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "ads_entity.h"
#include "api/host_api.h"
#include "core/xdata_list.h"
#include "core/string_convert.h"
#include "db/sub_entities.h"
#include "module_fixture.h"
#include "shell/drawing_store.h"

namespace {

enum Code : int { kLcur = 9, kLexplode = 13, kLcopy = 21, kLmirror = 22 };
constexpr int16_t kVl01 = 1;
// The window round the duct and its attributes.
constexpr const char* kWindow = "W -1000,-1000 3000,2000\n\n";

using host::db::Group;
using host::db::Object;
using host::db::Slot;

// One model-space entity: type, handle, owner and first point.
struct Entry {
    std::string type, handle, owner;
    double x = 0, y = 0;
};

class ElementAttributesTest : public PlacementTest {
protected:
    host::db::Database& Db() { return *host::api::currentDatabase(); }

    // A duct of 1500 along +x from the origin with two attributes at
    // (100, 500) and (100, 800), stored after it as a file reader stores
    // them; the duct's handle.
    std::string DuctWithAttributes() {
        SetStart(0, 0, 0, kShapeRect, 400, 300);
        Place(kLnvl, kVl01);
        std::string handle = HandleOfEntity(state->currentEntity);
        host::db::Database& db = Db();
        Slot insert = host::api::slotOf(db, state->currentEntity);
        Object* o = db.object(insert);
        size_t at = 0;
        while (o->groups[at].code() != 2) ++at;
        o->groups.insert(o->groups.begin() + static_cast<std::ptrdiff_t>(at), Group::integer(66, 1));
        host::db::Block& ms = *db.block(db.modelSpace());
        size_t place = host::db::positionInBlock(ms, insert) + 1;
        for (int i = 0; i < 3; ++i) {
            Object sub;
            sub.type = host::db::internType(i < 2 ? "ATTRIB" : "SEQEND");
            sub.owner = o->handle;
            sub.groups = {Group::text(100, "AcDbEntity"), Group::text(8, "0")};
            if (i < 2)
                for (Group g : {Group::text(100, "AcDbText"), Group::point(10, 100, 500 + 300 * i, 0),
                                Group::real(40, 100), Group::text(1, i ? "B-2" : "A-1"),
                                Group::text(100, "AcDbAttribute"), Group::text(2, i ? "ROOM" : "TAG"),
                                Group::integer(70, 0)})
                    sub.groups.push_back(g);
            Slot s = db.add(std::move(sub));
            ms.entities.insert(ms.entities.begin() + static_cast<std::ptrdiff_t>(place + i), s);
        }
        return handle;
    }
    std::vector<Entry> ModelSpace() {
        host::db::Database& db = Db();
        std::vector<Entry> out;
        for (Slot s : db.block(db.modelSpace())->entities) {
            const Object* o = db.object(s);
            if (!o || o->erased)
                continue;
            Entry e{std::string(o->typeName()), host::db::handleText(o->handle), host::db::handleText(o->owner)};
            if (const Group* p = host::db::findGroup(*o, 10)) {
                e.x = p->asPoint()[0];
                e.y = p->asPoint()[1];
            }
            out.push_back(e);
        }
        return out;
    }
    // The attributes of each insert that has some, as (x, y) in order; and
    // every attribute and SEQEND stands right after its insert.
    std::vector<std::pair<std::string, std::vector<std::pair<double, double>>>> AttributesByInsert() {
        std::vector<std::pair<std::string, std::vector<std::pair<double, double>>>> out;
        std::vector<Entry> all = ModelSpace();
        std::string main;
        for (const Entry& e : all) {
            if (e.type == "ATTRIB" || e.type == "SEQEND") {
                EXPECT_EQ(e.owner, main) << e.type << " " << e.handle << " stands alone";
                if (e.type == "ATTRIB" && !out.empty() && out.back().first == main)
                    out.back().second.push_back({e.x, e.y});
                else if (e.type == "ATTRIB")
                    out.push_back({main, {{e.x, e.y}}});
                continue;
            }
            main = e.type == "INSERT" ? e.handle : "";
        }
        return out;
    }
    void SaveChecked(const std::string& name) {
        std::string path = (installDir / name).string(), error;
        ASSERT_TRUE(host::shell::writeDrawing(*host::shell::currentDocument(), path, error)) << error;
        const std::string check = std::string(LURAK_PYTHON) + " " + LURAK_DXF_CHECK + " '" + path + "' >/dev/null";
        EXPECT_EQ(std::system(check.c_str()), 0) << check;
    }
};

using Points = std::vector<std::pair<double, double>>;

TEST_F(ElementAttributesTest, CopyAndMirrorImageTakeTheAttributesAlong) {
    const std::string source = DuctWithAttributes();
    // A plain line in the window is copied beside the element.
    ads_point from = {0, 1000, 0}, to = {1000, 1000, 0};
    resbuf* line = acutBuildList(RTDXF0, L"LINE", 10, from, 11, to, 0);
    ASSERT_EQ(acdbEntMake(line), RTNORM);
    acutRelRb(line);
    Run(kLcopy, std::string(kWindow) + "0,0\n0,5000\nok\n");
    int lines = 0;
    for (const Entry& e : ModelSpace())
        lines += e.type == "LINE" && e.x == 0 && (e.y == 1000 || e.y == 6000);
    EXPECT_EQ(lines, 2);
    auto copied = AttributesByInsert();
    ASSERT_EQ(copied.size(), 2u);
    EXPECT_EQ(copied[0].first, source);
    EXPECT_EQ(copied[0].second, (Points{{100, 500}, {100, 800}}));
    EXPECT_NE(copied[1].first, source);
    EXPECT_EQ(copied[1].second, (Points{{100, 5500}, {100, 5800}}));
    SaveChecked("attributes_copied.dxf");

    // Mirrored about x = 5000: the source's attributes only (the copy is
    // outside the window).
    Run(kLmirror, std::string(kWindow) + "5000,0\n5000,1000\nok\n");
    auto mirrored = AttributesByInsert();
    ASSERT_EQ(mirrored.size(), 3u);
    ASSERT_EQ(mirrored[2].second.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_NEAR(mirrored[2].second[i].first, 9900, 1e-6);
        EXPECT_NEAR(mirrored[2].second[i].second, 500 + 300 * i, 1e-6);
    }
    SaveChecked("attributes_mirrored.dxf");
}

TEST_F(ElementAttributesTest, ExplodeLeavesTheAttributesWithTheInsert) {
    const std::string source = DuctWithAttributes();
    Run(kLexplode, std::string(kWindow) + "1034=Plain copies\nok\n");
    auto kept = AttributesByInsert();
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].first, source);
    EXPECT_EQ(kept[0].second, (Points{{100, 500}, {100, 800}}));
    SaveChecked("attributes_exploded.dxf");
    // Erased, the insert takes them along: none is saved alone.
    ads_name duct;
    ASSERT_EQ(acdbHandEnt(ToWide(source.c_str()).c_str(), duct), RTNORM);
    ASSERT_EQ(acdbEntDel(duct), RTNORM);
    EXPECT_TRUE(AttributesByInsert().empty());
    SaveChecked("attributes_erased.dxf");
}

TEST_F(ElementAttributesTest, APickAtAnAttributePicksTheElement) {
    const std::string source = DuctWithAttributes();
    Place(kLnvl, kVl01);
    ASSERT_NE(HandleOfEntity(state->currentEntity), source);
    Transcript();
    Run(kLcur, "100,800\n");
    EXPECT_FALSE(Said("That is not a LurakCAD element."));
    EXPECT_EQ(HandleOfEntity(state->currentEntity), source);
    // In the middle of the attribute's text, far from its insertion point.
    Place(kLnvl, kVl01);
    Transcript();
    Run(kLcur, "250,850\n");
    EXPECT_FALSE(Said("That is not a LurakCAD element."));
    EXPECT_EQ(HandleOfEntity(state->currentEntity), source);
}

} // namespace
