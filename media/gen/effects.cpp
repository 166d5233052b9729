// Match effects and the HUD: explosions, sparks, the flash, the warp-in,
// stars, particles, aiming dots, gauges and reload bars.
#include <algorithm>
#include <cmath>

#include "catalogue/explosions.hpp"
#include "media/gen/media.hpp"

namespace gen {

namespace {

const float kPi = 3.14159265f;
std::string N(int v) { return std::to_string(v); }

struct ExplosionType {
  int frames, w, h;
  int r, g, b;  // flash colour, 0 0 0 for fire
};

const ExplosionType kExplosions[30] = {
    {},
    {5, 16, 16, 0, 0, 0},
    {5, 16, 16, 50, 200, 255},
    {5, 16, 16, 255, 255, 200},
    {5, 30, 30, 175, 255, 255},
    {4, 10, 10, 0, 0, 0},
    {5, 20, 20, 50, 200, 255},
    {5, 24, 24, 0, 0, 0},
    {4, 16, 16, 255, 200, 200},
    {12, 44, 42, 0, 0, 0},
    {10, 52, 99, 0, 0, 0},
    {9, 60, 64, 0, 0, 0},
    {7, 18, 18, 225, 225, 255},
    {12, 44, 42, 50, 255, 50},
    {5, 20, 20, 255, 50, 50},
    {10, 72, 72, 0, 0, 0},
    {5, 16, 16, 200, 0, 200},
    {4, 16, 16, 50, 200, 50},
    {6, 24, 24, 50, 255, 50},
    {0, 0, 0, 0, 0, 0},
    {15, 114, 114, 0, 0, 0},
    {15, 123, 123, 0, 0, 0},
    {15, 112, 112, 0, 0, 0},
    {4, 16, 16, 50, 255, 50},
    {10, 112, 112, 50, 50, 255},
    {6, 40, 40, 200, 150, 225},
    {10, 80, 80, 225, 50, 225},
    {10, 125, 125, 0, 0, 0},
    {5, 16, 14, 50, 255, 50},
    {1, 14, 14, 255, 50, 255},
};

// Colour of burning gas: heat 1 is white-hot, 0 is dark smoke.
Col FireRamp(float heat, Col tint, bool fire) {
  heat = clamp01(heat);
  if (fire) {
    if (heat > 0.8f) return mix(rgb(255, 230, 150), rgb(255, 255, 240), (heat - 0.8f) / 0.2f);
    if (heat > 0.55f) return mix(rgb(255, 140, 30), rgb(255, 230, 150), (heat - 0.55f) / 0.25f);
    if (heat > 0.3f) return mix(rgb(180, 50, 15), rgb(255, 140, 30), (heat - 0.3f) / 0.25f);
    return mix(rgb(50, 40, 38), rgb(180, 50, 15), heat / 0.3f);
  }
  // Energy blasts: white core, the flash colour, then a dark fringe of it.
  Col light = mix(tint, rgb(255, 255, 255), 0.35f);
  if (heat > 0.75f) return mix(light, rgb(255, 255, 255), (heat - 0.75f) / 0.25f);
  if (heat > 0.4f) return mix(tint, light, (heat - 0.4f) / 0.35f);
  return mix(scaled(tint, 0.35f), tint, heat / 0.4f);
}

// Explosion types drawn with a look of their own.
constexpr int EXPLOSION_BLAST_COLUMN = 10;  // a tall column
constexpr int EXPLOSION_VORTEX = 24;        // a blue vortex that winds up
constexpr int EXPLOSION_HOT_FLASH = 29;     // stays hot to its edge

Image ExplosionFrame(int type, int f) {
  const ExplosionType& e = kExplosions[type];
  Image img(e.w, e.h);
  bool fire = e.r + e.g + e.b == 0;
  Col tint = rgb(e.r, e.g, e.b);
  uint32_t seed = static_cast<uint32_t>(type * 977);
  float t = e.frames > 1 ? (f + 0.5f) / e.frames : 0.5f;
  float cx = e.w / 2.0f, cy = e.h / 2.0f;
  float rmax = std::min(e.w, e.h) / 2.0f - 0.5f;
  bool big = e.w >= 40;
  if (!fire && type != EXPLOSION_VORTEX) {
    // Energy blasts: a white-hot core that fades while a shock ring of the
    // blast's colour races outward, with wisps torn from it.
    float ringR = rmax * (0.25f + 0.75f * std::sqrt(t));
    float ringW = std::max(1.0f, rmax * (0.35f - 0.22f * t));
    float coreR = rmax * 0.55f * (1 - t);
    for (int y = 0; y < e.h; ++y)
      for (int x = 0; x < e.w; ++x) {
        float dx = x + 0.5f - cx, dy = y + 0.5f - cy;
        if (type == EXPLOSION_BLAST_COLUMN) dy *= 0.55f;
        float d = std::sqrt(dx * dx + dy * dy);
        float a = std::atan2(dy, dx);
        float n = Fbm(std::cos(a) * 2.5f + t * 3, std::sin(a) * 2.5f + d / rmax * 2, seed, 3);
        float ring = 1 - std::abs(d - ringR) / (ringW * (0.7f + 0.6f * n));
        float core = coreR > 0.5f ? 1 - d / coreR : -1;
        float v = std::max(ring * (1.0f - 0.55f * t), core);
        if (v <= 0.15f) continue;
        Col c = core >= ring
                    ? mix(mix(tint, rgb(255, 255, 255), 0.6f), rgb(255, 255, 255), clamp01(core))
                    : mix(scaled(tint, 0.55f), mix(tint, rgb(255, 255, 255), 0.45f), clamp01(ring));
        img.blend(x, y, c, smooth(0.15f, 0.35f, v));
      }
    return img;
  }
  // Fireballs: the main one and, for big blasts, later bursts beside it.
  struct Ball {
    float x, y, r, start;
  };
  std::vector<Ball> balls = {{0, 0, 1.0f, 0.0f}};
  if (big) {
    Rng br(static_cast<uint64_t>(type) * 7 + 3);
    int extra = e.w >= 100 ? 4 : 2;
    for (int i = 0; i < extra; ++i) {
      float a = br.range(0, 2 * kPi), d = br.range(0.3f, 0.55f);
      balls.push_back({std::cos(a) * d * rmax, std::sin(a) * d * rmax, br.range(0.45f, 0.6f),
                       br.range(0.1f, 0.4f)});
    }
  }
  float scale = big ? 5.0f / rmax : 2.2f / rmax;
  for (int y = 0; y < e.h; ++y)
    for (int x = 0; x < e.w; ++x) {
      float dx = (x + 0.5f - cx), dy = (y + 0.5f - cy);
      if (type == EXPLOSION_BLAST_COLUMN) dy *= 0.55f;
      float n = Fbm(dx * scale + t * 1.7f, dy * scale - t * 1.3f, seed, 4);
      float density = -1, heatBoost = 0;
      for (auto& b : balls) {
        float lt = (t - b.start) / (1 - b.start);
        if (lt <= 0) continue;
        float R = rmax * b.r * (0.3f + 0.7f * std::sqrt(lt));
        float bx = dx - b.x, by = dy - b.y;
        float d = std::sqrt(bx * bx + by * by) / R;
        float dens = (1.0f - d) + (n - 0.5f) * 0.9f;
        if (dens > density) {
          density = dens;
          heatBoost = (1 - lt) * 0.35f;
        }
      }
      // The gas cools from white through orange to smoke, then thins out.
      float cut = 0.02f + smooth(0.35f, 1.0f, t) * 0.55f;
      if (density <= cut) continue;
      float heat = density * 1.3f - t * 1.1f + 0.2f + heatBoost;
      if (type == EXPLOSION_HOT_FLASH) heat = density + 0.3f;
      Col c = FireRamp(heat, tint, fire);
      float a = smooth(cut, cut + 0.1f, density);
      img.blend(x, y, c, a);
    }
  if (big && type >= EXPLOSION_SHIP_DEATH_FIRST && type <= EXPLOSION_SHIP_DEATH_LAST) {
    // Flying debris of the destroyed ship.
    Rng rng(static_cast<uint64_t>(type) * 31);
    for (int i = 0; i < 14; ++i) {
      float a = rng.range(0, 2 * kPi), sp = rng.range(0.45f, 1.0f);
      float d = rmax * sp * std::min(1.0f, t * 1.3f);
      float px = cx + std::cos(a) * d, py = cy + std::sin(a) * d;
      if (t > 0.15f && t < 0.95f) {
        Mask m(e.w, e.h);
        MaskEllipse(m, {px, py}, 1.6f, 1.2f);
        PaintMask(img, m, t < 0.6f ? rgb(255, 220, 160) : rgb(150, 110, 90));
      }
    }
  }
  if (type == EXPLOSION_VORTEX) {
    // The hyper jump: a blue vortex that winds up.
    Image v(e.w, e.h);
    for (int y = 0; y < e.h; ++y)
      for (int x = 0; x < e.w; ++x) {
        float dx = x + 0.5f - cx, dy = y + 0.5f - cy;
        float d = std::sqrt(dx * dx + dy * dy) / rmax;
        if (d > 1) continue;
        float a = std::atan2(dy, dx);
        float arm = std::cos(a * 3 + d * 9 - t * 12);
        float k = (arm * 0.5f + 0.5f) * (1 - d) * 1.6f;
        if (k < 0.3f) continue;
        v.blend(x, y, mix(rgb(40, 60, 200), rgb(200, 220, 255), clamp01(k - 0.3f)), 1.0f);
      }
    img = v;
  }
  return img;
}

std::vector<uint8_t> MakeExplosion(int type) {
  const ExplosionType& e = kExplosions[type];
  Image strip(e.w * e.frames, e.h);
  for (int f = 0; f < e.frames; ++f) strip.draw(ExplosionFrame(type, f), f * e.w, 0);
  return EncodePngMasked(strip, kMagenta);
}

std::vector<uint8_t> MakeSpark(int kind) {
  int s = kind <= 3 ? 16 : 8;
  Col colours[6] = {{},
                    rgb(255, 170, 60),
                    rgb(255, 230, 120),
                    rgb(255, 110, 60),
                    rgb(255, 220, 160),
                    rgb(120, 255, 120)};
  Image strip(s * 5, s);
  for (int f = 0; f < 5; ++f) {
    Image img(s, s);
    float k = 1.0f - f / 5.0f;
    V2 c{s / 2.0f, s / 2.0f};
    float r = s / 2.0f * (0.35f + 0.65f * k);
    // A star-shaped glint that shrinks and cools.
    for (int y = 0; y < s; ++y)
      for (int x = 0; x < s; ++x) {
        float dx = std::abs(x + 0.5f - c.x), dy = std::abs(y + 0.5f - c.y);
        float star = std::min(dx * dy * 1.2f, std::sqrt(dx * dx + dy * dy) * 1.6f);
        float v = 1.0f - (dx + dy) / (r * 1.4f) - star / (r * r) * 0.6f;
        if (kind == 3) v = 1.0f - std::sqrt(dx * dx + dy * dy) / r;
        if (v <= 0.05f) continue;
        Col col = mix(scaled(colours[kind], 0.55f + 0.45f * k), rgb(255, 255, 240),
                      clamp01(v * 1.3f - 0.3f) * k);
        img.blend(x, y, col, clamp01(v * 2.5f));
      }
    strip.draw(img, f * s, 0);
  }
  return EncodePngMasked(strip, kMagenta);
}

std::vector<uint8_t> MakeFlash() {
  // A soft round light, drawn tinted and scaled under many effects.
  Image img(400, 400);
  for (int y = 0; y < 400; ++y)
    for (int x = 0; x < 400; ++x) {
      float dx = (x + 0.5f - 200) / 200, dy = (y + 0.5f - 200) / 200;
      float d = std::sqrt(dx * dx + dy * dy);
      if (d >= 1) continue;
      float a = std::pow(1 - d, 2.2f) * 0.85f + std::pow(clamp01(1 - d * 2.5f), 2.0f) * 0.15f;
      img.at(x, y) = {1, 1, 1, clamp01(a)};
    }
  return EncodePngAlpha(img);
}

std::vector<uint8_t> MakeWarp() {
  // 35 frames: a vortex of light that gathers and bursts where the ship
  // arrives (frame 34). Light colours; the slot colour tints it.
  Image strip(660, 660);
  for (int f = 0; f < 35; ++f) {
    float t = f / 34.0f;
    int ox = (f % 6) * 110, oy = (f / 6) * 110;
    float spin = t * 9.0f;
    float radius = 52.0f * (0.3f + 0.7f * std::sin(std::min(1.0f, t * 1.15f) * kPi * 0.5f));
    float collapse = smooth(0.7f, 1.0f, t);
    for (int y = 0; y < 110; ++y)
      for (int x = 0; x < 110; ++x) {
        float dx = x + 0.5f - 55, dy = y + 0.5f - 55;
        float d = std::sqrt(dx * dx + dy * dy);
        float a = std::atan2(dy, dx);
        float rr = d / radius;
        float alpha = 0;
        if (rr < 1.0f) {
          float arms = 0.5f + 0.5f * std::cos(a * 4 - rr * 7 + spin);
          float ring = std::exp(-std::pow((rr - (1 - collapse * 0.6f) * 0.8f) * 6, 2));
          alpha = (arms * 0.55f * (1 - rr) * (1 - collapse) + ring * 0.6f) * (0.4f + 0.6f * t);
        }
        float core = std::exp(-d * d / (2 * std::pow(4 + 14 * collapse * collapse, 2))) *
                     (0.2f + 0.8f * collapse);
        // Nothing reaches the cell's edge, so the enlarged picture stays round.
        alpha = clamp01(alpha + core) * (1 - smooth(38.0f, 53.0f, d));
        if (alpha <= 0.003f) continue;
        float white = clamp01(core * 1.2f);
        Col c = mix(rgb(200, 210, 230), rgb(255, 255, 255), white);
        strip.at(ox + x, oy + y) = withAlpha(c, alpha);
      }
  }
  return EncodePngAlpha(strip);
}

std::vector<uint8_t> MakeStar(int kind) {
  int s = kind == 1 ? 9 : 3;
  Image img(s, s);
  V2 c{s / 2.0f, s / 2.0f};
  if (kind == 1) {
    for (int y = 0; y < s; ++y)
      for (int x = 0; x < s; ++x) {
        float dx = std::abs(x + 0.5f - c.x), dy = std::abs(y + 0.5f - c.y);
        float v = std::max(1.0f - std::sqrt(dx * dx + dy * dy) / 2.2f,
                           std::max(0.0f, 1 - dx / 4.5f) * (dy < 0.6f) * 0.7f);
        v = std::max(v, std::max(0.0f, 1 - dy / 4.5f) * (dx < 0.6f) * 0.7f);
        if (v <= 0.12f) continue;
        img.at(x, y) = withAlpha(mix(rgb(150, 170, 255), rgb(255, 255, 255), v), 1.0f);
        img.at(x, y) = scaled(img.at(x, y), 0.35f + 0.65f * v);
      }
  } else {
    img.at(1, 1) = rgb(210, 215, 235);
    img.at(0, 1) = img.at(2, 1) = img.at(1, 0) = img.at(1, 2) = rgb(80, 84, 100);
  }
  return EncodePngMasked(img, kMagenta);
}

std::vector<uint8_t> MakeEmission() {
  Image img(6, 6);
  Glow(img, {3, 3}, 3.2f, rgb(255, 255, 255), 1.6f, 1.0f);
  return EncodePngMasked(img, kMagenta, {0, 0, 0, 1}, 0.3f);
}

std::vector<uint8_t> MakeTarget(int kind) {
  if (kind == 1) {
    Image img(3, 3);
    img.at(1, 1) = rgb(255, 255, 255);
    img.at(0, 1) = img.at(2, 1) = img.at(1, 0) = img.at(1, 2) = rgb(170, 170, 170);
    return EncodePngMasked(img, kMagenta);
  }
  // Sniping: a small chevron that points along the aiming line.
  Image img(7, 5);
  const char* rows[5] = {"...#...", "..#.#..", ".#...#.", "#.....#", "......."};
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x)
      if (rows[y][x] == '#') img.at(x, y) = rgb(255, 255, 255);
  return EncodePngMasked(img, kMagenta);
}

// Gauges: cells of 14 x 302. The value fills from the bottom, 3 pixels a
// point, in 6-pixel segments that line up with the capacity pips.
bool SegmentRow(int yFromBottom) { return yFromBottom % 6 != 5; }

std::vector<uint8_t> MakeGauge(bool energy) {
  Image strip(14 * 101, 302);
  for (int f = 0; f <= 100; ++f)
    for (int y = 0; y < 302; ++y) {
      int fromBottom = 300 - y;
      if (fromBottom < 0 || fromBottom >= 3 * f || !SegmentRow(fromBottom)) continue;
      float level = fromBottom / 300.0f;
      Col base = energy ? mix(rgb(30, 90, 230), rgb(90, 230, 255), level)
                        : mix(rgb(230, 60, 30), rgb(80, 240, 60), smooth(0.0f, 0.6f, level));
      for (int x = 2; x < 12; ++x) {
        float u = (x - 2) / 9.0f;
        float shade = 0.65f + 0.5f * std::sin(u * kPi) - 0.15f * u;
        Col c = scaled(base, shade);
        if (x == 4) c = mix(c, rgb(255, 255, 255), 0.45f);
        strip.at(f * 14 + x, y) = withAlpha(c, 1);
      }
    }
  return EncodePngMasked(strip, kBlack);
}

std::vector<uint8_t> MakeGaugeSlots() {
  Image strip(14 * 50, 302);
  for (int f = 0; f < 50; ++f) {
    int pips = f + 1;
    for (int p = 0; p < pips; ++p) {
      int bottom = 300 - p * 6;  // y of the pip's lowest row
      for (int y = bottom - 4; y <= bottom; ++y)
        for (int x = 1; x < 13; ++x) {
          bool edge = x == 1 || x == 12 || y == bottom - 4 || y == bottom;
          strip.at(f * 14 + x, y) = edge ? rgb(92, 98, 112) : rgb(34, 37, 46);
        }
    }
  }
  return EncodePngMasked(strip, kBlack);
}

std::vector<uint8_t> MakeReload() {
  // Drawn tinted and stretched from its left end: a light, rounded bar.
  Image img(58, 6);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 58; ++x) {
      float v = 0.6f + 0.4f * std::sin((y + 0.5f) / 6 * kPi);
      if (y == 1) v = 1.0f;
      img.at(x, y) = withAlpha(scaled(rgb(255, 255, 255), v), 1);
    }
  return EncodePngMasked(img, kMagenta);
}

