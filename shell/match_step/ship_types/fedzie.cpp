// Fedzie: at most six Mini Mines of a ship outlive a frame (the oldest goes
// when a seventh is laid); the Acid Clots spit green sparks where they bite.
// Elsewhere: its tactic in AiSpecialTactics.
// Its cells are named in match/state_cells.hpp.
#include "catalogue/ships.hpp"
#include "match/match_tables.hpp"
#include "match/state_cells.hpp"
#include "platform/maths.hpp"
#include "shell/match_step/ship_types/helpers.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

namespace {

constexpr int32_t MINES_KEPT = 6;
constexpr int32_t NO_MINE = 10000;
constexpr int32_t CLOT_SPARKS = 2;
constexpr int32_t CLOT_SPARK_KIND = 5;

bool IsMineOf(const TShot& shot, int32_t slot) {
  return shot.slot == slot && shot.shipType == SHIP_FEDZIE && shot.weapon == 2;
}

}  // namespace

void FedzieSpecialWeapon(TShip& ship) {
  float* ss = ship.specialState;
  int32_t count = 0;
  int32_t oldest = NO_MINE;
  WalkShots([&](TShot& shot) {
    if (!IsMineOf(shot, ship.slot)) return;
    count += 1;
    if (shot.kindState[FEDZIE_SHOT_MINE_NUMBER] == 0.0f) {
      ss[FEDZIE_LAST_MINE] += 1.0f;
      shot.kindState[FEDZIE_SHOT_MINE_NUMBER] = ss[FEDZIE_LAST_MINE];
    }
    if (shot.kindState[FEDZIE_SHOT_MINE_NUMBER] < static_cast<float>(oldest))
      oldest = TruncateToInt(shot.kindState[FEDZIE_SHOT_MINE_NUMBER]);
  });
  if (count <= MINES_KEPT) return;
  WalkShots([&](TShot& shot) {
    if (IsMineOf(shot, ship.slot) &&
        shot.kindState[FEDZIE_SHOT_MINE_NUMBER] == static_cast<float>(oldest))
      shot.dead = 1;
  });
}

void FedzieShotKind(TShot& clot) {
  if (clot.hitThisTick != 1) return;
  for (int32_t i = 0; i < CLOT_SPARKS; ++i) SparkBurst(clot.x, clot.y, 2, 5, CLOT_SPARK_KIND);
}
