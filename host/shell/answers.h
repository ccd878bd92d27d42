// The answer syntax of prompts: numbers, integers, points (absolute,
// relative "@dx,dy[,dz]" and polar "@dist<angle"), angles in degrees.
#pragma once

#include <string_view>

namespace host::shell {

// Coordinates and numbers beyond this are refused: lengths and angles
// computed from them would overflow or lose every digit that matters.
inline constexpr double kFarthestCoordinate = 1e15;

// A whole answer as a number ("12.5", "-3", "1e3"); false for anything else.
bool parseNumber(std::string_view text, double& value);
// A whole answer as an integer between -32768 and 32767.
bool parseInteger(std::string_view text, int& value);
// "x,y" or "x,y,z"; with '@' relative to `from` (null: not allowed).
// Coordinates beyond 1e15 are refused.
bool parsePoint(std::string_view text, const double* from, double point[3]);

double degreesToRadians(double degrees);
double radiansToDegrees(double radians);
// Direction from a to b in radians in [0, 2pi).
double angleBetween(const double a[3], const double b[3]);
double distanceBetween(const double a[3], const double b[3], bool flat = false);

} // namespace host::shell
