// Drawing rules of the software renderer on small scenes, through the
// headless backend.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <limits>
#include <random>
#include <vector>

#include "platform/display.hpp"
#include "platform/draw.hpp"
#include "platform/files.hpp"
#include "platform/headless.hpp"

namespace {

constexpr uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) { return (r << 16) | (g << 8) | b; }

struct Px {
  uint8_t r, g, b, a;
};

// An image from a list of pixels given row by row.
int32_t MakeImage(int32_t w, int32_t h, const std::vector<Px>& px, int32_t flags,
                  bool hasAlpha = true, int32_t cellW = 0, int32_t cellH = 0, int32_t cells = 1) {
  std::vector<uint8_t> rgba;
  for (const Px& p : px) rgba.insert(rgba.end(), {p.r, p.g, p.b, p.a});
  return ImageFromPixels(rgba.data(), w, h, hasAlpha, cellW ? cellW : w, cellH ? cellH : h, cells,
                         flags);
}

int32_t Solid(int32_t w, int32_t h, Px p, int32_t flags = 0) {
  return MakeImage(w, h, std::vector<Px>(size_t(w) * h, p), flags);
}

class PlatformDraw : public ::testing::Test {
 protected:
  void SetUp() override {
    UseHeadlessBackend(true);
    ResetPlatformDisplay();
    ASSERT_EQ(OpenDisplay(64, 48, 0, -1, 0), 1);
  }
  void TearDown() override { ResetPlatformDisplay(); }
  // Fills the back buffer with one colour.
  void Background(int32_t r, int32_t g, int32_t b) {
    SetClearColour(r, g, b);
    ClearBackBuffer();
  }
};

TEST_F(PlatformDraw, OpeningTheDisplaySetsTheStartState) {
  SetDrawColour(1, 2, 3);
  SetDrawAlpha(0.3);
  SetBlendMode(4);
  SetDrawRotation(45);
  SetDrawScale(2, 3);
  SetClearColour(9, 9, 9);
  SetImageMaskColour(255, 0, 255);
  SetDefaultImageFlags(0);
  ASSERT_EQ(OpenDisplay(64, 48, 0, -1, 0), 1);
  int32_t r, g, b;
  GetDrawColour(r, g, b);
  EXPECT_EQ(r, 255);
  EXPECT_EQ(g, 255);
  EXPECT_EQ(b, 255);
  EXPECT_EQ(GetDrawAlpha(), 1.0);
  EXPECT_EQ(GetBlendMode(), 1);
  EXPECT_EQ(GetDrawRotation(), 0.0);
  double sx, sy;
  GetDrawScale(sx, sy);
  EXPECT_EQ(sx, 1.0);
  EXPECT_EQ(sy, 1.0);
  // Clear colour black.
  ClearBackBuffer();
  EXPECT_EQ(FramebufferPixel(10, 10), 0u);
  // Default flags 3 and mask colour black: a black pixel loads transparent,
  // and the image is filtered (an enlarged draw blends neighbours).
  int32_t img = MakeImage(2, 1, {{0, 0, 0, 255}, {200, 200, 200, 255}}, IMAGE_DEFAULT_FLAGS, false);
  EXPECT_EQ(ImagePixel(img, 0, 0, 0), Rgb(200, 200, 200));  // alpha 0, neighbour's colour
  EXPECT_EQ(ImagePixel(img, 0, 1, 0) >> 24, 255u);
  int32_t ramp =
      MakeImage(2, 1, {{0, 0, 10, 255}, {250, 250, 250, 255}}, IMAGE_DEFAULT_FLAGS, false);
  SetDrawScale(4, 1);
  DrawImageFrame(ramp, 0, 0);
  EXPECT_EQ(FramebufferPixel(0, 0), Rgb(0, 0, 10));
  EXPECT_EQ(FramebufferPixel(3, 0), Rgb(93, 93, 100));
}

