// Qoul: the Sonic Shield swells around its ship from 16 to 100 percent of
// its 140-pixel radius, soaking up enemy shots, then vanishes.
// Elsewhere: its tactic in AiSpecialTactics; the shield in DrawOwnLook (match/renderers.cpp).
#include "shell/match_step/ship_types/helpers.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

namespace {
constexpr double FULL_RADIUS = 140.0;
constexpr float FULL_SIZE = 100.0f;
}  // namespace

// specialState: [0] 1 while a shield is up (set again by the shield in every
// shot pass), [4] its size in percent, for the drawing.
void QoulSpecialWeapon(TShip& ship) { ship.specialState[0] = 0.0f; }

void QoulShotKind(TShot& shield) {
  shield.sizePercent += 1.0f;
  shield.radius = static_cast<float>(FULL_RADIUS * shield.sizePercent / 100.0);
  const int32_t found = ForEachShipOfSlot(shield.slot, [&](TShip& ship) {
    ship.specialState[0] = 1.0f;
    ship.specialState[4] = shield.sizePercent;
    shield.x = ship.x;
    shield.y = ship.y;
  });
  if (found == 0 || shield.sizePercent >= FULL_SIZE) shield.dead = 1;
}
