#include "core/catalogue_strings.h"

#include "core/type_tables.h"

namespace {

const char* OrEmpty(const char* text) { return text ? text : ""; }

}  // namespace

const char* CataloguePageOf(int family, int subtype) {
    const LTypeDescriptor* row = subtype >= 1 ? TypeRow(family, subtype) : nullptr;
    return row ? OrEmpty(row->cataloguePage) : "";
}

const char* TypeNameOf(int family, int subtype) {
    const LTypeDescriptor* row = subtype >= 1 ? TypeRow(family, subtype) : nullptr;
    return row ? OrEmpty(row->displayCode) : "";
}

const char* BlockNameOf(int family, int subtype) {
    const LTypeDescriptor* row = subtype >= 1 ? TypeRow(family, subtype) : nullptr;
    return row ? OrEmpty(row->slideName) : "";
}

const char* BlockPrefixOf(int family, int subtype) {
    const LTypeDescriptor* row = subtype >= 1 ? TypeRow(family, subtype) : nullptr;
    return row ? OrEmpty(row->blockPrefix) : "";
}
