// Presses that begin and end between two frames (a quick key tap, a click as
// a touchpad or a remote desktop sends it): they count once, in the menus and
// in the match's recorded controls.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "catalogue/explosions.hpp"
#include "catalogue/ships.hpp"
#include "match/input_edges.hpp"
#include "match/shell_tables.hpp"
#include "match/spawn.hpp"
#include "platform/display.hpp"
#include "platform/fsound.hpp"
#include "platform/headless.hpp"
#include "platform/input.hpp"
#include "platform/platform_internal.hpp"
#include "shell/screens.hpp"
#include "shell/startup_tables.hpp"
#include "tests/match_harness.hpp"
#include "tests/shell_harness.hpp"
#include "tests/test_folder.hpp"

namespace {

// SDL scancodes (USB usage numbers) of A and Escape.
constexpr int32_t SCAN_A = 4;
constexpr int32_t SCAN_ESCAPE = 41;

class InputTaps : public ::testing::Test {
 protected:
  void SetUp() override {
    UseHeadlessBackend(true);
    ResetPlatformDisplay();
    ResetInputEdges();
    ASSERT_EQ(OpenDisplay(1280, 1024, 32, 75, 0), 1);
    PollInput();  // every key and button seen up
  }
  void TearDown() override {
    ResetPlatformDisplay();
    ResetInputEdges();
  }
};

}  // namespace

TEST_F(InputTaps, KeyAndButtonTapsBetweenTwoPollsCountOnce) {
  using platform_detail::InputButtonEvent;
  using platform_detail::InputScancodeEvent;
  // As the window events arrive: down and up in one batch.
  InputScancodeEvent(SCAN_A, true, false, false);
  InputScancodeEvent(SCAN_A, false, false, false);
  InputButtonEvent(1, true);
  InputButtonEvent(1, false);
  InputButtonEvent(2, true);
  InputButtonEvent(2, false);
  EXPECT_FALSE(IsKeyHeld(65));
  EXPECT_FALSE(IsMouseButtonHeld(1));
  PollInput();
  EXPECT_EQ(KeyPressed(65), 1);
  EXPECT_EQ(KeyDown(65), 1) << "down for the frame of its press";
  EXPECT_EQ(MousePressed(1), 1);
  EXPECT_EQ(MousePressed(2), 1);
  PollInput();
  EXPECT_EQ(KeyPressed(65), 0);
  EXPECT_EQ(KeyDown(65), 0);
  EXPECT_EQ(MousePressed(1), 0);
  EXPECT_EQ(MousePressed(2), 0);

  // Held across a poll, then let go and pressed again before the next one:
  // a new press.
  InputScancodeEvent(SCAN_ESCAPE, true, false, false);
  PollInput();
  EXPECT_EQ(KeyPressed(27), 1);
  InputScancodeEvent(SCAN_ESCAPE, false, false, false);
  InputScancodeEvent(SCAN_ESCAPE, true, false, false);
  PollInput();
  EXPECT_EQ(KeyPressed(27), 1);
  // Auto-repeat and repeated down reports of a held button are no new press.
  InputScancodeEvent(SCAN_ESCAPE, true, true, false);
  HeadlessSetMouse(10, 10, 1);
  PollInput();
  EXPECT_EQ(MousePressed(1), 1);
  HeadlessSetMouse(20, 20, 1);
  HeadlessSetMouse(30, 30, 1);
  PollInput();
  EXPECT_EQ(KeyPressed(27), 0);
  EXPECT_EQ(MousePressed(1), 0);
  HeadlessSetMouse(30, 30, 0);
  InputScancodeEvent(SCAN_ESCAPE, false, false, false);

  // A tap followed by a flush in the same frame is gone, and stays gone.
  HeadlessTapKey(66);
  PollInput();
  FlushPressed();
  EXPECT_EQ(KeyDown(66), 0);
  PollInput();
  EXPECT_EQ(KeyPressed(66), 0);

  // A focus change releases everything, also a tap not yet seen.
  HeadlessTapKey(67);
  HeadlessTapMouse(5, 5, 1);
  HeadlessFocusChange(false);
  PollInput();
  EXPECT_EQ(KeyPressed(67), 0);
  EXPECT_EQ(MousePressed(1), 0);
}

