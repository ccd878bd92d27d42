// A message about one place in a DXF file: an error that stops a read, or
// a note about something the reader repaired.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "dxf/quoted_text.h"

namespace host::dxf {

// What a repair did to the file's data: kept it in another form, or lost
// some of it (left out, dropped, made anew).  Losses are told first.
enum class RepairEffect : uint8_t { Changed, Lost };

// One kind of repair, named where the repair is made: notes of one kind are
// told together, the many of them folded into a count.
struct RepairKind {
    std::string_view name;  // a literal; it tells kinds apart and is never shown
    RepairEffect effect = RepairEffect::Changed;

    static constexpr RepairKind changed(std::string_view name) { return {name, RepairEffect::Changed}; }
    static constexpr RepairKind lost(std::string_view name) { return {name, RepairEffect::Lost}; }
    bool operator==(const RepairKind&) const = default;
};

// Repairs of one kind made beyond the notes kept of them (notes of the
// repairs a file may need thousands of are kept up to a cap): counted, so
// that the total told is true.
struct RepairCount {
    RepairKind kind;
    size_t count = 0;
};

struct Diagnostic {
    Diagnostic() = default;
    Diagnostic(std::string file, uint32_t line, std::string message, RepairKind kind = {})
        : file(std::move(file)), line(line), message(std::move(message)), kind(kind)
    {
    }

    std::string file;
    uint32_t line = 0;  // 1-based; 0 when the message is about the whole file
    std::string message;
    RepairKind kind;  // of a repair's note

    // "file:line: message", or "file: message" without a line.  The file's
    // name is quoted as its text is: a name may hold what acts on a
    // terminal as well as the file may.
    std::string text() const
    {
        std::string out = file;
        if (line > 0) out += ":" + std::to_string(line);
        out += ": ";
        out += message;
        return withoutControls(out);
    }
};

} // namespace host::dxf
