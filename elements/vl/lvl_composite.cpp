#include "elements/vl/lvl_composite.h"

#include <algorithm>
#include <cmath>

#include "ads_entity.h"
#include "core/bom_builder.h"
#include "core/description_text.h"
#include "core/dimensions.h"
#include "core/element_block.h"
#include "core/geometry.h"
#include "core/param_bindings.h"
#include "core/rounding.h"
#include "core/run_split.h"
#include "core/standard_lengths.h"
#include "core/text_buffer.h"
#include "elements/straight_run.h"
#include "elements/vl/vl_branch_rules.h"

namespace {

constexpr int kValueCount = 9;
enum Value { kT, kB, kA, kC, kD, kL, kR1, kR2, kS };
// The values in the order of Value, as GetParams gives them.
constexpr ParamBinding<LVlComposite> kValues[kValueCount] = {
    PositionField(&LVlComposite::t), NumberField(&LVlComposite::b),  NumberField(&LVlComposite::a),
    NumberField(&LVlComposite::c),   NumberField(&LVlComposite::d),  NumberField(&LVlComposite::l),
    NumberField(&LVlComposite::r1),  NumberField(&LVlComposite::r2), NumberField(&LVlComposite::s),
};
// Flow texts of the elbow rows (two joined) and of the piece rows.
constexpr size_t kElbowFlowSize = 100;
constexpr size_t kPieceFlowSize = 50;

}  // namespace

LVlComposite::LVlComposite(int16_t typeId, const char* elbowCode, const CompositeViews& views)
    : LVl(typeId, 2, kValueCount), elbowCode(elbowCode), views(views) {
    connectors[0]->side = 2;
    connectors[0]->paramA = kA;
    connectors[0]->paramB = kB;
    connectors[1]->side = 5;
    connectors[1]->paramA = kD;
    connectors[1]->paramB = kB;
    LObject::SetOrientation(1);
    SetFlipModes(3, 3, 3);
    s = StandardPieceLength(kShapeRect);
}

int16_t LVlComposite::GetParams(double** values) { return GetBoundParams(*this, kValues, values); }

int16_t LVlComposite::SetParams(const double* x) {
    if (x) {
        t = RoundToShort(x[kT]);
        // A side left 0 takes its partner's input: the sides of one
        // connector written, the other connector takes the same.
        double ib = x[kB], ia = x[kA], ic = x[kC], id = x[kD];
        b = FirstSize(b, {ib, ic});
        a = FirstSize(a, {ia, id});
        c = FirstSize(c, {ic, ib});
        d = FirstSize(d, {id, ia});
        if (std::isfinite(x[kL]) && x[kL] >= 0)
            l = x[kL];
        if (std::isfinite(x[kR1]))
            r1 = x[kR1];
        if (std::isfinite(x[kR2]))
            r2 = x[kR2];
        if (IsSize(x[kS]))
            s = x[kS];
    }
    r1 = BranchRadius(r1, std::max(a, c), RestoringParams());
    r2 = BranchRadius(r2, SecondRadiusBound(), RestoringParams());
    Derive();
    return 0;
}

void LVlComposite::Derive() {
    PlaceFaces();
    const double k = collarLength;
    LConnector* c0 = connectors[0];
    c0->a = a;
    c0->b = b;
    SetPoint3d(c0->position, C1 - c / 2, l / 2 + k + r1 + a / 2, 0);
    PlaceOutlet();

    PieceSplit split = SplitIntoPieces(l, s);
    uncutRun = UncutRunOf(split, l, s);
    pieceCount = static_cast<int16_t>(split.pieces);
    // An uncut run is one piece of its own length, beyond the 16 bits of a rest.
    rest = split.uncut ? RoundToDouble(l) : split.rest;
    ResizeLabelList(static_cast<int16_t>(pieceCount + 2 + (rest != 0 ? 1 : 0)), 1);
    LLabelNode* node = GetLabel(0);
    if (node) {
        SetPoint3d(node->point, C1 / 2 - c / 2, l / 2 + (k + r1 + a) / 2, 0);
        node = node->next;
    }
    for (int i = 0; i < pieceCount && node; ++i, node = node->next)
        SetPoint3d(node->point, 0, l / 2 - i * s - s / 2, 0);
    if (rest > 0 && node) {
        SetPoint3d(node->point, 0, -l / 2 + rest / 2, 0);
        node = node->next;
    }
    if (node) {
        double y = -l / 2 - (k + r2 + d) / 2;
        if (t < 0)
            SetPoint3d(node->point, 0, y, C2 / 2 - b / 2);
        else if (t == 0)
            SetPoint3d(node->point, c / 2 - C2 / 2, y, 0);
        else
            SetPoint3d(node->point, 0, y, b / 2 - C2 / 2);
    }
    SetOffsets();
}

// Connector 1 by the sign of the turn: to +z, to -x or to -z.
void LVlComposite::PlaceOutlet() {
    LConnector* c1 = connectors[1];
    const double y = -(l / 2 + collarLength + r2 + d / 2);
    if (t == 0) {
        c1->side = 5;
        c1->paramA = kD;
        c1->paramB = kB;
        c1->a = d;
        c1->b = b;
        SetPoint3d(c1->position, c / 2 - C2, y, 0);
        return;
    }
    c1->side = t < 0 ? 0 : 3;
    c1->paramA = kC;
    c1->paramB = kD;
    c1->a = c;
    c1->b = d;
    SetPoint3d(c1->position, 0, y, t < 0 ? C2 - b / 2 : b / 2 - C2);
}

