// EraseSystemEntities: what a deleted system takes with it and what it
// leaves, the layer protections, and every path of the change mask with a
// recording stand-in for the element code.
#include <map>
#include "fixtures.h"
#include "core/system_entities.h"
#include "core/system_erase.h"

namespace {
// What the stand-in element code was asked to do, per element handle.
struct Call {
    std::string handle;
    uint32_t mask = 0;
    int32_t storedNumber = 0;
    int moved = -1;  // keepCopies of MoveLabelsToLabelLayer, -1 when not called
};
std::vector<Call> g_calls;
std::map<std::string, int> g_moves;

LObject* LoadStandIn(LSystemList& list, const ads_name insert) {
    resbuf* data = GetWithProgramXdata(insert);
    char tag[16];
    int32_t number = 0;
    bool ok = data && ReadSystemTag(data, tag, sizeof tag) == 0;
    for (resbuf* rb = data; rb; rb = rb->rbnext)
        if (rb->restype == 1070)
            number = rb->resval.rint;  // the last 1070 is the label node's number
    acutRelRb(data);
    LSystemRecord record;
    if (!ok || GetSystemByTag(list, &record, tag) != 0)
        return nullptr;
    LObject* element = CreateElement(16, 0);
    element->SetSystemRecord(record);
    element->firstLabel.number = number;
    SetElementHandle(element, HandleOf(insert).c_str());
    return element;
}

int16_t MoveStandIn(LObject* element, int16_t keep) {
    g_moves[element->HandleText()] = keep;
    return 0;
}

int16_t InsertStandIn(LObject* element, uint32_t mask) {
    auto moved = g_moves.find(element->HandleText());
    g_calls.push_back({element->HandleText(), mask, element->firstLabel.number,
                       moved == g_moves.end() ? -1 : moved->second});
    return 0;
}

class SystemEraseTest : public SystemDrawingTest {
protected:
    void SetUp() override {
        SystemDrawingTest::SetUp();
        ASSERT_EQ(OpenSystemDictionary(list), 0);
        g_calls.clear();
        g_moves.clear();
        LElementUpdater updater;
        updater.loadElement = LoadStandIn;
        updater.moveLabelsToLabelLayer = MoveStandIn;
        updater.insert = InsertStandIn;
        SetElementUpdater(updater);
    }
    void TearDown() override {
        SetElementUpdater(LElementUpdater());
        SystemDrawingTest::TearDown();
    }

    LSystemNode& Add(const char* tag, const char* layer, const char* labelLayer) {
        LSystemRecord r = Record(tag, layer, labelLayer);
        EXPECT_EQ(AddSystem(list, &r), 0);
        char key[16];
        snprintf(key, sizeof key, "%s", tag);
        return *FindSystem(list, key);
    }
    void Delete(const char* tag) {
        LSystemRecord r;
        snprintf(r.tag, sizeof r.tag, "%s", tag);
        DeleteSystem(list, &r);
    }
    void Modify(LSystemRecord r, int16_t keep = 0) { ASSERT_EQ(ModifySystem(list, &r, keep), 0); }

    void SetCurrentLayer(const char* name) {
        AcDbLayerTable* table = nullptr;
        ASSERT_EQ(database->getLayerTable(table, AcDb::kForRead), Acad::eOk);
        AcDbObjectId id;
        ASSERT_EQ(table->getAt(ToWide(name).c_str(), id), Acad::eOk);
        table->close();
        ASSERT_EQ(database->setClayer(id), Acad::eOk);
    }
    // Renames the label layer OLD of a new system ZL1 to NEW, keeping copies
    // of the labels or not, and updates the drawing.
    LSystemNode& RenameLabelLayer(int16_t keep) {
        LSystemNode& node = Add("ZL1", "P", "OLD");
        LSystemRecord r = node.record;
        strcpy(r.labelLayer, "NEW");
        Modify(r, keep);
        EraseSystemEntities(list, database);
        return node;
    }
};
}  // namespace

