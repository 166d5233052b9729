// Real windows: the same scene drawn by the software and the OpenGL
// renderer must look the same. Skipped when no display can be opened.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <thread>
#include <vector>

#include "catalogue/explosions.hpp"
#include "catalogue/ships.hpp"
#include "match/shell_tables.hpp"
#include "platform/display.hpp"
#include "platform/draw.hpp"
#include "platform/headless.hpp"
#include "platform/input.hpp"
#include "platform/winplace.hpp"
#include "shell/screens.hpp"
#include "shell/startup.hpp"
#include "shell/startup_tables.hpp"
#include "tests/game_pictures.hpp"
#include "tests/platform_screen.hpp"
#include "tests/test_folder.hpp"

namespace {

struct SceneImages {
  int32_t tile, sprite, glow, ramp, shade, mipGlow;
};

SceneImages MakeSceneImages() {
  SceneImages s{};
  std::vector<uint8_t> px;
  auto add = [&](int r, int g, int b, int a) {
    px.insert(px.end(), {uint8_t(r), uint8_t(g), uint8_t(b), uint8_t(a)});
  };
  // A 32 x 32 background tile.
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) add(x * 4, y * 3, 60 + ((x ^ y) & 8) * 8, 255);
  s.tile = ImageFromPixels(px.data(), 32, 32, false, 32, 32, 1, 0);
  // A masked 24 x 16 ship-like sprite, magenta as mask.
  px.clear();
  SetImageMaskColour(255, 0, 255);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 24; ++x) {
      bool inside = std::abs(y - 8) * 3 < x;
      if (inside)
        add(200, 80 + x * 5, 40 + y * 10, 255);
      else
        add(255, 0, 255, 255);
    }
  s.sprite = ImageFromPixels(px.data(), 24, 16, false, 24, 16, 1, 1);
  CentreImageAnchor(s.sprite);
  // A soft 32 x 32 glow with alpha of its own.
  px.clear();
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      double d = std::hypot(x - 15.5, y - 15.5) / 16.0;
      int a = d >= 1.0 ? 0 : int((1.0 - d) * 255);
      add(255, 220, 180, a);
    }
  s.glow = ImageFromPixels(px.data(), 32, 32, true, 32, 32, 1, 3);
  CentreImageAnchor(s.glow);
  s.mipGlow = ImageFromPixels(px.data(), 32, 32, true, 32, 32, 1, IMAGE_FILTERED | IMAGE_MIPMAPPED);
  CentreImageAnchor(s.mipGlow);
  // A filtered 8 x 8 ramp for enlargement.
  px.clear();
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) add(x * 32, 255 - y * 32, (x + y) * 16, 255);
  s.ramp = ImageFromPixels(px.data(), 8, 8, false, 8, 8, 1, 2);
  // A grey square for the multiply mode.
  px.assign(4 * 16 * 16, 160);
  s.shade = ImageFromPixels(px.data(), 16, 16, false, 16, 16, 1, 0);
  return s;
}

