#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "catalogue/explosions.hpp"
#include "catalogue/ships.hpp"
#include "match/input_edges.hpp"
#include "match/key_codes.hpp"
#include "match/match_tables.hpp"
#include "match/media_tables.hpp"
#include "match/records.hpp"
#include "match/shell_tables.hpp"
#include "platform/display.hpp"
#include "platform/draw.hpp"
#include "platform/fsound.hpp"
#include "platform/headless.hpp"
#include "platform/input.hpp"
#include "platform/random.hpp"
#include "shell/frame_internal.hpp"
#include "shell/screens.hpp"
#include "shell/startup_tables.hpp"
#include "tests/shell_harness.hpp"

namespace fs = std::filesystem;

namespace {

using shellharness::CallsStartingWith;

class ShellLoop : public shellharness::ShellTest {
 protected:
  ShellLoop() : ShellTest("qw2_shellloop_") {}
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(ShellTest::SetUp());
    ClearAudioCallLog();
  }

  static int32_t SolidImage(int32_t w, int32_t h, uint8_t grey) {
    SetImageMaskColour(255, 0, 255);
    std::vector<uint8_t> rgba(static_cast<size_t>(w) * h * 4, 255);
    for (size_t i = 0; i < rgba.size(); i += 4) rgba[i] = rgba[i + 1] = rgba[i + 2] = grey;
    return ImageFromPixels(rgba.data(), w, h, false, w, h, 1, 1);
  }

  // Clicks with the left button in the next frame (and lets go afterwards).
  static void ClickAt(int32_t x, int32_t y) {
    HeadlessSetMouse(x, y, 0);
    RunFrame();
    HeadlessSetMouse(x, y, 1);
  }
};

}  // namespace

TEST_F(ShellLoop, ChainOrderAndScreenTable) {
  const int32_t order[18] = {1, 3, 16, 2, 4, 5, 6, 11, 9, 10, 17, 18, 7, 12, 13, 14, 8, 15};
  for (int32_t i = 0; i < 18; ++i) EXPECT_EQ(kScreens[i].number, order[i]);
  for (int32_t n = 1; n <= 18; ++n) {
    const ScreenEntry* entry = FindScreen(n);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->drawOnly == nullptr, n == SCREEN_MATCH_INTERRUPT) << n;
    EXPECT_EQ(entry->clearBlue, (n == 7 || n == 12 || n == 13 || n == 14) ? 15 : 0) << n;
    EXPECT_EQ(entry->copyFadesMusic, n == 2 || n == 6 || n == 13 || n == 16 || n == 17) << n;
  }
  EXPECT_EQ(FindScreen(SCREEN_MAIN_MENU)->track, TRACK_MENU);
  EXPECT_TRUE(FindScreen(SCREEN_MAIN_MENU)->fullVolumeOnChange);
  EXPECT_EQ(FindScreen(SCREEN_SHIP_SHOP)->track, TRACK_SHIPSHOP);
  EXPECT_EQ(FindScreen(SCREEN_STATISTICS)->track, TRACK_NONE);
}

TEST_F(ShellLoop, FirstFrameMakesTheFoldersAndTheDefaultOptionsFile) {
  ASSERT_TRUE(RunFrame());
  EXPECT_TRUE(fs::is_directory("data"));
  EXPECT_TRUE(fs::is_directory("data/replays"));
  ASSERT_EQ(fs::file_size("data/options.qv2"), 144u);
  std::ifstream in("data/options.qv2", std::ios::binary);
  int32_t first = 0, cell00 = 0;
  in.read(reinterpret_cast<char*>(&first), 4);
  in.read(reinterpret_cast<char*>(&cell00), 4);
  EXPECT_EQ(first, 41);
  EXPECT_EQ(cell00, 0);
  EXPECT_FALSE(fs::exists("data/exp.qv2"));
  EXPECT_EQ(filesLoaded, 2);
  EXPECT_EQ(lastScreen, SCREEN_MAIN_MENU);
  // The next frame head sets the unused cell again; the file is not read twice.
  RunFrame();
  EXPECT_EQ(optionTable[OPTIONS_GENERAL][OPTION_FRAME_MARK], 1);
}

