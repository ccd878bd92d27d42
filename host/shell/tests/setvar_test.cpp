// SETVAR and a variable's name typed as a command: the value shown, Enter
// keeping it (the next command runs), a wrong value refused with its
// reason and asked again (acedSetVar refusing it too), read-only variables
// refused; a name that is neither command nor variable stays unknown.  The
// drawing's variables are what new entities take, what a save writes and
// what an opened file gives.
#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include "aced_input.h"
#include "shell/commands.h"
#include "shell/documents.h"
#include "shell/drawing_store.h"
#include "shell/text.h"
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
    // The value acedGetVar gives, as SETVAR would take it.
    static std::string current(const char* name) {
        resbuf rb;
        if (acedGetVar(host::io::fromUtf8(name).c_str(), &rb) != RTNORM) return "(none)";
        if (rb.restype == RTSHORT) return std::to_string(rb.resval.rint);
        if (rb.restype == RTREAL) return host::shell::formatNumber(rb.resval.rreal);
        std::string text = rb.restype == RTSTR ? host::io::toUtf8(rb.resval.rstring) : "(point)";
        if (rb.restype == RTSTR) free(rb.resval.rstring);
        return text;
    }
    // acedSetVar with the answer as a value of the variable's kind.
    static int setByModule(const char* name, const char* answer) {
        std::wstring wide = host::io::fromUtf8(name), text = host::io::fromUtf8(answer);
        resbuf rb;
        rb.rbnext = nullptr;
        if (acedGetVar(wide.c_str(), &rb) != RTNORM) return RTNONE;
        if (rb.restype == RTSTR) {
            free(rb.resval.rstring);
            rb.resval.rstring = text.data();
        } else if (rb.restype == RTSHORT) {
            rb.resval.rint = static_cast<short>(std::stoi(answer));
        } else {
            rb.resval.rreal = std::stod(answer);
        }
        return acedSetVar(wide.c_str(), &rb);
    }
    // A DXF file's text with its line ends as '\n'.
    static std::string fileText(const std::filesystem::path& path) {
        std::stringstream text;
        text << std::ifstream(path).rdbuf();
        std::string lines = text.str();
        std::erase(lines, '\r');
        return lines;
    }
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

// Each variable refuses what the platform refuses, says why and asks
// again, and takes a right value in its own form; the module's acedSetVar
// is refused the same values.
TEST_F(SetVar, EachVariableRefusesAWrongValueWithTheReason) {
    struct Case {
        const char *name, *refused, *says, *taken, *kept;
    } cases[] = {
        {"CECOLOR", "purple", "Requires a colour number from 1 to 255, BYLAYER, BYBLOCK or a colour name", "red",
         "1"},
        {"CECOLOR", "256", "Requires a colour number", "byblock", "BYBLOCK"},
        {"CECOLOR", "0", "Requires a colour number", "255", "255"},
        {"PICKBOX", "-5", "Requires an integer between 0 and 50.", "50", "50"},
        {"PICKBOX", "51", "Requires an integer between 0 and 50.", "0", "0"},
        {"CMDECHO", "2", "Requires an integer between 0 and 1.", "0", "0"},
        {"LTSCALE", "0", "Value must be positive and nonzero.", "0.5", "0.5"},
        {"TEXTSIZE", "-4", "Value must be positive and nonzero.", "7", "7"},
        {"DIMSCALE", "-2", "Value must be positive or zero.", "0", "0"},
        {"CELTYPE", "nosuchtype", "Linetype \"nosuchtype\" is not loaded.", "continuous", "Continuous"},
        {"TEXTSTYLE", "nostyle", "Cannot find text style \"nostyle\".", "standard", "Standard"},
        {"CLAYER", "nolayer", "Cannot find layer \"nolayer\".", "defpoints", "Defpoints"},
    };
    for (const Case& c : cases) {
        std::string before = current(c.name);
        EXPECT_EQ(setByModule(c.name, c.refused), RTERROR) << c.name << " " << c.refused;
        EXPECT_EQ(current(c.name), before) << c.name;
        std::string said = run(c.name, (std::string(c.refused) + "\n" + c.taken + "\n").c_str());
        EXPECT_NE(said.find(std::string(c.refused) + "\n" + c.says), std::string::npos) << said;
        EXPECT_EQ(current(c.name), c.kept) << said;
    }
}

// Enter at the value keeps it and ends SETVAR: the commands after it run.
TEST_F(SetVar, EnterKeepsTheValueAndTheNextCommandRuns) {
    script("SETVAR\nTEXTSIZE\n\nLINE\n0,0\n5,0\n\nCECOLOR\n\nCIRCLE\n0,0\n3\n");
    host::shell::runCommandLine();
    std::string said = transcript();
    EXPECT_EQ(said.find("Requires"), std::string::npos) << said;
    EXPECT_EQ(current("TEXTSIZE"), "2.5");
    EXPECT_EQ(current("CECOLOR"), "BYLAYER");
    EXPECT_EQ(text(lastList(), 0), "CIRCLE") << said;
    ads_name first;
    ASSERT_EQ(acdbEntNext(nullptr, first), RTNORM);
    resbuf* line = acdbEntGet(first);
    EXPECT_EQ(text(line, 0), "LINE") << said;
    acutRelRb(line);
}

