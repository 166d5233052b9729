// The options screen and the new-ship award, driven through the real frame
// loop with scripted clicks and keys.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/explosions.hpp"
#include "catalogue/ships.hpp"
#include "match/input_edges.hpp"
#include "match/match_tables.hpp"
#include "match/media_tables.hpp"
#include "match/shell_tables.hpp"
#include "platform/display.hpp"
#include "platform/draw.hpp"
#include "platform/fsound.hpp"
#include "platform/headless.hpp"
#include "platform/input.hpp"
#include "shell/options_files.hpp"
#include "shell/options_screen.hpp"
#include "shell/screens.hpp"
#include "shell/startup_tables.hpp"
#include "tests/game_pictures.hpp"
#include "tests/shell_harness.hpp"
#include "tests/test_folder.hpp"

namespace fs = std::filesystem;

namespace {

constexpr int32_t KEY_ESCAPE = 27;
constexpr int32_t KEY_LEFT = 37;
constexpr int32_t KEY_RIGHT = 39;
constexpr int32_t KEY_A = 65;

// Where things are: inside the arrows, the rows and DONE.
constexpr int32_t leftArrowX = 350, rightArrowX = 930, arrowY = 404;
constexpr int32_t rowX = 640;
int32_t RowY(int32_t row) { return 430 + 40 * row; }
constexpr int32_t doneX = 640, doneY = 740;

using shellharness::Click;
using shellharness::FileBytes;
using shellharness::FileInts;
using shellharness::PressKey;

class OptionsScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.emplace("qw2_options_");
    ASSERT_TRUE(shellharness::StartShell());
    if (WithMedia()) LoadGamePictures();
    // Stand-ins, so that the log tells the sounds apart.
    tickSound = 9001;
    rewardSound = 9003;
    fs::create_directories("data/music");
    std::ofstream("data/music/menu.ogg") << "music";
    HeadlessSetMouse(5, 5, 0);
    RunFrame();  // the main menu brightens in and writes the default options
    RunFrame();
    ClearAudioCallLog();
  }
  void TearDown() override {
    shellharness::StopShell();
    folder_.reset();
  }
  virtual bool WithMedia() const { return false; }

  static size_t Calls(const std::string& line) {
    size_t n = 0;
    for (const std::string& call : AudioCallLog()) n += call == line ? 1 : 0;
    return n;
  }
  static size_t CallsStartingWith(const std::string& prefix) {
    size_t n = 0;
    for (const std::string& call : AudioCallLog()) n += call.rfind(prefix, 0) == 0 ? 1 : 0;
    return n;
  }
  static size_t Ticks() { return Calls("PlaySoundOnChannel 9001 0"); }

  // From the main menu: OPTIONS, and its first frame.
  static void OpenOptions() {
    Click(700, 630);
    HeadlessSetMouse(5, 5, 0);
    RunFrame();
    ASSERT_EQ(currentScreen, SCREEN_OPTIONS);
    ClearAudioCallLog();
  }

  std::optional<TestFolder> folder_;
};

}  // namespace

TEST_F(OptionsScreen, PagesByKeysAndArrows) {
  OpenOptions();
  EXPECT_EQ(optionsPage, 0);
  // The left arrow does nothing on GENERAL, by key or by click.
  PressKey(KEY_LEFT);
  Click(leftArrowX, arrowY);
  EXPECT_EQ(optionsPage, 0);
  EXPECT_EQ(Ticks(), 0u);
  for (int32_t page = 1; page <= 4; ++page) {
    PressKey(KEY_RIGHT);
    EXPECT_EQ(optionsPage, page);
  }
  // Nor the right arrow on PLAYER 4.
  PressKey(KEY_RIGHT);
  Click(rightArrowX, arrowY);
  EXPECT_EQ(optionsPage, 4);
  EXPECT_EQ(Ticks(), 0u);
  Click(leftArrowX, arrowY);
  Click(leftArrowX, arrowY);
  EXPECT_EQ(optionsPage, 2);
  EXPECT_EQ(Ticks(), 2u);
  Click(rightArrowX, arrowY);
  EXPECT_EQ(optionsPage, 3);
  EXPECT_EQ(Ticks(), 3u);
  PressKey(KEY_LEFT);
  EXPECT_EQ(optionsPage, 2);

  // The arrow boxes: 330 <= x < 371 and 384 <= y < 425.
  const int32_t inside[][2] = {{330, 384}, {370, 424}};
  const int32_t outside[][2] = {{329, 404}, {371, 404}, {350, 383}, {350, 425}};
  for (const auto& p : outside) {
    Click(p[0], p[1]);
    EXPECT_EQ(optionsPage, 2) << p[0] << ", " << p[1];
  }
  for (const auto& p : inside) {
    Click(p[0], p[1]);
    PressKey(KEY_RIGHT);
    EXPECT_EQ(optionsPage, 2) << p[0] << ", " << p[1];
  }

  // Every entry starts on GENERAL.
  PressKey(KEY_ESCAPE);
  RunFrame();
  ASSERT_EQ(currentScreen, SCREEN_MAIN_MENU);
  OpenOptions();
  EXPECT_EQ(optionsPage, 0);
}

