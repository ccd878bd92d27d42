// Taking back the writes of a command that lays several elements when the
// drawing refuses one of them: the inserts it made are erased and the
// inserts it rewrote get their kept data back, so that the drawing is left
// as it was before the command.
#pragma once

#include <cstdint>
#include <set>
#include <utility>
#include <vector>

#include "ads_types.h"

class LObject;

class WriteRollback {
public:
    WriteRollback() = default;
    WriteRollback(const WriteRollback&) = delete;
    WriteRollback& operator=(const WriteRollback&) = delete;
    ~WriteRollback();

    // Keeps the entity's data as it is now (once per entity), before the
    // command rewrites it.
    void Keep(const ads_name entity);
    // Keeps the element's insert and the entities a write of it rewrites:
    // its labels with their leaders, its marks and its dimensions.
    void KeepElement(const LObject* e);
    // The entities the element owns in the drawing (labels, leaders, marks,
    // dimensions), which the command may erase: those it did erase are
    // brought back by Undo.
    void MayErase(const LObject* e);
    // An entity the command made.
    void Made(const ads_name entity);
    // Every entity made after `last` (the drawing's last entity before the
    // command made any; null when the drawing had none).
    void MadeSince(const ads_name last);
    // An entity the command erased: brought back by Undo.
    void Erased(const ads_name entity);
    // Erases what was made and writes back what was kept.
    void Undo();

private:
    struct Kept {
        ads_name entity;
        resbuf* data;
    };
    std::vector<Kept> kept_;
    std::vector<std::pair<long, long>> made_;
    std::vector<std::pair<long, long>> erased_;
    // Every entity kept or made: a command lays thousands.
    std::set<std::pair<long, long>> known_;
    // The elements whose owned entities were kept with them.
    std::set<std::pair<long, long>> elements_;
};

// Writes the element (LObject::Insert with flags) as one write of a
// command: its data and that of its labels and marks are kept first, or,
// when it is new, its insert is recorded as made.  A refusal is reported, every write of the command so
// far is taken back, and false is returned.
bool WriteElement(LObject* e, uint16_t flags, WriteRollback& undo);
