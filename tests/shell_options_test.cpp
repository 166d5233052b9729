// The options screen and the new-ship award, driven through the real frame
// loop with scripted clicks and keys.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "match/input_edges.hpp"
#include "match/key_codes.hpp"
#include "match/match_tables.hpp"
#include "match/media_tables.hpp"
#include "platform/draw.hpp"
#include "platform/files.hpp"
#include "shell/options_files.hpp"
#include "shell/screen_options.hpp"
#include "tests/game_pictures.hpp"
#include "tests/shell_harness.hpp"

namespace fs = std::filesystem;
using shellharness::Calls;
using shellharness::Click;
using shellharness::FileBytes;
using shellharness::PressKey;

namespace {

// Inside the arrows, the rows and DONE.
constexpr int32_t leftArrowX = 350, rightArrowX = 930, arrowY = 404;
constexpr int32_t rowX = 640, doneX = 640, doneY = 740;
int32_t RowY(int32_t row) { return 430 + 40 * row; }

class OptionsScreen : public shellharness::ShellTest {
 protected:
  OptionsScreen() : ShellTest("qw2_options_") {}
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(ShellTest::SetUp());
    tickSound = 9001;  // stand-ins, so that the log tells the sounds apart
    rewardSound = 9003;
    fs::create_directories("data/music");
    std::ofstream("data/music/menu.ogg") << "music";
    HeadlessSetMouse(5, 5, 0);
    RunFrame();  // the main menu brightens in and writes the default options
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
};

}  // namespace

TEST_F(OptionsScreen, PagesByKeysAndArrowsWithinTheirBoxes) {
  OpenOptions();
  // No left arrow on GENERAL, no right arrow on PLAYER 4.
  PressKey(KEY_LEFT);
  Click(leftArrowX, arrowY);
  EXPECT_EQ(optionsPage, 0);
  for (int32_t page = 1; page <= 4; ++page) PressKey(KEY_RIGHT);
  PressKey(KEY_RIGHT);
  Click(rightArrowX, arrowY);
  EXPECT_EQ(optionsPage, 4);
  EXPECT_EQ(Ticks(), 0u);
  // The left arrow's box: 330 <= x < 371, 384 <= y < 425.
  for (const auto& p :
       std::vector<std::pair<int32_t, int32_t>>{{329, 404}, {371, 404}, {350, 383}, {350, 425}}) {
    Click(p.first, p.second);
  }
  EXPECT_EQ(optionsPage, 4);
  Click(330, 384);
  Click(370, 424);
  EXPECT_EQ(optionsPage, 2);
  Click(rightArrowX, arrowY);
  PressKey(KEY_LEFT);
  EXPECT_EQ(optionsPage, 2);
  EXPECT_EQ(Ticks(), 3u);
  // Every entry starts on GENERAL.
  PressKey(KEY_ESCAPE);
  RunFrame();
  OpenOptions();
  EXPECT_EQ(optionsPage, 0);
}

TEST_F(OptionsScreen, TogglesAndTheMusicSwitch) {
  OpenOptions();
  const int32_t columns[4] = {0, OPTION_MUSIC, OPTION_TEAM_INDICATORS, OPTION_HIGH_DETAIL};
  for (int32_t row = 2; row <= 3; ++row) {
    Click(rowX, RowY(row));
    EXPECT_EQ(optionTable[OPTIONS_GENERAL][columns[row]], OPTION_OFF);
    optionTable[OPTIONS_GENERAL][columns[row]] = 7;  // anything but 0 is off
    Click(rowX, RowY(row));
    EXPECT_EQ(optionTable[OPTIONS_GENERAL][columns[row]], OPTION_ON);
  }
  EXPECT_EQ(Ticks(), 4u);
  // Row 1's box ends at y = 491 (strict) where row 2's begins.
  Click(rowX, 491);
  EXPECT_EQ(optionTable[OPTIONS_GENERAL][OPTION_TEAM_INDICATORS], OPTION_OFF);

  // Music off: the stream is stopped and closed once, its handle cleared,
  // and the next frame's test opens nothing.
  const std::string stream = std::to_string(musicStream);
  ASSERT_NE(musicStream, 0);
  ClearAudioCallLog();
  Click(rowX, RowY(1));
  EXPECT_EQ(musicTrack, TRACK_NONE);
  EXPECT_EQ(musicStream, 0);
  RunFrame();
  EXPECT_EQ(musicTrack, TRACK_MENU);
  EXPECT_EQ(AudioCallLog(),
            (std::vector<std::string>{"PlaySoundOnChannel 9001 0", "FSOUND_Stream_Stop " + stream,
                                      "FSOUND_Stream_Close " + stream}));
  // Music on: the frame after the click starts the menu track.
  ClearAudioCallLog();
  Click(rowX, RowY(1));
  EXPECT_EQ(Calls("FSOUND"), 0u);
  RunFrame();
  EXPECT_EQ(Calls("FSOUND_Stream_Open data/music/menu.ogg 2"), 1u);
  EXPECT_EQ(Calls("FSOUND_Stream_Play 1 "), 1u);
  EXPECT_NE(musicStream, 0);
}

