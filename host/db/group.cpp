#include "db/group.h"

#include <cstdlib>
#include <cstring>

namespace host::db {

namespace {
bool classify(int code, ValueKind& kind) {
    auto in = [code](int lo, int hi) { return code >= lo && code <= hi; };
    if (in(0, 9) || in(100, 102) || code == 105 || in(300, 309) || in(410, 419) || in(430, 439) ||
        in(470, 479) || code == 999 || in(1000, 1003) || code == 1005)
        kind = ValueKind::Text;
    else if (in(10, 18) || in(110, 112) || in(210, 213) || in(1010, 1013))
        kind = ValueKind::Point;
    else if (in(19, 59) || in(113, 149) || in(214, 239) || in(460, 469) || in(1014, 1059))
        kind = ValueKind::Real;
    else if (in(60, 79) || in(170, 179) || in(270, 299) || in(370, 389) || in(400, 409) || in(1060, 1070))
        kind = ValueKind::Int16;
    else if (in(90, 99) || in(420, 429) || in(440, 459) || code == 1071)
        kind = ValueKind::Int32;
    else if (in(160, 169))
        kind = ValueKind::Int64;
    else if (in(320, 369) || in(390, 399) || in(480, 481))
        kind = ValueKind::Handle;
    else if (in(310, 319) || code == 1004)
        kind = ValueKind::Binary;
    else if (in(-5, -1))
        kind = ValueKind::Text;  // only in C API lists; never stored
    else
        return false;
    return true;
}

// Kinds of codes -5 to 1071 looked up in a table; 255 marks no kind.
struct KindTable {
    static constexpr int kLow = -5, kHigh = 1071;
    uint8_t kinds[kHigh - kLow + 1];
    KindTable() {
        for (int c = kLow; c <= kHigh; ++c) {
            ValueKind k;
            kinds[c - kLow] = classify(c, k) ? static_cast<uint8_t>(k) : 255;
        }
    }
};
const KindTable kindTable;
} // namespace

bool kindOfCode(int code, ValueKind& kind) {
    if (code < KindTable::kLow || code > KindTable::kHigh) return false;
    uint8_t k = kindTable.kinds[code - KindTable::kLow];
    if (k == 255) return false;
    kind = static_cast<ValueKind>(k);
    return true;
}

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

Group Group::real(int code, double value) {
    Group g;
    g.code_ = static_cast<int16_t>(code);
    g.kind_ = ValueKind::Real;
    g.value_.real = value;
    return g;
}

Group Group::point(int code, double x, double y, double z) {
    Group g;
    g.code_ = static_cast<int16_t>(code);
    g.kind_ = ValueKind::Point;
    g.value_.point[0] = x;
    g.value_.point[1] = y;
    g.value_.point[2] = z;
    return g;
}

Group Group::point2d(int code, double x, double y) {
    Group g = point(code, x, y, 0.0);
    g.flags_ |= kFlag2d;
    return g;
}

Group Group::integer(int code, int64_t value) {
    Group g;
    g.code_ = static_cast<int16_t>(code);
    ValueKind kind = ValueKind::Int16;
    if (kindOfCode(code, kind) && (kind == ValueKind::Int32 || kind == ValueKind::Int64)) g.kind_ = kind;
    else g.kind_ = ValueKind::Int16;
    g.value_.integer = value;
    return g;
}

Group Group::handle(int code, Handle value) {
    Group g;
    g.code_ = static_cast<int16_t>(code);
    g.kind_ = ValueKind::Handle;
    g.value_.handle = value;
    return g;
}


const double* Group::asPoint() const {
    static const double origin[3] = {0, 0, 0};
    return kind_ == ValueKind::Point ? value_.point : origin;
}

int64_t Group::asInt() const {
    switch (kind_) {
    case ValueKind::Int16:
    case ValueKind::Int32:
    case ValueKind::Int64: return value_.integer;
    default: return 0;
    }
}

bool Group::operator==(const Group& other) const {
    if (code_ != other.code_ || kind_ != other.kind_) return false;
    switch (kind_) {
    case ValueKind::Text:
    case ValueKind::Binary: return asText() == other.asText();
    case ValueKind::Real: return value_.real == other.value_.real;
    case ValueKind::Point:
        return value_.point[0] == other.value_.point[0] && value_.point[1] == other.value_.point[1] &&
               value_.point[2] == other.value_.point[2];
    case ValueKind::Handle: return value_.handle == other.value_.handle;
    default: return value_.integer == other.value_.integer;
    }
}

} // namespace host::db
