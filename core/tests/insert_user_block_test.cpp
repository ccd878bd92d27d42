// The custom element, drawn from a block the user made: inserted as a block
// reference of that block, then rebuilt from it by the real factory.
#include "fixtures.h"
#include "core/lcustom.h"
#include "core/type_tables.h"

namespace {
class UserBlockTest : public JointDrawingTest {
protected:
    void SetUp() override {
        JointDrawingTest::SetUp();
        InitTypeTables();
        SetElementMaker(nullptr);  // the real factory
        ads_point o = {0, 0, 0}, p = {40, 20, 0};
        resbuf* begin = acutBuildList(RTDXF0, L"BLOCK", 2, L"PUMP", 10, o, 70, 0, 0);
        resbuf* line = acutBuildList(RTDXF0, L"LINE", 8, L"0", 10, o, 11, p, 0);
        resbuf* end = acutBuildList(RTDXF0, L"ENDBLK", 0);
        acdbEntMake(begin);
        acdbEntMake(line);
        acdbEntMake(end);
        acutRelRb(begin);
        acutRelRb(line);
        acutRelRb(end);
        AcDbBlockTable* table = nullptr;
        ASSERT_EQ(database->getBlockTable(table, AcDb::kForRead), Acad::eOk);
        ASSERT_EQ(table->getAt(L"PUMP", block), Acad::eOk);
        table->close();
    }
    AcDbObjectId block;
};

TEST_F(UserBlockTest, InsertedAndRebuiltWithItsBlockAndScale) {
    std::unique_ptr<LObject, void (*)(LObject*)> e(new LCustom, DestroyElement);
    e->SetSystemRecord(record);
    e->SetBlockId(block);
    e->SetScale(2, 3, 1);
    e->SetParamText(0, "szivattyú");
    ads_point at = {100, 200, 0};
    e->SetInsertionPoint(at);
    ASSERT_EQ(e->Insert(15), 0) << host::api::lastError();
    ASSERT_FALSE(ads_name_nil(e->entity));
    EXPECT_STRNE(e->HandleText(), "0");
    std::unique_ptr<LObject, void (*)(LObject*)> back(LoadElementFromEntity(e->entity), DestroyElement);
    ASSERT_NE(back, nullptr);
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
    std::unique_ptr<LObject, void (*)(LObject*)> again(LoadElementFromEntity(e->entity), DestroyElement);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->GetBlockId(), block);
    EXPECT_NEAR(again->GetRotation(), kHalfPi, 1e-12);
}
}  // namespace
