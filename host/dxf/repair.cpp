#include "dxf/repair.h"

#include "db/template.h"
#include "dxf/block_cycles.h"
#include "dxf/complex_entities.h"
#include "dxf/dimension_blocks.h"
#include "dxf/entity_types.h"
#include "dxf/layer_names.h"
#include "dxf/layout_links.h"
#include "dxf/parallel.h"
#include "dxf/quoted_text.h"

#include <unordered_set>
#include <vector>

namespace host::dxf {

namespace {

using db::Database;
using db::Group;
using db::GroupList;
using db::Handle;
using db::ObjectClass;
using db::Slot;
using db::Table;
using db::kNoSlot;
using G = Group;
using Kind = RepairKind;

Slot addObject(Database& db, std::string_view type, ObjectClass cls, GroupList groups, Handle owner = 0)
{
    db::Object object;
    object.type = db::internType(type);
    object.cls = cls;
    object.owner = owner;
    object.groups = std::move(groups);
    return db.add(std::move(object));
}

Handle handleOf(const Database& db, Slot slot)
{
    const db::Object* object = db.object(slot);
    return object ? object->handle : 0;
}

// Stops a repair that cannot add what the drawing needs.
bool needed(const Database& db, std::string_view what, std::string& error)
{
    error = cannotAdd(db, what);
    return false;
}

Slot ensureTableHead(Database& db, Table table, const RepairNote* note = nullptr)
{
    if (db.tableHead(table) != kNoSlot) return db.tableHead(table);
    GroupList groups{G::text(2, db::tableName(table)), G::text(100, "AcDbSymbolTable"), G::integer(70, 0)};
    if (table == Table::Dimstyle) {
        groups.push_back(G::text(100, "AcDbDimStyleTable"));
        groups.push_back(G::integer(71, 0));
    }
    Slot head = addObject(db, "TABLE", ObjectClass::TableHead, std::move(groups));
    if (head == kNoSlot) return kNoSlot;
    db.setTableHead(table, head);
    if (note)
        (*note)(Kind::changed("table added"), "table " + std::string(db::tableName(table)) + " was missing: added");
    return head;
}

Slot addRecord(Database& db, Table table, std::string_view name, GroupList fields)
{
    if (ensureTableHead(db, table) == kNoSlot) return kNoSlot;
    GroupList groups{G::text(100, "AcDbSymbolTableRecord"), G::text(100, tableRecordSubclass(table)),
                     G::text(2, name)};
    if (table != Table::BlockRecord) groups.push_back(G::integer(70, 0));
    for (Group& g : fields) groups.push_back(std::move(g));
    Slot record = addObject(db, db::tableName(table), ObjectClass::TableRecord, std::move(groups));
    if (record != kNoSlot) db.addRecord(table, record);
    return record;
}

// The placeholder of the "Normal" plot style, which layers point at (390).
Handle plotStyleHandle(Database& db)
{
    Slot styles = db.dictionaryLookup(db.namedObjectDictionary(), "ACAD_PLOTSTYLENAME");
    return handleOf(db, db.dictionaryLookup(styles, "Normal"));
}

GroupList recordFields(Database& db, Table table, std::string_view name)
{
    switch (table) {
    case Table::Ltype:
        return {G::text(3, ""), G::integer(72, 65), G::integer(73, 0), G::real(40, 0.0)};
    case Table::Layer: {
        GroupList fields{G::integer(62, 7), G::text(6, "Continuous"), G::integer(370, -3)};
        if (Handle style = plotStyleHandle(db)) fields.push_back(G::handle(390, style));
        return fields;
    }
    case Table::Style:
        return {G::real(40, 0.0), G::real(41, 1.0), G::real(50, 0.0), G::integer(71, 0), G::real(42, 2.5),
                G::text(3, "txt"), G::text(4, "")};
    case Table::Dimstyle: {
        // A new style starts as a copy of Standard's settings.
        Slot standard = db.findRecord(Table::Dimstyle, "Standard");
        const db::Object* source = db.object(standard);
        if (source && !db::equalNoCase(name, "Standard")) {
            GroupList fields;
            bool past = false;
            for (const Group& g : source->groups) {
                if (past && g.code() < 1000) fields.push_back(g);
                if (g.code() == 70) past = true;
            }
            return fields;
        }
        GroupList fields{G::real(40, 1.0), G::real(41, 2.5), G::real(42, 0.625), G::real(44, 1.25),
                         G::real(140, 2.5), G::real(147, 0.625)};
        if (Handle style = handleOf(db, db.findRecord(Table::Style, "Standard"))) fields.push_back(G::handle(340, style));
        return fields;
    }
    default: return {};
    }
}

// The record of that name, added when missing; false when it cannot be.
bool ensureRecord(Database& db, Table table, std::string_view name, const RepairNote& note, std::string& error)
{
    if (db.findRecord(table, name) != kNoSlot) return true;
    std::string what = std::string(db::tableName(table)) + " " + shown(name);
    Slot added = table == Table::BlockRecord ? addBlockRecord(db, name)
                                             : addRecord(db, table, name, recordFields(db, table, name));
    if (added == kNoSlot) return needed(db, what, error);
    note(Kind::changed("record added"), what + " was missing: added");
    return true;
}

} // namespace

bool isSpaceName(std::string_view name)
{
    return db::equalNoCase(name.substr(0, 12), "*Model_Space") || db::equalNoCase(name.substr(0, 12), "*Paper_Space");
}

bool addBlockObjects(Database& db, Slot record, bool paper)
{
    std::string name(db::groupText(*db.object(record), 2));
    int flags = !name.empty() && name[0] == '*' && !isSpaceName(name) ? 1 : 0;
    GroupList begin{G::text(100, "AcDbEntity")};
    GroupList end{G::text(100, "AcDbEntity")};
    if (paper) {
        begin.push_back(G::integer(67, 1));
        end.push_back(G::integer(67, 1));
    }
    for (auto* groups : {&begin, &end}) groups->push_back(G::text(8, "0"));
    for (Group g : {G::text(100, "AcDbBlockBegin"), G::text(2, name), G::integer(70, flags), G::point(10, 0, 0, 0),
                    G::text(3, name), G::text(1, "")})
        begin.push_back(std::move(g));
    end.push_back(G::text(100, "AcDbBlockEnd"));
    Slot b = addObject(db, "BLOCK", ObjectClass::BlockBegin, std::move(begin));
    Slot e = b == kNoSlot ? kNoSlot : addObject(db, "ENDBLK", ObjectClass::BlockEnd, std::move(end));
    if (e == kNoSlot) return false;
    db.setBlockObjects(record, b, e);
    return true;
}

namespace {

bool ensureBlockObjects(Database& db, const RepairNote& note, std::string& error)
{
    for (Slot record : db.records(Table::BlockRecord)) {
        const db::Object* object = db.object(record);
        if (!object) continue;
        db::Block* block = db.block(record);
        if (!block) block = db.addBlock(record);
        if (db.object(block->begin) && db.object(block->end)) continue;
        std::string name = shown(db::groupText(*object, 2));
        if (!addBlockObjects(db, record, record == db.paperSpace()))
            return needed(db, "the BLOCK and ENDBLK of block " + name, error);
        note(Kind::changed("block brackets added"), "block " + name + " had no BLOCK/ENDBLK: added");
    }
    return true;
}

Slot addDictionary(Database& db, Handle owner)
{
    return addObject(db, "DICTIONARY", ObjectClass::NonGraphical,
                     {G::text(100, "AcDbDictionary"), G::integer(281, 1)}, owner);
}

// Points a block record at its layout (group 340).
void linkLayout(Database& db, Slot record, Handle layout)
{
    db::Object* object = db.object(record);
    if (!object) return;
    if (Group* g = db::findGroup(*object, 340)) {
        *g = G::handle(340, layout);
        return;
    }
    size_t at = 0;  // after the name
    while (at < object->groups.size() && object->groups[at].code() != 2) ++at;
    at = at < object->groups.size() ? at + 1 : object->groups.size();
    object->groups.insert(object->groups.begin() + static_cast<std::ptrdiff_t>(at), G::handle(340, layout));
}

// The root's entry of a key, when it is a dictionary.  A key naming some
// other object (a damaged handle naming a block's ENDBLK, a line) is left
// out: what the drawing keeps there would be added to that object, which
// cannot own it and is written as itself or not at all.
Slot rootDictionary(Database& db, Slot root, std::string_view key, const RepairNote& note)
{
    Slot entry = db.dictionaryLookup(root, key);
    const db::Object* object = db.object(entry);
    if (!object) return kNoSlot;
    if (object->cls == ObjectClass::NonGraphical &&
        (object->isType("DICTIONARY") || object->isType("ACDBDICTIONARYWDFLT")))
        return entry;
    note(Kind::lost("root entry of no dictionary"), "the root dictionary's " + std::string(key) + " named " +
                                                        shown(object->typeName()) + " " +
                                                        db::handleText(object->handle) +
                                                        ", which is no dictionary: left out");
    db.dictionaryRemove(root, key);
    return kNoSlot;
}

// A key whose object is missing (left out as damaged) still stands in the
// dictionary: it gives way to the new entry.
void addRootEntry(Database& db, Slot root, std::string_view key, Slot entry)
{
    db.dictionaryRemove(root, key);
    db.dictionaryAdd(root, key, entry);
}

// A root entry under another key (a damaged one) that names a dictionary
// of layouts only: the layouts the drawing had.
Slot layoutsUnderOtherKey(const Database& db, Slot root, std::string& key)
{
    const db::Object* dictionary = db.object(root);
    const auto& g = dictionary->groups;
    for (size_t i = 0; i + 1 < g.size(); ++i) {
        if (g[i].code() != 3 || g[i + 1].code() != 350 || g[i + 1].kind() != db::ValueKind::Handle) continue;
        Slot entry = db.slotOf(g[i + 1].asHandle());
        const db::Object* candidate = db.object(entry);
        if (!candidate || !candidate->isType("DICTIONARY")) continue;
        size_t layouts = 0, others = 0;
        const auto& e = candidate->groups;
        for (size_t j = 0; j + 1 < e.size(); ++j) {
            if (e[j].code() != 3 || e[j + 1].code() != 350) continue;
            const db::Object* named = db.object(db.slotOf(e[j + 1].asHandle()));
            ++(named && named->isType("LAYOUT") ? layouts : others);
        }
        if (layouts > 0 && others == 0) {
            key = std::string(g[i].asText());
            return entry;
        }
    }
    return kNoSlot;
}

bool ensureLayouts(Database& db, Slot root, const RepairNote& note, std::string& error)
{
    if (rootDictionary(db, root, "ACAD_LAYOUT", note) != kNoSlot) return true;
    std::string key;
    Slot found = layoutsUnderOtherKey(db, root, key);
    if (found != kNoSlot) {
        note(Kind::changed("layouts under another key"),
             "the root dictionary's key " + shown(key) + " named the layouts: taken as ACAD_LAYOUT");
        db.dictionaryRemove(root, key);
        addRootEntry(db, root, "ACAD_LAYOUT", found);
        return true;
    }
    Slot layouts = addDictionary(db, handleOf(db, root));
    if (layouts == kNoSlot) return needed(db, "the root dictionary's ACAD_LAYOUT", error);
    addRootEntry(db, root, "ACAD_LAYOUT", layouts);
    const struct {
        const char* name;
        Slot record;
    } spaces[] = {{"Model", db.modelSpace()}, {"Layout1", db.paperSpace()}};
    int tab = 0;
    for (const auto& space : spaces) {
        Handle record = handleOf(db, space.record);
        Slot layout = addObject(db, "LAYOUT", ObjectClass::NonGraphical, db::layoutGroups(space.name, tab++, record));
        if (layout == kNoSlot) return needed(db, std::string("the layout ") + space.name, error);
        db.dictionaryAdd(layouts, space.name, layout);
        linkLayout(db, space.record, handleOf(db, layout));
    }
    note(Kind::changed("layouts added"),
         "the root dictionary had no ACAD_LAYOUT: added with the Model and Layout1 layouts");
    return true;
}

bool ensurePlotStyles(Database& db, Slot root, const RepairNote& note, std::string& error)
{
    if (rootDictionary(db, root, "ACAD_PLOTSTYLENAME", note) != kNoSlot) return true;
    Slot styles = addObject(db, "ACDBDICTIONARYWDFLT", ObjectClass::NonGraphical, {}, handleOf(db, root));
    Slot normal = styles == kNoSlot ? kNoSlot
                                    : addObject(db, "ACDBPLACEHOLDER", ObjectClass::NonGraphical, {}, handleOf(db, styles));
    if (normal == kNoSlot) return needed(db, "the root dictionary's ACAD_PLOTSTYLENAME", error);
    note(Kind::changed("plot styles added"), "the root dictionary had no ACAD_PLOTSTYLENAME: added");
    Handle placeholder = handleOf(db, normal);
    db.object(styles)->groups = {G::text(100, "AcDbDictionary"), G::integer(281, 1), G::text(3, "Normal"),
                                 G::handle(350, placeholder), G::text(100, "AcDbDictionaryWithDefault"),
                                 G::handle(340, placeholder)};
    addRootEntry(db, root, "ACAD_PLOTSTYLENAME", styles);
    return true;
}

bool ensureRootDictionary(Database& db, const RepairNote& note, std::string& error)
{
    Slot root = db.namedObjectDictionary();
    if (!db.object(root)) {
        root = addDictionary(db, 0);
        if (root == kNoSlot) return needed(db, "a root dictionary", error);
        note(Kind::changed("root dictionary added"), "the drawing had no root dictionary: added");
        db.setNamedObjectDictionary(root);
    }
    if (rootDictionary(db, root, "ACAD_GROUP", note) == kNoSlot) {
        Slot groups = addDictionary(db, handleOf(db, root));
        if (groups == kNoSlot) return needed(db, "the root dictionary's ACAD_GROUP", error);
        note(Kind::changed("groups added"), "the root dictionary had no ACAD_GROUP: added");
        addRootEntry(db, root, "ACAD_GROUP", groups);
    }
    return ensureLayouts(db, root, note, error) && ensurePlotStyles(db, root, note, error);
}

void ensureClasses(Database& db, const RepairNote& note)
{
    const char* const known[][2] = {{"ACDBDICTIONARYWDFLT", "AcDbDictionaryWithDefault"},
                                    {"ACDBPLACEHOLDER", "AcDbPlaceHolder"},
                                    {"LAYOUT", "AcDbLayout"}};
    std::unordered_set<std::string> declared;
    for (const auto& cls : db.classes())
        for (const Group& g : cls)
            if (g.code() == 1) declared.insert(std::string(g.asText()));
    std::unordered_set<db::TypeId> used;
    for (Slot slot : db.objectsSectionOrder()) used.insert(db.object(slot)->type);
    for (const auto& cls : known) {
        if (declared.count(cls[0]) || !used.count(db::internType(cls[0]))) continue;
        note(Kind::changed("class added"), std::string("CLASS ") + cls[0] + " was missing: added");
        db.classes().push_back({G::text(1, cls[0]), G::text(2, cls[1]), G::text(3, "ObjectDBX Classes"),
                                G::integer(90, 0), G::integer(91, 0), G::integer(280, 0), G::integer(281, 0)});
    }
}

// The names a run of entities uses, each once, in order of first use.
struct UsedNames {
    std::vector<std::pair<Table, std::string_view>> inOrder;
    std::unordered_set<std::string_view> seen[db::kTableCount];
    std::string_view last[db::kTableCount];  // neighbours mostly share layer and application

