// Damaged drawings that still read: each damage is repaired on reading with
// a note (or the file is refused), and what was read saves as a drawing that
// the drawing checks pass and that reads back.  The damage is made here in
// the text of the R2007 sample that ezdxf writes.
#include "dxf/reader.h"

#include "dxf/binary_dxf.h"
#include "dxf/file_io.h"
#include "dxf/tokenizer.h"
#include "dxf/writer.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

using namespace host::dxf;

namespace {

std::string sample()
{
    std::string text, error;
    readWholeFile(sampleDrawing("R2007"), text, error);
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

// Where the n-th (from 0) `needle` starts after `from`; npos when missing.
size_t find(const std::string& text, const std::string& needle, size_t from = 0, int n = 0)
{
    size_t at = text.find(needle, from);
    for (; n > 0 && at != std::string::npos; --n) at = text.find(needle, at + 1);
    return at;
}

std::string inserted(const std::string& text, size_t at, const std::string& what)
{
    EXPECT_NE(at, std::string::npos) << what;
    return at == std::string::npos ? text : text.substr(0, at) + what + text.substr(at);
}

// The text with the line after position `at` (a group's code and value
// when `lines` is 2) taken out.
std::string without(const std::string& text, size_t at, int lines)
{
    EXPECT_NE(at, std::string::npos);
    if (at == std::string::npos) return text;
    size_t end = at;
    for (int i = 0; i < lines; ++i) end = text.find('\n', end) + 1;
    return text.substr(0, at) + text.substr(end);
}

// The value line of the first group `code` ("  8") after `at`: its position.
size_t valueOf(const std::string& text, const std::string& code, size_t at)
{
    size_t found = text.find("\n" + code + "\n", at);
    return found == std::string::npos ? found : found + code.size() + 2;
}

std::string replacedLine(const std::string& text, size_t at, const std::string& line)
{
    EXPECT_NE(at, std::string::npos) << line;
    if (at == std::string::npos) return text;
    return text.substr(0, at) + line + text.substr(text.find('\n', at));
}

const std::string kEntities = "  2\nENTITIES\n";

// A block of that name (without record: the reader makes it) inserting another.
std::string blockInserting(const std::string& name, const std::string& target)
{
    return "  0\nBLOCK\n  8\n0\n  2\n" + name + "\n 70\n0\n 10\n0.0\n 20\n0.0\n 30\n0.0\n  3\n" + name +
           "\n  0\nINSERT\n  8\n0\n  2\n" + target + "\n 10\n0.0\n 20\n0.0\n 30\n0.0\n  0\nENDBLK\n  8\n0\n";
}

// The handle (group 5) of the first record that `marker` starts.
std::string handleAfter(const std::string& text, const std::string& marker)
{
    size_t at = valueOf(text, "  5", find(text, marker));
    return at == std::string::npos ? "" : text.substr(at, text.find('\n', at) - at);
}

// The whole first record that `marker` starts, up to the next record.
std::string recordAt(const std::string& text, const std::string& marker)
{
    size_t at = find(text, marker);
    return at == std::string::npos ? "" : text.substr(at, text.find("\n  0\n", at + 1) + 1 - at);
}

// A record (recordAt) with its handle changed.
std::string withHandle(const std::string& record, const std::string& handle)
{
    return replacedLine(record, valueOf(record, "  5", 0), handle);
}

size_t endOfObjects(const std::string& text)
{
    return find(text, "  0\nENDSEC\n", find(text, "  2\nOBJECTS\n"));
}

// The handles that records hold (groups 5 and 105) before `end`.
std::vector<unsigned long long> handlesBefore(const std::string& text, size_t end)
{
    std::vector<unsigned long long> out;
    for (const char* code : {"\n  5\n", "\n105\n"})
        for (size_t at = text.find(code); at != std::string::npos && at < end; at = text.find(code, at + 1))
            out.push_back(std::stoull(text.substr(at + 5, text.find('\n', at + 5) - at - 5), nullptr, 16));
    return out;
}

struct Damage {
    const char* name;
    std::function<std::string(const std::string&)> make;
    const char* note;  // part of the note the reader gives ("": none asked); null: the file is refused
};

const Damage kDamages[] = {
    {"far_circle",
     [](const std::string& t) {
         return inserted(t, find(t, kEntities) + kEntities.size(),
                         "  0\nCIRCLE\n  8\n0\n 10\n1e308\n 20\n1e308\n 30\n0.0\n 40\n1e308\n");
     },
     ""},
    {"second_header",
     [](const std::string& t) {
         return inserted(t, find(t, "  0\nENDSEC\n") + 11,
                         "  0\nSECTION\n  2\nHEADER\n  9\n$EXTRA\n 70\n1\n  9\n$ACADVER\n  1\nAC1009\n  0\nENDSEC\n");
     },
     "a second HEADER section was taken into the first"},
    {"variable_without_value",
     [](const std::string& t) { return inserted(t, find(t, "  9\n$DWGCODEPAGE"), "  9\n$NOVALUE\n"); },
     "header variable $NOVALUE has no value: left out"},
    {"variable_without_dollar",
     [](const std::string& t) { return inserted(t, find(t, "  9\n$DWGCODEPAGE"), "  9\nNODOLLAR\n 70\n1\n"); },
     "header variable \"NODOLLAR\" has no '$' before its name: left out"},
    {"variable_with_two_values",
     [](const std::string& t) { return inserted(t, find(t, "  9\n$DWGCODEPAGE"), "  9\n$TWICE\n 70\n1\n 70\n2\n"); },
     "header variable $TWICE holds more than one value: the first was kept"},
    {"subclass_marker_repeated",
     [](const std::string& t) {
         size_t layout = find(t, "100\nAcDbLayout\n");
         return inserted(t, layout, "100\nAcDbLayout\n");
     },
     "LAYOUT: the subclass marker AcDbLayout was given twice"},
    {"block_record_without_name",
     [](const std::string& t) { return without(t, find(t, "  2\nGRILLE_TAG\n"), 2); },
     "the block record of BLOCK GRILLE_TAG had no name: given the block's"},
    {"block_named_unlike_its_record",
     [](const std::string& t) {
         size_t block = find(t, "  2\nGRILLE_TAG\n", find(t, "  2\nBLOCKS\n"));
         std::string renamed = replacedLine(t, block + 4, "OTHER");
         return replacedLine(renamed, valueOf(renamed, "  3", block), "OTHER");
     },
     "BLOCK OTHER belongs to the block record GRILLE_TAG: named so"},
    {"block_without_name",
     [](const std::string& t) {
         return inserted(t, find(t, "  0\nENDSEC\n", find(t, "  2\nBLOCKS\n")),
                         "  0\nBLOCK\n  8\n0\n 70\n0\n 10\n0.0\n 20\n0.0\n 30\n0.0\n  0\nLINE\n  8\n0\n 10\n0.0\n"
                         " 20\n0.0\n 30\n0.0\n 11\n1.0\n 21\n1.0\n 31\n0.0\n  0\nENDBLK\n  8\n0\n");
     },
     "a BLOCK without a name was named *U"},
    {"point_without_y",
     [](const std::string& t) { return without(t, find(t, " 20\n", find(t, "  0\nPOINT\n")), 2); },
     "POINT: group 10 has no y coordinate (group 20): 0 was taken"},
    {"table_without_endtab",
     [](const std::string& t) {
         size_t table = find(t, "  0\nTABLE\n  2\nBLOCK_RECORD\n");
         return without(t, t.rfind("  0\nENDTAB\n", table), 2);
     },
     "has no ENDTAB: it ends before this TABLE"},
    {"layer_in_entities",
     [](const std::string& t) {
         return inserted(t, find(t, kEntities) + kEntities.size(),
                         "  0\nLAYER\n100\nAcDbSymbolTableRecord\n100\nAcDbLayerTableRecord\n  2\nMOVED\n 70\n0\n");
     },
     "a LAYER among the entities was left out"},
    {"linetype_with_the_handle_of_model_space",
     [](const std::string& t) {
         size_t model = find(t, "  2\n*Model_Space\n");
         std::string handle = t.substr(t.rfind("\n  5\n", model) + 5);
         handle = handle.substr(0, handle.find('\n'));
         return replacedLine(t, valueOf(t, "  5", find(t, "  0\nLTYPE\n", 0, 3)), handle);
     },
     "had the handle"},
    {"handle_of_a_dictionary_entry_changed",
     [](const std::string& t) { return replacedLine(t, valueOf(t, "  5", find(t, "  0\nXRECORD\n")), "ABCDE"); },
     "named the missing object"},
    {"block_on_an_undefined_layer",
     [](const std::string& t) { return replacedLine(t, valueOf(t, "  8", find(t, "  0\nBLOCK\n", 0, 2)), "NOLAYER"); },
     "LAYER NOLAYER was missing: added"},
    {"block_end_on_an_undefined_layer",
     [](const std::string& t) { return replacedLine(t, valueOf(t, "  8", find(t, "  0\nENDBLK\n", 0, 2)), "NOEND"); },
     "LAYER NOEND was missing: added"},
    {"colour_out_of_range",
     [](const std::string& t) { return inserted(t, valueOf(t, "  8", find(t, "  0\nLINE\n")) - 4, " 62\n40000\n"); },
     "LINE had the colour 40000: set to 256"},
    {"xdata_binary_of_odd_length",
     [](const std::string& t) { return inserted(t, find(t, "1001\nDUCTAPP\n") + 13, "1004\nABC\n"); }, nullptr},
    {"block_inserting_itself",
     [](const std::string& t) {
         return inserted(t, find(t, "  0\nENDSEC\n", find(t, "  2\nBLOCKS\n")), blockInserting("SELF", "SELF"));
     },
     "in block SELF inserts SELF, the block itself: removed"},
    {"blocks_inserting_each_other",
     [](const std::string& t) {
         std::string blocks = blockInserting("A", "C") + blockInserting("C", "A");
         std::string text = inserted(t, find(t, "  0\nENDSEC\n", find(t, "  2\nBLOCKS\n")), blocks);
         return inserted(text, find(text, kEntities) + kEntities.size(),
                         "  0\nINSERT\n  8\n0\n  2\nA\n 10\n0.0\n 20\n0.0\n 30\n0.0\n");
     },
     "in block C inserts A, whose inserts lead back to C: removed"},
    {"layout_owned_by_the_root_dictionary",
     [](const std::string& t) {
         std::string root = handleAfter(t, "  0\nDICTIONARY\n");
         return replacedLine(t, valueOf(t, "330", find(t, "  0\nLAYOUT\n")), root);
     },
     "as its owner, which does not hold it: set to the record that names it"},
    {"second_copy_of_an_object",
     [](const std::string& t) {
         std::string xrecord = recordAt(t, "  0\nXRECORD\n");
         return inserted(t, find(t, "  0\nXRECORD\n"), xrecord);
     },
     "nothing names it, so it is not saved"},
    {"entity_among_the_objects",
     [](const std::string& t) {
         std::string model = handleAfter(t, "  0\nBLOCK_RECORD\n");
         return inserted(t, endOfObjects(t),
                         "  0\nLINE\n  5\nFFF01\n330\n" + model +
                             "\n100\nAcDbEntity\n  8\n0\n100\nAcDbLine\n 10\n0.0\n 20\n0.0\n 30\n0.0\n"
                             " 11\n1.0\n 21\n1.0\n 31\n0.0\n");
     },
     "a LINE among the objects was moved into its block *Model_Space"},
    {"block_record_among_the_objects",
     [](const std::string& t) {
         std::string table = handleAfter(t, "  0\nTABLE\n  2\nBLOCK_RECORD\n");
         return inserted(t, endOfObjects(t),
                         "  0\nBLOCK_RECORD\n  5\nFFF02\n330\n" + table +
                             "\n100\nAcDbSymbolTableRecord\n100\nAcDbBlockTableRecord\n  2\n*Model_Space\n");
     },
     "a BLOCK_RECORD among the objects was left out"},
    {"block_among_the_entities",
     [](const std::string& t) {
         std::string block = blockInserting("LOOSE", "GRILLE_TAG");
         return inserted(t, find(t, kEntities) + kEntities.size(), block);
     },
     "a BLOCK among the entities was left out"},
    {"text_style_of_a_leader_style_missing",
     [](const std::string& t) { return replacedLine(t, valueOf(t, "342", find(t, "  0\nMLEADERSTYLE\n")), "FFF03"); },
     "MLEADERSTYLE 2C named the text style FFF03, which does not exist: set to Standard"},
    {"block_name_given_only_as_its_description",
     [](const std::string& t) {
         size_t block = find(t, "  2\nGRILLE_TAG\n", find(t, "  2\nBLOCKS\n"));
         return replacedLine(t, block, "  3");
     },
     "BLOCK  belongs to the block record GRILLE_TAG: named so"},
    {"record_type_damaged",
     [](const std::string& t) {
         return inserted(t, find(t, kEntities) + kEntities.size(), "  0\n0.0\n  8\n0\n 10\n1.0\n 20\n2.0\n 30\n0.0\n");
     },
     "a record of the type \"0.0\" was left out: that is no type name"},
    {"insert_without_block_name",
     [](const std::string& t) {
         size_t insert = find(t, "  0\nINSERT\n", find(t, kEntities));
         return without(t, valueOf(t, "  2", insert) - 4, 2);
     },
     "an INSERT without a block name was left out"},
    {"group_dictionary_damaged",
     [](const std::string& t) {
         size_t root = find(t, "  0\nDICTIONARY\n");
         std::string groups = t.substr(valueOf(t, "350", find(t, "ACAD_GROUP\n", root)));
         groups = groups.substr(0, groups.find('\n'));
         size_t at = find(t, "  0\nDICTIONARY\n  5\n" + groups + "\n");
         return replacedLine(t, at + 4, "DICTION\x01RY");
     },
     "the root dictionary had no ACAD_GROUP: added"},
    {"taken_handle_that_a_later_record_holds",
     [](const std::string& t) {
         // A LINE in the entities repeats a handle already used, so it needs a
         // new one; the dictionaries further on hold the handles next above
         // those read so far, which a careless choice would take, since the
         // header's $HANDSEED (damaged too) points nowhere above them.
         std::string low = replacedLine(t, valueOf(t, "  5", find(t, "$HANDSEED")), "1");
         size_t at = find(low, kEntities) + kEntities.size();
         std::vector<unsigned long long> before = handlesBefore(low, at), all = handlesBefore(low, low.size());
         unsigned long long next = *std::max_element(before.begin(), before.end()) + 1;
         std::string damaged = inserted(low, at, "  0\nLINE\n  5\n" + handleAfter(t, "  0\nBLOCK\n") +
                                                   "\n  8\n0\n 10\n0.0\n 20\n0.0\n 30\n0.0\n 11\n1.0\n 21\n0.0\n 31\n0.0\n");
         size_t root = find(damaged, "  0\nDICTIONARY\n");
         std::string rootHandle = handleAfter(damaged, "  0\nDICTIONARY\n");
         std::string keys, dictionaries;
         for (int made = 0; made < 4; ++next) {
             if (std::find(all.begin(), all.end(), next) != all.end()) continue;
             char hex[20];
             std::snprintf(hex, sizeof hex, "%llX", next);
             keys += "  3\nEXTRA" + std::to_string(made) + "\n350\n" + hex + "\n";
             dictionaries += "  0\nDICTIONARY\n  5\n" + std::string(hex) + "\n330\n" + rootHandle +
                             "\n100\nAcDbDictionary\n281\n1\n";
             ++made;
         }
         damaged = inserted(damaged, find(damaged, "  3\nACAD_GROUP\n", root), keys);
         return inserted(damaged, endOfObjects(damaged), dictionaries);
     },
     "was already used by the object"},
    {"dictionary_entry_under_another_code",
     [](const std::string& t) { return replacedLine(t, find(t, "  3\nACAD_LAYOUT\n") + 16, "700"); },
     "the entry of ACAD_LAYOUT (group 700) was not given as a pointer: taken as one"},
    {"dictionary_body_damaged",
     [](const std::string& t) {
         return inserted(t, find(t, "  3\nLayout1\n"), "  3\nLayout9\n355\n2\n100\nAcDbSymbolTable\n 70\n1\n");
     },
     "the key Layout9 names no object: left out"},
    {"layer_linetype_missing",
     [](const std::string& t) {
         return replacedLine(t, valueOf(t, "  6", find(t, "AcDbLayerTableRecord\n")), "NOLINETYPE");
     },
     "LAYER 0 named the linetype NOLINETYPE, which does not exist: set to Continuous"},
    {"block_record_named_twice",
     [](const std::string& t) { return inserted(t, find(t, "  2\nGRILLE_TAG\n") + 15, "  2\nOTHER\n"); },
     "a BLOCK_RECORD record gave 2 names: the first, GRILLE_TAG, was kept"},
    {"record_of_no_entity_type",
     [](const std::string& t) {
         return inserted(t, find(t, kEntities) + kEntities.size(), "  0\nLILE\n  8\n0\n 10\n0.0\n 20\n0.0\n 30\n0.0\n");
     },
     "a LILE among the entities was left out: it is of no entity type"},
    {"extension_dictionary_of_a_block_record",
     [](const std::string& t) {
         size_t record = find(t, "  0\nBLOCK_RECORD\n");
         std::string model = handleAfter(t, "  0\nBLOCK_RECORD\n");
         std::string text = inserted(t, find(t, "100\n", record), "102\n{ACAD_XDICTIONARY\n360\nFFF05\n102\n}\n");
         return inserted(text, endOfObjects(text),
                         "  0\nDICTIONARY\n  5\nFFF05\n330\n" + model + "\n100\nAcDbDictionary\n281\n1\n");
     },
     ""},
    {"layout_of_another_type",
     [](const std::string& t) { return replacedLine(t, find(t, "  0\nLAYOUT\n") + 4, "CIRCLELAYOUT"); },
     "is a CIRCLELAYOUT, no LAYOUT: left out"},
    {"layout_named_unlike_its_key",
     [](const std::string& t) {
         return replacedLine(t, valueOf(t, "  1", find(t, "100\nAcDbLayout\n", find(t, "  0\nLAYOUT\n"))), "Mo`del");
     },
     "was named \"Mo`del\": named as its key"},
    {"xdata_of_a_table_record_of_an_unknown_application",
     [](const std::string& t) {
         size_t record = find(t, "  0\nLTYPE\n");
         return inserted(t, find(t, "\n  0\n", record) + 1, "1001\nNOAPP\n1000\nnote\n");
     },
     "APPID NOAPP was missing: added"},
    {"dictionary_default_missing",
     [](const std::string& t) { return without(t, find(t, "340\n", find(t, "100\nAcDbDictionaryWithDefault\n")), 2); },
     "had no default: set to ACDBPLACEHOLDER"},
    {"dictionary_marker_damaged",
     [](const std::string& t) {
         size_t marker = find(t, "100\nAcDbDictionary\n", find(t, "  0\nACDBDICTIONARYWDFLT\n"));
         return replacedLine(t, marker + 4, "AcDbDictionaryEntity\n  8\n0\n100\nAcDbLine\n 10\n1.0\n 20\n2.0");
     },
     "had lost its marker AcDbDictionary: put back"},
    {"layout_part_missing",
     [](const std::string& t) {
         size_t part = find(t, "100\nAcDbLayout\n", find(t, "  0\nLAYOUT\n"));
         return part == std::string::npos ? t : t.substr(0, part) + t.substr(t.find("\n  0\n", part) + 1);
     },
     "had lost its AcDbLayout part: its settings were made anew"},
    {"table_record_markers_damaged",
     [](const std::string& t) {
         const std::string markers = "100\nAcDbSymbolTableRecord\n100\nAcDbLinetypeTableRecord\n";
         size_t at = find(t, markers);
         return at == std::string::npos ? t
                                        : t.substr(0, at) + "100\nAcDbSymbolTablbLinetypeTableRecord\n" +
                                              t.substr(at + markers.size());
     },
     "a LTYPE record's subclass markers were damaged: put right"},
    {"layer_name_with_a_forbidden_character",
     [](const std::string& t) { return replacedLine(t, valueOf(t, "  8", find(t, "  0\nLINE\n")), "0?"); },
     "the layer name \"0?\" holds a character layer names may not hold: renamed 0_"},
    {"paper_layout_of_a_damaged_type",
     [](const std::string& t) { return replacedLine(t, find(t, "  0\nLAYOUT\n", 0, 1) + 4, "LAYO?UT"); },
     "had no layout: Layout1 added"},
    {"extrusion_of_no_length",
     [](const std::string& t) {
         size_t line = find(t, "  0\nLINE\n", find(t, kEntities));
         return inserted(t, find(t, "\n  0\n", line) + 1, "210\n0.0\n220\n0.0\n230\n0.0\n");
     },
     "LINE had an extrusion direction of no length: set to 0,0,1"},
    {"table_head_pointer_to_nothing",
     [](const std::string& t) {
         size_t head = find(t, "100\nAcDbSymbolTable\n", find(t, "  0\nTABLE\n  2\nLAYER\n"));
         return inserted(t, find(t, "\n  0\n", head) + 1, "340\nFFF06\n330\nFFF07\n");
     },
     "table LAYER: 2 pointers that name nothing were left out"},
    {"layout_dictionary_held_by_a_dictionary_without_owner",
     [](const std::string& t) {
         std::string layouts = t.substr(valueOf(t, "350", find(t, "  3\nACAD_LAYOUT\n")));
         layouts = layouts.substr(0, layouts.find('\n'));
         size_t owner = valueOf(t, "330", find(t, "  0\nDICTIONARY\n  5\n" + layouts + "\n"));
         std::string text = replacedLine(t, owner, "FFF08");
         return inserted(text, endOfObjects(text),
                         "  0\nDICTIONARY\n  5\nFFF08\n100\nAcDbDictionary\n  3\nACAD_LAYOUT\n350\n" + layouts + "\n");
     },
     "as its owner, which is not saved: set to the saved record that names it too"},
    {"entity_names_empty",
     [](const std::string& t) {
         std::string text = replacedLine(t, valueOf(t, "  8", find(t, "  0\nLINE\n", find(t, kEntities))), "");
         return replacedLine(text, valueOf(text, "  7", find(text, "  0\nTEXT\n", find(text, kEntities))), "");
     },
     "LINE had an empty name in group 8: set to 0"},
    {"xdata_application_name_damaged",
     [](const std::string& t) { return replacedLine(t, find(t, "1001\nDUCTAPP\n"), "1005"); },
     "XDATA groups without an application name (1001) before them were left out"},
    {"layout_dictionary_key_damaged",
     [](const std::string& t) { return replacedLine(t, find(t, "  3\nACAD_LAYOUT\n") + 4, "ACAD\xc1_LAYOUT"); },
     "named the layouts: taken as ACAD_LAYOUT"},
    {"xdata_handles_that_are_no_handles",
     [](const std::string& t) {
         // Each names nothing; the last names a record, spelled otherwise
         // than the record's own handle.
         std::string handle = handleAfter(t, "  0\nINSERT\n");
         std::transform(handle.begin(), handle.end(), handle.begin(), [](unsigned char c) { return std::tolower(c); });
         return inserted(t, find(t, "1001\nDUCTAPP\n") + 13,
                         "1005\nZZ\n1005\n-1\n1005\n 39\n1005\n0x39\n1005\n10000000000000039\n1005\n00" + handle +
                             "\n");
     },
     ""},
    {"insert_attributes_without_seqend",
     [](const std::string& t) {
         size_t seqend = find(t, "  0\nSEQEND\n", find(t, "  0\nATTRIB\n", find(t, kEntities)));
         return t.substr(0, seqend) + t.substr(t.find("\n  0\n", seqend + 1) + 1);
     },
     ": no SEQEND closed its attributes: added"},
    {"insert_says_attributes_follow_but_none_do",
     [](const std::string& t) {
         size_t attributes = find(t, "  0\nATTRIB\n", find(t, kEntities));
         size_t seqend = find(t, "  0\nSEQEND\n", attributes);
         return t.substr(0, attributes) + t.substr(t.find("\n  0\n", seqend + 1) + 1);
     },
     ": no SEQEND closed its attributes: added"},
    {"polyline_vertices_without_seqend",
     [](const std::string& t) {
         size_t seqend = find(t, "  0\nSEQEND\n", find(t, "  0\nVERTEX\n", find(t, kEntities)));
         return t.substr(0, seqend) + t.substr(t.find("\n  0\n", seqend + 1) + 1);
     },
     ": no SEQEND closed its vertices: added"},
    {"attribute_owned_by_another_entity",
     [](const std::string& t) {
         size_t attribute = find(t, "  0\nATTRIB\n", find(t, kEntities));
         return replacedLine(t, valueOf(t, "330", attribute), handleAfter(t, "  0\nLINE\n"));
     },
     ", but follows INSERT "},
    {"attribute_standing_alone",
     [](const std::string& t) {
         // The first attribute and the SEQEND after it, moved to the front.
         size_t first = find(t, "  0\nATTRIB\n", find(t, kEntities));
         size_t end = t.find("\n  0\n", first + 1) + 1;
         std::string attribute = t.substr(first, end - first);
         std::string text = t.substr(0, first) + t.substr(end);
         return inserted(text, find(text, kEntities) + kEntities.size(), attribute);
     },
     " stood alone, without the insert or polyline it belongs to: left out"},
    {"attribute_among_polyline_vertices_owned_by_the_polyline",
     [](const std::string& t) {
         size_t polyline = find(t, "  0\nPOLYLINE\n", find(t, kEntities));
         std::string attribute = withHandle(recordAt(t, "  0\nATTRIB\n"), "FFF10");
         attribute = replacedLine(attribute, valueOf(attribute, "330", 0), handleAfter(t, "  0\nPOLYLINE\n"));
         return inserted(t, find(t, "  0\nVERTEX\n", polyline, 1), attribute);
     },
     "ATTRIB FFF10 followed a POLYLINE, which takes vertices, not attributes: left out"},
    {"vertex_among_insert_attributes_owned_by_the_insert",
     [](const std::string& t) {
         size_t attributes = find(t, "  0\nATTRIB\n", find(t, kEntities));
         std::string insert = t.substr(valueOf(t, "  5", t.rfind("  0\nINSERT\n", attributes)));
         std::string vertex = withHandle(recordAt(t, "  0\nVERTEX\n"), "FFF11");
         vertex = replacedLine(vertex, valueOf(vertex, "330", 0), insert.substr(0, insert.find('\n')));
         return inserted(t, find(t, "  0\nATTRIB\n", attributes, 1), vertex);
     },
     "VERTEX FFF11 followed an INSERT, which takes attributes, not vertices: left out"},
    {"vertex_right_after_an_insert_in_a_block",
     [](const std::string& t) {
         size_t insert = find(t, "  0\nINSERT\n", find(t, "  2\nBLOCKS\n"));
         std::string vertex = withHandle(recordAt(t, "  0\nVERTEX\n"), "FFF12");
         return inserted(t, find(t, "\n  0\n", insert + 1) + 1, vertex);
     },
     "VERTEX FFF12 followed an INSERT, which takes attributes, not vertices: left out"},
    {"attribute_right_after_a_polyline_in_a_block",
     [](const std::string& t) {
         // R12 style: no handles, no owners.
         const std::string vertex = "  0\nVERTEX\n  8\n0\n 10\n0.0\n 20\n0.0\n 30\n0.0\n";
         const std::string block =
             "  0\nBLOCK\n  8\n0\n  2\nRUN\n 70\n0\n 10\n0.0\n 20\n0.0\n 30\n0.0\n  3\nRUN\n"
             "  0\nPOLYLINE\n  8\n0\n 66\n1\n 10\n0.0\n 20\n0.0\n 30\n0.0\n"
             "  0\nATTRIB\n  8\n0\n 10\n0.0\n 20\n0.0\n 30\n0.0\n 40\n1.0\n  1\nX\n  2\nTAG\n 70\n0\n" +
             vertex + vertex + "  0\nSEQEND\n  8\n0\n  0\nENDBLK\n  8\n0\n";
         return inserted(t, find(t, "  0\nENDSEC\n", find(t, "  2\nBLOCKS\n")), block);
     },
     " followed a POLYLINE, which takes vertices, not attributes: left out"},
    {"dimension_sizes_missing",
     [](const std::string& t) {
         // Neither the header nor the current dimension style gives them.
         std::string text = t;
         for (const char* variable : {"  9\n$DIMASZ\n", "  9\n$DIMTXT\n"})
             if (size_t at = find(text, variable); at != std::string::npos) text = without(text, at, 4);
         size_t style = find(text, "  0\nDIMSTYLE\n");
         for (const char* code : {" 41", "140"}) text = without(text, valueOf(text, code, style) - 4, 2);
         return text;
     },
     ""},
};

std::string notesOf(const ReadReport& report)
{
    std::string all;
    for (const Diagnostic& d : report.repairs) all += d.text() + "\n";
    return all;
}

// The notes of repairs a read made, but those of records kept as read
// without subclass markers, told on every open of a drawing that holds one.
std::string repairsOf(const ReadReport& report)
{
    std::string all;
    for (const Diagnostic& d : report.repairs)
        if (d.kind.name != "kept without subclass markers") all += d.text() + "\n";
    return all;
}

} // namespace

TEST(DamagedSave, EachDamageIsRepairedOrRefusedAndNeverSavedInvalid)
{
    const std::string good = sample();
    ASSERT_FALSE(good.empty());
    std::vector<std::string> saved;
    for (const Damage& damage : kDamages) {
        SCOPED_TRACE(damage.name);
        const std::string text = damage.make(good);
        ASSERT_NE(text, good);
        const std::string name = std::string(damage.name) + ".dxf";
        ReadReport report;
        auto db = readDxfText(text, name, report);
        if (!damage.note) {
            EXPECT_FALSE(db);
            EXPECT_EQ(report.error.text().rfind(name + ":", 0), 0u) << report.error.text();
            continue;
        }
        ASSERT_TRUE(db) << report.error.text();
        EXPECT_NE(notesOf(report).find(damage.note), std::string::npos) << notesOf(report);
        std::string path = outputPath("damaged_" + name), error;
        ASSERT_TRUE(writeDxfFile(*db, path, WriteOptions{}, error)) << error;
        // The saved drawing opens again, without a word, here and in ezdxf.
        ReadReport again;
        EXPECT_TRUE(readDxfFile(path, again)) << again.error.text();
        EXPECT_EQ(repairsOf(again), "");
        saved.push_back(path);
    }
    EXPECT_EQ(runChecksOnFiles(saved, 4), "");
}

// Binary files are read as their text: a sub-entity in the run of a main
// entity of the other kind is left out of them too.
TEST(DamagedSave, SubEntityOfTheOtherKindInABinaryFileIsLeftOut)
{
    const std::string good = sample();
    const std::string otherKind[] = {"attribute_among_polyline_vertices_owned_by_the_polyline",
                                     "vertex_right_after_an_insert_in_a_block"};
    std::vector<std::string> saved;
    for (const Damage& damage : kDamages) {
        if (std::find(std::begin(otherKind), std::end(otherKind), damage.name) == std::end(otherKind)) continue;
        SCOPED_TRACE(damage.name);
        std::string binary;
        textToBinary(damage.make(good), binary);
        ASSERT_TRUE(isBinaryDxf(binary));
        ReadReport report;
        auto db = readDxfText(binary, "binary.dxf", report);
        ASSERT_TRUE(db) << report.error.text();
        EXPECT_NE(notesOf(report).find(damage.note), std::string::npos) << notesOf(report);
        std::string path = outputPath("damaged_binary_" + std::string(damage.name) + ".dxf"), error;
        ASSERT_TRUE(writeDxfFile(*db, path, WriteOptions{}, error)) << error;
        saved.push_back(path);
    }
    ASSERT_EQ(saved.size(), std::size(otherKind));
    EXPECT_EQ(runChecksOnFiles(saved, 2), "");
}

TEST(LineEnds, LfCrLfAndCrAloneReadAlike)
{
    const std::string lf = sample();
    ReadReport report;
    auto db = readDxfText(lf, "lf.dxf", report);
    ASSERT_TRUE(db) << report.error.text();
    std::string expected;
    writeDxfText(*db, expected);
    for (const std::string end : {"\r\n", "\r"}) {
        std::string text;
        for (char c : lf) text += c == '\n' ? end : std::string(1, c);
        ReadReport other;
        auto read = readDxfText(text, "other.dxf", other);
        ASSERT_TRUE(read) << other.error.text();
        std::string written;
        writeDxfText(*read, written);
        EXPECT_EQ(written, expected);
    }
    // Line numbers count CR line ends too.
    std::string damaged = lf.substr(0, lf.find("$ACADVER\n  1\n")) + "$ACADVER\nx1\n";
    std::replace(damaged.begin(), damaged.end(), '\n', '\r');
    ReadReport bad;
    EXPECT_FALSE(readDxfText(damaged, "mac.dxf", bad));
    EXPECT_EQ(bad.error.text(), "mac.dxf:7: group code is not a number: \"x1\"");
}