TEST_F(OptionsScreen, EachGeneralOptionToggles) {
  OpenOptions();
  for (int32_t row = 1; row <= 3; ++row) {
    const int32_t column = row == 1   ? OPTION_MUSIC
                           : row == 2 ? OPTION_TEAM_INDICATORS
                                      : OPTION_HIGH_DETAIL;
    EXPECT_EQ(optionTable[OPTIONS_GENERAL][column], OPTION_ON);
    Click(rowX, RowY(row));
    EXPECT_EQ(optionTable[OPTIONS_GENERAL][column], OPTION_OFF) << row;
    EXPECT_EQ(Ticks(), static_cast<size_t>(2 * row - 1));
    Click(rowX, RowY(row));
    EXPECT_EQ(optionTable[OPTIONS_GENERAL][column], OPTION_ON) << row;
    EXPECT_EQ(Ticks(), static_cast<size_t>(2 * row));
  }
  // Anything but 0 counts as off and becomes on.
  optionTable[OPTIONS_GENERAL][OPTION_HIGH_DETAIL] = 7;
  Click(rowX, RowY(3));
  EXPECT_EQ(optionTable[OPTIONS_GENERAL][OPTION_HIGH_DETAIL], OPTION_ON);

  // The row boxes: 321 <= x < 960 and 450 < y < 491 for row 1; the glow
  // rises only inside.
  const int32_t inside[][2] = {{321, 451}, {959, 490}};
  const int32_t outside[][2] = {{320, 470}, {960, 470}, {640, 450}};
  for (const auto& p : outside) {
    HeadlessSetMouse(p[0], p[1], 0);
    for (int32_t i = 0; i < 11; ++i) RunFrame();
    EXPECT_EQ(menuGlow[2][0], 0) << p[0] << ", " << p[1];
  }
  for (const auto& p : inside) {
    HeadlessSetMouse(5, 5, 0);
    for (int32_t i = 0; i < 11; ++i) RunFrame();
    HeadlessSetMouse(p[0], p[1], 0);
    RunFrame();
    EXPECT_EQ(menuGlow[2][0], 1) << p[0] << ", " << p[1];
  }
  // y = 491 is row 2's, not row 1's.
  HeadlessSetMouse(640, 491, 0);
  RunFrame();
  EXPECT_EQ(menuGlow[2][0], 0);
  EXPECT_EQ(menuGlow[3][0], 1);
}

TEST_F(OptionsScreen, TheMusicToggleStopsOnceAndTheNextFrameRestartsTheMenuTrack) {
  OpenOptions();
  ASSERT_NE(musicStream, 0);
  const std::string first = std::to_string(musicStream);
  ClearAudioCallLog();
  // Off: stopped and closed at once, and never again.
  Click(rowX, RowY(1));
  EXPECT_EQ(musicStream, 0);
  EXPECT_EQ(Calls("FSOUND_Stream_Stop " + first), 1u);
  EXPECT_EQ(Calls("FSOUND_Stream_Close " + first), 1u);
  EXPECT_EQ(CallsStartingWith("FSOUND_Stream_Open"), 0u);
  EXPECT_EQ(musicTrack, TRACK_NONE);
  RunFrame();
  EXPECT_EQ(musicTrack, TRACK_MENU) << "recorded, with nothing opened";
  EXPECT_EQ(CallsStartingWith("FSOUND_Stream_Stop"), 1u);
  EXPECT_EQ(CallsStartingWith("FSOUND_Stream_Close"), 1u);
  EXPECT_EQ(CallsStartingWith("FSOUND_Stream_Open"), 0u);

  // On: the frame after the click opens the menu track.
  ClearAudioCallLog();
  HeadlessSetMouse(rowX, RowY(1), 0);
  RunFrame();
  HeadlessSetMouse(rowX, RowY(1), 1);
  RunFrame();
  EXPECT_EQ(musicTrack, TRACK_NONE);
  EXPECT_EQ(AudioCallLog().size(), 1u);
  EXPECT_EQ(Ticks(), 1u);
  RunFrame();
  EXPECT_EQ(Calls("FSOUND_Stream_Open data/music/menu.ogg 2"), 1u);
  EXPECT_EQ(CallsStartingWith("FSOUND_Stream_Play 1 "), 1u);
  EXPECT_EQ(CallsStartingWith("FSOUND_SetVolume"), 0u);
  EXPECT_EQ(musicTrack, TRACK_MENU);
  EXPECT_NE(musicStream, 0);
}

