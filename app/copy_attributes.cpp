// Attributes taken along by a copied or mirrored element insert.
#include "app/copy_attributes.h"

#include "core/xdata_list.h"

namespace {

constexpr const char* kAttributeType = "ATTRIB";

bool IsAttribute(const ads_name e) {
    resbuf* list = acdbEntGet(e);
    if (!list)
        return false;
    resbuf* type = FindGroup(list, 0);
    bool attribute = type && GroupText(type) == kAttributeType;
    acutRelRb(list);
    return attribute;
}

// The attributes that follow an insert in the entity walk, in order.
AcDbObjectIdArray AttributesOf(const ads_name insert) {
    AcDbObjectIdArray ids;
    ads_name at, next;
    ads_name_set(insert, at);
    while (acdbEntNext(at, next) == RTNORM && IsAttribute(next)) {
        AcDbObjectId id;
        if (acdbGetObjectId(id, next) == Acad::eOk)
            ids.append(id);
        ads_name_set(next, at);
    }
    return ids;
}

} // namespace

bool CopyAttributes(AcDbDatabase* db, const ads_name source, const ads_name copy, const AcGeMatrix3d& move) {
    AcDbObjectIdArray ids = AttributesOf(source);
    AcDbObjectId owner;
    if (!db || ids.isEmpty() || acdbGetObjectId(owner, copy) != Acad::eOk)
        return true;
    AcDbIdMapping mapping;
    if (db->deepCloneObjects(ids, owner, mapping, false) != Acad::eOk)
        return true;
    bool moved = true;
    AcDbIdMappingIter it(mapping);
    for (it.start(); !it.done(); it.next()) {
        AcDbIdPair pair;
        AcDbEntity* clone = nullptr;
        if (!it.getMap(pair) || !pair.isCloned() || !pair.isPrimary() ||
            acdbOpenObject(clone, pair.value(), AcDb::kForWrite) != Acad::eOk || !clone)
            continue;
        moved = clone->transformBy(move) == Acad::eOk && moved;
        clone->close();
    }
    return moved;
}
