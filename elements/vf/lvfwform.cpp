#include "elements/vf/lvfwform.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/bom_builder.h"
#include "core/description_text.h"
#include "core/geometry.h"
#include "core/rounding.h"
#include "core/run_split.h"
#include "core/standard_lengths.h"

namespace {

constexpr int kValueCount = 3;
constexpr int16_t kMostCount = std::numeric_limits<int16_t>::max();

double Normalised(double a) {
    if (!std::isfinite(a))
        return a;
    if (std::fabs(a) > 64 * kTwoPi)
        a = std::fmod(a, kTwoPi);
    while (a > kPi)
        a -= kTwoPi;
    while (a < -kPi)
        a += kTwoPi;
    return a;
}

double PlanLength(const ads_point v) { return std::hypot(v[0], v[1]); }

// A bend built to fit exactly leaves its tangent equal to the room it
// needs; rounding must not refuse it.
bool Fits(double tangent, double room) { return tangent <= room + 1e-9 * (1.0 + std::fabs(room)); }

bool IsFinitePoint(const ads_point v) {
    return std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]);
}

}  // namespace

LVfWform::LVfWform() : LVf(2, 2, kValueCount) {
    connectors[0]->side = 5;
    connectors[1]->side = 2;
    connectors[0]->paramA = connectors[1]->paramA = 0;
    kind = kKindPath;
    pieceLength = StandardPieceLength(kShapeRound);
    SetFlipModes(3, 3, 3);
    SetParams(DefaultValues());
}

int16_t LVfWform::GetParams(double** values) {
    double* v = new double[kValueCount];
    v[0] = d;
    v[1] = RoundToDouble(pathLength);
    v[2] = pieceLength;
    *values = v;
    return 0;
}

int16_t LVfWform::SetParams(const double* v) {
    if (v) {
        if (IsSize(v[0]))
            d = v[0];
        if (IsSize(v[2]))
            pieceLength = v[2];
    }
    // A stored path is whole once its values are set.
    if (rebuilding)
        WorkOutStraights();
    rebuilding = expectingHead = false;
    PlaceLabels();
    for (int i = 0; i < 2; ++i)
        connectors[i]->a = connectors[i]->b = d;
    if (connectors[1]->flow != connectors[0]->flow)
        connectors[1]->flow = connectors[0]->flow;
    return 0;
}

int16_t LVfWform::MarkFixedParams(int16_t*) { return -1; }

void LVfWform::AppendNode(const ads_point v, double angle, double straight) {
    auto node = std::make_unique<LVfPathNode>();
    node->angle = angle;
    node->straight = straight;
    CopyPoint3d(node->offset, v);
    last->next = node.get();
    last = node.get();
    nodes.push_back(std::move(node));
    PathChanged();
}

LVfPathNode LVfWform::PopNode() {
    LVfPathNode gone;
    gone.angle = last->angle;
    gone.straight = last->straight;
    CopyPoint3d(gone.offset, last->offset);
    nodes.pop_back();
    last = nodes.empty() ? &first : nodes.back().get();
    last->next = nullptr;
    PathChanged();
    return gone;
}

// Totals are summed afresh from the nodes so that taking a segment back
// gives the path exactly as it was.
void LVfWform::PathChanged() {
    pathLength = extentX = extentY = 0.0;
    for (const auto& n : nodes) {
        extentX += n->offset[0];
        extentY += n->offset[1];
        pathLength += PlanLength(n->offset);
    }
    segmentCount = static_cast<int16_t>(std::min<size_t>(nodes.size(), kMostCount));
    connectors[1]->angle = last->angle;
    SetPoint3d(connectors[0]->position, -extentX / 2, -extentY / 2, 0);
    SetPoint3d(connectors[1]->position, extentX / 2, extentY / 2, 0);
    PlaceLabels();
}

