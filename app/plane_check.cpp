// Refusing to act by an element in another plane than the drawing's.
#include "app/plane_check.h"

#include <string>

#include "aced_input.h"
#include "ads_entity.h"
#include "core/insert_plane.h"
#include "core/lconnector.h"
#include "core/lobject.h"
#include "core/string_convert.h"
#include "core/xdata_list.h"

namespace {

constexpr const wchar_t* kMsgOtherPlane =
    L"\nLURAK: element %ls lies in another plane than the drawing's (extrusion not 0,0,1); nothing is changed.\n";
constexpr const wchar_t* kMsgLeftOutOtherPlane =
    L"\nLURAK: %d selected element(s) left out: their insert lies in another plane than the drawing's "
    L"(extrusion not 0,0,1).\n";

} // namespace

bool RefuseOtherPlane(const ads_name insert) {
    if (ads_name_nil(insert) || InsertInDrawingPlane(insert))
        return false;
    acutPrintf(kMsgOtherPlane, ToWide(HandleOfEntity(insert).c_str()).c_str());
    return true;
}

void ReportLeftOutOtherPlane(int count) {
    if (count > 0)
        acutPrintf(kMsgLeftOutOtherPlane, count);
}

bool RefuseOtherPlaneAround(const LObject& element) {
    if (RefuseOtherPlane(element.entity))
        return true;
    for (int16_t i = 0; i < element.GetConnectorCount(); ++i) {
        const LConnector* c = element.GetConnector(i);
        if (c && !c->IsFree() && RefuseOtherPlane(c->neighbourEntity))
            return true;
    }
    if (RefuseOtherPlane(element.parentEntity))
        return true;
    ads_name child;
    for (LChildNode* node = element.NextChild(child, nullptr); node; node = element.NextChild(child, node))
        if (RefuseOtherPlane(child))
            return true;
    return false;
}
