// The eight pairs of size lists of the RNT grille (face A x B): each
// variant takes one list, and some lists offer only the B sizes that fit
// the chosen A.  A size is shown by its text, the spigot that suits it in
// brackets.
#pragma once

#include <cstdint>

struct RntSizeList {
    int16_t aCount;
    const double* aValues;
    const char* const* aTexts;
    int16_t bCount;
    const double* bValues;
    const char* const* bTexts;  // lists 4, 5, 7, 8: the texts of the smallest A
};

constexpr int kRntListCount = 8;

// The list the type's row is loaded with (list 1, as A and as B).
inline constexpr double kRntSizes1[] = {225, 275, 325, 375, 425, 475, 525, 543, 575};
inline constexpr const char* kRntTexts1[] = {"225 (100)", "275 (125)", "325 (200)",
                                             "375 (200)", "425 (250)", "475 (250)",
                                             "525 (250)", "543 (250)", "575 (315)"};

// Size list k (1 to 8); list 1 outside.
const RntSizeList& RntSizes(int k);
// The list of an RNT variant (1-based position in the variant list).
int RntListOfVariant(int variant);
// The B texts of lists 4, 5, 7 and 8 for A at 0-based position i of the
// narrowed list (list 7 tells its largest A apart by the value of A); null
// for the other lists.
const char* const* RntNarrowedBTexts(int k, int i, double a);
// The one B size of an A of 543 in lists 4, 5 and 7.
extern const double kRnt543Size[1];
extern const char* const kRnt543Text[1];