TEST_F(OptionsScreen, BindingAKey) {
  OpenOptions();
  PressKey(KEY_RIGHT);
  ASSERT_EQ(optionsPage, 1);
  // Clicking THRUST while A is held binds A in that very frame.
  HeadlessSetKey(KEY_A, true);
  Click(rowX, RowY(INPUT_THRUST));
  EXPECT_EQ(optionTable[1][INPUT_THRUST], KEY_A);
  EXPECT_EQ(awaitedBinding, 0);
  HeadlessSetKey(KEY_A, false);

  // A click with no key held waits; Escape cancels and keeps the old key.
  Click(rowX, RowY(INPUT_TURN_LEFT));
  EXPECT_EQ(awaitedBinding, INPUT_TURN_LEFT);
  EXPECT_EQ(Ticks(), 2u);
  PressKey(KEY_ESCAPE);
  EXPECT_EQ(awaitedBinding, 0);
  EXPECT_EQ(optionTable[1][INPUT_TURN_LEFT], 37);
  EXPECT_EQ(currentScreen, SCREEN_OPTIONS);
  EXPECT_EQ(pendingScreen, 0);

  // While waiting the arrow keys do not page: the key pressed is bound.
  Click(rowX, RowY(INPUT_FIRE_PRIMARY));
  PressKey(KEY_RIGHT);
  EXPECT_EQ(optionsPage, 1);
  EXPECT_EQ(optionTable[1][INPUT_FIRE_PRIMARY], KEY_RIGHT);
  // Nor do the arrows, DONE or the other rows take a click.
  Click(rowX, RowY(INPUT_SNIPING));
  ASSERT_EQ(awaitedBinding, INPUT_SNIPING);
  Click(rightArrowX, arrowY);
  Click(doneX, doneY);
  Click(rowX, RowY(INPUT_THRUST));
  EXPECT_EQ(optionsPage, 1);
  EXPECT_EQ(awaitedBinding, INPUT_SNIPING);
  EXPECT_EQ(currentScreen, SCREEN_OPTIONS);
  // Two keys at once: the lower code. A quick tap binds too.
  HeadlessSetKey(90, true);
  HeadlessSetKey(88, true);
  RunFrame();
  EXPECT_EQ(optionTable[1][INPUT_SNIPING], 88);
  HeadlessSetKey(90, false);
  HeadlessSetKey(88, false);
  Click(rowX, RowY(INPUT_FIRE_SECONDARY));
  HeadlessTapKey(66);
  RunFrame();
  EXPECT_EQ(optionTable[1][INPUT_FIRE_SECONDARY], 66);
  // A key already bound elsewhere is taken as it is.
  Click(rowX, RowY(INPUT_TURN_RIGHT));
  PressKey(87);
  EXPECT_EQ(optionTable[1][INPUT_TURN_RIGHT], 87);
  EXPECT_EQ(optionTable[2][INPUT_THRUST], 87);

  // Escape going down in the frame of a row's click leaves the screen and is
  // not bound.
  HeadlessSetMouse(rowX, RowY(INPUT_THRUST), 0);
  RunFrame();
  HeadlessSetKey(KEY_ESCAPE, true);
  HeadlessSetMouse(rowX, RowY(INPUT_THRUST), 1);
  RunFrame();
  HeadlessSetMouse(rowX, RowY(INPUT_THRUST), 0);
  HeadlessSetKey(KEY_ESCAPE, false);
  EXPECT_EQ(optionTable[1][INPUT_THRUST], KEY_A);
  EXPECT_EQ(pendingScreen, SCREEN_MAIN_MENU);
  RunFrame();
  ASSERT_EQ(currentScreen, SCREEN_MAIN_MENU);
  // The wait did not survive the way out: the next visit's general page
  // takes no key into its cells.
  OpenOptions();
  EXPECT_EQ(awaitedBinding, 0);
  HeadlessSetKey(75, true);
  RunFrame();
  HeadlessSetKey(75, false);
  EXPECT_EQ(optionTable[OPTIONS_GENERAL][OPTION_MUSIC], OPTION_ON);
}

