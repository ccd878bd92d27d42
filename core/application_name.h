// The module's registered application name: it names the module's XDATA on
// every entity it writes and its entry in the named-object dictionary.
#pragma once

constexpr const char* kApplicationName = "LurakCad_B1";
constexpr const wchar_t* kApplicationNameWide = L"LurakCad_B1";