TEST_F(OptionsScreen, BindingKeys) {
  OpenOptions();
  PressKey(KEY_RIGHT);
  // Clicking THRUST while A is held binds A in that very frame.
  HeadlessSetKey(KEY_A, true);
  Click(rowX, RowY(INPUT_THRUST));
  HeadlessSetKey(KEY_A, false);
  EXPECT_EQ(optionTable[1][INPUT_THRUST], KEY_A);
  EXPECT_EQ(awaitedBinding, 0);
  // Escape cancels a wait and keeps the old key.
  Click(rowX, RowY(INPUT_TURN_LEFT));
  EXPECT_EQ(awaitedBinding, INPUT_TURN_LEFT);
  PressKey(KEY_ESCAPE);
  EXPECT_EQ(awaitedBinding, 0);
  EXPECT_EQ(optionTable[1][INPUT_TURN_LEFT], 37);
  EXPECT_EQ(pendingScreen, 0);
  // While waiting, arrows, DONE and the rows take no click; an arrow key
  // binds instead of paging.
  Click(rowX, RowY(INPUT_FIRE_PRIMARY));
  Click(rightArrowX, arrowY);
  Click(doneX, doneY);
  Click(rowX, RowY(INPUT_SNIPING));
  PressKey(KEY_RIGHT);
  EXPECT_EQ(optionsPage, 1);
  EXPECT_EQ(pendingScreen, 0);
  EXPECT_EQ(optionTable[1][INPUT_FIRE_PRIMARY], KEY_RIGHT);
  EXPECT_EQ(optionTable[1][INPUT_SNIPING], 189);
  // Two keys at once: the lower code. A quick tap binds too.
  Click(rowX, RowY(INPUT_SNIPING));
  HeadlessSetKey(90, true);
  HeadlessSetKey(88, true);
  RunFrame();
  HeadlessSetKey(90, false);
  HeadlessSetKey(88, false);
  EXPECT_EQ(optionTable[1][INPUT_SNIPING], 88);
  Click(rowX, RowY(INPUT_FIRE_SECONDARY));
  HeadlessTapKey(66);
  RunFrame();
  EXPECT_EQ(optionTable[1][INPUT_FIRE_SECONDARY], 66);

  // Escape going down in the frame of a row's click leaves the screen
  // unbound, and the wait does not outlive the visit: the next visit's
  // general page takes no key into its cells.
  HeadlessSetMouse(rowX, RowY(INPUT_THRUST), 0);
  RunFrame();
  HeadlessSetKey(KEY_ESCAPE, true);
  HeadlessSetMouse(rowX, RowY(INPUT_THRUST), 1);
  RunFrame();
  HeadlessSetKey(KEY_ESCAPE, false);
  EXPECT_EQ(optionTable[1][INPUT_THRUST], KEY_A);
  EXPECT_EQ(pendingScreen, SCREEN_MAIN_MENU);
  RunFrame();
  OpenOptions();
  PressKey(75);
  EXPECT_EQ(optionTable[OPTIONS_GENERAL][OPTION_MUSIC], OPTION_ON);
}

TEST_F(OptionsScreen, LeavingRewritesTheFileWithExactlyTheChangedCells) {
  std::vector<int32_t> expected = shellharness::FileInts("data/options.qv2");
  ASSERT_EQ(expected.size(), 36u);
  OpenOptions();
  Click(rowX, RowY(2));
  PressKey(KEY_RIGHT);
  PressKey(KEY_RIGHT);
  HeadlessSetKey(KEY_A, true);
  Click(rowX, RowY(INPUT_SNIPING));
  HeadlessSetKey(KEY_A, false);
  EXPECT_EQ(shellharness::FileInts("data/options.qv2"), expected) << "not before leaving";
  // DONE's box: 318 <= x < 967, 723 <= y < 764.
  Click(967, 740);
  Click(640, 722);
  EXPECT_EQ(pendingScreen, 0);
  Click(966, 763);
  EXPECT_EQ(pendingScreen, SCREEN_MAIN_MENU);
  expected[1] = 1;  // cell [0][0], set by every frame head
  expected[1 + OPTION_TEAM_INDICATORS] = OPTION_OFF;
  expected[1 + 7 * 2 + INPUT_SNIPING] = KEY_A;
  EXPECT_EQ(shellharness::FileInts("data/options.qv2"), expected);
  // Leaving by Escape without a change writes it too.
  RunFrame();
  fs::remove("data/options.qv2");
  OpenOptions();
  PressKey(KEY_ESCAPE);
  EXPECT_EQ(shellharness::FileInts("data/options.qv2"), expected);
}

