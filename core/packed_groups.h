// An entity's group list kept as bytes.  Taking back a command's writes
// keeps the data of every entity the command rewrites, a hundred thousand
// in a numbering run, and a list of result buffers takes several times the
// bytes of its values (a node and a string block per group).  The bytes
// are only read back when a write is refused.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "ads_types.h"

// Appends the packed groups of the list to `out`; false (out as it was)
// when a group's code carries no value of the list conventions.
bool PackGroups(const resbuf* list, std::vector<uint8_t>& out);

// The list of packed groups, to release with acutRelRb; null when the
// bytes are not a whole packed list.
resbuf* UnpackGroups(const uint8_t* data, size_t size);

// Packed lists one after another in blocks of memory that are never moved
// or given back before the store goes: a view stays valid, and thousands
// of lists cost no allocation each.
class PackedStore {
public:
    struct View {
        const uint8_t* data = nullptr;
        uint32_t size = 0;
    };
    // Packs the list; an empty view when it cannot be packed.
    View Add(const resbuf* list);

private:
    static constexpr size_t kBlockBytes = 64 * 1024;
    std::vector<std::unique_ptr<uint8_t[]>> blocks_;  // the last one is filled
    size_t used_ = 0;                                  // bytes of the last block
    std::vector<std::unique_ptr<uint8_t[]>> large_;   // a list each
};
