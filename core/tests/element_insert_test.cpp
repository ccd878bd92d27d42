// Elements written into the drawing and rebuilt from their inserts: two
// joined elements with labels, marks and a dimension, saved as DXF and read
// back into a new drawing, joined both ways with everything they carried;
// the flags of an update; the custom element drawn from the user's block.
#include "fixtures.h"
#include "core/labels.h"
#include "core/lcustom.h"
#include "core/type_tables.h"
#include "dxf/reader.h"
#include "dxf/writer.h"

#include <algorithm>
#include <sstream>

namespace {
class SavedJointTest : public JointDrawingTest {
protected:
    void TearDown() override {
        UseLabelReactor(nullptr);
        JointDrawingTest::TearDown();
        delete reopened;
    }

    // Saves the current drawing as DXF text and makes its reading current;
    // `leftOut` groups of the INSERTs are left out of the text, as other
    // writers leave out those at their defaults.
    void SaveAndReopen(std::initializer_list<int> leftOut = {}) {
        std::string text;
        host::dxf::writeDxfText(*host::api::databaseOf(database), text);
        if (leftOut.size() != 0)
            text = WithoutInsertGroups(text, leftOut);
        host::dxf::ReadReport report;
        std::unique_ptr<host::db::Database> drawing = host::dxf::readDxfText(text, "joined.dxf", report);
        ASSERT_NE(drawing, nullptr) << report.error.message;
        reopened = new AcDbDatabase(false);
        host::api::replaceDatabase(reopened, std::move(drawing));
        host::api::setCurrentDatabase(reopened);
        state->database = reopened;
    }

    static std::string WithoutInsertGroups(const std::string& text, std::initializer_list<int> codes) {
        std::istringstream in(text);
        std::string code, value, out;
        bool insert = false;
        while (std::getline(in, code) && std::getline(in, value)) {
            const int n = std::stoi(code);
            if (n == 0)
                insert = value.rfind("INSERT", 0) == 0;
            if (insert && std::find(codes.begin(), codes.end(), n) != codes.end())
                continue;
            out += code + "\n" + value + "\n";
        }
        return out;
    }

    // Moves the insert's stored group of `code` to right after its group of
    // `after`, or leaves it out (`after` 0), as a file by another writer
    // may give an insert's groups.
    void Rearrange(const ads_name insert, int code, int after) {
        host::db::Database* db = host::api::databaseOf(database);
        host::db::GroupList& groups = db->object(host::api::slotOf(*db, insert))->groups;
        auto at = [&groups](int c) {
            return std::find_if(groups.begin(), groups.end(), [c](const host::db::Group& g) { return g.code() == c; });
        };
        ASSERT_NE(at(code), groups.end());
        host::db::Group moved = *at(code);
        groups.erase(at(code));
        if (after == 0)
            return;
        ASSERT_NE(at(after), groups.end());
        groups.insert(at(after) + 1, moved);
    }

    static ElementPtr Load(const std::string& handle) {
        ads_name insert;
        return Owned(ByHandle(handle, insert) ? LoadElementFromEntity(insert) : nullptr);
    }

