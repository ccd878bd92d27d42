#include "core/element_block.h"

#include "ads_types.h"
#include "core/anonymous_block.h"

ElementBlock::ElementBlock(char* nameOut, size_t size) : name(nameOut), nameSize(size) {
    const ads_point origin = {0, 0, 0};
    BeginAnonymousBlock(origin);
}

ElementBlock::~ElementBlock() { Close(); }

int16_t ElementBlock::Close() {
    if (!open)
        return -1;
    open = false;
    // The host leaves the name empty when it gives none.
    return EndAnonymousBlock(name, nameSize) == RTNORM ? 0 : -1;
}
