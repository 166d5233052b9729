// Arubawi: the Hyper Jump takes the ship out of the arena alive. It stands
// still for 220 frames, shows its departure from frame 190, and then leaves;
// the member stays in the fleet and the slot chooses a ship again.
// Elsewhere: its tactic in AiSpecialTactics; the jump in DrawUnderlay (match/renderers.cpp).
// Its cells are named in match/state_cells.hpp.
#include "catalogue/ships.hpp"
#include "match/effects.hpp"
#include "match/match_tables.hpp"
#include "match/state_cells.hpp"
#include "shell/match_step/ship_types/helpers.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

namespace {

constexpr float READY_COUNT = 200.0f;  // frames flown, counted this far
constexpr float JUMPING = 1.0f;
constexpr float DEPARTURE_SHOWN = 190.0f;
constexpr float JUMP_FRAMES = 220.0f;
constexpr float ANIMATION_STEP = 0.5f;
constexpr float ANIMATION_END = 9.0f;

void LeaveArena(TShip& ship) {
  const int32_t slot = ship.slot;
  for (int32_t effect = 1; effect <= EFFECT_COUNT; ++effect)
    if (slotEffectState[EFFECT_SPARED_ROW][effect] == 0) slotEffectState[slot][effect] = 0;
  fleetTable[slot][FLEET_HEAD][FLEET_CHOSEN] = 1;
  launchTimer[slot] = 0;
  slotTable[slot][SLOT_TARGETABLE] = 0;
  slotTable[slot][SLOT_ARENA] = ARENA_CHOOSING;
  // What the players queued against it is lost with it.
  for (int32_t a = 1; a <= 4; ++a)
    for (int32_t m = 1; m <= maxFleetSize; ++m)
      for (int32_t c = 1; c <= QUEUE_COLUMNS; ++c) damageQueue[slot][a][m][c] = 0.0f;
  ListRemoveValue(*shipList, &ship);
}

}  // namespace

void ArubawiSpecialWeapon(TShip& ship) {
  float* ss = ship.specialState;
  const int32_t slot = ship.slot;
  if (!ValidSlot(slot)) return;
  if (ss[ARUBAWI_FRAMES_FLOWN] < READY_COUNT) ss[ARUBAWI_FRAMES_FLOWN] += 1.0f;
  if (weaponFired[2] == 1 && ss[ARUBAWI_JUMPING] == 0.0f) ss[ARUBAWI_JUMPING] = JUMPING;
  if (ss[ARUBAWI_JUMPING] != JUMPING) return;

  float* hull = slotShipValue[slot][GROUP_HULL];
  hull[HULL_MAX_SPEED] = 0.0f;
  hull[HULL_ACCELERATION] = 0.0f;
  hull[HULL_TURN_RATE] = 0.0f;
  hull[HULL_ENGINE_POINT_COUNT] = 0.0f;
  ship.reloadCounters[1] = 0;
  ship.reloadCounters[2] = 0;
  ship.velocityX = 0.0f;
  ship.velocityY = 0.0f;
  ss[ARUBAWI_FRAMES_JUMPED] += 1.0f;
  ss[ARUBAWI_JUMP_ANIMATION] += ANIMATION_STEP;
  if (ss[ARUBAWI_JUMP_ANIMATION] >= ANIMATION_END) ss[ARUBAWI_JUMP_ANIMATION] = 0.0f;
  if (ss[ARUBAWI_FRAMES_JUMPED] == DEPARTURE_SHOWN) {
    SpawnWarpIn(slot, ship.radius, 0);
    currentWarpIn->x = ship.x;
    currentWarpIn->y = ship.y;
  }
  if (ss[ARUBAWI_FRAMES_JUMPED] == JUMP_FRAMES) LeaveArena(ship);
}
