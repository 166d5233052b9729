// Anatos: Self-Destruction. The ship blows itself up, leaving a blast that
// burns every enemy in reach for its short life.
// Elsewhere: its tactic in AiSpecialTactics.
#include "match/effects.hpp"
#include "match/match_tables.hpp"
#include "shell/match_step/ship_types/helpers.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

namespace {

constexpr int32_t BLAST_EXPLOSION = 27;
constexpr float BLAST_SIZE = 150.0f;

}  // namespace

void AnatosSpecialWeapon(TShip& ship) {
  if (weaponFired[2] != 1) return;
  SpawnExplosion(ship.x, ship.y, 0.0f, BLAST_EXPLOSION, 0, BLAST_SIZE);
  FireShipWeapon(ship, 2, ship.heading);
  ship.armour = 0.0f;  // the death test right after destroys the ship
}

void AnatosShotKind(TShot& blast) { blast.keepOnClear = 1; }
