#include "elements/rcs/lrcs.h"

#include "core/type_tables.h"
#include "elements/rcs/rcs_family.h"

namespace {
// Attached as a child through connector 0 (one of core's kKindViaConnector bits).
constexpr int16_t kKindOnTopSpigot = 8;
}  // namespace

LRCs::LRCs(int16_t id, int16_t connectorCount, int16_t paramCount)
    : LObject(kRcsFamily, static_cast<uint16_t>(id), connectorCount, paramCount, TypeRow(kRcsFamily, id)) {
    for (int i = 0; i < this->connectorCount; ++i) {
        connectors[i] = new LConnector;
        connectors[i]->shape = kShapeRect;
        connectors[i]->owner = this;
    }
}

double LRCs::GetDimensionOffset() { return layoutLengths[2]; }

int16_t LRCs::UpdateLabel() { return 0; }

void LRCs::MakeRoundSpigot(int16_t side, int16_t diameterParam) {
    connectors[0]->shape = kShapeRound;
    connectors[0]->side = side;
    connectors[0]->paramA = diameterParam;
}

void LRCs::MakeTopSpigot(int16_t diameterParam) {
    MakeRoundSpigot(0, diameterParam);
    kind = kKindOnTopSpigot;
    SetFlipModes(0, 1, 1);
}

int16_t LRCs::MarkFixedParams(int16_t*) { return -1; }

int16_t LRCs::FitLength(double*, int16_t*, int16_t, int16_t, double, double) { return -1; }

int16_t LRCs::AdjustInsertionPoint(ads_point, const double*) { return 0; }
