// The element properties dialog on an element whose row has a tile of
// every kind: filling, reading back and refilling each kind, the greying
// modes, the airflows with their velocities, the piece-length question of
// the straight ducts and a cancel that leaves the element as it was.
#include <cmath>
#include <string>
#include <vector>

#include "core/tests/fixtures.h"
#include "dialog_session.h"
#include "ui/dcl/dcl_source.h"
#include "ui/dcl/loedit_dialog.h"
#include "ui/dcl/properties_layout.h"

namespace {

// Parameter indices of the test row, one per tile kind.
enum Param : int {
    kDiameter, kList, kPercent, kTextChoice, kRadio, kLabelled, kText, kDisabled, kEnabled, kFree, kSwitch,
    kParamTotal
};

const double kListValues[] = {100, 200, 300};
const double kGrownList[] = {100, 200, 300, 400};
const double kPercents[] = {0, 33, 50};
const char* const kChoiceTexts[] = {"one", "two", "three"};
const double kLabelledValues[] = {10, 20};
const char* const kLabels[] = {"ten", "twenty"};

// The dialog file's shared prototypes, as the module's file has them.
const char* const kPrototypes =
    "lurak_caption : text { width = 30; }\n"
    "lurak_value : text { width = 20; }\n"
    "lurak_edit : edit_box { edit_width = 10; edit_limit = 31; }\n"
    "lurak_list : popup_list { edit_width = 10; }\n";

// The core tests' element with round connectors bound to the diameter and
// the free number; SetParams reports a change of lists when the list
// parameter reaches 300, and then offers one more list entry.
class DialogElement : public TestElement {
public:
    DialogElement(uint16_t family, uint16_t subtype, LTypeDescriptor* row)
        : TestElement(family, subtype, 2, kParamTotal, row) {
        for (int i = 0; i < 2; ++i)
            connectors[i]->shape = kShapeRound;
        connectors[0]->paramA = kDiameter;
        connectors[1]->paramA = kFree;
        values = {200, 100, 33, 2, 2, 20, 0, 7, 8, 9, 1};
        Apply();
    }
    int16_t MarkFixedParams(int16_t* flags) override {
        if (flags)
            flags[kPercent] = 1;
        return 0;
    }
    int16_t SetParams(const double* in) override {
        TestElement::SetParams(in);
        return Apply();
    }
    double GetQuantity() override { return quantity; }

    int16_t Apply() {
        connectors[0]->a = values[kDiameter];
        bool grow = values[kList] == 300 && descriptor->valueCounts[kList] == 3;
        if (grow) {
            descriptor->valueLists[kList] = kGrownList;
            descriptor->valueCounts[kList] = 4;
        }
        return grow ? 1 : 0;
    }

    double quantity = 0.5;
};

class LOEditDlgTest : public DialogSession {
protected:
    void SetUp() override {
        DialogSession::SetUp();
        AllocDescriptorArrays(&row, kParamTotal, 2, kParamFree, nullptr);
        SetParamRow(&row, kDiameter, kParamDiameter, 0, nullptr);
        SetParamRow(&row, kList, kParamList, 3, kListValues);
        SetParamRow(&row, kPercent, kParamPercent, 3, kPercents);
        SetParamRow(&row, kTextChoice, kParamTextChoice, 3, kChoiceTexts);
        SetParamRow(&row, kRadio, kParamRadio, 3, nullptr);
        SetParamRow(&row, kLabelled, kParamLabelled, 2, kLabelledValues);
        row.textLists[kLabelled] = kLabels;
        SetParamRow(&row, kText, kParamText, 0, nullptr);
        SetParamRow(&row, kDisabled, kParamDisabled, 0, nullptr);
        SetParamRow(&row, kEnabled, kParamEnabled, 0, nullptr);
        row.switchParam = kSwitch;
        row.flowConnectors[0] = 0;
        row.flowConnectors[1] = -1;
        row.dialogKey = "prop_test";
        row.cataloguePage = "9.99";
        row.displayCode = "TST-1";
        row.slideName = "tst";
        row.captions[kList] = "List:";
        PropertiesLayouts layouts = CollectPropertiesLayouts({&row});
        ASSERT_EQ(layouts.dialogs.size(), 1u);
        UseOwnDialogFile((std::string(kPrototypes) + PropertiesDialogDcl(layouts.dialogs[0])).c_str());
        element = std::make_unique<DialogElement>(7, 1, &row);
        element->connectors[0]->flow = 1000;
        dlg.element = element.get();
    }
    void TearDown() override {
        element.reset();
        FreeDescriptorArrays(&row);
        DialogSession::TearDown();
    }

