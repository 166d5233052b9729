// Computer control: the random draws in their places, target choice, aiming
// controls, the generic fire rule, the per-type tactics, and whole matches of
// computer slots that record and play back in step.
//
// The computer golden replays (tests/data/cpu_*.rep) are recorded again, all
// or one, with
//   QW2_REGENERATE_GOLDEN=1 <build>/tests/qw2_tests --gtest_filter='ComputerGolden.*'
//   QW2_REGENERATE_GOLDEN=1 <build>/tests/qw2_tests --gtest_filter='ComputerGolden.*/cpu_duel'
// and frames of a computer match with the game's pictures are written by
//   QW2_MATCH_FRAMES=<folder> <build>/tests/qw2_tests --gtest_filter='ComputerMatchFrames.*'
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "catalogue/ships.hpp"
#include "match/bitmap_text.hpp"
#include "match/match_tables.hpp"
#include "match/records.hpp"
#include "match/replay_files.hpp"
#include "media/embedded_media.hpp"
#include "platform/display.hpp"
#include "platform/random.hpp"
#include "shell/media_load.hpp"
#include "shell/startup.hpp"
#include "shell/startup_tables.hpp"
#include "tests/game_pictures.hpp"
#include "tests/golden_replays.hpp"
#include "tests/match_harness.hpp"
#include "tests/test_folder.hpp"

namespace {

class ComputerControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    harness::ResetMatchWorld();
    for (int32_t s = 1; s <= 4; ++s) slotTable[s][SLOT_ARENA] = ARENA_OUT;
  }

  // A flying slot of the given team and ship type, with the catalogue's
  // values as its working copy, and its ship at (x, y).
  static Ref<TShip> Fly(int32_t slot, int32_t team, int32_t type, float x, float y, float heading) {
    slotTable[slot][SLOT_CONTROL] = CONTROL_COMPUTER;
    slotTable[slot][SLOT_TEAM] = team;
    slotTable[slot][SLOT_ARENA] = ARENA_FLYING;
    slotTable[slot][SLOT_TARGETABLE] = 1;
    fleetTable[slot][1][0] = 1;
    fleetTable[slot][1][1] = 1;
    fleetTable[slot][2][1] = type;
    for (int32_t g = 1; g <= 3; ++g)
      for (int32_t v = 1; v <= 50; ++v) slotShipValue[slot][g][v] = shipValue[type][g][v];
    Ref<TShip> ship = NewRecord<TShip>();
    ship->x = x;
    ship->y = y;
    ship->heading = heading;
    ship->slot = slot;
    ship->team = team;
    ship->shipType = type;
    ship->armour = shipValue[type][GROUP_HULL][HULL_MAX_ARMOR];
    ship->energy = shipValue[type][GROUP_HULL][HULL_MAX_ENERGY];
    ship->launchTicks = 0;
    ListAppend(*shipList, ship);
    return ship;
  }

  // Control and tactics for one ship, as the ship pass calls them.
  static const int32_t* Control(const Ref<TShip>& ship) {
    TakeShipSnapshot();
    for (int32_t c = 1; c <= 7; ++c) playerInput[ship->slot][c] = 0;
    currentShip = ship;
    ComputerControl();
    AiSpecialTactics();
    return playerInput[ship->slot];
  }

  // Keeps the thrust decision from drawing in this frame.
  static void NoDecision(const Ref<TShip>& ship) {
    ship->aiDecisionTimer = 1;
    ship->aiDecisionInterval = 30;
  }
};

TEST_F(ComputerControlTest, ThrustDecisionDrawsIntervalThenChoiceOnlyWhenTheTimerMeetsTheInterval) {
  Ref<TShip> ship = Fly(1, 1, SHIP_SPETH, 100, 100, 0);  // turn rate above 1: choice 0 to 4
  SetRandomSeed(987654);
  const int32_t interval = RandomIntInRange(10, 40);
  const int32_t choice = RandomIntInRange(0, 4);
  const int32_t after = GetRandomSeed();
  SetRandomSeed(987654);
  Control(ship);
  EXPECT_EQ(ship->aiDecisionInterval, interval);
  EXPECT_EQ(ship->aiThrust, choice);
  EXPECT_EQ(ship->aiDecisionTimer, 1);
  EXPECT_EQ(GetRandomSeed(), after);  // no enemy: no target draw
  EXPECT_EQ(ship->aiTarget, 0);

  // Between decisions nothing is drawn; the timer counts up to the interval.
  for (int32_t i = 1; i < interval; ++i) Control(ship);
  EXPECT_EQ(GetRandomSeed(), after);
  EXPECT_EQ(ship->aiDecisionTimer, interval);
  Control(ship);
  EXPECT_NE(GetRandomSeed(), after);
  EXPECT_EQ(ship->aiDecisionTimer, 1);

  // A timer past the interval never meets it again.
  ship->aiDecisionTimer = 50;
  ship->aiDecisionInterval = 20;
  const int32_t state = GetRandomSeed();
  Control(ship);
  EXPECT_EQ(GetRandomSeed(), state);
  EXPECT_EQ(ship->aiDecisionTimer, 51);
}

