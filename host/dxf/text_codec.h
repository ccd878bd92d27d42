// Text of DXF values: the code page of files before R2007, the \U+XXXX
// escapes those files use for characters outside it, and the caret form of
// control characters (a value must stay on one line).
//
// Inside the host all text is UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace host::dxf {

struct CodePage;

// The code page named by $DWGCODEPAGE ("ANSI_1252", or the double-byte
// "ANSI_932", "ANSI_936", "ANSI_949", "ANSI_950"), or null when it is
// unknown (the caller then falls back to ANSI_1252).
const CodePage* findCodePage(std::string_view name);
// The name a page goes by in $DWGCODEPAGE.
const char* codePageName(const CodePage* page);
const CodePage* defaultCodePage();

// How the string values of one file are stored.
struct TextEncoding {
    const CodePage* codePage = nullptr;  // null: UTF-8 (R2007 and later)
};

// The UTF-8 text of a raw value.  Returns `raw` itself when it needs no
// change (the common case, no copy); otherwise the decoded text is built in
// `scratch` and a view of it returned.  In a UTF-8 file, bytes that are not
// valid UTF-8 are read as ANSI_1252 so that no byte is dropped.
std::string_view decodeText(std::string_view raw, const TextEncoding& encoding, std::string& scratch);

// Length of the valid UTF-8 sequence at text[i] (i < text.size()) and its
// code point, or 0 when none starts there.
size_t readUtf8(std::string_view text, size_t i, uint32_t& cp);

// Appends UTF-8 `text` as a value of a file with `encoding`: characters
// outside the code page become \U+XXXX, control characters and carets their
// caret form (^I, ^ ).
void appendEncodedText(std::string& out, std::string_view text, const TextEncoding& encoding);

} // namespace host::dxf
