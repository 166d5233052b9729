// Adapa: the Ultra Flash whites out the arena for 20 frames: it clears the
// enemies' shots, weakens their destructible ones, ends the flashes of every
// other slot and harms every enemy ship once.
// Elsewhere: its tactic in AiSpecialTactics.
// Its cells are named in match/state_cells.hpp.
#include "match/match_tables.hpp"
#include "match/state_cells.hpp"
#include "shell/match_step/ship_types/helpers.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

namespace {

constexpr float SHOT_DAMAGE = 4.0f;  // to destructible shots
constexpr double SHIP_DAMAGE = 4.0;
constexpr float FADE_STEP = 0.05f;
constexpr float FLASH_SIZE_PERCENT = 4000.0f;
constexpr float ARENA_CENTRE_X = ARENA_WIDTH / 2.0f;
constexpr float ARENA_CENTRE_Y = ARENA_HEIGHT / 2.0f;

}  // namespace

void AdapaSpecialWeapon(TShip& ship) {
  if (weaponFired[2] != 1) return;
  // Shots marked to be kept survive, but no other slot's flash does, even a
  // teammate's.
  WalkPlainShots([&](TShot& shot) {
    const bool enemy = shot.team != ship.team && shot.keepOnClear == 0;
    const bool otherFlash =
        shot.shipType == ship.shipType && shot.weapon == 2 && shot.slot != ship.slot;
    if (enemy || otherFlash) shot.dead = 1;
  });
  WalkSpecialShots([&](TShot& shot) {
    if (shot.team != ship.team && shot.keepOnClear == 0) shot.hitPoints -= SHOT_DAMAGE;
  });
}

void AdapaShotKind(TShot& flash) {
  if (flash.kindState[ADAPA_SHOT_STRUCK] == 0.0f) {
    flash.kindState[ADAPA_SHOT_STRUCK] = 1.0f;
    WalkShips([&](TShip& ship) {
      if (ship.team != flash.team) QueueSpecialDamage(ship.slot, flash, SHIP_DAMAGE);
    });
  }
  flash.fade += FADE_STEP;
  flash.sizePercent = FLASH_SIZE_PERCENT;
  flash.x = ARENA_CENTRE_X;
  flash.y = ARENA_CENTRE_Y;
  flash.heading = 0.0f;
  if (flash.fade >= 1.0f) flash.dead = 1;
}
