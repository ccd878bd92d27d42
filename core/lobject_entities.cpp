// Operations of an element on its entities in the drawing: labels and marks
// that are erased, and the element's fitting and unit labels.
#include "ads_entity.h"
#include "core/entity_handles.h"
#include "core/labels.h"
#include "core/lobject.h"

// Erases an entity that the drawing still holds.
static void EraseIfPresent(const ads_name entity) {
    if (EntityExists(entity))
        acdbEntDel(entity);
}

int16_t LObject::EraseLabel(int16_t i) {
    LLabelNode* node = GetLabel(i);
    if (!node)
        return -1;
    EraseIfPresent(node->insert);
    EraseIfPresent(node->leader);
    ads_name_clear(node->insert);
    ads_name_clear(node->leader);
    return 0;
}

void LObject::EraseMarks() {
    int n = markCount < kMarkRoom ? markCount : kMarkRoom;
    for (int i = 0; i < n && i < kMarkRoom; ++i)
        EraseIfPresent(marks[i]);
    markCount = 0;
}

int16_t LObject::MakeUnitLabel(const char* text1, const char* text2, const char* text3) {
    return PlaceUnitLabel(this, fittingLabelNode, text1, text2, text3);
}

int16_t LObject::MakeFittingLabel(const char* nameText, const char* sizeText) {
    return PlaceFittingLabel(this, fittingLabelNode, nameText, sizeText);
}
