// Catalogue texts of the air-terminal family (family 3, 40 types).
// Rows are indexed by type id - 1, except the dialog keys, which the
// family's type table picks by row (VF-18, VF-19, BSN and BSK take theirs
// from the round-duct and fire-damper keys).
#pragma once

extern const char* const RcsCatalogueNumbers[40];
extern const char* const RcsDclKeys[28];
extern const char* const RcsTypeNames[40];
extern const char* const RcsBlockNames[40];
extern const char* const RcsBlockPrefixes[40];
