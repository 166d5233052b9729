// Coboth: the Fore Shield rides 64 pixels ahead of its ship, fading as it
// loses hit points, until it is shot down or its ship is gone.
// Elsewhere: its tactic in AiSpecialTactics; the shield in DrawOwnLook (match/renderers.cpp).
// Its cells are named in match/state_cells.hpp.
#include "match/state_cells.hpp"
#include "shell/match_step/ship_types/helpers.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

void CobothSpecialWeapon(TShip& ship) { ship.specialState[COBOTH_SHIELD_UP] = 0.0f; }

void CobothShotKind(TShot& shield) {
  float* ks = shield.kindState;
  ks[COBOTH_SHOT_SHIP_FOUND] = 0.0f;
  shield.fade =
      static_cast<float>(1.0 - static_cast<double>(shield.hitPoints) / shield.maxHitPoints);
  ForEachShipOfSlot(shield.slot, [&](TShip& ship) {
    ship.specialState[COBOTH_SHIELD_UP] = 1.0f;
    ship.specialState[COBOTH_SHIELD_FADE] = shield.fade;
    PointAhead(ship.x, ship.y, ship.heading, 64.0, shield.x, shield.y);
    shield.heading = ship.heading;
    ks[COBOTH_SHOT_SHIP_FOUND] = 1.0f;
  });
  if (ks[COBOTH_SHOT_SHIP_FOUND] == 0.0f || shield.hitPoints <= 0.0f) shield.dead = 1;
}
