// Binary DXF: whatever the bytes after the binary file's sentinel, the
// reader gives a drawing or a message; a drawing it gives is written in
// binary again and that file reads back without repairs (the host must
// never write a drawing it cannot open as saved).  Inputs without the
// sentinel get it put in front, so that every input reaches the binary
// reader.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "dxf/binary_dxf.h"
#include "dxf/reader.h"
#include "dxf/tokenizer.h"
#include "dxf/writer.h"
#include "reads_back_quietly.h"

namespace {
constexpr std::string_view kSentinel("AutoCAD Binary DXF\r\n\x1a\0", 22);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string input(reinterpret_cast<const char*>(data), size);
    if (!host::dxf::isBinaryDxf(input)) input.insert(0, kSentinel);
    host::dxf::ReadReport report;
    std::unique_ptr<host::db::Database> drawing = host::dxf::readDxfText(input, "fuzz.dxf", report);
    if (!drawing) return 0;
    std::string text, binary;
    host::dxf::writeDxfText(*drawing, text);
    std::string why;
    if (!host::dxf::textToBinary(text, binary, &why)) {
        std::fprintf(stderr, "a written drawing does not convert to binary: %s\n", why.c_str());
        std::abort();
    }
    requireReadsBackQuietly(binary, "a written binary drawing");
    return 0;
}
