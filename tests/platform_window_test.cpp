// Real windows: the same scene drawn by the software and the OpenGL
// renderer must look the same. Skipped when no display can be opened.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <limits>
#include <thread>
#include <vector>

#include "platform/display.hpp"
#include "platform/draw.hpp"
#include "platform/headless.hpp"
#include "platform/input.hpp"

namespace {

struct SceneImages {
  int32_t tile, sprite, glow, ramp, shade, mipGlow;
};

SceneImages MakeSceneImages() {
  SceneImages s{};
  std::vector<uint8_t> px;
  auto add = [&](int r, int g, int b, int a) { px.insert(px.end(), {uint8_t(r), uint8_t(g), uint8_t(b), uint8_t(a)}); };
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
      if (inside) add(200, 80 + x * 5, 40 + y * 10, 255);
      else add(255, 0, 255, 255);
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
  SetBlendMode(BLEND_LIGHT);
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
  SetBlendMode(BLEND_SHADE);
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
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) GTEST_SKIP() << "no display to open";
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
      int32_t d = std::abs(int32_t((soft[i] >> (8 * c)) & 0xff) - int32_t((gl[i] >> (8 * c)) & 0xff));
      worst = std::max(worst, d);
      sum += d;
    }
    if (worst > 3) ++off;
    if (worst > 64) ++far;
  }
  double mean = sum / (3.0 * soft.size());
  std::printf("pixels off by more than 3: %zu, by more than 64: %zu, mean difference %.3f\n", off, far, mean);
  EXPECT_LT(off, soft.size() / 100);
  EXPECT_LT(far, soft.size() / 500);
  EXPECT_LT(mean, 1.0);
}

// On any monitor the game is 1280 x 1024 pixels: a pointer moved to a game
// pixel comes back from the window events as that pixel.
TEST(PlatformWindow, PointerInGamePixelsOnAnyMonitor) {
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) GTEST_SKIP() << "no display to open";
  UseHeadlessBackend(false);
  ResetPlatformDisplay();
  for (int32_t renderer : {Direct3D7Renderer(), OpenGLRenderer()}) {
    SelectRenderer(renderer);
    if (!OpenDisplay(1280, 1024, 32, 75, 0)) continue;
    for (auto [x, y] : {std::pair{1000, 700}, std::pair{3, 1020}, std::pair{640, 512}}) {
      MovePointerTo(x, y);
      for (int32_t i = 0; i < 10; ++i) {
        PumpWindowEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
      }
      EXPECT_EQ(PointerX(), x) << renderer;
      EXPECT_EQ(PointerY(), y) << renderer;
    }
    CloseDisplay();
  }
  ResetPlatformDisplay();
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
