#include "elements/rcs/rnt_size_lists.h"

namespace {

const double kA2[] = {225, 275, 325, 375, 425, 475, 525, 575};
const char* const kA2Texts[] = {"225 (100)", "275 (125)", "325 (125)", "375 (160)",
                                "425 (160)", "475 (200)", "525 (250)", "575 (250)"};
const double kB2[] = {150, 175, 200, 225, 250, 275, 300, 325};
const char* const kB2Texts[] = {"150 (100)", "175 (125)", "200 (125)", "225 (160)",
                                "250 (160)", "275 (200)", "300 (250)", "325 (250)"};
const double kA3[] = {150, 175, 200, 225, 250, 275, 300, 325};
const char* const kA3Texts[] = {"150 (80)",  "175 (80)",  "200 (80)",  "225 (100)",
                                "250 (125)", "275 (125)", "300 (200)", "325 (200)"};
const double kA4[] = {225, 325, 425, 525, 543, 625};
const char* const kA4Texts[] = {"225", "325", "425", "525", "543", "625"};
const double kB4[] = {185, 285, 385, 485, 585};
const double kA5[] = {325, 425, 525, 543, 625};
const char* const kA5Texts[] = {"325", "425", "525", "543", "625"};
const double kB5[] = {225, 325, 425};
const double kA7[] = {275, 375, 425, 525, 543, 625};
const char* const kA7Texts[] = {"275", "375", "425", "525", "543", "625"};
const double kB78[] = {225, 325, 425, 525};
const double kA8[] = {325, 425, 525, 625};
const char* const kA8Texts[] = {"325", "425", "525", "625"};

// B texts by the position of A.
const char* const kB4Texts0[] = {"185 (100)"};
const char* const kB4Texts12[] = {"185 (125)", "285 (160)", "385 (200)"};
const char* const kB4Texts3[] = {"185 (125)", "285 (200)", "385 (250)", "485 (250)"};
const char* const kB4Texts4[] = {"185 (125)", "285 (200)", "385 (250)", "485 (315)", "585 (315)"};
const char* const kB5Texts01[] = {"225 (160)", "325 (200)"};
const char* const kB5Texts2[] = {"225 (160)", "325 (250)", "425 (250)"};
const char* const kB7Texts0[] = {"225 (125)"};
const char* const kB7Texts12[] = {"225 (160)", "325 (200)", "425 (250)"};
const char* const kB7Texts3[] = {"225 (160)", "325 (250)", "425 (250)", "525 (250)"};
const char* const kB7Texts3Large[] = {"225 (160)", "325 (250)", "425 (250)", "525 (315)"};
const char* const kB8Texts01[] = {"225 (160)", "325(200)"};
const char* const kB8Texts2[] = {"225 (160)", "325(250)", "425(250)"};
const char* const kB8Texts3[] = {"225 (160)", "325(250)", "425(315)", "525 (315)"};

const RntSizeList kLists[kRntListCount] = {
    {9, kRntSizes1, kRntTexts1, 9, kRntSizes1, kRntTexts1},
    {8, kA2, kA2Texts, 8, kB2, kB2Texts},
    {8, kA3, kA3Texts, 8, kA3, kA3Texts},
    {6, kA4, kA4Texts, 5, kB4, kB4Texts0},
    {5, kA5, kA5Texts, 3, kB5, kB5Texts01},
    {9, kRntSizes1, kRntTexts1, 9, kRntSizes1, kRntTexts1},
    {6, kA7, kA7Texts, 4, kB78, kB7Texts0},
    {4, kA8, kA8Texts, 4, kB78, kB8Texts01},
};

}  // namespace

const double kRnt543Size[1] = {543};
const char* const kRnt543Text[1] = {"543 (250)"};

const RntSizeList& RntSizes(int k) { return kLists[k >= 1 && k <= kRntListCount ? k - 1 : 0]; }

int RntListOfVariant(int variant) {
    if (variant < 3)
        return 1;
    return variant > 10 ? 8 : variant - 2;
}

const char* const* RntNarrowedBTexts(int k, int i, double a) {
    switch (k) {
    case 4:
        return i <= 0 ? kB4Texts0 : i <= 2 ? kB4Texts12 : i == 3 ? kB4Texts3 : kB4Texts4;
    case 5:
        return i <= 1 ? kB5Texts01 : kB5Texts2;
    case 7:
        if (i <= 0)
            return kB7Texts0;
        if (i <= 2)
            return kB7Texts12;
        return a < 625 ? kB7Texts3 : kB7Texts3Large;
    case 8:
        return i <= 1 ? kB8Texts01 : i == 2 ? kB8Texts2 : kB8Texts3;
    default:
        return nullptr;
    }
}
