// Scalus: the Infernal Roar strikes every enemy within 300 pixels once, in
// the frame it is let out, while its ring grows around the ship.
// Elsewhere: its tactic in AiSpecialTactics; the ring in DrawOwnLook (match/renderers.cpp).
#include "catalogue/ships.hpp"
#include "match/match_tables.hpp"
#include "shell/match_step/ship_types/helpers.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

namespace {
constexpr float ROAR_RADIUS = 300.0f;
constexpr float RING_START = 30.0f;
constexpr float RING_STEP = 10.0f;
constexpr float RING_END = 100.0f;
}  // namespace

// specialState: [1] 1 while the ring is drawn, [2] its size, 30 to 100.
// kindState of a roar: [1] 1 once sized.
void ScalusSpecialWeapon(TShip& ship) {
  float* ss = ship.specialState;
  if (weaponFired[2] == 1) {
    ss[1] = 1.0f;
    ss[2] = RING_START;
    FireShipWeapon(ship, 2, 0.0f);  // heading 0, whatever the ship's
    // Every roar not sized yet, of any slot: in practice the one just made.
    WalkShots([&](TShot& shot) {
      if (shot.shipType != SHIP_SCALUS || shot.weapon != 2 || shot.kindState[1] != 0.0f) return;
      shot.radius = ROAR_RADIUS;
      shot.kindState[1] = 1.0f;
    });
  }
  if (ss[1] == 1.0f) {
    ss[2] += RING_STEP;
    if (ss[2] >= RING_END) {
      ss[1] = 0.0f;
      ss[2] = RING_START;
    }
  }
}

// The roar lives for the one hit test of its first step.
void ScalusShotKind(TShot& roar) { roar.dead = 1; }