TEST_F(ComputerControlTest, FreshShipAlwaysThrustsAndSlowTurnersChooseZeroOrOne) {
  Ref<TShip> ship = Fly(1, 1, SHIP_SPETH, 100, 100, 0);
  ship->launchTicks = 1;
  SetRandomSeed(5);
  const int32_t interval = RandomIntInRange(10, 40);
  const int32_t after = GetRandomSeed();
  SetRandomSeed(5);
  EXPECT_EQ(Control(ship)[INPUT_THRUST], 1);
  EXPECT_EQ(ship->aiThrust, 1);
  EXPECT_EQ(ship->aiDecisionInterval, interval);
  EXPECT_EQ(GetRandomSeed(), after);  // one draw only

  slotShipValue[1][GROUP_HULL][HULL_TURN_RATE] = 1.0f;
  for (int32_t seed = 1; seed <= 40; ++seed) {
    ship->launchTicks = 0;
    ship->aiDecisionTimer = ship->aiDecisionInterval = 0;
    SetRandomSeed(seed);
    RandomIntInRange(10, 40);
    const int32_t expected = RandomIntInRange(0, 1);
    SetRandomSeed(seed);
    Control(ship);
    EXPECT_EQ(ship->aiThrust, expected) << seed;
    EXPECT_EQ(playerInput[1][INPUT_THRUST], expected) << seed;
  }
}

TEST_F(ComputerControlTest, TargetIsDrawnAmongTargetableEnemiesAndKeptWhileItFlies) {
  Ref<TShip> ship = Fly(2, 1, SHIP_DRONT, 640, 512, 0);
  Fly(1, 1, SHIP_DRONT, 100, 100, 0);  // same team: never a candidate
  Fly(3, 2, SHIP_DRONT, 1000, 200, 0);
  Fly(4, 3, SHIP_DRONT, 300, 900, 0);
  NoDecision(ship);
  for (int32_t seed = 1; seed <= 30; ++seed) {
    ship->aiTarget = 0;
    SetRandomSeed(seed);
    const int32_t pick = RandomIntInRange(1, 2);
    SetRandomSeed(seed);
    Control(ship);
    EXPECT_EQ(ship->aiTarget, pick == 1 ? 3 : 4) << seed;
  }
  // Kept: no further draw.
  ship->aiTarget = 4;
  int32_t state = GetRandomSeed();
  Control(ship);
  EXPECT_EQ(ship->aiTarget, 4);
  EXPECT_EQ(GetRandomSeed(), state);
  // Its slot choosing again: a new target, drawn among the one candidate.
  slotTable[4][SLOT_ARENA] = ARENA_CHOOSING;
  slotTable[4][SLOT_TARGETABLE] = 0;
  Control(ship);
  EXPECT_EQ(ship->aiTarget, 3);
  EXPECT_NE(GetRandomSeed(), state);
  // No candidate at all: target 0 and no draw.
  slotTable[3][SLOT_TARGETABLE] = 0;
  slotTable[3][SLOT_ARENA] = ARENA_OUT;
  state = GetRandomSeed();
  Control(ship);
  EXPECT_EQ(ship->aiTarget, 0);
  EXPECT_EQ(GetRandomSeed(), state);
}

