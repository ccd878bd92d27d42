#include "dxf/reader.h"

#include "dxf/binary_dxf.h"
#include "dxf/dictionary_entries.h"
#include "dxf/dimstyle_names.h"
#include "dxf/entity_markers.h"
#include "dxf/entity_types.h"
#include "dxf/file_io.h"
#include "dxf/group_code.h"
#include "dxf/insert_groups.h"
#include "dxf/leading_braces.h"
#include "dxf/mapped_file.h"
#include "dxf/number_text.h"
#include "dxf/owner_links.h"
#include "dxf/quoted_text.h"
#include "dxf/record_chunks.h"
#include "dxf/record_reader.h"
#include "dxf/repair.h"
#include "dxf/subclass_markers.h"
#include "db/canonical.h"
#include "db/sub_entities.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <unordered_set>
#include <cctype>
#include <cmath>
#include <malloc.h>
#include <iterator>

namespace host::dxf {

namespace {

using db::Database;
using db::Group;
using db::GroupList;
using db::ObjectClass;
using db::Slot;
using db::kNoSlot;

constexpr int kNameCode = 2;
constexpr int kFirstXdataCode = 1000;
constexpr int kXdataHandleCode = 1005;
constexpr int kVariableNameCode = 9;  // a header variable's name: the groups after it are its value
constexpr int kApplicationCode = 1001;
constexpr int kMarkerCode = 100;
constexpr int kExtrusionCode = 210;
constexpr int kColourCode = 62;
// Below this an extrusion direction has no length to speak of.
constexpr double kShortestDirection = 1e-12;

using Kind = RepairKind;
// Repairs a file may need thousands of: their notes are kept up to a cap.
constexpr Kind kMarkersNotAdded = Kind::changed("kept without subclass markers");
constexpr Kind kPointCompleted = Kind::changed("coordinate without y");
constexpr Kind kMarkerRepeated = Kind::changed("subclass marker repeated");
constexpr Kind kColourSet = Kind::changed("colour out of range");
constexpr Kind kExtrusionSet = Kind::changed("extrusion of no length");
constexpr Kind kEmptyNameSet = Kind::changed("empty table name");
constexpr Kind kXdataLeftOut = Kind::lost("XDATA without application");
constexpr Kind kEntityOwnerSet = Kind::changed("entity owner");

std::string_view textOf(const GroupList& groups, int code)
{
    for (const Group& g : groups)
        if (g.code() == code) return g.asText();
    return {};
}

// Equal but for the case of ASCII letters.
bool sameLetters(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// The entities that name their block in group 2.
bool namesItsBlock(const db::Object& object)
{
    return object.isType("INSERT") || isDimensionType(object.typeName());
}

// A table record's two subclass markers, AcDbSymbolTableRecord and its
// table's, both before its fields.
std::array<std::string_view, 2> recordMarkers(db::Table table)
{
    return {"AcDbSymbolTableRecord", tableRecordSubclass(table)};
}

// Where the body of a record ends: at its XDATA.
size_t bodyEnd(const GroupList& groups)
{
    size_t end = 0;
    while (end < groups.size() && groups[end].code() < kFirstXdataCode) ++end;
    return end;
}

// A text style that loads a shape file (flag 1 of its 70), as a complex
// linetype's shapes need: its name is empty.
bool isShapeFileStyle(const GroupList& groups)
{
    constexpr int kFlagsCode = 70;
    constexpr int64_t kShapeFileFlag = 1;
    for (size_t i = 0, end = bodyEnd(groups); i < end; ++i)
        if (groups[i].code() == kFlagsCode) return (groups[i].asInt() & kShapeFileFlag) != 0;
    return false;
}

// Puts the record's markers after its leading 102 groups, in place of any
// markers of its body.
void putRecordMarkers(db::Table table, GroupList& groups)
{
    const size_t end = bodyEnd(groups);
    const size_t lead = std::min(leadingBraces(groups).end, end);
    GroupList body(groups.begin(), groups.begin() + static_cast<std::ptrdiff_t>(lead));
    for (std::string_view marker : recordMarkers(table)) body.push_back(Group::text(kMarkerCode, marker));
    for (size_t i = lead; i < groups.size(); ++i)
        if (i >= end || groups[i].code() != kMarkerCode) body.push_back(std::move(groups[i]));
    groups = std::move(body);
}

class DxfReader {
public:
    DxfReader(RecordStream& stream, std::string_view source, std::string_view fileName, ReadReport& report)
        : stream_(stream), source_(source), fileName_(fileName), report_(report), db_(std::make_unique<Database>())
    {
    }

    std::unique_ptr<Database> read();
    // Handles given while reading (to a record without one, or one whose
    // handle is taken) must not be handles that records further on hold, or
    // those records would lose their handles and the references to them
    // their meaning: the first time, the whole file is looked through.
    void reserveFileHandles();
    // A file of a release before R12 holds what R12's do: it is read as
    // one, and told once.
    void noteReadAsR12(std::string_view version, uint32_t line);

private:
    bool nextRecord();
    bool fail(uint32_t line, std::string message);
    void note(uint32_t line, RepairKind kind, const std::string& message);
    Diagnostic noteAt(uint32_t line, RepairKind kind, const std::string& message) const;
    // Whether a note of a repair made over and over is kept: up to
    // kMarkerNotes of those `kept` counts; past that the repair is counted
    // only, so that the file's thousands of them cost no memory.
    bool keeps(int& kept, RepairKind kind);
    bool is(std::string_view type) const { return rec_->type == type; }

    bool readSections();
    bool readSection(std::string_view name);
    bool readHeader();
    void takeVariables(Record& record, bool sectionHead);
    void completePoints(GroupList& groups, std::string_view owner, uint32_t line);
    void fixValues(db::Object& object, uint32_t line);
    void fixColour(const db::Object& object, Group& g, bool layer, uint32_t line);
    void fixExtrusion(const db::Object& object, Group& g, uint32_t line);
    void fixEmptyName(const db::Object& object, Group& g, uint32_t line);
    void dropXdataWithoutApplication(GroupList& groups, ObjectClass cls, std::string_view type,
                                     std::string_view owner, uint32_t line);
    void dropRepeatedMarkers(GroupList& groups, std::string_view type, std::string_view owner, uint32_t line);
    void dropSecondNames(GroupList& groups, uint32_t line);
    void mendRecordMarkers(db::Table table, GroupList& groups, uint32_t line);
    bool moveDuplicateRecord(Slot first, std::string_view newType);
    bool leftOutOfBlock();
    bool leftOutOfObjects();
    bool readClasses();
    bool readTables();
    bool readTable();
    bool readBlocks();
    bool readBlock();
    bool leftOutAsNoTypeName();
    bool leftOutWithOwner();
    bool leaveOut(RepairKind kind, const std::string& message);
    bool readEntities();
    bool readObjects();
    void takeRoot(Slot firstObject, Slot firstDictionary, Slot firstWithoutOwner);
    bool skipSection(std::string_view name);
    bool unexpected(std::string_view where);
    bool endOfSection(std::string_view where);

    Slot store(ObjectClass cls);
    Slot remember(Slot slot);
    db::TypeId typeOf(std::string_view name);
    bool placeEntity(Slot entity, Slot block, Slot& lastMain);
    Slot blockRecordFor(const Record& begin);
    void dropMissingHeadOwners();
    void adoptOrphans();
    void relinkDictionaryEntries();
    void finishHandseed();
    void nullLinksToDropped();
    void noteUnmarked();

    RecordStream& stream_;
    std::string_view source_;
    bool handlesReserved_ = false;
    RecordChunk* chunk_ = nullptr;  // the next record is chunk_->records[index_]
    size_t index_ = 0;
    bool streamDone_ = false;
    std::string fileName_;
    ReadReport& report_;
    std::unique_ptr<Database> db_;
    Record noRecord_;  // what rec_ points at after the last record
    Record* rec_ = &noRecord_;
    bool failed_ = false;
    std::vector<uint32_t> lines_;       // line of each slot's type name
    std::vector<std::pair<std::string, db::TypeId>> types_;
    db::Handle fileHandseed_ = 0;
    db::Handle highestFileHandle_ = 0;
    bool headerRead_ = false;
    std::unordered_set<db::Handle> leftOut_;  // handles of the records left out
    std::vector<Slot> namelessBlockRecords_;  // named by their BLOCK, else left out
    int valueNotes_ = 0;   // notes about values mended (coordinates, colours), up to:
    int markerNotes_ = 0;  // notes about records kept without markers, up to:
    int ownerNotes_ = 0;   // notes about entities set to their block (a writer may name one owner for all)
    static constexpr int kMarkerNotes = 20;
    // A record kept without subclass markers and where its note goes among
    // the notes made while reading.  Such records are told only once every
    // repair is made: a record a repair left out has its note of that, and
    // no second one of how it is kept.
    struct Unmarked {
        Slot slot;
        uint32_t at;
        uint32_t note;  // in unmarkedNotes_
    };
    std::vector<Unmarked> unmarked_;  // in file order
    // Their notes, each once: the many records of one type share theirs.
    std::vector<std::string> unmarkedNotes_;
    std::unordered_map<std::string, uint32_t> unmarkedNoteIndex_;
    std::unordered_map<Slot, Slot> movedRecords_;  // a record's new slot, by its old one
};

bool DxfReader::fail(uint32_t line, std::string message)
{
    if (failed_) return false;
    failed_ = true;
    report_.error = Diagnostic{fileName_, line, std::move(message)};
    return false;
}

void DxfReader::note(uint32_t line, RepairKind kind, const std::string& message)
{
    report_.repairs.push_back(noteAt(line, kind, message));
}

Diagnostic DxfReader::noteAt(uint32_t line, RepairKind kind, const std::string& message) const
{
    // File text in a message is shown as such; this keeps out any control
    // character that came in another way.
    return Diagnostic{fileName_, line, withoutControls(message), kind};
}

bool DxfReader::keeps(int& kept, RepairKind kind)
{
    if (kept < kMarkerNotes) {
        ++kept;
        return true;
    }
    auto& counts = report_.countedOnly;
    auto found = std::find_if(counts.begin(), counts.end(), [&](const RepairCount& c) { return c.kind == kind; });
    if (found == counts.end())
        counts.push_back({kind, 1});
    else
        ++found->count;
    return false;
}

// Moves to the next record, piece by piece.
bool DxfReader::nextRecord()
{
    rec_ = &noRecord_;
    if (failed_) return false;
    while (!streamDone_) {
        if (chunk_ && index_ < chunk_->records.size()) {
            rec_ = &chunk_->records[index_++];
            return true;
        }
        if (chunk_ && chunk_->failed) {
            report_.error = chunk_->error;
            failed_ = true;
            return false;
        }
        chunk_ = stream_.next();
        index_ = 0;
        streamDone_ = chunk_ == nullptr;
    }
    return false;
}

bool DxfReader::endOfSection(std::string_view where)
{
    if (!failed_ && is("ENDSEC")) return true;
    return unexpected(where);
}

bool DxfReader::unexpected(std::string_view where)
{
    if (failed_) return false;
    if (rec_ == &noRecord_)
        return fail(stream_.lineCount(), "the file ends inside " + std::string(where) + ": it is truncated");
    return fail(rec_->line, "unexpected " + shown(rec_->type) + " in " + std::string(where));
}

db::TypeId DxfReader::typeOf(std::string_view name)
{
    for (const auto& [known, id] : types_)
        if (known == name) return id;
    db::TypeId id = db::internType(db::upperAscii(name));
    types_.emplace_back(std::string(name), id);
    return id;
}

Slot DxfReader::store(ObjectClass cls)
{
    db::Object object;
    object.type = typeOf(rec_->type);
    object.cls = cls;
    object.handle = rec_->handle;
    object.owner = rec_->owner;
    object.ownerGroup = rec_->hasOwner;
    highestFileHandle_ = std::max(highestFileHandle_, rec_->handle);
    if (rec_->hasHandle && rec_->handle == 0)
        note(rec_->line, Kind::changed("null handle"),
             shown(rec_->type) + " had the null handle 0: it was given a new one");
    object.groups = std::move(rec_->groups);
    completePoints(object.groups, rec_->type, rec_->line);
    dropRepeatedMarkers(object.groups, object.typeName(), rec_->type, rec_->line);
    fixValues(object, rec_->line);
    dropXdataWithoutApplication(object.groups, cls, object.typeName(), rec_->type, rec_->line);
    if (cls == ObjectClass::Entity && namesItsBlock(object)) dropSecondNames(object.groups, rec_->line);
    if (cls == ObjectClass::Entity && object.isType("INSERT")) holdInsertGroups(object.groups);
    std::string unmarked;  // the note of a record kept without markers
    const auto notePlace = static_cast<uint32_t>(report_.repairs.size());
    if (cls != ObjectClass::NonGraphical && cls != ObjectClass::TableHead && lacksSubclassMarkers(object.groups)) {
        // An R12 record, sound as it is: the versions saved need its
        // subclass markers.  A type the host does not model gets them as it
        // is saved (an entity, each group under its own part) or here (a
        // table record, all its groups under its table's); only one of no
        // known marker order is kept without them, and told of.
        std::string error;
        db::Table table;
        const bool added = addSubclassMarkers(rec_->type, object.groups, error);
        if (!added && cls == ObjectClass::TableRecord && db::tableByName(object.typeName(), table))
            putRecordMarkers(table, object.groups);
        else if (!added && keptWithoutMarkers(object.typeName()))
            unmarked = shown(rec_->type) + " is kept without subclass markers: no subclass order is known for " +
                       shown(rec_->type);
    }
    // An XRECORD's one marker heads its data: without it, readers that go
    // by the markers find none and refuse the file.  It is put back, as a
    // dictionary's is (no version wrote an XRECORD without it).
    if (cls == ObjectClass::NonGraphical && object.isType("XRECORD") && lacksSubclassMarkers(object.groups)) {
        std::string error;
        if (addSubclassMarkers(object.typeName(), object.groups, error))
            note(rec_->line, Kind::changed("XRECORD marker"),
                 shown(rec_->type) + " " + db::handleText(object.handle) + " had lost its marker AcDbXrecord: put back");
    }
    auto stored = [&](Slot slot) {
        if (!unmarked.empty() && slot != kNoSlot) {
            auto [known, added] = unmarkedNoteIndex_.try_emplace(unmarked, unmarkedNotes_.size());
            if (added) unmarkedNotes_.push_back(unmarked);
            unmarked_.push_back({slot, notePlace, known->second});
        }
        return slot;
    };
    Slot first = object.handle != 0 ? db_->slotOf(object.handle) : kNoSlot;
    if (object.handle == 0 || first != kNoSlot) reserveFileHandles();
    if (first != kNoSlot && moveDuplicateRecord(first, rec_->type)) first = kNoSlot;
    if (first != kNoSlot) {
        // As the host's recovery does: references keep meaning the first
        // object; the second gets a handle of its own.
        object.handle = 0;
        std::string where = first < lines_.size() ? " at line " + std::to_string(lines_[first]) : "";
        std::string message = "handle " + db::handleText(rec_->handle) + " of " + shown(rec_->type) +
                              " was already used by the object" + where + ": given the new handle ";
        Slot slot = db_->add(std::move(object));
        if (slot != kNoSlot)
            note(rec_->handleLine, Kind::changed("duplicate handle"),
                 message + db::handleText(db_->object(slot)->handle));
        return stored(remember(slot));
    }
    return stored(remember(db_->add(std::move(object))));
}

// A coordinate without the ones that must follow it (an x without its y)
// cannot be written back as a point: the missing ones are taken as 0.
void DxfReader::completePoints(GroupList& groups, std::string_view owner, uint32_t line)
{
    for (Group& g : groups) {
        if (g.kind() != db::ValueKind::Real || !isPointStart(g.code())) continue;
        if (keeps(valueNotes_, kPointCompleted))
            note(line, kPointCompleted,
                 shown(owner) + ": group " + std::to_string(g.code()) + " has no y coordinate (group " +
                     std::to_string(g.code() + 10) + "): 0 was taken");
        g = Group::point2d(g.code(), g.asReal(), 0.0);
    }
}

// A subclass marker written twice in a row makes other readers look for
// the subclass's groups in the wrong place: the repeat is dropped, but for
// the second of a type's two parts of one name.
void DxfReader::dropRepeatedMarkers(GroupList& groups, std::string_view type, std::string_view owner, uint32_t line)
{
    for (size_t i = 1; i < groups.size(); ++i) {
        if (groups[i].code() != 100 || groups[i - 1].code() != 100 || groups[i].asText() != groups[i - 1].asText() ||
            beginsSecondPartOfName(type, groups, i))
            continue;
        if (keeps(valueNotes_, kMarkerRepeated))
            note(line, kMarkerRepeated,
                 shown(owner) + ": the subclass marker " + shown(groups[i].asText()) +
                     " was given twice: once is kept");
        groups.erase(groups.begin() + static_cast<std::ptrdiff_t>(i--));
    }
}

// Colour numbers are 16-bit groups that other programs read as signed and
// check: an entity's must be 0 to 257 (by block, by layer), a layer's 1 to
// 255, negative when the layer is off.
void DxfReader::fixColour(const db::Object& object, Group& g, bool layer, uint32_t line)
{
    int64_t colour = g.asInt();
    bool valid = layer ? colour != 0 && colour > -256 && colour < 256 : colour >= 0 && colour <= 257;
    if (valid) return;
    int64_t fixed = layer ? (colour < 0 ? -7 : 7) : 256;
    if (keeps(valueNotes_, kColourSet))
        note(line, kColourSet,
             shown(object.typeName()) + " had the colour " + std::to_string(colour) + ": set to " +
                 std::to_string(fixed));
    g = Group::integer(kColourCode, fixed);
}

namespace {

// Name groups of entities that name a table record, with the record an
// empty name is taken as (other programs look an empty name up and fail).
struct NameDefault {
    int code;
    const char* name;
    bool dimensioned;  // only in the entities that have a dimension style
};
constexpr NameDefault kNameDefaults[] = {
    {8, "0", false}, {6, "ByLayer", false}, {7, "Standard", false}, {3, "Standard", true}};

} // namespace

// An entity's extrusion direction (210) is a direction: one of no length
// (or not a number) leaves the entity without a plane to lie in, and other
// programs refuse or reset it.  It is set to the z axis, as they do.
void DxfReader::fixExtrusion(const db::Object& object, Group& g, uint32_t line)
{
    if (g.kind() != db::ValueKind::Point) return;
    const double* v = g.asPoint();
    double length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    if (std::isfinite(length) && length > kShortestDirection) return;
    if (keeps(valueNotes_, kExtrusionSet))
        note(line, kExtrusionSet, shown(object.typeName()) + " had an extrusion direction of no length: set to 0,0,1");
    g = Group::point(kExtrusionCode, 0.0, 0.0, 1.0);
}

// An empty layer, linetype, text or dimension style name is set to the one
// that stands for none.
void DxfReader::fixEmptyName(const db::Object& object, Group& g, uint32_t line)
{
    bool dimensioned = namesDimensionStyle(object.typeName());
    for (const NameDefault& d : kNameDefaults) {
        if (d.code != g.code() || (d.dimensioned && !dimensioned)) continue;
        if (keeps(valueNotes_, kEmptyNameSet))
            note(line, kEmptyNameSet,
                 shown(object.typeName()) + " had an empty name in group " + std::to_string(d.code) + ": set to " +
                     d.name);
        g = Group::text(d.code, d.name);
    }
}

// The values of a record that other programs check, in one pass over its
// body (up to its XDATA; stray XDATA groups before that are left out after):
// colours, and an entity's extrusion direction and names.
void DxfReader::fixValues(db::Object& object, uint32_t line)
{
    bool layer = object.cls == ObjectClass::TableRecord && object.isType("LAYER");
    bool entity = object.cls == ObjectClass::Entity || object.cls == ObjectClass::BlockBegin ||
                  object.cls == ObjectClass::BlockEnd;
    for (size_t i = 0; i < object.groups.size(); ++i) {
        Group& g = object.groups[i];
        int code = g.code();
        if (code == kApplicationCode) break;
        if (code >= kFirstXdataCode) continue;
        if (code == kColourCode && (layer || entity)) fixColour(object, g, layer, line);
        if (!entity) continue;
        if (code == kExtrusionCode) fixExtrusion(object, g, line);
        // A name of blanks only is none too: a table record of it is no
        // record (left out as nameless).
        bool nameCode = code == 8 || code == 6 || code == 7 || code == 3;
        if (nameCode && g.kind() == db::ValueKind::Text && trimBlanks(g.asText()).empty()) fixEmptyName(object, g, line);
    }
}

// XDATA starts with the name of its application (1001): groups of the
// XDATA range before it belong to none.  Where an object or entity holds
// them in a part the host keeps as read (of a type it does not model, or a
// modelled one's data, as an XRECORD's), any code may stand there: they
// are its own (a dynamic block's parameter holds points in 1010, a count in
// 1071).  Elsewhere they are a damaged 1001's, and readers that take them
// as pointers or values of some application go wrong: they are left out,
// the record's own groups among them (its name, say) staying.  So is the
// XDATA of an application whose name is blanks only: no application can be
// registered under it.
void DxfReader::dropXdataWithoutApplication(GroupList& groups, ObjectClass cls, std::string_view type,
                                            std::string_view owner, uint32_t line)
{
    size_t end = 0;
    bool ranged = false;  // a group of the range stands before the XDATA
    for (; end < groups.size() && groups[end].code() != kApplicationCode; ++end)
        ranged |= groups[end].code() >= kFirstXdataCode;
    const bool keptAsRead = cls == ObjectClass::Entity || cls == ObjectClass::NonGraphical;
    bool anyCode = keptAsRead && ranged && db::partGroups(type, {}) == db::PartGroups::AnyCode;
    size_t kept = ranged ? 0 : end;
    for (size_t i = kept; i < end; ++i) {
        const Group& g = groups[i];
        if (keptAsRead && g.code() == kMarkerCode && !g.asText().empty()) {
            const db::PartGroups part = db::partGroups(type, g.asText());
            if (part != db::PartGroups::NoPart) anyCode = part == db::PartGroups::AnyCode;
        }
        if (g.code() >= kFirstXdataCode && !anyCode) continue;
        if (kept != i) groups[kept] = std::move(groups[i]);
        ++kept;
    }
    const size_t dropped = end - kept;
    groups.erase(groups.begin() + static_cast<std::ptrdiff_t>(kept), groups.begin() + static_cast<std::ptrdiff_t>(end));
    size_t unnamed = 0;
    for (size_t i = end - dropped; i < groups.size();) {
        const Group& g = groups[i];
        if (g.code() != kApplicationCode || g.kind() != db::ValueKind::Text || !trimBlanks(g.asText()).empty()) {
            ++i;
            continue;
        }
        size_t next = i + 1;
        while (next < groups.size() && groups[next].code() != kApplicationCode) ++next;
        unnamed += next - i;
        groups.erase(groups.begin() + static_cast<std::ptrdiff_t>(i), groups.begin() + static_cast<std::ptrdiff_t>(next));
    }
    if (dropped > 0 && keeps(valueNotes_, kXdataLeftOut))
        note(line, kXdataLeftOut,
             shown(owner) + ": " + std::to_string(dropped) +
                 " XDATA groups without an application name (1001) before them were left out");
    if (unnamed > 0 && keeps(valueNotes_, kXdataLeftOut))
        note(line, kXdataLeftOut,
             shown(owner) + ": " + std::to_string(unnamed) +
                 " XDATA groups of an application without a name were left out");
}

// Table records that other objects name by their name, not by handle.
bool namedByName(std::string_view type)
{
    for (std::string_view t : {"LTYPE", "LAYER", "STYLE", "VIEW", "UCS", "APPID", "VPORT"})
        if (type == t) return true;
    return false;
}

// A handle used by a table record and by a later object of another kind:
// the pointers to that handle (owners, layouts, dictionary entries) mean
// the later object, while the record is named by its name, so the record
// gives up the handle and takes a new one.
bool DxfReader::moveDuplicateRecord(Slot first, std::string_view newType)
{
    const db::Object* old = db_->object(first);
    if (!old || old->cls != ObjectClass::TableRecord || !namedByName(old->typeName()) ||
        sameLetters(old->typeName(), newType))
        return false;
    db::Table table;
    if (!db::tableByName(old->typeName(), table)) return false;
    db::Object moved = *old;
    db::Handle handle = moved.handle;
    uint32_t line = first < lines_.size() ? lines_[first] : 0;
    db_->purge(first);
    moved.handle = 0;
    Slot slot = db_->add(std::move(moved));
    if (slot == kNoSlot || !db_->addRecord(table, slot)) return false;
    if (lines_.size() <= slot) lines_.resize(slot + 1, 0);
    lines_[slot] = line;
    movedRecords_[first] = slot;
    const db::Object* record = db_->object(slot);
    note(line, Kind::changed("record's handle taken"),
         shown(record->typeName()) + " " + shown(db::groupText(*record, 2)) + " had the handle " +
             db::handleText(handle) + " of the " + shown(newType) + " at line " + std::to_string(rec_->line) +
             ": given the new handle " + db::handleText(record->handle));
    return true;
}

Slot DxfReader::remember(Slot slot)
{
    if (slot == kNoSlot) {
        // New handles are only ever above every handle in use.
        fail(rec_->line, db_->handseed() == 0 ? shown(rec_->type) + " needs a new handle, and none is left above " +
                                                    db::handleText(UINT64_MAX)
                                              : std::string("the drawing holds too many objects"));
        return kNoSlot;
    }
    if (lines_.size() <= slot) lines_.resize(slot + 1, 0);
    lines_[slot] = rec_->line;
    return slot;
}

std::unique_ptr<Database> DxfReader::read()
{
    if (!readSections()) return nullptr;
    for (Slot record : namelessBlockRecords_) {
        note(lines_[record], Kind::lost("block record without name"),
             "a BLOCK_RECORD without a name and without a block was left out");
        db_->purge(record);
    }
    RepairNote notes = [this](const RepairKind& kind, const std::string& message) { note(0, kind, message); };
    // Entries are paired with their keys before anything goes by them.
    repairDictionaryEntries(*db_, notes);
    adoptOrphans();
    dropMissingHeadOwners();
    relinkDictionaryEntries();
    finishHandseed();
    resolveDimstyleNames(*db_, notes);
    // What the drawing cannot be given it could not be saved with either.
    std::string incomplete;
    if (!repairDrawing(*db_, notes, incomplete)) {
        fail(0, incomplete);
        return nullptr;
    }
    repairOwners(*db_, notes);
    nullLinksToDropped();
    noteUnmarked();
    return std::move(db_);
}

// The notes of the records kept without subclass markers that are still
// there, each put where it was made among the other notes (the order of
// the first notes of each kind is what the user is shown).
void DxfReader::noteUnmarked()
{
    std::vector<Diagnostic> notes;
    std::vector<uint32_t> places;
    for (const Unmarked& u : unmarked_) {
        Slot slot = u.slot;
        if (auto moved = movedRecords_.find(slot); moved != movedRecords_.end()) slot = moved->second;
        const db::Object* record = db_->object(slot);
        if (!record || record->erased || u.note >= unmarkedNotes_.size() || !keeps(markerNotes_, kMarkersNotAdded))
            continue;
        uint32_t line = slot < lines_.size() ? lines_[slot] : 0;
        notes.push_back(noteAt(line, kMarkersNotAdded, unmarkedNotes_[u.note]));
        places.push_back(u.at);
    }
    if (notes.empty()) return;
    std::vector<Diagnostic> merged;
    merged.reserve(report_.repairs.size() + notes.size());
    size_t next = 0;
    for (size_t i = 0; i <= report_.repairs.size(); ++i) {
        for (; next < notes.size() && places[next] == i; ++next) merged.push_back(std::move(notes[next]));
        if (i < report_.repairs.size()) merged.push_back(std::move(report_.repairs[i]));
    }
    report_.repairs = std::move(merged);
}

bool DxfReader::readSections()
{
    bool first = true;
    while (nextRecord()) {
        if (is("EOF")) return true;
        if (!is("SECTION")) {
            if (first) return fail(rec_->line, "this is not a DXF file: it does not start with a SECTION");
            return fail(rec_->line, "unexpected " + shown(rec_->type) + " between sections");
        }
        first = false;
        if (!readSection(textOf(rec_->groups, 2))) return false;
    }
    if (failed_) return false;
    if (first) return fail(0, "the file is empty or holds no DXF groups");
    return fail(stream_.lineCount(), "the file ends without EOF: it is truncated");
}

bool DxfReader::readSection(std::string_view name)
{
    // Names in any letters, as the records of the structure are.
    if (sameLetters(name, "HEADER")) return readHeader();
    if (sameLetters(name, "CLASSES")) return readClasses();
    if (sameLetters(name, "TABLES")) return readTables();
    if (sameLetters(name, "BLOCKS")) return readBlocks();
    if (sameLetters(name, "ENTITIES")) return readEntities();
    if (sameLetters(name, "OBJECTS")) return readObjects();
    return skipSection(name);
}

bool DxfReader::readHeader()
{
    // The whole header is the body of its SECTION record: 9 $NAME, then the
    // variable's groups.
    if (headerRead_)
        note(rec_->line, Kind::changed("second header"), "a second HEADER section was taken into the first");
    headerRead_ = true;
    takeVariables(*rec_, true);
    nextRecord();
    // dxflib 2.0 ends the header early and writes the rest of its variables
    // after that ENDSEC, closing them with a second one.
    if (!failed_ && is("ENDSEC") && !rec_->groups.empty() && rec_->groups.front().code() == 9) {
        note(rec_->line, Kind::changed("header after its end"),
             "header variables after the end of the HEADER section were taken into it");
        takeVariables(*rec_, false);
        nextRecord();
    }
    auto& header = db_->header();
    // Names in any letters, as the header keeps and writes them.
    for (const db::HeaderVariable& v : header) {
        if (sameLetters(v.name, "$ACADVER") && !v.groups.empty()) report_.version = std::string(v.groups[0].asText());
        if (sameLetters(v.name, "$HANDSEED") && !v.groups.empty()) db::parseHandle(v.groups[0].asText(), fileHandseed_);
    }
    // Objects the file gives no handle get theirs above the file's own.
    db_->raiseHandseed(fileHandseed_);
    return endOfSection("the HEADER section");
}

// Variables are kept as other readers can take them back: a name with its
// '$' and at least one value, each name once (the first wins).  A note
// about one names the line of its name.
void DxfReader::takeVariables(Record& record, bool sectionHead)
{
    auto& header = db_->header();
    GroupList& groups = record.groups;
    auto lineOf = [&](size_t i) { return i < record.groupLines.size() ? record.groupLines[i] : record.line; };
    std::vector<db::HeaderVariable> found;
    std::vector<uint32_t> foundLines;
    size_t first = sectionHead && !groups.empty() && groups.front().code() == 2 ? 1 : 0;  // the section name
    for (size_t i = first; i < groups.size(); ++i) {
        Group& g = groups[i];
        if (g.code() == 9) {
            found.push_back({std::string(g.asText()), {}});
            foundLines.push_back(lineOf(i));
        } else if (!found.empty()) {
            found.back().groups.push_back(std::move(g));
        } else {
            note(lineOf(i), Kind::lost("group before the header variables"),
                 "a group " + std::to_string(g.code()) + " before the first header variable was left out");
        }
    }
    for (size_t k = 0; k < found.size(); ++k) {
        db::HeaderVariable& v = found[k];
        const uint32_t line = foundLines[k];
        if (v.name.size() < 2 || v.name[0] != '$') {
            note(line, Kind::lost("header variable without $"),
                 "header variable " + inQuotes(v.name) + " has no '$' before its name: left out");
        } else if (v.groups.empty()) {
            note(line, Kind::lost("header variable without value"),
                 "header variable " + shown(v.name) + " has no value: left out");
        } else if (db_->headerVariable(v.name)) {
            note(line, Kind::lost("header variable twice"),
                 "header variable " + shown(v.name) + " is given twice: the second was left out");
        } else {
            // A variable holds one value (a point is one group).
            if (v.groups.size() > 1) {
                note(line, Kind::lost("header variable of values"),
                     "header variable " + shown(v.name) + " holds more than one value: the first was kept");
                v.groups.resize(1);
            }
            completePoints(v.groups, v.name, line);
            header.push_back(std::move(v));
        }
    }
}

bool DxfReader::readClasses()
{
    while (nextRecord() && sameLetters(rec_->type, "CLASS")) {
        db_->classes().push_back(std::move(rec_->groups));
    }
    return endOfSection("the CLASSES section");
}

bool DxfReader::readTables()
{
    nextRecord();
    while (is("TABLE")) {
        if (!readTable()) return false;
        // A table cut short by the next one: that TABLE is read next.
        if (is("ENDTAB")) nextRecord();
    }
    return endOfSection("the TABLES section");
}

namespace {

// A record type is a name: letters, digits and '_', starting with a letter
// or with 3D ("3DFACE").  Anything else is a damaged line, and a record of
// such a type could not be read back as what it was.
bool isTypeName(std::string_view type)
{
    if (type.empty()) return false;
    for (char c : type)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
    return std::isalpha(static_cast<unsigned char>(type[0])) || sameLetters(type.substr(0, 2), "3D");
}

} // namespace

bool DxfReader::leaveOut(RepairKind kind, const std::string& message)
{
    if (rec_->hasHandle) leftOut_.insert(rec_->handle);
    note(rec_->line, kind, message);
    return true;
}

// What belongs to a record left out (its vertices, attributes, extension
// dictionary) goes with it.
bool DxfReader::leftOutWithOwner()
{
    if (!rec_->hasOwner || !leftOut_.count(rec_->owner)) return false;
    return leaveOut(Kind::lost("owned by a record left out"), "a " + shown(rec_->type) + " of the left-out record " +
                                                                 db::handleText(rec_->owner) + " was left out with it");
}

bool DxfReader::leftOutAsNoTypeName()
{
    if (isTypeName(rec_->type)) return false;
    return leaveOut(Kind::lost("no type name"),
                    "a record of the type " + inQuotes(rec_->type) + " was left out: that is no type name");
}

// A table record or a block has one name, and an insert or dimension names
// one block: with a second name, this reader would go by the first and
// others by the last, and the record's block or the entities naming it
// would part (or a block the save leaves out, as nothing it reads names it,
// be named).  The first is kept.
void DxfReader::dropSecondNames(GroupList& groups, uint32_t line)
{
    bool named = false;
    size_t dropped = 0;
    for (size_t i = 0; i < groups.size() && groups[i].code() < kFirstXdataCode; ++i) {
        if (groups[i].code() != kNameCode) continue;
        if (!named) {
            named = true;
            continue;
        }
        groups.erase(groups.begin() + static_cast<std::ptrdiff_t>(i--));
        ++dropped;
    }
    if (dropped > 0)
        note(line, Kind::lost("record of names"),
             "a " + shown(rec_->type) + " record gave " + std::to_string(dropped + 1) + " names: the first, " +
                 shown(textOf(groups, kNameCode)) + ", was kept");
}

// Readers find a table record's name and fields by its markers: damaged or
// stray ones are put right.  A record without any (of R12) gets them when
// it is stored, from its type where the host models it.
void DxfReader::mendRecordMarkers(db::Table table, GroupList& groups, uint32_t line)
{
    const auto wanted = recordMarkers(table);
    const size_t end = bodyEnd(groups);
    size_t markers = 0;
    bool sound = true;
    // A marker inside the leading braces is the application's.
    for (size_t i = std::min(leadingBraces(groups).end, end); i < end; ++i) {
        if (groups[i].code() != kMarkerCode) continue;
        sound &= markers < 2 && groups[i].asText() == wanted[markers];
        ++markers;
    }
    if (markers == 0 || (sound && markers == 2)) return;
    putRecordMarkers(table, groups);
    note(line, Kind::changed("record markers"),
         "a " + shown(rec_->type) + " record's subclass markers were damaged: put right");
}

bool DxfReader::readTable()
{
    std::string name(textOf(rec_->groups, 2));
    db::Table table;
    if (!db::tableByName(name, table)) {
        note(rec_->line, Kind::lost("unknown table"), "unknown table " + shown(name) + " was left out");
        while (nextRecord() && !is("ENDTAB") && !is("ENDSEC") && !is("EOF")) {
        }
        return is("ENDTAB") || unexpected("table " + shown(name));
    }
    if (db_->tableHead(table) == kNoSlot) {
        Slot head = store(ObjectClass::TableHead);
        if (head == kNoSlot) return false;
        db_->setTableHead(table, head);
    } else {
        note(rec_->line, Kind::changed("second table"),
             "second " + shown(name) + " table: its records were added to the first");
    }
    while (nextRecord() && !is("ENDTAB") && !is("ENDSEC") && !is("EOF") && !is("TABLE")) {
        uint32_t line = rec_->line;
        // Only records of the table's own type: another one (an "eNDTAB")
        // would be written inside the table and end it early.
        if (!sameLetters(rec_->type, db::tableName(table))) {
            note(line, Kind::lost("record of another table"),
                 "a " + shown(rec_->type) + " in the " + shown(name) + " table was left out");
            continue;
        }
        // Stray XDATA first: the name and markers are looked for up to the
        // XDATA, and groups of the record's own after a stray one count.
        dropXdataWithoutApplication(rec_->groups, ObjectClass::TableRecord, {}, rec_->type, line);
        dropSecondNames(rec_->groups, line);
        mendRecordMarkers(table, rec_->groups, line);
        std::string recordName(textOf(rec_->groups, 2));
        bool nameless = trimBlanks(recordName).empty();
        if (nameless && table == db::Table::Style && isShapeFileStyle(rec_->groups)) {
            // Linetypes name it by handle; no name finds it.
            Slot record = store(ObjectClass::TableRecord);
            if (record == kNoSlot) return false;
            db_->addUnnamedRecord(table, record);
            continue;
        }
        if (nameless && table != db::Table::BlockRecord) {
            note(line, Kind::lost("record without name"), "a " + shown(name) + " record without a name was left out");
            continue;
        }
        Slot record = store(ObjectClass::TableRecord);
        if (record == kNoSlot) return false;
        if (nameless) {
            // Its BLOCK names it (the entities in the block point at it).
            namelessBlockRecords_.push_back(record);
            continue;
        }
        if (!db_->addRecord(table, record)) {
            // As the host does, a second record of the same name is skipped.
            note(line, Kind::lost("record twice"),
                 shown(name) + " " + shown(recordName) + " is defined twice: the second was left out");
            db_->purge(record);
        }
    }
    if (is("TABLE") || is("ENDSEC")) {
        // As other readers do, the next table or the end of the section
        // closes a table whose ENDTAB is missing.
        note(rec_->line, Kind::changed("table without end"),
             "table " + shown(name) + " has no ENDTAB: it ends before this " + shown(rec_->type));
        return true;
    }
    return is("ENDTAB") || unexpected("table " + shown(name));
}

Slot DxfReader::blockRecordFor(const Record& begin)
{
    std::string_view name = textOf(begin.groups, 2);
    Slot byOwner = begin.hasOwner ? db_->slotOf(begin.owner) : kNoSlot;
    db::Object* owner = db_->object(byOwner);
    auto nameless = std::find(namelessBlockRecords_.begin(), namelessBlockRecords_.end(), byOwner);
    if (owner && nameless != namelessBlockRecords_.end() && !name.empty() &&
        db_->findRecord(db::Table::BlockRecord, name) == kNoSlot) {
        // A block record without a name takes its block's, in place of a
        // blank one (a record of two names would read back as such).
        Group* blank = db::findGroup(*owner, kNameCode, 0, db::xdataBegin(*owner));
        const Group was = blank ? *blank : Group::text(kNameCode, "");
        // Readers look for the name after the record's markers, which
        // follow its 102 groups.
        size_t at = 0;
        for (size_t i = 0; i < db::xdataBegin(*owner); ++i)
            if (owner->groups[i].code() == kMarkerCode) at = i + 1;
        if (blank)
            *blank = Group::text(kNameCode, name);
        else
            owner->groups.insert(owner->groups.begin() + static_cast<std::ptrdiff_t>(at), Group::text(kNameCode, name));
        if (db_->addRecord(db::Table::BlockRecord, byOwner)) {
            namelessBlockRecords_.erase(nameless);
            note(begin.line, Kind::changed("block record named"),
                 "the block record of BLOCK " + shown(name) + " had no name: given the block's");
            return byOwner;
        }
        if (blank)
            *blank = was;
        else
            owner->groups.erase(owner->groups.begin() + static_cast<std::ptrdiff_t>(at));
    }
    Slot byName = db_->findRecord(db::Table::BlockRecord, name);
    // A block is its name's: a writer may copy one handle (model space's
    // record) into every owner.  A name that names no record, or a block
    // read already while the owner's is not (a second BLOCK of one name),
    // gives way to the owner's.
    auto read = [this](Slot record) {
        const db::Block* block = db_->block(record);
        return block && block->begin != kNoSlot;
    };
    if (owner && owner->isType("BLOCK_RECORD") && nameless == namelessBlockRecords_.end() &&
        (byName == kNoSlot || byName == byOwner || (read(byName) && !read(byOwner))))
        return byOwner;
    if (byName != kNoSlot) {
        if (begin.hasOwner)
            note(begin.line, Kind::changed("block owner"),
                 "BLOCK " + shown(name) + " had a wrong owner: set to its block record");
        return byName;
    }
    return addBlockRecord(*db_, name);
}

// An entity of a type the format knows, or one that says it is an entity
// (a custom type of a later version).
bool isEntityRecord(const Record& record)
{
    // The marker leads an entity's groups from R2000 on: cheaper to look for
    // than the type's name.
    return hasEntityMarker(record.groups) || isDxfEntityType(record.type);
}

// Table records, the objects of the OBJECTS section and a block's BLOCK
// and ENDBLK (among the entities, where a block cannot begin) are no
// entities: written into a block, they would make the file unreadable or
// define a block twice.
bool isNoEntity(std::string_view type)
{
    db::Table table;
    bool notEntity = db::tableByName(type, table);
    for (std::string_view other : {"TABLE", "ENDTAB", "CLASS", "DICTIONARY", "ACDBDICTIONARYWDFLT", "ACDBPLACEHOLDER",
                                   "XRECORD", "LAYOUT", "PLOTSETTINGS", "DICTIONARYVAR", "GROUP", "MLINESTYLE", "BLOCK",
                                   "ENDBLK"})
        notEntity |= sameLetters(type, other);
    return notEntity;
}

bool DxfReader::leftOutOfBlock()
{
    if (!isNoEntity(rec_->type)) {
        if (!isEntityRecord(*rec_))
            return leaveOut(Kind::lost("no entity"), "a " + shown(rec_->type) +
                                                         " among the entities was left out: it is of no entity type "
                                                         "and has no AcDbEntity marker");
        // Nothing can be drawn for an insert of no block (its type in any
        // letters: it is kept in capitals).
        if (!sameLetters(rec_->type, "INSERT") || !trimBlanks(textOf(rec_->groups, 2)).empty()) return false;
        return leaveOut(Kind::lost("insert without block"), "an INSERT without a block name was left out");
    }
    return leaveOut(Kind::lost("no entity"),
                    "a " + shown(rec_->type) + " among the entities was left out: it is no entity");
}

// Table records and the brackets of tables and blocks are no objects: the
// OBJECTS section would hold a second copy of them.
bool DxfReader::leftOutOfObjects()
{
    db::Table table;
    bool notObject = db::tableByName(rec_->type, table);
    for (std::string_view type : {"TABLE", "ENDTAB", "BLOCK", "ENDBLK"}) notObject |= sameLetters(rec_->type, type);
    if (!notObject) return false;
    return leaveOut(Kind::lost("no object"),
                    "a " + shown(rec_->type) + " among the objects was left out: it is no object");
}

bool DxfReader::readBlocks()
{
    while (nextRecord() && is("BLOCK")) {
        if (!readBlock()) return false;
    }
    return endOfSection("the BLOCKS section");
}

// A BLOCK's name is in groups 2 and 3; missing ones are added (a BLOCK
// with only its 3 would be written without the name that readers go by).
void setBlockName(GroupList& groups, const std::string& name)
{
    bool named = false, described = false;
    for (Group& g : groups) {
        if (g.code() != 2 && g.code() != 3) continue;
        g = Group::text(g.code(), name);
        (g.code() == 2 ? named : described) = true;
    }
    size_t at = 0;
    while (at < groups.size() && groups[at].code() != 1001 && groups[at].code() != 3) ++at;
    if (!named) groups.insert(groups.begin() + static_cast<std::ptrdiff_t>(at++), Group::text(2, name));
    if (!described) groups.insert(groups.begin() + static_cast<std::ptrdiff_t>(at), Group::text(3, name));
}

// R12 files name the spaces $MODEL_SPACE and $PAPER_SPACE.
void renameR12Space(GroupList& groups)
{
    for (Group& g : groups) {
        if (g.code() != 2 && g.code() != 3) continue;
        if (db::equalNoCase(g.asText(), "$MODEL_SPACE")) g = Group::text(g.code(), "*Model_Space");
        if (db::equalNoCase(g.asText(), "$PAPER_SPACE")) g = Group::text(g.code(), "*Paper_Space");
    }
}

bool DxfReader::readBlock()
{
    dropSecondNames(rec_->groups, rec_->line);
    const db::Object* owner = rec_->hasOwner ? db_->object(db_->slotOf(rec_->owner)) : nullptr;
    // R12's names of the spaces, but for a block whose record has that
    // name: the block is named as its record is.
    bool namedAsRecord = owner && owner->isType("BLOCK_RECORD") &&
                         db::equalNoCase(db::groupText(*owner, 2), textOf(rec_->groups, 2));
    if (!namedAsRecord) renameR12Space(rec_->groups);
    std::string name(textOf(rec_->groups, 2));
    // A block without a name takes its record's, when that has one.
    bool recordNamed = owner && owner->isType("BLOCK_RECORD") && !trimBlanks(db::groupText(*owner, 2)).empty();
    if (trimBlanks(name).empty() && !recordNamed) {
        // Nothing can insert a block without a name: it becomes an
        // anonymous one (left out at saving unless something names it).
        std::string made = db_->nextAnonymousName('U');
        note(rec_->line, Kind::changed("block without name"), "a BLOCK without a name was named " + made);
        setBlockName(rec_->groups, made);
        name = made;
    }
    Slot record = blockRecordFor(*rec_);
    if (record == kNoSlot) return fail(rec_->line, cannotAdd(*db_, "a block record for BLOCK " + shown(name)));
    // The block is its record's (the entities in it point there): it takes
    // the record's name, which inserts name.
    std::string recordName(db::groupText(*db_->object(record), 2));
    if (!db::equalNoCase(recordName, name)) {
        note(rec_->line, Kind::changed("block named as its record"),
             "BLOCK " + shown(name) + " belongs to the block record " + shown(recordName) + ": named so");
        setBlockName(rec_->groups, recordName);
    }
    Slot begin = store(ObjectClass::BlockBegin);
    if (begin == kNoSlot) return false;
    if (!db_->block(record)) db_->addBlock(record);
    Slot lastMain = kNoSlot;
    while (nextRecord() && !is("ENDBLK") && !is("BLOCK") && !is("ENDSEC") && !is("EOF")) {
        if (leftOutAsNoTypeName() || leftOutWithOwner() || leftOutOfBlock()) continue;
        Slot entity = store(ObjectClass::Entity);
        if (entity == kNoSlot || !placeEntity(entity, record, lastMain)) return false;
    }
    if (!is("ENDBLK")) return unexpected("block " + shown(name));
    Slot end = store(ObjectClass::BlockEnd);
    if (end == kNoSlot) return false;
    db_->setBlockObjects(record, begin, end);
    return true;
}

// Appends an entity to its block.  Entities that belong to the entity
// before them (VERTEX, ATTRIB, SEQEND) follow it in the list and keep it as
// their owner; no other entity owns an entity.
bool DxfReader::placeEntity(Slot entity, Slot block, Slot& lastMain)
{
    db::Object* object = db_->object(entity);
    const db::Object* main = db_->object(lastMain);
    // Vertices, attributes and their end belong to the polyline or insert
    // before them: R12 files give them no owner, and some writers (ezdxf)
    // give the block as their owner.  Standing anywhere else, they would
    // be lost.
    if (main && db::isSubEntity(*object) && db::mayOwnSubEntities(*main)) {
        db::Handle named = object->ownerGroup ? object->owner : 0;
        if (named != 0 && named != main->handle && named != db_->object(block)->handle)
            note(lines_[entity], Kind::changed("sub-entity owner"),
                 shown(object->typeName()) + " " + db::handleText(object->handle) + " had owner " +
                     db::handleText(named) + ", but follows " + shown(main->typeName()) + " " +
                     db::handleText(main->handle) + ": set to it");
        object->owner = main->handle;
        object->ownerGroup = true;
    }
    db::Handle fileOwner = object->owner;
    bool hadOwner = object->ownerGroup && fileOwner != 0;
    bool subEntity = hadOwner && main && main->handle == fileOwner && db::isSubEntity(*object);
    // A run stays in the block of its insert or polyline, whatever space
    // its sub-entities' group 67 names: apart, they would be written away
    // from it.
    if (subEntity && db_->ownerBlock(lastMain) != kNoSlot) block = db_->ownerBlock(lastMain);
    db_->appendEntity(block, entity);
    if (subEntity) {
        object->owner = fileOwner;
        return true;
    }
    lastMain = entity;
    if (!hadOwner || fileOwner == object->owner || !keeps(ownerNotes_, kEntityOwnerSet)) return true;
    // Small writers copy model space's handle from a template and write no
    // tables: the entity stays in the block it is read in.
    bool exists = db_->slotOf(fileOwner) != kNoSlot;
    note(lines_[entity], kEntityOwnerSet,
         shown(object->typeName()) + " " + db::handleText(object->handle) + " had owner " +
             db::handleText(fileOwner) + (exists ? ", which is not its block" : ", which does not exist") +
             ": set to the block");
    return true;
}

bool DxfReader::readEntities()
{
    std::string error;
    if (!ensureSpaces(*db_, error)) return fail(rec_->line, error);
    Slot lastMain = kNoSlot;
    while (nextRecord() && !is("ENDSEC") && !is("SECTION") && !is("EOF")) {
        if (leftOutAsNoTypeName() || leftOutWithOwner() || leftOutOfBlock()) continue;
        bool paper = false;
        for (const Group& g : rec_->groups)
            if (g.code() == 67) paper = g.asInt() == 1;
        Slot entity = store(ObjectClass::Entity);
        if (entity == kNoSlot) return false;
        const db::Object* object = db_->object(entity);
        Slot space = paper ? db_->paperSpace() : db_->modelSpace();
        Slot owner = db_->slotOf(object->owner);
        if (object->ownerGroup && (owner == db_->modelSpace() || owner == db_->paperSpace())) space = owner;
        if (!placeEntity(entity, space, lastMain)) return false;
    }
    return endOfSection("the ENTITIES section");
}

bool DxfReader::readObjects()
{
    bool first = true;
    Slot firstObject = kNoSlot;
    // The root dictionary is the first dictionary; failing that, the first
    // later one without an owner (takeRoot).
    Slot firstDictionary = kNoSlot, firstWithoutOwner = kNoSlot;
    Slot lastMain = kNoSlot;
    while (nextRecord() && !is("ENDSEC") && !is("SECTION") && !is("EOF")) {
        if (leftOutAsNoTypeName() || leftOutWithOwner() || leftOutOfObjects()) continue;
        // An entity among the objects (its owner a block record) goes back
        // into its block, where the owner says it is.
        // Objects (a block record's extension dictionary) stay objects.
        Slot block = rec_->hasOwner ? db_->slotOf(rec_->owner) : kNoSlot;
        if (db_->block(block) && db_->object(block)->isType("BLOCK_RECORD") && !isNoEntity(rec_->type) &&
            isEntityRecord(*rec_)) {
            // It is checked as the block's own entities are.
            if (leftOutOfBlock()) continue;
            note(rec_->line, Kind::changed("entity among the objects"),
                 "a " + shown(rec_->type) + " among the objects was moved into its block " +
                     shown(db::groupText(*db_->object(block), 2)));
            Slot entity = store(ObjectClass::Entity);
            if (entity == kNoSlot || !placeEntity(entity, block, lastMain)) return false;
            continue;
        }
        // Its type in any letters: it is kept in capitals.
        const bool dictionary = sameLetters(rec_->type, "DICTIONARY");
        const bool ownerless = rec_->owner == 0;
        Slot object = store(ObjectClass::NonGraphical);
        if (object == kNoSlot) return false;
        if (dictionary && firstDictionary == kNoSlot)
            firstDictionary = object;
        else if (dictionary && ownerless && firstWithoutOwner == kNoSlot)
            firstWithoutOwner = object;
        if (first) firstObject = object;
        first = false;
    }
    if (!endOfSection("the OBJECTS section")) return false;
    if (db_->namedObjectDictionary() == kNoSlot) takeRoot(firstObject, firstDictionary, firstWithoutOwner);
    return true;
}

// The first dictionary is the root unless its owner is a dictionary: a
// writer copied a handle into its 330 (one that names nothing, an entity,
// the block record of a space, its own).  Taken for a dictionary of its
// own, it and all it holds (the layouts, the groups) would be lost for a
// new root.  (A record's extension dictionary, which the record names, is
// the record's.)  A later dictionary without an owner is the root only
// where the first is another's; else it is an entry of the dictionary that
// names it, as objects without an owner are (adoptOrphans).
void DxfReader::takeRoot(Slot firstObject, Slot firstDictionary, Slot firstWithoutOwner)
{
    db::Object* object = db_->object(firstDictionary);
    if (!object) return;
    const db::Object* owner = object->owner != 0 ? db_->object(db_->slotOf(object->owner)) : nullptr;
    const bool owned = owner && owner != object &&
                       (owner->isType("DICTIONARY") || owner->isType("ACDBDICTIONARYWDFLT") ||
                        namesAsOwned(*owner, object->handle));
    Slot root = owned ? firstWithoutOwner : firstDictionary;
    if (root == kNoSlot) return;
    const uint32_t line = root < lines_.size() ? lines_[root] : 0;
    if (root != firstObject)
        note(line, Kind::changed("root dictionary moved"),
             "the root dictionary was not the first object: moved to the front");
    if (root == firstDictionary && object->owner != 0) {
        std::string named = owner == object ? "itself as its owner"
                            : owner ? shown(owner->typeName()) + " " + db::handleText(object->owner) +
                                          " as its owner, which is no dictionary"
                                    : db::handleText(object->owner) + " as its owner, which does not exist";
        note(line, Kind::changed("root dictionary owner"),
             "the root dictionary " + db::handleText(object->handle) + " named " + named + ": set to none");
        object->owner = 0;
    }
    db_->setNamedObjectDictionary(root);
}

bool DxfReader::skipSection(std::string_view name)
{
    std::string section(name);
    uint32_t line = rec_->line;
    while (nextRecord() && !is("ENDSEC") && !is("SECTION") && !is("EOF")) {
    }
    if (!failed_ && is("ENDSEC")) {
        note(line, Kind::lost("section"), "section " + shown(section) + " is not kept by the host and was left out");
        return true;
    }
    return unexpected("the " + shown(section) + " section");
}

// Objects without an owner group (dxflib writes none) belong to the record
// that names them by an owner pointer, as the host's audit has it: the
// dictionary of an entry, the entity or table record of an extension
// dictionary, the viewport of a sun.
void DxfReader::adoptOrphans()
{
    std::vector<Slot> orphans;
    Slot root = db_->namedObjectDictionary();
    for (Slot slot = 0; slot < db_->slotCount(); ++slot) {
        const db::Object* object = db_->object(slot);
        if (object && object->cls == ObjectClass::NonGraphical && object->owner == 0 && slot != root)
            orphans.push_back(slot);
    }
    if (orphans.empty()) return;
    // Dictionaries first: a record that names an object a dictionary holds
    // too (a block that is not saved) does not take it from there.
    size_t byDictionary = 0, byRecord = 0;
    for (bool dictionaries : {true, false}) {
        for (Slot slot = 0; slot < db_->slotCount(); ++slot) {
            const db::Object* holder = db_->object(slot);
            if (!holder || (holder->isType("DICTIONARY") || holder->isType("ACDBDICTIONARYWDFLT")) != dictionaries)
                continue;
            const size_t end = db::xdataBegin(*holder);
            for (size_t i = 0; i < end; ++i) {
                const Group& g = holder->groups[i];
                if (!ownsByCode(g.code()) || g.kind() != db::ValueKind::Handle) continue;
                const Slot named = db_->slotOf(g.asHandle());
                db::Object* entry = db_->object(named);
                if (entry && entry->owner == 0 && entry != holder &&
                    std::binary_search(orphans.begin(), orphans.end(), named)) {
                    entry->owner = holder->handle;
                    ++(dictionaries ? byDictionary : byRecord);
                }
            }
        }
    }
    if (byDictionary > 0)
        note(0, Kind::changed("objects adopted"),
             std::to_string(byDictionary) + " objects without an owner were given the dictionary that names them");
    if (byRecord > 0)
        note(0, Kind::changed("objects adopted"),
             std::to_string(byRecord) + " objects without an owner were given the record that names them");
    if (byDictionary + byRecord < orphans.size())
        note(0, Kind::lost("objects not saved"),
             std::to_string(orphans.size() - byDictionary - byRecord) +
                 " objects without an owner are named by no dictionary: they are not saved");
}

// An object that names a dictionary as its owner while the dictionary
// names some object that does not exist: one side's handle changed (a
// duplicate handle made anew, a damaged line).  The object takes the first
// such entry, so that the dictionary holds it again.
void DxfReader::relinkDictionaryEntries()
{
    auto isDictionary = [](const db::Object* o) {
        return o && (o->isType("DICTIONARY") || o->isType("ACDBDICTIONARYWDFLT"));
    };
    std::unordered_set<db::Handle> named;
    bool dangling = false;
    for (Slot slot = 0; slot < db_->slotCount(); ++slot) {
        const db::Object* dictionary = db_->object(slot);
        if (!isDictionary(dictionary)) continue;
        for (const Group& g : dictionary->groups) {
            if ((g.code() != 350 && g.code() != 360) || g.kind() != db::ValueKind::Handle) continue;
            named.insert(g.asHandle());
            dangling |= db_->slotOf(g.asHandle()) == kNoSlot;
        }
    }
    if (!dangling) return;
    for (Slot slot = 0; slot < db_->slotCount(); ++slot) {
        const db::Object* object = db_->object(slot);
        if (!object || object->cls != ObjectClass::NonGraphical || named.count(object->handle)) continue;
        db::Object* dictionary = db_->object(db_->slotOf(object->owner));
        if (!isDictionary(dictionary)) continue;
        for (Group& g : dictionary->groups) {
            if ((g.code() != 350 && g.code() != 360) || g.kind() != db::ValueKind::Handle ||
                db_->slotOf(g.asHandle()) != kNoSlot)
                continue;
            note(lines_[slot], Kind::changed("dictionary entry relinked"),
                 shown(dictionary->typeName()) + " " + db::handleText(dictionary->handle) +
                     " named the missing object " + db::handleText(g.asHandle()) + ": set to " +
                     shown(object->typeName()) + " " + db::handleText(object->handle) + ", which it owns");
            db::Handle missing = g.asHandle();
            g = Group::handle(g.code(), object->handle);
            // A dictionary with a default names it again in 340.
            for (Group& other : dictionary->groups)
                if (other.code() == 340 && other.kind() == db::ValueKind::Handle && other.asHandle() == missing)
                    other = Group::handle(340, object->handle);
            named.insert(object->handle);
            break;
        }
    }
}

// Entities take the block they are read in and table records their table
// as they are placed, objects the dictionary that names them
// (owner_links); a table head, which DXF gives no owner, drops one that
// names nothing, as its records are set to it without a word.
void DxfReader::dropMissingHeadOwners()
{
    for (size_t t = 0; t < db::kTableCount; ++t) {
        db::Object* head = db_->object(db_->tableHead(static_cast<db::Table>(t)));
        if (head && head->owner != 0 && db_->slotOf(head->owner) == kNoSlot) head->owner = 0;
    }
}

// An XDATA handle that names a record of the file which a repair left out
// names nothing once read: set to null, as the host's audit would make it.
// Any other XDATA handle text (one of no record of the file, or no handle
// at all) is an application's data, kept as read.  Only a read that
// repaired something can have left a record out; the file's own handles
// are looked up only when some XDATA handle names no object.
void DxfReader::nullLinksToDropped()
{
    if (report_.repairs.empty() && report_.countedOnly.empty()) return;
    std::vector<std::pair<Slot, size_t>> unnamed;
    for (Slot slot = 0; slot < db_->slotCount(); ++slot) {
        const db::Object* object = db_->object(slot);
        if (object == nullptr) continue;
        // Group 1005 is XDATA alone.
        for (size_t i = 0; i < object->groups.size(); ++i) {
            const Group& g = object->groups[i];
            db::Handle handle = 0;
            if (g.code() == kXdataHandleCode && g.kind() == db::ValueKind::Text &&
                db::parseHandle(g.asText(), handle) && handle != 0 && db_->slotOf(handle) == kNoSlot)
                unnamed.emplace_back(slot, i);
        }
    }
    if (unnamed.empty()) return;
    std::unordered_set<db::Handle> given;
    Tokenizer tokenizer(source_, "");
    tokenizer.passNamesInHandles();
    Token token;
    int previous = -1;
    while (tokenizer.next(token)) {
        if (token.code == 0) tokenizer.readCountsWide(db::equalNoCase(token.text, "TABLE"));
        if ((token.code == 5 || token.code == 105) && token.kind == ValueKind::Handle && previous != kVariableNameCode)
            given.insert(static_cast<db::Handle>(token.integer));
        previous = token.code;
    }
    for (auto [slot, i] : unnamed) {
        db::Object& object = *db_->object(slot);
        db::Handle handle = 0;
        db::parseHandle(object.groups[i].asText(), handle);
        if (!given.count(handle)) continue;
        note(slot < lines_.size() ? lines_[slot] : 0, Kind::changed("XDATA handle of a record left out"),
             shown(object.typeName()) + " " + db::handleText(object.handle) + ": its XDATA named " +
                 db::handleText(handle) + ", a record left out: set to null");
        object.groups[i] = Group::text(kXdataHandleCode, "0");
    }
}

void DxfReader::finishHandseed()
{
    // A seed at the top has nothing above it to be raised to: with a handle
    // FFFFFFFFFFFFFFFF it is what the host saves itself.
    if (fileHandseed_ == 0 || fileHandseed_ > highestFileHandle_ || fileHandseed_ == UINT64_MAX) return;
    db::Handle seed = db_->handseed();
    note(0, Kind::changed("handle seed raised"),
         "$HANDSEED " + db::handleText(fileHandseed_) + " was not above every handle: raised to " +
             (seed != 0 ? db::handleText(seed)
                        : db::handleText(UINT64_MAX) + ", the top: the drawing can take no new object"));
}


void DxfReader::reserveFileHandles()
{
    if (handlesReserved_) return;
    handlesReserved_ = true;
    Tokenizer tokenizer(source_, "");
    tokenizer.passNamesInHandles();
    Token token;
    db::Handle highest = 0;
    std::vector<std::string_view> links;
    while (tokenizer.next(token)) {
        if (token.code == 0) tokenizer.readCountsWide(db::equalNoCase(token.text, "TABLE"));
        if ((token.code == 5 || token.code == 105) && token.kind == ValueKind::Handle)
            highest = std::max(highest, static_cast<db::Handle>(token.integer));
        // A record further on may link to the number a new handle would take.
        if (token.code == kXdataHandleCode) links.push_back(token.text);
    }
    db_->raiseHandseed(highest + 1);
    for (std::string_view link : links) db_->reserveLink(link);
}

void DxfReader::noteReadAsR12(std::string_view version, uint32_t line)
{
    note(line, Kind::changed("read as R12"),
         "the drawing's version " + shown(version) + " is older than R12 (AC1009): it was read as R12");
}

// The first line end decides: a CR not followed by LF.
bool endsLinesInCrAlone(std::string_view text)
{
    size_t end = text.find_first_of("\r\n");
    return end != std::string_view::npos && text[end] == '\r' && (end + 1 == text.size() || text[end + 1] != '\n');
}

std::unique_ptr<Database> readText(std::string_view text, std::string_view fileName, ReadReport& report,
                                   MappedFile* mapping)
{
    if (isBinaryDxf(text)) {
        std::string translated, error;
        if (!binaryToText(text, translated, error)) {
            report.error = Diagnostic{std::string(fileName), 0, error};
            return nullptr;
        }
        return readText(translated, fileName, report, nullptr);
    }
    // Old Mac files end their lines in CR alone: read as LF, line for line.
    std::string lineFeeds;
    if (endsLinesInCrAlone(text)) {
        lineFeeds.assign(text);
        for (size_t i = 0; i < lineFeeds.size(); ++i)
            if (lineFeeds[i] == '\r' && (i + 1 == lineFeeds.size() || lineFeeds[i + 1] != '\n')) lineFeeds[i] = '\n';
        return readText(lineFeeds, fileName, report, nullptr);
    }
    FileVersion version = peekVersion(text);
    const std::string fileVersion = version.acadver;
    const bool beforeR12 = isBeforeR12(fileVersion);
    if (beforeR12) version.acadver = kR12Version;
    std::unique_ptr<Database> db;
    {
        RecordStream stream(text, fileName, encodingOf(version), mapping);
        DxfReader reader(stream, text, fileName, report);
        if (beforeR12) reader.noteReadAsR12(fileVersion, version.acadverLine);
        // R12 files may give handles to some objects and none to others
        // (table heads): the new ones must not take a handle met later.
        if (version.acadver < "AC1015") reader.reserveFileHandles();
        db = reader.read();
    }
    // The records of the read are gone: give their memory back for the
    // drawing's life.
    ::malloc_trim(0);
    return db;
}

} // namespace

std::unique_ptr<Database> readDxfText(std::string_view text, std::string_view fileName, ReadReport& report)
{
    return readText(text, fileName, report, nullptr);
}

std::unique_ptr<Database> readDxfFile(const std::string& path, ReadReport& report)
{
    MappedFile file;
    std::string error;
    if (!file.open(path, error)) {
        report.error = Diagnostic{path, 0, error};
        return nullptr;
    }
    return readText(file.text(), path, report, &file);
}

} // namespace host::dxf
