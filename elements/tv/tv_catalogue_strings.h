// Catalogue texts of the fire-damper family (family 4, 17 types).
// Rows are indexed by type id - 1, except the dialog keys, which the
// family's type table (and the air terminals BSN and BSK) pick by row.
#pragma once

extern const char* const TvCatalogueNumbers[17];
extern const char* const TvDclKeys[14];
extern const char* const TvTypeNames[17];
extern const char* const TvBlockNames[17];
extern const char* const TvBlockPrefixes[17];
