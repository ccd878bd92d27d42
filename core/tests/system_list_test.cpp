// The sorted system list, tag normalisation, the text fields and the
// pending changes that ModifySystem records.
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include "core/system_list.h"
#include "core/system_store.h"
#include "core/system_text.h"

namespace {
LSystemRecord Named(const char* tag, const char* labelLayer = "LBL") {
    LSystemRecord r;
    strcpy(r.tag, tag);
    strcpy(r.labelLayer, labelLayer);
    return r;
}

std::string Order(const LSystemList& list) {
    std::string tags;
    LSystemRecord r;
    for (int16_t i = 0; GetSystemByIndex(list, &r, i) == 0; ++i)
        tags += std::string(r.tag) + " ";
    return tags;
}
}  // namespace

TEST(SystemText, TagIsCutAfterFourCharactersAndUpperCased) {
    char tag[16] = "zl12x";
    NormaliseSystemTag(tag);
    EXPECT_STREQ(tag, "ZL12");
    char accented[16] = "áb1cd";  // a two-byte letter counts as one character, not upper-cased
    NormaliseSystemTag(accented);
    EXPECT_STREQ(accented, "áB1C");
    char empty[16] = "";
    NormaliseSystemTag(empty);
    EXPECT_STREQ(empty, "");
}

TEST(SystemText, CopiesAreCutAtACharacterBoundary) {
    char field[6];
    EXPECT_TRUE(CopyFieldText(field, "abc"));
    EXPECT_STREQ(field, "abc");
    EXPECT_FALSE(CopyFieldText(field, "abcdefgh"));
    EXPECT_STREQ(field, "abcde");
    // "abcdÉ" needs 6 bytes and the terminator: the É goes whole.
    EXPECT_FALSE(CopyFieldText(field, "abcdÉ"));
    EXPECT_STREQ(field, "abcd");
    EXPECT_TRUE(CopyFieldText(field, nullptr));
    EXPECT_STREQ(field, "");
    EXPECT_TRUE(SameName("Lurak-zl1", "LURAK-ZL1"));
    EXPECT_FALSE(SameName("LURAK-ZL1", "LURAK-ZL"));
}

TEST(SystemList, KeepsTagOrderAndRefusesDuplicates) {
    LSystemList list;
    for (const char* tag : {"BB", "AA", "CC"}) {
        LSystemRecord r = Named(tag);
        EXPECT_EQ(InsertSystem(list, &r), 0);
    }
    LSystemRecord again = Named("BB");
    EXPECT_EQ(InsertSystem(list, &again), -1);
    LSystemRecord empty = Named("");
    EXPECT_EQ(InsertSystem(list, &empty), -1);
    EXPECT_EQ(InsertSystem(list, nullptr), -1);
    EXPECT_EQ(list.systemCount, 3);
    EXPECT_EQ(Order(list), "AA BB CC ");
    LSystemRecord out;
    EXPECT_EQ(GetSystemByIndex(list, &out, -1), 0);
    EXPECT_STREQ(out.tag, "AA");
    EXPECT_EQ(GetSystemByIndex(list, &out, 3), -1);
    EXPECT_EQ(GetSystemByIndex(list, nullptr, 0), -1);
    char b[16] = "bb";
    EXPECT_EQ(RemoveSystemNode(list, b), 0);
    EXPECT_EQ(RemoveSystemNode(list, b), -1);
    EXPECT_EQ(Order(list), "AA CC ");
    EXPECT_EQ(list.systemCount, 2);
}

TEST(SystemList, LookupsNormaliseTheTag) {
    LSystemList list;
    LSystemRecord r = Named("ZL12");
    r.size = 80;
    InsertSystem(list, &r);
    char tag[16] = "zl12x";
    ASSERT_NE(FindSystem(list, tag), nullptr);
    EXPECT_STREQ(tag, "ZL12");
    LSystemRecord out;
    char lower[16] = "zl12";
    EXPECT_EQ(GetSystemByTag(list, &out, lower), 0);
    EXPECT_EQ(out.size, 80);
    char other[16] = "ZL1";
    EXPECT_EQ(FindSystem(list, other), nullptr);
    EXPECT_EQ(GetSystemByTag(list, nullptr, lower), -1);
    LSystemRecord stale = Named("ZL12");
    EXPECT_EQ(RefreshSystem(list, &stale), 0);
    EXPECT_EQ(stale.size, 80);
    LSystemRecord unknown = Named("QQ");
    EXPECT_EQ(RefreshSystem(list, &unknown), -1);
}

