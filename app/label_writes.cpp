#include "app/label_writes.h"

#include "core/element_load.h"
#include "core/element_ptr.h"
#include "core/element_room.h"
#include "core/lobject.h"

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
        if (changed && e->Insert(option) != 0)
            ReportElementNotWritten(e.get());  // its insert keeps the numbers it had
    }
    elements_.clear();
    byInsert_.clear();
}
