// The own code of ship types 1 to 4: Regal, Garm, Coboth and Urbatron.
#include <gtest/gtest.h>

#include "tests/ship_type_fixture.hpp"

namespace {

using shiptypes::ShipTypeFixture;

class Regal : public ShipTypeFixture {};

TEST_F(Regal, HomingMissilesLeaveFromAlternateSides) {
  PlaceShip(1, SHIP_REGAL, 400, 300, 30);
  Hold(1, INPUT_FIRE_SECONDARY);
  Seed(77);
  StepShips();
  std::vector<Ref<TShot>> missiles = ShotsOf(SHIP_REGAL, 2);
  ASSERT_EQ(missiles.size(), 1u);
  // Muzzle (-8, -4) of a ship at 30 degrees: 4 ahead, 8 to the left.
  EXPECT_NEAR(missiles[0]->x, 395.07181f, 1e-4);
  EXPECT_NEAR(missiles[0]->y, 292.53589f, 1e-4);
  EXPECT_EQ(missiles[0]->heading, 30.0f);
  EXPECT_EQ(slotShipPoint[1][GROUP_SECONDARY][1][MUZZLE_X], 8.0f);
  EXPECT_EQ(slotShipPoint[1][GROUP_SECONDARY][1][MUZZLE_ANGLE], 0.0f);
  EXPECT_EQ(slotShipPoint[1][GROUP_SECONDARY][1][MUZZLE_Y], -4.0f);
  EXPECT_EQ(RandomDrawsSinceMark(), 2);

  // Reloaded after 2000 ms (150.004 frames): the 151st step fires again.
  for (int32_t i = 1; i <= 150; ++i) StepShips();
  EXPECT_EQ(ShotsOf(SHIP_REGAL, 2).size(), 1u);
  EXPECT_EQ(slotShipPoint[1][GROUP_SECONDARY][1][MUZZLE_X], 8.0f);
  StepShips();
  missiles = ShotsOf(SHIP_REGAL, 2);
  ASSERT_EQ(missiles.size(), 2u);
  EXPECT_NEAR(missiles[1]->x, 408.92819f, 1e-4);
  EXPECT_NEAR(missiles[1]->y, 300.53589f, 1e-4);
  EXPECT_EQ(slotShipPoint[1][GROUP_SECONDARY][1][MUZZLE_X], -8.0f);
  EXPECT_EQ(RandomDrawsSinceMark(), 4);
  // Only the secondary turns: the primary's muzzles are as in the catalogue.
  EXPECT_EQ(slotShipPoint[1][GROUP_PRIMARY][1][MUZZLE_X], -4.0f);
}

class Garm : public ShipTypeFixture {
 protected:
  // A Garm of slot 1 (team 1) and its bolt at (x, y) flying right.
  Ref<TShot> Bolt(float x, float y) {
    if (!garm_) garm_ = PlaceShip(1, SHIP_GARM, 100, 900, 0, 1);
    return PlaceShot(1, 2, x, y, 90);
  }
  Ref<TShip> garm_;
};

TEST_F(Garm, StickyBoltRidesOnTheFirstEnemyNotStuckAndDoublesItsBeamDamage) {
  PlaceShip(4, SHIP_SPETH, 300, 500, 0, 1);  // a friend
  PlaceShip(3, SHIP_DRONT, 500, 500, 0, 3);  // stuck already
  Ref<TShip> target = PlaceShip(2, SHIP_SPETH, 700, 500, 0, 2);
  slotEffectState[3][EFFECT_STUCK] = 1;
  Ref<TShot> bolt = Bolt(300, 500);
  const float step = 50.0f / 4.5f;
  EXPECT_EQ(bolt->speed, step);
  Seed(11);

  // Over the own team's ship, then over a ship stuck already: it flies on.
  StepShots();
  bolt->x = 500 - step;
  StepShots();
  EXPECT_EQ(bolt->kindState[1], 0.0f);
  EXPECT_EQ(bolt->stationary, 0);
  EXPECT_EQ(bolt->x, 500.0f);
  EXPECT_EQ(slotEffectState[1][EFFECT_STUCK] + slotEffectState[4][EFFECT_STUCK], 0);

  // Onto the enemy: stuck and riding on it in the same step.
  bolt->x = 690 - step;
  target->heading = 45;
  StepShots();
  EXPECT_EQ(slotEffectState[2][EFFECT_STUCK], 1);
  EXPECT_EQ(bolt->kindState[1], 2.0f);
  EXPECT_EQ(bolt->kindState[2], 1.0f);
  EXPECT_EQ(bolt->imageIndex, 2);
  EXPECT_EQ(bolt->stationary, 1);
  EXPECT_EQ(bolt->hidden, 1);
  EXPECT_EQ(bolt->keepOnClear, 1);
  EXPECT_EQ(bolt->x, 700.0f);
  EXPECT_EQ(bolt->y, 500.0f);
  EXPECT_EQ(bolt->heading, 45.0f);
  EXPECT_EQ(slotShipValue[2][GROUP_HULL][HULL_BEAM_RESISTANCE], -1.0f);
  EXPECT_EQ(SoundsPlayed(), std::vector<int32_t>{ExtraSound(SHIP_GARM, 1)});

  // It follows the ship, and beam damage hits twice as hard.
  target->x = 820;
  target->y = 130;
  target->heading = 300;
  const float armour = target->armour;
  damageQueue[2][4][1][DAMAGE_TYPE_BEAM] = 3;
  StepShots();
  StepDamage();
  EXPECT_EQ(bolt->x, 820.0f);
  EXPECT_EQ(bolt->y, 130.0f);
  EXPECT_EQ(bolt->heading, 300.0f);
  EXPECT_EQ(target->armour, armour - 6.0f);
  EXPECT_EQ(SoundsPlayed().size(), 1u);  // stuck once

  // Gone with its ship, in the same shot pass.
  RemoveShip(target);
  StepShots();
  EXPECT_FALSE(InList(bolt));
  EXPECT_EQ(RandomDrawsSinceMark(), 0);
}

TEST_F(Garm, StickyBoltEndsOnADestructibleShot) {
  PlaceShip(3, SHIP_COBOTH, 900, 900, 0, 3);
  Ref<TShot> shield = PlaceShot(3, 2, 600, 300, 0);
  shield->hasKindCode = 0;  // stays where it is put
  Ref<TShot> bolt = Bolt(600 - 50.0f / 4.5f, 300);
  Seed(12);
  StepShots();
  EXPECT_EQ(bolt->dead, 1);
  EXPECT_FALSE(InList(bolt));
  EXPECT_EQ(bolt->kindState[1], 0.0f);
  EXPECT_EQ(shield->hitPoints, 20.0f);  // a bolt does no damage
  EXPECT_EQ(RandomDrawsSinceMark(), 0);
  EXPECT_TRUE(SoundsPlayed().empty());
}

class Coboth : public ShipTypeFixture {};

TEST_F(Coboth, ForeShieldRidesAheadFadingAsItWeakens) {
  Ref<TShip> ship = PlaceShip(1, SHIP_COBOTH, 500, 500, 30);
  Hold(1, INPUT_FIRE_SECONDARY);
  Seed(5);
  StepShips();
  ReleaseAll();
  std::vector<Ref<TShot>> shields = ShotsOf(SHIP_COBOTH, 2);
  ASSERT_EQ(shields.size(), 1u);
  Ref<TShot> shield = shields[0];
  EXPECT_EQ(ship->specialState[0], 0.0f);
  EXPECT_EQ(RandomDrawsSinceMark(), 2);
  StepShots();
  EXPECT_EQ(ship->specialState[0], 1.0f);
  EXPECT_EQ(ship->specialState[4], 0.0f);
  EXPECT_EQ(shield->fade, 0.0f);
  EXPECT_NEAR(shield->x, 532.0f, 1e-4);  // 64 ahead at 30 degrees
  EXPECT_NEAR(shield->y, 444.57437f, 1e-4);
  EXPECT_EQ(shield->heading, 30.0f);
  EXPECT_EQ(shield->kindState[1], 1.0f);

  // Hit down to 5 of 20 and the ship turned: three quarters faded.
  shield->hitPoints = 5;
  ship->heading = 120;
  StepShips();
  EXPECT_EQ(ship->specialState[0], 0.0f);
  StepShots();
  EXPECT_EQ(shield->fade, 0.75f);
  EXPECT_EQ(ship->specialState[4], 0.75f);
  EXPECT_NEAR(shield->x, 555.42563f, 1e-4);
  EXPECT_NEAR(shield->y, 532.0f, 1e-4);
  EXPECT_EQ(shield->heading, 120.0f);

  // Shot down: gone, and the ship shows no shield from the next frame.
  shield->hitPoints = 0;
  StepFrame();
  EXPECT_FALSE(InList(shield));
  EXPECT_EQ(shield->fade, 1.0f);
  EXPECT_EQ(ship->specialState[0], 1.0f);  // set by its last step
  StepShips();
  EXPECT_EQ(ship->specialState[0], 0.0f);
  EXPECT_EQ(RandomDrawsSinceMark(), 2);
}

TEST_F(Coboth, ForeShieldOfAShipThatIsGoneEndsInTheSamePass) {
  Ref<TShip> ship = PlaceShip(2, SHIP_COBOTH, 200, 200, 0);
  Ref<TShot> shield = PlaceShot(2, 2, 200, 150, 0);
  Seed(6);
  RemoveShip(ship);
  StepShots();
  EXPECT_FALSE(InList(shield));
  EXPECT_EQ(shield->kindState[1], 0.0f);
  EXPECT_EQ(shield->x, 200.0f);  // not moved
  EXPECT_EQ(shield->y, 150.0f);
  EXPECT_EQ(RandomDrawsSinceMark(), 0);
}

class Urbatron : public ShipTypeFixture {
 protected:
  // The secondary of a mode in catalogue units, as the modes' table lists it.
  struct Orb {
    float damage, damageType, reloadMs, drain, speed, count, homing, angleSpread, speedSpread,
        explosion, sound, fireSound, image, lifetimeMs;
  };
  // Slot 3's secondary, converted as a ship's values are.
  static void ExpectOrb(const Orb& e) {
    const float* v = slotShipValue[3][GROUP_SECONDARY];
    EXPECT_EQ(v[WEAPON_DAMAGE], e.damage);
    EXPECT_EQ(v[WEAPON_DAMAGE_TYPE], e.damageType);
    EXPECT_EQ(v[WEAPON_RELOAD_TIME], e.reloadMs / MS_PER_TICK);
    EXPECT_EQ(v[WEAPON_ENERGY_DRAIN], e.drain);
    EXPECT_EQ(v[WEAPON_PROJECTILE_SPEED], e.speed / 4.5f);
    EXPECT_EQ(v[WEAPON_SHOT_COUNT], e.count);
    EXPECT_EQ(v[WEAPON_HOMING_RATE], e.homing / 36.0f);
    EXPECT_EQ(v[WEAPON_ANGLE_SPREAD], e.angleSpread);
    EXPECT_EQ(v[WEAPON_SPEED_SPREAD], e.speedSpread / 3.0f);
    EXPECT_EQ(v[WEAPON_HIT_EXPLOSION], e.explosion);
    EXPECT_EQ(v[WEAPON_HIT_SOUND], e.sound);
    EXPECT_EQ(v[WEAPON_FIRE_SOUND], e.fireSound);
    EXPECT_EQ(v[WEAPON_IMAGE_INDEX], e.image);
    EXPECT_EQ(v[WEAPON_LIFETIME], e.lifetimeMs / MS_PER_TICK);
  }
};

TEST_F(Urbatron, GlowingOrbChangesFormEvery500Frames) {
  Ref<TShip> ship = PlaceShip(3, SHIP_URBATRON, 640, 512, 10);
  const float* orb = slotShipValue[3][GROUP_SECONDARY];
  const auto angle = [](int32_t k) { return slotShipPoint[3][GROUP_SECONDARY][k][MUZZLE_ANGLE]; };
  Seed(4);
  StepShips();
  EXPECT_EQ(ship->specialState[4], 17.0f);
  EXPECT_EQ(ship->specialState[2], 1.0f);
  for (int32_t frame = 2; frame <= 499; ++frame) StepShips();
  // The catalogue's values stand until the first change.
  EXPECT_EQ(ship->specialState[2], 499.0f);
  EXPECT_EQ(ship->specialState[1], 0.0f);
  EXPECT_EQ(orb[WEAPON_PROJECTILE_SPEED], 50.0f / 4.5f);
  EXPECT_EQ(orb[WEAPON_FIRE_SOUND], 1.0f);

  StepShips();  // frame 500: mode 1
  EXPECT_EQ(ship->specialState[1], 1.0f);
  EXPECT_EQ(ship->specialState[2], 0.0f);
  EXPECT_EQ(ship->specialState[3], 0.0f);
  EXPECT_EQ(ship->specialState[4], 2.0f);
  EXPECT_EQ(ship->reloadCounters[2], 10000);
  ExpectOrb({4, 4, 1400, 14, 40, 3, 0, 0, 0, 13, 7, 2, 2, 0});
  EXPECT_EQ(angle(1), -5.0f);
  EXPECT_EQ(angle(2), 0.0f);
  EXPECT_EQ(angle(3), 5.0f);
  for (int32_t frame = 501; frame <= 514; ++frame) StepShips();
  EXPECT_EQ(ship->specialState[4], 16.0f);
  StepShips();
  StepShips();
  EXPECT_EQ(ship->specialState[4], 17.0f);  // and there it stays

  // Ready at once: three special shots fanned out, with the mode's sound.
  ClearSounds();
  MarkRandom();
  Hold(3, INPUT_FIRE_SECONDARY);
  StepShips();
  ReleaseAll();
  std::vector<Ref<TShot>> shots = ShotsOf(SHIP_URBATRON, 2);
  ASSERT_EQ(shots.size(), 3u);
  for (int32_t k = 0; k < 3; ++k) {
    EXPECT_EQ(shots[k]->heading, 10.0f + 5.0f * (k - 1)) << k;
    EXPECT_EQ(shots[k]->damage, 4.0f);
    EXPECT_EQ(shots[k]->damageType, DAMAGE_TYPE_SPECIAL);
    EXPECT_EQ(shots[k]->imageIndex, 2);
    EXPECT_EQ(shots[k]->hitExplosion, 13);
  }
  EXPECT_EQ(SoundsPlayed(), std::vector<int32_t>{ExtraSound(SHIP_URBATRON, 2)});
  EXPECT_EQ(RandomDrawsSinceMark(), 6);
  EXPECT_EQ(ship->energy, 80.0f - 14.0f);

  for (int32_t frame = 518; frame <= 1000; ++frame) StepShips();  // mode 2
  EXPECT_EQ(ship->specialState[1], 2.0f);
  ExpectOrb({1, 4, 2000, 10, 55, 9, 50, 0, 0, 3, 0, 3, 3, 2000});
  for (int32_t k = 1; k <= 9; ++k) EXPECT_EQ(angle(k), 8.0f * k - 40.0f) << k;

  for (int32_t frame = 1001; frame <= 1500; ++frame) StepShips();  // back to mode 0
  EXPECT_EQ(ship->specialState[1], 0.0f);
  ExpectOrb({1.5f, 1, 100, 1, 60, 1, 0, 4, 3, 5, 0, 1, 1, 0});
  EXPECT_EQ(angle(1), 0.0f);
  EXPECT_EQ(angle(2), -24.0f);  // beyond the shot count: left as mode 2 set it
  EXPECT_EQ(RandomDrawsSinceMark(), 6);

  // A new ship of the slot starts from the catalogue again.
  RemoveShip(ship);
  Ref<TShip> next = PlaceShip(3, SHIP_URBATRON, 640, 512, 10);
  EXPECT_EQ(orb[WEAPON_PROJECTILE_SPEED], 50.0f / 4.5f);
  EXPECT_EQ(next->specialState[1], 0.0f);
}

}  // namespace
