// The game mode, challenge and melee set-up screens driven through the real
// frame loop with scripted clicks and keys, and the random fleet purchase.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "catalogue/explosions.hpp"
#include "catalogue/ships.hpp"
#include "match/bitmap_text.hpp"
#include "match/input_edges.hpp"
#include "match/key_codes.hpp"
#include "match/match_tables.hpp"
#include "match/media_tables.hpp"
#include "match/shell_tables.hpp"
#include "media/embedded_media.hpp"
#include "platform/display.hpp"
#include "platform/draw.hpp"
#include "platform/fsound.hpp"
#include "platform/headless.hpp"
#include "platform/input.hpp"
#include "platform/random.hpp"
#include "shell/media_load.hpp"
#include "shell/random_fleet.hpp"
#include "shell/screens.hpp"
#include "shell/setup_screens.hpp"
#include "shell/startup_tables.hpp"
#include "tests/game_pictures.hpp"
#include "tests/shell_harness.hpp"

namespace fs = std::filesystem;

namespace {

using shellharness::Calls;
using shellharness::Click;
using shellharness::FrameAt;
using shellharness::PressKey;
using shellharness::SoundsPlayed;

float Price(int32_t shipType) { return shipValue[shipType][GROUP_HULL][HULL_PRICE]; }

class SetupScreens : public shellharness::ShellTest {
 protected:
  SetupScreens() : ShellTest("qw2_setup_") {}
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(ShellTest::SetUp());
    if (!WithMedia()) {
      // Stand-ins, so that the log tells the two sounds apart.
      tickSound = 9001;
      alarmSound = 9002;
    }
    HeadlessSetMouse(5, 5, 0);
    RunFrame();  // the main menu brightens in
    ClearAudioCallLog();
  }

  // Main menu -> NEW GAME -> CHALLENGE or MELEE; the set-up screen has run
  // its first frame when this returns.
  static void OpenChallenge() {
    Click(640, 400);
    Click(640, 480);
    HeadlessSetMouse(5, 5, 0);
    RunFrame();
    ASSERT_EQ(currentScreen, SCREEN_CHALLENGE_SETUP);
  }
  static void OpenMelee() {
    Click(640, 400);
    Click(640, 560);
    HeadlessSetMouse(5, 5, 0);
    RunFrame();
    ASSERT_EQ(currentScreen, SCREEN_MELEE_SETUP);
  }

  static std::vector<int32_t> TablesSnapshot() {
    std::vector<int32_t> v(reinterpret_cast<const int32_t*>(slotTable),
                           reinterpret_cast<const int32_t*>(slotTable) + sizeof slotTable / 4);
    v.insert(v.end(), reinterpret_cast<const int32_t*>(fleetTable),
             reinterpret_cast<const int32_t*>(fleetTable) + sizeof fleetTable / 4);
    return v;
  }
};

// Melee grid centres.
constexpr int32_t kControlX[3] = {449, 491, 533};
int32_t RowY(int32_t slot) { return 484 + 84 * (slot - 1); }

}  // namespace

// ---------------------------------------------------------------- game mode

TEST_F(SetupScreens, GameModeItemsAndTheirBoxes) {
  Click(640, 400);  // NEW GAME
  RunFrame();
  EXPECT_EQ(currentScreen, SCREEN_GAME_MODE);
  EXPECT_EQ(fadePhase, FADE_NONE) << "no fade into or out of the game mode screen";
  EXPECT_EQ(menuGlow[1][1], 640);
  EXPECT_EQ(menuGlow[1][2], 463);
  EXPECT_EQ(menuGlow[3][2], 623);
  EXPECT_EQ(musicTrack, TRACK_MENU);

  // Strict box: cx - 284 < x < cx + 284, cy < y < cy + 42.
  const struct {
    int32_t x, y;
    bool in;
  } probes[] = {{356, 480, false}, {357, 480, true}, {923, 480, true}, {924, 480, false},
                {640, 463, false}, {640, 464, true}, {640, 504, true}, {640, 505, false}};
  for (const auto& p : probes) {
    menuGlow[1][0] = 0;
    HeadlessSetMouse(p.x, p.y, 0);
    RunFrame();
    EXPECT_EQ(menuGlow[1][0], p.in ? 1 : 0) << p.x << "," << p.y;
  }

  playbackMode = 1;
  ClearAudioCallLog();
  Click(640, 480);
  EXPECT_EQ(gameMode, MODE_CHALLENGE);
  EXPECT_EQ(playbackMode, 0);
  EXPECT_EQ(pendingScreen, SCREEN_CHALLENGE_SETUP);
  EXPECT_EQ(fadePhase, FADE_NONE);
  EXPECT_EQ(SoundsPlayed(tickSound), 1u);
}

TEST_F(SetupScreens, GameModeMeleeCancelAndEscape) {
  Click(640, 400);
  playbackMode = 1;
  Click(640, 560);
  EXPECT_EQ(gameMode, MODE_MELEE);
  EXPECT_EQ(playbackMode, 0);
  RunFrame();
  EXPECT_EQ(currentScreen, SCREEN_MELEE_SETUP);

  pendingScreen = SCREEN_GAME_MODE;
  Click(640, 640);  // CANCEL
  EXPECT_EQ(pendingScreen, SCREEN_MAIN_MENU);

  RunFrame();
  pendingScreen = SCREEN_GAME_MODE;
  RunFrame();
  ClearAudioCallLog();
  PressKey(KEY_ESCAPE);
  EXPECT_EQ(pendingScreen, SCREEN_MAIN_MENU);
  EXPECT_EQ(SoundsPlayed(tickSound), 0u) << "Escape makes no click";
  EXPECT_EQ(quitRequested, 0);
  RunFrame();
  EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);
  EXPECT_EQ(quitRequested, 0) << "the key press was used up on the game mode screen";
}

