// Whether an entity is a framed label (the fitting or unit label an element
// keeps on its first label node) and whose it is.  A framed label carries no
// data of its own, so the element that names it in its data owns it; an
// entity that another element names as well, or that is no label at all (a
// user's block, an element, a number label), belongs to no one who reads
// it: placing the label anew would erase it and refreshing it would give it
// the reader's texts.
#pragma once

#include "ads_types.h"

// True when the entity is a framed label and, when owner is given, no
// element but the owner names it as one.  Without an owner (a copy reading
// its source's labels) only the kind counts.
bool IsFramedLabelOf(const ads_name entity, const ads_name owner);

// While one lives, the framed labels the drawing's elements name are read
// once, at the first question, instead of the whole drawing at each: a
// command reads many elements.  Claims made after that are checked against
// the claimant's data at each question, so an element that no longer names
// the label no longer counts; claims added later within the scope are a new
// label of the element that made it or the transient data of a copy, which
// reads its labels without asking.
class FramedLabelClaimsScope {
public:
    FramedLabelClaimsScope();
    ~FramedLabelClaimsScope();
    FramedLabelClaimsScope(const FramedLabelClaimsScope&) = delete;
    FramedLabelClaimsScope& operator=(const FramedLabelClaimsScope&) = delete;

private:
    bool opened = false;  // false inside another scope, which keeps its claims
};
