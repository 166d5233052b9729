// The software renderer on a busy match-like frame.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "platform/display.hpp"
#include "platform/draw.hpp"
#include "platform/headless.hpp"

namespace {

int32_t Picture(int32_t w, int32_t h, int32_t cells, int32_t flags, bool alpha, uint32_t seed) {
  std::vector<uint8_t> px;
  int32_t total = w * cells;
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < total; ++x) {
      int32_t cx = x % w;
      double d = std::hypot(cx - w / 2.0 + 0.5, y - h / 2.0 + 0.5) / (w / 2.0);
      bool inside = d < 0.9;
      if (alpha) {
        px.insert(px.end(), {uint8_t(200), uint8_t(150 + cx), uint8_t(100 + y),
                             uint8_t(d >= 1 ? 0 : (1 - d) * 255)});
      } else if (inside) {
        px.insert(px.end(), {uint8_t(40 + cx * 6), uint8_t(200 - y * 5), uint8_t(seed * 40), 255});
      } else {
        px.insert(px.end(), {255, 0, 255, 255});
      }
    }
  return ImageFromPixels(px.data(), total, h, alpha, w, h, cells, flags);
}

void BM_MatchFrame(benchmark::State& state) {
  UseHeadlessBackend(true);
  ResetPlatformDisplay();
  OpenDisplay(1280, 1024, 32, 75, 0);
  SetImageMaskColour(255, 0, 255);
  std::vector<uint8_t> blackPx(32 * 32 * 4, 0);
  for (size_t i = 3; i < blackPx.size(); i += 4) blackPx[i] = 255;
  int32_t black = ImageFromPixels(blackPx.data(), 32, 32, false, 32, 32, 1, 1);
  int32_t ship = Picture(32, 32, 1, 3, false, 1);
  CentreImageAnchor(ship);
  int32_t glow = Picture(12, 12, 1, 3, true, 2);
  CentreImageAnchor(glow);
  int32_t shot = Picture(16, 16, 1, 3, true, 3);
  CentreImageAnchor(shot);
  int32_t font = Picture(10, 10, 64, 1, false, 4);

  for (auto _ : state) {
    SetClearColour(0, 0, 15);
    ClearBackBuffer();
    SetBlendMode(BLEND_MASK);
    for (int32_t i = 0; i < 300; ++i) {
      SetDrawRotation(i * 7.3);
      DrawImageFrame(ship, 20.25 + (i * 97) % 1240, 20.5 + (i * 61) % 980);
    }
    SetDrawRotation(0);
    SetBlendMode(BLEND_ADD);
    SetDrawAlpha(0.6);
    SetDrawColour(255, 100, 0);
    for (int32_t i = 0; i < 300; ++i)
      DrawImageFrame(glow, 10.5 + (i * 131) % 1260, 10.25 + (i * 71) % 1000);
    SetDrawColour(255, 255, 255);
    SetBlendMode(BLEND_ALPHA);
    for (int32_t i = 0; i < 200; ++i) {
      SetDrawAlpha(0.2 + (i % 8) * 0.1);
      DrawImageFrame(shot, 8 + (i * 53) % 1264, 8 + (i * 89) % 1008);
    }
    SetDrawAlpha(1);
    SetBlendMode(BLEND_MASK);
    SetDrawColour(255, 200, 100);
    for (int32_t i = 0; i < 2000; ++i)
      DrawImageFrame(font, (i % 100) * 12 + 20, (i / 100) * 40 + 100, i % 64);
    SetDrawColour(255, 255, 255);
    // The fade: black.png scaled over the whole screen.
    SetBlendMode(BLEND_ALPHA);
    SetDrawAlpha(0.5);
    SetDrawScale(40, 32);
    DrawImageFrame(black, 0, 0);
    SetDrawScale(1, 1);
    SetDrawAlpha(1);
    SetBlendMode(BLEND_MASK);
    benchmark::DoNotOptimize(FramebufferData());
  }
  ResetPlatformDisplay();
}
BENCHMARK(BM_MatchFrame)->Unit(benchmark::kMillisecond);

}  // namespace
