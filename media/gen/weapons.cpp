// Shot pictures and the ship types' extra pictures. Every shot points up
// (toward negative y), the direction it flies when drawn at its heading.
#include <cmath>

#include "media/gen/media.hpp"
#include "media/gen/weapons.hpp"
#include "media/media_sizes.hpp"

namespace gen {

namespace {

const float kPi = 3.14159265f;

V2 Centre(const Image& img) { return {img.w() / 2.0f, img.h() / 2.0f}; }

// An energy bolt: a hot white core inside a coloured glow, stretched along y.
void Bolt(Image& img, Col c, float coreW = 0.45f) {
  V2 ct = Centre(img);
  float rx = img.w() / 2.0f, ry = img.h() / 2.0f;
  for (int y = 0; y < img.h(); ++y)
    for (int x = 0; x < img.w(); ++x) {
      float dx = (x + 0.5f - ct.x) / rx, dy = (y + 0.5f - ct.y) / ry;
      float d = std::sqrt(dx * dx + dy * dy);
      if (d > 1) continue;
      float core = 1 - smooth(coreW * 0.6f, coreW, d);
      Col col = mix(c, rgb(255, 255, 245), core);
      // Brighter toward the head.
      float head = 1.0f - 0.25f * clamp01((y + 0.5f) / img.h());
      img.blend(x, y, scaled(col, head), 1.0f - smooth(0.75f, 1.0f, d) * 0.6f);
    }
}

// A thin laser needle with a bright centre line.
void Laser(Image& img, Col c) {
  float cx = img.w() / 2.0f;
  for (int y = 0; y < img.h(); ++y)
    for (int x = 0; x < img.w(); ++x) {
      float dx = std::abs(x + 0.5f - cx) / (img.w() / 2.0f);
      float t = (y + 0.5f) / img.h();
      float taper = 1 - 0.5f * std::abs(t - 0.4f);
      if (dx > taper) continue;
      Col col = mix(c, rgb(255, 255, 255), 1 - smooth(0.0f, 0.6f, dx));
      img.blend(x, y, col, 1.0f);
    }
}

void Missile(Image& img, Col body, Col fin, bool flame) {
  float w = static_cast<float>(img.w()), h = static_cast<float>(img.h());
  float cx = w / 2;
  Mask m(img.w(), img.h());
  MaskPolygon(m, {{cx, 0}, {cx + w * 0.22f, h * 0.22f}, {cx + w * 0.22f, h * 0.72f}, {cx - w * 0.22f, h * 0.72f},
                  {cx - w * 0.22f, h * 0.22f}});
  Material mat{body, 1.0f, 0.5f, 0.7f, 0.6f, 20};
  Mask fins(img.w(), img.h());
  MaskPolygon(fins, {{cx + w * 0.15f, h * 0.5f}, {w, h * 0.8f}, {w, h * 0.88f}, {cx, h * 0.78f}, {0, h * 0.88f},
                     {0, h * 0.8f}, {cx - w * 0.15f, h * 0.5f}});
  PaintMask(img, fins, fin);
  PaintLit(img, m, mat);
  if (flame) {
    Glow(img, {cx, h * 0.84f}, std::max(2.0f, w * 0.45f), rgb(255, 170, 60), 1.0f, 1.2f);
    Glow(img, {cx, h * 0.8f}, std::max(1.2f, w * 0.25f), rgb(255, 255, 210), 1.0f, 1.0f);
  }
}

void Orb(Image& img, Col c, float rim = 0.8f) {
  V2 ct = Centre(img);
  float r = std::min(img.w(), img.h()) / 2.0f;
  for (int y = 0; y < img.h(); ++y)
    for (int x = 0; x < img.w(); ++x) {
      float dx = (x + 0.5f - ct.x) / r, dy = (y + 0.5f - ct.y) / r;
      float d = std::sqrt(dx * dx + dy * dy);
      if (d > 1) continue;
      float hi = std::max(0.0f, 1 - std::sqrt((dx + 0.35f) * (dx + 0.35f) + (dy + 0.35f) * (dy + 0.35f)) / 0.55f);
      Col col = mix(scaled(c, 0.55f + 0.45f * (1 - d)), rgb(255, 255, 255), hi * 0.8f);
      col = mix(col, c, smooth(rim, 1.0f, d) * 0.7f);
      img.blend(x, y, col, 1.0f - smooth(0.85f, 1.0f, d) * 0.5f);
    }
}

void Ring(Image& img, Col c, float inner, float outer) {
  V2 ct = Centre(img);
  float r = std::min(img.w(), img.h()) / 2.0f;
  for (int y = 0; y < img.h(); ++y)
    for (int x = 0; x < img.w(); ++x) {
      float dx = (x + 0.5f - ct.x) / r, dy = (y + 0.5f - ct.y) / r;
      float d = std::sqrt(dx * dx + dy * dy);
      if (d > outer || d < inner) continue;
      float mid = (inner + outer) / 2, half = (outer - inner) / 2;
      float k = 1 - std::abs(d - mid) / half;
      img.blend(x, y, mix(scaled(c, 0.6f), rgb(255, 255, 255), k * 0.6f), 1.0f);
    }
}

void Mine(Image& img, Col body, Col light) {
  V2 ct = Centre(img);
  float r = std::min(img.w(), img.h()) / 2.0f;
  Mask spikes(img.w(), img.h());
  for (int i = 0; i < 4; ++i) {
    float a = i * kPi / 2 + kPi / 4;
    MaskCapsule(spikes, ct, {ct.x + std::cos(a) * r * 0.95f, ct.y + std::sin(a) * r * 0.95f}, std::max(0.6f, r * 0.12f));
  }
  PaintMask(img, spikes, rgb(110, 110, 120));
  Mask m(img.w(), img.h());
  MaskEllipse(m, ct, r * 0.62f, r * 0.62f);
  PaintLit(img, m, Material{body, r * 0.3f, 0.5f, 0.8f, 0.6f, 16});
  Glow(img, ct, r * 0.35f, light, 1.0f, 1.0f);
}

void Blob(Image& img, Col c, uint64_t seed) {
  V2 ct = Centre(img);
  float r = std::min(img.w(), img.h()) / 2.0f;
  Rng rng(seed);
  Mask m(img.w(), img.h());
  MaskEllipse(m, ct, r * 0.8f, r * 0.8f);
  for (int i = 0; i < 4; ++i)
    MaskEllipse(m, {ct.x + rng.range(-r, r) * 0.35f, ct.y + rng.range(-r, r) * 0.35f}, r * 0.45f, r * 0.45f);
  PaintLit(img, m, Material{c, r * 0.5f, 0.55f, 0.7f, 0.8f, 12, 0.4f});
}

Image Primary(int t, int k, PictureSizeRef sz) {
  Image img(sz.width, sz.height);
  switch (t) {
    case 1: Laser(img, rgb(255, 60, 60)); break;
    case 2: Laser(img, rgb(80, 255, 90)); break;
    case 3: Bolt(img, rgb(255, 200, 90), 0.5f); break;
    case 4: Bolt(img, rgb(255, 120, 40)); break;
    case 5: Laser(img, rgb(120, 180, 255)); break;
    case 6: Orb(img, rgb(90, 170, 255)); Glow(img, Centre(img), 3, rgb(220, 240, 255), 1, 1); break;
    case 7:
      if (k == 1) {
        // Gauss trace: a straight streak of blue-white light.
        Laser(img, rgb(110, 170, 255));
      } else {
        Orb(img, rgb(160, 210, 255));
      }
      break;
    case 8: Missile(img, rgb(200, 200, 205), rgb(200, 60, 40), true); break;
    case 9: Bolt(img, rgb(255, 120, 20)); break;
    case 10: Blob(img, rgb(150, 230, 40), 10); break;
    case 11: {
      Mask m(img.w(), img.h());
      MaskRect(m, 0.5f, 0.5f, img.w() - 0.5f, img.h() - 0.5f);
      PaintLit(img, m, Material{rgb(120, 200, 255), 1.2f, 0.6f, 0.7f, 0.8f, 10});
      Glow(img, Centre(img), 2, rgb(255, 255, 255), 0.8f, 1);
      break;
    }
    case 12: Laser(img, rgb(120, 240, 255)); break;
    case 13: Bolt(img, rgb(255, 220, 120)); break;
    case 14: Blob(img, rgb(130, 220, 30), 14); Glow(img, Centre(img), 4, rgb(220, 255, 120), 0.6f, 1); break;
    case 15: Orb(img, rgb(255, 230, 120)); break;
    case 16: Laser(img, rgb(220, 230, 235)); break;
    case 17: Bolt(img, k == 1 ? rgb(255, 90, 40) : rgb(255, 200, 60)); break;
    case 18: Orb(img, rgb(120, 255, 140)); break;
    case 19: Laser(img, rgb(230, 160, 255)); break;
    case 20: Bolt(img, rgb(100, 200, 255)); break;
    case 21: Missile(img, rgb(140, 200, 90), rgb(60, 110, 40), true); break;
    case 22: Bolt(img, rgb(255, 80, 80)); break;
    case 23: Laser(img, rgb(255, 240, 120)); break;
    case 24: Bolt(img, rgb(255, 150, 60)); break;
    case 26: {
      // An ice shard.
      Mask m(img.w(), img.h());
      float w = static_cast<float>(img.w()), h = static_cast<float>(img.h());
      MaskPolygon(m, {{w / 2, 0}, {w, h * 0.45f}, {w / 2, h}, {0, h * 0.45f}});
      PaintLit(img, m, Material{rgb(170, 230, 255), 1.5f, 0.6f, 0.7f, 1.0f, 30});
      break;
    }
    case 27: {
      // The chaos orb turns through three faces.
      Orb(img, rgb(200, 60, 220));
      V2 c = Centre(img);
      for (int i = 0; i < 3; ++i) {
        float a = (k - 1) * 0.7f + i * 2 * kPi / 3;
        Glow(img, {c.x + std::cos(a) * 5, c.y + std::sin(a) * 5}, 3.5f, rgb(255, 200, 255), 0.9f, 1);
      }
      break;
    }
    case 28: Orb(img, rgb(255, 110, 30)); Glow(img, Centre(img), 3, rgb(255, 240, 160), 1, 1); break;
    case 29: Bolt(img, rgb(80, 255, 200)); break;
    case 30: Orb(img, rgb(255, 255, 140)); break;
    case 31: Laser(img, rgb(255, 220, 150)); break;
    case 32: Mine(img, rgb(130, 90, 170), rgb(255, 220, 120)); break;
    case 33: Laser(img, rgb(255, 100, 200)); break;
    case 34: Missile(img, rgb(190, 200, 190), rgb(80, 150, 60), true); break;
    case 35: Missile(img, rgb(220, 210, 170), rgb(220, 60, 40), true); break;
    case 36: Bolt(img, rgb(120, 190, 255)); break;
    case 37: Laser(img, rgb(90, 255, 230)); break;
    case 38: Bolt(img, rgb(255, 250, 180)); break;
    case 39: {
      // Toaster laser segments: three flickering variants of a red beam.
      Laser(img, k == 1 ? rgb(255, 70, 40) : (k == 2 ? rgb(255, 120, 60) : rgb(255, 40, 90)));
      break;
    }
    case 40: {
      // The wobbley: a pulsing plasma ball, four phases.
      float ph = (k - 1) / 4.0f;
      Orb(img, mix(rgb(255, 80, 40), rgb(255, 200, 60), ph));
      Ring(img, rgb(255, 230, 150), 0.7f + 0.05f * k, 0.95f);
      break;
    }
    default: Bolt(img, rgb(255, 255, 255)); break;
  }
  return img;
}

Image Secondary(int t, int k, PictureSizeRef sz) {
  Image img(sz.width, sz.height);
  V2 c = Centre(img);
  switch (t) {
    case 1: Missile(img, rgb(220, 220, 230), rgb(40, 100, 210), true); break;
    case 2:
      if (k == 1) {
        Blob(img, rgb(200, 230, 60), 2);
        Glow(img, c, 3, rgb(255, 255, 160), 0.8f, 1);
      } else {
        // The goo stuck on a hit ship.
        Rng rng(22);
        for (int i = 0; i < 9; ++i) {
          Mask m(img.w(), img.h());
          float a = rng.range(0, 2 * kPi), d = rng.range(4, 11);
          MaskEllipse(m, {c.x + std::cos(a) * d, c.y + std::sin(a) * d}, rng.range(2, 4), rng.range(2, 4));
          PaintLit(img, m, Material{rgb(190, 225, 50), 1.5f, 0.55f, 0.7f, 0.9f, 14, 0.3f});
        }
      }
      break;
    case 3: {
      // The fore shield: a curved energy wall.
      for (int y = 0; y < img.h(); ++y)
        for (int x = 0; x < img.w(); ++x) {
          float dx = (x + 0.5f - c.x) / (img.w() / 2.0f);
          float arc = img.h() * 0.75f - (1 - dx * dx) * img.h() * 0.55f;
          float d = std::abs(y + 0.5f - arc);
          if (d > 3.2f || std::abs(dx) > 0.98f) continue;
          float k2 = 1 - d / 3.2f;
          img.blend(x, y, mix(rgb(60, 160, 255), rgb(230, 250, 255), k2), 1.0f);
        }
      break;
    }
    case 4:
      if (k == 1) Bolt(img, rgb(255, 70, 60));
      else if (k == 2) {
        for (int y = 0; y < img.h(); ++y)
          for (int x = 0; x < img.w(); ++x) {
            float dx = (x + 0.5f - c.x) / (img.w() / 2.0f);
            float arc = img.h() * 0.8f - (1 - dx * dx) * img.h() * 0.6f;
            float d = std::abs(y + 0.5f - arc);
            if (d > 2.0f) continue;
            img.blend(x, y, mix(rgb(60, 255, 80), rgb(220, 255, 220), 1 - d / 2), 1.0f);
          }
      } else
        Orb(img, rgb(90, 140, 255));
      break;
    case 5:
      if (k == 1) {
        Mine(img, rgb(160, 70, 50), rgb(255, 180, 60));
      } else
        Orb(img, rgb(255, 200, 90));
      break;
    case 6: Mine(img, rgb(70, 150, 90), rgb(120, 255, 140)); break;
    case 8: {
      Ring(img, k == 1 ? rgb(120, 255, 160) : (k == 2 ? rgb(200, 255, 120) : rgb(255, 200, 90)), 0.55f, 0.98f);
      Glow(img, c, 5, rgb(220, 255, 220), 0.35f, 1);
      break;
    }
    case 9: {
      // The sonic shield: a translucent-looking bubble made of rings.
      for (int y = 0; y < img.h(); ++y)
        for (int x = 0; x < img.w(); ++x) {
          float dx = (x + 0.5f - c.x) / 70.0f, dy = (y + 0.5f - c.y) / 70.0f;
          float d = std::sqrt(dx * dx + dy * dy);
          if (d > 1) continue;
          float wave = 0.5f + 0.5f * std::cos(d * 38.0f);
          float edge = smooth(0.8f, 0.98f, d);
          float v = std::max(edge, wave * 0.55f * smooth(0.2f, 0.9f, d));
          if (v < 0.28f) continue;
          img.blend(x, y, mix(rgb(30, 120, 170), rgb(170, 250, 255), v), 1.0f);
        }
      break;
    }
    case 10: Mine(img, rgb(90, 100, 70), rgb(255, 60, 40)); break;
    case 11: Missile(img, rgb(150, 150, 160), rgb(60, 90, 170), true); break;
    case 12: {
      // The spinner: a crystal blade that turns as it flies.
      Mask m(img.w(), img.h());
      float w = static_cast<float>(img.w()), h = static_cast<float>(img.h());
      MaskPolygon(m, {{w / 2, 0}, {w, h / 2}, {w / 2, h}, {0, h / 2}});
      PaintLit(img, m, Material{rgb(140, 235, 255), 1.2f, 0.6f, 0.8f, 1.0f, 30});
      Glow(img, c, 4, rgb(255, 255, 255), 1.0f, 1);
      break;
    }
    case 13: {
      Orb(img, rgb(255, 140, 40), 0.6f);
      Glow(img, c, 10, rgb(255, 240, 180), 0.7f, 1.2f);
      break;
    }
    case 14: {
      // The roar: ragged shock rings.
      for (int y = 0; y < img.h(); ++y)
        for (int x = 0; x < img.w(); ++x) {
          float dx = (x + 0.5f - c.x) / 100.0f, dy = (y + 0.5f - c.y) / 100.0f;
          float d = std::sqrt(dx * dx + dy * dy);
          if (d > 1) continue;
          float a = std::atan2(dy, dx);
          float wave = std::cos(d * 30.0f + std::sin(a * 7) * 1.2f);
          if (wave < 0.55f || d < 0.25f) continue;
          img.blend(x, y, mix(rgb(200, 60, 20), rgb(255, 200, 80), (wave - 0.55f) / 0.45f), 1.0f);
        }
      break;
    }
    case 15: Missile(img, rgb(235, 210, 60), rgb(40, 40, 40), true); break;
    case 16: {
      Mask m(img.w(), img.h());
      MaskPolygon(m, {{c.x, 0}, {c.x + 3, static_cast<float>(img.h())}, {c.x - 3, static_cast<float>(img.h())}});
      PaintLit(img, m, Material{rgb(220, 230, 235), 1.0f});
      break;
    }
    case 20:
      if (k == 1) {
        Orb(img, rgb(180, 220, 255));
        Ring(img, rgb(255, 255, 255), 0.8f, 0.98f);
      } else {
        Ring(img, rgb(200, 230, 255), 0.75f, 0.98f);
        Ring(img, rgb(150, 200, 255), 0.45f, 0.6f);
      }
      break;
    case 21: Orb(img, rgb(120, 255, 120)); break;
    case 22: {
      Orb(img, rgb(255, 60, 30), 0.5f);
      Glow(img, c, 8, rgb(255, 230, 160), 0.9f, 1.1f);
      break;
    }
    case 23: {
      // Side plates: armour slabs with a bevel.
      Mask m(img.w(), img.h());
      float w = static_cast<float>(img.w()), h = static_cast<float>(img.h());
      if (k == 1)
        MaskPolygon(m, {{w * 0.5f, 0}, {w, h * 0.1f}, {w, h}, {0, h * 0.9f}, {0, h * 0.15f}});
      else
        MaskPolygon(m, {{w * 0.5f, 0}, {w, h * 0.15f}, {w, h * 0.9f}, {0, h}, {0, h * 0.1f}});
      PaintLit(img, m, Material{rgb(150, 160, 110), 2.0f, 0.5f, 0.8f, 0.5f, 12});
      break;
    }
    case 24: Missile(img, rgb(200, 200, 210), rgb(200, 40, 40), true); break;
    case 25: Bolt(img, rgb(255, 180, 60)); break;
    case 27: Orb(img, rgb(200, 200, 220)); break;
    case 28: Mine(img, rgb(60, 110, 60), rgb(200, 255, 120)); break;
    case 29:
      if (k == 1) {
        // The attack drone: a small four-armed craft.
        Mask m(img.w(), img.h());
        MaskEllipse(m, c, 4, 4);
        for (int i = 0; i < 4; ++i) {
          float a = i * kPi / 2;
          MaskCapsule(m, c, {c.x + std::cos(a) * 7, c.y + std::sin(a) * 7}, 1.5f);
        }
        PaintLit(img, m, Material{rgb(80, 120, 190), 1.0f});
        Glow(img, c, 2.5f, rgb(160, 230, 255), 1, 1);
      } else
        Laser(img, rgb(120, 220, 255));
      break;
    case 30: Orb(img, rgb(200, 140, 255)); Ring(img, rgb(255, 220, 255), 0.82f, 0.98f); break;
    case 31: Ring(img, rgb(255, 200, 120), 0.4f, 0.95f); break;
    case 32: {
      // The invulnerability aura, shaped to the hull; tinted by the code.
      for (int y = 0; y < img.h(); ++y)
        for (int x = 0; x < img.w(); ++x) {
          float dx = (x + 0.5f - c.x) / (img.w() / 2.0f), dy = (y + 0.5f - c.y) / (img.h() / 2.0f);
          float d = std::sqrt(dx * dx + dy * dy);
          if (d > 1 || d < 0.55f) continue;
          float k2 = 1 - std::abs(d - 0.8f) / 0.25f;
          if (k2 <= 0) continue;
          img.blend(x, y, mix(rgb(120, 120, 120), rgb(255, 255, 255), k2), 1.0f);
        }
      break;
    }
    case 33: Orb(img, rgb(255, 180, 80)); break;
    case 34: Orb(img, rgb(200, 120, 255)); Glow(img, c, 3, rgb(255, 230, 255), 1, 1); break;
    case 35: Missile(img, rgb(230, 230, 200), rgb(60, 160, 60), true); break;
    case 36: {
      for (int y = 0; y < img.h(); ++y)
        for (int x = 0; x < img.w(); ++x) {
          float dx = (x + 0.5f - c.x) / 80.0f, dy = (y + 0.5f - c.y) / 80.0f;
          float d = std::sqrt(dx * dx + dy * dy);
          if (d > 1) continue;
          img.blend(x, y, mix(rgb(255, 240, 200), rgb(255, 90, 20), d), 1.0f - smooth(0.85f, 1.0f, d) * 0.4f);
        }
      break;
    }
    case 37: {
      // Pulsar trap: rings that pulse through five frames.
      float ph = (k - 1) / 5.0f;
      Ring(img, rgb(80, 255, 220), 0.15f + 0.5f * ph, 0.35f + 0.5f * ph);
      Ring(img, rgb(40, 160, 200), 0.85f, 0.98f);
      Glow(img, c, 4, rgb(200, 255, 250), 1, 1);
      break;
    }
    case 38: FillRect(img, 0, 0, img.w(), img.h(), rgb(255, 255, 248)); break;
    case 39: {
      Mask m(img.w(), img.h());
      MaskEllipse(m, c, 12, 12);
      PaintLit(img, m, Material{rgb(140, 150, 160), 3.0f});
      Ring(img, rgb(80, 255, 120), 0.45f, 0.6f);
      Glow(img, c, 4, rgb(200, 255, 200), 1, 1);
      break;
    }
    case 40: Missile(img, rgb(60, 60, 66), rgb(200, 30, 30), true); break;
    default: Bolt(img, rgb(255, 255, 255)); break;
  }
  return img;
}

Image Special(int t, int k, PictureSizeRef sz) {
  Image img(sz.width, sz.height);
  V2 c = Centre(img);
  switch (t) {
    case 4: {
      // The orb: light grey, tinted by its mode when drawn.
      Orb(img, rgb(235, 235, 240), 0.7f);
      Ring(img, rgb(255, 255, 255), 0.85f, 1.0f);
      break;
    }
    case 7: {
      // Repair bots: two small drones whose welding sparks flicker.
      for (int side = -1; side <= 1; side += 2) {
        V2 p{c.x + side * 6.5f, c.y + (k % 2 ? 1.0f : -1.0f) * side};
        Mask m(img.w(), img.h());
        MaskEllipse(m, p, 3.2f, 2.6f);
        PaintLit(img, m, Material{rgb(200, 200, 90), 1.0f});
        float a = k * 1.1f + side;
        Glow(img, {p.x + std::cos(a) * 2.5f, p.y - 3 + std::sin(a)}, 2.5f, rgb(140, 230, 255), 1, 1);
      }
      break;
    }
    case 17: {
      // The demon's turret; its barrels lengthen with the mode change.
      Mask m(img.w(), img.h());
      MaskEllipse(m, {c.x, c.y + 4}, 7, 7);
      float bl = 6 + k * 1.3f;
      MaskRect(m, c.x - 4, c.y + 2 - bl, c.x - 1.5f, c.y + 4);
      MaskRect(m, c.x + 1.5f, c.y + 2 - bl, c.x + 4, c.y + 4);
      PaintLit(img, m, Material{rgb(70, 40, 44), 1.5f, 0.5f, 0.8f, 0.7f, 20});
      Glow(img, {c.x, c.y + 4}, 3, rgb(255, 120, 40), 1, 1);
      break;
    }
    case 19:
      if (k == 1) {
        Ring(img, rgb(200, 120, 255), 0.6f, 0.9f);
        Glow(img, c, 6, rgb(240, 200, 255), 1, 1);
      } else {
        Glow(img, c, 20, rgb(190, 110, 255), 1.0f, 1.6f);
        Glow(img, c, 9, rgb(255, 230, 255), 0.8f, 1.2f);
      }
      break;
    case 22: {
      Rng rng(220 + k);
      Orb(img, rgb(255, 90 + 40 * k, 40), 0.4f);
      for (int i = 0; i < 5; ++i) {
        float a = rng.range(0, 2 * kPi);
        Mask m(img.w(), img.h());
        MaskCapsule(m, c, {c.x + std::cos(a) * 13, c.y + std::sin(a) * 13}, 0.8f);
        PaintMask(img, m, rgb(255, 240, 200));
      }
      break;
    }
    case 25: Glow(img, c, 6, rgb(255, 170, 60), 1.0f, 1.0f); break;
    case 27: {
      // Kabata's own details (engines, guns, canopy, lamps), drawn untinted
      // over its tinted hull.
      img = RenderShipDetails(27, 1);
      break;
    }
    case 38: Glow(img, c, 12, rgb(255, 255, 220), 1.0f, 1.2f); break;
    case 39:
      if (k <= 6) {
        // The energy station's turning lights.
        Ring(img, rgb(60, 200, 90), 0.78f, 0.95f);
        for (int i = 0; i < 6; ++i) {
          float a = (i + k / 6.0f) * kPi / 3;
          Glow(img, {c.x + std::cos(a) * 15, c.y + std::sin(a) * 15}, i == k - 1 ? 5 : 3,
               rgb(150, 255, 160), 1, 1);
        }
      } else if (k == 7) {
        Laser(img, rgb(100, 255, 130));
      } else {
        Glow(img, c, 6, rgb(255, 120, 80), 1, 1);
      }
      break;
    case 40: {
      // Rocket racks under the wings: k salvos still to fire, one rocket a
      // salvo on each of the four pylons.
      const float pylons[4] = {-86, -48, 48, 86};
      for (float px : pylons)
        for (int i = 0; i < k; ++i) {
          float x = c.x + px + ((i % 2) ? 2.5f : -2.5f);
          float y = c.y - 22 + (i / 2) * 5.0f;
          Mask m(img.w(), img.h());
          MaskCapsule(m, {x, y}, {x, y + 12}, 1.7f);
          PaintLit(img, m, Material{rgb(70, 70, 76), 0.9f});
          Mask tip(img.w(), img.h());
          MaskEllipse(tip, {x, y}, 1.7f, 2.0f);
          PaintMask(img, tip, rgb(210, 40, 30));
        }
      break;
    }
    default: Glow(img, c, std::min(c.x, c.y), rgb(255, 255, 255), 1, 1); break;
  }
  return img;
}

}  // namespace

Image WeaponPicture(int type, int variant, int k) {
  const auto& sp = qw2media::kShipPictures[type];
  if (variant == 1) return Primary(type, k, sp.primary[k - 1]);
  if (variant == 2) return Secondary(type, k, sp.secondary[k - 1]);
  return Special(type, k, sp.special[k - 1]);
}

}  // namespace gen
