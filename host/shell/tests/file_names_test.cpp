// A file name holding NUL names no file: the system would take it only up
// to the NUL, and so another file.  Wherever a name is typed (the saves,
// OPEN, MENULOAD, LINETYPE's file, the file input of the module) it is
// refused with a word and asked again; nothing is made or read under the
// name cut short.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "aced_input.h"
#include "shell/commands.h"
#include "shell/text.h"
#include "shell_fixture.h"

namespace fs = std::filesystem;

namespace {

class FileNames : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        dir_ = fs::path(testing::TempDir()) / ("lurak_file_names_" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        fs::remove_all(dir_);
        ShellTest::TearDown();
    }
    fs::path dir_;
};

TEST_F(FileNames, ANameHoldingNulIsRefusedAndAskedAgainWhereverAFileNameIsTaken) {
    const std::string cut = (dir_ / "a").string();  // what the system would take of the name
    const std::string held = cut + std::string(1, '\0') + "b.dxf";
    const std::string refused = cut + "?b.dxf: a file name cannot hold the character NUL.";
    const std::string good = (dir_ / "good.dxf").string();
    script("0,0\n10,0\n\n");
    ASSERT_TRUE(host::shell::runCommandWord("LINE"));
    transcript();
    struct Case {
        const char* command;
        std::string answers;  // the name, then what the question asked again gets
        const char* askedAgain;
    };
    const Case cases[] = {
        {"SAVEAS", held + "\n" + good + "\n", "Save drawing as"},
        {"OPEN", held + "\n\n", "Enter name of drawing to open"},
        {"MENULOAD", held + "\n\n", "Enter name of menu file to load"},
        {"_linetype", "load\n*\n" + held + "\n^C\n", "Enter name of linetype file to search"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        host::io::setScript(c.answers);
        ASSERT_TRUE(host::shell::runCommandWord(c.command));
        std::string said = transcript();
        size_t at = said.find(refused);
        EXPECT_NE(at, std::string::npos) << said;
        EXPECT_NE(said.find(c.askedAgain, at), std::string::npos) << said;
        EXPECT_EQ(said.find("Cannot open"), std::string::npos) << said;
        EXPECT_FALSE(fs::exists(cut));
    }
    EXPECT_TRUE(fs::exists(good));
    EXPECT_EQ(doc_->menus(), std::vector<std::string>{});

    host::io::setScript(held + "\n" + cut + ".txt\n");
    resbuf result;
    ASSERT_EQ(acedGetFileD(L"Save the list", nullptr, L"txt", 5, &result), RTNORM);
    EXPECT_EQ(host::shell::narrow(result.resval.rstring), cut + ".txt");
    free(result.resval.rstring);
    EXPECT_NE(transcript().find(refused), std::string::npos);
}

} // namespace
