// Temper: Grow Energy Reserves raises the energy cap by 2 and refills it, at
// the price of 2 armour; the hull mends 1 armour every 300 frames.
// Elsewhere: its tactic in AiSpecialTactics.
#include "catalogue/ships.hpp"
#include "match/match_tables.hpp"
#include "platform/maths.hpp"
#include "shell/match_step/ship_types/helpers.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

namespace {

constexpr float ENERGY_CAP_LIMIT = 100.0f;
constexpr float GROWTH = 2.0f;
constexpr float ARMOUR_NEEDED = 2.0f;  // growth needs more than this
constexpr double SELF_DAMAGE = 2.0;
constexpr double ENERGY_PER_SHOT = 4.0;
// The growing animation: ss2 from 1 by 0.2 to 5, the body frame following.
constexpr float GROW_STEP = 0.2f;
constexpr float GROWN = 5.0f;
constexpr int32_t RESTING_FRAME = 2;
constexpr float MENDING_FRAMES = 300.0f;

}  // namespace

// specialState: [1] 1 while growing, [2] the growth's animation, [3] primary
// shots left of the last growth (for the computer), [4] frames counted up
// towards the next point mended.
void TemperSpecialWeapon(TShip& ship) {
  float* ss = ship.specialState;
  const int32_t slot = ship.slot;
  if (!ValidSlot(slot)) return;
  float* hull = slotShipValue[slot][GROUP_HULL];
  if (weaponFired[1] == 1) ss[3] -= 1.0f;
  if (hull[HULL_MAX_ENERGY] < ENERGY_CAP_LIMIT && ship.armour > ARMOUR_NEEDED &&
      weaponFired[2] == 1) {
    ss[1] = 1.0f;
    ss[2] = 1.0f;
    hull[HULL_MAX_ENERGY] += GROWTH;
    ship.energy = hull[HULL_MAX_ENERGY];
    ss[3] = static_cast<float>(TruncateToInt(ship.energy / ENERGY_PER_SHOT));
    QueueDamage(slot, SPECIAL_ATTACKER, ship.memberIndex, QUEUE_SPECIAL_NEXT, SELF_DAMAGE);
  }
  if (ss[1] == 1.0f) {
    ss[2] += GROW_STEP;
    ship.bodyFrame = TruncateToInt(ss[2] + 0.5);
    if (ship.bodyFrame < RESTING_FRAME) ship.bodyFrame = RESTING_FRAME;
    if (ss[2] >= GROWN) {
      ss[1] = 0.0f;
      ss[2] = 1.0f;
    }
  } else {
    ship.bodyFrame = RESTING_FRAME;
  }
  const float maxArmour = hull[HULL_MAX_ARMOR];
  if (ship.armour < maxArmour) {
    ss[4] += 1.0f;
    if (ss[4] >= MENDING_FRAMES) {
      ss[4] = 0.0f;
      ship.armour += 1.0f;
      if (ship.armour > maxArmour) ship.armour = maxArmour;
    }
  }
}
