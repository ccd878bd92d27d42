#include "elements/rcs/lrcs_tta.h"

#include "core/description_text.h"
#include "core/element_block.h"
#include "core/element_views.h"
#include "core/rounding.h"
#include "core/text_buffer.h"
#include "elements/rcs/rcs_pen_lines.h"

namespace {

constexpr int16_t kParamCount = 5;
constexpr int16_t kTtbParamCount = 6;
constexpr int16_t kTypeParam = 0, kHParam = 1, kLParam = 2, kGParam = 3;
constexpr int16_t kBackSide = 5;
// The box's depth beyond h, the collar of the top-fed box and its spigot.
constexpr double kBoxDepth = 128;
constexpr double kTopCollar = 30;
constexpr double kTopRise = 228;
constexpr double kTopReach = 328;
// The one size the TTL comes in, and its nominal face.
constexpr double kTtlSize = 590;
constexpr double kTtlFace = 628;

// The nominal face of a size class: below 305 the 203 class (180) and so on.
double NominalOf(double size) {
    if (size < 305)
        return 180;
    if (size < 457)
        return 280;
    if (size < 575)
        return 430;
    if (size < 610)
        return 550;
    return 585;
}

// Outside this pair the TTA is square.
constexpr double kNarrow = 280, kWide = 585;
bool IsPairSize(double s) { return s == kNarrow || s == kWide; }

}  // namespace

LRCsTTA::LRCsTTA() : LRCsTTA(24, "TTA") { SetParams(DefaultValues()); }

LRCsTTA::LRCsTTA(int16_t id, const char* name) : LRCsTtBox(id, kParamCount, kGParam), code(name) {
    connectors[0]->side = kBackSide;
    connectors[0]->paramA = kHParam;
    connectors[0]->paramB = kLParam;
}

int16_t LRCsTTA::GetParams(double** values) {
    *values = new double[kParamCount]{static_cast<double>(typeCode), sizeH, sizeL,
                                      static_cast<double>(gCode), h};
    return 0;
}

void LRCsTTA::ReadValues(const double* v) {
    typeCode = RoundToShort(v[0]);
    sizeH = SizeOr(v[1], sizeH);
    sizeL = SizeOr(v[2], sizeL);
    gCode = RoundToShort(v[3]);
    h = SizeOr(v[4], h);
}

void LRCsTTA::PlaceConnector() {
    connectors[0]->a = sizeH;
    connectors[0]->b = sizeL;
    SetPoint3d(connectors[0]->position, -(h + kBoxDepth) / 2, 0, 0);
}

int16_t LRCsTTA::SetParams(const double* v) {
    if (!v)
        return 0;
    double oldL = sizeL;
    ReadValues(v);
    // The unit is square but for the narrow face on the wide size; the
    // size changed last leads.  Sizes read back went together when stored.
    if (RestoringParams()) {
        // as stored
    } else if (sizeL == oldL) {
        if (sizeH != kNarrow)
            sizeL = sizeH;
        else if (!IsPairSize(sizeL))
            sizeL = kNarrow;
    } else if (sizeL < kWide) {
        sizeH = sizeL;
    } else if (!IsPairSize(sizeH)) {
        sizeH = kWide;
    }
    H = NominalOf(sizeH);
    L = NominalOf(sizeL);
    PlaceConnector();
    return 0;
}

std::string LRCsTTA::NameText() const {
    return FormatText("%s+%s", code, RowText(*this, kTypeParam, typeCode));
}

// The box seen from the front (H across) or the side (L across), open on
// the connector's side; end-on only the connector shows.
int16_t LRCsTTA::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    DrawConnectorEnds(layoutLengths[8], 1);
    ElementView view = ViewOf(orientation);
    if (view.IsPlan() || view.IsSide()) {
        double s = view.SignX(), e = (h + kBoxDepth) / 2;
        double w = (view.IsPlan() ? sizeH : sizeL) / 2;
        FigureChain(*this, FittingPen::kOutline, {{-s * e, w}, {s * e, w}, {s * e, -w}, {-s * e, -w}});
    }
    return block.Close();
}

LRCsTTL::LRCsTTL() : LRCsTTA(32, "TTL") { SetParams(DefaultValues()); }

int16_t LRCsTTL::SetParams(const double* v) {
    if (!v)
        return 0;
    ReadValues(v);
    sizeH = sizeL = kTtlSize;
    H = L = kTtlFace;
    PlaceConnector();
    return 0;
}

LRCsTTB::LRCsTTB() : LRCsTtBox(30, kTtbParamCount, kGParam) {
    connectors[0]->side = kBackSide;
    connectors[0]->paramA = kHParam;
    connectors[0]->paramB = kTtbParamCount - 1;
    SetParams(DefaultValues());
}

int16_t LRCsTTB::GetParams(double** values) {
    *values = new double[kTtbParamCount]{static_cast<double>(typeCode), H, L,
                                         static_cast<double>(gCode), h, kCollar};
    return 0;
}

int16_t LRCsTTB::SetParams(const double* v) {
    if (!v)
        return 0;
    double oldL = L;
    typeCode = RoundToShort(v[0]);
    H = SizeOr(v[1], H);
    L = SizeOr(v[2], L);
    gCode = RoundToShort(v[3]);
    h = SizeOr(v[4], h);
    // Square, but for the 305 face, which also comes 610 long.
    constexpr double kOblong = 305, kLong = 610;
    auto oblongL = [](double x) { return x == kOblong || x == kLong; };
    if (H != kOblong)
        L = H;
    else if (!oblongL(L))
        L = oblongL(oldL) ? oldL : kOblong;
    connectors[0]->a = H;
    connectors[0]->b = kCollar;
    SetPoint3d(connectors[0]->position, -H / 2 - kTopCollar, 0, (h + kTopRise) / 2);
    return 0;
}

std::string LRCsTTB::NameText() const { return FormatText("TTB+%s", RowText(*this, kTypeParam, typeCode)); }

// Front: the face with its diagonals (seen through the box from the front)
// and the collar beside it.  Side: the box with the collar rising to the
// connector on top.
int16_t LRCsTTB::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    DrawConnectorEnds(layoutLengths[8], 1);
    ElementView view = ViewOf(orientation);
    double s = view.SignX(), x = H / 2, y = L / 2, c = H / 2 + kTopCollar;
    if (view.IsPlan()) {
        FigureChain(*this, FittingPen::kOutline, {{-s * c, y}, {s * x, y}, {s * x, -y}, {-s * c, -y}});
        FigureLine(*this, FittingPen::kDashed, {-s * x, -y}, {-s * x, y});
        FittingPen diagonal = view.fromBelow ? FittingPen::kPen2 : FittingPen::kDashed;
        FigureLine(*this, diagonal, {-s * x, -y}, {s * x, y});
        FigureLine(*this, diagonal, {s * x, -y}, {-s * x, y});
    } else if (view.IsSide()) {
        double e = (h + kBoxDepth) / 2, top = (h + kTopReach) / 2;
        FigureLine(*this, FittingPen::kOutline, {-s * x, -e}, {-s * x, e});
        FigureChain(*this, FittingPen::kOutline, {{s * x, e}, {s * x, -e}, {-s * x, -e}});
        FigureChain(*this, FittingPen::kOutline, {{-s * c, e}, {s * x, e}, {-s * x, top}, {-s * c, top}});
    }
    return block.Close();
}
