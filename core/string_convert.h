// Conversions between the module's narrow (UTF-8) texts and the host's wide
// strings.  Every host call that takes or returns a string goes through them.
#pragma once

#include <cstddef>
#include <string>

std::string ToNarrowString(const wchar_t* text);  // null gives ""
std::string StringToNarrow(std::wstring text);
// Copies the converted text into out, cut to fit outSize wide characters
// (always terminated when outSize > 0).  Returns the length written.
size_t ToWideString(const char* text, wchar_t* out, size_t outSize);
std::wstring ToWide(const char* text);  // null gives L""
