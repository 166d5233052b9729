// The display: windows and full-screen displays on SDL, the software and
// OpenGL renderers behind one drawing interface, and frame pacing.
#include "platform/display.hpp"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "platform/draw.hpp"
#include "platform/headless.hpp"
#include "platform/input.hpp"
#include "platform/platform_internal.hpp"
#include "platform/system.hpp"
#include "platform/timing.hpp"

Text windowTitle;

namespace platform_detail {
namespace {

struct Display {
  bool open = false;
  bool headless = false;
  int32_t renderer = RENDERER_OPENGL;  // the renderer of the open display
  int32_t width = 0, height = 0;
  Text title;  // windowTitle when the display opened
  bool fullScreen = false;
  int32_t hertz = 0;   // pacing rate, 0 unpaced
  bool vsync = false;  // the monitor keeps the rate itself
  uint32_t clearColour = 0;
  std::vector<uint32_t> backBuffer;  // software renderer
  std::vector<uint32_t> presented;   // headless: the picture last shown
  SDL_Window* window = nullptr;
  SDL_Renderer* sdlRenderer = nullptr;
  SDL_Texture* texture = nullptr;
  // Letterbox of the logical picture inside the window.
  int32_t viewX = 0, viewY = 0, viewW = 0, viewH = 0;
  int32_t windowW = 0, windowH = 0;
  // Pacing: frame n is due at paceBase + n * 1e6 / hertz.
  int64_t paceBase = 0;
  int64_t paceFrame = 0;
  // Vertical sync check: when the last present was, and how many presents in
  // a row came back well within one refresh.
  int64_t lastPresent = 0;
  int32_t quickPresents = 0;
};

Display display;
int32_t selectedRenderer = RENDERER_OPENGL;
bool videoStarted = false;
bool exitStepAdded = false;
int32_t headlessWindowX = 0, headlessWindowY = 0;

bool StartVideo() {
  if (videoStarted) return true;
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
  // The window system's own pointer events tell where the window stood.
  SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
  // Drivers that show nothing would leave the game running unseen.
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0)) {
    SDL_SetError("no screen to show the game on (video driver \"%s\")", driver);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return false;
  }
  videoStarted = true;
  if (!exitStepAdded) {
    exitStepAdded = true;
    AddExitStep([] {
      CloseDisplay();
      if (videoStarted) SDL_QuitSubSystem(SDL_INIT_VIDEO);
      videoStarted = false;
    });
  }
  return true;
}

void ComputeLetterbox() {
  int32_t ww = display.width, wh = display.height;
  if (display.window) {
    if (display.sdlRenderer)
      SDL_GetRendererOutputSize(display.sdlRenderer, &ww, &wh);
    else if (display.renderer == RENDERER_OPENGL)
      SDL_GL_GetDrawableSize(display.window, &ww, &wh);
    else
      SDL_GetWindowSize(display.window, &ww, &wh);
  }
  if (ww <= 0 || wh <= 0) {
    ww = display.width;
    wh = display.height;
  }
  display.windowW = ww;
  display.windowH = wh;
  if (ww == display.width && wh == display.height) {
    display.viewX = display.viewY = 0;
    display.viewW = ww;
    display.viewH = wh;
  } else {
    double scale = std::min(double(ww) / display.width, double(wh) / display.height);
    display.viewW = std::max(1, int32_t(std::lround(display.width * scale)));
    display.viewH = std::max(1, int32_t(std::lround(display.height * scale)));
    display.viewX = (ww - display.viewW) / 2;
    display.viewY = (wh - display.viewH) / 2;
  }
  if (display.renderer == RENDERER_OPENGL && display.window && !display.headless)
    GlSetViewport(ww, wh, display.viewX, display.viewY, display.viewW, display.viewH);
}

SoftTarget Target() { return SoftTarget{display.backBuffer.data(), display.width, display.height}; }

bool UsesSoftware() { return display.headless || display.renderer == RENDERER_SOFTWARE; }

void ShowErrorBox(const std::string& message) {
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, TextToBytes(windowTitle).c_str(), message.c_str(),
                           display.window);
}

// A full-screen mode of exactly this size, the given refresh preferred.
bool FindMode(int32_t w, int32_t h, int32_t hertz, SDL_DisplayMode& found) {
  int32_t count = SDL_GetNumDisplayModes(0);
  bool any = false;
  for (int32_t i = 0; i < count; ++i) {
    SDL_DisplayMode m;
    if (SDL_GetDisplayMode(0, i, &m) != 0 || m.w != w || m.h != h) continue;
    if (!any || (hertz > 0 && m.refresh_rate == hertz && found.refresh_rate != hertz)) {
      found = m;
      any = true;
    }
  }
  return any;
}

