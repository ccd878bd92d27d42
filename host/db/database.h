// The drawing database: every object of a drawing by slot and by handle,
// the symbol tables with a case-insensitive name index, block definitions
// with their entity lists, model and paper space, the named-object
// dictionary, the header variables and the CLASSES records.
//
// Look-ups by slot (entity names) and by handle are constant time.  Object
// records never move (they live in fixed chunks), so an Object* stays valid
// until the database is destroyed; a purged object's slot stays empty for good.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "db/entity_positions.h"
#include "db/name_index.h"
#include "db/object.h"

class AcDbDatabase;

namespace host::db {

// Symbol tables in the order a file writes them.
enum class Table : uint8_t { Vport, Ltype, Layer, Style, View, Ucs, Appid, Dimstyle, BlockRecord, Count };
inline constexpr size_t kTableCount = static_cast<size_t>(Table::Count);
// "VPORT", "LTYPE", ... "BLOCK_RECORD" (group 2 of the TABLE head; also the
// records' type names) and back (case-insensitive; false when unknown).
std::string_view tableName(Table table);
bool tableByName(std::string_view name, Table& table);

// A block definition: its BLOCK_RECORD, its BLOCK and ENDBLK objects and its
// entities in order.  Model and paper space are blocks too; their entities
// are what a file's ENTITIES section holds.
struct Block {
    Slot record = kNoSlot;
    Slot begin = kNoSlot;
    Slot end = kNoSlot;
    std::vector<Slot> entities;
    // Made by the first look-ups that need it (positionInBlock): a block is
    // searched from one thread at a time.
    mutable EntityPositions positions;
};

// A header variable: its name with the '$' ("$CLAYER") and its groups.
struct HeaderVariable {
    std::string name;
    GroupList groups;
};

class Database;

// What a database tells the layer above it that keeps state about its
// objects (the C and object API): an object's erase flag changed, or a
// database went away.  The database never calls that layer itself.
class DatabaseListener {
public:
    virtual void erasedChanged(Database& database, Slot slot, bool erasing) = 0;
    virtual void databaseGone(uint32_t serial) = 0;

protected:
    ~DatabaseListener() = default;
};

// The listener every database tells (null: none); returns the one it
// replaces.
DatabaseListener* setDatabaseListener(DatabaseListener* listener);

class Database {
public:
    // An empty database (no tables, no objects): what a file reader fills.
    Database();
    // A new drawing as the host's template makes it: layers "0" and
    // "DEFPOINTS"; linetypes BYBLOCK, BYLAYER, CONTINUOUS; text and dimension
    // style "STANDARD"; application "ACAD"; the *Active viewport; model and
    // paper space with their layouts; the named-object dictionary with
    // ACAD_GROUP, ACAD_LAYOUT and ACAD_PLOTSTYLENAME; the header variables
    // and CLASSES records of a new drawing.
    static std::unique_ptr<Database> createDefault();
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Nonzero number of this database for the session, never reused; entity
    // names carry it so that a name of another drawing is refused.
    uint32_t serial() const { return serial_; }
    // The live database of a serial; null when none.
    static Database* bySerial(uint32_t serial);
    // The object-API face of this database, when it has one.
    AcDbDatabase* facade() const { return facade_; }
    void setFacade(AcDbDatabase* facade) { facade_ = facade; }

