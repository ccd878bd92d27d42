// DCL: the parser gives definitions or a message naming the line; every
// dialog of a parsed file is built and described.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "dcl/base.h"
#include "dcl/listing.h"
#include "dcl/parser.h"
#include "dcl/resolve.h"
#include "dcl/tile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string error;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    // Includes are looked for beside a file that does not exist: none is read.
    auto scope = host::dcl::parseText(text, "/nonexistent/fuzz.dcl", &host::dcl::baseScope(), error);
    if (!scope || !host::dcl::checkScope(*scope, error)) return 0;
    for (const std::string& name : host::dcl::dialogsOf(*scope)) host::dcl::buildDialog(*scope, name, error);
    return 0;
}