// One label in the middle of every piece, and one in the middle of the rest.
void LVfWform::PlaceLabels() {
    double whole = std::floor(pathLength / pieceLength);
    // A path of more pieces than a straight run is cut into is, like that
    // run, one piece of its own length.
    bool uncut = !(whole <= kMaxPieces);
    uncutRun = uncut ? UncutRun{true, pathLength, pieceLength} : UncutRun{};
    pieceCount = uncut ? 0 : static_cast<int16_t>(std::clamp(whole, 0.0, kMostCount - 1.0));
    if (uncut)
        rest = std::isfinite(pathLength) ? RoundToDouble(pathLength) : 0.0;
    else
        rest = RoundToDouble(std::fmod(pathLength, pieceLength));
    ResizeLabelList(static_cast<int16_t>(rest == 0.0 ? pieceCount : pieceCount + 1), 1);
    double px = -extentX / 2, py = -extentY / 2, walked = 0.0;
    const LVfPathNode* node = &first;
    auto pointAt = [&](double t, ads_point out) {
        while (walked + PlanLength(node->offset) < t && node->next) {
            walked += PlanLength(node->offset);
            px += node->offset[0];
            py += node->offset[1];
            node = node->Next();
        }
        double len = PlanLength(node->offset);
        double k = len > 0.0 ? (t - walked) / len : 0.0;
        SetPoint3d(out, px + k * node->offset[0], py + k * node->offset[1], 0);
    };
    LLabelNode* label = GetLabel(0);
    for (int i = 0; i < pieceCount && label; ++i, label = label->next)
        pointAt((2 * i + 1) * pieceLength / 2, label->point);
    if (label)
        pointAt(pathLength - rest / 2, label->point);
}

// What the bend at the start of each segment leaves straight, as laying the
// segment found it.
void LVfWform::WorkOutStraights() {
    const LVfPathNode* previous = &first;
    for (const auto& n : nodes) {
        double turn = Normalised(previous->angle - n->angle);
        double t = BendRadius() * std::tan(std::fabs(turn) / 2);
        n->straight = std::max(0.0, PlanLength(n->offset) - t);
        previous = n.get();
    }
}

int16_t LVfWform::AddPathSegment(const ads_point v, double a) {
    if (!v || !IsFinitePoint(v) || !std::isfinite(a))
        return -1;
    // The stored first node: a chord of nothing handed to a path just emptied
    // for reading.  Laying a path never gives it (it is refused below).
    bool head = expectingHead && v[0] == 0.0 && v[1] == 0.0 && v[2] == 0.0;
    expectingHead = false;
    if (head && Empty() && !buildingBend) {
        first.angle = a;
        CopyPoint3d(first.offset, v);
        rebuilding = true;
        return 0;
    }
    double g = Empty() ? 0.0 : last->straight;
    double turn = Normalised(last->angle - a);
    double len = PlanLength(v);
    double offAxis = Normalised(std::atan2(v[1], v[0]) - a);
    if (offAxis < -kFlexWidestTurn || offAxis > kFlexWidestTurn || len > kFlexLongestChord) {
        rebuilding = false;
        return -1;
    }
    double t = BendRadius() * std::tan(std::fabs(turn) / 2);
    // A stored segment was laid with the bends of the stored diameter, which
    // the element learns only after its path: it is taken as it was laid,
    // and the straight parts are worked out again once the diameter is set.
    if (rebuilding) {
        AppendNode(v, a, std::max(0.0, len - t));
        return 0;
    }
    if (Empty() && !Fits(t, len))
        return -1;
    bool direct = Empty() ? buildingBend : Fits(t, len) && Fits(t, g);
    if (direct) {
        AppendNode(v, a, std::max(0.0, len - t));
        return 0;
    }
    if (buildingBend)
        return -1;
    return InsertBend(v, a);
}

// The segment does not fit after the last one: the corner moves back along
// the last straight until a bend fits; the path is unchanged when none does.
int16_t LVfWform::InsertBend(const ads_point v, double) {
    bool wasEmpty = Empty();
    ads_point e = {0, 0, 0};
    double phi = 0.0, g = 0.0;
    if (!wasEmpty) {
        CopyPoint3d(e, last->offset);
        phi = last->angle;
        g = last->straight;
    }
    double ux = std::cos(phi), uy = std::sin(phi);
    ads_point s = {e[0] - g * ux, e[1] - g * uy, e[2]};
    ads_point bigV = {v[0] + g * ux, v[1] + g * uy, v[2]};
    double m = PlanLength(bigV);
    double c = (phi + kPi) - std::atan2(bigV[1], bigV[0]);
    while (c > kPi)
        c -= kTwoPi;
    c = std::fabs(c);
    const double r = BendRadius();
    double q = m * m - 2 * m * r * std::cos(kHalfPi - c);
    double denominator = 2 * m * std::cos(kPi - c) + 2 * std::sqrt(q);
    if (denominator == 0.0 || !std::isfinite(denominator))
        return -1;
    double x = (m * m - q) / denominator;
    if (!(x >= 0.0) || !std::isfinite(x))
        return -1;
    ads_point w = {s[0] + x * ux, s[1] + x * uy, s[2]};
    buildingBend = true;
    LVfPathNode removed;
    if (!wasEmpty)
        removed = PopNode();
    int16_t result = AddPathSegment(w, phi);
    if (result == 0) {
        ads_point v2 = {v[0] - w[0] + e[0], v[1] - w[1] + e[1], v[2] - w[2] + e[2]};
        result = AddPathSegment(v2, std::atan2(v2[1], v2[0]));
        if (result != 0)
            PopNode();
    }
    if (result != 0 && !wasEmpty)
        AppendNode(removed.offset, removed.angle, removed.straight);
    buildingBend = false;
    return result;
}

