// An element's air system: every element carries a copy of its system's
// record, taken from the drawing's list of systems by tag.
#include <cstdio>

#include "app/doc_state.h"
#include "core/lobject.h"
#include "core/system_list.h"

namespace {

// The listed system with the tag, normalised as the list keeps tags.
int16_t FindListed(const char* tag, LSystemRecord* out) {
    if (!CurrentDocState || !tag)
        return -1;
    char key[sizeof(LSystemRecord::tag)];
    std::snprintf(key, sizeof key, "%s", tag);
    return GetSystemByTag(CurrentDocState->systemList, out, key);
}

} // namespace

int16_t LObject::SetSystemByTag(const char* tag) {
    LSystemRecord listed;
    if (FindListed(tag, &listed) != 0)
        return -1;
    system = listed;
    return 0;
}

int16_t LObject::SetSystemRecord(const LSystemRecord& record) {
    if (SetSystemByTag(record.tag) == 0)
        return 0;
    system = record;
    return -1;
}

int16_t LObject::GetSystemRecord(LSystemRecord* out) const {
    return out ? FindListed(system.tag, out) : -1;
}
