// Names from outside (files, the script's words) reach the terminal quoted
// as a file's text is: a file named with ESC ]2;...BEL would retitle the
// terminal and ESC [2J clear it, through SAVEAS, QSAVE, -o, -s or any
// message that names it.
#include <filesystem>

#include "program_runner.h"

namespace fs = std::filesystem;

namespace {

const std::string kRetitle = "\x1b]2;title\x07";
const std::string kClear = "\x1b[2J";

std::string scratch() {
    fs::path dir = fs::path(testing::TempDir()) / ("lurak_quoted_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir.string();
}

// In single quotes for the shell that runs the program (no name here holds one).
std::string arg(const std::string& text) { return " '" + text + "'"; }

// The lines the host printed, without the test plug-in's own "[message ...]".
std::string hostLines(const std::string& output) {
    std::string lines;
    size_t start = 0;
    while (start < output.size()) {
        size_t end = output.find('\n', start);
        if (end == std::string::npos) end = output.size();
        std::string line = output.substr(start, end - start);
        if (!line.starts_with("[message ")) lines += line + "\n";
        start = end + 1;
    }
    return lines;
}

void expectNothingActsOnTheTerminal(const std::string& output) {
    EXPECT_EQ(output.find('\x1b'), std::string::npos) << output;
    EXPECT_EQ(output.find('\x07'), std::string::npos) << output;
}

} // namespace

TEST(QuotedNames, SaveAsQSaveAndTheOutputFileShowTheNameQuoted) {
    std::string dir = scratch();
    std::string drawing = dir + "/d" + kRetitle + ".dxf", shown = dir + "/d?]2;title?.dxf";
    std::string script = writeScript("quoted" + kClear + ".scr", "LINE\n0,0\n10,0\n\nSAVEAS\n" + drawing +
                                                                     "\nQSAVE\nOPEN\n" + drawing + "\nSAVEAS\n\n" +
                                                                     kClear + "foo\n");
    Outcome run = runLurak(plugin() + " -s" + arg(script) + " -o" + arg(dir + "/o" + kRetitle + ".dxf"));
    EXPECT_EQ(run.status, 0) << run.output;
    std::string said = hostLines(run.output);
    expectNothingActsOnTheTerminal(said);
    // The answer echoed, the save, the quick save, the default of the
    // opened drawing, the script's unknown word and the -o file.
    expectInOrder(said, {"Save drawing as <Drawing1.dxf>: " + shown + "\n", "Saved " + shown + " (1 entity",
                         "Command: QSAVE\nSaved " + shown + " (1 entity", "Enter name of drawing to open: " + shown,
                         "Save drawing as <d?]2;title?.dxf>: \nSaved " + shown, "Command: ?[2Jfoo\n",
                         "Unknown command \"?[2Jfoo\".", "Saved " + dir + "/o?]2;title?.dxf"});
    // The files keep their names as given.
    EXPECT_TRUE(fs::exists(drawing));
    EXPECT_TRUE(fs::exists(dir + "/o" + kRetitle + ".dxf"));
    fs::remove_all(dir);
}

TEST(QuotedNames, CommandLineNamesAreQuotedInEveryMessage) {
    std::string dir = scratch();
    std::string drawing = dir + "/d" + kRetitle + ".dxf";
    ASSERT_EQ(runLurak(plugin() + " -o" + arg(drawing)).status, 0);
    struct Case {
        std::string arguments;
        std::vector<std::string> said;
    };
    std::string script = writeScript("close" + kClear + ".scr", "LINE\n0,0\n10,0\n\nCLOSE\n");
    const Case cases[] = {
        {" -s" + arg(dir + "/none" + kClear + ".scr"), {"lurak: cannot read script " + dir + "/none?[2J.scr: No such"}},
        {" --module" + arg(dir + "/m" + kClear + ".arx"), {"lurak: cannot load module " + dir + "/m?[2J.arx: no such"}},
        {arg(dir + "/none" + kClear + ".dxf"), {"lurak: Cannot open " + dir + "/none?[2J.dxf: No such"}},
        {" a" + arg("b" + kClear), {"lurak: more than one drawing given: b?[2J"}},
        {arg("-x" + kClear), {"lurak: unknown option -x?[2J"}},
        {" -o" + arg(dir + "/no" + kClear + "/x.dxf"), {"Cannot save: cannot create " + dir + "/no?[2J/x.dxf"}},
        // The opened drawing's name at CLOSE and when the input ends there.
        {arg(drawing) + " -s" + arg(script) + " -o" + arg(dir + "/o" + kClear + ".dxf"),
         {"Save changes to d?]2;title?.dxf? [Yes/No/Cancel] <Yes>: ", "Changes to d?]2;title?.dxf were not saved.",
          "Saved " + dir + "/o?[2J.dxf"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        Outcome run = runLurak("--module " + std::string(LURAK_TEST_PLUGIN) + c.arguments);
        std::string said = hostLines(run.output);
        expectNothingActsOnTheTerminal(said);
        expectInOrder(said, c.said);
    }
    fs::remove_all(dir);
}
