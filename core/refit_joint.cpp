#include "core/refit_joint.h"

#include "aced_input.h"

#include <cmath>
#include <vector>

#include "core/drawing_context.h"
#include "core/element_load.h"
#include "core/element_ptr.h"
#include "core/element_room.h"
#include "core/element_snapshot.h"
#include "core/insert_scale.h"
#include "core/insert_flags.h"
#include "core/lobject.h"
#include "core/message_format.h"
#include "core/message_numbers.h"
#include "core/standard_lengths.h"
#include "core/rounding.h"
#include "core/string_convert.h"
#include "core/write_rollback.h"

namespace {

// The gap between the two fixed connectors, in the running direction of
// a's connector (along) and sideways (across), both whole numbers; slack is
// how far, in the drawing, that rounding moved the far end.
struct Gap {
    double along = 0;
    double across = 0;
    double slack = 0;
};

// A body whose length is no whole number fits the gap its length rounds to
// (VF-20), so a fitted element's far end may lie this far (in element units)
// beyond the rounding of the gap and still meet the connector there.
constexpr double kHalfUnit = 0.5;

// Arrays and ends of one refit.
struct Refit {
    LObject* e;
    double* params;
    int16_t* flags;
    int16_t k, l;
};

}  // namespace

// The gap is measured in the drawing; the element that fills it is drawn at
// its insert scale, so its lengths are the measured ones divided by it.
static Gap MeasureGap(LObject* a, LConnector* ca, LConnector* cb, const AcGeScale3d& scale) {
    ads_point pa = {0, 0, 0}, pb = {0, 0, 0};
    ca->GetWorldPoint(pa);
    cb->GetWorldPoint(pb);
    double dx = pa[0] - pb[0], dy = pa[1] - pb[1];
    double phi = kPi;
    if (dx != 0) {
        phi = std::fmod(std::atan(dy / dx) - a->GetRotation() - ca->GetAngle(), kTwoPi);
        if (phi < 0)
            phi += kTwoPi;
    }
    double length = ElementLength(std::sqrt(dx * dx + dy * dy), scale);
    Gap g;
    double across = std::sin(phi) * length, along = std::cos(phi) * length;
    g.across = RoundToDouble(across);
    g.along = RoundToDouble(along);
    g.slack = std::hypot(along - g.along, across - g.across) * std::fabs(UsableScaleFactor(scale.sx));
    if (g.along < 0) {
        g.along = -g.along;
        g.across = -g.across;
    }
    if (g.across == 0)
        g.across = 0;  // no negative zero
    return g;
}

// The standard piece length and the length parameter of a straight piece
// (kTypeStandardPiece); false for any other type.
static bool PieceRule(const LObject* e, double* piece, int16_t* lengthIndex) {
    const LTypeDescriptor* row = e->GetTypeDesc();
    if (!HasTypeFlag(row, kTypeStandardPiece))
        return false;
    *piece = PieceLengthOfType(row);
    *lengthIndex = row->lengthParam;
    return *lengthIndex >= 0 && *lengthIndex < e->GetParamCount();
}

static void TakeCurrentSystem(LObject* e) {
    if (CurrentDrawing())
        e->SetSystemRecord(CurrentDrawing()->currentSystem);
}

// Sizes an element of the refit from the arrays and fits its connector k to
// connector `to` of x.
static void SizeAndFit(LObject* p, const Refit& r, LObject* x, int16_t to) {
    p->ApplyParams(r.params, r.flags);
    p->MatchCatalogue(r.params, r.flags);
    p->SetEdited();
    p->FitToElement(x, r.k, to);
}

// The elements a gap of `length` is laid as in pieces of `piece`: whole
// pieces while more than one piece is left, then the rest (a remainder
// equal to the piece is one piece).  0 when no piece is laid.
static double ElementsOfRun(double length, double piece) {
    if (!(piece > 0) || !(length - piece > 0) || piece == length)
        return 0;
    return std::ceil(length / piece);
}

