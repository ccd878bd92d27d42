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

// Sizes of the rectangular faces.
inline constexpr double kLengths[] = {200, 300, 400, 500, 600, 800, 1000, 1200};
inline constexpr double kHeights[] = {100, 200, 300, 400};
inline constexpr double kBldLengths[] = {300, 500, 700, 900, 1100, 1500};
inline constexpr double kBldHeights[] = {50, 100, 200, 300};

inline constexpr const char* kRlsTypes[] = {"RLS", "RDS", "RKS"};
inline constexpr const char* kRlsFinish[] = {"R", "C"};
inline constexpr const char* kAnsTypes[] = {"ASD", "RNN", "AE", "REN"};
inline constexpr const char* kAnsModules[] = {"1M", "1L", "2M", "2L", "3M", "3L", "4M", "4L",
                                              "5M", "5L", "6M", "6L", "7M", "7L", "8M", "8L"};
// CNH-F and ANH-F are named after the grilles they are made from.
inline constexpr const char* kCnhNames[] = {"CSD", "ASD"};
inline constexpr const char* kKrsTypes[] = {"KRS", "KMS", "KMS-FP", "KRK", "KMK", "KRS-FP"};
inline constexpr const char* kKrsMounting[] = {"FG", "FH", "T"};
inline constexpr const char* kKrsAccessory[] = {"KRP", "KRT", "Z"};
// The grilles a BBL or BBF box carries.
inline constexpr const char* kGrilles[] = {"CSD", "ASD", "RNN", "AE",  "REN", "RLN", "RDN",
                                           "CNH-F", "ANH-F", "RLS", "RDS", "RKS", "BLD", "BLI"};
inline constexpr const char* kBoxAccessory[] = {"", "AZN", "VFR"};
inline constexpr const char* kDzkBoxes[] = {"DZK+VFR", "DT+VFR", "DZK+KRP", "DZK+KRT", "DZK+Z"};
inline constexpr const char* kDzkFaces[] = {"KRS", "KMS", "KMS-FP", "KRK", "KMK",
                                            "KRS-FP", "KRE", "RME", "RME-FP"};
inline constexpr const char* kRntCodes[] = {"DN-VFR", "DN+RM", "DN+MZN"};
inline constexpr const char* kRntVariants[] = {"RNT-1", "RNTA-1", "RNTA-1-P", "RNT-2",
                                               "RNT-3", "RNT-4",  "RNT-5",    "RNT-6",
                                               "RNT-7", "RNT-8",  "RNTA-8"};
inline constexpr const char* kTpTypes[] = {"TP", "TPM", "TPZ", "TPM", "TP-FP"};
inline constexpr const char* kTpVariants[] = {"1V", "2V", "3V", "4V"};
inline constexpr const char* kLsTypes[] = {"LS", "LF", "LS-K", "LF-K"};
inline constexpr const char* kTypeT[] = {"T1", "T2", "T3"};
inline constexpr const char* kBpkOptions[] = {"", "VFR", "KRP", "Z"};
inline constexpr const char* kDkBpkBoxes[] = {"DZK+VFR", "DZK+KRP", "DZK+Z"};
inline constexpr const char* kSbTypes[] = {"SB-DF", "SB-DH", "SB-DC", "SB-DD", "SB-DR",
                                           "SA-DF", "SA-DH", "SA-DC", "SA-DD", "SA-DR"};
inline constexpr const char* kBpnTypes[] = {"BPN-F", "BPN-F+VFR", "BPN-L",
                                            "BPN-L+VFR", "BPN-FP", "BPN-FP+VFR"};
inline constexpr const char* kBpnVariants[] = {"N1", "N2", "N3"};
inline constexpr const char* kKdkVariants[] = {"", "L", "F"};
inline constexpr const char* kBsnTypes[] = {"BSN-1", "BSN-2", "BSN-3", "BSN-4"};
inline constexpr const char* kBskTypes[] = {"BSK-1", "BSK-2", "BSK-3", "BSK-4"};
