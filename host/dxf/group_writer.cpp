#include "dxf/group_writer.h"

#include "dxf/group_code.h"
#include "dxf/number_text.h"

#include <charconv>
#include <cmath>

namespace host::dxf {

namespace {

// The code lines of all standard codes ("  0\r\n" ... "1071\r\n"), made once.
struct CodeLines {
    static constexpr int kCount = kLastGroupCode + 1;
    char text[kCount][8];
    uint8_t length[kCount];
    CodeLines()
    {
        for (int code = 0; code < kCount; ++code) {
            char digits[8];
            auto end = std::to_chars(digits, digits + sizeof digits, code).ptr;
            size_t count = static_cast<size_t>(end - digits);
            size_t pad = count < 3 ? 3 - count : 0;
            std::memset(text[code], ' ', pad);
            std::memcpy(text[code] + pad, digits, count);
            std::memcpy(text[code] + pad + count, "\r\n", 2);
            length[code] = static_cast<uint8_t>(pad + count + 2);
        }
    }
};

const CodeLines kCodeLines;

} // namespace

void GroupWriter::grow(size_t bytes)
{
    // A streaming buffer holds one chunk and a record more; others grow as needed.
    size_t first = streaming() ? kChunk + (kChunk >> 2) : 64 << 10;
    size_t capacity = std::max<size_t>(capacity_ * 2, std::max<size_t>(size_ + bytes, first));
    std::unique_ptr<char[]> bigger(new char[capacity]);
    if (size_) std::memcpy(bigger.get(), data_.get(), size_);
    data_ = std::move(bigger);
    capacity_ = capacity;
}

bool GroupWriter::deliver(std::string_view text)
{
    if (file_) return file_->write(text);
    sink_->append(text);
    return true;
}

bool GroupWriter::flush()
{
    if (!streaming()) return true;
    bool ok = deliver(buffer());
    size_ = 0;
    return ok;
}

bool GroupWriter::raw(std::string_view groups)
{
    if (!streaming()) {
        append(groups.data(), groups.size());
        return true;
    }
    return flush() && deliver(groups);
}

void GroupWriter::codeLine(int code)
{
    if (code >= 0 && code < CodeLines::kCount) {
        append(kCodeLines.text[code], kCodeLines.length[code]);
        return;
    }
    char* at = room(16);
    char* end = std::to_chars(at, at + 14, code).ptr;
    size_ += static_cast<size_t>(end - at);
    lineEnd();
}

void GroupWriter::text(int code, std::string_view value)
{
    codeLine(code);
    scratch_.clear();
    appendEncodedText(scratch_, value, encoding_);
    append(scratch_.data(), scratch_.size());
    lineEnd();
}

void GroupWriter::plain(int code, std::string_view value)
{
    codeLine(code);
    append(value.data(), value.size());
    lineEnd();
}

// Whole numbers (most coordinates and sizes) are written as their digits
// and ".0" without the general shortest-form search.
void GroupWriter::number(double value)
{
    char* at = room(32);
    char* end;
    if (value == std::trunc(value) && std::fabs(value) < 1e15 && !(value == 0 && std::signbit(value))) {
        end = std::to_chars(at, at + 30, static_cast<int64_t>(value)).ptr;
        *end++ = '.';
        *end++ = '0';
    } else {
        end = std::to_chars(at, at + 30, value).ptr;
        bool hasMark = false;  // "1e+20" and "0.5" need no ".0"
        for (char* p = at; p != end; ++p) hasMark |= *p == '.' || *p == 'e' || *p == 'n';
        if (!hasMark) {
            *end++ = '.';
            *end++ = '0';
        }
    }
    size_ += static_cast<size_t>(end - at);
}

void GroupWriter::real(int code, double value)
{
    codeLine(code);
    number(value);
    lineEnd();
}

void GroupWriter::integer(int code, int64_t value)
{
    codeLine(code);
    char* at = room(24);
    size_ += static_cast<size_t>(std::to_chars(at, at + 22, value).ptr - at);
    lineEnd();
}

void GroupWriter::handle(int code, uint64_t value)
{
    codeLine(code);
    char* at = room(24);
    char* end = std::to_chars(at, at + 22, value, 16).ptr;
    for (char* p = at; p != end; ++p)
        if (*p >= 'a' && *p <= 'f') *p = static_cast<char>(*p - 'a' + 'A');
    size_ += static_cast<size_t>(end - at);
    lineEnd();
}

void GroupWriter::point(int code, double x, double y, double z)
{
    real(code, x);
    real(code + 10, y);
    real(code + 20, z);
}

void GroupWriter::point2(int code, double x, double y)
{
    real(code, x);
    real(code + 10, y);
}

} // namespace host::dxf
