#include "dcl/listing.h"

#include <algorithm>

#include "dcl/values.h"

namespace host::dcl {

namespace {

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\n') out += "\\n";
        else if (c == '\t') out += "\\t";
        else out += c;
    }
    return out + "\"";
}

std::string padded(std::string text, size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

void trimRight(std::string& text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
}

// A label as it shows: "&" marks the mnemonic letter, "&&" is an ampersand.
std::string shownLabel(const std::string& label) {
    std::string out;
    for (size_t i = 0; i < label.size(); ++i) {
        if (label[i] == '&' && i + 1 < label.size()) ++i;
        out += label[i];
    }
    return out;
}

bool showsValue(const Tile& tile) {
    switch (tile.kind) {
    case TileKind::Button:
    case TileKind::Text:
    case TileKind::Image:
    case TileKind::ImageButton:
    case TileKind::Spacer:
        return false;
    default:
        return !holdsTiles(tile.kind) || isRadioCluster(tile.kind);
    }
}

std::string state(const Dialog& dialog, const Tile& tile) {
    std::string out;
    if (!tile.usable()) out += " [disabled]";
    if (dialog.focus == &tile) out += " [focus]";
    if (tile.highlighted) out += " [highlighted]";
    return out;
}

std::string picture(const Tile& tile) {
    if (!tile.slide.empty()) return " slide " + quoted(tile.slide);
    if (!tile.image.empty()) return " " + std::to_string(tile.image.size()) + " drawing operations";
    return "";
}

std::string describeTile(const Dialog& dialog, const Tile& tile) {
    std::string line = "  " + padded(tile.key.empty() ? "-" : tile.key, 10) + " " + padded(kindName(tile.kind), 12);
    if (tile.kind == TileKind::Text) line += " " + quoted(tile.value);
    else if (!tile.label().empty()) line += " " + quoted(shownLabel(tile.label()));
    if (showsValue(tile)) line += " = " + quoted(tile.value);
    if (tile.kind == TileKind::Image || tile.kind == TileKind::ImageButton) line += picture(tile);
    line += state(dialog, tile);
    trimRight(line);
    line += "\n";
    if (isList(tile.kind)) {
        std::vector<int> rows = chosenRows(tile);
        for (size_t i = 0; i < tile.items.size(); ++i) {
            bool chosen = std::find(rows.begin(), rows.end(), static_cast<int>(i)) != rows.end();
            line += std::string(chosen ? "      > " : "        ") + std::to_string(i) + "  " + tile.items[i] + "\n";
        }
    }
    return line;
}

} // namespace

std::string describeDialog(const Dialog& dialog) {
    std::string out = "Dialog " + quoted(dialog.name);
    if (!dialog.root->label().empty()) out += ": " + shownLabel(dialog.root->label());
    out += "\n";
    for (const Tile* tile : dialog.tiles) {
        if (tile == dialog.root.get()) continue;
        bool untitledText = tile->kind == TileKind::Text && !tile->value.empty();
        if (tile->key.empty() && !untitledText) continue;
        out += describeTile(dialog, *tile);
    }
    return out;
}

} // namespace host::dcl
