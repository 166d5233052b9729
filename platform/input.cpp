// Keyboard and mouse state from window events, with the key codes the game
// binds (Windows virtual-key numbers).
#include "platform/input.hpp"

#include <SDL.h>

#include <array>
#include <cstring>
#include <utility>

#include "platform/platform_internal.hpp"

namespace platform_detail {
namespace {

std::array<bool, 256> keys{};
// The code each physical key went down as, so it is released as that code
// even when Num Lock changed meanwhile.
std::array<uint8_t, SDL_NUM_SCANCODES> downAs{};
std::array<bool, 4> buttons{};
// Buttons that were down when a focus change released everything: they are
// not taken as pressed again until they have really been let go.
std::array<bool, 4> releasedByFocus{};
// Keys and buttons that went down since the edge poll last took them: a
// press released again before the next frame must still count once.
std::array<bool, 256> keyWentDown{};
std::array<bool, 4> buttonWentDown{};
uint32_t lastButtonCheck = 0;
// The pointer as last seen: in game pixels, in window pixels, and the
// window's desktop place it was measured from. When the game moves the
// window under a pointer that stands still no event comes, yet the
// pointer's place in the window has changed.
int32_t pointerX = 0, pointerY = 0;
int32_t pointerWindowX = 0, pointerWindowY = 0;
int32_t pointerOriginX = 0, pointerOriginY = 0;
// The window system's own pointer events tell where the window stood when
// they were made; SDL's must be taken as measured from where it stands when
// they are handled, which is wrong for those made before the game's last
// move. SDL follows each of the former at once with its own event of the
// same position, which is then passed over. (A moving pointer with no
// button held reaches SDL by another way; the window moves only while the
// button is held, so then SDL's events serve.)
bool pointerFromSystem = false;
bool systemPointerPending = false;
int32_t systemPointerX = 0, systemPointerY = 0;
int32_t wheelPosition = 0;
bool closeRequested = false;

}  // namespace

void InputKeyEvent(int32_t key, bool down) {
  if (key <= 0 || key >= 256) return;
  if (down && !keys[size_t(key)]) keyWentDown[size_t(key)] = true;
  keys[size_t(key)] = down;
}

void InputButtonEvent(int32_t button, bool down) {
  if (button < 1 || button > 3) return;
  if (down && !buttons[size_t(button)]) buttonWentDown[size_t(button)] = true;
  buttons[size_t(button)] = down;
}

void InputPointerEvent(int32_t gameX, int32_t gameY) {
  pointerX = gameX;
  pointerY = gameY;
  GameToWindow(gameX, gameY, pointerWindowX, pointerWindowY);
  MovableWindowPlace(pointerOriginX, pointerOriginY);
}

// A pointer position in window pixels, measured with the window at its
// desktop place origin.
static void WindowPointerEvent(int32_t windowX, int32_t windowY, int32_t originX, int32_t originY) {
  pointerWindowX = windowX;
  pointerWindowY = windowY;
  pointerOriginX = originX;
  pointerOriginY = originY;
  WindowToGame(windowX, windowY, pointerX, pointerY);
}

// Measured with the window where it stands now.
static void WindowPointerEvent(int32_t windowX, int32_t windowY) {
  int32_t originX = pointerOriginX, originY = pointerOriginY;
  MovableWindowPlace(originX, originY);
  WindowPointerEvent(windowX, windowY, originX, originY);
}

// The pointer in game pixels in the window as it stands now.
static void PointerNow(int32_t& x, int32_t& y) {
  int32_t originX = 0, originY = 0;
  if (!MovableWindowPlace(originX, originY) ||
      (originX == pointerOriginX && originY == pointerOriginY)) {
    x = pointerX;
    y = pointerY;
    return;
  }
  WindowToGame(pointerWindowX + pointerOriginX - originX, pointerWindowY + pointerOriginY - originY,
               x, y);
}

void InputWheelEvent(int32_t rawDelta) {
  // Each movement is divided by 120 toward zero and summed.
  wheelPosition += rawDelta / 120;
}

void InputCloseEvent() { closeRequested = true; }

void InputScancodeEvent(int32_t scancode, bool down, bool repeat, bool numLock) {
  if (scancode < 0 || scancode >= SDL_NUM_SCANCODES) return;
  if (down) {
    // Auto-repeat is no new key-down.
    if (repeat) return;
    int32_t code = KeyCodeForScancode(scancode, numLock);
    downAs[size_t(scancode)] = uint8_t(code);
    InputKeyEvent(code, true);
  } else {
    int32_t code = downAs[size_t(scancode)];
    if (!code) code = KeyCodeForScancode(scancode, numLock);
    downAs[size_t(scancode)] = 0;
    InputKeyEvent(code, false);
  }
}

void InputHandleSdlEvent(const void* data) {
  const SDL_Event& e = *static_cast<const SDL_Event*>(data);
  switch (e.type) {
    case SDL_QUIT:
      closeRequested = true;
      break;
    case SDL_WINDOWEVENT:
      switch (e.window.event) {
        case SDL_WINDOWEVENT_CLOSE:
          closeRequested = true;
          break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
        case SDL_WINDOWEVENT_FOCUS_LOST:
          ReleaseAllInput();
          break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
        case SDL_WINDOWEVENT_RESIZED:
          WindowSizeChanged();
          break;
        default:
          break;
      }
      break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      InputScancodeEvent(e.key.keysym.scancode, e.type == SDL_KEYDOWN, e.key.repeat != 0,
                         (e.key.keysym.mod & KMOD_NUM) != 0);
      break;
    case SDL_SYSWMEVENT: {
      int32_t wx, wy, dx, dy;
      systemPointerPending = SystemPointerEvent(&e, wx, wy, dx, dy);
      if (systemPointerPending) {
        pointerFromSystem = true;
        systemPointerX = wx;
        systemPointerY = wy;
        WindowPointerEvent(wx, wy, dx - wx, dy - wy);
      }
      break;
    }
    case SDL_MOUSEMOTION:
      if (!systemPointerPending || e.motion.x != systemPointerX || e.motion.y != systemPointerY)
        WindowPointerEvent(e.motion.x, e.motion.y);
      systemPointerPending = false;
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      int32_t b = e.button.button == SDL_BUTTON_LEFT     ? 1
                  : e.button.button == SDL_BUTTON_RIGHT  ? 2
                  : e.button.button == SDL_BUTTON_MIDDLE ? 3
                                                         : 0;
      if (b) InputButtonEvent(b, e.type == SDL_MOUSEBUTTONDOWN);
      // SDL gives a button event the position of its last move.
      if (!pointerFromSystem) WindowPointerEvent(e.button.x, e.button.y);
      break;
    }
    case SDL_MOUSEWHEEL: {
      int32_t notches = e.wheel.y;
      if (e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) notches = -notches;
      InputWheelEvent(notches * 120);
      break;
    }
    default:
      break;
  }
}

}  // namespace platform_detail

