// The frame of the ship types' own code: which cases run, the shared walks
// and contact tests, and whole computer matches of the types with code.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/headless.hpp"
#include "shell/match_step/ship_types/helpers.hpp"
#include "shell/match_step/ship_types/type_code.hpp"
#include "tests/computer_long_run.hpp"
#include "tests/ship_type_fixture.hpp"
#include "tests/test_folder.hpp"

namespace {

class ShipTypeFrame : public shiptypes::ShipTypeFixture {};

TEST_F(ShipTypeFrame, CasesExistForTheTypesTheCatalogueMarks) {
  for (int32_t t = 1; t <= shipCount; ++t) {
    EXPECT_EQ(SpecialWeaponCaseOf(t) != nullptr,
              shipValue[t][GROUP_HULL][HULL_HAS_OWN_BEHAVIOUR] == 1.0f)
        << t;
    // Every weapon with kind code has a case, but the Grates' sphere.
    const bool kindCode = shipValue[t][GROUP_PRIMARY][WEAPON_HAS_KIND_CODE] == 1.0f ||
                          shipValue[t][GROUP_SECONDARY][WEAPON_HAS_KIND_CODE] == 1.0f;
    EXPECT_EQ(ShotKindCaseOf(t) != nullptr, kindCode && t != 13) << t;
  }
  EXPECT_TRUE(shipValue[SHIP_GRATES][GROUP_SECONDARY][WEAPON_HAS_KIND_CODE] == 1.0f);
  for (int32_t t : {-1, 0, shipCount + 1}) {
    EXPECT_EQ(SpecialWeaponCaseOf(t), nullptr);
    EXPECT_EQ(ShotKindCaseOf(t), nullptr);
  }
}

TEST_F(ShipTypeFrame, TheFlagsDecideWhetherACaseRuns) {
  PlaceShip(1, SHIP_REGAL, 400, 300, 90);
  slotShipValue[1][GROUP_HULL][HULL_HAS_OWN_BEHAVIOUR] = 0;
  Hold(1, INPUT_FIRE_SECONDARY);
  StepShips();
  EXPECT_EQ(ShotsOf(SHIP_REGAL, 2).size(), 1u);
  EXPECT_EQ(slotShipPoint[1][GROUP_SECONDARY][1][MUZZLE_X], -8.0f);  // not mirrored

  Ref<TShip> coboth = PlaceShip(2, SHIP_COBOTH, 600, 600, 0);
  Ref<TShot> shield = PlaceShot(2, 2, 100, 100, 0);
  shield->hasKindCode = 0;
  StepShots();
  EXPECT_TRUE(InList(shield));
  EXPECT_EQ(shield->x, 100.0f);
  EXPECT_EQ(coboth->specialState[0], 0.0f);
}

TEST_F(ShipTypeFrame, WalksFollowTheListRules) {
  PlaceShip(1, SHIP_SPETH, 100, 100, 0);
  PlaceShip(2, SHIP_COBOTH, 900, 900, 0);
  Ref<TShot> first = PlaceShot(1, 1, 10, 10, 0);
  Ref<TShot> shield = PlaceShot(2, 2, 20, 20, 0);
  Ref<TShot> last = PlaceShot(1, 1, 30, 30, 0);

  // Made while an element but the last is stepped: reached by the same walk.
  std::vector<const TShot*> seen;
  EXPECT_FALSE(WalkShots([&](TShot& shot) {
    seen.push_back(&shot);
    if (&shot == first.get()) NewSubMunition();
  }));
  ASSERT_EQ(seen.size(), 4u);
  EXPECT_EQ(seen[3], newShotPlain.get());
  EXPECT_EQ(currentShot, newShotPlain);  // left on the last visited
  // Made while the last is stepped: the next walk's.
  seen.clear();
  const Ref<TShotPlain> tail = newShotPlain;
  WalkShots([&](TShot& shot) {
    seen.push_back(&shot);
    if (&shot == tail.get()) NewSubMunition();
  });
  EXPECT_EQ(seen.size(), 4u);
  EXPECT_EQ(ListCount(*shotList), 5);
  // The element being stepped may leave the list; the walk goes on.
  seen.clear();
  WalkShots([&](TShot& shot) {
    seen.push_back(&shot);
    if (&shot == shield.get()) ListRemoveValue(*shotList, shield);
  });
  EXPECT_EQ(seen.size(), 5u);
  // A step that answers true stops the walk on its element.
  EXPECT_TRUE(WalkShots([&](TShot& shot) { return &shot == last.get(); }));
  EXPECT_EQ(currentShot, last);

  // The kinds' own walks see only their kind.
  Ref<TShot> shield2 = PlaceShot(2, 2, 40, 40, 0);
  int32_t special = 0, plain = 0;
  WalkSpecialShots([&](TShot& shot) { special += shot.shotKind == SHOT_KIND_SPECIAL ? 1 : 100; });
  WalkPlainShots([&](TShot& shot) { plain += shot.shotKind == SHOT_KIND_PLAIN ? 1 : 100; });
  EXPECT_EQ(special, 1);
  EXPECT_EQ(plain, 4);
  EXPECT_EQ(newShotSpecial, shield2);
}

TEST_F(ShipTypeFrame, ContactFindsTheFirstEnemyOfAnotherTeam) {
  PlaceShip(1, SHIP_SPETH, 300, 300, 0, 1);
  Ref<TShip> mate = PlaceShip(2, SHIP_COBOTH, 500, 500, 0, 1);
  Ref<TShip> enemy = PlaceShip(3, SHIP_SPETH, 505, 500, 0, 2);
  Ref<TShip> other = PlaceShip(4, SHIP_COBOTH, 510, 500, 0, 3);
  Ref<TShot> mateShield = PlaceShot(2, 2, 500, 500, 0);
  PlaceShot(3, 1, 500, 500, 0);  // not destructible
  Ref<TShot> enemyShield = PlaceShot(4, 2, 500, 500, 0);
  Ref<TShot> shot = PlaceShot(1, 1, 500, 500, 0);

  EXPECT_EQ(FirstEnemyShipTouched(*shot), enemy);
  EXPECT_EQ(currentShip, enemy);
  EXPECT_EQ(FirstEnemyShotTouched(*shot), enemyShield);
  EXPECT_EQ(newShotSpecial, enemyShield);
  shot->x = 500 + 200;  // out of reach of all
  EXPECT_EQ(FirstEnemyShipTouched(*shot), nullptr);
  EXPECT_EQ(FirstEnemyShotTouched(*shot), nullptr);
  shot->x = 500;
  shot->dead = 1;
  EXPECT_EQ(FirstEnemyShipTouched(*shot), nullptr);
  EXPECT_EQ(currentShip, other);  // the whole list walked
  EXPECT_EQ(FirstEnemyShotTouched(*shot), nullptr);
  EXPECT_EQ(FirstEnemyShipTouched(*shot, true), enemy);

  // The own ship of a shot is the ship of its slot.
  int32_t visits = 0;
  EXPECT_EQ(
      ForEachShipOfSlot(mateShield->slot, [&](TShip& ship) { visits += &ship == mate.get(); }), 1);
  EXPECT_EQ(visits, 1);
  EXPECT_EQ(ForEachShipOfSlot(0, [](TShip&) {}), 0);

  // A sub-munition's radius as the firing gives it: Nalen's fragment picture
  // is 4 by 4.
  EXPECT_EQ(ShotImageRadius(5, 2, 2), 4.0f);
  EXPECT_EQ(ShotImageRadius(5, 2, 7), 0.0f);
  EXPECT_EQ(ShotImageRadius(0, 2, 2), 0.0f);
  QueueDamage(2, SPECIAL_ATTACKER, 30, QUEUE_SPECIAL_NEXT, 2);
  QueueDamage(2, 6, 1, QUEUE_SPECIAL_NEXT, 2);   // no such attacker
  QueueDamage(2, 1, 31, QUEUE_SPECIAL_NEXT, 2);  // no such member
  QueueDamage(2, 1, 1, QUEUE_COLUMNS + 1, 2);
  EXPECT_EQ(damageQueue[2][SPECIAL_ATTACKER][30][QUEUE_SPECIAL_NEXT], 2.0f);
}

TEST_F(ShipTypeFrame, ALoopingSoundStartsAgainOnlyOnceItsChannelIsQuiet) {
  weaponSounds[SHIP_XIAPAS][2][1] = RealSound(100);
  int32_t channel = 0;
  PlayExtraSoundOnce(39, 1, channel);
  const int32_t first = channel;
  EXPECT_NE(first, 0);
  HeadlessAdvanceClock(60);
  PlayExtraSoundOnce(39, 1, channel);
  EXPECT_EQ(channel, first);
  EXPECT_EQ(SoundsPlayed().size(), 1u);
  HeadlessAdvanceClock(60);
  PlayExtraSoundOnce(39, 1, channel);
  EXPECT_EQ(channel, first);  // the same channel again, never a fresh one
  EXPECT_EQ(SoundsPlayed(), (std::vector<int32_t>{weaponSounds[SHIP_XIAPAS][2][1],
                                                  weaponSounds[SHIP_XIAPAS][2][1]}));
}

using longrun::MatchFault;

// Whole computer matches of four slots whose fleets hold every type from 1 to
// 16: recorded, checked frame by frame and played back.
TEST(ShipTypeMatches, ComputerMatchesStayInStepInTheArenaAndFinite) {
  TestFolder folder("qw2_types_");
  const int32_t seeds[] = {1313, -4242, 90210, 7, 2024, -1};
  for (int32_t seed : seeds) {
    harness::MatchSetup setup;
    setup.seed = seed;
    setup.maxFrames = 40000;
    const int32_t shift = seed & 3;
    for (int32_t s = 1; s <= 4; ++s) {
      setup.slots[s].control = CONTROL_COMPUTER;
      setup.slots[s].team = s;
      for (int32_t k = 0; k < 4; ++k) setup.slots[s].fleet.push_back(s + 4 * ((k + shift) & 3));
    }
    std::string fault;
    int32_t faultFrame = 0, frames = 0, mostShots = 0;
    harness::MatchRecord record = harness::RecordMatch(setup, [&] {
      ++frames;
      mostShots = std::max(mostShots, ListCount(*shotList));
      if (!fault.empty()) return;
      fault = MatchFault();
      faultFrame = frames;
    });
    ASSERT_TRUE(record.ended) << seed;
    EXPECT_EQ(fault, "") << seed << " at frame " << faultFrame;
    EXPECT_LT(mostShots, 1000) << seed;
    harness::WriteFileBytes(u"match.tmp", record.data);
    harness::PlaybackResult played = harness::PlayBackFile(u"match.tmp", record.lastFrame);
    ASSERT_TRUE(played.started) << seed;
    EXPECT_EQ(played.frames, record.frames) << seed;
    EXPECT_EQ(played.mismatches, 0)
        << seed << ": first in frame "
        << (played.mismatchFrames.empty() ? 0 : played.mismatchFrames[0]);
    EXPECT_EQ(played.winner, record.winner) << seed;
  }
}

}  // namespace
