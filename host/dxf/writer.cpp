#include "dxf/writer.h"

#include "db/finite_numbers.h"
#include "dxf/binary_dxf.h"
#include "dxf/dim_variables.h"
#include "dxf/drawing_extents.h"
#include "dxf/entity_markers.h"
#include "dxf/file_io.h"
#include "dxf/group_writer.h"
#include "dxf/leading_braces.h"
#include "dxf/parallel.h"
#include "dxf/repair.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>
#include <vector>

namespace host::dxf {

namespace {

// The largest entry count a table head holds (a signed 16-bit group).
constexpr size_t kMostTableCount = 32767;
// The text height and arrow size of the standard metric dimension style.
constexpr double kDefaultDimensionSize = 2.5;
// An XDATA handle: text, so that "0", "" and text of no handle stay as given.
constexpr int kXdataHandleCode = 1005;

using db::Database;
using db::Group;
using db::GroupList;
using db::Object;
using db::Slot;
using db::Table;
using db::kNoSlot;

void writeGroup(GroupWriter& out, const Group& g)
{
    const int code = g.code();
    switch (g.kind()) {
    case db::ValueKind::Text: out.text(code, g.asText()); break;
    case db::ValueKind::Binary: out.plain(code, g.asText()); break;
    case db::ValueKind::Real: out.real(code, g.asReal()); break;
    case db::ValueKind::Point: {
        const double* p = g.asPoint();
        if (g.pointIs2d())
            out.point2(code, p[0], p[1]);
        else
            out.point(code, p[0], p[1], p[2]);
        break;
    }
    case db::ValueKind::Handle: out.handle(code, g.asHandle()); break;
    default: out.integer(code, g.asInt()); break;
    }
}

// An INSERT's column and row counts as written: at least 1 (other readers
// draw nothing of a block inserted 0 times).  A spacing is written only
// where its count is above 1.
struct InsertGrid {
    bool isInsert = false;
    int64_t columns = 1;
    int64_t rows = 1;
};

InsertGrid insertGrid(const GroupList& groups)
{
    InsertGrid grid{true, 1, 1};
    for (const Group& g : groups) {
        if (g.code() == 70) grid.columns = std::max<int64_t>(1, g.asInt());
        if (g.code() == 71) grid.rows = std::max<int64_t>(1, g.asInt());
    }
    return grid;
}

// The drawing's own code page when it names one the writer knows: the
// texts of a drawing read from a double-byte file fit it, and the file
// says which it is.
const CodePage* drawingCodePage(const Database& db)
{
    const CodePage* page = findCodePage(db.headerText("$DWGCODEPAGE"));
    return page ? page : defaultCodePage();
}

class DxfWriter {
public:
    DxfWriter(Database& db, GroupWriter& out, DxfVersion version, std::string_view fileName,
              std::vector<Diagnostic>* notes)
        : db_(db), out_(out), version_(version), fileName_(fileName), notes_(notes)
    {
    }
    // False when the file could not be written.
    bool write();

private:
    void findLeftOutBlocks();
    void leaveOutUnlisted();
    bool written(Slot slot);
    bool writtenNow(Slot slot);
    bool isWritten(Slot slot) const { return slot < state_.size() && state_[slot] == 1; }

    void header();
    void noteLeftOut(const ModelSpaceExtents& found);
    void headerVariable(const std::string& name, const GroupList& groups);
    std::vector<db::HeaderVariable> dimensionStyleVariables() const;
    void classes();
    bool tables();
    void tableHead(Table table, const Object& head, size_t count);
    bool blocks();
    bool entities();
    bool objects();
    void object(const Object& object) { writeObject(out_, object); }
    void writeObject(GroupWriter& out, const Object& object) const;
    void dictionaryBody(GroupWriter& out, const Object& object) const;
    void reference(GroupWriter& out, const Group& g, bool inReactors) const;
    size_t leadingGroups(GroupWriter& out, const GroupList& groups) const;
    bool handleWritten(db::Handle handle) const;
    bool writeAll(const std::vector<Slot>& slots);
    void decideAll();
    void group(const Group& g) { writeGroup(out_, g); }
    void beginSection(const char* name);
    void endSection() { out_.plain(0, "ENDSEC"); }

