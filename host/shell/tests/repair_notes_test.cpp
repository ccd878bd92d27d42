// Opening a drawing the reader had to repair says what was left out or
// changed, whichever way it is opened: the first notes one a line, those
// that lose something first and each kind's together, then a count of the
// rest.  A sound drawing prints nothing more than before; a note shows the
// file's text without its control characters and cut short, and the file's
// name without them; a record has one note of what became of it.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
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

// The line of the first value line of the file that is `value`.
std::string lineOf(const std::string& text, const std::string& value) {
    size_t at = text.find("\r\n" + value + "\r\n");
    return at == std::string::npos ? "(none)" : std::to_string(lineAt(text, at + 2));
}

// The text without each of the lines.
std::string without(std::string text, const std::vector<std::string>& lines) {
    for (const std::string& line : lines)
        if (size_t at = text.find(line + "\n"); at != std::string::npos) text.erase(at, line.size() + 1);
    return text;
}

// DXF groups as the program writes them: code and value, one a line.
std::string groups(const std::vector<std::pair<int, std::string>>& list) {
    std::string text;
    for (const auto& [code, value] : list) {
        std::string number = std::to_string(code);
        text += std::string(3 - std::min<size_t>(3, number.size()), ' ') + number + "\r\n" + value + "\r\n";
    }
    return text;
}

// Header variables NAME0, NAME1, ... each with the value groups.
std::string variables(const std::string& name, int count, const std::string& value = " 70\r\n0\r\n") {
    std::string text;
    for (int k = 0; k < count; ++k) text += "  9\r\n" + name + std::to_string(k) + "\r\n" + value;
    return text;
}

// A drawing of one LINE as the program saves it, and where its parts are.
struct Sound {
    std::string path, text;
    size_t header = std::string::npos;  // after $ACADVER's value: header variables go here
    size_t line = std::string::npos;    // the LINE record
    size_t end = std::string::npos;     // the EOF record: sections go before it
};

Sound soundDrawing() {
    Sound sound;
    sound.path = tempPath("lurak_opened.dxf");
    // Made again by each test: the script replaces the file of the one before.
    const std::string make = "EXPERT\n2\nLINE\n0,0\n10,0\n\nSAVEAS\n" + sound.path + "\n";
    Outcome made = runLurak(plugin() + " -s " + writeScript("lurak_make.scr", make));
    EXPECT_EQ(made.status, 0) << made.output;
    sound.text = readFile(sound.path);
    const std::string version = "$ACADVER\r\n  1\r\nAC1021\r\n";
    if (size_t at = sound.text.find(version); at != std::string::npos) sound.header = at + version.size();
    sound.line = sound.text.find("  0\r\nLINE\r\n", sound.text.find("ENTITIES"));
    sound.end = sound.text.rfind("  0\r\nEOF");
    return sound;
}

bool complete(const Sound& sound) {
    return sound.header != std::string::npos && sound.line != std::string::npos && sound.end != std::string::npos;
}

// The sound drawing with header groups, entities before its LINE and
// sections before its end; with `colour` its LINE's colour is out of
// range, with `flat` its extrusion direction has no length.
std::string damagedDrawing(const Sound& sound, const std::string& header, const std::string& entities = "",
                           const std::string& sections = "", bool colour = false, bool flat = false) {
    std::string text = sound.text;
    text.insert(sound.end, sections);
    if (flat) text.replace(text.find("230\r\n1.0\r\n", sound.line), 10, "230\r\n0.0\r\n");
    if (colour) text.insert(text.find("  8\r\n0\r\n", sound.line) + 8, " 62\r\n300\r\n");
    text.insert(sound.line, entities);
    text.insert(sound.header, header);
    return text;
}

struct Way {
    const char* name;
    std::string arguments;
};

// The drawing given to the program, and opened by a script.
std::vector<Way> waysToOpen(const std::string& path) {
    return {{"the program's drawing", path + " " + script("version.scr")},
            {"OPEN in a script", "-s " + writeScript("lurak_open.scr", "OPEN\n" + path + "\n")}};
}

