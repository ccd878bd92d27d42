#include "dxf/dimension_blocks.h"

#include "dxf/entity_types.h"
#include "dxf/number_text.h"
#include "dxf/quoted_text.h"

#include <vector>

namespace host::dxf {

namespace {

using db::Group;
using db::Slot;

constexpr int kBlockNameCode = 2;
constexpr int kMarkerCode = 100;
constexpr std::string_view kDimensionMarker = "AcDbDimension";

// What is wrong with the block a dimension names; "" when nothing is.
std::string whyNoBlock(const Group* name)
{
    if (!name || trimBlanks(name->asText()).empty()) return "named no block";
    if (isSpaceName(name->asText())) return "named the space " + shown(name->asText()) + " as its block";
    return "";
}

// Sets the dimension's block name, where readers look for it: in its
// AcDbDimension part, else before its first point.
void setBlockName(db::Object& dimension, const std::string& name)
{
    size_t end = db::xdataBegin(dimension);
    if (Group* g = db::findGroup(dimension, kBlockNameCode, 0, end)) {
        *g = Group::text(kBlockNameCode, name);
        return;
    }
    auto& groups = dimension.groups;
    size_t at = 0;
    while (at < end && !(groups[at].code() == kMarkerCode && groups[at].asText() == kDimensionMarker)) ++at;
    if (at < end) {
        ++at;
    } else {
        at = 0;
        while (at < end && groups[at].code() != 10) ++at;
    }
    groups.insert(groups.begin() + static_cast<std::ptrdiff_t>(at), Group::text(kBlockNameCode, name));
}

} // namespace

bool giveDimensionsBlocks(db::Database& db, const RepairNote& note, std::string& error)
{
    std::vector<Slot> lacking;
    for (Slot record : db.records(db::Table::BlockRecord)) {
        const db::Block* block = db.block(record);
        if (!block) continue;
        for (Slot slot : block->entities) {
            const db::Object* object = db.object(slot);
            if (!object || object->erased || !isDimensionType(object->typeName())) continue;
            if (!whyNoBlock(db::findGroup(*object, kBlockNameCode, 0, db::xdataBegin(*object))).empty())
                lacking.push_back(slot);
        }
    }
    // Blocks are added once the lists are gone through: a new record may
    // move the table's list.
    for (Slot slot : lacking) {
        db::Object* dimension = db.object(slot);
        std::string what = shown(dimension->typeName()) + " " + db::handleText(dimension->handle);
        std::string name = db.nextAnonymousName('D');
        Slot record = addBlockRecord(db, name);
        if (record == db::kNoSlot || !addBlockObjects(db, record, false)) {
            error = cannotAdd(db, "a block for " + what);
            return false;
        }
        std::string why = whyNoBlock(db::findGroup(*dimension, kBlockNameCode, 0, db::xdataBegin(*dimension)));
        setBlockName(*dimension, name);
        note(RepairKind::changed("dimension without its block"), what + " " + why + ": given the empty block " + name);
    }
    return true;
}

} // namespace host::dxf
