// Bounded look-ups in the short text lists the elements build their names
// from, and the size texts of their labels and descriptions.
#pragma once

#include <cstddef>
#include <string>

// The text at 1-based position pos of a list, "" outside it.
template <size_t N>
const char* ListText(const char* const (&list)[N], int pos) {
    return pos >= 1 && pos <= static_cast<int>(N) && list[pos - 1] ? list[pos - 1] : "";
}

// Appends "+item" to a name; an empty item (a position outside its list)
// adds nothing.
void AppendItem(std::string* name, const char* item);

// "300 x 200": a rectangular size.
std::string RectSizeText(double width, double height);
// The diameter sign and the diameter: a round size.
std::string RoundSizeText(double diameter);
