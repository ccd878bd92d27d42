// The rules the in-duct units KNH-E/KNH-K and CS/CSK-H/CSK-V share besides
// their figures: the section a corner takes, where the plan corner's and
// the straight unit's connectors lie, the open area of the connectors, the
// length dimension of the straight unit and the fitting label.
#pragma once

#include <cstdint>

class LObject;

// A corner's body is this much wider than the section it turns.
constexpr double kUnitCornerAllowance = 250.0;

// A and B from the first two inputs: a size is taken, anything else keeps
// the value; a square section (A = B) when only B is given.
void TakeCornerSection(const double* values, double* A, double* B);

// Connectors of the sections a0 x b0 and a1 x b1 with the open-area factor
// f; connector 1 takes connector 0's airflow.
void SizeUnitConnectors(LObject& e, double a0, double b0, double a1, double b1, double f);

// The straight unit of length L: connector 0 at +L/2, connector 1 at -L/2.
void PlaceStraightUnitEnds(LObject& e, double L);
// The corner of side S turning in the plan: connector 0 on the +x side at
// the outer wall, connector 1 on the -y side at the outer wall (width A).
void PlacePlanCornerEnds(LObject& e, double S, double A);

// The straight unit's length, dimensioned beside the wall of the section
// A x B the view shows, past it by the end mark E.
void DimensionStraightUnit(LObject& e, double L, double A, double B, double E);

// The fitting label with the name and "A x B", the airflow that of
// connector 0.
int16_t MakeSectionLabel(LObject& e, const char* name, double A, double B);
