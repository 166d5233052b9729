// Qoul: the Sonic Shield swells around its ship from 16 to 100 percent of
// its 140-pixel radius, soaking up enemy shots, then vanishes.
// Elsewhere: its tactic in AiSpecialTactics; the shield in DrawOwnLook (match/renderers.cpp).
// Its cells are named in match/state_cells.hpp.
#include "match/state_cells.hpp"
#include "shell/match_step/ship_types/helpers.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

namespace {
constexpr double FULL_RADIUS = 140.0;
constexpr float FULL_SIZE = 100.0f;
}  // namespace

void QoulSpecialWeapon(TShip& ship) { ship.specialState[QOUL_SHIELD_UP] = 0.0f; }

void QoulShotKind(TShot& shield) {
  shield.sizePercent += 1.0f;
  shield.radius = static_cast<float>(FULL_RADIUS * shield.sizePercent / 100.0);
  const int32_t found = ForEachShipOfSlot(shield.slot, [&](TShip& ship) {
    ship.specialState[QOUL_SHIELD_UP] = 1.0f;
    ship.specialState[QOUL_SHIELD_SIZE] = shield.sizePercent;
    shield.x = ship.x;
    shield.y = ship.y;
  });
  if (found == 0 || shield.sizePercent >= FULL_SIZE) shield.dead = 1;
}
