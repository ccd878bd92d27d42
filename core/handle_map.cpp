// The handle map of the copy and mirror commands: a sorted list of pairs,
// searched by halving since a copied network may hold thousands of them.
#include "core/handle_map.h"

#include <cstring>
#include <string>

#include "ads_entity.h"
#include "core/entity_handles.h"
#include "core/string_convert.h"

// Byte-wise order, as the handle texts compare as plain bytes.
static int CompareBytes(const char* a, const char* b) {
    return std::strcmp(a, b);
}

static bool FitsRoom(const char* text) {
    return text && text[0] != '\0' && std::strlen(text) < LHandleMap::kHandleRoom;
}

size_t LHandleMap::LowerBound(const char* source) const {
    size_t low = 0, high = pairs.size();
    while (low < high) {
        size_t mid = low + (high - low) / 2;
        if (CompareBytes(pairs[mid].source.data(), source) < 0)
            low = mid + 1;
        else
            high = mid;
    }
    return low;
}

int16_t LHandleMap::Insert(const char* source, const char* copy) {
    if (!FitsRoom(source) || !FitsRoom(copy))
        return -1;
    Pair pair;
    std::memcpy(pair.source.data(), source, std::strlen(source) + 1);
    std::memcpy(pair.copy.data(), copy, std::strlen(copy) + 1);
    pairs.insert(pairs.begin() + static_cast<std::ptrdiff_t>(LowerBound(source)), pair);
    return 0;
}

int16_t LHandleMap::Lookup(char* handle, size_t room) const {
    if (!handle || room == 0)
        return -1;
    size_t at = LowerBound(handle);
    if (at >= pairs.size() || CompareBytes(pairs[at].source.data(), handle) != 0)
        return -1;
    const char* copy = pairs[at].copy.data();
    if (std::strlen(copy) >= room)
        return -1;
    std::memcpy(handle, copy, std::strlen(copy) + 1);
    return 0;
}

int16_t FindCopiedEntity(const LHandleMap& map, ads_name entity) {
    char handle[LHandleMap::kHandleRoom] = "";
    if (GetEntityHandle(entity, handle, sizeof handle) != 0 || map.Lookup(handle, sizeof handle) != 0)
        return -1;
    ads_name copy;
    if (acdbHandEnt(ToWide(handle).c_str(), copy) != RTNORM)
        return -1;
    ads_name_set(copy, entity);
    return 0;
}
