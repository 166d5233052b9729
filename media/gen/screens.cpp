// Menu and shell pictures: backgrounds, the title, frames, plates, icons,
// arrows, the pointer and the start-up window.
#include <algorithm>
#include <cmath>

#include "media/gen/fonts.hpp"
#include "media/gen/media.hpp"

namespace gen {

namespace {

const float kPi = 3.14159265f;
std::string N(int v) { return std::to_string(v); }

// Steel-blue panel colours shared by every frame so the menus match.
const Col kFrameLight = rgb(150, 176, 210);
const Col kFrameDark = rgb(40, 52, 72);
const Col kPanel = rgb(14, 20, 32);

// A rounded-corner rectangle inside test.
bool InRound(float x, float y, float x0, float y0, float x1, float y1, float r) {
  if (x < x0 || x > x1 || y < y0 || y > y1) return false;
  float cx = std::clamp(x, x0 + r, x1 - r), cy = std::clamp(y, y0 + r, y1 - r);
  return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
}

// A bevelled metal frame with chamfered corners, `thick` wide. The inside
// is left empty (mask) unless fillAlpha > 0.
Image MetalFrame(int w, int h, float thick, Col metal, float fillAlpha = 0.0f, Col fill = kPanel,
                 float chamfer = 10.0f) {
  Image img(w, h);
  auto chamf = [&](float x, float y, float inset, float c) {
    float x0 = inset, y0 = inset, x1 = w - inset, y1 = h - inset;
    if (x < x0 || x > x1 || y < y0 || y > y1) return false;
    float dx = std::min(x - x0, x1 - x), dy = std::min(y - y0, y1 - y);
    return dx + dy >= c;
  };
  if (fillAlpha > 0) {
    Mask in(w, h);
    RasterInto(in, 0, 0, static_cast<float>(w), static_cast<float>(h),
               [&](float x, float y) { return chamf(x, y, thick * 0.5f, chamfer); });
    PaintMaskFn(img, in, [&](int x, int y) {
      float g = 0.85f + 0.3f * (1.0f - static_cast<float>(y) / h);
      return withAlpha(scaled(fill, g), fillAlpha);
    });
  }
  Mask m(w, h);
  RasterInto(m, 0, 0, static_cast<float>(w), static_cast<float>(h), [&](float x, float y) {
    return chamf(x, y, 0.5f, chamfer) &&
           !chamf(x, y, thick, std::max(1.0f, chamfer - thick * 0.6f));
  });
  PaintLit(img, m, Material{metal, thick * 0.45f, 0.5f, 0.75f, 0.7f, 16});
  // A thin bright inner line.
  Mask line(w, h);
  RasterInto(line, 0, 0, static_cast<float>(w), static_cast<float>(h), [&](float x, float y) {
    return chamf(x, y, thick + 2, std::max(1.0f, chamfer - thick)) &&
           !chamf(x, y, thick + 3.2f, std::max(1.0f, chamfer - thick - 1));
  });
  PaintMask(img, line, withAlpha(mix(metal, rgb(255, 255, 255), 0.3f), 0.9f));
  return img;
}

// A faint technical grid and corner brackets inside a panel; the lower
// brackets sit lowerBrackets pixels nearer the bottom edge.
void PanelDetail(Image& img, int inset, int cell, int lowerBrackets = 0) {
  int w = img.w(), h = img.h();
  for (int y = inset; y < h - inset; ++y)
    for (int x = inset; x < w - inset; ++x) {
      Col& c = img.at(x, y);
      if (c.a < 0.5f) continue;
      bool line = ((x - inset) % cell == 0) || ((y - inset) % cell == 0);
      if (line) c = withAlpha(mix(c, rgb(60, 110, 160), 0.18f), c.a);
      // Soft light from the top.
      float v = 1.0f + 0.25f * std::max(0.0f, 1.0f - static_cast<float>(y - inset) / (h * 0.35f));
      c = withAlpha(scaled(c, v), c.a);
    }
  const int arm = std::min(40, std::min(w, h) / 6);
  Col b = rgb(120, 190, 240);
  for (int sx = 0; sx < 2; ++sx)
    for (int sy = 0; sy < 2; ++sy) {
      int x0 = sx ? w - inset - 6 - arm : inset + 6;
      int y0 = sy ? h - inset - 6 + lowerBrackets : inset + 6;
      int xc = sx ? w - inset - 7 : inset + 6;
      int yc = sy ? h - inset - 6 - arm + lowerBrackets : inset + 6;
      FillRect(img, x0, y0 - (sy ? 1 : 0), x0 + arm, y0 + (sy ? 0 : 1), withAlpha(b, 0.8f));
      FillRect(img, xc, yc, xc + 1, yc + arm, withAlpha(b, 0.8f));
    }
}

// Menu frames are drawn at 0.66 alpha, centred: a dark glassy panel in a
// steel frame with lit corner studs.
std::vector<uint8_t> MakeMenuBorder(int w, int h) {
  Image img = MetalFrame(w, h, 8, kFrameLight, 0.92f, kPanel, 22);
  PanelDetail(img, 12, 24);
  float studs[4][2] = {{16, 16}, {w - 16.0f, 16}, {16, h - 16.0f}, {w - 16.0f, h - 16.0f}};
  for (auto& s : studs) {
    Mask m(w, h);
    MaskEllipse(m, {s[0], s[1]}, 4.5f, 4.5f);
    PaintLit(img, m, Material{rgb(90, 200, 255), 2.0f, 0.6f, 0.6f, 0.9f, 20});
  }
  // Header rule under the title area.
  FillRect(img, 40, 92, w - 40, 94, rgb(70, 110, 150));
  return EncodePngMasked(img, kMagenta);
}

std::vector<uint8_t> MakeTitleBack() {
  // A seamless 512 x 512 tile of deep space: nebula clouds and stars.
  const int s = 512;
  Image img(s, s);
  for (int y = 0; y < s; ++y)
    for (int x = 0; x < s; ++x) {
      float fx = x / 128.0f, fy = y / 128.0f;
      float n = Fbm(fx, fy, 71, 6, 4);
      float m = Fbm(fx + 3.0f, fy + 1.0f, 93, 5, 4);
      float neb = smooth(0.45f, 0.85f, n);
      Col c = mix(rgb(3, 4, 12), rgb(36, 16, 58), neb);
      c = mix(c, rgb(14, 40, 70), smooth(0.5f, 0.9f, m) * 0.7f);
      img.at(x, y) = withAlpha(c, 1);
    }
  Rng rng(5);
  for (int i = 0; i < 420; ++i) {
    int x = rng.irange(0, s - 1), y = rng.irange(0, s - 1);
    float b = rng.range(0.25f, 1.0f);
    b = b * b;
    Col c = mix(rgb(120, 140, 200), rgb(255, 255, 255), rng.uni());
    img.at(x, y) = withAlpha(mix(img.at(x, y), c, b), 1);
    if (b > 0.7f) {
      for (int k = 0; k < 4; ++k) {
        int dx = k == 0 ? 1 : (k == 1 ? -1 : 0), dy = k == 2 ? 1 : (k == 3 ? -1 : 0);
        int px = (x + dx + s) % s, py = (y + dy + s) % s;
        img.at(px, py) = withAlpha(mix(img.at(px, py), c, 0.35f), 1);
      }
    }
  }
  return EncodePngRgb(img);
}

std::vector<uint8_t> MakeShipShopBack() {
  // A seamless 128 x 128 tile of hangar deck plating.
  const int s = 128;
  Image img(s, s);
  for (int y = 0; y < s; ++y)
    for (int x = 0; x < s; ++x) {
      float n = Fbm(x / 32.0f, y / 32.0f, 17, 4, 4);
      int px = x % 64, py = y % 64;
      bool seam = px == 0 || py == 0;
      bool hi = px == 1 || py == 1;
      float v = 0.11f + 0.05f * n;
      Col c = withAlpha(rgb(static_cast<int>(v * 255 * 0.9f), static_cast<int>(v * 255),
                            static_cast<int>(v * 255 * 1.25f)),
                        1);
      if (seam) c = rgb(6, 7, 10);
      if (hi) c = scaled(c, 1.5f);
      // Rivets near the plate corners.
      int rx = px < 32 ? px - 5 : px - 59, ry = py < 32 ? py - 5 : py - 59;
      if (rx * rx + ry * ry <= 2) c = rx + ry < 0 ? rgb(70, 76, 90) : rgb(40, 44, 54);
      img.at(x, y) = c;
    }
  return EncodePngRgb(img);
}

// The title: "QUORVEX WEXLOR" in 975 x 150 frames, and "2" in 130 x 150.
// One line of large title letters as coverage, at 1:1, at most maxW wide.
Mask TitleWord(const std::u32string& text, int pixelSize, int maxW) {
  int tw, base;
  Mask m = RasterText("DejaVuSans-Bold.ttf", text, pixelSize * 3, 6.0f * 3, &tw, &base);
  if (m.w / 3 > maxW) {
    int fit = pixelSize * maxW * 3 / (m.w / 3);
    m = RasterText("DejaVuSans-Bold.ttf", text, fit, 6.0f * fit / pixelSize, &tw, &base);
  }
  return ResampleMask(m, m.w / 3, m.h / 3);
}

// The words of the title stand apart so that the big "2" can sit between
// and below them. dy moves the letters down inside the frame.
Image TitleFrame(const std::u32string& text, int w, int h, int frame, int pixelSize, int dy = 0) {
  Mask small;
  size_t space = text.find(U' ');
  if (space == std::u32string::npos) {
    small = TitleWord(text, pixelSize, w - 24);
  } else {
    const int gap = 96;
    Mask a = TitleWord(text.substr(0, space), pixelSize, (w - gap) / 2 - 12);
    Mask b = TitleWord(text.substr(space + 1), pixelSize, (w - gap) / 2 - 12);
    small = Mask(w, std::max(a.h, b.h));
    auto put = [&](const Mask& m, int ox) {
      for (int y = 0; y < m.h; ++y)
        for (int x = 0; x < m.w; ++x)
          if (ox + x >= 0 && ox + x < small.w)
            small.at(ox + x, y) = std::max(small.at(ox + x, y), m.at(x, y));
    };
    put(a, w / 2 - gap / 2 - a.w);
    put(b, w / 2 + gap / 2);
  }
  Image img(w, h);
  int ox = (w - small.w) / 2, oy = (h - small.h) / 2 + dy;
  float pulse = 0.5f + 0.5f * std::sin(frame / 5.0f * 2 * kPi);
  // Glow behind the letters.
  Image glow(w, h);
  for (int y = 0; y < small.h; ++y)
    for (int x = 0; x < small.w; ++x)
      if (small.at(x, y) > 0) glow.blend(ox + x, oy + y, rgb(255, 120, 20), small.at(x, y));
  BoxBlur(glow, 4);
  for (auto& p : glow.pixels()) p.a = clamp01(p.a * (1.1f + 0.5f * pulse));
  img.draw(glow, 0, 0);
  Mask placed(w, h);
  for (int y = 0; y < small.h; ++y)
    for (int x = 0; x < small.w; ++x)
      if (ox + x >= 0 && ox + x < w && oy + y >= 0 && oy + y < h)
        placed.at(ox + x, oy + y) = small.at(x, y);
  // Chrome letters: a hot gradient with a horizon line.
  float top = static_cast<float>(oy), span = static_cast<float>(small.h);
  PaintLit(img, placed, Material{rgb(255, 255, 255), 3.0f, 0.55f, 0.6f, 0.8f, 20}, nullptr);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float c = placed.at(x, y);
      if (c <= 0) continue;
      float t = clamp01((y - top) / span);
      Col g = t < 0.5f ? mix(rgb(255, 250, 220), rgb(255, 190, 60), t / 0.5f)
                       : mix(rgb(230, 90, 20), rgb(255, 200, 90), (t - 0.5f) / 0.5f);
      g = scaled(g, 0.85f + 0.2f * pulse);
      Col& d = img.at(x, y);
      d = withAlpha({d.r * g.r, d.g * g.g, d.b * g.b}, d.a);
    }
  Outline(img, rgb(40, 10, 0, 1), 0.5f);
  return img;
}

std::vector<uint8_t> MakeTitleText() {
  Image strip(975, 750);
  for (int f = 0; f < 5; ++f)
    strip.draw(TitleFrame(U"QUORVEX WEXLOR", 975, 150, f, 100), 0, f * 150);
  return EncodePngMasked(strip, kGreenMask);
}

std::vector<uint8_t> MakePartTwo() {
  Image strip(650, 150);
  for (int f = 0; f < 5; ++f) {
    Image fr = TitleFrame(U"2", 130, 150, f, 118, 4);
    // The "2" burns hotter.
    for (auto& p : fr.pixels())
      if (p.a > 0) p = withAlpha(mix(p, rgb(255, 80, 40), 0.25f), p.a);
    strip.draw(fr, f * 130, 0);
  }
  return EncodePngMasked(strip, kGreenMask);
}

// Icons, 38 x 38, on a round steel button.
Image IconButton(int size = 38) {
  Image img(size, size);
  Mask m(size, size);
  RasterInto(m, 0, 0, static_cast<float>(size), static_cast<float>(size),
             [&](float x, float y) { return InRound(x, y, 1, 1, size - 1.0f, size - 1.0f, 7); });
  PaintLit(img, m, Material{rgb(52, 64, 84), 3.0f, 0.55f, 0.7f, 0.5f, 14});
  return img;
}

void Stroke(Image& img, std::vector<V2> pts, float r, Col c, bool closed = false) {
  Mask m(img.w(), img.h());
  for (size_t i = 0; i + 1 < pts.size(); ++i) MaskCapsule(m, pts[i], pts[i + 1], r);
  if (closed && pts.size() > 2) MaskCapsule(m, pts.back(), pts.front(), r);
  PaintMask(img, m, c);
}

void FillPoly(Image& img, std::vector<V2> pts, Col c, bool lit = true) {
  Mask m(img.w(), img.h());
  MaskPolygon(m, pts);
  if (lit)
    PaintLit(img, m, Material{c, 1.5f, 0.6f, 0.6f, 0.6f, 16});
  else
    PaintMask(img, m, c);
}

void FillEll(Image& img, V2 c, float rx, float ry, Col col) {
  Mask m(img.w(), img.h());
  MaskEllipse(m, c, rx, ry);
  PaintLit(img, m, Material{col, std::min(rx, ry) * 0.5f, 0.6f, 0.6f, 0.6f, 16});
}

std::vector<uint8_t> MakeIcon(const std::string& which) {
  Image img = IconButton();
  Col light = rgb(220, 230, 240);
  if (which == "disabled") {
    Mask m(38, 38);
    MaskRing(m, {19, 19}, 8, 11);
    MaskCapsule(m, {12, 26}, {26, 12}, 1.8f);
    PaintMask(img, m, rgb(230, 70, 60));
  } else if (which == "human") {
    FillEll(img, {19, 13}, 5, 5.5f, light);
    FillPoly(img, {{9, 31}, {11, 22}, {15, 19.5f}, {23, 19.5f}, {27, 22}, {29, 31}}, light);
  } else if (which == "ai") {
    Mask m(38, 38);
    RasterInto(m, 0, 0, 38, 38, [](float x, float y) { return InRound(x, y, 10, 11, 28, 27, 3); });
    PaintLit(img, m, Material{light, 1.5f});
    for (int i = 0; i < 4; ++i) {
      Stroke(img, {{12.5f + i * 4.3f, 7}, {12.5f + i * 4.3f, 11}}, 0.9f, light);
      Stroke(img, {{12.5f + i * 4.3f, 27}, {12.5f + i * 4.3f, 31}}, 0.9f, light);
    }
    FillRect(img, 15, 16, 23, 22, rgb(60, 200, 255));
  } else if (which == "team") {
    Stroke(img, {{12, 30}, {12, 8}}, 1.3f, light);
    FillPoly(img, {{13, 8}, {29, 11}, {24, 15}, {29, 19}, {13, 19}}, rgb(240, 180, 60));
  } else if (which == "lamp") {
    // Custom fleet: a wrench and a ship outline.
    FillPoly(img, {{19, 7}, {25, 25}, {19, 22}, {13, 25}}, light);
    FillEll(img, {19, 29}, 3, 2, rgb(255, 190, 80));
  } else if (which == "random") {
    Mask m(38, 38);
    RasterInto(m, 0, 0, 38, 38, [](float x, float y) { return InRound(x, y, 9, 9, 29, 29, 4); });
    PaintLit(img, m, Material{light, 2.0f});
    V2 pips[5] = {{14, 14}, {24, 14}, {19, 19}, {14, 24}, {24, 24}};
    for (auto& p : pips) FillEll(img, p, 1.9f, 1.9f, rgb(30, 30, 40));
  } else if (which == "money") {
    FillEll(img, {19, 19}, 11, 11, rgb(230, 190, 60));
    Mask m(38, 38);
    MaskRing(m, {19, 19}, 8, 9);
    PaintMask(img, m, rgb(150, 110, 20));
    Stroke(img, {{23, 14}, {16, 14}, {15, 19}, {23, 19}, {22, 24}, {15, 24}}, 1.2f,
           rgb(120, 80, 10));
  }
  return EncodePngMasked(img, kMagenta);
}

std::vector<uint8_t> MakeTick(bool yes) {
  Image img(38, 38);
  Mask box(38, 38);
  RasterInto(box, 0, 0, 38, 38, [](float x, float y) { return InRound(x, y, 5, 5, 33, 33, 4); });
  PaintLit(img, box, Material{rgb(30, 38, 52), 2.5f, 0.7f, 0.5f, 0.3f, 10});
  Mask rim(38, 38);
  RasterInto(rim, 0, 0, 38, 38, [](float x, float y) {
    return InRound(x, y, 5, 5, 33, 33, 4) && !InRound(x, y, 7, 7, 31, 31, 3);
  });
  PaintLit(img, rim, Material{kFrameLight, 1.0f});
  if (yes) {
    Mask m(38, 38);
    MaskCapsule(m, {11, 19}, {17, 26}, 2.6f);
    MaskCapsule(m, {17, 26}, {28, 11}, 2.6f);
    PaintLit(img, m, Material{rgb(70, 255, 90), 1.5f, 0.6f, 0.7f, 0.8f, 20});
    Glow(img, {19, 20}, 14, rgb(60, 255, 80), 0.25f, 2);
  }
  return EncodePngMasked(img, kMagenta);
}

std::vector<uint8_t> MakeArrowButton(int dir) {
  // 1 left, 2 right, 3 up, 4 down.
  Image img = IconButton(42);
  std::vector<V2> tri = {{13, 21}, {27, 11}, {27, 31}};
  for (auto& p : tri) {
    float x = p.x - 21, y = p.y - 21;
    float rx = x, ry = y;
    if (dir == 2) rx = -x;
    if (dir == 3) {
      rx = y;
      ry = x;
    }
    if (dir == 4) {
      rx = -y;
      ry = -x;
    }
    p = {21 + rx, 21 + ry};
  }
  FillPoly(img, tri, rgb(120, 230, 255));
  return EncodePngMasked(img, kMagenta);
}

std::vector<uint8_t> MakeTrash() {
  Image img = IconButton(42);
  Col c = rgb(230, 110, 90);
  FillPoly(img, {{13, 15}, {29, 15}, {27, 33}, {15, 33}}, c);
  FillRect(img, 11, 11, 31, 14, c);
  FillRect(img, 17, 8, 25, 11, c);
  for (int i = 0; i < 3; ++i) FillRect(img, 16 + i * 4, 18, 17 + i * 4, 30, rgb(110, 40, 30));
  return EncodePngMasked(img, kMagenta);
}

std::vector<uint8_t> MakeTickBorder() {
  // The hover highlight drawn over a button: a glowing bracket frame.
  Image img(46, 46);
  Mask m(46, 46);
  RasterInto(m, 0, 0, 46, 46, [](float x, float y) {
    bool ring = InRound(x, y, 1, 1, 45, 45, 8) && !InRound(x, y, 3.5f, 3.5f, 42.5f, 42.5f, 6);
    return ring;
  });
  PaintMask(img, m, rgb(255, 210, 90));
  return EncodePngMasked(img, kMagenta);
}

std::vector<uint8_t> MakeSlicer() {
  Image img(6, 380);
  for (int y = 0; y < 380; ++y) {
    float fade = std::min(1.0f, std::min(y, 379 - y) / 40.0f);
    for (int x = 1; x < 5; ++x) {
      float v = (x == 2 ? 1.0f : 0.55f) * fade;
      if (v < 0.08f) continue;
      img.at(x, y) = withAlpha(scaled(kFrameLight, v), 1);
    }
  }
  return EncodePngMasked(img, kMagenta);
}

std::vector<uint8_t> MakePlate(int w, int h, float alphaFill, Col frame, int lowerBrackets = 0) {
  Image img = MetalFrame(w, h, 3, frame, alphaFill, kPanel, 6);
  if (h > 100) PanelDetail(img, 6, 16, lowerBrackets);
  return EncodePngMasked(img, kMagenta);
}

std::vector<uint8_t> MakeTextBorder(int w, int h) {
  // Drawn tinted orange around a shaded field: a light two-pixel frame with
  // corner marks.
  Image img(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      int d = std::min(std::min(x, w - 1 - x), std::min(y, h - 1 - y));
      if (d < 2) img.at(x, y) = d == 0 ? rgb(200, 200, 200) : rgb(255, 255, 255);
      bool corner = (x < 10 || x >= w - 10) && (y < 10 || y >= h - 10);
      if (corner && d < 4) img.at(x, y) = rgb(255, 255, 255);
    }
  return EncodePngMasked(img, kMagenta);
}

std::vector<uint8_t> MakeSecret() {
  // A barely noticeable rivet in the corner of the frame.
  Image img(13, 13);
  Mask m(13, 13);
  MaskEllipse(m, {6.5f, 6.5f}, 4.5f, 4.5f);
  PaintLit(img, m, Material{rgb(70, 80, 100), 2.0f, 0.6f, 0.6f, 0.5f, 14});
  return EncodePngMasked(img, kMagenta);
}

std::vector<uint8_t> MakeVersionBar() {
  Image img(64, 14);
  for (int y = 0; y < 14; ++y)
    for (int x = 0; x < 64; ++x) {
      float fade = clamp01((64 - x) / 20.0f);
      if (fade <= 0.05f) continue;
      img.at(x, y) = withAlpha(mix(rgb(10, 30, 14), rgb(20, 60, 26), y / 14.0f), fade);
    }
  return EncodePngMasked(img, kMagenta, {0, 0, 0, 1}, 0.04f);
}

std::vector<uint8_t> MakeCaret() {
  Image img(9, 12);
  FillRect(img, 0, 0, 9, 12, rgb(255, 240, 200));
  FillRect(img, 0, 11, 9, 12, rgb(180, 150, 100));
  return EncodePngMasked(img, kMagenta);
}

std::vector<uint8_t> MakeLightSmall() {
  // Added onto a card: a soft white light that falls off to black.
  Image img(60, 60, rgb(0, 0, 0));
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 60; ++x) {
      float dx = (x + 0.5f - 30) / 30, dy = (y + 0.5f - 30) / 30;
      float d = std::sqrt(dx * dx + dy * dy);
      float v = std::pow(clamp01(1 - d * 0.85f), 1.6f);
      img.at(x, y) = withAlpha(scaled(rgb(255, 250, 235), v), 1);
      if (img.at(x, y).r < 1.5f / 255) img.at(x, y) = rgb(1, 1, 1);
    }
  return EncodePngMasked(img, kMagenta);
}

