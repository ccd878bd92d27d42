#include "core/element_factory.h"

#include <cstring>
#include <cwctype>
#include <string>

#include "core/lobject.h"
#include "core/string_convert.h"
#include "core/type_tables.h"

LObject* CreateElement(int16_t family, uint16_t subtype) {
    int16_t type = subtype > 0x7fff ? int16_t{-1} : static_cast<int16_t>(subtype);
    const LTypeEntry* entry = TypeEntryOf(family, type);
    LObject* element = entry && entry->make ? entry->make(type) : nullptr;
    // An alias code (fans, heaters and filters on their own pages) is stored
    // as its family.
    if (element)
        element->family = FamilyOfCode(family);
    return element;
}

// The first group after the XDATA marker, or null.
static const resbuf* AfterMarker(const resbuf* list) {
    for (; list; list = list->rbnext)
        if (list->restype == -3)
            return list->rbnext;
    return nullptr;
}

int16_t ReadElementType(const resbuf* list, uint16_t* family, uint16_t* subtype) {
    const resbuf* rb = AfterMarker(list);
    while (rb && rb->restype != 1070)
        rb = rb->rbnext;
    if (!rb || !rb->rbnext || rb->rbnext->restype != 1070)
        return -1;
    if (family)
        *family = static_cast<uint16_t>(rb->resval.rint);
    if (subtype)
        *subtype = static_cast<uint16_t>(rb->rbnext->resval.rint);
    return 0;
}

// The 1000 group right after the application name, or null.
static const resbuf* SystemTagGroup(const resbuf* list) {
    const resbuf* app = AfterMarker(list);
    if (!app || app->restype != 1001 || !app->rbnext || app->rbnext->restype != 1000)
        return nullptr;
    return app->rbnext;
}

int16_t ListIsOfSystem(const resbuf* list, const char* tag) {
    const resbuf* rb = SystemTagGroup(list);
    if (!rb || !tag)
        return 0;
    std::wstring mine = rb->resval.rstring ? rb->resval.rstring : L"";
    std::wstring theirs = ToWide(tag);
    if (mine.size() != theirs.size())
        return 0;
    for (size_t i = 0; i < mine.size(); ++i)
        if (std::towupper(mine[i]) != std::towupper(theirs[i]))
            return 0;
    return 1;
}

int16_t ReadSystemTag(const resbuf* list, char* out, size_t outSize) {
    const resbuf* rb = SystemTagGroup(list);
    // An element's XDATA has a second text (its remark) right after the tag;
    // a label's has another group there.
    if (!rb || !rb->rbnext || rb->rbnext->restype != 1000 || !out || outSize == 0)
        return -1;
    std::string tag = ToNarrowString(rb->resval.rstring);
    size_t n = tag.size() < 4 ? tag.size() : 4;
    if (n > outSize - 1)
        n = outSize - 1;
    std::memcpy(out, tag.data(), n);
    out[n] = '\0';
    return tag.empty() ? -1 : 0;
}
