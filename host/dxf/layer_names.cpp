#include "dxf/layer_names.h"

#include "dxf/quoted_text.h"

#include <unordered_map>

namespace host::dxf {

namespace {

// '|' is left out: it joins an external reference's name to its layers'.
constexpr std::string_view kForbidden = "<>/\\\":;?*=`";
constexpr std::string_view kSpecialPrefixes[] = {"*ADSK_", "*ACMAP", "*TEMPORARY"};
constexpr int kLayerCode = 8;
constexpr char kStandIn = '_';

std::string validName(std::string_view name)
{
    std::string valid(name);
    for (char& c : valid)
        if (kForbidden.find(c) != std::string_view::npos) c = kStandIn;
    return valid;
}

// A valid name that no other layer has yet.
std::string freeName(const db::Database& db, std::string_view name)
{
    std::string base = validName(name);
    std::string candidate = base;
    for (int n = 1; db.findRecord(db::Table::Layer, candidate) != db::kNoSlot; ++n)
        candidate = base + std::to_string(n);
    return candidate;
}

} // namespace

bool isValidLayerName(std::string_view name)
{
    for (std::string_view prefix : kSpecialPrefixes)
        if (db::equalNoCase(name.substr(0, prefix.size()), prefix)) return true;
    return name.find_first_of(kForbidden) == std::string_view::npos;
}

void renameLayers(db::Database& db, const std::vector<db::Slot>& entities, const std::vector<std::string>& names,
                  const RepairNote& note)
{
    std::unordered_map<std::string, std::string> renamed;  // upper-case old name -> new name
    for (const std::string& name : names) {
        std::string key = db::upperAscii(name);
        if (renamed.count(key)) continue;
        std::string to = freeName(db, name);
        db::Slot record = db.findRecord(db::Table::Layer, name);
        if (record != db::kNoSlot && !db.renameRecord(db::Table::Layer, record, to)) continue;
        renamed.emplace(key, to);
        note(RepairKind::changed("layer renamed"),
             "the layer name " + inQuotes(name) + " holds a character layer names may not hold: renamed " +
                 shown(to));
    }
    if (renamed.empty()) return;
    for (db::Slot slot : entities) {
        db::Object* object = db.object(slot);
        if (!object) continue;
        size_t end = db::xdataBegin(*object);
        for (size_t i = 0; i < end; ++i) {
            db::Group& g = object->groups[i];
            if (g.code() != kLayerCode || g.kind() != db::ValueKind::Text || isValidLayerName(g.asText())) continue;
            auto found = renamed.find(db::upperAscii(g.asText()));
            if (found != renamed.end()) g = db::Group::text(kLayerCode, found->second);
        }
    }
    auto current = renamed.find(db::upperAscii(db.headerText("$CLAYER")));
    if (current != renamed.end()) db.setHeaderVariable("$CLAYER", db::Group::text(kLayerCode, current->second));
}

} // namespace host::dxf
