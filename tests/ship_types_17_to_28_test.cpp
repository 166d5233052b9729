// The own code of ship types 17 to 28: Iwor, Arubawi, Pax, Tkharzer, Ithus,
// Sjuog, Otros, Temper, Kabata and Fith; and computer matches of them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>

#include "tests/computer_long_run.hpp"
#include "tests/ship_type_fixture.hpp"
#include "tests/test_folder.hpp"

namespace {

using shiptypes::ShipTypeFixture;
using V = std::vector<float>;
using I = std::vector<int32_t>;

// The usual target is a Speth: 40 armour and energy, radius 61.
const float spethMaxSpeed = 70.0f / 13.0f;

V State(const Ref<TShip>& ship) { return V(ship->specialState, ship->specialState + 6); }
V Values(int32_t slot, int32_t group, std::initializer_list<int32_t> columns) {
  V values;
  for (int32_t c : columns) values.push_back(slotShipValue[slot][group][c]);
  return values;
}

class Iwor : public ShipTypeFixture {
 protected:
  void Steps(int32_t n, int32_t control = 0) {
    if (control != 0) Hold(1, control);
    for (int32_t i = 0; i < n; ++i) StepShips();
    ReleaseAll();
  }
  // The working values that a mode change writes.
  static V ModeValues() {
    V v = Values(1, GROUP_HULL, {HULL_MAX_SPEED, HULL_TURN_RATE});
    for (float p : Values(1, GROUP_PRIMARY,
                          {WEAPON_ABILITY_MARKER, WEAPON_DAMAGE, WEAPON_RELOAD_TIME,
                           WEAPON_ENERGY_DRAIN, WEAPON_SHOT_COUNT, WEAPON_HIT_EXPLOSION,
                           WEAPON_HIT_SOUND, WEAPON_IMAGE_INDEX, WEAPON_FIRE_SOUND}))
      v.push_back(p);
    v.push_back(slotShipValue[1][GROUP_SECONDARY][WEAPON_FIRE_SOUND]);
    return v;
  }
};

TEST_F(Iwor, TurretModeAimsTheCannonAndFastModeRestoresTheHull) {
  Ref<TShip> iwor = PlaceShip(1, SHIP_IWOR, 400, 500, 30, 1);
  Ref<TShip> enemy = PlaceShip(2, SHIP_SPETH, 800, 500, 0, 2);
  iwor->velocityX = 3;
  iwor->velocityY = -4;
  iwor->speed = 5;
  Seed(17);
  Steps(1, INPUT_FIRE_SECONDARY);
  EXPECT_EQ(ModeValues(), (V{2.3076923f, 1.4285715f, 1, 2, 13.125328f, 5, 1, 7, 7, 2, 4, 2}));
  // Cut to the new maximum speed; the body opens; the turret turns 10
  // degrees toward the enemy; the aiming line follows it.
  EXPECT_EQ(iwor->speed, 2.3076923f);
  EXPECT_NEAR(iwor->velocityY, -4 * 2.3076923 / 5, 1e-6);
  EXPECT_EQ(State(iwor), (V{0, 1, 1.25f, 1, 10, 0}));
  EXPECT_EQ(iwor->reloadCounters[1], 0);
  EXPECT_EQ(slotShipValue[1][GROUP_HULL][HULL_AIM_LINE_ANGLE], -20.0f);
  iwor->velocityX = iwor->velocityY = 0;  // at (403, 496) from here
  Steps(8);
  EXPECT_EQ(iwor->specialState[4], 90.0f);
  EXPECT_EQ(iwor->bodyFrame, 3);
  Steps(1);  // within 10 degrees: onto the enemy
  const float bearing = iwor->specialState[4];
  EXPECT_NEAR(bearing, 90.0 + std::atan2(4.0, 397.0) * 57.29577951308232, 1e-4);

  // Ready 14 frames after the change, the cannon fires one heavy shot along
  // the turret's heading of the frame before.
  Steps(4, INPUT_FIRE_PRIMARY);
  enemy->x = 403;
  enemy->y = 100;
  ClearSounds();
  Steps(1, INPUT_FIRE_PRIMARY);
  std::vector<Ref<TShot>> shots = ShotsOf(SHIP_IWOR, 1);
  ASSERT_EQ(shots.size(), 1u);
  const TShot& heavy = *shots[0];
  EXPECT_EQ((V{heavy.heading, heavy.damage, static_cast<float>(heavy.imageIndex)}),
            (V{bearing, 2, 2}));
  EXPECT_EQ(SoundsPlayed(), I{ExtraSound(SHIP_IWOR, 4)});
  EXPECT_EQ(iwor->specialState[4], bearing - 10.0f);
  Steps(61);  // open since frame 24
  EXPECT_EQ(iwor->bodyFrame, 7);
  EXPECT_EQ(slotShipPoint[1][GROUP_HULL][1][ENGINE_Y], 25.0f);

  Steps(1, INPUT_FIRE_SECONDARY);  // frame 77: reloaded, back into fast mode
  EXPECT_EQ(ModeValues(), (V{5.3846154f, 3.5714285f, 0, 0.75f, 15.000375f, 2, 2, 5, 0, 1, 3, 1}));
  EXPECT_EQ(State(iwor), (V{0, 0, 6.75f, 2, 30, 0}));
  Steps(15, INPUT_FIRE_PRIMARY);
  Steps(1, INPUT_FIRE_PRIMARY);  // ready 16 frames after: two shots along the heading
  shots = ShotsOf(SHIP_IWOR, 1);
  ASSERT_EQ(shots.size(), 3u);
  EXPECT_EQ((V{shots[1]->heading, shots[2]->heading, shots[2]->damage}), (V{30, 30, 0.75f}));
  Steps(7);
  EXPECT_EQ(State(iwor), (V{0, 0, 1, 0, 30, 0}));  // folded after 24 frames
  EXPECT_EQ(slotShipPoint[1][GROUP_HULL][1][ENGINE_Y], 19.0f);
  EXPECT_EQ(RandomDrawsSinceMark(), 6);
}

TEST_F(Iwor, TurretWithoutAnEnemyTurnsTowardTheArenaCentre) {
  Ref<TShip> iwor = PlaceShip(1, SHIP_IWOR, 200, 512, 0);
  Seed(18);
  Steps(1, INPUT_FIRE_SECONDARY);
  EXPECT_EQ(iwor->aiTarget, 0);
  EXPECT_EQ(iwor->specialState[4], 10.0f);
  Steps(9);
  EXPECT_EQ(iwor->specialState[4], 90.0f);  // on (640, 512)
  EXPECT_EQ(RandomDrawsSinceMark(), 0);
}

class Arubawi : public ShipTypeFixture {};

TEST_F(Arubawi, HyperJumpLeavesAliveAfter220FramesEvenAsTheArmourRunsOut) {
  Ref<TShip> ship = PlaceShip(1, SHIP_ARUBAWI, 300, 300, 0, 1);
  PlaceShip(2, SHIP_SPETH, 900, 900, 0, 2);
  // Member 2 of a fleet of three.
  const int32_t types[] = {0, SHIP_SPETH, SHIP_ARUBAWI, SHIP_DRONT};
  for (int32_t m = 1; m <= 3; ++m) {
    fleetTable[1][FLEET_MEMBER_TYPES][m] = types[m];
    fleetTable[1][FLEET_MEMBER_STATS][m] = m;
    matchStats[1][m][STAT_STATUS] = STATUS_OK;
  }
  fleetTable[1][FLEET_HEAD][FLEET_SIZE] = 3;
  fleetTable[1][FLEET_HEAD][FLEET_CHOSEN] = 2;
  ship->memberIndex = 2;
  ship->velocityX = 2;
  ship->velocityY = 1;
  launchTimer[1] = 80;
  slotEffectState[1][EFFECT_STUCK] = 1;
  slotEffectState[1][EFFECT_CURSES] = 5;
  slotEffectState[EFFECT_SPARED_ROW][EFFECT_CURSES] = 1;
  Seed(180);

  Hold(1, INPUT_FIRE_SECONDARY);
  StepFrame();
  ReleaseAll();
  EXPECT_EQ(State(ship), (V{0, 1, 1, 0.5f, 0, 1}));
  EXPECT_EQ(Values(1, GROUP_HULL,
                   {HULL_MAX_SPEED, HULL_ACCELERATION, HULL_TURN_RATE, HULL_ENGINE_POINT_COUNT}),
            V(4, 0.0f));
  EXPECT_EQ((V{ship->x, ship->y, ship->velocityX, ship->velocityY, ship->energy}),
            (V{302, 301, 0, 0, 0}));
  EXPECT_EQ(ship->reloadCounters[1] + ship->reloadCounters[2], 0);
  StepFrame(188);
  EXPECT_EQ(State(ship), (V{0, 1, 189, 4.5f, 0, 189}));  // the animation: 18 frames a round
  EXPECT_EQ(ListCount(*warpInList), 0);
  StepFrame();  // frame 190: the departure shows
  ASSERT_EQ(ListCount(*warpInList), 1);
  const TWarpIn& departure = *currentWarpIn;
  EXPECT_EQ((V{departure.x, departure.y, departure.size}), (V{302, 301, 48}));
  EXPECT_EQ((I{departure.kind, departure.slot}), (I{0, 1}));
  StepFrame(28);
  damageQueue[1][2][1][DAMAGE_TYPE_CANNON] = 100;
  StepFrame();  // frame 219: the armour runs out
  EXPECT_EQ(ship->armour, 0.0f);
  EXPECT_EQ(ship->specialState[5], 200.0f);
  damageQueue[1][3][1][QUEUE_SPECIAL_NEXT] = 3;
  damageQueue[1][SPECIAL_ATTACKER][2][QUEUE_SPECIAL_NEXT] = 4;
  const float flown = matchStats[2][1][STAT_FRAMES_FLOWN];

  StepShips();  // frame 220: gone alive, and so without a death
  EXPECT_EQ(ListCount(*shipList), 1);
  EXPECT_EQ(matchStats[2][1][STAT_FRAMES_FLOWN], flown + 1);  // the pass goes on
  EXPECT_EQ(I(fleetTable[1][FLEET_MEMBER_TYPES] + 1, fleetTable[1][FLEET_MEMBER_TYPES] + 4),
            (I{SHIP_SPETH, SHIP_ARUBAWI, SHIP_DRONT}));
  EXPECT_EQ((I{fleetTable[1][FLEET_HEAD][FLEET_SIZE], fleetTable[1][FLEET_HEAD][FLEET_CHOSEN],
               slotTable[1][SLOT_ARENA], slotTable[1][SLOT_TARGETABLE], launchTimer[1]}),
            (I{3, 1, ARENA_CHOOSING, 0, 0}));
  EXPECT_EQ(matchStats[1][1][STAT_STATUS] + matchStats[1][2][STAT_STATUS], 2.0f * STATUS_OK);
  EXPECT_EQ((I{slotEffectState[1][EFFECT_STUCK], slotEffectState[1][EFFECT_CURSES]}), (I{0, 5}));
  EXPECT_EQ((V{damageQueue[1][3][1][QUEUE_SPECIAL_NEXT],
               damageQueue[1][SPECIAL_ATTACKER][2][QUEUE_SPECIAL_NEXT]}),
            (V{0, 4}));
  EXPECT_EQ(ListCount(*explosionList) + ListCount(*sparkList), 0);
  EXPECT_EQ(RandomDrawsSinceMark(), 0);
}

class Pax : public ShipTypeFixture {};

TEST_F(Pax, CurseIsCastAfter398FramesAndTakes8PercentOfEachEnemyShip) {
  Ref<TShip> pax = PlaceShip(1, SHIP_PAX, 300, 300, 0, 1);
  PlaceShip(2, SHIP_SPETH, 900, 300, 0, 2);
  PlaceShip(3, SHIP_DRONT, 300, 900, 0, 1);                   // a friend
  Ref<TShip> grok = PlaceShip(4, SHIP_GROK, 900, 900, 0, 3);  // 34 armour
  Seed(19);
  Hold(1, INPUT_FIRE_SECONDARY);
  StepShips();
  ReleaseAll();
  EXPECT_EQ(State(pax), (V{0, 1, 1, 0, 0, 0}));
  const std::pair<int32_t, V> phases[] = {{50, {0, 2, 50, 1, 0, 0}},
                                          {349, {0, 3, 49, 0, 0, 0}},
                                          {397, {0, 3, 1, 0, 0, 0}},
                                          {398, V(6, 0.0f)}};
  int32_t frame = 2;
  for (const auto& [until, state] : phases) {
    for (; frame <= until; ++frame) StepShips();
    EXPECT_EQ(State(pax), state) << until;
  }
  ASSERT_EQ(Shots().size(), 1u);
  const Ref<TShot> curse = Shots()[0];
  EXPECT_EQ((V{curse->x, curse->y, curse->speed, curse->radius}), (V{-200, -200, 0, 0}));
  EXPECT_EQ((I{curse->team, curse->slot, curse->shipType, curse->weapon, curse->memberIndex,
               curse->hidden, curse->hasKindCode, curse->noShipHits}),
            (I{1, 1, SHIP_PAX, 2, 1, 1, 1, 0}));
  EXPECT_EQ(SoundsPlayed(), (I{WeaponSound(SHIP_PAX, 2), ExtraSound(SHIP_PAX, 1)}));

  StepShots();
  StepShots();  // once a ship
  EXPECT_FLOAT_EQ(Queued(2, 1, QUEUE_SPECIAL_NEXT), 3.2f);
  EXPECT_EQ(Queued(3, 1, QUEUE_SPECIAL_NEXT), 0.0f);
  EXPECT_FLOAT_EQ(Queued(4, 1, QUEUE_SPECIAL_NEXT), 2.72f);
  EXPECT_EQ((I{slotEffectState[2][EFFECT_CURSES], slotEffectState[3][EFFECT_CURSES],
               slotEffectState[4][EFFECT_CURSES]}),
            (I{1, 0, 1}));
  // The slot's next ship is cursed anew, up to 12 curses on a ship.
  for (int32_t before : {1, 12}) {
    slotEffectState[4][EFFECT_CURSES] = before;
    RemoveShip(grok);
    StepShots();
    grok = PlaceShip(4, SHIP_GROK, 900, 900, 0, 3);
    StepShots();
    EXPECT_FLOAT_EQ(Queued(4, 1, QUEUE_SPECIAL_NEXT), 5.44f);
    EXPECT_EQ(slotEffectState[4][EFFECT_CURSES], std::min(before + 1, 12));
  }
  EXPECT_EQ(curse->keepOnClear, 1);
  EXPECT_EQ(RandomDrawsSinceMark(), 0);
}

TEST_F(Pax, CursesOfOneFrameTakeTheirShareInDoublePrecision) {
  PlaceShip(1, SHIP_PAX, 300, 300, 0, 1);
  PlaceShip(2, SHIP_SPETH, 900, 300, 0, 2);
  slotShipValue[2][GROUP_HULL][HULL_MAX_ARMOR] = 46.0f;
  for (int32_t i = 0; i < 3; ++i) PlaceShot(1, 2, -200, -200, 0);
  StepShots();
  // 0.08 x 46 rounded to 32 bits first would sum to 11.039999.
  EXPECT_EQ(Queued(2, 1, QUEUE_SPECIAL_NEXT), 11.04f);
}

TEST_F(Pax, TwelveCursesOfTheSlotKeepTheSecondaryFromReloading) {
  Ref<TShip> pax = PlaceShip(1, SHIP_PAX, 300, 300, 0, 1);
  for (int32_t k = 0; k < 12; ++k) PlaceShot(1, 2, -200, -200, 0);
  Hold(1, INPUT_FIRE_SECONDARY);
  pax->reloadCounters[2] = 0;
  for (int32_t frame = 1; frame <= 800; ++frame) StepShips();
  EXPECT_EQ((V{pax->specialState[1], pax->energy}), (V{0, 20}));
  EXPECT_EQ(pax->reloadCounters[2], 0);
  ListRemoveValue(*shotList, Shots()[0]);
  StepShips();  // eleven: it reloads
  EXPECT_EQ(pax->reloadCounters[2], 1);
}

class Tkharzer : public ShipTypeFixture {};

TEST_F(Tkharzer, AirPressureBombThrowsTheFirstEnemyAndBurstsForNineFrames) {
  PlaceShip(1, SHIP_TKHARZER, 100, 1000, 0, 1);
  Ref<TShip> target = PlaceShip(2, SHIP_SPETH, 500, 500, 0, 2);
  target->velocityX = target->speed = 1;
  Ref<TShot> bomb = PlaceShot(1, 2, 460, 500, 45);
  Seed(200);
  StepShots();
  EXPECT_EQ(Queued(2, 1, DAMAGE_TYPE_CANNON + QUEUE_NEXT_FRAME), 4.0f);
  // 2000 along the bomb's heading, then cut to the ship's maximum speed.
  const double vx = 1 + 2000 * std::sqrt(0.5), vy = -2000 * std::sqrt(0.5), v = std::hypot(vx, vy);
  EXPECT_EQ(target->speed, spethMaxSpeed);
  EXPECT_NEAR(target->velocityX, vx / v * spethMaxSpeed, 1e-5);
  EXPECT_NEAR(target->velocityY, vy / v * spethMaxSpeed, 1e-5);
  EXPECT_EQ((V{bomb->kindState[1], static_cast<float>(bomb->stationary + bomb->imageIndex),
               bomb->sizePercent}),
            (V{1, 3, 40}));  // burst, and grown once in the same step
  for (int32_t frame = 2; frame <= 8; ++frame) StepShots();
  EXPECT_EQ(bomb->sizePercent, 180.0f);
  StepShots();
  EXPECT_FALSE(InList(bomb));
  EXPECT_EQ(Queued(2, 1, DAMAGE_TYPE_CANNON + QUEUE_NEXT_FRAME), 4.0f);

  // A dead bomb still throws; a destructible shot bursts a bomb too.
  target->velocityX = target->velocityY = 0;
  PlaceShot(1, 2, 460, 500, 90)->dead = 1;
  PlaceShip(3, SHIP_COBOTH, 900, 900, 0, 3);
  Ref<TShot> shield = PlaceShot(3, 2, 700, 200, 0);
  shield->hasKindCode = 0;
  Ref<TShot> second = PlaceShot(1, 2, 650, 200, 90);
  StepShots();
  EXPECT_FLOAT_EQ(target->velocityX, spethMaxSpeed);
  EXPECT_EQ((V{shield->hitPoints, second->kindState[1]}), (V{16, 1}));
  EXPECT_EQ(SoundsPlayed(), I(3, ExtraSound(SHIP_TKHARZER, 1)));
  EXPECT_EQ(RandomDrawsSinceMark(), 0);
}

class Ithus : public ShipTypeFixture {};

TEST_F(Ithus, EachVolleyGainsACentreRocketAndTheBallsCurlHalfRound) {
  PlaceShip(1, SHIP_ITHUS, 640, 200, 300);
  Seed(21);
  Hold(1, INPUT_FIRE_PRIMARY);
  Hold(1, INPUT_FIRE_SECONDARY);
  StepShips();
  const std::vector<Ref<TShot>> rockets = ShotsOf(SHIP_ITHUS, 1), balls = ShotsOf(SHIP_ITHUS, 2);
  ASSERT_EQ(rockets.size(), 3u);
  const TShot& pair = *rockets[0];
  const TShot& centre = *rockets[2];
  EXPECT_EQ((V{pair.damage, pair.speed, centre.damage, centre.speed, centre.radius}),
            (V{1.5f, 70 / 4.5f, 2.5f, 11.111111f, 12}));
  // 14 ahead; the pair 5 to the left and to the right of the centre line.
  EXPECT_NEAR(centre.x, 627.87567f, 1e-4);
  EXPECT_NEAR(centre.y, 193.0f, 1e-4);
  EXPECT_NEAR(pair.x, 625.37567f, 1e-4);
  EXPECT_NEAR(pair.y, 197.33012f, 1e-4);
  EXPECT_NEAR(rockets[1]->x, 630.37567f, 1e-4);
  EXPECT_NEAR(rockets[1]->y, 188.66988f, 1e-4);
  EXPECT_EQ((I{centre.imageIndex, centre.hitExplosion, centre.hitSound}), (I{2, 9, 9}));
  EXPECT_EQ(Values(1, GROUP_PRIMARY,
                   {WEAPON_DAMAGE, WEAPON_PROJECTILE_SPEED, WEAPON_SHOT_COUNT, WEAPON_HIT_EXPLOSION,
                    WEAPON_HIT_SOUND, WEAPON_IMAGE_INDEX}),
            (V{1.5f, 15.555555f, 2, 7, 7, 1}));
  EXPECT_EQ(slotShipPoint[1][GROUP_PRIMARY][1][MUZZLE_X], -5.0f);
  ASSERT_EQ(balls.size(), 2u);
  for (int32_t frame = 1; frame <= 67; ++frame) StepShots();
  EXPECT_EQ((V{balls[0]->heading, balls[1]->heading}), (V{678, 282}));  // 66 frames of 3 from 480
  EXPECT_EQ(RandomDrawsSinceMark(), 10);
}

class Sjuog : public ShipTypeFixture {};

TEST_F(Sjuog, AnnihilatorChargesFor140FramesFiresFromWhereTheShipIsAndSparks) {
  Ref<TShip> ship = PlaceShip(1, SHIP_SJUOG, 400, 400, 120, 1);
  Ref<TShip> enemy = PlaceShip(2, SHIP_SPETH, 100, 900, 0, 2);
  Seed(22);
  Hold(1, INPUT_FIRE_SECONDARY);
  StepShips();
  ReleaseAll();
  std::set<float> flicker;
  for (int32_t frame = 2; frame <= 139; ++frame) {
    StepShips();
    flicker.insert(ship->specialState[3]);
  }
  EXPECT_EQ(flicker, (std::set<float>{1, 2, 3}));
  EXPECT_EQ((V{ship->specialState[1], ship->specialState[2]}), (V{1, 139}));
  EXPECT_EQ(RandomDrawsSinceMark(), 139);
  EXPECT_TRUE(Shots().empty());
  ship->x = 700;
  ship->y = 300;
  StepShips();
  EXPECT_EQ((V{ship->specialState[1], ship->specialState[2]}), (V{0, 0}));
  ASSERT_EQ(Shots().size(), 1u);
  const Ref<TShot> shot = Shots()[0];
  EXPECT_NEAR(shot->x, 758.88971f, 1e-4);  // 68 ahead
  EXPECT_NEAR(shot->y, 334.0f, 1e-4);
  EXPECT_EQ(SoundsPlayed(), (I{WeaponSound(SHIP_SJUOG, 2), ExtraSound(SHIP_SJUOG, 1)}));
  EXPECT_EQ(RandomDrawsSinceMark(), 142);

  StepShots();
  EXPECT_EQ(ListCount(*sparkList), 0);
  enemy->x = shot->x + 26;  // 30 further along its heading
  enemy->y = shot->y + 15;
  StepShots();  // a hit: 16 sparks of kind 4
  EXPECT_EQ(ListCount(*sparkList), 16);
  ForEachInList(*sparkList, [](const Ref<TSpark>& s) {
    EXPECT_TRUE(s->kind == 4 && s->speed >= 3 && s->speed <= 8);
  });
  EXPECT_EQ(RandomDrawsSinceMark(), 142 + 32);
}

class Otros : public ShipTypeFixture {};

TEST_F(Otros, SidePlatesRideBesideTheShipAndAreRebuiltFadingIn) {
  Ref<TShip> ship = PlaceShip(1, SHIP_OTROS, 500, 500, 300, 1);
  PlaceShip(2, SHIP_OTROS, 900, 900, 0, 2);
  Seed(230);
  StepShips();  // each starts with its pair, without trigger or energy
  EXPECT_EQ(ShotsOf(SHIP_OTROS, 2).size(), 4u);
  EXPECT_EQ(ship->energy, 40.0f);
  StepShots();
  std::vector<Ref<TShot>> plates = ShotsOf(SHIP_OTROS, 2);
  // 21 to the left and to the right of a ship at 300 degrees, 5 ahead.
  EXPECT_NEAR(plates[0]->x, 485.16986f, 1e-4);
  EXPECT_NEAR(plates[0]->y, 515.68652f, 1e-4);
  EXPECT_NEAR(plates[1]->x, 506.16986f, 1e-4);
  EXPECT_NEAR(plates[1]->y, 479.31348f, 1e-4);
  EXPECT_EQ((I{plates[0]->imageIndex, plates[1]->imageIndex}), (I{1, 2}));
  EXPECT_EQ(State(ship), (V{0, 1, 1, 1, 0, 0}));
  StepShips();
  EXPECT_EQ(State(ship), (V{0, 1, 0, 0, 0, 0}));  // set again by the plates

  // A rebuild replaces every plate of the type, the other slot's too.
  Hold(1, INPUT_FIRE_SECONDARY);
  StepShips();
  ReleaseAll();
  plates = ShotsOf(SHIP_OTROS, 2);
  ASSERT_EQ(plates.size(), 8u);
  for (size_t k = 0; k < 8; ++k) EXPECT_EQ(plates[k]->dead, k < 6 ? 1 : 0) << k;
  EXPECT_EQ((V{plates[6]->fade, plates[7]->fade, slotShipValue[1][GROUP_SECONDARY][WEAPON_FADE]}),
            (V{0.9f, 0.9f, 0}));
  EXPECT_EQ(RandomDrawsSinceMark(), 16);
  StepShots();
  EXPECT_EQ(ShotsOf(SHIP_OTROS, 2).size(), 2u);
  EXPECT_FLOAT_EQ(ship->specialState[4], 90.0f);
  for (int32_t frame = 2; frame <= 17; ++frame) StepShots();
  EXPECT_GT(plates[7]->fade, 0.0f);
  StepShots();
  StepShots();
  EXPECT_LE(plates[7]->fade, 0.0f);  // faded in over 18 frames, and no further
  EXPECT_GT(plates[7]->fade, -1e-6f);
  RemoveShip(ship);
  StepShots();
  EXPECT_TRUE(ShotsOf(SHIP_OTROS, 2).empty());  // gone with their ship
}

class Temper : public ShipTypeFixture {};

TEST_F(Temper, GrowthRaisesTheEnergyCapAtTheCostOfTwoArmour) {
  Ref<TShip> ship = PlaceShip(1, SHIP_TEMPER, 300, 300, 0);
  float& maxEnergy = slotShipValue[1][GROUP_HULL][HULL_MAX_ENERGY];
  Seed(26);
  Hold(1, INPUT_FIRE_SECONDARY);
  StepShips();
  ReleaseAll();
  EXPECT_EQ((V{maxEnergy, ship->energy}), (V{8, 8}));
  EXPECT_EQ(State(ship), (V{0, 1, 1.2f, 2, 0, 0}));
  EXPECT_EQ(damageQueue[1][SPECIAL_ATTACKER][1][QUEUE_SPECIAL_NEXT], 2.0f);
  for (int32_t k = 0; k < 2; ++k) StepFrame();
  EXPECT_EQ(ship->armour, 10.0f);
  EXPECT_EQ(matchStats[SPECIAL_ATTACKER][1][DAMAGE_TYPE_SPECIAL], 2.0f);
  // The body grows over 21 frames (the steps of 0.2 fall just short of 5
  // on the 20th), then rests on frame 2.
  I bodyFrames;
  for (int32_t step = 4; step <= 22; ++step) {
    StepShips();
    bodyFrames.push_back(ship->bodyFrame);
  }
  EXPECT_EQ(bodyFrames, (I{2, 2, 2, 2, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 5, 5, 5, 5, 2}));
  // Primary shots count down; the armour mends 1 every 300 frames.
  Hold(1, INPUT_FIRE_PRIMARY);
  StepShips();
  ReleaseAll();
  EXPECT_EQ(State(ship), (V{0, 0, 1, 1, 20, 0}));
  for (int32_t count = 20; count < 299; ++count) StepShips();
  EXPECT_EQ(ship->armour, 10.0f);
  StepShips();
  EXPECT_EQ((V{ship->armour, ship->specialState[4]}), (V{11, 0}));

  // No growth with armour 2, nor beyond an energy cap of 100.
  for (const auto& [armour, cap] : {std::pair<float, float>{2, 8}, {11, 98}, {11, 100}}) {
    ship->armour = armour;
    maxEnergy = cap;
    ship->energy = 6;
    ship->rechargeTimer = 0;
    ship->reloadCounters[2] = 10000;
    Hold(1, INPUT_FIRE_SECONDARY);
    StepShips();
    EXPECT_EQ((V{maxEnergy, ship->energy}), (cap == 98 ? V{100, 100} : V{cap, 0}))
        << armour << " " << cap;
  }
  EXPECT_EQ(damageQueue[1][SPECIAL_ATTACKER][1][QUEUE_SPECIAL_NEXT], 2.0f);
  EXPECT_EQ(RandomDrawsSinceMark(), 2);
}

class Kabata : public ShipTypeFixture {};

TEST_F(Kabata, RematerializeCyclesTheResistancePresets) {
  Ref<TShip> ship = PlaceShip(1, SHIP_KABATA, 300, 300, 0);
  const auto resistances = [] {
    return Values(1, GROUP_HULL,
                  {HULL_CANNON_RESISTANCE, HULL_BEAM_RESISTANCE, HULL_MISSILE_RESISTANCE});
  };
  Seed(270);
  StepShips();
  EXPECT_EQ(State(ship), (V{0, 0, 15, 0, 0, 1}));
  EXPECT_EQ(resistances(), (V{0.5f, -0.25f, -0.25f}));  // the catalogue's, mode 0's
  const V presets[] = {{-0.25f, 0.5f, -0.25f}, {-0.25f, -0.25f, 0.5f}, {0.5f, -0.25f, -0.25f}};
  for (int32_t mode = 1; mode <= 3; ++mode) {
    ship->reloadCounters[2] = 10000;
    Hold(1, INPUT_FIRE_SECONDARY);
    StepShips();
    ReleaseAll();
    EXPECT_EQ(State(ship), (V{0, static_cast<float>(mode % 3), 1, 0, 0, 1}));
    EXPECT_EQ(resistances(), presets[mode - 1]);
  }
  for (int32_t frame = 2; frame <= 16; ++frame) StepShips();
  EXPECT_EQ(ship->specialState[2], 15.0f);
  EXPECT_EQ(RandomDrawsSinceMark(), 0);
}

TEST_F(Kabata, ChaosOrbWeakensTheShipItStrikes) {
  PlaceShip(1, SHIP_KABATA, 100, 100, 0, 1);
  PlaceShip(2, SHIP_SPETH, 600, 300, 0, 2);
  const auto weakened = [] {
    V v = Values(2, GROUP_HULL,
                 {HULL_MAX_SPEED, HULL_ACCELERATION, HULL_TURN_RATE, HULL_RECHARGE_TIME});
    for (int32_t group : {GROUP_PRIMARY, GROUP_SECONDARY})
      for (float w : Values(2, group, {WEAPON_DAMAGE, WEAPON_RELOAD_TIME})) v.push_back(w);
    return v;
  };
  const V before = weakened();
  Seed(271);
  // The spin in free flight: pictures 1, 2, 2, 2, 2, 3, 3, 3, then 1 again.
  Ref<TShot> free = PlaceShot(1, 1, 300, 900, 90);
  I pictures;
  for (int32_t frame = 1; frame <= 9; ++frame) {
    StepShots();
    pictures.push_back(free->imageIndex);
  }
  EXPECT_EQ(pictures, (I{1, 2, 2, 2, 2, 3, 3, 3, 1}));
  ListRemoveValue(*shotList, free);

  for (int32_t strike = 1; strike <= 2; ++strike) {
    Ref<TShot> orb = PlaceShot(1, 1, 540, 300, 90);
    StepShots();
    EXPECT_FALSE(InList(orb));
    EXPECT_EQ(Queued(2, 1, QUEUE_SPECIAL_NEXT), 8.0f * strike);
    EXPECT_EQ((V{static_cast<float>(currentExplosion->explosionType), currentExplosion->size}),
              (V{26, 100}));
  }
  const V factors = {0.7744f, 0.7744f, 0.7744f, 1.2544f, 0.7744f, 1.2544f, 0.7744f, 1.2544f};
  const V after = weakened();
  for (size_t k = 0; k < factors.size(); ++k)
    EXPECT_FLOAT_EQ(after[k], before[k] * factors[k]) << k;

  // A destructible shot takes the orb's special damage whole.
  PlaceShip(3, SHIP_COBOTH, 900, 900, 0, 3);
  Ref<TShot> shield = PlaceShot(3, 2, 700, 700, 0);
  shield->hasKindCode = 0;
  PlaceShot(1, 1, 650, 700, 90);
  StepShots();
  EXPECT_EQ((V{shield->hitPoints, currentExplosion->size}), (V{12, 0}));
  EXPECT_EQ(RandomDrawsSinceMark(), 0);
}

class Fith : public ShipTypeFixture {};

TEST_F(Fith, FlusherBombDrainsAllEnergy) {
  PlaceShip(1, SHIP_FITH, 100, 100, 0, 1);
  Ref<TShip> target = PlaceShip(2, SHIP_SPETH, 600, 300, 0, 2);
  PlaceShip(3, SHIP_COBOTH, 900, 900, 0, 3);
  Ref<TShot> shield = PlaceShot(3, 2, 700, 700, 0);
  shield->hasKindCode = 0;
  Seed(28);
  PlaceShot(1, 2, 560, 300, 90)->dead = 1;  // a dead bomb touches nothing
  StepShots();
  EXPECT_EQ(target->energy, 40.0f);
  Ref<TShot> bomb = PlaceShot(1, 2, 560, 300, 90);
  Ref<TShot> other = PlaceShot(1, 2, 660, 700, 90);
  StepShots();
  EXPECT_EQ((V{target->energy, Queued(2, 1, QUEUE_SPECIAL_NEXT), shield->hitPoints}),
            (V{0, 2, 18}));
  EXPECT_FALSE(InList(bomb) || InList(other));
  EXPECT_EQ(SoundsPlayed(), (I{ExplosionSound(2), ExplosionSound(2)}));
  EXPECT_EQ(RandomDrawsSinceMark(), 0);
}

// Computer matches of four slots whose fleets hold the types 17 to 28 with
// code of their own, looked at after every frame and played back.
TEST(Types17To28Matches, ComputerMatchesStayFiniteInTheArenaAndInStep) {
  TestFolder folder("qw2_types17_");
  const int32_t types[] = {SHIP_IWOR,  SHIP_ARUBAWI, SHIP_PAX,    SHIP_TKHARZER, SHIP_ITHUS,
                           SHIP_SJUOG, SHIP_OTROS,   SHIP_TEMPER, SHIP_KABATA,   SHIP_FITH};
  std::set<int32_t> flown;
  for (int32_t match = 0; match < 12; ++match) {
    harness::MatchSetup setup;
    setup.seed = 1700 + 97 * match;
    setup.maxFrames = 4000;
    for (int32_t s = 1; s <= 4; ++s) {
      setup.slots[s].control = CONTROL_COMPUTER;
      setup.slots[s].team = match % 3 == 0 ? (s + 1) / 2 : s;
      for (int32_t k = 0; k < 3; ++k)
        setup.slots[s].fleet.push_back(types[(match + 3 * s + 7 * k) % 10]);
    }
    std::string fault;
    int32_t faultFrame = 0, frames = 0, mostShots = 0, mostEffects = 0;
    harness::MatchRecord record = harness::RecordMatch(setup, [&] {
      ++frames;
      mostShots = std::max(mostShots, ListCount(*shotList));
      mostEffects = std::max(mostEffects, ListCount(*debrisList) + ListCount(*sparkList) +
                                              ListCount(*explosionList) + ListCount(*warpInList));
      ForEachInList(*shipList, [&](const Ref<TShip>& s) { flown.insert(s->shipType); });
      if (fault.empty() && !(fault = longrun::MatchFault()).empty()) faultFrame = frames;
    });
    EXPECT_EQ(fault, "") << setup.seed << " at frame " << faultFrame;
    EXPECT_LT(mostShots, 600) << setup.seed;
    EXPECT_LT(mostEffects, 2000) << setup.seed;
    harness::WriteFileBytes(u"match.tmp", record.data);
    const harness::PlaybackResult played = harness::PlayBackFile(u"match.tmp", record.lastFrame);
    ASSERT_TRUE(played.started) << setup.seed;
    EXPECT_EQ(played.frames, record.frames) << setup.seed;
    EXPECT_EQ(played.mismatches, 0) << setup.seed;
  }
  for (int32_t t : types) EXPECT_EQ(flown.count(t), 1u) << t;
}

}  // namespace
