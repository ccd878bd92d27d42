// LIST of "all" over drawings other programs write: every group of every
// entity is listed, each value read as the kind its code holds (true/false
// and 64-bit groups once crashed it), over the foreign drawings the DXF
// tests read: LibreCAD's data package, ezdxf's samples of every version and
// drawings of MULTILEADER, MLINE, ACAD_TABLE and the XDATA codes.
#include <algorithm>
#include <filesystem>
#include <sstream>

#include "api/host_api.h"
#include "db/sub_entities.h"
#include "program_runner.h"
#include "shell/commands.h"
#include "shell_fixture.h"

namespace {

constexpr const char* kLibreCadData = "/usr/share/librecad";

// The drawings a script writes into a folder of this process (made once
// per script): the .dxf files there.
std::vector<std::string> writtenBy(const std::string& script, const std::string& folder) {
    Outcome made = runCommand(std::string(LURAK_PYTHON) + " " + script + " " + tempPath(folder));
    EXPECT_EQ(made.status, 0) << made.output;
    std::vector<std::string> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(tempPath(folder), ec))
        if (entry.path().extension() == ".dxf") files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

const std::vector<std::string>& listSamples() {
    static const std::vector<std::string> files =
        writtenBy(std::string(LURAK_SHELL_TEST_DIR) + "/make_list_samples.py", "list_samples");
    return files;
}

std::string sample(const std::string& name) {
    for (const std::string& path : listSamples())
        if (path.ends_with("/" + name)) return path;
    return "";
}

std::vector<std::string> libreCadDrawings() {
    std::vector<std::string> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(kLibreCadData, ec)) {
        std::string extension = entry.path().extension().string();
        std::transform(extension.begin(), extension.end(), extension.begin(), ::tolower);
        if (entry.is_regular_file() && extension == ".dxf") files.push_back(entry.path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Lines of the listing "all" makes of the current drawing, told from the
// stored entities: each group, with the entity's name, type, handle and
// owner before them.
size_t groupLinesOf(const host::db::Database& db) {
    size_t lines = 0;
    for (host::db::Slot space : {db.modelSpace(), db.paperSpace()}) {
        const host::db::Block* block = db.block(space);
        if (block == nullptr) continue;
        for (host::db::Slot s : block->entities) {
            const host::db::Object* o = db.object(s);
            if (o && !o->erased && !host::db::isSubEntity(*o)) lines += o->groups.size() + 3 + (o->owner ? 1 : 0);
        }
    }
    return lines;
}

size_t countLines(const std::string& text, const std::string& start) {
    size_t n = 0;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (line.starts_with(start)) ++n;
    return n;
}

} // namespace

class ListGroups : public ShellTest {
protected:
    // Opens the drawing, lists all of it; the listing, or "" when the
    // drawing does not open.
    std::string listAll(const std::string& path) {
        script("");
        if (host::shell::openDrawing(path) == nullptr) return "";
        transcript();
        script("all\n\n");
        EXPECT_TRUE(host::shell::runCommandWord("LIST"));
        return transcript();
    }
    // Lists every drawing: a line for each whose listing leaves a group out.
    std::string listedWhole(const std::vector<std::string>& files) {
        std::string faults;
        for (const std::string& path : files) {
            std::string listing = listAll(path);
            host::db::Database* db = host::api::currentDatabase();
            if (listing.empty() || db == nullptr) {
                faults += path + ": did not open\n";
                continue;
            }
            size_t listed = countLines(listing, "  ("), stored = groupLinesOf(*db);
            if (listed != stored)
                faults += path + ": " + std::to_string(listed) + " groups listed of " + std::to_string(stored) + "\n";
            host::shell::closeDrawing(host::shell::currentDocument());
        }
        return faults;
    }
};

TEST_F(ListGroups, EveryKindOfValueIsListedAsItsCodeHoldsIt) {
    std::string listing = listAll(sample("line_groups.dxf"));
    // The flag, the 64-bit number, the code of no kind (listed by what it
    // holds), a group of each upper range and XDATA of every code from 1000 on.
    expectInOrder(listing, {"(0 . \"LINE\")", "(290 . 1)\n", "(160 . 12345678901)\n", "(250 . \"kept as text\")\n",
                            "(310 . <binary 0A0B0C>)\n", "(420 . 1193046)\n", "(440 . 33554559)\n", "(460 . 1.5)\n",
                            "(470 . \"more text\")\n", "(11 . (100 50 0))\n", "  XDATA:\n", "(1001 . \"LISTAPP\")\n", "(1000 . \"tag\")\n",
                            "(1002 . \"{\")\n", "(1003 . \"DUCT\")\n", "(1004 . <binary 0A0B>)\n", "(1005 . \"",
                            "(1002 . \"}\")\n", "(1010 . (1 2 3))\n", "(1011 . (4 5 6))\n", "(1012 . (7 8 9))\n",
                            "(1013 . (0.5 0.25 0))\n", "(1040 . 2.25)\n", "(1041 . 3.5)\n", "(1042 . 0.75)\n",
                            "(1070 . 7)\n", "(1071 . 70000)\n"});
    // The flags of a MULTILEADER, an MLINE's and an ACAD_TABLE's groups,
    // the cells' text among them.
    expectInOrder(listAll(sample("multileader.dxf")), {"(0 . \"MULTILEADER\")", "(290 . 1)\n",
                                                       "(304 . \"Supply 400x200\")", "(340 . <Entity name: ",
                                                       "(297 . 0)\n"});
    expectInOrder(listAll(sample("mline.dxf")), {"(0 . \"MLINE\")", "(340 . <Entity name: ", "(40 . 20)", "(11 . "});
    expectInOrder(listAll(sample("table.dxf")), {"(0 . \"ACAD_TABLE\")", "(343 . <Entity name: ", "(1 . \"A1\")",
                                                 "(290 . 1)\n", "(1 . \"B1\")", "(291 . 0)\n"});
}

TEST_F(ListGroups, EveryGroupOfTheForeignDrawingsIsListed) {
    std::vector<std::string> files = listSamples();
    ASSERT_EQ(files.size(), 4u);
    for (const char* script : {"make_samples.py", "make_foreign_samples.py"}) {
        std::vector<std::string> more = writtenBy(std::string(LURAK_DXF_TEST_DIR) + "/" + script, script);
        EXPECT_FALSE(more.empty()) << script;
        files.insert(files.end(), more.begin(), more.end());
    }
    std::vector<std::string> libreCad = libreCadDrawings();
    files.insert(files.end(), libreCad.begin(), libreCad.end());
    EXPECT_EQ(listedWhole(files), "");
    if (libreCad.empty()) GTEST_SKIP() << "librecad-data is not installed: only ezdxf's drawings were listed";
}
