// ContinuePlacement: from the pending start connector or the current
// element's free connector the user points the end of a straight run; the
// run is laid as standard pieces, the last one cut to what is left, each
// joined to the one before and made the current element.
#include "app/continue_placement.h"

#include <cmath>

#include "aced_input.h"
#include "app/command_bodies.h"
#include "app/current_element.h"
#include "app/doc_state.h"
#include "app/place_support.h"
#include "core/element_load.h"
#include "core/lconnector.h"
#include "core/lobject.h"
#include "core/message_format.h"
#include "core/messages.h"
#include "core/rounding.h"
#include "core/string_convert.h"

namespace {

// No real network lays this many pieces in one straight run (30 km of
// standard pieces); a mistyped end point far away would otherwise fill
// the memory and the drawing.
constexpr int kMostPiecesInRun = 20000;
// Runs of more pieces show their progress (on a terminal).
constexpr int kPiecesShowingProgress = 500;
constexpr int kMessageLayingRun = 154;
constexpr int kMessageRunTooLong = 189;
constexpr int kMessageDoesNotFit = 166;

// The straight piece of a connector shape: family, subtype, length param.
struct PieceType {
    int16_t family;
    uint16_t subtype;
    int16_t lengthParam;
};

bool PieceFor(int16_t shape, PieceType* out) {
    if (shape == kShapeRect)
        *out = {1, 1, 2};
    else if (shape == kShapeRound)
        *out = {2, 1, 1};
    else
        return false;
    return true;
}

// The standard piece length of the shape; one of 0 or less, as an old or
// damaged drawing may hold, stands for the default.
double PieceLength(int16_t shape) {
    const LDrawingDefaults& d = CurrentDocState->defaults;
    const LDrawingDefaults fallback;
    if (shape == kShapeRect)
        return d.rectPieceLength > 0 ? d.rectPieceLength : fallback.rectPieceLength;
    return d.roundPieceLength > 0 ? d.roundPieceLength : fallback.roundPieceLength;
}

// The pieces a run of `left` takes, or -1 (with a message) beyond the bound.
int PiecesOfRun(int16_t shape, double left) {
    double pieces = std::ceil(left / PieceLength(shape));
    if (pieces <= kMostPiecesInRun)
        return static_cast<int>(pieces);
    acutPrintf(L"%s", ToWide(FormatMessageNumber(kMessageRunTooLong, {left, kMostPiecesInRun}).c_str()).c_str());
    return -1;
}

LObject* MakePiece(int16_t shape) {
    PieceType type;
    if (!PieceFor(shape, &type))
        return nullptr;
    return MakeElement(type.family, type.subtype);
}

// The piece's length := the standard length, or what is left when less.
void SetPieceLength(LObject* piece, int16_t shape, double left) {
    PieceType type;
    if (!PieceFor(shape, &type))
        return;
    double* values = nullptr;
    if (piece->GetParams(&values) != 0 || !values)
        return;
    if (type.lengthParam < piece->GetParamCount()) {
        double standard = PieceLength(shape);
        values[type.lengthParam] = standard < left ? standard : left;
    }
    piece->SetParams(values);
    delete[] values;
}

// Adds one piece at free connector n of the current element; c0 is where
// the search for a matching connector starts.  0, or -1 when it cannot.
int16_t AddPiece(int16_t n, int16_t c0, double left, double* laid) {
    LDocState* s = CurrentDocState;
    LObject* current = s->current;
    int16_t shape = current->GetConnector(n)->shape;
    LObject* piece = MakePiece(shape);
    if (!piece)
        return -1;
    int16_t k = piece->NextFreeConnector(-1, shape);
    if (k == -1) {
        k = piece->NextFreeConnector(-1, -1);
        LConnector* own = piece->GetConnector(k);
        shape = own ? own->shape : -1;
        n = own ? current->NextFreeConnector(c0, shape) : -1;
        if (n == -1) {
            PrintCommandMessage(156);
            DestroyElement(piece);
            return -1;
        }
    }
    if (s->selectionState > 0)
        current->SetEdited();
    ShiftToNewCurrent(piece, k, n);
    LObject* neighbour = s->neighbour;
    GiveCurrentSystem(piece);
    SetPieceLength(piece, shape, left);
    piece->FitToElement(neighbour, k, n);
    piece->Insert(15);
    piece->Connect(neighbour, k, n);
    piece->Insert(13);
    neighbour->Insert(13);
    MakeCurrentEntity(piece);
    *laid = PieceLength(shape);
    return 0;
}

// Lays the rest of a run (`pieces` in all) from the current element's next
// free connector.
int16_t LayRest(double left, int pieces) {
    LDocState* s = CurrentDocState;
    bool showProgress = pieces >= kPiecesShowingProgress;
    if (showProgress)
        acedSetStatusBarProgressMeter(ToWide(CommandMessage(kMessageLayingRun)).c_str(), 0, pieces);
    int16_t result = 0;
    for (int laidPieces = 1; left > 0; ++laidPieces) {
        int16_t c0 = ConnectorSearchStart();
        int16_t n = s->current->NextFreeConnector(c0, -1);
        double laid = 0;
        if (n == -1 || AddPiece(n, c0, left, &laid) != 0) {
            result = -1;
            break;
        }
        left -= laid;
        if (showProgress)
            acedSetStatusBarProgressMeterPos(laidPieces);
    }
    if (showProgress)
        acedRestoreStatusBarProgressMeter();
    return result;
}

// S: a run from the pending start connector.  1 when a run was laid, 0
// when the user cancelled, -1 on failure.
int16_t RunFromStart() {
    LDocState* s = CurrentDocState;
    LConnector* start = s->startConnector;
    if (!start) {
        PrintCommandMessage(155);
        return -1;
    }
    ads_point p1;
    if (acedGetPoint(start->position, ToWide(CommandMessage(179)).c_str(), p1) != RTNORM)
        return 0;
    double left = RunLength(start->position, p1, start->GetAngle());
    int pieces = PiecesOfRun(start->shape, left);
    if (pieces < 0)
        return -1;
    LObject* piece = MakePiece(start->shape);
    if (!piece)
        return -1;
    if (piece->GetKind() != 0) {
        DestroyElement(piece);
        return -1;
    }
    int16_t k = piece->NextFreeConnector(-1, start->shape);
    if (k == -1) {
        PrintCommandMessage(156);
        DestroyElement(piece);
        return -1;
    }
    GiveCurrentSystem(piece);
    SetPieceLength(piece, start->shape, left);
    // A start connector whose size no piece has cannot take one: laid
    // anyway, the piece kept its default size and went the wrong way.
    if (piece->FitToConnector(start, k) != 0) {
        PrintCommandMessage(kMessageDoesNotFit);
        DestroyElement(piece);
        return -1;
    }
    piece->Insert(15);
    MakeCurrentEntity(piece);
    if (s->current)
        DestroyElement(s->current);
    s->current = piece;
    s->currentConnector = k;
    s->selectionState = 0;
    left -= PieceLength(start->shape);
    return LayRest(left, pieces) == 0 ? 1 : -1;
}

// R: a run from the current element's next free connector; "Next" moves
// the base on.  1 when a run (maybe empty) was laid, 0 cancelled, -1 fail.
int16_t RunFromCurrent() {
    LDocState* s = CurrentDocState;
    if (!s->current)
        return -1;
    int16_t n = s->current->NextFreeConnector(ConnectorSearchStart(), -1);
    if (n == -1)
        return -1;
    const std::wstring prompt = ToWide(CommandMessage(180));
    ads_point p0, p1;
    for (;;) {
        acedInitGet(0, L"Next");
        ConnectorPoint(s->current, n, p0);
        int rc = acedGetPoint(p0, prompt.c_str(), p1);
        acutPrintf(L"\n");
        if (rc == RTKWORD) {
            int16_t m = s->current->NextFreeConnector(n, -1);
            if (m != -1) {
                n = m;
                s->currentConnector = n;
            }
            continue;
        }
        if (rc != RTNORM)
            return 0;
        break;
    }
    double left = RunLength(p0, p1, ConnectorDirection(s->current, n));
    if (left <= 0)
        return 1;
    int pieces = PiecesOfRun(s->current->GetConnector(n)->shape, left);
    if (pieces < 0)
        return -1;
    double laid = 0;
    if (AddPiece(n, ConnectorSearchStart(), left, &laid) != 0)
        return -1;
    return LayRest(left - laid, pieces) == 0 ? 1 : -1;
}

} // namespace

double RunLength(const ads_point p0, const ads_point p1, double c) {
    // The projection on the connector's axis.  Also straight above or below
    // the connector, where the slope's angle has no value, the point counts
    // only by how far along the axis it lies.
    double dx = p1[0] - p0[0];
    double dy = p1[1] - p0[1];
    double along = dx * std::cos(c) + dy * std::sin(c);
    return std::fabs(RoundToDouble(along));
}

int ContinuePlacement() {
    LDocState* s = CurrentDocState;
    if (!s || s->selectionState == kTwoEntitiesPicked)
        return -1;
    for (;;) {
        SelectCurrentElement(s->currentEntity);
        int16_t result = s->selectionState == kNoCurrentElement ? RunFromStart() : RunFromCurrent();
        if (result != 1)
            return result;
    }
}
