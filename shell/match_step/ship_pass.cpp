// The ship pass: one step of every ship in the arena, and ship death.
#include "catalogue/explosions.hpp"
#include "catalogue/ships.hpp"
#include "match/effects.hpp"
#include "match/firing.hpp"
#include "match/match_tables.hpp"
#include "match/media_lookup.hpp"
#include "match/records.hpp"
#include "platform/draw.hpp"
#include "platform/maths.hpp"
#include "platform/random.hpp"
#include "shell/match_step/match_step.hpp"
#include "shell/match_step/ship_types/helpers.hpp"

namespace {

bool InShipList(const TShip& ship) {
  bool found = false;
  ForEachInList(*shipList, [&](const Ref<TShip>& entry) { found = found || entry.get() == &ship; });
  return found;
}

// The hull values of one step, taken before computer control: changes by the
// ship-type code count from the next step.
struct StepValues {
  float maxSpeed, acceleration, turnRate;
  int32_t energyCap;
  float rechargeTime, rechargeAmount;
};

StepValues TakeStepValues(int32_t slot) {
  const float* hull = slotShipValue[slot][GROUP_HULL];
  return {
      .maxSpeed = hull[HULL_MAX_SPEED],
      .acceleration = hull[HULL_ACCELERATION],
      .turnRate = hull[HULL_TURN_RATE],
      .energyCap = TruncateToInt(hull[HULL_MAX_ENERGY]),
      .rechargeTime = hull[HULL_RECHARGE_TIME],
      .rechargeAmount = hull[HULL_RECHARGE_AMOUNT],
  };
}

// The step's counters, and the fleet member now flying.
void BeginStep(TShip& ship, int32_t slot) {
  if (ship.launchTicks >= 1) ship.launchTicks -= 1;
  if (ValidMember(ship.memberIndex)) matchStats[slot][ship.memberIndex][STAT_FRAMES_FLOWN] += 1.0f;
  const int32_t chosen = fleetTable[slot][FLEET_HEAD][FLEET_CHOSEN];
  ship.shipType =
      chosen >= 0 && chosen <= maxFleetSize ? fleetTable[slot][FLEET_MEMBER_TYPES][chosen] : 0;
}

// A lap on for a heading below 0, a lap off for one above 360; 0 and 360
// themselves stay. A turn tests only the bound it turns towards, the snap to
// aimHeading both, as the game does.
float LapOn(float heading) {
  return heading < 0.0f ? static_cast<float>(heading + 360.0) : heading;
}
float LapOff(float heading) {
  return heading > 360.0f ? static_cast<float>(heading - 360.0) : heading;
}

// Sniping, then each turn pressed, in this order: left, right, the snap to
// aimHeading.
void Steer(TShip& ship, const int32_t* input, float turnRate) {
  if (input[INPUT_SNIPING] != 0) {
    ship.sniping = 1 - ship.sniping;
    // Toggled, then taken back: a ship that turns slower than the sniping
    // step never snipes.
    if (turnRate < 1.5f) ship.sniping = 0;
  }
  const double turnStep = ship.sniping == 1 ? 1.5 : static_cast<double>(turnRate);
  if (input[INPUT_TURN_LEFT] != 0)
    ship.heading = LapOn(static_cast<float>(ship.heading - turnStep));
  if (input[INPUT_TURN_RIGHT] != 0)
    ship.heading = LapOff(static_cast<float>(ship.heading + turnStep));
  if (input[INPUT_SNAP_HEADING] != 0) ship.heading = LapOn(LapOff(aimHeading));
}

// Thrust along the heading, held to the maximum speed, with exhaust from
// every engine. Without thrust nothing slows the ship.
void Thrust(TShip& ship, int32_t slot, const StepValues& step) {
  const double h = ship.heading;
  ship.velocityX = static_cast<float>(ship.velocityX + CosDegrees(h - 90.0) * step.acceleration);
  ship.velocityY = static_cast<float>(ship.velocityY + SinDegrees(h - 90.0) * step.acceleration);
  const double vx = ship.velocityX, vy = ship.velocityY;
  ship.speed = static_cast<float>(SquareRoot(vx * vx + vy * vy));
  LimitShipSpeed(ship, step.maxSpeed);
  const int32_t engines = TruncateToInt(slotShipValue[slot][GROUP_HULL][HULL_ENGINE_POINT_COUNT]);
  for (int32_t p = 1; p <= engines && p <= 50; ++p) {
    float px, py;
    const float* point = slotShipPoint[slot][GROUP_HULL][p];
    ShipPointToArena(ship.x, ship.y, ship.heading, point[ENGINE_X], point[ENGINE_Y], px, py);
    SpawnDebris(px, py, ship.heading, slot, 100);
  }
}

// A coordinate beyond 0 or the far edge is put back on the edge, and its
// velocity reversed.
void Reflect(float& position, float& velocity, int32_t farEdge) {
  if (position < 0.0f) {
    position = 0.0f;
    velocity = -velocity;
  }
  if (position > static_cast<float>(farEdge)) {
    position = static_cast<float>(farEdge);
    velocity = -velocity;
  }
}

// Motion. The edges reflect, y first; the speed stays.
void Move(TShip& ship) {
  ship.x += ship.velocityX;
  ship.y += ship.velocityY;
  Reflect(ship.y, ship.velocityY, ARENA_HEIGHT);
  Reflect(ship.x, ship.velocityX, ARENA_WIDTH);
}

// The reload counters, and the energy's recharge up to the cap.
void Recharge(TShip& ship, const StepValues& step) {
  ship.reloadCounters[1] += 1;
  ship.reloadCounters[2] += 1;
  if (ship.energy < static_cast<float>(step.energyCap)) {
    ship.rechargeTimer += 1;
    if (static_cast<float>(ship.rechargeTimer) >= step.rechargeTime) {
      ship.energy = static_cast<float>(static_cast<double>(ship.energy) + step.rechargeAmount);
      if (ship.energy > static_cast<float>(step.energyCap))
        ship.energy = static_cast<float>(step.energyCap);
      ship.rechargeTimer = 0;
    }
  }
}

// The primary, then the secondary: the generic trigger unless the type's code
// does both, the generic shots only in the generic fire mode.
void FireWeapons(TShip& ship, int32_t slot) {
  for (int32_t weapon = 1; weapon <= 2; ++weapon) {
    weaponFired[weapon] = 0;
    const float fireMode = slotShipValue[slot][weapon + 1][WEAPON_FIRE_MODE];
    if (fireMode < FIRE_MODE_OWN_CODE) TryFireWeapon(slot, ship.shipType, weapon);
    if (weaponFired[weapon] == 1 && fireMode == FIRE_MODE_GENERIC)
      FireWeapon(slot, ship.shipType, weapon, ship.x, ship.y, ship.heading, ship.memberIndex);
  }
}

// One step of currentShip. Each stage is handed currentShip afresh, as the
// game reads it; the ship-type code may take the ship out of the arena.
void ShipStep() {
  const int32_t slot = currentShip->slot;
  if (!ValidSlot(slot)) return;
  BeginStep(*currentShip, slot);
  const StepValues step = TakeStepValues(slot);
  if (slotTable[slot][SLOT_CONTROL] == CONTROL_COMPUTER) {
    ComputerControl();
    AiSpecialTactics();
  }
  const int32_t* input = playerInput[slot];
  Steer(*currentShip, input, step.turnRate);
  if (input[INPUT_THRUST] != 0) Thrust(*currentShip, slot, step);
  Move(*currentShip);
  Recharge(*currentShip, step);
  FireWeapons(*currentShip, slot);
  if (slotShipValue[slot][GROUP_HULL][HULL_HAS_OWN_BEHAVIOUR] == 1.0f) ShipSpecialWeapon();
  // A ship that its own special step took out of the arena (a hyper jump)
  // left alive: it has no death to die, and its slot has chosen again.
  if (currentShip && currentShip->armour <= 0.0f && InShipList(*currentShip)) ShipDeath();
}

}  // namespace

