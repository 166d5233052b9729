// The own code of ship types 5 to 16 (15, the Speth, has none).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/computer_long_run.hpp"
#include "tests/ship_type_fixture.hpp"

namespace {

class Types5To16 : public shiptypes::ShipTypeFixture {
 protected:
  // The sparks are n, each drawn from 'state' as a heading 1-360, then a
  // speed lo-hi, after 'skip' unused reals; thrown at (x, y).
  static void ExpectSparks(int32_t state, int32_t n, int32_t lo, int32_t hi, int32_t skip,
                           int32_t kind, float x, float y) {
    const std::vector<Ref<TSpark>> sparks = All(*sparkList);
    ASSERT_EQ(sparks.size(), static_cast<size_t>(n));
    const int32_t now = GetRandomSeed();
    SetRandomSeed(state);
    for (const Ref<TSpark>& spark : sparks) {
      for (int32_t k = 0; k < skip; ++k) (void)RandomRealInRange(360, 0);
      EXPECT_EQ(spark->heading, static_cast<float>(RandomIntInRange(360, 1)));
      EXPECT_EQ(spark->speed, static_cast<float>(RandomIntInRange(lo, hi)));
      EXPECT_EQ(spark->kind, kind);
      EXPECT_EQ(spark->x, x);
      EXPECT_EQ(spark->y, y);
    }
    SetRandomSeed(now);
  }
};

TEST_F(Types5To16, NalenBombBurstsOnStep40IntoFragmentsDyingOnTheir50th) {
  PlaceShip(1, SHIP_NALEN, 100, 900, 0);
  Ref<TShot> bomb = PlaceShot(1, 2, 400, 300, 90);
  Seed(55);
  for (int32_t i = 1; i <= 39; ++i) StepShots();
  EXPECT_TRUE(InList(bomb));
  StepShots();
  std::vector<Ref<TShot>> fragments = ShotsOf(SHIP_NALEN, 2);
  ASSERT_EQ(fragments.size(), 20u);
  for (int32_t i = 1; i <= 20; ++i) {
    const TShot& f = *fragments[i - 1];
    EXPECT_EQ(f.heading, 18.0f * i);
    EXPECT_EQ(f.x, bomb->x);
    EXPECT_EQ(f.speed, 10.0f);
    EXPECT_EQ(f.damage, 1.5f);
    EXPECT_EQ(f.damageType + f.hitExplosion + f.imageIndex + f.team + f.memberIndex,
              1 + 5 + 2 + 1 + 1);
    EXPECT_EQ(f.radius, 4.0f);
    EXPECT_EQ(f.kindState[1], 0.0f);  // the bomb was last: stepped from the next frame
  }
  StepShots();
  EXPECT_EQ(fragments[4]->heading, 87.0f);
  EXPECT_EQ(fragments[4]->speed, 9.8f);
  EXPECT_NEAR(fragments[4]->x, bomb->x + 10.0f, 1e-4);
  for (int32_t i = 2; i <= 49; ++i) StepShots();
  EXPECT_EQ(Shots().size(), 20u);
  StepShots();
  EXPECT_TRUE(Shots().empty());
  EXPECT_EQ(RandomDrawsSinceMark(), 0);
}

TEST_F(Types5To16, DarberBombEatsAThirdOfTheFirstShipOrDestructibleShotItTouches) {
  PlaceShip(1, SHIP_DARBER, 100, 900, 0, 1);
  PlaceShip(2, SHIP_SPETH, 500, 300, 0, 2)->armour = 30;
  PlaceShip(3, SHIP_COBOTH, 500, 300, 0, 3);
  Ref<TShot> shield = PlaceShot(3, 2, 600, 700, 0);
  shield->hasKindCode = 0;  // stays where it is put
  PlaceShot(1, 2, 480, 300, 90);
  PlaceShot(1, 2, 590, 700, 90);
  Seed(66);
  StepShots();
  EXPECT_TRUE(ShotsOf(SHIP_DARBER, 2).empty());
  // 1, then 0.33 of 30 with 0.33 the nearest 32-bit real, summed in double.
  EXPECT_EQ(Queued(2, 1, QUEUE_SPECIAL_NEXT), 10.9000006f);
  EXPECT_EQ(Queued(3, 1, QUEUE_SPECIAL_NEXT), 0.0f);  // a single hit
  EXPECT_EQ(shield->hitPoints, static_cast<float>(19.0 - static_cast<double>(0.33f) * 19.0));
  const std::vector<Ref<TExplosion>> explosions = All(*explosionList);
  ASSERT_EQ(explosions.size(), 2u);
  EXPECT_EQ(explosions[0]->heading, 90.0f);  // the ship hit's
  EXPECT_EQ(explosions[1]->heading, 0.0f);
  EXPECT_EQ(explosions[1]->explosionType, 6);
  EXPECT_EQ(SoundsPlayed(), std::vector<int32_t>(2, ExplosionSound(6)));
  EXPECT_EQ(RandomDrawsSinceMark(), 4);  // two trails
}

TEST_F(Types5To16, AvraxRepairsOnlyADamagedHull) {
  Ref<TShip> ship = PlaceShip(1, SHIP_AVRAX, 640, 512, 0);
  Hold(1, INPUT_FIRE_SECONDARY);
  StepShips();
  EXPECT_EQ(ship->energy, 80.0f);  // full: no repair, nothing spent
  ship->armour = 78;
  StepShips();
  EXPECT_EQ(ship->armour, 80.0f);  // 3, up to the maximum
  EXPECT_EQ(ship->energy, 72.0f);
  EXPECT_EQ(SoundsPlayed(), std::vector<int32_t>{WeaponSound(SHIP_AVRAX, 2)});
  for (int32_t frame = 2; frame <= 23; ++frame) StepShips();
  EXPECT_EQ(ship->specialState[1], 23.0f);
  EXPECT_EQ(ship->specialState[2], 1.0f);
  StepShips();
  EXPECT_EQ(ship->specialState[1], 1.0f);
  EXPECT_EQ(ship->specialState[2], 0.0f);
  EXPECT_EQ(RandomDrawsSinceMark(), 0);
}

TEST_F(Types5To16, AvraxBeamCrossesInOneFrameLeavingTracesThatFadeIn19Steps) {
  PlaceShip(1, SHIP_AVRAX, 100, 900, 0, 1);
  PlaceShip(2, SHIP_SPETH, 400, 512, 0, 2);
  Ref<TShot> head = PlaceShot(1, 1, 100, 512, 90);
  Seed(70);
  StepShots();
  // Steps of 30: the tenth, at 370, meets the enemy (within (61 + 8) / 1.5).
  EXPECT_FALSE(InList(head));
  EXPECT_EQ(Queued(2, 1, DAMAGE_TYPE_CANNON + QUEUE_NEXT_FRAME), 10.0f);
  EXPECT_EQ(All(*explosionList).at(0)->x, 370.0f);
  std::vector<Ref<TShot>> traces = ShotsOf(SHIP_AVRAX, 1);
  ASSERT_EQ(traces.size(), 9u);
  for (int32_t k = 0; k < 9; ++k) {
    const TShot& t = *traces[k];
    EXPECT_EQ(t.x, 100.0f + 30 * k);
    EXPECT_EQ(t.team, 0);
    EXPECT_EQ(t.damageType, DAMAGE_TYPE_NONE);
    EXPECT_EQ(t.piercing + t.stationary + t.noShipHits + t.hasKindCode + t.keepOnClear, 5);
  }
  for (int32_t i = 1; i <= 18; ++i) StepShots();
  EXPECT_EQ(ShotsOf(SHIP_AVRAX, 1).size(), 9u);
  StepShots();  // 0.95 reached in single precision
  EXPECT_TRUE(Shots().empty());

  // From a corner along the diagonal it is still inside after 1500 pixels:
  // it goes on in the next frame, and is out of the box at its 56th step.
  head = PlaceShot(1, 1, -60, -60, 135);
  StepShots();
  EXPECT_TRUE(InList(head));
  traces = ShotsOf(SHIP_AVRAX, 1);
  ASSERT_EQ(traces.size(), 51u);
  EXPECT_NEAR(traces[50]->x, 979.44678f, 1e-3);  // the 50th trace: 49 steps right and down
  EXPECT_NEAR(traces[50]->y, 979.44678f, 1e-3);
  StepShots();
  EXPECT_FALSE(InList(head));
  EXPECT_EQ(ShotsOf(SHIP_AVRAX, 1).size(), 55u);
  EXPECT_EQ(RandomDrawsSinceMark(), 0);
}

TEST_F(Types5To16, FaserBubbleTurnsEveryFourthFrameAndAgesInThreeLooks) {
  PlaceShip(1, SHIP_FASER, 100, 900, 0);
  Ref<TShot> bubble = PlaceShot(1, 2, 640, 512, 30);
  Seed(88);
  const int32_t turn = RandomIntInRange(360, 1);
  Seed(88);
  for (int32_t i = 1; i <= 3; ++i) StepShots();
  EXPECT_EQ(bubble->heading, 30.0f);
  StepShots();
  EXPECT_EQ(bubble->heading, static_cast<float>(turn));
  for (int32_t i = 5; i <= 199; ++i) StepShots();
  EXPECT_EQ(bubble->imageIndex, 1);
  StepShots();
  EXPECT_EQ(bubble->imageIndex, 2);
  for (int32_t i = 201; i <= 598; ++i) StepShots();
  EXPECT_EQ(bubble->imageIndex, 3);
  EXPECT_TRUE(InList(bubble));
  StepShots();
  EXPECT_FALSE(InList(bubble));
  EXPECT_EQ(RandomDrawsSinceMark(), 149);
}

TEST_F(Types5To16, QoulShieldSwellsAroundItsShipIn85Frames) {
  Ref<TShip> ship = PlaceShip(1, SHIP_QOUL, 300, 300, 0);
  Hold(1, INPUT_FIRE_SECONDARY);
  Seed(9);
  StepShips();
  ReleaseAll();
  Ref<TShot> shield = ShotsOf(SHIP_QOUL, 2).at(0);
  StepShots();
  EXPECT_EQ(shield->radius, 22.4f);  // 16 % of 140
  EXPECT_EQ(ship->specialState[0], 1.0f);
  EXPECT_EQ(ship->specialState[4], 16.0f);
  ship->velocityX = 2;
  for (int32_t frame = 2; frame <= 84; ++frame) StepFrame();
  EXPECT_EQ(shield->x, 300.0f + 2 * 83);  // it rides with the ship
  StepShips();
  EXPECT_EQ(ship->specialState[0], 0.0f);
  StepShots();
  EXPECT_EQ(shield->radius, 140.0f);
  EXPECT_FALSE(InList(shield));
  EXPECT_EQ(RandomDrawsSinceMark(), 2);
}

TEST_F(Types5To16, FedzieKeepsSixMinesOfItsOwnAndClotsSpitSparks) {
  Ref<TShip> fedzie = PlaceShip(1, SHIP_FEDZIE, 640, 512, 0);
  PlaceShip(2, SHIP_FEDZIE, 640, 200, 0);
  std::vector<Ref<TShot>> mines;
  for (int32_t k = 0; k < 7; ++k) mines.push_back(PlaceShot(1, 2, 100.0f + 40 * k, 800, 0));
  Ref<TShot> other = PlaceShot(2, 2, 100, 100, 0);
  Seed(10);
  StepFrame();
  EXPECT_EQ(mines[6]->kindState[1], 7.0f);
  EXPECT_EQ(other->kindState[1], 1.0f);  // numbered by its own ship only
  EXPECT_FALSE(InList(mines[0]));
  // Two laid at once: the oldest goes at once, the next one frame on.
  Hold(1, INPUT_FIRE_SECONDARY);
  StepFrame();
  ReleaseAll();
  EXPECT_EQ(fedzie->specialState[1], 9.0f);
  EXPECT_FALSE(InList(mines[1]));
  StepFrame();
  EXPECT_FALSE(InList(mines[2]));
  EXPECT_EQ(ShotsOf(SHIP_FEDZIE, 2).size(), 7u);
  EXPECT_EQ(RandomDrawsSinceMark(), 4);

  Ref<TShot> clot = PlaceShot(1, 1, 640, 215, 90);
  clot->speed = 0;
  const int32_t state = GetRandomSeed();
  StepShots();
  ExpectSparks(state, 2, 2, 5, 0, 5, 640, 215);
  EXPECT_EQ(RandomDrawsSinceMark(), 4 + 4);
}

TEST_F(Types5To16, BridewTroopBoardsSilentlyAndIsLostOnAnEnemyShotOrAt500) {
  PlaceShip(1, SHIP_BRIDEW, 100, 900, 0, 1);
  PlaceShip(2, SHIP_SPETH, 640, 512, 0, 2);
  PlaceShip(3, SHIP_COBOTH, 900, 900, 0, 3);
  Ref<TShot> shield = PlaceShot(3, 2, 300, 300, 0);
  shield->hasKindCode = 0;
  PlaceShot(1, 2, 640, 560, 0);
  PlaceShot(1, 2, 300, 310, 0);
  Ref<TShot> late = PlaceShot(1, 2, 100, 100, 0);
  EXPECT_EQ(late->lifetime, 375);  // its lifetime comes first; without it:
  late->lifetime = 0;
  late->kindState[5] = 499;
  Seed(11);
  StepShots();
  EXPECT_TRUE(ShotsOf(SHIP_BRIDEW, 2).empty());
  EXPECT_EQ(Queued(2, 1, QUEUE_SPECIAL_NEXT), 5.0f);
  EXPECT_EQ(shield->hitPoints, 20.0f);
  const std::vector<Ref<TExplosion>> explosions = All(*explosionList);
  ASSERT_EQ(explosions.size(), 2u);  // none for the boarding
  EXPECT_EQ(explosions[0]->explosionType, 17);
  EXPECT_EQ(SoundsPlayed(), (std::vector<int32_t>{ExtraSound(SHIP_BRIDEW, 1), ExplosionSound(17),
                                                  ExplosionSound(17)}));
  EXPECT_EQ(RandomDrawsSinceMark(), 6);  // three trails
}

TEST_F(Types5To16, ErebosAlternatesItsBeamsAndItsSpinnerCirclesFor500Frames) {
  Ref<TShip> ship = PlaceShip(1, SHIP_EREBOS, 500, 500, 30, 1);
  Ref<TShip> enemy = PlaceShip(2, SHIP_SPETH, 551.96155f, 530, 0, 2);  // 60 to the right
  Hold(1, INPUT_FIRE_PRIMARY);
  Hold(1, INPUT_FIRE_SECONDARY);
  Seed(121);
  StepShips();
  ReleaseAll();
  // Muzzle (24, -2): 24 to the right, 2 ahead.
  EXPECT_NEAR(ShotsOf(SHIP_EREBOS, 1).at(0)->x, 521.78461f, 1e-4);
  EXPECT_NEAR(ShotsOf(SHIP_EREBOS, 1).at(0)->y, 510.26794f, 1e-4);
  EXPECT_EQ(slotShipPoint[1][GROUP_PRIMARY][1][MUZZLE_X], -24.0f);
  EXPECT_EQ(slotShipPoint[1][GROUP_PRIMARY][1][MUZZLE_ANGLE], 2.0f);
  Ref<TShot> spinner = ShotsOf(SHIP_EREBOS, 2).at(0);
  ListRemoveValue(*shotList, ShotsOf(SHIP_EREBOS, 1).at(0));
  StepShots();  // 32 to the right of its heading, which then turns by 8
  EXPECT_NEAR(spinner->x, 527.71283f, 1e-4);
  EXPECT_NEAR(spinner->y, 516.0f, 1e-4);
  EXPECT_EQ(ship->specialState[3], 38.0f);
  EXPECT_EQ(ship->specialState[1], spinner->x);
  EXPECT_TRUE(All(*sparkList).empty());
  const int32_t state = GetRandomSeed();
  StepShots();  // it strikes: one spark where it is put
  EXPECT_EQ(Queued(2, 1, DAMAGE_TYPE_BEAM + QUEUE_NEXT_FRAME), 0.266f);
  ExpectSparks(state, 1, 1, 4, 0, 4, spinner->x, spinner->y);
  RemoveShip(enemy);
  for (int32_t frame = 3; frame <= 499; ++frame) StepFrame();
  EXPECT_TRUE(InList(spinner));
  StepFrame();
  EXPECT_FALSE(InList(spinner));
  EXPECT_EQ(RandomDrawsSinceMark(), 4 + 2);
}

TEST_F(Types5To16, GratesSphereIsAsLargeAndStrongAsItsSinglePrecisionCharge) {
  Ref<TShip> ship = PlaceShip(1, SHIP_GRATES, 640, 512, 0);
  Hold(1, INPUT_FIRE_SECONDARY);
  Seed(13);
  StepShips();
  Ref<TShot> sphere = ShotsOf(SHIP_GRATES, 2).back();
  EXPECT_EQ(sphere->heading, -180.0f);
  EXPECT_EQ(sphere->sizePercent, 20.1f);
  EXPECT_EQ(sphere->radius, 3.618f);
  EXPECT_EQ(sphere->damage, 2.0f);
  EXPECT_EQ(ship->specialState[1], 20.0f);
  for (const int32_t charge : {800, 801}) {
    ReleaseAll();
    for (int32_t frame = 1; frame < charge; ++frame) StepShips();
    Hold(1, INPUT_FIRE_SECONDARY);
    StepShips();
    sphere = ShotsOf(SHIP_GRATES, 2).back();
    EXPECT_EQ(sphere->sizePercent, charge == 800 ? 99.99900817871094f : 100.0f);
    EXPECT_EQ(sphere->damage, charge == 800 ? 9.0f : 10.0f);
  }
  EXPECT_EQ(sphere->radius, 18.0f);
  EXPECT_EQ(RandomDrawsSinceMark(), 6);
}

TEST_F(Types5To16, ScalusRoarStrikesEveryEnemyInReachOnceWithHeadingZero) {
  Ref<TShip> ship = PlaceShip(1, SHIP_SCALUS, 640, 512, 45, 1);
  PlaceShip(2, SHIP_SPETH, 640, 512 + 240, 0, 2);  // contact within (300 + 61) / 1.5
  PlaceShip(3, SHIP_SPETH, 640 - 242, 512, 0, 3);
  Hold(1, INPUT_FIRE_SECONDARY);
  Seed(14);
  StepShips();
  ReleaseAll();
  Ref<TShot> roar = ShotsOf(SHIP_SCALUS, 2).at(0);
  EXPECT_EQ(roar->heading, 0.0f);
  EXPECT_EQ(ship->specialState[2], 40.0f);
  StepShots();
  EXPECT_FALSE(InList(roar));
  EXPECT_EQ(Queued(2, 1, QUEUE_SPECIAL_NEXT), 10.0f);
  EXPECT_EQ(Queued(3, 1, QUEUE_SPECIAL_NEXT), 0.0f);
  for (int32_t frame = 2; frame <= 6; ++frame) StepShips();
  EXPECT_EQ(ship->specialState[1], 1.0f);
  StepShips();  // 100 after seven frames
  EXPECT_EQ(ship->specialState[1], 0.0f);
  EXPECT_EQ(ship->specialState[2], 30.0f);
  EXPECT_EQ(RandomDrawsSinceMark(), 2);
}

TEST_F(Types5To16, KalgonThornStaysOutAheadUntilItStrikes) {
  Ref<TShip> ship = PlaceShip(1, SHIP_KALGON, 640, 512, 90, 1);
  Hold(1, INPUT_FIRE_SECONDARY);
  Seed(16);
  StepShips();
  Ref<TShot> thorn = ShotsOf(SHIP_KALGON, 2).at(0);
  EXPECT_EQ(ship->bodyFrame, 2);
  EXPECT_EQ(ship->energy, 4.0f);
  ship->energy = 20;
  for (int32_t frame = 2; frame <= 300; ++frame) StepFrame();
  EXPECT_EQ(ShotsOf(SHIP_KALGON, 2).size(), 1u);  // no second thorn while it is out
  EXPECT_EQ(ship->reloadCounters[2], 0);
  ship->heading = 210;
  StepShots();
  EXPECT_NEAR(thorn->x, 633.0f, 1e-4);  // 14 ahead of the ship
  EXPECT_NEAR(thorn->y, 524.12433f, 1e-4);
  PlaceShip(2, SHIP_SPETH, 616, 553.5692f, 0, 2);  // 48 ahead
  ClearSounds();
  const int32_t state = GetRandomSeed();
  StepShots();
  EXPECT_FALSE(InList(thorn));
  EXPECT_EQ(Queued(2, 1, QUEUE_SPECIAL_NEXT), 5.0f);
  EXPECT_EQ(ship->specialState[1], 0.0f);
  EXPECT_EQ(ship->bodyFrame, 1);
  EXPECT_EQ(SoundsPlayed(), std::vector<int32_t>{ExplosionSound(23)});
  ExpectSparks(state, 16, 1, 4, 1, 4, thorn->x, thorn->y);
  EXPECT_EQ(RandomDrawsSinceMark(), 2 + 48);
  // A thorn whose ship is gone ends in the same pass.
  thorn = PlaceShot(1, 2, 200, 200, 0);
  RemoveShip(ship);
  StepShots();
  EXPECT_FALSE(InList(thorn));
}

// A dozen computer matches of four slots with fleets of the types 5 to 16.
TEST_F(Types5To16, ComputerMatchesStayFiniteInTheArenaWithABoundedShotList) {
  for (int32_t match = 0; match < 12; ++match) {
    harness::MatchSetup setup;
    setup.seed = 5161 + 977 * match;
    setup.maxFrames = 3000;
    for (int32_t s = 1; s <= 4; ++s) {
      setup.slots[s] = {CONTROL_COMPUTER, s, {}};
      for (int32_t k = 0; k < 3; ++k)
        setup.slots[s].fleet.push_back(SHIP_NALEN + (match + s + 4 * k) % 12);
    }
    int32_t frames = 0, mostShots = 0;
    std::string fault;
    harness::RecordMatch(setup, [&] {
      ++frames;
      mostShots = std::max(mostShots, ListCount(*shotList));
      if (fault.empty()) fault = longrun::MatchFault(2000);
    });
    EXPECT_EQ(fault, "") << match;
    EXPECT_LT(mostShots, 2000) << match;
    EXPECT_GT(frames, 500) << match;
  }
}

}  // namespace
