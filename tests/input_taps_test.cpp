// Presses that begin and end between two frames (a quick key tap, a click as
// a touchpad or a remote desktop sends it) count once: in the edges, in the
// menus and in the match's recorded controls.
#include <gtest/gtest.h>

#include <optional>

#include "match/input_edges.hpp"
#include "match/key_codes.hpp"
#include "platform/platform_internal.hpp"
#include "shell/ship_carousel.hpp"
#include "tests/match_harness.hpp"
#include "tests/shell_harness.hpp"
#include "tests/test_folder.hpp"

TEST(InputTaps, KeyAndButtonTapsBetweenTwoPollsCountOnce) {
  using platform_detail::InputButtonEvent;
  using platform_detail::InputScancodeEvent;
  constexpr int32_t SCAN_A = 4, SCAN_ESCAPE = 41;  // SDL scancodes
  UseHeadlessBackend(true);
  ResetPlatformDisplay();
  ResetInputEdges();
  PollInput();
  // Down and up in one batch of window events.
  InputScancodeEvent(SCAN_A, true, false, false);
  InputScancodeEvent(SCAN_A, false, false, false);
  InputButtonEvent(1, true);
  InputButtonEvent(1, false);
  InputButtonEvent(2, true);
  InputButtonEvent(2, false);
  PollInput();
  EXPECT_EQ(KeyPressed(65) + KeyDown(65) + MousePressed(1) + MousePressed(2), 4);
  PollInput();
  EXPECT_EQ(KeyPressed(65) + KeyDown(65) + MousePressed(1) + MousePressed(2), 0);
  // Held over a poll, let go and pressed again before the next: a new press.
  InputScancodeEvent(SCAN_ESCAPE, true, false, false);
  PollInput();
  InputScancodeEvent(SCAN_ESCAPE, false, false, false);
  InputScancodeEvent(SCAN_ESCAPE, true, false, false);
  PollInput();
  EXPECT_EQ(KeyPressed(KEY_ESCAPE), 1);
  // Auto-repeat, and a held button reported down again as the pointer
  // moves, are no new press.
  HeadlessSetMouse(10, 10, 1);
  PollInput();
  InputScancodeEvent(SCAN_ESCAPE, true, true, false);
  HeadlessSetMouse(20, 20, 1);
  PollInput();
  EXPECT_EQ(KeyPressed(KEY_ESCAPE) + MousePressed(1), 0);
  // A focus change releases everything, a tap not yet seen too.
  HeadlessSetMouse(20, 20, 0);
  HeadlessTapKey(66);
  HeadlessTapMouse(5, 5, 1);
  HeadlessFocusChange(false);
  PollInput();
  EXPECT_EQ(KeyPressed(66) + MousePressed(1), 0);
  ResetPlatformDisplay();
}

TEST(InputTaps, QuickClicksAndKeyTapsActOnTheMenus) {
  TestFolder folder("qw2_menutaps_");
  ASSERT_TRUE(shellharness::StartShell());
  HeadlessSetMouse(5, 5, 0);
  RunFrame();
  RunFrame();
  HeadlessTapMouse(700, 390, 1);  // NEW GAME
  RunFrame();
  EXPECT_EQ(pendingScreen, SCREEN_GAME_MODE);
  RunFrame();
  HeadlessTapKey(KEY_ESCAPE);
  RunFrame();
  EXPECT_EQ(pendingScreen, SCREEN_MAIN_MENU);
  RunFrame();
  HeadlessTapKey(KEY_ESCAPE);
  EXPECT_FALSE(RunFrame()) << "Escape on the main menu quits";
  shellharness::StopShell();
}

TEST(InputTaps, AQuickTapTurnsTheCarouselOneCard) {
  TestFolder folder("qw2_carouseltaps_");
  ASSERT_TRUE(shellharness::StartShell());
  HeadlessSetMouse(640, 600, 0);  // away from the sliding edges
  pendingScreen = SCREEN_SHIP_DATABASE;
  RunFrame();
  const int32_t start = shipCarousel[CAROUSEL_POSITION];
  for (int32_t key : {KEY_RIGHT, KEY_LEFT}) {
    HeadlessTapKey(key);
    for (int32_t f = 0; f < 12; ++f) RunFrame();
    EXPECT_EQ(shipCarousel[CAROUSEL_POSITION],
              key == KEY_RIGHT ? WrapShipPosition(start + 1) : start);
    EXPECT_EQ(shipCarousel[CAROUSEL_DIRECTION], SLIDE_IDLE);
  }
  shellharness::StopShell();
}

TEST(InputTaps, ATapCountsAsHeldForOneFrameAndIsRecordedSo) {
  harness::ResetMatchWorld();
  harness::StartDuel({SHIP_SPETH, SHIP_DRONT}, {SHIP_GROK});
  auto frame = [] {
    PollInput();
    MatchUpdate();
  };
  PollInput();
  // Choosing: a tap steps once; a tap of fire launches.
  HeadlessTapKey(harness::SlotKey(1, INPUT_TURN_RIGHT));
  frame();
  EXPECT_EQ(fleetTable[1][1][0], 2);
  HeadlessTapKey(harness::SlotKey(1, INPUT_FIRE_PRIMARY));
  frame();
  ASSERT_EQ(slotTable[1][SLOT_ARENA], ARENA_FLYING);
  // Flying: a tapped thrust key is held for exactly one frame, as recorded.
  HeadlessTapKey(harness::SlotKey(1, INPUT_THRUST));
  frame();
  const int32_t tapped = matchFrame;
  EXPECT_EQ(playerInput[1][INPUT_THRUST], 1);
  frame();
  EXPECT_EQ(replayData[tapped][1][INPUT_THRUST], 1);
  EXPECT_EQ(replayData[tapped + 1][1][INPUT_THRUST], 0);
  // Playback takes the recording, whatever the keys do.
  playbackMode = 1;
  matchFrame = tapped - 1;
  HeadlessTapKey(harness::SlotKey(1, INPUT_FIRE_PRIMARY));
  PollInput();
  MatchInput();
  EXPECT_EQ(playerInput[1][INPUT_THRUST], 1);
  EXPECT_EQ(playerInput[1][INPUT_FIRE_PRIMARY], 0);
  playbackMode = 0;
}
