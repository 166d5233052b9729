// Otros: two side plates ride beside the ship and take hits for it. It
// starts with both; Rebuild Side Plates replaces every plate of its type
// (of any slot) with a fresh pair that fades in.
// Elsewhere: its tactic in AiSpecialTactics; the plates in DrawOwnLook (match/renderers.cpp).
// Its cells are named in match/state_cells.hpp.
#include "catalogue/ships.hpp"
#include "match/firing.hpp"
#include "match/match_tables.hpp"
#include "match/state_cells.hpp"
#include "shell/match_step/ship_types/helpers.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

namespace {

constexpr float REBUILT_FADE = 0.9f;
constexpr float FADE_STEP = 0.05f;
constexpr float PLATE_SIDE = 21.0f;  // to the left of muzzle 1's, the right of muzzle 2's
constexpr float PLATE_AHEAD = 5.0f;

}  // namespace

void OtrosSpecialWeapon(TShip& ship) {
  float* ss = ship.specialState;
  ss[OTROS_LEFT_PLATE] = 0.0f;
  ss[OTROS_RIGHT_PLATE] = 0.0f;
  if (ss[OTROS_PLATES_MADE] == 0.0f) {
    // Without trigger or energy.
    ss[OTROS_PLATES_MADE] = 1.0f;
    FireShipWeapon(ship, 2, ship.heading);
  }
  if (weaponFired[2] == 1 && ValidSlot(ship.slot)) {
    // Every Otros plate goes, of every slot, friend or foe, and the pair the
    // generic firing has just made too: the game's rule.
    WalkShots([](TShot& shot) {
      if (shot.shipType == SHIP_OTROS && shot.weapon == 2) shot.dead = 1;
    });
    float& fade = slotShipValue[ship.slot][GROUP_SECONDARY][WEAPON_FADE];
    fade = REBUILT_FADE;
    FireShipWeapon(ship, 2, ship.heading);
    fade = 0.0f;
  }
}

void OtrosShotKind(TShot& plate) {
  float* ks = plate.kindState;
  const bool left = plate.muzzle == 1;
  ks[OTROS_SHOT_SHIP_FOUND] = 0.0f;
  ForEachShipOfSlot(plate.slot, [&](TShip& ship) {
    ks[OTROS_SHOT_SHIP_FOUND] = 1.0f;
    ship.specialState[OTROS_PLATE_FADE] = plate.fade * 100.0f;
    ShipPointToArena(ship.x, ship.y, ship.heading, left ? -PLATE_SIDE : PLATE_SIDE, -PLATE_AHEAD,
                     plate.x, plate.y);
    plate.heading = ship.heading;
    ship.specialState[left ? OTROS_LEFT_PLATE : OTROS_RIGHT_PLATE] = 1.0f;
    plate.imageIndex = left ? 1 : 2;
  });
  if (ks[OTROS_SHOT_SHIP_FOUND] == 0.0f) plate.dead = 1;
  if (plate.fade > 0.0f) plate.fade -= FADE_STEP;
}
