#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "match/key_codes.hpp"
#include "match/media_tables.hpp"
#include "match/shell_tables.hpp"
#include "platform/display.hpp"
#include "platform/draw.hpp"
#include "platform/fsound.hpp"
#include "platform/headless.hpp"
#include "platform/input.hpp"
#include "platform/random.hpp"
#include "platform/timing.hpp"
#include "platform/winplace.hpp"
#include "shell/screens.hpp"
#include "shell/startup.hpp"
#include "tests/shell_harness.hpp"

namespace fs = std::filesystem;

namespace {

using shellharness::Calls;
using shellharness::CallsStartingWith;

class ShellStartupTest : public ::testing::Test {
 protected:
  void SetUp() override { shellharness::ResetHeadlessShell(); }
  void TearDown() override { shellharness::StopShell(); }
  // The left button goes down after the given pass and up after the next.
  static void ClickAfterPass(int64_t pass, int32_t x, int32_t y) {
    HeadlessAtFrame(pass, [x, y] { HeadlessSetMouse(x, y, 1); });
    HeadlessAtFrame(pass + 1, [x, y] { HeadlessSetMouse(x, y, 0); });
  }
  // The pointer put at a desktop place, as the user's hand moves it.
  static void HandAt(int32_t x, int32_t y, int32_t buttons) {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    GetWindowRect(1, left, top, right, bottom);
    HeadlessSetMouse(x - left, y - top, buttons);
  }
};

}  // namespace

TEST_F(ShellStartupTest, QuitEndsTheWindowWithAClick) {
  HeadlessSetMouse(240, 320, 0);
  ClickAfterPass(1, 240, 320);
  EXPECT_EQ(RunStartupWindow(), 3);
  EXPECT_EQ(PresentedFrameCount(), 2);
  EXPECT_EQ(windowTitle, u"Quorvex Wexlor 2 - Startup Menu");
  EXPECT_EQ(DisplayWidth(), 480);
  EXPECT_EQ(DisplayHeight(), 360);
  ASSERT_FALSE(AudioCallLog().empty());
  EXPECT_EQ(AudioCallLog().front(), "FSOUND_SetOutput 2");
  EXPECT_EQ(Calls("PlaySoundOnChannel"), 1u);
  EXPECT_EQ(Calls("FSOUND_Init"), 0u) << "the music library is never started";
  // Centred on the desktop.
  EXPECT_EQ(startupWindowX, 1920 / 2 - 240);
  EXPECT_EQ(startupWindowY, 1080 / 2 - 180);
  EXPECT_EQ(startupHover[3], 1);
}

TEST_F(ShellStartupTest, CloseBoxEscapeAndCloseRequest) {
  HeadlessSetMouse(465, 14, 0);
  ClickAfterPass(1, 465, 14);
  EXPECT_EQ(RunStartupWindow(), 3);
  EXPECT_EQ(Calls("PlaySoundOnChannel"), 0u) << "the close box makes no sound";

  ResetPlatformDisplay();
  ResetShell();
  HeadlessSetMouse(10, 10, 0);
  HeadlessAtFrame(3, [] { HeadlessSetKey(KEY_ESCAPE, true); });
  EXPECT_EQ(RunStartupWindow(), 3);
  EXPECT_EQ(PresentedFrameCount(), 4);

  ResetPlatformDisplay();
  ResetShell();
  HeadlessAtFrame(5, [] { HeadlessRequestClose(); });
  EXPECT_EQ(RunStartupWindow(), 3);
  EXPECT_EQ(PresentedFrameCount(), 5);
}

