// DXF text: whatever the bytes, the reader gives a drawing or a message;
// a drawing it gives is written again and that file reads back without
// repairs (the host must never write a drawing it cannot open as saved).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "dxf/reader.h"
#include "dxf/writer.h"
#include "reads_back_quietly.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    host::dxf::ReadReport report;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    std::unique_ptr<host::db::Database> drawing = host::dxf::readDxfText(text, "fuzz.dxf", report);
    if (!drawing) return 0;
    std::string written;
    host::dxf::writeDxfText(*drawing, written);
    requireReadsBackQuietly(written, "a written drawing");
    return 0;
}
