// Ithus: each volley of Toader Rockets brings a heavier rocket from the
// centre line; the Wild Balls leave backwards and curl round in a half turn.
// Elsewhere: its tactic in AiSpecialTactics.
// Its cells are named in match/state_cells.hpp.
#include "catalogue/ships.hpp"
#include "match/match_tables.hpp"
#include "match/state_cells.hpp"
#include "shell/match_step/ship_types/helpers.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

namespace {

// The primary's working values (per-frame units; the catalogue's speed in
// the comment) for the centre rocket and for the pair.
struct PrimaryForm {
  float damage, projectileSpeed, shotCount, hitExplosion, hitSound, imageIndex, muzzleX;
};
constexpr PrimaryForm centreRocket = {2.5f, 11.111111f, 1, 9, 9, 2, 0};  // 50
constexpr PrimaryForm rocketPair = {1.5f, 15.555555f, 2, 7, 7, 1, -5};   // 70

void SetPrimary(int32_t slot, const PrimaryForm& form) {
  float* values = slotShipValue[slot][GROUP_PRIMARY];
  values[WEAPON_DAMAGE] = form.damage;
  values[WEAPON_PROJECTILE_SPEED] = form.projectileSpeed;
  values[WEAPON_SHOT_COUNT] = form.shotCount;
  values[WEAPON_HIT_EXPLOSION] = form.hitExplosion;
  values[WEAPON_HIT_SOUND] = form.hitSound;
  values[WEAPON_IMAGE_INDEX] = form.imageIndex;
  slotShipPoint[slot][GROUP_PRIMARY][1][MUZZLE_X] = form.muzzleX;
}

constexpr float CURL_FRAMES = 67.0f;  // turning while below
constexpr float CURL_STEP = 3.0f;

}  // namespace

void IthusSpecialWeapon(TShip& ship) {
  if (weaponFired[1] != 1 || !ValidSlot(ship.slot)) return;
  SetPrimary(ship.slot, centreRocket);
  FireShipWeapon(ship, 1, ship.heading);
  SetPrimary(ship.slot, rocketPair);
}

// The ball of muzzle 1 curls one way, the other the other way.
void IthusShotKind(TShot& ball) {
  ball.kindState[ITHUS_SHOT_FRAMES_FLOWN] += 1.0f;
  if (ball.kindState[ITHUS_SHOT_FRAMES_FLOWN] < CURL_FRAMES)
    ball.heading += ball.muzzle == 1 ? CURL_STEP : -CURL_STEP;
}