TEST_F(InputTaps, ATapBeforeTheFirstPollIsNoPress) {
  ResetInputEdges();
  HeadlessTapKey(65);
  HeadlessSetKey(66, true);
  PollInput();
  EXPECT_EQ(KeyPressed(65), 0);
  EXPECT_EQ(KeyPressed(66), 0) << "held at start";
  HeadlessTapKey(65);
  PollInput();
  EXPECT_EQ(KeyPressed(65), 1);
  HeadlessSetKey(66, false);
}

namespace {

class MenuTaps : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.emplace("qw2_menutaps_");
    ASSERT_TRUE(shellharness::StartShell());
    HeadlessSetMouse(5, 5, 0);
    RunFrame();
    RunFrame();
  }
  void TearDown() override {
    shellharness::StopShell();
    folder_.reset();
  }
  std::optional<TestFolder> folder_;
};

}  // namespace

TEST_F(MenuTaps, QuickClicksAndKeyTapsActOnTheMenus) {
  // NEW GAME, clicked with press and release back to back.
  HeadlessTapMouse(700, 390, 1);
  RunFrame();
  EXPECT_EQ(pendingScreen, SCREEN_GAME_MODE);
  RunFrame();
  ASSERT_EQ(currentScreen, SCREEN_GAME_MODE);
  // Escape tapped: back to the main menu.
  HeadlessTapKey(27);
  RunFrame();
  EXPECT_EQ(pendingScreen, SCREEN_MAIN_MENU);
  RunFrame();
  ASSERT_EQ(currentScreen, SCREEN_MAIN_MENU);
  // A tap of Escape on the main menu quits at the end of that frame.
  HeadlessTapKey(27);
  EXPECT_FALSE(RunFrame());
  EXPECT_EQ(quitRequested, 1);
}

namespace {

class MatchTaps : public ::testing::Test {
 protected:
  void SetUp() override { harness::ResetMatchWorld(); }
  void TearDown() override { playbackMode = 0; }
  void Frame() {
    PollInput();
    MatchUpdate();
    ReplaySyncCheck();
  }
};

}  // namespace

TEST_F(MatchTaps, ATapCountsAsHeldForOneFrameAndIsRecordedSo) {
  harness::MatchSetup setup;
  setup.slots[1] = {CONTROL_HUMAN, 1, {15, 24}};
  setup.slots[2] = {CONTROL_HUMAN, 2, {25}};
  harness::ApplySetup(setup);
  StartMatch();
  const int32_t thrust = harness::SlotKey(1, INPUT_THRUST);
  const int32_t fire = harness::SlotKey(1, INPUT_FIRE_PRIMARY);
  const int32_t right = harness::SlotKey(1, INPUT_TURN_RIGHT);
  PollInput();
  // Choosing: a tap of turn right steps once, a tap of fire launches
  // (the launch timer has passed 75 by then).
  HeadlessTapKey(right);
  Frame();
  EXPECT_EQ(replayData[matchFrame][1][INPUT_TURN_RIGHT], 1);
  EXPECT_EQ(fleetTable[1][1][0], 2);
  Frame();
  EXPECT_EQ(replayData[matchFrame][1][INPUT_TURN_RIGHT], 0);
  HeadlessTapKey(fire);
  Frame();
  EXPECT_EQ(replayData[matchFrame][1][INPUT_FIRE_PRIMARY], 1);
  EXPECT_EQ(slotTable[1][SLOT_ARENA], ARENA_FLYING);

  // Flying: a tapped thrust key is held for exactly one frame.
  const int32_t tapped = matchFrame + 1;
  HeadlessTapKey(thrust);
  Frame();
  EXPECT_EQ(playerInput[1][INPUT_THRUST], 1);
  EXPECT_EQ(replayData[tapped][1][INPUT_THRUST], 1);
  Frame();
  EXPECT_EQ(playerInput[1][INPUT_THRUST], 0);
  EXPECT_EQ(replayData[tapped + 1][1][INPUT_THRUST], 0);
  // A held key still counts every frame.
  HeadlessSetKey(thrust, true);
  Frame();
  Frame();
  EXPECT_EQ(replayData[matchFrame][1][INPUT_THRUST], 1);
  HeadlessSetKey(thrust, false);

  // Playback reads the recording, whatever the keys do.
  playbackMode = 1;
  matchFrame = tapped - 1;
  HeadlessTapKey(fire);
  MatchInput();
  EXPECT_EQ(playerInput[1][INPUT_THRUST], 1);
  EXPECT_EQ(playerInput[1][INPUT_FIRE_PRIMARY], 0);
}
