// ContinuePlacement: from the pending start connector or the current
// element's free connector the user points the end of a straight run; the
// run is laid as standard pieces, the last one cut to what is left, each
// joined to the one before and made the current element.
#include "app/continue_placement.h"

#include <cmath>
#include <utility>

#include "aced_input.h"
#include "app/command_bodies.h"
#include "app/current_element.h"
#include "app/doc_state.h"
#include "app/place_support.h"
#include "core/element_load.h"
#include "core/insert_defaults.h"
#include "core/insert_scale.h"
#include "core/lconnector.h"
#include "core/lobject.h"
#include "core/message_format.h"
#include "core/message_numbers.h"
#include "core/messages.h"
#include "core/standard_lengths.h"
#include "core/rounding.h"
#include "core/string_convert.h"
#include "core/type_tables.h"

namespace {

// Runs of more pieces show their progress (on a terminal).
constexpr int kPiecesShowingProgress = 500;

// The pieces a run of `left` takes, or -1 (with a message) beyond the bound.
int PiecesOfRun(int16_t shape, double left) {
    double piece = StandardPieceLength(shape);
    if (!(piece > 0))
        return -1;  // a shape without standard pieces
    double pieces = std::ceil(left / piece);
    if (pieces <= kMostPiecesInRun)
        return static_cast<int>(pieces);
    acutPrintf(L"%s", ToWide(FormatMessageNumber(kMsgRunTooLong, {left, kMostPiecesInRun}).c_str()).c_str());
    return -1;
}

// The standard straight piece of the shape (kTypeStandardPiece), made.
ElementPtr MakePiece(int16_t shape) {
    int16_t family = 0;
    const LTypeEntry* type = StandardPieceOf(shape, &family);
    return ElementPtr(type ? MakeElement(family, static_cast<uint16_t>(type->code)) : nullptr);
}

// The piece's length := the standard length, or what is left when less.
void SetPieceLength(LObject* piece, int16_t shape, double left) {
    int16_t family = 0;
    const LTypeEntry* type = StandardPieceOf(shape, &family);
    if (!type)
        return;
    double* values = nullptr;
    if (piece->GetParams(&values) != 0 || !values)
        return;
    if (type->lengthParam >= 0 && type->lengthParam < piece->GetParamCount()) {
        double standard = StandardPieceLength(shape);
        values[type->lengthParam] = standard < left ? standard : left;
    }
    piece->SetParams(values);
    delete[] values;
}

// Adds one piece at free connector n of the current element; c0 is where
// the search for a matching connector starts.  0, or -1 when it cannot.
int16_t AddPiece(int16_t n, int16_t c0, double left, double* laid) {
    LObject* current = CurrentDocState->current;
    ElementPtr made = MakePiece(current->GetConnector(n)->shape);
    if (!made)
        return -1;
    int16_t k = -1, shape = -1;
    if (MatchConnectors(current, made.get(), c0, false, &n, &k, &shape) != 0)
        return -1;
    LObject* piece = AdvanceTo(std::move(made), k, n);
    LObject* neighbour = CurrentDocState->neighbour;
    SetPieceLength(piece, shape, left);
    piece->FitToElement(neighbour, k, n);
    if (InsertJoined(piece, neighbour, k, n) != 0)
        return -1;
    MakeCurrentEntity(piece);
    *laid = StandardPieceLength(shape);
    return 0;
}

// Lays the rest of a run (`pieces` in all) from the current element's next
// free connector.
int16_t LayRest(double left, int pieces) {
    LDocState* s = CurrentDocState;
    bool showProgress = pieces >= kPiecesShowingProgress;
    if (showProgress)
        acedSetStatusBarProgressMeter(ToWide(CommandMessage(kMsgLayingRun)).c_str(), 0, pieces);
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
        PrintCommandMessage(kMsgNoCurrentElement);
        return -1;
    }
    ads_point p1;
    if (acedGetPoint(start->position, ToWide(CommandMessage(kPromptRunEnd)).c_str(), p1) != RTNORM)
        return 0;
    double left = RunLength(start->position, p1, start->GetAngle(), CurrentInsertScale());
    // A point that measures no run lays nothing, as from the current
    // element: the prompt comes again.
    if (left <= 0)
        return 1;
    int pieces = PiecesOfRun(start->shape, left);
    if (pieces < 0)
        return -1;
    ElementPtr piece = MakePiece(start->shape);
    if (!piece)
        return -1;
    int16_t k = ConnectorAtStart(piece.get(), start, false);
    if (k == -1)
        return -1;
    GiveCurrentSystem(piece.get());
    SetPieceLength(piece.get(), start->shape, left);
    // A start connector whose size no piece has cannot take one: laid
    // anyway, the piece kept its default size and went the wrong way.
    if (piece->FitToConnector(start, k) != 0) {
        PrintCommandMessage(kMsgDoesNotFit);
        return -1;
    }
    // The rest of the run goes on from the first piece, not from whatever
    // element was current before it.
    if (StartWithElement(std::move(piece), k) != 0)
        return -1;
    left -= StandardPieceLength(start->shape);
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
    const std::wstring prompt = ToWide(CommandMessage(kPromptRunEndOrNext));
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
    double left = RunLength(p0, p1, ConnectorDirection(s->current, n), CurrentInsertScale());
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

double RunLength(const ads_point p0, const ads_point p1, double c, const AcGeScale3d& scale) {
    // The projection on the connector's axis.  Also straight above or below
    // the connector, where the slope's angle has no value, the point counts
    // only by how far along the axis it lies.
    double dx = p1[0] - p0[0];
    double dy = p1[1] - p0[1];
    // Pieces drawn at the scale hold the distance divided by it; whole
    // lengths are those of the pieces.
    double along = ElementLength(dx * std::cos(c) + dy * std::sin(c), scale);
    return std::fabs(RoundToDouble(along));
}

int ContinuePlacement() {
    LDocState* s = CurrentDocState;
    if (!s || s->selectionState == kTwoEntitiesPicked || !CurrentSystemListed())
        return -1;
    for (;;) {
        SelectCurrentElement(s->currentEntity);
        int16_t result = s->selectionState == kNoCurrentElement ? RunFromStart() : RunFromCurrent();
        if (result != 1)
            return result;
    }
}