TEST_F(PlatformDraw, ColourIsKeptAsSetAndClampedWhenDrawing) {
  SetDrawColour(300, -5, 128);
  int32_t r, g, b;
  GetDrawColour(r, g, b);
  EXPECT_EQ(r, 300);
  EXPECT_EQ(g, -5);
  EXPECT_EQ(b, 128);
  int32_t img = Solid(1, 1, {200, 100, 50, 255});
  Background(0, 0, 0);
  SetBlendMode(BLEND_SOLID);
  DrawImageFrame(img, 5, 5);
  // 200*255/255, 100*0/255, round(50*128/255) = round(25.1).
  EXPECT_EQ(FramebufferPixel(5, 5), Rgb(200, 0, 25));
  SetDrawColour(128, 128, 128);
  DrawImageFrame(img, 6, 5);
  // round(100.39), round(50.2), round(25.1)
  EXPECT_EQ(FramebufferPixel(6, 5), Rgb(100, 50, 25));
}

TEST_F(PlatformDraw, AlphaIsClampedTruncatedAndNaNCountsAsZero) {
  SetDrawAlpha(1.7);
  EXPECT_EQ(GetDrawAlpha(), 1.0);
  SetDrawAlpha(-0.2);
  EXPECT_EQ(GetDrawAlpha(), 0.0);
  SetDrawAlpha(std::numeric_limits<double>::quiet_NaN());
  EXPECT_EQ(GetDrawAlpha(), 0.0);

  int32_t img = Solid(1, 1, {255, 255, 255, 255});
  Background(0, 0, 0);
  SetBlendMode(BLEND_ALPHA);
  DrawImageFrame(img, 1, 1);  // NaN: nothing
  EXPECT_EQ(FramebufferPixel(1, 1), 0u);
  // 0.999 x 255 = 254.7, used as 254.
  SetDrawAlpha(0.999);
  DrawImageFrame(img, 2, 1);
  EXPECT_EQ(FramebufferPixel(2, 1), Rgb(254, 254, 254));
  SetDrawAlpha(0.5);  // 127
  DrawImageFrame(img, 3, 1);
  EXPECT_EQ(FramebufferPixel(3, 1), Rgb(127, 127, 127));
}

TEST_F(PlatformDraw, EachBlendMode) {
  // Texel (200, 100, 50) with alpha 128 over (40, 80, 120).
  int32_t img = Solid(1, 1, {200, 100, 50, 128});
  Background(40, 80, 120);
  SetBlendMode(BLEND_MASK);
  DrawImageFrame(img, 0, 0);
  EXPECT_EQ(FramebufferPixel(0, 0), Rgb(200, 100, 50));  // drawn opaque
  SetBlendMode(BLEND_SOLID);
  DrawImageFrame(img, 1, 0);
  EXPECT_EQ(FramebufferPixel(1, 0), Rgb(200, 100, 50));
  SetBlendMode(BLEND_ALPHA);
  DrawImageFrame(img, 2, 0);
  // (200*128 + 40*127) / 255 = 120.3, (100*128 + 80*127) / 255 = 90.0,
  // (50*128 + 120*127) / 255 = 84.9
  EXPECT_EQ(FramebufferPixel(2, 0), Rgb(120, 90, 85));
  SetBlendMode(BLEND_ADD);
  DrawImageFrame(img, 3, 0);
  // 40 + 100.4, 80 + 50.2, 120 + 25.1
  EXPECT_EQ(FramebufferPixel(3, 0), Rgb(140, 130, 145));
  SetBlendMode(BLEND_MULTIPLY);
  DrawImageFrame(img, 4, 0);
  // 200*40/255 = 31.4, 100*80/255 = 31.4, 50*120/255 = 23.5
  EXPECT_EQ(FramebufferPixel(4, 0), Rgb(31, 31, 24));
  // Adding clamps at 255.
  int32_t bright = Solid(1, 1, {250, 250, 250, 255});
  SetBlendMode(BLEND_ADD);
  DrawImageFrame(bright, 5, 0);
  EXPECT_EQ(FramebufferPixel(5, 0), Rgb(255, 255, 255));
  // An unknown mode draws nothing.
  SetBlendMode(9);
  DrawImageFrame(bright, 6, 0);
  EXPECT_EQ(FramebufferPixel(6, 0), Rgb(40, 80, 120));
}