TEST_F(ComputerControlTest, TurnsTowardTheLeadPointAndFiresOnlyGenericWeaponsWhenLinedUp) {
  // Target straight to the right of a ship heading up: turn right.
  Ref<TShip> ship = Fly(1, 1, SHIP_SPETH, 200, 500, 0);
  Fly(2, 2, SHIP_DRONT, 600, 500, 0);
  NoDecision(ship);
  const int32_t* input = Control(ship);
  EXPECT_EQ(ship->aiTarget, 2);
  EXPECT_EQ(input[INPUT_TURN_RIGHT], 1);
  EXPECT_EQ(input[INPUT_TURN_LEFT], 0);
  EXPECT_EQ(input[INPUT_FIRE_PRIMARY], 0);
  // Heading 200: the shorter way is to the left.
  ship->heading = 200;
  input = Control(ship);
  EXPECT_EQ(input[INPUT_TURN_LEFT], 1);
  // Within the turn rate: snap to aimHeading, and fire when under 3 degrees.
  ship->heading = 91;
  input = Control(ship);
  EXPECT_EQ(input[INPUT_SNAP_HEADING], 1);
  EXPECT_FLOAT_EQ(aimHeading, 90.0f);
  EXPECT_EQ(input[INPUT_FIRE_PRIMARY], 1);
  // Type 15's secondary is an ability: left to its tactic (angle off > 100).
  EXPECT_EQ(input[INPUT_FIRE_SECONDARY], 0);
  slotShipValue[1][GROUP_SECONDARY][WEAPON_ABILITY_MARKER] = 0;
  input = Control(ship);
  EXPECT_EQ(input[INPUT_FIRE_SECONDARY], 1);
  slotShipValue[1][GROUP_PRIMARY][WEAPON_ABILITY_MARKER] = 1.5f;  // truncated: 1
  input = Control(ship);
  EXPECT_EQ(input[INPUT_FIRE_PRIMARY], 0);
}

TEST_F(ComputerControlTest, EveryOtherTargetableEnemyIsEvaluatedAndTheAimClearedFirst) {
  Ref<TShip> ship = Fly(1, 1, SHIP_DRONT, 640, 512, 0);
  Fly(2, 2, SHIP_DRONT, 640, 300, 0);  // straight ahead
  Fly(3, 3, SHIP_DRONT, 900, 512, 0);
  Fly(4, 1, SHIP_DRONT, 640, 100, 0);  // a friend ahead: not evaluated
  NoDecision(ship);
  ship->aiTarget = 3;
  aimResult[4][1] = aimResult[4][2] = 1.0f;
  Control(ship);
  EXPECT_EQ(aimResult[2][1], 1.0f);
  EXPECT_EQ(aimResult[2][2], 1.0f);
  EXPECT_FLOAT_EQ(aimResult[2][3], 212.0f);
  EXPECT_EQ(aimResult[3][1], 1.0f);
  EXPECT_EQ(aimResult[3][2], 0.0f);
  EXPECT_EQ(aimResult[4][1], 0.0f);
  EXPECT_EQ(aimResult[4][2], 0.0f);
  // Slot 2 lined up, though not the target: the generic rule fires.
  EXPECT_EQ(playerInput[1][INPUT_FIRE_PRIMARY], 1);
  // The turn follows the target (slot 3, to the right), aimHeading its bearing.
  EXPECT_EQ(playerInput[1][INPUT_TURN_RIGHT], 1);
}

TEST_F(ComputerControlTest, WithoutATargetNothingFiresButThrustDecisionsGoOn) {
  Ref<TShip> ship = Fly(1, 1, SHIP_DRONT, 640, 300, 0);
  Fly(2, 1, SHIP_DRONT, 640, 100, 0);  // only a friend, dead ahead
  const int32_t* input = Control(ship);
  EXPECT_EQ(ship->aiTarget, 0);
  EXPECT_EQ(input[INPUT_FIRE_PRIMARY], 0);
  EXPECT_EQ(input[INPUT_FIRE_SECONDARY], 0);
  EXPECT_GE(ship->aiDecisionInterval, 10);
  // Aiming at target 0 aims at the snapshot's row 0, the arena's centre:
  // a ship with nothing to fight turns toward the middle. Heading up, the
  // centre lies exactly behind: no turn.
  EXPECT_EQ(input[INPUT_TURN_LEFT] + input[INPUT_TURN_RIGHT] + input[INPUT_SNAP_HEADING], 0);
  ship->heading = 90;  // the centre lies to the right of the nose: turn right
  input = Control(ship);
  EXPECT_EQ(input[INPUT_TURN_RIGHT], 1);
}

struct TacticCase {
  const char* what;
  int32_t type;
  bool primary, secondary;
};

// A ship of `type` in slot 1 against slot 2 at distance d, straight ahead or
// at an angle off its heading.
class Tactics : public ComputerControlTest {
 protected:
  Ref<TShip> Duel(int32_t type, float distance, float angleOff, int32_t enemyType = SHIP_DRONT) {
    Ref<TShip> ship = Fly(1, 1, type, 640, 512, 0);
    const double a = angleOff * 0.017453292519943295;
    Fly(2, 2, enemyType, static_cast<float>(640 + std::sin(a) * distance),
        static_cast<float>(512 - std::cos(a) * distance), 0);
    NoDecision(ship);
    ship->aiTarget = 2;
    return ship;
  }
  static bool Secondary(const Ref<TShip>& ship) { return Control(ship)[INPUT_FIRE_SECONDARY] == 1; }
  static bool Primary(const Ref<TShip>& ship) { return Control(ship)[INPUT_FIRE_PRIMARY] == 1; }
};