TEST_F(ShellLoop, MusicOnTheFirstMenuFrame) {
  RunFrame();
  EXPECT_EQ(CallsStartingWith("FSOUND"),
            (std::vector<std::string>{"FSOUND_Stream_Open data/music/menu.ogg 2",
                                      "FSOUND_Stream_Play 1 0", "FSOUND_SetVolume 1 255"}));
  EXPECT_EQ(musicTrack, TRACK_MENU);
  // The test is made every frame, but the track is already the menu's.
  ClearAudioCallLog();
  RunFrame();
  EXPECT_TRUE(CallsStartingWith("FSOUND").empty());
}

TEST_F(ShellLoop, MusicOffStillRecordsTheTrack) {
  fs::create_directories("data");
  {
    std::ofstream out("data/options.qv2", std::ios::binary);
    int32_t cells[36] = {41, 0, 1};
    out.write(reinterpret_cast<const char*>(cells), sizeof cells);
  }
  RunFrame();
  EXPECT_EQ(filesLoaded, 1);
  EXPECT_EQ(CallsStartingWith("FSOUND"), (std::vector<std::string>{"FSOUND_SetVolume 1 255"}));
  EXPECT_EQ(musicTrack, TRACK_MENU);
}

TEST_F(ShellLoop, AFadingSwitchPresentsFiftyPicturesOverTwoFrames) {
  RunFrame();  // the first frame brightens in: 24 pictures in the fade, one at its end
  EXPECT_EQ(PresentedFrameCount(), 25);
  EXPECT_EQ(fadePhase, FADE_NONE);
  RunFrame();
  EXPECT_EQ(PresentedFrameCount(), 26);

  // SHIP DATABASE.
  ClickAt(700, 470);
  const int64_t before = PresentedFrameCount();
  RunFrame();
  EXPECT_EQ(PresentedFrameCount() - before, 25);
  EXPECT_EQ(fadePhase, FADE_IN);
  EXPECT_EQ(pendingScreen, SCREEN_SHIP_DATABASE);
  EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);
  EXPECT_EQ(shipCarousel[1], 3);
  RunFrame();
  EXPECT_EQ(PresentedFrameCount() - before, 50);
  EXPECT_EQ(currentScreen, SCREEN_SHIP_DATABASE);
  EXPECT_EQ(lastScreen, SCREEN_SHIP_DATABASE);
  EXPECT_EQ(fadePhase, FADE_NONE);
  EXPECT_EQ(fadeProgress, 100);
}

TEST_F(ShellLoop, FadeAlphaBytes) {
  titleBackImage = SolidImage(8, 8, 255);
  blackImage = SolidImage(32, 32, 0);
  std::vector<uint32_t> seen;
  for (int64_t frame = 1; frame <= 25; ++frame) {
    HeadlessAtFrame(frame, [&seen] { seen.push_back(PresentedPixel(5, 1000) & 0xff); });
  }
  RunFrame();
  ASSERT_EQ(seen.size(), 25u);
  // Fade-in: the black overlay's alpha byte is trunc((1 - p / 100) x 255), p = 4, 8, ..., 100.
  for (int32_t step = 1; step <= 25; ++step) {
    const float alpha = 1.0f - static_cast<float>(step * 4) / 100.0f;
    const uint32_t alphaByte = static_cast<uint32_t>(static_cast<double>(alpha) * 255.0);
    EXPECT_EQ(seen[step - 1], 255u - alphaByte) << "step " << step;
  }
  EXPECT_EQ(seen[24], 255u);
  EXPECT_LE(seen[0], 11u);
}

TEST_F(ShellLoop, PendingScreenToTheCurrentScreenRunsNoEnterCode) {
  RunFrame();
  HeadlessSetMouse(700, 390, 0);  // over NEW GAME
  for (int32_t i = 0; i < 12; ++i) RunFrame();
  EXPECT_EQ(menuGlow[1][0], 10);
  EXPECT_EQ(GlowGreen(1), 255);
  pendingScreen = SCREEN_MAIN_MENU;
  RunFrame();
  EXPECT_EQ(menuGlow[1][0], 10) << "no on-enter, the glow stays";
  // The glow falls back in 10 frames.
  HeadlessSetMouse(10, 10, 0);
  for (int32_t i = 0; i < 9; ++i) RunFrame();
  EXPECT_EQ(menuGlow[1][0], 1);
  EXPECT_EQ(GlowGreen(1), 115);
  RunFrame();
  EXPECT_EQ(menuGlow[1][0], 0);
}