std::vector<uint8_t> MakeHBorder() {
  // 1280 x 32: a rail above and below the ship cards.
  Image img(1280, 32);
  Mask m(1280, 32);
  MaskRect(m, 0, 9, 1280, 23);
  PaintLit(img, m, Material{rgb(90, 106, 130), 4.0f, 0.5f, 0.8f, 0.6f, 14});
  for (int x = 20; x < 1280; x += 80) {
    Mask r(1280, 32);
    MaskEllipse(r, {static_cast<float>(x), 16}, 2.5f, 2.5f);
    PaintLit(img, r, Material{rgb(60, 70, 86), 1.2f});
  }
  FillRect(img, 0, 15, 1280, 17, rgb(255, 170, 40));
  return EncodePngMasked(img, kMagenta);
}

Image MakeCardFrame(int w, int h, Col metal) {
  Image img = MetalFrame(w, h, 6, metal, 0.0f, kPanel, 14);
  // A dim window behind the ship picture.
  Image back(w, h);
  Mask in(w, h);
  RasterInto(in, 0, 0, static_cast<float>(w), static_cast<float>(h),
             [&](float x, float y) { return InRound(x, y, 6, 6, w - 6.0f, h - 6.0f, 8); });
  PaintMaskFn(back, in, [&](int x, int y) {
    float dx = (x - w / 2.0f) / w, dy = (y - h / 2.0f) / h;
    float v = 1 - std::sqrt(dx * dx + dy * dy) * 1.4f;
    return withAlpha(mix(rgb(6, 9, 16), rgb(22, 34, 56), clamp01(v)), 1);
  });
  back.draw(img, 0, 0);
  return back;
}