TEST_F(ShellStartupTest, DriverToggleAndRunGame) {
  HeadlessSetMouse(240, 240, 0);
  ClickAfterPass(1, 240, 240);
  ClickAfterPass(3, 240, 240);
  ClickAfterPass(5, 240, 240);
  HeadlessAtFrame(7, [] { HeadlessSetMouse(240, 190, 0); });
  ClickAfterPass(8, 240, 190);
  EXPECT_EQ(RunStartupWindow(), 1);
  EXPECT_EQ(graphicsDriverChoice, 1);
  EXPECT_EQ(startupChoice, 1);
  EXPECT_EQ(Calls("PlaySoundOnChannel"), 4u);
  EXPECT_EQ(screenModeError, 0);
}

TEST_F(ShellStartupTest, RunGameIsRefusedWithoutTheDisplayMode) {
  HeadlessSetDisplayModeAvailable(false);
  HeadlessSetMouse(240, 190, 0);
  ClickAfterPass(1, 240, 190);
  // The pointer leaves the item; the error stays.
  HeadlessAtFrame(4, [] { HeadlessSetMouse(10, 10, 0); });
  HeadlessAtFrame(6, [] { HeadlessSetKey(KEY_ESCAPE, true); });
  EXPECT_EQ(RunStartupWindow(), 3);
  EXPECT_EQ(screenModeError, 1);
  EXPECT_EQ(PresentedFrameCount(), 7);
}

TEST_F(ShellStartupTest, DraggingOutsideTheItemsMovesTheWindow) {
  HeadlessSetMouse(300, 100, 0);
  HeadlessAtFrame(1, [] { HeadlessSetMouse(300, 100, 1); });
  // Held and moved: the window follows by the pointer's movement.
  HeadlessAtFrame(2, [] { HeadlessSetMouse(320, 110, 1); });
  // The window has caught up with the pointer.
  HeadlessAtFrame(3, [] { HeadlessSetMouse(300, 100, 1); });
  HeadlessAtFrame(4, [] { HeadlessSetMouse(300, 100, 0); });
  HeadlessAtFrame(5, [] { HeadlessSetMouse(310, 100, 0); });
  HeadlessAtFrame(6, [] { HeadlessSetKey(KEY_ESCAPE, true); });
  EXPECT_EQ(RunStartupWindow(), 3);
  EXPECT_EQ(startupWindowX, 720 + 20);
  EXPECT_EQ(startupWindowY, 360 + 10);
  EXPECT_EQ(startupDragActive, 0);
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  ASSERT_TRUE(GetWindowRect(1, left, top, right, bottom));
  EXPECT_EQ(left, 740);
  EXPECT_EQ(top, 370);
}

// Moving the window moves the pointer's place in it, so the window follows
// the hand one for one and stops when the hand stops.
TEST_F(ShellStartupTest, TheWindowFollowsTheHandOneForOne) {
  // The background at (300, 100) in the window at (720, 360).
  HandAt(1020, 460, 0);
  HeadlessAtFrame(1, [] { HandAt(1020, 460, 1); });
  for (int32_t step = 1; step <= 6; ++step) {
    HeadlessAtFrame(1 + step, [step] {
      EXPECT_EQ(startupWindowX, 720 + 5 * (step - 1));
      HandAt(1020 + 5 * step, 460 + 15 * step / 6, 1);
    });
  }
  // Held still for 20 passes, released; then a click that does not move.
  HeadlessAtFrame(28, [] { HandAt(1050, 475, 0); });
  HeadlessAtFrame(29, [] { HandAt(1050, 475, 1); });
  HeadlessAtFrame(30, [] { HandAt(1050, 475, 0); });
  // A press on RUN GAME at its new place.
  HeadlessAtFrame(31, [] { HandAt(750 + 240, 375 + 190, 1); });
  // Ends the window when that press missed.
  HeadlessAtFrame(33, [] { HeadlessSetKey(27, true); });
  EXPECT_EQ(RunStartupWindow(), 1);
  EXPECT_EQ(PresentedFrameCount(), 32);
  EXPECT_EQ(startupWindowX, 750);
  EXPECT_EQ(startupWindowY, 375);
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  ASSERT_TRUE(GetWindowRect(1, left, top, right, bottom));
  EXPECT_EQ(left, 750);
  EXPECT_EQ(top, 375);
  ASSERT_TRUE(GetCursorPos(left, top));
  EXPECT_EQ(left, 990);
  EXPECT_EQ(top, 565);
}