// ---------------------------------------------------------------- challenge

TEST_F(SetupScreens, ChallengeChoicesStartAtOneAndAreKeptForTheRun) {
  EXPECT_EQ(challengePlayers, 0);
  EXPECT_EQ(challengeFleetKind, 0);
  OpenChallenge();
  EXPECT_EQ(challengePlayers, 1);
  EXPECT_EQ(challengeFleetKind, FLEET_CUSTOM);

  ClearAudioCallLog();
  Click(640, 480);  // PLAYERS
  EXPECT_EQ(challengePlayers, 2);
  Click(640, 480);
  EXPECT_EQ(challengePlayers, 1);
  Click(640, 480);
  Click(640, 560);  // fleet kind
  EXPECT_EQ(challengeFleetKind, FLEET_RANDOM);
  EXPECT_EQ(SoundsPlayed(tickSound), 4u);

  // Escape and CANCEL change no table.
  const std::vector<int32_t> tables = TablesSnapshot();
  PressKey(KEY_ESCAPE);
  EXPECT_EQ(pendingScreen, SCREEN_MAIN_MENU);
  EXPECT_EQ(fadePhase, FADE_NONE);
  EXPECT_EQ(TablesSnapshot(), tables);
  RunFrame();
  EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);
  OpenChallenge();
  EXPECT_EQ(challengePlayers, 2);
  EXPECT_EQ(challengeFleetKind, FLEET_RANDOM);
  const std::vector<int32_t> afterMenu = TablesSnapshot();
  Click(440, 720);  // CANCEL
  EXPECT_EQ(pendingScreen, SCREEN_MAIN_MENU);
  EXPECT_EQ(TablesSnapshot(), afterMenu);
}

TEST_F(SetupScreens, ChallengeBoxesTakeLeftAndTopEdgesIn) {
  OpenChallenge();
  const struct {
    int32_t row, x, y;
    bool in;
  } probes[] = {
      {1, 707, 720, true}, {1, 706, 720, false}, {1, 977, 720, true}, {1, 978, 720, false},
      {1, 842, 704, true}, {1, 842, 703, false}, {1, 842, 744, true}, {1, 842, 745, false},
      {2, 308, 720, true}, {2, 307, 720, false}, {2, 572, 720, true}, {2, 573, 720, false},
      {3, 301, 464, true}, {3, 300, 464, false}, {3, 979, 504, true}, {3, 979, 505, false},
      {4, 301, 544, true}, {4, 640, 543, false}, {4, 979, 584, true}, {4, 980, 584, false}};
  for (const auto& p : probes) {
    for (int32_t row = 1; row <= 4; ++row) menuGlow[row][0] = 0;
    HeadlessSetMouse(p.x, p.y, 0);
    RunFrame();
    EXPECT_EQ(menuGlow[p.row][0], p.in ? 1 : 0) << p.row << ": " << p.x << "," << p.y;
  }
}

TEST_F(SetupScreens, ChallengeOnePlayerCustomFleet) {
  OpenChallenge();
  SetRandomSeed(777);
  ClearAudioCallLog();
  Click(842, 720);  // ACCEPT
  EXPECT_EQ(pendingScreen, SCREEN_NEXT_SHOPPER);
  EXPECT_EQ(fadePhase, FADE_IN) << "the fade-out ran in the frame of the click";
  EXPECT_EQ(musicFadeVolume, 0) << "custom fleets keep the music";
  EXPECT_EQ(Calls("FSOUND_SetVolume"), 0u);
  EXPECT_EQ(SoundsPlayed(tickSound), 1u);

  const int32_t controls[5] = {0, CONTROL_HUMAN, CONTROL_DISABLED, CONTROL_COMPUTER,
                               CONTROL_DISABLED};
  const int32_t teams[5] = {0, 1, 1, 2, 2};
  const int32_t kinds[5] = {0, FLEET_CUSTOM, FLEET_CUSTOM, FLEET_RANDOM, FLEET_RANDOM};
  const int32_t arena[5] = {0, ARENA_CHOOSING, ARENA_OUT, ARENA_CHOOSING, ARENA_OUT};
  for (int32_t slot = 1; slot <= 4; ++slot) {
    EXPECT_EQ(slotTable[slot][SLOT_CONTROL], controls[slot]) << slot;
    EXPECT_EQ(slotTable[slot][SLOT_TEAM], teams[slot]) << slot;
    EXPECT_EQ(slotTable[slot][SLOT_FLEET_KIND], kinds[slot]) << slot;
    EXPECT_EQ(slotTable[slot][SLOT_ARENA], arena[slot]) << slot;
    // The melee's own columns are left alone.
    EXPECT_EQ(slotTable[slot][SLOT_MELEE_CONTROL], slot <= 2 ? 1 : 0) << slot;
    EXPECT_EQ(slotTable[slot][SLOT_MELEE_TEAM], slot) << slot;
  }
  // Budget 10 with no bonus ships: the humans keep theirs for the shop.
  EXPECT_EQ(fleetTable[1][1][2], 10);
  EXPECT_EQ(fleetTable[2][1][2], 10);
  EXPECT_EQ(fleetTable[1][1][1], 0);
  EXPECT_EQ(fleetTable[2][1][1], 0);
  // Computer slot 3 and the disabled slot 4 both got random fleets.
  for (int32_t slot = 3; slot <= 4; ++slot) {
    EXPECT_GE(fleetTable[slot][1][1], 1) << slot;
    EXPECT_GE(fleetTable[slot][1][2], 0) << slot;
  }

  // Screen 4 announces player 1 with the shop music, then hands over to the
  // ship shop; the loop keeps running there.
  ClearAudioCallLog();
  RunFrame();
  EXPECT_EQ(currentScreen, SCREEN_NEXT_SHOPPER);
  EXPECT_EQ(shopPlayer, 1);
  EXPECT_EQ(musicTrack, TRACK_SHIPSHOP);
  for (int32_t i = 0; i < 100; ++i) ASSERT_TRUE(RunFrame());
  EXPECT_EQ(currentScreen, SCREEN_SHIP_SHOP);
  // Escape asks whether to give the game up; yes leads back to the main menu.
  PressKey(KEY_ESCAPE);
  RunFrame();
  EXPECT_EQ(currentScreen, SCREEN_CONFIRM_ABORT_SHOP);
  PressKey(KEY_Y);
  RunFrame();
  EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);
}

