// Kalgon: the Thorn Thrust stays out 14 pixels ahead of the ship until it
// strikes a ship or a destructible shot; only then can it be thrust again.
// Elsewhere: its tactic in AiSpecialTactics; the thorn-out body's anchor in shell/media_load.cpp.
// Its cells are named in match/state_cells.hpp.
#include "match/collision.hpp"
#include "match/firing.hpp"
#include "match/match_tables.hpp"
#include "match/state_cells.hpp"
#include "platform/maths.hpp"
#include "platform/random.hpp"
#include "shell/match_step/ship_types/helpers.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

namespace {

constexpr int32_t BODY_NORMAL = 1;
constexpr int32_t BODY_THORN_OUT = 2;
constexpr double THORN_BACK = -14.0;  // a negative distance back: ahead
constexpr int32_t STRIKE_SOUND = 23;
constexpr int32_t STRIKE_SPARKS = 16;
constexpr int32_t STRIKE_SPARK_KIND = 4;

void Retract(const TShot& thorn) {
  ForEachShipOfSlot(thorn.slot, [](TShip& ship) {
    ship.specialState[KALGON_THORN_OUT] = 0.0f;
    ship.specialState[KALGON_SPARE] = 0.0f;
    ship.bodyFrame = BODY_NORMAL;
  });
}

}  // namespace

void KalgonSpecialWeapon(TShip& ship) {
  float* ss = ship.specialState;
  weaponFired[2] = 0;
  if (ss[KALGON_THORN_OUT] == 0.0f) {
    TryFireWeapon(ship.slot, ship.shipType, 2);
    if (weaponFired[2] == 1) {
      FireShipWeapon(ship, 2, ship.heading);
      ship.bodyFrame = BODY_THORN_OUT;
      ss[KALGON_THORN_OUT] = 1.0f;
    }
  }
  if (ss[KALGON_THORN_OUT] == 1.0f) ship.reloadCounters[2] = 0;
}

void KalgonShotKind(TShot& thorn) {
  thorn.keepOnClear = 1;
  const int32_t found = ForEachShipOfSlot(thorn.slot, [&](TShip& ship) {
    thorn.x = ship.x;
    thorn.y = ship.y;
    const double back = 360.0 - static_cast<double>(ship.heading);
    thorn.x = static_cast<float>(thorn.x + SinDegrees(back) * THORN_BACK);
    thorn.y = static_cast<float>(thorn.y + CosDegrees(back) * THORN_BACK);
  });
  ShotHitsShips();
  if (lastHitSlot >= 1) Retract(thorn);
  ShotHitsShots();
  if (lastHitSlot >= 1) Retract(thorn);
  if (thorn.hitThisTick == 1) {
    PlayExplosionSound(STRIKE_SOUND);
    for (int32_t i = 0; i < STRIKE_SPARKS; ++i) {
      (void)RandomRealInRange(360, 0);  // drawn and not used
      SparkBurst(thorn.x, thorn.y, 1, 4, STRIKE_SPARK_KIND);
    }
  }
  if (found == 0) thorn.dead = 1;
}