int16_t LVlComposite::Mirror() {
    t = static_cast<int16_t>(-t);
    if (orientation == 0)
        orientation = 3;
    else if (orientation == 3)
        orientation = 0;
    if (orientation % 3 == 0)
        rotation = rotation > kPi ? rotation - kPi : rotation + kPi;
    Derive();
    return 0;
}

int16_t LVlComposite::MarkFixedParams(int16_t* flags) {
    if (flags) {
        flags[kT] = flags[kC] = flags[kD] = flags[kR1] = flags[kR2] = 1;
        if (orientation % 3 == 0)
            flags[kL] = 1;
    }
    return -1;
}

double LVlComposite::GetQuantity() { return a * c; }

int16_t LVlComposite::FitLength(double*, int16_t*, int16_t, int16_t, double, double) { return -1; }

int16_t LVlComposite::AdjustInsertionPoint(ads_point, const double*) { return 0; }

std::string LVlComposite::ElbowText(double w, double h, double other, double r) const {
    return DescriptionText(elbowCode).Size("alfa", 90).Size("a", w).Size("b", h).Size("c", other).Size("r", r).Text();
}

char* LVlComposite::JoinedFlows(double area1, double area2) {
    char first[kFlowTextSize] = "", second[kFlowTextSize] = "";
    FormatFlowText(first, sizeof first, "axb", area1);
    FormatFlowText(second, sizeof second, "cxb", area2);
    return NewTextBuffer(std::string(first) + "  " + second, kElbowFlowSize);
}

int16_t LVlComposite::GetBomLines(LBomRow** rows, uint16_t* count, uint16_t* further, uint16_t* extraRows) {
    BomBuilder bom;
    bom.Add(1, ElbowText(a, b, c, r1), JoinedFlows(a * b, c * b));
    auto piece = [&](double length) {
        char flow[kFlowTextSize] = "";
        FormatFlowText(flow, sizeof flow, "axb", c * b);
        bom.Add(1, DescriptionText("VL-01").Size("a", c).Size("b", b).Size("l", length).Text(),
                NewTextBuffer(flow, kPieceFlowSize));
    };
    for (int i = 0; i < pieceCount; ++i)
        piece(s);
    if (rest > 0)
        piece(rest);
    if (t != 0)
        bom.Add(1, ElbowText(d, c, b, r2), JoinedFlows(d * c, b * c));
    else
        bom.Add(1, ElbowText(d, b, c, r2), JoinedFlows(d * b, c * b));
    return bom.HandOut(rows, count, further, extraRows);
}

// Seen along the run its section's size; otherwise the run's length and the
// section's size at both its ends.
int16_t LVlComposite::UpdateLabel() {
    auto sizeText = [&](int16_t side, double y) {
        LConnector at;
        at.owner = this;
        at.shape = kShapeRect;
        at.side = side;
        at.a = c;
        at.b = b;
        SetPoint3d(at.position, 0, y, 0);
        at.MakeSizeText();
    };
    if (orientation % 3 == 1) {
        sizeText(orientation, 0);
        return 0;
    }
    double angle = orientation % 3 == 2 ? rotation : rotation + kHalfPi;
    MakeDimension(*this, insertionPoint, l, c / 2 + endMarkSize, angle);
    acdbEntUpd(entity);
    // The run's ends face +y and -y (side codes 4 and 1).
    sizeText(4, l / 2);
    sizeText(1, -l / 2);
    return 0;
}

int16_t LVlComposite::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    DrawConnectorEnds(endMarkSize, 1);
    double v[kFigureSymbols] = {};
    v[kSymC] = c, v[kSymL] = l, v[kSymK] = collarLength, v[kSymR1] = r1, v[kSymR2] = r2;
    v[kSymA] = a, v[kSymB] = b, v[kSymD] = d, v[kSymE] = endMarkSize, v[kSymC1] = C1, v[kSymC2] = C2;
    v[kSymG1] = std::min(a, d), v[kSymG2] = std::min(b, d);
    FigureTransform how;
    how.withConditional = l > 0;  // the joint at +l/2
    CompositeViews::Table table = {nullptr, 0};
    const int16_t o = orientation;
    if (t == 0) {
        if (o == 0 || o == 3) {
            table = views.straightPlan;
            how.mirrorX = o == 3;
        } else if (o == 1 || o == 4) {
            table = views.straightEnd;
            if (o == 1)
                std::swap(v[views.swapA], v[views.swapB]);
        }
    } else if (o >= 0 && o <= 5) {
        // A run turned by +90 is the run turned by -90 mirrored: the plans
        // exchanged and mirrored in X, the other views mirrored in Y.
        int16_t from = o;
        if (t > 0 && o % 3 == 0) {
            from = o == 0 ? 3 : 0;
            how.mirrorX = true;
        } else if (t > 0) {
            how.mirrorY = true;
        }
        table = views.turned[from];
    }
    DrawFigureRows(*this, table.rows, table.count, v, how, system.rectCentreLines != 0);
    return block.Close();
}
