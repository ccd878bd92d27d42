// The layer names the module writes or guards: the prefix of the air
// systems' own layers ("LURAK-" and the tag, "-" and a size for a label
// layer), the host's layer "0", where block contents are drawn, and its
// "DEFPOINTS".
#pragma once

constexpr const char* kSystemLayerPrefix = "LURAK-";
constexpr const char* kLayerZero = "0";
constexpr const wchar_t* kLayerZeroWide = L"0";
constexpr const char* kLayerDefpoints = "DEFPOINTS";
constexpr const wchar_t* kLayerDefpointsWide = L"DEFPOINTS";
