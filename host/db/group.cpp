#include "db/group.h"

#include <cstdlib>
#include <cstring>

namespace host::db {

std::string handleText(Handle handle) {
    char buffer[17];
    int n = 0;
    do {
        buffer[n++] = "0123456789ABCDEF"[handle & 15];
        handle >>= 4;
    } while (handle != 0);
    std::string text(static_cast<size_t>(n), '0');
    for (int i = 0; i < n; ++i) text[static_cast<size_t>(i)] = buffer[n - 1 - i];
    return text;
}

bool parseHandle(std::string_view text, Handle& handle) {
    if (text.empty() || text.size() > 16) return false;
    Handle value = 0;
    for (char c : text) {
        int digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else return false;
        value = value << 4 | static_cast<Handle>(digit);
    }
    handle = value;
    return true;
}

Group& Group::operator=(const Group& other) {
    if (this != &other) {
        release();
        copyFrom(other);
    }
    return *this;
}

void Group::copyFrom(const Group& other) {
    std::memcpy(static_cast<void*>(this), &other, sizeof(Group));
    if (other.flags_ & kFlagHeap) {
        flags_ &= static_cast<uint8_t>(~kFlagHeap);
        setText(other.asText());
    }
}

void Group::release() {
    if (flags_ & kFlagHeap) std::free(value_.heapText);
    flags_ &= static_cast<uint8_t>(~kFlagHeap);
}

void Group::setText(std::string_view text) {
    release();
    length_ = static_cast<uint32_t>(text.size());
    if (text.size() <= kInlineText) {
        if (!text.empty()) std::memcpy(value_.inlineText, text.data(), text.size());
        return;
    }
    setHeapText(text);
}

void Group::setHeapText(std::string_view text) {
    length_ = static_cast<uint32_t>(text.size());
    value_.heapText = static_cast<char*>(std::malloc(text.size()));
    if (value_.heapText == nullptr) {  // out of memory: keep an empty text
        length_ = 0;
        return;
    }
    std::memcpy(value_.heapText, text.data(), text.size());
    flags_ |= kFlagHeap;
}


Group Group::binary(int code, std::string_view hexText) {
    Group g = text(code, hexText);
    g.kind_ = ValueKind::Binary;
    return g;
}

Group Group::point2d(int code, double x, double y) {
    Group g = point(code, x, y, 0.0);
    g.flags_ |= kFlag2d;
    return g;
}


} // namespace host::db
