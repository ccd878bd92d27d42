// Appends DXF groups to one large text buffer: the code line right-aligned
// in three places as the host writes it, then the value line, each ending in
// CR LF.  Reals are written in their shortest round-trip form, text in the
// file's encoding.
#pragma once

#include "dxf/file_io.h"
#include "dxf/text_codec.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace host::dxf {

class GroupWriter {
public:
    explicit GroupWriter(TextEncoding encoding) : encoding_(encoding) {}
    GroupWriter(const GroupWriter& other) : encoding_(other.encoding_) {}  // an empty buffer of its own

    // Text in the host's UTF-8, encoded for the file.
    void text(int code, std::string_view value);
    // Text known to need no encoding (section names, subclass markers).
    void plain(int code, std::string_view value);
    void real(int code, double value);
    void integer(int code, int64_t value);
    void handle(int code, uint64_t value);
    // x, y and z as code, code+10 and code+20.
    void point(int code, double x, double y, double z);
    void point2(int code, double x, double y);
    // Groups another writer made for the same file.  When streaming they go
    // straight on, after what this buffer holds.
    bool raw(std::string_view groups);

    // Streams into `file`: flushIfFull() (called between records) hands the
    // buffer over once it holds a chunk, so a large drawing never sits in
    // memory twice.  Without a file everything stays in the buffer.
    void setFile(AtomicFileWriter* file) { file_ = file; }
    // The same into a string (text made in memory).
    void setSink(std::string* sink) { sink_ = sink; }
    // False when the file could not be written (its error() says why).
    bool flushIfFull() { return size_ < kChunk || flush(); }
    bool flush();

    std::string_view buffer() const { return std::string_view(data_.get(), size_); }
    void clear() { size_ = 0; }
    const TextEncoding& encoding() const { return encoding_; }

private:
    static constexpr size_t kChunk = 1 << 20;

    // Room for `bytes` more characters at the end of the buffer.
    char* room(size_t bytes)
    {
        if (size_ + bytes > capacity_) grow(bytes);
        return data_.get() + size_;
    }
    void grow(size_t bytes);
    void append(const char* text, size_t length)
    {
        std::memcpy(room(length), text, length);
        size_ += length;
    }
    void codeLine(int code);
    void lineEnd() { append("\r\n", 2); }
    void number(double value);

    TextEncoding encoding_;
    std::unique_ptr<char[]> data_;
    size_t size_ = 0;
    size_t capacity_ = 0;
    std::string scratch_;  // encoded text
    bool deliver(std::string_view text);
    bool streaming() const { return file_ || sink_; }

    AtomicFileWriter* file_ = nullptr;
    std::string* sink_ = nullptr;
};

} // namespace host::dxf
