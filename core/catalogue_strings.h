// The catalogue texts of the five element families, gathered by family:
// catalogue page, properties-dialog key, display code, slide (block) name
// and block-name prefix of each type.  The texts are the families' constant
// data; these tables only point at them, so they are ready before any code
// runs and never change.
//
// Family codes 1 to 5: rectangular ducts, round ducts, air terminals, fire
// dampers, fans/heaters/filters.  The rows of a column are indexed by
// subtype - 1, except the dialog keys, whose rows the type tables pick.
#pragma once

struct CatalogueStringTable {
    const char* const* rows;
    int count;
};

constexpr int kCatalogueFamilyCount = 5;
using CatalogueStringColumn = CatalogueStringTable[kCatalogueFamilyCount];

extern const CatalogueStringColumn FamilyCatalogueNumbers;
extern const CatalogueStringColumn FamilyDclKeys;
extern const CatalogueStringColumn FamilyTypeNames;
extern const CatalogueStringColumn FamilyBlockNames;
extern const CatalogueStringColumn FamilyBlockPrefixes;

// Row `row` (from 0) of a family (1 to 5) in a column, or "" when either is
// out of range.
const char* CatalogueText(const CatalogueStringColumn& column, int family, int row);
// Rows of a family in a column; 0 for an unknown family.
int CatalogueRowCount(const CatalogueStringColumn& column, int family);

// The texts of one type (subtype from 1); "" when out of range.
const char* CataloguePageOf(int family, int subtype);
const char* TypeNameOf(int family, int subtype);
const char* BlockNameOf(int family, int subtype);
const char* BlockPrefixOf(int family, int subtype);
