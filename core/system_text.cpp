#include "core/system_text.h"

#include <cstring>

// Length of the longest prefix of src, at most limit bytes, that ends on a
// character boundary (a UTF-8 continuation byte never starts the rest).
static size_t BoundaryPrefix(const char* src, size_t limit) {
    size_t n = strnlen(src, limit + 1);
    if (n <= limit)
        return n;
    n = limit;
    while (n > 0 && (static_cast<unsigned char>(src[n]) & 0xC0) == 0x80)
        --n;
    return n;
}

bool CopyFieldText(char* dst, size_t dstSize, const char* src) {
    if (dst == nullptr || dstSize == 0)
        return false;
    if (src == nullptr)
        src = "";
    size_t n = BoundaryPrefix(src, dstSize - 1);
    memmove(dst, src, n);
    dst[n] = '\0';
    return src[n] == '\0';
}

void NormaliseSystemTag(char* tag) {
    if (tag == nullptr)
        return;
    int chars = 0;
    size_t i = 0;
    for (; tag[i] != '\0'; ++i) {
        bool starts = (static_cast<unsigned char>(tag[i]) & 0xC0) != 0x80;
        if (starts && ++chars > kSystemTagLength)
            break;
        if (tag[i] >= 'a' && tag[i] <= 'z')
            tag[i] = static_cast<char>(tag[i] - 'a' + 'A');
    }
    tag[i] = '\0';
}

static char FoldCase(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameName(const char* a, const char* b) {
    if (a == nullptr)
        a = "";
    if (b == nullptr)
        b = "";
    for (; *a != '\0' && *b != '\0'; ++a, ++b)
        if (FoldCase(*a) != FoldCase(*b))
            return false;
    return *a == *b;
}
