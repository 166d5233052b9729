// Darber: the Xeno Bomb eats a third of what it strikes, a ship's armour or
// a destructible shot's hit points, after a blow of 1.
#include "match/collision.hpp"
#include "match/match_tables.hpp"
#include "shell/match_step/ship_types/helpers.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

namespace {
// The 32-bit real nearest to 0.33, used in double-precision sums.
constexpr double SHARE_EATEN = static_cast<double>(0.33f);
}  // namespace

void DarberShotKind(TShot& bomb) {
  bomb.singleHit = 1;
  lastHitSlot = 0;
  ShotHitsShips();
  // With singleHit the walk stops on the ship struck.
  if (lastHitSlot >= 1 && currentShip) {
    QueueSpecialDamage(lastHitSlot, bomb, 1.0);
    QueueSpecialDamage(lastHitSlot, bomb, SHARE_EATEN * currentShip->armour);
  }
  if (bomb.dead != 0) return;
  const Ref<TShot> struck = FirstEnemyShotTouched(bomb);
  if (!struck) return;
  struck->hitPoints -= 1.0f;
  struck->hitPoints =
      static_cast<float>(struck->hitPoints - SHARE_EATEN * static_cast<double>(struck->hitPoints));
  ShotHitExplosion(bomb, 0.0f, 0.0f);
  bomb.dead = 1;
}
