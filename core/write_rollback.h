// Taking back the writes of a command that lays several elements when the
// drawing refuses one of them: the entities it made are erased and those
// it erased or rewrote are brought back as they were, so that the drawing
// is left as it was before the command.  A part of a command is taken back
// the same way (what ldim drew for an element that "Select" leaves before
// it is written).
//
// An entity is recorded once, the first time the command comes to it; an
// erased one stays in the drawing and comes back by its name, so only the
// data of an entity about to be rewritten is kept, packed, just before the
// write.  What the command made is never brought back.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <unordered_map>
#include <utility>
#include <vector>

#include "ads_types.h"
#include "core/packed_groups.h"

class AcDbDatabase;
class LObject;

class WriteRollback {
public:
    WriteRollback() = default;
    WriteRollback(const WriteRollback&) = delete;
    WriteRollback& operator=(const WriteRollback&) = delete;
    ~WriteRollback();

    // Marks the end of model space: every entity after the mark was made
    // by the command (labels, leaders, texts and dimensions it makes on
    // the way), and Undo erases it.  The layouts' entities are never
    // counted.
    void MarkModelSpaceEnd();
    // The element as the command first comes to it: its insert and the
    // entities it owns now (labels with their leaders, marks, dimensions),
    // which the command may erase or rewrite.  Any it owns later were made
    // by the command.
    void Touch(const LObject* e);
    // Keeps, before the command rewrites the element, the data of its
    // insert and of the entities it owned when first touched.
    void KeepElement(const LObject* e);
    // Keeps the entity's data as it is now, once.
    void Keep(const ads_name entity);
    // An entity the command made.
    void Made(const ads_name entity);
    // Erases what was made, brings back what was erased and writes back
    // what was kept.
    void Undo();

private:
    struct Name {
        long a = 0, b = 0;
        bool operator==(const Name& o) const { return a == o.a && b == o.b; }
    };
    struct NameHash {
        size_t operator()(const Name& n) const {
            return std::hash<long>()(n.a) * 31u + std::hash<long>()(n.b);
        }
    };
    enum Flags : uint8_t {
        kMade = 1,        // made by the command: erased, never brought back
        kOwnersSeen = 2,  // an element insert whose owned entities are recorded
        kDataKept = 4,    // its data is kept: packed, or in lists_
    };
    // A hundred thousand of them in a numbering run: kept small.
    struct Record {
        Name name;
        const uint8_t* packed = nullptr;  // in store_; its -1 group left out
        uint32_t size = 0;
        uint8_t flags = 0;
        uint8_t owned = 0;  // 1: an element that owned entities when first touched
    };
    // The entity's record, made (as an entity that was there) when it has
    // none yet.
    Record& RecordOf(const ads_name entity);
    Record* Find(const ads_name entity);
    // Records, the first time, the live entities the element owns.
    void SeeOwned(Record& element, const LObject* e);
    // Keeps the data (taken over) in the record.
    void Store(Record& r, resbuf* data);
    void KeepData(Record& r);
    // Every entity of model space after the mark, erased ones too.
    std::vector<Name> MadeAfterMark() const;

    // Grows without moving: a record stays where it is.
    std::deque<Record> records_;
    // Every entity recorded: a command comes to thousands.
    std::unordered_map<Name, uint32_t, NameHash> index_;
    PackedStore store_;
    // The data the store cannot pack, as lists.
    std::vector<std::pair<Name, resbuf*>> lists_;
    bool marked_ = false;
    AcDbDatabase* database_ = nullptr;  // of the mark
    Name mark_;  // the last entity of model space, erased or not; none when it had none
};

// Writes the element (LObject::Insert with flags) as one write of a
// command: its data and that of its labels and marks are kept first, or,
// when it is new, its insert is recorded as made.  A refusal is reported,
// every write of the command so far is taken back, and false is returned.
bool WriteElement(LObject* e, uint16_t flags, WriteRollback& undo);