TEST_F(SetupScreens, ChallengeTwoPlayersRandomFleetsStartTheMatch) {
  bonusShipsUnlocked = 7;
  OpenChallenge();
  Click(640, 480);  // two players
  Click(640, 560);  // random
  ClearAudioCallLog();
  Click(842, 720);
  EXPECT_EQ(pendingScreen, SCREEN_NEXT_SHOPPER);
  // The menu music fades out over the first 20 of the 25 fade steps.
  EXPECT_EQ(Calls("FSOUND_SetVolume"), 20u);
  EXPECT_EQ(musicFadeVolume, 0);
  EXPECT_TRUE(NoTakingPartCustomFleet()) << "PLEASE STAND BY is drawn over this fade";

  const int32_t controls[5] = {0, CONTROL_HUMAN, CONTROL_HUMAN, CONTROL_COMPUTER, CONTROL_COMPUTER};
  for (int32_t slot = 1; slot <= 4; ++slot) {
    EXPECT_EQ(slotTable[slot][SLOT_CONTROL], controls[slot]) << slot;
    EXPECT_EQ(slotTable[slot][SLOT_TEAM], slot <= 2 ? 1 : 2) << slot;
    EXPECT_EQ(slotTable[slot][SLOT_FLEET_KIND], FLEET_RANDOM) << slot;
    EXPECT_EQ(slotTable[slot][SLOT_ARENA], ARENA_CHOOSING) << slot;
    // Budget 10 + 3 x 7 = 31, spent on at least one ship.
    EXPECT_GE(fleetTable[slot][1][1], 1) << slot;
    EXPECT_LT(fleetTable[slot][1][2], 31) << slot;
    EXPECT_GE(fleetTable[slot][1][2], 0) << slot;
    int32_t spent = 0;
    for (int32_t k = 1; k <= fleetTable[slot][1][1]; ++k) {
      spent += static_cast<int32_t>(Price(fleetTable[slot][2][k]));
    }
    EXPECT_EQ(spent + fleetTable[slot][1][2], 31) << slot;
  }

  // Nobody shops: screen 4 starts the match in its first frame, which then
  // starts the in-game music.
  ClearAudioCallLog();
  RunFrame();
  EXPECT_EQ(currentScreen, SCREEN_MATCH);
  EXPECT_EQ(lastScreen, SCREEN_MATCH);
  EXPECT_EQ(musicTrack, TRACK_INGAME);
  EXPECT_EQ(Calls("FSOUND_Stream_Open data/music/shipshop.ogg"), 0u);
  EXPECT_EQ(Calls("FSOUND_Stream_Open data/music/ingame.ogg"), 1u);
  EXPECT_EQ(replayData[0][3][1], CONTROL_COMPUTER);
  EXPECT_EQ(replayData[0][1][4], FLEET_RANDOM);
  EXPECT_EQ(replayData[0][2][3], fleetTable[2][1][1]);
  EXPECT_EQ(replayData[1][4][0], fleetTable[4][2][1]);
}

TEST_F(SetupScreens, ChallengeBudgetWithEveryBonusShip) {
  bonusShipsUnlocked = maxBonusShips;
  OpenChallenge();
  Click(842, 720);
  for (int32_t slot = 1; slot <= 2; ++slot) EXPECT_EQ(fleetTable[slot][1][2], 100) << slot;
}

TEST_F(SetupScreens, ChallengeBuysTheRandomFleetsInSlotOrder) {
  OpenChallenge();
  Click(640, 560);  // random, one player: slot 2 is disabled yet gets a fleet
  SetRandomSeed(4242);
  Click(842, 720);
  int32_t bought[5][31] = {};
  for (int32_t slot = 1; slot <= 4; ++slot) {
    for (int32_t k = 0; k <= 30; ++k) bought[slot][k] = fleetTable[slot][2][k];
  }
  EXPECT_GE(fleetTable[2][1][1], 1);
  const int32_t randomState = GetRandomSeed();

  // The same purchases made one after the other from the same seed.
  for (int32_t slot = 1; slot <= 4; ++slot) {
    fleetTable[slot][1][1] = 0;
    fleetTable[slot][1][2] = 10;
    for (int32_t k = 1; k <= 30; ++k) fleetTable[slot][2][k] = 0;
  }
  SetRandomSeed(4242);
  for (int32_t slot = 1; slot <= 4; ++slot) BuyRandomFleet(slot);
  for (int32_t slot = 1; slot <= 4; ++slot) {
    for (int32_t k = 0; k <= 30; ++k) EXPECT_EQ(fleetTable[slot][2][k], bought[slot][k]);
  }
  EXPECT_EQ(GetRandomSeed(), randomState);
}

// ---------------------------------------------------------------- random fleets

