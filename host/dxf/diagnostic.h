// A message about one place in a DXF file: an error that stops a read, or
// a note about something the reader repaired.
#pragma once

#include <cstdint>
#include <string>

namespace host::dxf {

struct Diagnostic {
    std::string file;
    uint32_t line = 0;  // 1-based; 0 when the message is about the whole file
    std::string message;

    // "file:line: message", or "file: message" without a line.
    std::string text() const
    {
        std::string out = file;
        if (line > 0) out += ":" + std::to_string(line);
        out += ": ";
        out += message;
        return out;
    }
};

} // namespace host::dxf