    AcDbDatabase* reopened = nullptr;
    ForwardingReactor reactor;
};

TEST_F(SavedJointTest, JoinedElementsSurviveTheFile) {
    UseLabelReactor(&reactor);
    auto a = std::make_unique<TestDuct>();
    auto b = std::make_unique<TestDuct>();
    double sizes[3] = {400, 200, 1200};
    a->SetParams(sizes);
    a->GetConnector(1)->flow = 600;
    a->SetFlow(600);
    SetPoint3d(a->GetLabel(0)->point, 600, 0, 0);
    a->SetLabelNumber(3, 0);
    ASSERT_EQ(a->Insert(15), 0) << host::api::lastError();
    ASSERT_EQ(b->FitToElement(a.get(), 0, 1), 0);
    ASSERT_EQ(b->Insert(15), 0) << host::api::lastError();
    b->Connect(a.get(), 0, 1);
    host::io::setScript("600,900\n");
    ASSERT_EQ(PlaceLabel(a.get(), 0), 0);
    a->GetConnector(0)->MakeSizeText();  // two texts beside the open end
    ASSERT_EQ(a->GetMarkCount(), 2);
    ads_name dimension;
    ads_name_set(Line("0", -300).name, dimension);
    a->AddDimension(dimension);
    ASSERT_EQ(a->Insert(13), 0) << host::api::lastError();
    ASSERT_EQ(b->Insert(13), 0) << host::api::lastError();
    // Refreshing the dimensions gave them the system's style override.
    EXPECT_TRUE(HasStyleOverride(dimension));
    std::string handleA = a->HandleText(), handleB = b->HandleText();
    std::string label = HandleOf(a->GetLabel(0)->insert), leader = HandleOf(a->GetLabel(0)->leader);
    std::string mark = HandleOf(a->marks[1]), dim = HandleOf(dimension);
    SaveAndReopen();
    ElementPtr ra = Load(handleA);
    ElementPtr rb = Load(handleB);
    ASSERT_NE(ra, nullptr);
    ASSERT_NE(rb, nullptr);
    EXPECT_STREQ(ra->GetConnector(1)->neighbourHandle, handleB.c_str());
    EXPECT_EQ(ra->GetConnector(1)->neighbourIndex, 0);
    EXPECT_STREQ(rb->GetConnector(0)->neighbourHandle, handleA.c_str());
    EXPECT_EQ(rb->GetConnector(0)->neighbourIndex, 1);
    EXPECT_TRUE(ra->GetConnector(0)->IsFree());
    EXPECT_EQ(static_cast<TestDuct*>(ra.get())->values, std::vector<double>({400, 200, 1200}));
    EXPECT_EQ(rb->GetConnector(0)->flow, 600);
    EXPECT_EQ(HandleOf(ra->GetLabel(0)->insert), label);
    EXPECT_EQ(HandleOf(ra->GetLabel(0)->leader), leader);
    ASSERT_EQ(ra->GetMarkCount(), 2);
    EXPECT_EQ(HandleOf(ra->marks[1]), mark);
    ASSERT_EQ(ra->GetDimensionCount(), 1);
    EXPECT_EQ(HandleOf(ra->dimensions[0]), dim);
    ads_point pa, pb;
    ra->GetConnector(1)->GetWorldPoint(pa);
    rb->GetConnector(0)->GetWorldPoint(pb);
    ExpectXY(pa, pb[0], pb[1]);
    // The drawing's labels get the reactor again when it is opened.
    AttachLabelReactors();
    ASSERT_EQ(acdbEntDel(ra->GetLabel(0)->insert), RTNORM);
    EXPECT_FALSE(Live(ra->GetLabel(0)->leader));
    ASSERT_EQ(acdbEntDel(ra->GetLabel(0)->insert), RTNORM);
    EXPECT_TRUE(Live(ra->GetLabel(0)->leader));
}

TEST_F(SavedJointTest, InsertFlagsUpdateOnlyWhatTheyName) {
    auto e = std::make_unique<TestDuct>();
    ASSERT_EQ(e->Insert(0), 0);  // a new element is always inserted
    std::string handle = e->HandleText();
    ads_point moved = {50, 60, 0};
    e->SetInsertionPoint(moved);
    e->SetFlow(999);
    ASSERT_EQ(e->Insert(4), 0);  // labels only: the insert keeps its place
    ElementPtr back = Load(handle);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->insertionPoint[0], 0);
    EXPECT_EQ(back->GetFlow(), 0);
    ASSERT_EQ(e->Insert(1), 0);
    back = Load(handle);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->insertionPoint[0], 50);
    EXPECT_EQ(back->GetFlow(), 999);
    EXPECT_STREQ(back->HandleText(), handle.c_str());  // updated in place
}

// An element whose block the host did not make: never inserted, and an
// insert it already has keeps the block it shows.
TEST_F(SavedJointTest, BlockNotMadeIsNeverInserted) {
    struct Unmade : TestDuct {
        bool fails = true;
        int16_t MakeBlock(char* name) override {
            if (!fails)
                return TestDuct::MakeBlock(name);
            name[0] = '\0';
            return -1;
        }
    };
    auto e = std::make_unique<Unmade>();
    ads_name last = {0, 0};
    int before = acdbEntLast(last);
    std::string lastHandle = before == RTNORM ? HandleOf(last) : "";
    EXPECT_EQ(e->Insert(0), -1);
    ASSERT_EQ(acdbEntLast(last), before);  // nothing new in the drawing
    if (before == RTNORM) {
        EXPECT_EQ(HandleOf(last), lastHandle);
    }
    EXPECT_STREQ(e->HandleText(), "0");

    e->fails = false;
    ASSERT_EQ(e->Insert(0), 0);
    std::string block = GroupText(e->entity, 2);
    ASSERT_FALSE(block.empty());
    e->fails = true;
    e->SetFlow(450);
    EXPECT_EQ(e->Insert(3), 0);
    EXPECT_EQ(GroupText(e->entity, 2), block);
    ElementPtr back = Load(e->HandleText());
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->GetFlow(), 450);  // the rest of the update is written
}

