#include "platform/maths.hpp"

#include <cmath>
#include <limits>

int32_t TruncateToInt(double value) {
  // The x86 conversion's "integer indefinite" for everything out of range.
  if (!(value > -2147483649.0 && value < 2147483648.0)) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

static constexpr double kDegreesToRadians = 0.017453292519943295;
static constexpr double kRadiansToDegrees = 57.29577951308232;

double SinDegrees(double degrees) { return std::sin(degrees * kDegreesToRadians); }
double CosDegrees(double degrees) { return std::cos(degrees * kDegreesToRadians); }
double ArcTan2Degrees(double y, double x) { return std::atan2(y, x) * kRadiansToDegrees; }
double SquareRoot(double value) { return std::sqrt(value); }
double AbsReal(double value) { return std::fabs(value); }
double CeilingOf(double value) { return std::ceil(value); }
double RaiseToPower(double base, double exponent) { return std::pow(base, exponent); }
