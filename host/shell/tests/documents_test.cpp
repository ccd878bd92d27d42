#include "aced_input.h"
#include "acrx_app.h"
#include "ads_entity.h"
#include "shell/documents.h"
#include "shell_fixture.h"

using Documents = ShellTest;
using host::shell::Document;

TEST_F(Documents, IdentityIsNeverReused) {
    Document* second = host::shell::newDrawing();
    uint64_t closedSerial = second->serial();
    host::shell::closeDrawing(second);
    Document* third = host::shell::newDrawing();
    EXPECT_NE(third, second);
    EXPECT_GT(third->serial(), closedSerial);
    EXPECT_EQ(acDocManager->documentCount(), 2);
    EXPECT_NE(acDocManager->setCurDocument(second), 0);  // a closed document cannot be made current
    EXPECT_EQ(acDocManager->curDocument(), third);
}

TEST_F(Documents, FunctionsAndVariablesBelongToTheirDrawing) {
    ASSERT_EQ(acedDefun(L"C:one", 1), RTNORM);
    resbuf rb;
    rb.restype = RTSHORT;
    rb.resval.rint = 0;
    ASSERT_EQ(acedSetVar(L"cmdecho", &rb), RTNORM);
    Document* second = host::shell::newDrawing();
    EXPECT_TRUE(second->functions().empty());
    resbuf out;
    ASSERT_EQ(acedGetVar(L"CMDECHO", &out), RTNORM);
    EXPECT_EQ(out.resval.rint, 1);  // the new drawing has its own, at the default
    acDocManager->setCurDocument(doc_);
    ASSERT_EQ(acedGetVar(L"CMDECHO", &out), RTNORM);
    EXPECT_EQ(out.resval.rint, 0);
    EXPECT_EQ(doc_->functions().count("C:ONE"), 1u);
    EXPECT_EQ(acedUndef(L"C:ONE", 2), RTERROR);  // wrong code
    EXPECT_EQ(acedUndef(L"c:one", 1), RTNORM);
    EXPECT_EQ(acedGetFunCode(), RTERROR);  // no call in progress
}

TEST_F(Documents, VariablesRefuseWrongTypesAndReadOnlyNames) {
    resbuf rb;
    rb.restype = RTREAL;
    rb.resval.rreal = 1.5;
    EXPECT_EQ(acedSetVar(L"CMDECHO", &rb), RTERROR);
    EXPECT_EQ(acedSetVar(L"NOSUCHVAR", &rb), RTERROR);
    rb.restype = RTSTR;
    rb.resval.rstring = const_cast<ACHAR*>(L"Other");
    EXPECT_EQ(acedSetVar(L"DIMSTYLE", &rb), RTERROR);
    EXPECT_EQ(acedSetVar(L"CLAYER", &rb), RTERROR);  // no such layer
    rb.resval.rstring = const_cast<ACHAR*>(L"defpoints");
    EXPECT_EQ(acedSetVar(L"CLAYER", &rb), RTNORM);
    resbuf out;
    ASSERT_EQ(acedGetVar(L"clayer", &out), RTNORM);
    ASSERT_EQ(out.restype, RTSTR);
    EXPECT_STRCASEEQ(host::io::toUtf8(out.resval.rstring).c_str(), "DEFPOINTS");
    free(out.resval.rstring);
}

TEST_F(Documents, EditorReactorsAreAddedOnce) {
    AcEditorReactor reactor;
    acedEditor->addReactor(&reactor);
    acedEditor->addReactor(&reactor);
    EXPECT_EQ(acedEditor->reactorCount(), 1);
    acedEditor->removeReactor(&reactor);
    EXPECT_EQ(acedEditor->reactorCount(), 0);
}
