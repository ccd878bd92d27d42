// The label chain, the marks and the dimensions of an element.
#include "core/lobject.h"

LLabelNode* LObject::GetLabel(int16_t i) {
    if (i < 0)
        return nullptr;
    LLabelNode* node = &firstLabel;
    for (int k = 0; node && k < i; ++k)
        node = node->next;
    return node;
}

int32_t LObject::GetLabelNumber(int16_t i) {
    LLabelNode* node = GetLabel(i);
    if (!node)
        return -1;
    return node->number - system.labelNumberOffset;
}

int16_t LObject::SetLabelNumber(int32_t number, int16_t i) {
    LLabelNode* node = GetLabel(i);
    if (!node)
        return -1;
    node->number = number + system.labelNumberOffset;
    return 0;
}

// Moves the whole content of one node into another (the target's old chain
// is not freed: the caller relinks it).
static void MoveContent(LLabelNode* to, LLabelNode* from) {
    to->number = from->number;
    to->next = from->next;
    CopyPoint3d(to->point, from->point);
    ads_name_set(from->insert, to->insert);
    ads_name_set(from->leader, to->leader);
    ads_name_set(from->third, to->third);
}

static int ChainLength(const LLabelNode* node) {
    int n = 0;
    for (; node; node = node->next)
        ++n;
    return n;
}

int16_t LObject::ResizeLabelList(int16_t newCount, int16_t keptAtEnd) {
    if (newCount < 1)
        newCount = 1;  // the first node always exists
    // The count field follows the chain; a stale count must not walk past it.
    int have = ChainLength(&firstLabel);
    if (have > 1 && keptAtEnd != 0) {
        int m = have < newCount ? have : newCount;
        int steps = m - keptAtEnd;
        LLabelNode* x = &firstLabel;
        for (int k = 0; k < steps && x->next; ++k)
            x = x->next;
        if (have < newCount) {
            // Fresh labels enter at x; the labels from x on follow them.
            LLabelNode* y = new LLabelNode;
            MoveContent(y, x);
            x->Reset();
            x->next = nullptr;
            LLabelNode* last = x;
            for (int k = 0; k < newCount - have - 1; ++k) {
                last->next = new LLabelNode;
                last = last->next;
            }
            last->next = y;
        } else {
            // Labels at x leave the chain; the later ones move up.
            for (int k = 0; k < have - newCount && x->next; ++k) {
                LLabelNode* gone = x->next;
                MoveContent(x, gone);
                gone->next = nullptr;
                delete gone;
            }
        }
    } else {
        LLabelNode* last = &firstLabel;
        while (last->next)
            last = last->next;
        for (int k = have; k < newCount; ++k) {
            last->next = new LLabelNode;
            last = last->next;
        }
    }
    labelCount = newCount;
    return 0;
}

void LObject::AddMark(const ads_name mark) {
    if (markCount < 0)
        markCount = 0;
    if (markCount >= kMaxMarks)
        return;
    ads_name_set(mark, marks[markCount]);
    ++markCount;
}

void LObject::AddDimension(const ads_name dim) {
    if (dimensionCount < 0)
        dimensionCount = 0;
    if (dimensionCount >= kMaxDimensions)
        return;
    ads_name_set(dim, dimensions[dimensionCount]);
    ++dimensionCount;
}
