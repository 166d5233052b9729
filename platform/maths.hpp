// Maths in degrees, and the one rule for turning reals into integers.
#pragma once
#include <cstdint>

// Toward zero; NaN, infinities and values outside the 32-bit range give
// INT32_MIN, as the x86 conversion does, so every build behaves alike.
int32_t TruncateToInt(double value);

double SinDegrees(double degrees);
double CosDegrees(double degrees);
// y first, then x; degrees between -180 and 180.
double ArcTan2Degrees(double y, double x);
double SquareRoot(double value);
double AbsReal(double value);
double CeilingOf(double value);
double RaiseToPower(double base, double exponent);
