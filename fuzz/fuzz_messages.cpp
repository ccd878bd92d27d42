// The messages file: the scanner splits any bytes into texts, and every
// text is safe as a format whatever conversions it holds.
#include <cstddef>
#include <cstdint>

#include "core/message_format.h"
#include "core/message_scanner.h"
#include "core/messages.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    MessageScanner scanner(kMessageCount);
    // Fed in two blocks, as a file read in chunks may split a text.
    size_t half = size / 2;
    scanner.Feed(reinterpret_cast<const char*>(data), half);
    scanner.Feed(reinterpret_cast<const char*>(data) + half, size - half);
    scanner.Finish();
    for (const std::string& text : scanner.Texts()) {
        FormatMessageText(text.c_str(), {});
        FormatMessageText(text.c_str(), {"HV1"});
        FormatMessageText(text.c_str(), {6000.0, 7500.0});
        FormatMessageText(text.c_str(), {101});
    }
    return 0;
}
