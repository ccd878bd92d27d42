// What the command line tells the user: where a save went, why a save was
// refused (a drawing holding a number no file can, a read-only file), the command listing of
// "?" and HELP with the menu's descriptions, and the menu load as a note.
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

#include <unistd.h>

#include "aced_input.h"
#include "api/host_api.h"
#include "db/database.h"
#include "shell/command_help.h"
#include "shell/commands.h"
#include "shell/documents.h"
#include "shell/drawing_store.h"
#include "shell/progress.h"
#include "shell_fixture.h"

namespace fs = std::filesystem;

namespace {

class SaveAndHelp : public ShellTest {
protected:
    fs::path folder() {
        fs::path dir = fs::path(testing::TempDir()) / ("lurak_save_" + std::to_string(::getpid()));
        fs::create_directories(dir);
        return dir;
    }
    static std::string contentOf(const fs::path& path) {
        std::ifstream in(path);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    host::db::Database& drawing() { return *host::api::databaseOf(doc_->database()); }
};

TEST_F(SaveAndHelp, SaveSaysWhereAndHowManyEntitiesAndMarksTheDrawingSaved) {
    fs::path path = folder() / "one.dxf";
    script("0,0\n10,0\n\n");
    ASSERT_TRUE(host::shell::runCommandWord("LINE"));
    EXPECT_TRUE(host::shell::hasUnsavedChanges(*doc_));
    std::string message;
    ASSERT_TRUE(host::shell::saveDrawing(*doc_, path.string(), message)) << message;
    EXPECT_EQ(message, "Saved " + path.string() + " (1 entity in model space).");
    EXPECT_FALSE(host::shell::hasUnsavedChanges(*doc_));
    fs::remove_all(path.parent_path());
}

// A circle of another program's drawing too far out to draw is left out
// of the saved extents, and the save says so on one line after where it
// went.
TEST_F(SaveAndHelp, AnEntityLeftOutOfTheExtentsIsToldAfterTheSave) {
    fs::path from = folder() / "far_in.dxf", path = folder() / "far.dxf";
    std::ofstream(from) << "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n0\n10\n0\n20\n0\n30\n0\n11\n10\n21\n0\n31\n0\n"
                           "0\nCIRCLE\n5\n2A\n8\n0\n10\n1.7e308\n20\n0\n30\n0\n40\n1e308\n0\nENDSEC\n0\nEOF\n";
    std::string error;
    std::vector<std::string> repairs;
    ASSERT_TRUE(host::shell::readDrawing(*doc_, from.string(), error, repairs)) << error;
    std::string message;
    ASSERT_TRUE(host::shell::saveDrawing(*doc_, path.string(), message)) << message;
    std::string saved = "Saved " + path.string() + " (2 entities in model space).\n";
    ASSERT_EQ(message.substr(0, saved.size()), saved) << message;
    EXPECT_EQ(message.substr(saved.size()),
              path.string() + ": $EXTMIN and $EXTMAX leave out CIRCLE 2A: its numbers overflow when drawn");
    fs::remove_all(path.parent_path());
}

// A NaN that got into a drawing (once through a start direction of 1e308)
// is found before the file is touched, and the message names the entity.
TEST_F(SaveAndHelp, ANonFiniteNumberRefusesTheSaveAndKeepsTheOldFile) {
    fs::path path = folder() / "kept.dxf";
    std::ofstream(path) << "the old drawing";
    script("0,0\n10,0\n\n");
    ASSERT_TRUE(host::shell::runCommandWord("LINE"));
    const resbuf* line = lastList();
    ASSERT_NE(line, nullptr);
    host::db::Object* o = drawing().object(host::api::slotOf(drawing(), line->resval.rlname));
    ASSERT_NE(o, nullptr);
    for (host::db::Group& g : o->groups)
        if (g.code() == 11) g = host::db::Group::point(11, std::numeric_limits<double>::quiet_NaN(), 0, 0);
    char handle[24];
    std::snprintf(handle, sizeof handle, "%llX", static_cast<unsigned long long>(o->handle));
    std::string message;
    EXPECT_FALSE(host::shell::saveDrawing(*doc_, path.string(), message));
    EXPECT_EQ(message, "Cannot save " + path.string() + ": LINE " + handle +
                           " (group 11) holds a number that is not finite; the file was not touched.");
    EXPECT_EQ(contentOf(path), "the old drawing");
    EXPECT_EQ(std::distance(fs::directory_iterator(path.parent_path()), fs::directory_iterator()), 1);
    fs::remove_all(path.parent_path());
}

// A drawing no one may write is not replaced, whoever saves (root may
// write any file, and the tests run as root): its content, mode and owner
// stay, and no temporary file is left.
TEST_F(SaveAndHelp, AReadOnlyDrawingIsRefusedAndKeptAsItWas) {
    fs::path path = folder() / "read_only.dxf";
    std::ofstream(path) << "the old drawing";
    fs::permissions(path, fs::perms(0444));
    script("0,0\n10,0\n\n");
    ASSERT_TRUE(host::shell::runCommandWord("LINE"));
    std::string message;
    EXPECT_FALSE(host::shell::saveDrawing(*doc_, path.string(), message));
    EXPECT_EQ(message, "Cannot save: cannot replace " + path.string() + ": it is read-only");
    EXPECT_EQ(contentOf(path), "the old drawing");
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0444));
    EXPECT_EQ(std::distance(fs::directory_iterator(path.parent_path()), fs::directory_iterator()), 1);
    EXPECT_TRUE(host::shell::hasUnsavedChanges(*doc_));
    // Writable by its owner alone, it is saved.
    fs::permissions(path, fs::perms(0600));
    EXPECT_TRUE(host::shell::saveDrawing(*doc_, path.string(), message)) << message;
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0600));
    fs::remove_all(path.parent_path());
}

