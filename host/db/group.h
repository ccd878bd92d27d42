// One group of a drawing object: a group code and its value, typed by the
// code's range.  Points are one group holding three doubles, as in the C
// API's lists (DXF writes them as 1x/2x/3x lines).  A group is 32 bytes:
// strings up to 24 bytes live inside it, longer ones in one heap block.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "db/code_kinds.h"
#include "db/group_room.h"

namespace host::db {

// An object's handle: the number its hex text stands for.  0 means none.
using Handle = uint64_t;

// How a group keeps its value; which codes hold which is worked out from
// the table of db/code_kinds.h.
enum class ValueKind : uint8_t {
    Text,
    Real,
    Point,   // three doubles
    Int16,   // also true/false
    Int32,
    Int64,
    Handle,  // a reference to another object
    Binary,  // kept as its hex text
};

namespace detail {
// The storage kind of each kind of code (255: none).  Lists of a drawing's
// million groups look it up per group, in a table made at compile time.
constexpr uint8_t kNoKind = 255;
constexpr uint8_t storedKind(CodeKind kind) {
    auto as = [](ValueKind k) { return static_cast<uint8_t>(k); };
    switch (kind) {
    case CodeKind::Text:
    case CodeKind::ListOnly:
    case CodeKind::OwnHandle: return as(ValueKind::Text);
    case CodeKind::Point: return as(ValueKind::Point);
    case CodeKind::Real: return as(ValueKind::Real);
    case CodeKind::Int16:
    case CodeKind::Flag: return as(ValueKind::Int16);
    case CodeKind::Int32: return as(ValueKind::Int32);
    case CodeKind::Int64: return as(ValueKind::Int64);
    case CodeKind::Handle: return as(ValueKind::Handle);
    case CodeKind::Binary: return as(ValueKind::Binary);
    case CodeKind::None: break;
    }
    return kNoKind;
}
constexpr uint8_t classifyCode(int code) { return storedKind(codeKind(code)); }
struct KindTable {
    uint8_t kinds[kLastCode - kFirstCode + 1] = {};
    constexpr KindTable() {
        for (int c = kFirstCode; c <= kLastCode; ++c) kinds[c - kFirstCode] = classifyCode(c);
    }
};
inline constexpr KindTable kKindTable;
} // namespace detail

// The value kind of a group code; false for codes outside the DXF ranges.
inline bool kindOfCode(int code, ValueKind& kind) {
    if (code < kFirstCode || code > kLastCode) return false;
    uint8_t k = detail::kKindTable.kinds[code - kFirstCode];
    if (k == detail::kNoKind) return false;
    kind = static_cast<ValueKind>(k);
    return true;
}
// Upper-case hex text of a handle ("0" for 0) and back; parse fails on
// anything but 1 to 16 hex digits.
std::string handleText(Handle handle);
bool parseHandle(std::string_view text, Handle& handle);

class Group {
public:
    static constexpr size_t kInlineText = 24;

    Group() : code_(0), kind_(ValueKind::Int16), flags_(0), length_(0) { value_.integer = 0; }
    ~Group() {
        if (flags_ & kFlagHeap) release();
    }
    Group(const Group& other) {
        if (other.flags_ & kFlagHeap) copyFrom(other);
        else std::memcpy(static_cast<void*>(this), &other, sizeof(Group));
    }
    Group(Group&& other) noexcept {
        std::memcpy(static_cast<void*>(this), &other, sizeof(Group));
        other.flags_ &= static_cast<uint8_t>(~kFlagHeap);
    }
    Group& operator=(const Group& other);
    Group& operator=(Group&& other) noexcept {
        if (this != &other) {
            if (flags_ & kFlagHeap) release();
            std::memcpy(static_cast<void*>(this), &other, sizeof(Group));
            other.flags_ &= static_cast<uint8_t>(~kFlagHeap);
        }
        return *this;
    }