TEST_F(ShellLoop, EnteringAScreenClearsGlowAndPresses) {
  RunFrame();
  // OPTIONS: an immediate switch with the click sound.
  ClickAt(700, 630);
  ClearAudioCallLog();
  RunFrame();
  EXPECT_EQ(pendingScreen, SCREEN_OPTIONS);
  EXPECT_EQ(fadePhase, FADE_NONE);
  EXPECT_EQ(CallsStartingWith("PlaySoundOnChannel").size(), 1u);
  menuGlow[3][0] = 7;
  RunFrame();
  EXPECT_EQ(currentScreen, SCREEN_OPTIONS);
  EXPECT_EQ(lastScreen, SCREEN_OPTIONS);
  EXPECT_EQ(menuGlow[3][0], 0);
  EXPECT_EQ(menuGlow[3][1], 640) << "positions stay";

  // A press seen in the frame that enters the main menu does nothing there,
  // nor later while the button stays down.
  HeadlessSetMouse(700, 390, 0);
  RunFrame();
  pendingScreen = SCREEN_MAIN_MENU;
  HeadlessSetMouse(700, 390, 1);
  ClearAudioCallLog();
  RunFrame();
  EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);
  EXPECT_EQ(lastScreen, SCREEN_MAIN_MENU);
  RunFrame();
  EXPECT_EQ(pendingScreen, 0);
  EXPECT_TRUE(CallsStartingWith("PlaySoundOnChannel").empty());
}

TEST_F(ShellLoop, EscapeAndQuitEndTheLoopAtTheEndOfTheFrame) {
  RunFrame();
  HeadlessSetKey(KEY_ESCAPE, true);
  EXPECT_FALSE(RunFrame());
  EXPECT_EQ(quitRequested, 1);
  EXPECT_EQ(lastScreen, SCREEN_MAIN_MENU);

  quitRequested = 0;
  HeadlessSetKey(KEY_ESCAPE, false);
  ClickAt(700, 710);
  EXPECT_FALSE(RunFrame());
  EXPECT_EQ(quitRequested, 1);

  quitRequested = 0;
  HeadlessSetMouse(10, 10, 0);
  EXPECT_TRUE(RunFrame());
  HeadlessRequestClose();
  EXPECT_FALSE(RunFrame());
}

TEST_F(ShellLoop, MatchInterruptNeitherPresentsNorClears) {
  RunFrame();
  titleBackImage = SolidImage(8, 8, 200);
  pendingScreen = SCREEN_MATCH_INTERRUPT;
  const int64_t before = PresentedFrameCount();
  const int32_t cursor = cursorFrame;
  RunFrame();
  EXPECT_EQ(PresentedFrameCount(), before);
  EXPECT_EQ(cursorFrame, cursor + 1 > 28 ? 1 : cursor + 1);

  // The abort question clears to dark blue, the match screen keeps the pointer still.
  pendingScreen = SCREEN_CONFIRM_ABORT_MATCH;
  RunFrame();
  EXPECT_EQ(PresentedFrameCount(), before + 1);
  EXPECT_EQ(FramebufferPixel(100, 100), 0x00000fu);
  pendingScreen = SCREEN_MATCH;
  const int32_t still = cursorFrame;
  RunFrame();
  RunFrame();
  EXPECT_EQ(cursorFrame, still);
  pendingScreen = SCREEN_OPTIONS;
  RunFrame();
  EXPECT_EQ(FramebufferPixel(100, 100), 0u);
}

TEST_F(ShellLoop, PointerFramesTurnInTwentyEightFrames) {
  std::vector<int32_t> frames;
  for (int32_t i = 0; i < 29; ++i) {
    RunFrame();
    frames.push_back(cursorFrame / 4);
  }
  EXPECT_EQ(frames[0], 0);   // cursorFrame 1
  EXPECT_EQ(frames[2], 0);   // 3
  EXPECT_EQ(frames[3], 1);   // 4
  EXPECT_EQ(frames[27], 7);  // 28, shown once
  EXPECT_EQ(frames[28], 0);  // back to 1
}

