#include "dcl/tile.h"

#include <utility>

namespace host::dcl {

namespace {

const std::pair<const char*, TileKind> kKinds[] = {
    {"dialog", TileKind::Dialog},
    {"button", TileKind::Button},
    {"edit_box", TileKind::EditBox},
    {"list_box", TileKind::ListBox},
    {"popup_list", TileKind::PopupList},
    {"toggle", TileKind::Toggle},
    {"radio_button", TileKind::RadioButton},
    {"radio_row", TileKind::RadioRow},
    {"radio_column", TileKind::RadioColumn},
    {"boxed_radio_row", TileKind::BoxedRadioRow},
    {"boxed_radio_column", TileKind::BoxedRadioColumn},
    {"row", TileKind::Row},
    {"column", TileKind::Column},
    {"boxed_row", TileKind::BoxedRow},
    {"boxed_column", TileKind::BoxedColumn},
    {"concatenation", TileKind::Concatenation},
    {"paragraph", TileKind::Paragraph},
    {"image", TileKind::Image},
    {"image_button", TileKind::ImageButton},
    {"text", TileKind::Text},
    {"slider", TileKind::Slider},
    {"spacer", TileKind::Spacer},
};

} // namespace

TileKind kindOfName(const std::string& name) {
    for (const auto& [text, kind] : kKinds)
        if (name == text) return kind;
    return TileKind::None;
}

const char* kindName(TileKind kind) {
    for (const auto& [text, k] : kKinds)
        if (k == kind) return text;
    return "tile";
}

bool holdsTiles(TileKind kind) {
    switch (kind) {
    case TileKind::Dialog:
    case TileKind::Row:
    case TileKind::Column:
    case TileKind::BoxedRow:
    case TileKind::BoxedColumn:
    case TileKind::Concatenation:
    case TileKind::Paragraph:
        return true;
    default:
        return isRadioCluster(kind);
    }
}

bool isRadioCluster(TileKind kind) {
    return kind == TileKind::RadioRow || kind == TileKind::RadioColumn || kind == TileKind::BoxedRadioRow ||
           kind == TileKind::BoxedRadioColumn;
}

bool isList(TileKind kind) { return kind == TileKind::ListBox || kind == TileKind::PopupList; }

const Value* Tile::attribute(const std::string& name) const {
    auto it = attributes.find(name);
    return it == attributes.end() ? nullptr : &it->second;
}

std::string Tile::attributeText(const std::string& name) const {
    const Value* v = attribute(name);
    return v ? v->text : std::string();
}

bool Tile::usable() const {
    for (const Tile* t = this; t; t = t->parent)
        if (!t->enabled) return false;
    return true;
}

Tile* Tile::cluster() const {
    if (kind != TileKind::RadioButton) return nullptr;
    for (Tile* t = parent; t; t = t->parent)
        if (isRadioCluster(t->kind)) return t;
    return nullptr;
}

} // namespace host::dcl
