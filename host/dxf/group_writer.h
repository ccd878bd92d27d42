// Appends DXF groups to one large text buffer: the code line right-aligned
// in three places as the host writes it, then the value line, each ending in
// CR LF.  Reals are written in their shortest round-trip form, text in the
// file's encoding.
#pragma once

#include "dxf/file_io.h"
#include "dxf/text_codec.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace host::dxf {

class GroupWriter {
public:
    explicit GroupWriter(TextEncoding encoding) : encoding_(encoding) {}

    void reserve(size_t bytes) { out_.reserve(bytes); }
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

    // Streams into `file`: flushIfFull() (called between records) hands the
    // buffer over once it holds a chunk, so a large drawing never sits in
    // memory twice.  Without a file everything stays in buffer().
    void setFile(AtomicFileWriter* file) { file_ = file; }
    // False when the file could not be written (its error() says why).
    bool flushIfFull() { return out_.size() < kChunk || flush(); }
    bool flush();

    const std::string& buffer() const { return out_; }
    std::string& buffer() { return out_; }
    const TextEncoding& encoding() const { return encoding_; }

private:
    void codeLine(int code);
    void lineEnd() { out_ += "\r\n"; }

    static constexpr size_t kChunk = 1 << 20;

    TextEncoding encoding_;
    std::string out_;
    AtomicFileWriter* file_ = nullptr;
};

} // namespace host::dxf
