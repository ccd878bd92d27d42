// The air terminals' value lists that both the type entries and the classes
// read: the choices of a parameter and the texts the names are made of.
#pragma once

inline constexpr const char* kHV[] = {"H", "V"};
inline constexpr const char* kFinish[] = {"R", "C", "M"};
inline constexpr const char* kAccessory[] = {"", "AZN", "ALN", "RSN"};
inline constexpr const char* kGOption[] = {"", "G1", "G2", "G3", "G4"};
inline constexpr const char* kCsdTypes[] = {"CSD", "ASD", "RNN", "AE", "REN"};
inline constexpr const char* kRdnTypes[] = {"RLN", "RDN"};
inline constexpr const char* kTsdOptions[] = {"", "RGI", "RGP"};
inline constexpr const char* kCtrHV[] = {"H", "V", "H/15"};
inline constexpr const char* kCtrOptions[] = {"", "S", "AZN"};
