// Fixed text fields of the air-system records.  Every copy into a field
// goes through these helpers, so a text that does not fit is cut (never
// overrun) and the cut never splits a UTF-8 character.
#pragma once

#include <cstddef>

// Copies src (null counts as "") into dst of dstSize bytes, cut at a
// character boundary so that it fits with its terminator.  Returns true
// when the whole text fitted.
bool CopyFieldText(char* dst, size_t dstSize, const char* src);

template <size_t N>
bool CopyFieldText(char (&dst)[N], const char* src) {
    return CopyFieldText(dst, N, src);
}

// Tag normalisation: cut after the 4th character, then upper-case (ASCII
// letters; other characters stay as they are).
constexpr int kSystemTagLength = 4;
void NormaliseSystemTag(char* tag);

// Layer, linetype and style names: equal without regard to (ASCII) case.
bool SameName(const char* a, const char* b);