namespace {
class OptionsPictures : public OptionsScreen {
  shellharness::Media MediaToLoad() const override { return shellharness::Media::PicturesAndStars; }
};
}  // namespace

TEST_F(OptionsPictures, TheRowAwaitingAKeyIsDrawnInCyan) {
  OpenOptions();
  PressKey(KEY_RIGHT);
  Click(rowX, RowY(INPUT_TURN_RIGHT));
  ASSERT_EQ(awaitedBinding, INPUT_TURN_RIGHT);
  // Text pixels in a row's line, by hue (the glyphs are shaded).
  auto count = [](bool cyan, int32_t row) {
    size_t n = 0;
    for (int32_t y = 423 + 40 * row; y < 443 + 40 * row; ++y) {
      for (int32_t x = 300; x < 1000; ++x) {
        const uint32_t p = PresentedPixel(x, y), g = (p >> 8) & 0xff, b = p & 0xff;
        n += p >> 16 == 0 && g >= 60 && (cyan ? b == g : b == 0) ? 1 : 0;
      }
    }
    return n;
  };
  EXPECT_GT(count(true, INPUT_TURN_RIGHT), 100u);
  EXPECT_EQ(count(false, INPUT_TURN_RIGHT), 0u);
  EXPECT_EQ(count(true, INPUT_TURN_LEFT), 0u);
  EXPECT_GT(count(false, INPUT_TURN_LEFT), 100u);
}

namespace {
// A big picture of its own red for every ship type.
void ColourEveryBigShip() {
  for (int32_t type = 1; type <= shipCount; ++type) {
    std::vector<uint8_t> rgba(40 * 40 * 4, 255);
    for (size_t i = 0; i < rgba.size(); i += 4) rgba[i] = static_cast<uint8_t>(type * 6);
    shipBigImages[type] = ImageFromPixels(rgba.data(), 40, 40, false, 40, 40, 1, 0);
    CentreImageAnchor(shipBigImages[type]);
  }
}

// The main menu's first frame again, the file's first open or read (or
// every one) failing as a flaky disk's does.
void StartFailingToRead(const std::string& path, FileCall failing, bool always) {
  filesLoaded = 0;
  ResetOptionsFiles();
  int32_t fails = always ? 1 << 30 : 1;
  SetFileCallHook([path, failing, fails](FileCall call, const std::string& on) mutable {
    return !(call == failing && on == path && fails-- > 0);
  });
  RunFrame();
  ASSERT_EQ(currentScreen, SCREEN_MAIN_MENU);
  ASSERT_GT(saveFailureFrames, 0);
}
}  // namespace

TEST_F(OptionsScreen, OptionsTheStartCouldNotReadAreReadAgainOrKeptUnlessChanged) {
  // The player's file: music off, slot 2 thrusts on K.
  std::vector<int32_t> player = shellharness::FileInts("data/options.qv2");
  player[1 + OPTION_MUSIC] = OPTION_OFF;
  player[1 + 7 * 2 + INPUT_THRUST] = KEY_K;
  auto writePlayers = [&player] {
    std::ofstream out("data/options.qv2", std::ios::binary);
    for (int32_t v : player) out.write(reinterpret_cast<const char*>(&v), 4);
  };
  writePlayers();
  const std::string players = FileBytes("data/options.qv2");
  // The first open fails; by the time OPTIONS opens the disk answers again.
  StartFailingToRead("data/options.qv2", FileCall::Open, false);
  EXPECT_EQ(optionTable[2][INPUT_THRUST], KEY_W);
  OpenOptions();
  SetFileCallHook(nullptr);
  EXPECT_EQ(optionTable[2][INPUT_THRUST], KEY_K);
  EXPECT_EQ(optionTable[OPTIONS_GENERAL][OPTION_MUSIC], OPTION_OFF);
  EXPECT_EQ(saveFailureFrames, 0) << "the notice is no longer needed";
  Click(doneX, doneY);
  player[1 + OPTION_FRAME_MARK] = 1;
  EXPECT_EQ(shellharness::FileInts("data/options.qv2"), player);
  RunFrame();
  player[1 + OPTION_FRAME_MARK] = 0;
  writePlayers();
  // Every open, or every read, fails: looked at and left unchanged, the
  // file stays the player's.
  for (const FileCall failing : {FileCall::Open, FileCall::Read}) {
    StartFailingToRead("data/options.qv2", failing, true);
    OpenOptions();
    EXPECT_EQ(optionTable[2][INPUT_THRUST], KEY_W);
    Click(doneX, doneY);
    RunFrame();
    OpenOptions();
    PressKey(KEY_ESCAPE);
    RunFrame();
    EXPECT_EQ(FileBytes("data/options.qv2"), players);
  }
  // A change the player makes is saved.
  OpenOptions();
  Click(rowX, RowY(2));
  Click(doneX, doneY);
  SetFileCallHook(nullptr);
  std::vector<int32_t> changed = shellharness::FileInts("data/options.qv2");
  ASSERT_EQ(changed.size(), 36u);
  EXPECT_EQ(changed[1 + OPTION_TEAM_INDICATORS], OPTION_OFF);
  EXPECT_EQ(changed[1 + 7 * 2 + INPUT_THRUST], KEY_W);
}