TEST(RandomFleet, SmallBudgetsBuyExactlyWhatTheyCan) {
  ResetShellTables();
  ResetMatchTables();
  InitShipCatalogue();
  RankShipTypes();
  // Money 2: only the 2-priced ship fits, bought with one draw.
  fleetTable[1][1][2] = 2;
  SetRandomSeed(99);
  BuyRandomFleet(1);
  EXPECT_EQ(fleetTable[1][1][1], 1);
  EXPECT_EQ(fleetTable[1][2][1], shipOrder[1]);
  EXPECT_EQ(Price(shipOrder[1]), 2.0f);
  EXPECT_EQ(fleetTable[1][1][2], 0);
  SetRandomSeed(99);
  RandomIntInRange(1, 1);
  const int32_t afterOneDraw = GetRandomSeed();
  SetRandomSeed(99);
  fleetTable[2][1][2] = 2;
  BuyRandomFleet(2);
  EXPECT_EQ(GetRandomSeed(), afterOneDraw);

  // Money 1: nothing is affordable, nothing is drawn.
  fleetTable[3][1][2] = 1;
  SetRandomSeed(99);
  BuyRandomFleet(3);
  EXPECT_EQ(fleetTable[3][1][1], 0);
  EXPECT_EQ(fleetTable[3][1][2], 1);
  EXPECT_EQ(GetRandomSeed(), 99);

  // Money 4: 2 + 2, or one ship of 4.
  for (int32_t seed = 1; seed <= 40; ++seed) {
    fleetTable[4][1][1] = 0;
    fleetTable[4][1][2] = 4;
    for (int32_t k = 1; k <= 30; ++k) fleetTable[4][2][k] = 0;
    SetRandomSeed(seed * 7919);
    BuyRandomFleet(4);
    EXPECT_EQ(fleetTable[4][1][2], 0) << seed;
    if (fleetTable[4][1][1] == 2) {
      EXPECT_EQ(Price(fleetTable[4][2][1]), 2.0f);
      EXPECT_EQ(Price(fleetTable[4][2][2]), 2.0f);
    } else {
      ASSERT_EQ(fleetTable[4][1][1], 1) << seed;
      EXPECT_EQ(Price(fleetTable[4][2][1]), 4.0f);
    }
  }
}

TEST(RandomFleet, FleetsStayWithinMoneySizeAndTheAvailableShips) {
  ResetShellTables();
  ResetMatchTables();
  InitShipCatalogue();
  RankShipTypes();
  const int32_t budgets[] = {5, 10, 31, 55, 100, 200, 333, 600};
  const int32_t bonuses[] = {0, 1, 15, 30};
  int32_t fleets = 0;
  int32_t fullFleets = 0;
  for (const int32_t bonus : bonuses) {
    bonusShipsUnlocked = bonus;
    const int32_t n = 10 + bonus;
    for (const int32_t budget : budgets) {
      for (int32_t seed = 1; seed <= 25; ++seed) {
        for (int32_t k = 0; k <= 30; ++k) fleetTable[1][2][k] = 0;
        fleetTable[1][1][1] = 0;
        fleetTable[1][1][2] = budget;
        const int32_t fixedSeed = seed * 104729 + budget * 31 + bonus;
        SetRandomSeed(fixedSeed);
        BuyRandomFleet(1);
        const int32_t size = fleetTable[1][1][1];
        const int32_t left = fleetTable[1][1][2];
        SCOPED_TRACE(testing::Message()
                     << "bonus " << bonus << " budget " << budget << " seed " << fixedSeed);
        ASSERT_GE(size, 1);
        ASSERT_LE(size, 30);
        EXPECT_GE(left, 0);
        EXPECT_EQ(fleetTable[1][2][size + (size < 30 ? 1 : 0)] == 0, size < 30);

        // Replay the purchase against the rule: every ship affordable and dear
        // enough for the free places to use up the spendable money.
        int32_t reserve = budget - static_cast<int32_t>(Price(shipOrder[n / 2]) * 30.0f);
        if (reserve < 0) reserve = 0;
        int32_t money = budget;
        for (int32_t k = 1; k <= size; ++k) {
          const int32_t shipType = fleetTable[1][2][k];
          int32_t position = 0;
          for (int32_t p = 1; p <= n; ++p) position = shipOrder[p] == shipType ? p : position;
          EXPECT_GE(position, 1) << "ship " << shipType << " is not available";
          EXPECT_LE(Price(shipType), static_cast<float>(money));
          EXPECT_LE(static_cast<float>(money - reserve),
                    Price(shipType) * static_cast<float>(30 - (k - 1)));
          money = static_cast<int32_t>(static_cast<float>(money) - Price(shipType));
        }
        EXPECT_EQ(money, left);
        // It stopped because nothing fitted any more, or the fleet is full.
        if (size < 30) {
          for (int32_t p = 1; p <= n; ++p) {
            const float price = Price(shipOrder[p]);
            EXPECT_FALSE(static_cast<float>(left - reserve) <=
                             price * static_cast<float>(30 - size) &&
                         price <= static_cast<float>(left))
                << "position " << p << " still fitted";
          }
        } else {
          ++fullFleets;
        }
        // One draw per ship.
        SetRandomSeed(fixedSeed);
        for (int32_t k = 0; k < size; ++k) RandomIntInRange(1, 1);
        const int32_t expectedState = GetRandomSeed();
        fleetTable[1][1][1] = 0;
        fleetTable[1][1][2] = budget;
        SetRandomSeed(fixedSeed);
        BuyRandomFleet(1);
        EXPECT_EQ(GetRandomSeed(), expectedState);
        ++fleets;
      }
    }
  }
  EXPECT_EQ(fleets, 4 * 8 * 25);
  EXPECT_GT(fullFleets, 0) << "the thirty-ship limit was reached somewhere";
}