TEST_F(Tactics, DistanceRules) {
  struct Case {
    int32_t type;
    float near, far;  // fires at near, not at far
    float angle;
  };
  // 5 lined up within 350; 8, 10, 12, 14, 31 evaluated within 150/75/75/175/75.
  const Case cases[] = {{5, 349, 351, 0},   {8, 149, 151, 40}, {10, 74, 76, 40}, {12, 74, 76, 40},
                        {14, 174, 176, 40}, {31, 74, 76, 40},  {37, 99, 101, 40}};
  for (const Case& c : cases) {
    ResetMatchObjects();
    EXPECT_TRUE(Secondary(Duel(c.type, c.near, c.angle))) << c.type;
    ResetMatchObjects();
    EXPECT_FALSE(Secondary(Duel(c.type, c.far, c.angle))) << c.type;
  }
  // 5 needs the slot lined up.
  ResetMatchObjects();
  EXPECT_FALSE(Secondary(Duel(SHIP_NALEN, 100, 40)));
  // 37 spares a slot already held by its trap.
  ResetMatchObjects();
  slotEffectState[2][4] = 1;
  EXPECT_FALSE(Secondary(Duel(SHIP_JERBOAFA, 50, 40)));
}

TEST_F(Tactics, AngleRules) {
  // 13 and 25 fire backwards at a slot more than 170 degrees off; 15 beyond
  // 100 within 250; 35 sideways between 80 and 100.
  EXPECT_TRUE(Secondary(Duel(SHIP_GROK, 300, 175)));
  ResetMatchObjects();
  EXPECT_FALSE(Secondary(Duel(SHIP_GROK, 300, 165)));
  ResetMatchObjects();
  Ref<TShip> grates = Duel(SHIP_GRATES, 300, 175);
  EXPECT_TRUE(Secondary(grates));
  EXPECT_TRUE(Primary(grates));
  ResetMatchObjects();
  EXPECT_TRUE(Secondary(Duel(SHIP_SPETH, 240, 120)));
  ResetMatchObjects();
  EXPECT_FALSE(Secondary(Duel(SHIP_SPETH, 260, 120)));
  ResetMatchObjects();
  EXPECT_FALSE(Secondary(Duel(SHIP_SPETH, 200, 95)));
  ResetMatchObjects();
  EXPECT_TRUE(Secondary(Duel(SHIP_SERAX, 500, 90)));
  ResetMatchObjects();
  EXPECT_FALSE(Secondary(Duel(SHIP_SERAX, 500, 100.5f)));
  ResetMatchObjects();
  EXPECT_FALSE(Secondary(Duel(SHIP_SERAX, 500, 79)));
}

TEST_F(Tactics, LinedUpRules) {
  // 2: only at a ship not stuck yet.
  EXPECT_TRUE(Secondary(Duel(SHIP_GARM, 300, 0)));
  ResetMatchObjects();
  slotEffectState[2][1] = 1;
  EXPECT_FALSE(Secondary(Duel(SHIP_GARM, 300, 0)));
  slotEffectState[2][1] = 0;
  // 21: far and lined up, or close and not (its secondary marked as an
  // ability here, so that the generic rule stays out of it).
  const std::pair<float, float> ithus[] = {{600, 0}, {400, 0}, {70, 60}, {80, 60}};
  for (const auto& [distance, angle] : ithus) {
    ResetMatchObjects();
    Ref<TShip> ship = Duel(SHIP_ITHUS, distance, angle);
    slotShipValue[1][GROUP_SECONDARY][WEAPON_ABILITY_MARKER] = 1;
    EXPECT_EQ(Secondary(ship), distance == 600 || distance == 70) << distance;
  }
  // 30: only at ships worth 20 or more.
  ResetMatchObjects();
  Ref<TShip> sheval = Duel(SHIP_SHEVAL, 300, 0);
  slotShipValue[2][GROUP_HULL][HULL_PRICE] = 19.5f;
  EXPECT_FALSE(Secondary(sheval));
  slotShipValue[2][GROUP_HULL][HULL_PRICE] = 20;
  EXPECT_TRUE(Secondary(sheval));
  // 39: the primary (an ability) when lined up within 360.
  ResetMatchObjects();
  EXPECT_TRUE(Primary(Duel(SHIP_XIAPAS, 359, 0)));
  ResetMatchObjects();
  EXPECT_FALSE(Primary(Duel(SHIP_XIAPAS, 361, 0)));
}

