// Small damaged drawings that read with repairs: what was read saves as a
// file that opens again without a word, whose pointers and owners all name
// records it holds (the drawing checks), in text and in binary alike.
#include "dxf/reader.h"

#include "db/database.h"
#include "dxf/binary_dxf.h"
#include "dxf/writer.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace host::dxf;

namespace {

const std::string kHeader = "0 SECTION 2 HEADER 9 $ACADVER 1 AC1015 0 ENDSEC\n";

struct Damaged {
    const char* name;
    std::string groups;
    const char* note;  // part of a note the first read gives
};

const Damaged kDamaged[] = {
    // The first *Model_Space's ENDBLK gives way to the second's, and the
    // root dictionary names it as the layouts' dictionary.
    {"layouts_named_by_a_replaced_block_end",
     kHeader + "0 SECTION 2 BLOCKS 0 BLOCK 5 10 2 *Model_Space 0 ENDBLK 5 18 0 ENDSEC\n"
               "0 SECTION 2 BLOCKS 0 BLOCK 2 *Model_Space 0 ENDBLK 0 ENDSEC\n"
               "0 SECTION 2 OBJECTS 0 DICTIONARY 5 C 3 ACAD_LAYOUT 350 18 0 ENDSEC 0 EOF",
     "the root dictionary's ACAD_LAYOUT named ENDBLK 18, which is no dictionary: left out"},
    // A paper space line, and after it an entity of a type no one knows
    // that names the line as its owner (no space: model space).
    {"entity_owned_by_the_line_before_it",
     kHeader + "0 SECTION 2 ENTITIES\n"
               "0 LINE 5 40 100 AcDbEntity 67 1 8 0 100 AcDbLine 10 0 20 0 30 0 11 1 21 1 31 0\n"
               "0 R 5 41 330 40 100 AcDbEntity 8 0 0 ENDSEC 0 EOF",
     "R 41 had owner 40, which is not its block: set to the block"},
    // A model space insert whose group 67 says paper space, and its
    // attribute: the SEQEND made for the run takes the insert's 67.
    {"run_of_a_model_space_insert_marked_as_paper_space",
     kHeader + "0 SECTION 2 TABLES 0 TABLE 2 BLOCK_RECORD 5 1 0 BLOCK_RECORD 5 20 330 1\n"
               "100 AcDbSymbolTableRecord 100 AcDbBlockTableRecord 2 *Model_Space 0 ENDTAB 0 ENDSEC\n"
               "0 SECTION 2 ENTITIES 0 INSERT 5 40 330 20 100 AcDbEntity 67 1 8 0 100 AcDbBlockReference\n"
               "66 1 2 B 10 0 20 0 30 0 0 ATTRIB 5 41 330 40 100 AcDbEntity 8 0 100 AcDbText 10 0 20 0 30 0\n"
               "40 1 1 X 100 AcDbAttribute 2 T 70 0 0 ENDSEC 0 EOF",
     "INSERT 40: no SEQEND closed its attributes: added"},
    // A table record's name (or a damaged marker) after a stray XDATA group.
    {"record_name_after_stray_xdata",
     kHeader + "0 SECTION 2 TABLES 0 TABLE 2 LTYPE 0 LTYPE 5 20 1002 x 2 DASHED 70 0 3 - 72 65 73 0 40 0\n"
               "0 LTYPE 5 21 1002 x 100 AcDbSymbolTableRecord 100 Damaged 2 DOTTED 70 0 3 - 72 65 73 0 40 0\n"
               "0 ENDTAB 0 ENDSEC 0 EOF",
     "LTYPE: 1 XDATA groups without an application name (1001) before them were left out"},
    // An R14 XRECORD's data and a dynamic block grip's own groups of the
    // XDATA range stay; a line's stray one is left out.
    {"own_data_of_the_xdata_range_beside_a_stray_group",
     "0 SECTION 2 HEADER 9 $ACADVER 1 AC1014 0 ENDSEC 0 SECTION 2 ENTITIES 0 LINE 5 40 100 AcDbEntity 8 0\n"
     "1071 2 100 AcDbLine 10 0 20 0 30 0 11 1 21 1 31 0 0 ENDSEC 0 SECTION 2 OBJECTS\n"
     "0 DICTIONARY 5 C 100 AcDbDictionary 3 DSTYLE 350 30 3 GRIP 350 31\n"
     "0 XRECORD 5 30 330 C 100 AcDbXrecord 280 1 1000 DSTYLE 1002 { 1070 147 1040 0.5 1002 }\n"
     "0 BLOCKROTATIONGRIP 5 31 330 C 100 AcDbEvalExpr 90 2 98 33 99 4 100 AcDbBlockElement 300 Grip 98 33\n"
     "99 4 1071 0 100 AcDbBlockGrip 91 1 92 1 1010 10 1020 2.5 1030 0 280 0 93 -1 100 AcDbBlockRotationGrip\n"
     "0 ENDSEC 0 EOF",
     "LINE: 1 XDATA groups without an application name (1001) before them were left out"},
    // A dynamic block action's own groups, then the XDATA of an application
    // of no name and of another.
    {"own_data_before_an_application_of_no_name",
     kHeader + "0 SECTION 2 OBJECTS 0 DICTIONARY 5 C 100 AcDbDictionary 3 ROTATE 350 30\n"
               "0 BLOCKROTATEACTION 5 30 330 C 100 AcDbEvalExpr 90 3 98 33 99 4 100 AcDbBlockElement 300 Rotation\n"
               "98 33 99 4 1071 7 100 AcDbBlockAction 1010 5 1020 5 1030 0 70 1 1001 <blank> 1000 x\n"
               "1001 DYNAPP 1070 1 0 ENDSEC 0 EOF",
     "BLOCKROTATEACTION: 2 XDATA groups of an application without a name were left out"},
    // A root dictionary naming an owner that does not exist, and holding
    // the layouts and a record of its own.
    {"root_dictionary_naming_an_owner_that_does_not_exist",
     kHeader + "0 SECTION 2 OBJECTS 0 DICTIONARY 5 C 330 ABCDE 100 AcDbDictionary 3 MINE 350 30\n"
               "0 XRECORD 5 30 330 C 100 AcDbXrecord 280 1 1 kept 0 ENDSEC 0 EOF",
     "the root dictionary C named ABCDE as its owner, which does not exist: set to none"},
    // A small writer copies model space's handle into every owner and
    // writes one dictionary without: the root stays the first dictionary,
    // with the record under it.
    {"root_of_a_copied_owner_beside_a_dictionary_without_owner",
     kHeader + "0 SECTION 2 ENTITIES 0 LINE 5 40 330 1F 100 AcDbEntity 8 0 100 AcDbLine 10 0 20 0 30 0 11 1 21 1 31 0\n"
               "0 ENDSEC 0 SECTION 2 OBJECTS 0 DICTIONARY 5 C 330 1F 100 AcDbDictionary 3 ACAD_GROUP 350 D\n"
               "3 MINE 350 30 0 DICTIONARY 5 D 100 AcDbDictionary 0 XRECORD 5 30 330 1F 100 AcDbXrecord 1 kept\n"
               "0 ENDSEC 0 EOF",
     "the root dictionary C named 1F as its owner, which does not exist: set to none"},
    // A line's extension dictionary before the root: it stays the line's.
    {"extension_dictionary_before_the_root",
     kHeader + "0 SECTION 2 ENTITIES 0 LINE 5 40 102 {ACAD_XDICTIONARY 360 31 102 } 100 AcDbEntity 8 0 100 AcDbLine\n"
               "10 0 20 0 30 0 11 1 21 1 31 0 0 ENDSEC 0 SECTION 2 OBJECTS 0 DICTIONARY 5 31 330 40 100 AcDbDictionary\n"
               "3 MINE 350 30 0 XRECORD 5 30 330 31 100 AcDbXrecord 1 kept 0 DICTIONARY 5 C 100 AcDbDictionary\n"
               "0 ENDSEC 0 EOF",
     "the root dictionary was not the first object: moved to the front"},
    // A layer's extension dictionary without an owner, a sun whose owner
    // names nothing: each is the record's that names it.
    {"extension_dictionary_and_sun_of_table_records",
     kHeader + "0 SECTION 2 TABLES 0 TABLE 2 VPORT 5 8 0 VPORT 5 9 330 8 100 AcDbSymbolTableRecord\n"
               "100 AcDbViewportTableRecord 2 *Active 70 0 361 32 0 ENDTAB 0 TABLE 2 LAYER 5 2 0 LAYER 5 10\n"
               "102 {ACAD_XDICTIONARY 360 31 102 } 330 2 100 AcDbSymbolTableRecord 100 AcDbLayerTableRecord 2 0\n"
               "70 0 62 7 6 Continuous 0 ENDTAB 0 ENDSEC 0 SECTION 2 OBJECTS 0 DICTIONARY 5 C 100 AcDbDictionary\n"
               "0 DICTIONARY 5 31 100 AcDbDictionary 3 MINE 350 30 0 XRECORD 5 30 330 31 100 AcDbXrecord 1 kept\n"
               "0 SUN 5 32 330 ABCDE 100 AcDbSun 90 1 290 1 0 ENDSEC 0 EOF",
     "1 objects without an owner were given the record that names them"},
    // A block whose BLOCK names model space's record as its owner: it
    // stays the block its name names, with its circle.
    {"block_owned_by_the_model_space_record",
     kHeader + "0 SECTION 2 TABLES 0 TABLE 2 BLOCK_RECORD 5 1 0 BLOCK_RECORD 5 1F 330 1 100 AcDbSymbolTableRecord\n"
               "100 AcDbBlockTableRecord 2 *Model_Space 0 BLOCK_RECORD 5 20 330 1 100 AcDbSymbolTableRecord\n"
               "100 AcDbBlockTableRecord 2 B1 0 ENDTAB 0 ENDSEC 0 SECTION 2 BLOCKS 0 BLOCK 5 21 330 1F\n"
               "100 AcDbEntity 8 0 100 AcDbBlockBegin 2 B1 70 0 10 0 20 0 30 0 3 B1 1 <empty>\n"
               "0 CIRCLE 5 22 330 20 100 AcDbEntity 8 0 100 AcDbCircle 10 0 20 0 30 0 40 1\n"
               "0 ENDBLK 5 23 330 20 100 AcDbEntity 8 0 100 AcDbBlockEnd 0 ENDSEC 0 SECTION 2 ENTITIES\n"
               "0 INSERT 5 40 330 1F 100 AcDbEntity 8 0 100 AcDbBlockReference 2 B1 10 0 20 0 30 0 0 ENDSEC 0 EOF",
     "BLOCK B1 had a wrong owner: set to its block record"},
    // A second BLOCK of one name, owned by a record of no block: it is
    // that record's block.
    {"second_block_of_a_name_owned_by_another_record",
     kHeader + "0 SECTION 2 TABLES 0 TABLE 2 BLOCK_RECORD 5 1 0 BLOCK_RECORD 5 20 330 1 100 AcDbSymbolTableRecord\n"
               "100 AcDbBlockTableRecord 2 B1 0 BLOCK_RECORD 5 24 330 1 100 AcDbSymbolTableRecord\n"
               "100 AcDbBlockTableRecord 2 B2 0 ENDTAB 0 ENDSEC 0 SECTION 2 BLOCKS 0 BLOCK 5 21 330 20\n"
               "100 AcDbEntity 8 0 100 AcDbBlockBegin 2 B1 70 0 10 0 20 0 30 0 3 B1 0 ENDBLK 5 23 330 20\n"
               "100 AcDbEntity 8 0 100 AcDbBlockEnd 0 BLOCK 5 25 330 24 100 AcDbEntity 8 0 100 AcDbBlockBegin 2 B1\n"
               "70 0 10 0 20 0 30 0 3 B1 0 CIRCLE 5 26 330 24 100 AcDbEntity 8 0 100 AcDbCircle 10 0 20 0 30 0 40 1\n"
               "0 ENDBLK 5 27 330 24 100 AcDbEntity 8 0 100 AcDbBlockEnd 0 ENDSEC 0 SECTION 2 ENTITIES\n"
               "0 INSERT 5 40 100 AcDbEntity 8 0 100 AcDbBlockReference 2 B2 10 0 20 0 30 0 0 ENDSEC 0 EOF",
     "BLOCK B1 belongs to the block record B2: named so"},
    // An XRECORD that lost its one marker, which heads its data.
    {"xrecord_without_its_marker",
     kHeader + "0 SECTION 2 OBJECTS 0 DICTIONARY 5 C 100 AcDbDictionary 3 MINE 350 30\n"
               "0 XRECORD 5 30 330 C 280 1 1 hello 40 2.5 0 ENDSEC 0 EOF",
     "XRECORD 30 had lost its marker AcDbXrecord: put back"},
    // A table head pointing at an object that nothing owns, so not saved.
    {"table_head_pointing_at_an_object_not_saved",
     kHeader + "0 SECTION 2 TABLES 0 TABLE 2 LTYPE 5 5 340 30 0 ENDTAB 0 ENDSEC\n"
               "0 SECTION 2 OBJECTS 0 XRECORD 5 30 100 AcDbXrecord 1 x 0 ENDSEC 0 EOF",
     "are named by no dictionary: they are not saved"},
    // Model space points at a layout of another name, which lost its
    // settings: that layout may not show model space.
    {"model_space_pointing_at_another_layout",
     kHeader + "0 SECTION 2 TABLES 0 TABLE 2 BLOCK_RECORD 5 1 0 BLOCK_RECORD 5 2 330 1\n"
               "100 AcDbSymbolTableRecord 100 AcDbBlockTableRecord 2 *Model_Space 340 30 0 ENDTAB 0 ENDSEC\n"
               "0 SECTION 2 OBJECTS 0 DICTIONARY 5 C 100 AcDbDictionary 3 ACAD_LAYOUT 350 D\n"
               "0 DICTIONARY 5 D 330 C 100 AcDbDictionary 3 Sheet 350 30 0 LAYOUT 5 30 330 D 0 ENDSEC 0 EOF",
     "layout Sheet was linked to its block *Paper_Space"},
    // One layout under two keys of the layout dictionary.
    {"layout_under_two_keys",
     kHeader + "0 SECTION 2 OBJECTS 0 DICTIONARY 5 C 100 AcDbDictionary 3 ACAD_LAYOUT 350 D\n"
               "0 DICTIONARY 5 D 330 C 100 AcDbDictionary 3 Model 350 30 3 Sheet 350 30 0 LAYOUT 5 30 330 D\n"
               "0 ENDSEC 0 EOF",
     "layout key Sheet names the layout of an earlier key: left out"},
    // A layout whose block record pointer is missing, after a stray 330.
    {"layout_with_a_stray_pointer_before_its_parts",
     kHeader + "0 SECTION 2 OBJECTS 0 DICTIONARY 5 C 100 AcDbDictionary 3 ACAD_LAYOUT 350 D\n"
               "0 DICTIONARY 5 D 330 C 100 AcDbDictionary 3 Model 350 30 3 Sheet 350 31\n"
               "0 LAYOUT 5 30 330 D 100 AcDbPlotSettings 100 AcDbLayout 1 Model 71 0\n"
               "0 LAYOUT 5 31 330 D 330 0 100 AcDbPlotSettings 100 AcDbLayout 1 Sheet 71 1 0 ENDSEC 0 EOF",
     "layout Sheet was linked to its block *Paper_Space"},
    // An insert of no block among the objects, owned by a block record.
    {"insert_without_block_name_among_the_objects",
     kHeader + "0 SECTION 2 TABLES 0 TABLE 2 BLOCK_RECORD 5 1 0 BLOCK_RECORD 5 20 330 1\n"
               "100 AcDbSymbolTableRecord 100 AcDbBlockTableRecord 2 B 0 ENDTAB 0 ENDSEC\n"
               "0 SECTION 2 BLOCKS 0 BLOCK 5 21 330 20 100 AcDbEntity 8 0 100 AcDbBlockBegin 2 B 70 0\n"
               "10 0 20 0 30 0 3 B 0 ENDBLK 5 22 330 20 100 AcDbEntity 8 0 100 AcDbBlockEnd 0 ENDSEC\n"
               "0 SECTION 2 OBJECTS 0 INSERT 5 50 330 20 100 AcDbEntity 8 0 100 AcDbBlockReference\n"
               "10 0 20 0 30 0 0 ENDSEC 0 EOF",
     "an INSERT without a block name was left out"},
    // A block and its record, neither of which has a name.
    {"block_and_record_without_names",
     kHeader + "0 SECTION 2 TABLES 0 TABLE 2 BLOCK_RECORD 5 1 0 BLOCK_RECORD 5 20 330 1\n"
               "100 AcDbSymbolTableRecord 100 AcDbBlockTableRecord 0 ENDTAB 0 ENDSEC\n"
               "0 SECTION 2 BLOCKS 0 BLOCK 5 21 330 20 100 AcDbEntity 8 0 100 AcDbBlockBegin 70 0\n"
               "10 0 20 0 30 0 0 ENDBLK 5 22 330 20 100 AcDbEntity 8 0 100 AcDbBlockEnd 0 ENDSEC 0 EOF",
     "a BLOCK without a name was named *U"},
    // An insert of no block, its type in other letters.
    {"insert_without_block_name_in_other_letters",
     kHeader + "0 SECTION 2 ENTITIES 0 iNSERT 5 40 100 AcDbEntity 8 0 100 AcDbBlockReference 10 0 20 0 30 0\n"
               "0 ENDSEC 0 EOF",
     "an INSERT without a block name was left out"},
    // The layouts' dictionary held by the root and by an object that nothing
    // holds, which comes first and is its owner.
    {"layouts_owned_by_an_object_not_saved",
     kHeader + "0 SECTION 2 TABLES 0 TABLE 2 LTYPE 5 1 0 ENDTAB 0 ENDSEC\n"
               "0 SECTION 2 OBJECTS 0 R 5 A 330 1 350 D 0 DICTIONARY 5 D 330 A 100 AcDbDictionary\n"
               "0 DICTIONARY 5 C 100 AcDbDictionary 3 ACAD_LAYOUT 350 D 0 ENDSEC 0 EOF",
     "DICTIONARY D named A as its owner, which is not saved: set to the saved record that names it too"},
    // The layouts' dictionary owned by itself, its layout held also by a
    // block left out at saving: the layout stays with the dictionary, which
    // the root holds once it is mended.
    {"layout_of_a_dictionary_owned_by_itself_held_by_a_block_too",
     "0 SECTION 2 BLOCKS 0 BLOCK 350 30 0 ENDBLK 0 ENDSEC 0 SECTION 2 OBJECTS 0 DICTIONARY 3 ACAD_LAYOUT 350 D\n"
     "0 DICTIONARY 5 D 330 D 3 L 350 30 0 LAYOUT 5 30 0 ENDSEC 0 EOF",
     "layout L had lost its AcDbLayout part: its settings were made anew"},
    // The same layout, its dictionary owned by an object that is not saved.
    {"layout_of_a_dictionary_owned_by_an_object_not_saved_held_by_a_block_too",
     kHeader + "0 SECTION 2 BLOCKS 0 BLOCK 350 31 0 ENDBLK 0 ENDSEC 0 SECTION 2 OBJECTS 0 DICTIONARY 3 ACAD_LAYOUT\n"
               "350 D 0 Y 5 C 350 D 0 DICTIONARY 5 D 330 C 3 L 350 31 0 LAYOUT 5 31 0 ENDSEC 0 EOF",
     "1 objects without an owner are named by no dictionary: they are not saved"},
    // A dictionary with a default, read without markers, given its default.
    {"dictionary_with_a_default_read_without_markers",
     kHeader + "0 SECTION 2 OBJECTS 0 DICTIONARY 5 C 3 X 350 D 0 ACDBDICTIONARYWDFLT 5 D 330 C 0 ENDSEC 0 EOF", ""},
    // The same with a group that is no key nor entry, left out with the
    // marker put back.
    {"dictionary_with_a_default_read_without_markers_and_a_stray_group",
     kHeader + "0 SECTION 2 OBJECTS 0 DICTIONARY 5 C 3 X 350 D 0 ACDBDICTIONARYWDFLT 5 D 330 C 4 <empty> 0 ENDSEC 0 EOF",
     "ACDBDICTIONARYWDFLT D: 1 groups that are no key or entry were left out"},
    // The layouts' dictionary has a default, and no default but an entry
    // that is no layout, which is left out there.
    {"layout_dictionary_whose_only_entry_is_no_layout",
     kHeader + "0 SECTION 2 OBJECTS 0 DICTIONARY 5 C 100 AcDbDictionary 3 ACAD_LAYOUT 350 50\n"
               "0 ACDBDICTIONARYWDFLT 5 50 330 C 100 AcDbDictionary 3 Normal 350 51 0 ACDBPLACEHOLDER 5 51 330 50\n"
               "0 ENDSEC 0 EOF",
     "layout Normal is a ACDBPLACEHOLDER, no LAYOUT: left out"},
    // A block record named as R12 names model space, without its block.
    {"block_record_named_as_in_r12",
     kHeader + "0 SECTION 2 TABLES 0 TABLE 2 BLOCK_RECORD 5 1 0 BLOCK_RECORD 5 20 330 1\n"
               "100 AcDbSymbolTableRecord 100 AcDbBlockTableRecord 2 $Model_Space 0 ENDTAB 0 ENDSEC 0 EOF",
     "block $Model_Space had no BLOCK/ENDBLK: added"},
    // Names of blanks only: a layer, and an application of XDATA.
    {"names_of_blanks",
     kHeader + "0 SECTION 2 ENTITIES 0 LINE 5 40 100 AcDbEntity 8 <blank> 100 AcDbLine 10 0 20 0 30 0 11 1 21 1\n"
               "31 0 1001 <blank> 1000 x 0 ENDSEC 0 EOF",
     "LINE: 2 XDATA groups of an application without a name were left out"},
    // A dimension naming two blocks: the first is its block.
    {"dimension_naming_two_blocks",
     kHeader + "0 SECTION 2 ENTITIES 0 DIMENSION 5 40 100 AcDbEntity 8 0 100 AcDbDimension 2 B 2 *D7\n"
               "0 ENDSEC 0 EOF",
     "a DIMENSION record gave 2 names: the first, B, was kept"},
    // A block of two names, of R12 (its markers are added on reading).
    {"block_of_two_names",
     kHeader + "0 SECTION 2 BLOCKS 0 BLOCK 5 20 8 0 2 A 2 <empty> 70 0 10 0 20 0 30 0 0 ENDBLK 5 21 8 0\n"
               "0 ENDSEC 0 EOF",
     "a BLOCK record gave 2 names: the first, A, was kept"},
    // A block record whose name is blank, named by its block.
    {"block_record_of_a_blank_name",
     kHeader + "0 SECTION 2 TABLES 0 TABLE 2 BLOCK_RECORD 5 1 0 BLOCK_RECORD 5 1A 330 1\n"
               "100 AcDbSymbolTableRecord 100 AcDbBlockTableRecord 2 <blank> 0 ENDTAB 0 ENDSEC\n"
               "0 SECTION 2 BLOCKS 0 BLOCK 5 1B 330 1A 100 AcDbEntity 8 0 100 AcDbBlockBegin 2 F 70 0 10 0 20 0\n"
               "30 0 3 F 0 ENDBLK 5 1C 330 1A 100 AcDbEntity 8 0 100 AcDbBlockEnd 0 ENDSEC 0 EOF",
     "the block record of BLOCK F had no name: given the block's"},
    // Nor name nor markers: the record takes its block's name and, as an
    // R12 record does, its markers; no note tells of a name missing.
    {"block_record_of_no_name_nor_markers",
     kHeader + "0 SECTION 2 TABLES 0 TABLE 2 BLOCK_RECORD 5 1 0 BLOCK_RECORD 5 1A 330 1 0 ENDTAB 0 ENDSEC\n"
               "0 SECTION 2 BLOCKS 0 BLOCK 5 1B 330 1A 100 AcDbEntity 8 0 100 AcDbBlockBegin 2 F 70 0 10 0 20 0\n"
               "30 0 3 F 0 ENDBLK 5 1C 330 1A 100 AcDbEntity 8 0 100 AcDbBlockEnd 0 ENDSEC 0 EOF",
     "the block record of BLOCK F had no name: given the block's"},
    // A text whose only marker is empty: its save holds its two AcDbText
    // parts in a row, the first of no group.
    {"text_whose_only_marker_is_empty", kHeader + "0 SECTION 2 ENTITIES 0 TEXT 100 <empty> 0 ENDSEC 0 EOF", ""},
    {"text_with_a_marker_of_another_class",
     kHeader + "0 SECTION 2 ENTITIES 0 TEXT 5 27 100 AcDbEntity 8 0 100 AcSymbolTable 70 0 0 ENDSEC 0 EOF", ""},
    // The same, with a group of no known place after the second part's.
    {"text_with_a_group_of_no_known_place_after_its_second_part",
     kHeader + "0 SECTION 2 ENTITIES 0 TEXT 5 27 100 AcDbEntity 8 0 100 AcSymbolTable 73 1 3 x 0 ENDSEC 0 EOF", ""},
    // Dimensions whose block is no block of their own: none, a blank name,
    // model space; one of a block and a style of nothing.  Each is kept.
    {"dimension_without_block_name",
     kHeader + "0 SECTION 2 ENTITIES 0 DIMENSION 5 40 100 AcDbEntity 8 0 100 AcDbDimension 10 0 20 0 30 0 70 0\n"
               "0 ENDSEC 0 EOF",
     "DIMENSION 40 named no block: given the empty block *D"},
    {"dimension_of_a_blank_block_name",
     kHeader + "0 SECTION 2 ENTITIES 0 DIMENSION 5 40 100 AcDbEntity 8 0 100 AcDbDimension 2 <blank> 10 0 20 0\n"
               "30 0 70 0 0 ENDSEC 0 EOF",
     "DIMENSION 40 named no block: given the empty block *D"},
    {"dimension_naming_model_space",
     kHeader + "0 SECTION 2 ENTITIES 0 DIMENSION 5 40 100 AcDbEntity 8 0 100 AcDbDimension 2 *Model_Space\n"
               "10 0 20 0 30 0 70 0 0 ENDSEC 0 EOF",
     "DIMENSION 40 named the space *Model_Space as its block: given the empty block *D"},
    {"arc_dimension_of_a_block_and_style_of_nothing",
     kHeader + "0 SECTION 2 ENTITIES 0 ARC_DIMENSION 5 40 100 AcDbEntity 8 0 100 AcDbDimension 2 B 10 0 20 0\n"
               "30 0 70 5 3 S 100 AcDbArcDimension 0 ENDSEC 0 EOF",
     "DIMSTYLE S was missing: added"},
    // Application braces at the start of a record that are never closed:
    // closed where the application's groups end, before the markers.
    {"line_of_unclosed_application_braces",
     kHeader + "0 SECTION 2 ENTITIES 0 LINE 5 40 102 {MYAPP 1 x 100 AcDbEntity 8 0 100 AcDbLine 10 0 20 0 30 0\n"
               "11 1 21 1 31 0 0 ENDSEC 0 EOF",
     ""},
    {"line_of_unclosed_application_braces_and_no_markers",
     kHeader + "0 SECTION 2 ENTITIES 0 LINE 5 40 102 {MYAPP 1 x 8 0 10 0 20 0 30 0 11 1 21 1 31 0 0 ENDSEC 0 EOF", ""},
    {"line_of_unclosed_reactors_and_markers_swapped",
     kHeader + "0 SECTION 2 ENTITIES 0 LINE 5 40 102 {ACAD_REACTORS 330 40 8 0 100 AcDbLine 10 0 20 0 30 0\n"
               "11 1 21 1 31 0 100 AcDbEntity 0 ENDSEC 0 EOF",
     ""},
    {"visual_style_of_unclosed_reactors",
     kHeader + "0 SECTION 2 OBJECTS 0 DICTIONARY 5 C 100 AcDbDictionary 3 ACAD_VISUALSTYLE 350 D\n"
               "0 DICTIONARY 5 D 330 C 100 AcDbDictionary 3 Flat 350 E\n"
               "0 VISUALSTYLE 5 E 102 {ACAD_REACTORS 330 D 330 D 100 AcDbVisualStyle 2 Flat 70 0 291 1 0 ENDSEC 0 EOF",
     ""},
    // The root dictionary's marker between a key and its entry.
    {"root_dictionary_marker_between_key_and_entry",
     kHeader + "0 SECTION 2 OBJECTS 0 DICTIONARY 5 C 3 ACAD_GROUP 100 AcDbDictionary 350 D\n"
               "0 DICTIONARY 5 D 330 C 100 AcDbDictionary 0 ENDSEC 0 EOF",
     "DICTIONARY C: its marker AcDbDictionary stood after 1 groups of its body: put before them"},
    // One empty section, and a root dictionary of a key without entry.
    {"root_dictionary_of_a_key_without_entry",
     "0 SECTION 2 ENTITIES 0 ENDSEC 0 SECTION 2 OBJECTS 0 DICTIONARY 3 ACAD_GROUP 100 AcDbDictionary 0 ENDSEC 0 EOF",
     "the key ACAD_GROUP names no object: left out"},
    // A layout that no key of the layout dictionary names.
    {"layout_named_by_no_key",
     kHeader + "0 SECTION 2 OBJECTS 0 DICTIONARY 5 C 100 AcDbDictionary 3 ACAD_LAYOUT 350 D\n"
               "0 DICTIONARY 5 D 330 C 100 AcDbDictionary 3 Model 350 30 3 Layout1 350 31\n"
               "0 LAYOUT 5 30 330 D 100 AcDbPlotSettings 100 AcDbLayout 1 Model 71 0\n"
               "0 LAYOUT 5 31 330 D 100 AcDbPlotSettings 100 AcDbLayout 1 Layout1 71 1\n"
               "0 LAYOUT 5 32 330 D 100 AcDbPlotSettings 100 AcDbLayout 1 Layout2 71 2 0 ENDSEC 0 EOF",
     ""},
    // A dictionary with a default whose entry's handle a block made for the
    // damaged BLOCKS section takes, and a root entry without its key.
    {"dictionary_with_a_default_whose_entry_a_made_block_takes",
     "0 SECTION 9 $ACADVER 1 N 2 BLOCKS 0 BLOCK 0 ENDBLK 0 ENDSEC 0 SECTION 2 OBJECTS 0 DICTIONARY 350 1B\n"
     "0 ACDBDICTIONARYWDFLT 5 1B 3 K 350 1C 0 ENDSEC 0 EOF",
     "DICTIONARY 1E: 1 groups that are no key or entry were left out"},
    {"dictionary_with_a_default_whose_entry_a_made_block_takes_under_a_key",
     "0 SECTION 9 $ACADVER 1 N 2 BLOCKS 0 BLOCK 0 ENDBLK 0 ENDSEC 0 SECTION 2 OBJECTS 0 DICTIONARY 3 D 350 1B\n"
     "0 ACDBDICTIONARYWDFLT 5 1B 3 K 350 1C 0 ENDSEC 0 EOF",
     "ACDBDICTIONARYWDFLT 1B had no default: set to ACDBPLACEHOLDER"},
    // A default that no entry names, so not saved: a placeholder takes its
    // place, under the key Normal.
    {"dictionary_with_a_default_named_by_no_entry",
     kHeader + "0 SECTION 2 OBJECTS 0 DICTIONARY 5 C 100 AcDbDictionary 3 ACAD_PLOTSTYLENAME 350 D\n"
               "0 ACDBDICTIONARYWDFLT 5 D 330 C 100 AcDbDictionary 100 AcDbDictionaryWithDefault 340 E\n"
               "0 ACDBPLACEHOLDER 5 E 0 ENDSEC 0 EOF",
     "ACDBDICTIONARYWDFLT D had no default: set to ACDBPLACEHOLDER"},
    // The default's part before the entries, and the Normal entry under
    // another code: the part goes after them, and the entry is taken.
    {"dictionary_with_its_default_before_its_entries",
     kHeader + "0 SECTION 2 OBJECTS 0 DICTIONARY 5 C 100 AcDbDictionary 3 ACAD_PLOTSTYLENAME 350 D\n"
               "0 ACDBDICTIONARYWDFLT 5 D 330 C 100 AcDbDictionary 100 AcDbDictionaryWithDefault 340 E\n"
               "3 Normal 351 E 0 ACDBPLACEHOLDER 5 E 330 D 0 ENDSEC 0 EOF",
     "its default's marker AcDbDictionaryWithDefault stood before 2 groups of its body: put after them"},
    {"dictionary_with_a_hard_owned_default",
     kHeader + "0 SECTION 2 OBJECTS 0 DICTIONARY 5 C 100 AcDbDictionary 3 ACAD_PLOTSTYLENAME 350 D\n"
               "0 ACDBDICTIONARYWDFLT 5 D 330 C 100 AcDbDictionary 3 Normal 360 E 100 AcDbDictionaryWithDefault\n"
               "340 E 0 ACDBPLACEHOLDER 5 E 330 D 0 ENDSEC 0 EOF",
     ""},
    // A default's part in a dictionary of no default, before the keys
    // that repairs add: stray groups.
    {"default_part_in_a_dictionary_of_no_default",
     kHeader + "0 SECTION 2 OBJECTS 0 DICTIONARY 5 C 100 AcDbDictionary 3 ACAD_PLOTSTYLENAME 350 D\n"
               "100 AcDbDictionaryWithDefault 340 D 0 ACDBDICTIONARYWDFLT 5 D 330 C 100 AcDbDictionary 3 Normal 350 E\n"
               "100 AcDbDictionaryWithDefault 340 E 0 ACDBPLACEHOLDER 5 E 330 D 0 ENDSEC 0 EOF",
     "DICTIONARY C: 2 groups that are no key or entry were left out"},
    // The default's part before another marker and a key of nothing: the
    // placeholder made for the default takes the key Normal.
    {"default_part_before_a_marker_and_a_key_of_nothing",
     kHeader + "0 SECTION 2 OBJECTS 0 DICTIONARY 5 C 100 AcDbDictionary 3 ACAD_PLOTSTYLENAME 350 D\n"
               "0 ACDBDICTIONARYWDFLT 5 D 330 C 100 AcDbDictionaryWithDefault 340 E 100 AcDbDictionary2 3 Normal 5 3\n"
               "0 ENDSEC 0 EOF",
     "ACDBDICTIONARYWDFLT D: the key Normal names no object: left out"},
    // Two keys Normal of nothing: the placeholder made takes the key.
    {"dictionary_of_two_keys_normal_of_nothing",
     kHeader + "0 SECTION 2 OBJECTS 0 DICTIONARY 5 C 100 AcDbDictionary 3 ACAD_PLOTSTYLENAME 350 D\n"
               "0 ACDBDICTIONARYWDFLT 5 D 330 C 100 AcDbDictionary 3 Normal 350 E 3 Normal 350 E\n"
               "100 AcDbDictionaryWithDefault 340 E 0 ENDSEC 0 EOF",
     ""},
    // A default of nothing beside a root without its marker (a fuzz input),
    // a default missing and one naming nothing: a placeholder takes its
    // place.
    {"dictionary_default_of_nothing_beside_a_root_without_marker",
     "0 SECTION 2 OBJECTS 0 DICTIONARY 5 C 3 K 350 D 0 ACDBDICTIONARYWDFLT 5 D 330 C 100 AcDbDictionary 340 0\n"
     "0 ENDSEC 0 EOF",
     "ACDBDICTIONARYWDFLT D had no default: set to ACDBPLACEHOLDER"},
    // The default is given a handle that it names as its owner and as an
    // entry of its own: it must go to the dictionary that holds it, not be
    // left out as a ring of owners.
    {"dictionary_default_owning_itself",
     "0 SECTION 2 OBJECTS 0 DICTIONARY 5 C 3 K 350 D 0 ACDBDICTIONARYWDFLT 5 D 330 C 100 AcDbDictionary\n"
     "3 Normal 350 E 100 AcDbDictionaryWithDefault 340 E 0 ACDBPLACEHOLDER 350 E 330 E 0 ENDSEC 0 EOF",
     "block *Model_Space had no BLOCK/ENDBLK: added"},
    {"dictionary_whose_default_is_missing",
     kHeader + "0 SECTION 2 OBJECTS 0 DICTIONARY 5 C 100 AcDbDictionary 3 ACAD_PLOTSTYLENAME 350 D\n"
               "0 ACDBDICTIONARYWDFLT 5 D 330 C 100 AcDbDictionary 100 AcDbDictionaryWithDefault 0 ENDSEC 0 EOF",
     "ACDBDICTIONARYWDFLT D had no default: set to ACDBPLACEHOLDER"},
    {"dictionary_whose_default_names_nothing",
     kHeader + "0 SECTION 2 OBJECTS 0 DICTIONARY 5 C 100 AcDbDictionary 3 ACAD_PLOTSTYLENAME 350 D\n"
               "0 ACDBDICTIONARYWDFLT 5 D 330 C 100 AcDbDictionary 100 AcDbDictionaryWithDefault 340 99 0 ENDSEC 0 EOF",
     "ACDBDICTIONARYWDFLT D had no default: set to ACDBPLACEHOLDER"},
    // Entries of entities (other readers gave the line to the dictionary),
    // the key Normal among them.
    {"dictionary_with_a_default_whose_entries_are_entities",
     kHeader + "0 SECTION 2 ENTITIES 0 LINE 5 E 100 AcDbEntity 8 0 100 AcDbLine 10 0 20 0 30 0 11 1 21 1 31 0\n"
               "0 POINT 5 F 100 AcDbEntity 8 0 100 AcDbPoint 10 0 20 0 30 0 0 ENDSEC\n"
               "0 SECTION 2 OBJECTS 0 DICTIONARY 5 C 100 AcDbDictionary 3 ACAD_PLOTSTYLENAME 350 D\n"
               "0 ACDBDICTIONARYWDFLT 5 D 330 C 100 AcDbDictionary 3 A 350 E 3 Normal 350 F\n"
               "100 AcDbDictionaryWithDefault 340 0 0 ENDSEC 0 EOF",
     "ACDBDICTIONARYWDFLT D: the key A names no object it can hold: left out (2 keys)"},
    // An entry naming a handle that a table made for the drawing takes.
    {"dictionary_with_a_default_whose_entry_a_made_table_takes",
     kHeader + "0 SECTION 2 OBJECTS 0 DICTIONARY 5 C 100 AcDbDictionary 3 ACAD_PLOTSTYLENAME 350 D\n"
               "0 ACDBDICTIONARYWDFLT 5 D 330 C 100 AcDbDictionary 3 K 350 E 100 AcDbDictionaryWithDefault 340 E\n"
               "0 ENDSEC 0 EOF",
     "ACDBDICTIONARYWDFLT D: the key K names no object it can hold: left out"},
    // The key Normal taken by the root, or by the dictionary itself: no
    // default (other readers gave the root to the dictionary).
    {"dictionary_whose_key_normal_names_the_root",
     kHeader + "0 SECTION 2 OBJECTS 0 DICTIONARY 5 C 100 AcDbDictionary 3 ACAD_PLOTSTYLENAME 350 D\n"
               "0 ACDBDICTIONARYWDFLT 5 D 330 C 100 AcDbDictionary 3 Normal 350 C 100 AcDbDictionaryWithDefault 340 0\n"
               "0 ENDSEC 0 EOF",
     "ACDBDICTIONARYWDFLT D: the key Normal names no object it can hold: left out"},
    {"dictionary_whose_key_normal_names_itself",
     kHeader + "0 SECTION 2 OBJECTS 0 DICTIONARY 5 C 100 AcDbDictionary 3 ACAD_PLOTSTYLENAME 350 D\n"
               "0 ACDBDICTIONARYWDFLT 5 D 330 C 100 AcDbDictionary 3 Normal 350 D 100 AcDbDictionaryWithDefault 340 D\n"
               "0 ENDSEC 0 EOF",
     "ACDBDICTIONARYWDFLT D: the key Normal names no object it can hold: left out"},
    // A header variable in other letters than the writer's own.
    {"header_variable_in_other_letters",
     "0 SECTION 2 HEADER 9 $ACADVER 1 AC1015 9 $HandSeed 5 100 9 $DimTxt 40 2.5 9 $clayer 8 0 0 ENDSEC 0 EOF", ""},
    // Owners that do not exist.  A small writer's line that names the
    // model space handle of its template and no tables: it stays in model
    // space.
    {"line_without_tables_naming_a_copied_model_space",
     kHeader + "0 SECTION 2 ENTITIES 0 LINE 5 30 330 1F 100 AcDbEntity 8 0 100 AcDbLine 10 0 20 0 30 0 11 10 21 10\n"
               "31 0 0 ENDSEC 0 EOF",
     "LINE 30 had owner 1F, which does not exist: set to the block"},
    // The same beside a line of a sound model space.
    {"line_naming_an_owner_that_does_not_exist",
     kHeader + "0 SECTION 2 TABLES 0 TABLE 2 BLOCK_RECORD 5 1 0 BLOCK_RECORD 5 1F 330 1\n"
               "100 AcDbSymbolTableRecord 100 AcDbBlockTableRecord 2 *Model_Space 0 ENDTAB 0 ENDSEC\n"
               "0 SECTION 2 ENTITIES 0 LINE 5 30 330 1F 100 AcDbEntity 8 0 100 AcDbLine 10 0 20 0 30 0 11 1 21 1 31 0\n"
               "0 LINE 5 31 330 ABCDE 100 AcDbEntity 8 0 100 AcDbLine 10 0 20 0 30 0 11 1 21 0 31 0 0 ENDSEC 0 EOF",
     "LINE 31 had owner ABCDE, which does not exist: set to the block"},
    // A layout its dictionary names: it goes to that dictionary.
    {"layout_naming_an_owner_that_does_not_exist",
     kHeader + "0 SECTION 2 OBJECTS 0 DICTIONARY 5 C 100 AcDbDictionary 3 ACAD_LAYOUT 350 D\n"
               "0 DICTIONARY 5 D 330 C 100 AcDbDictionary 3 Model 350 30\n"
               "0 LAYOUT 5 30 330 ABCDE 100 AcDbPlotSettings 100 AcDbLayout 1 Model 71 0 0 ENDSEC 0 EOF",
     "LAYOUT 30 named ABCDE as its owner, which does not exist: set to the record that names it"},
    // An object nothing names: not saved.
    {"object_of_no_key_naming_an_owner_that_does_not_exist",
     kHeader + "0 SECTION 2 OBJECTS 0 DICTIONARY 5 C 100 AcDbDictionary\n"
               "0 XRECORD 5 30 330 ABCDE 100 AcDbXrecord 1 x 0 ENDSEC 0 EOF",
     "XRECORD 30 named ABCDE as its owner, which does not exist: nothing names it, so it is not saved"},
    // Subclass markers lost, swapped and given twice: each group is saved
    // under its own part.  An R2018 multiline attribute without its
    // AcDbText marker (its 71, 72 and 11 after AcDbAttribute are its own).
    {"multiline_attribute_without_its_text_marker",
     "0 SECTION 2 HEADER 9 $ACADVER 1 AC1032 0 ENDSEC\n"
     "0 SECTION 2 BLOCKS 0 BLOCK 5 20 100 AcDbEntity 8 0 100 AcDbBlockBegin 2 B 70 2 10 0 20 0 30 0 3 B\n"
     "0 ENDBLK 5 21 100 AcDbEntity 8 0 100 AcDbBlockEnd 0 ENDSEC\n"
     "0 SECTION 2 ENTITIES 0 INSERT 5 30 100 AcDbEntity 8 0 100 AcDbBlockReference 66 1 2 B 10 0 20 0 30 0\n"
     "0 ATTRIB 5 31 330 30 100 AcDbEntity 8 0 10 1 20 2 30 0 40 2.5 1 one 11 1 21 2 31 0\n"
     "100 AcDbAttribute 280 0 2 TAG 70 0 74 3 71 2 72 0 11 1 21 2 31 0 0 SEQEND 5 32 330 30 100 AcDbEntity 8 0\n"
     "0 ENDSEC 0 EOF",
     ""},
    {"entities_of_parts_swapped_whole",
     kHeader + "0 SECTION 2 ENTITIES 0 LINE 5 40 100 AcDbLine 10 1 20 2 30 0 11 3 21 4 31 0 100 AcDbEntity 8 0 62 1\n"
               "0 LWPOLYLINE 5 41 100 AcDbPolyline 90 2 70 0 10 0 20 0 10 5 20 0 100 AcDbEntity 8 0 62 3\n"
               "0 ENDSEC 0 EOF",
     ""},
    // Braces of reactors before the lost AcDbEntity marker, and an
    // application's groups inside the AcDbLine part.
    {"entities_of_braces_and_lost_markers",
     kHeader + "0 SECTION 2 ENTITIES 0 LINE 5 40 8 0 100 AcDbLine 102 {MYAPP 8 X 62 1 102 } 10 1 20 2 30 0 11 3 21 4\n"
               "31 0 0 LINE 5 41 102 {ACAD_REACTORS 330 40 102 } 8 0 100 AcDbLine 10 0 20 0 30 0 11 5 21 0 31 0\n"
               "0 ENDSEC 0 EOF",
     ""},
    {"text_marker_twice_before_its_first_part",
     kHeader + "0 SECTION 2 ENTITIES 0 TEXT 5 40 100 AcDbEntity 8 0 100 AcDbText 100 AcDbText 10 0 20 0 30 0 40 1\n"
               "1 AB 73 2 0 ENDSEC 0 EOF",
     "the subclass marker AcDbText was given twice: once is kept"},
};

std::string notesOf(const ReadReport& report)
{
    std::string all;
    for (const Diagnostic& d : report.repairs) all += d.text() + "\n";
    return all;
}

} // namespace