TEST_F(SystemEraseTest, DeletedSystemTakesItsElementsLabelsAndEmptyLayers) {
    Add("ZL1", "LURAK-ZL1", "LURAK-ZL1-100");
    TestEntity dim = Line("DIMS");
    TestEntity labelInsert = Line("LURAK-ZL1-100");
    TestEntity mine = Element("ZL1", "LURAK-ZL1", 3, {labelInsert.handle}, {dim.handle});
    TestEntity orphanLabel = Label(mine.handle, "LURAK-ZL1-100");
    TestEntity other = Element("ZL2", "LURAK-ZL2");
    Delete("zl1");
    EXPECT_EQ(EraseSystemEntities(list, database), 0);
    EXPECT_FALSE(Live(mine));
    EXPECT_FALSE(Live(labelInsert));
    EXPECT_FALSE(Live(dim));
    EXPECT_FALSE(Live(orphanLabel));
    EXPECT_TRUE(Live(other));
    EXPECT_FALSE(LayerExists("LURAK-ZL1"));
    EXPECT_FALSE(LayerExists("LURAK-ZL1-100"));
    EXPECT_TRUE(LayerExists("DIMS")) << "a layer the system does not name stays";
    EXPECT_EQ(list.removals->next, nullptr);
    EXPECT_EQ(list.removalTail, list.removals);
}

TEST_F(SystemEraseTest, ASharedLabelLayerKeepsWhatOthersPutThere) {
    Add("ZL1", "LURAK-ZL1", "CÍMKE");
    Add("ZL2", "LURAK-ZL2", "CÍMKE");
    TestEntity mine = Element("ZL1", "LURAK-ZL1");
    TestEntity theirs = Element("ZL2", "LURAK-ZL2");
    TestEntity myLabel = Label(mine.handle, "CÍMKE");
    TestEntity theirLabel = Label(theirs.handle, "CÍMKE");
    TestEntity users = Line("CÍMKE");
    Delete("ZL1");
    EraseSystemEntities(list, database);
    EXPECT_FALSE(Live(myLabel));
    EXPECT_TRUE(Live(theirLabel));
    EXPECT_TRUE(Live(users));
    EXPECT_TRUE(LayerExists("CÍMKE"));
    EXPECT_FALSE(LayerExists("LURAK-ZL1"));
}

TEST_F(SystemEraseTest, ProtectedLayersStay) {
    // Each system's pen layer is kept by another reason.
    Add("A", "IN-BLOCK", "0");
    Add("B", "CURRENT", "DEFPOINTS");
    Add("C", "NAMED", "C-LBL");
    Add("D", "NAMED", "D-LBL");
    Add("E", "E-PEN", "E-LBL");
    Block("USERBLOCK", "IN-BLOCK");
    Line("CURRENT");
    Line("E-LBL");  // the user's line on the label layer keeps it
    SetCurrentLayer("CURRENT");
    Line("NAMED");
    for (const char* tag : {"A", "B", "C", "E"})
        Delete(tag);
    EraseSystemEntities(list, database);
    EXPECT_TRUE(LayerExists("IN-BLOCK")) << "a block definition uses it";
    EXPECT_TRUE(LayerExists("CURRENT"));
    EXPECT_TRUE(LayerExists("0"));
    EXPECT_TRUE(LayerExists("DEFPOINTS"));
    EXPECT_TRUE(LayerExists("NAMED")) << "system D still names it";
    EXPECT_FALSE(LayerExists("C-LBL"));
    EXPECT_TRUE(LayerExists("E-LBL"));
    EXPECT_FALSE(LayerExists("E-PEN"));
}

TEST_F(SystemEraseTest, BlocksThatNothingInsertsDoNotHoldALayer) {
    Block("NAMED-BLOCK", "IN-NAMED");
    Block("*U", "IN-UNUSED-ANONYMOUS");
    std::set<std::string> used = CollectUsedLayers(database);
    EXPECT_EQ(used.count("IN-NAMED"), 1u);
    EXPECT_EQ(used.count("IN-UNUSED-ANONYMOUS"), 0u);
    EXPECT_TRUE(LayerMayBeErased("in-unused-anonymous", database, used, list));
    EXPECT_FALSE(LayerMayBeErased("in-named", database, used, list));
    EXPECT_FALSE(LayerMayBeErased("", database, used, list));
    // The current layer may go only when the caller moves off it first.
    CreateLayer(1, L"WORK", database);
    SetCurrentLayer("WORK");
    EXPECT_FALSE(LayerMayBeErased("work", database, used, list));
    EXPECT_TRUE(LayerMayBeErased("work", database, used, list, nullptr, true));
}

