// Runs the lurak program with the test plug-in and a script, and checks the
// transcript: message order, prompts and answers, exit status.
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "program_runner.h"

TEST(Program, ScriptDrivesPluginThroughTwoDrawings) {
    Outcome run = runLurak(plugin() + " " + script("session.scr"));
    EXPECT_EQ(run.status, 0) << run.output;
    expectInOrder(run.output, {
        "[message 1, drawing Drawing1.dxf]",
        "[message 3, drawing Drawing1.dxf]",
        "Command: ?", "Host commands:\n  NEW       Starts a new drawing", "Commands of Drawing1.dxf:\n", "  TPOINTS",
        "Command: tpoints",
        "[message 5, drawing Drawing1.dxf]",
        "First point: 10,20", "point: RTNORM (10,20,0)",
        "Next point: @5,0", "next: RTNORM (15,20,0)",
        "Distance: @3,4", "distance: RTNORM 5",
        "Angle: 90", "angle: RTNORM 1.5708",
        "Command: (C:tkeys)",
        "Point or [Select/Next/Quit]: n", "point or keyword: RTKWORD \"Next\"",
        "Side [Links/Rechts]: \n", "Requires a value.",  // bit 1: Enter is refused and asked again
        "Side [Links/Rechts]: _right", "side: RTNORM Right",
        "Command: TNUMBERS",
        "Number: 0", "Value must be nonzero.", "Number: -4", "Value must be positive.",
        "Number: q", "integer: RTKWORD \"Quit\"",
        "Real: 2.5", "real: RTNORM 2.5",
        "Text: hello world", "string: RTNORM \"hello world\"",
        "Command: tversion", "host version \"17.2\"", "module found: yes",
        "Command: NEW",
        "[message 3, drawing Drawing2.dxf]",
        "Command: tdocs", "[message 5, drawing Drawing2.dxf]", "documents open: 2",
        "First point: ^C", "point: RTCAN",
        "Command: tcolour", "bylayer", "colour: RTNORM 256",
        "Command: tcolour", "colour: RTNORM none",
        "Command: CLOSE",
        "[message 4, drawing Drawing2.dxf]",
        "Command: tdocs", "[message 5, drawing Drawing1.dxf]", "documents open: 1",
        "Unknown command \"nosuchcommand\".",
        "Command: tdocs", "documents open: 1",
        "Command: QUIT",
        "[message 13, drawing Drawing1.dxf]",
        "[message 4, drawing Drawing1.dxf]",
        "[message 2, drawing Drawing1.dxf]",
    });
    EXPECT_EQ(run.output.find("Command: tdocs", run.output.find("Command: QUIT")), std::string::npos);
}

TEST(Program, HostVersionIsSettableOrAbsent) {
    Outcome other = runLurak(plugin() + " --host-version 16.2 " + script("version.scr"));
    EXPECT_EQ(other.status, 0);
    EXPECT_NE(other.output.find("host version \"16.2\""), std::string::npos) << other.output;
    Outcome none = runLurak(plugin() + " --no-host-version " + script("version.scr"));
    EXPECT_EQ(none.status, 0);
    EXPECT_NE(none.output.find("host version: none"), std::string::npos) << none.output;
}

