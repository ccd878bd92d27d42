#include "elements/rcs/lrcs_box.h"

#include <cmath>
#include <iterator>

#include "core/description_text.h"
#include "core/messages.h"
#include "core/rounding.h"
#include "core/text_buffer.h"
#include "core/text_lists.h"
#include "elements/rcs/rcs_lists.h"
#include "elements/rcs/rcs_pen_lines.h"

namespace {

constexpr int16_t kParamCount = 10;
constexpr int16_t kLengthParam = 2, kHeightParam = 3, kDirectionParam = 4, kAccessoryParam = 6,
                  kDFlagParam = 8, kOptionParam = 9;
constexpr int kEndCapsMessage = 142;
constexpr double kSquare = 543;

const double kCnhLengths[] = {200, 300, 400, 500, 543, 600, 800, 1000, 1200};
const double kCnhHeights[] = {100, 200, 300, 400, 543};
const char* const kNoDirection[] = {""};

// Grille types by their place in the grille list.
bool IsCnh(int16_t t) { return t == 8 || t == 9; }
bool IsBld(int16_t t) { return t > 12; }
bool IsRls(int16_t t) { return t > 9 && t < 13; }
bool HasDirection(int16_t t) { return t < 8; }

}  // namespace

LRCsBox::LRCsBox(int16_t id, const char* name) : LRCs(id, 1, kParamCount), boxName(name) {
    connectors[0]->shape = kShapeRound;
    connectors[0]->paramA = 0;
}

int16_t LRCsBox::GetParams(double** values) {
    *values = new double[kParamCount]{D,
                                      static_cast<double>(grille),
                                      L,
                                      H,
                                      static_cast<double>(direction),
                                      static_cast<double>(finish),
                                      static_cast<double>(accessory),
                                      static_cast<double>(gIndex),
                                      static_cast<double>(dFlag),
                                      IsBld(grille) ? static_cast<double>(option) : 0.0};
    return 0;
}

int16_t LRCsBox::SetParams(const double* v) {
    if (!v)
        return 0;
    int16_t before = grille;
    double oldL = L, oldH = H;
    int16_t oldG = before < 0 ? 1 : gIndex;
    SetSize(&D, v[0]);
    SetSize(&L, v[2]);
    SetSize(&H, v[3]);
    grille = RoundToShort(v[1]);
    direction = RoundToShort(v[4]);
    finish = RoundToShort(v[5]);
    accessory = RoundToShort(v[6]);
    gIndex = RoundToShort(v[7]);
    dFlag = RoundToShort(v[8]);
    if (IsBld(grille))
        option = RoundToShort(v[9]);
    Choices was = offered;
    if (RestoringParams()) {
        // Values read back: the grille's choices as if it were chosen
        // anew, the values as they were stored.
        const double keptL = L, keptH = H;
        const int16_t keptDirection = direction, keptAccessory = accessory, keptDFlag = dFlag;
        FollowGrille(-1, L, H, 1);
        L = keptL;
        H = keptH;
        direction = keptDirection;
        accessory = keptAccessory;
        dFlag = keptDFlag;
    } else {
        FollowGrille(before, oldL, oldH, oldG);
    }
    connectors[0]->a = connectors[0]->b = D;
    PlaceConnector();
    return offered == was ? 0 : -1;
}

void LRCsBox::FollowGrille(int16_t o, double oldL, double oldH, int16_t oldG) {
    int16_t t = grille;
    // Back to the standard sizes: 543 is not one of them.
    if ((!IsCnh(t) && IsCnh(o)) || (!IsBld(t) && IsBld(o)) || o < 0) {
        offered.sizes = SizeSet::kStandard;
        if (IsBld(o)) {
            if (L == oldL)
                L = 600;
            if (H == oldH)
                H = 300;
        }
        if (L == kSquare)
            L = 500;
        if (H == kSquare)
            H = 400;
    }
    // The CNH-F grilles: the 543 size comes only square.
    if (IsCnh(t)) {
        if (oldH == kSquare && H != kSquare)
            L = 500;
        if (oldL == kSquare && L != kSquare)
            H = 400;
        if (H == kSquare)
            L = kSquare;
        if (L == kSquare)
            H = kSquare;
        if (!IsCnh(o))
            offered.sizes = SizeSet::kCnh;
    }
    if (IsBld(t) && !IsBld(o)) {
        if (L == oldL || oldL == kSquare)
            L = 500;
        if (H == oldH || oldH == kSquare)
            H = 300;
        offered.sizes = SizeSet::kBld;
    }
    if ((HasDirection(t) && !HasDirection(o)) || o < 0) {
        offered.directionCount = 2;
        offered.dFlagKind = kParamEnabled;
    }
    if (!HasDirection(t) && HasDirection(o)) {
        direction = 1;
        offered.directionCount = 1;
    }
    if ((t < 10 && o > 9) || o < 0)
        offered.accessoryCount = 3;
    if (t > 7 && t < 13 && (o < 8 || o > 12)) {
        dFlag = 0;
        offered.dFlagKind = kParamDisabled;
    }
    if (IsRls(t) && !IsRls(o)) {
        accessory = 1;
        offered.accessoryCount = 1;
    }
    if (IsBld(t) && !IsBld(o)) {
        if (accessory > 2)
            accessory = 1;
        offered.accessoryCount = 2;
        offered.dFlagKind = kParamEnabled;
        offered.optionKind = kParamEnabled;
    }
    if (!IsBld(t) && (IsBld(o) || o < 0))
        offered.optionKind = kParamDisabled;
    if (gIndex > 1) {
        accessory = 1;
        dFlag = 0;
        offered.accessoryCount = 1;
        offered.dFlagKind = kParamDisabled;
    } else if (oldG > 1) {
        // The accessories of the grille come back.
        offered.accessoryCount = IsRls(t) ? 1 : IsBld(t) ? 2 : 3;
        if (t < 8 || IsBld(t))
            offered.dFlagKind = kParamEnabled;
    }
}

