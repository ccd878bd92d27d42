#include "core/element_room.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "aced_input.h"
#include "ads_entity.h"
#include "core/application_name.h"
#include "core/finite_placement.h"
#include "core/lobject.h"
#include "core/system_record.h"
#include "core/string_convert.h"

// Why a write of an element whose points overflow was refused.
constexpr const wchar_t* kPlacementTooLarge =
    L"at its insert's place and scale its points would be numbers too large for a drawing";

long ElementDataSize(LObject* e) {
    if (!e)
        return -1;
    resbuf* xdata = e->WriteXData();
    if (!xdata)
        return -1;
    long size = 0;
    int status = acdbXdSize(xdata, &size);
    acutRelRb(xdata);
    return status == RTNORM ? size : -1;
}

bool ElementDataFits(LObject* e) {
    long size = ElementDataSize(e);
    if (size < 0)
        return false;
    // Room for the longest tag its air system may be given later, so that
    // renaming the system never finds the element too large to rewrite.
    const char* tag = e->System().tag;
    long longest = static_cast<long>(sizeof(LSystemRecord::tag) - 1);
    long headroom = longest - static_cast<long>(strnlen(tag, sizeof(LSystemRecord::tag)));
    return size + std::max(0L, headroom) <= kElementDataRoom;
}

bool ElementTextFits(const char* text) {
    return !text || std::strlen(text) <= kElementTextRoom;
}

void ReportCopyNotWritten(LObject* copy, const char* sourceHandle) {
    if (!copy)
        return;
    std::wstring name = ToWide(sourceHandle ? sourceHandle : "");
    long size = ElementDataSize(copy);
    if (size > kElementDataRoom)
        acutPrintf(L"\nLURAK: element %ls was not copied: its copy's data would take %ld bytes, more than the %ld "
                   L"the drawing keeps for one element.\n",
                   name.c_str(), size, kElementDataRoom);
    else if (!PlacementIsFinite(*copy))
        acutPrintf(L"\nLURAK: element %ls was not copied: %ls.\n", name.c_str(), kPlacementTooLarge);
    else
        acutPrintf(L"\nLURAK: element %ls was not copied: the drawing refused its copy.\n", name.c_str());
}

// The bytes of extended data on the entity: of every application (all), or
// of this program's.
static long StoredDataSize(const ads_name entity, bool all) {
    resbuf* filter = acutBuildList(RTSTR, all ? L"*" : kApplicationNameWide, 0);
    resbuf* list = acdbEntGetX(entity, filter);
    acutRelRb(filter);
    long size = 0;
    for (resbuf* rb = list; rb; rb = rb->rbnext)
        if (rb->restype == -3 && rb->rbnext && acdbXdSize(rb->rbnext, &size) != RTNORM)
            size = 0;
    acutRelRb(list);
    return size;
}

void ReportElementNotWritten(LObject* e, RefusalEnd end) {
    if (!e)
        return;
    // A new element has no handle yet: it is named by what it is.
    std::wstring name = ToWide(e->HandleText());
    if (ads_name_nil(e->entity) || name.empty() || name == L"0")
        name = L"(new)";
    const wchar_t* left = end == RefusalEnd::kDrawingKept ? L"the drawing is left as it was"
                                                          : L"it keeps its former data, the rest of the command stands";
    long size = ElementDataSize(e);
    // Other applications' data on the insert shares the room.
    long others = ads_name_nil(e->entity) ? 0 : StoredDataSize(e->entity, true) - StoredDataSize(e->entity, false);
    if (size > kElementDataRoom)
        acutPrintf(L"\nLURAK: element %ls was not written: its data would take %ld bytes, more than the %ld "
                   L"the drawing keeps for one element; %ls.\n",
                   name.c_str(), size, kElementDataRoom, left);
    else if (size >= 0 && others > 0 && size + others > kElementDataRoom)
        acutPrintf(L"\nLURAK: element %ls was not written: its data would take %ld bytes beside the %ld of other "
                   L"applications on it, more than the %ld the drawing keeps for one element; %ls.\n",
                   name.c_str(), size, others, kElementDataRoom, left);
    else if (!PlacementIsFinite(*e))
        acutPrintf(L"\nLURAK: element %ls was not written: %ls; %ls.\n", name.c_str(), kPlacementTooLarge, left);
    else
        acutPrintf(L"\nLURAK: element %ls could not be written to the drawing; %ls.\n", name.c_str(), left);
}
