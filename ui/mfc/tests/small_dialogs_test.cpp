// The dimensioning, copy, explode, information and custom-element dialogs
// on scripted lines: what they open with and what OK accepts.
#include "core/drawing_context.h"
#include "core/element_factory.h"
#include "core/lobject.h"
#include "core/type_tables.h"
#include "core/system_layers.h"
#include "dialog_fixture.h"
#include "ui/mfc/dimdlg.h"
#include "ui/mfc/lcpydialog.h"
#include "ui/mfc/lcustomdialog.h"
#include "ui/mfc/lexdialog.h"
#include "ui/mfc/linfodialog.h"

namespace {

using SmallDialogTest = DialogTest;

TEST_F(SmallDialogTest, DialogsWorkOnTheCurrentDocumentState) {
    LDrawingContext state;
    state.database = database;
    LSystemRecord record;
    snprintf(record.tag, sizeof record.tag, "ZL7");
    InsertSystem(state.systemList, &record);
    SetCurrentDrawing(&state);
    LCpyDialog dialog;
    INT_PTR ended = 0;
    Run(dialog, "1066=zl7\nok\n", &ended);
    SetCurrentDrawing(nullptr);
    EXPECT_EQ(dialog.systems, &state.systemList);
    EXPECT_EQ(ended, IDOK);
    EXPECT_EQ(dialog.tag, L"ZL7");  // chosen from the list, in its spelling

    LExDialog none;
    EXPECT_EQ(none.database, nullptr);  // no document: nothing to list
}

TEST_F(SmallDialogTest, DimDialogCodesAndRememberedCheck) {
    DimDlgCheckState = 1;
    struct Case {
        const char* lines;
        int16_t code, state;
    } cases[] = {
        {"ok\n", 60, 1},                // first radio, check ticked
        {"1067\n1082=0\nok\n", 8, 0},   // labels only, cleared
        {"1069\nok\n", 48, 0},          // opens cleared after a cleared run
        {"1082\n1070\nok\n", 60, 1},
        {"1069\n1082=1\nok\n", 52, 1},
        {"1067\nok\n", 12, 1},
    };
    for (const Case& c : cases) {
        CDimDlg dialog;
        INT_PTR ended = 0;
        Run(dialog, c.lines, &ended);
        EXPECT_EQ(ended, IDOK) << c.lines;
        EXPECT_EQ(dialog.code, c.code) << c.lines;
        EXPECT_EQ(DimDlgCheckState, c.state) << c.lines;
    }
    CDimDlg cancelled;
    Run(cancelled, "1082=0\ncancel\n");
    EXPECT_EQ(DimDlgCheckState, 1);  // only OK remembers
    EXPECT_NE(Run(cancelled, "help\n").find("topic_bemeretezes"), std::string::npos);
}

TEST_F(SmallDialogTest, CopyDialogTitlesAndProposedTag) {
    AddListed("ZL1");
    AddListed("ZL2");
    LCpyDialog copy;
    copy.systems = &systems;
    copy.tag = L"ZL2";
    INT_PTR ended = 0;
    std::string transcript = Run(copy, "ok\n", &ended);
    EXPECT_NE(transcript.find(DialogText(53)), std::string::npos);
    EXPECT_EQ(ended, IDOK);
    EXPECT_EQ(copy.tag, L"ZL2");
    LCpyDialog mirror;
    mirror.systems = &systems;
    mirror.mode = kMirrorMode;
    mirror.tag = L"XX";  // not listed: the box opens empty
    transcript = Run(mirror, "ok\n1066=new\nok\n", &ended);
    EXPECT_NE(transcript.find(DialogText(65)), std::string::npos);
    EXPECT_NE(transcript.find(CommandMessage(160)), std::string::npos);
    EXPECT_EQ(ended, IDOK);
    EXPECT_EQ(mirror.tag, L"new");  // a new tag is handed on as typed
    // A new tag that could name no layer is refused, the dialog stays open.
    LCpyDialog refused;
    refused.systems = &systems;
    transcript = Run(refused, "1066=a<*\nok\n", &ended);
    EXPECT_NE(transcript.find(CommandMessage(175)), std::string::npos);
    EXPECT_EQ(ended, IDCANCEL);
    EXPECT_NE(Run(mirror, "help\n").find("topic_masolas"), std::string::npos);
}

TEST_F(SmallDialogTest, ExplodeDialogOffersLayersAndRefusesBadNames) {
    CreateLayer(3, L"WALLS", database);
    LExDialog dialog;
    dialog.database = database;
    INT_PTR ended = 0;
    std::string transcript = Run(dialog, "?\nok\n1034=a:b\nok\n1034=walls\nok\n", &ended);
    EXPECT_NE(transcript.find("WALLS"), std::string::npos);
    EXPECT_EQ(transcript.find("DEFPOINTS"), std::string::npos);
    EXPECT_EQ(Count(transcript, CommandMessage(174)), 2u);
    EXPECT_EQ(ended, IDOK);
    EXPECT_EQ(dialog.layer, L"WALLS");
    EXPECT_NE(Run(dialog, "help\n").find("topic_szetvetes"), std::string::npos);
}

TEST_F(SmallDialogTest, InfoDialogShowsTheMessageTexts) {
    LInfoDialog dialog;
    INT_PTR ended = 0;
    std::string transcript = Run(dialog, "?\nok\n", &ended);
    EXPECT_EQ(ended, IDOK);
    for (int entry : {38, 39, 45, 47, 52})
        EXPECT_NE(transcript.find(DialogText(entry)), std::string::npos) << entry;
}

class CustomDialogTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        InitTypeTables();
        element = CreateElement(16, 1);
        ASSERT_NE(element, nullptr);
        AddListed("ZL1", "P1");
        AddListed("ZL2", "P2");
        LSystemRecord first;
        char tag[16] = "ZL1";
        GetSystemByTag(systems, &first, tag);
        element->SetSystemRecord(first);
    }
    void TearDown() override {
        DestroyElement(element);
        DialogTest::TearDown();
    }
    std::string RunOnElement(const std::string& lines, INT_PTR* ended = nullptr) {
        LCustomDialog dialog;
        dialog.systems = &systems;
        dialog.pElement = element;
        return Run(dialog, lines, ended);
    }
    LObject* element = nullptr;
};