TEST_F(PlatformDraw, MaskBlendLeavesOutAlphaBelowOneHalf) {
  int32_t img = MakeImage(3, 1, {{255, 0, 0, 127}, {0, 255, 0, 128}, {0, 0, 255, 255}}, 0);
  Background(10, 10, 10);
  SetBlendMode(BLEND_MASK);
  DrawImageFrame(img, 0, 0);
  EXPECT_EQ(FramebufferPixel(0, 0), Rgb(10, 10, 10));  // 127/255 < 0.5
  EXPECT_EQ(FramebufferPixel(1, 0), Rgb(0, 255, 0));   // 128/255 >= 0.5
  EXPECT_EQ(FramebufferPixel(2, 0), Rgb(0, 0, 255));
  // Draw alpha 0.5 is the byte 127: even an opaque texel falls below 0.5.
  SetDrawAlpha(0.5);
  DrawImageFrame(img, 0, 1);
  EXPECT_EQ(FramebufferPixel(2, 1), Rgb(10, 10, 10));
  // Alpha 0.51 (byte 130) keeps only the opaque texel: 255*130 >= 127.5*255.
  SetDrawAlpha(0.51);
  DrawImageFrame(img, 0, 2);
  EXPECT_EQ(FramebufferPixel(1, 2), Rgb(10, 10, 10));
  EXPECT_EQ(FramebufferPixel(2, 2), Rgb(0, 0, 255));
}

// Enlarged nearest drawing blends whole runs of pixels at once; each pixel
// of a run must come out as the same texel drawn alone at scale 1.
TEST_F(PlatformDraw, EnlargedRunsBlendAsSinglePixels) {
  std::mt19937 rng(90417);
  // Bytes often at the ends and around one half, where rounding and the mask
  // threshold turn.
  auto byte = [&rng] {
    const uint32_t kind = rng() % 4;
    return uint8_t(kind == 0 ? (rng() % 2) * 255 : (kind == 1 ? 125 + rng() % 7 : rng() % 256));
  };
  for (int32_t trial = 0; trial < 300; ++trial) {
    std::vector<Px> px;
    for (int32_t i = 0; i < 16; ++i) px.push_back({byte(), byte(), byte(), byte()});
    const int32_t img = MakeImage(16, 1, px, 0);
    Background(byte(), byte(), byte());
    const int32_t blend = BLEND_MASK + int32_t(rng() % 5);
    SetBlendMode(blend);
    SetDrawColour(byte(), byte(), byte());
    SetDrawAlpha(rng() % 3 == 0 ? 1.0 : byte() / 255.0);
    SetDrawScale(3, 1);
    DrawImageFrame(img, 0, 0);
    SetDrawScale(1, 1);
    DrawImageFrame(img, 0, 1);
    for (int32_t x = 0; x < 48; ++x)
      ASSERT_EQ(FramebufferPixel(x, 0), FramebufferPixel(x / 3, 1))
          << "blend " << blend << " pixel " << x;
    ReleaseImage(img);
  }
}

TEST_F(PlatformDraw, PositiveRotationTurnsClockwise) {
  // A row of four: red, green, blue, white, anchored at its left end.
  int32_t img = MakeImage(
      4, 1, {{255, 0, 0, 255}, {0, 255, 0, 255}, {0, 0, 255, 255}, {255, 255, 255, 255}}, 0);
  Background(0, 0, 0);
  SetDrawRotation(90);
  DrawImageFrame(img, 10, 10);
  // Pointing right turns to pointing down.
  EXPECT_EQ(FramebufferPixel(9, 10), Rgb(255, 0, 0));
  EXPECT_EQ(FramebufferPixel(9, 11), Rgb(0, 255, 0));
  EXPECT_EQ(FramebufferPixel(9, 12), Rgb(0, 0, 255));
  EXPECT_EQ(FramebufferPixel(9, 13), Rgb(255, 255, 255));
  EXPECT_EQ(FramebufferPixel(10, 10), 0u);
  EXPECT_EQ(FramebufferPixel(9, 14), 0u);
  ClearBackBuffer();
  SetDrawRotation(180);
  DrawImageFrame(img, 30, 10);
  EXPECT_EQ(FramebufferPixel(29, 9), Rgb(255, 0, 0));
  EXPECT_EQ(FramebufferPixel(26, 9), Rgb(255, 255, 255));
  ClearBackBuffer();
  SetDrawRotation(-90);
  DrawImageFrame(img, 10, 30);
  EXPECT_EQ(FramebufferPixel(10, 29), Rgb(255, 0, 0));
  EXPECT_EQ(FramebufferPixel(10, 26), Rgb(255, 255, 255));
}

