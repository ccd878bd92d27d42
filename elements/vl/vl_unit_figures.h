// The figures the in-duct units share: the straight unit (KNH-E, CS) seen
// from any side, and the corner units (KNH-K, CSK-H, and CSK-V in its plan
// of the turn) in plan and seen from either side of the turned leg.  Each
// draws the body; the unit adds its own marks and then its centre lines.
#pragma once

class LObject;

// The straight unit of length L and width w: its two walls and three ticks
// from the axis to the walls (s: the side of the middle tick).
void DrawStraightUnitBody(LObject& e, double L, double w, double s);
// The straight unit of section A x B in the element's view: the body in
// the views along it, then the centre line.
void DrawStraightUnit(LObject& e, double L, double A, double B);

// The corner of side S with a leg of width A, seen onto the plane of the
// turn, the straight leg toward -y and the turned leg toward +x (mirrored
// in x by s, in y by t): outer and inner walls and the marks at the bend.
void DrawCornerPlanBody(LObject& e, double S, double A, double s, double t = 1.0);
// Its centre line, along both legs through the bend.
void DrawCornerPlanCentre(LObject& e, double S, double A, double s, double t = 1.0);

// The corner seen across the turned leg, which faces the viewer (the walls
// of height B end short of its end by the mark size E).
void DrawCornerLegFacingBody(LObject& e, double S, double A, double B, double s, double E);
// The corner seen from the other side: the body's three sides, the frame
// about the leg behind and the leg's hidden edges.
void DrawCornerLegAwayBody(LObject& e, double S, double A, double B, double s, double E);
// The centre line of both side views.
void DrawCornerSideCentre(LObject& e, double S, double A, double s, double E);

// Whether the element's system draws rectangular centre lines.
bool RectCentreLinesOn(const LObject& e);