// LINE, CIRCLE, ARC and TEXT take the current colour and linetype, TEXT the
// current style and offers the current height; BYLAYER adds nothing.
TEST_F(SetVar, NewEntitiesTakeTheCurrentColourLinetypeAndTextStyle) {
    resbuf* style = acutBuildList(RTDXF0, L"STYLE", 2, L"Narrow", 41, 0.8, 0);
    ASSERT_EQ(acdbEntMake(style), RTNORM);
    acutRelRb(style);
    script("CECOLOR\nblue\nCELTYPE\ncontinuous\nTEXTSTYLE\nnarrow\nTEXTSIZE\n7\n"
           "LINE\n0,0\n5,0\n\nCIRCLE\n0,0\n3\nARC\n0,0\n1,1\n2,0\nTEXT\n0,0\n\n\nHello\n");
    host::shell::runCommandLine();
    std::string said = transcript();
    EXPECT_NE(said.find("Specify height <7>: \n"), std::string::npos) << said;
    const char* types[] = {"LINE", "CIRCLE", "ARC", "TEXT"};
    ads_name e;
    ASSERT_EQ(acdbEntNext(nullptr, e), RTNORM);
    for (const char* type : types) {
        resbuf* list = acdbEntGet(e);
        EXPECT_EQ(text(list, 0), type);
        const resbuf* colour = group(list, 62);
        EXPECT_TRUE(colour && colour->resval.rint == 5) << type;
        EXPECT_EQ(text(list, 6), "Continuous") << type;
        if (std::string(type) == "TEXT") {
            EXPECT_EQ(text(list, 7), "Narrow");
            const resbuf* height = group(list, 40);
            EXPECT_TRUE(height && height->resval.rreal == 7);
        }
        acutRelRb(list);
        ads_name next;
        if (acdbEntNext(e, next) != RTNORM) break;
        ads_name_set(next, e);
    }
    script("CECOLOR\nbylayer\nCELTYPE\nbylayer\nLINE\n0,0\n5,0\n\n");
    host::shell::runCommandLine();
    const resbuf* line = lastList();
    EXPECT_EQ(group(line, 62), nullptr);
    EXPECT_EQ(group(line, 6), nullptr);
}

// The drawing's variables are saved and an opened file gives them back, to
// SETVAR and to the commands; a header value no variable takes (a height
// of 0, a linetype the drawing lacks) is the default's, and saved as read.
TEST_F(SetVar, DrawingVariablesAreSavedAndReadBack) {
    namespace fs = std::filesystem;
    fs::path dir = fs::path(testing::TempDir()) / ("lurak_setvar_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const char* set[][2] = {{"CLAYER", "Defpoints"}, {"CECOLOR", "3"},    {"CELTYPE", "Continuous"},
                            {"TEXTSIZE", "7"},       {"LTSCALE", "0.25"}, {"DIMSCALE", "4"}};
    for (const auto& [name, answer] : set) run(name, (std::string(answer) + "\n").c_str());
    std::string message;
    ASSERT_TRUE(host::shell::saveDrawing(*doc_, (dir / "vars.dxf").string(), message)) << message;
    script((dir / "vars.dxf").string().c_str());
    ASSERT_TRUE(host::shell::runCommandWord("OPEN"));
    ASSERT_NE(host::shell::currentDocument(), doc_) << transcript();
    for (const auto& [name, answer] : set) EXPECT_EQ(current(name), answer) << name;
    EXPECT_NE(run("TEXT", "0,0\n\n\nx\n").find("Specify height <7>: "), std::string::npos);

    std::string damaged = fileText(dir / "vars.dxf");
    for (auto [from, to] : {std::pair{"$TEXTSIZE\n 40\n7.0", "$TEXTSIZE\n 40\n0.0"},
                            std::pair{"$CELTYPE\n  6\nContinuous", "$CELTYPE\n  6\nGhost"}}) {
        size_t at = damaged.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        damaged.replace(at, std::string(from).size(), to);
    }
    std::ofstream(dir / "damaged.dxf") << damaged;
    script((dir / "damaged.dxf").string().c_str());
    ASSERT_TRUE(host::shell::runCommandWord("OPEN"));
    EXPECT_EQ(current("TEXTSIZE"), "2.5");
    EXPECT_EQ(current("CELTYPE"), "ByLayer");
    EXPECT_NE(run("LINE", "0,0\n1,0\n\n").find("1,0"), std::string::npos);
    EXPECT_EQ(text(lastList(), 0), "LINE");
    ASSERT_TRUE(host::shell::saveDrawing(*host::shell::currentDocument(), (dir / "again.dxf").string(), message));
    std::string written = fileText(dir / "again.dxf");
    for (const char* kept : {"$TEXTSIZE\n 40\n0.0", "$CELTYPE\n  6\nGhost"})
        EXPECT_NE(written.find(kept), std::string::npos) << kept;
    fs::remove_all(dir);
}

} // namespace