TEST(RandomFleet, TheReserveKeepsTheFirstShipsDear) {
  ResetShellTables();
  ResetMatchTables();
  InitShipCatalogue();
  RankShipTypes();
  // All 40 ships, 600 money: the middle ship (position 20) costs 16, so 120
  // are kept back and each of the 30 places must carry at least 480 / 30.
  bonusShipsUnlocked = maxBonusShips;
  ASSERT_EQ(Price(shipOrder[20]), 16.0f);
  for (int32_t seed = 1; seed <= 50; ++seed) {
    fleetTable[1][1][1] = 0;
    fleetTable[1][1][2] = 600;
    SetRandomSeed(seed);
    BuyRandomFleet(1);
    EXPECT_GE(Price(fleetTable[1][2][1]), 16.0f) << seed;
  }
}

TEST(RandomFleet, AFullFleetTakesNoMore) {
  ResetShellTables();
  ResetMatchTables();
  InitShipCatalogue();
  RankShipTypes();
  fleetTable[1][1][1] = 30;
  fleetTable[1][1][2] = 500;
  SetRandomSeed(5);
  BuyRandomFleet(1);
  EXPECT_EQ(fleetTable[1][1][1], 30);
  EXPECT_EQ(fleetTable[1][1][2], 500);
  EXPECT_EQ(GetRandomSeed(), 5);
  // Partly filled: the purchase appends and stops at thirty. Money 20 for
  // two places: only ships of 10 fit (20 <= 2p and p <= 20, then 10 <= p).
  fleetTable[2][1][1] = 28;
  fleetTable[2][1][2] = 20;
  BuyRandomFleet(2);
  EXPECT_EQ(fleetTable[2][1][1], 30);
  EXPECT_EQ(Price(fleetTable[2][2][29]), 10.0f);
  EXPECT_EQ(Price(fleetTable[2][2][30]), 10.0f);
  EXPECT_EQ(fleetTable[2][1][2], 0);
}

// ---------------------------------------------------------------- melee

TEST_F(SetupScreens, MeleeFirstVisitAndRememberedColumns) {
  OpenMelee();
  const int32_t controls[5] = {0, 1, 1, 0, 0};
  for (int32_t slot = 1; slot <= 4; ++slot) {
    EXPECT_EQ(slotTable[slot][SLOT_CONTROL], controls[slot]);
    EXPECT_EQ(slotTable[slot][SLOT_TEAM], slot);
    EXPECT_EQ(slotTable[slot][SLOT_FLEET_KIND], FLEET_CUSTOM);
    EXPECT_EQ(fleetTable[slot][1][3], 200);
  }
  // Slot 3 becomes a computer on team B; a challenge then overwrites the
  // controls and teams; the melee brings its own back.
  Click(kControlX[2], RowY(3));
  Click(608, RowY(3));  // team down: C -> B
  EXPECT_EQ(slotTable[3][SLOT_CONTROL], CONTROL_COMPUTER);
  EXPECT_EQ(slotTable[3][SLOT_MELEE_CONTROL], CONTROL_COMPUTER);
  EXPECT_EQ(slotTable[3][SLOT_TEAM], 2);
  EXPECT_EQ(slotTable[3][SLOT_MELEE_TEAM], 2);
  PressKey(KEY_ESCAPE);
  RunFrame();
  OpenChallenge();
  Click(640, 480);  // two players
  Click(842, 720);
  EXPECT_EQ(slotTable[3][SLOT_TEAM], 2);
  EXPECT_EQ(slotTable[4][SLOT_CONTROL], CONTROL_COMPUTER);
  // Back to the menu the way the shop's abort would go, then to the melee.
  pendingScreen = SCREEN_MAIN_MENU;
  fadePhase = FADE_NONE;
  RunFrame();
  OpenMelee();
  const int32_t remembered[5] = {0, 1, 1, 2, 0};
  const int32_t teams[5] = {0, 1, 2, 2, 4};
  for (int32_t slot = 1; slot <= 4; ++slot) {
    EXPECT_EQ(slotTable[slot][SLOT_CONTROL], remembered[slot]) << slot;
    EXPECT_EQ(slotTable[slot][SLOT_TEAM], teams[slot]) << slot;
  }
}

TEST_F(SetupScreens, MeleeMoneyRuleStepsAndBounds) {
  const struct {
    int32_t money;
    bool down, coarse;
    int32_t next;
  } steps[] = {{200, true, false, 195},  {10, true, false, 5},     {9, true, false, 5},
               {6, true, false, 5},      {5, true, false, 5},      {595, false, false, 600},
               {596, false, false, 600}, {599, false, false, 600}, {600, false, false, 600},
               {5, false, false, 10},    {55, true, true, 5},      {56, true, true, 6},
               {54, true, true, 5},      {6, true, true, 5},       {5, true, true, 5},
               {550, false, true, 600},  {551, false, true, 600},  {549, false, true, 599},
               {600, false, true, 600},  {5, false, true, 55}};
  for (const auto& s : steps) {
    EXPECT_EQ(MeleeMoneyStep(s.money, s.down, s.coarse), s.next)
        << s.money << (s.down ? " down" : " up") << (s.coarse ? " right" : " left");
  }

  OpenMelee();
  // Money 7, left click down: 5, with a click; again: nothing, no sound.
  fleetTable[1][1][3] = 7;
  ClearAudioCallLog();
  Click(911, RowY(1));
  EXPECT_EQ(fleetTable[1][1][3], 5);
  EXPECT_EQ(SoundsPlayed(tickSound), 1u);
  Click(911, RowY(1));
  EXPECT_EQ(fleetTable[1][1][3], 5);
  EXPECT_EQ(SoundsPlayed(tickSound), 1u);
  EXPECT_EQ(meleeHoverX, -500) << "an arrow that cannot act is not highlighted";

  // Money 598, right click up: 600; the arrow, still hovered, then goes dark.
  fleetTable[2][1][3] = 598;
  Click(1163, RowY(2), 2);
  EXPECT_EQ(fleetTable[2][1][3], 600);
  EXPECT_EQ(meleeHoverX, 1163) << "it could act when the frame began";
  RunFrame();
  EXPECT_EQ(meleeHoverX, -500);

  // Both buttons at once: the left one first.
  fleetTable[2][1][3] = 60;
  ClearAudioCallLog();
  Click(911, RowY(2), 3);
  EXPECT_EQ(fleetTable[2][1][3], 5);
  EXPECT_EQ(SoundsPlayed(tickSound), 2u);
  EXPECT_EQ(meleeHoverX, 911);
  EXPECT_EQ(meleeHoverY, RowY(2));

  // Many right clicks up end at 600.
  for (int32_t i = 0; i < 14; ++i) Click(1163, RowY(2), 2);
  EXPECT_EQ(fleetTable[2][1][3], 600);
  // The money of a disabled slot neither moves nor highlights.
  Click(1163, RowY(3));
  EXPECT_EQ(fleetTable[3][1][3], 200);
  EXPECT_EQ(meleeHoverX, -500);
}

