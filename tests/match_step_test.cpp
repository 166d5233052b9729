#include <gtest/gtest.h>

#include "match/collision.hpp"
#include "match/effects.hpp"
#include "match/spawn.hpp"
#include "shell/match_step/ship_types/helpers.hpp"
#include "tests/match_harness.hpp"

namespace {

using harness::StandingShot;
using harness::StartDuel;
using harness::Step;
using harness::Steps;

class MatchStepTest : public ::testing::Test {
 protected:
  void SetUp() override { harness::ResetMatchWorld(); }

  // The slot's chosen member flying at (x, y), as a warp-in leaves it.
  Ref<TShip> Fly(int32_t slot, float x, float y) {
    slotTable[slot][SLOT_ARENA] = ARENA_FLYING;
    SpawnShip(x, y, slot);
    RankBySize();
    return currentShip;
  }

  void Frame() {
    PollInput();
    MatchUpdate();
    ReplaySyncCheck();
  }
};

TEST_F(MatchStepTest, TheFirstRecordedFrameIs36) {
  StartDuel({SHIP_SPETH}, {SHIP_DRONT});
  EXPECT_EQ(currentScreen, SCREEN_MATCH);
  EXPECT_EQ(matchFrame, 35);
  EXPECT_EQ(launchTimer[1], 75);
  EXPECT_EQ(matchStats[1][1][STAT_SHIP_TYPE], SHIP_SPETH);
  EXPECT_EQ(matchStats[1][1][STAT_STATUS], 1.0f);
  EXPECT_EQ(matchStats[1][2][STAT_STATUS], 0.0f);
  EXPECT_EQ(replayData[0][1][1], CONTROL_HUMAN);
  EXPECT_EQ(replayData[0][2][2], 2);
  EXPECT_EQ(replayData[1][2][0], SHIP_DRONT);
  // A step key pressed while choosing records as a press.
  PollInput();  // the keys have been seen up
  HeadlessSetKey(harness::SlotKey(1, INPUT_TURN_LEFT), true);
  HeadlessSetKey(harness::SlotKey(1, INPUT_THRUST), true);
  Frame();
  EXPECT_EQ(matchFrame, 36);
  EXPECT_EQ(replayData[36][1][INPUT_TURN_LEFT], 1);
  EXPECT_EQ(replayData[36][1][INPUT_THRUST], 0);  // only steps count while choosing
  EXPECT_EQ(replayData[36][0][6], GetRandomSeed());
  Frame();
  EXPECT_EQ(replayData[37][1][INPUT_TURN_LEFT], 0);  // held, not pressed again
  HeadlessSetKey(harness::SlotKey(1, INPUT_TURN_LEFT), false);
  HeadlessSetKey(harness::SlotKey(1, INPUT_THRUST), false);
}

TEST_F(MatchStepTest, PlaybackTakesTheRecordedControlsAsTheyStand) {
  StartDuel({SHIP_SPETH, SHIP_DRONT}, {SHIP_GROK});
  playbackMode = 1;
  matchFrame = 40;
  replayData[41][1][INPUT_TURN_RIGHT] = 1;
  replayData[41][1][INPUT_FIRE_PRIMARY] = 2;  // not 1: no launch
  replayData[41][2][INPUT_FIRE_PRIMARY] = 1;
  slotTable[2][SLOT_CONTROL] = CONTROL_COMPUTER;  // never read from the recording
  launchTimer[1] = 80;
  MatchInput();
  EXPECT_EQ(matchFrame, 41);
  EXPECT_EQ(playerInput[1][INPUT_FIRE_PRIMARY], 2);
  EXPECT_EQ(playerInput[2][INPUT_FIRE_PRIMARY], 0);
  NextShipChoice();
  EXPECT_EQ(fleetTable[1][1][0], 2);
  EXPECT_EQ(slotTable[1][SLOT_ARENA], ARENA_CHOOSING);
  playbackMode = 0;
}

TEST_F(MatchStepTest, LaunchesAreForcedAt750AndShipsArrive34FramesLater) {
  StartDuel({SHIP_SPETH, SHIP_DRONT}, {SHIP_GROK, SHIP_WENDE}, CONTROL_COMPUTER);
  int32_t humanLaunch = 0, computerLaunch = 0, arrival = 0;
  for (int32_t f = 1; f <= 700 && (!humanLaunch || !arrival); ++f) {
    Frame();
    if (!humanLaunch && slotTable[1][SLOT_ARENA] == ARENA_FLYING) humanLaunch = f;
    if (!computerLaunch && slotTable[2][SLOT_ARENA] == ARENA_FLYING) computerLaunch = f;
    if (!arrival && ListCount(*shipList) > 0) arrival = f;
  }
  EXPECT_EQ(computerLaunch, 150);  // the computer picks after 150 frames
  EXPECT_EQ(arrival, 150 + 33);    // created in the 34th warp-in update
  EXPECT_EQ(launchTimer[2], 225);  // a launch leaves the timer alone
  EXPECT_EQ(humanLaunch, 675);     // 75 + 675 = 750: forced
  EXPECT_EQ(launchTimer[1], 750);
}

TEST_F(MatchStepTest, FleetStepsWrapAndCancel) {
  StartDuel({SHIP_SPETH, SHIP_DRONT, SHIP_GROK}, {SHIP_WENDE});
  playerInput[1][INPUT_TURN_LEFT] = 1;
  launchTimer[1] = 80;
  NextShipChoice();
  EXPECT_EQ(fleetTable[1][1][0], 3);  // from 1 to the last
  playerInput[1][INPUT_TURN_RIGHT] = 1;
  NextShipChoice();
  EXPECT_EQ(fleetTable[1][1][0], 3);  // both in one frame: left, then right
  playerInput[1][INPUT_TURN_LEFT] = 0;
  NextShipChoice();
  EXPECT_EQ(fleetTable[1][1][0], 1);
  // Locked during the first 75 frames after a death.
  launchTimer[1] = 10;
  NextShipChoice();
  EXPECT_EQ(fleetTable[1][1][0], 1);
}

TEST_F(MatchStepTest, ArenaEdgesReflectOnlyBeyondTheEdge) {
  StartDuel({SHIP_SPETH}, {SHIP_DRONT});
  Ref<TShip> a = Fly(1, 1279, 500);
  a->velocityX = 1;
  Ref<TShip> b = Fly(2, 1279.5f, 1023);
  b->velocityX = 1.5f;
  b->velocityY = 2;
  b->speed = 2.5f;
  ShipUpdate();
  EXPECT_EQ(a->x, 1280.0f);
  EXPECT_EQ(a->velocityX, 1.0f);
  EXPECT_EQ(b->x, 1280.0f);
  EXPECT_EQ(b->velocityX, -1.5f);
  EXPECT_EQ(b->y, 1024.0f);
  EXPECT_EQ(b->velocityY, -2.0f);
  EXPECT_EQ(b->speed, 2.5f);
  a->x = 0.5f;
  a->velocityX = -1;
  ShipUpdate();
  EXPECT_EQ(a->x, 0.0f);
  EXPECT_EQ(a->velocityX, 1.0f);
}

TEST_F(MatchStepTest, SnipingAndTurning) {
  StartDuel({SHIP_SPETH}, {SHIP_DRONT});
  Ref<TShip> ship = Fly(1, 500, 500);
  slotShipValue[1][GROUP_HULL][HULL_TURN_RATE] = 4;
  ship->heading = 1;
  playerInput[1][INPUT_SNIPING] = 1;
  playerInput[1][INPUT_TURN_LEFT] = 1;
  ShipUpdate();
  EXPECT_EQ(ship->sniping, 1);
  EXPECT_EQ(ship->heading, 359.5f);  // 1.5 a frame while sniping, wrapped
  slotShipValue[1][GROUP_HULL][HULL_TURN_RATE] = 1.4f;
  playerInput[1][INPUT_TURN_LEFT] = 0;
  ShipUpdate();  // toggles off
  ShipUpdate();  // a slow turner cannot enter it
  EXPECT_EQ(ship->sniping, 0);
}

TEST_F(MatchStepTest, EnergyRechargesUpToTheCap) {
  StartDuel({SHIP_SPETH}, {SHIP_DRONT});
  Ref<TShip> ship = Fly(1, 500, 500);
  float* hull = slotShipValue[1][GROUP_HULL];
  hull[HULL_MAX_ENERGY] = 10.5f;
  hull[HULL_RECHARGE_TIME] = 2;
  hull[HULL_RECHARGE_AMOUNT] = 3;
  ship->energy = 9;
  ship->rechargeTimer = 0;
  ShipUpdate();
  EXPECT_EQ(ship->rechargeTimer, 1);
  ShipUpdate();
  EXPECT_EQ(ship->energy, 10.0f);  // the cap is Int(10.5)
  EXPECT_EQ(ship->rechargeTimer, 0);
  ShipUpdate();
  EXPECT_EQ(ship->rechargeTimer, 0);  // at the cap the timer rests
}

TEST_F(MatchStepTest, ShotsBeyondTheMarginAreRemoved) {
  StartDuel({SHIP_SPETH}, {SHIP_DRONT});
  Ref<TShot> keep1 = StandingShot(-256, 0), keep2 = StandingShot(1536, 1280);
  StandingShot(-256.5f, 0);
  StandingShot(0, 1280.5f);
  Ref<TShot> aged = StandingShot(10, 10);
  aged->lifetime = 2;
  aged->hitExplosion = 3;
  ShotUpdate();
  EXPECT_EQ(ListCount(*shotList), 3);
  ShotUpdate();
  EXPECT_EQ(ListCount(*shotList), 2);  // out of time, without an explosion
  EXPECT_EQ(ListCount(*explosionList), 0);
}

TEST_F(MatchStepTest, HomingSpeedChangeAndSpentDestructibleShots) {
  StartDuel({SHIP_SPETH}, {SHIP_DRONT});
  // The slot-2 ship at rest to the right of a stationary homing shot.
  shipSnapshot[2][1] = 600;
  shipSnapshot[2][2] = 500;
  shipSnapshot[2][6] = 2;
  slotTable[2][SLOT_TARGETABLE] = 1;
  shipSnapshot[1][6] = 1;
  Ref<TShot> homing = StandingShot(500, 500);
  homing->team = 1;
  homing->slot = 1;
  homing->homingRate = 2;
  homing->speed = 3;
  homing->lifetime = 10;
  ShotUpdate();
  EXPECT_EQ(homing->target, 2);
  EXPECT_EQ(homing->targetChosen, 1);
  EXPECT_EQ(homing->heading, 2.0f);  // turns right toward bearing 90
  EXPECT_EQ(homing->x, 500.0f);      // stationary, yet it homes and ages
  EXPECT_EQ(homing->age, 1);
  // The target's ship is gone: the shot keeps steering at the last snapshot.
  slotTable[2][SLOT_TARGETABLE] = 0;
  ShotUpdate();
  EXPECT_EQ(homing->target, 2);
  EXPECT_EQ(homing->heading, 4.0f);
  // The slot's next ship straight ahead: 4 degrees off turns left; within
  // the rate (1.5 off) the heading snaps to the bearing.
  shipSnapshot[2][1] = 500;
  shipSnapshot[2][2] = 300;
  ShotUpdate();
  EXPECT_EQ(homing->heading, 2.0f);
  homing->heading = 1.5f;
  ShotUpdate();
  EXPECT_EQ(homing->heading, 0.0f);
  EXPECT_EQ(aimHeading, 0.0f);
  homing->dead = 1;
  ShotUpdate();

  // Speed changes stop at the limit, from below and from above.
  Ref<TShot> faster = StandingShot();
  faster->speed = 9.75f;
  faster->speedChange = 0.5f;
  faster->speedLimit = 10;
  Ref<TShot> slower = StandingShot();
  slower->speed = 10.5f;
  slower->speedChange = -1;
  slower->speedLimit = 10;
  // A destructible shot shot down: one explosion, gone at the end of its step.
  Ref<TShot> spent = StandingShot<TShotSpecial>();
  spent->destructible = 1;
  spent->hitExplosion = 3;
  const int32_t state = GetRandomSeed();
  ShotUpdate();
  EXPECT_EQ(faster->speed, 10.0f);
  EXPECT_EQ(slower->speed, 10.0f);
  EXPECT_EQ(spent->dead, 1);
  EXPECT_EQ(ListCount(*explosionList), 1);
  EXPECT_EQ(currentExplosion->heading, 0.0f);
  EXPECT_EQ(ListCount(*shotList), 2);
  EXPECT_EQ(GetRandomSeed(), state);
}

TEST_F(MatchStepTest, DamageArrivesOneFrameAfterTheHit) {
  StartDuel({SHIP_SPETH}, {SHIP_DRONT});
  Ref<TShip> target = Fly(2, 500, 500);
  slotShipValue[2][GROUP_HULL][HULL_CANNON_RESISTANCE] = 0.5f;
  target->armour = 10;
  Ref<TShot> s = StandingShot(500, 500);
  s->noShipHits = 0;
  s->slot = 1;
  s->team = 1;
  s->memberIndex = 1;
  s->damage = 4;
  s->damageType = 1;
  ShotUpdate();
  ResolveDamage();
  EXPECT_EQ(target->armour, 10.0f);
  EXPECT_EQ(damageQueue[2][1][1][1], 4.0f);  // moved up for the next frame
  ResolveDamage();
  EXPECT_EQ(target->armour, 8.0f);
  EXPECT_EQ(matchStats[1][1][1], 2.0f);
  EXPECT_NEAR(target->resistGlow[1], 0.55, 1e-6);
  EXPECT_NEAR(target->resistGlow[2], 0.55 - 0.55 / 20, 1e-6);
}

TEST_F(MatchStepTest, ResistancesGlowsAndKillCredit) {
  StartDuel({SHIP_SPETH}, {SHIP_DRONT});
  Ref<TShip> target = Fly(1, 500, 500);
  float* hull = slotShipValue[1][GROUP_HULL];
  hull[HULL_CANNON_RESISTANCE] = 1.0f;
  hull[HULL_BEAM_RESISTANCE] = -0.5f;
  target->armour = 10;
  matchStats[2][1][STAT_SHIP_TYPE] = SHIP_DRONT;
  matchStats[3][4][STAT_SHIP_TYPE] = SHIP_AVRAX;
  damageQueue[1][2][1][1] = 5;  // cannon: fully resisted, glow 1.05 limited to 0.85
  ResolveDamage();
  EXPECT_EQ(target->armour, 10.0f);
  EXPECT_EQ(matchStats[2][1][1], 0.0f);
  EXPECT_EQ(target->resistGlow[1], 0.85f);

  target->resistGlow[1] = target->resistGlow[2] = 0;
  damageQueue[1][2][1][2] = 4;  // beam: raised by half, no glow
  ResolveDamage();
  EXPECT_EQ(target->armour, 4.0f);
  EXPECT_EQ(target->resistGlow[2], 0.0f);

  // Two blows in one frame: slot 2 comes first, its 4.5 (3 of beam raised
  // by half) empties the 4 left and takes the kill; slot 3 gets nothing.
  damageQueue[1][2][1][2] = 3;
  damageQueue[1][3][4][4] = 6;
  ResolveDamage();
  EXPECT_EQ(target->armour, 0.0f);
  EXPECT_EQ(matchStats[2][1][2], 6.0f + 4.0f);  // 6 before, 4 left now
  EXPECT_EQ(matchStats[2][1][STAT_KILLS], 1.0f);
  EXPECT_EQ(matchStats[3][4][4], 0.0f);
  EXPECT_EQ(matchStats[1][1][STAT_KILLER_SLOT], 2.0f);
  EXPECT_EQ(matchStats[1][1][STAT_KILLER_TYPE], SHIP_DRONT);
}

TEST_F(MatchStepTest, ExactlyEmptyingBlowKillsAndSpecialDamageIsCredited) {
  StartDuel({SHIP_SPETH}, {SHIP_DRONT});
  Ref<TShip> target = Fly(1, 500, 500);
  target->armour = 5;
  damageQueue[1][SPECIAL_ATTACKER][1][4] = 5;
  ResolveDamage();
  EXPECT_EQ(target->armour, 0.0f);
  EXPECT_EQ(matchStats[SPECIAL_ATTACKER][1][4], 5.0f);
  EXPECT_EQ(matchStats[SPECIAL_ATTACKER][1][STAT_KILLS], 1.0f);
  EXPECT_EQ(matchStats[1][1][STAT_KILLER_SLOT], 5.0f);
}

TEST_F(MatchStepTest, IndestructibleShipsKeepTheirQueue) {
  StartDuel({SHIP_SPETH}, {SHIP_DRONT});
  Ref<TShip> target = Fly(1, 500, 500);
  target->armour = 20;
  target->indestructible = 1;
  damageQueue[1][2][1][4] = 3;
  damageQueue[1][2][1][8] = 2;
  ResolveDamage();
  ResolveDamage();
  EXPECT_EQ(target->armour, 20.0f);
  EXPECT_EQ(damageQueue[1][2][1][8], 2.0f);
  target->indestructible = 0;
  ResolveDamage();
  EXPECT_EQ(target->armour, 17.0f);
  ResolveDamage();
  EXPECT_EQ(target->armour, 15.0f);
}

TEST_F(MatchStepTest, ShipDeathExplodesShiftsTheFleetAndKeepsSpecialDamage) {
  StartDuel({SHIP_SPETH, SHIP_DRONT, SHIP_GROK}, {SHIP_WENDE});
  fleetTable[1][1][0] = 2;
  Ref<TShip> ship = Fly(1, 500, 500);
  ship->shipType = SHIP_DRONT;
  damageQueue[1][2][1][5] = 1;
  damageQueue[1][SPECIAL_ATTACKER][1][8] = 9;
  slotEffectState[1][3] = 4;
  SetRandomSeed(7);
  currentShip = ship;
  ShipDeath();
  EXPECT_EQ(GetRandomSeed(), Steps(7, 2 + 30 * 6));
  EXPECT_EQ(ListCount(*sparkList), 30);
  EXPECT_EQ(ListCount(*explosionList), 1);
  EXPECT_GE(currentExplosion->explosionType, 20);
  EXPECT_LE(currentExplosion->explosionType, 22);
  // Dront's body is 58 x 70: size 64, sparks of speed 3 to 9.
  ForEachInList(*sparkList, [](const Ref<TSpark>& s) {
    EXPECT_GE(s->speed, 3.0f);
    EXPECT_LE(s->speed, 9.0f);
  });
  EXPECT_EQ(ListCount(*shipList), 0);
  EXPECT_EQ(fleetTable[1][1][1], 2);
  EXPECT_EQ(fleetTable[1][2][1], SHIP_SPETH);
  EXPECT_EQ(fleetTable[1][2][2], SHIP_GROK);
  EXPECT_EQ(fleetTable[1][2][3], 0);
  EXPECT_EQ(fleetTable[1][3][2], 3);
  EXPECT_EQ(fleetTable[1][1][0], 1);
  EXPECT_EQ(slotTable[1][SLOT_ARENA], ARENA_CHOOSING);
  EXPECT_EQ(slotTable[1][SLOT_TARGETABLE], 0);
  EXPECT_EQ(launchTimer[1], 0);
  EXPECT_EQ(matchStats[1][2][STAT_STATUS], 2.0f);
  EXPECT_EQ(damageQueue[1][2][1][5], 0.0f);
  EXPECT_EQ(damageQueue[1][SPECIAL_ATTACKER][1][8], 9.0f);
  EXPECT_EQ(slotEffectState[1][3], 0);
}

TEST_F(MatchStepTest, TheLastMemberLeavesTheSlotOut) {
  StartDuel({SHIP_SPETH}, {SHIP_DRONT});
  Ref<TShip> ship = Fly(1, 500, 500);
  currentShip = ship;
  ShipDeath();
  EXPECT_EQ(slotTable[1][SLOT_ARENA], ARENA_OUT);
  EXPECT_EQ(fleetTable[1][1][1], 0);
}

TEST_F(MatchStepTest, TheMatchEnds375FramesAfterTheDecidingDeath) {
  StartDuel({SHIP_SPETH}, {SHIP_DRONT});
  Fly(1, 200, 200);
  Ref<TShip> loser = Fly(2, 900, 900);
  loser->armour = 0;
  int32_t death = 0, decided = 0, over = 0;
  for (int32_t f = 1; f <= 500 && !over; ++f) {
    Frame();
    if (!death && ListCount(*shipList) == 1) death = f;
    if (!decided && matchWinner != 0) decided = f;
    if (matchOver == 1) over = f;
  }
  EXPECT_EQ(death, 1);
  EXPECT_EQ(decided, 2);
  EXPECT_EQ(matchWinner, 1);
  EXPECT_EQ(over, death + 375);
  EXPECT_EQ(pendingScreen, SCREEN_MATCH_INTERRUPT);
  EXPECT_EQ(matchOverDelay, 0);
}

TEST_F(MatchStepTest, TwoTeamsGoneInOneFrameIsADraw) {
  StartDuel({SHIP_SPETH}, {SHIP_DRONT});
  Fly(1, 200, 200)->armour = 0;
  Fly(2, 900, 900)->armour = -3;
  Frame();
  EXPECT_EQ(matchWinner, 0);
  Frame();
  EXPECT_EQ(matchWinner, WINNER_DRAW);
  EXPECT_EQ(teamAlive[1] + teamAlive[2], 0);
}

TEST_F(MatchStepTest, StartMatchClearsTheWholeDamageQueue) {
  damageQueue[3][SPECIAL_ATTACKER][2][8] = 5;
  damageQueue[1][2][1][1] = 4;
  StartDuel({SHIP_SPETH}, {SHIP_DRONT});
  EXPECT_EQ(damageQueue[3][SPECIAL_ATTACKER][2][8], 0.0f);
  EXPECT_EQ(damageQueue[1][2][1][1], 0.0f);
}

TEST_F(MatchStepTest, EffectsAgeAndGo) {
  SpawnExplosion(0, 0, 0, 3, 0, 0);
  const int32_t life = currentExplosion->frameCount * currentExplosion->frameDelay;
  SpawnDebris(100, 100, 0, 1, 100);
  currentDebris->heading = 90;
  SpawnSpark(100, 100, 90, 2, 1);
  const int32_t state = GetRandomSeed();
  for (int32_t f = 1; f <= 30; ++f) {
    EffectsUpdate();
    if (f == 1) {
      EXPECT_NEAR(currentDebris->x, 104.0f, 1e-4);  // 4 pixels along its heading
      EXPECT_NEAR(currentSpark->x, 102.0f, 1e-4);
    }
    EXPECT_EQ(ListCount(*explosionList), f < life ? 1 : 0);
    EXPECT_EQ(ListCount(*debrisList), f < 20 ? 1 : 0);
    EXPECT_EQ(ListCount(*sparkList), f < 30 ? 1 : 0);
  }
  EXPECT_EQ(GetRandomSeed(), state);
}

TEST_F(MatchStepTest, SharedHelpersOfTheShipTypeCode) {
  float x, y;
  PointAhead(100, 100, 90, 10, x, y);
  EXPECT_NEAR(x, 110.0f, 1e-4);
  EXPECT_NEAR(y, 100.0f, 1e-4);
  PointAhead(100, 100, 0, 10, x, y);
  EXPECT_NEAR(y, 90.0f, 1e-4);  // heading 0 points up the screen
  PointToRight(100, 100, 0, 10, x, y);
  EXPECT_NEAR(x, 110.0f, 1e-4);
  PointToRight(100, 100, 0, -10, x, y);
  EXPECT_NEAR(x, 90.0f, 1e-4);
  // Off the axes every sign shows: at 30 degrees ahead is right and up,
  // to the right is right and down.
  PointAhead(100, 100, 30, 10, x, y);
  EXPECT_NEAR(x, 105.0f, 1e-4);
  EXPECT_NEAR(y, 91.339746f, 1e-4);
  PointToRight(100, 100, 30, 10, x, y);
  EXPECT_NEAR(x, 108.660254f, 1e-4);
  EXPECT_NEAR(y, 105.0f, 1e-4);

  TShotPlain attacker;
  attacker.slot = 3;
  attacker.memberIndex = 4;
  attacker.damage = 8;
  attacker.damageType = 3;
  QueueSpecialDamage(2, attacker, 1.5f);
  QueueSpecialDamage(2, attacker, 1.5f);
  EXPECT_EQ(damageQueue[2][3][4][8], 3.0f);
  QueueSpecialDamage(9, attacker, 1);  // no such slot: nothing
  TShotSpecial struck;
  struck.hitPoints = 10;
  struck.resistances[3] = 0.5f;
  DamageShotWithResistance(struck, attacker);
  EXPECT_EQ(struck.hitPoints, 6.0f);

  Ref<TShotPlain> sub = NewSubMunition();
  EXPECT_EQ(newShotPlain, sub);
  EXPECT_EQ(shotList->last->value.get(), sub.get());

  SetRandomSeed(3);
  SparkBurst(5, 6, 2, 4, 2);
  EXPECT_EQ(GetRandomSeed(), Steps(3, 4));  // heading, then speed
  EXPECT_GE(currentSpark->speed, 2.0f);
  EXPECT_LE(currentSpark->speed, 4.0f);
}

}  // namespace
