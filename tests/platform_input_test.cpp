// Key codes, mouse, focus changes, timing and window placement through the
// headless backend.
#include <gtest/gtest.h>

#include "platform/display.hpp"
#include "platform/draw.hpp"
#include "platform/headless.hpp"
#include "platform/input.hpp"
#include "platform/platform_internal.hpp"
#include "platform/system.hpp"
#include "platform/timing.hpp"
#include "platform/winplace.hpp"

namespace {

// SDL scancodes are the USB keyboard usage numbers.
enum Scan : int32_t {
  A = 4,
  Z = 29,
  D1 = 30,
  D9 = 38,
  D0 = 39,
  F1 = 58,
  F12 = 69,
  F13 = 104,
  MINUS = 45,
  EQUALS = 46,
  LBRACKET = 47,
  RBRACKET = 48,
  BACKSLASH = 49,
  NONUSHASH = 50,
  SEMICOLON = 51,
  APOSTROPHE = 52,
  GRAVE = 53,
  COMMA = 54,
  PERIOD = 55,
  SLASH = 56,
  KP_ENTER = 88,
  KP_1 = 89,
  KP_5 = 93,
  KP_8 = 96,
  KP_9 = 97,
  KP_0 = 98,
  KP_PERIOD = 99,
  NONUSBACKSLASH = 100,
  LCTRL = 224,
  LSHIFT = 225,
  LALT = 226,
  LGUI = 227,
  RCTRL = 228,
  RSHIFT = 229,
  RALT = 230,
  RGUI = 231,
  ESCAPE = 41,
  RETURN = 40,
  SPACE = 44,
  UP = 82
};

class PlatformInput : public ::testing::Test {
 protected:
  void SetUp() override {
    UseHeadlessBackend(true);
    ResetPlatformDisplay();
    ASSERT_EQ(OpenDisplay(1280, 1024, 32, 75, 0), 1);
  }
  void TearDown() override { ResetPlatformDisplay(); }
};

TEST(PlatformKeyMap, LettersDigitsAndFunctionKeys) {
  EXPECT_EQ(KeyCodeForScancode(A, false), 65);
  EXPECT_EQ(KeyCodeForScancode(Z, true), 90);
  EXPECT_EQ(KeyCodeForScancode(D1, false), 49);
  EXPECT_EQ(KeyCodeForScancode(D9, false), 57);
  EXPECT_EQ(KeyCodeForScancode(D0, false), 48);
  EXPECT_EQ(KeyCodeForScancode(F1, false), 112);
  EXPECT_EQ(KeyCodeForScancode(F12, false), 123);
  EXPECT_EQ(KeyCodeForScancode(F13, false), 124);
  EXPECT_EQ(KeyCodeForScancode(ESCAPE, false), 27);
  EXPECT_EQ(KeyCodeForScancode(RETURN, false), 13);
  EXPECT_EQ(KeyCodeForScancode(SPACE, false), 32);
  EXPECT_EQ(KeyCodeForScancode(UP, false), 38);
}

TEST(PlatformKeyMap, KeypadFollowsNumLock) {
  EXPECT_EQ(KeyCodeForScancode(KP_0, true), 96);
  EXPECT_EQ(KeyCodeForScancode(KP_1, true), 97);
  EXPECT_EQ(KeyCodeForScancode(KP_5, true), 101);
  EXPECT_EQ(KeyCodeForScancode(KP_9, true), 105);
  EXPECT_EQ(KeyCodeForScancode(KP_PERIOD, true), 110);
  // Without Num Lock the keypad moves; keypad 5 is Clear (12).
  EXPECT_EQ(KeyCodeForScancode(KP_5, false), 12);
  EXPECT_EQ(KeyCodeForScancode(KP_8, false), 38);
  EXPECT_EQ(KeyCodeForScancode(KP_1, false), 35);
  EXPECT_EQ(KeyCodeForScancode(KP_9, false), 33);
  EXPECT_EQ(KeyCodeForScancode(KP_0, false), 45);
  EXPECT_EQ(KeyCodeForScancode(KP_PERIOD, false), 46);
  EXPECT_EQ(KeyCodeForScancode(KP_ENTER, false), 13);
}

TEST(PlatformKeyMap, PunctuationByPositionAndSidedModifiers) {
  EXPECT_EQ(KeyCodeForScancode(SEMICOLON, false), 186);
  EXPECT_EQ(KeyCodeForScancode(EQUALS, false), 187);
  EXPECT_EQ(KeyCodeForScancode(COMMA, false), 188);
  EXPECT_EQ(KeyCodeForScancode(MINUS, false), 189);
  EXPECT_EQ(KeyCodeForScancode(PERIOD, false), 190);
  EXPECT_EQ(KeyCodeForScancode(SLASH, false), 191);
  EXPECT_EQ(KeyCodeForScancode(GRAVE, false), 192);
  EXPECT_EQ(KeyCodeForScancode(LBRACKET, false), 219);
  EXPECT_EQ(KeyCodeForScancode(BACKSLASH, false), 220);
  EXPECT_EQ(KeyCodeForScancode(NONUSHASH, false), 220);
  EXPECT_EQ(KeyCodeForScancode(RBRACKET, false), 221);
  EXPECT_EQ(KeyCodeForScancode(APOSTROPHE, false), 222);
  EXPECT_EQ(KeyCodeForScancode(NONUSBACKSLASH, false), 226);
  EXPECT_EQ(KeyCodeForScancode(LSHIFT, false), 160);
  EXPECT_EQ(KeyCodeForScancode(RSHIFT, false), 161);
  EXPECT_EQ(KeyCodeForScancode(LCTRL, false), 162);
  EXPECT_EQ(KeyCodeForScancode(RCTRL, false), 163);
  EXPECT_EQ(KeyCodeForScancode(LALT, false), 164);
  EXPECT_EQ(KeyCodeForScancode(RALT, false), 165);
  EXPECT_EQ(KeyCodeForScancode(LGUI, false), 91);
  EXPECT_EQ(KeyCodeForScancode(RGUI, false), 92);
  // No key reports the generic modifiers or a mouse button code.
  for (int32_t sc = 0; sc < 512; ++sc) {
    for (bool numLock : {false, true}) {
      int32_t code = KeyCodeForScancode(sc, numLock);
      EXPECT_TRUE(code >= 0 && code <= 255) << sc;
      EXPECT_NE(code, 16) << sc;
      EXPECT_NE(code, 17) << sc;
      EXPECT_NE(code, 18) << sc;
      EXPECT_NE(code, 1) << sc;
      EXPECT_NE(code, 2) << sc;
      EXPECT_NE(code, 4) << sc;
      EXPECT_NE(code, 5) << sc;
      EXPECT_NE(code, 6) << sc;
    }
  }
}

TEST_F(PlatformInput, KeyEventsRepeatsAndNumLockChanges) {
  using platform_detail::InputScancodeEvent;
  InputScancodeEvent(LSHIFT, true, false, false);
  EXPECT_TRUE(IsKeyHeld(160));
  EXPECT_FALSE(IsKeyHeld(16));
  InputScancodeEvent(LSHIFT, false, false, false);
  EXPECT_FALSE(IsKeyHeld(160));
  // An auto-repeat after the key went up is no new key-down.
  InputScancodeEvent(LSHIFT, true, true, false);
  EXPECT_FALSE(IsKeyHeld(160));
  // Keypad 8 went down with Num Lock as 104 and is released as 104.
  InputScancodeEvent(KP_8, true, false, true);
  EXPECT_TRUE(IsKeyHeld(104));
  InputScancodeEvent(KP_8, false, false, false);
  EXPECT_FALSE(IsKeyHeld(104));
  EXPECT_FALSE(IsKeyHeld(38));
  EXPECT_FALSE(IsKeyHeld(0));
  EXPECT_FALSE(IsKeyHeld(256));
}

TEST_F(PlatformInput, MouseButtonsWheelAndPointer) {
  HeadlessSetMouse(640, 512, 1 | 4);
  EXPECT_TRUE(IsMouseButtonHeld(1));
  EXPECT_FALSE(IsMouseButtonHeld(2));
  EXPECT_TRUE(IsMouseButtonHeld(3));
  EXPECT_FALSE(IsKeyHeld(1));  // buttons are never key codes
  EXPECT_FALSE(IsKeyHeld(4));
  EXPECT_EQ(PointerX(), 640);
  EXPECT_EQ(PointerY(), 512);
  MovePointerTo(100, 200);
  EXPECT_EQ(PointerX(), 100);
  EXPECT_EQ(PointerY(), 200);
  // Each movement divided by 120 toward zero, then summed.
  HeadlessMoveWheel(120);
  HeadlessMoveWheel(240);
  EXPECT_EQ(WheelPosition(), 3);
  HeadlessMoveWheel(-119);
  EXPECT_EQ(WheelPosition(), 3);
  HeadlessMoveWheel(-250);
  EXPECT_EQ(WheelPosition(), 1);
}

TEST_F(PlatformInput, FocusChangesReleaseEverything) {
  HeadlessSetKey(65, true);
  HeadlessSetKey(162, true);
  HeadlessSetMouse(10, 20, 3);
  HeadlessMoveWheel(480);
  ASSERT_TRUE(IsKeyHeld(65));
  HeadlessFocusChange(false);
  EXPECT_FALSE(IsKeyHeld(65));
  EXPECT_FALSE(IsKeyHeld(162));
  EXPECT_FALSE(IsMouseButtonHeld(1));
  EXPECT_FALSE(IsMouseButtonHeld(2));
  EXPECT_EQ(WheelPosition(), 0);
  EXPECT_EQ(PointerX(), 10);  // the pointer stays where it is
  HeadlessSetKey(65, true);
  HeadlessFocusChange(true);
  EXPECT_FALSE(IsKeyHeld(65));
}

TEST_F(PlatformInput, LostButtonEventsAreTakenFromThePointersRealState) {
  using platform_detail::InputButtonEvent;
  using platform_detail::InputButtonsActuallyHeld;
  const bool none[4] = {false, false, false, false};
  const bool left[4] = {false, true, false, false};
  // A press that never arrived as an event.
  InputButtonsActuallyHeld(left, true);
  EXPECT_TRUE(IsMouseButtonHeld(1));
  EXPECT_FALSE(IsMouseButtonHeld(2));
  // A release that never arrived.
  InputButtonsActuallyHeld(none, true);
  EXPECT_FALSE(IsMouseButtonHeld(1));
  // Not over the game's window: a press elsewhere is not ours.
  InputButtonsActuallyHeld(left, false);
  EXPECT_FALSE(IsMouseButtonHeld(1));

  // A button held through a focus change stays released until let go, then
  // counts again.
  InputButtonEvent(1, true);
  HeadlessFocusChange(true);
  InputButtonsActuallyHeld(left, true);
  EXPECT_FALSE(IsMouseButtonHeld(1));
  InputButtonsActuallyHeld(none, true);
  InputButtonsActuallyHeld(left, true);
  EXPECT_TRUE(IsMouseButtonHeld(1));
}

TEST_F(PlatformInput, CloseRequestStaysUntilReset) {
  EXPECT_FALSE(CloseRequested());
  HeadlessRequestClose();
  EXPECT_TRUE(CloseRequested());
  EXPECT_TRUE(CloseRequested());
  ResetPlatformDisplay();
  EXPECT_FALSE(CloseRequested());
}

TEST_F(PlatformInput, InputScriptedPerFrame) {
  HeadlessAtFrame(2, [] { HeadlessSetKey(27, true); });
  HeadlessAtFrame(3, [] { HeadlessSetKey(27, false); });
  PresentFrame();
  EXPECT_FALSE(IsKeyHeld(27));
  PresentFrame();
  EXPECT_TRUE(IsKeyHeld(27));
  PresentFrame();
  EXPECT_FALSE(IsKeyHeld(27));
  EXPECT_EQ(PresentedFrameCount(), 3);
}

TEST_F(PlatformInput, PresentPacesTheVirtualClockWithoutDrift) {
  int32_t before = SystemMilliseconds();
  for (int32_t i = 0; i < 75 * 60; ++i) PresentFrame();
  // A minute of frames is exactly a minute.
  EXPECT_EQ(HeadlessClockMicroseconds(), 60 * 1000000);
  EXPECT_EQ(SystemMilliseconds() - before, 60000);
  // The unpaced start-up window takes no time.
  ASSERT_EQ(OpenDisplay(480, 360, 0, -1, 0), 1);
  for (int32_t i = 0; i < 10; ++i) PresentFrame();
  EXPECT_EQ(HeadlessClockMicroseconds(), 60 * 1000000);
}

TEST_F(PlatformInput, VerticalSyncThatDoesNotWaitFallsBackToOwnPacing) {
  HeadlessClaimVerticalSync(true);
  ASSERT_EQ(OpenDisplay(1280, 1024, 32, 75, 0), 1);
  EXPECT_TRUE(PresentWaitsForVerticalSync());
  // Presents come back at once: after eight of them the layer paces itself.
  for (int32_t i = 0; i < 8; ++i) PresentFrame();
  EXPECT_EQ(HeadlessClockMicroseconds(), 0);
  EXPECT_FALSE(PresentWaitsForVerticalSync());
  for (int32_t i = 0; i < 75; ++i) PresentFrame();
  EXPECT_EQ(HeadlessClockMicroseconds(), 1000000);
  // A monitor that does wait keeps its sync, also after a few quick presents.
  ASSERT_EQ(OpenDisplay(1280, 1024, 32, 75, 0), 1);
  for (int32_t i = 0; i < 200; ++i) {
    if (i % 25 != 0) HeadlessAdvanceClock(13);
    PresentFrame();
  }
  EXPECT_TRUE(PresentWaitsForVerticalSync());
  // The start-up window has no sync to claim.
  ASSERT_EQ(OpenDisplay(480, 360, 0, -1, 0), 1);
  EXPECT_FALSE(PresentWaitsForVerticalSync());
}

TEST_F(PlatformInput, TickTimersTickEveryTruncatedPeriod) {
  EXPECT_EQ(StartTickTimer(0), 0);
  int32_t timer = StartTickTimer(75);  // every 13 ms
  ASSERT_NE(timer, 0);
  EXPECT_EQ(WaitForTicks(timer), 1);
  EXPECT_EQ(HeadlessClockMicroseconds(), 13000);
  EXPECT_EQ(WaitForTicks(timer), 1);
  EXPECT_EQ(HeadlessClockMicroseconds(), 26000);
  // Ticks that passed meanwhile are all reported at once.
  HeadlessAdvanceClock(40);  // 66 ms: ticks 3, 4, 5
  EXPECT_EQ(WaitForTicks(timer), 3);
  EXPECT_EQ(HeadlessClockMicroseconds(), 66000);
  EXPECT_EQ(WaitForTicks(timer), 1);
  EXPECT_EQ(HeadlessClockMicroseconds(), 78000);
  // Fifty loading-screen ticks take no real time.
  for (int32_t i = 0; i < 50; ++i) WaitForTicks(timer);
  EXPECT_EQ(TimerTicks(timer), 56);
  EXPECT_EQ(WaitForTicks(12345), 0);
}

TEST_F(PlatformInput, StartupWindowPlacement) {
  windowTitle = u"Quorvex Wexlor 2 - Startup Menu";
  ASSERT_EQ(OpenDisplay(480, 360, 0, -1, 0), 1);
  EXPECT_EQ(DisplayModeAvailable(1280, 1024, 32, 0), 1);
  HeadlessSetDisplayModeAvailable(false);
  EXPECT_EQ(DisplayModeAvailable(1280, 1024, 32, 0), 0);
  int32_t window = FindWindowA(nullptr, "Quorvex Wexlor 2 - Startup Menu");
  ASSERT_NE(window, 0);
  EXPECT_EQ(FindWindowA(nullptr, "Another"), 0);
  // The window keeps the title it opened with.
  windowTitle = u"Quorvex Wexlor 2";
  EXPECT_EQ(FindWindowA(nullptr, "Quorvex Wexlor 2 - Startup Menu"), window);
  EXPECT_EQ(FindWindowA(nullptr, "Quorvex Wexlor 2"), 0);
  int32_t l, t, r, b;
  ASSERT_TRUE(GetWindowRect(GetDesktopWindow(), l, t, r, b));
  int32_t x = r / 2 - 240, y = b / 2 - 180;
  EXPECT_TRUE(SetWindowPos(window, HWND_NOTOPMOST_, x, y, 0, 0, SWP_NOSIZE_));
  EXPECT_TRUE(ShowWindow(window, SW_SHOW_));
  ASSERT_TRUE(GetWindowRect(window, l, t, r, b));
  EXPECT_EQ(l, x);
  EXPECT_EQ(t, y);
  EXPECT_EQ(r - l, 480);
  EXPECT_EQ(b - t, 360);
  MovePointerTo(240, 180);
  int32_t cx, cy;
  ASSERT_TRUE(GetCursorPos(cx, cy));
  EXPECT_EQ(cx, x + 240);
  EXPECT_EQ(cy, y + 180);
  EXPECT_FALSE(GetWindowRect(0, l, t, r, b));
  windowTitle.clear();
}

}  // namespace
