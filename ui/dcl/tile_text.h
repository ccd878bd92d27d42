// The texts of dialog tiles: how numbers are written into tiles and read
// back from them.  The dialogs work with narrow texts; the conversion to
// the host's wide strings happens in LDialog.
#pragma once

#include <string>

// A tile value rounded to a whole number the way the dialogs have always
// read them: a fraction above one half goes away from zero, a half or less
// toward zero (12.5 gives 12, 12.6 gives 13, -12.5 gives -12).
double RoundTileNumber(double x);

// The first number of a tile value, rounded by RoundTileNumber; -1 when the
// value does not start with a number (blanks before it are skipped), and
// for values beyond the integer range or not finite.
int ParseTileNumber(const char* text);

// The whole number after exactly n + 1 leading underscores ("__3" with
// n = 1 gives 3), the key form of the radio buttons of the n-th radio
// group; -1 when the value has another form.
int ParseNumberAfterUnderscores(const char* text, int n);

// The written forms.  Each is cut to the 31 characters a number tile holds.
std::string FormatTileInt(int value);                            // "%d"
std::string FormatNumberAfterUnderscores(int value, int n);      // n + 1 '_', "%d"
std::string FormatTileDouble(double value);                      // "%lg"
std::string FormatTileDouble1(double value);                     // "%.1lf"
// List entries: "%lg" and "%lg%%"; an entry equal to 0 is written "0".
std::string FormatListDouble(double value);
std::string FormatListPercent(double value);
