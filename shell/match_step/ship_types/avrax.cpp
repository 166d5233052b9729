// Avrax: Repair Bots mend the hull while it is damaged; the Gauss Cannons
// fire instant beams that cross the arena in one frame, leaving a fading
// trace behind them.
// Elsewhere: its tactic in AiSpecialTactics; the repair bots in DrawOwnLook (match/renderers.cpp).
// Its cells are named in match/state_cells.hpp.
#include "catalogue/ships.hpp"
#include "match/collision.hpp"
#include "match/firing.hpp"
#include "match/match_tables.hpp"
#include "match/state_cells.hpp"
#include "shell/match_step/ship_types/helpers.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

namespace {

constexpr float REPAIR = 3.0f;
constexpr float REPAIR_ANIMATION_END = 24.0f;

constexpr int32_t BEAM_HEAD_IMAGE = 2;
constexpr int32_t TRACE_IMAGE = 1;
constexpr int32_t BEAM_STEPS = 50;
constexpr double BEAM_STEP_LENGTH = 30.0;
// The head ends beyond this box: 64 pixels around the arena.
constexpr float BOX_MARGIN = 64.0f;
constexpr float TRACE_FADE_STEP = 0.05f;
constexpr float TRACE_GONE = 0.95f;

// Fifty steps of 30 pixels, each testing for hits where it stands. A head
// still inside the box afterwards goes on from there in the next frame.
void RunBeamHead(TShot& head) {
  head.singleHit = 1;
  lastHitSlot = 0;
  for (int32_t step = 1; step <= BEAM_STEPS; ++step) {
    ShotHitsShips();
    ShotHitsShots();
    if (BeyondArena(head, BOX_MARGIN)) head.dead = 1;
    if (head.dead == 0) LeaveBeamPiece(head, TRACE_IMAGE);
    PointAhead(head.x, head.y, head.heading, BEAM_STEP_LENGTH, head.x, head.y);
  }
}

}  // namespace

void AvraxSpecialWeapon(TShip& ship) {
  float* ss = ship.specialState;
  weaponFired[2] = 0;
  if (!ValidSlot(ship.slot)) return;
  const float maxArmour = slotShipValue[ship.slot][GROUP_HULL][HULL_MAX_ARMOR];
  // The bots take energy only while there is something to mend.
  if (ship.armour < maxArmour) TryFireWeapon(ship.slot, ship.shipType, 2);
  if (weaponFired[2] == 1) {
    ship.armour += REPAIR;
    if (ship.armour > maxArmour) ship.armour = maxArmour;
    ss[AVRAX_REPAIRING] = 1.0f;
  }
  if (ss[AVRAX_REPAIRING] == 1.0f) {
    ss[AVRAX_REPAIR_ANIMATION] += 1.0f;
    if (ss[AVRAX_REPAIR_ANIMATION] >= REPAIR_ANIMATION_END) {
      ss[AVRAX_REPAIR_ANIMATION] = 1.0f;
      ss[AVRAX_REPAIRING] = 0.0f;
    }
  }
}

void AvraxShotKind(TShot& shot) {
  shot.keepOnClear = 1;
  if (shot.imageIndex == BEAM_HEAD_IMAGE) {
    RunBeamHead(shot);
  } else if (shot.imageIndex == TRACE_IMAGE) {
    shot.fade += TRACE_FADE_STEP;
    if (shot.fade >= TRACE_GONE) shot.dead = 1;
  }
}
