// The rows the properties dialog offers in a parameter's list tile, taken
// from the element (its kind and choices for the parameter), not from the
// shared type row: an element may narrow its choices (a grille whose
// heights follow its duct, an accessory ruled out by an option).
#include <algorithm>

#include "core/lobject.h"
#include "core/type_descriptor.h"
#include "core/type_tables.h"
#include "ui/dcl/loedit_dialog.h"
#include "ui/dcl/tile_text.h"

namespace {

// The label of a labelled value: the row's text where the type's row lists
// the value, else the number itself.
std::string LabelOf(const LTypeDescriptor* d, int i, double v) {
    const double* values = DescValues(d, i);
    const char* const* labels = DescLabels(d, i);
    for (int r = 0; values && labels && r < DescValueCount(d, i); ++r)
        if (values[r] == v && labels[r])
            return labels[r];
    return FormatListDouble(v);
}

// The texts of a parameter's choices.  An element that gives texts of its
// own gives them beside its own choices, entry for entry; the row's texts
// are the row's, so they are looked up by value and never read past the row.
void LabelledItems(const LObject* element, const LTypeDescriptor* d, int16_t i,
                   LParamChoices& out) {
    const char* const* texts = element->ParamChoiceTexts(i);
    bool own = texts && texts != DescLabels(d, i);
    for (size_t r = 0; r < out.values.size(); ++r) {
        if (own)
            out.items.push_back(texts[r] ? texts[r] : FormatListDouble(out.values[r]));
        else
            out.items.push_back(LabelOf(d, i, out.values[r]));
    }
}

void TextItems(const LObject* element, const LTypeDescriptor* d, int16_t i, LParamChoices& out) {
    const char* const* texts = element->ParamChoiceTexts(i);
    if (!texts)
        return;
    int count = element->ParamChoiceCount(i);
    if (texts == DescTexts(d, i))
        count = std::min<int>(count, DescValueCount(d, i));
    for (int r = 0; r < count; ++r)
        out.items.push_back(texts[r] ? texts[r] : "");
}

}  // namespace

bool IsListKind(int16_t kind) {
    return kind == kParamDiameter || kind == kParamList || kind == kParamPercent ||
           kind == kParamTextChoice || kind == kParamLabelled;
}

LParamChoices ElementChoices(const LObject* element, int16_t i) {
    LParamChoices out;
    if (!element)
        return out;
    const LTypeDescriptor* d = element->GetTypeDesc();
    out.kind = element->ParamKind(i);
    if (out.kind == kParamDiameter) {
        out.values.assign(StandardDiameters, StandardDiameters + kStandardDiameterCount);
    } else if (out.kind == kParamList || out.kind == kParamPercent || out.kind == kParamLabelled) {
        const double* list = element->ParamChoices(i);
        int count = element->ParamChoiceCount(i);
        if (list && count > 0)
            out.values.assign(list, list + count);
    }
    switch (out.kind) {
    case kParamDiameter:
    case kParamList:
        for (double v : out.values)
            out.items.push_back(FormatListDouble(v));
        break;
    case kParamPercent:
        for (double v : out.values)
            out.items.push_back(FormatListPercent(v));
        break;
    case kParamLabelled:
        LabelledItems(element, d, i, out);
        break;
    case kParamTextChoice:
        TextItems(element, d, i, out);
        break;
    default:
        break;
    }
    return out;
}
