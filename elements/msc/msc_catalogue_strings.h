// Catalogue texts of the fan, heater and filter family (family 5, 12 types).
// Rows are indexed by type id - 1, except the dialog keys: the twelve types
// share four dialogs, picked by the family's type table.
#pragma once

extern const char* const MscCatalogueNumbers[12];
extern const char* const MscDclKeys[4];
extern const char* const MscTypeNames[12];
extern const char* const MscBlockNames[12];
extern const char* const MscBlockPrefixes[12];