    // ---- objects
    // The object in a slot; null for a slot out of range or purged.
    Object* object(Slot slot) { return slot < count_ && at(slot).handle != 0 ? &at(slot) : nullptr; }
    const Object* object(Slot slot) const { return slot < count_ && at(slot).handle != 0 ? &at(slot) : nullptr; }
    Slot slotOf(Handle handle) const;  // kNoSlot when no object has it
    size_t slotCount() const { return count_; }
    // Stores an object.  A zero handle gets the next free one; a given
    // handle must be unused (kNoSlot otherwise).  The object is not yet in
    // any table, block or dictionary: see the calls below.  kNoSlot too
    // when no handle is left: new handles are only ever above every handle
    // in use, and none is above FFFFFFFFFFFFFFFF.
    Slot add(Object&& object);
    Slot add(const Object& object) { return add(Object(object)); }
    // Purges every object stored since slotCount() was `mark`: what an
    // operation that could not finish had stored goes with it.
    void purgeSince(Slot mark);
    // The next handle add() would give; handles are never reused.  0 when
    // none is left.
    Handle handseed() const;
    void raiseHandseed(Handle atLeast);
    // A number that an XDATA handle (1005) names is never given to a new
    // object, whether an object has it or not: a link to nothing goes on
    // naming nothing.  add() keeps back the links of what it stores; a
    // change of an object's XDATA keeps back the new ones here.  Only the
    // numbers at or above the seed are remembered (none below is given), so
    // a link to FFFFFFFFFFFFFFFF costs one entry and no numbers.
    void reserveLinks(const GroupList& groups);
    void reserveLink(std::string_view text);  // the text of a 1005 group
    // The $HANDSEED a saved file gives.  Another program starts its new
    // objects there: the seed steps past the links just above it, each
    // within kLinkReach of the seed or of the link before it.  Links
    // further up stay above the seed, which keeps the numbers below them.
    // With no number left above every handle it is FFFFFFFFFFFFFFFF, the
    // top: a seed that wrapped to 0 would send the next program's objects
    // onto numbers that links and other files name.
    Handle savedHandseed() const;
    static constexpr Handle kLinkReach = Handle{1} << 20;
    // Removes an object for good (purge): its slot and handle go dead.  It
    // is taken out of its block's entity list and its table's index.
    void purge(Slot slot);
    // Purges many entities at once: each block that holds any of them has
    // its list gone through once (purge() one by one searches it each time).
    void purge(const std::vector<Slot>& slots);
    // Sets or clears the erase flag; tells the object's reactors when it
    // changes (host/api does the telling).  An insert's attributes and a
    // polyline's vertices, with their SEQEND, take the flag with it.  False
    // when the slot is dead or the flag already had that value.
    bool setErased(Slot slot, bool erased);

    // ---- symbol tables
    Slot tableHead(Table table) const { return heads_[static_cast<size_t>(table)]; }
    void setTableHead(Table table, Slot head);
    const std::vector<Slot>& records(Table table) const { return records_[static_cast<size_t>(table)]; }
    // The record of that name (case-insensitive), erased ones included;
    // kNoSlot when none.
    Slot findRecord(Table table, std::string_view name) const;
    // The same, with the name as the record spells it (valid until the
    // next look-up on this thread or a change of the table).
    Slot findRecord(Table table, std::string_view name, std::string_view& spelled) const;
    // Counts the changes of a table's names that can make a name found
    // before stale (renames, purges); new records do not count.
    uint64_t nameChanges(Table table) const { return namesChanged_[static_cast<size_t>(table)]; }
    // Adds a stored record (its name is its group 2) to the table, owned by
    // the table head.  False when the name is taken.
    bool addRecord(Table table, Slot record);
    // Adds a stored record that no name finds: a text style of a shape file
    // has an empty name, which several of them share.
    void addUnnamedRecord(Table table, Slot record);
    // Renames a record (changes its group 2 and the index); false when the
    // new name is taken.
    bool renameRecord(Table table, Slot record, std::string_view name);

    // ---- blocks
    // The block whose BLOCK_RECORD is in that slot; null when none.
    Block* block(Slot record);
    const Block* block(Slot record) const;
    // A block by name, e.g. "*Model_Space" (case-insensitive).
    Block* findBlock(std::string_view name);
    // Makes the block of a stored BLOCK_RECORD (after addRecord); begin and
    // end may be given later with setBlockObjects.
    Block* addBlock(Slot record);
    void setBlockObjects(Slot record, Slot begin, Slot end);
    // Appends a stored entity to a block's list and sets its owner.
    bool appendEntity(Slot record, Slot entity);
    // Stores new entities (emptied here) and appends them to a block, in
    // order.  False when the block is missing or an entity could not be
    // stored (those stored stay).
    bool addEntities(Slot record, std::vector<Object>& entities);
    Slot modelSpace() const { return modelSpace_; }  // the *Model_Space record
    Slot paperSpace() const { return paperSpace_; }
    void setSpaces(Slot modelSpaceRecord, Slot paperSpaceRecord);
    // The next number for an anonymous block name "*U<n>" not yet used.
    std::string nextAnonymousName(char letter = 'U');