std::vector<uint8_t> MakeBigArrow() {
  // 84 x 230, pointing left; drawn faintly at both sides of the carousel.
  Image img(84, 230);
  FillPoly(img, {{6, 115}, {78, 10}, {78, 60}, {42, 115}, {78, 170}, {78, 220}},
           rgb(160, 210, 255));
  return EncodePngMasked(img, kMagenta);
}

std::vector<uint8_t> MakePointer() {
  // Eight 29 x 29 frames: an arrow whose edge light runs around it.
  Image strip(232, 29);
  std::vector<V2> arrow = {{1, 1},         {20, 13},   {12, 14.5f}, {17, 25},
                           {13.5f, 26.5f}, {9, 16.5f}, {2.5f, 22}};
  for (int f = 0; f < 8; ++f) {
    Image img(29, 29);
    Mask m(29, 29);
    MaskPolygon(m, arrow);
    PaintLit(img, m, Material{rgb(90, 220, 110), 2.0f, 0.6f, 0.7f, 0.7f, 18});
    float t = f / 8.0f;
    // A bright spot travels along the arrow's outline.
    float total = 0;
    for (size_t i = 0; i < arrow.size(); ++i) {
      V2 a = arrow[i], b = arrow[(i + 1) % arrow.size()];
      total += std::hypot(b.x - a.x, b.y - a.y);
    }
    float at = t * total;
    for (size_t i = 0; i < arrow.size(); ++i) {
      V2 a = arrow[i], b = arrow[(i + 1) % arrow.size()];
      float L = std::hypot(b.x - a.x, b.y - a.y);
      if (at <= L) {
        V2 p = a + (b - a) * (at / L);
        Glow(img, p, 5, rgb(230, 255, 230), 1.0f, 1.2f);
        break;
      }
      at -= L;
    }
    Outline(img, rgb(0, 40, 10), 0.5f);
    strip.draw(img, f * 29, 0);
  }
  return EncodePngMasked(strip, kMagenta);
}

