// The element operations that read or erase entities of the drawing.
#include "fixtures.h"
#include "core/entity_handles.h"
#include "db/database.h"

namespace {
class ElementEntities : public ::testing::Test {
protected:
    void SetUp() override {
        drawing = host::db::Database::createDefault();
        host::api::setCurrentDatabase(drawing.get());
        acdbRegApp(kProgramAppName);
    }
    void TearDown() override {
        host::api::setCurrentDatabase(static_cast<host::db::Database*>(nullptr));
    }

    // A line, with the program's XDATA when tag is given.
    void MakeEntity(ads_name out, const wchar_t* tag = nullptr) {
        ads_point p = {0, 0, 0}, q = {10, 0, 0};
        resbuf* list = acutBuildList(RTDXF0, L"LINE", 8, L"0", 10, p, 11, q, 0);
        if (tag) {
            resbuf* last = list;
            while (last->rbnext)
                last = last->rbnext;
            last->rbnext = acutNewRb(-3);
            last = last->rbnext;
            last->rbnext = acutBuildList(1001, kProgramAppName, 1000, tag, 1000, L"remark", 1070,
                                         2, 1070, 17, 0);
        }
        ASSERT_EQ(acdbEntMake(list), RTNORM);
        acutRelRb(list);
        ASSERT_EQ(acdbEntLast(out), RTNORM);
    }

    std::unique_ptr<host::db::Database> drawing;
};
}  // namespace

TEST_F(ElementEntities, IdentityReadersOnInserts) {
    ads_name element, none = {0, 0};
    MakeEntity(element, L"HV1");
    // The readers of the entity's list (tested on lists) see its XDATA.
    uint16_t family = 0, subtype = 0;
    EXPECT_EQ(GetElementType(element, &family, &subtype), 0);
    EXPECT_EQ(subtype, 17);
    EXPECT_EQ(GetElementType(none, &family, &subtype), -1);
    EXPECT_EQ(IsElementOfSystem(element, "hv1"), 1);
    char tag[5] = "";
    EXPECT_EQ(GetElementSystemTag(element, tag, sizeof tag), 0);
    EXPECT_STREQ(tag, "HV1");
    char handle[20] = "";
    EXPECT_EQ(GetEntityHandle(element, handle, sizeof handle), 0);
    EXPECT_NE(handle[0], '\0');
    char untouched[4] = "abc";
    EXPECT_EQ(GetEntityHandle(none, untouched, sizeof untouched), -1);
    EXPECT_STREQ(untouched, "abc");
}

TEST_F(ElementEntities, ErasingMarksAndLabels) {
    TestElement e(1, 1, 0, 0);
    ads_name first, second, label;
    MakeEntity(first);
    MakeEntity(second);
    MakeEntity(label);
    e.AddMark(first);
    e.AddMark(second);
    acdbEntDel(second);  // already gone: skipped
    e.EraseMarks();
    EXPECT_EQ(e.GetMarkCount(), 0);
    EXPECT_FALSE(EntityExists(first));
    EXPECT_EQ(acdbEntDel(second), RTNORM);  // un-erases: EraseMarks left it alone
    EXPECT_TRUE(EntityExists(second));
    ads_name_set(label, e.firstLabel.insert);
    e.firstLabel.third[0] = 77;
    EXPECT_EQ(e.EraseLabel(0), 0);
    EXPECT_FALSE(EntityExists(label));
    EXPECT_TRUE(ads_name_nil(e.firstLabel.insert));
    EXPECT_EQ(e.firstLabel.third[0], 77);
    EXPECT_EQ(e.EraseLabel(1), -1);
    EXPECT_EQ(e.EraseLabel(-1), -1);
}
