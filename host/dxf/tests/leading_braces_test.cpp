// Braces at the start of a record that a damaged file leaves open: the
// reader, the marker placement and the save take them by one rule, so the
// save holds them closed, one level deep, before the owner, which it holds
// once and never as a reactor; ezdxf finds the reactors and the extension
// dictionary.  Entities, table records and objects alike.
#include "dxf/reader.h"

#include "dxf/writer.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace host::dxf;

namespace {

struct BraceCase {
    const char* name;
    const char* head;   // the groups between the handle and the first marker
    const char* saved;  // the save's, then what ezdxf reads
};

// $O is the record's owner, $X its extension dictionary; the reactor 30
// is a dictionary.
const BraceCase kCases[] = {
    {"reactors_open_before_the_extension_dictionary",
     "102 {ACAD_REACTORS 330 30 102 {ACAD_XDICTIONARY 360 $X 102 } 330 $O",
     "{ACAD_REACTORS 330:30 } {ACAD_XDICTIONARY 360:$X } 330:$O | owner=$O reactors=['30'] xdict=$X"},
    {"extension_dictionary_open_before_the_reactors",
     "102 {ACAD_XDICTIONARY 360 $X 102 {ACAD_REACTORS 330 30 102 } 330 $O",
     "{ACAD_XDICTIONARY 360:$X } {ACAD_REACTORS 330:30 } 330:$O | owner=$O reactors=['30'] xdict=$X"},
    {"extension_dictionary_open_before_the_owner", "102 {ACAD_XDICTIONARY 360 $X 330 $O",
     "{ACAD_XDICTIONARY 360:$X } 330:$O | owner=$O reactors=[] xdict=$X"},
    {"reactors_open_before_the_owner", "102 {ACAD_REACTORS 330 30 330 $O",
     "{ACAD_REACTORS 330:30 } 330:$O | owner=$O reactors=['30'] xdict=none"},
    {"application_braces_open_before_the_reactors", "102 {MYAPP 1 x 102 {ACAD_REACTORS 330 30 330 $O",
     "{MYAPP 1:x } {ACAD_REACTORS 330:30 } 330:$O | owner=$O reactors=['30'] xdict=none"},
    // Closed braces are whole whatever they hold, before open ones too.
    {"closed_braces_holding_a_marker", "102 {MYAPP 1 x 100 Foo 102 } 330 $O",
     "{MYAPP 1:x 100:Foo } 330:$O | owner=$O reactors=[] xdict=none"},
    {"closed_braces_holding_a_marker_before_open_reactors",
     "102 {MYAPP 1 x 100 Foo 102 } 102 {ACAD_REACTORS 330 30 330 $O",
     "{MYAPP 1:x 100:Foo } {ACAD_REACTORS 330:30 } 330:$O | owner=$O reactors=['30'] xdict=none"},
};

// A record of each kind the reader takes alike: handle, owner, extension
// dictionary, and what follows the head.
struct Kind {
    const char* handle;
    const char* owner;
    const char* dictionary;
};
const Kind kLine{"40", "17", "41"}, kLayer{"50", "2", "51"}, kXrecord{"60", "C", "61"};

std::string replaced(std::string text, const Kind& kind)
{
    for (auto [from, to] : {std::pair{"$O", kind.owner}, std::pair{"$X", kind.dictionary}})
        for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at))
            text.replace(at, 2, to);
    return text;
}