TEST_F(SetupScreens, MeleeButtonBoxesAndTheHighlight) {
  OpenMelee();
  // bx - 22 < x < bx + 21, by - 21 < y < by + 21.
  const struct {
    int32_t x, y;
    bool in;
  } probes[] = {{427, 484, false}, {428, 484, true}, {469, 484, true}, {470, 484, false},
                {449, 463, false}, {449, 464, true}, {449, 504, true}, {449, 505, false}};
  for (const auto& p : probes) {
    HeadlessSetMouse(p.x, p.y, 0);
    RunFrame();
    EXPECT_EQ(meleeHoverX, p.in ? 449 : (p.x == 470 ? 491 : -500)) << p.x << "," << p.y;
  }
  // Team arrows that cannot act: down at A, up at D.
  HeadlessSetMouse(608, RowY(1), 0);
  RunFrame();
  EXPECT_EQ(meleeHoverX, -500);
  slotTable[1][SLOT_TEAM] = 4;
  HeadlessSetMouse(710, RowY(1), 0);
  RunFrame();
  EXPECT_EQ(meleeHoverX, -500);
  HeadlessSetMouse(608, RowY(1), 0);
  RunFrame();
  EXPECT_EQ(meleeHoverX, 608);
  EXPECT_TRUE(meleeTooltip.empty()) << "only header buttons have tooltips";
}

TEST_F(SetupScreens, MeleeHeaderButtons) {
  OpenMelee();
  const struct {
    int32_t x;
    const char16_t* tip;
  } headers[] = {
      {449, u"PLAYER DISABLED"}, {491, u"HUMAN PLAYER"},  {533, u"AI PLAYER"},       {659, u"TEAM"},
      {785, u"CUSTOM WEXLOR"},   {827, u"RANDOM WEXLOR"}, {1037, u"AMOUNT OF MONEY"}};
  for (const auto& h : headers) {
    HeadlessSetMouse(h.x, 400, 0);
    RunFrame();
    EXPECT_EQ(meleeTooltip, Text(h.tip));
    EXPECT_EQ(meleeHoverX, h.x);
    EXPECT_EQ(meleeHoverY, 400);
  }
  HeadlessSetMouse(600, 300, 0);
  RunFrame();
  EXPECT_TRUE(meleeTooltip.empty());
  EXPECT_EQ(meleeHoverX, -500);

  // Every slot a computer, remembered too.
  ClearAudioCallLog();
  Click(533, 400);
  for (int32_t slot = 1; slot <= 4; ++slot) {
    EXPECT_EQ(slotTable[slot][SLOT_CONTROL], CONTROL_COMPUTER);
    EXPECT_EQ(slotTable[slot][SLOT_MELEE_CONTROL], CONTROL_COMPUTER);
  }
  // Again, with nothing to change: still a click.
  Click(533, 400);
  EXPECT_EQ(SoundsPlayed(tickSound), 2u);
  // A row's own control button clicks only on a change.
  Click(533, RowY(2));
  EXPECT_EQ(SoundsPlayed(tickSound), 2u);

  // Team: slots 2 to 4 take slot 1's, both copies.
  slotTable[1][SLOT_TEAM] = 3;
  Click(659, 400);
  for (int32_t slot = 2; slot <= 4; ++slot) {
    EXPECT_EQ(slotTable[slot][SLOT_TEAM], 3);
    EXPECT_EQ(slotTable[slot][SLOT_MELEE_TEAM], 3);
  }
  EXPECT_EQ(slotTable[1][SLOT_MELEE_TEAM], 1) << "slot 1 itself is not touched";
  // Fleet kind for every slot, money from slot 1.
  Click(827, 400);
  fleetTable[1][1][3] = 435;
  Click(1037, 400);
  for (int32_t slot = 1; slot <= 4; ++slot) {
    EXPECT_EQ(slotTable[slot][SLOT_FLEET_KIND], FLEET_RANDOM);
    EXPECT_EQ(fleetTable[slot][1][3], 435);
  }
  // Disabling every slot by the header still applies to disabled slots' kinds.
  Click(449, 400);
  Click(785, 400);
  for (int32_t slot = 1; slot <= 4; ++slot) {
    EXPECT_EQ(slotTable[slot][SLOT_CONTROL], CONTROL_DISABLED);
    EXPECT_EQ(slotTable[slot][SLOT_FLEET_KIND], FLEET_CUSTOM);
  }
}

