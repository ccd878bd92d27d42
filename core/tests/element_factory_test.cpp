// Elements made by family code, the custom element, and the readers of an
// element's identity from its list or its entity; erasing its marks and
// labels.
#include "fixtures.h"
#include "core/entity_handles.h"
#include "core/lcustom.h"
#include "core/type_tables.h"

TEST(ElementFactory, FamilyCodes) {
    InitTypeTables();
    LObject* custom = CreateElement(16, 999);
    ASSERT_NE(custom, nullptr);
    EXPECT_EQ(custom->GetFamily(), 16);
    EXPECT_EQ(custom->GetSubtype(), 1);
    EXPECT_EQ(custom->GetTypeDesc(), &CustomTypeTable[0]);
    DestroyElement(custom);
    EXPECT_EQ(CreateElement(0, 1), nullptr);
    EXPECT_EQ(CreateElement(9, 1), nullptr);
    EXPECT_EQ(CreateElement(-1, 1), nullptr);
    // Out-of-range subtypes never reach a table.
    for (int family = 1; family <= 8; ++family) {
        EXPECT_EQ(CreateElement(static_cast<int16_t>(family), 0), nullptr);
        EXPECT_EQ(CreateElement(static_cast<int16_t>(family), 65535), nullptr);
    }
    // A built class answers with its family and subtype; the equipment
    // pages 6 to 8 all record family 5.
    for (int family = 1; family <= 4; ++family) {
        LObject* element = CreateElement(static_cast<int16_t>(family), 1);
        ASSERT_NE(element, nullptr) << "family " << family;
        EXPECT_EQ(element->GetFamily(), family);
        EXPECT_EQ(element->GetSubtype(), 1);
        DestroyElement(element);
    }
}

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
// An entity list with XDATA: a few entity groups, the marker, then the
// application's groups.
struct XdataList {
    explicit XdataList(std::initializer_list<std::pair<short, const wchar_t*>> groups) {
        nodes.resize(groups.size());
        size_t i = 0;
        for (auto [code, text] : groups) {
            resbuf& rb = nodes[i];
            rb.restype = code;
            if (code == 1070)
                rb.resval.rint = static_cast<short>(std::wcstol(text, nullptr, 10));
            else
                rb.resval.rstring = const_cast<wchar_t*>(text);
            rb.rbnext = i + 1 < groups.size() ? &nodes[i + 1] : nullptr;
            ++i;
        }
    }
    const resbuf* head() const { return nodes.empty() ? nullptr : &nodes[0]; }
    std::vector<resbuf> nodes;
};
}  // namespace

TEST(ElementIdentity, ReadsTheXdataShape) {
    XdataList element({{0, L"INSERT"}, {-3, L""}, {1001, L"LurakCad_B1"}, {1000, L"HV1"},
                       {1000, L"remark"}, {1070, L"2"}, {1070, L"17"}});
    uint16_t family = 0, subtype = 0;
    EXPECT_EQ(ReadElementType(element.head(), &family, &subtype), 0);
    EXPECT_EQ(family, 2);
    EXPECT_EQ(subtype, 17);
    EXPECT_EQ(ListIsOfSystem(element.head(), "hv1"), 1);
    EXPECT_EQ(ListIsOfSystem(element.head(), "HV"), 0);
    char tag[5] = "";
    EXPECT_EQ(ReadSystemTag(element.head(), tag, sizeof tag), 0);
    EXPECT_STREQ(tag, "HV1");
}

TEST(ElementIdentity, OtherShapesAreRefused) {
    XdataList plain({{0, L"LINE"}, {8, L"0"}});
    uint16_t family = 7, subtype = 7;
    EXPECT_EQ(ReadElementType(plain.head(), &family, &subtype), -1);
    EXPECT_EQ(family, 7);
    EXPECT_EQ(subtype, 7);
    EXPECT_EQ(ReadElementType(nullptr, &family, &subtype), -1);
    XdataList oneInt({{-3, L""}, {1001, L"LurakCad_B1"}, {1070, L"2"}});
    EXPECT_EQ(ReadElementType(oneInt.head(), &family, &subtype), -1);
    EXPECT_EQ(family, 7);
    // A label: its marker text is followed by another group.
    XdataList label({{-3, L""}, {1001, L"LurakCad_B1"}, {1000, L"LABEL"}, {1070, L"3"}});
    char tag[5] = "keep";
    EXPECT_EQ(ReadSystemTag(label.head(), tag, sizeof tag), -1);
    EXPECT_STREQ(tag, "keep");
    XdataList longTag({{-3, L""}, {1001, L"LurakCad_B1"}, {1000, L"ABCDEFG"}, {1000, L""}});
    EXPECT_EQ(ReadSystemTag(longTag.head(), tag, sizeof tag), 0);
    EXPECT_STREQ(tag, "ABCD");
    char tiny[2];
    EXPECT_EQ(ReadSystemTag(longTag.head(), tiny, sizeof tiny), 0);
    EXPECT_STREQ(tiny, "A");
    XdataList emptyTag({{-3, L""}, {1001, L"LurakCad_B1"}, {1000, L""}, {1000, L""}});
    EXPECT_EQ(ReadSystemTag(emptyTag.head(), tag, sizeof tag), -1);
    EXPECT_EQ(ListIsOfSystem(plain.head(), "HV1"), 0);
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
