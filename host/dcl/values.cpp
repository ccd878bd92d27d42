#include "dcl/values.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <sstream>

#include "dcl/attributes.h"

namespace host::dcl {

namespace {

// A whole number written in text, with blanks around it allowed.
bool parseIndex(const std::string& text, long& out) {
    std::istringstream in(text);
    long v = 0;
    if (!(in >> v)) return false;
    in >> std::ws;
    if (!in.eof()) return false;
    out = v;
    return true;
}

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> out;
    std::string w;
    while (in >> w) out.push_back(w);
    return out;
}

std::string joinRows(const std::vector<int>& rows) {
    std::string out;
    for (int r : rows) {
        if (!out.empty()) out += ' ';
        out += std::to_string(r);
    }
    return out;
}

bool multipleSelect(const Tile& tile) { return isTrue(tile.attribute("multiple_select"), false); }

// Rows written in text that exist in the list; false when a word is not a
// row of it.
bool parseRows(const Tile& tile, const std::string& text, std::vector<int>& rows) {
    bool allGood = true;
    for (const std::string& w : words(text)) {
        long v = -1;
        if (parseIndex(w, v) && v >= 0 && v < static_cast<long>(tile.items.size())) {
            bool seen = false;
            for (int r : rows) seen = seen || r == v;
            if (!seen) rows.push_back(static_cast<int>(v));
        } else {
            allGood = false;
        }
    }
    return allGood;
}

void collectRadioButtons(Tile& tile, std::vector<Tile*>& out) {
    for (auto& child : tile.children) {
        if (child->kind == TileKind::RadioButton) out.push_back(child.get());
        else if (!isRadioCluster(child->kind)) collectRadioButtons(*child, out);
    }
}

void chooseRadio(Tile& cluster, Tile* chosen) {
    std::vector<Tile*> buttons;
    collectRadioButtons(cluster, buttons);
    for (Tile* b : buttons) b->value = b == chosen ? "1" : "0";
    cluster.value = chosen ? chosen->key : std::string();
}

Tile* radioByKey(Tile& cluster, const std::string& key) {
    std::vector<Tile*> buttons;
    collectRadioButtons(cluster, buttons);
    for (Tile* b : buttons)
        if (!key.empty() && b->key == key) return b;
    return nullptr;
}

void splitList(Tile& tile) {
    const Value* list = tile.attribute("list");
    if (!list) return;
    std::string text = list->text;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        tile.items.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    if (!tile.items.empty() && tile.items.back().empty()) tile.items.pop_back();
}

long sliderBound(const Tile& tile, const char* name, long fallback) {
    return std::lround(numberOf(tile.attribute(name), static_cast<double>(fallback)));
}

} // namespace

std::vector<int> chosenRows(const Tile& tile) {
    std::vector<int> rows;
    parseRows(tile, tile.value, rows);
    return rows;
}

void initValues(Tile& root) {
    for (auto& child : root.children) initValues(*child);
    if (isList(root.kind)) splitList(root);
    bool hasValue = root.attribute("value") != nullptr;
    std::string initial = root.attributeText("value");
    switch (root.kind) {
    case TileKind::Text:
    case TileKind::Button:
    case TileKind::Dialog:
        root.value = hasValue ? initial : root.label();
        break;
    case TileKind::PopupList:
        if (!hasValue && !root.items.empty()) initial = "0";
        setValue(root, initial);
        break;
    default:
        if (isRadioCluster(root.kind)) {
            Tile* chosen = radioByKey(root, initial);
            std::vector<Tile*> buttons;
            collectRadioButtons(root, buttons);
            for (Tile* b : buttons)
                if (b->value == "1") chosen = b;  // the last one that says so wins
            chooseRadio(root, chosen);
        } else {
            setValue(root, initial);
        }
        break;
    }
}

