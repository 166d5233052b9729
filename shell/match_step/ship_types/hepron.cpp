// Hepron: the Rotary Machinegun fires from its four barrels in turn, and the
// Astro Drill rides on the nose, spinning the body for 100 frames.
// Elsewhere: its tactic in AiSpecialTactics.
// Its cells are named in match/state_cells.hpp.
#include "catalogue/ships.hpp"
#include "match/match_tables.hpp"
#include "match/state_cells.hpp"
#include "platform/maths.hpp"
#include "platform/random.hpp"
#include "shell/match_step/ship_types/helpers.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

namespace {

// The barrels lie at x = 2, 5, 8 and 11.
constexpr float BARREL_STEP = 3.0f;
constexpr float LAST_BARREL = 11.0f;
constexpr float FIRST_BARREL = 2.0f;
// The spin: HEPRON_SPIN_COUNTER runs 8 to 19, the body frame is a quarter of it.
constexpr float SPIN_START = 8.0f;
constexpr float SPIN_WRAP = 20.0f;
constexpr float SPIN_FRAMES = 100.0f;
// Where the drill rides: 9 to the left of the ship's centre, 12 ahead.
constexpr double DRILL_SIDE = -9.0;
constexpr double DRILL_AHEAD = 12.0;
constexpr float DRILL_STEPS = 100.0f;
constexpr int32_t DRILL_SPARK = 4;

}  // namespace

void HepronSpecialWeapon(TShip& ship) {
  float* ss = ship.specialState;
  if (weaponFired[1] == 1 && ValidSlot(ship.slot)) {
    float& barrel = slotShipPoint[ship.slot][GROUP_PRIMARY][1][MUZZLE_X];
    barrel += BARREL_STEP;
    if (barrel > LAST_BARREL) barrel = FIRST_BARREL;
  }
  if (weaponFired[2] == 1) {
    ss[HEPRON_SPINNING] = 1.0f;
    ss[HEPRON_SPIN_COUNTER] = SPIN_START;
  }
  if (ss[HEPRON_SPINNING] == 1.0f) {
    ss[HEPRON_FRAMES_SPUN] += 1.0f;
    ss[HEPRON_SPIN_COUNTER] += 1.0f;
    if (ss[HEPRON_SPIN_COUNTER] >= SPIN_WRAP) ss[HEPRON_SPIN_COUNTER] = SPIN_START;
    ship.bodyFrame = TruncateToInt(ss[HEPRON_SPIN_COUNTER] / 4.0);
    if (ss[HEPRON_FRAMES_SPUN] >= SPIN_FRAMES) {
      ss[HEPRON_SPINNING] = 0.0f;
      ss[HEPRON_FRAMES_SPUN] = 0.0f;
      ss[HEPRON_SPIN_COUNTER] = SPIN_START;
      ship.bodyFrame = 1;
    }
  }
}

void HepronShotKind(TShot& drill) {
  drill.keepOnClear = 1;
  const int32_t found = ForEachShipOfSlot(drill.slot, [&](TShip& ship) {
    float sideX, sideY;
    PointToRight(ship.x, ship.y, ship.heading, DRILL_SIDE, sideX, sideY);
    PointAhead(sideX, sideY, ship.heading, DRILL_AHEAD, drill.x, drill.y);
    drill.kindState[HEPRON_SHOT_STEPS_TAKEN] += 1.0f;
  });
  if (drill.hitThisTick == 1) {
    (void)RandomRealInRange(360, 0);  // drawn and not used
    SparkBurst(drill.x, drill.y, 1, 4, DRILL_SPARK);
  }
  if (found == 0 || drill.kindState[HEPRON_SHOT_STEPS_TAKEN] > DRILL_STEPS) drill.dead = 1;
}
