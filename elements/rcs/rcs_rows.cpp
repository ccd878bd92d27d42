// The parameters and default values of each air-terminal type: kinds,
// lists, captions (message numbers) in the order of the type's values.
#include "elements/rcs/rcs_rows.h"

#include "core/param_rows.h"

double RcsTsdHeights[6];

namespace {

// Lists shared by several types.
const double kLengths[] = {200, 300, 400, 500, 600, 800, 1000, 1200};
const double kHeights[] = {100, 200, 300, 400};
const char* const kHV[] = {"H", "V"};
const char* const kFinish[] = {"R", "C", "M"};
const char* const kAccessory[] = {"", "AZN", "ALN", "RSN"};
const char* const kGOption[] = {"", "G1", "G2", "G3", "G4"};
const char* const kTypeT[] = {"T1", "T2", "T3"};
const char* const kTtTypes[] = {"TTE", "TTK", "TTR", "TTM", "TTX"};
const char* const kTtGCodes[] = {"G10", "G11", "G12", "G13", "G14", "G15", "G16"};
const double kTtSmallH[] = {78, 150, 292};
const double kFourDiameters[] = {160, 200, 250, 315};
const double kBldHeights[] = {50, 100, 200, 300};

const char* const kCsdTypes[] = {"CSD", "ASD", "RNN", "AE", "REN"};
const ParamSpec kCsd[] = {Texts(99, kCsdTypes), Numbers(97, kLengths), Numbers(92, kHeights),
                          Texts(100, kHV), Texts(101, kFinish), Texts(102, kAccessory),
                          Texts(103, kGOption), Plain(104, kParamEnabled)};

const char* const kRdnTypes[] = {"RLN", "RDN"};
const ParamSpec kRdn[] = {Texts(99, kRdnTypes), Numbers(97, kLengths), Numbers(92, kHeights),
                          Texts(100, kHV), Texts(101, kFinish), Texts(102, kAccessory),
                          Texts(103, kGOption)};

const char* const kTsdOptions[] = {"", "RGI", "RGP"};
const ParamSpec kTsd[] = {Numbers(97, kLengths), {kParamList, 92, 0, RcsTsdHeights, nullptr},
                          Texts(102, kTsdOptions), Plain(0, kParamEntry)};

const char* const kCtrHV[] = {"H", "V", "H/15"};
const char* const kCtrOptions[] = {"", "S", "AZN"};
const ParamSpec kCtr[] = {Numbers(97, kLengths), Numbers(92, kHeights), Texts(100, kCtrHV),
                          Texts(102, kCtrOptions), Plain(0, kParamEntry)};

const char* const kRlsTypes[] = {"RLS", "RDS", "RKS"};
const char* const kRlsFinish[] = {"R", "C"};
const ParamSpec kRls[] = {Texts(99, kRlsTypes), Numbers(97, kLengths), Numbers(92, kHeights),
                          Texts(101, kRlsFinish), Plain(0, kParamEntry)};

const char* const kAnsTypes[] = {"ASD", "RNN", "AE", "REN"};
const char* const kAnsModules[] = {"1M", "1L", "2M", "2L", "3M", "3L", "4M", "4L",
                                   "5M", "5L", "6M", "6L", "7M", "7L", "8M", "8L"};
const double kAnsEnds[] = {240, 340, 440, 540};
const ParamSpec kAns[] = {Texts(99, kAnsTypes), Texts(115, kAnsModules), Numbers(114, kAnsEnds),
                          Numbers(92, kHeights), Texts(100, kHV), Texts(101, kFinish),
                          Plain(0, kParamEntry)};

const char* const kCnhTypes[] = {"CNH-F", "ANH-F"};
const double kCnhLengths[] = {100, 200, 300, 400, 500, 543, 600, 800, 1000, 1200};
const double kCnhHeights[] = {100, 200, 300, 400, 500, 543, 600};
const ParamSpec kCnh[] = {Texts(99, kCnhTypes), Numbers(97, kCnhLengths),
                          Numbers(92, kCnhHeights), Texts(101, kFinish), Texts(102, kAccessory)};

const char* const kKrsTypes[] = {"KRS", "KMS", "KMS-FP", "KRK", "KMK", "KRS-FP"};
const double kKrsDiameters[] = {160, 180, 200, 220, 235, 250, 300, 315,
                                350, 400, 450, 500, 600, 630, 700, 800};
const char* const kKrsMounting[] = {"FG", "FH", "T"};
const char* const kKrsAccessory[] = {"KRP", "KRT", "Z"};
const ParamSpec kKrs[] = {Texts(99, kKrsTypes), Numbers(113, kKrsDiameters),
                          Texts(101, kKrsMounting), Texts(102, kKrsAccessory)};

const double kBoxDiameters[] = {100, 160, 200, 250, 315, 350, 400, 450, 500};
const char* const kGrilles[] = {"CSD", "ASD", "RNN", "AE",  "REN", "RLN", "RDN",
                                "CNH-F", "ANH-F", "RLS", "RDS", "RKS", "BLD", "BLI"};
const char* const kBoxAccessory[] = {"", "AZN", "VFR"};
const ParamSpec kBox[] = {Numbers(98, kBoxDiameters), Texts(105, kGrilles), Numbers(97, kLengths),
                          Numbers(92, kHeights),      Texts(100, kHV),       Texts(101, kFinish),
                          Texts(102, kBoxAccessory),  Texts(103, kGOption),  Plain(0, kParamEntry),
                          Plain(0, kParamDisabled)};

const char* const kDzkBoxes[] = {"DZK+VFR", "DT+VFR", "DZK+KRP", "DZK+KRT", "DZK+Z"};
const char* const kDzkFaces[] = {"KRS", "KMS", "KMS-FP", "KRK", "KMK",
                                 "KRS-FP", "KRE", "RME", "RME-FP"};
const double kDzkSpigots[] = {80, 100, 125, 160, 200, 250, 315, 400, 500, 560};
const double kDzkFaceSizes[] = {160, 200, 250, 300, 315, 400, 500, 560, 600, 700, 800};
const char* const kDzkFaceTexts[] = {"160 (80)",  "200 (100)", "250 (125)", "300 (200)",
                                     "315 (200)", "400 (250)", "500 (250)", "560 (315)",
                                     "600 (400)", "700 (500)", "800 (560)"};
const ParamSpec kDzk[] = {Texts(106, kDzkBoxes), Texts(105, kDzkFaces), Numbers(83, kDzkSpigots),
                          Labelled(113, kDzkFaceSizes, kDzkFaceTexts)};

// RNT shows the sizes of its first size list until its variant installs
// another one.
const char* const kRntCodes[] = {"DN-VFR", "DN+RM", "DN+MZN"};
const char* const kRntVariants[] = {"RNT-1", "RNTA-1", "RNTA-1-P", "RNT-2", "RNT-3", "RNT-4",
                                    "RNT-5", "RNT-6",  "RNT-7",    "RNT-8", "RNTA-8"};
const double kRntSpigots[] = {80, 100, 125, 160, 200, 250, 315};
const double kRntSizes1[] = {225, 275, 325, 375, 425, 475, 525, 543, 575};
const char* const kRntTexts1[] = {"225 (100)", "275 (125)", "325 (200)", "375 (200)", "425 (250)",
                                  "475 (250)", "525 (250)", "543 (250)", "575 (315)"};
const ParamSpec kRnt[] = {Texts(106, kRntCodes), Texts(105, kRntVariants),
                          Numbers(98, kRntSpigots), Labelled(88, kRntSizes1, kRntTexts1),
                          Labelled(89, kRntSizes1, kRntTexts1)};

const char* const kTpTypes[] = {"TP", "TPM", "TPZ", "TPM", "TP-FP"};
const char* const kTpVariants[] = {"1V", "2V", "3V", "4V"};
const ParamSpec kTp[] = {Texts(99, kTpTypes), Texts(107, kTpVariants),
                         Numbers(83, kFourDiameters)};

const char* const kLsTypes[] = {"LS", "LF", "LS-K", "LF-K"};
const double kLsDiameters[] = {80, 100, 125, 150, 160, 200};
const ParamSpec kLs[] = {Texts(99, kLsTypes), Numbers(113, kLsDiameters)};

const char* const kSbTypes[] = {"SB-DF", "SB-DH", "SB-DC", "SB-DD", "SB-DR",
                                "SA-DF", "SA-DH", "SA-DC", "SA-DD", "SA-DR"};
const double kSbSpigots[] = {125, 160, 200, 250};
const double kSbLengths[] = {300, 600, 900, 1200, 1500, 1800};
const double kSbWidths[] = {1, 2, 3, 4, 5, 6};
const ParamSpec kSb[] = {Texts(106, kSbTypes), Numbers(98, kSbSpigots), Numbers(90, kSbLengths),
                         Numbers(109, kSbWidths)};

const double kBpsSpigots[] = {80, 100, 125, 150, 160, 200, 250};
const double kBpsLengths[] = {257, 505, 555, 753, 1000, 1155, 1250, 1500, 1750, 2000};
const double kBpsWidths[] = {1, 2, 3, 4, 5};
const ParamSpec kBps[] = {Numbers(98, kBpsSpigots), Numbers(90, kBpsLengths),
                          Numbers(109, kBpsWidths), Plain(110, kParamEntry),
                          Plain(0, kParamEntry), Plain(0, kParamEntry)};

const char* const kBpnTypes[] = {"BPN-F", "BPN-F+VFR", "BPN-L", "BPN-L+VFR", "BPN-FP", "BPN-FP+VFR"};
const double kBpnFaces[] = {398, 498, 595, 798};
const char* const kBpnVariants[] = {"N1", "N2", "N3"};
const ParamSpec kBpn[] = {Texts(106, kBpnTypes), Numbers(83, kFourDiameters),
                          Numbers(88, kBpnFaces), Texts(96, kBpnVariants)};

const double kBpkDiameters[] = {300, 400, 500, 600, 800};
const char* const kBpkOptions[] = {"", "VFR", "KRP", "Z"};
const ParamSpec kBpk[] = {Numbers(113, kBpkDiameters), Texts(96, kTypeT), Texts(102, kBpkOptions)};

const char* const kDkBpkBoxes[] = {"DZK+VFR", "DZK+KRP", "DZK+Z"};
const double kDkBpkSpigots[] = {200, 250, 400, 560};
const char* const kDkBpkTexts[] = {"300 (200)", "400 (250)", "500 (250)", "600 (400)",
                                   "800 (560)"};
const ParamSpec kDkBpk[] = {Texts(106, kDkBpkBoxes), Numbers(83, kDkBpkSpigots),
                            Labelled(113, kBpkDiameters, kDkBpkTexts), Texts(96, kTypeT)};

const double kVbfDiameters[] = {200, 250, 315, 400, 450, 500, 630};
const ParamSpec kVbf[] = {Numbers(98, kVbfDiameters), {kParamRadio, 0, 3, nullptr, nullptr}};

const char* const kKdkVariants[] = {"", "L", "F"};
const ParamSpec kKdk[] = {Plain(91), Plain(92), Texts(101, kKdkVariants)};
const ParamSpec kEv[] = {Plain(91), Plain(92)};

const double kTtaSizes[] = {180, 280, 430, 550, 585};
const char* const kTtaTexts[] = {"203", "305", "457", "575", "610"};
const ParamSpec kTta[] = {Texts(105, kTtTypes), Labelled(92, kTtaSizes, kTtaTexts),
                          Labelled(97, kTtaSizes, kTtaTexts), Texts(117, kTtGCodes),
                          Numbers(118, kTtSmallH)};

const double kTthDiameters[] = {180, 200, 250, 315, 350};
const double kTthBoxes[] = {0, 100, 200, 300, 400};
const ParamSpec kTth[] = {Numbers(98, kTthDiameters), Plain(121), Numbers(119, kTthBoxes),
                          Numbers(120, kTthBoxes)};

const ParamSpec kVf18[] = {Plain(83, kParamDiameter)};

const char* const kBsnTypes[] = {"BSN-1", "BSN-2", "BSN-3", "BSN-4"};
const ParamSpec kBsn[] = {Texts(99, kBsnTypes), Plain(88), Plain(91)};

const char* const kBskTypes[] = {"BSK-1", "BSK-2", "BSK-3", "BSK-4"};
const ParamSpec kBsk[] = {Texts(99, kBskTypes),
                          {kParamList, 83, 28, StandardDiameters, nullptr}};  // 80 to 1100

const double kTtbSizes[] = {203, 305, 457, 575, 610};
const ParamSpec kTtb[] = {Texts(105, kTtTypes), Numbers(92, kTtbSizes), Numbers(97, kTtbSizes),
                          Texts(117, kTtGCodes), Numbers(118, kTtSmallH)};

const char* const kTtcVariants[] = {"TTC", "TTD"};
const char* const kTtcHTexts[] = {"203 (160)", "305 (160, 200)", "457 (200)", "575 (250)",
                                  "610 (350)"};
const char* const kTtcLTexts[] = {"203 (160)", "305 (160)", "457 (200)", "575 (250)",
                                  "610 (200, 350)"};
const ParamSpec kTtc[] = {Texts(116, kTtcVariants),          Texts(105, kTtTypes),
                          Numbers(98, kFourDiameters),       Labelled(92, kTtbSizes, kTtcHTexts),
                          Labelled(97, kTtbSizes, kTtcLTexts), Texts(117, kTtGCodes),
                          Numbers(118, kTtSmallH)};

const char* const kTtlTypes[] = {"TTP", "TTS"};
const double kTtlSizes[] = {590};
const char* const kTtlTexts[] = {"628"};
const ParamSpec kTtl[] = {Texts(105, kTtlTypes), Labelled(92, kTtlSizes, kTtlTexts),
                          Labelled(97, kTtlSizes, kTtlTexts), Texts(117, kTtGCodes),
                          Numbers(118, kTtSmallH)};

const char* const kKreTypes[] = {"KRE", "RME", "RME-FP"};
const double kKreDiameters[] = {200, 300, 400, 500};
const char* const kKreFirst[] = {"", "FG", "FH"};
const char* const kKreSecond[] = {"", "KPP", "KRT"};
const ParamSpec kKre[] = {Texts(99, kKreTypes), Numbers(113, kKreDiameters),
                          Texts(101, kKreFirst), Texts(137, kKreSecond)};

const char* const kKaTypes[] = {"KA-1", "KA-2", "KA-3"};
const ParamSpec kKa[] = {Texts(105, kKaTypes), Numbers(83, kFourDiameters)};

const char* const kKfTypes[] = {"KFD", "KFR", "KFH", "KFL", "KSF"};
const double kKfDiameters[] = {250, 315, 400, 500, 630, 800};
const double kKfHeights[] = {600, 1200, 1800};
const ParamSpec kKf[] = {Texts(105, kKfTypes), Numbers(83, kKfDiameters), Numbers(92, kKfHeights)};

const double kKpDiameters[] = {100};
const ParamSpec kKp[] = {Numbers(83, kKpDiameters), Plain(90)};

const char* const kDafTypes[] = {"DAF-S", "DAF-R"};
const double kDafSpigots[] = {125, 160, 200, 250};
const double kDafLengths[] = {300, 553, 900, 1153, 1500, 1800};
const double kDafSizes[] = {1, 2, 3, 4};
const char* const kDafOptions[] = {"", "RG", "VFP"};
const ParamSpec kDaf[] = {Texts(99, kDafTypes),   Numbers(98, kDafSpigots),
                          Numbers(90, kDafLengths), Numbers(109, kDafSizes),
                          Texts(102, kDafOptions), Plain(0, kParamEntry)};

const char* const kPtrdTypes[] = {"PTRD", "PTRI"};
const double kPtrdDiameters[] = {100, 125, 160};
const ParamSpec kPtrd[] = {Texts(99, kPtrdTypes), Numbers(98, kPtrdDiameters),
                           Plain(0, kParamEntry)};

const char* const kBldTypes[] = {"BLD", "BLI"};
const double kBldLengths[] = {300, 500, 700, 900, 1100, 1500};
const char* const kBldAccessory[] = {"", "AZN"};
const ParamSpec kBld[] = {Texts(99, kBldTypes),     Numbers(90, kBldLengths),
                          Numbers(92, kBldHeights), Texts(102, kBldAccessory),
                          Plain(0, kParamEntry),    Plain(0, kParamEntry)};

const char* const kRldTypes[] = {"RLD", "RLI"};
const ParamSpec kRld[] = {Texts(99, kRldTypes),     Plain(90),
                          Numbers(92, kBldHeights), Texts(102, kBldAccessory),
                          Plain(0, kParamEntry),    Plain(0, kParamEntry)};

// "RK.." has a row but no class: captions only.
const ParamSpec kRk[] = {Plain(99), Plain(97), Plain(92), Plain(100),
                         Plain(101), Plain(102), Plain(103)};

struct RowParams {
    const ParamSpec* specs;
    int count;
};

template <size_t N>
constexpr RowParams Row(const ParamSpec (&specs)[N]) {
    return {specs, static_cast<int>(N)};
}

const RowParams kRowParams[kRcsTypeCount] = {
    Row(kCsd),  Row(kRk),   Row(kRdn),  Row(kTsd),  Row(kCtr),   Row(kRls),  Row(kAns),
    Row(kCnh),  Row(kKrs),  Row(kBox),  Row(kBox),  Row(kDzk),   Row(kRnt),  Row(kTp),
    Row(kLs),   Row(kSb),   Row(kBps),  Row(kBpn),  Row(kBpk),   Row(kDkBpk), Row(kVbf),
    Row(kKdk),  Row(kEv),   Row(kTta),  Row(kTth),  Row(kVf18),  Row(kVf18), Row(kBsn),
    Row(kBsk),  Row(kTtb),  Row(kTtc),  Row(kTtl),  Row(kKre),   Row(kKa),   Row(kKf),
    Row(kKp),   Row(kDaf),  Row(kPtrd), Row(kBld),  Row(kRld),
};

}  // namespace