namespace {

// A height typed at TEXT is the next text's default and the drawing's
// TEXTSIZE, which a save writes; Enter at the height leaves it as it was.
TEST_F(SetVar, AHeightTypedAtTextBecomesTheTextSize) {
    run("TEXT", "0,0\n4\n\nfirst\n");
    EXPECT_EQ(current("TEXTSIZE"), "4");
    EXPECT_NE(run("TEXT", "0,5\n\n\nsecond\n").find("Specify height <4>: "), std::string::npos);
    EXPECT_EQ(current("TEXTSIZE"), "4");
    run("TEXT", "0,9\n6\n\n\n");  // cancelled at its text: nothing made, nothing set
    EXPECT_EQ(current("TEXTSIZE"), "4");
    namespace fs = std::filesystem;
    fs::path file = fs::path(testing::TempDir()) / ("lurak_textsize_" + std::to_string(::getpid()) + ".dxf");
    std::string message;
    ASSERT_TRUE(host::shell::saveDrawing(*doc_, file.string(), message)) << message;
    EXPECT_NE(fileText(file).find("$TEXTSIZE\n 40\n4.0"), std::string::npos);
    fs::remove(file);
}

} // namespace

namespace {

// A drawing whose current text style is empty and whose STYLE table holds,
// after Standard, two styles of shape files (no name, flag 1).
std::string shapeStyleDrawing() {
    const char* groups =
        "0 SECTION 2 HEADER 9 $ACADVER 1 AC1015 9 $HANDSEED 5 100 9 $TEXTSTYLE 7 ~ 0 ENDSEC "
        "0 SECTION 2 TABLES 0 TABLE 2 STYLE 5 3 330 0 100 AcDbSymbolTable 70 3 "
        "0 STYLE 5 30 330 3 100 AcDbSymbolTableRecord 100 AcDbTextStyleTableRecord 2 Standard 70 0 40 0 41 1 "
        "50 0 71 0 42 2.5 3 txt 4 ~ "
        "0 STYLE 5 31 330 3 100 AcDbSymbolTableRecord 100 AcDbTextStyleTableRecord 2 ~ 70 1 40 0 41 1 "
        "50 0 71 0 42 2.5 3 ltypeshp.shx 4 ~ "
        "0 STYLE 5 32 330 3 100 AcDbSymbolTableRecord 100 AcDbTextStyleTableRecord 2 ~ 70 1 40 0 41 1 "
        "50 0 71 0 42 2.5 3 genltshp.shx 4 ~ 0 ENDTAB 0 ENDSEC 0 EOF";
    std::istringstream in(groups);
    std::string code, value, text;
    while (in >> code >> value) text += code + "\n" + (value == "~" ? "" : value) + "\n";
    return text;
}

class ShapeStyles : public SetVar {};

// Their empty names are no names: the current text style stays Standard,
// SETVAR and a module cannot make one current, TEXT takes Standard, and a
// look-up by name finds none, while the table lists them.
TEST_F(ShapeStyles, NoNameTakesAStyleOfAShapeFile) {
    namespace fs = std::filesystem;
    fs::path dir = fs::path(testing::TempDir()) / ("lurak_shapes_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / "shapes.dxf") << shapeStyleDrawing();
    script((dir / "shapes.dxf").string().c_str());
    ASSERT_TRUE(host::shell::runCommandWord("OPEN"));
    std::string opened = transcript();
    EXPECT_EQ(opened.find("STYLE record"), std::string::npos) << opened;
    EXPECT_EQ(current("TEXTSTYLE"), "Standard");
    EXPECT_EQ(setByModule("TEXTSTYLE", ""), RTERROR);
    EXPECT_EQ(current("TEXTSTYLE"), "Standard");
    run("TEXT", "0,0\n\n\nx\n");
    EXPECT_EQ(text(lastList(), 7), "Standard");
    EXPECT_EQ(acdbTblSearch(L"STYLE", L"", 0), nullptr);
    std::vector<std::string> files;
    for (resbuf* style = acdbTblNext(L"STYLE", 1); style; style = acdbTblNext(L"STYLE", 0)) {
        if (text(style, 2).empty()) files.push_back(text(style, 3));
        acutRelRb(style);
    }
    EXPECT_EQ(files, (std::vector<std::string>{"ltypeshp.shx", "genltshp.shx"}));
    fs::remove_all(dir);
}

} // namespace
