// Building group lists one group at a time, walking them group by group,
// and turning stored handles back into entities.
#pragma once

#include <cstdint>
#include <string>

#include "ads_types.h"

class GroupList {
public:
    GroupList() = default;
    GroupList(const GroupList&) = delete;
    GroupList& operator=(const GroupList&) = delete;
    ~GroupList();  // releases what was not taken

    void Text(int code, const char* text);
    void Short(int code, int value);
    void Real(int code, double value);
    void Point(int code, const ads_point p);
    // Appends a whole list (taken over).
    void Append(resbuf* list);
    // The list, now the caller's; the builder is empty again.
    resbuf* Take();
    bool Failed() const { return failed; }

private:
    void Add(resbuf* group);
    resbuf* head = nullptr;
    resbuf* tail = nullptr;
    bool failed = false;
};

// A reading position in a group list.
class GroupCursor {
public:
    explicit GroupCursor(const resbuf* start) : at(start) {}
    bool AtEnd() const { return !at; }
    bool Next(int code) const { return at && at->restype == code; }
    // Takes the next group when it has the code; false (nothing taken) else.
    const resbuf* Take(int code);
    // Skips any one group; false at the end.
    bool Skip();
    const resbuf* Here() const { return at; }

private:
    const resbuf* at;
};

// The one-entry application list for reading an entity with the program's
// XDATA (the same as ProgramAppFilter, for files that cannot include
// entity_handles.h beside the drawing defaults).
const resbuf* ElementAppFilter();
// The narrow text of a string group ("" for none).
std::string GroupText(const resbuf* group);
// The live entity of a handle text; false for "", "0", unknown or erased.
bool EntityOfHandle(const char* handle, ads_name out);
// True when the drawing still holds the entity.
bool EntityIsLive(const ads_name entity);
// The entity's handle text, "" when it has none (null or erased entity).
std::string HandleOfEntity(const ads_name entity);
// The first group of a code in a list, or null.
resbuf* FindGroup(resbuf* list, int code);