const double RcsDefaultParams[kRcsTypeCount][kRcsDefaultWidth] = {
    {1, 300, 300, 1, 1, 1, 1, 0},           // CSD
    {},                                     // RK (no class)
    {1, 300, 300, 1, 1, 1, 1},              // RDN
    {300, 20, 1, 0},                        // TSD
    {300, 300, 1, 1, 0},                    // CTR
    {1, 300, 300, 1, 0},                    // RLS
    {1, 1, 240, 300, 1, 1, 0},              // ANS
    {1, 300, 300, 1, 1},                    // CNH-F
    {1, 400, 1, 1},                         // KRS
    {400, 1, 600, 300, 1, 1, 1, 1, 0, 0},   // BBL
    {400, 1, 600, 300, 1, 1, 1, 1, 0, 0},   // BBF
    {1, 1, 300, 400},                       // DZK
    {1, 1, 300, 400, 400},                  // RNT
    {1, 1, 300},                            // TP
    {1, 125},                               // LS
    {1, 250, 900, 1},                       // SB
    {250, 1000, 1, 0, 0, 0},                // BPS
    {1, 250, 595, 1},                       // BPN
    {300, 1, 1},                            // BPK
    {1, 250, 400, 1},                       // BPK+DZK
    {315, 1, 1},                            // VBF
    {150, 150, 1},                          // KDK
    {150, 150},                             // EV
    {1, 180, 180, 1, 150},                  // TTA
    {200, 200, 0, 0},                       // TTH
    {100},                                  // VF-18
    {100},                                  // VF-19
    {1, 200, 200},                          // BSN
    {1, 200},                               // BSK
    {1, 203, 203, 1, 150, 100},             // TTB (the sixth is the connector's b)
    {1, 1, 200, 203, 203, 1, 150},          // TTC/TTD
    {1, 590, 590, 1, 150},                  // TTL
    {1, 200, 1, 1},                         // KRE
    {1, 160},                               // KA
    {1, 250, 600},                          // KF
    {100, 200},                             // KP
    {1, 125, 900, 1, 1, 1},                 // DAF
    {1, 100, 0},                            // PTRD/PTRI
    {1, 300, 200, 1, 0, 0},                 // BLD/BLI
    {1, 300, 200, 1, 0, 0},                 // RLD/RLI
};

const double* RcsDefaultRow(int id) {
    if (id < 1 || id > kRcsTypeCount || id == 2)
        return nullptr;
    return RcsDefaultParams[id - 1];
}

void FillRcsRowParams(LTypeDescriptor* table) {
    for (int i = 0; i < kRcsTypeCount; ++i)
        ApplyParamSpecs(&table[i], kRowParams[i].specs, kRowParams[i].count);
}