void setValue(Tile& tile, const std::string& value) {
    switch (tile.kind) {
    case TileKind::Toggle:
        tile.value = value == "1" ? "1" : "0";
        break;
    case TileKind::RadioButton: {
        Tile* cluster = tile.cluster();
        if (value == "1" && cluster) {
            chooseRadio(*cluster, &tile);
        } else if (cluster && !tile.key.empty() && cluster->value == tile.key) {
            chooseRadio(*cluster, nullptr);
        } else {
            tile.value = value == "1" ? "1" : "0";
        }
        break;
    }
    case TileKind::ListBox: {
        std::vector<int> rows;
        parseRows(tile, value, rows);
        if (rows.size() > 1 && !multipleSelect(tile)) rows.resize(1);
        tile.value = joinRows(rows);
        break;
    }
    case TileKind::PopupList: {
        std::vector<int> rows;
        parseRows(tile, value, rows);
        tile.value = rows.empty() ? std::string() : std::to_string(rows.front());
        break;
    }
    case TileKind::Slider: {
        long v = 0;
        long lo = sliderBound(tile, "min_value", 0), hi = sliderBound(tile, "max_value", 10000);
        if (lo > hi) std::swap(lo, hi);
        if (!parseIndex(value, v)) v = lo;
        tile.value = std::to_string(v < lo ? lo : (v > hi ? hi : v));
        break;
    }
    default:
        if (isRadioCluster(tile.kind)) chooseRadio(tile, radioByKey(tile, value));
        else tile.value = value;
        break;
    }
}

std::string checkUserValue(const Tile& tile, const std::string& value) {
    const std::string name = std::string(kindName(tile.kind)) + " \"" + tile.key + "\"";
    switch (tile.kind) {
    case TileKind::EditBox: {
        long limit = std::lround(numberOf(tile.attribute("edit_limit"), 132));
        if (limit > 0 && static_cast<long>(value.size()) > limit)
            return name + " takes at most " + std::to_string(limit) + " characters";
        return "";
    }
    case TileKind::Toggle:
        return value == "0" || value == "1" ? "" : name + " takes 0 or 1";
    case TileKind::RadioButton:
        return value == "1" ? "" : name + " can only be chosen (1)";
    case TileKind::ListBox:
    case TileKind::PopupList: {
        std::vector<int> rows;
        bool ok = parseRows(tile, value, rows);
        std::string range = tile.items.empty() ? std::string(" (the list is empty)")
                                               : " (rows 0 to " + std::to_string(tile.items.size() - 1) + ")";
        if (!ok) return name + " has no row \"" + value + "\"" + range;
        if (tile.kind == TileKind::PopupList && rows.size() != 1) return name + " takes one row" + range;
        if (rows.size() > 1 && !multipleSelect(tile)) return name + " takes one row" + range;
        return "";
    }
    case TileKind::Slider: {
        long v = 0;
        long lo = sliderBound(tile, "min_value", 0), hi = sliderBound(tile, "max_value", 10000);
        if (lo > hi) std::swap(lo, hi);
        if (!parseIndex(value, v) || v < lo || v > hi)
            return name + " takes a whole number from " + std::to_string(lo) + " to " + std::to_string(hi);
        return "";
    }
    default:
        break;
    }
    if (isRadioCluster(tile.kind)) {
        Tile& cluster = const_cast<Tile&>(tile);
        Tile* button = radioByKey(cluster, value);
        if (!button) {
            std::vector<Tile*> buttons;
            collectRadioButtons(cluster, buttons);
            std::string keys;
            for (Tile* b : buttons) keys += (keys.empty() ? "" : ", ") + b->key;
            return name + " has no button \"" + value + "\" (" + keys + ")";
        }
        if (!button->usable()) return "radio_button \"" + value + "\" is disabled";
        return "";
    }
    return name + " takes no value";
}

void listChanged(Tile& tile, bool fresh) {
    if (fresh) {
        tile.value = tile.kind == TileKind::PopupList && !tile.items.empty() ? "0" : "";
        return;
    }
    setValue(tile, tile.value);
    if (tile.kind == TileKind::PopupList && tile.value.empty() && !tile.items.empty()) tile.value = "0";
}

} // namespace host::dcl