TEST_F(ShellStartupTest, ADragStartingOnAnItemDoesNotMoveTheWindow) {
  HeadlessSetMouse(240, 240, 0);
  HeadlessAtFrame(1, [] { HeadlessSetMouse(240, 240, 1); });
  HeadlessAtFrame(2, [] { HeadlessSetMouse(260, 250, 1); });
  HeadlessAtFrame(4, [] { HeadlessSetKey(KEY_ESCAPE, true); });
  EXPECT_EQ(RunStartupWindow(), 3);
  EXPECT_EQ(startupWindowX, 720);
  EXPECT_EQ(startupWindowY, 360);
  EXPECT_EQ(graphicsDriverChoice, 1);
}

TEST_F(ShellStartupTest, StarFieldIsTheSameInEveryRun) {
  MakeStarField();
  int32_t first[3][101][3];
  std::memcpy(first, starField, sizeof first);
  SetRandomSeed(99);
  MakeStarField();
  EXPECT_EQ(std::memcmp(first, starField, sizeof first), 0);
  for (int32_t star = 1; star <= 100; ++star) {
    EXPECT_GE(starField[2][star][1], 1);
    EXPECT_LE(starField[2][star][1], 1280);
    EXPECT_GE(starField[2][star][2], 1);
    EXPECT_LE(starField[2][star][2], 1024);
    EXPECT_EQ(starField[2][star][0], 0);
  }
  EXPECT_NE(starField[1][33][1], 0);
  EXPECT_EQ(starField[1][34][1], 0);
  // Layer 1 takes the first 66 numbers after the fixed seed.
  SetRandomSeed(2475492);
  EXPECT_EQ(starField[1][1][1], RandomIntInRange(1, 1280));
  EXPECT_EQ(starField[1][1][2], RandomIntInRange(1, 1024));
  // After the stars the generator is seeded from the clock.
  HeadlessAdvanceClock(123456);
  MakeStarField();
  EXPECT_EQ(GetRandomSeed(), 123456);
}

TEST_F(ShellStartupTest, WholeStartupOnTheHeadlessBackend) {
  HeadlessSetMouse(240, 190, 0);
  ClickAfterPass(1, 240, 190);
  ShellStartup(nullptr);
  EXPECT_EQ(windowTitle, u"Quorvex Wexlor 2");
  EXPECT_EQ(DisplayWidth(), 1280);
  EXPECT_EQ(DisplayHeight(), 1024);
  EXPECT_EQ(SelectedRenderer(), OpenGLRenderer());
  EXPECT_EQ(PresentRate(), 75);
  EXPECT_NE(frameTimer, 0);
  EXPECT_EQ(CallsStartingWith("FSOUND_Init"),
            (std::vector<std::string>{"FSOUND_Init 22100 128 0"}));
  // Two start-up window passes and the two loading screens of 50 ticks each.
  EXPECT_EQ(PresentedFrameCount(), 2 + 100);
  EXPECT_EQ(loadingLevel, 0);
  EXPECT_EQ(fadePhase, FADE_IN);
  EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);
  EXPECT_EQ(teamNames[5], u"DRAW");
  EXPECT_EQ(shipOrder[1], SHIP_WENDE);
  EXPECT_EQ(Calls("NewSoundChannel"), 3u);
  EXPECT_EQ(GetBlendMode(), BLEND_MASK);
  EXPECT_EQ(GetDrawAlpha(), 1.0);
  int32_t r = 0, g = 0, b = 0;
  GetDrawColour(r, g, b);
  EXPECT_EQ(r + g + b, 765);
  EXPECT_EQ(startTitleImage, 0);
}