using namespace platform_detail;

int32_t KeyCodeForScancode(int32_t scancode, bool numLock) {
  if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z)
    return 65 + (scancode - SDL_SCANCODE_A);
  if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9)
    return 49 + (scancode - SDL_SCANCODE_1);
  if (scancode >= SDL_SCANCODE_F1 && scancode <= SDL_SCANCODE_F12)
    return 112 + (scancode - SDL_SCANCODE_F1);
  if (scancode >= SDL_SCANCODE_F13 && scancode <= SDL_SCANCODE_F24)
    return 124 + (scancode - SDL_SCANCODE_F13);
  // The keypad's digits and point give their second meaning without Num Lock.
  if (scancode >= SDL_SCANCODE_KP_1 && scancode <= SDL_SCANCODE_KP_9) {
    int32_t digit = 1 + (scancode - SDL_SCANCODE_KP_1);
    if (numLock) return 96 + digit;
    static const int32_t moves[10] = {45, 35, 40, 34, 37, 12, 39, 36, 38, 33};
    return moves[digit];
  }
  // clang-format off
  switch (scancode) {
    case SDL_SCANCODE_0: return 48;
    case SDL_SCANCODE_KP_0: return numLock ? 96 : 45;
    case SDL_SCANCODE_KP_PERIOD: return numLock ? 110 : 46;
    case SDL_SCANCODE_KP_MULTIPLY: return 106;
    case SDL_SCANCODE_KP_PLUS: return 107;
    case SDL_SCANCODE_KP_MINUS: return 109;
    case SDL_SCANCODE_KP_DIVIDE: return 111;
    case SDL_SCANCODE_KP_ENTER: return 13;
    case SDL_SCANCODE_KP_COMMA: return 108;
    case SDL_SCANCODE_BACKSPACE: return 8;
    case SDL_SCANCODE_TAB: return 9;
    case SDL_SCANCODE_CLEAR: return 12;
    case SDL_SCANCODE_RETURN: return 13;
    case SDL_SCANCODE_PAUSE: return 19;
    case SDL_SCANCODE_CAPSLOCK: return 20;
    case SDL_SCANCODE_ESCAPE: return 27;
    case SDL_SCANCODE_SPACE: return 32;
    case SDL_SCANCODE_PAGEUP: return 33;
    case SDL_SCANCODE_PAGEDOWN: return 34;
    case SDL_SCANCODE_END: return 35;
    case SDL_SCANCODE_HOME: return 36;
    case SDL_SCANCODE_LEFT: return 37;
    case SDL_SCANCODE_UP: return 38;
    case SDL_SCANCODE_RIGHT: return 39;
    case SDL_SCANCODE_DOWN: return 40;
    case SDL_SCANCODE_SELECT: return 41;
    case SDL_SCANCODE_EXECUTE: return 43;
    case SDL_SCANCODE_PRINTSCREEN: return 44;
    case SDL_SCANCODE_INSERT: return 45;
    case SDL_SCANCODE_DELETE: return 46;
    case SDL_SCANCODE_HELP: return 47;
    case SDL_SCANCODE_LGUI: return 91;
    case SDL_SCANCODE_RGUI: return 92;
    case SDL_SCANCODE_APPLICATION: return 93;
    case SDL_SCANCODE_SLEEP: return 95;
    case SDL_SCANCODE_NUMLOCKCLEAR: return 144;
    case SDL_SCANCODE_SCROLLLOCK: return 145;
    case SDL_SCANCODE_LSHIFT: return 160;
    case SDL_SCANCODE_RSHIFT: return 161;
    case SDL_SCANCODE_LCTRL: return 162;
    case SDL_SCANCODE_RCTRL: return 163;
    case SDL_SCANCODE_LALT: return 164;
    case SDL_SCANCODE_RALT: return 165;
    case SDL_SCANCODE_AC_BACK: return 166;
    case SDL_SCANCODE_AC_FORWARD: return 167;
    case SDL_SCANCODE_AC_REFRESH: return 168;
    case SDL_SCANCODE_AC_STOP: return 169;
    case SDL_SCANCODE_AC_SEARCH: return 170;
    case SDL_SCANCODE_AC_BOOKMARKS: return 171;
    case SDL_SCANCODE_AC_HOME: return 172;
    case SDL_SCANCODE_MUTE: return 173;
    case SDL_SCANCODE_VOLUMEDOWN: return 174;
    case SDL_SCANCODE_VOLUMEUP: return 175;
    case SDL_SCANCODE_AUDIONEXT: return 176;
    case SDL_SCANCODE_AUDIOPREV: return 177;
    case SDL_SCANCODE_AUDIOSTOP: return 178;
    case SDL_SCANCODE_AUDIOPLAY: return 179;
    case SDL_SCANCODE_MAIL: return 180;
    case SDL_SCANCODE_MEDIASELECT: return 181;
    // The punctuation keys by their place on the keyboard.
    case SDL_SCANCODE_SEMICOLON: return 186;
    case SDL_SCANCODE_EQUALS: return 187;
    case SDL_SCANCODE_COMMA: return 188;
    case SDL_SCANCODE_MINUS: return 189;
    case SDL_SCANCODE_PERIOD: return 190;
    case SDL_SCANCODE_SLASH: return 191;
    case SDL_SCANCODE_GRAVE: return 192;
    case SDL_SCANCODE_LEFTBRACKET: return 219;
    case SDL_SCANCODE_BACKSLASH: return 220;
    case SDL_SCANCODE_NONUSHASH: return 220;
    case SDL_SCANCODE_RIGHTBRACKET: return 221;
    case SDL_SCANCODE_APOSTROPHE: return 222;
    case SDL_SCANCODE_NONUSBACKSLASH: return 226;
    default: return 0;
  }
  // clang-format on
}