TEST_F(Tactics, StateAndArmourRules) {
  // 7: with a target only with 24 energy; without one always.
  Ref<TShip> avrax = Duel(SHIP_AVRAX, 300, 90);
  avrax->energy = 23.9f;
  EXPECT_FALSE(Secondary(avrax));
  avrax->energy = 24;
  EXPECT_TRUE(Secondary(avrax));
  slotTable[2][SLOT_TARGETABLE] = 0;
  slotTable[2][SLOT_ARENA] = ARENA_CHOOSING;
  avrax->energy = 0;
  EXPECT_TRUE(Secondary(avrax));

  // 17 below half armour: secondary while s1 is 0; primary with a target at s2 = 7.
  ResetMatchObjects();
  Ref<TShip> iwor = Duel(SHIP_IWOR, 300, 90);
  const float maxArmour = slotShipValue[1][GROUP_HULL][HULL_MAX_ARMOR];
  iwor->armour = maxArmour / 2.0f;
  iwor->specialState[2] = 7;
  EXPECT_FALSE(Secondary(iwor));
  EXPECT_FALSE(Primary(iwor));
  iwor->armour = maxArmour / 2.0f - 0.5f;
  EXPECT_TRUE(Secondary(iwor));
  EXPECT_TRUE(Primary(iwor));
  iwor->specialState[1] = 1;
  iwor->specialState[2] = 6;
  EXPECT_FALSE(Secondary(iwor));
  EXPECT_FALSE(Primary(iwor));

  // 18 jumps away when charged (s5 = 200) and badly hit, holding its gun.
  ResetMatchObjects();
  Ref<TShip> arubawi = Duel(SHIP_ARUBAWI, 300, 0);
  arubawi->armour = 1;
  EXPECT_TRUE(Primary(arubawi));
  arubawi->specialState[5] = 200;
  const int32_t* input = Control(arubawi);
  EXPECT_EQ(input[INPUT_FIRE_SECONDARY], 1);
  EXPECT_EQ(input[INPUT_FIRE_PRIMARY], 0);

  // 26 holds its primary while s3 is 0 and uses its secondary every frame.
  ResetMatchObjects();
  Ref<TShip> temper = Duel(SHIP_TEMPER, 300, 0);
  input = Control(temper);
  EXPECT_EQ(input[INPUT_FIRE_PRIMARY], 0);
  EXPECT_EQ(input[INPUT_FIRE_SECONDARY], 1);
  temper->specialState[3] = 1;
  EXPECT_TRUE(Primary(temper));

  // 27 changes its resistance to the target's primary damage type.
  ResetMatchObjects();
  Ref<TShip> kabata = Duel(SHIP_KABATA, 300, 0);
  slotShipValue[2][GROUP_PRIMARY][WEAPON_DAMAGE_TYPE] = 2;
  kabata->specialState[1] = 1;  // already beam
  EXPECT_FALSE(Secondary(kabata));
  kabata->specialState[1] = 0;
  input = Control(kabata);
  EXPECT_EQ(input[INPUT_FIRE_SECONDARY], 1);
  EXPECT_EQ(input[INPUT_FIRE_PRIMARY], 0);
  slotShipValue[2][GROUP_PRIMARY][WEAPON_DAMAGE_TYPE] = 4;
  EXPECT_FALSE(Secondary(kabata));

  // 36 holds its primary near an enemy or at 6 armour, and uses its
  // secondary within 125.
  ResetMatchObjects();
  Ref<TShip> anatos = Duel(SHIP_ANATOS, 150, 0);
  input = Control(anatos);
  EXPECT_EQ(input[INPUT_FIRE_PRIMARY], 0);
  EXPECT_EQ(input[INPUT_FIRE_SECONDARY], 0);
  ResetMatchObjects();
  anatos = Duel(SHIP_ANATOS, 120, 0);
  EXPECT_TRUE(Secondary(anatos));
  ResetMatchObjects();
  anatos = Duel(SHIP_ANATOS, 300, 0);
  EXPECT_TRUE(Primary(anatos));
  anatos->armour = 6;
  EXPECT_FALSE(Primary(anatos));
}

