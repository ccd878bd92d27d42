// One air system as every element carries it: pens, text size, switches,
// label numbering and styles.  A plain record copied field by field.
//
// The text fields are fixed buffers.  Every write goes through
// CopyFieldText (core/system_text.h), which cuts a text that does not fit
// at a UTF-8 character boundary and always terminates it.  Where a cut
// would change what the text names, the writer refuses instead: the XRECORD
// reader skips a system whose layer, linetype or style name is too long,
// while a long name is cut and a tag is cut to its 4 characters.
#pragma once

#include <cstdint>
#include <type_traits>

struct LSystemRecord {
    double size = 100.0;        // text size of dimensions and labels
    char tag[16] = "";          // at most 4 upper-case characters
    char name[80] = "";
    int16_t penColour[3] = {256, 0, 0};  // pens 0 (insert), 1, 2
    double zigzagScale = 1.0;
    char penLinetype[3][32] = {"", "", ""};
    char penLayer[3][32] = {"", "", ""};
    int16_t centreColour = 0;
    char centreLinetype[32] = "";
    char centreLayer[32] = "";
    int16_t rectCentreLines = 1;
    int16_t roundCentreLines = 1;
    int32_t labelNumberOffset = 0;
    int16_t labelCircle = 1;
    int16_t labelFrame = 1;
    int16_t dimTextColour = 7;
    int16_t dimColour = 7;
    char textStyle[32] = "";
    char dimStyle[32] = "";
    char labelLayer[32] = "";
};

// Copy construction and assignment copy every field; the record owns nothing.
static_assert(std::is_trivially_copyable_v<LSystemRecord>);