static int16_t LayPieces(Refit& r, LObject* a, LObject* b, int16_t i, int16_t j, double piece, int16_t index) {
    double remaining = r.params[index];
    LObject* x = a;
    int16_t xEnd = i;
    int count = 0;
    WriteRollback undo;
    undo.Keep(a->entity);
    undo.Keep(b->entity);
    // The pieces laid so far, kept until the last is joined on.
    ElementPtr previous;
    while (piece > 0 && remaining - piece > 0 && piece != remaining) {
        ElementPtr p(MakeElement(r.e->GetFamily(), static_cast<uint16_t>(r.e->GetSubtype())));
        if (!p)
            break;
        r.params[index] = piece;
        SizeAndFit(p.get(), r, x, xEnd);
        TakeCurrentSystem(p.get());
        if (!WriteElement(p.get(), kInsertAll, undo))
            return kRefitNotWritten;
        p->Connect(x, r.k, xEnd);
        if (!WriteElement(x, kInsertRefresh, undo))
            return kRefitNotWritten;
        previous = std::move(p);
        x = previous.get();
        xEnd = r.l;
        ++count;
        remaining -= piece;
    }
    r.params[index] = remaining;
    SizeAndFit(r.e, r, x, xEnd);
    TakeCurrentSystem(r.e);
    if (!WriteElement(r.e, kInsertAll, undo))
        return kRefitNotWritten;
    r.e->Connect(x, r.k, xEnd);
    r.e->Connect(b, r.l, j);
    if (!WriteElement(r.e, kInsertRefresh, undo) || !WriteElement(x, kInsertRefresh, undo) ||
        !WriteElement(b, kInsertRefresh, undo)) {
        ads_name_clear(r.e->entity);
        return kRefitNotWritten;
    }
    return 0;
}

// E was sized and fitted at a.i by MeetsFarEnd.
static int16_t Stretch(Refit& r, int16_t mode, LObject* a, LObject* b, int16_t i, int16_t j) {
    WriteRollback undo;
    undo.Keep(a->entity);
    undo.Keep(b->entity);
    if (mode == 1) {
        TakeCurrentSystem(r.e);
        if (!WriteElement(r.e, kInsertAll, undo))
            return kRefitNotWritten;
    }
    r.e->Connect(a, r.k, i);
    r.e->Connect(b, r.l, j);
    if (!WriteElement(r.e, mode == 1 ? kInsertRefresh : kInsertAll, undo) || !WriteElement(a, kInsertRefresh, undo) ||
        !WriteElement(b, kInsertRefresh, undo)) {
        if (mode == 1)
            ads_name_clear(r.e->entity);
        return kRefitNotWritten;
    }
    return 0;
}

// E takes the sizes of the two connectors it meets before the gap is judged:
// a fitting's body length and offsets follow its diameters.  -1 when one
// parameter would take two different sizes.
static int16_t TakeEndSizes(LObject* e, const LConnector* ck, const LConnector* cl, const double wa[2],
                            const double wb[2]) {
    size_t n = e->GetParamCount() > 0 ? static_cast<size_t>(e->GetParamCount()) : 1;
    std::vector<double> sizes(n, 0.0);
    std::vector<int16_t> flags(n, 0);
    if (ck->SetSize(sizes.data(), flags.data(), wa[0], wa[1]) != 0 ||
        cl->SetSize(sizes.data(), flags.data(), wb[0], wb[1]) != 0)
        return -1;
    e->ApplyParams(sizes.data(), flags.data());
    return 0;
}

// E sized from the arrays and fitted at a.i: true when its connector l then
// lies on b.j, as far as the whole-number gap (and a body length rounded to
// it) allows.  A joint is recorded only where the two ends meet.
static bool MeetsFarEnd(const Refit& r, LObject* a, LObject* b, int16_t i, int16_t j, double slack) {
    SizeAndFit(r.e, r, a, i);
    ads_point pl = {0, 0, 0}, pb = {0, 0, 0};
    r.e->GetConnector(r.l)->GetWorldPoint(pl);
    b->GetConnector(j)->GetWorldPoint(pb);
    AcGeScale3d scale;
    r.e->GetScale(&scale);
    double allowed = slack + kHalfUnit * std::fabs(UsableScaleFactor(scale.sx));
    return std::hypot(pl[0] - pb[0], pl[1] - pb[1]) <= allowed;
}

