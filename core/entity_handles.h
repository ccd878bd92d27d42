// Small helpers over entities of the drawing.
#pragma once

#include <cstddef>
#include <cstdint>

#include "ads_types.h"

// The program's application name and the one-entry application list passed
// to the host whenever an entity is read with its XDATA.
extern const wchar_t* const kProgramAppName;
const resbuf* ProgramAppFilter();

// The handle text (group 5) of an entity, cut to outSize characters; -1 for
// the null name or an entity that cannot be read or has no handle (the
// output is then untouched), else 0.
int16_t GetEntityHandle(const ads_name entity, char* out, size_t outSize);
// True when the drawing still holds the entity (it can be read).
bool EntityExists(const ads_name entity);