TEST(RepairedSave, OpensAgainWithoutRepairs)
{
    std::vector<std::string> saved;
    for (const Damaged& damaged : kDamaged) {
        for (bool binary : {false, true}) {
            SCOPED_TRACE(std::string(damaged.name) + (binary ? " (binary)" : " (text)"));
            std::string input = dxfOfGroups(damaged.groups);
            if (binary) {
                ASSERT_TRUE(textToBinary(std::string(input), input));
            }
            ReadReport report;
            auto db = readDxfText(input, "damaged.dxf", report);
            ASSERT_TRUE(db) << report.error.text();
            EXPECT_NE(notesOf(report).find(damaged.note), std::string::npos) << notesOf(report);
            // Each record here is saved with its markers: none is said to
            // be kept without them.
            EXPECT_EQ(notesOf(report).find("without subclass markers"), std::string::npos) << notesOf(report);
            std::string path = outputPath(std::string("repaired_") + damaged.name + (binary ? "_binary" : "") + ".dxf");
            std::string error;
            ASSERT_TRUE(writeDxfFile(*db, path, WriteOptions{DxfVersion::R2007, binary}, error)) << error;
            ReadReport again;
            EXPECT_TRUE(readDxfFile(path, again)) << again.error.text();
            EXPECT_EQ(notesOf(again), "");
            if (!binary) saved.push_back(path);
        }
    }
    EXPECT_EQ(runChecksOnFiles(saved, 2), "");
}