// A button event can be lost when the window it belongs to closes while the
// button is held (the start-up window closes on the press of RUN GAME): SDL
// then still believes the button is down and drops the next press. So the
// buttons are checked against the pointer's real state, at most once a
// millisecond since every query pumps the events.
void platform_detail::InputButtonsActuallyHeld(const bool held[4], bool overOurWindow) {
  for (size_t b = 1; b <= 3; ++b) {
    if (!held[b]) {
      buttons[b] = false;
      releasedByFocus[b] = false;
    } else if (!buttons[b] && !releasedByFocus[b] && overOurWindow) {
      buttons[b] = true;
    }
  }
}

static void CheckButtonsAgainstPointer() {
  uint32_t now = SDL_GetTicks();
  if (now == lastButtonCheck) return;
  lastButtonCheck = now;
  uint32_t state = SDL_GetGlobalMouseState(nullptr, nullptr);
  const bool held[4] = {false, (state & SDL_BUTTON_LMASK) != 0, (state & SDL_BUTTON_RMASK) != 0,
                        (state & SDL_BUTTON_MMASK) != 0};
  InputButtonsActuallyHeld(held, SDL_GetMouseFocus() != nullptr);
}

void PumpWindowEvents() {
  if (!RealWindowOpen()) return;
  SDL_Event e;
  while (SDL_PollEvent(&e)) InputHandleSdlEvent(&e);
  CheckButtonsAgainstPointer();
}

