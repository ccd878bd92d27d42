// The fire-damper family's type table rows and shared texts.
#pragma once

#include <cstdint>

#include "core/type_tables.h"

int16_t InitTvTypeTable();

// The parameter that holds the user's free text, per subtype (1 to 17);
// -1 outside.
int16_t TvTextParam(int subtype);

// Variant codes (value 1 to 4) and actuator codes (value 1 to 3); "" for a
// value outside its list.
const char* TvVariantCode(int value);
const char* TvActuatorCode(int value);
// Installation text (a message number, 0 = none) from two on/off flags, or
// from a four-way choice.
int TvInstallMessageFromFlags(bool a, bool b);
int TvInstallMessageFromChoice(int choice);