TEST_F(OptionsScreen, LeavingRewritesTheFileWithExactlyTheChangedCells) {
  std::vector<int32_t> expected = FileInts("data/options.qv2");
  ASSERT_EQ(expected.size(), 36u);
  EXPECT_EQ(expected[1], 0);
  OpenOptions();
  Click(rowX, RowY(2));  // team indicators off
  PressKey(KEY_RIGHT);
  PressKey(KEY_RIGHT);
  HeadlessSetKey(KEY_A, true);
  Click(rowX, RowY(INPUT_SNIPING));  // slot 2's sniping key
  HeadlessSetKey(KEY_A, false);
  EXPECT_EQ(FileInts("data/options.qv2"), expected) << "nothing written before leaving";
  // DONE: the file is written in the frame the screen is left.
  Click(doneX, doneY);
  EXPECT_EQ(pendingScreen, SCREEN_MAIN_MENU);
  expected[1 + 0] = 1;  // [0][0], set by every frame head
  expected[1 + OPTION_TEAM_INDICATORS] = OPTION_OFF;
  expected[1 + 7 * 2 + INPUT_SNIPING] = KEY_A;
  EXPECT_EQ(FileInts("data/options.qv2"), expected);
  RunFrame();
  EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);

  // Leaving by Escape without a change still writes the file.
  fs::remove("data/options.qv2");
  OpenOptions();
  PressKey(KEY_ESCAPE);
  EXPECT_EQ(FileInts("data/options.qv2"), expected);

  // DONE's box: 318 <= x < 967, 723 <= y < 764.
  RunFrame();
  OpenOptions();
  for (const auto& p :
       std::vector<std::pair<int32_t, int32_t>>{{317, 740}, {967, 740}, {640, 722}, {640, 764}}) {
    Click(p.first, p.second);
    EXPECT_EQ(pendingScreen, 0) << p.first << ", " << p.second;
  }
  Click(966, 763);
  EXPECT_EQ(pendingScreen, SCREEN_MAIN_MENU);
}

TEST_F(OptionsScreen, AFullDiskWhenLeavingKeepsTheOldFileAndTellsThePlayer) {
  const std::string before = FileBytes("data/options.qv2");
  ASSERT_EQ(before.size(), 144u);
  fs::create_symlink("/dev/full", "data/options.qv2.tmp");
  OpenOptions();
  Click(rowX, RowY(3));
  PressKey(KEY_ESCAPE);
  EXPECT_EQ(FileBytes("data/options.qv2"), before);
  EXPECT_FALSE(fs::exists(fs::symlink_status("data/options.qv2.tmp")));
  RunFrame();
  ASSERT_EQ(currentScreen, SCREEN_MAIN_MENU);
  EXPECT_EQ(saveFailureFrames, saveFailureShownFrames - 1);
  // The choice stays in effect for this run.
  EXPECT_EQ(optionTable[OPTIONS_GENERAL][OPTION_HIGH_DETAIL], OPTION_OFF);
}

namespace {

class OptionsPictures : public OptionsScreen {
 protected:
  bool WithMedia() const override { return true; }
  // Text pixels in the line of a row, as presented: the glyphs are shaded,
  // so a colour counts by its hue (cyan: green = blue; green: no blue).
  static size_t InRow(bool cyan, int32_t row) {
    size_t n = 0;
    for (int32_t y = 423 + 40 * row; y < 443 + 40 * row; ++y) {
      for (int32_t x = 300; x < 1000; ++x) {
        const uint32_t p = PresentedPixel(x, y);
        const uint32_t r = p >> 16, g = (p >> 8) & 0xff, b = p & 0xff;
        n += r == 0 && g >= 60 && (cyan ? b == g : b == 0) ? 1 : 0;
      }
    }
    return n;
  }
};

}  // namespace

TEST_F(OptionsPictures, TheRowAwaitingAKeyIsDrawnInCyan) {
  OpenOptions();
  PressKey(KEY_RIGHT);
  HeadlessSetMouse(rowX, RowY(INPUT_TURN_RIGHT), 0);
  RunFrame();
  HeadlessSetMouse(rowX, RowY(INPUT_TURN_RIGHT), 1);
  RunFrame();
  ASSERT_EQ(awaitedBinding, INPUT_TURN_RIGHT);
  EXPECT_GT(InRow(true, INPUT_TURN_RIGHT), 100u);
  EXPECT_EQ(InRow(false, INPUT_TURN_RIGHT), 0u);
  EXPECT_EQ(InRow(true, INPUT_TURN_LEFT), 0u);
  EXPECT_GT(InRow(false, INPUT_TURN_LEFT), 100u) << "the other rows in green";
  HeadlessSetMouse(5, 5, 0);
}