TEST_F(PlatformDraw, NonUniformScaleAboutTheAnchor) {
  int32_t img = MakeImage(
      2, 2, {{255, 0, 0, 255}, {0, 255, 0, 255}, {0, 0, 255, 255}, {255, 255, 0, 255}}, 0);
  SetImageAnchor(img, 1, 1);
  Background(0, 0, 0);
  SetDrawScale(3, 2);
  DrawImageFrame(img, 20, 20);
  // The anchor stays at (20, 20); x spans 17..22, y spans 18..21.
  EXPECT_EQ(FramebufferPixel(17, 18), Rgb(255, 0, 0));
  EXPECT_EQ(FramebufferPixel(19, 19), Rgb(255, 0, 0));
  EXPECT_EQ(FramebufferPixel(20, 18), Rgb(0, 255, 0));
  EXPECT_EQ(FramebufferPixel(22, 19), Rgb(0, 255, 0));
  EXPECT_EQ(FramebufferPixel(17, 20), Rgb(0, 0, 255));
  EXPECT_EQ(FramebufferPixel(22, 21), Rgb(255, 255, 0));
  EXPECT_EQ(FramebufferPixel(16, 18), 0u);
  EXPECT_EQ(FramebufferPixel(23, 18), 0u);
  EXPECT_EQ(FramebufferPixel(17, 17), 0u);
  EXPECT_EQ(FramebufferPixel(17, 22), 0u);
  // A negative scale mirrors about the anchor.
  ClearBackBuffer();
  SetDrawScale(-1, 1);
  DrawImageFrame(img, 40, 20);
  EXPECT_EQ(FramebufferPixel(40, 19), Rgb(255, 0, 0));
  EXPECT_EQ(FramebufferPixel(39, 19), Rgb(0, 255, 0));
  // Scale 0 draws nothing.
  ClearBackBuffer();
  SetDrawScale(0, 1);
  DrawImageFrame(img, 40, 20);
  EXPECT_EQ(FramebufferPixel(39, 19), 0u);
}

// Any rotation, scale, anchor and place: a pixel shows the texel its centre
// maps to by the drawing rule, and nothing when the centre falls outside.
TEST_F(PlatformDraw, EveryPlacementFollowsTheMappingRule) {
  std::mt19937 rng(2475492);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  int32_t checked = 0;
  for (int32_t trial = 0; trial < 400; ++trial) {
    const int32_t w = 1 + int32_t(rng() % 9), h = 1 + int32_t(rng() % 9);
    std::vector<Px> px;
    for (int32_t i = 0; i < w * h; ++i)
      px.push_back({uint8_t(1 + i), uint8_t(7 * i), uint8_t(100 + i), 255});
    const int32_t img = MakeImage(w, h, px, 0);
    const double ax = rng() % 2 ? unit(rng) * w : (rng() % 2 ? w / 2.0 : 0.0);
    const double ay = rng() % 2 ? unit(rng) * h : (rng() % 2 ? h / 2.0 : 0.0);
    SetImageAnchor(img, ax, ay);
    const double rotation = rng() % 4 == 0 ? 90.0 * (rng() % 4) : unit(rng) * 720.0 - 360.0;
    double sx = rng() % 3 == 0 ? 1.0 : unit(rng) * 8.0 - 4.0;
    double sy = rng() % 3 == 0 ? 1.0 : unit(rng) * 8.0 - 4.0;
    if (std::fabs(sx) < 0.05) sx = 0.5;
    if (std::fabs(sy) < 0.05) sy = -0.5;
    const double x = rng() % 2 ? double(rng() % 64) : unit(rng) * 64.0;
    const double y = rng() % 2 ? double(rng() % 48) : unit(rng) * 48.0;
    Background(0, 0, 0);
    SetBlendMode(BLEND_SOLID);
    SetDrawRotation(rotation);
    SetDrawScale(sx, sy);
    DrawImageFrame(img, x, y);
    const double c = std::cos(rotation * 0.017453292519943295),
                 s = std::sin(rotation * 0.017453292519943295);
    for (int32_t py = 0; py < 48; ++py) {
      for (int32_t pxl = 0; pxl < 64; ++pxl) {
        // The inverse of (x + u c sx - v s sy, y + u s sx + v c sy) at the pixel centre.
        const double dx = pxl + 0.5 - x, dy = py + 0.5 - y;
        const double u = (c * dx + s * dy) / sx + ax, v = (-s * dx + c * dy) / sy + ay;
        // Centres on a texel border may fall either way.
        if (std::fabs(u - std::round(u)) < 1e-6 || std::fabs(v - std::round(v)) < 1e-6) continue;
        uint32_t want = 0;
        if (u >= 0 && u < w && v >= 0 && v < h) {
          const Px& t = px[size_t(std::floor(v)) * w + size_t(std::floor(u))];
          want = Rgb(t.r, t.g, t.b);
        }
        ASSERT_EQ(FramebufferPixel(pxl, py), want)
            << "size " << w << "x" << h << " rotation " << rotation << " scale " << sx << "," << sy
            << " at " << x << "," << y << " anchor " << ax << "," << ay << " pixel " << pxl << ","
            << py;
        ++checked;
      }
    }
    ReleaseImage(img);
  }
  EXPECT_GT(checked, 400 * 3000);
}