void DrawScene(const SceneImages& s) {
  SetClearColour(0, 0, 15);
  ClearBackBuffer();
  TileViewportWithImage(s.tile, 0, 0, 0);
  // Rotated masked sprites at whole and fractional places.
  for (int i = 0; i < 24; ++i) {
    SetDrawRotation(i * 15.0);
    SetDrawColour(255, 255 - i * 8, 255);
    DrawImageFrame(s.sprite, 100 + (i % 8) * 120 + 0.25 * (i % 3), 120 + (i / 8) * 90);
  }
  SetDrawRotation(0);
  SetDrawColour(255, 255, 255);
  // Additive glows, alpha-blended glows.
  SetBlendMode(BLEND_ADD);
  for (int i = 0; i < 10; ++i) {
    SetDrawColour(255, 100 + i * 15, 50);
    DrawImageFrame(s.glow, 200 + i * 90, 520);
  }
  SetBlendMode(BLEND_ALPHA);
  for (int i = 0; i < 10; ++i) {
    SetDrawAlpha(0.1 * (i + 1));
    SetDrawScale(1.0 + i * 0.25, 1.0 + i * 0.25);
    DrawImageFrame(s.glow, 200 + i * 90, 640);
  }
  SetDrawAlpha(1);
  SetDrawScale(1, 1);
  SetDrawColour(255, 255, 255);
  // Enlarged filtered and non-uniformly scaled pictures.
  SetBlendMode(BLEND_SOLID);
  SetDrawScale(12, 12);
  DrawImageFrame(s.ramp, 100, 760);
  SetDrawScale(30, 6);
  SetDrawRotation(10);
  DrawImageFrame(s.ramp, 400, 760);
  SetDrawRotation(0);
  SetDrawScale(1, 1);
  // Multiply.
  SetBlendMode(BLEND_MULTIPLY);
  SetDrawScale(4, 4);
  DrawImageFrame(s.shade, 1000, 760);
  SetDrawScale(1, 1);
  SetBlendMode(BLEND_MASK);
  // Shrunk: the mipmapped glow from its smaller levels, the plain ramp by
  // nearest texels; at scale 1, turned, a filtered image shows nearest texels.
  SetBlendMode(BLEND_ALPHA);
  for (int i = 0; i < 6; ++i) {
    SetDrawScale(0.9 - i * 0.15, 0.7 - i * 0.1);
    DrawImageFrame(s.mipGlow, 80 + i * 60, 960);
  }
  SetBlendMode(BLEND_SOLID);
  SetDrawScale(0.6, 0.8);
  DrawImageFrame(s.ramp, 500, 950);
  SetDrawScale(1, 1);
  SetDrawRotation(33);
  DrawImageFrame(s.ramp, 560.3, 950.6);
  SetDrawRotation(0);
  // The mask mode's alpha test takes the draw alpha into account.
  SetBlendMode(BLEND_MASK);
  for (int i = 0; i < 6; ++i) {
    SetDrawAlpha(0.45 + i * 0.1);
    DrawImageFrame(s.glow, 700 + i * 40, 970);
  }
  SetDrawAlpha(1);
  // Places and scales that are no numbers draw nothing in either renderer.
  SetBlendMode(BLEND_SOLID);
  DrawImageFrame(s.shade, std::nan(""), 300);
  SetDrawScale(std::numeric_limits<double>::infinity(), 2);
  DrawImageFrame(s.shade, 640, 300);
  SetDrawScale(1, 1);
  SetDrawRotation(std::numeric_limits<double>::quiet_NaN());
  DrawImageFrame(s.shade, 640, 300);
  SetDrawRotation(0);
  // A full-screen fade at a third.
  SetBlendMode(BLEND_ALPHA);
  SetDrawAlpha(0.33);
  SetDrawColour(0, 0, 0);
  SetDrawScale(1280.0 / 16, 1024.0 / 16);
  DrawImageFrame(s.shade, 0, 0);
  SetDrawScale(1, 1);
  SetDrawColour(255, 255, 255);
  SetDrawAlpha(1);
  SetBlendMode(BLEND_MASK);
}

std::vector<uint32_t> Render(int32_t renderer, const SceneImages& images, const char* pngName) {
  SelectRenderer(renderer);
  if (!OpenDisplay(1280, 1024, 32, 75, 0)) return {};
  EXPECT_EQ(DisplayWidth(), 1280);
  DrawScene(images);
  std::vector<uint32_t> picture = CaptureBackBuffer();
  std::string path = ::testing::TempDir() + pngName;
  WriteFramebufferPng(path);
  PresentFrame();
  PresentFrame();
  // Pointer positions are in game pixels whatever the window's size.
  MovePointerTo(640, 512);
  EXPECT_EQ(PointerX(), 640);
  CloseDisplay();
  return picture;
}

TEST(PlatformWindow, OpenGLMatchesTheSoftwareRenderer) {
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
    GTEST_SKIP() << "no display to open";
  UseHeadlessBackend(false);
  ResetPlatformDisplay();
  SceneImages images = MakeSceneImages();
  std::vector<uint32_t> soft = Render(Direct3D7Renderer(), images, "qw2_scene_software.png");
  if (soft.empty()) {
    ResetPlatformDisplay();
    UseHeadlessBackend(true);
    GTEST_SKIP() << "the display could not be opened";
  }
  std::vector<uint32_t> gl = Render(OpenGLRenderer(), images, "qw2_scene_opengl.png");
  ResetPlatformDisplay();
  UseHeadlessBackend(true);
  if (gl.empty()) GTEST_SKIP() << "no OpenGL display could be opened";
  ASSERT_EQ(soft.size(), gl.size());

  // Within a small tolerance; edges of rotated and filtered images may fall
  // one pixel apart.
  size_t off = 0, far = 0;
  double sum = 0;
  for (size_t i = 0; i < soft.size(); ++i) {
    int32_t worst = 0;
    for (int32_t c = 0; c < 3; ++c) {
      int32_t d =
          std::abs(int32_t((soft[i] >> (8 * c)) & 0xff) - int32_t((gl[i] >> (8 * c)) & 0xff));
      worst = std::max(worst, d);
      sum += d;
    }
    if (worst > 3) ++off;
    if (worst > 64) ++far;
  }
  double mean = sum / (3.0 * soft.size());
  std::printf("pixels off by more than 3: %zu, by more than 64: %zu, mean difference %.3f\n", off,
              far, mean);
  EXPECT_LT(off, soft.size() / 100);
  EXPECT_LT(far, soft.size() / 500);
  EXPECT_LT(mean, 1.0);
}

