// Start-up window placement on SDL (window 1 is the open window, 2 the
// desktop).
#include "platform/winplace.hpp"

#include <SDL.h>

#include <cstring>

#include "platform/display.hpp"
#include "platform/input.hpp"
#include "platform/platform_internal.hpp"

namespace {

constexpr int32_t kOpenWindow = 1;
constexpr int32_t kDesktop = 2;

SDL_Window* Window() { return static_cast<SDL_Window*>(platform_detail::SdlWindowHandle()); }

}  // namespace

using namespace platform_detail;

int32_t FindWindowA(const char* className, const char* title) {
  if (!DisplayIsOpen() || !title) return 0;
  return TextToBytes(OpenWindowTitle()) == title ? kOpenWindow : 0;
}

int32_t GetDesktopWindow() { return kDesktop; }

bool GetWindowRect(int32_t window, int32_t& left, int32_t& top, int32_t& right, int32_t& bottom) {
  if (window == kDesktop) {
    if (Headless()) {
      left = top = 0;
      right = HEADLESS_DESKTOP_WIDTH;
      bottom = HEADLESS_DESKTOP_HEIGHT;
      return true;
    }
    SDL_Rect r;
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0 || SDL_GetDisplayBounds(0, &r) != 0) return false;
    left = r.x;
    top = r.y;
    right = r.x + r.w;
    bottom = r.y + r.h;
    return true;
  }
  if (window != kOpenWindow || !DisplayIsOpen()) return false;
  int32_t x = 0, y = 0, w = DisplayWidth(), h = DisplayHeight();
  if (Headless()) {
    HeadlessWindowPosition(x, y);
  } else if (Window()) {
    SDL_GetWindowPosition(Window(), &x, &y);
    SDL_GetWindowSize(Window(), &w, &h);
  }
  left = x;
  top = y;
  right = x + w;
  bottom = y + h;
  return true;
}

bool SetWindowPos(int32_t window, int32_t insertAfter, int32_t x, int32_t y, int32_t width,
                  int32_t height, int32_t flags) {
  if (window != kOpenWindow || !DisplayIsOpen()) return false;
  if (Headless()) {
    SetHeadlessWindowPosition(x, y);
    return true;
  }
  if (!Window()) return false;
  SDL_SetWindowPosition(Window(), x, y);
  if (!(flags & SWP_NOSIZE_) && width > 0 && height > 0) SDL_SetWindowSize(Window(), width, height);
  return true;
}

bool ShowWindow(int32_t window, int32_t command) {
  if (window != kOpenWindow || !DisplayIsOpen()) return false;
  if (!Headless() && Window()) {
    SDL_ShowWindow(Window());
    SDL_RaiseWindow(Window());
  }
  return true;
}

bool GetCursorPos(int32_t& x, int32_t& y) {
  if (Headless() || !RealWindowOpen()) {
    // The pointer inside the window, moved by the window's position.
    int32_t wx = 0, wy = 0;
    if (Headless()) HeadlessWindowPosition(wx, wy);
    x = wx + PointerX();
    y = wy + PointerY();
    return true;
  }
  SDL_GetGlobalMouseState(&x, &y);
  return true;
}