    static Group text(int code, std::string_view text) {
        Group g;
        g.code_ = static_cast<int16_t>(code);
        g.kind_ = ValueKind::Text;
        if (text.size() > kInlineText) g.setHeapText(text);
        else if (!text.empty()) {
            g.length_ = static_cast<uint32_t>(text.size());
            std::memcpy(g.value_.inlineText, text.data(), text.size());
        }
        return g;
    }
    static Group binary(int code, std::string_view hexText);
    // Makes this a text group of n bytes kept inside it (n up to
    // kInlineText) and gives the room for the caller to write them into.
    char* inlineTextRoom(int code, size_t n) {
        if (flags_ & kFlagHeap) release();
        code_ = static_cast<int16_t>(code);
        kind_ = ValueKind::Text;
        flags_ = 0;
        length_ = static_cast<uint32_t>(n);
        return value_.inlineText;
    }
    static Group real(int code, double value) {
        Group g;
        g.code_ = static_cast<int16_t>(code);
        g.kind_ = ValueKind::Real;
        g.value_.real = value;
        return g;
    }
    static Group point(int code, double x, double y, double z) {
        Group g;
        g.code_ = static_cast<int16_t>(code);
        g.kind_ = ValueKind::Point;
        g.value_.point[0] = x;
        g.value_.point[1] = y;
        g.value_.point[2] = z;
        return g;
    }
    static Group point(int code, const double xyz[3]) { return point(code, xyz[0], xyz[1], xyz[2]); }
    // A point that a file gave without its z line; written back without it.
    static Group point2d(int code, double x, double y);
    // Int16, Int32 or Int64 by the code's range.
    static Group integer(int code, int64_t value) {
        ValueKind kind = ValueKind::Int16;
        if (!kindOfCode(code, kind) || (kind != ValueKind::Int32 && kind != ValueKind::Int64)) kind = ValueKind::Int16;
        Group g;
        g.code_ = static_cast<int16_t>(code);
        g.kind_ = kind;
        g.value_.integer = value;
        return g;
    }
    static Group handle(int code, Handle value) {
        Group g;
        g.code_ = static_cast<int16_t>(code);
        g.kind_ = ValueKind::Handle;
        g.value_.handle = value;
        return g;
    }

    int code() const { return code_; }
    ValueKind kind() const { return kind_; }
    bool isText() const { return kind_ == ValueKind::Text || kind_ == ValueKind::Binary; }

    // Each accessor answers for its own kind; other kinds give "", 0 or the origin.
    std::string_view asText() const {
        if (kind_ != ValueKind::Text && kind_ != ValueKind::Binary) return {};
        if (flags_ & kFlagHeap) return {value_.heapText, length_};
        return {value_.inlineText, length_};
    }
    double asReal() const { return kind_ == ValueKind::Real ? value_.real : 0.0; }
    const double* asPoint() const { return kind_ == ValueKind::Point ? value_.point : kOrigin; }
    bool pointIs2d() const { return (flags_ & kFlag2d) != 0; }
    int64_t asInt() const {
        return kind_ == ValueKind::Int16 || kind_ == ValueKind::Int32 || kind_ == ValueKind::Int64 ? value_.integer : 0;
    }
    Handle asHandle() const { return kind_ == ValueKind::Handle ? value_.handle : 0; }

    void setCode(int code) { code_ = static_cast<int16_t>(code); }

    bool operator==(const Group& other) const {
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
    bool operator!=(const Group& other) const { return !(*this == other); }

private:
    static constexpr double kOrigin[3] = {0, 0, 0};
    static constexpr uint8_t kFlag2d = 1;
    static constexpr uint8_t kFlagHeap = 2;
    void setText(std::string_view text);
    void setHeapText(std::string_view text);  // a text longer than kInlineText
    void release();
    void copyFrom(const Group& other);

    int16_t code_;
    ValueKind kind_;
    uint8_t flags_;
    uint32_t length_;  // text length
    union {
        double real;
        double point[3];
        int64_t integer;
        Handle handle;
        char inlineText[kInlineText];
        char* heapText;
    } value_;
};

static_assert(sizeof(Group) == 32, "a group is meant to stay 32 bytes");

// Groups in order: a body, a list's groups, XDATA.
using GroupList = std::vector<Group, GroupAllocator<Group>>;

} // namespace host::db