TEST_F(SavedJointTest, UserBlockElementInsertedAndRebuiltWithItsBlockAndScale) {
    InitTypeTables();
    SetElementMaker(nullptr);  // the real factory
    Block("PUMP");
    AcDbBlockTable* table = nullptr;
    ASSERT_EQ(database->getBlockTable(table, AcDb::kForRead), Acad::eOk);
    AcDbObjectId block;
    ASSERT_EQ(table->getAt(L"PUMP", block), Acad::eOk);
    table->close();
    ElementPtr e = Owned(new LCustom);
    e->SetSystemRecord(record);
    e->SetBlockId(block);
    e->SetScale(2, 3, 1);
    e->SetParamText(0, "szivattyú");
    ads_point at = {100, 200, 0};
    e->SetInsertionPoint(at);
    ASSERT_EQ(e->Insert(15), 0) << host::api::lastError();
    ASSERT_FALSE(ads_name_nil(e->entity));
    EXPECT_STRNE(e->HandleText(), "0");
    ElementPtr back = Owned(LoadElementFromEntity(e->entity));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->GetFamily(), 16);
    EXPECT_EQ(back->GetBlockId(), block);
    AcGeScale3d s;
    back->GetScale(&s);
    EXPECT_EQ(s.sx, 2);
    EXPECT_EQ(s.sy, 3);
    EXPECT_EQ(back->GetParamText(0), "szivattyú");
    EXPECT_EQ(back->insertionPoint[1], 200);
    // An update keeps the user's block.
    back->SetRotation(kHalfPi);
    ASSERT_EQ(back->Insert(3), 0);
    ElementPtr again = Owned(LoadElementFromEntity(e->entity));
    ASSERT_TRUE(again);
    EXPECT_EQ(again->GetBlockId(), block);
    EXPECT_NEAR(again->GetRotation(), kHalfPi, 1e-12);
}

// Other writers may leave out an insert's rotation and scales at their
// defaults; the element is still found and keeps its block and placement.
TEST_F(SavedJointTest, UserBlockElementFoundInAFileWithoutDefaultRotationOrScales) {
    InitTypeTables();
    SetElementMaker(nullptr);
    Block("PUMP");
    AcDbBlockTable* table = nullptr;
    ASSERT_EQ(database->getBlockTable(table, AcDb::kForRead), Acad::eOk);
    AcDbObjectId block;
    ASSERT_EQ(table->getAt(L"PUMP", block), Acad::eOk);
    table->close();
    ElementPtr e = Owned(new LCustom);
    e->SetSystemRecord(record);
    e->SetBlockId(block);
    ads_point at = {100, 200, 0};
    e->SetInsertionPoint(at);
    ASSERT_EQ(e->Insert(15), 0) << host::api::lastError();
    std::string handle = e->HandleText();
    SaveAndReopen({41, 42, 43, 50});
    ElementPtr back = Load(handle);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->GetFamily(), 16);
    EXPECT_EQ(GroupText(back->entity, 2), "PUMP");
    EXPECT_EQ(back->GetRotation(), 0);
    EXPECT_EQ(back->insertionPoint[1], 200);
    AcGeScale3d s;
    back->GetScale(&s);
    EXPECT_EQ(s.sx, 1);
    EXPECT_EQ(s.sz, 1);
}

// An element is known by its data, not by the order of its insert's groups:
// with them in another order, or its insertion point left out (at the
// origin), it is found with the same placement.
TEST_F(SavedJointTest, ElementFoundWhateverTheOrderOfItsInsertGroups) {
    const struct {
        const char* name;
        int code, after;
    } cases[] = {
        {"rotation before the scales", 50, 10},
        {"x scale after the extrusion", 41, 210},
        {"no insertion point", 10, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto e = std::make_unique<TestDuct>();
        ads_point at = {70, 80, 0};
        e->SetInsertionPoint(at);
        e->SetRotation(0.5);
        e->SetScale(2, 3, 4);
        ASSERT_EQ(e->Insert(15), 0) << host::api::lastError();
        Rearrange(e->entity, c.code, c.after);
        ElementPtr back = Load(e->HandleText());
        ASSERT_NE(back, nullptr);
        EXPECT_NEAR(back->GetRotation(), 0.5, 1e-12);
        EXPECT_EQ(back->insertionPoint[0], c.after == 0 ? 0 : 70);
        AcGeScale3d s;
        back->GetScale(&s);
        EXPECT_EQ(s.sx, 2);
        EXPECT_EQ(s.sy, 3);
        EXPECT_EQ(s.sz, 4);
    }
}
}  // namespace