TEST_F(SetupScreens, MeleeRowsOfDisabledSlotsDoNotAct) {
  OpenMelee();
  ClearAudioCallLog();
  Click(710, RowY(3));  // team up of disabled slot 3
  Click(608, RowY(4));
  Click(827, RowY(3));
  Click(911, RowY(4));
  EXPECT_EQ(slotTable[3][SLOT_TEAM], 3);
  EXPECT_EQ(slotTable[4][SLOT_TEAM], 4);
  EXPECT_EQ(slotTable[3][SLOT_FLEET_KIND], FLEET_CUSTOM);
  EXPECT_EQ(fleetTable[4][1][3], 200);
  EXPECT_EQ(SoundsPlayed(tickSound), 0u);
  EXPECT_EQ(meleeHoverX, -500);
  // Enabled, the same buttons act.
  Click(kControlX[1], RowY(3));
  Click(710, RowY(3));
  Click(827, RowY(3));
  EXPECT_EQ(slotTable[3][SLOT_TEAM], 4);
  EXPECT_EQ(slotTable[3][SLOT_MELEE_TEAM], 4);
  EXPECT_EQ(slotTable[3][SLOT_FLEET_KIND], FLEET_RANDOM);
  EXPECT_EQ(SoundsPlayed(tickSound), 3u);
}

TEST_F(SetupScreens, MeleeTeamTestOnAccept) {
  OpenMelee();
  // Slot 2 onto team A: every enabled slot on one team.
  Click(608, RowY(2));
  ASSERT_EQ(slotTable[2][SLOT_TEAM], 1);
  const std::vector<int32_t> tables = TablesSnapshot();
  ClearAudioCallLog();
  Click(842, 860);
  EXPECT_EQ(SoundsPlayed(alarmSound), 1u);
  EXPECT_EQ(SoundsPlayed(tickSound), 0u);
  EXPECT_EQ(pendingScreen, 0);
  EXPECT_EQ(fadePhase, FADE_NONE);
  EXPECT_EQ(TablesSnapshot(), tables);
  RunFrame();
  EXPECT_EQ(currentScreen, SCREEN_MELEE_SETUP);

  // A disabled slot's other team does not count.
  Click(kControlX[0], RowY(2));
  slotTable[3][SLOT_TEAM] = 3;
  ClearAudioCallLog();
  Click(842, 860);
  EXPECT_EQ(SoundsPlayed(alarmSound), 1u);

  // No slot enabled at all: refused too.
  Click(449, 400);
  ClearAudioCallLog();
  Click(842, 860);
  EXPECT_EQ(SoundsPlayed(alarmSound), 1u);
  EXPECT_EQ(pendingScreen, 0);
}

TEST_F(SetupScreens, MeleeTwoComputersWithRandomFleets) {
  OpenMelee();
  Click(kControlX[0], RowY(1));
  Click(kControlX[0], RowY(2));
  Click(kControlX[2], RowY(3));
  Click(kControlX[2], RowY(4));
  Click(827, 400);  // random for everyone
  fleetTable[3][1][3] = 150;
  fleetTable[4][1][3] = 600;
  ClearAudioCallLog();
  Click(842, 860);
  EXPECT_EQ(pendingScreen, SCREEN_NEXT_SHOPPER);
  EXPECT_EQ(SoundsPlayed(tickSound), 1u);
  EXPECT_EQ(Calls("FSOUND_SetVolume"), 20u) << "the music fades with the screen";
  const int32_t arena[5] = {0, ARENA_OUT, ARENA_OUT, ARENA_CHOOSING, ARENA_CHOOSING};
  const int32_t money[5] = {0, 200, 200, 150, 600};
  for (int32_t slot = 1; slot <= 4; ++slot) {
    EXPECT_EQ(slotTable[slot][SLOT_ARENA], arena[slot]) << slot;
    // Disabled random slots are bought for as well.
    EXPECT_GE(fleetTable[slot][1][1], 1) << slot;
    int32_t spent = 0;
    for (int32_t k = 1; k <= fleetTable[slot][1][1]; ++k) {
      spent += static_cast<int32_t>(Price(fleetTable[slot][2][k]));
    }
    EXPECT_EQ(spent + fleetTable[slot][1][2], money[slot]) << slot;
  }
  RunFrame();
  EXPECT_EQ(currentScreen, SCREEN_MATCH);
  EXPECT_EQ(musicTrack, TRACK_INGAME);
  for (int32_t i = 0; i < 300; ++i) ASSERT_TRUE(RunFrame());
  EXPECT_EQ(currentScreen, SCREEN_MATCH);
}

TEST_F(SetupScreens, MeleeCustomFleetKeepsTheMusicAndLeadsToTheShop) {
  OpenMelee();
  ClearAudioCallLog();
  Click(842, 860);
  EXPECT_EQ(pendingScreen, SCREEN_NEXT_SHOPPER);
  EXPECT_EQ(Calls("FSOUND_SetVolume"), 0u);
  EXPECT_FALSE(NoTakingPartCustomFleet());
  for (int32_t slot = 1; slot <= 4; ++slot) {
    EXPECT_EQ(fleetTable[slot][1][2], 200);
    EXPECT_EQ(fleetTable[slot][1][1], 0);
  }
  for (int32_t i = 0; i < 100; ++i) ASSERT_TRUE(RunFrame());
  EXPECT_EQ(currentScreen, SCREEN_SHIP_SHOP);
  EXPECT_EQ(shopPlayer, 1);
}

