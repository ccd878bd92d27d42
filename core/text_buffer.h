// Texts handed to callers as new character buffers (freed with delete[]).
#pragma once

#include <cstddef>
#include <string>

// A new buffer of at least leastSize characters holding the whole text:
// a text longer than the documented buffer gets a larger one, never cut.
char* NewTextBuffer(const std::string& text, size_t leastSize);
// A new buffer of exactly size characters (size >= 1) holding the text cut to
// size - 1 bytes; a character of several UTF-8 bytes is never split.
char* NewCutTextBuffer(const std::string& text, size_t size);
// printf-style formatting into a string of any length.
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