TEST_F(ShellLoop, HiddenSpotSwitchesCheatModeOnOnce) {
  RunFrame();
  // One pixel outside the 9 x 9 square.
  ClickAt(1051, 931);
  RunFrame();
  EXPECT_EQ(cheatModeActive, 0);
  ClickAt(1046, 926);
  RunFrame();
  EXPECT_EQ(cheatModeActive, 0);
  // Inside, on the corner.
  ClickAt(1050, 935);
  ClearAudioCallLog();
  RunFrame();
  EXPECT_EQ(cheatModeActive, 1);
  EXPECT_EQ(bonusShipsUnlocked, 30);
  EXPECT_EQ(AvailableShipCount(), 40);
  EXPECT_EQ(CallsStartingWith("PlaySoundOnChannel").size(), 1u);
  // Again: no sound.
  ClickAt(1046, 931);
  ClearAudioCallLog();
  RunFrame();
  EXPECT_TRUE(CallsStartingWith("PlaySoundOnChannel").empty());
}

TEST_F(ShellLoop, EnteringTheMainMenuResetsTheMatchTables) {
  for (int32_t slot = 1; slot <= 4; ++slot) {
    fleetTable[slot][1][0] = 4;
    fleetTable[slot][1][1] = 6;
    fleetTable[slot][1][2] = 55;
    fleetTable[slot][1][3] = 350;
    fleetTable[slot][2][30] = SHIP_QOUL;
    slotTable[slot][SLOT_TARGETABLE] = 1;
    slotShipValue[slot][3][50] = 2.5f;
    slotShipPoint[slot][2][50][5] = 1.5f;
    cpuChoiceTimer[slot] = 80;
    teamAlive[slot] = 1;
    damageQueue[slot][4][30][8] = 3;
    damageQueue[slot][SPECIAL_ATTACKER][1][1] = 7;
  }
  for (int32_t slot = 1; slot <= 5; ++slot) {
    slotEffectState[slot][50] = 1;
    matchStats[slot][30][9] = 4;
    matchStats[slot][30][0] = 12;
  }
  matchWinner = 2;
  matchOver = 1;
  matchOverDelay = 300;
  ListAppend(*shipList, NewRecord<TShip>());
  ListAppend(*sparkList, NewRecord<TSpark>());
  RunFrame();
  for (int32_t slot = 1; slot <= 4; ++slot) {
    EXPECT_EQ(fleetTable[slot][1][0], 1);
    EXPECT_EQ(fleetTable[slot][1][1], 0);
    EXPECT_EQ(fleetTable[slot][1][2], 10000);
    EXPECT_EQ(fleetTable[slot][1][3], 350) << "the starting money stays";
    EXPECT_EQ(fleetTable[slot][2][30], 0);
    EXPECT_EQ(slotTable[slot][SLOT_TARGETABLE], 0);
    EXPECT_EQ(slotShipValue[slot][3][50], 0.0f);
    EXPECT_EQ(slotShipPoint[slot][2][50][5], 0.0f);
    EXPECT_EQ(cpuChoiceTimer[slot], 0);
    EXPECT_EQ(teamAlive[slot], 0);
    EXPECT_EQ(damageQueue[slot][4][30][8], 0.0f);
    EXPECT_EQ(damageQueue[slot][SPECIAL_ATTACKER][1][1], 7.0f) << "never cleared";
  }
  for (int32_t slot = 1; slot <= 5; ++slot) {
    EXPECT_EQ(slotEffectState[slot][50], 0);
    EXPECT_EQ(matchStats[slot][30][9], 0.0f);
    EXPECT_EQ(matchStats[slot][30][0], 12.0f) << "the ship type column stays";
  }
  EXPECT_EQ(matchWinner, 0);
  EXPECT_EQ(matchOver, 0);
  EXPECT_EQ(matchOverDelay, 0);
  EXPECT_EQ(ListCount(*shipList), 0);
  EXPECT_EQ(ListCount(*sparkList), 0);
  EXPECT_EQ(menuGlow[5][1], 640);
  EXPECT_EQ(menuGlow[5][2], 703);
}

TEST_F(ShellLoop, MusicFadeOutVolumes) {
  // A melee set-up frame that leaves with the music fading.
  RunFrame();
  currentScreen = lastScreen = SCREEN_MELEE_SETUP;
  fadePhase = FADE_OUT;
  musicFadeVolume = 255;
  ClearAudioCallLog();
  RunFrame();
  std::vector<std::string> expected;
  for (int32_t v = 242; v > 0; v -= 13)
    expected.push_back("FSOUND_SetVolume 1 " + std::to_string(v));
  expected.push_back("FSOUND_SetVolume 1 0");
  EXPECT_EQ(expected.size(), 20u);
  EXPECT_EQ(CallsStartingWith("FSOUND_SetVolume"), expected);
  EXPECT_EQ(musicFadeVolume, 0);
  EXPECT_EQ(fadePhase, FADE_IN);
}