TEST_F(SetupScreens, AcceptAndEscapeInOneFrameLeaveForTheMenuWhole) {
  // Melee, random fleets so that ACCEPT alone would fade the music.
  OpenMelee();
  Click(827, 400);
  const std::vector<int32_t> tables = TablesSnapshot();
  const int32_t seed = GetRandomSeed();
  HeadlessSetMouse(842, 860, 0);
  RunFrame();
  ClearAudioCallLog();
  HeadlessSetKey(KEY_ESCAPE, true);
  HeadlessSetMouse(842, 860, 1);
  RunFrame();
  HeadlessSetKey(KEY_ESCAPE, false);
  HeadlessSetMouse(842, 860, 0);
  EXPECT_EQ(pendingScreen, SCREEN_MAIN_MENU);
  EXPECT_EQ(fadePhase, FADE_NONE);
  EXPECT_EQ(musicFadeVolume, 0);
  EXPECT_EQ(Calls("FSOUND_SetVolume"), 0u);
  EXPECT_EQ(SoundsPlayed(tickSound), 0u);
  EXPECT_EQ(TablesSnapshot(), tables);
  EXPECT_EQ(GetRandomSeed(), seed) << "no fleet was bought";
  RunFrame();
  EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);
  EXPECT_EQ(musicTrack, TRACK_MENU);
  EXPECT_EQ(Calls("FSOUND_SetVolume"), 0u) << "the menu music plays on at full volume";

  // Challenge, random fleets.
  OpenChallenge();
  Click(640, 560);
  ASSERT_EQ(challengeFleetKind, FLEET_RANDOM);
  const std::vector<int32_t> challengeTables = TablesSnapshot();
  HeadlessSetMouse(842, 720, 0);
  RunFrame();
  ClearAudioCallLog();
  HeadlessSetKey(KEY_ESCAPE, true);
  HeadlessSetMouse(842, 720, 1);
  RunFrame();
  HeadlessSetKey(KEY_ESCAPE, false);
  EXPECT_EQ(pendingScreen, SCREEN_MAIN_MENU);
  EXPECT_EQ(fadePhase, FADE_NONE);
  EXPECT_EQ(musicFadeVolume, 0);
  EXPECT_EQ(Calls("FSOUND_SetVolume"), 0u);
  EXPECT_EQ(TablesSnapshot(), challengeTables);
}

// ---------------------------------------------------------------- pictures

namespace {
class SetupPictures : public SetupScreens {
 protected:
  // Not the star field: these tests keep the generator's seed.
  shellharness::Media MediaToLoad() const override { return shellharness::Media::Pictures; }
  static int32_t Difference(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b,
                            int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    int32_t most = 0;
    for (int32_t y = y0; y < y1; ++y) {
      for (int32_t x = x0; x < x1; ++x) {
        const uint32_t p = a[static_cast<size_t>(y) * 1280 + x];
        const uint32_t q = b[static_cast<size_t>(y) * 1280 + x];
        for (int32_t shift = 0; shift <= 16; shift += 8) {
          const int32_t d =
              static_cast<int32_t>((p >> shift) & 0xff) - static_cast<int32_t>((q >> shift) & 0xff);
          most = std::max(most, d < 0 ? -d : d);
        }
      }
    }
    return most;
  }
};
}  // namespace

TEST_F(SetupPictures, DisabledRowsAreAllButInvisible) {
  OpenMelee();
  // The money of slot 2 (enabled) and slot 3 (disabled) changes between two
  // pictures: the enabled row shows it plainly, the disabled row hardly.
  const std::vector<uint32_t> before = FrameAt(5, 5, "melee_first_visit.png");
  fleetTable[2][1][3] = 600;
  fleetTable[3][1][3] = 600;
  const std::vector<uint32_t> after = FrameAt(5, 5);
  ASSERT_EQ(before.size(), after.size());
  EXPECT_GT(Difference(before, after, 960, RowY(2) - 21, 1190, RowY(2) + 21), 100);
  EXPECT_LE(Difference(before, after, 960, RowY(3) - 21, 1190, RowY(3) + 21), 3);
}

TEST_F(SetupPictures, TooltipAndHighlightAreDrawnWhereThePointerIs) {
  OpenMelee();
  const std::vector<uint32_t> away = FrameAt(600, 300);
  const std::vector<uint32_t> over = FrameAt(1037, 400, "melee_tooltip.png");
  // The plate and its text sit 52 to 61 pixels above the pointer.
  EXPECT_GT(Difference(away, over, 960, 339, 1110, 360), 60);
  // Nothing changes far from the pointer and the highlight.
  EXPECT_EQ(Difference(away, over, 100, 900, 300, 1000), 0);
}

TEST_F(SetupPictures, ThePathToAMatchShowsEachScreen) {
  Click(640, 400);
  FrameAt(700, 480, "game_mode.png");
  Click(640, 480);
  const std::vector<uint32_t> challenge = FrameAt(700, 480, "challenge.png");
  // The PLAYERS item glows where the pointer is.
  EXPECT_GT(Difference(challenge, FrameAt(5, 5), 500, 464, 780, 505), 30);
  PressKey(KEY_ESCAPE);
  RunFrame();
  OpenMelee();
  Click(kControlX[2], RowY(1));
  Click(kControlX[2], RowY(2));
  Click(827, 400);
  FrameAt(842, 860, "melee_two_computers.png");
  // The fade of ACCEPT: a picture in the middle of it.
  const int64_t half = PresentedFrameCount() + 14;
  HeadlessAtFrame(half, [] { shellharness::KeepPicture("melee_accept_fading.png"); });
  Click(842, 860);
  EXPECT_EQ(pendingScreen, SCREEN_NEXT_SHOPPER);
  for (int32_t i = 0; i < 200; ++i) RunFrame();
  EXPECT_EQ(currentScreen, SCREEN_MATCH);
  FrameAt(5, 5, "match_running.png");
}