void ShipUpdate() {
  TListIterator<TShip> it = ListIterate(*shipList);
  while (IteratorHasMore(it)) {
    currentShip = IteratorNext(it);
    if (!currentShip) continue;
    ShipStep();
  }
}

void ShipDeath() {
  Ref<TShip> dying = currentShip;
  if (!dying) return;
  TShip& ship = *dying;
  const int32_t s = ship.slot;
  if (!ValidSlot(s)) return;
  ship.armour = 0.0f;

  // Drawn as 1 to 3 above the type before the first, as the game draws it;
  // the explosion's sound has the same number.
  const int32_t explosion =
      EXPLOSION_SHIP_DEATH_FIRST - 1 +
      RandomIntInRange(1, EXPLOSION_SHIP_DEATH_LAST - EXPLOSION_SHIP_DEATH_FIRST + 1);
  const int32_t body = ShipImageHandle(ship.shipType, 1, 1);
  const int32_t sum = body != 0 ? ImageFrameWidth(body) + ImageFrameHeight(body) : 0;
  const float size = static_cast<float>(sum / 2.0);
  SpawnExplosion(ship.x, ship.y, ship.heading, explosion, explosion, size);
  int32_t n = TruncateToInt(static_cast<double>(size) / 40.0);
  if (size > 175.0f) n = 10;
  for (int32_t i = 0; i < 30; ++i) {
    const int32_t h = RandomIntInRange(1, 360);
    const int32_t v = RandomIntInRange(n + 2, n + 8);
    const int32_t kind = RandomIntInRange(1, 3);
    SpawnSpark(ship.x, ship.y, static_cast<float>(h), static_cast<float>(v), kind);
  }

  for (int32_t effect = 1; effect <= EFFECT_COUNT; ++effect)
    if (slotEffectState[EFFECT_SPARED_ROW][effect] == 0) slotEffectState[s][effect] = 0;
  slotTable[s][SLOT_ARENA] = ARENA_CHOOSING;
  if (ValidMember(ship.memberIndex))
    matchStats[s][ship.memberIndex][STAT_STATUS] = static_cast<float>(STATUS_DESTROYED);
  launchTimer[s] = 0;

  // The member leaves the fleet; the later ones move down one place.
  int32_t size2 = fleetTable[s][FLEET_HEAD][FLEET_SIZE];
  const int32_t k = fleetTable[s][FLEET_HEAD][FLEET_CHOSEN];
  if (size2 > maxFleetSize) size2 = maxFleetSize;
  if (size2 >= 1) {
    for (int32_t i = k < 1 ? 1 : k; i <= size2 - 1; ++i) {
      fleetTable[s][FLEET_MEMBER_TYPES][i] = fleetTable[s][FLEET_MEMBER_TYPES][i + 1];
      fleetTable[s][FLEET_MEMBER_STATS][i] = fleetTable[s][FLEET_MEMBER_STATS][i + 1];
    }
    fleetTable[s][FLEET_MEMBER_TYPES][size2] = 0;
    fleetTable[s][FLEET_MEMBER_STATS][size2] = 0;
    size2 -= 1;
  }
  fleetTable[s][FLEET_HEAD][FLEET_SIZE] = size2;
  fleetTable[s][FLEET_HEAD][FLEET_CHOSEN] = 1;
  if (size2 <= 0) slotTable[s][SLOT_ARENA] = ARENA_OUT;
  slotTable[s][SLOT_TARGETABLE] = 0;

  // Damage queued by players against the dead slot goes; special damage
  // stays for the slot's next ship.
  for (int32_t a = 1; a <= 4; ++a)
    for (int32_t m = 1; m <= maxFleetSize; ++m)
      for (int32_t c = 1; c <= QUEUE_COLUMNS; ++c) damageQueue[s][a][m][c] = 0.0f;
  ListRemoveValue(*shipList, dying);
}
