// Hepron: the Rotary Machinegun fires from its four barrels in turn, and the
// Astro Drill rides on the nose, spinning the body for 100 frames.
// Elsewhere: its tactic in AiSpecialTactics.
#include "catalogue/ships.hpp"
#include "match/match_tables.hpp"
#include "platform/maths.hpp"
#include "platform/random.hpp"
#include "shell/match_step/ship_types/helpers.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

namespace {

// The barrels lie at x = 2, 5, 8 and 11.
constexpr float BARREL_STEP = 3.0f;
constexpr float LAST_BARREL = 11.0f;
constexpr float FIRST_BARREL = 2.0f;
// The spin: ss[3] runs 8 to 19, the body frame is a quarter of it.
constexpr float SPIN_START = 8.0f;
constexpr float SPIN_WRAP = 20.0f;
constexpr float SPIN_FRAMES = 100.0f;
// Where the drill rides: 9 to the left of the ship's centre, 12 ahead.
constexpr double DRILL_SIDE = -9.0;
constexpr double DRILL_AHEAD = 12.0;
constexpr float DRILL_STEPS = 100.0f;
constexpr int32_t DRILL_SPARK = 4;

}  // namespace

// specialState: [1] 1 while the drill spins, [2] frames it has spun,
// [3] the spin counter behind bodyFrame.
void HepronSpecialWeapon(TShip& ship) {
  float* ss = ship.specialState;
  if (weaponFired[1] == 1 && ValidSlot(ship.slot)) {
    float& barrel = slotShipPoint[ship.slot][GROUP_PRIMARY][1][MUZZLE_X];
    barrel += BARREL_STEP;
    if (barrel > LAST_BARREL) barrel = FIRST_BARREL;
  }
  if (weaponFired[2] == 1) {
    ss[1] = 1.0f;
    ss[3] = SPIN_START;
  }
  if (ss[1] == 1.0f) {
    ss[2] += 1.0f;
    ss[3] += 1.0f;
    if (ss[3] >= SPIN_WRAP) ss[3] = SPIN_START;
    ship.bodyFrame = TruncateToInt(ss[3] / 4.0);
    if (ss[2] >= SPIN_FRAMES) {
      ss[1] = 0.0f;
      ss[2] = 0.0f;
      ss[3] = SPIN_START;
      ship.bodyFrame = 1;
    }
  }
}

// kindState: [1] steps taken.
void HepronShotKind(TShot& drill) {
  drill.keepOnClear = 1;
  const int32_t found = ForEachShipOfSlot(drill.slot, [&](TShip& ship) {
    float sideX, sideY;
    PointToRight(ship.x, ship.y, ship.heading, DRILL_SIDE, sideX, sideY);
    PointAhead(sideX, sideY, ship.heading, DRILL_AHEAD, drill.x, drill.y);
    drill.kindState[1] += 1.0f;
  });
  if (drill.hitThisTick == 1) {
    (void)RandomRealInRange(360, 0);  // drawn and not used
    SparkBurst(drill.x, drill.y, 1, 4, DRILL_SPARK);
  }
  if (found == 0 || drill.kindState[1] > DRILL_STEPS) drill.dead = 1;
}
