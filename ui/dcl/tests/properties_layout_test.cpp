// How the rows that share a properties dialog make up its tiles.
#include <gtest/gtest.h>

#include "core/type_tables.h"
#include "ui/dcl/dcl_source.h"
#include "ui/dcl/properties_layout.h"

namespace {

// A row with a dialog key, a code and the given kinds.
struct TestRow {
    TestRow(const char* key, const char* code, std::initializer_list<int16_t> kinds, int16_t flows = 1) {
        AllocDescriptorArrays(&row, static_cast<int16_t>(kinds.size()), flows, kParamFree, nullptr);
        int i = 0;
        for (int16_t kind : kinds)
            SetParamRow(&row, i++, kind, 0, nullptr);
        row.dialogKey = key;
        row.displayCode = code;
    }
    ~TestRow() { FreeDescriptorArrays(&row); }
    LTypeDescriptor row;
};

TEST(PropertiesLayoutTest, AChosenValueWinsOverAnEditBoxAndTheEditTypeIsNamed) {
    TestRow unfilled("prop_x", "X-1", {kParamFree, kParamFree});
    TestRow listed("prop_x", "X-2", {kParamFree, kParamList});
    PropertiesLayouts layouts = CollectPropertiesLayouts({&unfilled.row, &listed.row});
    ASSERT_EQ(layouts.dialogs.size(), 1u);
    EXPECT_EQ(layouts.dialogs[0].valueTiles, (std::vector<ValueTile>{ValueTile::kEdit, ValueTile::kList}));
    EXPECT_EQ(layouts.dialogs[0].typeCodes, (std::vector<std::string>{"X-1", "X-2"}));
    EXPECT_EQ(layouts.conflicts, std::vector<std::string>{"X-1 in prop_x"});
}

TEST(PropertiesLayoutTest, ARowNeverShownIsNotCheckedButStillTakesItsPartAndTitle) {
    TestRow unfilled("prop_x", "X-1", {kParamFree, kParamFree, kParamFree});
    TestRow listed("prop_x", "X-2", {kParamFree, kParamList});
    PropertiesLayouts layouts = CollectPropertiesLayouts({&unfilled.row, &listed.row}, {&unfilled.row});
    EXPECT_TRUE(layouts.conflicts.empty());
    EXPECT_EQ(layouts.dialogs[0].valueTiles,
              (std::vector<ValueTile>{ValueTile::kEdit, ValueTile::kList, ValueTile::kEdit}));
    EXPECT_EQ(layouts.dialogs[0].typeCodes, (std::vector<std::string>{"X-1", "X-2"}));
    // The other row is still checked.
    layouts = CollectPropertiesLayouts({&unfilled.row, &listed.row}, {&listed.row});
    EXPECT_EQ(layouts.conflicts, std::vector<std::string>{"X-1 in prop_x"});
}

TEST(PropertiesLayoutTest, NumbersAndTextsShareOneEditBox) {
    TestRow heater("prop_m", "M-1", {kParamFree, kParamText, kParamFree}, 1);
    TestRow filter("prop_m", "M-2", {kParamEntry, kParamText, kParamText, kParamDisabled}, 2);
    PropertiesLayouts layouts = CollectPropertiesLayouts({&heater.row, &filter.row});
    EXPECT_TRUE(layouts.conflicts.empty());
    EXPECT_EQ(layouts.dialogs[0].valueTiles,
              (std::vector<ValueTile>{ValueTile::kEdit, ValueTile::kText, ValueTile::kText, ValueTile::kEdit}));
    EXPECT_EQ(layouts.dialogs[0].flowCount, 2);
}

TEST(PropertiesLayoutTest, RadioGroupsCountInParameterOrderAndTheSwitchIsAToggle) {
    TestRow damper("prop_t", "T-1", {kParamRadio, kParamFree, kParamRadio});
    SetParamRow(&damper.row, 2, kParamRadio, 3, nullptr);  // three choices
    damper.row.switchParam = 3;
    TestRow other("prop_t", "T-2", {kParamFree, kParamFree, kParamRadio});
    PropertiesLayouts layouts = CollectPropertiesLayouts({&damper.row, &other.row, nullptr});
    const PropertiesLayout& layout = layouts.dialogs[0];
    EXPECT_EQ(layout.valueTiles, (std::vector<ValueTile>{ValueTile::kRadio, ValueTile::kEdit, ValueTile::kRadio,
                                                         ValueTile::kToggle}));
    EXPECT_EQ(layout.radioGroups[0], 0);
    EXPECT_EQ(layout.radioGroups[2], 1);
    EXPECT_EQ(layout.radioChoices[0], kRadioChoices);
    EXPECT_EQ(layout.radioChoices[2], 3);
    // T-2's only radio group is the first, keyed "_1": not T-1's second.
    EXPECT_EQ(layouts.conflicts, std::vector<std::string>{"T-2 in prop_t"});
    EXPECT_EQ(RadioButtonKey(1, 3), "__3");  // the second group's third button
}

TEST(PropertiesLayoutTest, OptionParametersAreNamedInTheDialog) {
    // Autodef: type, W, H, text, F option (radio), remark flag (0 or 1).
    TestRow autodef("prop_tv_s3", "Autodef",
                    {kParamTextChoice, kParamList, kParamList, kParamText, kParamRadio, kParamEntry});
    std::string text = PropertiesDialogDcl(CollectPropertiesLayouts({&autodef.row}).dialogs[0]);
    EXPECT_NE(text.find(": toggle { key = \"v5\"; label = \"See remark\"; }"), std::string::npos) << text;
    EXPECT_NE(text.find(": boxed_radio_row { key = \"v4\"; label = \"F option\";"), std::string::npos);
    EXPECT_NE(text.find(": radio_button { key = \"_4\"; label = \"F12\"; }"), std::string::npos);
    EXPECT_EQ(text.find("\"_5\""), std::string::npos);
    // A flag that a type still takes as a free number stays an edit box.
    TestRow unfilled("prop_tv_s3", "Autodef", {0, 0, 0, 0, 0, 0});
    text = PropertiesDialogDcl(CollectPropertiesLayouts({&autodef.row, &unfilled.row}).dialogs[0]);
    EXPECT_NE(text.find(": lurak_edit { key = \"v5\"; label = \"See remark\"; }"), std::string::npos) << text;
}

}  // namespace