// The start-up window.
std::vector<uint8_t> MakeStartTitle() {
  int tw, base;
  int w = 440, h = 80;
  Mask m = RasterText("DejaVuSans-Bold.ttf", U"QUORVEX WEXLOR 2", 46 * 3, 3 * 3, &tw, &base);
  if (m.w / 3 > w - 16)
    m = RasterText("DejaVuSans-Bold.ttf", U"QUORVEX WEXLOR 2", 46 * 3 * (w - 16) / (m.w / 3), 3 * 3,
                   &tw, &base);
  Mask small = ResampleMask(m, m.w / 3, m.h / 3);
  Image img(w, h);
  Mask placed(w, h);
  int ox = (w - small.w) / 2, oy = (h - small.h) / 2;
  for (int y = 0; y < small.h; ++y)
    for (int x = 0; x < small.w; ++x)
      if (ox + x >= 0 && ox + x < w && oy + y >= 0 && oy + y < h)
        placed.at(ox + x, oy + y) = small.at(x, y);
  Image glow(w, h);
  PaintMask(glow, placed, rgb(255, 120, 20));
  BoxBlur(glow, 3);
  img.draw(glow, 0, 0);
  PaintLit(img, placed, Material{rgb(255, 200, 90), 2.0f, 0.6f, 0.6f, 0.8f, 20});
  Outline(img, rgb(40, 10, 0), 0.5f);
  return EncodePngMasked(img, kMagenta);
}