std::vector<uint8_t> MakeReloadBack() {
  Image img(64, 22);
  Mask m(64, 22);
  MaskRect(m, 0.5f, 0.5f, 63.5f, 21.5f);
  PaintLit(img, m, Material{rgb(50, 54, 64), 2.0f, 0.6f, 0.6f, 0.2f, 10});
  // Recessed tracks for the two bars.
  FillRect(img, 2, 4, 62, 12, rgb(12, 12, 16));
  FillRect(img, 2, 14, 62, 22 - 1, rgb(12, 12, 16));
  FillRect(img, 3, 5, 61, 11, rgb(22, 22, 28));
  FillRect(img, 3, 15, 61, 20, rgb(22, 22, 28));
  return EncodePngMasked(img, kMagenta);
}

// A frame with bevelled edges and corner brackets; the inside is mask.
Image Frame(int w, int h, int thick, Col c, bool fill = false, Col fillCol = {}) {
  Image img(w, h);
  if (fill) FillRect(img, thick, thick, w - thick, h - thick, fillCol);
  Mask m(w, h);
  MaskRect(m, 0, 0, static_cast<float>(w), static_cast<float>(h));
  MaskRect(m, static_cast<float>(thick), static_cast<float>(thick), static_cast<float>(w - thick),
           static_cast<float>(h - thick), true);
  PaintLit(img, m, Material{c, thick * 0.5f, 0.55f, 0.6f, 0.5f, 12});
  return img;
}

