// SETVAR and a variable's name typed as a command: the value shown, Enter
// keeping it, a wrong value refused and asked again, read-only variables
// refused; a name that is neither command nor variable stays unknown.
#include "aced_input.h"
#include "shell/commands.h"
#include "shell/documents.h"
#include "shell_fixture.h"

namespace {

class SetVar : public ShellTest {
protected:
    std::string run(const char* command, const char* answers) {
        script(answers);
        EXPECT_TRUE(host::shell::runCommandWord(command));
        return transcript();
    }
    short expert() { return doc_->vars().getShort("EXPERT", -1); }
};

TEST_F(SetVar, TakesAValueInRangeAndKeepsItOnEnter) {
    std::string said = run("SETVAR", "expert\n\n");
    EXPECT_NE(said.find("Enter variable name: expert\nEnter new value for EXPERT <0>: \n"), std::string::npos) << said;
    EXPECT_EQ(expert(), 0);
    said = run("SETVAR", "EXPERT\nabc\n7\n-1\n2.5\n3\n");
    for (const char* line : {"Requires an integer value.\n", "Requires an integer between 0 and 5.\n"})
        EXPECT_NE(said.find(line), std::string::npos) << said;
    EXPECT_EQ(expert(), 3);
    // The name as a command, also passed by a module; a wrong value at the
    // end of the input changes nothing.
    EXPECT_NE(run("expert", "1\n").find("Enter new value for EXPERT <3>: 1"), std::string::npos);
    EXPECT_EQ(expert(), 1);
    EXPECT_EQ(acedCommand(RTSTR, L"_EXPERT", RTSHORT, 2, RTNONE), RTNORM);
    EXPECT_EQ(expert(), 2);
    run("EXPERT", "9\n");
    EXPECT_EQ(expert(), 2);
    run("TEXTSIZE", "x\n1e300\n5\n");
    EXPECT_EQ(doc_->vars().getReal("TEXTSIZE"), 5);
    // The module's way is held to the same range.
    resbuf value;
    value.restype = RTSHORT;
    value.resval.rint = 6;
    EXPECT_EQ(acedSetVar(L"EXPERT", &value), RTERROR);
    EXPECT_EQ(expert(), 2);
}

TEST_F(SetVar, ReadOnlyVariablesAreRefusedAndUnknownNamesStayUnknown) {
    EXPECT_NE(run("SETVAR", "dwgname\n").find("DWGNAME = \"Drawing1.dxf\" (read only)"), std::string::npos);
    script("ACADVER\nNOSUCHVAR\nSETVAR\nnosuchvar\n");
    host::shell::runCommandLine();
    std::string said = transcript();
    for (const char* line : {"ACADVER = \"17.2\" (read only)\n", "Unknown command \"NOSUCHVAR\".\n",
                             "Unknown variable name \"NOSUCHVAR\".\n"})
        EXPECT_NE(said.find(line), std::string::npos) << said;
    EXPECT_EQ(said.find("Enter new value"), std::string::npos) << said;
}

} // namespace