TEST_F(OptionsScreen, AnAwardAfterAStartThatCouldNotReadTheProgressGoesOnFromTheFile) {
  ColourEveryBigShip();
  std::ofstream("data/exp.qv2", std::ios::binary) << std::string("\x29\0\0\0\x0c\0\0\0", 8);
  StartFailingToRead("data/exp.qv2", FileCall::Open, false);
  SetFileCallHook(nullptr);
  EXPECT_EQ(bonusShipsUnlocked, 0);
  pendingScreen = SCREEN_NEW_SHIP;
  RunFrame();
  EXPECT_EQ(bonusShipsUnlocked, 13);
  EXPECT_EQ(PresentedPixel(640, 640) >> 16, static_cast<uint32_t>(shipOrder[23] * 6));
  for (int32_t frame = 2; frame <= 300; ++frame) RunFrame();
  EXPECT_EQ(FileBytes("data/exp.qv2"), std::string("\x29\0\0\0\x0d\0\0\0", 8));
}

TEST_F(OptionsScreen, TheAwardShowsStoresAndReturnsAfter300Frames) {
  ColourEveryBigShip();
  const std::string progress("\x29\0\0\0\x04\0\0\0", 8);
  std::ofstream("data/exp.qv2", std::ios::binary) << progress;
  bonusShipsUnlocked = 4;
  // As the statistics screen leaves after a live challenge won by team 1.
  pendingScreen = SCREEN_NEW_SHIP;
  ClearAudioCallLog();
  RunFrame();
  EXPECT_EQ(bonusShipsUnlocked, 5);
  EXPECT_EQ(PresentedPixel(640, 640) >> 16, static_cast<uint32_t>(shipOrder[15] * 6));
  EXPECT_EQ(Calls("PlaySoundOnChannel 9003 0"), 1u);
  // No input ends it early; the file is written in frame 300, not before.
  HeadlessTapMouse(640, 640, 1);
  HeadlessTapKey(KEY_ESCAPE);
  for (int32_t frame = 2; frame <= 299; ++frame) RunFrame();
  EXPECT_EQ(FileBytes("data/exp.qv2"), progress);
  EXPECT_EQ(pendingScreen, 0);
  RunFrame();
  EXPECT_EQ(FileBytes("data/exp.qv2"), std::string("\x29\0\0\0\x05\0\0\0", 8));
  EXPECT_EQ(pendingScreen, SCREEN_MAIN_MENU);
  EXPECT_EQ(Calls("FSOUND"), 0u) << "the music plays on";

  // Cheat mode: shown, not stored.
  RunFrame();
  cheatModeActive = 1;
  bonusShipsUnlocked = 29;
  pendingScreen = SCREEN_NEW_SHIP;
  for (int32_t frame = 1; frame <= 300; ++frame) RunFrame();
  EXPECT_EQ(pendingScreen, SCREEN_MAIN_MENU);
  EXPECT_EQ(bonusShipsUnlocked, 30);
  EXPECT_EQ(FileBytes("data/exp.qv2"), std::string("\x29\0\0\0\x05\0\0\0", 8));
  // Every bonus ship already available: straight back, nothing awarded.
  RunFrame();
  cheatModeActive = 0;
  pendingScreen = SCREEN_NEW_SHIP;
  ClearAudioCallLog();
  RunFrame();
  EXPECT_EQ(pendingScreen, SCREEN_MAIN_MENU);
  EXPECT_EQ(bonusShipsUnlocked, 30);
  EXPECT_EQ(Calls("PlaySoundOnChannel 9003"), 0u);
}
