#include "match/aiming.hpp"

#include "match/match_tables.hpp"
#include "platform/maths.hpp"

int32_t NearestEnemy(float x, float y, int32_t team) {
  float best = 100000.0f;
  int32_t result = 0;
  for (int32_t s = 1; s <= 4; ++s) {
    if (shipSnapshot[s][6] == static_cast<float>(team) || slotTable[s][SLOT_TARGETABLE] != 1)
      continue;
    double dx = static_cast<double>(x) - shipSnapshot[s][1];
    double dy = static_cast<double>(y) - shipSnapshot[s][2];
    double d = SquareRoot(dx * dx + dy * dy);
    if (d < best) {
      best = static_cast<float>(d);
      result = s;
    }
  }
  return result;
}

// leadDivisor 2 for ships, 4 for homing shots.
static int32_t Aim(float x, float y, float heading, float shotSpeed, float tolerance,
                   int32_t target, double leadDivisor) {
  if (target < 0 || target > 4) return 0;
  float h = heading;
  if (h > 360.0f) h = static_cast<float>(static_cast<double>(h) - 360.0);
  if (h < 0.0f) h = static_cast<float>(static_cast<double>(h) + 360.0);
  const float tx = shipSnapshot[target][1], ty = shipSnapshot[target][2];
  const float vx = shipSnapshot[target][3], vy = shipSnapshot[target][4];
  const float v = shipSnapshot[target][5];
  const float s = static_cast<float>(static_cast<double>(shotSpeed) / 2.0);
  float theta = static_cast<float>(ArcTan2Degrees((ty + 2.0 * vy) - ty, tx - (tx + 2.0 * vx)));
  if (theta < 0.0f) theta = static_cast<float>(static_cast<double>(theta) + 360.0);
  const double dx = static_cast<double>(x) - tx, dy = static_cast<double>(y) - ty;
  const float dist = static_cast<float>(SquareRoot(dx * dx + dy * dy));
  float lead = static_cast<float>(static_cast<double>(dist) * static_cast<double>(1.1f) /
                                  (static_cast<double>(s) * leadDivisor) *
                                  (static_cast<double>(v) / leadDivisor));
  lead = static_cast<float>(static_cast<double>(lead) * static_cast<double>(1.7f));
  const float px = static_cast<float>(tx + SinDegrees(theta - 90.0) * lead);
  const double py = ty + CosDegrees(theta - 90.0) * lead;
  float alpha = static_cast<float>(ArcTan2Degrees(py - y, static_cast<double>(px) - x) - 90.0);
  if (alpha < 0.0f) alpha = static_cast<float>(static_cast<double>(alpha) + 360.0);
  if (alpha > 360.0f) alpha = static_cast<float>(static_cast<double>(alpha) - 360.0);
  const double diff = AbsReal(static_cast<double>(h) - alpha);
  int32_t result;
  if (diff > 180.0)
    result = h <= alpha ? -1 : 1;
  else
    result = h <= alpha ? 1 : -1;
  if (diff == 0.0) result = 0;
  float bearing = static_cast<float>(static_cast<double>(alpha) - 180.0);
  if (bearing < 0.0f) bearing = static_cast<float>(static_cast<double>(bearing) + 360.0);
  double off = AbsReal(static_cast<double>(h) - bearing);
  if (off > 180.0) off = AbsReal(off - 360.0);
  if (off < tolerance) {
    result = 2;
    aimHeading = bearing;
  }
  aimResult[target][1] = 1.0f;
  if (off < 3.0) aimResult[target][2] = 1.0f;
  aimResult[target][3] = dist;
  aimResult[target][4] = static_cast<float>(off);
  return result;
}

int32_t AimAtTarget(float x, float y, float heading, float shotSpeed, float tolerance,
                    int32_t target, int32_t aimOption) {
  (void)aimOption;
  return Aim(x, y, heading, shotSpeed, tolerance, target, 2.0);
}

int32_t AimShotAtTarget(float x, float y, float heading, float shotSpeed, float tolerance,
                        int32_t target, int32_t aimOption) {
  (void)aimOption;
  return Aim(x, y, heading, shotSpeed, tolerance, target, 4.0);
}