std::vector<uint8_t> MakeStatBorder() {
  // The slot panel, drawn at one third opacity in the slot's colour.
  Image img = Frame(72, 440, 3, rgb(230, 230, 235), true, rgb(70, 72, 80));
  int corners[4][2] = {{0, 0}, {60, 0}, {0, 428}, {60, 428}};
  for (auto& c : corners) FillRect(img, c[0], c[1], c[0] + 12, c[1] + 12, rgb(255, 255, 255));
  return EncodePngMasked(img, kMagenta);
}

std::vector<uint8_t> MakeMiniBorder() {
  Image img = Frame(64, 64, 3, rgb(235, 235, 235));
  Mask in(64, 64);
  MaskRect(in, 3, 3, 61, 61);
  MaskRect(in, 4, 4, 60, 60, true);
  PaintMask(img, in, rgb(90, 90, 95));
  return EncodePngMasked(img, kMagenta);
}

std::vector<uint8_t> MakeBlack() {
  Image img(32, 32, rgb(0, 0, 0));
  return EncodePngMasked(img, kMagenta);
}

}  // namespace

void AddEffectFiles(MediaList& list) {
  for (int i = 1; i <= 29; ++i) {
    if (i == 19) continue;
    list.push_back({"gfx\\exp" + N(i) + ".png", [i] { return MakeExplosion(i); }});
  }
  for (int k = 1; k <= 5; ++k)
    list.push_back({"gfx\\spark" + N(k) + ".png", [k] { return MakeSpark(k); }});
  list.push_back({"gfx\\Flashes\\mainx.png", [] { return MakeFlash(); }});
  list.push_back({"gfx\\warp.png", [] { return MakeWarp(); }});
  list.push_back({"gfx\\star1.png", [] { return MakeStar(1); }});
  list.push_back({"gfx\\star2.png", [] { return MakeStar(2); }});
  list.push_back({"gfx\\emission.png", [] { return MakeEmission(); }});
  list.push_back({"gfx\\targ1.png", [] { return MakeTarget(1); }});
  list.push_back({"gfx\\targ2.png", [] { return MakeTarget(2); }});
  list.push_back({"gfx\\Gauge_armor.png", [] { return MakeGauge(false); }});
  list.push_back({"gfx\\Gauge_batt.png", [] { return MakeGauge(true); }});
  list.push_back({"gfx\\gauge_slots.png", [] { return MakeGaugeSlots(); }});
  list.push_back({"gfx\\reload.png", [] { return MakeReload(); }});
  list.push_back({"gfx\\relbg.png", [] { return MakeReloadBack(); }});
  list.push_back({"gfx\\statborderx.png", [] { return MakeStatBorder(); }});
  list.push_back({"gfx\\miniborderx.png", [] { return MakeMiniBorder(); }});
  list.push_back({"gfx\\black.png", [] { return MakeBlack(); }});
}

}  // namespace gen