    int16_t Run(const std::string& script) {
        host::io::setScript(script);
        return dlg.Run();
    }
    const host::dcl::TileState* Tile(const char* key) {
        state = host::dcl::lastDialogState();
        return state ? state->tile(key) : nullptr;
    }
    std::string Value(const char* key) {
        const host::dcl::TileState* tile = Tile(key);
        return tile ? tile->value : "(no tile " + std::string(key) + ")";
    }
    bool Enabled(const char* key) {
        const host::dcl::TileState* tile = Tile(key);
        return tile && tile->enabled;
    }

    LTypeDescriptor row;
    std::unique_ptr<DialogElement> element;
    LOEditDlg dlg;
    std::optional<host::dcl::DialogState> state;
};

TEST_F(LOEditDlgTest, EveryKindIsFilledAndShownFromTheElement) {
    ASSERT_EQ(Run("accept\n"), 0);
    EXPECT_EQ(Value("l0"), "9.99");
    EXPECT_EQ(Value("l1"), "TST-1");
    EXPECT_EQ(Value("p1"), "List:");
    EXPECT_EQ(Tile("v0")->items.size(), 31u);
    EXPECT_EQ(Value("v0"), "10");  // 200 is the eleventh standard diameter
    EXPECT_EQ(Tile("v1")->items, (std::vector<std::string>{"100", "200", "300"}));
    EXPECT_EQ(Value("v1"), "0");
    EXPECT_EQ(Tile("v2")->items, (std::vector<std::string>{"0", "33%", "50%"}));
    EXPECT_EQ(Value("v2"), "1");
    EXPECT_EQ(Tile("v3")->items, (std::vector<std::string>{"one", "two", "three"}));
    EXPECT_EQ(Value("v3"), "1");       // choice 2 is the second row
    EXPECT_EQ(Value("v4"), "_2");      // the first radio group
    EXPECT_EQ(Tile("v5")->items, (std::vector<std::string>{"ten", "twenty"}));
    EXPECT_EQ(Value("v5"), "1");
    EXPECT_FALSE(Enabled("v7"));
    EXPECT_EQ(Value("v7"), "7");
    EXPECT_TRUE(Enabled("v8"));
    EXPECT_EQ(Value("v9"), "9");
    EXPECT_EQ(Value("v10"), "1");      // the switch
    EXPECT_EQ(Value("dbjegy"), "1");
    EXPECT_EQ(Value("lm0"), "1000");
    EXPECT_EQ(Value("lm1"), "0");
    EXPECT_EQ(Value("ls1"), "");       // no airflow: no velocity
    // 1000 m3/h through a round connector of 200: 8.8 m/s.
    EXPECT_EQ(Value("ls0"), "8.8");
}

TEST_F(LOEditDlgTest, EveryKindIsReadBackIntoTheElementAtOnce) {
    ASSERT_EQ(Run("v0=18\nv2=2\nv3=0\nv4=_3\nv5=0\nv6=left side\nv9=12.7\nv10=0\n"
                  "dbjegy=0\nmsg=see note\naccept\n"),
              0);
    const std::vector<double>& v = element->values;
    EXPECT_EQ(v[kDiameter], 400);
    EXPECT_EQ(v[kPercent], 50);
    EXPECT_EQ(v[kTextChoice], 1);
    EXPECT_EQ(v[kRadio], 3);
    EXPECT_EQ(v[kLabelled], 10);
    EXPECT_EQ(element->GetParamText(kText), "left side");
    EXPECT_EQ(v[kFree], 13);      // rounded
    EXPECT_EQ(v[kSwitch], -1);    // off
    EXPECT_EQ(element->listingFlag, 1);
    ASSERT_NE(element->userText, nullptr);
    EXPECT_STREQ(element->userText, "see note");
    EXPECT_EQ(dlg.cancelled, 0);
}

TEST_F(LOEditDlgTest, ListsAreRefilledWhenTheElementChangesThem) {
    ASSERT_EQ(Run("v1=2\n?\naccept\n"), 0);
    EXPECT_EQ(element->values[kList], 300);
    EXPECT_EQ(Tile("v1")->items, (std::vector<std::string>{"100", "200", "300", "400"}));
    EXPECT_EQ(Value("v1"), "2");
    EXPECT_FALSE(Enabled("v7"));  // disabled again
    EXPECT_TRUE(Enabled("v8"));
}

// A refill wakes the tiles the element enables, never those a joint fixes.
TEST_F(LOEditDlgTest, AJointsGreyingOutlastsARefill) {
    dlg.greyingMode = 0;
    ASSERT_EQ(Run("v1=2\naccept\n"), 0);
    EXPECT_EQ(Tile("v1")->items.size(), 4u);
    EXPECT_FALSE(Enabled("v0"));
    EXPECT_FALSE(Enabled("p0"));
    EXPECT_TRUE(Enabled("v8"));
}

// A disabled tile is not read back: its value is not rounded to the whole
// number the tile would read as.
TEST_F(LOEditDlgTest, DisabledTilesKeepTheirValuesExactly) {
    element->values[kDisabled] = 7.5;
    dlg.greyingMode = 1;  // greys the free number
    element->values[kFree] = 2.5;
    ASSERT_EQ(Run("v1=1\naccept\n"), 0);
    EXPECT_EQ(element->values[kDisabled], 7.5);
    EXPECT_EQ(element->values[kFree], 2.5);
}

TEST_F(LOEditDlgTest, AValueOffTheListKeepsItsValueWhileOtherTilesChange) {
    element->values[kDiameter] = 205;  // not a standard diameter
    ASSERT_EQ(Run("v9=5\naccept\n"), 0);
    EXPECT_EQ(element->values[kDiameter], 205);
    EXPECT_EQ(element->values[kFree], 5);
}

TEST_F(LOEditDlgTest, AnAirflowThatIsNotANumberKeepsThePreviousOne) {
    ASSERT_EQ(Run("lm0=lots\nlm1=90\naccept\n"), 0);
    EXPECT_EQ(element->connectors[0]->flow, 1000);
    EXPECT_EQ(element->GetFlow(), 90);
    // 90 m3/h over the element's own quantity of 0.5.
    EXPECT_EQ(Value("ls1"), "49860.0");
}

TEST_F(LOEditDlgTest, CancelPutsBackEverythingTheDialogChanged) {
    element->SetParamText(kText, "kept");
    SetElementUserText(element.get(), "remark");
    std::vector<double> before = element->values;
    ASSERT_EQ(Run("v0=18\nv1=2\nv6=other\nlm0=5000\nlm1=70\ndbjegy=0\nmsg=changed\ncancel\n"), 0);
    EXPECT_EQ(dlg.cancelled, 1);
    EXPECT_EQ(element->values, before);
    EXPECT_EQ(element->connectors[0]->flow, 1000);
    EXPECT_EQ(element->GetFlow(), 0);
    EXPECT_EQ(element->GetParamText(kText), "kept");
    EXPECT_EQ(element->listingFlag, 0);
    ASSERT_NE(element->userText, nullptr);
    EXPECT_STREQ(element->userText, "remark");
    // An element without a remark has none again.
    SetElementUserText(element.get(), nullptr);
    ASSERT_EQ(Run("msg=new\ncancel\n"), 0);
    EXPECT_EQ(element->userText, nullptr);
}

TEST_F(LOEditDlgTest, GreyingModesGreyTheBoundAndFixedParameters) {
    struct Case {
        int16_t mode;
        std::vector<std::string> greyed;
        std::vector<std::string> open;
    };
    const std::vector<Case> cases = {
        {kGreyNone, {}, {"v0", "v2", "v9"}},
        {0, {"v0", "p0"}, {"v2", "v9"}},
        {1, {"v9", "p9"}, {"v0", "v2"}},
        {kGreyEveryJoint, {"v0", "v9", "v2", "p2"}, {"v1", "v3"}},
    };
    for (const Case& c : cases) {
        dlg.greyingMode = c.mode;
        ASSERT_EQ(Run("accept\n"), 0);
        for (const std::string& key : c.greyed)
            EXPECT_FALSE(Enabled(key.c_str())) << "mode " << c.mode << " " << key;
        for (const std::string& key : c.open)
            EXPECT_TRUE(Enabled(key.c_str())) << "mode " << c.mode << " " << key;
    }
}

TEST_F(LOEditDlgTest, AnElementWithoutParametersOrDialogIsNotShown) {
    LOEditDlg empty;
    EXPECT_EQ(empty.Run(), -1);
    row.dialogKey = "prop_missing";
    host::io::setScript("accept\n");
    EXPECT_EQ(dlg.Run(), -1);
    EXPECT_NE(host::io::takeTranscript().find("Dialog 'prop_missing' is missing"), std::string::npos);
}

// The straight ducts bought in standard pieces: family 1 and 2, subtype 1.
class PieceLengthTest : public LOEditDlgTest {
protected:
    void SetUp() override {
        LOEditDlgTest::SetUp();
        duct = std::make_unique<DialogElement>(1, 1, &row);
        duct->values[2] = 1000;  // the length of a rectangular duct
        duct->values[4] = 1500;  // its piece length
        dlg.element = duct.get();
        dlg.rectPieceLength = 1500;
    }
    void TearDown() override {
        duct.reset();
        LOEditDlgTest::TearDown();
    }
    std::unique_ptr<DialogElement> duct;
};

TEST_F(PieceLengthTest, YesMakesOnePieceNoFallsBackAndKeepsTheDialogOpen) {
    ASSERT_EQ(Run("accept\n"), 0);  // 1000 is not above 1500: no question
    EXPECT_EQ(duct->values[4], 1500);
    duct->values[2] = 1500;
    ASSERT_EQ(Run("accept\n"), 0);  // nor is 1500
    EXPECT_EQ(host::io::takeTranscript().find("standard piece length"), std::string::npos);
    duct->values[2] = 2000;
    ASSERT_EQ(Run("accept\nyes\n"), 0);
    EXPECT_EQ(duct->values[4], 2000);
    EXPECT_EQ(dlg.cancelled, 0);
    duct->values[4] = 1500;
    std::string asked = host::io::takeTranscript();
    EXPECT_NE(asked.find("The standard piece length is 1500 but the duct is 2000 long."), std::string::npos);
    // No: the length falls back to the standard one and the dialog stays
    // open; the next accept closes it without asking.
    ASSERT_EQ(Run("accept\nno\naccept\n"), 0);
    EXPECT_EQ(duct->values[2], 1500);
    EXPECT_EQ(duct->values[4], 1500);
    EXPECT_EQ(dlg.cancelled, 0);
    std::string twice = host::io::takeTranscript();
    size_t first = twice.find("standard piece length");
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(twice.find("standard piece length", first + 1), std::string::npos);
}

TEST_F(PieceLengthTest, TheSpiralDuctIsHeldAgainstTheRoundPieceLength) {
    DialogElement spiral(2, 1, &row);
    spiral.values[1] = 7500;
    dlg.element = &spiral;
    dlg.roundPieceLength = 6000;
    ASSERT_EQ(Run("accept\nyes\n"), 0);
    EXPECT_EQ(spiral.values[2], 7500);
    EXPECT_NE(host::io::takeTranscript().find("piece length is 6000 but the duct is 7500 long"),
              std::string::npos);
}

// One decimal and no airflow are shown by the dialog above.
TEST(VelocityTextTest, EmptyWithoutArea) { EXPECT_EQ(VelocityText(100, 0), ""); }

}  // namespace
