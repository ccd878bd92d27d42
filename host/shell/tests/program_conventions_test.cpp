// The command line as a CAD user expects it, run through the program:
// unsaved changes are asked about, a file is replaced only when the script
// says so, bad file names and folders get a clear message, and a script
// saved with a byte-order mark runs.
#include <filesystem>
#include <fstream>
#include <iterator>

#include "program_runner.h"

namespace fs = std::filesystem;

namespace {

std::string scratch(const std::string& name) {
    fs::path dir = fs::path(testing::TempDir()) / ("lurak_conventions_" + std::to_string(::getpid()) + "_" + name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir.string();
}

Outcome runScript(const std::string& name, const std::string& text, const std::string& more = "") {
    return runLurak(plugin() + " -s " + writeScript(name, text) + more);
}

constexpr const char* kDrawLine = "LINE\n0,0\n10,0\n\n";

} // namespace

TEST(Conventions, QuitAndCloseAskAboutUnsavedChanges) {
    std::string dir = scratch("ask");
    struct Case {
        const char* name;
        std::string script;
        std::vector<std::string> said;
        const char* notSaid;
    };
    const Case cases[] = {
        {"no", std::string(kDrawLine) + "QUIT\nNo\ntdocs\n",
         {"Save changes to Drawing1.dxf? [Yes/No/Cancel] <Yes>: No"}, "not saved"},
        {"cancel keeps the session", std::string(kDrawLine) + "QUIT\nc\ntdocs\n",
         {"<Yes>: c", "Command: tdocs", "documents open: 1", "Changes to Drawing1.dxf were not saved."}, nullptr},
        {"the input ends at the question", std::string(kDrawLine) + "CLOSE\n",
         {"<Yes>: \nChanges to Drawing1.dxf were not saved."}, "Save drawing as"},
        {"the input ends without quit", std::string(kDrawLine), {"Changes to Drawing1.dxf were not saved."}, nullptr},
        {"yes asks for a file", std::string(kDrawLine) + "CLOSE\nmaybe\ny\n" + dir + "/closed\n",
         {"<Yes>: maybe", "Invalid option keyword.", "<Yes>: y", "Save drawing as <Drawing1.dxf>: ",
          "Saved " + dir + "/closed.dxf (1 entity in model space).", "[message 4, drawing " + dir + "/closed.dxf]"},
         "not saved"},
        {"nothing changed", "tdocs\nQUIT\ntdocs\n", {"documents open: 1"}, "Save changes"},
    };
    for (const Case& c : cases) {
        Outcome run = runScript("lurak_ask.scr", c.script);
        EXPECT_EQ(run.status, 0) << c.name << "\n" << run.output;
        expectInOrder(run.output, c.said);
        if (c.notSaid) {
            EXPECT_EQ(run.output.find(c.notSaid), std::string::npos) << c.name << "\n" << run.output;
        }
    }
    EXPECT_TRUE(fs::is_regular_file(dir + "/closed.dxf"));
    fs::remove_all(dir);
}

TEST(Conventions, BadOptionsAndScriptsStopWithAClearMessage) {
    std::string dir = scratch("options");
    struct Case {
        std::string arguments;
        std::string message;
    };
    const Case cases[] = {
        {"-o ''", "lurak: option -o needs a file name"},
        {"-s ''", "lurak: option -s needs a file name"},
        {"-s " + dir, "lurak: cannot read script " + dir + ": it is a folder"},
        {"-s " + dir + "/none.scr", "lurak: cannot read script " + dir + "/none.scr: No such file or directory"},
    };
    for (const Case& c : cases) {
        Outcome run = runLurak(plugin() + " " + c.arguments);
        EXPECT_EQ(run.status, 2) << c.arguments;
        EXPECT_NE(run.output.find(c.message), std::string::npos) << c.arguments << "\n" << run.output;
    }
    fs::remove_all(dir);
}

TEST(Conventions, SavesSayWhereAndFailuresNameTheUsersFileOnce) {
    std::string dir = scratch("save");
    Outcome run = runScript("lurak_save_where.scr", std::string(kDrawLine) + "SAVEAS\n" + dir + "\nOPEN\n" + dir +
                                                        "/none.dxf\n",
                            " -o " + dir + "/missing/out.dxf");
    EXPECT_EQ(run.status, 1) << run.output;
    expectInOrder(run.output, {"Saved " + dir + "/Drawing1.dxf (1 entity in model space).",
                               "Cannot open " + dir + "/none.dxf: No such file or directory\n",
                               "lurak: Cannot save: cannot create " + dir + "/missing/out.dxf: No such file or directory"});
    EXPECT_EQ(run.output.find(".tmp"), std::string::npos) << run.output;
    EXPECT_FALSE(fs::exists(dir + ".dxf"));
    fs::remove_all(dir);
}

TEST(Conventions, AScriptStartingWithAByteOrderMarkRuns) {
    Outcome run = runScript("lurak_bom.scr", "\xEF\xBB\xBFtdocs\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.output.find("documents open: 1"), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("Unknown command"), std::string::npos) << run.output;
}

// A script that saves over a file that is there replaces it only when it
// says so: left unanswered, the question keeps the file byte for byte; -o,
// which the user named, replaces it.
TEST(Conventions, AScriptReplacesAFileOnlyWhenItSaysSo) {
    std::string dir = scratch("replace");
    std::string other = dir + "/other.dxf";
    const std::string kept = "0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n";
    std::ofstream(other, std::ios::binary) << kept;
    auto content = [&] {
        std::ifstream in(other, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    };
    Outcome run = runScript("lurak_replace.scr", std::string(kDrawLine) + "SAVEAS\n" + other + "\n");
    EXPECT_EQ(run.status, 0) << run.output;
    expectInOrder(run.output, {other + " already exists. Replace it? [Yes/No] <No>: ",
                               other + " was not replaced; Drawing1.dxf was not saved.",
                               "Changes to Drawing1.dxf were not saved."});
    EXPECT_EQ(content(), kept);
    run = runScript("lurak_replace.scr", kDrawLine, " -o " + other);
    EXPECT_EQ(run.output.find("already exists"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("Saved " + other + " (1 entity"), std::string::npos) << run.output;
    fs::remove_all(dir);
}