TEST_F(PlatformDraw, FractionalPositionsSamplePixelCentres) {
  int32_t img = Solid(2, 2, {255, 255, 255, 255});
  Background(0, 0, 0);
  // Covers centres x in [10.6, 12.6): pixels 11 and 12 (centres 11.5, 12.5).
  DrawImageFrame(img, 10.6, 5.4);
  EXPECT_EQ(FramebufferPixel(10, 5), 0u);
  EXPECT_EQ(FramebufferPixel(11, 5), Rgb(255, 255, 255));
  EXPECT_EQ(FramebufferPixel(12, 6), Rgb(255, 255, 255));
  EXPECT_EQ(FramebufferPixel(13, 5), 0u);
  EXPECT_EQ(FramebufferPixel(11, 7), 0u);
}

TEST_F(PlatformDraw, NearestUnlessFilteredAndEnlarged) {
  std::vector<Px> blackWhite = {{0, 0, 0, 255}, {255, 255, 255, 255}};
  int32_t nearest = MakeImage(2, 1, blackWhite, 0);
  int32_t filtered = MakeImage(2, 1, blackWhite, IMAGE_FILTERED);
  Background(0, 0, 255);
  SetDrawScale(4, 1);
  DrawImageFrame(nearest, 0, 0);
  DrawImageFrame(filtered, 0, 1);
  for (int32_t x = 0; x < 4; ++x) EXPECT_EQ(FramebufferPixel(x, 0), 0u);
  for (int32_t x = 4; x < 8; ++x) EXPECT_EQ(FramebufferPixel(x, 0), Rgb(255, 255, 255));
  // Filtered: clamped at both ends, a ramp between the texel centres
  // (x = 2 and x = 6): pixel 3 samples 0.375 of the way, 255 * 96 / 256.
  EXPECT_EQ(FramebufferPixel(0, 1), 0u);
  EXPECT_EQ(FramebufferPixel(1, 1), 0u);
  EXPECT_EQ(FramebufferPixel(3, 1), Rgb(95, 95, 95));
  EXPECT_EQ(FramebufferPixel(4, 1), Rgb(159, 159, 159));
  EXPECT_EQ(FramebufferPixel(7, 1), Rgb(255, 255, 255));
  // Shrunk and not mipmapped: nearest even when filtered.
  std::vector<Px> four = {
      {0, 0, 0, 255}, {255, 255, 255, 255}, {0, 0, 0, 255}, {255, 255, 255, 255}};
  int32_t shrink = MakeImage(4, 1, four, IMAGE_FILTERED);
  SetDrawScale(0.5, 1);
  DrawImageFrame(shrink, 20, 0);
  // Pixel 20 samples u = 1.0 (white), pixel 21 samples u = 3.0 (white).
  EXPECT_EQ(FramebufferPixel(20, 0), Rgb(255, 255, 255));
  EXPECT_EQ(FramebufferPixel(21, 0), Rgb(255, 255, 255));
  // Shrunk, filtered and mipmapped: the half-size level averages the pairs.
  int32_t mip = MakeImage(4, 1, four, IMAGE_FILTERED | IMAGE_MIPMAPPED);
  DrawImageFrame(mip, 30, 0);
  EXPECT_EQ(FramebufferPixel(30, 0), Rgb(128, 128, 128));
  // At scale 1 a filtered image shows its nearest texels, also between
  // whole pixels and rotated.
  SetDrawScale(1, 1);
  DrawImageFrame(filtered, 40.4, 2);
  EXPECT_EQ(FramebufferPixel(40, 2), 0u);
  EXPECT_EQ(FramebufferPixel(41, 2), Rgb(255, 255, 255));
  SetDrawRotation(90);
  DrawImageFrame(filtered, 50, 2.3);
  EXPECT_EQ(FramebufferPixel(49, 2), 0u);
  EXPECT_EQ(FramebufferPixel(49, 3), Rgb(255, 255, 255));
}

