#include "ui/dcl/properties_layout.h"

#include <algorithm>

#include "core/catalogue_strings.h"
#include "core/type_tables.h"

namespace {

constexpr int kFamilies = 5;

PropertiesLayout& LayoutOfKey(PropertiesLayouts& layouts, const std::string& key) {
    for (PropertiesLayout& layout : layouts.dialogs)
        if (layout.dialogKey == key)
            return layout;
    layouts.dialogs.push_back(PropertiesLayout{});
    layouts.dialogs.back().dialogKey = key;
    return layouts.dialogs.back();
}

bool IsEditBox(ValueTile tile) { return tile == ValueTile::kEdit || tile == ValueTile::kText; }

// Puts one parameter's tile into the layout; false when the layout already
// shows that parameter by another tile.
bool PlaceTile(PropertiesLayout& layout, size_t index, ValueTile tile, int radioGroup) {
    if (layout.valueTiles.size() <= index) {
        layout.valueTiles.resize(index + 1, ValueTile::kNone);
        layout.radioGroups.resize(index + 1, -1);
    }
    ValueTile& placed = layout.valueTiles[index];
    int& group = layout.radioGroups[index];
    if (placed == ValueTile::kNone) {
        placed = tile;
        group = radioGroup;
        return true;
    }
    if (IsEditBox(placed) && IsEditBox(tile)) {
        // One edit box serves numbers and texts; the text box is the wider.
        if (tile == ValueTile::kText)
            placed = tile;
        return true;
    }
    return placed == tile && group == radioGroup;
}

bool AddRow(PropertiesLayout& layout, const LTypeDescriptor& row) {
    bool fits = true;
    int radioGroup = 0;
    for (int i = 0; i < row.paramCount; ++i) {
        if (i == row.switchParam)
            continue;
        ValueTile tile = ValueTileOfKind(DescKind(&row, i));
        int group = tile == ValueTile::kRadio ? radioGroup++ : -1;
        fits = PlaceTile(layout, static_cast<size_t>(i), tile, group) && fits;
    }
    if (row.switchParam >= 0)
        fits = PlaceTile(layout, static_cast<size_t>(row.switchParam), ValueTile::kToggle, -1) && fits;
    layout.flowCount = std::max<int>(layout.flowCount, row.flowCount);
    return fits;
}

}  // namespace

ValueTile ValueTileOfKind(int kind) {
    switch (kind) {
    case kParamDiameter:
    case kParamList:
    case kParamPercent:
    case kParamTextChoice:
    case kParamLabelled:
        return ValueTile::kList;
    case kParamRadio:
        return ValueTile::kRadio;
    case kParamText:
        return ValueTile::kText;
    default:
        return ValueTile::kEdit;
    }
}

PropertiesLayouts CollectPropertiesLayouts() {
    PropertiesLayouts layouts;
    for (int family = 1; family <= kFamilies; ++family) {
        for (int subtype = 1; subtype <= TypeRowCount(family); ++subtype) {
            const LTypeDescriptor* row = TypeRow(family, subtype);
            if (!row || !row->dialogKey || !*row->dialogKey)
                continue;
            PropertiesLayout& layout = LayoutOfKey(layouts, row->dialogKey);
            const char* code = row->displayCode ? row->displayCode : "";
            if (std::find(layout.typeCodes.begin(), layout.typeCodes.end(), code) == layout.typeCodes.end())
                layout.typeCodes.push_back(code);
            if (!AddRow(layout, *row))
                layouts.conflicts.push_back(std::string(code) + " in " + row->dialogKey);
        }
    }
    // A key of the catalogue that no row uses yet still gets its dialog.
    for (int family = 1; family <= kFamilies; ++family)
        for (int i = 0; i < CatalogueRowCount(FamilyDclKeys, family); ++i) {
            const char* key = CatalogueText(FamilyDclKeys, family, i);
            if (*key)
                LayoutOfKey(layouts, key);
        }
    return layouts;
}

std::string SeriesKey(const char* prefix, int n) { return std::string(prefix) + std::to_string(n); }

std::string RadioButtonKey(int group, int value) {
    return std::string(static_cast<size_t>(std::max(group, 0)) + 1, '_') + std::to_string(value);
}
