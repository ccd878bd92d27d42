#include "elements/vl/vl_units.h"

#include "ads_entity.h"
#include "core/text_lists.h"
#include "core/dimensions.h"
#include "core/element_views.h"
#include "core/geometry.h"
#include "core/lobject.h"
#include "elements/straight_run.h"

void TakeCornerSection(const double* values, double* A, double* B) {
    if (IsSize(values[0]))
        *A = values[0];
    else if (IsSize(values[1]))
        *A = values[1];
    if (IsSize(values[1]))
        *B = values[1];
}

void SizeUnitConnectors(LObject& e, double a0, double b0, double a1, double b1, double f) {
    e.connectors[0]->a = a0;
    e.connectors[0]->b = b0;
    e.connectors[1]->a = a1;
    e.connectors[1]->b = b1;
    for (int i = 0; i < 2; ++i)
        e.connectors[i]->areaFactor = f;
    e.connectors[1]->flow = e.connectors[0]->flow;
}

void PlaceStraightUnitEnds(LObject& e, double L) {
    SetPoint3d(e.connectors[0]->position, L / 2, 0, 0);
    SetPoint3d(e.connectors[1]->position, -L / 2, 0, 0);
}

void PlacePlanCornerEnds(LObject& e, double S, double A) {
    SetPoint3d(e.connectors[0]->position, S / 2, S / 2 - A / 2, 0);
    SetPoint3d(e.connectors[1]->position, -S / 2 + A / 2, -S / 2, 0);
}

void DimensionStraightUnit(LObject& e, double L, double A, double B, double E) {
    double h = ViewOf(e.orientation).IsSide() ? B / 2 : A / 2;
    MakeDimension(e, e.insertionPoint, L, h + E, e.rotation);
    acdbEntUpd(e.entity);
}

int16_t MakeSectionLabel(LObject& e, const char* name, double A, double B) {
    e.flow = e.connectors[0]->flow;
    return e.MakeFittingLabel(name, RectSizeText(A, B).c_str());
}