TEST_F(SystemEraseTest, ChangedSystemsAreRedrawnWithTheirMask) {
    LSystemNode& node = Add("ZL1", "P", "L");
    Add("ZL2", "P", "L");
    TestEntity mine = Element("ZL1", "P");
    Element("ZL2", "P");
    LSystemRecord r = node.record;
    r.penColour[0] = 3;
    Modify(r);
    EraseSystemEntities(list, database);
    ASSERT_EQ(g_calls.size(), 1u);
    EXPECT_EQ(g_calls[0].handle, mine.handle);
    EXPECT_EQ(g_calls[0].mask, 13u);
    EXPECT_EQ(g_calls[0].moved, -1);
    EXPECT_EQ(node.changeMask, 0u);
    g_calls.clear();
    EraseSystemEntities(list, database);
    EXPECT_TRUE(g_calls.empty()) << "the changes were carried out once";
}

TEST_F(SystemEraseTest, AFirstNumberMovedBy100RenumbersOnce) {
    LSystemNode& node = Add("ZL1", "P", "L");
    Element("ZL1", "P", 7);
    LSystemRecord r = node.record;
    r.labelNumberOffset = 100;
    Modify(r);
    EraseSystemEntities(list, database);
    ASSERT_EQ(g_calls.size(), 1u);
    EXPECT_EQ(g_calls[0].storedNumber, 107);
    EXPECT_EQ(g_calls[0].mask, 12u);
    EXPECT_EQ(node.savedLabelOffset, -1);
    // A colour change afterwards leaves the numbers alone (the stand-in
    // reads the unchanged 7 again: the real element code stores 107).
    g_calls.clear();
    r.dimColour = 1;
    Modify(r);
    EraseSystemEntities(list, database);
    ASSERT_EQ(g_calls.size(), 1u);
    EXPECT_EQ(g_calls[0].storedNumber, 7);
}

TEST_F(SystemEraseTest, MovedLabelsLeaveAnEmptyOldLayerThatGoes) {
    Element("ZL1", "P");
    CreateLayer(1, L"OLD", database);
    SetCurrentLayer("OLD");
    LSystemNode& node = RenameLabelLayer(0);
    ASSERT_EQ(g_calls.size(), 1u);
    EXPECT_EQ(g_calls[0].moved, 0);
    EXPECT_TRUE(LayerExists("NEW"));
    EXPECT_FALSE(LayerExists("OLD"));
    EXPECT_TRUE(IsCurrentLayer("NEW", database));
    EXPECT_STREQ(node.oldLabelLayer, "NEW");
    EXPECT_EQ(node.labelLayerChanged, 0);
}

TEST_F(SystemEraseTest, KeptLabelsKeepTheOldLayer) {
    Element("ZL1", "P");
    LSystemNode& node = RenameLabelLayer(1);
    ASSERT_EQ(g_calls.size(), 1u);
    EXPECT_EQ(g_calls[0].moved, 1);
    EXPECT_TRUE(LayerExists("NEW"));
    EXPECT_STREQ(node.oldLabelLayer, "NEW");
}

TEST_F(SystemEraseTest, OldLabelLayerWithEntitiesStays) {
    Line("OLD");
    RenameLabelLayer(0);
    EXPECT_TRUE(LayerExists("OLD"));
}

TEST_F(SystemEraseTest, WithoutElementCodeChangesStayPending) {
    SetElementUpdater(LElementUpdater());
    Element("ZL1", "P");
    LSystemNode& node = RenameLabelLayer(0);
    EXPECT_EQ(node.changeMask, 12u);
    EXPECT_EQ(node.labelLayerChanged, 1);
    EXPECT_STREQ(node.oldLabelLayer, "OLD");
}
