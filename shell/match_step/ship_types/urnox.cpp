// Urnox: Indestructibility. For 450 frames nothing harms the ship: the damage
// players queue against it is thrown away and the rest waits.
// Elsewhere: its tactic in AiSpecialTactics; the glow in DrawOwnLook (match/renderers.cpp).
// Its cells are named in match/state_cells.hpp.
#include "match/match_tables.hpp"
#include "match/state_cells.hpp"
#include "shell/match_step/ship_types/helpers.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

namespace {

constexpr float ACTIVE_FRAMES = 450.0f;
constexpr float GLOW_STEP = 15.0f;
constexpr float GLOW_TOP = 255.0f;

}  // namespace

void UrnoxSpecialWeapon(TShip& ship) {
  float* ss = ship.specialState;
  if (weaponFired[2] == 1) ss[URNOX_ACTIVE] = 1.0f;
  if (ss[URNOX_ACTIVE] != 1.0f) return;
  // The players' damage queued for the next frame goes, their special
  // damage included; this frame's columns and the special attacker's row
  // stay queued.
  if (ValidSlot(ship.slot))
    for (int32_t attacker = 1; attacker <= 4; ++attacker)
      for (int32_t member = 1; member <= maxFleetSize; ++member)
        for (int32_t column = QUEUE_NEXT_FRAME + 1; column <= QUEUE_COLUMNS; ++column)
          damageQueue[ship.slot][attacker][member][column] = 0.0f;
  ship.indestructible = 1;
  // Two tests in a row, as the turn of the glow is taken in the same frame.
  if (ss[URNOX_GLOW_DIRECTION] == 0.0f) {
    ss[URNOX_GLOW] += GLOW_STEP;
    if (ss[URNOX_GLOW] >= GLOW_TOP) ss[URNOX_GLOW_DIRECTION] = 1.0f;
  }
  if (ss[URNOX_GLOW_DIRECTION] == 1.0f) {
    ss[URNOX_GLOW] -= GLOW_STEP;
    if (ss[URNOX_GLOW] <= 0.0f) ss[URNOX_GLOW_DIRECTION] = 0.0f;
  }
  ss[URNOX_FRAMES_ACTIVE] += 1.0f;
  if (ss[URNOX_FRAMES_ACTIVE] >= ACTIVE_FRAMES) {
    for (int32_t k = URNOX_ACTIVE; k <= URNOX_FRAMES_ACTIVE; ++k) ss[k] = 0.0f;
    ship.indestructible = 0;
  }
}
