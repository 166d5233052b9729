// Computer control and the per-type tactics. A computer slot has no keys:
// these fill its playerInput row for this frame, which the ship pass then
// carries out as it would a human's. Nothing here is recorded in a replay;
// playback computes it again, so every random draw is part of the match and
// must stay exactly where it is.
#include "catalogue/ships.hpp"
#include "match/aiming.hpp"
#include "match/match_tables.hpp"
#include "match/records.hpp"
#include "match/state_cells.hpp"
#include "platform/maths.hpp"
#include "platform/random.hpp"
#include "shell/match_step/match_step.hpp"

namespace {

// aimResult columns.
constexpr int32_t AIM_EVALUATED = 1;
constexpr int32_t AIM_LINED_UP = 2;
constexpr int32_t AIM_DISTANCE = 3;
constexpr int32_t AIM_ANGLE = 4;

bool Evaluated(int32_t v) { return aimResult[v][AIM_EVALUATED] == 1.0f; }
bool LinedUp(int32_t v) { return aimResult[v][AIM_LINED_UP] == 1.0f; }
float Distance(int32_t v) { return aimResult[v][AIM_DISTANCE]; }
double AngleOff(int32_t v) { return AbsReal(aimResult[v][AIM_ANGLE]); }

bool EnemyTargetable(int32_t v, int32_t team) {
  return slotTable[v][SLOT_TEAM] != team && slotTable[v][SLOT_TARGETABLE] == 1;
}

// True when the first shot of another team that cannot be shot down lies
// within 90 pixels of the ship (the shield users). Walks with currentShot.
bool EnemyShotClose(const TShip& ship) {
  TListIterator<TShot> it = ListIterate(*shotList);
  while (IteratorHasMore(it)) {
    currentShot = IteratorNext(it);
    if (!currentShot) continue;
    const TShot& shot = *currentShot;
    if (shot.destructible != 0 || shot.team == ship.team) continue;
    const double dx = static_cast<double>(shot.x) - ship.x,
                 dy = static_cast<double>(shot.y) - ship.y;
    if (SquareRoot(dx * dx + dy * dy) < 90.0) return true;
  }
  return false;
}

}  // namespace

void ComputerControl() {
  TShip& ship = *currentShip;
  const int32_t s = ship.slot;
  int32_t* input = playerInput[s];
  const float* hull = slotShipValue[s][GROUP_HULL];
  const float turnRate = hull[HULL_TURN_RATE];

  // Thrust: a fresh choice whenever the interval has run out exactly.
  if (ship.aiDecisionTimer == ship.aiDecisionInterval) {
    ship.aiDecisionInterval = RandomIntInRange(10, 40);
    ship.aiDecisionTimer = 0;
    if (ship.launchTicks == 1)
      ship.aiThrust = 1;
    else if (turnRate > 1.0f)
      ship.aiThrust = RandomIntInRange(0, 4);
    else
      ship.aiThrust = RandomIntInRange(0, 1);
  }
  ship.aiDecisionTimer += 1;

  // Target: kept while its slot flies; otherwise one of the targetable enemy
  // slots at random (no draw when there is none).
  if (ship.aiTarget < 0 || ship.aiTarget > 4 ||
      slotTable[ship.aiTarget][SLOT_ARENA] != ARENA_FLYING)
    ship.aiTarget = 0;
  if (ship.aiTarget == 0) {
    int32_t n = 0;
    for (int32_t v = 1; v <= 4; ++v) {
      if (EnemyTargetable(v, ship.team)) targetCandidates[++n] = v;
    }
    if (n > 0) ship.aiTarget = targetCandidates[RandomIntInRange(1, n)];
  }

  if (ship.aiThrust >= 1) input[INPUT_THRUST] = 1;

  for (int32_t v = 1; v <= 4; ++v)
    for (int32_t c = 1; c <= 4; ++c) aimResult[v][c] = 0.0f;

  // Every other enemy is evaluated too, for the tactics; the target last, so
  // aimHeading is the target's.
  const float shotSpeed = slotShipValue[s][GROUP_PRIMARY][WEAPON_PROJECTILE_SPEED];
  for (int32_t v = 1; v <= 4; ++v) {
    if (v == ship.aiTarget || !EnemyTargetable(v, ship.team)) continue;
    AimAtTarget(ship.x, ship.y, ship.heading, shotSpeed, turnRate, v, 0);
  }
  const int32_t r =
      AimAtTarget(ship.x, ship.y, ship.heading, shotSpeed, turnRate, ship.aiTarget, ship.aimOption);
  if (r == 1) input[INPUT_TURN_LEFT] = 1;
  if (r == -1) input[INPUT_TURN_RIGHT] = 1;
  if (r == 2) input[INPUT_SNAP_HEADING] = 1;

  // Any enemy lined up fires, not only the target. Weapons marked as
  // abilities are left to the tactics.
  if (ship.aiTarget >= 1) {
    const bool primaryGeneric =
        TruncateToInt(slotShipValue[s][GROUP_PRIMARY][WEAPON_ABILITY_MARKER]) == 0;
    const bool secondaryGeneric =
        TruncateToInt(slotShipValue[s][GROUP_SECONDARY][WEAPON_ABILITY_MARKER]) == 0;
    for (int32_t v = 1; v <= 4; ++v) {
      if (!LinedUp(v)) continue;
      if (primaryGeneric) input[INPUT_FIRE_PRIMARY] = 1;
      if (secondaryGeneric) input[INPUT_FIRE_SECONDARY] = 1;
    }
  }
}

