// Which parameters the properties dialog greys: those that a joint fixes
// (the sizes bound to a joined connector), those the element itself marks
// fixed once it sits between neighbours, and the sizes that round fittings
// take from elsewhere (a parent's, or their own children's).
#include <memory>

#include "core/element_factory.h"
#include "core/lconnector.h"
#include "core/lobject.h"
#include "ui/dcl/loedit_dialog.h"

namespace {

// Round-duct types whose sizes come from elsewhere.
constexpr int16_t kRoundFamily = 2;
constexpr uint16_t kRoundReducer = 2;       // its second size follows the first
constexpr uint16_t kRoundHostFitting = 10;  // its children take its parameters 1 and 2

void Flag(std::vector<int16_t>& flags, int i) {
    if (i >= 0 && i < static_cast<int>(flags.size()))
        flags[static_cast<size_t>(i)] = 1;
}

}  // namespace

std::vector<int16_t> GreyedParams(LObject* element, int16_t greyingMode) {
    if (!element || element->GetParamCount() <= 0)
        return {};
    int n = element->GetParamCount();
    std::vector<int16_t> flags(static_cast<size_t>(n), 0);
    if (greyingMode == kGreyEveryJoint)
        element->MarkFixedParams(flags.data());
    for (int16_t c = 0; c < element->GetConnectorCount(); ++c) {
        if (greyingMode != kGreyEveryJoint && greyingMode != c)
            continue;
        LConnector* connector = element->GetConnector(c);
        if (!connector)
            continue;
        int16_t* marks = flags.data();
        connector->MarkBoundParams(&marks);
    }
    ads_name parent;
    element->GetParentEntity(parent);
    uint16_t family = 0, subtype = 0;
    if (!ads_name_nil(parent) && GetElementType(parent, &family, &subtype) == 0 &&
        family == kRoundFamily && subtype == kRoundHostFitting && element->parentParams[0] != -1 &&
        element->parentParams[1] != -1) {
        Flag(flags, element->parentParams[0]);
        Flag(flags, element->parentParams[1]);
    }
    if (element->GetFamily() == kRoundFamily) {
        if (element->GetSubtype() == kRoundReducer)
            Flag(flags, 1);
        if (element->GetSubtype() == kRoundHostFitting && element->CountChildren() > 0) {
            Flag(flags, 1);
            Flag(flags, 2);
        }
    }
    return flags;
}
