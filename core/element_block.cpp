#include "core/element_block.h"

#include "ads_types.h"
#include "core/anonymous_block.h"

ElementBlock::ElementBlock(char* nameOut, size_t size) : name(nameOut), nameSize(size) {
    const ads_point origin = {0, 0, 0};
    begun = BeginAnonymousBlock(origin) == RTNORM;
}

ElementBlock::~ElementBlock() { Close(); }

int16_t ElementBlock::Close() {
    if (!open)
        return -1;
    open = false;
    // The host leaves the name empty when it gives none; a block it never
    // started is no block of this element's, whatever name comes back.
    bool named = EndAnonymousBlock(name, nameSize) == RTNORM && begun;
    if (!named && name && nameSize > 0)
        name[0] = '\0';
    return named ? 0 : -1;
}
