// The map from the handles of copied entities to the handles of their
// copies, kept while a copy or mirror command runs so that the copies can
// be linked to each other instead of to the entities they were made from.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "ads_types.h"

class LHandleMap {
public:
    // Room of one handle text with its terminator.
    static constexpr size_t kHandleRoom = 17;

    // Adds a pair before the first pair whose source is not less than the
    // new source (byte-wise), so pairs stay in ascending order and, among
    // equal sources, the newest comes first.  -1 for a null, empty or
    // over-long text (nothing is added).
    int16_t Insert(const char* source, const char* copy);
    // Replaces handle (room bytes) with the copy of the first pair of that
    // source: 0, or -1 when the map has no such source (handle untouched).
    int16_t Lookup(char* handle, size_t room) const;
    void Clear() { pairs.clear(); }
    size_t Size() const { return pairs.size(); }
    // The source and copy of pair i in map order; null past the end.
    const char* SourceAt(size_t i) const { return i < pairs.size() ? pairs[i].source.data() : nullptr; }
    const char* CopyAt(size_t i) const { return i < pairs.size() ? pairs[i].copy.data() : nullptr; }

private:
    struct Pair {
        std::array<char, kHandleRoom> source{};
        std::array<char, kHandleRoom> copy{};
    };
    // Index of the first pair whose source is not less than the text.
    size_t LowerBound(const char* source) const;
    std::vector<Pair> pairs;
};

// Replaces an entity name with that of its copy: 0, or -1 when the entity
// has no handle or was not copied (the name is then left unchanged).
int16_t FindCopiedEntity(const LHandleMap& map, ads_name entity);