TEST_F(ShellLoop, TheLastRequestOfAFrameOwnsTheFade) {
  fadePhase = FADE_NONE;
  BeginFrameRequests();
  RequestFadingScreen(SCREEN_NEXT_SHOPPER, true);
  EXPECT_EQ(fadePhase, FADE_OUT);
  EXPECT_EQ(musicFadeVolume, 255);
  RequestScreen(SCREEN_MAIN_MENU);
  EXPECT_EQ(pendingScreen, SCREEN_MAIN_MENU);
  EXPECT_EQ(fadePhase, FADE_NONE);
  EXPECT_EQ(musicFadeVolume, 0);

  // A pending fade-in is given back, not dropped.
  fadePhase = FADE_IN;
  BeginFrameRequests();
  RequestFadingScreen(SCREEN_NEXT_SHOPPER, true);
  RequestScreen(SCREEN_OPTIONS);
  EXPECT_EQ(fadePhase, FADE_IN);

  // A fading request after a plain one takes over.
  fadePhase = FADE_NONE;
  BeginFrameRequests();
  RequestScreen(SCREEN_OPTIONS);
  RequestFadingScreen(SCREEN_SHIP_DATABASE, false);
  EXPECT_EQ(pendingScreen, SCREEN_SHIP_DATABASE);
  EXPECT_EQ(fadePhase, FADE_OUT);
  EXPECT_EQ(musicFadeVolume, 0);

  // Without an earlier fade in the frame a plain request leaves the phase alone.
  fadePhase = FADE_IN;
  BeginFrameRequests();
  RequestScreen(SCREEN_GAME_MODE);
  EXPECT_EQ(fadePhase, FADE_IN);
}

TEST_F(ShellLoop, DrawOnlyCopiesChangeNoState) {
  RunFrame();
  HeadlessSetMouse(700, 390, 1);
  RunFrame();
  cheatModeActive = 1;
  pulseTimer = 7;
  struct Snapshot {
    std::vector<uint8_t> bytes;
    void Add(const void* p, size_t n) {
      const uint8_t* b = static_cast<const uint8_t*>(p);
      bytes.insert(bytes.end(), b, b + n);
    }
  };
  auto take = [] {
    Snapshot s;
    s.Add(menuGlow, sizeof menuGlow);
    s.Add(keyHitState, sizeof keyHitState);
    s.Add(mouseHitState, sizeof mouseHitState);
    s.Add(slotTable, sizeof slotTable);
    s.Add(fleetTable, sizeof fleetTable);
    s.Add(optionTable, sizeof optionTable);
    s.Add(shipCarousel, sizeof shipCarousel);
    s.Add(matchStats, sizeof matchStats);
    s.Add(playerInput, sizeof playerInput);
    s.Add(launchTimer, sizeof launchTimer);
    const int32_t ints[] = {currentScreen, lastScreen,      pendingScreen,      fadePhase,
                            quitRequested, musicTrack,      musicStream,        musicFadeVolume,
                            cursorFrame,   cheatModeActive, bonusShipsUnlocked, matchFrame,
                            matchWinner,   filesLoaded,     GetRandomSeed()};
    s.Add(ints, sizeof ints);
    s.Add(&pulseTimer, sizeof pulseTimer);
    return s.bytes;
  };
  const std::vector<uint8_t> before = take();
  ClearAudioCallLog();
  for (const ScreenEntry& entry : kScreens) {
    if (entry.drawOnly != nullptr) entry.drawOnly();
  }
  EXPECT_EQ(take(), before);
  EXPECT_TRUE(AudioCallLog().empty());
}

TEST_F(ShellLoop, NextShopperHandsOverToTheMatchInTheSameFrame) {
  RunFrame();
  for (int32_t slot = 1; slot <= 2; ++slot) {
    slotTable[slot][SLOT_FLEET_KIND] = FLEET_RANDOM;
    fleetTable[slot][1][1] = 1;
    fleetTable[slot][2][1] = shipOrder[1];
  }
  pendingScreen = SCREEN_NEXT_SHOPPER;
  RunFrame();
  EXPECT_EQ(currentScreen, SCREEN_MATCH);
  EXPECT_EQ(lastScreen, SCREEN_MATCH) << "the match block ran in the frame of the hand-over";
}
