// The host messages: what initialization, drawing load and unload, function
// calls and module unload leave behind.
#include "ads_entity.h"
#include "app/dispatch.h"
#include "app/doc_state.h"
#include "app/module_state.h"
#include "app/reactors.h"
#include "core/message_numbers.h"
#include "core/messages.h"
#include "module_fixture.h"
#include "shell/session.h"

using EntryPointTest = ModuleFixture;

TEST_F(EntryPointTest, DrawingLoadDefinesTheFunctionsAndLoadsTheMenu) {
    host::shell::Document* doc = NewDocument();
    StartModule();
    auto& functions = doc->functions();
    ASSERT_EQ(functions.size(), 28u);
    EXPECT_EQ(functions["C:LNVF"], 0);
    EXPECT_EQ(functions["C:LCONTD"], 23);
    EXPECT_EQ(functions["C:LCUSTOM"], 27);
    ASSERT_EQ(doc->menus().size(), 1u);
    EXPECT_EQ(doc->menus()[0], "LURAK.cui");
    EXPECT_EQ(std::wstring(AppNameFilter()->resval.rstring), L"LurakCad_B1");
    EXPECT_EQ(AppNameFilter()->restype, RTSTR);
    Send(AcRx::kUnloadDwgMsg, doc);
    EXPECT_TRUE(doc->functions().empty());
}

TEST_F(EntryPointTest, QuitRemovesEachDrawingsStateAtItsUnloadAndUnloadFreesTheRest) {
    host::shell::Document* a = NewDocument();
    host::shell::Document* b = NewDocument();
    NewDocument();
    StartModule();
    ASSERT_EQ(DocStateCount(), 3);
    EXPECT_NE(LabelReactorInstance(), nullptr);
    EXPECT_NE(RedrawReactorInstance(), nullptr);
    EXPECT_EQ(acedEditor->reactorCount(), 1);
    Send(AcRx::kPreQuitMsg);
    Send(AcRx::kUnloadDwgMsg, b);
    EXPECT_EQ(DocStateOf(b), nullptr);
    EXPECT_NE(DocStateOf(a), nullptr);
    host::shell::makeCurrent(a);
    StopModule();
    EXPECT_EQ(LabelReactorInstance(), nullptr);
    EXPECT_EQ(RedrawReactorInstance(), nullptr);
    EXPECT_EQ(acedEditor->reactorCount(), 0);
    EXPECT_EQ(DocStateCount(), 0);
    EXPECT_EQ(CurrentDocState, nullptr);
    // The walk over the drawings leaves the drawing that was current.
    EXPECT_EQ(host::shell::currentDocument(), a);
}

TEST_F(EntryPointTest, FunctionCallsAnswerByCode) {
    NewDocument();
    StartModule();
    Transcript();
    EXPECT_EQ(InvokeFunctionCode(25), 1);
    EXPECT_NE(Transcript().find("Help: file " + installDir.string() + "/Lurak.hlp, topic main_index"),
              std::string::npos);
    // The copy command asks for its selection; without input it ends.
    EXPECT_EQ(InvokeFunctionCode(21), 1);
    std::string copy = Transcript();
    EXPECT_NE(copy.find("Select objects"), std::string::npos) << copy;
    EXPECT_EQ(copy.find("not available"), std::string::npos) << copy;
    EXPECT_EQ(InvokeFunctionCode(28), 0);
    EXPECT_NE(Transcript().find(std::string("ERROR: ") + CommandMessage(kMsgUnknownFunction)), std::string::npos);
    EXPECT_EQ(InvokeFunctionCode(-1), 0);
}

TEST_F(EntryPointTest, OtherMessageCodesChangeNothing) {
    host::shell::Document* doc = NewDocument();
    StartModule();
    LDocState* state = CurrentDocState;
    Transcript();
    for (int code : {0, 6, 7, 8, 9, 10, 11, 12, 14, 15, 16, 99})
        Send(static_cast<AcRx::AppMsgCode>(code), doc);
    EXPECT_EQ(Transcript(), "");
    EXPECT_EQ(CurrentDocState, state);
    EXPECT_EQ(doc->functions().size(), 28u);
    EXPECT_EQ(Module().quitPending, 0);
}

TEST_F(EntryPointTest, MissingMessagesFileLeavesTheModuleInertAndTheHostRunning) {
    std::filesystem::remove(installDir / "lurak.msg");
    host::shell::Document* doc = NewDocument();
    StartModule();
    std::string shown = Transcript();
    EXPECT_NE(shown.find("ERROR: Cannot open messages file, aborting."), std::string::npos) << shown;
    EXPECT_TRUE(doc->functions().empty());
    EXPECT_EQ(DocStateCount(), 0);
    EXPECT_EQ(LabelReactorInstance(), nullptr);
    // Later drawings and calls find nothing to do.
    host::shell::Document* second = NewDocument();
    Send(AcRx::kLoadDwgMsg, second);
    Send(AcRx::kInvkSubrMsg, second);
    EXPECT_TRUE(second->functions().empty());
    StopModule();
    EXPECT_EQ(acedEditor->reactorCount(), 0);
}

static bool HasLinetype(const wchar_t* name) {
    resbuf* record = acdbTblSearch(L"LTYPE", name, 0);
    acutRelRb(record);
    return record != nullptr;
}

TEST_F(EntryPointTest, FirstCallAfterADrawingLoadLoadsTheSystemLinetypes) {
    host::shell::Document* a = NewDocument();
    StartModule();
    EXPECT_FALSE(HasLinetype(L"SZAGGATOTT"));
    Send(AcRx::kInvkSubrMsg, a);
    EXPECT_TRUE(HasLinetype(L"KÖZÉP"));
    EXPECT_TRUE(HasLinetype(L"CIKKCAKK"));
    EXPECT_EQ(Module().linetypesPending, 0);
    host::shell::Document* b = NewDocument();
    Send(AcRx::kLoadDwgMsg, b);
    EXPECT_EQ(Module().linetypesPending, 1);
    Send(AcRx::kInvkSubrMsg, b);
    EXPECT_TRUE(HasLinetype(L"SZAGGATOTT"));
}
