// Fith: a Flusher bomb drains all the energy of the ship it strikes.
#include "shell/match_step/ship_types/helpers.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

void FithShotKind(TShot& bomb) {
  if (Ref<TShip> ship = FirstEnemyShipTouched(bomb)) {
    ship->energy = 0.0f;
    QueueSpecialDamage(ship->slot, bomb, bomb.damage);
    bomb.dead = 1;
    ShotHitExplosion(bomb, bomb.heading, 0.0f);
  }
  if (Ref<TShot> struck = FirstEnemyShotTouched(bomb)) {
    DamageShotWithResistance(*struck, bomb);
    bomb.dead = 1;
    ShotHitExplosion(bomb, bomb.heading, 0.0f);
  }
}
