// Sheval: the Greedy Orb hurts a ship by what the ship is worth: the square
// of its price over 9, at least 1.
// Elsewhere: its tactic in AiSpecialTactics.
#include "catalogue/ships.hpp"
#include "match/match_tables.hpp"
#include "platform/maths.hpp"
#include "shell/match_step/ship_types/helpers.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

namespace {

constexpr double PRICE_DIVISOR = 9.0;
constexpr double LEAST_DAMAGE = 1.0;
constexpr float SHOT_DAMAGE = 2.0f;  // to a destructible shot

}  // namespace

void ShevalShotKind(TShot& orb) {
  if (const Ref<TShip> ship = FirstEnemyShipTouched(orb)) {
    const double price =
        ValidSlot(ship->slot) ? slotShipValue[ship->slot][GROUP_HULL][HULL_PRICE] : 0.0;
    double damage = RaiseToPower(price / PRICE_DIVISOR, 2.0);
    if (damage < LEAST_DAMAGE) damage = LEAST_DAMAGE;
    QueueSpecialDamage(ship->slot, orb, damage);
    orb.dead = 1;
    ShotHitExplosion(orb, orb.heading, 0.0f);
  }
  if (const Ref<TShot> shot = FirstEnemyShotTouched(orb)) {
    shot->hitPoints -= SHOT_DAMAGE;
    orb.dead = 1;
    ShotHitExplosion(orb, orb.heading, 0.0f);
  }
}