    // ---- dictionaries (a DICTIONARY's body holds its 3 key / 350|360 entry pairs)
    Slot namedObjectDictionary() const { return namedObjects_; }
    void setNamedObjectDictionary(Slot dictionary) { namedObjects_ = dictionary; }
    // The entry object of a key (case-insensitive, as the host compares
    // keys); kNoSlot when absent.
    Slot dictionaryLookup(Slot dictionary, std::string_view key) const;
    // Adds key -> object (350 soft owner; 360 when hardOwner) and makes the
    // dictionary the object's owner; false when the key exists.
    bool dictionaryAdd(Slot dictionary, std::string_view key, Slot entry, bool hardOwner = false);
    // Removes the key; the object stays, unowned.  False when absent.
    bool dictionaryRemove(Slot dictionary, std::string_view key);

    // ---- header variables and classes, in file order
    std::vector<HeaderVariable>& header() { return header_; }
    const std::vector<HeaderVariable>& header() const { return header_; }
    HeaderVariable* headerVariable(std::string_view name);  // case-insensitive, with '$'
    // Sets (or adds) a variable holding one group.
    void setHeaderVariable(std::string_view name, Group value);
    // The text of a one-group text variable, "" when absent.
    std::string_view headerText(std::string_view name) const;
    // Each CLASS record's body groups (1, 2, 3, 90, 91, 280, 281 ...).
    std::vector<GroupList>& classes() { return classes_; }
    const std::vector<GroupList>& classes() const { return classes_; }

    // ---- file order of the OBJECTS section: the named-object dictionary
    // first, then every other live, owned non-graphical object in slot order.
    std::vector<Slot> objectsSectionOrder() const;

    // True when the entity lies in model or paper space (a main entity).
    bool isMainEntity(Slot entity) const;
    // The block record slot owning an entity (kNoSlot when none).
    Slot ownerBlock(Slot entity) const;

private:
    struct NameKey;
    void rememberName(Table table, std::string_view name, Slot slot, std::string_view spelled) const;
    void noteBlockName(std::string_view name);
    size_t headerIndex(std::string_view name) const;  // header_.size() when absent
    // Drops a purged object's table entry, handle and data; its block's
    // list is the caller's to mend.
    void forget(Slot slot, Object& obj);

    uint32_t serial_;
    AcDbDatabase* facade_ = nullptr;
    // Objects in chunks of kChunk: slot s is chunks_[s / kChunk][s % kChunk].
    static constexpr size_t kChunk = 4096;
    std::vector<std::unique_ptr<Object[]>> chunks_;
    size_t count_ = 0;
    Object& at(Slot slot) const { return chunks_[slot / kChunk][slot % kChunk]; }
    // A purged object keeps its slot with handle 0 (stored objects always
    // have one).
    // Handles are mostly dense (the host gives them in sequence): a vector
    // indexed by handle, and a map for the far ones a file may bring.
    std::vector<Slot> denseHandles_;
    std::unordered_map<Handle, Slot> sparseHandles_;
    bool indexHandle(Handle handle, Slot slot);
    void unindexHandle(Handle handle);
    // The handle for a new object: the seed, past the handles in use and
    // the numbers links name; 0 when none is left.
    Handle freeHandle();
    // Above every handle in use; 0 once FFFFFFFFFFFFFFFF is given or
    // passed, and then for good.
    Handle nextHandle_ = 1;
    // Numbers XDATA handles name, at or above the seed when kept (those the
    // seed has passed since go when a handle is next given).
    std::set<Handle> reservedLinks_;
    Slot heads_[kTableCount];
    std::vector<Slot> records_[kTableCount];
    NameIndex names_[kTableCount];
    // Counts renames and purges in each name map, so look-ups remembered per
    // thread (most ask for the same layer or linetype again) know when they
    // are stale.
    uint64_t namesChanged_[kTableCount] = {};
    std::unordered_map<Slot, Block> blocks_;
    Slot modelSpace_ = kNoSlot;
    Slot paperSpace_ = kNoSlot;
    Slot namedObjects_ = kNoSlot;
    uint64_t anonymousCounter_ = 0;
    std::vector<HeaderVariable> header_;
    mutable size_t lastHeader_ = 0;  // the variable found last
    std::vector<GroupList> classes_;
};

// Upper-cases ASCII letters only.
std::string upperAscii(std::string_view text);
// Upper-cases a UTF-8 name as the host compares names: ASCII, Latin-1,
// Latin Extended-A, Greek and Cyrillic letters.
std::string foldName(std::string_view text);
// Names equal without case (foldName).
bool equalNoCase(std::string_view a, std::string_view b);

} // namespace host::db
