// Catalogue texts of the round duct family (family 2, 22 types).
// Rows are indexed by type id - 1, except the dialog keys, which the
// family's type table (and the air terminals VF-18 and VF-19) pick by row.
#pragma once

extern const char* const VfCatalogueNumbers[22];
extern const char* const VfDclKeys[15];
extern const char* const VfTypeNames[22];
extern const char* const VfBlockNames[22];
extern const char* const VfBlockPrefixes[22];
