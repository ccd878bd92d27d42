// The custom element, and the readers of an element's identity from its
// list or its entity; erasing its marks and labels.
#include "fixtures.h"
#include "core/entity_handles.h"
#include "core/lcustom.h"
#include "core/type_tables.h"

TEST(CustomElement, DescribedByItsNameText) {
    InitTypeTables();
    LCustom e;
    EXPECT_EQ(e.ParamIsText(0), 1);
    char* text = e.GetDescription();
    EXPECT_STREQ(text, "<CUSTOM OBJECT>");
    delete[] text;
    e.SetParamText(0, "Légkezelő");
    e.SetFlow(150);
    char* flow = e.GetFlowText();
    EXPECT_STREQ(flow, "V=150 m3/h;");
    delete[] flow;
    LBomRow* rows = nullptr;
    uint16_t count = 0;
    ASSERT_EQ(e.GetBomLines(&rows, &count, nullptr, nullptr), 0);
    EXPECT_STREQ(rows[0].description, "Légkezelő");
    FreeBomRows(rows, count);
}

namespace {
using List = std::unique_ptr<resbuf, int (*)(resbuf*)>;

// An entity list with the program's XDATA groups after the marker.
template <class... Groups>
List Xdata(Groups... groups) {
    return List(acutBuildList(-3, 1001, L"LurakCad_B1", groups..., 0), acutRelRb);
}
}  // namespace

TEST(ElementIdentity, ReadsTheXdataShape) {
    List element(acutBuildList(RTDXF0, L"INSERT", -3, 1001, L"LurakCad_B1", 1000, L"HV1", 1000, L"remark",
                               1070, 2, 1070, 17, 0), acutRelRb);
    uint16_t family = 0, subtype = 0;
    EXPECT_EQ(ReadElementType(element.get(), &family, &subtype), 0);
    EXPECT_EQ(family, 2);
    EXPECT_EQ(subtype, 17);
    EXPECT_EQ(ListIsOfSystem(element.get(), "hv1"), 1);
    EXPECT_EQ(ListIsOfSystem(element.get(), "HV"), 0);
    char tag[5] = "";
    EXPECT_EQ(ReadSystemTag(element.get(), tag, sizeof tag), 0);
    EXPECT_STREQ(tag, "HV1");
}

TEST(ElementIdentity, OtherShapesAreRefused) {
    List plain(acutBuildList(RTDXF0, L"LINE", 8, L"0", 0), acutRelRb);
    uint16_t family = 7, subtype = 7;
    EXPECT_EQ(ReadElementType(plain.get(), &family, &subtype), -1);
    EXPECT_EQ(family, 7);
    EXPECT_EQ(subtype, 7);
    EXPECT_EQ(ReadElementType(nullptr, &family, &subtype), -1);
    EXPECT_EQ(ReadElementType(Xdata(1070, 2).get(), &family, &subtype), -1);
    EXPECT_EQ(family, 7);
    // A label: its marker text is followed by another group.
    char tag[5] = "keep";
    EXPECT_EQ(ReadSystemTag(Xdata(1000, L"LABEL", 1070, 3).get(), tag, sizeof tag), -1);
    EXPECT_STREQ(tag, "keep");
    List longTag = Xdata(1000, L"ABCDEFG", 1000, L"");
    EXPECT_EQ(ReadSystemTag(longTag.get(), tag, sizeof tag), 0);
    EXPECT_STREQ(tag, "ABCD");
    char tiny[2];
    EXPECT_EQ(ReadSystemTag(longTag.get(), tiny, sizeof tiny), 0);
    EXPECT_STREQ(tiny, "A");
    EXPECT_EQ(ReadSystemTag(Xdata(1000, L"", 1000, L"").get(), tag, sizeof tag), -1);
    EXPECT_EQ(ListIsOfSystem(plain.get(), "HV1"), 0);
}

using ElementEntities = SystemDrawingTest;

TEST_F(ElementEntities, IdentityReadersOnInserts) {
    TestEntity element = Element("HV1", "0");
    ads_name none = {0, 0};
    // The readers of the entity's list (tested on lists) see its XDATA.
    uint16_t family = 0, subtype = 9;
    EXPECT_EQ(GetElementType(element.name, &family, &subtype), 0);
    EXPECT_EQ(family, 16);
    EXPECT_EQ(subtype, 0);
    EXPECT_EQ(GetElementType(none, &family, &subtype), -1);
    EXPECT_EQ(IsElementOfSystem(element.name, "hv1"), 1);
    char tag[5] = "";
    EXPECT_EQ(GetElementSystemTag(element.name, tag, sizeof tag), 0);
    EXPECT_STREQ(tag, "HV1");
    char handle[20] = "";
    EXPECT_EQ(GetEntityHandle(element.name, handle, sizeof handle), 0);
    EXPECT_EQ(handle, element.handle);
    char untouched[4] = "abc";
    EXPECT_EQ(GetEntityHandle(none, untouched, sizeof untouched), -1);
    EXPECT_STREQ(untouched, "abc");
}

TEST_F(ElementEntities, ErasingMarksAndLabels) {
    TestElement e(1, 1, 0, 0);
    TestEntity first = Line(), second = Line(), label = Line();
    e.AddMark(first.name);
    e.AddMark(second.name);
    acdbEntDel(second.name);  // already gone: skipped
    e.EraseMarks();
    EXPECT_EQ(e.GetMarkCount(), 0);
    EXPECT_FALSE(EntityExists(first.name));
    EXPECT_EQ(acdbEntDel(second.name), RTNORM);  // un-erases: EraseMarks left it alone
    EXPECT_TRUE(EntityExists(second.name));
    ads_name_set(label.name, e.firstLabel.insert);
    e.firstLabel.third[0] = 77;
    EXPECT_EQ(e.EraseLabel(0), 0);
    EXPECT_FALSE(EntityExists(label.name));
    EXPECT_TRUE(ads_name_nil(e.firstLabel.insert));
    EXPECT_EQ(e.firstLabel.third[0], 77);
    EXPECT_EQ(e.EraseLabel(1), -1);
    EXPECT_EQ(e.EraseLabel(-1), -1);
}