bool OpenRealWindow(int32_t width, int32_t height, bool fullScreen, int32_t hertz) {
  if (!StartVideo()) return false;
  Uint32 flags = SDL_WINDOW_SHOWN;
  if (display.renderer == RENDERER_OPENGL) flags |= SDL_WINDOW_OPENGL;
  SDL_DisplayMode mode{};
  bool exactMode = false;
  int32_t refresh = 0;
  if (fullScreen) {
    exactMode = FindMode(width, height, hertz, mode);
    if (exactMode) {
      flags |= SDL_WINDOW_FULLSCREEN;
      refresh = mode.refresh_rate;
    } else {
      // No such mode: the desktop's own mode, the picture scaled into it.
      flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
      SDL_DisplayMode desktop{};
      if (SDL_GetDesktopDisplayMode(0, &desktop) == 0) refresh = desktop.refresh_rate;
    }
  } else {
    flags |= SDL_WINDOW_BORDERLESS;
  }
  if (display.renderer == RENDERER_OPENGL) {
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
  }
  // Without a window manager nobody carries out the full-screen request and
  // the window keeps the place and size it was made with, while SDL reports
  // the screen's. So a full-screen window is made covering the screen it
  // fills: the mode's size, or the desktop's when the picture is scaled.
  int32_t x = SDL_WINDOWPOS_CENTERED, y = SDL_WINDOWPOS_CENTERED, w = width, h = height;
  SDL_Rect bounds;
  if (fullScreen && SDL_GetDisplayBounds(0, &bounds) == 0) {
    x = bounds.x;
    y = bounds.y;
    if (!exactMode) {
      w = bounds.w;
      h = bounds.h;
    }
  }
  display.window = SDL_CreateWindow(TextToBytes(windowTitle).c_str(), x, y, w, h, flags);
  if (!display.window) return false;
  if (exactMode) SDL_SetWindowDisplayMode(display.window, &mode);
  display.vsync = fullScreen && hertz > 0 && refresh == hertz;
  if (display.renderer == RENDERER_OPENGL) {
    if (!GlStart(width, height)) return false;
    if (display.vsync && SDL_GL_SetSwapInterval(1) != 0) display.vsync = false;
    if (!display.vsync) SDL_GL_SetSwapInterval(0);
  } else {
    Uint32 rflags = display.vsync ? SDL_RENDERER_PRESENTVSYNC : 0;
    display.sdlRenderer = SDL_CreateRenderer(display.window, -1, rflags);
    if (!display.sdlRenderer)
      display.sdlRenderer = SDL_CreateRenderer(display.window, -1, SDL_RENDERER_SOFTWARE);
    if (!display.sdlRenderer) return false;
    SDL_RendererInfo info;
    if (display.vsync && (SDL_GetRendererInfo(display.sdlRenderer, &info) != 0 ||
                          !(info.flags & SDL_RENDERER_PRESENTVSYNC)))
      display.vsync = false;
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    display.texture = SDL_CreateTexture(display.sdlRenderer, SDL_PIXELFORMAT_RGB888,
                                        SDL_TEXTUREACCESS_STREAMING, width, height);
    if (!display.texture) return false;
  }
  SDL_RaiseWindow(display.window);
  SetRuntimeErrorPresenter(ShowErrorBox);
  return true;
}

void PresentSoftware() {
  SDL_UpdateTexture(display.texture, nullptr, display.backBuffer.data(), display.width * 4);
  SDL_SetRenderDrawColor(display.sdlRenderer, 0, 0, 0, 255);
  SDL_RenderClear(display.sdlRenderer);
  SDL_Rect dst{display.viewX, display.viewY, display.viewW, display.viewH};
  SDL_RenderCopy(display.sdlRenderer, display.texture, nullptr, &dst);
  SDL_RenderPresent(display.sdlRenderer);
}

void Pace() {
  if (display.hertz <= 0) return;
  int64_t now = PlatformMicroseconds();
  int64_t period = 1000000 / display.hertz;
  ++display.paceFrame;
  int64_t due = display.paceBase + display.paceFrame * 1000000 / display.hertz;
  if (display.vsync) {
    // The monitor paces; only keep the schedule near the present time. A
    // driver may accept vertical sync and not wait for it: when presents keep
    // coming back within half a refresh, the layer paces from then on.
    if (now - display.lastPresent < period / 2) {
      if (++display.quickPresents >= 8) display.vsync = false;
    } else {
      display.quickPresents = 0;
    }
    display.lastPresent = now;
    display.paceBase = now;
    display.paceFrame = 0;
    return;
  }
  if (now > due + 4 * period) {
    // Fell far behind (a stall): start a new schedule rather than rush.
    display.paceBase = now;
    display.paceFrame = 0;
    return;
  }
  SleepUntilMicroseconds(due);
}

}  // namespace

bool RealWindowOpen() { return display.open && !display.headless && display.window; }

