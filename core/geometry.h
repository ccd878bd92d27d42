// Small vector helpers on the host's three-double points.
#pragma once

#include "ads_types.h"

// The element core's angle constants, kept to these decimal values so that
// drawings match those the program has always made.
constexpr double kPi = 3.1415926535;
constexpr double kHalfPi = 1.57079632675;
constexpr double kTwoPi = 6.283185307;
constexpr double kDegree = kPi / 180;

void SetPoint3d(ads_point p, double x, double y, double z);
void CopyPoint3d(ads_point dst, const ads_point src);
double* AddVector3d(ads_point v, const ads_point w);
// Turns x and y counter-clockwise by the angle; z stays.
double* RotateVector2d(ads_point v, double angle);
