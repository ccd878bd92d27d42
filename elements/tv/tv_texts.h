// The fire dampers' shared texts: variant and actuator codes (the choices of
// the type entries and the names the classes write) and the installation text.
#pragma once

inline constexpr const char* kTvVariants[] = {"HP", "HL", "VG", "VD"};
inline constexpr const char* kTvActuators[] = {"GHPV", "GPV-AG", "GPV-TP"};

// Installation text (a message number, 0 = none) from two on/off flags, or
// from a four-way choice.
int TvInstallMessageFromFlags(bool a, bool b);
int TvInstallMessageFromChoice(int choice);
