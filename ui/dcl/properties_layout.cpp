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

// One parameter's tile as a row wants it.
struct WantedTile {
    size_t index;
    ValueTile tile;
    bool wholeNumber;  // kind -4
    int radioGroup;    // -1 unless a radio group
    int radioChoices;  // 0 unless a radio group
};

std::vector<WantedTile> WantedTiles(const LTypeDescriptor& row) {
    std::vector<WantedTile> wanted;
    int radioGroup = 0;
    for (int i = 0; i < row.paramCount; ++i) {
        if (i == row.switchParam)
            continue;
        ValueTile tile = ValueTileOfKind(DescKind(&row, i));
        if (tile == ValueTile::kRadio) {
            int choices = DescValueCount(&row, i) > 0 ? DescValueCount(&row, i) : kRadioChoices;
            wanted.push_back({static_cast<size_t>(i), tile, false, radioGroup++, choices});
        } else {
            wanted.push_back({static_cast<size_t>(i), tile, DescKind(&row, i) == kParamEntry, -1, 0});
        }
    }
    if (row.switchParam >= 0)
        wanted.push_back({static_cast<size_t>(row.switchParam), ValueTile::kToggle, false, -1, 0});
    return wanted;
}

// When types sharing a dialog want different tiles for one parameter, a
// chosen value (list, radio group, toggle) wins over an edit box: an edit
// box there is as a rule a row whose kinds are not filled in yet.  Between
// edit boxes the text box, the wider, wins.
int Precedence(ValueTile tile) {
    switch (tile) {
    case ValueTile::kNone: return 0;
    case ValueTile::kEdit: return 1;
    case ValueTile::kText: return 2;
    default: return 3;
    }
}

bool IsEditBox(ValueTile tile) { return tile == ValueTile::kEdit || tile == ValueTile::kText; }

void MergeRow(PropertiesLayout& layout, const LTypeDescriptor& row) {
    for (const WantedTile& want : WantedTiles(row)) {
        if (layout.valueTiles.size() <= want.index) {
            layout.valueTiles.resize(want.index + 1, ValueTile::kNone);
            layout.radioGroups.resize(want.index + 1, -1);
            layout.radioChoices.resize(want.index + 1, 0);
            layout.wholeNumbersOnly.resize(want.index + 1, true);
        }
        if (!want.wholeNumber)
            layout.wholeNumbersOnly[want.index] = false;
        ValueTile& placed = layout.valueTiles[want.index];
        if (Precedence(want.tile) > Precedence(placed)) {
            placed = want.tile;
            layout.radioGroups[want.index] = want.radioGroup;
        }
        if (placed == ValueTile::kRadio && want.radioGroup == layout.radioGroups[want.index]) {
            int& choices = layout.radioChoices[want.index];
            choices = std::max(choices, want.radioChoices);
        }
    }
    layout.flowCount = std::max<int>(layout.flowCount, row.flowCount);
}

// Whether the dialog shows every parameter of the row by a tile its kind
// can use.
bool RowFits(const PropertiesLayout& layout, const LTypeDescriptor& row) {
    for (const WantedTile& want : WantedTiles(row)) {
        ValueTile placed = layout.valueTiles[want.index];
        if (IsEditBox(placed) && IsEditBox(want.tile))
            continue;
        if (placed != want.tile || layout.radioGroups[want.index] != want.radioGroup)
            return false;
    }
    return true;
}

// Every row of the tables, and those of the types without a class (which no
// element ever shows in its dialog) into classless.
std::vector<const LTypeDescriptor*> TableRows(std::vector<const LTypeDescriptor*>* classless) {
    std::vector<const LTypeDescriptor*> rows;
    for (int family = 1; family <= kFamilies; ++family)
        for (int subtype = 1; subtype <= TypeRowCount(family); ++subtype) {
            rows.push_back(TypeRow(family, subtype));
            const LTypeEntry* entry = TypeEntryOf(family, subtype);
            if (entry && !entry->make)
                classless->push_back(rows.back());
        }
    return rows;
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

PropertiesLayouts CollectPropertiesLayouts(const std::vector<const LTypeDescriptor*>& rows,
                                           const std::vector<const LTypeDescriptor*>& unshown) {
    std::vector<const LTypeDescriptor*> keyed;
    for (const LTypeDescriptor* row : rows)
        if (row && row->dialogKey && *row->dialogKey)
            keyed.push_back(row);
    PropertiesLayouts layouts;
    for (const LTypeDescriptor* row : keyed) {
        PropertiesLayout& layout = LayoutOfKey(layouts, row->dialogKey);
        const char* code = row->displayCode ? row->displayCode : "";
        if (std::find(layout.typeCodes.begin(), layout.typeCodes.end(), code) == layout.typeCodes.end())
            layout.typeCodes.push_back(code);
        MergeRow(layout, *row);
    }
    for (const LTypeDescriptor* row : keyed)
        if (std::find(unshown.begin(), unshown.end(), row) == unshown.end() &&
            !RowFits(LayoutOfKey(layouts, row->dialogKey), *row))
            layouts.conflicts.push_back(std::string(row->displayCode ? row->displayCode : "") + " in " +
                                        row->dialogKey);
    return layouts;
}

PropertiesLayouts CollectPropertiesLayouts() {
    std::vector<const LTypeDescriptor*> classless;
    std::vector<const LTypeDescriptor*> rows = TableRows(&classless);
    PropertiesLayouts layouts = CollectPropertiesLayouts(rows, classless);
    // A key of the catalogue that no row uses yet still gets its dialog.
    for (int family = 1; family <= kFamilies; ++family)
        for (int i = 0; i < FamilyDialogCount(family); ++i) {
            const char* key = FamilyDialog(family, i);
            if (*key)
                LayoutOfKey(layouts, key);
        }
    return layouts;
}

std::string SeriesKey(const char* prefix, int n) { return std::string(prefix) + std::to_string(n); }

std::string RadioButtonKey(int group, int value) {
    return std::string(static_cast<size_t>(std::max(group, 0)) + 1, '_') + std::to_string(value);
}
