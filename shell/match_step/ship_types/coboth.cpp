// Coboth: the Fore Shield rides 64 pixels ahead of its ship, fading as it
// loses hit points, until it is shot down or its ship is gone.
// Elsewhere: its tactic in AiSpecialTactics; the shield in DrawOwnLook (match/renderers.cpp).
#include "shell/match_step/ship_types/helpers.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

// specialState: [0] 1 while a shield is up (set again by the shield in every
// shot pass), [4] the shield's fade, for the drawing.
void CobothSpecialWeapon(TShip& ship) { ship.specialState[0] = 0.0f; }

// kindState: [1] 1 when the shield found its ship this frame.
void CobothShotKind(TShot& shield) {
  float* ks = shield.kindState;
  ks[1] = 0.0f;
  shield.fade =
      static_cast<float>(1.0 - static_cast<double>(shield.hitPoints) / shield.maxHitPoints);
  ForEachShipOfSlot(shield.slot, [&](TShip& ship) {
    ship.specialState[0] = 1.0f;
    ship.specialState[4] = shield.fade;
    PointAhead(ship.x, ship.y, ship.heading, 64.0, shield.x, shield.y);
    shield.heading = ship.heading;
    ks[1] = 1.0f;
  });
  if (ks[1] == 0.0f || shield.hitPoints <= 0.0f) shield.dead = 1;
}