std::vector<uint8_t> MakeStartBack() {
  const int s = 64;
  Image img(s, s);
  for (int y = 0; y < s; ++y)
    for (int x = 0; x < s; ++x) {
      float n = Fbm(x / 16.0f, y / 16.0f, 333, 3, 4);
      Col c = mix(rgb(8, 12, 22), rgb(20, 28, 46), n);
      if ((x + y) % 16 == 0) c = scaled(c, 1.25f);
      img.at(x, y) = withAlpha(c, 1);
    }
  return EncodePngMasked(img, kMagenta);
}

std::vector<uint8_t> MakeStartBorder() {
  Image img = MetalFrame(480, 360, 5, kFrameLight, 0.0f, kPanel, 8);
  // Title bar across the top and the three item slots.
  FillRect(img, 5, 28, 475, 30, rgb(70, 110, 150));
  int ys[3] = {174, 224, 304};
  for (int y : ys) {
    Mask m(480, 360);
    RasterInto(m, 0, 0, 480, 360, [&](float x, float yy) {
      return InRound(x, yy, 65, y, 415, y + 37.0f, 6) &&
             !InRound(x, yy, 67, y + 2.0f, 413, y + 35.0f, 5);
    });
    PaintMask(img, m, rgb(60, 90, 120));
  }
  return EncodePngMasked(img, kMagenta);
}