// A drawing whose LINE, LAYER and XRECORD each begin with `head`; an
// extension dictionary for each where the head names one.
std::string drawingWith(const std::string& head, const std::string& lineBody)
{
    const bool dictionaries = head.find("$X") != std::string::npos;
    std::string objects = "0 SECTION 2 OBJECTS 0 DICTIONARY 5 C 100 AcDbDictionary 3 ACAD_GROUP 350 30 3 MINE 350 60\n"
                          "0 DICTIONARY 5 30 330 C 100 AcDbDictionary\n"
                          "0 XRECORD 5 60 " + replaced(head, kXrecord) + " 100 AcDbXrecord 280 1 1 kept\n";
    if (dictionaries)
        for (const Kind* kind : {&kLine, &kLayer, &kXrecord})
            objects += "0 DICTIONARY 5 " + std::string(kind->dictionary) + " 330 " + kind->handle +
                       " 100 AcDbDictionary 280 1\n";
    return dxfOfGroups(
        "0 SECTION 2 HEADER 9 $ACADVER 1 AC1015 0 ENDSEC 0 SECTION 2 TABLES\n"
        "0 TABLE 2 LAYER 5 2 0 LAYER 5 50 " + replaced(head, kLayer) +
        " 100 AcDbSymbolTableRecord 100 AcDbLayerTableRecord 2 MINE 70 0 62 7 6 Continuous 0 ENDTAB\n"
        "0 TABLE 2 BLOCK_RECORD 5 1 0 BLOCK_RECORD 5 17 330 1 100 AcDbSymbolTableRecord 100 AcDbBlockTableRecord\n"
        "2 *Model_Space 0 ENDTAB 0 ENDSEC 0 SECTION 2 ENTITIES 0 LINE 5 40 " + replaced(head, kLine) + " " + lineBody +
        " 0 ENDSEC\n" + objects + "0 ENDSEC 0 EOF");
}

const char* const kLineBody = "100 AcDbEntity 8 MINE 100 AcDbLine 10 0 20 0 30 0 11 1 21 1 31 0";

std::string notesOf(const ReadReport& report)
{
    std::string all;
    for (const Diagnostic& d : report.repairs) all += d.text() + "\n";
    return all;
}

// Reads `input` and saves it as `name`: the save's path, which opens again
// without a note.
std::string savedAgain(const std::string& input, const std::string& name)
{
    ReadReport report;
    auto db = readDxfText(input, name + ".dxf", report);
    EXPECT_TRUE(db) << report.error.text();
    if (!db) return "";
    std::string path = outputPath("braces_" + name + ".dxf"), error;
    EXPECT_TRUE(writeDxfFile(*db, path, WriteOptions{}, error)) << error;
    ReadReport again;
    EXPECT_TRUE(readDxfFile(path, again)) << again.error.text();
    EXPECT_EQ(notesOf(again), "") << name;
    return path;
}

// What brace_values.py prints of the records.
std::string bracesOf(const std::string& path, const std::vector<std::string>& handles)
{
    std::vector<std::string> arguments{path};
    arguments.insert(arguments.end(), handles.begin(), handles.end());
    std::string output;
    EXPECT_EQ(runPython("brace_values.py", arguments, output), 0) << output;
    return output;
}

} // namespace

TEST(LeadingBraces, OpenBracesAreSavedClosedOneLevelDeepBeforeTheOwnerOnce)
{
    std::vector<std::string> saved;
    for (const BraceCase& c : kCases) {
        SCOPED_TRACE(c.name);
        const std::string path = savedAgain(drawingWith(c.head, kLineBody), c.name);
        ASSERT_FALSE(path.empty());
        std::string expected;
        for (const Kind* kind : {&kLine, &kLayer, &kXrecord})
            expected += replaced(c.saved, *kind) + (kind == &kLine ? " layer=MINE\n" : "\n");
        EXPECT_EQ(bracesOf(path, {kLine.handle, kLayer.handle, kXrecord.handle}), expected);
        saved.push_back(path);
    }
    EXPECT_EQ(runChecksOnFiles(saved, 4), "");
}

// Open reactors hold pointers only: a LINE's layer after them, its markers
// swapped, is its own and not the reactors'.
TEST(LeadingBraces, OpenReactorsEndAtTheirFirstGroupThatIsNoPointer)
{
    const std::string path =
        savedAgain(drawingWith("102 {ACAD_REACTORS 330 30 8 MINE",
                               "100 AcDbLine 10 0 20 0 30 0 11 1 21 1 31 0 100 AcDbEntity"),
                   "reactors_open_before_the_layer");
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(bracesOf(path, {kLine.handle}), "{ACAD_REACTORS 330:30 } 330:17 | owner=17 reactors=['30'] xdict=none "
                                              "layer=MINE\n");
    EXPECT_EQ(runChecks(path), "");
}
