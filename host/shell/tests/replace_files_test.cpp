// A save to a file the user names never replaces another file unasked:
// SAVEAS, SAVE of a drawing without a file and the "Save drawing as" of
// CLOSE and QUIT ask first; only Yes (or EXPERT 2) replaces the file, and
// whatever else ends the question keeps it byte for byte, the drawing
// open with its changes unsaved.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include <unistd.h>

#include "shell/commands.h"
#include "shell/documents.h"
#include "shell/drawing_store.h"
#include "shell_fixture.h"

namespace fs = std::filesystem;
using host::shell::runCommandWord;

namespace {

constexpr const char* kOther = "0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n";  // another program's drawing

class ReplaceFiles : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        dir_ = fs::path(testing::TempDir()) / ("lurak_replace_" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        std::ofstream(other()) << kOther;
    }
    void TearDown() override {
        fs::remove_all(dir_);
        ShellTest::TearDown();
    }
    std::string other() const { return (dir_ / "other.dxf").string(); }
    static std::string contentOf(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    void drawLine() {
        script("0,0\n10,0\n\n");
        ASSERT_TRUE(runCommandWord("LINE"));
    }
    // Runs a command with these answers; what it said.
    std::string run(const char* command, const std::string& answers) {
        script(answers.c_str());
        EXPECT_TRUE(runCommandWord(command));
        return transcript();
    }
    fs::path dir_;
};

TEST_F(ReplaceFiles, SaveAsOverAnotherFileKeepsItUnlessTheAnswerIsYes) {
    drawLine();
    const std::string question = other() + " already exists. Replace it? [Yes/No] <No>: ";
    const std::string kept = other() + " was not replaced; Drawing1.dxf was not saved.";
    // No, Enter, an answer that is neither (asked again), cancel, the end of the input.
    for (const char* answers : {"No\n", "\n", "maybe\nn\n", "^C\n", ""}) {
        SCOPED_TRACE(answers);
        std::string said = run("SAVEAS", other() + "\n" + answers);
        EXPECT_NE(said.find(question), std::string::npos) << said;
        EXPECT_NE(said.find(kept), std::string::npos) << said;
        EXPECT_EQ(said.find("Saved"), std::string::npos) << said;
        EXPECT_EQ(contentOf(other()), kOther);
        EXPECT_TRUE(host::shell::hasUnsavedChanges(*doc_));
        EXPECT_EQ(doc_->path(), "");
    }

    std::string said = run("SAVEAS", other() + "\ny\n");
    EXPECT_NE(said.find("Saved " + other()), std::string::npos) << said;
    EXPECT_NE(contentOf(other()), kOther);
    EXPECT_FALSE(host::shell::hasUnsavedChanges(*doc_));
    EXPECT_EQ(doc_->path(), other());
}

// SAVE of a drawing without a file asks like SAVEAS; the drawing's own file
// is replaced unasked, by SAVE, QSAVE and SAVEAS, under any spelling.
TEST_F(ReplaceFiles, SaveWithoutAFileAsksAndTheOwnFileIsReplacedUnasked) {
    drawLine();
    std::string own = (dir_ / "Drawing1.dxf").string();
    std::ofstream(own) << kOther;
    std::string said = run("SAVE", dir_.string() + "\n\n");  // the folder: Drawing1.dxf in it
    EXPECT_NE(said.find(own + " already exists. Replace it?"), std::string::npos) << said;
    EXPECT_EQ(contentOf(own), kOther);
    std::string mine = (dir_ / "mine.dxf").string();
    EXPECT_NE(run("SAVEAS", mine + "\n").find("Saved " + mine), std::string::npos);
    // SAVE, QSAVE, SAVEAS with Enter (the own file is the default) and by another path to it.
    const std::pair<const char*, std::string> saves[] = {
        {"SAVE", ""}, {"QSAVE", ""}, {"SAVEAS", "\n"}, {"SAVEAS", (dir_ / "." / "mine.dxf").string() + "\n"}};
    for (const auto& [command, answers] : saves) {
        SCOPED_TRACE(command + answers);
        drawLine();
        said = run(command, answers);
        EXPECT_EQ(said.find("already exists"), std::string::npos) << said;
        EXPECT_NE(said.find("Saved " + dir_.string()), std::string::npos) << said;
        EXPECT_FALSE(host::shell::hasUnsavedChanges(*doc_));
    }
}

TEST_F(ReplaceFiles, ExpertTwoReplacesWithoutTheQuestionInItsDrawing) {
    drawLine();
    run("EXPERT", "1\n");
    EXPECT_NE(run("SAVEAS", other() + "\n\n").find("already exists"), std::string::npos);
    run("SETVAR", "EXPERT\n2\n");
    std::string said = run("SAVEAS", other() + "\n");
    EXPECT_EQ(said.find("already exists"), std::string::npos) << said;
    EXPECT_NE(contentOf(other()), kOther);
    // Each drawing has its own EXPERT.
    std::ofstream(other()) << kOther;
    host::shell::newDrawing();
    drawLine();
    EXPECT_NE(run("SAVEAS", other() + "\n\n").find("already exists"), std::string::npos);
    EXPECT_EQ(contentOf(other()), kOther);
    run("EXPERT", "2\n");
    EXPECT_NE(run("SAVEAS", other() + "\n").find("Saved " + other()), std::string::npos);
}

// CLOSE and QUIT close nothing they did not save: a file the user would
// not replace leaves the drawing open, also when the input ends there.
// The drawing QUIT did save is closed, and the one it stopped at is current.
TEST_F(ReplaceFiles, CloseAndQuitCloseNothingTheyDidNotSave) {
    drawLine();
    host::shell::Document* second = host::shell::newDrawing();
    drawLine();
    std::string first = (dir_ / "first.dxf").string();
    // QUIT: the first saved to a new file, the second's file not replaced.
    std::string said = run("QUIT", "y\n" + first + "\ny\n" + other() + "\nno\n");
    EXPECT_NE(said.find("Saved " + first), std::string::npos) << said;
    EXPECT_NE(said.find(other() + " was not replaced; Drawing2.dxf was not saved."), std::string::npos) << said;
    EXPECT_FALSE(host::shell::quitting());
    EXPECT_EQ(host::shell::documents().open(), std::vector<host::shell::Document*>{second});
    EXPECT_EQ(host::shell::currentDocument(), second);
    EXPECT_TRUE(host::shell::hasUnsavedChanges(*second));
    EXPECT_EQ(contentOf(other()), kOther);
    // CLOSE, and the input ends at the question.
    host::shell::makeCurrent(second);
    said = run("CLOSE", "\n" + other() + "\n");
    EXPECT_NE(said.find(other() + " was not replaced; Drawing2.dxf was not saved."), std::string::npos) << said;
    EXPECT_EQ(said.find("Changes to Drawing2.dxf were not saved."), std::string::npos) << said;  // told once
    EXPECT_EQ(host::shell::documents().open().size(), 1u);
    EXPECT_EQ(contentOf(other()), kOther);
}

// A QUIT that stops (Cancel, a file not replaced, a save that fails, ^C or
// the end of the input) closes the drawings it saved and leaves current
// the drawing current before it; when it saved and closed that one, the
// drawing it stopped at.  Either way the next command works in a drawing
// that is open, with the changes it had.
TEST_F(ReplaceFiles, AQuitThatStopsClosesWhatItSavedAndKeepsAnOpenDrawingCurrent) {
    using host::shell::Document;
    const std::string readOnly = (dir_ / "read_only.dxf").string();
    std::ofstream(readOnly) << kOther;
    fs::permissions(readOnly, fs::perms(0444));
    // How QUIT stops at the second drawing, once the first is saved.
    const std::string stops[] = {"c\n", "y\n" + other() + "\nno\n", "y\n" + readOnly + "\ny\n", "^C\n", ""};
    for (bool firstIsCurrent : {false, true}) {
        for (const std::string& stop : stops) {
            SCOPED_TRACE(stop + (firstIsCurrent ? " (the first current)" : " (the second current)"));
            host::shell::resetSession();
            Document* first = host::shell::newDrawing();
            drawLine();
            Document* second = host::shell::newDrawing();
            drawLine();
            Document* third = host::shell::newDrawing();  // no changes: not asked about
            host::shell::makeCurrent(firstIsCurrent ? first : third);
            std::string saved = (dir_ / "first.dxf").string();
            fs::remove(saved);
            std::string said = run("QUIT", "y\n" + saved + "\n" + stop);
            EXPECT_NE(said.find("Saved " + saved), std::string::npos) << said;
            EXPECT_FALSE(host::shell::quitting());
            EXPECT_EQ(host::shell::documents().open(), (std::vector<Document*>{second, third})) << said;
            EXPECT_EQ(host::shell::currentDocument(), firstIsCurrent ? second : third) << said;
            EXPECT_EQ(contentOf(other()), kOther);
            EXPECT_EQ(contentOf(readOnly), kOther);
            if (stop.empty()) continue;  // the input ended: the changes were let go
            EXPECT_TRUE(host::shell::hasUnsavedChanges(*second)) << said;
        }
    }
}

} // namespace