TEST_F(Tactics, ShieldsRiseAgainstTheFirstCloseEnemyShotWithoutATarget) {
  for (int32_t type : {SHIP_QOUL, SHIP_URNOX, SHIP_ADAPA}) {
    ResetMatchObjects();
    Ref<TShip> ship = Fly(1, 1, type, 640, 512, 0);
    NoDecision(ship);
    auto shot = [](int32_t team, float x, int32_t destructible) {
      Ref<TShotPlain> s = NewRecord<TShotPlain>();
      s->team = team;
      s->x = x;
      s->y = 512;
      s->destructible = destructible;
      ListAppend(*shotList, Ref<TShot>(s));
    };
    shot(1, 650, 0);  // own team
    shot(2, 660, 1);  // can be shot down
    shot(2, 730, 0);  // 90 away: not within
    EXPECT_FALSE(Secondary(ship)) << type;
    EXPECT_EQ(ship->aiTarget, 0);
    shot(2, 729.5f, 0);
    EXPECT_TRUE(Secondary(ship)) << type;
  }
  // 3, 16 and 19 use theirs every frame, target or not.
  for (int32_t type : {SHIP_COBOTH, SHIP_KALGON, SHIP_PAX}) {
    ResetMatchObjects();
    Ref<TShip> ship = Fly(1, 1, type, 640, 512, 0);
    EXPECT_TRUE(Secondary(ship)) << type;
  }
}

TEST_F(Tactics, WithoutATargetOnlyTheUnguardedRulesAct) {
  // Alone in the arena: target 0, nothing evaluated.
  auto alone = [](int32_t type) {
    ResetMatchObjects();
    Ref<TShip> ship = Fly(1, 1, type, 640, 512, 0);
    NoDecision(ship);
    return ship;
  };
  // 27 would read slot 0's primary (damage type 0, not its mode + 1).
  Ref<TShip> kabata = alone(27);
  const int32_t* input = Control(kabata);
  EXPECT_EQ(kabata->aiTarget, 0);
  for (int32_t v = 1; v <= 4; ++v) EXPECT_EQ(aimResult[v][1], 0.0f) << v;
  EXPECT_EQ(input[INPUT_FIRE_SECONDARY], 0);
  // 13 holds both weapons.
  input = Control(alone(13));
  EXPECT_EQ(input[INPUT_FIRE_PRIMARY], 0);
  EXPECT_EQ(input[INPUT_FIRE_SECONDARY], 0);
  // 17 badly hit: its secondary rule acts, its primary rule needs a target.
  Ref<TShip> iwor = alone(17);
  iwor->armour = 1;
  iwor->specialState[2] = 7;
  input = Control(iwor);
  EXPECT_EQ(input[INPUT_FIRE_SECONDARY], 1);
  EXPECT_EQ(input[INPUT_FIRE_PRIMARY], 0);
  // 18 charged and badly hit jumps away.
  Ref<TShip> arubawi = alone(18);
  arubawi->armour = 1;
  arubawi->specialState[5] = 200;
  EXPECT_TRUE(Secondary(arubawi));
  // 23 rebuilds its plates.
  Ref<TShip> otros = alone(23);
  otros->specialState[1] = 1;
  EXPECT_TRUE(Secondary(otros));
  // 26 uses its secondary and holds its primary while s3 is 0.
  input = Control(alone(26));
  EXPECT_EQ(input[INPUT_FIRE_SECONDARY], 1);
  EXPECT_EQ(input[INPUT_FIRE_PRIMARY], 0);
}

TEST_F(Tactics, SidePlatesAreRebuiltWhenNoneOfTheOwnAreLeft) {
  Ref<TShip> otros = Fly(1, 1, SHIP_OTROS, 640, 512, 0);
  NoDecision(otros);
  otros->specialState[1] = 1;
  Ref<TShotPlain> plate = NewRecord<TShotPlain>();
  plate->shipType = SHIP_OTROS;
  plate->weapon = 2;
  plate->slot = 1;
  ListAppend(*shotList, Ref<TShot>(plate));
  EXPECT_FALSE(Secondary(otros));
  plate->slot = 2;  // another slot's plate does not count
  EXPECT_TRUE(Secondary(otros));
  otros->specialState[1] = 0;
  EXPECT_FALSE(Secondary(otros));
}

// Whole matches of computer slots.
class ComputerMatches : public FolderTest {
 protected:
  ComputerMatches() : FolderTest("qw2_cpu_", "data") {}
};

harness::MatchSetup Computers(int32_t seed,
                              std::initializer_list<std::pair<int32_t, std::vector<int32_t>>> slots,
                              int32_t humans = 0) {
  harness::MatchSetup setup;
  setup.seed = seed;
  setup.scriptSeed = static_cast<uint32_t>(seed) * 3u + 1u;
  setup.maxFrames = 40000;
  int32_t s = 1;
  for (const auto& [team, fleet] : slots) {
    setup.slots[s] = {s <= humans ? CONTROL_HUMAN : CONTROL_COMPUTER, team, fleet};
    ++s;
  }
  return setup;
}

