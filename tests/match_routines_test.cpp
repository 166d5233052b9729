#include <gtest/gtest.h>

#include <cmath>

#include "match/aiming.hpp"
#include "match/collision.hpp"
#include "match/effects.hpp"
#include "match/firing.hpp"
#include "match/spawn.hpp"
#include "tests/match_harness.hpp"

namespace {

using harness::Step;
using harness::Steps;

class MatchRoutines : public ::testing::Test {
 protected:
  void SetUp() override { harness::ResetMatchWorld(); }
};

TEST_F(MatchRoutines, UnitConversionsOfHullAndWeaponValues) {
  slotShipValue[1][GROUP_HULL][HULL_MAX_SPEED] = 65;
  slotShipValue[1][GROUP_HULL][HULL_ACCELERATION] = 50;
  slotShipValue[1][GROUP_HULL][HULL_TURN_RATE] = 28;
  slotShipValue[1][GROUP_HULL][HULL_RECHARGE_TIME] = 400;
  slotShipValue[1][GROUP_HULL][HULL_CANNON_RESISTANCE] = -50;
  slotShipValue[1][GROUP_HULL][HULL_MAX_ARMOR] = 30;
  NormaliseShipStats(1);
  const float* hull = slotShipValue[1][GROUP_HULL];
  EXPECT_EQ(hull[HULL_MAX_SPEED], 5.0f);
  EXPECT_EQ(hull[HULL_ACCELERATION], static_cast<float>(std::pow(50.0, 1.25) / 1300.0));
  EXPECT_NEAR(hull[HULL_ACCELERATION], 0.1023, 0.0001);
  EXPECT_EQ(hull[HULL_TURN_RATE], 2.0f);
  EXPECT_NEAR(hull[HULL_RECHARGE_TIME], 30.00075, 0.00001);
  EXPECT_EQ(hull[HULL_CANNON_RESISTANCE], -0.5f);
  EXPECT_EQ(hull[HULL_MAX_ARMOR], 30.0f);  // not converted

  float* w = slotShipValue[1][GROUP_SECONDARY];
  w[WEAPON_RELOAD_TIME] = 400;
  w[WEAPON_PROJECTILE_SPEED] = 65;
  w[WEAPON_HOMING_RATE] = 36;
  w[WEAPON_SPEED_SPREAD] = 3;
  w[WEAPON_SPEED_LIMIT] = 30;
  w[WEAPON_FADE] = 50;
  w[WEAPON_SHOT_BEAM_RESISTANCE] = 25;
  w[WEAPON_LIFETIME] = 350;
  w[WEAPON_DAMAGE] = 4;
  NormaliseWeaponStats(1, 2);
  // The divisor is the 32-bit real nearest to 13.333, not 40 / 3.
  EXPECT_EQ(w[WEAPON_RELOAD_TIME], static_cast<float>(400.0 / 13.33300018310546875));
  EXPECT_NEAR(w[WEAPON_RELOAD_TIME], 30.00075, 0.00001);
  EXPECT_NEAR(w[WEAPON_PROJECTILE_SPEED], 14.444, 0.001);
  EXPECT_EQ(w[WEAPON_HOMING_RATE], 1.0f);
  EXPECT_EQ(w[WEAPON_SPEED_SPREAD], 1.0f);
  EXPECT_EQ(w[WEAPON_SPEED_LIMIT], 10.0f);
  EXPECT_EQ(w[WEAPON_FADE], 0.5f);
  EXPECT_EQ(w[WEAPON_SHOT_BEAM_RESISTANCE], 0.25f);
  EXPECT_NEAR(w[WEAPON_LIFETIME], 26.25, 0.001);
  EXPECT_EQ(w[WEAPON_DAMAGE], 4.0f);
  // A second call divides again.
  NormaliseWeaponStats(1, 2);
  EXPECT_EQ(w[WEAPON_HOMING_RATE], static_cast<float>(1.0 / 36.0));
}

TEST_F(MatchRoutines, SizesAndRanking) {
  EXPECT_EQ(RadiusFromSize(31, 32), 31);
  EXPECT_EQ(RadiusFromSize(28, 38), 33);
  shipSizeOrder[0][1] = 30;
  shipSizeOrder[0][2] = 45;
  shipSizeOrder[0][3] = 30;
  RankBySize();
  EXPECT_EQ(shipSizeOrder[1][0], 2);
  EXPECT_EQ(shipSizeOrder[2][0], 3);  // equal radii: the higher slot first
  EXPECT_EQ(shipSizeOrder[3][0], 1);
  EXPECT_EQ(shipSizeOrder[4][0], 0);
}

TEST_F(MatchRoutines, SpawnShipCopiesAndConvertsTheCatalogue) {
  slotTable[2][SLOT_TEAM] = 3;
  fleetTable[2][1][0] = 2;
  fleetTable[2][2][2] = SHIP_REGAL;  // body 28 x 38
  fleetTable[2][3][2] = 7;
  SetRandomSeed(1);
  SpawnShip(100.5f, 200.25f, 2);
  ASSERT_TRUE(currentShip);
  const TShip& ship = *currentShip;
  EXPECT_EQ(ListCount(*shipList), 1);
  EXPECT_EQ(GetRandomSeed(), Steps(1, 2));  // the heading is the only draw
  EXPECT_GE(ship.heading, 1.0f);
  EXPECT_LE(ship.heading, 360.0f);
  EXPECT_EQ(ship.heading, std::floor(ship.heading));
  EXPECT_EQ(ship.x, 100.5f);
  EXPECT_EQ(ship.team, 3);
  EXPECT_EQ(ship.memberIndex, 7);
  EXPECT_EQ(ship.shipType, 0);
  EXPECT_EQ(ship.bodyFrame, 1);
  EXPECT_EQ(ship.launchTicks, 2);
  EXPECT_EQ(ship.radius, 33.0f);
  EXPECT_EQ(shipSizeOrder[0][2], 33);
  EXPECT_EQ(slotTable[2][SLOT_TARGETABLE], 1);
  EXPECT_EQ(ship.armour, shipValue[SHIP_REGAL][GROUP_HULL][HULL_MAX_ARMOR]);
  // Reload counters start at the catalogue's milliseconds: ready at once.
  EXPECT_EQ(ship.reloadCounters[1], 400);
  EXPECT_EQ(ship.reloadCounters[2], 2000);
  EXPECT_EQ(slotShipValue[2][GROUP_HULL][HULL_MAX_SPEED],
            static_cast<float>(shipValue[SHIP_REGAL][GROUP_HULL][HULL_MAX_SPEED] / 13.0));
  EXPECT_NEAR(slotShipValue[2][GROUP_PRIMARY][WEAPON_RELOAD_TIME], 30.00075, 0.00001);
  EXPECT_EQ(slotShipPoint[2][GROUP_PRIMARY][1][MUZZLE_X],
            shipPoint[SHIP_REGAL][GROUP_PRIMARY][1][MUZZLE_X]);

  fleetTable[3][1][0] = 1;
  fleetTable[3][2][1] = SHIP_BIRKEN;
  SpawnShip(0, 0, 3);
  EXPECT_EQ(currentShip->radius, 140.0f);
}

TEST_F(MatchRoutines, RandomDrawsCountTwoStepsEach) {
  SetRandomSeed(12345);
  RandomIntInRange(1, 10);
  EXPECT_EQ(GetRandomSeed(), Steps(12345, 2));
  RandomRealInRange(0, 1);
  EXPECT_EQ(GetRandomSeed(), Steps(12345, 4));
  // A particle: a real and an integer.
  SpawnDebris(0, 0, 90, 1, 100);
  EXPECT_EQ(GetRandomSeed(), Steps(12345, 8));
  EXPECT_GE(currentDebris->heading, -135.0f);
  EXPECT_LT(currentDebris->heading, -45.0f);
  EXPECT_GE(currentDebris->life, 6);
  EXPECT_LE(currentDebris->life, 16);
  // Warp-ins, explosions and sparks draw nothing.
  SpawnWarpIn(1, 75.5f, 1);
  SpawnExplosion(1, 2, 3, 3, 0, 0);
  SpawnSpark(1, 2, 3, 4, 5);
  EXPECT_EQ(GetRandomSeed(), Steps(12345, 8));
  EXPECT_EQ(currentExplosion->frameCount,
            static_cast<int32_t>(explosionTypeTable[3][EXPLOSION_FRAME_COUNT]));
  EXPECT_EQ(currentWarpIn->size, 75.5f);
  EXPECT_EQ(currentSpark->kind, 5);
}

// A ship of slot 1 with a hand-made primary weapon.
void ArmSlotOne(int32_t shots, float angleSpread, float speedSpread) {
  slotTable[1][SLOT_TEAM] = 1;
  Ref<TShip> ship = NewRecord<TShip>();
  ship->slot = 1;
  ship->team = 1;
  ship->energy = 10;
  ship->memberIndex = 3;
  ListAppend(*shipList, ship);
  currentShip = ship;
  float* v = slotShipValue[1][GROUP_PRIMARY];
  v[WEAPON_DAMAGE] = 4;
  v[WEAPON_DAMAGE_TYPE] = 1;
  v[WEAPON_RELOAD_TIME] = 30;
  v[WEAPON_ENERGY_DRAIN] = 10;
  v[WEAPON_PROJECTILE_SPEED] = 14;
  v[WEAPON_SHOT_COUNT] = static_cast<float>(shots);
  v[WEAPON_ANGLE_SPREAD] = angleSpread;
  v[WEAPON_SPEED_SPREAD] = speedSpread;
  v[WEAPON_IMAGE_INDEX] = 1;
  v[WEAPON_LIFETIME] = 26.25f;
  for (int32_t i = 1; i <= 3; ++i) {
    slotShipPoint[1][GROUP_PRIMARY][i][MUZZLE_ANGLE] = static_cast<float>(10 * i);
    slotShipPoint[1][GROUP_PRIMARY][i][MUZZLE_X] = static_cast<float>(i);
    slotShipPoint[1][GROUP_PRIMARY][i][MUZZLE_Y] = -10;
  }
}

TEST_F(MatchRoutines, TriggerNeedsControlReloadAndEnergy) {
  ArmSlotOne(1, 0, 0);
  currentShip->reloadCounters[1] = 30;
  TryFireWeapon(1, 1, 1);
  EXPECT_EQ(weaponFired[1], 0);  // no control
  playerInput[1][INPUT_FIRE_PRIMARY] = 1;
  currentShip->energy = 9.5f;
  TryFireWeapon(1, 1, 1);
  EXPECT_EQ(weaponFired[1], 0);  // 0.5 below the drain
  currentShip->energy = 10;
  currentShip->reloadCounters[1] = 29;
  TryFireWeapon(1, 1, 1);
  EXPECT_EQ(weaponFired[1], 0);  // not reloaded
  currentShip->reloadCounters[1] = 30;
  TryFireWeapon(1, 1, 1);
  EXPECT_EQ(weaponFired[1], 1);  // equal reload and equal energy fire
  EXPECT_EQ(currentShip->energy, 0.0f);
  EXPECT_EQ(currentShip->reloadCounters[1], 0);
}

TEST_F(MatchRoutines, FireWeaponMakesOneShotPerMuzzleWithTwoDrawsEach) {
  ArmSlotOne(3, 0, 0);
  SetRandomSeed(99);
  FireWeapon(1, 1, 1, 500, 400, 0, 3);
  EXPECT_EQ(ListCount(*shotList), 3);
  EXPECT_EQ(GetRandomSeed(), Steps(99, 12));  // six reals
  int32_t muzzle = 1;
  ForEachInList(*shotList, [&](const Ref<TShot>& shot) {
    EXPECT_EQ(shot->muzzle, muzzle);
    EXPECT_EQ(shot->shotKind, SHOT_KIND_PLAIN);
    // Zero spreads: exactly along heading plus muzzle angle at full speed.
    EXPECT_EQ(shot->heading, 10.0f * muzzle);
    EXPECT_EQ(shot->speed, 14.0f);
    // Muzzle (i, -10) at heading 0: (500 + i, 390).
    EXPECT_NEAR(shot->x, 500.0f + muzzle, 1e-4);
    EXPECT_NEAR(shot->y, 390.0f, 1e-4);
    EXPECT_EQ(shot->lifetime, 26);
    EXPECT_EQ(shot->memberIndex, 3);
    EXPECT_EQ(shot->team, 1);
    EXPECT_EQ(shot->radius, 7.0f);  // type 1's primary picture is 3 x 12
    ++muzzle;
  });
  EXPECT_EQ(currentShot.get(), newShotPlain.get());

  // Scaled pictures scale the radius; a missing picture gives radius 0.
  slotShipValue[1][GROUP_PRIMARY][WEAPON_SHOT_COUNT] = 1;
  slotShipValue[1][GROUP_PRIMARY][WEAPON_SIZE_PERCENT] = 50;
  FireWeapon(1, 1, 1, 0, 0, 0, 3);
  EXPECT_EQ(currentShot->radius, 3.5f);
  slotShipValue[1][GROUP_PRIMARY][WEAPON_IMAGE_INDEX] = 5;
  FireWeapon(1, 1, 1, 0, 0, 0, 3);
  EXPECT_EQ(currentShot->radius, 0.0f);
  SetRandomSeed(99);
  // No shot, no draw.
  slotShipValue[1][GROUP_PRIMARY][WEAPON_SHOT_COUNT] = 0;
  FireWeapon(1, 1, 1, 0, 0, 0, 3);
  EXPECT_EQ(GetRandomSeed(), 99);
}

TEST_F(MatchRoutines, SpreadOffsetsLieWithinTheirBounds) {
  ArmSlotOne(1, 5, 2);
  for (int i = 0; i < 200; ++i) FireWeapon(1, 1, 1, 0, 0, 100, 3);
  ForEachInList(*shotList, [&](const Ref<TShot>& shot) {
    EXPECT_GE(shot->heading, 105.0f);
    EXPECT_LT(shot->heading, 115.0f);
    EXPECT_GE(shot->speed, 12.0f);
    EXPECT_LT(shot->speed, 16.0f);
  });
}

TEST_F(MatchRoutines, CirclesTouchAtTwoThirdsOfTheRadii) {
  EXPECT_EQ(CirclesOverlap(0, 0, 6, 10.6f, 0, 6), 1);  // radii below 8 count as 8
  EXPECT_EQ(CirclesOverlap(0, 0, 6, 10.7f, 0, 6), 0);
  EXPECT_EQ(CirclesOverlap(0, 0, 30, 50, 0, 45), 1);
  EXPECT_EQ(CirclesOverlap(0, 0, 30, 50.1f, 0, 45), 0);
  EXPECT_EQ(CirclesOverlap(0, 0, NAN, 10.6f, 0, 0), 1);
  EXPECT_EQ(BoxesOverlap(65, 174, 350, 37, 415, 211, 1, 1), 1);
  EXPECT_EQ(BoxesOverlap(65, 174, 350, 37, 416, 174, 1, 1), 0);
}

Ref<TShip> ShipAt(int32_t slot, int32_t team, float x, float y, float radius) {
  Ref<TShip> ship = NewRecord<TShip>();
  ship->slot = slot;
  ship->team = team;
  ship->x = x;
  ship->y = y;
  ship->radius = radius;
  ListAppend(*shipList, ship);
  return ship;
}

Ref<TShot> ShotAt(bool special, int32_t slot, int32_t team, float x, float y) {
  Ref<TShot> shot =
      special ? Ref<TShot>(NewRecord<TShotSpecial>()) : Ref<TShot>(NewRecord<TShotPlain>());
  shot->slot = slot;
  shot->team = team;
  shot->x = x;
  shot->y = y;
  shot->memberIndex = 2;
  ListAppend(*shotList, shot);
  return shot;
}

TEST_F(MatchRoutines, ShotHitsShipsQueuesForTheNextFrame) {
  ShipAt(2, 2, 100, 100, 30);
  ShipAt(3, 3, 105, 100, 30);
  ShipAt(4, 1, 100, 100, 30);  // the shot's own team
  Ref<TShot> shot = ShotAt(false, 1, 1, 100, 100);
  shot->damage = 4;
  shot->damageType = 1;
  currentShot = shot;
  ShotHitsShips();
  EXPECT_EQ(damageQueue[2][1][2][5], 4.0f);
  EXPECT_EQ(damageQueue[2][1][2][1], 0.0f);
  EXPECT_EQ(damageQueue[3][1][2][5], 0.0f);  // a dead shot hits nothing more
  EXPECT_EQ(shot->dead, 1);
  EXPECT_EQ(lastHitSlot, 2);
  EXPECT_EQ(currentShip->slot, 4);  // the walk's variable stays on the last ship

  shot->dead = 0;
  shot->piercing = 1;
  ShotHitsShips();
  EXPECT_EQ(damageQueue[2][1][2][5], 8.0f);
  EXPECT_EQ(damageQueue[3][1][2][5], 4.0f);
  EXPECT_EQ(lastHitSlot, 3);
  EXPECT_EQ(damageQueue[4][1][2][5], 0.0f);

  // No damage: the hit counts but queues nothing and ends nothing.
  shot->piercing = 0;
  shot->damageType = 5;
  shot->hitThisTick = 0;
  ShotHitsShips();
  EXPECT_EQ(shot->dead, 0);
  EXPECT_EQ(shot->hitThisTick, 1);
  EXPECT_EQ(damageQueue[2][1][2][5], 8.0f);
}

TEST_F(MatchRoutines, ShotHitsShotsTakesHitPointsThroughResistance) {
  Ref<TShot> target = ShotAt(true, 2, 2, 100, 100);
  target->destructible = 1;
  target->hitPoints = 20;
  target->resistances[2] = 0.25f;
  Ref<TShot> plainNear = ShotAt(false, 2, 2, 100, 100);  // plain shots are never targets
  Ref<TShot> shot = ShotAt(false, 1, 1, 100, 100);
  shot->damage = 10;
  shot->damageType = 2;
  currentShot = shot;
  ShotHitsShots();
  EXPECT_EQ(target->hitPoints, 12.5f);
  EXPECT_EQ(plainNear->hitPoints, 0.0f);
  EXPECT_EQ(lastHitSlot, 1);
  EXPECT_EQ(shot->dead, 1);
  EXPECT_EQ(newShotSpecial.get(), target.get());
}

TEST_F(MatchRoutines, AimingLeadsAMovingTarget) {
  shipSnapshot[2][1] = 400;
  shipSnapshot[2][2] = 500;
  shipSnapshot[2][3] = 0;
  shipSnapshot[2][4] = -2;
  shipSnapshot[2][5] = 2;
  // Lead 56.1: predicted point (400, 443.9), bearing about 79.41.
  EXPECT_EQ(AimAtTarget(100, 500, 0, 10, 5, 2, 0), -1);
  EXPECT_NEAR(aimResult[2][4], 79.41, 0.01);
  EXPECT_NEAR(aimResult[2][3], 300.0, 1e-4);
  EXPECT_EQ(aimResult[2][1], 1.0f);
  EXPECT_EQ(aimResult[2][2], 0.0f);
  const double expected = std::atan2(56.1, 300.0) * 57.29577951308232;
  EXPECT_NEAR(aimResult[2][4], 90.0 - expected, 1e-3);
  EXPECT_EQ(AimAtTarget(100, 500, 0, 10, 80, 2, 0), 2);
  EXPECT_NEAR(aimHeading, 79.41, 0.01);
  // Homing shots lead by 14.025.
  AimShotAtTarget(100, 500, 0, 10, 5, 2, 0);
  EXPECT_NEAR(aimResult[2][4], 90.0 - std::atan2(14.025, 300.0) * 57.29577951308232, 1e-3);
  // Headings are corrected once: 365 is 5, 725 stays 365.
  AimAtTarget(100, 500, 365, 10, 5, 2, 0);
  EXPECT_NEAR(aimResult[2][4], 74.41, 0.01);
  AimAtTarget(100, 500, -10, 10, 5, 2, 0);
  EXPECT_NEAR(aimResult[2][4], 89.41, 0.01);
  // A target at rest: aim at the target itself.
  shipSnapshot[2][4] = 0;
  shipSnapshot[2][5] = 0;
  EXPECT_EQ(AimAtTarget(100, 500, 90, 10, 1, 2, 7), 2);
  EXPECT_NEAR(aimHeading, 90.0, 1e-4);
  EXPECT_EQ(aimResult[2][2], 1.0f);
  // Exactly behind: no turn.
  EXPECT_EQ(AimAtTarget(100, 500, 270, 10, 1, 2, 0), 0);
  EXPECT_NEAR(aimResult[2][4], 180.0, 1e-4);
  // Target 0 aims at the arena's centre.
  EXPECT_EQ(AimAtTarget(640, 612, 0, 10, 1, 0, 0), 2);
  EXPECT_NEAR(aimResult[0][3], 100.0, 1e-4);
}

TEST_F(MatchRoutines, NearestEnemyPrefersTheLowerSlotAndTargetableShips) {
  for (int32_t s = 1; s <= 4; ++s) {
    shipSnapshot[s][1] = 100;
    shipSnapshot[s][2] = 100;
    shipSnapshot[s][6] = static_cast<float>(s);
    slotTable[s][SLOT_TARGETABLE] = 1;
  }
  shipSnapshot[2][1] = 110;
  shipSnapshot[3][1] = 90;
  shipSnapshot[4][1] = 50;
  EXPECT_EQ(NearestEnemy(100, 100, 1), 2);
  slotTable[2][SLOT_TARGETABLE] = 0;
  EXPECT_EQ(NearestEnemy(100, 100, 1), 3);
  EXPECT_EQ(NearestEnemy(100, 100, 3), 1);
  for (int32_t s = 1; s <= 4; ++s) slotTable[s][SLOT_TARGETABLE] = 0;
  EXPECT_EQ(NearestEnemy(100, 100, 1), 0);
}

TEST_F(MatchRoutines, ShotsAppendedDuringAWalkFollowTheListRules) {
  Ref<TShot> a = ShotAt(false, 1, 1, 0, 0);
  Ref<TShot> b = ShotAt(false, 1, 1, 0, 0);
  std::vector<TShot*> seen;
  WalkList(*shotList, currentShot, [&] {
    seen.push_back(currentShot.get());
    if (currentShot == a) ShotAt(false, 1, 1, 0, 0);  // reached in this walk
    if (seen.size() == 3) ShotAt(false, 1, 1, 0, 0);  // appended at the last: next walk
  });
  EXPECT_EQ(seen.size(), 3u);
  EXPECT_EQ(ListCount(*shotList), 4);
}

}  // namespace

namespace {
TEST(MatchLists, EmptyingLeavesTheLastRemovedElementInTheCurrentVariable) {
  harness::ResetMatchWorld();
  auto first = NewRecord<TShip>();
  auto second = NewRecord<TShip>();
  ListAppend(*shipList, first);
  ListAppend(*shipList, second);
  auto shot = NewRecord<TShotPlain>();
  ListAppend(*shotList, Ref<TShot>(shot));
  auto spark = NewRecord<TSpark>();
  currentSpark = spark;  // an empty list leaves its variable alone
  EmptyObjectLists();
  EXPECT_EQ(ListCount(*shipList), 0);
  EXPECT_EQ(ListCount(*shotList), 0);
  EXPECT_EQ(currentShip, second);
  EXPECT_EQ(currentShot, shot);
  EXPECT_EQ(currentSpark, spark);
}
}  // namespace
