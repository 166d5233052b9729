// Birken: the Wobbleys weave as they fly, the pair mirrored; the Hellbore
// Rockets last for 10 salvos.
// Elsewhere: the rockets left in DrawOwnLook (match/renderers.cpp); radius 140 in SpawnShip.
// Its cells are named in match/state_cells.hpp.
#include "match/match_tables.hpp"
#include "match/state_cells.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

namespace {

constexpr float SALVOS = 10.0f;
constexpr float WEAVE_STEP = 3.0f;  // degrees a frame
constexpr float WEAVE_WIDTH = 90.0f;
constexpr int32_t IMAGE_WRAP = 4;

}  // namespace

void BirkenSpecialWeapon(TShip& ship) {
  float* ss = ship.specialState;
  if (weaponFired[2] == 1) ss[BIRKEN_SALVOS_FIRED] += 1.0f;
  if (ss[BIRKEN_SALVOS_FIRED] >= SALVOS) ship.reloadCounters[2] = 0;  // never reloads again
}

void BirkenShotKind(TShot& shot) {
  if (shot.weapon != 1) return;
  shot.imageIndex += 1;
  if (shot.imageIndex == IMAGE_WRAP) shot.imageIndex = 1;
  float* ks = shot.kindState;
  // Muzzle 1 swings left first, the other muzzle right.
  const float turn = shot.muzzle == 1 ? -WEAVE_STEP : WEAVE_STEP;
  // Two tests in a row: the frame that ends a swing out takes the first step
  // back.
  if (ks[BIRKEN_SHOT_SWING] == 0.0f) {
    shot.heading += turn;
    ks[BIRKEN_SHOT_DEGREES_SWUNG] += WEAVE_STEP;
    if (ks[BIRKEN_SHOT_DEGREES_SWUNG] >= WEAVE_WIDTH) ks[BIRKEN_SHOT_SWING] = 1.0f;
  }
  if (ks[BIRKEN_SHOT_SWING] == 1.0f) {
    shot.heading -= turn;
    ks[BIRKEN_SHOT_DEGREES_SWUNG] -= WEAVE_STEP;
    if (ks[BIRKEN_SHOT_DEGREES_SWUNG] <= 0.0f) ks[BIRKEN_SHOT_SWING] = 0.0f;
  }
}