TEST(SystemList, AStartedNodeRemembersItsOwnLabelLayer) {
    LSystemList list;
    LSystemRecord a = Named("A", "LA"), c = Named("C", "LC"), b = Named("B", "LB");
    InsertSystem(list, &a);
    InsertSystem(list, &c);
    InsertSystem(list, &b);
    char tag[16] = "B";
    LSystemNode* node = FindSystem(list, tag);
    ASSERT_NE(node, nullptr);
    EXPECT_STREQ(node->oldLabelLayer, "LB");
    EXPECT_EQ(node->savedLabelOffset, -1);
    LSystemRecord recoloured = node->record;
    recoloured.dimColour = 3;
    RecordSystemChanges(*node, recoloured, 0);
    EXPECT_EQ(node->labelLayerChanged, 0);
    EXPECT_EQ(node->changeMask, 12u);
}

TEST(SystemChanges, EachKindOfChangeSetsItsMask) {
    struct Case {
        const char* what;
        void (*change)(LSystemRecord&);
        uint32_t mask;
    };
    const Case cases[] = {
        {"name only", [](LSystemRecord& r) { strcpy(r.name, "other"); }, 0},
        {"pen 0 colour", [](LSystemRecord& r) { r.penColour[0] = 1; }, 13},
        {"pen 0 layer", [](LSystemRecord& r) { strcpy(r.penLayer[0], "X"); }, 13},
        {"text size", [](LSystemRecord& r) { r.size = 50; }, 12},
        {"text style", [](LSystemRecord& r) { strcpy(r.textStyle, "ISO"); }, 12},
        {"label frame", [](LSystemRecord& r) { r.labelFrame = 0; }, 12},
        {"pen 2 linetype", [](LSystemRecord& r) { strcpy(r.penLinetype[2], "DASHED"); }, 15},
        {"zigzag scale", [](LSystemRecord& r) { r.zigzagScale = 2; }, 15},
        {"round centre lines", [](LSystemRecord& r) { r.roundCentreLines = 0; }, 15},
        {"label offset", [](LSystemRecord& r) { r.labelNumberOffset = 100; }, 12 | 4},
    };
    for (const Case& c : cases) {
        LSystemNode node;
        strcpy(node.record.tag, "ZL1");
        LSystemRecord changed = node.record;
        c.change(changed);
        RecordSystemChanges(node, changed, 0);
        EXPECT_EQ(node.changeMask, c.mask) << c.what;
    }
    // Names differing only in case are the same name.
    LSystemNode node;
    strcpy(node.record.penLayer[0], "LURAK-ZL1");
    LSystemRecord same = node.record;
    strcpy(same.penLayer[0], "lurak-zl1");
    RecordSystemChanges(node, same, 0);
    EXPECT_EQ(node.changeMask, 0u);
}

TEST(SystemChanges, AnOffsetChangedBackCancelsTheRenumbering) {
    LSystemNode node;
    LSystemRecord r = node.record;
    r.labelNumberOffset = 100;
    RecordSystemChanges(node, r, 0);
    node.record = r;
    EXPECT_EQ(node.savedLabelOffset, 0);
    r.labelNumberOffset = 250;
    RecordSystemChanges(node, r, 0);
    node.record = r;
    EXPECT_EQ(node.savedLabelOffset, 0) << "the stored numbers still reflect 0";
    r.labelNumberOffset = 0;
    RecordSystemChanges(node, r, 0);
    EXPECT_EQ(node.savedLabelOffset, -1);
}

TEST(SystemChanges, ALabelLayerChangedBackIsNoMove) {
    LSystemNode node;
    strcpy(node.record.labelLayer, "L1");
    strcpy(node.oldLabelLayer, "L1");
    LSystemRecord r = node.record;
    strcpy(r.labelLayer, "L2");
    RecordSystemChanges(node, r, 1);
    node.record = r;
    EXPECT_EQ(node.labelLayerChanged, 1);
    EXPECT_EQ(node.keepOldLabels, 1);
    EXPECT_STREQ(node.newLabelLayer, "L2");
    strcpy(r.labelLayer, "l1");
    RecordSystemChanges(node, r, 1);
    EXPECT_EQ(node.labelLayerChanged, 0);
    EXPECT_EQ(node.keepOldLabels, 0);
}
