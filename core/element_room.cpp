#include "core/element_room.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "aced_input.h"
#include "ads_entity.h"
#include "core/lobject.h"
#include "core/system_record.h"
#include "core/string_convert.h"

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

void ReportElementNotWritten(LObject* e) {
    if (!e)
        return;
    // A new element has no handle yet: it is named by what it is.
    std::wstring name = ToWide(e->HandleText());
    if (ads_name_nil(e->entity) || name.empty() || name == L"0")
        name = L"(new)";
    long size = ElementDataSize(e);
    if (size > kElementDataRoom)
        acutPrintf(L"\nLURAK: element %ls was not written: its data would take %ld bytes, more than the %ld "
                   L"the drawing keeps for one element; the drawing is left as it was.\n",
                   name.c_str(), size, kElementDataRoom);
    else
        acutPrintf(L"\nLURAK: element %ls could not be written to the drawing; the drawing is left as it was.\n",
                   name.c_str());
}
