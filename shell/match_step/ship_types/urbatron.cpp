// Urbatron: the Glowing Orb changes form every 500 frames, cycling through a
// rapid cannon, a three-way special shot and a nine-way homing spread.
// Elsewhere: the orb in its mode's colour in DrawOwnLook (match/renderers.cpp).
#include "catalogue/ships.hpp"
#include "match/match_tables.hpp"
#include "match/spawn.hpp"
#include "platform/maths.hpp"
#include "shell/match_step/ship_types/helpers.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

namespace {

constexpr float FRAMES_PER_MODE = 500.0f;
constexpr float MODE_COUNT = 3.0f;
constexpr float ANIMATION_END = 17.0f;

// The secondary's values of each mode, in catalogue units.
struct ModeValue {
  int32_t column;
  float mode[3];
};
constexpr ModeValue modeValues[] = {
    {WEAPON_DAMAGE, {1.5f, 4, 1}},
    {WEAPON_DAMAGE_TYPE, {DAMAGE_TYPE_CANNON, DAMAGE_TYPE_SPECIAL, DAMAGE_TYPE_SPECIAL}},
    {WEAPON_RELOAD_TIME, {100, 1400, 2000}},
    {WEAPON_ENERGY_DRAIN, {1, 14, 10}},
    {WEAPON_PROJECTILE_SPEED, {60, 40, 55}},
    {WEAPON_SHOT_COUNT, {1, 3, 9}},
    {WEAPON_HOMING_RATE, {0, 0, 50}},
    {WEAPON_ANGLE_SPREAD, {4, 0, 0}},
    {WEAPON_SPEED_SPREAD, {3, 0, 0}},
    {WEAPON_HIT_EXPLOSION, {5, 13, 3}},
    {WEAPON_HIT_SOUND, {0, 7, 0}},
    {WEAPON_FIRE_SOUND, {1, 2, 3}},
    {WEAPON_IMAGE_INDEX, {1, 2, 3}},
    {WEAPON_LIFETIME, {0, 0, 2000}},
};
// Muzzle k (1 to the shot count) turns by step × k − offset degrees.
struct MuzzleFan {
  int32_t step, offset;
};
constexpr MuzzleFan muzzleFans[3] = {{0, 0}, {5, 10}, {8, 40}};

void RewriteSecondary(int32_t slot, int32_t mode) {
  float* values = slotShipValue[slot][GROUP_SECONDARY];
  for (const ModeValue& value : modeValues) values[value.column] = value.mode[mode];
  const int32_t muzzles = TruncateToInt(values[WEAPON_SHOT_COUNT]);
  for (int32_t k = 1; k <= muzzles; ++k)
    slotShipPoint[slot][GROUP_SECONDARY][k][MUZZLE_ANGLE] =
        static_cast<float>(muzzleFans[mode].step * k - muzzleFans[mode].offset);
}

}  // namespace

// specialState: [1] the mode 0 to 2, [2] frames in the mode, [3] 1 when the
// mode's values are due, [4] the change animation, 1 to 17. The ship starts
// in mode 0 with the catalogue's values; the first change, after 500 frames,
// is into mode 1, and mode 0's row is first written on the way round.
void UrbatronSpecialWeapon(TShip& ship) {
  float* ss = ship.specialState;
  if (ss[4] == 0.0f) ss[4] = ANIMATION_END;
  ss[2] += 1.0f;
  if (ss[2] >= FRAMES_PER_MODE) {
    ss[2] = 0.0f;
    ss[3] = 1.0f;
    ss[4] = 1.0f;
    ss[1] += 1.0f;
    if (ss[1] == MODE_COUNT) ss[1] = 0.0f;
  }
  if (ss[4] < ANIMATION_END) ss[4] += 1.0f;
  if (ss[3] == 1.0f) {
    ss[3] = 0.0f;
    const int32_t mode = TruncateToInt(ss[1]);
    if (!ValidSlot(ship.slot) || mode < 0 || mode > 2) return;
    RewriteSecondary(ship.slot, mode);
    // The whole row is converted again, as after any rewrite.
    NormaliseWeaponStats(ship.slot, 2);
    ship.reloadCounters[2] = 10000;  // ready at once
  }
}
