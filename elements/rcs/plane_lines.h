// Lines of the terminals' symbols given by their plane points: on layer
// "0" (the outline that takes the insert's layer), on pen 1 (the open end
// of a spigot), on pen 2 or dashed.  A path joins its points in turn.
#pragma once

#include <initializer_list>

class LObject;

struct PlanePoint {
    double x, y;
};

void Line0(PlanePoint a, PlanePoint b);
void Path0(std::initializer_list<PlanePoint> points);
void Pen1Line(LObject& e, PlanePoint a, PlanePoint b);
void Pen2Line(LObject& e, PlanePoint a, PlanePoint b);
void Dashed(LObject& e, PlanePoint a, PlanePoint b);
// Pen 2, or dashed where hidden.
void Line2OrDashed(LObject& e, PlanePoint a, PlanePoint b, bool hidden);
void Circle2OrDashed(LObject& e, PlanePoint c, double r, bool hidden);
