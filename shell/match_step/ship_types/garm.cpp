// Garm: the Sticky Bolt sticks to the first enemy ship it meets that is not
// stuck already and rides on it for the rest of that ship's life, doubling
// the beam damage the ship takes.
// Elsewhere: its tactic in AiSpecialTactics; the stuck sign in DrawOneShip (match/renderers.cpp).
// Its cells are named in match/state_cells.hpp.
#include "catalogue/ships.hpp"
#include "match/collision.hpp"
#include "match/match_tables.hpp"
#include "match/state_cells.hpp"
#include "shell/match_step/ship_types/helpers.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

void GarmShotKind(TShot& bolt) {
  float* ks = bolt.kindState;
  if (ks[GARM_SHOT_STUCK_SLOT] == 0.0f) {
    WalkShips([&](TShip& ship) {
      if (ship.team == bolt.team || bolt.dead != 0 || !ValidSlot(ship.slot)) return false;
      if (slotEffectState[ship.slot][EFFECT_STUCK] != 0 || ShipTouchesShot(ship, bolt) == 0)
        return false;
      slotEffectState[ship.slot][EFFECT_STUCK] = 1;
      PlayExtraSound(bolt.shipType, 1);
      ks[GARM_SHOT_STUCK_SLOT] = static_cast<float>(ship.slot);
      bolt.imageIndex = 2;
      bolt.stationary = 1;
      bolt.hidden = 1;
      return true;
    });
  }
  if (ks[GARM_SHOT_STUCK_SLOT] == 0.0f) {
    // The bolt flies over ships; a destructible shot stops it.
    ShotHitsShots();
    if (lastHitSlot >= 1) bolt.dead = 1;
  }
  if (ks[GARM_SHOT_STUCK_SLOT] > 0.0f) {
    bolt.keepOnClear = 1;
    ks[GARM_SHOT_SHIPS_FOUND] = 0.0f;
    WalkShips([&](TShip& ship) {
      if (static_cast<float>(ship.slot) != ks[GARM_SHOT_STUCK_SLOT] || !ValidSlot(ship.slot))
        return;
      bolt.x = ship.x;
      bolt.y = ship.y;
      bolt.heading = ship.heading;
      slotShipValue[ship.slot][GROUP_HULL][HULL_BEAM_RESISTANCE] = -1.0f;
      ks[GARM_SHOT_SHIPS_FOUND] += 1.0f;
    });
    if (ks[GARM_SHOT_SHIPS_FOUND] == 0.0f) bolt.dead = 1;
  }
}
