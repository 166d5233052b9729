// Sjuog: the Annihilator Cannon charges for 140 frames after the trigger and
// fires from wherever the ship is then; its shot throws sparks where it hits.
// Elsewhere: the charge in DrawUnderlay (match/renderers.cpp).
// Its cells are named in match/state_cells.hpp.
#include "match/match_tables.hpp"
#include "match/state_cells.hpp"
#include "platform/random.hpp"
#include "shell/match_step/ship_types/helpers.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

namespace {

constexpr float CHARGING = 1.0f;
constexpr float CHARGE_FRAMES = 140.0f;
constexpr int32_t HIT_SPARKS = 16;
constexpr int32_t SPARK_KIND = 4;

}  // namespace

void SjuogSpecialWeapon(TShip& ship) {
  float* ss = ship.specialState;
  if (weaponFired[2] == 1) ss[SJUOG_CHARGING] = CHARGING;
  if (ss[SJUOG_CHARGING] != CHARGING) return;
  // Only the drawing reads it, yet it is drawn from the match's generator
  // here, as the game does: replays count the draw.
  ss[SJUOG_FLICKER] = static_cast<float>(RandomIntInRange(1, 3));
  ss[SJUOG_FRAMES_CHARGED] += 1.0f;
  if (ss[SJUOG_FRAMES_CHARGED] >= CHARGE_FRAMES) {
    PlayExtraSound(ship.shipType, 1);
    FireShipWeapon(ship, 2, ship.heading);
    ss[SJUOG_CHARGING] = 0.0f;
    ss[SJUOG_FRAMES_CHARGED] = 0.0f;
  }
}

void SjuogShotKind(TShot& shot) {
  if (shot.hitThisTick != 1) return;
  for (int32_t i = 0; i < HIT_SPARKS; ++i) SparkBurst(shot.x, shot.y, 3, 8, SPARK_KIND);
}