// One short line a note, and nothing a terminal acts on.
void expectOneLineANoteAndNoControls(const std::string& output, size_t longestNote) {
    size_t longest = 0, length = 0;
    for (size_t i = 0; i < output.size(); ++i) {
        const auto c = static_cast<unsigned char>(output[i]);
        length = c == '\n' ? 0 : length + 1;
        longest = std::max(longest, length);
        bool c1 = c == 0xC2 && i + 1 < output.size() && static_cast<unsigned char>(output[i + 1]) >= 0x80 &&
                  static_cast<unsigned char>(output[i + 1]) <= 0x9F;
        EXPECT_FALSE((c < 0x20 && c != '\n') || c == 0x7F || c1) << "byte " << i << ": " << int(c);
    }
    EXPECT_LE(longest, longestNote);
}

} // namespace

TEST(RepairNotes, OpeningADamagedDrawingSaysWhatItsRepairLeftOutOrChanged) {
    const Sound sound = soundDrawing();
    const std::string& path = sound.path;
    ASSERT_TRUE(complete(sound));

    // Header variables without '$' are left out, one note each at the line
    // of its name; a colour out of range is set to BYLAYER, with the line of
    // its entity.
    auto damaged = [&](int count, bool colour) {
        return damagedDrawing(sound, variables("LURAK", count), "", "", colour);
    };
    auto leftOut = [&](const std::string& text, int k) {
        return path + ":" + lineOf(text, "LURAK" + std::to_string(k)) + ": header variable \"LURAK" +
               std::to_string(k) + "\" has no '$' before its name: left out";
    };
    // The notes about the LINE, at its line in the text.
    auto lineNote = [&](const std::string& text, const std::string& message) {
        size_t at = text.find("  0\r\nLINE\r\n", text.find("ENTITIES"));
        return path + ":" + std::to_string(lineAt(text, at + 5)) + ": LINE " + message;
    };
    const std::string colourNote = "had the colour 300: set to 256";

    struct Case {
        const char* name;
        std::string text;
        std::vector<std::string> said;  // lines one after the other
        std::string notSaid;
    };
    const int ofAKind = static_cast<int>(host::shell::kRepairsShownOfAKind);
    auto firstOf = [&](const std::string& text, int count, std::vector<std::string> more) {
        std::vector<std::string> lines;
        for (int k = 0; k < count; ++k) lines.push_back(leftOut(text, k));
        lines.insert(lines.end(), more.begin(), more.end());
        return lines;
    };
    // Three kinds of variables left out, three of each, then the colour set
    // and the extrusion set: one more than are shown.
    const std::string second = "  9\r\n$ACADVER\r\n  1\r\nAC1021\r\n";
    const std::string kinds =
        damagedDrawing(sound, variables("LURAK", 3) + variables("$NONE", 3, "") + second + second + second, "", "",
                       true, true);
    std::vector<std::string> kindsSaid = firstOf(kinds, 3, {});
    for (int k = 0; k < 3; ++k)
        kindsSaid.push_back(path + ":" + lineOf(kinds, "$NONE" + std::to_string(k)) + ": header variable $NONE" +
                            std::to_string(k) + " has no value: left out");
    for (size_t at = kinds.find(second, sound.header); at != std::string::npos && kindsSaid.size() < 9;
         at = kinds.find(second, at + 1))
        kindsSaid.push_back(path + ":" + std::to_string(lineAt(kinds, at) + 1) +
                            ": header variable $ACADVER is given twice: the second was left out");
    kindsSaid.push_back(lineNote(kinds, colourNote));
    kindsSaid.push_back("... and 1 more repair.");
    ASSERT_EQ(kindsSaid.size(), host::shell::kRepairsShown + 1);

    const std::string one = damaged(0, true), eleven = damaged(11, false), many = damaged(25, true);
    const Case cases[] = {
        {"one repair", one, {lineNote(one, colourNote)}, "more repair"},
        {"one more than are shown", kinds, kindsSaid, "extrusion"},
        {"more of a kind than are shown", eleven, firstOf(eleven, ofAKind, {"... and 8 more like it."}),
         leftOut(eleven, ofAKind)},
        {"many", many, firstOf(many, ofAKind, {"... and 22 more like it.", lineNote(many, colourNote)}),
         "more repair"},
    };
    for (const Way& way : waysToOpen(path)) {
        SCOPED_TRACE(way.name);
        writeFile(path, sound.text);
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

// What a note says of a hostile or much damaged file: the losses before the
// rest, each kind folded after its first few, every repair counted, the
// file's text without a character a terminal acts on and never longer than a
// line, each note at the line of what it is about.
TEST(RepairNotes, LossesFirstFoldedByKindQuotedAndCountedWhole) {
    const Sound sound = soundDrawing();
    const std::string& path = sound.path;
    ASSERT_TRUE(complete(sound));

    // An insert followed by its attribute and 25 vertices, all without
    // subclass markers, as R12 writes them, and an entity of a type of no
    // known marker order: the vertices are left out of the insert's run, the
    // attribute and the SEQEND are sound and saved with their markers, and
    // the last is kept without them; each has one note of what became of it.
    std::string run = groups({{0, "INSERT"}, {8, "0"}, {66, "1"}, {2, "*Paper_Space"}, {10, "0"}, {20, "0"}}) +
                      groups({{0, "ATTRIB"}, {8, "0"}, {10, "0"}, {20, "0"}, {40, "1"}, {1, "v"}, {2, "TAG"}});
    for (int k = 0; k < 25; ++k) run += groups({{0, "VERTEX"}, {8, "0"}, {10, "0"}, {20, "0"}});
    run += groups({{0, "SEQEND"}, {8, "0"}});
    run += groups({{0, "3DLINE"}, {8, "0"}, {10, "0"}, {20, "0"}, {11, "1"}, {21, "0"}});
    const std::string vertices = damagedDrawing(sound, "", run);

    // Text that would retitle, clear and recolour the terminal (ESC, BEL and
    // the C1 CSI), in a variable's name, a record's type and a section's name.
    const std::string title = "\x1b]0;owned\x07\x1b[2J\xc2\x9b" "31m";
    const std::string hostile =
        damagedDrawing(sound, "  9\r\n" + title + "\r\n 70\r\n0\r\n  9\r\n$" + title + "\r\n",
                       groups({{0, "X" + title}, {8, "0"}}),
                       groups({{0, "SECTION"}, {2, "S" + title}, {0, "ENDSEC"}}));
    const std::string shownTitle = "?]0;owned??[2J?31m";

    const std::string huge(5u << 20, 'A');
    const std::string longName = damagedDrawing(sound, "  9\r\n" + huge + "\r\n 70\r\n0\r\n");

    // Variables without a value, given twice and of two values: left out,
    // each at the line of its name, not of the section.
    const std::string header = damagedDrawing(
        sound, "  9\r\n$EMPTY\r\n  9\r\n$ACADVER\r\n  1\r\nAC1021\r\n  9\r\n$TWO\r\n 70\r\n1\r\n 70\r\n2\r\n");

    // Attributes that follow no insert, as many as a large file holds: left
    // out, and nothing more said of them.
    constexpr int kOrphans = 50000;
    std::string orphans;
    for (int k = 0; k < kOrphans; ++k)
        orphans += groups({{0, "ATTRIB"}, {8, "0"}, {10, "0"}, {20, "0"}, {40, "1"}, {1, "v"}, {2, "TAG"}});
    const std::string alone = damagedDrawing(sound, "", orphans);

    constexpr int kColours = 20000;
    std::string lines;
    for (int k = 0; k < kColours; ++k)
        lines += groups({{0, "LINE"}, {8, "0"}, {62, "300"}, {10, "0"}, {20, "0"}, {11, "1"}, {21, "0"}});
    const std::string colours = damagedDrawing(sound, "", lines);
    const std::string firstColour = std::to_string(lineAt(colours, sound.line) + 1);
    const std::string colourShown = std::to_string(host::shell::kRepairsShownOfAKind);

    struct Case {
        const char* name;
        std::string text;
        std::vector<std::string> inOrder;  // pieces of the transcript, each after the one before
        std::vector<std::string> notSaid;
    };
    const Case cases[] = {
        {"left out before kept",
         vertices,
         {"\n" + path + ": VERTEX ",
          " (and 24 more) followed an INSERT, which takes attributes, not vertices: left out\n" + path + ":" +
              lineOf(vertices, "3DLINE") +
              ": 3DLINE is kept without subclass markers: no subclass order is known for 3DLINE\n"},
         {"more repair", "VERTEX is kept", "ATTRIB is kept", "SEQEND is kept", "more like it"}},
        {"50,000 attributes alone",
         alone,
         {"\n" + path + ": ATTRIB ",
          " (and " + std::to_string(kOrphans - 1) +
              " more) stood alone, without the insert or polyline it belongs to: left out\n"},
         {"subclass markers", "more like it", "more repair"}},
        {"control characters",
         hostile,
         {"\n" + path + ":" + std::to_string(lineAt(hostile, sound.header) + 1) + ": header variable \"" +
              shownTitle + "\" has no '$' before its name: left out\n",
          path + ":" + std::to_string(lineAt(hostile, sound.header) + 5) + ": header variable $" + shownTitle +
              " has no value: left out\n",
          path + ":" + lineOf(hostile, "X" + title) + ": a record of the type \"X" + shownTitle +
              "\" was left out: that is no type name\n",
          ": section S" + shownTitle + " is not kept by the host and was left out\n"},
         {"... and"}},
        {"a name of 5 MB",
         longName,
         {"\n" + path + ":" + std::to_string(lineAt(longName, sound.header) + 1) + ": header variable \"" +
          std::string(40, 'A') + "...\" has no '$' before its name: left out\n"},
         {"AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA"}},
        {"header variables at their lines",
         header,
         {"\n" + path + ":" + lineOf(header, "$EMPTY") + ": header variable $EMPTY has no value: left out\n",
          path + ":" + std::to_string(lineAt(header, header.find("$ACADVER", sound.header))) +
              ": header variable $ACADVER is given twice: the second was left out\n",
          path + ":" + lineOf(header, "$TWO") +
              ": header variable $TWO holds more than one value: the first was kept\n"},
         {"... and"}},
        {"20,000 colours",
         colours,
         {"\n" + path + ":" + firstColour + ": LINE had the colour 300: set to 256\n",
          "\n... and " + std::to_string(kColours - static_cast<int>(host::shell::kRepairsShownOfAKind)) +
              " more like it.\n"},
         {"more repair"}},
    };
    for (const Way& way : waysToOpen(path)) {
        SCOPED_TRACE(way.name);
        writeFile(path, sound.text);
        const Outcome clean = runLurak(plugin() + " " + way.arguments);
        ASSERT_EQ(clean.status, 0) << clean.output;
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            writeFile(path, c.text);
            Outcome opened = runLurak(plugin() + " " + way.arguments);
            EXPECT_EQ(opened.status, 0) << opened.output.substr(0, 4000);
            expectInOrder("\n" + opened.output, c.inOrder);
            for (const std::string& notSaid : c.notSaid)
                EXPECT_EQ(opened.output.find(notSaid), std::string::npos) << opened.output.substr(0, 4000);
            EXPECT_LT(opened.output.size(), clean.output.size() + 20 * (path.size() + 200));
            expectOneLineANoteAndNoControls(opened.output, path.size() + 200);
        }
    }

    // A file named with what acts on a terminal: its name is quoted as its
    // text is, in a note and in the error of a file cut short or not there.
    const std::string named = tempPath("lurak_" + title + ".dxf"), quoted = tempPath("lurak_" + shownTitle + ".dxf");
    const std::string coloured = damagedDrawing(sound, "", "", "", true);
    struct Named {
        const char* name;
        std::string text;  // none: no file
        int status;
        std::string said;
    };
    const Named names[] = {
        {"a note", coloured, 0,
         "\n" + quoted + ":" + std::to_string(lineAt(coloured, sound.line + 5)) +
             ": LINE had the colour 300: set to 256\n"},
        {"a file cut short", sound.text.substr(0, sound.line), 2, "\nlurak: Cannot open " + quoted + ":"},
        {"no file", "", 2, "\nlurak: Cannot open " + quoted + ": No such file or directory\n"},
    };
    for (const Named& n : names) {
        SCOPED_TRACE(n.name);
        std::remove(named.c_str());
        if (!n.text.empty()) writeFile(named, n.text);
        Outcome opened = runLurak(plugin() + " '" + named + "' " + script("version.scr"));
        EXPECT_EQ(opened.status, n.status) << opened.output;
        EXPECT_NE(("\n" + opened.output).find(n.said), std::string::npos) << opened.output;
        // The test plug-in's own lines name the drawing as they are given.
        std::string said;
        for (size_t at = 0, end; at < opened.output.size(); at = end + 1) {
            end = std::min(opened.output.find('\n', at), opened.output.size());
            if (opened.output.compare(at, 9, "[message ") != 0) said += opened.output.substr(at, end + 1 - at);
        }
        expectOneLineANoteAndNoControls(said, named.size() + 200);
    }
    std::remove(named.c_str());
}