namespace {

class NewShipAward : public OptionsScreen {
 protected:
  void SetUp() override {
    OptionsScreen::SetUp();
    // A picture of its own colour for every ship type.
    for (int32_t type = 1; type <= shipCount; ++type) {
      std::vector<uint8_t> rgba(static_cast<size_t>(40) * 40 * 4, 255);
      for (size_t i = 0; i < rgba.size(); i += 4) {
        rgba[i] = static_cast<uint8_t>(type * 6);
        rgba[i + 1] = static_cast<uint8_t>(250 - type * 6);
      }
      shipBigImages[type] = ImageFromPixels(rgba.data(), 40, 40, false, 40, 40, 1, 0);
      CentreImageAnchor(shipBigImages[type]);
    }
  }
  static uint32_t ColourOf(int32_t type) {
    return static_cast<uint32_t>(type * 6) << 16 | static_cast<uint32_t>(250 - type * 6) << 8 |
           255u;
  }
  // As the statistics screen leaves after a live challenge won by team 1.
  static void EnterAward() {
    gameMode = MODE_CHALLENGE;
    playbackMode = 0;
    pendingScreen = SCREEN_NEW_SHIP;
    ClearAudioCallLog();
  }
};

}  // namespace

TEST_F(NewShipAward, UnlocksShowsAndStoresTheNextShipAfter300Frames) {
  std::ofstream("data/exp.qv2", std::ios::binary).write("\x29\0\0\0\x04\0\0\0", 8);
  RunFrame();
  ASSERT_EQ(bonusShipsUnlocked, 0) << "read on the first frame only";
  bonusShipsUnlocked = 4;
  EnterAward();
  RunFrame();
  ASSERT_EQ(currentScreen, SCREEN_NEW_SHIP);
  EXPECT_EQ(bonusShipsUnlocked, 5);
  EXPECT_EQ(AvailableShipCount(), 15);
  EXPECT_EQ(newShipTimer, 1);
  EXPECT_EQ(PresentedPixel(640, 640), ColourOf(shipOrder[15]));
  EXPECT_NE(ColourOf(shipOrder[15]), ColourOf(shipOrder[14]));
  EXPECT_EQ(Calls("PlaySoundOnChannel 9003 0"), 1u);
  // No input: neither a click nor Escape ends it early.
  HeadlessTapMouse(640, 640, 1);
  HeadlessTapKey(KEY_ESCAPE);
  for (int32_t frame = 2; frame <= 299; ++frame) RunFrame();
  EXPECT_EQ(currentScreen, SCREEN_NEW_SHIP);
  EXPECT_EQ(pendingScreen, 0);
  EXPECT_EQ(FileBytes("data/exp.qv2"), std::string("\x29\0\0\0\x04\0\0\0", 8))
      << "not before frame 300";
  RunFrame();
  EXPECT_EQ(FileBytes("data/exp.qv2"), std::string("\x29\0\0\0\x05\0\0\0", 8));
  EXPECT_EQ(pendingScreen, SCREEN_MAIN_MENU);
  EXPECT_EQ(newShipTimer, 0);
  EXPECT_EQ(Calls("PlaySoundOnChannel 9003 0"), 1u);
  EXPECT_EQ(CallsStartingWith("FSOUND"), 0u) << "the music plays on";
  RunFrame();
  EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);
}

TEST_F(NewShipAward, NothingIsStoredInCheatModeOrWithEveryShipUnlocked) {
  // Cheat mode: the screen runs, but the progress is not stored.
  cheatModeActive = 1;
  bonusShipsUnlocked = 29;
  EnterAward();
  for (int32_t frame = 1; frame <= 300; ++frame) RunFrame();
  EXPECT_EQ(pendingScreen, SCREEN_MAIN_MENU);
  EXPECT_EQ(bonusShipsUnlocked, 30);
  EXPECT_FALSE(fs::exists("data/exp.qv2"));

  // Every bonus ship already available: straight back, no award.
  RunFrame();
  cheatModeActive = 0;
  EnterAward();
  RunFrame();
  EXPECT_EQ(currentScreen, SCREEN_NEW_SHIP);
  EXPECT_EQ(pendingScreen, SCREEN_MAIN_MENU);
  EXPECT_EQ(bonusShipsUnlocked, 30);
  EXPECT_EQ(Calls("PlaySoundOnChannel 9003 0"), 0u);
  RunFrame();
  EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);
  for (int32_t frame = 1; frame <= 300; ++frame) RunFrame();
  EXPECT_FALSE(fs::exists("data/exp.qv2"));
}