void LetWindowEventsArrive() {
  for (int32_t i = 0; i < 10; ++i) {
    PumpWindowEvents();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

// The game pixel under a screen pixel's centre.
int32_t GamePixelUnder(int32_t screen, int32_t boxStart, int32_t boxSize, int32_t gameSize) {
  return int32_t(std::floor((screen + 0.5 - boxStart) * gameSize / boxSize));
}

// On any monitor the game is 1280 x 1024 pixels: a pointer moved to a game
// pixel comes back from the window events as that pixel, and the real
// pointer on the screen, wherever it is in the letterbox, reads as the game
// pixel under it.
TEST(PlatformWindow, PointerInGamePixelsOnAnyMonitor) {
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
    GTEST_SKIP() << "no display to open";
  UseHeadlessBackend(false);
  ResetPlatformDisplay();
  const bool screenSeen = RealScreenOpen();
  const ScreenLetterbox box = LetterboxOnScreen(RealScreenWidth(), RealScreenHeight());
  for (int32_t renderer : {Direct3D7Renderer(), OpenGLRenderer()}) {
    SelectRenderer(renderer);
    if (!OpenDisplay(1280, 1024, 32, 75, 0)) continue;
    LetWindowEventsArrive();
    for (auto [x, y] : {std::pair{1000, 700}, std::pair{3, 1020}, std::pair{640, 512}}) {
      MovePointerTo(x, y);
      LetWindowEventsArrive();
      EXPECT_EQ(PointerX(), x) << renderer;
      EXPECT_EQ(PointerY(), y) << renderer;
      if (!screenSeen) continue;
      int32_t rx, ry;
      RealPointerPosition(rx, ry);
      EXPECT_EQ(GamePixelUnder(rx, box.x, box.w, 1280), x) << renderer << " screen x " << rx;
      EXPECT_EQ(GamePixelUnder(ry, box.y, box.h, 1024), y) << renderer << " screen y " << ry;
    }
    if (screenSeen) {
      // The letterbox's corners and middle, moved to on the screen itself.
      for (auto [sx, sy] :
           {std::pair{box.x, box.y}, std::pair{box.x + box.w - 1, box.y + box.h - 1},
            std::pair{box.x + box.w / 2, box.y + box.h / 3}}) {
        RealPointerMoveTo(sx, sy);
        LetWindowEventsArrive();
        EXPECT_EQ(PointerX(), GamePixelUnder(sx, box.x, box.w, 1280))
            << renderer << " screen x " << sx;
        EXPECT_EQ(PointerY(), GamePixelUnder(sy, box.y, box.h, 1024))
            << renderer << " screen y " << sy;
      }
    }
    CloseDisplay();
  }
  CloseRealScreen();
  ResetPlatformDisplay();
  UseHeadlessBackend(true);
}

int32_t SolidSquare(uint8_t r, uint8_t g, uint8_t b) {
  std::vector<uint8_t> px;
  for (int32_t i = 0; i < 16 * 16; ++i) px.insert(px.end(), {r, g, b, 255});
  return ImageFromPixels(px.data(), 16, 16, false, 16, 16, 1, 0);
}

bool Near(uint32_t a, uint32_t b) {
  for (int32_t c = 0; c < 24; c += 8)
    if (std::abs(int32_t((a >> c) & 0xff) - int32_t((b >> c) & 0xff)) > 4) return false;
  return true;
}

// Full screen, the whole screen is the game's: its picture scaled into the
// letterbox the screen's size gives, up to the letterbox's edges, and black
// bars around it. Squares in the picture's corners show where it landed.
TEST(PlatformWindow, PictureFillsTheScreenLetterboxed) {
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
    GTEST_SKIP() << "no display to open";
  if (!RealScreenOpen()) GTEST_SKIP() << "the screen cannot be looked at (no X server or XTest)";
  UseHeadlessBackend(false);
  ResetPlatformDisplay();
  const int32_t sw = RealScreenWidth(), sh = RealScreenHeight();
  const ScreenLetterbox box = LetterboxOnScreen(sw, sh);
  constexpr uint32_t kGround = 0x5a5a5a, kRed = 0xff0000, kGreen = 0x00ff00, kBlue = 0x0000ff,
                     kYellow = 0xffff00;
  const int32_t red = SolidSquare(255, 0, 0), green = SolidSquare(0, 255, 0),
                blue = SolidSquare(0, 0, 255), yellow = SolidSquare(255, 255, 0);
  for (int32_t renderer : {Direct3D7Renderer(), OpenGLRenderer()}) {
    SelectRenderer(renderer);
    ASSERT_EQ(OpenDisplay(1280, 1024, 32, 75, 0), 1);
    std::vector<uint32_t> screen;
    auto at = [&](int32_t x, int32_t y) { return screen[size_t(y) * sw + x]; };
    // The window takes a moment to be shown.
    for (int32_t tries = 0; tries < 150; ++tries) {
      SetClearColour(0x5a, 0x5a, 0x5a);
      ClearBackBuffer();
      SetBlendMode(BLEND_SOLID);
      DrawImageFrame(red, 0, 0);
      DrawImageFrame(green, 1264, 0);
      DrawImageFrame(blue, 0, 1008);
      DrawImageFrame(yellow, 1264, 1008);
      PresentFrame();
      screen = RealScreenPixels();
      ASSERT_EQ(screen.size(), size_t(sw) * sh);
      if (Near(at(box.x, box.y), kRed) && Near(at(box.x + box.w - 1, box.y + box.h - 1), kYellow))
        break;
    }
    EXPECT_TRUE(Near(at(box.x, box.y), kRed)) << renderer << std::hex << " " << at(box.x, box.y);
    EXPECT_TRUE(Near(at(box.x + box.w - 1, box.y), kGreen)) << renderer;
    EXPECT_TRUE(Near(at(box.x, box.y + box.h - 1), kBlue)) << renderer;
    EXPECT_TRUE(Near(at(box.x + box.w - 1, box.y + box.h - 1), kYellow)) << renderer;
    // The picture reaches every edge of the letterbox, and its middle.
    const int32_t midX = box.x + box.w / 2, midY = box.y + box.h / 2;
    for (auto [x, y] :
         {std::pair{box.x, midY}, std::pair{box.x + box.w - 1, midY}, std::pair{midX, box.y},
          std::pair{midX, box.y + box.h - 1}, std::pair{midX, midY}})
      EXPECT_TRUE(Near(at(x, y), kGround)) << renderer << " at " << x << ", " << y;
    // Outside the letterbox the screen is black, all of it.
    int64_t lit = 0;
    int32_t firstX = -1, firstY = -1;
    for (int32_t y = 0; y < sh; ++y)
      for (int32_t x = 0; x < sw; ++x) {
        if (x >= box.x && x < box.x + box.w && y >= box.y && y < box.y + box.h) continue;
        if (at(x, y) == 0) continue;
        if (lit++ == 0) firstX = x, firstY = y;
      }
    EXPECT_EQ(lit, 0) << renderer << ": outside the picture, the first lit pixel at " << firstX
                      << ", " << firstY;
    CloseDisplay();
  }
  CloseRealScreen();
  ResetPlatformDisplay();
  UseHeadlessBackend(true);
}

// The real main menu on the real screen: the real pointer moved to NEW GAME
// where the letterbox shows it and a real click there take that item, in
// either renderer. What the screen showed is kept as a picture in the
// temporary folder.
TEST(PlatformWindow, MenuItemTakenByAClickAtItsScaledPlace) {
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
    GTEST_SKIP() << "no display to open";
  if (!RealScreenOpen()) GTEST_SKIP() << "the screen cannot be driven (no X server or XTest)";
  TestFolder folder("qw2_realmenu_");
  const ScreenLetterbox box = LetterboxOnScreen(RealScreenWidth(), RealScreenHeight());
  // NEW GAME's hover box is x 356 to 924, y 383 to 425 in game pixels.
  const int32_t clickX = box.x + 640 * box.w / 1280, clickY = box.y + 404 * box.h / 1024;
  for (int32_t renderer : {Direct3D7Renderer(), OpenGLRenderer()}) {
    UseHeadlessBackend(false);
    ResetPlatformDisplay();
    ResetShell();
    ResetCatalogue();
    InitShipCatalogue();
    InitExplosionTypes();
    SelectRenderer(renderer);
    ASSERT_EQ(OpenDisplay(1280, 1024, 32, 75, 0), 1);
    SetUpTeamNames();
    SetUpStartupTables();
    LoadGamePictures();
    fadePhase = FADE_IN;
    RealPointerMoveTo(clickX, clickY);
    for (int32_t frame = 0; frame < 15; ++frame) RunFrame();
    EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);
    EXPECT_GT(PointerX(), 356) << renderer;
    EXPECT_LT(PointerX(), 924) << renderer;
    EXPECT_GT(PointerY(), 383) << renderer;
    EXPECT_LT(PointerY(), 425) << renderer;
    WriteRealScreenPng(::testing::TempDir() + "qw2_real_screen_main_menu_" +
                       std::to_string(RealScreenWidth()) + "x" +
                       std::to_string(RealScreenHeight()) +
                       (renderer == OpenGLRenderer() ? "_opengl.png" : "_software.png"));
    // Held for about 100 ms.
    RealLeftButton(true);
    for (int32_t frame = 0; frame < 8; ++frame) RunFrame();
    RealLeftButton(false);
    for (int32_t frame = 0; frame < 4 && currentScreen == SCREEN_MAIN_MENU; ++frame) RunFrame();
    EXPECT_EQ(currentScreen, SCREEN_GAME_MODE) << renderer;
    CloseDisplay();
  }
  CloseRealScreen();
  ResetPlatformDisplay();
  ResetShell();
  UseHeadlessBackend(true);
}

// The start-up window dragged by the real pointer: the window system puts
// the window under the hand, so a pointer moved there afterwards reads the
// same place in the window, and RUN GAME is taken there.
TEST(PlatformWindow, StartupWindowFollowsARealDrag) {
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
    GTEST_SKIP() << "no display to open";
  if (!RealScreenOpen()) GTEST_SKIP() << "the screen cannot be driven (no X server or XTest)";
  UseHeadlessBackend(false);
  ResetPlatformDisplay();
  ResetShell();
  windowTitle = u"Quorvex Wexlor 2 - Startup Menu";
  ASSERT_EQ(OpenDisplay(480, 360, 0, -1, 0), 1);
  startupWindowHandle = FindWindowA(nullptr, "Quorvex Wexlor 2 - Startup Menu");
  int32_t x = 0, y = 0, right = 0, bottom = 0;
  ASSERT_TRUE(GetWindowRect(startupWindowHandle, x, y, right, bottom));
  startupWindowX = x;
  startupWindowY = y;
  auto passes = [](int32_t count) {
    for (int32_t i = 0; i < count && startupChoice == 0; ++i) {
      StartupWindowPass();
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
  };
  // The pointer on the background; the window takes the focus only some
  // time after the pointer came in. A click there moves nothing (and ends a
  // press SDL may still hold from an earlier window).
  RealPointerMoveTo(x + 300, y + 100);
  passes(150);
  RealLeftButton(true);
  passes(10);
  RealLeftButton(false);
  passes(10);
  EXPECT_EQ(startupWindowX, x);
  EXPECT_EQ(startupWindowY, y);
  RealLeftButton(true);
  for (int32_t step = 1; step <= 6; ++step) {
    passes(10);
    RealPointerMoveTo(x + 300 + 5 * step, y + 100 + 15 * step / 6);
  }
  passes(40);
  RealLeftButton(false);
  passes(10);
  EXPECT_EQ(startupWindowX, x + 30);
  EXPECT_EQ(startupWindowY, y + 15);
  // Near RUN GAME's lower edge, below it where the window was.
  RealPointerMoveTo(x + 30 + 240, y + 15 + 205);
  passes(20);
  EXPECT_EQ(PointerX(), 240);
  EXPECT_EQ(PointerY(), 205);
  RealLeftButton(true);
  passes(10);
  RealLeftButton(false);
  LetWindowEventsArrive();
  EXPECT_EQ(startupChoice, 1);
  CloseDisplay();
  CloseRealScreen();
  ResetPlatformDisplay();
  ResetShell();
  UseHeadlessBackend(true);
}

}  // namespace

// A video driver that shows nothing leaves no way to see or end the game:
// opening a window then stops the program with a message.
TEST(PlatformWindow, NoScreenToShowTheGameOnStopsWithAMessage) {
  if (std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY")) GTEST_SKIP() << "a screen is there";
  EXPECT_EXIT(
      {
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        UseHeadlessBackend(false);
        OpenDisplay(480, 360, 0, -1, 0);
      },
      ::testing::ExitedWithCode(1), "Unable to open a window");
}
