// Birken: the Wobbleys weave as they fly, the pair mirrored; the Hellbore
// Rockets last for 10 salvos.
// Elsewhere: the rockets left in DrawOwnLook (match/renderers.cpp); radius 140 in SpawnShip.
#include "match/match_tables.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

namespace {

constexpr float SALVOS = 10.0f;
constexpr float WEAVE_STEP = 3.0f;  // degrees a frame
constexpr float WEAVE_WIDTH = 90.0f;
constexpr int32_t IMAGE_WRAP = 4;

}  // namespace

// specialState: [1] salvos fired.
void BirkenSpecialWeapon(TShip& ship) {
  float* ss = ship.specialState;
  if (weaponFired[2] == 1) ss[1] += 1.0f;
  if (ss[1] >= SALVOS) ship.reloadCounters[2] = 0;  // never reloads again
}

// kindState: [1] the swing (0 out, 1 back), [2] degrees swung.
void BirkenShotKind(TShot& shot) {
  if (shot.weapon != 1) return;
  shot.imageIndex += 1;
  if (shot.imageIndex == IMAGE_WRAP) shot.imageIndex = 1;
  float* ks = shot.kindState;
  // Muzzle 1 swings left first, the other muzzle right.
  const float turn = shot.muzzle == 1 ? -WEAVE_STEP : WEAVE_STEP;
  // Two tests in a row: the frame that ends a swing out takes the first step
  // back.
  if (ks[1] == 0.0f) {
    shot.heading += turn;
    ks[2] += WEAVE_STEP;
    if (ks[2] >= WEAVE_WIDTH) ks[1] = 1.0f;
  }
  if (ks[1] == 1.0f) {
    shot.heading -= turn;
    ks[2] -= WEAVE_STEP;
    if (ks[2] <= 0.0f) ks[1] = 0.0f;
  }
}
