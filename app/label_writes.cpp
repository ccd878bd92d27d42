#include "app/label_writes.h"

#include "app/doc_state.h"
#include "core/element_load.h"
#include "core/element_ptr.h"
#include "core/element_room.h"
#include "core/lobject.h"
#include "core/write_rollback.h"

NumberingWritesScope::NumberingWritesScope(LDocState* state, WriteRollback& undo) : state_(state) {
    if (!state_)
        return;
    state_->numberingWrites = &undo;
    state_->numberingRefused = false;
}

NumberingWritesScope::~NumberingWritesScope() {
    if (state_)
        state_->numberingWrites = nullptr;
}

bool WriteNumberedElement(LObject* e, uint16_t option) {
    LDocState* s = CurrentDocState;
    WriteRollback* undo = s ? s->numberingWrites : nullptr;
    // Once a write of the run was refused, the run is taken back whole.
    if (undo && s->numberingRefused)
        return false;
    if (undo)
        undo->KeepElement(e);
    if (e->Insert(option) == 0)
        return true;
    // Outside a run that keeps its writes only this element stays as it was.
    ReportElementNotWritten(e, undo ? RefusalEnd::kDrawingKept : RefusalEnd::kElementKept);
    if (undo) {
        s->numberingStop = 1;
        s->numberingRefused = true;
    }
    return false;
}

void LabelNumberWrites::Add(const ads_name insert, int16_t label, int32_t number) {
    EntityRef key = ToEntityRef(insert);
    auto [at, added] = byInsert_.try_emplace(key, elements_.size());
    if (added)
        elements_.push_back({key, {}});
    elements_[at->second].numbers.push_back({label, number});
}

void LabelNumberWrites::Write(int16_t option, bool skipWhenSame) {
    for (const Element& pending : elements_) {
        ads_name insert = {pending.insert[0], pending.insert[1]};
        ElementPtr e(LoadElementFromEntity(insert));
        if (!e)
            continue;
        bool changed = !skipWhenSame;
        for (const Number& n : pending.numbers) {
            if (e->GetLabelNumber(n.label) != n.number) {
                e->SetLabelNumber(n.number, n.label);
                changed = true;
            }
        }
        if (changed)
            WriteNumberedElement(e.get(), option);  // a refusal keeps the numbers it had
    }
    elements_.clear();
    byInsert_.clear();
}