int16_t LVfWform::AddPathPoint(const ads_point p, double b) {
    if (!p || !IsFinitePoint(p) || !std::isfinite(b))
        return -1;
    rebuilding = expectingHead = false;
    double phi = Empty() ? 0.0 : last->angle;
    double side = -p[0] * std::sin(b) + p[1] * std::cos(b) < 0.0 ? -1.0 : 1.0;
    const double r = BendRadius();
    double wx = p[0] - r * std::cos(phi + side * kHalfPi) - r * std::cos(b - side * kHalfPi);
    double wy = p[1] - r * std::sin(phi + side * kHalfPi) - r * std::sin(b - side * kHalfPi);
    double m = std::hypot(wx, wy);
    if (!(m >= 2 * r))
        return -1;
    double alpha = std::atan2(wy, wx);
    double beta = std::asin(2 * r / m);
    double turn1 = Normalised(beta - side * (phi - alpha));
    double turn2 = Normalised(beta - side * (b - alpha));
    auto tangent = [r](double turn) {
        return turn == kPi || turn == -kPi ? 0.0 : std::fabs(r * std::tan(turn / 2));
    };
    double t1 = tangent(turn1), t2 = tangent(turn2);
    ads_point a = {t1 * std::cos(phi), t1 * std::sin(phi), 0};
    ads_point dd = {t2 * std::cos(b), t2 * std::sin(b), 0};
    ads_point v = {p[0] - a[0] - dd[0], p[1] - a[1] - dd[1], p[2] - a[2] - dd[2]};
    buildingBend = true;
    int appended = 0;
    if (AddPathSegment(a, phi) == 0) {
        ++appended;
        if (AddPathSegment(v, std::atan2(v[1], v[0])) == 0) {
            ++appended;
            if (AddPathSegment(dd, b) == 0)
                ++appended;
        }
    }
    if (appended < 3)
        for (int i = 0; i < appended; ++i)
            PopNode();
    buildingBend = false;
    return appended == 3 ? 0 : -1;
}

int16_t LVfWform::RemoveLastSegment() {
    rebuilding = false;
    if (Empty()) {
        // The reader empties a path this way before it hands over the
        // stored nodes, the first one first.
        expectingHead = true;
        return -1;
    }
    PopNode();
    return 0;
}

int16_t LVfWform::GetLastSegmentEnd(ads_point end, double* angle) {
    if (end)
        CopyPoint3d(end, last->offset);
    if (angle)
        *angle = last->angle;
    return 0;
}

int16_t LVfWform::Mirror() {
    for (LVfPathNode* n = &first; n; n = n->Next()) {
        n->angle = kTwoPi - n->angle;
        n->offset[1] = -n->offset[1];
    }
    PathChanged();
    return 0;
}

int16_t LVfWform::GetBomLines(LBomRow** rows, uint16_t* count, uint16_t* further,
                              uint16_t* extraRows) {
    BomBuilder bom;
    StraightRun run = Run();
    for (double length : run.Lengths())
        bom.AddWithConnectorFlow(*this, DescriptionText("FLEX").Size("d", d).Size("l", length).Text(),
                                 "d", connectors[0]);
    bom.AddCouplings(run.Parts() - 1, DescriptionText("VF-01").Size("d", d).Text());
    return bom.HandOut(rows, count, further, extraRows);
}