// Ship types with generic weapons and no per-type code but their tactics,
// and the types with code of their own: each golden holds one range of them.
std::vector<harness::Golden> ComputerGoldens() {
  return {
      {"cpu_duel", Computers(8080, {{1, {SHIP_SPETH, SHIP_DRONT}}, {2, {SHIP_GROK, SHIP_WENDE}}})},
      {"cpu_fourway",
       Computers(-1977,
                 {{1, {SHIP_SERAX}}, {2, {SHIP_SPETH}}, {3, {SHIP_DRONT}}, {4, {SHIP_WENDE}}})},
      {"cpu_human_mix",
       Computers(
           424242,
           {{1, {SHIP_WENDE, SHIP_SPETH}}, {2, {SHIP_SERAX}}, {1, {SHIP_GROK}}, {2, {SHIP_DRONT}}},
           1)},
      {"cpu_regal_to_urbatron", Computers(1404, {{1, {SHIP_REGAL, SHIP_SPETH}},
                                                 {2, {SHIP_GARM, SHIP_DRONT}},
                                                 {3, {SHIP_COBOTH, SHIP_GROK}},
                                                 {4, {SHIP_URBATRON, SHIP_WENDE}}})},
      {"cpu_iwor_to_tkharzer",
       Computers(1709,
                 {{1, {SHIP_IWOR}}, {2, {SHIP_ARUBAWI}}, {1, {SHIP_PAX}}, {2, {SHIP_TKHARZER}}})},
      {"cpu_ithus_to_temper",
       Computers(2121,
                 {{1, {SHIP_ITHUS}}, {2, {SHIP_SJUOG}}, {3, {SHIP_OTROS}}, {4, {SHIP_TEMPER}}})},
      {"cpu_kabata_fith", Computers(2727, {{1, {SHIP_KABATA}},
                                           {2, {SHIP_FITH}},
                                           {1, {SHIP_SPETH, SHIP_GROK}},
                                           {2, {SHIP_DRONT, SHIP_SERAX}}})},
      {"cpu_nalen_to_fedzie", Computers(519, {{1, {SHIP_NALEN, SHIP_QOUL}},
                                              {2, {SHIP_DARBER, SHIP_FEDZIE}},
                                              {3, {SHIP_AVRAX, SHIP_SPETH}},
                                              {4, {SHIP_FASER, SHIP_SERAX}}})},
      {"cpu_bridew_to_kalgon", Computers(-1116, {{1, {SHIP_BRIDEW, SHIP_DRONT}},
                                                 {2, {SHIP_EREBOS, SHIP_KALGON}},
                                                 {3, {SHIP_GRATES, SHIP_GROK}},
                                                 {4, {SHIP_SCALUS, SHIP_WENDE}}})},
      // Types 29 to 40; a human Xiapas, as the computer never sets up a station.
      {"cpu_serger_to_anatos", Computers(2, {{1, {SHIP_SERGER, SHIP_TREEK, SHIP_SPETH}},
                                             {2, {SHIP_SHEVAL, SHIP_WENDE}},
                                             {3, {SHIP_HEPRON, SHIP_ANATOS}},
                                             {4, {SHIP_URNOX, SHIP_DRONT}}})},
      {"cpu_jerboafa_to_birken", Computers(3918,
                                           {{1, {SHIP_XIAPAS, SHIP_JERBOAFA}},
                                            {2, {SHIP_ADAPA, SHIP_SERAX}},
                                            {1, {SHIP_BIRKEN, SHIP_COBOTH}},
                                            {2, {SHIP_URBATRON, SHIP_GROK, SHIP_JERBOAFA}}},
                                           1)},
  };
}

TEST_F(ComputerMatches, ComputerMatchesEndAndPlayBackInStep) {
  for (const auto& [name, setup] : ComputerGoldens()) {
    harness::MatchRecord record = harness::RecordMatch(setup);
    ASSERT_TRUE(record.ended) << name << " after " << record.frames << " frames";
    EXPECT_GE(record.winner, 1) << name;
    EXPECT_LE(record.winner, WINNER_DRAW) << name;
    harness::PlaybackResult played = harness::PlayThroughReplayFile(record);
    ASSERT_TRUE(played.started) << name;
    EXPECT_EQ(played.frames, record.frames) << name;
    EXPECT_EQ(played.mismatches, 0) << name << ": " << harness::DescribeDesync(played);
    EXPECT_EQ(played.winner, record.winner) << name;
  }
}

