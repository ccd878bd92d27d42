// Catalogue texts of the rectangular duct family (family 1, 32 types).
// Rows are indexed by type id - 1, except the dialog keys, which the
// family's type table picks by row.
#pragma once

extern const char* const VlCatalogueNumbers[32];
extern const char* const VlDclKeys[20];
extern const char* const VlTypeNames[32];
extern const char* const VlBlockNames[32];
extern const char* const VlBlockPrefixes[32];
