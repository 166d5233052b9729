// Urbatron: the Glowing Orb changes form every 500 frames, cycling through a
// rapid cannon, a three-way special shot and a nine-way homing spread.
// Elsewhere: the orb in its mode's colour in DrawOwnLook (match/renderers.cpp).
// Its cells are named in match/state_cells.hpp.
#include "catalogue/ships.hpp"
#include "match/match_tables.hpp"
#include "match/spawn.hpp"
#include "match/state_cells.hpp"
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

// The ship starts in mode 0 with the catalogue's values; the first change,
// after 500 frames, is into mode 1, and mode 0's row is first written on the
// way round.
void UrbatronSpecialWeapon(TShip& ship) {
  float* ss = ship.specialState;
  if (ss[URBATRON_CHANGE_ANIMATION] == 0.0f) ss[URBATRON_CHANGE_ANIMATION] = ANIMATION_END;
  ss[URBATRON_FRAMES_IN_MODE] += 1.0f;
  if (ss[URBATRON_FRAMES_IN_MODE] >= FRAMES_PER_MODE) {
    ss[URBATRON_FRAMES_IN_MODE] = 0.0f;
    ss[URBATRON_VALUES_DUE] = 1.0f;
    ss[URBATRON_CHANGE_ANIMATION] = 1.0f;
    ss[URBATRON_MODE] += 1.0f;
    if (ss[URBATRON_MODE] == MODE_COUNT) ss[URBATRON_MODE] = 0.0f;
  }
  if (ss[URBATRON_CHANGE_ANIMATION] < ANIMATION_END) ss[URBATRON_CHANGE_ANIMATION] += 1.0f;
  if (ss[URBATRON_VALUES_DUE] == 1.0f) {
    ss[URBATRON_VALUES_DUE] = 0.0f;
    const int32_t mode = TruncateToInt(ss[URBATRON_MODE]);
    if (!ValidSlot(ship.slot) || mode < 0 || mode > 2) return;
    RewriteSecondary(ship.slot, mode);
    // The whole row is converted again, as after any rewrite.
    NormaliseWeaponStats(ship.slot, 2);
    ship.reloadCounters[2] = 10000;  // ready at once
  }
}
