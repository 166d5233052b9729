// Erebos: the Crystal Beams leave from alternate sides; the Spinner Beam
// circles its ship 32 pixels out, joined to it by a beam, for 500 frames.
// Elsewhere: its tactic in AiSpecialTactics; the spinner in DrawOwnLook (match/renderers.cpp).
// Its cells are named in match/state_cells.hpp.
#include "match/match_tables.hpp"
#include "match/state_cells.hpp"
#include "shell/match_step/ship_types/helpers.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

namespace {
constexpr double SPINNER_DISTANCE = 32.0;
constexpr float SPINNER_TURN = 8.0f;
constexpr float SPINNER_END = 500.0f;
constexpr int32_t SPINNER_SPARK_KIND = 4;
}  // namespace

void ErebosSpecialWeapon(TShip& ship) {
  ship.specialState[EREBOS_SPINNER_OUT] = 0.0f;
  if (weaponFired[1] == 1) MirrorMuzzle(ship.slot, 1);
}

void ErebosShotKind(TShot& spinner) {
  float* ks = spinner.kindState;
  const int32_t found = ForEachShipOfSlot(spinner.slot, [&](TShip& ship) {
    PointToRight(ship.x, ship.y, spinner.heading, SPINNER_DISTANCE, spinner.x, spinner.y);
    spinner.heading += SPINNER_TURN;
    ks[EREBOS_SHOT_FRAMES_OUT] += 1.0f;
    float* ss = ship.specialState;
    ss[EREBOS_SPINNER_OUT] = 1.0f;
    ss[EREBOS_SPINNER_X] = spinner.x;
    ss[EREBOS_SPINNER_Y] = spinner.y;
    ss[EREBOS_SPINNER_HEADING] = spinner.heading;
  });
  if (spinner.hitThisTick == 1) SparkBurst(spinner.x, spinner.y, 1, 4, SPINNER_SPARK_KIND);
  if (found == 0 || ks[EREBOS_SHOT_FRAMES_OUT] >= SPINNER_END) spinner.dead = 1;
}
