// Scalus: the Infernal Roar strikes every enemy within 300 pixels once, in
// the frame it is let out, while its ring grows around the ship.
// Elsewhere: its tactic in AiSpecialTactics; the ring in DrawOwnLook (match/renderers.cpp).
// Its cells are named in match/state_cells.hpp.
#include "catalogue/ships.hpp"
#include "match/match_tables.hpp"
#include "match/state_cells.hpp"
#include "shell/match_step/ship_types/helpers.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

namespace {
constexpr float ROAR_RADIUS = 300.0f;
constexpr float RING_START = 30.0f;
constexpr float RING_STEP = 10.0f;
constexpr float RING_END = 100.0f;
}  // namespace

void ScalusSpecialWeapon(TShip& ship) {
  float* ss = ship.specialState;
  if (weaponFired[2] == 1) {
    ss[SCALUS_RING_SHOWN] = 1.0f;
    ss[SCALUS_RING_SIZE] = RING_START;
    FireShipWeapon(ship, 2, 0.0f);  // heading 0, whatever the ship's
    // Every roar not sized yet, of any slot: in practice the one just made.
    WalkShots([&](TShot& shot) {
      if (shot.shipType != SHIP_SCALUS || shot.weapon != 2 ||
          shot.kindState[SCALUS_SHOT_SIZED] != 0.0f)
        return;
      shot.radius = ROAR_RADIUS;
      shot.kindState[SCALUS_SHOT_SIZED] = 1.0f;
    });
  }
  if (ss[SCALUS_RING_SHOWN] == 1.0f) {
    ss[SCALUS_RING_SIZE] += RING_STEP;
    if (ss[SCALUS_RING_SIZE] >= RING_END) {
      ss[SCALUS_RING_SHOWN] = 0.0f;
      ss[SCALUS_RING_SIZE] = RING_START;
    }
  }
}

// The roar lives for the one hit test of its first step.
void ScalusShotKind(TShot& roar) { roar.dead = 1; }
