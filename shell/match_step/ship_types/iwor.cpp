// Iwor: Change Weapon Mode switches between a fast mode and a slow turret
// mode, in which the Mounted Cannon turns on its own towards the target.
// Elsewhere: its tactic in AiSpecialTactics; the turret in DrawOwnLook (match/renderers.cpp).
// Its cells are named in match/state_cells.hpp.
#include "catalogue/ships.hpp"
#include "match/aiming.hpp"
#include "match/match_tables.hpp"
#include "match/state_cells.hpp"
#include "platform/maths.hpp"
#include "shell/match_step/ship_types/helpers.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

namespace {

constexpr float FAST_MODE = 0.0f;
constexpr float TURRET_MODE = 1.0f;
// The body's change (IWOR_CHANGE) and its animation frame (IWOR_BODY_FRAME).
constexpr float OPENING = 1.0f;
constexpr float FOLDING = 2.0f;
constexpr float FOLDED = 1.0f;
constexpr float OPEN = 7.0f;
constexpr float FOLD_STEP = 0.25f;
// The turret turns this far a frame, and aims within as much.
constexpr float TURRET_STEP = 10.0f;
constexpr int32_t ENGINE_BASE_Y = 18;

// The working values of each mode, in per-frame units (catalogue units in
// the comment).
struct ModeValue {
  int32_t group, column;
  float turret, fast;
};
constexpr ModeValue modeValues[] = {
    {GROUP_HULL, HULL_MAX_SPEED, 2.3076923f, 5.3846154f},  // 30, 70
    {GROUP_HULL, HULL_TURN_RATE, 1.4285715f, 3.5714285f},  // 20, 50
    {GROUP_PRIMARY, WEAPON_ABILITY_MARKER, 1, 0},
    {GROUP_PRIMARY, WEAPON_DAMAGE, 2, 0.75f},
    {GROUP_PRIMARY, WEAPON_RELOAD_TIME, 13.125328f, 15.000375f},  // 175 ms, 200 ms
    {GROUP_PRIMARY, WEAPON_ENERGY_DRAIN, 5, 2},
    {GROUP_PRIMARY, WEAPON_SHOT_COUNT, 1, 2},
    {GROUP_PRIMARY, WEAPON_HIT_EXPLOSION, 7, 5},
    {GROUP_PRIMARY, WEAPON_HIT_SOUND, 7, 0},
    {GROUP_PRIMARY, WEAPON_IMAGE_INDEX, 2, 1},
    {GROUP_PRIMARY, WEAPON_FIRE_SOUND, 4, 3},
    {GROUP_SECONDARY, WEAPON_FIRE_SOUND, 2, 1},
};

void ChangeMode(TShip& ship) {
  float* ss = ship.specialState;
  const bool intoTurret = ss[IWOR_MODE] == FAST_MODE;
  ss[IWOR_MODE] = intoTurret ? TURRET_MODE : FAST_MODE;
  ss[IWOR_CHANGE] = intoTurret ? OPENING : FOLDING;
  for (const ModeValue& value : modeValues)
    slotShipValue[ship.slot][value.group][value.column] = intoTurret ? value.turret : value.fast;
  ScaleShipSpeedDown(ship, slotShipValue[ship.slot][GROUP_HULL][HULL_MAX_SPEED]);
  ship.reloadCounters[1] = 0;
}

void TurnTurret(TShip& ship) {
  float* ss = ship.specialState;
  // A computer ship keeps the target its control chose.
  if (slotTable[ship.slot][SLOT_CONTROL] == CONTROL_HUMAN)
    ship.aiTarget = NearestEnemy(ship.x, ship.y, ship.team);
  const int32_t r = AimAtTarget(ship.x, ship.y, ss[IWOR_TURRET_HEADING],
                                slotShipValue[ship.slot][GROUP_PRIMARY][WEAPON_PROJECTILE_SPEED],
                                TURRET_STEP, ship.aiTarget, 0);
  if (r == -1) ss[IWOR_TURRET_HEADING] += TURRET_STEP;
  if (r == 1) ss[IWOR_TURRET_HEADING] -= TURRET_STEP;
  if (r == 2) {
    ss[IWOR_TURRET_HEADING] = aimHeading;
    if (ss[IWOR_TURRET_HEADING] > 360.0f) ss[IWOR_TURRET_HEADING] -= 360.0f;
    if (ss[IWOR_TURRET_HEADING] < 0.0f) ss[IWOR_TURRET_HEADING] += 360.0f;
  }
}

}  // namespace

void IworSpecialWeapon(TShip& ship) {
  float* ss = ship.specialState;
  const int32_t slot = ship.slot;
  if (!ValidSlot(slot)) return;
  if (ss[IWOR_BODY_FRAME] == 0.0f) ss[IWOR_BODY_FRAME] = FOLDED;
  // The cannon fires along the turret's heading of the frame before.
  if (weaponFired[1] == 1) FireShipWeapon(ship, 1, ss[IWOR_TURRET_HEADING]);
  if (weaponFired[2] == 1) ChangeMode(ship);

  if (ss[IWOR_CHANGE] == OPENING) {
    if (ss[IWOR_BODY_FRAME] < OPEN) ss[IWOR_BODY_FRAME] += FOLD_STEP;
    if (ss[IWOR_BODY_FRAME] >= OPEN) ss[IWOR_CHANGE] = 0.0f;
  }
  if (ss[IWOR_CHANGE] == FOLDING) {
    if (ss[IWOR_BODY_FRAME] > FOLDED) ss[IWOR_BODY_FRAME] -= FOLD_STEP;
    if (ss[IWOR_BODY_FRAME] <= FOLDED) ss[IWOR_CHANGE] = 0.0f;
  }
  const int32_t frame = TruncateToInt(ss[IWOR_BODY_FRAME] + 0.5);
  slotShipPoint[slot][GROUP_HULL][1][ENGINE_Y] = static_cast<float>(frame + ENGINE_BASE_Y);
  ship.bodyFrame = frame;

  if (ss[IWOR_MODE] == TURRET_MODE)
    TurnTurret(ship);
  else
    ss[IWOR_TURRET_HEADING] = ship.heading;
  // The aiming line follows the turret.
  slotShipValue[slot][GROUP_HULL][HULL_AIM_LINE_ANGLE] = ss[IWOR_TURRET_HEADING] - ship.heading;
}
