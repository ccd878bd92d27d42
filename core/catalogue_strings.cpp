#include "core/catalogue_strings.h"

#include "elements/msc/msc_catalogue_strings.h"
#include "elements/rcs/rcs_catalogue_strings.h"
#include "elements/tv/tv_catalogue_strings.h"
#include "elements/vf/vf_catalogue_strings.h"
#include "elements/vl/vl_catalogue_strings.h"

namespace {

template <int N>
constexpr CatalogueStringTable Table(const char* const (&rows)[N])
{
    return CatalogueStringTable{rows, N};
}

// Row of a subtype (from 1); -1 for a subtype below 1.
int RowOfSubtype(int subtype)
{
    return subtype >= 1 ? subtype - 1 : -1;
}

} // namespace

const CatalogueStringColumn FamilyCatalogueNumbers = {
    Table(VlCatalogueNumbers), Table(VfCatalogueNumbers), Table(RcsCatalogueNumbers),
    Table(TvCatalogueNumbers), Table(MscCatalogueNumbers),
};

const CatalogueStringColumn FamilyDclKeys = {
    Table(VlDclKeys), Table(VfDclKeys), Table(RcsDclKeys), Table(TvDclKeys), Table(MscDclKeys),
};

const CatalogueStringColumn FamilyTypeNames = {
    Table(VlTypeNames), Table(VfTypeNames), Table(RcsTypeNames), Table(TvTypeNames), Table(MscTypeNames),
};

const CatalogueStringColumn FamilyBlockNames = {
    Table(VlBlockNames), Table(VfBlockNames), Table(RcsBlockNames), Table(TvBlockNames), Table(MscBlockNames),
};

const CatalogueStringColumn FamilyBlockPrefixes = {
    Table(VlBlockPrefixes), Table(VfBlockPrefixes), Table(RcsBlockPrefixes),
    Table(TvBlockPrefixes), Table(MscBlockPrefixes),
};

int CatalogueRowCount(const CatalogueStringColumn& column, int family)
{
    if (family < 1 || family > kCatalogueFamilyCount)
        return 0;
    return column[family - 1].count;
}

const char* CatalogueText(const CatalogueStringColumn& column, int family, int row)
{
    if (row < 0 || row >= CatalogueRowCount(column, family))
        return "";
    const char* text = column[family - 1].rows[row];
    return text ? text : "";
}

const char* CataloguePageOf(int family, int subtype)
{
    return CatalogueText(FamilyCatalogueNumbers, family, RowOfSubtype(subtype));
}

const char* TypeNameOf(int family, int subtype)
{
    return CatalogueText(FamilyTypeNames, family, RowOfSubtype(subtype));
}

const char* BlockNameOf(int family, int subtype)
{
    return CatalogueText(FamilyBlockNames, family, RowOfSubtype(subtype));
}

const char* BlockPrefixOf(int family, int subtype)
{
    return CatalogueText(FamilyBlockPrefixes, family, RowOfSubtype(subtype));
}
