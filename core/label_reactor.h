// The label reactor's work: a number label insert that is erased takes its
// leader with it, and one that is un-erased brings it back.  The reactor
// object itself lives in the entry point, which hands it over here
// (UseLabelReactor); these functions are what it and the document state
// call.
#pragma once

#include <cstdint>

#include "acdb_objects.h"

// What LLabelReactor::erased does.
void LabelErased(const AcDbObject* object, Adesk::Boolean erasing);

// Attaches the label reactor to, or detaches it from, every label insert
// and leader of the current drawing; always 0.
int16_t AttachLabelReactors();
int16_t DetachLabelReactors();

// The reactor the labels attach (none until one is set: the entry point's
// instance, or a test's own); returns the one it replaces.
AcDbObjectReactor* UseLabelReactor(AcDbObjectReactor* reactor);
AcDbObjectReactor* CurrentLabelReactor();
// Adds or removes the current label reactor on one entity.
void AttachLabelReactorTo(const ads_name entity);