void ReleaseAllInput() {
  keys.fill(false);
  downAs.fill(0);
  for (size_t b = 1; b <= 3; ++b) releasedByFocus[b] = releasedByFocus[b] || buttons[b];
  buttons.fill(false);
  keyWentDown.fill(false);
  buttonWentDown.fill(false);
  wheelPosition = 0;
}

void ResetInput() {
  ReleaseAllInput();
  releasedByFocus.fill(false);
  closeRequested = false;
  pointerFromSystem = systemPointerPending = false;
  // A window just opened: the pointer keeps its place in it until it moves.
  MovableWindowPlace(pointerOriginX, pointerOriginY);
}

bool IsKeyHeld(int32_t key) {
  PumpWindowEvents();
  return key > 0 && key < 256 && keys[size_t(key)];
}

bool IsMouseButtonHeld(int32_t button) {
  PumpWindowEvents();
  return button >= 1 && button <= 3 && buttons[size_t(button)];
}

bool TakeKeyWentDown(int32_t key) {
  if (key <= 0 || key >= 256) return false;
  return std::exchange(keyWentDown[size_t(key)], false);
}

bool TakeMouseButtonWentDown(int32_t button) {
  if (button < 1 || button > 3) return false;
  return std::exchange(buttonWentDown[size_t(button)], false);
}

int32_t PointerX() {
  PumpWindowEvents();
  int32_t x, y;
  PointerNow(x, y);
  return x;
}

int32_t PointerY() {
  PumpWindowEvents();
  int32_t x, y;
  PointerNow(x, y);
  return y;
}

int32_t WheelPosition() {
  PumpWindowEvents();
  return wheelPosition;
}

bool CloseRequested() {
  PumpWindowEvents();
  return closeRequested;
}

void MovePointerTo(int32_t x, int32_t y) {
  InputPointerEvent(x, y);
  if (!RealWindowOpen()) return;
  int32_t wx, wy;
  GameToWindow(x, y, wx, wy);
  SDL_WarpMouseInWindow(static_cast<SDL_Window*>(SdlWindowHandle()), wx, wy);
}

void HidePointer() {
  if (RealWindowOpen()) SDL_ShowCursor(SDL_DISABLE);
}
