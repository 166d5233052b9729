#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "match/bitmap_text.hpp"
#include "platform/display.hpp"
#include "shell/frame_internal.hpp"
#include "shell/screens.hpp"
#include "tests/match_harness.hpp"

namespace {

class NextShopperAndMatch : public ::testing::Test {
 protected:
  void SetUp() override {
    UseHeadlessBackend(true);
    ResetPlatformDisplay();
    ResetShell();
    harness::ResetMatchWorld();
    ASSERT_EQ(OpenDisplay(1280, 1024, 32, 75, 0), 1);
    ClearAudioCallLog();
  }
  void TearDown() override { ResetPlatformDisplay(); }

  static bool MusicOpened(const std::string& file) {
    for (const std::string& call : AudioCallLog())
      if (call.find("FSOUND_Stream_Open") == 0 && call.find(file) != std::string::npos) return true;
    return false;
  }

  void Slots(int32_t kind2, int32_t kind4) {
    harness::MatchSetup setup;
    setup.slots[1] = {CONTROL_COMPUTER, 1, {SHIP_SPETH}};
    setup.slots[2] = {CONTROL_HUMAN, 2, {SHIP_DRONT}};
    setup.slots[3] = {CONTROL_DISABLED, 3, {}};
    setup.slots[4] = {CONTROL_COMPUTER, 4, {SHIP_GROK}};
    harness::ApplySetup(setup);
    slotTable[1][SLOT_FLEET_KIND] = FLEET_RANDOM;
    slotTable[2][SLOT_FLEET_KIND] = kind2;
    slotTable[4][SLOT_FLEET_KIND] = kind4;
    optionTable[OPTIONS_GENERAL][OPTION_MUSIC] = OPTION_ON;
  }
};

TEST_F(NextShopperAndMatch, WithNoSlotToShopTheMatchRunsInTheFirstFrame) {
  Slots(FLEET_RANDOM, FLEET_RANDOM);
  currentScreen = SCREEN_NEXT_SHOPPER;
  musicTrack = TRACK_MENU;
  ASSERT_TRUE(RunFrame());
  EXPECT_EQ(currentScreen, SCREEN_MATCH);
  EXPECT_EQ(matchFrame, 36);  // the match block ran in that same frame
  EXPECT_EQ(shopPlayer, 0);
  EXPECT_FALSE(MusicOpened("shipshop.ogg"));
  EXPECT_TRUE(MusicOpened("ingame.ogg"));
  EXPECT_EQ(musicTrack, TRACK_INGAME);
  ASSERT_TRUE(RunFrame());
  EXPECT_EQ(matchFrame, 37);
}

TEST_F(NextShopperAndMatch, TheRecordingHoldsTheMoneyTheSlotsWereGiven) {
  for (int32_t mode : {MODE_MELEE, MODE_CHALLENGE}) {
    Slots(FLEET_RANDOM, FLEET_RANDOM);
    for (int32_t slot = 1; slot <= 4; ++slot)
      fleetTable[slot][FLEET_HEAD][FLEET_START_MONEY] = 200 + slot;
    gameMode = mode;
    bonusShipsUnlocked = 5;
    currentScreen = SCREEN_NEXT_SHOPPER;
    ASSERT_TRUE(RunFrame());
    for (int32_t slot = 1; slot <= 4; ++slot)
      EXPECT_EQ(replayData[REPLAY_SETUP_FRAME][slot][REPLAY_START_MONEY],
                mode == MODE_MELEE ? 200 + slot : 25);
  }
}

TEST_F(NextShopperAndMatch, CustomFleetsAreAnnouncedInSlotOrder) {
  Slots(FLEET_CUSTOM, FLEET_CUSTOM);
  currentScreen = SCREEN_NEXT_SHOPPER;
  for (int32_t f = 1; f <= 74; ++f) NextShopperBlock();
  EXPECT_EQ(shopPlayer, 2);
  EXPECT_EQ(pendingScreen, 0);
  EXPECT_TRUE(MusicOpened("shipshop.ogg"));
  NextShopperBlock();
  EXPECT_EQ(pendingScreen, SCREEN_SHIP_SHOP);
  EXPECT_EQ(announceTimer, 0);
  pendingScreen = 0;
  for (int32_t f = 1; f <= 75; ++f) NextShopperBlock();
  EXPECT_EQ(shopPlayer, 4);
  EXPECT_EQ(pendingScreen, SCREEN_SHIP_SHOP);
  NextShopperBlock();
  EXPECT_EQ(currentScreen, SCREEN_MATCH);
  EXPECT_EQ(matchFrame, matchFrameStart);
}

TEST_F(NextShopperAndMatch, APlaybackStartsAtOnceWithoutShopMusic) {
  harness::MatchSetup setup;
  setup.seed = 5;
  setup.slots[1] = {CONTROL_HUMAN, 1, {SHIP_SPETH}};
  setup.slots[2] = {CONTROL_HUMAN, 2, {SHIP_DRONT}};
  setup.maxFrames = 100;
  harness::MatchRecord record = harness::RecordMatch(setup);
  ClearAudioCallLog();
  harness::ResetMatchWorld();
  std::memcpy(&replayData[0][0][0], record.data.data() + 8, record.data.size() - 8);
  playbackMode = 1;
  shopPlayer = 4;
  slotTable[1][SLOT_FLEET_KIND] = FLEET_CUSTOM;
  currentScreen = SCREEN_NEXT_SHOPPER;
  lastScreen = 0;
  ASSERT_TRUE(RunFrame());
  EXPECT_EQ(currentScreen, SCREEN_MATCH);
  EXPECT_FALSE(MusicOpened("shipshop.ogg"));
  EXPECT_EQ(slotTable[2][SLOT_ARENA], ARENA_CHOOSING);
  EXPECT_EQ(fleetTable[2][2][1], SHIP_DRONT);
  while (matchFrame < record.lastFrame) {
    ASSERT_TRUE(RunFrame());
    EXPECT_EQ(replaySyncMismatches, 0) << "frame " << matchFrame;
  }
}

}  // namespace
