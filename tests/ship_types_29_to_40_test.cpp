// The own code of ship types 29 to 40: Serger, Sheval, Hepron, Urnox, Treek,
// Anatos, Jerboafa, Adapa, Xiapas and Birken.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "match/collision.hpp"
#include "platform/headless.hpp"
#include "tests/ship_type_fixture.hpp"

namespace {

using shiptypes::ShipTypeFixture;

class Serger : public ShipTypeFixture {};

TEST_F(Serger, DroneWeavesAndFiresToFourSidesEvery50Frames) {
  PlaceShip(1, SHIP_SERGER, 100, 900, 0);
  Ref<TShot> drone = PlaceShot(1, 2, 640, 512, 0);
  drone->speed = 0;  // stays put: the volley leaves from (640, 512)
  Seed(29);
  for (int32_t frame = 1; frame <= 49; ++frame) StepShots();
  EXPECT_EQ(drone->heading, 98.0f);
  EXPECT_EQ(Shots().size(), 1u);
  EXPECT_TRUE(SoundsPlayed().empty());

  StepShots();  // frame 50: fired along the heading it had, then weaved on
  EXPECT_EQ(drone->heading, 100.0f);
  EXPECT_EQ(drone->kindState[1], 0.0f);
  std::vector<Ref<TShot>> volley = Shots();
  ASSERT_EQ(volley.size(), 5u);
  for (int32_t i = 1; i <= 4; ++i) {
    const TShot& shot = *volley[i];
    const float heading = 98.0f + 90.0f * (i - 1);
    const double a = heading * 0.017453292519943295;
    EXPECT_EQ(shot.heading, heading) << i;
    // 16 out and not moved yet: made while the last shot of the list stepped.
    EXPECT_NEAR(shot.x, 640 + 16 * std::sin(a), 1e-3) << i;
    EXPECT_NEAR(shot.y, 512 - 16 * std::cos(a), 1e-3) << i;
    EXPECT_EQ(shot.speed, 60.0f / 4.5f);
    EXPECT_EQ(shot.damage, 2.0f);
    EXPECT_EQ(shot.damageType, DAMAGE_TYPE_BEAM);
    EXPECT_EQ(shot.hitExplosion, 3);
    EXPECT_EQ(shot.weapon, 2);
    EXPECT_EQ(shot.imageIndex, 2);
    EXPECT_EQ(shot.radius, 6.0f);  // the 4 x 8 picture
    EXPECT_EQ(shot.team, 1);
    EXPECT_EQ(shot.slot, 1);
    EXPECT_EQ(shot.memberIndex, 1);
    EXPECT_EQ(shot.hasKindCode, 0);
    EXPECT_EQ(shot.shotKind, SHOT_KIND_PLAIN);
  }
  EXPECT_EQ(SoundsPlayed(), std::vector<int32_t>{ExtraSound(SHIP_SERGER, 1)});

  // The forward shot flies on and hits a ship with its beam damage.
  const double a = 98.0 * 0.017453292519943295;
  PlaceShip(2, SHIP_WENDE, static_cast<float>(640 + (16 + 60 / 4.5) * std::sin(a)),
            static_cast<float>(512 - (16 + 60 / 4.5) * std::cos(a)), 0);
  StepShots();
  EXPECT_EQ(Queued(2, 1, DAMAGE_TYPE_BEAM + QUEUE_NEXT_FRAME), 2.0f);
  EXPECT_FALSE(InList(volley[1]));

  // The swing: +2 to frame 89; at 90 the turn takes its first step back;
  // at 179 the swing back ends without a step forward.
  for (int32_t frame = 52; frame <= 90; ++frame) StepShots();
  EXPECT_EQ(drone->heading, 178.0f);
  EXPECT_EQ(drone->kindState[2], 1.0f);
  EXPECT_EQ(drone->kindState[3], 1.0f);
  EXPECT_EQ(SoundsPlayed().size(), 1u);
  for (int32_t frame = 91; frame <= 100; ++frame) StepShots();
  EXPECT_EQ(SoundsPlayed().size(), 2u);  // the second volley
  for (int32_t frame = 101; frame <= 179; ++frame) StepShots();
  EXPECT_EQ(drone->heading, 0.0f);
  EXPECT_EQ(drone->kindState[2], 0.0f);
  EXPECT_EQ(drone->kindState[3], 0.0f);
  StepShots();
  EXPECT_EQ(drone->heading, 2.0f);
  EXPECT_EQ(RandomDrawsSinceMark(), 0);
}

class Sheval : public ShipTypeFixture {};

TEST_F(Sheval, GreedyOrbHurtsByThePriceOver9SquaredAtLeast1) {
  PlaceShip(1, SHIP_SHEVAL, 100, 900, 0, 1);
  PlaceShip(4, SHIP_SHEVAL, 300, 300, 0, 1);  // a friend under the first orb: passed over
  PlaceShip(2, SHIP_WENDE, 300, 300, 0, 2);
  PlaceShip(3, SHIP_COBOTH, 700, 300, 0, 3);  // a Coboth, priced 27
  slotShipValue[2][GROUP_HULL][HULL_PRICE] = 5;
  Ref<TShot> shield = PlaceShot(3, 2, 1000, 600, 0);
  shield->hasKindCode = 0;  // stays where it is put
  std::vector<Ref<TShot>> orbs;
  for (float x : {300.0f, 700.0f, 1000.0f}) {
    orbs.push_back(PlaceShot(1, 2, x, x == 1000.0f ? 600.0f : 300.0f, 0));
    orbs.back()->speed = 0;
  }
  Seed(30);
  StepShots();
  EXPECT_EQ(Queued(2, 1, QUEUE_SPECIAL_NEXT), 1.0f);  // (5 / 9)^2 = 0.31
  EXPECT_EQ(Queued(3, 1, QUEUE_SPECIAL_NEXT), 9.0f);  // (27 / 9)^2
  EXPECT_EQ(Queued(4, 1, QUEUE_SPECIAL_NEXT), 0.0f);
  EXPECT_EQ(shield->hitPoints, 18.0f);
  for (const Ref<TShot>& orb : orbs) EXPECT_FALSE(InList(orb));
  EXPECT_EQ(ListCount(*explosionList), 3);
  EXPECT_EQ(All(*explosionList)[0]->explosionType, 14);
  EXPECT_EQ(SoundsPlayed(), std::vector<int32_t>(3, ExplosionSound(14)));
  EXPECT_EQ(RandomDrawsSinceMark(), 0);
}

class Hepron : public ShipTypeFixture {};

TEST_F(Hepron, BarrelsTakeTurnsAndTheDrillSpinsTheBodyFor100Frames) {
  Ref<TShip> ship = PlaceShip(1, SHIP_HEPRON, 400, 300, 0);
  ship->energy = 1000;
  Hold(1, INPUT_FIRE_PRIMARY);
  Seed(31);
  // The primary reloads in 80 ms: every 7th frame, from barrel 5 on.
  const float barrels[] = {5, 8, 11, 2, 5};
  for (int32_t shot = 0; shot < 5; ++shot) {
    for (int32_t frame = 0; frame < 7; ++frame) StepShips();
    std::vector<Ref<TShot>> shots = ShotsOf(SHIP_HEPRON, 1);
    ASSERT_EQ(shots.size(), static_cast<size_t>(shot + 1));
    EXPECT_NEAR(shots.back()->x, 400 + barrels[shot], 1e-3) << shot;
  }
  EXPECT_EQ(slotShipPoint[1][GROUP_PRIMARY][1][MUZZLE_X], 8.0f);
  EXPECT_EQ(RandomDrawsSinceMark(), 10);

  ReleaseAll();
  Hold(1, INPUT_FIRE_SECONDARY);
  const int32_t frames[] = {2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 2, 2};
  for (int32_t k = 0; k < 13; ++k) {
    StepShips();
    ReleaseAll();
    EXPECT_EQ(ship->bodyFrame, frames[k]) << k;
  }
  EXPECT_EQ(ship->specialState[2], 13.0f);
  for (int32_t k = 14; k <= 99; ++k) StepShips();
  EXPECT_EQ(ship->specialState[1], 1.0f);
  StepShips();
  EXPECT_EQ(ship->bodyFrame, 1);
  EXPECT_EQ(ship->specialState[1], 0.0f);
  EXPECT_EQ(ship->specialState[2], 0.0f);
  EXPECT_EQ(ship->specialState[3], 8.0f);
  EXPECT_EQ(RandomDrawsSinceMark(), 12);
}

TEST_F(Hepron, DrillRidesLeftOfTheNoseAndSparksWhereItBores) {
  Ref<TShip> ship = PlaceShip(1, SHIP_HEPRON, 500, 500, 30);
  Ref<TShot> drill = PlaceShot(1, 2, 20, 20, 0);
  Seed(131);
  StepShots();
  EXPECT_NEAR(drill->x, 498.20578f, 1e-4);  // 9 to the left of a ship at 30 degrees, 12 ahead
  EXPECT_NEAR(drill->y, 485.1077f, 1e-4);
  EXPECT_EQ(drill->keepOnClear, 1);
  EXPECT_EQ(drill->kindState[1], 1.0f);
  EXPECT_EQ(RandomDrawsSinceMark(), 0);

  PlaceShip(2, SHIP_WENDE, 498, 485, 0);
  StepShots();
  EXPECT_EQ(Queued(2, 1, QUEUE_SPECIAL_NEXT), 0.333f);
  std::vector<Ref<TSpark>> sparks = All(*sparkList);
  ASSERT_EQ(sparks.size(), 1u);
  EXPECT_EQ(sparks[0]->kind, 4);
  EXPECT_EQ(sparks[0]->x, drill->x);
  EXPECT_GE(sparks[0]->speed, 1.0f);
  EXPECT_LE(sparks[0]->speed, 4.0f);
  EXPECT_EQ(RandomDrawsSinceMark(), 3);  // an unused real, the heading, the speed

  // Ended after its 101st step.
  ReleaseAll();
  for (int32_t step = 3; step <= 100; ++step) StepShots();
  EXPECT_TRUE(InList(drill));
  StepShots();
  EXPECT_FALSE(InList(drill));
  // And at once when its ship is gone.
  Ref<TShot> next = PlaceShot(1, 2, 20, 20, 0);
  RemoveShip(ship);
  StepShots();
  EXPECT_FALSE(InList(next));
}

class Urnox : public ShipTypeFixture {};

TEST_F(Urnox, IndestructibleFor450FramesThrowingAwayThePlayersNextFrameDamage) {
  Ref<TShip> ship = PlaceShip(1, SHIP_URNOX, 640, 512, 0);
  const float armour = ship->armour;
  damageQueue[1][2][1][DAMAGE_TYPE_CANNON] = 5;  // this frame's hit, not yet taken
  Hold(1, INPUT_FIRE_SECONDARY);
  Seed(32);
  const float glow[] = {15,  30,  45,  60,  75,  90,  105, 120, 135,
                        150, 165, 180, 195, 210, 225, 240, 240, 225};
  for (int32_t frame = 1; frame <= 449; ++frame) {
    damageQueue[1][2][1][DAMAGE_TYPE_BEAM + QUEUE_NEXT_FRAME] = 7;  // thrown away
    if (frame == 1) damageQueue[1][SPECIAL_ATTACKER][1][QUEUE_SPECIAL_NEXT] = 3;
    StepFrame();
    ReleaseAll();
    if (frame <= 18) {
      EXPECT_EQ(ship->specialState[3], glow[frame - 1]) << frame;
    }
    if (frame == 33 || frame == 34) {
      EXPECT_EQ(ship->specialState[3], frame == 33 ? 0.0f : 15.0f);
    }
  }
  EXPECT_TRUE(ShotsOf(SHIP_URNOX, 2).empty());  // the trigger makes no shot
  EXPECT_EQ(ship->indestructible, 1);
  EXPECT_EQ(ship->armour, armour);
  EXPECT_EQ(ship->specialState[4], 449.0f);
  EXPECT_EQ(damageQueue[1][SPECIAL_ATTACKER][1][QUEUE_SPECIAL_NEXT], 3.0f);

  // Frame 450: over, and what was kept hits: the cannon through 10 %
  // resistance now, the special damage one frame later.
  damageQueue[1][2][1][DAMAGE_TYPE_BEAM + QUEUE_NEXT_FRAME] = 7;
  StepFrame();
  EXPECT_EQ(ship->indestructible, 0);
  for (int32_t k = 1; k <= 4; ++k) EXPECT_EQ(ship->specialState[k], 0.0f) << k;
  EXPECT_EQ(ship->armour, armour - 4.5f);
  StepFrame();
  EXPECT_EQ(ship->armour, armour - 7.5f);
  EXPECT_EQ(RandomDrawsSinceMark(), 0);
}

class Treek : public ShipTypeFixture {};

TEST_F(Treek, MaximCannonJoltsTheHeadingAndWrapsIt) {
  // The seed whose jolt (the draw after the shot's two) is the given one.
  const auto seedFor = [](int32_t jolt) {
    for (int32_t seed = 1;; ++seed) {
      SetRandomSeed(seed);
      RandomRealInRange(8, 0);
      RandomRealInRange(30, 0);
      if (RandomIntInRange(1, 16) == jolt) return seed;
    }
  };
  const struct {
    float heading;
    int32_t jolt;
    float after;
  } cases[] = {{355, 16, 3}, {2, 1, 355}, {352, 16, 360}, {7, 1, 0}};
  for (const auto& c : cases) {
    const int32_t seed = seedFor(c.jolt);
    harness::ResetMatchWorld();
    Ref<TShip> ship = PlaceShip(1, SHIP_TREEK, 640, 512, c.heading);
    Hold(1, INPUT_FIRE_SECONDARY);
    Seed(seed);
    StepShips();
    EXPECT_EQ(ship->heading, c.after) << c.heading;
    std::vector<Ref<TShot>> shots = ShotsOf(SHIP_TREEK, 2);
    ASSERT_EQ(shots.size(), 1u);
    EXPECT_NEAR(std::fmod(shots[0]->heading - c.heading + 540.0f, 360.0f), 180.0f, 4.0f);
    EXPECT_EQ(RandomDrawsSinceMark(), 3);
  }
}

class Anatos : public ShipTypeFixture {};

TEST_F(Anatos, SelfDestructionLeavesABlastThatBurnsEnemiesFor26Frames) {
  Ref<TShip> ship = PlaceShip(1, SHIP_ANATOS, 640, 512, 45, 1);
  PlaceShip(2, SHIP_DRONT, 700, 512, 0, 2);
  PlaceShip(3, SHIP_DRONT, 580, 512, 0, 1);
  Hold(1, INPUT_FIRE_SECONDARY);
  Seed(36);
  StepShips();
  ReleaseAll();
  // The blast's explosion, the fire sound, then the death's own explosion.
  std::vector<Ref<TExplosion>> explosions = All(*explosionList);
  ASSERT_EQ(explosions.size(), 2u);
  EXPECT_EQ(explosions[0]->explosionType, 27);
  EXPECT_EQ(explosions[0]->size, 150.0f);
  EXPECT_EQ(explosions[0]->heading, 0.0f);
  EXPECT_EQ(explosions[0]->x, 640.0f);
  const std::vector<int32_t> sounds = SoundsPlayed();
  ASSERT_EQ(sounds.size(), 2u);
  EXPECT_EQ(sounds[0], WeaponSound(SHIP_ANATOS, 2));
  EXPECT_EQ(sounds[1], ExplosionSound(explosions[1]->explosionType));
  EXPECT_EQ(ListCount(*shipList), 2);
  EXPECT_EQ(slotTable[1][SLOT_ARENA], ARENA_OUT);
  EXPECT_EQ(RandomDrawsSinceMark(), 2 + 1 + 90);  // the blast, the death's explosion, 30 sparks

  std::vector<Ref<TShot>> blasts = ShotsOf(SHIP_ANATOS, 2);
  ASSERT_EQ(blasts.size(), 1u);
  const Ref<TShot> blast = blasts[0];
  EXPECT_EQ(blast->lifetime, 26);  // 350 ms
  StepShots();
  EXPECT_EQ(blast->keepOnClear, 1);
  EXPECT_EQ(Queued(2, 1, QUEUE_SPECIAL_NEXT), 1.333f);
  EXPECT_EQ(Queued(3, 1, QUEUE_SPECIAL_NEXT), 0.0f);
  for (int32_t step = 2; step <= 25; ++step) StepShots();
  EXPECT_TRUE(InList(blast));
  StepShots();
  EXPECT_FALSE(InList(blast));
  EXPECT_NEAR(Queued(2, 1, QUEUE_SPECIAL_NEXT), 26 * 1.333f, 1e-4);
  EXPECT_EQ(RandomDrawsSinceMark(), 93);
}

class Jerboafa : public ShipTypeFixture {};

TEST_F(Jerboafa, PulsarTrapHoldsEnemiesUntilItsTimeIsUp) {
  PlaceShip(1, SHIP_JERBOAFA, 100, 900, 0, 1);
  Ref<TShip> enemy = PlaceShip(2, SHIP_DRONT, 650, 515, 0, 2);
  Ref<TShip> friendShip = PlaceShip(3, SHIP_DRONT, 630, 505, 0, 1);
  const float armour = enemy->armour;
  Ref<TShot> trap = PlaceShot(1, 2, 640, 512, 0);
  EXPECT_EQ(trap->lifetime, 750);  // 10000 ms
  Seed(37);
  StepShots();
  EXPECT_EQ(slotEffectState[2][EFFECT_TRAPPED], 1);
  EXPECT_EQ(slotEffectState[3][EFFECT_TRAPPED], 0);
  EXPECT_EQ(enemy->x, 640.0f);
  EXPECT_EQ(enemy->y, 512.0f);
  EXPECT_EQ(friendShip->x, 630.0f);
  EXPECT_EQ(Queued(2, 1, QUEUE_SPECIAL_NEXT), 0.025f);
  EXPECT_EQ(trap->keepOnClear, 1);
  EXPECT_EQ(trap->kindState[1], 0.5f);
  EXPECT_EQ(SoundsPlayed(), std::vector<int32_t>{ExtraSound(SHIP_JERBOAFA, 1)});

  // It drifts away each frame and is put back, losing 0.025 a frame.
  enemy->velocityX = 3;
  for (int32_t step = 2; step <= 749; ++step) {
    StepFrame();
    if (step == 8) {
      EXPECT_EQ(trap->kindState[1], 4.0f);
    }
    if (step == 9) {
      EXPECT_EQ(trap->kindState[1], 0.0f);
    }
  }
  EXPECT_EQ(enemy->x, 640.0f);
  EXPECT_NEAR(enemy->armour, armour - 748 * 0.025f, 1e-2);
  EXPECT_EQ(SoundsPlayed().size(), 1u);

  // Its last step lets go and takes nothing.
  StepFrame();
  EXPECT_FALSE(InList(trap));
  EXPECT_EQ(slotEffectState[2][EFFECT_TRAPPED], 0);
  EXPECT_EQ(enemy->x, 643.0f);
  EXPECT_EQ(Queued(2, 1, DAMAGE_TYPE_SPECIAL), 0.0f);  // moved up from this frame's queue

  // Free: a new trap holds it again, with the sound.
  enemy->velocityX = 0;
  PlaceShot(1, 2, 640, 512, 0);
  StepShots();
  EXPECT_EQ(slotEffectState[2][EFFECT_TRAPPED], 1);
  EXPECT_EQ(SoundsPlayed().size(), 2u);
  EXPECT_EQ(RandomDrawsSinceMark(), 0);
}

class Adapa : public ShipTypeFixture {};

TEST_F(Adapa, UltraFlashClearsEnemyShotsAndOtherFlashesAndStrikesEveryEnemyOnce) {
  PlaceShip(1, SHIP_ADAPA, 640, 900, 30, 1);
  PlaceShip(2, SHIP_ADAPA, 100, 100, 0, 1);  // a teammate
  PlaceShip(3, SHIP_COBOTH, 1100, 200, 0, 2);
  PlaceShip(4, SHIP_DRONT, 300, 600, 0, 3);
  Ref<TShot> mateFlash = PlaceShot(2, 2, 640, 512, 0);
  Ref<TShot> ownFlash = PlaceShot(1, 2, 640, 512, 0);
  for (const Ref<TShot>& flash : {mateFlash, ownFlash}) {
    flash->kindState[1] = 1;  // struck already, still fading
    flash->fade = 0.5f;
  }
  Ref<TShot> mateShot = PlaceShot(2, 1, 840, 800, 0);
  Ref<TShot> enemyShot = PlaceShot(3, 1, 800, 800, 0);
  Ref<TShot> keptShot = PlaceShot(4, 1, 820, 800, 0);
  keptShot->keepOnClear = 1;
  Ref<TShot> shield = PlaceShot(3, 2, 900, 300, 0);
  Ref<TShot> keptShield = PlaceShot(3, 2, 950, 300, 0);
  keptShield->keepOnClear = 1;
  for (const Ref<TShot>& s : {shield, keptShield}) s->hasKindCode = 0;
  Hold(1, INPUT_FIRE_SECONDARY);
  Seed(38);
  StepShips();
  ReleaseAll();
  EXPECT_EQ(mateFlash->dead, 1);
  EXPECT_EQ(enemyShot->dead, 1);
  EXPECT_EQ(ownFlash->dead, 0);
  EXPECT_EQ(mateShot->dead, 0);
  EXPECT_EQ(keptShot->dead, 0);
  EXPECT_EQ(shield->hitPoints, 16.0f);
  EXPECT_EQ(keptShield->hitPoints, 20.0f);
  std::vector<Ref<TShot>> flashes = ShotsOf(SHIP_ADAPA, 2);
  ASSERT_EQ(flashes.size(), 3u);
  const Ref<TShot> flash = flashes[2];
  EXPECT_EQ(RandomDrawsSinceMark(), 2);

  StepShots();
  EXPECT_FALSE(InList(mateFlash));
  EXPECT_FALSE(InList(enemyShot));
  for (int32_t slot = 1; slot <= 4; ++slot)
    EXPECT_EQ(Queued(slot, 1, QUEUE_SPECIAL_NEXT), slot >= 3 ? 4.0f : 0.0f) << slot;
  EXPECT_EQ(flash->fade, 0.05f);
  EXPECT_EQ(flash->sizePercent, 4000.0f);
  EXPECT_EQ(flash->x, 640.0f);
  EXPECT_EQ(flash->y, 512.0f);
  EXPECT_EQ(flash->heading, 0.0f);
  for (int32_t step = 2; step <= 19; ++step) StepShots();
  EXPECT_TRUE(InList(flash));
  EXPECT_EQ(Queued(3, 1, QUEUE_SPECIAL_NEXT), 4.0f);  // once only
  // The 20th step: the white-out is over.
  StepShots();
  EXPECT_FALSE(InList(flash));
  EXPECT_EQ(RandomDrawsSinceMark(), 2);
}

class Xiapas : public ShipTypeFixture {};

TEST_F(Xiapas, LaserLeavesSegmentsInsideTheArenaMarginForTwoPasses) {
  PlaceShip(1, SHIP_XIAPAS, 100, 900, 0);
  Ref<TShot> across = PlaceShot(1, 1, 100, 300, 120);
  Ref<TShot> edge = PlaceShot(1, 1, 1300, 600, 90);
  Seed(39);
  StepShots();
  EXPECT_FALSE(InList(across));
  EXPECT_FALSE(InList(edge));
  std::vector<Ref<TShot>> segments = Shots();
  // 16 steps of 18 from (100, 300) at 120 degrees, 15.588 right and 9 down
  // each; from 1300 only 1300, 1318, 1336 lie within 1344.
  ASSERT_EQ(segments.size(), 19u);
  for (size_t k = 0; k < segments.size(); ++k) {
    const TShot& s = *segments[k];
    const bool first = k < 16;
    EXPECT_NEAR(s.x, first ? 100 + 15.588457 * k : 1300 + 18 * (k - 16), 1e-3) << k;
    EXPECT_NEAR(s.y, first ? 300 + 9 * k : 600, 1e-3) << k;
    EXPECT_EQ(s.heading, first ? 120.0f : 90.0f);
    EXPECT_EQ(s.imageIndex, segments[first ? 0 : 16]->imageIndex);
    EXPECT_GE(s.imageIndex, 1);
    EXPECT_LE(s.imageIndex, 3);
    EXPECT_EQ(s.shipType, SHIP_XIAPAS);
    EXPECT_EQ(s.weapon, 1);
    EXPECT_EQ(s.slot, 1);
    EXPECT_EQ(s.team, 0);
    EXPECT_EQ(s.damageType, DAMAGE_TYPE_NONE);
    EXPECT_EQ(s.piercing + s.stationary + s.noShipHits + s.hasKindCode + s.keepOnClear, 5);
    EXPECT_EQ(s.kindState[1], 1.0f);
    // Made while a shot followed: stepped in the same pass.
    EXPECT_EQ(s.kindState[2], 1.0f);
  }
  EXPECT_EQ(RandomDrawsSinceMark(), 2);
  StepShots();
  EXPECT_EQ(ListCount(*shotList), 0);
}

TEST_F(Xiapas, LaserStopsAtTheFirstShipWithASpark) {
  PlaceShip(1, SHIP_XIAPAS, 100, 900, 0);
  PlaceShip(2, SHIP_WENDE, 250, 300, 0);
  Ref<TShot> head = PlaceShot(1, 1, 100, 300, 90);
  Seed(139);
  StepShots();
  // Contact within (27 + 12) / 1.5 = 26: the 8th point, x = 226, hits.
  std::vector<Ref<TShot>> segments = ShotsOf(SHIP_XIAPAS, 1);
  ASSERT_EQ(segments.size(), 7u);
  EXPECT_NEAR(segments.back()->x, 208.0f, 1e-3);
  EXPECT_EQ(segments.back()->kindState[2], 0.0f);  // made while the last shot stepped
  EXPECT_EQ(Queued(2, 1, DAMAGE_TYPE_BEAM + QUEUE_NEXT_FRAME), 0.075f);
  std::vector<Ref<TSpark>> sparks = All(*sparkList);
  ASSERT_EQ(sparks.size(), 1u);
  EXPECT_NEAR(sparks[0]->x, 226.0f, 1e-3);
  EXPECT_EQ(sparks[0]->kind, 4);
  EXPECT_GE(sparks[0]->speed, 1.0f);
  EXPECT_LE(sparks[0]->speed, 3.0f);
  EXPECT_EQ(head->hitThisTick, 0);
  EXPECT_EQ(RandomDrawsSinceMark(), 3);
}

TEST_F(Xiapas, LaserSoundKeepsOneChannelAndIsNotRestartedWhilePlaying) {
  const int32_t laser = weaponSounds[SHIP_XIAPAS][2][1] = RealSound(200);
  const auto played = [&] {
    const std::vector<int32_t> sounds = SoundsPlayed();
    return std::count(sounds.begin(), sounds.end(), laser);
  };
  shipLoopChannel = 0;
  PlaceShip(1, SHIP_XIAPAS, 300, 300, 0);
  PlaceShip(2, SHIP_XIAPAS, 900, 700, 0);
  Hold(1, INPUT_FIRE_PRIMARY);
  Hold(2, INPUT_FIRE_PRIMARY);
  StepShips();
  const int32_t channel = shipLoopChannel;
  EXPECT_NE(channel, 0);
  EXPECT_EQ(played(), 1);  // two ships fired
  HeadlessAdvanceClock(150);
  StepShips();
  EXPECT_EQ(played(), 1);
  for (int32_t round = 0; round < 3; ++round) {
    HeadlessAdvanceClock(250);
    StepShips();
  }
  EXPECT_EQ(played(), 4);
  EXPECT_EQ(shipLoopChannel, channel);
  EXPECT_EQ(ShotsOf(SHIP_XIAPAS, 1).size(), 5u * 2u * 3u);  // the heads, not stepped here
}

TEST_F(Xiapas, StationFeedsItsTeamEveryFourthFrame) {
  weaponSounds[SHIP_XIAPAS][2][2] = RealSound(1000);
  shotLoopChannel = 0;
  Ref<TShip> own = PlaceShip(1, SHIP_XIAPAS, 600, 500, 0, 1);
  Ref<TShip> mate = PlaceShip(2, SHIP_WENDE, 740, 500, 0, 1);
  Ref<TShip> enemy = PlaceShip(3, SHIP_WENDE, 640, 560, 0, 2);
  Ref<TShip> far = PlaceShip(4, SHIP_WENDE, 900, 500, 0, 1);
  own->energy = 10;
  mate->energy = 7.5f;  // of 8
  enemy->energy = far->energy = 3;
  Ref<TShot> station = PlaceShot(1, 2, 640, 500, 0);
  Seed(239);
  for (int32_t step = 1; step <= 3; ++step) StepShots();
  EXPECT_EQ(station->radius, 75.0f);
  EXPECT_EQ(station->sizePercent, 200.0f);
  EXPECT_EQ(station->kindState[2], 1.0f);
  EXPECT_EQ(own->energy, 10.0f);
  EXPECT_TRUE(SoundsPlayed().empty());
  StepShots();
  EXPECT_EQ(own->energy, 11.0f);
  EXPECT_EQ(mate->energy, 8.0f);
  EXPECT_EQ(enemy->energy, 3.0f);
  EXPECT_EQ(far->energy, 3.0f);
  EXPECT_EQ(station->kindState[2], 2.0f);
  const int32_t channel = shotLoopChannel;
  EXPECT_EQ(SoundsPlayed(), std::vector<int32_t>{weaponSounds[SHIP_XIAPAS][2][2]});
  for (int32_t step = 5; step <= 20; ++step) StepShots();
  EXPECT_EQ(own->energy, 15.0f);
  EXPECT_EQ(station->kindState[2], 6.0f);
  EXPECT_EQ(SoundsPlayed().size(), 1u);  // not restarted while it plays
  for (int32_t step = 21; step <= 24; ++step) StepShots();
  EXPECT_EQ(station->kindState[2], 1.0f);
  // The hum goes on until a feed reaches nobody.
  own->x = mate->x = 100;
  HeadlessAdvanceClock(2000);
  for (int32_t step = 25; step <= 28; ++step) StepShots();
  EXPECT_EQ(station->kindState[3], 0.0f);
  EXPECT_EQ(SoundsPlayed().size(), 2u);
  HeadlessAdvanceClock(2000);
  for (int32_t step = 29; step <= 32; ++step) StepShots();
  EXPECT_EQ(SoundsPlayed().size(), 2u);
  EXPECT_EQ(shotLoopChannel, channel);
  EXPECT_EQ(RandomDrawsSinceMark(), 0);
}

class Birken : public ShipTypeFixture {};

TEST_F(Birken, TenSalvosOfRocketsThenNoMore) {
  Ref<TShip> ship = PlaceShip(1, SHIP_BIRKEN, 640, 512, 0);
  ship->energy = 1000;
  Hold(1, INPUT_FIRE_SECONDARY);
  Seed(40);
  // 600 ms to reload: a salvo of four every 46 frames, from the first.
  for (int32_t frame = 1; frame <= 414; ++frame) StepShips();
  EXPECT_EQ(ShotsOf(SHIP_BIRKEN, 2).size(), 36u);
  EXPECT_EQ(ship->specialState[1], 9.0f);
  StepShips();
  EXPECT_EQ(ShotsOf(SHIP_BIRKEN, 2).size(), 40u);
  EXPECT_EQ(ship->specialState[1], 10.0f);
  for (int32_t frame = 416; frame <= 600; ++frame) StepShips();
  EXPECT_EQ(ShotsOf(SHIP_BIRKEN, 2).size(), 40u);
  EXPECT_EQ(ship->reloadCounters[2], 0);
  EXPECT_EQ(RandomDrawsSinceMark(), 80);
}

TEST_F(Birken, WobbleysWeaveInMirroredPairs) {
  PlaceShip(1, SHIP_BIRKEN, 100, 900, 0);
  Ref<TShot> left = PlaceShot(1, 1, 500, 900, 0);
  Ref<TShot> right = PlaceShot(1, 1, 700, 900, 0);
  right->muzzle = 2;
  Seed(140);
  // Muzzle 1 swings to -87 by frame 29, holds it in frame 30 (the turn takes
  // its first step back), is straight again at 59 and swings out at 60.
  const struct {
    int32_t frame;
    float offset, swing, swung;
  } marks[] = {{1, -3, 0, 3},  {29, -87, 0, 87}, {30, -87, 1, 87}, {31, -84, 1, 84},
               {58, -3, 1, 3}, {59, 0, 0, 0},    {60, -3, 0, 3}};
  const int32_t images[] = {2, 3, 1};
  int32_t frame = 0;
  for (const auto& m : marks) {
    while (frame < m.frame) {
      StepShots();
      ++frame;
      if (frame <= 3) {
        EXPECT_EQ(left->imageIndex, images[frame - 1]);
      }
    }
    EXPECT_EQ(left->heading, m.offset) << frame;
    EXPECT_EQ(right->heading, -m.offset) << frame;
    EXPECT_EQ(left->kindState[1], m.swing) << frame;
    EXPECT_EQ(left->kindState[2], m.swung) << frame;
  }
  EXPECT_EQ(RandomDrawsSinceMark(), 0);
}

}  // namespace
