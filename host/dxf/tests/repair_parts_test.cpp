// The repairs of damaged dictionaries and layer names one by one: what a
// damaged body becomes, and that sound ones are left as they are.
#include "dxf/dictionary_entries.h"
#include "dxf/entity_types.h"
#include "dxf/layer_names.h"

#include <gtest/gtest.h>

using namespace host::dxf;
using host::db::Database;
using host::db::Group;
using host::db::GroupList;
using host::db::Handle;
using host::db::Object;
using host::db::ObjectClass;
using host::db::Slot;
using host::db::Table;
using G = Group;

namespace {

Slot addObject(Database& db, const char* type, ObjectClass cls, GroupList groups, Handle owner = 0)
{
    Object object;
    object.type = host::db::internType(type);
    object.cls = cls;
    object.owner = owner;
    object.groups = std::move(groups);
    return db.add(std::move(object));
}

// Groups as "code value" lines, handles in hex, for comparing bodies.
std::string text(const GroupList& groups)
{
    std::string out;
    for (const Group& g : groups) {
        out += std::to_string(g.code()) + " ";
        if (g.kind() == host::db::ValueKind::Handle) out += "#" + host::db::handleText(g.asHandle());
        else if (g.kind() == host::db::ValueKind::Text) out += std::string(g.asText());
        else out += std::to_string(g.asInt());
        out += "\n";
    }
    return out;
}

struct DictionaryCase {
    const char* name;
    const char* type;
    // The body, with $E standing for the entry the dictionary owns and $O
    // for an object another dictionary owns.
    std::vector<std::pair<int, std::string>> body;
    std::vector<std::pair<int, std::string>> mended;  // empty: left as it was
    const char* note;                                 // part of the note, "" for none
};

const DictionaryCase kDictionaryCases[] = {
    {"sound", "DICTIONARY", {{100, "AcDbDictionary"}, {281, "1"}, {3, "A"}, {350, "$E"}}, {}, ""},
    {"sound with a default", "ACDBDICTIONARYWDFLT",
     {{100, "AcDbDictionary"}, {3, "Normal"}, {350, "$E"}, {100, "AcDbDictionaryWithDefault"}, {340, "$E"}}, {}, ""},
    {"entry under another code", "DICTIONARY", {{100, "AcDbDictionary"}, {3, "A"}, {700, "$E"}},
     {{100, "AcDbDictionary"}, {3, "A"}, {350, "$E"}}, "the entry of A (group 700) was not given as a pointer"},
    {"entry naming another's object", "DICTIONARY", {{100, "AcDbDictionary"}, {3, "A"}, {355, "$O"}, {3, "B"}, {350, "$E"}},
     {{100, "AcDbDictionary"}, {3, "B"}, {350, "$E"}}, "the key A names no object: left out"},
    {"key after key", "DICTIONARY", {{100, "AcDbDictionary"}, {3, "A"}, {3, "B"}, {350, "$E"}},
     {{100, "AcDbDictionary"}, {3, "B"}, {350, "$E"}}, "the key A names no object"},
    {"key last", "DICTIONARY", {{100, "AcDbDictionary"}, {3, "B"}, {350, "$E"}, {3, "A"}},
     {{100, "AcDbDictionary"}, {3, "B"}, {350, "$E"}}, "the key A names no object"},
    {"stray groups", "DICTIONARY",
     {{100, "AcDbDictionary"}, {281, "1"}, {100, "AcDbSymbolTable"}, {70, "1"}, {350, "$O"}, {3, "B"}, {350, "$E"}},
     {{100, "AcDbDictionary"}, {281, "1"}, {3, "B"}, {350, "$E"}}, "3 groups that are no key or entry were left out"},
    {"marker lost", "ACDBDICTIONARYWDFLT",
     {{102, "{ACAD_REACTORS"}, {330, "$O"}, {102, "}"}, {100, "AcDbDictionaryEntity"}, {8, "0"}, {3, "Normal"},
      {350, "$E"}, {100, "AcDbDictionaryWithDefault"}, {340, "$E"}},
     {{102, "{ACAD_REACTORS"}, {330, "$O"}, {102, "}"}, {100, "AcDbDictionary"}, {3, "Normal"}, {350, "$E"},
      {100, "AcDbDictionaryWithDefault"}, {340, "$E"}},
     "had lost its marker AcDbDictionary: put back"},
    // Older writers give no markers at all: only the keys are looked at.
    {"no markers", "DICTIONARY", {{281, "1"}, {3, "A"}, {350, "$E"}, {3, "B"}}, {{281, "1"}, {3, "A"}, {350, "$E"}},
     "the key B names no object"},
};

TEST(DictionaryEntries, KeysAreMatchedWithTheirEntriesAndStrayGroupsLeftOut)
{
    for (const DictionaryCase& c : kDictionaryCases) {
        SCOPED_TRACE(c.name);
        auto db = Database::createDefault();
        Slot root = db->namedObjectDictionary();
        Handle rootHandle = db->object(root)->handle;
        Slot dictionary = addObject(*db, c.type, ObjectClass::NonGraphical, {}, rootHandle);
        Handle self = db->object(dictionary)->handle;
        Handle entry = db->object(addObject(*db, "XRECORD", ObjectClass::NonGraphical, {}, self))->handle;
        Handle other = db->object(addObject(*db, "XRECORD", ObjectClass::NonGraphical, {}, rootHandle))->handle;
        auto build = [&](const std::vector<std::pair<int, std::string>>& groups) {
            GroupList out;
            for (const auto& [code, value] : groups) {
                Handle named = value == "$E" ? entry : value == "$O" ? other : 0;
                host::db::ValueKind kind = host::db::ValueKind::Text;
                host::db::kindOfCode(code, kind);
                if (named && kind == host::db::ValueKind::Handle) out.push_back(G::handle(code, named));
                else if (named) out.push_back(G::text(code, host::db::handleText(named)));
                else if (kind == host::db::ValueKind::Int16) out.push_back(G::integer(code, std::stoi(value)));
                else out.push_back(G::text(code, value));
            }
            return out;
        };
        db->object(dictionary)->groups = build(c.body);
        db->object(dictionary)->groups.push_back(G::text(1001, "APP"));  // XDATA stays as it is
        std::string notes;
        repairDictionaryEntries(*db, [&](const RepairKind&, const std::string& n) { notes += n + "\n"; });
        GroupList expected = build(c.mended.empty() ? c.body : c.mended);
        expected.push_back(G::text(1001, "APP"));
        EXPECT_EQ(text(db->object(dictionary)->groups), text(expected));
        if (*c.note) EXPECT_NE(notes.find(c.note), std::string::npos) << notes;
        else EXPECT_EQ(notes, "");
    }
}

TEST(LayerNames, NamesOthersRefuseAreRenamedWhereverTheyStand)
{
    const struct {
        const char* name;
        bool valid;
    } names[] = {{"0", true},          {"DUCT-SUPPLY 2", true}, {"XREF|WALLS", true}, {"*ADSK_SYSTEM?", true},
                 {"0?", false},        {"A<B", false},          {"C:D", false},       {"back\\slash", false},
                 {"*Stars*", false},   {"quote\"", false},      {"tick`", false},     {"", true}};
    for (const auto& n : names) EXPECT_EQ(isValidLayerName(n.name), n.valid) << n.name;

    auto db = Database::createDefault();
    // "0_" is taken, so "0?" becomes "0_1"; "A=B" has no record of its own.
    for (const char* name : {"0?", "0_"}) {
        Slot record = addObject(*db, "LAYER", ObjectClass::TableRecord,
                                {G::text(100, "AcDbSymbolTableRecord"), G::text(100, "AcDbLayerTableRecord"),
                                 G::text(2, name), G::integer(70, 0)});
        ASSERT_TRUE(db->addRecord(Table::Layer, record));
    }
    Slot model = db->modelSpace();
    std::vector<Slot> entities;
    for (const char* layer : {"0?", "a=b", "0_"}) {
        entities.push_back(addObject(*db, "LINE", ObjectClass::Entity,
                                     {G::text(100, "AcDbEntity"), G::text(8, layer), G::text(1001, "APP"),
                                      G::text(1000, "0?")}));
        db->appendEntity(model, entities.back());
    }
    db->setHeaderVariable("$CLAYER", G::text(8, "0?"));
    std::string notes;
    renameLayers(*db, entities, {"0?", "A=B", "0?"},
                 [&](const RepairKind&, const std::string& n) { notes += n + "\n"; });
    auto layerOf = [&](Slot slot) { return std::string(host::db::groupText(*db->object(slot), 8)); };
    EXPECT_EQ(layerOf(entities[0]), "0_1");
    EXPECT_EQ(layerOf(entities[1]), "A_B");
    EXPECT_EQ(layerOf(entities[2]), "0_");
    // XDATA is no layer name.
    EXPECT_EQ(db->object(entities[0])->groups.back().asText(), "0?");
    EXPECT_NE(db->findRecord(Table::Layer, "0_1"), host::db::kNoSlot);
    EXPECT_EQ(db->findRecord(Table::Layer, "0?"), host::db::kNoSlot);
    EXPECT_EQ(db->headerText("$CLAYER"), "0_1");
    EXPECT_EQ(notes,
              "the layer name \"0?\" holds a character layer names may not hold: renamed 0_1\n"
              "the layer name \"A=B\" holds a character layer names may not hold: renamed A_B\n");
}

TEST(EntityTypes, TheFormatsEntitiesInAnyLettersAndNothingElse)
{
    for (const char* type : {"LINE", "line", "3DFACE", "3DLINE", "LWPOLYLINE", "ACAD_PROXY_ENTITY", "XLINE", "VERTEX"})
        EXPECT_TRUE(isDxfEntityType(type)) << type;
    for (const char* type : {"LILE", "ILAYOUT", "DICTIONARY", "LAYER", "", "LINEX", "ACDBCIRCLE"})
        EXPECT_FALSE(isDxfEntityType(type)) << type;
    EXPECT_TRUE(hasEntityMarker({G::text(8, "0"), G::text(100, "AcDbEntity")}));
    EXPECT_FALSE(hasEntityMarker({G::text(100, "AcDbEntityX"), G::text(8, "AcDbEntity")}));
}

} // namespace
