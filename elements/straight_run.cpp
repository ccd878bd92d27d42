#include "elements/straight_run.h"

#include <cmath>

#include "ads_entity.h"
#include "core/dimensions.h"
#include "core/draw_neutral.h"
#include "core/element_views.h"
#include "core/geometry.h"

std::vector<double> StraightRun::Lengths() const {
    std::vector<double> out(pieces, pieceLength);
    if (rest > 0.0)
        out.push_back(rest);
    return out;
}

bool IsSize(double v) { return std::isfinite(v) && v > 0.0; }

void PlaceEndsAndLabels(LObject& e, const StraightRun& run) {
    SetPoint3d(e.connectors[0]->position, run.l / 2, 0, 0);
    SetPoint3d(e.connectors[1]->position, -run.l / 2, 0, 0);
    LLabelNode* node = e.GetLabel(0);
    for (int i = 0; i < run.pieces && node; ++i, node = node->next)
        SetPoint3d(node->point, run.l / 2 - i * run.pieceLength - run.pieceLength / 2, 0, 0);
    if (run.rest > 0.0 && node)
        SetPoint3d(node->point, -run.l / 2 + run.rest / 2, 0, 0);
}

bool IsStraightGap(int16_t orientation, int16_t a, int16_t b, double along, double across) {
    if (ViewOf(orientation).IsEnd() || a == b)
        return false;
    int16_t low = a < b ? a : b;
    int16_t high = a < b ? b : a;
    return low == 0 && high == 1 && across == 0.0 && IsSize(along);
}

void DimensionPieces(LObject& e, const StraightRun& run, double offset) {
    double s = ViewOf(e.orientation).SignX();
    double k = e.scale.sx;
    int parts = run.Parts();
    for (int i = 1; i <= parts; ++i) {
        double pos = i * run.pieceLength;
        double length = i < parts ? run.pieceLength : run.l - pos + run.pieceLength;
        double x = i < parts ? run.l / 2 - pos + run.pieceLength / 2 : length / 2 - run.l / 2;
        ads_point centre = {s * k * x, 0, 0};
        RotateVector2d(centre, e.rotation);
        AddVector3d(centre, e.insertionPoint);
        MakeDimension(e, centre, length, offset, e.rotation);
    }
    acdbEntUpd(e.entity);
}

void DrawJointsAndFaces(LObject& e, const StraightRun& run, double jointHalf, double faceHalf) {
    double s = ViewOf(e.orientation).SignX();
    for (int i = 1; i < run.Parts(); ++i) {
        double x = s * (run.l / 2 - i * run.pieceLength);
        ads_point p1 = {x, jointHalf, 0}, p2 = {x, -jointHalf, 0};
        e.LineC(p1, p2);
    }
    ads_point top0 = {-run.l / 2, faceHalf, 0}, top1 = {run.l / 2, faceHalf, 0};
    ads_point bottom0 = {-run.l / 2, -faceHalf, 0}, bottom1 = {run.l / 2, -faceHalf, 0};
    MakeLine(top0, top1);
    MakeLine(bottom0, bottom1);
}