TEST_F(ComputerMatches, ComputerShipsFightWithEveryControl) {
  // Over a match, computer ships thrust, turn both ways, snap, and fire.
  harness::ResetMatchWorld();
  harness::ApplySetup(Computers(77, {{1, {SHIP_SPETH}}, {2, {SHIP_GROK}}}));
  StartMatch();
  SetRandomSeed(77);
  int32_t used[8] = {};
  for (int32_t frame = 0; frame < 3000 && matchOver == 0; ++frame) {
    PollInput();
    MatchUpdate();
    for (int32_t s = 1; s <= 2; ++s)
      if (slotTable[s][SLOT_ARENA] == ARENA_FLYING)
        for (int32_t c = 1; c <= 7; ++c) used[c] += playerInput[s][c];
  }
  for (int32_t c : {INPUT_THRUST, INPUT_TURN_LEFT, INPUT_TURN_RIGHT, INPUT_FIRE_PRIMARY,
                    INPUT_FIRE_SECONDARY, INPUT_SNAP_HEADING})
    EXPECT_GT(used[c], 0) << "control " << c;
  EXPECT_EQ(used[INPUT_SNIPING], 0);
  EXPECT_GT(matchStats[1][1][1] + matchStats[2][1][1] + matchStats[1][1][2] + matchStats[2][1][2] +
                matchStats[1][1][3] + matchStats[2][1][3],
            0.0f);
}

class ComputerGolden : public ComputerMatches,
                       public ::testing::WithParamInterface<harness::Golden> {};

TEST_P(ComputerGolden, PlaysBackInStep) { harness::ExpectGoldenInStep(GetParam()); }

// No prefix: the cases are ComputerGolden.PlaysBackInStep/<file's name>.
INSTANTIATE_TEST_SUITE_P(, ComputerGolden, ::testing::ValuesIn(ComputerGoldens()),
                         harness::GoldenName);

// Together the goldens fly every ship type: each one is seen in the arena.
TEST_F(ComputerMatches, GoldensTogetherFlyEveryShipType) {
  std::set<int32_t> flown;
  for (const harness::Golden& golden : ComputerGoldens()) {
    const Text path = TextFromBytes(std::string(QW2_TEST_DATA_DIR) + "/" + golden.name + ".rep");
    DecompressReplay(path, playbackTempPath);
    const std::vector<uint8_t> data = harness::ReadFileBytes(playbackTempPath);
    ASSERT_GE(data.size(), 8u + 160u) << golden.name;
    const int32_t last = data[4] | data[5] << 8 | data[6] << 16 | data[7] << 24;
    const harness::PlaybackResult played = harness::PlayBackFile(playbackTempPath, last, [&flown] {
      ForEachInList(*shipList, [&flown](const Ref<TShip>& ship) { flown.insert(ship->shipType); });
    });
    ASSERT_TRUE(played.started) << golden.name;
  }
  for (int32_t type = 1; type <= shipCount; ++type) EXPECT_EQ(flown.count(type), 1u) << type;
}

// Frames of a computer match drawn with the game's pictures, for looking at.
TEST(ComputerMatchFrames, WritesFramesWhenAsked) {
  const char* folder = std::getenv("QW2_MATCH_FRAMES");
  if (folder == nullptr) GTEST_SKIP() << "set QW2_MATCH_FRAMES to a folder to write frames";
  std::filesystem::create_directories(folder);
  harness::ResetMatchWorld();
  ResetPlatformDisplay();
  ASSERT_TRUE(harness::OpenHeadlessDisplayWithPictures());
  harness::ApplySetup(Computers(2026, {{1, {SHIP_SPETH, SHIP_SERAX}},
                                       {2, {SHIP_GROK, SHIP_DRONT}},
                                       {3, {SHIP_WENDE, SHIP_SPETH}},
                                       {4, {SHIP_SERAX, SHIP_GROK}}}));
  StartMatch();
  SetRandomSeed(2026);
  int32_t written = 0;
  for (int32_t frame = 1; frame <= 40000 && matchOver == 0; ++frame) {
    PollInput();
    MatchUpdate();
    if (frame % 150 != 0 && !(frame > 1 && matchWinner != 0 && matchOverDelay == 60)) continue;
    SetClearColour(0, 0, 15);
    ClearBackBuffer();
    MatchDraw();
    const std::string path =
        std::string(folder) + "/frame_" + std::to_string(100000 + frame).substr(1) + ".png";
    ASSERT_TRUE(WriteFramebufferPng(path));
    ++written;
  }
  EXPECT_GT(written, 0);
  ResetPlatformDisplay();
}

}  // namespace