// FitToElement turns E from its neighbour's rotation, which lies whole turns
// away from E's own when the neighbour was fitted to E; each re-fit would
// wind the stored rotation on by a turn.  E keeps it within one turn.
static void KeepWithinOneTurn(LObject* e) {
    double r = std::fmod(e->GetRotation(), kTwoPi);
    if (std::isfinite(r))
        e->SetRotation(r == 0 ? 0.0 : r);  // no negative zero
}

// The sizes of both ends, the gap judged at them and E's far end checked:
// 0 when E was fitted (nothing written yet), -1 when refused.
static int16_t TryPair(Refit& r, LObject* a, LObject* b, int16_t i, int16_t j, const Gap& gap) {
    LConnector* ck = r.e->GetConnector(r.k);
    LConnector* cl = r.e->GetConnector(r.l);
    double wa[2] = {0, 0}, wb[2] = {0, 0};
    a->GetConnector(i)->GetSize(&wa[0], &wa[1]);
    b->GetConnector(j)->GetSize(&wb[0], &wb[1]);
    if (TakeEndSizes(r.e, ck, cl, wa, wb) != 0)
        return -1;
    if (r.e->FitLength(r.params, r.flags, r.k, r.l, gap.along, gap.across) != 0 ||
        ck->SetSize(r.params, r.flags, wa[0], wa[1]) != 0 || cl->SetSize(r.params, r.flags, wb[0], wb[1]) != 0)
        return -1;
    return MeetsFarEnd(r, a, b, i, j, gap.slack) ? 0 : -1;
}

int16_t RefitJoint(int16_t mode, LObject* e, LObject* a, LObject* b, int16_t i, int16_t j, int16_t k, int16_t l) {
    LConnector* ca = a ? a->GetConnector(i) : nullptr;
    LConnector* cb = b ? b->GetConnector(j) : nullptr;
    LConnector* ck = e ? e->GetConnector(k) : nullptr;
    LConnector* cl = e ? e->GetConnector(l) : nullptr;
    if (!ca || !cb || !ck || !cl || ck->shape != ca->shape || cl->shape != cb->shape)
        return -1;
    // Every try starts from E as it is and a refused one puts it back: the
    // sizes a refused pair gave it must not judge the next pair.
    ElementSnapshot before(e);
    if (!before.Taken())
        return -1;
    // An element already in the drawing takes only the sizes of the ends it
    // is joined to; its branch, spigot or outlet keeps the values it has.
    if (mode == 0)
        e->SetEdited();
    AcGeScale3d scale;
    e->GetScale(&scale);
    Gap gap = MeasureGap(a, ca, cb, scale);
    size_t n = e->GetParamCount() > 0 ? static_cast<size_t>(e->GetParamCount()) : 1;
    std::vector<double> params(n, 0.0);
    std::vector<int16_t> flags(n, 0);
    Refit r{e, params.data(), flags.data(), k, l};
    if (TryPair(r, a, b, i, j, gap) != 0) {
        before.Restore();
        return -1;
    }
    if (mode == 0)
        KeepWithinOneTurn(e);
    double piece = 0;
    int16_t index = 0;
    if (mode == 1 && PieceRule(e, &piece, &index)) {
        // An absurd gap is refused before anything is laid.
        double length = params[static_cast<size_t>(index)];
        if (ElementsOfRun(length, piece) > kMostPiecesInRun) {
            before.Restore();
            acutPrintf(L"%s",
                       ToWide(FormatMessageNumber(kMsgRunTooLong, {length, kMostPiecesInRun}).c_str()).c_str());
            return kRefitRunTooLong;
        }
        return LayPieces(r, a, b, i, j, piece, index);
    }
    return Stretch(r, mode, a, b, i, j);
}
