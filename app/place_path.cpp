#include "app/place_path.h"

#include <cmath>

#include "aced_input.h"
#include "ads_entity.h"
#include "app/doc_state.h"
#include "app/place_support.h"
#include "core/geometry.h"
#include "core/insert_flags.h"
#include "core/insert_scale.h"
#include "core/element_room.h"
#include "core/lobject.h"
#include "core/path_snapshot.h"
#include "core/message_numbers.h"
#include "core/messages.h"
#include "core/string_convert.h"

void IntoElementFrame(const LObject* element, double frameRotation, ads_point v) {
    RotateVector2d(v, -frameRotation);
    AcGeScale3d scale;
    element->GetScale(&scale);
    ScaleToElement(v, scale);
}

void OutOfElementFrame(const LObject* element, double frameRotation, ads_point v) {
    AcGeScale3d scale;
    element->GetScale(&scale);
    ScaleToDrawing(v, scale);
    RotateVector2d(v, frameRotation);
}

int16_t AddSegmentTowards(LObject* path, double frameRotation, const ads_point p0,
                          const ads_point p1) {
    double b = acutAngle(p0, p1) - frameRotation;
    ads_point d = {p1[0] - p0[0], p1[1] - p0[1], p1[2] - p0[2]};
    IntoElementFrame(path, frameRotation, d);
    return path->AddPathSegment(d, b);
}

// A path point the element cannot store is refused, not dropped from the
// drawing without a word: the element in the drawing keeps its path.
static constexpr const wchar_t* kPathPointRefused =
    L"LURAK: that point is refused: the path would hold more than the drawing can store for one "
    L"element; it keeps the points it has.\n";

bool PathStillFits(LObject* path, const PathSnapshot& before) {
    if (ElementDataFits(path))
        return true;
    before.Restore();
    acutPrintf(L"%ls", kPathPointRefused);
    return false;
}

int16_t CornerOffset(const ads_point q, double a1, const ads_point p1, double a2,
                     ads_point offset) {
    // Solved with direction vectors rather than tangents, so that vertical
    // directions are fine and only parallel lines have no corner.
    double u1x = std::cos(a1), u1y = std::sin(a1);
    double u2x = std::cos(a2), u2y = std::sin(a2);
    double wx = p1[0] - q[0], wy = p1[1] - q[1];
    double cross = u1x * u2y - u1y * u2x;
    if (std::fabs(cross) < 1e-9)
        return -1;
    double s = (wx * u2y - wy * u2x) / cross;
    offset[0] = s * u1x;
    offset[1] = s * u1y;
    offset[2] = 0.0;
    if (!std::isfinite(offset[0]) || !std::isfinite(offset[1]))
        return -1;
    return 0;
}

static int AskPathPoint(const ads_point base, int message, bool withNext, ads_point out) {
    if (withNext)
        acedInitGet(0, L"Next");
    return acedGetPoint(base, ToWide(CommandMessage(message)).c_str(), out);
}

// "Next" at the first point: the following free round connector of the
// neighbour that the path element fits to.
static void MoveToNextRoundConnector(LObject* path) {
    LDocState* s = CurrentDocState;
    LObject* neighbour = s->neighbour;
    int16_t k = s->currentConnector;
    int16_t start = s->neighbourConnector;
    int16_t n = start;
    for (;;) {
        n = neighbour->NextFreeConnector(n, 1);
        if (n == -1 || n == start)
            break;
        if (path->FitToElement(neighbour, k, n) == 0) {
            s->neighbourConnector = n;
            return;
        }
    }
    path->FitToElement(neighbour, k, start);
}

int16_t EnterPathAtNeighbour(LObject* path) {
    LDocState* s = CurrentDocState;
    LObject* neighbour = s->neighbour;
    int16_t k = s->currentConnector;
    ads_point p0, p1;
    // The first point, from the neighbour's connector; "Next" moves it on.
    for (;;) {
        int16_t n = s->neighbourConnector;
        ConnectorPoint(neighbour, n, p0);
        int rc = AskPathPoint(p0, 180, true, p1);
        acutPrintf(L"\n");
        if (rc == RTKWORD) {
            MoveToNextRoundConnector(path);
            continue;
        }
        if (rc != RTNORM)
            return -1;
        if (AddSegmentTowards(path, ConnectorDirection(neighbour, n), p0, p1) != 0)
            continue;
        path->FitToElement(neighbour, k, n);
        if (InsertJoined(path, neighbour, k, n) != 0)
            return -1;
        ads_point_set(p1, p0);
        break;
    }
    // Further points until the user cancels.
    while (AskPathPoint(p0, 169, false, p1) == RTNORM) {
        acutPrintf(L"\n");
        PathSnapshot before(path);
        if (AddSegmentTowards(path, path->GetRotation(), p0, p1) != 0) {
            PrintCommandMessage(kMsgPathCannotTurn);
            continue;
        }
        if (!PathStillFits(path, before))
            continue;
        path->FitToElement(neighbour, k, s->neighbourConnector);
        if (path->Insert(kInsertAll) != 0) {
            // The drawing keeps the path it had; so does the element.
            ReportElementNotWritten(path);
            before.Restore();
            path->FitToElement(neighbour, k, s->neighbourConnector);
            break;
        }
        ads_point_set(p1, p0);
    }
    return 0;
}