void WindowToGame(int32_t wx, int32_t wy, int32_t& gx, int32_t& gy) {
  if (!display.open || display.viewW <= 0 || display.viewH <= 0) {
    gx = wx;
    gy = wy;
    return;
  }
  // By pixel centres, so a pointer moved to a game pixel reads back as it.
  gx = int32_t(std::floor((wx + 0.5 - display.viewX) * double(display.width) / display.viewW));
  gy = int32_t(std::floor((wy + 0.5 - display.viewY) * double(display.height) / display.viewH));
  gx = std::clamp(gx, 0, display.width - 1);
  gy = std::clamp(gy, 0, display.height - 1);
}

void GameToWindow(int32_t gx, int32_t gy, int32_t& wx, int32_t& wy) {
  if (!display.open || display.width <= 0 || display.height <= 0) {
    wx = gx;
    wy = gy;
    return;
  }
  wx = display.viewX + int32_t(std::floor((gx + 0.5) * display.viewW / display.width));
  wy = display.viewY + int32_t(std::floor((gy + 0.5) * display.viewH / display.height));
}

void* SdlWindowHandle() { return display.window; }

const Text& OpenWindowTitle() { return display.title; }

void WindowSizeChanged() {
  if (display.open && !display.headless) ComputeLetterbox();
}

void HeadlessWindowPosition(int32_t& x, int32_t& y) {
  x = headlessWindowX;
  y = headlessWindowY;
}

void SetHeadlessWindowPosition(int32_t x, int32_t y) {
  headlessWindowX = x;
  headlessWindowY = y;
}

bool MovableWindowPlace(int32_t& x, int32_t& y) {
  if (!display.open || display.fullScreen) return false;
  if (display.headless) {
    HeadlessWindowPosition(x, y);
    return true;
  }
  if (!display.window) return false;
  SDL_GetWindowPosition(display.window, &x, &y);
  return true;
}

}  // namespace platform_detail

using namespace platform_detail;

int32_t OpenGLRenderer() { return RENDERER_OPENGL; }
int32_t Direct3D7Renderer() { return RENDERER_SOFTWARE; }

void SelectRenderer(int32_t renderer, int32_t flags) {
  if (renderer == RENDERER_OPENGL || renderer == RENDERER_SOFTWARE) selectedRenderer = renderer;
}

int32_t SelectedRenderer() { return selectedRenderer; }

int32_t DisplayModeAvailable(int32_t width, int32_t height, int32_t depth, int32_t hertz) {
  if (Headless()) return HeadlessModeAvailable() ? 1 : 0;
  if (!StartVideo()) return 0;
  SDL_DisplayMode desktop;
  if (SDL_GetNumVideoDisplays() < 1 || SDL_GetDesktopDisplayMode(0, &desktop) != 0) return 0;
  if (depth != 0 && depth != 32 && depth != 24) return 0;
  // An exact mode, or the desktop scaled with its aspect kept.
  return width > 0 && height > 0 ? 1 : 0;
}

int32_t OpenDisplay(int32_t width, int32_t height, int32_t depth, int32_t hertz, int32_t flags) {
  CloseDisplay();
  if (width <= 0 || height <= 0) return 0;
  display = Display{};
  display.headless = Headless();
  display.renderer = display.headless ? RENDERER_SOFTWARE : selectedRenderer;
  display.width = width;
  display.height = height;
  display.title = windowTitle;
  display.fullScreen = depth != 0;
  display.hertz = hertz > 0 ? hertz : 0;
  if (display.renderer == RENDERER_SOFTWARE || display.headless)
    display.backBuffer.assign(size_t(width) * height, 0);
  display.open = true;
  if (!display.headless) {
    if (!OpenRealWindow(width, height, display.fullScreen, display.hertz)) {
      bool triedOpenGL = display.renderer == RENDERER_OPENGL;
      std::string why = SDL_GetError();
      CloseDisplay();
      // With no window at all the game would run on unseen and could not be
      // ended: say so and stop.
      if (!triedOpenGL)
        RaiseRuntimeError(JoinText(u"Unable to open a window: ", TextFromBytes(why)));
      // The game does not check the display it asked for: without OpenGL it
      // is shown by the software renderer rather than not at all.
      int32_t chosen = selectedRenderer;
      selectedRenderer = RENDERER_SOFTWARE;
      int32_t opened = OpenDisplay(width, height, depth, hertz, flags);
      selectedRenderer = chosen;
      return opened;
    }
  } else {
    display.presented.assign(size_t(width) * height, 0);
    display.vsync = display.fullScreen && display.hertz > 0 && HeadlessClaimsVerticalSync();
    if (display.fullScreen)
      SetHeadlessWindowPosition(0, 0);
    else
      SetHeadlessWindowPosition((HEADLESS_DESKTOP_WIDTH - width) / 2,
                                (HEADLESS_DESKTOP_HEIGHT - height) / 2);
  }
  ComputeLetterbox();
  ResetDrawState();
  ResetInput();
  display.paceBase = display.lastPresent = PlatformMicroseconds();
  display.paceFrame = 0;
  ClearBackBuffer();
  return 1;
}