TEST_F(SaveAndHelp, HelpListsEveryCommandWithTheMenusDescription) {
    fs::path menu = folder() / "TEST.cui";
    std::ofstream(menu) << "; a comment = (C:nothing)\n[Test]\nPoints test...   = (C:tpoints)\n";
    doc_->menus().push_back(menu.string());
    doc_->functions()["C:TPOINTS"] = 1;
    doc_->functions()["C:TOTHER"] = 2;
    doc_->functions()["TFUNC"] = 3;
    std::string listing = host::shell::commandListing(doc_);
    for (const char* line : {"Host commands:\n", "\n  SAVEAS    Saves the drawing to a file you name\n",
                             "\n  MENULOAD  Loads a menu file\n", "Commands of Drawing1.dxf:\n",
                             "\n  TOTHER\n", "\n  TPOINTS   Points test\n", "Functions of Drawing1.dxf: (TFUNC)"})
        EXPECT_NE(listing.find(line), std::string::npos) << line << "\n---\n" << listing;
    EXPECT_NE(listing.back(), '\n');
    fs::remove_all(menu.parent_path());
}

TEST_F(SaveAndHelp, AMenuLoadedByTheModuleIsAPlainNote) {
    EXPECT_EQ(acedCommand(RTSTR, L"_MENULOAD", RTSTR, L"lurak.lin", RTNONE), RTNORM);
    std::string said = transcript();
    EXPECT_EQ(said.find("Enter name of menu file"), std::string::npos) << said;
    EXPECT_NE(said.find("Menu lurak.lin loaded.\n"), std::string::npos) << said;
}

TEST_F(SaveAndHelp, TheProgressMeterRedrawsOnlyWhenItMovesAndClearsItsLine) {
    std::ostringstream shown;
    EXPECT_EQ(acedSetStatusBarProgressMeter(L"Work", 0, 10), -1);  // not a terminal: nothing
    host::shell::setProgressOutput(&shown);
    EXPECT_EQ(acedSetStatusBarProgressMeter(L"Work", 0, 200), 0);
    for (int pos = 0; pos <= 200; ++pos) acedSetStatusBarProgressMeterPos(pos);
    acedSetStatusBarProgressMeterPos(500);  // beyond the range: kept at 100%
    acedRestoreStatusBarProgressMeter();
    EXPECT_EQ(acedSetStatusBarProgressMeterPos(5), -1);  // restored: no meter
    host::shell::setProgressOutput(nullptr);
    std::string text = shown.str();
    EXPECT_EQ(text.rfind("\rWork 0%\rWork 1%", 0), 0u);
    EXPECT_EQ(text.substr(text.size() - 14), "\rWork 100%\r\033[K");
}

} // namespace
