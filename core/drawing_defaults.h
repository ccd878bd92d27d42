// The drawing's defaults (label distance, standard piece lengths, insertion
// scale), stored as XDATA of the application "LurakCad_B1" on the program
// dictionary: 1001 app, then four 1040 reals in the order of the fields.
#pragma once

#include <cstdint>

#include "acge.h"
#include "ads_types.h"

struct LDrawingDefaults {
    double labelDistance = 50.0;
    double rectPieceLength = 1500.0;
    double roundPieceLength = 6000.0;
    AcGeScale3d insertScale;  // one factor for x, y and z
    int16_t hasElements = 0;  // 1 once the drawing is known to hold elements
};


// Reads the consecutive 1040 reals of the program's XDATA, from the first
// one on; values not stored keep what defaults holds.  0, or -1 when the
// dictionary cannot be read.
int16_t ReadDrawingDefaults(const ads_name dictionary, LDrawingDefaults* defaults);
// Replaces the program's XDATA on the dictionary with the four values
// (the insertion scale's x factor stands for all three).  0, or -1 when
// the dictionary cannot be opened or refuses the data.
int16_t WriteDrawingDefaults(const ads_name dictionary, const LDrawingDefaults& defaults);
