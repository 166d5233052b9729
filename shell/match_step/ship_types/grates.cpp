// Grates: the Growing Sphere charges while the secondary rests; a sphere is
// as large and as strong as the charge when it leaves.
// Elsewhere: its tactic in AiSpecialTactics; the sphere in DrawOwnLook (match/renderers.cpp).
// Its cells are named in match/state_cells.hpp.
#include "catalogue/ships.hpp"
#include "match/match_tables.hpp"
#include "match/state_cells.hpp"
#include "platform/maths.hpp"
#include "shell/match_step/ship_types/helpers.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

namespace {
constexpr float EMPTY_CHARGE = 20.0f;
constexpr float FULL_CHARGE = 100.0f;
constexpr float CHARGE_STEP = 0.1f;
constexpr double SPHERE_RADIUS = 18.0;
constexpr double SPHERE_DAMAGE = 10.0;
}  // namespace

void GratesSpecialWeapon(TShip& ship) {
  float* ss = ship.specialState;
  if (ss[GRATES_CHARGE] < EMPTY_CHARGE) ss[GRATES_CHARGE] = EMPTY_CHARGE;
  ss[GRATES_CHARGE] += CHARGE_STEP;
  if (ss[GRATES_CHARGE] > FULL_CHARGE) ss[GRATES_CHARGE] = FULL_CHARGE;
  if (weaponFired[2] != 1) return;
  FireShipWeapon(ship, 2, ship.heading);
  const double r = ss[GRATES_CHARGE] / 100.0;
  // Every sphere not sized yet, of any slot: in practice the one just made.
  WalkShots([&](TShot& shot) {
    if (shot.shipType != SHIP_GRATES || shot.weapon != 2 ||
        shot.kindState[GRATES_SHOT_SIZED] != 0.0f)
      return;
    shot.radius = static_cast<float>(r * SPHERE_RADIUS);
    shot.sizePercent = ss[GRATES_CHARGE];
    shot.kindState[GRATES_SHOT_SIZED] = 1.0f;
    shot.damage = static_cast<float>(TruncateToInt(r * SPHERE_DAMAGE));
  });
  ss[GRATES_CHARGE] = EMPTY_CHARGE;
}
