// Temper: Grow Energy Reserves raises the energy cap by 2 and refills it, at
// the price of 2 armour; the hull mends 1 armour every 300 frames.
// Elsewhere: its tactic in AiSpecialTactics.
// Its cells are named in match/state_cells.hpp.
#include "catalogue/ships.hpp"
#include "match/match_tables.hpp"
#include "match/state_cells.hpp"
#include "platform/maths.hpp"
#include "shell/match_step/ship_types/helpers.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

namespace {

constexpr float ENERGY_CAP_LIMIT = 100.0f;
constexpr float GROWTH = 2.0f;
constexpr float ARMOUR_NEEDED = 2.0f;  // growth needs more than this
constexpr double SELF_DAMAGE = 2.0;
constexpr double ENERGY_PER_SHOT = 4.0;
// The growing animation: TEMPER_GROWTH_ANIMATION from 1 by 0.2 to 5, the body
// frame following.
constexpr float GROW_STEP = 0.2f;
constexpr float GROWN = 5.0f;
constexpr int32_t RESTING_FRAME = 2;
constexpr float MENDING_FRAMES = 300.0f;

}  // namespace

void TemperSpecialWeapon(TShip& ship) {
  float* ss = ship.specialState;
  const int32_t slot = ship.slot;
  if (!ValidSlot(slot)) return;
  float* hull = slotShipValue[slot][GROUP_HULL];
  if (weaponFired[1] == 1) ss[TEMPER_SHOTS_LEFT] -= 1.0f;
  if (hull[HULL_MAX_ENERGY] < ENERGY_CAP_LIMIT && ship.armour > ARMOUR_NEEDED &&
      weaponFired[2] == 1) {
    ss[TEMPER_GROWING] = 1.0f;
    ss[TEMPER_GROWTH_ANIMATION] = 1.0f;
    hull[HULL_MAX_ENERGY] += GROWTH;
    ship.energy = hull[HULL_MAX_ENERGY];
    ss[TEMPER_SHOTS_LEFT] = static_cast<float>(TruncateToInt(ship.energy / ENERGY_PER_SHOT));
    QueueDamage(slot, SPECIAL_ATTACKER, ship.memberIndex, QUEUE_SPECIAL_NEXT, SELF_DAMAGE);
  }
  if (ss[TEMPER_GROWING] == 1.0f) {
    ss[TEMPER_GROWTH_ANIMATION] += GROW_STEP;
    ship.bodyFrame = TruncateToInt(ss[TEMPER_GROWTH_ANIMATION] + 0.5);
    if (ship.bodyFrame < RESTING_FRAME) ship.bodyFrame = RESTING_FRAME;
    if (ss[TEMPER_GROWTH_ANIMATION] >= GROWN) {
      ss[TEMPER_GROWING] = 0.0f;
      ss[TEMPER_GROWTH_ANIMATION] = 1.0f;
    }
  } else {
    ship.bodyFrame = RESTING_FRAME;
  }
  const float maxArmour = hull[HULL_MAX_ARMOR];
  if (ship.armour < maxArmour) {
    ss[TEMPER_FRAMES_MENDING] += 1.0f;
    if (ss[TEMPER_FRAMES_MENDING] >= MENDING_FRAMES) {
      ss[TEMPER_FRAMES_MENDING] = 0.0f;
      ship.armour += 1.0f;
      if (ship.armour > maxArmour) ship.armour = maxArmour;
    }
  }
}