void AiSpecialTactics() {
  TShip& ship = *currentShip;
  const int32_t s = ship.slot;
  int32_t* input = playerInput[s];
  const float* state = ship.specialState;
  const bool target = ship.aiTarget != 0;
  const float maxArmour = slotShipValue[s][GROUP_HULL][HULL_MAX_ARMOR];
  const bool badlyHit = ship.armour < maxArmour / 2.0f;

  switch (ship.shipType) {
    case SHIP_GARM:  // Sticky Bolt: only at a ship not stuck already
      if (!target) break;
      for (int32_t v = 1; v <= 4; ++v)
        if (LinedUp(v) && slotEffectState[v][EFFECT_STUCK] == 0) input[INPUT_FIRE_SECONDARY] = 1;
      break;
    case SHIP_COBOTH:
    case SHIP_KALGON:
    case SHIP_PAX:
      input[INPUT_FIRE_SECONDARY] = 1;
      break;
    case SHIP_NALEN:
      if (!target) break;
      for (int32_t v = 1; v <= 4; ++v)
        if (LinedUp(v) && Distance(v) <= 350.0f) input[INPUT_FIRE_SECONDARY] = 1;
      break;
    case SHIP_AVRAX:  // Repair Bots
      if (!target || ship.energy >= 24.0f) input[INPUT_FIRE_SECONDARY] = 1;
      break;
    case SHIP_FASER:
      if (!target) break;
      for (int32_t v = 1; v <= 4; ++v)
        if (Evaluated(v) && Distance(v) <= 150.0f) input[INPUT_FIRE_SECONDARY] = 1;
      break;
    case SHIP_QOUL:
    case SHIP_URNOX:
    case SHIP_ADAPA:  // shields against the first close enemy shot
      if (EnemyShotClose(ship)) input[INPUT_FIRE_SECONDARY] = 1;
      break;
    case SHIP_FEDZIE:
    case SHIP_EREBOS:
    case SHIP_HEPRON:
      if (!target) break;
      for (int32_t v = 1; v <= 4; ++v)
        if (Evaluated(v) && Distance(v) <= 75.0f) input[INPUT_FIRE_SECONDARY] = 1;
      break;
    case SHIP_GRATES:  // fires ahead, and behind at anything on its tail
      if (!target) break;
      input[INPUT_FIRE_PRIMARY] = 1;
      for (int32_t v = 1; v <= 4; ++v)
        if (Evaluated(v) && AngleOff(v) > 170.0) input[INPUT_FIRE_SECONDARY] = 1;
      break;
    case SHIP_SCALUS:
      if (!target) break;
      for (int32_t v = 1; v <= 4; ++v)
        if (Evaluated(v) && Distance(v) <= 175.0f) input[INPUT_FIRE_SECONDARY] = 1;
      break;
    case SHIP_SPETH:
      if (!target) break;
      for (int32_t v = 1; v <= 4; ++v)
        if (Evaluated(v) && AngleOff(v) > 100.0 && Distance(v) <= 250.0f)
          input[INPUT_FIRE_SECONDARY] = 1;
      break;
    case SHIP_IWOR:
      // Badly hit, it changes into the turret mode and stays there (nothing
      // here changes it back); the turret, which the generic rule leaves
      // alone, fires once fully open (frame 7).
      if (!badlyHit) break;
      if (state[IWOR_MODE] == 0.0f) input[INPUT_FIRE_SECONDARY] = 1;
      if (target && state[IWOR_BODY_FRAME] == 7.0f) input[INPUT_FIRE_PRIMARY] = 1;
      break;
    case SHIP_ARUBAWI:  // jump away when badly hit
      if (state[ARUBAWI_FRAMES_FLOWN] == 200.0f && badlyHit) {
        input[INPUT_FIRE_SECONDARY] = 1;
        input[INPUT_FIRE_PRIMARY] = 0;
      }
      break;
    case SHIP_ITHUS:
      if (!target) break;
      for (int32_t v = 1; v <= 4; ++v) {
        if (!Evaluated(v)) continue;
        if (LinedUp(v) && Distance(v) >= 500.0f) input[INPUT_FIRE_SECONDARY] = 1;
        if (!LinedUp(v) && Distance(v) <= 75.0f) input[INPUT_FIRE_SECONDARY] = 1;
      }
      break;
    case SHIP_OTROS: {  // side plates: rebuild once none of its own are left flying
      int32_t count = 0;
      TListIterator<TShot> it = ListIterate(*shotList);
      while (IteratorHasMore(it)) {
        currentShot = IteratorNext(it);
        if (!currentShot) continue;
        if (currentShot->shipType == SHIP_OTROS && currentShot->weapon == 2 &&
            currentShot->slot == s)
          count += 1;
      }
      if (state[OTROS_PLATES_MADE] == 1.0f && count == 0) input[INPUT_FIRE_SECONDARY] = 1;
      break;
    }
    case SHIP_GROK:
      if (!target) break;
      for (int32_t v = 1; v <= 4; ++v)
        if (Evaluated(v) && AngleOff(v) > 170.0) input[INPUT_FIRE_SECONDARY] = 1;
      break;
    case SHIP_TEMPER:
      // Held at a count of 0 the primary never lowers it again, so it rests
      // from the launch to the first growth and after each count runs out;
      // once the reserves stop growing it never fires again. The game's rule.
      if (state[TEMPER_SHOTS_LEFT] == 0.0f) input[INPUT_FIRE_PRIMARY] = 0;
      input[INPUT_FIRE_SECONDARY] = 1;
      break;
    case SHIP_KABATA: {  // match the resistance to the target's main weapon
      // Mode m is strong against damage type m + 1.
      if (!target || ship.aiTarget > 4) break;
      const float t = slotShipValue[ship.aiTarget][GROUP_PRIMARY][WEAPON_DAMAGE_TYPE];
      if (t < 4.0f && t != state[KABATA_MODE] + 1.0f) {
        input[INPUT_FIRE_SECONDARY] = 1;
        input[INPUT_FIRE_PRIMARY] = 0;
      }
      break;
    }
    case SHIP_SHEVAL:
      if (!target) break;
      for (int32_t v = 1; v <= 4; ++v)
        if (LinedUp(v) && slotShipValue[v][GROUP_HULL][HULL_PRICE] >= 20.0f)
          input[INPUT_FIRE_SECONDARY] = 1;
      break;
    case SHIP_SERAX:
      if (!target) break;
      for (int32_t v = 1; v <= 4; ++v)
        if (Evaluated(v) && AngleOff(v) > 80.0 && AngleOff(v) < 100.0)
          input[INPUT_FIRE_SECONDARY] = 1;
      break;
    case SHIP_ANATOS:
      if (!target) break;
      if (ship.armour <= 6.0f) input[INPUT_FIRE_PRIMARY] = 0;
      for (int32_t v = 1; v <= 4; ++v) {
        if (!Evaluated(v) || Distance(v) > 200.0f) continue;
        input[INPUT_FIRE_PRIMARY] = 0;
        if (Distance(v) <= 125.0f) input[INPUT_FIRE_SECONDARY] = 1;
      }
      break;
    case SHIP_JERBOAFA:
      if (!target) break;
      for (int32_t v = 1; v <= 4; ++v)
        if (Evaluated(v) && slotEffectState[v][EFFECT_TRAPPED] == 0 && Distance(v) <= 100.0f)
          input[INPUT_FIRE_SECONDARY] = 1;
      break;
    case SHIP_XIAPAS:
      if (!target) break;
      for (int32_t v = 1; v <= 4; ++v)
        if (LinedUp(v) && Distance(v) <= 360.0f) input[INPUT_FIRE_PRIMARY] = 1;
      break;
    default:
      break;
  }
}