int16_t LRCsBox::ParamKind(int16_t i) const {
    if (i == kDFlagParam && offered.dFlagKind != 0)
        return offered.dFlagKind;
    if (i == kOptionParam && offered.optionKind != 0)
        return offered.optionKind;
    return LRCs::ParamKind(i);
}

int16_t LRCsBox::ParamChoiceCount(int16_t i) const {
    switch (i) {
    case kLengthParam:
        return offered.sizes == SizeSet::kCnh   ? static_cast<int16_t>(std::size(kCnhLengths))
               : offered.sizes == SizeSet::kBld ? static_cast<int16_t>(std::size(kBldLengths))
                                                : static_cast<int16_t>(std::size(kLengths));
    case kHeightParam:
        return offered.sizes == SizeSet::kCnh   ? static_cast<int16_t>(std::size(kCnhHeights))
               : offered.sizes == SizeSet::kBld ? static_cast<int16_t>(std::size(kBldHeights))
                                                : static_cast<int16_t>(std::size(kHeights));
    case kDirectionParam:
        return offered.directionCount;
    case kAccessoryParam:
        return offered.accessoryCount;
    default:
        return LRCs::ParamChoiceCount(i);
    }
}

const double* LRCsBox::ParamChoices(int16_t i) const {
    if (i == kLengthParam)
        return offered.sizes == SizeSet::kCnh ? kCnhLengths
               : offered.sizes == SizeSet::kBld ? kBldLengths
                                                : kLengths;
    if (i == kHeightParam)
        return offered.sizes == SizeSet::kCnh ? kCnhHeights
               : offered.sizes == SizeSet::kBld ? kBldHeights
                                                : kHeights;
    return LRCs::ParamChoices(i);
}

const char* const* LRCsBox::ParamChoiceTexts(int16_t i) const {
    if (i == kDirectionParam && offered.directionCount == 1)
        return kNoDirection;
    return LRCs::ParamChoiceTexts(i);
}

std::string LRCsBox::NameText() const {
    int16_t t = grille;
    const char* dir = ListText(kHV, direction);
    std::string name;
    if (t == 1 && dFlag > 0)
        name = FormatText("%s+CDD-%s", boxName, dir);
    else if (t == 2 && dFlag > 0)
        name = FormatText("%s+ADD-%s", boxName, dir);
    else if (HasDirection(t))
        name = FormatText("%s+%s-%s", boxName, ListText(kGrilles, t), dir);
    else
        name = FormatText("%s+%s", boxName, ListText(kGrilles, t));
    name += FormatText("-%s", ListText(kFinish, finish));
    if (dFlag > 0) {
        if (t > 2 && t < 8 && (direction == 1 || direction == 2))
            AppendItem(&name, direction == 1 ? "KNN" : "TKN");
        else if (IsBld(t))
            name += "KNN";
    }
    if (accessory > 1)
        AppendItem(&name, ListText(kBoxAccessory, accessory));
    if (gIndex > 1)
        AppendItem(&name, ListText(kGOption, gIndex));
    return name;
}

char* LRCsBox::GetDescription() {
    std::string text = NameText() + FormatText("  L=%lg;  H=%lg;", L, H);
    if (IsBld(grille) && option > 0) {
        text += "  ";
        text += ParamLabel(kEndCapsMessage);
    }
    return NewTextBuffer(text, kDescriptionSize);
}

int16_t LRCsBox::UpdateLabel() {
    SetFlow(connectors[0]->flow);
    return MakeFittingLabel(NameText().c_str(), RectSizeText(L, H).c_str());
}
