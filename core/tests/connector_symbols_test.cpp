// The connector symbols drawn into an element's block: end outlines with
// their extension, the filled corner of a face-on end, and far-side marks.
#include "fixtures.h"

namespace {
class SymbolTest : public JointDrawingTest {
protected:
    void SetUp() override {
        JointDrawingTest::SetUp();
        // The dashed linetype of the marks (loaded by the host's command in
        // a real drawing).
        AcDbLinetypeTable* table = nullptr;
        ASSERT_EQ(database->getLinetypeTable(table, AcDb::kForWrite), Acad::eOk);
        auto* dashed = new AcDbLinetypeTableRecord;
        dashed->setName(L"SZAGGATOTT");
        ASSERT_EQ(table->add(dashed), Acad::eOk);
        dashed->close();
        table->close();
    }

    // Entity types and line lengths of the block drawn by draw().
    template <class Draw>
    void Block(Draw draw) {
        ads_point o = {0, 0, 0};
        char name[kBlockNameSize] = "";
        BeginAnonymousBlock(o);
        draw();
        ASSERT_EQ(EndAnonymousBlock(name, sizeof name), RTNORM);
        types.clear();
        lengths.clear();
        AcDbBlockTable* table = nullptr;
        ASSERT_EQ(database->getBlockTable(table, AcDb::kForRead), Acad::eOk);
        AcDbBlockTableRecord* record = nullptr;
        ASSERT_EQ(table->getAt(ToWide(name).c_str(), record, AcDb::kForRead), Acad::eOk);
        table->close();
        AcDbBlockTableRecordIterator* it = nullptr;
        record->newIterator(it);
        for (; !it->done(); it->step()) {
            AcDbObjectId id;
            it->getEntityId(id);
            ads_name e;
            acdbGetAdsName(e, id);
            resbuf* list = acdbEntGet(e);
            ads_point p10 = {0, 0, 0}, p11 = {0, 0, 0};
            for (resbuf* rb = list; rb; rb = rb->rbnext) {
                if (rb->restype == 0)
                    types.push_back(ToNarrowString(rb->resval.rstring));
                if (rb->restype == 10)
                    CopyPoint3d(p10, rb->resval.rpoint);
                if (rb->restype == 11)
                    CopyPoint3d(p11, rb->resval.rpoint);
            }
            lengths.push_back(std::hypot(p11[0] - p10[0], p11[1] - p10[1]));
            acutRelRb(list);
        }
        delete it;
        record->close();
    }

    std::vector<std::string> types;
    std::vector<double> lengths;
};

TEST_F(SymbolTest, RoundEdgeOnEndExtendedAbove800) {
    TestDuct e;
    LConnector* c = e.GetConnector(0);
    c->shape = kShapeRound;
    for (double d : {800.0, 801.0}) {
        c->a = d;
        Block([&] { c->DrawEnd(50, 0); });
        ASSERT_EQ(types, std::vector<std::string>({"LINE"}));
        EXPECT_NEAR(lengths[0], d > 800 ? d + 100 : d, 1e-9);
    }
}

TEST_F(SymbolTest, FaceOnEndsAndFarSideMarks) {
    TestDuct e;
    e.GetConnector(0)->side = 0;  // towards the viewer
    e.GetConnector(1)->side = 3;  // the far side
    Block([&] { e.DrawConnectorEnds(20, 1); });
    // Inner outline, filled corner, outer outline; then the far-side mark.
    ASSERT_EQ(types.size(), 11u);
    EXPECT_EQ(types[4], "SOLID");
    EXPECT_EQ(types[9], "LINE");
    Block([&] { e.DrawConnectorSymbols(20, 0, 0); });
    EXPECT_EQ(types.size(), 8u);  // no solid, no mark
    e.GetConnector(1)->shape = kShapeRound;
    Block([&] { e.GetConnector(1)->DrawMark(); });
    EXPECT_EQ(types, std::vector<std::string>({"ELLIPSE"}));
    e.GetConnector(1)->neighbourHandle = CopyHandleText("2F");
    Block([&] { e.GetConnector(1)->DrawMark(); });
    EXPECT_TRUE(types.empty());  // a joined round end has no mark
}
}  // namespace
