// Otros: two side plates ride beside the ship and take hits for it. It
// starts with both; Rebuild Side Plates replaces every plate of its type
// (of any slot) with a fresh pair that fades in.
// Elsewhere: its tactic in AiSpecialTactics; the plates in DrawOwnLook (match/renderers.cpp).
#include "catalogue/ships.hpp"
#include "match/firing.hpp"
#include "match/match_tables.hpp"
#include "shell/match_step/ship_types/helpers.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

namespace {

constexpr float REBUILT_FADE = 0.9f;
constexpr float FADE_STEP = 0.05f;
constexpr float PLATE_SIDE = 21.0f;  // to the left of muzzle 1's, the right of muzzle 2's
constexpr float PLATE_AHEAD = 5.0f;

}  // namespace

// specialState: [1] 1 once the first plates are made, [2] and [3] 1 while the
// left and the right plate exist (set again by the plates each shot pass),
// [4] a plate's fade x 100.
void OtrosSpecialWeapon(TShip& ship) {
  float* ss = ship.specialState;
  ss[2] = 0.0f;
  ss[3] = 0.0f;
  if (ss[1] == 0.0f) {
    // Without trigger or energy.
    ss[1] = 1.0f;
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

// kindState: [5] 1 when the plate found its ship this frame.
void OtrosShotKind(TShot& plate) {
  float* ks = plate.kindState;
  const bool left = plate.muzzle == 1;
  ks[5] = 0.0f;
  ForEachShipOfSlot(plate.slot, [&](TShip& ship) {
    ks[5] = 1.0f;
    ship.specialState[4] = plate.fade * 100.0f;
    ShipPointToArena(ship.x, ship.y, ship.heading, left ? -PLATE_SIDE : PLATE_SIDE, -PLATE_AHEAD,
                     plate.x, plate.y);
    plate.heading = ship.heading;
    ship.specialState[left ? 2 : 3] = 1.0f;
    plate.imageIndex = left ? 1 : 2;
  });
  if (ks[5] == 0.0f) plate.dead = 1;
  if (plate.fade > 0.0f) plate.fade -= FADE_STEP;
}