void CloseDisplay() {
  if (!display.open) return;
  if (!display.headless) {
    SetRuntimeErrorPresenter({});
    if (display.texture) SDL_DestroyTexture(display.texture);
    if (display.sdlRenderer) SDL_DestroyRenderer(display.sdlRenderer);
    if (display.renderer == RENDERER_OPENGL) GlStop();
    if (display.window) SDL_DestroyWindow(display.window);
  }
  display = Display{};
}

bool DisplayIsOpen() { return display.open; }
int32_t DisplayWidth() { return display.open ? display.width : 0; }
int32_t DisplayHeight() { return display.open ? display.height : 0; }
int32_t PresentRate() { return display.open ? display.hertz : 0; }
bool PresentWaitsForVerticalSync() { return display.open && display.vsync; }

void SetClearColour(int32_t red, int32_t green, int32_t blue) {
  auto c = [](int32_t v) { return uint32_t(std::clamp(v, 0, 255)); };
  display.clearColour = (c(red) << 16) | (c(green) << 8) | c(blue);
}

void ClearBackBuffer() {
  if (!display.open) return;
  if (UsesSoftware()) {
    SoftTarget t = Target();
    SoftClear(t, display.clearColour);
  } else {
    GlClear(display.clearColour);
  }
}

void PresentFrame() {
  if (!display.open) return;
  if (display.headless) {
    display.presented = display.backBuffer;
    Pace();
    NoteFramePresented();
    return;
  }
  PumpWindowEvents();
  if (display.renderer == RENDERER_SOFTWARE)
    PresentSoftware();
  else
    GlPresent();
  Pace();
}

void DrawImageFrame(int32_t image, double x, double y, int32_t frame) {
  if (!display.open) return;
  ImageData* img = FindImage(image);
  if (!img || frame < 0 || frame >= int32_t(img->frames.size())) return;
  if (UsesSoftware()) {
    SoftTarget t = Target();
    SoftDraw(t, *img, frame, x, y, CurrentDrawParams());
  } else {
    GlDraw(*img, frame, x, y, CurrentDrawParams());
  }
}

void TileViewportWithImage(int32_t image, double x, double y, int32_t frame) {
  if (!display.open) return;
  ImageData* img = FindImage(image);
  if (!img || frame < 0 || frame >= int32_t(img->frames.size())) return;
  int32_t w = img->frameWidth, h = img->frameHeight;
  // Tiles are drawn unrotated at scale 1 with the rest of the drawing state.
  DrawParams p = CurrentDrawParams();
  p.rotation = 0.0;
  p.cosA = 1.0;
  p.sinA = 0.0;
  p.scaleX = p.scaleY = 1.0;
  double left = x - img->anchorX, top = y - img->anchorY;
  double startX = left - std::ceil(left / w) * w;
  double startY = top - std::ceil(top / h) * h;
  SoftTarget t = Target();
  for (double ty = startY; ty < display.height; ty += h) {
    for (double tx = startX; tx < display.width; tx += w) {
      if (UsesSoftware())
        SoftDraw(t, *img, frame, tx + img->anchorX, ty + img->anchorY, p);
      else
        GlDraw(*img, frame, tx + img->anchorX, ty + img->anchorY, p);
    }
  }
}

// Headless and test access to the picture.
int32_t FramebufferWidth() { return display.open ? display.width : 0; }
int32_t FramebufferHeight() { return display.open ? display.height : 0; }

uint32_t FramebufferPixel(int32_t x, int32_t y) {
  if (!display.open || display.backBuffer.empty() || x < 0 || y < 0 || x >= display.width ||
      y >= display.height)
    return 0;
  return display.backBuffer[size_t(y) * display.width + x];
}

const uint32_t* FramebufferData() {
  return display.backBuffer.empty() ? nullptr : display.backBuffer.data();
}

uint32_t PresentedPixel(int32_t x, int32_t y) {
  if (!display.open || display.presented.empty() || x < 0 || y < 0 || x >= display.width ||
      y >= display.height)
    return 0;
  return display.presented[size_t(y) * display.width + x];
}

std::vector<uint32_t> CaptureBackBuffer() {
  if (!display.open) return {};
  if (UsesSoftware()) return display.backBuffer;
  return GlReadBack();
}

bool WriteFramebufferPng(const std::string& path) {
  std::vector<uint32_t> pixels = CaptureBackBuffer();
  if (pixels.empty()) return false;
  return WritePng(path, pixels.data(), display.width, display.height);
}