// The drawing saved at `path` and read back, which must need no repair.
std::unique_ptr<host::db::Database> savedAndReadBack(host::db::Database& db, const std::string& path)
{
    std::string error;
    if (!writeDxfFile(db, path, WriteOptions{}, error)) {
        ADD_FAILURE() << error;
        return nullptr;
    }
    ReadReport again;
    auto back = readDxfFile(path, again);
    EXPECT_TRUE(back) << again.error.text();
    EXPECT_EQ(notesOf(again), "");
    return back;
}

// The placeholder made for a plot style dictionary's default is its Normal
// entry, which the layers the repairs add point at: their 390 names it.
TEST(RepairedSave, LayersAddedPointAtThePlaceholderMadeForTheDefault)
{
    const std::string input =
        dxfOfGroups(kHeader + "0 SECTION 2 OBJECTS 0 DICTIONARY 5 C 100 AcDbDictionary 3 ACAD_PLOTSTYLENAME 350 D\n"
                              "0 ACDBDICTIONARYWDFLT 5 D 330 C 100 AcDbDictionary 100 AcDbDictionaryWithDefault 340 0\n"
                              "0 ENDSEC 0 EOF");
    ReadReport report;
    auto db = readDxfText(input, "plot_styles.dxf", report);
    ASSERT_TRUE(db) << report.error.text();
    EXPECT_NE(notesOf(report).find("ACDBDICTIONARYWDFLT D had no default: set to ACDBPLACEHOLDER"), std::string::npos)
        << notesOf(report);
    const std::string path = outputPath("plot_style_placeholder.dxf");
    auto back = savedAndReadBack(*db, path);
    ASSERT_TRUE(back);
    const host::db::Slot styles = back->dictionaryLookup(back->namedObjectDictionary(), "ACAD_PLOTSTYLENAME");
    const host::db::Object* normal = back->object(back->dictionaryLookup(styles, "Normal"));
    ASSERT_NE(normal, nullptr);
    EXPECT_TRUE(normal->isType("ACDBPLACEHOLDER"));
    const host::db::Object* layer = back->object(back->findRecord(host::db::Table::Layer, "0"));
    ASSERT_NE(layer, nullptr);
    const host::db::Group* style = host::db::findGroup(*layer, 390);
    ASSERT_NE(style, nullptr);
    EXPECT_EQ(style->asHandle(), normal->handle);
    EXPECT_EQ(runChecks(path), "");
}

