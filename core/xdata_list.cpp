#include "core/xdata_list.h"

#include "ads_entity.h"
#include "core/entity_handles.h"
#include "core/string_convert.h"

GroupList::~GroupList() {
    if (head)
        acutRelRb(head);
}

void GroupList::Add(resbuf* group) {
    if (!group) {
        failed = true;
        return;
    }
    if (tail)
        tail->rbnext = group;
    else
        head = group;
    tail = group;
    while (tail->rbnext)
        tail = tail->rbnext;
}

void GroupList::Text(int code, const char* text) {
    std::wstring wide = ToWide(text);
    Add(acutBuildList(code, wide.c_str(), 0));
}

void GroupList::Short(int code, int value) { Add(acutBuildList(code, value, 0)); }

void GroupList::Real(int code, double value) { Add(acutBuildList(code, value, 0)); }

void GroupList::Point(int code, const ads_point p) { Add(acutBuildList(code, p, 0)); }

void GroupList::Append(resbuf* list) { Add(list); }

resbuf* GroupList::Take() {
    resbuf* list = head;
    head = tail = nullptr;
    return list;
}

const resbuf* GroupCursor::Take(int code) {
    if (!Next(code))
        return nullptr;
    const resbuf* group = at;
    at = at->rbnext;
    return group;
}

bool GroupCursor::Skip() {
    if (!at)
        return false;
    at = at->rbnext;
    return true;
}

const resbuf* ElementAppFilter() { return ProgramAppFilter(); }

std::string GroupText(const resbuf* group) {
    return group ? ToNarrowString(group->resval.rstring) : std::string();
}

bool EntityOfHandle(const char* handle, ads_name out) {
    if (!handle || !*handle || (handle[0] == '0' && handle[1] == '\0'))
        return false;
    ads_name found;
    if (acdbHandEnt(ToWide(handle).c_str(), found) != RTNORM || !EntityExists(found))
        return false;
    ads_name_set(found, out);
    return true;
}

bool EntityIsLive(const ads_name entity) { return EntityExists(entity); }

std::string HandleOfEntity(const ads_name entity) {
    char handle[32];
    if (GetEntityHandle(entity, handle, sizeof handle) != 0)
        return std::string();
    return handle;
}

resbuf* FindGroup(resbuf* list, int code) {
    for (; list; list = list->rbnext)
        if (list->restype == code)
            return list;
    return nullptr;
}
