// Finding the sub-entities of an insert or a polyline in its block's list.
#include "db/sub_entities.h"

#include <algorithm>

namespace host::db {

namespace {
struct SubTypes {
    TypeId attrib, vertex, seqend, insert, polyline;
};
const SubTypes& subTypes() {
    static const SubTypes types{internType("ATTRIB"), internType("VERTEX"), internType("SEQEND"),
                                internType("INSERT"), internType("POLYLINE")};
    return types;
}
} // namespace

bool isSubEntity(const Object& object) {
    const SubTypes& t = subTypes();
    return object.cls == ObjectClass::Entity &&
           (object.type == t.attrib || object.type == t.vertex || object.type == t.seqend);
}

bool mayOwnSubEntities(const Object& object) {
    const SubTypes& t = subTypes();
    return object.cls == ObjectClass::Entity && (object.type == t.insert || object.type == t.polyline);
}

bool takesSubEntity(const Object& main, const Object& sub) {
    const SubTypes& t = subTypes();
    if (!isSubEntity(sub) || !mayOwnSubEntities(main)) return false;
    if (sub.type == t.seqend) return true;
    return sub.type == (main.type == t.insert ? t.attrib : t.vertex);
}

size_t positionInBlock(const Block& block, Slot entity) {
    auto it = std::lower_bound(block.entities.begin(), block.entities.end(), entity);
    if (it != block.entities.end() && *it == entity) return static_cast<size_t>(it - block.entities.begin());
    return block.positions.find(block.entities, entity);
}

Slot mainEntityOf(const Database& db, Slot entity) {
    const Object* object = db.object(entity);
    if (object == nullptr || !isSubEntity(*object)) return entity;
    Slot main = db.slotOf(object->owner);
    const Object* owner = db.object(main);
    return owner != nullptr && !owner->erased && mayOwnSubEntities(*owner) ? main : kNoSlot;
}

std::vector<Slot> subEntitiesOf(const Database& db, Slot main) {
    std::vector<Slot> found;
    const Object* owner = db.object(main);
    if (owner == nullptr || !mayOwnSubEntities(*owner)) return found;
    const Block* block = db.block(db.ownerBlock(main));
    if (block == nullptr) return found;
    for (size_t i = positionInBlock(*block, main) + 1; i < block->entities.size(); ++i) {
        const Object* next = db.object(block->entities[i]);
        if (next == nullptr || !isSubEntity(*next) || next->owner != owner->handle) break;
        found.push_back(block->entities[i]);
    }
    return found;
}

Object closingSeqend(const Object& main) {
    Object end;
    end.type = subTypes().seqend;
    end.owner = main.handle;
    std::string_view layer = groupText(main, 8);
    end.groups = {Group::text(100, "AcDbEntity"), Group::text(8, layer.empty() ? "0" : layer)};
    if (const Group* paper = findGroup(main, 67, 0, xdataBegin(main))) end.groups.insert(end.groups.begin() + 1, *paper);
    return end;
}

bool attributesFollow(const Object& insert) {
    // One pass up to the XDATA, the first of whose codes ends the body:
    // every save asks this of every insert.
    for (const Group& g : insert.groups) {
        if (g.code() >= 1000) return false;
        if (g.code() == 66) return g.asInt() == 1;
    }
    return false;
}

void setAttributesFollow(Object& insert) {
    size_t end = xdataBegin(insert);
    if (Group* flag = findGroup(insert, 66, 0, end)) {
        *flag = Group::integer(66, 1);
        return;
    }
    size_t at = 0;
    while (at < end && insert.groups[at].code() != 2) ++at;
    insert.groups.insert(insert.groups.begin() + static_cast<std::ptrdiff_t>(at), Group::integer(66, 1));
}

} // namespace host::db