TEST_F(PlatformDraw, MaskedImagesTakeTheNeighbourMean) {
  SetImageMaskColour(255, 0, 255);
  const Px m{255, 0, 255, 255};
  // 3 x 3: the centre is mask colour; the corners are mask colour too.
  int32_t img = MakeImage(3, 3,
                          {m,
                           {10, 20, 30, 255},
                           m,  //
                           {40, 50, 60, 255},
                           m,
                           {70, 80, 91, 255},  //
                           m,
                           {100, 110, 120, 255},
                           m},
                          IMAGE_MASKED, false);
  // Centre: mean of the four non-mask neighbours, truncated.
  EXPECT_EQ(ImagePixel(img, 0, 1, 1), Rgb(55, 65, 75));
  // Corner (0,0): neighbours (10,20,30) and (40,50,60).
  EXPECT_EQ(ImagePixel(img, 0, 0, 0), Rgb(25, 35, 45));
  EXPECT_EQ(ImagePixel(img, 0, 1, 0), 0xff000000u | Rgb(10, 20, 30));
  // A mask pixel with no non-mask neighbour becomes black.
  int32_t lone = MakeImage(2, 1, {m, m}, IMAGE_MASKED, false);
  EXPECT_EQ(ImagePixel(lone, 0, 0, 0), 0u);
  // An image with alpha of its own is not masked; an unmasked one keeps the colour.
  int32_t own = MakeImage(1, 1, {m}, IMAGE_MASKED, true);
  EXPECT_EQ(ImagePixel(own, 0, 0, 0), 0xffff00ffu);
  int32_t plain = MakeImage(1, 1, {m}, 0, false);
  EXPECT_EQ(ImagePixel(plain, 0, 0, 0), 0xffff00ffu);
  // The mask colour changed after loading does not matter.
  SetImageMaskColour(0, 0, 0);
  // Drawn in blend mode 1 the mask pixels are left out.
  Background(1, 2, 3);
  DrawImageFrame(img, 0, 0);
  EXPECT_EQ(FramebufferPixel(1, 1), Rgb(1, 2, 3));
  EXPECT_EQ(FramebufferPixel(2, 1), Rgb(70, 80, 91));
}

TEST_F(PlatformDraw, AnchorsAndFrames) {
  int32_t img = Solid(5, 3, {1, 1, 1, 255});
  double x, y;
  GetImageAnchor(img, x, y);
  EXPECT_EQ(x, 0.0);
  EXPECT_EQ(y, 0.0);
  CentreImageAnchor(img);
  GetImageAnchor(img, x, y);
  EXPECT_EQ(x, 2.5);
  EXPECT_EQ(y, 1.5);
  EXPECT_EQ(ImageFrameWidth(img), 5);
  EXPECT_EQ(ImageFrameHeight(img), 3);
  EXPECT_EQ(ImageFrameWidth(0), 0);
  EXPECT_EQ(ImageFrameHeight(12345), 0);
  // Handle 0, unknown handles and frames out of range draw nothing.
  Background(0, 0, 0);
  DrawImageFrame(0, 0, 0);
  DrawImageFrame(img, 10, 10, 1);
  DrawImageFrame(img, 10, 10, -1);
  DrawImageFrame(999, 10, 10);
  for (int32_t yy = 0; yy < 48; ++yy)
    for (int32_t xx = 0; xx < 64; ++xx) ASSERT_EQ(FramebufferPixel(xx, yy), 0u);
  ReleaseImage(img);
  EXPECT_FALSE(ImageExists(img));
}

TEST_F(PlatformDraw, TileCoversTheWholeDisplay) {
  int32_t img = MakeImage(2, 1, {{255, 0, 0, 255}, {0, 255, 0, 255}}, 0);
  Background(0, 0, 0);
  SetDrawRotation(30);  // tiles ignore rotation and scale
  SetDrawScale(3, 3);
  TileViewportWithImage(img, 1, 0, 0);
  EXPECT_EQ(FramebufferPixel(0, 0), Rgb(0, 255, 0));
  EXPECT_EQ(FramebufferPixel(1, 0), Rgb(255, 0, 0));
  EXPECT_EQ(FramebufferPixel(63, 47), Rgb(255, 0, 0));
  EXPECT_EQ(FramebufferPixel(62, 20), Rgb(0, 255, 0));
}