    void add(Table table, std::string_view name)
    {
        size_t t = static_cast<size_t>(table);
        if (name.empty() || name == last[t]) return;
        last[t] = name;
        if (seen[t].insert(name).second) inOrder.emplace_back(table, name);
    }
};

void collectNames(const db::Object& object, UsedNames& names)
{
    if (object.erased) return;
    std::string_view type = object.typeName();
    bool dimensioned = namesDimensionStyle(type);
    bool referencing = type == "INSERT" || isDimensionType(type);
    bool inXdata = false;
    for (const Group& g : object.groups) {
        int code = g.code();
        inXdata |= code == 1001;
        if (code == 1001) names.add(Table::Appid, g.asText());
        if (inXdata) continue;
        if (code == 8) names.add(Table::Layer, g.asText());
        else if (code == 6) names.add(Table::Ltype, g.asText());
        else if (code == 7) names.add(Table::Style, g.asText());
        else if (code == 3 && dimensioned) names.add(Table::Dimstyle, g.asText());
        else if (code == 2 && referencing) names.add(Table::BlockRecord, g.asText());
    }
}

// Every name an entity uses gets its table entry.  The entities are looked
// through side by side (only reading); the entries are then made in order.
bool ensureReferencedNames(Database& db, const RepairNote& note, std::string& error)
{
    std::vector<Slot> entities;
    for (Slot record : db.records(Table::BlockRecord))
        if (const db::Block* block = db.block(record)) {
            // A block's BLOCK and ENDBLK lie on a layer too.
            for (Slot bracket : {block->begin, block->end})
                if (db.object(bracket)) entities.push_back(bracket);
            entities.insert(entities.end(), block->entities.begin(), block->entities.end());
        }
    constexpr size_t kRun = 4096;
    size_t runs = (entities.size() + kRun - 1) / kRun;
    std::vector<UsedNames> used;
    auto collectFromEntities = [&] {
        used.assign(runs + 1, UsedNames{});
        runInParallel(runs, workerCount(), [&](size_t run) {
            // Locals, not the captures, in the loop: the workers must not
            // go back to the caller's frame (shared with what others write)
            // for every entity.
            const Database& drawing = db;
            const Slot* list = entities.data();
            UsedNames& names = used[run];
            size_t end = std::min(entities.size(), (run + 1) * kRun);
            for (size_t i = run * kRun; i < end; ++i)
                if (const db::Object* object = drawing.object(list[i])) collectNames(*object, names);
        });
    };
    collectFromEntities();
    // Layer names others refuse are renamed first, and the names read again.
    std::vector<std::string> invalidLayers;
    for (const UsedNames& run : used)
        for (const auto& [table, name] : run.inOrder)
            if (table == Table::Layer && !isValidLayerName(name)) invalidLayers.emplace_back(name);
    if (!invalidLayers.empty()) {
        renameLayers(db, entities, invalidLayers, note);
        collectFromEntities();
    }
    // Objects, table heads and table records may carry XDATA too.
    auto xdataApplications = [&](Slot slot) {
        const db::Object* object = db.object(slot);
        if (!object) return;
        for (size_t i = db::xdataBegin(*object); i < object->groups.size(); ++i)
            if (object->groups[i].code() == 1001) used[runs].add(Table::Appid, object->groups[i].asText());
    };
    for (Slot slot : db.objectsSectionOrder()) xdataApplications(slot);
    for (size_t t = 0; t < db::kTableCount; ++t) {
        xdataApplications(db.tableHead(static_cast<Table>(t)));
        for (Slot slot : db.records(static_cast<Table>(t))) xdataApplications(slot);
    }
    // Records added here do not move the entities' groups the names are read from.
    std::unordered_set<std::string_view> checked[db::kTableCount];
    for (const UsedNames& run : used)
        for (const auto& [table, name] : run.inOrder)
            if (checked[static_cast<size_t>(table)].insert(name).second && !ensureRecord(db, table, name, note, error))
                return false;
    return ensureBlockObjects(db, note, error);
}

// Pointers that must name a record of a table: a writer would write one
// that names nothing as 0, which readers take as a damaged style.
struct TablePointer {
    const char* type;
    int code;
    Table table;
    const char* fallback;
};
constexpr TablePointer kTablePointers[] = {{"MLEADERSTYLE", 342, Table::Style, "Standard"}};

void ensureTablePointers(Database& db, const RepairNote& note)
{
    for (Slot slot : db.objectsSectionOrder()) {
        db::Object* object = db.object(slot);
        for (const TablePointer& pointer : kTablePointers) {
            if (!object->isType(pointer.type)) continue;
            size_t end = db::xdataBegin(*object);
            for (size_t i = 0; i < end; ++i) {
                Group& g = object->groups[i];
                if (g.code() != pointer.code || g.kind() != db::ValueKind::Handle) continue;
                const db::Object* named = db.object(db.slotOf(g.asHandle()));
                if (named && named->isType(db::tableName(pointer.table))) continue;
                Handle fallback = handleOf(db, db.findRecord(pointer.table, pointer.fallback));
                if (fallback == 0) continue;
                note(Kind::changed("table pointer set"),
                     shown(object->typeName()) + " " + db::handleText(object->handle) + " named the " +
                         (pointer.table == Table::Style ? "text style " : "record ") + db::handleText(g.asHandle()) +
                         ", which does not exist: set to " + pointer.fallback);
                g = G::handle(pointer.code, fallback);
            }
        }
    }
}

// A table head holds its count (a dimension style table the handles of its
// styles too): a pointer there that names nothing is what is left of a
// damaged line, a record's groups taken into the head, and is left out.
void dropDanglingHeadPointers(Database& db, const RepairNote& note)
{
    for (size_t t = 0; t < db::kTableCount; ++t) {
        db::Object* head = db.object(db.tableHead(static_cast<Table>(t)));
        if (!head) continue;
        auto& groups = head->groups;
        size_t end = db::xdataBegin(*head), dropped = 0;
        for (size_t i = 0; i < end; ++i) {
            const Group& g = groups[i];
            if (g.kind() != db::ValueKind::Handle || g.asHandle() == 0 || db.object(db.slotOf(g.asHandle()))) continue;
            groups.erase(groups.begin() + static_cast<std::ptrdiff_t>(i--));
            --end;
            ++dropped;
        }
        if (dropped > 0)
            note(Kind::lost("table head pointer"),
                 "table " + std::string(db::tableName(static_cast<Table>(t))) + ": " +
                     (dropped == 1 ? "a pointer that names nothing was"
                                   : std::to_string(dropped) + " pointers that name nothing were") +
                     " left out");
    }
}

// Entries of a dictionary with a default naming what it cannot hold are
// left out: other readers take an entry for an object the dictionary owns,
// and hand the record to it (or take it as the default).  Those are
// entities and table records (a record a repair made may take the handle
// an entry names), and the dictionary itself and its owners up the line.
void dropEntriesHeldElsewhere(Database& db, Slot slot, const RepairNote& note)
{
    std::unordered_set<Slot> above;
    for (Slot at = slot; at != kNoSlot && above.insert(at).second;) {
        const db::Object* object = db.object(at);
        at = object && object->owner != 0 ? db.slotOf(object->owner) : kNoSlot;
    }
    db::Object* dictionary = db.object(slot);
    auto& groups = dictionary->groups;
    const size_t end = db::xdataBegin(*dictionary);
    size_t dropped = 0, kept = 0;
    std::string firstKey;
    for (size_t i = 0; i < end; ++i) {
        const Group* entry = i + 1 < end ? &groups[i + 1] : nullptr;
        const bool isEntry = groups[i].code() == 3 && entry && (entry->code() == 350 || entry->code() == 360) &&
                             entry->kind() == db::ValueKind::Handle;
        const Slot named = isEntry ? db.slotOf(entry->asHandle()) : kNoSlot;
        const db::Object* object = db.object(named);
        if (object && (object->cls != ObjectClass::NonGraphical || above.count(named))) {
            if (dropped++ == 0) firstKey = std::string(groups[i].asText());
            ++i;
            continue;
        }
        if (kept != i) groups[kept] = std::move(groups[i]);
        ++kept;
    }
    groups.erase(groups.begin() + static_cast<std::ptrdiff_t>(kept), groups.begin() + static_cast<std::ptrdiff_t>(end));
    if (dropped > 0)
        note(Kind::lost("dictionary key of nothing"),
             "ACDBDICTIONARYWDFLT " + db::handleText(dictionary->handle) + ": the key " + shown(firstKey) +
                 " names no object it can hold: left out" +
                 (dropped > 1 ? " (" + std::to_string(dropped) + " keys)" : ""));
}

// A dictionary with a default must name an object as that default (other
// programs look it up whenever a key is missing): the Normal entry, else
// the first entry, else a placeholder made for it.
bool ensureDictionaryDefaults(Database& db, const RepairNote& note, std::string& error)
{
    constexpr std::string_view kMarker = "AcDbDictionaryWithDefault";
    constexpr int kDefault = 340;
    for (Slot slot : db.objectsSectionOrder()) {
        db::Object* dictionary = db.object(slot);
        if (!dictionary->isType("ACDBDICTIONARYWDFLT")) continue;
        dropEntriesHeldElsewhere(db, slot, note);
        size_t end = db::xdataBegin(*dictionary);
        size_t marker = 0;
        while (marker < end && !(dictionary->groups[marker].code() == 100 &&
                                 dictionary->groups[marker].asText() == kMarker))
            ++marker;
        // The default is an object: an entity (a block made where the file
        // had a damaged one may take the handle an entry names) is no
        // default, and the save may leave it out.  Nor is an erased one,
        // which is not saved.
        auto isObject = [&](Slot s) {
            const db::Object* object = db.object(s);
            return object && object->cls == ObjectClass::NonGraphical && !object->erased;
        };
        // It is one of the dictionary's entries: an object that no
        // dictionary names is not saved, and the default would name nothing.
        auto isEntry = [&](Slot s) {
            for (size_t i = 0; i + 1 < end; ++i)
                if (dictionary->groups[i].code() == 3 &&
                    (dictionary->groups[i + 1].code() == 350 || dictionary->groups[i + 1].code() == 360) &&
                    db.slotOf(dictionary->groups[i + 1].asHandle()) == s)
                    return isObject(s);
            return false;
        };
        Group* current = marker < end ? db::findGroup(*dictionary, kDefault, marker, end) : nullptr;
        if (current && current->kind() == db::ValueKind::Handle && isEntry(db.slotOf(current->asHandle())))
            continue;
        Slot target = db.dictionaryLookup(slot, "Normal");
        if (!isObject(target)) target = kNoSlot;
        for (size_t i = 0; target == kNoSlot && i + 1 < end; ++i)
            if (dictionary->groups[i].code() == 3 && dictionary->groups[i + 1].code() == 350 &&
                isObject(db.slotOf(dictionary->groups[i + 1].asHandle())))
                target = db.slotOf(dictionary->groups[i + 1].asHandle());
        Handle owner = dictionary->handle;
        const bool made = !db.object(target);
        if (made) target = addObject(db, "ACDBPLACEHOLDER", ObjectClass::NonGraphical, {}, owner);
        if (!db.object(target)) return needed(db, "a default for ACDBDICTIONARYWDFLT " + db::handleText(owner), error);
        Handle handle = handleOf(db, target);
        note(Kind::changed("dictionary default set"), "ACDBDICTIONARYWDFLT " + db::handleText(owner) +
                                                          " had no default: set to " +
                                                          shown(db.object(target)->typeName()) + " " +
                                                          db::handleText(handle));
        auto& groups = dictionary->groups;
        if (current) {
            *current = G::handle(kDefault, handle);
        } else if (marker < end) {
            groups.insert(groups.begin() + static_cast<std::ptrdiff_t>(marker + 1), G::handle(kDefault, handle));
        } else {
            Group added[2] = {G::text(100, kMarker), G::handle(kDefault, handle)};
            groups.insert(groups.begin() + static_cast<std::ptrdiff_t>(end), std::begin(added), std::end(added));
        }
        if (!made) continue;
        // The placeholder made is an entry too, under the key defaults take,
        // before the default's marker (other readers take the entries from
        // the dictionary's own part): an object no dictionary names is not
        // saved.  No key Normal there names an object, or it was the default.
        while (db.dictionaryRemove(slot, "Normal")) {
        }
        db.dictionaryAdd(slot, "Normal", target);
    }
    return true;
}

// A layer whose linetype names nothing draws in Continuous, as the host's
// audit sets it (a damaged name would make a new linetype of no pattern).
void ensureLayerLinetypes(Database& db, const RepairNote& note)
{
    for (Slot slot : db.records(Table::Layer)) {
        db::Object* layer = db.object(slot);
        if (!layer) continue;
        Group* linetype = db::findGroup(*layer, 6, 0, db::xdataBegin(*layer));
        if (!linetype || linetype->kind() != db::ValueKind::Text ||
            db.findRecord(Table::Ltype, linetype->asText()) != kNoSlot)
            continue;
        note(Kind::changed("layer linetype set"), "LAYER " + shown(db::groupText(*layer, 2)) + " named the linetype " +
                                                      shown(linetype->asText()) +
                                                      ", which does not exist: set to Continuous");
        *linetype = G::text(6, "Continuous");
    }
}

} // namespace

const char* tableRecordSubclass(Table table)
{
    switch (table) {
    case Table::Vport: return "AcDbViewportTableRecord";
    case Table::Ltype: return "AcDbLinetypeTableRecord";
    case Table::Layer: return "AcDbLayerTableRecord";
    case Table::Style: return "AcDbTextStyleTableRecord";
    case Table::View: return "AcDbViewTableRecord";
    case Table::Ucs: return "AcDbUCSTableRecord";
    case Table::Appid: return "AcDbRegAppTableRecord";
    case Table::Dimstyle: return "AcDbDimStyleTableRecord";
    default: return "AcDbBlockTableRecord";
    }
}

std::string cannotAdd(const Database& db, std::string_view what)
{
    std::string why = db.handseed() == 0 ? "no handle is left above " + db::handleText(UINT64_MAX)
                                         : std::string("the drawing holds too many objects");
    return "the drawing needs " + std::string(what) + " added, and " + why;
}

Slot addBlockRecord(Database& db, std::string_view name)
{
    Slot record = addRecord(db, Table::BlockRecord, name, {G::handle(340, 0), G::integer(70, 0), G::integer(280, 1),
                                                          G::integer(281, 0)});
    db.addBlock(record);
    return record;
}

bool ensureSpaces(Database& db, std::string& error)
{
    Slot spaces[2];
    const char* names[2] = {"*Model_Space", "*Paper_Space"};
    for (int i = 0; i < 2; ++i) {
        spaces[i] = db.findRecord(Table::BlockRecord, names[i]);
        if (spaces[i] == kNoSlot) spaces[i] = addBlockRecord(db, names[i]);
        if (spaces[i] == kNoSlot) return needed(db, std::string("the block ") + names[i], error);
        if (!db.block(spaces[i])) db.addBlock(spaces[i]);
    }
    db.setSpaces(spaces[0], spaces[1]);
    return true;
}

bool repairDrawing(Database& db, const RepairNote& note, std::string& error)
{
    for (size_t t = 0; t < db::kTableCount; ++t) {
        Table table = static_cast<Table>(t);
        if (ensureTableHead(db, table, &note) == kNoSlot)
            return needed(db, "the table " + std::string(db::tableName(table)), error);
    }
    const std::pair<Table, const char*> standard[] = {{Table::Ltype, "ByBlock"}, {Table::Ltype, "ByLayer"},
                                                      {Table::Ltype, "Continuous"}, {Table::Style, "Standard"},
                                                      {Table::Appid, "ACAD"}, {Table::Dimstyle, "Standard"}};
    for (const auto& [table, name] : standard)
        if (!ensureRecord(db, table, name, note, error)) return false;
    bool hadSpaces = db.findRecord(Table::BlockRecord, "*Model_Space") != kNoSlot &&
                     db.findRecord(Table::BlockRecord, "*Paper_Space") != kNoSlot;
    if (!ensureSpaces(db, error)) return false;
    if (!hadSpaces) note(Kind::changed("spaces added"), "the drawing had no *Model_Space or *Paper_Space block: added");
    // Defaults after the layouts: an entry of the layout dictionary that is
    // no layout is left out there, and can be no default then.
    if (!ensureBlockObjects(db, note, error) || !ensureRootDictionary(db, note, error) ||
        !linkLayouts(db, note, error) || !ensureDictionaryDefaults(db, note, error))
        return false;
    breakBlockCycles(db, note);
    if (!repairComplexEntities(db, note, error) || !ensureRecord(db, Table::Layer, "0", note, error)) return false;
    ensureLayerLinetypes(db, note);
    ensureClasses(db, note);
    if (!giveDimensionsBlocks(db, note, error) || !ensureReferencedNames(db, note, error)) return false;
    ensureTablePointers(db, note);
    dropDanglingHeadPointers(db, note);
    return true;
}

} // namespace host::dxf
