#include "core/write_rollback.h"

#include "ads_entity.h"
#include "core/element_room.h"
#include "core/lobject.h"
#include "core/xdata_list.h"

WriteRollback::~WriteRollback() {
    for (Kept& k : kept_)
        acutRelRb(k.data);
}

void WriteRollback::Keep(const ads_name entity) {
    if (ads_name_nil(entity))
        return;
    // Kept once; what the command made is erased, not written back.
    if (!known_.emplace(entity[0], entity[1]).second)
        return;
    resbuf* data = acdbEntGetX(entity, ElementAppFilter());
    if (!data)
        return;
    Kept k{};
    ads_name_set(entity, k.entity);
    k.data = data;
    kept_.push_back(k);
}

// Calls f for every entity the element owns in the drawing.
template <typename F>
static void ForOwnedEntities(const LObject* e, F f) {
    for (const LLabelNode* node = &e->firstLabel; node; node = node->next) {
        f(node->insert);
        f(node->leader);
        f(node->third);
    }
    for (int m = 0; m < e->markCount && m < kMarkRoom; ++m)
        f(e->marks[m]);
    for (int d = 0; d < e->dimensionCount && d < kMaxDimensions; ++d)
        f(e->dimensions[d]);
}

void WriteRollback::KeepElement(const LObject* e) {
    if (!e || ads_name_nil(e->entity))
        return;
    // Once kept, an element's owned entities that were there are kept too;
    // any it owns now that are not were made by the command since.
    if (!elements_.emplace(e->entity[0], e->entity[1]).second)
        return;
    Keep(e->entity);
    ForOwnedEntities(e, [this](const ads_name owned) {
        if (EntityIsLive(owned))
            Keep(owned);
    });
}

void WriteRollback::MayErase(const LObject* e) {
    if (!e)
        return;
    ForOwnedEntities(e, [this](const ads_name owned) {
        if (EntityIsLive(owned))
            Erased(owned);
    });
}

void WriteRollback::Made(const ads_name entity) {
    if (!ads_name_nil(entity)) {
        made_.emplace_back(entity[0], entity[1]);
        known_.emplace(entity[0], entity[1]);
    }
}

void WriteRollback::MadeSince(const ads_name last) {
    ads_name at, next;
    ads_name_set(last, at);
    while (acdbEntNext(at, next) == RTNORM) {
        Made(next);
        ads_name_set(next, at);
    }
}

void WriteRollback::Erased(const ads_name entity) {
    if (!ads_name_nil(entity))
        erased_.emplace_back(entity[0], entity[1]);
}

void WriteRollback::Undo() {
    for (const auto& m : made_) {
        ads_name e = {m.first, m.second};
        // Erasing one may erase another (a label takes its leader along);
        // erasing that again would bring it back.
        if (EntityIsLive(e))
            acdbEntDel(e);
    }
    made_.clear();
    // Erasing an erased entity brings it back.
    for (const auto& m : erased_) {
        ads_name e = {m.first, m.second};
        if (!EntityIsLive(e))
            acdbEntDel(e);
    }
    erased_.clear();
    for (Kept& k : kept_) {
        acdbEntMod(k.data);
        acutRelRb(k.data);
    }
    kept_.clear();
    known_.clear();
    elements_.clear();
}

bool WriteElement(LObject* e, uint16_t flags, WriteRollback& undo) {
    bool wasNew = ads_name_nil(e->entity);
    if (!wasNew)
        undo.KeepElement(e);
    if (e->Insert(flags) != 0) {
        ReportElementNotWritten(e);
        undo.Undo();
        if (wasNew)
            ads_name_clear(e->entity);
        return false;
    }
    if (wasNew)
        undo.Made(e->entity);
    return true;
}