// A default erased before saving names nothing in the save: the save makes
// a placeholder for it, under the key Normal, as a read does.
TEST(RepairedSave, ErasedDefaultIsReplacedWhenSaving)
{
    const std::string input =
        dxfOfGroups(kHeader + "0 SECTION 2 OBJECTS 0 DICTIONARY 5 C 100 AcDbDictionary 3 ACAD_PLOTSTYLENAME 350 D\n"
                              "0 ACDBDICTIONARYWDFLT 5 D 330 C 100 AcDbDictionary 3 Normal 350 E\n"
                              "100 AcDbDictionaryWithDefault 340 E 0 ACDBPLACEHOLDER 5 E 330 D 0 ENDSEC 0 EOF");
    ReadReport report;
    auto db = readDxfText(input, "erased_default.dxf", report);
    ASSERT_TRUE(db) << report.error.text();
    ASSERT_TRUE(db->setErased(db->slotOf(0xE), true));
    const std::string path = outputPath("erased_default.dxf");
    auto back = savedAndReadBack(*db, path);
    ASSERT_TRUE(back);
    const host::db::Slot styles = back->dictionaryLookup(back->namedObjectDictionary(), "ACAD_PLOTSTYLENAME");
    const host::db::Object* normal = back->object(back->dictionaryLookup(styles, "Normal"));
    ASSERT_NE(normal, nullptr);
    EXPECT_NE(normal->handle, 0xEu);
    const host::db::Group* fallback = host::db::findGroup(*back->object(styles), 340);
    ASSERT_NE(fallback, nullptr);
    EXPECT_EQ(fallback->asHandle(), normal->handle);
    EXPECT_EQ(runChecks(path), "");
}
