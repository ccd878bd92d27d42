// One state per drawing: created on first sight, found again on a switch,
// never reached once its drawing is closed, all freed at unload.
#include <cstring>

#include "ads_entity.h"
#include "app/doc_state.h"
#include "app/module_state.h"
#include "core/drawing_context.h"
#include "core/insert_defaults.h"
#include "module_fixture.h"
#include "shell/session.h"

using DocStateTest = ModuleFixture;

TEST_F(DocStateTest, EachDrawingKeepsItsOwnStateAcrossSwitches) {
    host::shell::Document* a = NewDocument();
    host::shell::Document* b = NewDocument();
    StartModule();
    ASSERT_EQ(DocStateCount(), 2);
    LDocState* stateA = DocStateOf(a);
    LDocState* stateB = DocStateOf(b);
    ASSERT_NE(stateA, nullptr);
    ASSERT_NE(stateB, nullptr);
    EXPECT_NE(stateA, stateB);
    Send(AcRx::kInvkSubrMsg, a);
    EXPECT_EQ(CurrentDocState, stateA);
    EXPECT_EQ(stateA->database, a->database());
    stateA->defaults.labelDistance = 75.0;
    stateA->defaults.insertScale = AcGeScale3d(2.0);
    strcpy(stateA->currentSystem.tag, "ZL1");
    Send(AcRx::kInvkSubrMsg, b);
    EXPECT_EQ(CurrentDocState, stateB);
    EXPECT_EQ(CurrentDrawing(), stateB);  // the core works in the same drawing
    EXPECT_EQ(stateB->defaults.labelDistance, 50.0);
    EXPECT_EQ(CurrentInsertScale(), AcGeScale3d(1.0));
    stateA->database = nullptr;
    Send(AcRx::kInvkSubrMsg, a);
    EXPECT_EQ(CurrentDocState, stateA);
    EXPECT_EQ(stateA->database, a->database());
    EXPECT_EQ(stateA->defaults.labelDistance, 75.0);
    EXPECT_STREQ(stateA->currentSystem.tag, "ZL1");
    EXPECT_EQ(CurrentInsertScale(), AcGeScale3d(2.0));
    EXPECT_EQ(DocStateCount(), 2);
}

TEST_F(DocStateTest, NewStateHasTheDefaultPiecesAndNoCurrentElement) {
    NewDocument();
    StartModule();
    ASSERT_NE(CurrentDocState, nullptr);
    const LDocState& s = *CurrentDocState;
    EXPECT_EQ(s.defaults.rectPieceLength, 1500.0);
    EXPECT_EQ(s.defaults.roundPieceLength, 6000.0);
    EXPECT_EQ(s.selectionState, -1);
    EXPECT_EQ(s.current, nullptr);
    // The drawing now has the program's dictionary entry, and no systems.
    EXPECT_FALSE(ads_name_nil(s.systemList.programDictionary));
    EXPECT_EQ(s.systemList.systemCount, 0);
}

TEST_F(DocStateTest, DrawingsGetTheirStateAtTheirLoadAndClosedOnesAreNeverReachedAgain) {
    Send(AcRx::kInitAppMsg);
    started = true;
    EXPECT_EQ(DocStateCount(), 0);
    EXPECT_EQ(CurrentDocState, nullptr);
    host::shell::Document* a = NewDocument();
    Send(AcRx::kLoadDwgMsg, a);
    EXPECT_EQ(DocStateCount(), 1);
    EXPECT_EQ(CurrentDocState, DocStateOf(a));
    host::shell::Document* b = NewDocument();
    Send(AcRx::kLoadDwgMsg, b);
    Send(AcRx::kUnloadDwgMsg, a);
    host::shell::documents().close(a);
    EXPECT_EQ(DocStateOf(a), nullptr);
    host::shell::Document* c = NewDocument();
    Send(AcRx::kLoadDwgMsg, c);
    EXPECT_NE(DocStateOf(c), nullptr);
    EXPECT_NE(DocStateOf(b), nullptr);
    EXPECT_EQ(DocStateCount(), 2);
}

TEST_F(DocStateTest, RemovingTheCurrentStateLeavesNoneUntilTheNextSwitch) {
    host::shell::Document* a = NewDocument();
    StartModule();
    host::shell::makeCurrent(a);
    RemoveDocState();
    EXPECT_EQ(CurrentDocState, nullptr);
    EXPECT_EQ(CurrentDrawing(), nullptr);  // nothing can reach the freed state
    EXPECT_EQ(DocStateOf(a), nullptr);
    RemoveDocState();  // a drawing without a state changes nothing
    SwitchDocState();
    EXPECT_NE(CurrentDocState, nullptr);
    EXPECT_EQ(CurrentDocState, DocStateOf(a));
}

TEST_F(DocStateTest, DefaultsStoredInTheDrawingAreReadAtFirstSight) {
    host::shell::Document* doc = NewDocument();
    ads_name named, dictionary;
    ASSERT_EQ(acdbNamedObjDict(named), RTNORM);
    resbuf* list = acutBuildList(RTDXF0, L"DICTIONARY", 100, L"AcDbDictionary", 0);
    ASSERT_EQ(acdbEntMakeX(list, dictionary), RTNORM);
    acutRelRb(list);
    ASSERT_EQ(acdbDictAdd(named, L"LurakCad_B1", dictionary), RTNORM);
    acdbRegApp(L"LurakCad_B1");
    list = acutBuildList(-1, dictionary, -3, 1001, L"LurakCad_B1", 1040, 80.0, 1040, 1200.0,
                         1040, 5000.0, 1040, 0.5, 0);
    ASSERT_EQ(acdbEntMod(list), RTNORM);
    acutRelRb(list);
    StartModule();
    LDocState* state = DocStateOf(doc);
    ASSERT_NE(state, nullptr);
    EXPECT_EQ(state->defaults.labelDistance, 80.0);
    EXPECT_EQ(state->defaults.rectPieceLength, 1200.0);
    EXPECT_EQ(state->defaults.roundPieceLength, 5000.0);
    EXPECT_EQ(state->defaults.insertScale, AcGeScale3d(0.5));
    EXPECT_TRUE(ads_name_equal(state->systemList.programDictionary, dictionary));
}
