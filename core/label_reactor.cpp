// The label reactor's work and its attachments in a drawing.
#include "core/label_reactor.h"

#include <string>

#include "ads_entity.h"
#include "core/application_name.h"
#include "core/labels.h"
#include "core/lobject.h"
#include "core/string_convert.h"
#include "core/xdata_list.h"

static AcDbObjectReactor* chosenReactor = nullptr;

AcDbObjectReactor* UseLabelReactor(AcDbObjectReactor* reactor) {
    AcDbObjectReactor* old = chosenReactor;
    chosenReactor = reactor;
    return old;
}

AcDbObjectReactor* CurrentLabelReactor() { return chosenReactor; }

// The first 1005 of an object's label XDATA ("" when it carries none).
static std::string OtherLabelHandle(const AcDbObject* object) {
    resbuf* xdata = object->xData(kApplicationNameWide);
    std::string handle;
    resbuf* marker = xdata ? FindGroup(xdata, 1000) : nullptr;
    if (marker && GroupText(marker) == kLabelMarker) {
        if (resbuf* other = FindGroup(marker, 1005))
            handle = GroupText(other);
    }
    if (xdata)
        acutRelRb(xdata);
    return handle;
}

// The entity of a handle in the object's drawing, erased or not (the C
// API's handle look-up finds live entities only).
static bool AnyEntityOfHandle(const AcDbObject* object, const std::string& handle, ads_name out) {
    AcDbDatabase* db = object->database();
    AcDbObjectId id;
    if (!db || handle.empty() || handle == "0" ||
        db->getAcDbObjectId(id, false, AcDbHandle(ToWide(handle.c_str()).c_str())) != Acad::eOk || id.isNull())
        return false;
    ads_name found;
    if (acdbGetAdsName(found, id) != Acad::eOk)
        return false;
    ads_name_set(found, out);
    return true;
}

void LabelErased(const AcDbObject* object, Adesk::Boolean erasing) {
    if (!object || !object->isKindOf(AcDbBlockReference::desc()))
        return;
    ads_name leader;
    if (!AnyEntityOfHandle(object, OtherLabelHandle(object), leader))
        return;
    // acdbEntDel toggles: it erases a live leader and brings back an erased
    // one, so the leader follows its label both ways.
    if (EntityIsLive(leader) == static_cast<bool>(erasing))
        acdbEntDel(leader);
}

static void ChangeReactor(const ads_name entity, bool attach) {
    AcDbObjectReactor* reactor = CurrentLabelReactor();
    AcDbObjectId id;
    AcDbObject* object = nullptr;
    if (!reactor || ads_name_nil(entity) || acdbGetObjectId(id, entity) != Acad::eOk ||
        acdbOpenObject(object, id, AcDb::kForWrite) != Acad::eOk || !object)
        return;
    if (attach)
        object->addReactor(reactor);
    else
        object->removeReactor(reactor);
    object->close();
}

void AttachLabelReactorTo(const ads_name entity) { ChangeReactor(entity, true); }

// Every entity of the drawing whose program XDATA marks it as a label.
static void ForEachLabelEntity(bool attach) {
    resbuf* filter = acutBuildList(-3, 1001, kApplicationNameWide, 0);
    ads_name set;
    int status = filter ? acedSSGet(L"X", nullptr, nullptr, filter, set) : RTERROR;
    if (filter)
        acutRelRb(filter);
    if (status != RTNORM)
        return;
    long count = 0;
    acedSSLength(set, &count);
    for (long k = 0; k < count; ++k) {
        ads_name entity;
        if (acedSSName(set, k, entity) != RTNORM)
            continue;
        resbuf* list = acdbEntGetX(entity, ElementAppFilter());
        resbuf* marker = list ? FindGroup(list, -3) : nullptr;
        resbuf* text = marker ? FindGroup(marker, 1000) : nullptr;
        if (text && GroupText(text) == kLabelMarker)
            ChangeReactor(entity, attach);
        if (list)
            acutRelRb(list);
    }
    acedSSFree(set);
}

int16_t AttachLabelReactors() {
    ForEachLabelEntity(true);
    return 0;
}

int16_t DetachLabelReactors() {
    ForEachLabelEntity(false);
    return 0;
}

int16_t LObject::AttachReactorToLabels() {
    for (LLabelNode* node = &firstLabel; node; node = node->next) {
        AttachLabelReactorTo(node->insert);
        AttachLabelReactorTo(node->leader);
    }
    return 0;
}
