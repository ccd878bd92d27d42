#include "elements/rcs/lrcs_cnhf.h"

#include <iterator>

#include "core/param_bindings.h"
#include "core/text_buffer.h"
#include "elements/rcs/rcs_lists.h"

namespace {

using C = LRCsCnhF;
const ParamBinding<C> kValues[] = {PositionField<C>(&C::type), SizeField<C>(&C::L),
                                   SizeField<C>(&C::H), PositionField<C>(&C::finish),
                                   PositionField<C>(&C::accessory)};
constexpr int kValueCount = static_cast<int>(std::size(kValues));
constexpr double kSquare = 543;

bool IsTall(double h) { return h == 500 || h == kSquare || h == 600; }

// The first rule that fits the change is carried out: a tall height takes
// its length along, the 543 size stays square, and leaving 543 or a long
// length brings the other size back to what the smaller face has.
void FollowChange(double oldL, double oldH, double* L, double* H) {
    if (*L == oldL && IsTall(*H))
        *L = *H;
    else if (*H == oldH && *L == kSquare)
        *H = kSquare;
    else if (oldH == kSquare && *H != kSquare && *L == kSquare)
        *L = 500;
    else if (oldL == kSquare && *L != kSquare && *H > 400)
        *H = (*L == 500 || *L == 600) ? *L : 400;
    else if ((oldL == 500 || oldL == 600) && *L != 500 && *L != 600 && *H > 400)
        *H = 400;
}

}  // namespace

LRCsCnhF::LRCsCnhF() : LRCsGrille(8, kValueCount) {
    kind = 1;
    parentParams[0] = 1;
    parentParams[1] = 2;
    SetFlipModes(0, 1, 1);
    SetParams(DefaultValues());
}

int16_t LRCsCnhF::GetParams(double** values) { return GetBoundParams(*this, kValues, values); }

int16_t LRCsCnhF::SetParams(const double* v) {
    if (!v)
        return 0;
    double oldL = L, oldH = H;
    SetBoundParams(*this, kValues, v);
    // Sizes read back (or put back) went together when they were stored.
    if (sized && !RestoringParams())
        FollowChange(oldL, oldH, &L, &H);
    sized = true;
    // The short lengths cap the height.
    if (L == 300 && H > 300)
        H = 300;
    else if (L == 200 && H > 200)
        H = 200;
    else if (L == 100)
        H = 100;
    return 0;
}

std::string LRCsCnhF::NameText() const {
    std::string name = FormatText("%s-%s", ListText(kCnhNames, type), ListText(kFinish, finish));
    if (accessory > 1)
        AppendItem(&name, ListText(kAccessory, accessory));
    return name;
}