TEST_F(CustomDialogTest, OpensOnTheElementAndWritesItOnOk) {
    element->SetParamText(0, "Silencer");
    element->listingFlag = 1;
    INT_PTR ended = 0;
    std::string transcript = RunOnElement("?\n1066=zl2\n1080=  by the fan  \n1081\n1078=Box\nok\n", &ended);
    EXPECT_NE(transcript.find("Silencer"), std::string::npos);
    EXPECT_EQ(ended, IDOK);
    EXPECT_STREQ(element->System().tag, "ZL2");
    EXPECT_STREQ(element->System().penLayer[0], "P2");
    EXPECT_EQ(element->GetParamText(0), "Box");
    ASSERT_NE(element->userText, nullptr);
    EXPECT_STREQ(element->userText, "by the fan");
    EXPECT_EQ(element->listingFlag, 0);
}

TEST_F(CustomDialogTest, EmptyUserTextStaysNoneAndCancelChangesNothing) {
    RunOnElement("1081=0\n1066=ZL2\ncancel\n");
    EXPECT_STREQ(element->System().tag, "ZL1");
    EXPECT_EQ(element->listingFlag, 0);
    INT_PTR ended = 0;
    RunOnElement("1081=0\nok\n", &ended);
    EXPECT_EQ(ended, IDOK);
    EXPECT_EQ(element->userText, nullptr);
    EXPECT_EQ(element->listingFlag, 1);
}

TEST_F(CustomDialogTest, OkRefusesAnEmptyOrUnlistedTag) {
    INT_PTR ended = 0;
    std::string transcript = RunOnElement("1066=\nok\n1066=ZZ\nok\n1066=zl2\nok\n", &ended);
    EXPECT_EQ(Count(transcript, CommandMessage(160)), 2u);
    EXPECT_EQ(ended, IDOK);
    EXPECT_STREQ(element->System().tag, "ZL2");
    LCustomDialog bare;
    bare.systems = &systems;
    Run(bare, "ok\n", &ended);
    EXPECT_EQ(ended, IDCANCEL);  // no element: OK is not taken, the input ends
}

} // namespace