std::vector<uint8_t> MakeTicker() {
  // The close box: frame 0 plain, frame 1 hovered.
  Image strip(34, 17);
  for (int f = 0; f < 2; ++f) {
    Image img(17, 17);
    Mask m(17, 17);
    RasterInto(m, 0, 0, 17, 17,
               [](float x, float y) { return InRound(x, y, 0.5f, 0.5f, 16.5f, 16.5f, 3); });
    PaintLit(img, m, Material{f ? rgb(200, 60, 50) : rgb(60, 70, 90), 2.0f});
    Stroke(img, {{5, 5}, {12, 12}}, 1.2f, rgb(240, 240, 240));
    Stroke(img, {{12, 5}, {5, 12}}, 1.2f, rgb(240, 240, 240));
    strip.draw(img, f * 17, 0);
  }
  return EncodePngMasked(strip, kMagenta);
}

}  // namespace

void AddScreenFiles(MediaList& list) {
  auto add = [&](const std::string& name, std::function<std::vector<uint8_t>()> f) {
    list.push_back({"gfx\\" + name, std::move(f)});
  };
  add("StartTitle.png", [] { return MakeStartTitle(); });
  add("StartBack.png", [] { return MakeStartBack(); });
  add("StartBorder.png", [] { return MakeStartBorder(); });
  add("Ticker.png", [] { return MakeTicker(); });
  add("mouse.png", [] { return MakePointer(); });
  add("slicer.png", [] { return MakeSlicer(); });
  add("ver.png", [] { return MakeVersionBar(); });
  add("r_tickno.png", [] { return MakeTick(false); });
  add("r_tickyes.png", [] { return MakeTick(true); });
  for (int d = 1; d <= 4; ++d) add("r_arrow" + N(d) + ".png", [d] { return MakeArrowButton(d); });
  add("r_trash.png", [] { return MakeTrash(); });
  add("tickbord.png", [] { return MakeTickBorder(); });
  for (const char* icon : {"disabled", "human", "ai", "team", "lamp", "random", "money"})
    add(std::string("r_") + icon + ".png", [icon] { return MakeIcon(icon); });
  add("infoplate.png", [] { return MakePlate(134, 28, 1.0f, kFrameLight); });
  add("priceplate.png", [] { return MakePlate(236, 46, 1.0f, rgb(200, 160, 80)); });
  add("RepPlate.png", [] { return MakePlate(448, 40, 0.85f, kFrameLight); });
  add("textborder1.png", [] { return MakeTextBorder(574, 416); });
  add("textborder2.png", [] { return MakeTextBorder(187, 33); });
  add("textborder3.png", [] { return MakeTextBorder(577, 97); });
  add("secret.png", [] { return MakeSecret(); });
  add("titleback.png", [] { return MakeTitleBack(); });
  add("shipshop.png", [] { return MakeShipShopBack(); });
  add("ss_hbord.png", [] { return MakeHBorder(); });
  add("ss_shipbord.png",
      [] { return EncodePngMasked(MakeCardFrame(268, 236, rgb(150, 160, 176)), kMagenta); });
  add("ss_shipbord2.png", [] {
    return EncodePngMasked(MetalFrame(268, 236, 6, rgb(235, 235, 235), 0.0f, kPanel, 14), kMagenta);
  });
  add("ss_shipbord3.png",
      [] { return EncodePngMasked(MakeCardFrame(300, 260, rgb(220, 190, 110)), kMagenta); });
  add("arrow.png", [] { return MakeBigArrow(); });
  // The info panel's value plate lies at y 499; its last text row, PRICE at
  // y 947, ends on the plate's row 457, where the lower brackets would run:
  // they go 3 rows lower, clear of it.
  add("ss_bigplate.png", [] { return MakePlate(512, 470, 0.9f, kFrameLight, 3); });
  add("ss_smallplate.png", [] { return MakePlate(508, 234, 0.9f, kFrameLight); });
  add("bord_mainmenu.png", [] { return MakeMenuBorder(720, 530); });
  add("bord_gamemode.png", [] { return MakeMenuBorder(720, 390); });
  add("bord_teams.png", [] { return MakeMenuBorder(1190, 660); });
  add("bord_chal.png", [] { return MakeMenuBorder(720, 540); });
  add("bord_opt.png", [] { return MakeMenuBorder(720, 550); });
  add("bord_stat2.png", [] { return MakeMenuBorder(760, 672); });
  add("light_small.png", [] { return MakeLightSmall(); });
  add("caret.png", [] { return MakeCaret(); });
  add("titletext.png", [] { return MakeTitleText(); });
  add("parttwo.png", [] { return MakePartTwo(); });
}

}  // namespace gen
