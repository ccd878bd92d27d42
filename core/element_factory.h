// The element factory and the readers that tell, from an insert's XDATA
// alone, whether it is an element, of which family, subtype and system.
#pragma once

#include <cstddef>
#include <cstdint>

#include "ads_types.h"

class LObject;

// A new element of the family's subtype from its registered maker, owned by
// the caller (delete with DestroyElement), or null.  An alias family code
// makes an element of its family; family 16 makes the custom element
// whatever the subtype.
LObject* CreateElement(int16_t family, uint16_t subtype);

// The same readers on an element's insert, read with the program's XDATA.
int16_t GetElementType(const ads_name entity, uint16_t* family, uint16_t* subtype);
int16_t IsElementOfSystem(const ads_name entity, const char* tag);
// out needs room for at least 5 characters.
int16_t GetElementSystemTag(const ads_name entity, char* out, size_t outSize);

// The readers work on an entity's data list read with the program's XDATA
// (the XDATA marker group -3 followed by the application's groups).
// Family and subtype: 0, or -1 leaving the outputs unwritten.
int16_t ReadElementType(const resbuf* list, uint16_t* family, uint16_t* subtype);
// 1 when the list's system tag equals the tag, ignoring case; else 0.
int16_t ListIsOfSystem(const resbuf* list, const char* tag);
// The first 4 characters of an element's system tag into out (room for
// outSize characters); 0, or -1 for an empty tag or data of another shape.
int16_t ReadSystemTag(const resbuf* list, char* out, size_t outSize);
