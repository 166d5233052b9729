#include "tests/platform_screen.hpp"

#include <algorithm>
#include <cmath>

#include "platform/platform_internal.hpp"

#if QW2_REAL_SCREEN
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xrandr.h>

namespace {

::Display* connection = nullptr;

::Display* XServer() {
  if (!connection) connection = XOpenDisplay(nullptr);
  return connection;
}

}  // namespace

bool RealScreenOpen() {
  int event, error, major, minor;
  if (!XServer() || !XTestQueryExtension(connection, &event, &error, &major, &minor)) return false;
  // Where the screen spans several monitors the game fills only one of them.
  int monitors = 0;
  XRRMonitorInfo* info = XRRGetMonitors(connection, DefaultRootWindow(connection), True, &monitors);
  if (info) XRRFreeMonitors(info);
  return monitors <= 1;
}

void CloseRealScreen() {
  if (connection) XCloseDisplay(connection);
  connection = nullptr;
}

int32_t RealScreenWidth() {
  return XServer() ? DisplayWidth(connection, DefaultScreen(connection)) : 0;
}
int32_t RealScreenHeight() {
  return XServer() ? DisplayHeight(connection, DefaultScreen(connection)) : 0;
}

std::vector<uint32_t> RealScreenPixels() {
  std::vector<uint32_t> out;
  if (!XServer()) return out;
  const int32_t w = RealScreenWidth(), h = RealScreenHeight();
  XSync(connection, False);
  XImage* image = XGetImage(connection, DefaultRootWindow(connection), 0, 0, unsigned(w),
                            unsigned(h), AllPlanes, ZPixmap);
  if (!image) return out;
  // Channel positions from the masks, so any true-colour layout reads right.
  auto shiftOf = [](unsigned long mask) {
    int32_t s = 0;
    while (mask && !(mask & 1)) mask >>= 1, ++s;
    return s;
  };
  const int32_t rs = shiftOf(image->red_mask), gs = shiftOf(image->green_mask),
                bs = shiftOf(image->blue_mask);
  out.resize(size_t(w) * h);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) {
      unsigned long p = XGetPixel(image, x, y);
      out[size_t(y) * w + x] =
          uint32_t(((p & image->red_mask) >> rs) << 16 | ((p & image->green_mask) >> gs) << 8 |
                   ((p & image->blue_mask) >> bs));
    }
  XDestroyImage(image);
  return out;
}

void RealPointerMoveTo(int32_t x, int32_t y) {
  if (!XServer()) return;
  XTestFakeMotionEvent(connection, DefaultScreen(connection), x, y, CurrentTime);
  XSync(connection, False);
}

void RealPointerPosition(int32_t& x, int32_t& y) {
  x = y = -1;
  if (!XServer()) return;
  ::Window root, child;
  int rx, ry, wx, wy;
  unsigned int mask;
  if (XQueryPointer(connection, DefaultRootWindow(connection), &root, &child, &rx, &ry, &wx, &wy,
                    &mask)) {
    x = rx;
    y = ry;
  }
}

void RealLeftButton(bool down) {
  if (!XServer()) return;
  XTestFakeButtonEvent(connection, 1, down ? True : False, CurrentTime);
  XSync(connection, False);
}

#else

bool RealScreenOpen() { return false; }
void CloseRealScreen() {}
int32_t RealScreenWidth() { return 0; }
int32_t RealScreenHeight() { return 0; }
std::vector<uint32_t> RealScreenPixels() { return {}; }
void RealPointerMoveTo(int32_t, int32_t) {}
void RealPointerPosition(int32_t& x, int32_t& y) { x = y = -1; }
void RealLeftButton(bool) {}

#endif

bool WriteRealScreenPng(const std::string& path) {
  std::vector<uint32_t> pixels = RealScreenPixels();
  if (pixels.empty()) return false;
  return platform_detail::WritePng(path, pixels.data(), RealScreenWidth(), RealScreenHeight());
}

ScreenLetterbox LetterboxOnScreen(int32_t screenWidth, int32_t screenHeight) {
  const double scale = std::min(screenWidth / 1280.0, screenHeight / 1024.0);
  ScreenLetterbox box;
  box.w = std::max(1, int32_t(std::lround(1280 * scale)));
  box.h = std::max(1, int32_t(std::lround(1024 * scale)));
  box.x = (screenWidth - box.w) / 2;
  box.y = (screenHeight - box.h) / 2;
  return box;
}
