// One air system as an XRECORD of the program dictionary.  The record is
// written in the long form; the reader also takes the short form that an
// earlier version wrote (its later fields get fixed values).
#pragma once

#include <cstddef>
#include <cstdint>

#include "ads_types.h"
#include "core/system_record.h"

constexpr const char* kSystemXrecordMarker = "{LURAK";

// A new list of the XRECORD's groups (0 "XRECORD" first) for acdbEntMakeX;
// the caller releases it with acutRelRb.  Null when the host refuses it.
resbuf* BuildSystemXrecord(const LSystemRecord* record);

// Fills record from an XRECORD's data as the host returns it.  0, or -1
// when the data is not a system (the fields read so far stay filled).  A
// layer, linetype or style name that does not fit its field refuses the
// whole record, since a cut name would name another layer; an over-long
// system name is cut and a tag is cut to its 4 characters.
int16_t ParseSystemXrecord(LSystemRecord* record, const resbuf* chain);

// Sets the fields that the short form leaves out to its fixed values,
// from the tag, pen-0 layer and size already in the record.
void FillShortForm(LSystemRecord& record);

// The label layer of a short-form system: "LURAK-", the tag, "-" and the
// size rounded to a whole number (LURAK-ZL1-100).  Cut to fit out.
void ShortFormLabelLayer(char* out, size_t outSize, const char* tag, double size);
