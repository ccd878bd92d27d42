// Opening a drawing the reader had to repair says what was left out or
// changed, whichever way it is opened: the first notes one a line, then a
// count of the rest.  A sound drawing prints nothing more than before.
#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "program_runner.h"
#include "shell/repair_notes.h"

namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// The 1-based line of the file at offset.
size_t lineAt(const std::string& text, size_t offset) {
    return 1 + static_cast<size_t>(std::count(text.begin(), text.begin() + static_cast<long>(offset), '\n'));
}

// The text without each of the lines.
std::string without(std::string text, const std::vector<std::string>& lines) {
    for (const std::string& line : lines)
        if (size_t at = text.find(line + "\n"); at != std::string::npos) text.erase(at, line.size() + 1);
    return text;
}

} // namespace

TEST(RepairNotes, OpeningADamagedDrawingSaysWhatItsRepairLeftOutOrChanged) {
    const std::string path = tempPath("lurak_opened.dxf");
    const std::string make = "LINE\n0,0\n10,0\n\nSAVEAS\n" + path + "\n";
    Outcome made = runLurak(plugin() + " -s " + writeScript("lurak_make.scr", make));
    ASSERT_EQ(made.status, 0) << made.output;
    const std::string sound = readFile(path);

    // Header variables without '$' are left out, one note each (at the line
    // of the section); a colour out of range is set to BYLAYER, with the
    // line of its entity.
    const std::string version = "$ACADVER\r\n  1\r\nAC1021\r\n";
    const size_t header = sound.find(version), line = sound.find("  0\r\nLINE\r\n", sound.find("ENTITIES"));
    ASSERT_NE(header, std::string::npos);
    ASSERT_NE(line, std::string::npos);
    auto damaged = [&](int variables, bool colour) {
        std::string text = sound;
        if (colour) text.insert(text.find("  8\r\n0\r\n", line) + 8, " 62\r\n300\r\n");
        for (int k = variables - 1; k >= 0; --k)
            text.insert(header + version.size(), "  9\r\nLURAK" + std::to_string(k) + "\r\n 70\r\n0\r\n");
        return text;
    };
    auto leftOut = [&](int k) {
        return path + ":2: header variable \"LURAK" + std::to_string(k) + "\" has no '$' before its name: left out";
    };
    const std::string colourNote =
        path + ":" + std::to_string(lineAt(sound, line + 5)) + ": LINE had the colour 300: set to 256";

    struct Case {
        const char* name;
        std::string text;
        std::vector<std::string> said;  // lines one after the other
        std::string notSaid;
    };
    std::vector<std::string> firstTen;
    for (int k = 0; k < static_cast<int>(host::shell::kRepairsShown); ++k) firstTen.push_back(leftOut(k));
    auto plus = [](std::vector<std::string> lines, const std::string& last) {
        lines.push_back(last);
        return lines;
    };
    const Case cases[] = {
        {"one repair", damaged(0, true), {colourNote}, "more repair"},
        {"one more than are shown", damaged(11, false), plus(firstTen, "... and 1 more repair."), leftOut(10)},
        {"many", damaged(25, true), plus(firstTen, "... and 16 more repairs."), colourNote},
    };
    const struct {
        const char* name;
        std::string arguments;
    } ways[] = {
        {"the program's drawing", path + " " + script("version.scr")},
        {"OPEN in a script", "-s " + writeScript("lurak_open.scr", "OPEN\n" + path + "\n")},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        writeFile(path, sound);
        const Outcome clean = runLurak(plugin() + " " + way.arguments);
        ASSERT_EQ(clean.status, 0) << clean.output;
        EXPECT_EQ(clean.output.find(path + ":"), std::string::npos) << clean.output;
        EXPECT_EQ(clean.output.find("repair"), std::string::npos) << clean.output;
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            writeFile(path, c.text);
            Outcome run = runLurak(plugin() + " " + way.arguments);
            EXPECT_EQ(run.status, 0) << run.output;
            std::string lines;
            for (const std::string& said : c.said) lines += said + "\n";
            EXPECT_NE(("\n" + run.output).find("\n" + lines), std::string::npos) << run.output;
            EXPECT_EQ(run.output.find(c.notSaid), std::string::npos) << run.output;
            // Nothing else changes.
            EXPECT_EQ(without(run.output, c.said), clean.output);
        }
    }
}
