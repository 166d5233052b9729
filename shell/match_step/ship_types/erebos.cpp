// Erebos: the Crystal Beams leave from alternate sides; the Spinner Beam
// circles its ship 32 pixels out, joined to it by a beam, for 500 frames.
// Elsewhere: its tactic in AiSpecialTactics; the spinner in DrawOwnLook (match/renderers.cpp).
#include "match/match_tables.hpp"
#include "shell/match_step/ship_types/helpers.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

namespace {
constexpr double SPINNER_DISTANCE = 32.0;
constexpr float SPINNER_TURN = 8.0f;
constexpr float SPINNER_END = 500.0f;
constexpr int32_t SPINNER_SPARK_KIND = 4;
}  // namespace

// specialState: [0] 1 while a spinner is out (set again by the spinner in
// every shot pass), [1], [2] its position and [3] its heading, for the
// drawing.
void ErebosSpecialWeapon(TShip& ship) {
  ship.specialState[0] = 0.0f;
  if (weaponFired[1] == 1) MirrorMuzzle(ship.slot, 1);
}

// kindState: [1] frames out.
void ErebosShotKind(TShot& spinner) {
  float* ks = spinner.kindState;
  const int32_t found = ForEachShipOfSlot(spinner.slot, [&](TShip& ship) {
    PointToRight(ship.x, ship.y, spinner.heading, SPINNER_DISTANCE, spinner.x, spinner.y);
    spinner.heading += SPINNER_TURN;
    ks[1] += 1.0f;
    float* ss = ship.specialState;
    ss[0] = 1.0f;
    ss[1] = spinner.x;
    ss[2] = spinner.y;
    ss[3] = spinner.heading;
  });
  if (spinner.hitThisTick == 1) SparkBurst(spinner.x, spinner.y, 1, 4, SPINNER_SPARK_KIND);
  if (found == 0 || ks[1] >= SPINNER_END) spinner.dead = 1;
}