    Database& db_;
    GroupWriter& out_;
    DxfVersion version_;
    std::string_view fileName_;
    std::vector<Diagnostic>* notes_;
    std::unordered_set<Slot> leftOutBlocks_;  // block records not written
    std::vector<int8_t> state_;               // per slot: 0 unknown, 1 written, 2 not, 3 deciding
};

// ---- what goes into the file

// A pointer group (340-349) to a block record: tables and multileaders
// name their blocks this way.
std::string_view blockNamedByHandle(const Database& db, const Object& object)
{
    for (const Group& g : object.groups) {
        if (g.code() < 340 || g.code() > 349 || g.kind() != db::ValueKind::Handle || g.asHandle() == 0) continue;
        const Object* target = db.object(db.slotOf(g.asHandle()));
        if (target && target->cls == db::ObjectClass::TableRecord && target->isType("BLOCK_RECORD"))
            return db::groupText(*target, 2);
    }
    return {};
}

// The names of the blocks that the live entities of each block use, as
// they spell them, each once: inserts and dimensions (arc and large radial
// ones too) by name, other entities by pointer.  The blocks are looked
// through side by side, a large one (model space) in pieces.
std::vector<std::vector<std::string_view>> blockNamesUsedByEach(const Database& db, const std::vector<Slot>& records)
{
    const db::TypeId byName[] = {db::internType("INSERT"), db::internType("DIMENSION"),
                                 db::internType("ARC_DIMENSION"), db::internType("LARGE_RADIAL_DIMENSION")};
    constexpr size_t kPiece = 4096;  // entities a piece
    struct Piece {
        size_t record, begin, end;
    };
    std::vector<Piece> pieces;
    for (size_t i = 0; i < records.size(); ++i)
        if (const db::Block* block = db.block(records[i]))
            for (size_t begin = 0; begin < block->entities.size(); begin += kPiece)
                pieces.push_back({i, begin, std::min(block->entities.size(), begin + kPiece)});
    std::vector<std::vector<std::string_view>> found(pieces.size());
    runInParallel(pieces.size(), workerCount(), [&](size_t k) {
        const Piece& piece = pieces[k];
        const std::vector<Slot>& entities = db.block(records[piece.record])->entities;
        std::unordered_set<std::string_view> seen;
        std::string_view last;
        for (size_t e = piece.begin; e < piece.end; ++e) {
            const Object* object = db.object(entities[e]);
            if (!object || object->erased) continue;
            bool named = std::find(std::begin(byName), std::end(byName), object->type) != std::end(byName);
            std::string_view name = named ? db::groupText(*object, 2) : blockNamedByHandle(db, *object);
            if (name.empty() || name == last) continue;
            last = name;
            if (seen.insert(name).second) found[k].push_back(name);
        }
    });
    // A block in several pieces names each block once.
    std::vector<std::vector<std::string_view>> uses(records.size());
    std::unordered_set<std::string_view> named;
    for (size_t k = 0; k < pieces.size(); ++k) {
        std::vector<std::string_view>& block = uses[pieces[k].record];
        bool first = k == 0 || pieces[k - 1].record != pieces[k].record;
        bool last = k + 1 == pieces.size() || pieces[k + 1].record != pieces[k].record;
        if (first && last) {
            block = std::move(found[k]);
            continue;
        }
        if (first) named.clear();
        for (std::string_view name : found[k])
            if (named.insert(name).second) block.push_back(name);
    }
    return uses;
}

// Anonymous blocks that nothing written refers to.  Leaving one out can
// leave those it uses without reference (nested inserts): each block's
// users are counted, and a block left out gives up its uses, so a chain
// of blocks is gone through once, not once per level.
void DxfWriter::findLeftOutBlocks()
{
    const std::vector<Slot>& records = db_.records(Table::BlockRecord);
    std::vector<std::vector<std::string_view>> uses = blockNamesUsedByEach(db_, records);
    std::unordered_map<std::string, size_t> users;                  // by upper-case name
    std::unordered_map<std::string, std::vector<size_t>> anonymous;  // records by upper-case name
    for (size_t i = 0; i < records.size(); ++i) {
        for (std::string_view name : uses[i]) ++users[db::upperAscii(name)];
        const Object* object = db_.object(records[i]);
        if (!object) continue;
        std::string name = db::upperAscii(db::groupText(*object, 2));
        if ((name.rfind("*U", 0) == 0 || name.rfind("*D", 0) == 0) && !isSpaceName(name))
            anonymous[name].push_back(i);
    }
    std::vector<size_t> unused;
    auto leaveOut = [&](const std::string& name) {
        auto found = anonymous.find(name);
        if (found == anonymous.end()) return;
        for (size_t i : found->second)
            if (leftOutBlocks_.insert(records[i]).second) unused.push_back(i);
    };
    for (const auto& [name, indices] : anonymous)
        if (users.find(name) == users.end()) leaveOut(name);
    while (!unused.empty()) {
        size_t i = unused.back();
        unused.pop_back();
        for (std::string_view name : uses[i]) {
            std::string upper = db::upperAscii(name);
            if (--users[upper] == 0) leaveOut(upper);
        }
    }
}

// The sections write table heads, records, block brackets and entities
// from the tables' and blocks' lists: one that no list holds (the brackets
// of a block defined twice, say) is not in the file, and so is nothing it
// owns, nor a pointer to it.
void DxfWriter::leaveOutUnlisted()
{
    std::vector<bool> listed(state_.size());
    auto list = [&](Slot slot) {
        if (slot < listed.size()) listed[slot] = true;
    };
    for (size_t t = 0; t < db::kTableCount; ++t) {
        list(db_.tableHead(static_cast<Table>(t)));
        for (Slot record : db_.records(static_cast<Table>(t))) list(record);
    }
    for (Slot record : db_.records(Table::BlockRecord)) {
        const db::Block* block = db_.block(record);
        if (!block) continue;
        bool space = record == db_.modelSpace() || record == db_.paperSpace();
        bool bracketed = db_.object(block->begin) && db_.object(block->end);
        if (bracketed) {
            list(block->begin);
            list(block->end);
        }
        if (bracketed || space)
            for (Slot entity : block->entities) list(entity);
    }
    for (Slot slot = 0; slot < state_.size(); ++slot) {
        const Object* object = db_.object(slot);
        if (object && object->cls != db::ObjectClass::NonGraphical && !listed[slot]) state_[slot] = 2;
    }
}

bool DxfWriter::written(Slot slot)
{
    if (slot >= state_.size()) return false;
    if (state_[slot] == 0) {
        state_[slot] = 3;  // an ownership cycle is not written
        state_[slot] = writtenNow(slot) ? 1 : 2;
    }
    return state_[slot] == 1;
}

bool DxfWriter::writtenNow(Slot slot)
{
    const Object* object = db_.object(slot);
    if (!object || object->erased) return false;
    if (slot == db_.namedObjectDictionary()) return true;
    switch (object->cls) {
    case db::ObjectClass::TableHead: return true;
    case db::ObjectClass::TableRecord: return !leftOutBlocks_.count(slot);
    default: break;
    }
    Slot owner = db_.slotOf(object->owner);
    if (owner == kNoSlot) return false;
    return written(owner);
}

// ---- sections

void DxfWriter::beginSection(const char* name)
{
    out_.plain(0, "SECTION");
    out_.plain(2, name);
}

void DxfWriter::headerVariable(const std::string& name, const GroupList& groups)
{
    out_.text(9, name);
    for (const Group& g : groups) reference(out_, g, false);
}

void DxfWriter::header()
{
    beginSection("HEADER");
    const std::string version = versionString(version_);
    headerVariable("$ACADVER", {Group::text(1, version)});
    std::unordered_set<std::string> done{"$ACADVER"};
    // The dimension settings come from the current style, where the drawing
    // keeps them; the header is only their mirror.
    std::vector<db::HeaderVariable> dimensions = dimensionStyleVariables();
    auto fromStyle = [&](const std::string& name) -> const db::HeaderVariable* {
        for (const db::HeaderVariable& v : dimensions)
            if (v.name == name) return &v;
        return nullptr;
    };

    // Extents of far-out geometry can overflow (a circle of radius 1e308 at
    // 1.7e308): such an entity is left out of them, and the note says so.
    // With nothing else, the drawing's own $EXTMIN/$EXTMAX (or the empty
    // drawing's) are written, so the file always reads back.
    ModelSpaceExtents found = modelSpaceExtents(db_, [this](Slot s) { return isWritten(s); });
    const db::Extents& extents = found.box;
    if (found.leftOut > 0) noteLeftOut(found);
    std::string layer(db_.headerText("$CLAYER"));
    if (db_.findRecord(Table::Layer, layer) == kNoSlot) layer = "0";
    std::string style(db_.headerText("$DIMSTYLE"));
    if (db_.findRecord(Table::Dimstyle, style) == kNoSlot) style = "Standard";
    auto fixed = [&](const std::string& name, GroupList& groups) {
        if (name == "$HANDSEED") groups = {Group::text(5, db::handleText(db_.savedHandseed()))};
        else if (name == "$DWGCODEPAGE") groups = {Group::text(3, codePageName(drawingCodePage(db_)))};
        else if (name == "$CLAYER") groups = {Group::text(8, layer)};
        else if (name == "$DIMSTYLE") groups = {Group::text(2, style)};
        else if (name == "$EXTMIN" && extents.valid())
            groups = {Group::point(10, extents.min.x, extents.min.y, extents.min.z)};
        else if (name == "$EXTMAX" && extents.valid())
            groups = {Group::point(10, extents.max.x, extents.max.y, extents.max.z)};
        else
            return false;
        return true;
    };
    for (const db::HeaderVariable& v : db_.header()) {
        // This reader takes a name in any letters as the same variable,
        // others look it up in capitals: it is written once, so.
        std::string name = db::foldName(v.name);
        if (!done.insert(name).second) continue;
        GroupList groups;
        if (const db::HeaderVariable* dimension = fromStyle(name))
            headerVariable(name, dimension->groups);
        else if (fixed(name, groups))
            headerVariable(name, groups);
        else
            headerVariable(name, v.groups);
    }
    for (const db::HeaderVariable& v : dimensions)
        if (done.insert(v.name).second) headerVariable(v.name, v.groups);
    // What every file the host writes holds, also when the drawing lacks it.
    for (const char* name : {"$DWGCODEPAGE", "$CLAYER", "$DIMSTYLE", "$EXTMIN", "$EXTMAX", "$HANDSEED"}) {
        if (done.count(name)) continue;
        GroupList groups;
        if (!fixed(name, groups)) {  // no extents: an empty drawing
            double far = std::string_view(name) == "$EXTMIN" ? 1e20 : -1e20;
            groups = {Group::point(10, far, far, far)};
        }
        headerVariable(name, groups);
    }
    // A damaged dimension style may lack these: its defaults then.
    for (const char* name : {"$DIMTXT", "$DIMASZ"})
        if (!done.count(name)) headerVariable(name, {Group::real(40, kDefaultDimensionSize)});
    endSection();
}

void DxfWriter::noteLeftOut(const ModelSpaceExtents& found)
{
    if (!notes_) return;
    const Object* first = db_.object(found.firstLeftOut);
    std::string named = first ? shown(first->typeName()) + " " + db::handleText(first->handle) : "an entity";
    std::string message =
        found.leftOut == 1
            ? "$EXTMIN and $EXTMAX leave out " + named + ": its numbers overflow when drawn"
            : "$EXTMIN and $EXTMAX leave out " + std::to_string(found.leftOut) +
                  " entities whose numbers overflow when drawn, the first " + named;
    notes_->emplace_back(std::string(fileName_), 0, std::move(message),
                         RepairKind::lost("entity left out of the extents"));
}

// The current dimension style's settings, as header variables, in the
// style's order.
std::vector<db::HeaderVariable> DxfWriter::dimensionStyleVariables() const
{
    std::vector<db::HeaderVariable> variables;
    Slot slot = db_.findRecord(Table::Dimstyle, db_.headerText("$DIMSTYLE"));
    if (slot == kNoSlot) slot = db_.findRecord(Table::Dimstyle, "Standard");
    const Object* style = db_.object(slot);
    if (!style) return variables;
    bool pastName = false;
    for (const Group& g : style->groups) {
        if (g.code() == 2) {
            pastName = true;
            continue;
        }
        const DimVariable* v = pastName ? dimVariableForCode(g.code()) : nullptr;
        if (!v) continue;
        if (g.kind() == db::ValueKind::Real)
            variables.push_back({v->name, {Group::real(v->headerCode, g.asReal())}});
        else if (g.kind() == db::ValueKind::Text)
            variables.push_back({v->name, {Group::text(v->headerCode, g.asText())}});
        else
            variables.push_back({v->name, {Group::integer(v->headerCode, g.asInt())}});
    }
    return variables;
}

// 0 TABLE, 2 name, 5 handle, 330 0, the AcDbSymbolTable part with the
// record count (DIMSTYLE: and AcDbDimStyleTable), then whatever else the
// head holds.  Heads read from R12 files get their markers here.
void DxfWriter::tableHead(Table table, const Object& head, size_t count)
{
    out_.plain(0, "TABLE");
    out_.text(2, db::tableName(table));
    out_.handle(5, head.handle);
    const auto& groups = head.groups;
    size_t i = leadingGroups(out_, groups);
    out_.handle(330, 0);
    out_.plain(100, "AcDbSymbolTable");
    // The count is a 16-bit field that readers take as a hint: a larger
    // table writes the most it can hold.
    const int64_t hint = static_cast<int64_t>(std::min<size_t>(count, kMostTableCount));
    out_.integer(70, hint);
    bool dimstyles = table == Table::Dimstyle;
    if (dimstyles) {
        out_.plain(100, "AcDbDimStyleTable");
        out_.integer(71, hint);
    }
    bool count70 = false, count71 = false;
    for (; i < groups.size(); ++i) {
        const Group& g = groups[i];
        bool written = g.code() == 2 || (g.code() == 100 && (g.asText() == "AcDbSymbolTable" ||
                                                            g.asText() == "AcDbDimStyleTable"));
        if (g.code() == 70 && !count70) written = count70 = true;
        if (g.code() == 71 && dimstyles && !count71) written = count71 = true;
        if (!written) reference(out_, g, false);
    }
}

void DxfWriter::classes()
{
    beginSection("CLASSES");
    for (const auto& cls : db_.classes()) {
        out_.plain(0, "CLASS");
        bool hasCount = false;
        for (const Group& g : cls) hasCount |= g.code() == 91;
        for (const Group& g : cls) {
            if (g.code() == 91 && version_ == DxfVersion::R2000) continue;  // no instance count before R2004
            group(g);
            if (g.code() == 90 && !hasCount && version_ == DxfVersion::R2007) out_.integer(91, 0);
        }
    }
    endSection();
}

bool DxfWriter::tables()
{
    beginSection("TABLES");
    for (size_t t = 0; t < db::kTableCount; ++t) {
        Table table = static_cast<Table>(t);
        const Object* head = db_.object(db_.tableHead(table));
        if (!head) continue;
        std::vector<Slot> records;
        for (Slot record : db_.records(table))
            if (isWritten(record)) records.push_back(record);
        tableHead(table, *head, records.size());
        for (Slot record : records) object(*db_.object(record));
        out_.plain(0, "ENDTAB");
        if (!out_.flushIfFull()) return false;
    }
    endSection();
    return true;
}

bool DxfWriter::blocks()
{
    beginSection("BLOCKS");
    std::vector<Slot> slots;
    for (Slot record : db_.records(Table::BlockRecord)) {
        const db::Block* block = db_.block(record);
        if (!block || !isWritten(record) || !db_.object(block->begin) || !db_.object(block->end)) continue;
        slots.push_back(block->begin);
        if (record != db_.modelSpace() && record != db_.paperSpace())
            for (Slot entity : block->entities)
                if (isWritten(entity)) slots.push_back(entity);
        slots.push_back(block->end);
    }
    if (!writeAll(slots)) return false;
    endSection();
    return true;
}

bool DxfWriter::entities()
{
    beginSection("ENTITIES");
    std::vector<Slot> slots;
    for (Slot space : {db_.modelSpace(), db_.paperSpace()})
        if (const db::Block* block = db_.block(space))
            for (Slot entity : block->entities)
                if (isWritten(entity)) slots.push_back(entity);
    if (!writeAll(slots)) return false;
    endSection();
    return true;
}

bool DxfWriter::objects()
{
    beginSection("OBJECTS");
    std::vector<Slot> slots;
    for (Slot slot : db_.objectsSectionOrder())
        if (isWritten(slot)) slots.push_back(slot);
    if (!writeAll(slots)) return false;
    endSection();
    return true;
}

// Large sections are turned into text in pieces, side by side on worker
// threads, and the pieces go out in order.  Only a few pieces wait at a
// time, so memory stays small.
bool DxfWriter::writeAll(const std::vector<Slot>& slots)
{
    constexpr size_t kPiece = 512;  // objects per piece
    unsigned threads = workerCount();
    if (threads == 1 || slots.size() < 4 * kPiece) {
        for (Slot slot : slots) {
            object(*db_.object(slot));
            if (!out_.flushIfFull()) return false;
        }
        return true;
    }
    size_t pieces = (slots.size() + kPiece - 1) / kPiece;
    return runOrdered(
        pieces, threads, 2 * threads, GroupWriter(out_.encoding()),
        [&](size_t piece, GroupWriter& buffer) {
            buffer.clear();
            size_t end = std::min(slots.size(), (piece + 1) * kPiece);
            for (size_t i = piece * kPiece; i < end; ++i) writeObject(buffer, *db_.object(slots[i]));
        },
        [&](size_t, GroupWriter& buffer) { return out_.raw(buffer.buffer()); });
}

// Decides for every object whether it goes into the file, before any
// writing (the writing threads only look).
void DxfWriter::decideAll()
{
    for (Slot slot = 0; slot < state_.size(); ++slot) written(slot);
}

// 0 type, 5 handle (105 for DIMSTYLE), the leading 102 groups, 330 owner,
// then the rest of the body and the XDATA.
void DxfWriter::writeObject(GroupWriter& out, const Object& object) const
{
    std::string_view type = object.typeName();
    out.plain(0, type);
    out.handle(type == "DIMSTYLE" ? 105 : 5, object.handle);
    // An entity that lost some of its subclass markers is written with them.
    GroupList mended;
    bool entity = object.cls == db::ObjectClass::Entity || object.cls == db::ObjectClass::BlockBegin ||
                  object.cls == db::ObjectClass::BlockEnd;
    const auto& groups =
        entity && mendEntityMarkers(type, object.groups, version_ == DxfVersion::R2007, mended) ? mended
                                                                                               : object.groups;
    size_t i = leadingGroups(out, groups);
    out.handle(330, object.owner);
    if (type == "DICTIONARY" || type == "ACDBDICTIONARYWDFLT") {
        dictionaryBody(out, object);
        return;
    }
    bool r2000Record = version_ == DxfVersion::R2000 && type == "BLOCK_RECORD";
    InsertGrid grid = type == "INSERT" ? insertGrid(groups) : InsertGrid{};
    for (; i < groups.size(); ++i) {
        int code = groups[i].code();
        // Insertion units, explodability and scalability came with R2007.
        if (r2000Record && (code == 70 || code == 280 || code == 281)) continue;
        if (grid.isInsert && code < 1000) {
            if (code == 70 || code == 71) {
                out.integer(code, code == 70 ? grid.columns : grid.rows);
                continue;
            }
            if ((code == 44 && grid.columns == 1) || (code == 45 && grid.rows == 1)) continue;
        }
        reference(out, groups[i], false);
    }
}

bool DxfWriter::handleWritten(db::Handle handle) const
{
    Slot slot = db_.slotOf(handle);
    return slot != kNoSlot && isWritten(slot);
}

// A group, where a reference to an object the file does not hold (erased,
// or never there) becomes the null handle, as the host's audit would make
// it; a reactor to such an object is left out.  An XDATA handle that names
// an object of the drawing is written as that object's handle is ("0039"
// and "3a" name 39 and 3A, which other readers compare as text), or as the
// null handle when the file leaves the object out.  Any other text ("ZZ",
// "-1", " 39", "", "ABC" of no object: data an application gave, or
// damaged) is written as the drawing keeps it, as it was read.
void DxfWriter::reference(GroupWriter& out, const Group& g, bool inReactors) const
{
    if (g.kind() == db::ValueKind::Handle && g.asHandle() != 0 && !handleWritten(g.asHandle())) {
        if (!inReactors) out.handle(g.code(), 0);
        return;
    }
    db::Handle handle = 0;
    if (g.code() == kXdataHandleCode && g.kind() == db::ValueKind::Text && db::parseHandle(g.asText(), handle) &&
        db_.slotOf(handle) != kNoSlot) {
        out.handle(kXdataHandleCode, handleWritten(handle) ? handle : 0);
        return;
    }
    writeGroup(out, g);
}

// The leading 102 groups, each brace closed (see leadingBraces); returns
// where the rest of the record begins.
size_t DxfWriter::leadingGroups(GroupWriter& out, const GroupList& groups) const
{
    const LeadingBraces lead = leadingBraces(groups);
    bool reactors = false;
    size_t close = 0;
    for (size_t i = 0; i < lead.end; ++i) {
        for (; close < lead.closes.size() && lead.closes[close] == i; ++close) out.plain(102, "}");
        if (groups[i].code() == 102) reactors = groups[i].asText() == "{ACAD_REACTORS";
        reference(out, groups[i], reactors);
    }
    for (; close < lead.closes.size(); ++close) out.plain(102, "}");
    return lead.end;
}

// Entries whose object is not written are left out with their key.
void DxfWriter::dictionaryBody(GroupWriter& out, const Object& object) const
{
    const auto& groups = object.groups;
    size_t i = leadingBraces(groups).end;  // already written
    for (; i < groups.size(); ++i) {
        const Group& g = groups[i];
        bool entry = g.code() == 3 && i + 1 < groups.size() &&
                     (groups[i + 1].code() == 350 || groups[i + 1].code() == 360);
        if (entry) {
            Slot target = db_.slotOf(groups[i + 1].asHandle());
            if (target != kNoSlot && isWritten(target)) {
                writeGroup(out, g);
                writeGroup(out, groups[i + 1]);
            }
            ++i;
            continue;
        }
        reference(out, g, false);
    }
}

bool DxfWriter::write()
{
    state_.assign(db_.slotCount(), 0);
    findLeftOutBlocks();
    leaveOutUnlisted();
    decideAll();
    header();
    classes();
    if (!out_.flushIfFull() || !tables() || !blocks() || !entities() || !objects()) return false;
    out_.plain(0, "EOF");
    return out_.flush();
}

TextEncoding encodingFor(DxfVersion version, const Database& db)
{
    return version == DxfVersion::R2000 ? TextEncoding{drawingCodePage(db)} : TextEncoding{};
}

// A drawing that cannot be made complete is not saved: the file would
// hold what others refuse or quietly change.
bool prepare(Database& db, std::string& error)
{
    std::string why;
    if (repairDrawing(db, [](const RepairKind&, const std::string&) {}, why)) return true;
    error = "the drawing cannot be saved: " + why;
    return false;
}

} // namespace

const char* versionString(DxfVersion version)
{
    return version == DxfVersion::R2000 ? "AC1015" : "AC1021";
}

bool writeDxfFile(Database& db, const std::string& path, const WriteOptions& options, std::string& error,
                  std::vector<Diagnostic>* notes)
{
    if (options.binary) {
        std::string text, binary, why;
        size_t before = notes ? notes->size() : 0;
        if (!writeDxfText(db, text, options, notes, &why)) {
            error = path + ": " + why;
            return false;
        }
        if (notes)
            for (size_t i = before; i < notes->size(); ++i) (*notes)[i].file = path;
        // A binary file cut short is never written in place of the old one.
        if (!textToBinary(text, binary, &why)) {
            error = path + ": the drawing cannot be written in binary: " + why;
            return false;
        }
        return writeFileAtomically(path, binary, error);
    }
    std::string why;
    if (!prepare(db, why)) {
        error = path + ": " + why;
        return false;
    }
    AtomicFileWriter file;
    if (!file.open(path)) {
        error = file.error();
        return false;
    }
    GroupWriter out(encodingFor(options.version, db));
    out.setFile(&file);
    if (!DxfWriter(db, out, options.version, path, notes).write() || !file.commit()) {
        error = file.error();
        return false;
    }
    return true;
}

bool writeDxfText(Database& db, std::string& text, const WriteOptions& options, std::vector<Diagnostic>* notes,
                  std::string* error)
{
    text.clear();
    std::string why;
    if (!prepare(db, why)) {
        if (error) *error = why;
        return false;
    }
    text.reserve(db.slotCount() * 256);  // about what a drawing object takes
    GroupWriter out(encodingFor(options.version, db));
    out.setSink(&text);
    DxfWriter(db, out, options.version, "", notes).write();
    return true;
}

} // namespace host::dxf