// PNG files: written from the framebuffer, then loaded back as a strip from
// disk and from an embedded file.
TEST_F(PlatformDraw, StripsAreCutRowByRowFromPngFiles) {
  // A 6 x 4 picture of six 2 x 2 cells, cell k filled with grey 10 * (k + 1).
  ASSERT_EQ(OpenDisplay(6, 4, 0, -1, 0), 1);
  for (int32_t k = 0; k < 6; ++k) {
    int32_t v = 10 * (k + 1);
    int32_t cell = Solid(2, 2, {uint8_t(v), uint8_t(v), uint8_t(v), 255});
    DrawImageFrame(cell, (k % 3) * 2, (k / 3) * 2);
  }
  std::string path = ::testing::TempDir() + "qw2_strip_" + std::to_string(::getpid()) + ".png";
  ASSERT_TRUE(WriteFramebufferPng(path));
  int32_t strip = LoadImageStrip(TextFromBytes(path), 2, 2, 1, 4, 0);
  ASSERT_NE(strip, 0);
  EXPECT_EQ(ImageFrameCount(strip), 4);
  EXPECT_EQ(ImageFrameWidth(strip), 2);
  for (int32_t f = 0; f < 4; ++f) {
    uint32_t v = 10u * uint32_t(f + 2);
    EXPECT_EQ(ImagePixel(strip, f, 1, 1), 0xff000000u | Rgb(v, v, v)) << f;
  }
  // More cells than the picture holds: no image.
  EXPECT_EQ(LoadImageStrip(TextFromBytes(path), 2, 2, 3, 4, 0), 0);
  EXPECT_EQ(LoadImageStrip(TextFromBytes(path), 2, 2, 1, INT32_MAX, 0), 0);

  std::ifstream in(path, std::ios::binary);
  static std::vector<uint8_t> bytes;
  bytes.assign(std::istreambuf_iterator<char>(in), {});
  std::remove(path.c_str());
  RegisterEmbeddedFile(u"data\\gfx\\qw2strip.png", bytes.data(), bytes.size());
  int32_t whole = LoadImageFile(u"incbin::data\\gfx\\qw2strip.png", 0);
  ASSERT_NE(whole, 0);
  EXPECT_EQ(ImageFrameWidth(whole), 6);
  EXPECT_EQ(ImageFrameHeight(whole), 4);
  EXPECT_EQ(ImagePixel(whole, 0, 5, 3), 0xff000000u | Rgb(60, 60, 60));

  // Names that do not load give handle 0.
  EXPECT_EQ(LoadImageFile(u"incbin::data\\gfx\\nothing.png"), 0);
  EXPECT_EQ(LoadImageFile(u"no/such/file.png"), 0);
  static const uint8_t notPng[] = {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0, 0, 0};
  RegisterEmbeddedFile(u"data\\gfx\\fake.png", notPng, sizeof notPng);
  EXPECT_EQ(LoadImageFile(u"incbin::data\\gfx\\fake.png"), 0);
  static const uint8_t cutPng[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a,
                                   '\n', 0,   0,   0,   13,   'I',  'H'};
  RegisterEmbeddedFile(u"data\\gfx\\cut.png", cutPng, sizeof cutPng);
  EXPECT_EQ(LoadImageFile(u"incbin::data\\gfx\\cut.png"), 0);
}

TEST_F(PlatformDraw, ImagesSurviveReopeningTheDisplay) {
  int32_t img = Solid(2, 2, {9, 8, 7, 255});
  CloseDisplay();
  SelectRenderer(Direct3D7Renderer());
  ASSERT_EQ(OpenDisplay(1280, 1024, 32, 75, 0), 1);
  EXPECT_EQ(FramebufferWidth(), 1280);
  DrawImageFrame(img, 1270, 1020);
  EXPECT_EQ(FramebufferPixel(1271, 1021), Rgb(9, 8, 7));
  // Drawing past the right and bottom edges is clipped.
  DrawImageFrame(img, 1279, 1023);
  EXPECT_EQ(FramebufferPixel(1279, 1023), Rgb(9, 8, 7));
}

}  // namespace