TEST(Program, StartFailuresGiveStatusTwo) {
    Outcome missingModule = runLurak("--module /nonexistent/LURAK.ARX " + script("version.scr"));
    EXPECT_EQ(missingModule.status, 2);
    EXPECT_NE(missingModule.output.find("cannot load module"), std::string::npos);
    Outcome notAPlugin = runLurak(std::string("--module ") + LURAK_SHELL_TEST_DIR + "/session.scr " + script("version.scr"));
    EXPECT_EQ(notAPlugin.status, 2);
    EXPECT_EQ(runLurak("--bogus").status, 2);
    Outcome help = runLurak("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.output.find("usage: lurak"), std::string::npos);
}

TEST(Program, DrawingMadeWithHostCommandsPassesTheDrawingChecks) {
    std::string output = tempPath("lurak_drawing_test.dxf");
    std::remove(output.c_str());
    Outcome run = runLurak(plugin() + " " + script("drawing.scr") + " -o " + output);
    ASSERT_EQ(run.status, 0) << run.output;
    Outcome check = runCommand(std::string(LURAK_PYTHON) + " " + LURAK_DXF_CHECK + " " + output);
    EXPECT_EQ(check.status, 0) << check.output;
    std::remove(output.c_str());
}

TEST(Program, OpenSaveAndSaveAsKeepTheDrawing) {
    std::string dir = testing::TempDir();
    std::string saved = tempPath("lurak_saved.dxf");
    std::remove(saved.c_str());
    std::string path = writeScript("lurak_save.scr", "LINE\n0,0\n10,0\n\n"
                                                      "SAVEAS\n" + saved + "\n"
                                                      "OPEN\n" + dir + "lurak_no_such_drawing.dxf\n"
                                                      "CIRCLE\n0,0\n5\n"   // still in the first drawing
                                                      "SAVE\n"
                                                      "OPEN\n" + saved + "\n"
                                                      "tdocs\n"
                                                      "LIST\nall\n\n");
    Outcome run = runLurak(plugin() + " -s " + path);
    EXPECT_EQ(run.status, 0) << run.output;
    expectInOrder(run.output, {"[message 9, drawing Drawing1.dxf]", "Cannot open", "lurak_no_such_drawing.dxf",
                               "Command: CIRCLE", "[message 9, drawing " + saved + "]",
                               "[message 3, drawing " + saved + "]", "documents open: 2", "(0 . \"LINE\")",
                               "(0 . \"CIRCLE\")"});
    // The saved file opens as the program's drawing.
    Outcome reopened = runLurak(plugin() + " " + saved + " " + script("list_all.scr"));
    EXPECT_EQ(reopened.status, 0) << reopened.output;
    expectInOrder(reopened.output, {"(0 . \"LINE\")", "(0 . \"CIRCLE\")"});
    EXPECT_EQ(runLurak(plugin() + " " + dir + "lurak_no_such_drawing.dxf " + script("list_all.scr")).status, 2);
    std::remove(saved.c_str());
}

// QUIT saves the first of two changed drawings and stops at the second,
// whose file the user would not replace: the first is closed, and the
// second stays current, so the next LINE goes into it and -o saves it with
// every change.
TEST(Program, AQuitThatStopsLeavesTheDrawingItStoppedAtCurrent) {
    std::string first = tempPath("lurak_quit_first.dxf"), output = tempPath("lurak_quit_output.dxf");
    std::remove(first.c_str());
    std::remove(output.c_str());
    std::string kept = writeScript("lurak_quit_kept.dxf", "kept");
    std::string path = writeScript("lurak_quit.scr", "LINE\n0,0\n1,0\n\nNEW\nLINE\n0,0\n2,0\n\n"
                                                      "QUIT\ny\n" + first + "\ny\n" + kept + "\nno\n"
                                                      "LINE\n5,5\n6,6\n\ntdocs\n");
    Outcome run = runLurak(plugin() + " -s " + path + " -o " + output);
    EXPECT_EQ(run.status, 0) << run.output;
    expectInOrder(run.output, {"Saved " + first, "not replaced", "[message 4, drawing " + first + "]",
                               "Command: LINE", "documents open: 1", "Saved " + output});
    EXPECT_EQ(run.output.find("were not saved"), std::string::npos) << run.output;
    auto contentOf = [](const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    };
    // Whether the drawing holds the line from (a,a) to (b,c).
    auto holdsLine = [](const std::string& dxf, const char* a, const char* b, const char* c) {
        std::string line = std::string("AcDbLine\r\n 10\r\n") + a + "\r\n 20\r\n" + a + "\r\n 30\r\n0.0\r\n 11\r\n" +
                           b + "\r\n 21\r\n" + c + "\r\n";
        return dxf.find(line) != std::string::npos;
    };
    std::string saved = contentOf(output);
    EXPECT_TRUE(holdsLine(saved, "0.0", "2.0", "0.0") && holdsLine(saved, "5.0", "6.0", "6.0") &&
                !holdsLine(saved, "0.0", "1.0", "0.0"))
        << saved;
    std::string firstSaved = contentOf(first);
    EXPECT_TRUE(holdsLine(firstSaved, "0.0", "1.0", "0.0") && !holdsLine(firstSaved, "5.0", "6.0", "6.0"))
        << firstSaved;
    EXPECT_EQ(contentOf(kept), "kept");
}

TEST(Program, NoScriptCrashesTheHost) {
    // Commands, answers and plug-in functions in a scrambled order.
    const char* words[] = {"LINE", "CIRCLE", "ARC", "TEXT", "ERASE", "LIST", "DIM", "aligned", "rotated", "exit",
                           "_linetype", "load", "?", "set", "*", "K\u00d6Z\u00c9P", "NEW", "CLOSE", "MENULOAD",
                           "tpoints", "tkeys", "tnumbers", "tpicks", "tcolour", "tdocs", "(C:tdocs)", "()", "(",
                           "@", "@1<", "1,2", "@3,4", "0,0", "1e308,1e308", "-5", "0", "", "", "^C", "#", "#ZZZ",
                           "#1", "last", "all", "window 0,0 10,10", "crossing -100,-100 100,100", "c 1,1", "nan",
                           "1,2,3,4", "\\", "<>", "%s%n%x", "bylayer", "300", "y", "u"};
    const size_t count = sizeof words / sizeof words[0];
    unsigned state = 12345;
    std::string text;
    for (int i = 0; i < 1500; ++i) {
        state = state * 1103515245u + 12345u;
        text += words[(state >> 16) % count];
        text += "\n";
    }
    // The script saves drawings under names of its own: in a folder of the test's.
    std::string folder = tempPath("lurak_scrambled");
    std::string script = writeScript("lurak_scrambled.scr", text);
    Outcome run = runCommand("mkdir -p " + folder + " && cd " + folder + " && " + LURAK_PROGRAM + " " + plugin() +
                             " -s " + script + " </dev/null");
    EXPECT_EQ(run.status, 0) << run.output.substr(run.output.size() > 3000 ? run.output.size() - 3000 : 0);
}

// A drawing of a few KB whose nested blocks stand for more copies than a
// pick may look at: a cross of two long lines, placed ten times at distinct
// offsets nine levels deep.  A pick between its arms, inside every box and
// near no line, stops within its work, takes nothing and says which insert
// it could not look through; the drawing is left as it was.
TEST(Program, APickThatCannotLookThroughAnInsertSaysSoAndTakesNothing) {
    auto number = [](double v) {
        char text[32];
        std::snprintf(text, sizeof text, "%.17g", v);
        return std::string(text);
    };
    const double far = 1e7;
    std::string dxf = "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1021\n0\nENDSEC\n0\nSECTION\n2\nBLOCKS\n"
                      "0\nBLOCK\n8\n0\n2\nL0\n70\n0\n10\n0\n20\n0\n30\n0\n"
                      "0\nLINE\n8\n0\n10\n" + number(-far) + "\n20\n0\n30\n0\n11\n" + number(far) + "\n21\n0\n31\n0\n"
                      "0\nLINE\n8\n0\n10\n0\n20\n" + number(-far) + "\n30\n0\n11\n0\n21\n" + number(far) + "\n31\n0\n"
                      "0\nENDBLK\n8\n0\n";
    for (int level = 1; level < 10; ++level) {
        dxf += "0\nBLOCK\n8\n0\n2\nL" + std::to_string(level) + "\n70\n0\n10\n0\n20\n0\n30\n0\n";
        for (int j = 0; j < 10; ++j) {
            double o = j * std::pow(10.0, -level);
            dxf += "0\nINSERT\n8\n0\n2\nL" + std::to_string(level - 1) + "\n10\n" + number(o) + "\n20\n" +
                   number(o / 2) + "\n30\n0\n";
        }
        dxf += "0\nENDBLK\n8\n0\n";
    }
    dxf += "0\nENDSEC\n0\nSECTION\n2\nENTITIES\n0\nINSERT\n8\n0\n5\n1F0\n2\nL9\n10\n0\n20\n0\n30\n0\n0\nENDSEC\n0\nEOF\n";
    std::string drawing = writeScript("lurak_hostile_cross.dxf", dxf);
    std::string script = writeScript("lurak_hostile_cross.scr", "ERASE\n" + number(far / 2) + "," + number(far / 2) +
                                                                    "\n\nLIST\nall\n\n");
    Outcome run = runLurak(plugin() + " " + drawing + " -s " + script);
    EXPECT_EQ(run.status, 0) << run.output;
    expectInOrder(run.output, {"Too many nested or arrayed copies to look through in INSERT 1F0: left out of the selection.",
                               "0 found", "(0 . \"INSERT\")"});
}

// Entities a pick or crossing cannot decide for other causes than copies:
// 200 rational circles of radius 3 + 1e-10 round a pick at their centre lie
// nearer its reach than its search can tell, and a circle of radius 5e307
// placed at scale 4 beside it, whose centre and radius overflow there,
// leaves nothing to decide by near where it passes.  Each cause has its
// line, naming the first entity and how many more; neither says nested or
// arrayed copies.
TEST(Program, TheUndecidedAreToldWhyByCause) {
    auto number = [](double v) {
        char text[32];
        std::snprintf(text, sizeof text, "%.17g", v);
        return std::string(text);
    };
    std::string dxf = "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1021\n0\nENDSEC\n0\nSECTION\n2\nBLOCKS\n"
                      "0\nBLOCK\n8\n0\n2\nHUGE\n70\n0\n10\n0\n20\n0\n30\n0\n"
                      "0\nCIRCLE\n8\n0\n10\n5e307\n20\n0\n30\n0\n40\n5e307\n"
                      "0\nENDBLK\n8\n0\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n";
    const double r = 3 + 1e-10, xs[9] = {1, 1, 0, -1, -1, -1, 0, 1, 1}, ys[9] = {0, 1, 1, 1, 0, -1, -1, -1, 0};
    for (int i = 0; i < 200; ++i) {
        char handle[8];
        std::snprintf(handle, sizeof handle, "%X", 0xC00 + i);
        dxf += std::string("0\nSPLINE\n5\n") + handle + "\n8\n0\n70\n12\n71\n2\n72\n12\n73\n9\n";
        for (double k : {0.0, 0.0, 0.0, 0.25, 0.25, 0.5, 0.5, 0.75, 0.75, 1.0, 1.0, 1.0})
            dxf += "40\n" + number(k) + "\n";
        for (int j = 0; j < 9; ++j) dxf += "41\n" + number(j % 2 ? M_SQRT1_2 : 1.0) + "\n";
        for (int j = 0; j < 9; ++j) dxf += "10\n" + number(r * xs[j]) + "\n20\n" + number(r * ys[j]) + "\n30\n0\n";
    }
    dxf += "0\nINSERT\n8\n0\n5\n1F1\n2\nHUGE\n10\n-10\n20\n0\n30\n0\n41\n4\n42\n4\n43\n4\n0\nENDSEC\n0\nEOF\n";
    std::string drawing = writeScript("lurak_undecided_causes.dxf", dxf);
    std::string script = writeScript("lurak_undecided_causes.scr", "ERASE\n0,0\ncrossing -11,5 -9,6\n\n");
    Outcome run = runLurak(plugin() + " " + drawing + " -s " + script);
    EXPECT_EQ(run.status, 0) << run.output;
    const std::string close =
        "Too close to tell whether the pick reaches SPLINE CC7 and 199 more: left out of the selection.";
    const std::string overflow = "Numbers out of range in INSERT 1F1: left out of the selection.";
    expectInOrder(run.output, {close, overflow, "0 found", overflow, "0 found"});
    EXPECT_EQ(run.output.find("nested"), std::string::npos) << run.output;
}
