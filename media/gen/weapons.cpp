// Shot pictures and the ship types' extra pictures. Every shot points up
// (toward negative y), the direction it flies when drawn at its heading.
#include "media/gen/weapons.hpp"

#include <cmath>

#include "catalogue/ships.hpp"
#include "media/gen/media.hpp"
#include "media/media_sizes.hpp"

namespace gen {

namespace {

const float kPi = 3.14159265f;

V2 Centre(const Image& img) { return {img.w() / 2.0f, img.h() / 2.0f}; }

// Calls paint(x, y, dx, dy, d) for every pixel inside the ellipse of radii rx
// and ry round c, where dx and dy are the pixel centre's offset in radii and
// d its distance in radii (at most 1).
template <class Paint>
void ForEachInEllipse(const Image& img, V2 c, float rx, float ry, Paint paint) {
  for (int y = 0; y < img.h(); ++y)
    for (int x = 0; x < img.w(); ++x) {
      float dx = (x + 0.5f - c.x) / rx, dy = (y + 0.5f - c.y) / ry;
      float d = std::sqrt(dx * dx + dy * dy);
      if (d > 1) continue;
      paint(x, y, dx, dy, d);
    }
}

// An energy bolt: a hot white core inside a coloured glow, stretched along y.
void Bolt(Image& img, Col c, float coreW = 0.45f) {
  ForEachInEllipse(img, Centre(img), img.w() / 2.0f, img.h() / 2.0f,
                   [&](int x, int y, float, float, float d) {
                     float core = 1 - smooth(coreW * 0.6f, coreW, d);
                     Col col = mix(c, rgb(255, 255, 245), core);
                     // Brighter toward the head.
                     float head = 1.0f - 0.25f * clamp01((y + 0.5f) / img.h());
                     img.blend(x, y, scaled(col, head), 1.0f - smooth(0.75f, 1.0f, d) * 0.6f);
                   });
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
  MaskPolygon(m, {{cx, 0},
                  {cx + w * 0.22f, h * 0.22f},
                  {cx + w * 0.22f, h * 0.72f},
                  {cx - w * 0.22f, h * 0.72f},
                  {cx - w * 0.22f, h * 0.22f}});
  Material mat{body, 1.0f, 0.5f, 0.7f, 0.6f, 20};
  Mask fins(img.w(), img.h());
  MaskPolygon(fins, {{cx + w * 0.15f, h * 0.5f},
                     {w, h * 0.8f},
                     {w, h * 0.88f},
                     {cx, h * 0.78f},
                     {0, h * 0.88f},
                     {0, h * 0.8f},
                     {cx - w * 0.15f, h * 0.5f}});
  PaintMask(img, fins, fin);
  PaintLit(img, m, mat);
  if (flame) {
    Glow(img, {cx, h * 0.84f}, std::max(2.0f, w * 0.45f), rgb(255, 170, 60), 1.0f, 1.2f);
    Glow(img, {cx, h * 0.8f}, std::max(1.2f, w * 0.25f), rgb(255, 255, 210), 1.0f, 1.0f);
  }
}

void Orb(Image& img, Col c, float rim = 0.8f) {
  float r = std::min(img.w(), img.h()) / 2.0f;
  ForEachInEllipse(img, Centre(img), r, r, [&](int x, int y, float dx, float dy, float d) {
    float hi = std::max(
        0.0f, 1 - std::sqrt((dx + 0.35f) * (dx + 0.35f) + (dy + 0.35f) * (dy + 0.35f)) / 0.55f);
    Col col = mix(scaled(c, 0.55f + 0.45f * (1 - d)), rgb(255, 255, 255), hi * 0.8f);
    col = mix(col, c, smooth(rim, 1.0f, d) * 0.7f);
    img.blend(x, y, col, 1.0f - smooth(0.85f, 1.0f, d) * 0.5f);
  });
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
    MaskCapsule(spikes, ct, {ct.x + std::cos(a) * r * 0.95f, ct.y + std::sin(a) * r * 0.95f},
                std::max(0.6f, r * 0.12f));
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
    MaskEllipse(m, {ct.x + rng.range(-r, r) * 0.35f, ct.y + rng.range(-r, r) * 0.35f}, r * 0.45f,
                r * 0.45f);
  PaintLit(img, m, Material{c, r * 0.5f, 0.55f, 0.7f, 0.8f, 12, 0.4f});
}

// A bright arc across the picture, bowed toward the top: it meets the sides
// at base times the height, and its middle stands bow times the height above
// that. Pixels more than maxDx half widths from the middle are left out.
void Arc(Image& img, float base, float bow, float halfThickness, float maxDx, Col edge, Col core) {
  V2 c = Centre(img);
  for (int y = 0; y < img.h(); ++y)
    for (int x = 0; x < img.w(); ++x) {
      float dx = (x + 0.5f - c.x) / (img.w() / 2.0f);
      float arc = img.h() * base - (1 - dx * dx) * img.h() * bow;
      float d = std::abs(y + 0.5f - arc);
      if (d > halfThickness || std::abs(dx) > maxDx) continue;
      img.blend(x, y, mix(edge, core, 1 - d / halfThickness), 1.0f);
    }
}

void IceShard(Image& img) {
  Mask m(img.w(), img.h());
  float w = static_cast<float>(img.w()), h = static_cast<float>(img.h());
  MaskPolygon(m, {{w / 2, 0}, {w, h * 0.45f}, {w / 2, h}, {0, h * 0.45f}});
  PaintLit(img, m, Material{rgb(170, 230, 255), 1.5f, 0.6f, 0.7f, 1.0f, 30});
}

// The chaos orb turns through three faces.
void ChaosOrb(Image& img, int k) {
  Orb(img, rgb(200, 60, 220));
  V2 c = Centre(img);
  for (int i = 0; i < 3; ++i) {
    float a = (k - 1) * 0.7f + i * 2 * kPi / 3;
    Glow(img, {c.x + std::cos(a) * 5, c.y + std::sin(a) * 5}, 3.5f, rgb(255, 200, 255), 0.9f, 1);
  }
}

// The Bridew's cube: a bevelled block of blue light.
void Cube(Image& img) {
  Mask m(img.w(), img.h());
  MaskRect(m, 0.5f, 0.5f, img.w() - 0.5f, img.h() - 0.5f);
  PaintLit(img, m, Material{rgb(120, 200, 255), 1.2f, 0.6f, 0.7f, 0.8f, 10});
  Glow(img, Centre(img), 2, rgb(255, 255, 255), 0.8f, 1);
}

// clang-format off
Image Primary(int t, int k, PictureSizeRef sz) {
  Image img(sz.width, sz.height);
  switch (t) {
    case SHIP_REGAL: Laser(img, rgb(255, 60, 60)); break;
    case SHIP_GARM: Laser(img, rgb(80, 255, 90)); break;
    case SHIP_COBOTH: Bolt(img, rgb(255, 200, 90), 0.5f); break;
    case SHIP_URBATRON: Bolt(img, rgb(255, 120, 40)); break;
    case SHIP_NALEN: Laser(img, rgb(120, 180, 255)); break;
    case SHIP_DARBER:
      Orb(img, rgb(90, 170, 255));
      Glow(img, Centre(img), 3, rgb(220, 240, 255), 1, 1);
      break;
    case SHIP_AVRAX:
      // Gauss trace: a straight streak of blue-white light.
      if (k == 1) Laser(img, rgb(110, 170, 255));
      else Orb(img, rgb(160, 210, 255));
      break;
    case SHIP_FASER: Missile(img, rgb(200, 200, 205), rgb(200, 60, 40), true); break;
    case SHIP_QOUL: Bolt(img, rgb(255, 120, 20)); break;
    case SHIP_FEDZIE: Blob(img, rgb(150, 230, 40), 10); break;
    case SHIP_BRIDEW: Cube(img); break;
    case SHIP_EREBOS: Laser(img, rgb(120, 240, 255)); break;
    case SHIP_GRATES: Bolt(img, rgb(255, 220, 120)); break;
    case SHIP_SCALUS:
      Blob(img, rgb(130, 220, 30), 14);
      Glow(img, Centre(img), 4, rgb(220, 255, 120), 0.6f, 1);
      break;
    case SHIP_SPETH: Orb(img, rgb(255, 230, 120)); break;
    case SHIP_KALGON: Laser(img, rgb(220, 230, 235)); break;
    case SHIP_IWOR: Bolt(img, k == 1 ? rgb(255, 90, 40) : rgb(255, 200, 60)); break;
    case SHIP_ARUBAWI: Orb(img, rgb(120, 255, 140)); break;
    case SHIP_PAX: Laser(img, rgb(230, 160, 255)); break;
    case SHIP_TKHARZER: Bolt(img, rgb(100, 200, 255)); break;
    case SHIP_ITHUS: Missile(img, rgb(140, 200, 90), rgb(60, 110, 40), true); break;
    case SHIP_SJUOG: Bolt(img, rgb(255, 80, 80)); break;
    case SHIP_OTROS: Laser(img, rgb(255, 240, 120)); break;
    case SHIP_DRONT: Bolt(img, rgb(255, 150, 60)); break;
    case SHIP_TEMPER: IceShard(img); break;
    case SHIP_KABATA: ChaosOrb(img, k); break;
    case SHIP_FITH:
      Orb(img, rgb(255, 110, 30));
      Glow(img, Centre(img), 3, rgb(255, 240, 160), 1, 1);
      break;
    case SHIP_SERGER: Bolt(img, rgb(80, 255, 200)); break;
    case SHIP_SHEVAL: Orb(img, rgb(255, 255, 140)); break;
    case SHIP_HEPRON: Laser(img, rgb(255, 220, 150)); break;
    case SHIP_URNOX: Mine(img, rgb(130, 90, 170), rgb(255, 220, 120)); break;
    case SHIP_TREEK: Laser(img, rgb(255, 100, 200)); break;
    case SHIP_WENDE: Missile(img, rgb(190, 200, 190), rgb(80, 150, 60), true); break;
    case SHIP_SERAX: Missile(img, rgb(220, 210, 170), rgb(220, 60, 40), true); break;
    case SHIP_ANATOS: Bolt(img, rgb(120, 190, 255)); break;
    case SHIP_JERBOAFA: Laser(img, rgb(90, 255, 230)); break;
    case SHIP_ADAPA: Bolt(img, rgb(255, 250, 180)); break;
    case SHIP_XIAPAS:
      // Toaster laser segments: three flickering variants of a red beam.
      Laser(img, k == 1 ? rgb(255, 70, 40) : (k == 2 ? rgb(255, 120, 60) : rgb(255, 40, 90)));
      break;
    case SHIP_BIRKEN: {
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
// clang-format on

// The Garm's goo stuck on a hit ship.
void StickyGoo(Image& img) {
  V2 c = Centre(img);
  Rng rng(22);
  for (int i = 0; i < 9; ++i) {
    Mask m(img.w(), img.h());
    float a = rng.range(0, 2 * kPi), d = rng.range(4, 11);
    MaskEllipse(m, {c.x + std::cos(a) * d, c.y + std::sin(a) * d}, rng.range(2, 4),
                rng.range(2, 4));
    PaintLit(img, m, Material{rgb(190, 225, 50), 1.5f, 0.55f, 0.7f, 0.9f, 14, 0.3f});
  }
}

// The sonic shield: a translucent-looking bubble made of rings.
void SonicShield(Image& img) {
  ForEachInEllipse(img, Centre(img), 70.0f, 70.0f, [&](int x, int y, float, float, float d) {
    float wave = 0.5f + 0.5f * std::cos(d * 38.0f);
    float edge = smooth(0.8f, 0.98f, d);
    float v = std::max(edge, wave * 0.55f * smooth(0.2f, 0.9f, d));
    if (v < 0.28f) return;
    img.blend(x, y, mix(rgb(30, 120, 170), rgb(170, 250, 255), v), 1.0f);
  });
}

// The roar: ragged shock rings.
void RoarRings(Image& img) {
  ForEachInEllipse(
      img, Centre(img), 100.0f, 100.0f, [&](int x, int y, float dx, float dy, float d) {
        float a = std::atan2(dy, dx);
        float wave = std::cos(d * 30.0f + std::sin(a * 7) * 1.2f);
        if (wave < 0.55f || d < 0.25f) return;
        img.blend(x, y, mix(rgb(200, 60, 20), rgb(255, 200, 80), (wave - 0.55f) / 0.45f), 1.0f);
      });
}

// The spinner: a crystal blade that turns as it flies.
void SpinnerBlade(Image& img) {
  Mask m(img.w(), img.h());
  float w = static_cast<float>(img.w()), h = static_cast<float>(img.h());
  MaskPolygon(m, {{w / 2, 0}, {w, h / 2}, {w / 2, h}, {0, h / 2}});
  PaintLit(img, m, Material{rgb(140, 235, 255), 1.2f, 0.6f, 0.8f, 1.0f, 30});
  Glow(img, Centre(img), 4, rgb(255, 255, 255), 1.0f, 1);
}

void Thorn(Image& img) {
  V2 c = Centre(img);
  Mask m(img.w(), img.h());
  MaskPolygon(
      m,
      {{c.x, 0}, {c.x + 3, static_cast<float>(img.h())}, {c.x - 3, static_cast<float>(img.h())}});
  PaintLit(img, m, Material{rgb(220, 230, 235), 1.0f});
}

// Side plates: armour slabs with a bevel, k 1 the left one.
void SidePlate(Image& img, int k) {
  Mask m(img.w(), img.h());
  float w = static_cast<float>(img.w()), h = static_cast<float>(img.h());
  if (k == 1)
    MaskPolygon(m, {{w * 0.5f, 0}, {w, h * 0.1f}, {w, h}, {0, h * 0.9f}, {0, h * 0.15f}});
  else
    MaskPolygon(m, {{w * 0.5f, 0}, {w, h * 0.15f}, {w, h * 0.9f}, {0, h}, {0, h * 0.1f}});
  PaintLit(img, m, Material{rgb(150, 160, 110), 2.0f, 0.5f, 0.8f, 0.5f, 12});
}

// The attack drone: a small four-armed craft.
void AttackDrone(Image& img) {
  V2 c = Centre(img);
  Mask m(img.w(), img.h());
  MaskEllipse(m, c, 4, 4);
  for (int i = 0; i < 4; ++i) {
    float a = i * kPi / 2;
    MaskCapsule(m, c, {c.x + std::cos(a) * 7, c.y + std::sin(a) * 7}, 1.5f);
  }
  PaintLit(img, m, Material{rgb(80, 120, 190), 1.0f});
  Glow(img, c, 2.5f, rgb(160, 230, 255), 1, 1);
}

// The invulnerability aura, shaped to the hull; tinted by the code.
void InvulnerabilityAura(Image& img) {
  ForEachInEllipse(img, Centre(img), img.w() / 2.0f, img.h() / 2.0f,
                   [&](int x, int y, float, float, float d) {
                     if (d < 0.55f) return;
                     float k2 = 1 - std::abs(d - 0.8f) / 0.25f;
                     if (k2 <= 0) return;
                     img.blend(x, y, mix(rgb(120, 120, 120), rgb(255, 255, 255), k2), 1.0f);
                   });
}

// The self-destruction: a ball of white-hot fire.
void SelfDestructBlast(Image& img) {
  ForEachInEllipse(img, Centre(img), 80.0f, 80.0f, [&](int x, int y, float, float, float d) {
    img.blend(x, y, mix(rgb(255, 240, 200), rgb(255, 90, 20), d),
              1.0f - smooth(0.85f, 1.0f, d) * 0.4f);
  });
}

// Pulsar trap: rings that pulse through five frames.
void PulsarTrap(Image& img, int k) {
  float ph = (k - 1) / 5.0f;
  Ring(img, rgb(80, 255, 220), 0.15f + 0.5f * ph, 0.35f + 0.5f * ph);
  Ring(img, rgb(40, 160, 200), 0.85f, 0.98f);
  Glow(img, Centre(img), 4, rgb(200, 255, 250), 1, 1);
}

void EnergyStation(Image& img) {
  V2 c = Centre(img);
  Mask m(img.w(), img.h());
  MaskEllipse(m, c, 12, 12);
  PaintLit(img, m, Material{rgb(140, 150, 160), 3.0f});
  Ring(img, rgb(80, 255, 120), 0.45f, 0.6f);
  Glow(img, c, 4, rgb(200, 255, 200), 1, 1);
}

// clang-format off
Image Secondary(int t, int k, PictureSizeRef sz) {
  Image img(sz.width, sz.height);
  V2 c = Centre(img);
  switch (t) {
    case SHIP_REGAL: Missile(img, rgb(220, 220, 230), rgb(40, 100, 210), true); break;
    case SHIP_GARM:
      if (k == 1) {
        Blob(img, rgb(200, 230, 60), 2);
        Glow(img, c, 3, rgb(255, 255, 160), 0.8f, 1);
      } else {
        StickyGoo(img);
      }
      break;
    case SHIP_COBOTH:
      // The fore shield: a curved energy wall.
      Arc(img, 0.75f, 0.55f, 3.2f, 0.98f, rgb(60, 160, 255), rgb(230, 250, 255));
      break;
    case SHIP_URBATRON:
      if (k == 1) Bolt(img, rgb(255, 70, 60));
      else if (k == 2) Arc(img, 0.8f, 0.6f, 2.0f, 1.0f, rgb(60, 255, 80), rgb(220, 255, 220));
      else Orb(img, rgb(90, 140, 255));
      break;
    case SHIP_NALEN:
      if (k == 1) Mine(img, rgb(160, 70, 50), rgb(255, 180, 60));
      else Orb(img, rgb(255, 200, 90));
      break;
    case SHIP_DARBER: Mine(img, rgb(70, 150, 90), rgb(120, 255, 140)); break;
    case SHIP_FASER:
      Ring(img, k == 1 ? rgb(120, 255, 160) : (k == 2 ? rgb(200, 255, 120) : rgb(255, 200, 90)),
           0.55f, 0.98f);
      Glow(img, c, 5, rgb(220, 255, 220), 0.35f, 1);
      break;
    case SHIP_QOUL: SonicShield(img); break;
    case SHIP_FEDZIE: Mine(img, rgb(90, 100, 70), rgb(255, 60, 40)); break;
    case SHIP_BRIDEW: Missile(img, rgb(150, 150, 160), rgb(60, 90, 170), true); break;
    case SHIP_EREBOS: SpinnerBlade(img); break;
    case SHIP_GRATES:
      Orb(img, rgb(255, 140, 40), 0.6f);
      Glow(img, c, 10, rgb(255, 240, 180), 0.7f, 1.2f);
      break;
    case SHIP_SCALUS: RoarRings(img); break;
    case SHIP_SPETH: Missile(img, rgb(235, 210, 60), rgb(40, 40, 40), true); break;
    case SHIP_KALGON: Thorn(img); break;
    case SHIP_TKHARZER:
      if (k == 1) {
        Orb(img, rgb(180, 220, 255));
        Ring(img, rgb(255, 255, 255), 0.8f, 0.98f);
      } else {
        Ring(img, rgb(200, 230, 255), 0.75f, 0.98f);
        Ring(img, rgb(150, 200, 255), 0.45f, 0.6f);
      }
      break;
    case SHIP_ITHUS: Orb(img, rgb(120, 255, 120)); break;
    case SHIP_SJUOG:
      Orb(img, rgb(255, 60, 30), 0.5f);
      Glow(img, c, 8, rgb(255, 230, 160), 0.9f, 1.1f);
      break;
    case SHIP_OTROS: SidePlate(img, k); break;
    case SHIP_DRONT: Missile(img, rgb(200, 200, 210), rgb(200, 40, 40), true); break;
    case SHIP_GROK: Bolt(img, rgb(255, 180, 60)); break;
    case SHIP_KABATA: Orb(img, rgb(200, 200, 220)); break;
    case SHIP_FITH: Mine(img, rgb(60, 110, 60), rgb(200, 255, 120)); break;
    case SHIP_SERGER:
      if (k == 1) AttackDrone(img);
      else Laser(img, rgb(120, 220, 255));
      break;
    case SHIP_SHEVAL:
      Orb(img, rgb(200, 140, 255));
      Ring(img, rgb(255, 220, 255), 0.82f, 0.98f);
      break;
    case SHIP_HEPRON: Ring(img, rgb(255, 200, 120), 0.4f, 0.95f); break;
    case SHIP_URNOX: InvulnerabilityAura(img); break;
    case SHIP_TREEK: Orb(img, rgb(255, 180, 80)); break;
    case SHIP_WENDE:
      Orb(img, rgb(200, 120, 255));
      Glow(img, c, 3, rgb(255, 230, 255), 1, 1);
      break;
    case SHIP_SERAX: Missile(img, rgb(230, 230, 200), rgb(60, 160, 60), true); break;
    case SHIP_ANATOS: SelfDestructBlast(img); break;
    case SHIP_JERBOAFA: PulsarTrap(img, k); break;
    case SHIP_ADAPA: FillRect(img, 0, 0, img.w(), img.h(), rgb(255, 255, 248)); break;
    case SHIP_XIAPAS: EnergyStation(img); break;
    case SHIP_BIRKEN: Missile(img, rgb(60, 60, 66), rgb(200, 30, 30), true); break;
    default: Bolt(img, rgb(255, 255, 255)); break;
  }
  return img;
}
// clang-format on

// Repair bots: two small drones whose welding sparks flicker.
void RepairBots(Image& img, int k) {
  V2 c = Centre(img);
  for (int side = -1; side <= 1; side += 2) {
    V2 p{c.x + side * 6.5f, c.y + (k % 2 ? 1.0f : -1.0f) * side};
    Mask m(img.w(), img.h());
    MaskEllipse(m, p, 3.2f, 2.6f);
    PaintLit(img, m, Material{rgb(200, 200, 90), 1.0f});
    float a = k * 1.1f + side;
    Glow(img, {p.x + std::cos(a) * 2.5f, p.y - 3 + std::sin(a)}, 2.5f, rgb(140, 230, 255), 1, 1);
  }
}

// The demon's turret; its barrels lengthen with the mode change.
void DemonTurret(Image& img, int k) {
  V2 c = Centre(img);
  Mask m(img.w(), img.h());
  MaskEllipse(m, {c.x, c.y + 4}, 7, 7);
  float bl = 6 + k * 1.3f;
  MaskRect(m, c.x - 4, c.y + 2 - bl, c.x - 1.5f, c.y + 4);
  MaskRect(m, c.x + 1.5f, c.y + 2 - bl, c.x + 4, c.y + 4);
  PaintLit(img, m, Material{rgb(70, 40, 44), 1.5f, 0.5f, 0.8f, 0.7f, 20});
  Glow(img, {c.x, c.y + 4}, 3, rgb(255, 120, 40), 1, 1);
}

// The annihilator charge: a fiery orb throwing sparks.
void AnnihilatorCharge(Image& img, int k) {
  V2 c = Centre(img);
  Rng rng(220 + k);
  Orb(img, rgb(255, 90 + 40 * k, 40), 0.4f);
  for (int i = 0; i < 5; ++i) {
    float a = rng.range(0, 2 * kPi);
    Mask m(img.w(), img.h());
    MaskCapsule(m, c, {c.x + std::cos(a) * 13, c.y + std::sin(a) * 13}, 0.8f);
    PaintMask(img, m, rgb(255, 240, 200));
  }
}

// The energy station's turning lights (k 1 to 6), its beam (7) and its
// overload (8).
void StationLights(Image& img, int k) {
  V2 c = Centre(img);
  if (k <= 6) {
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
}

// Rocket racks under the wings: k salvos still to fire, one rocket a salvo
// on each of the four pylons.
void RocketRacks(Image& img, int k) {
  V2 c = Centre(img);
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
}

// clang-format off
Image Special(int t, int k, PictureSizeRef sz) {
  Image img(sz.width, sz.height);
  V2 c = Centre(img);
  switch (t) {
    case SHIP_URBATRON:
      // The orb: light grey, tinted by its mode when drawn.
      Orb(img, rgb(235, 235, 240), 0.7f);
      Ring(img, rgb(255, 255, 255), 0.85f, 1.0f);
      break;
    case SHIP_AVRAX: RepairBots(img, k); break;
    case SHIP_IWOR: DemonTurret(img, k); break;
    case SHIP_PAX:
      if (k == 1) {
        Ring(img, rgb(200, 120, 255), 0.6f, 0.9f);
        Glow(img, c, 6, rgb(240, 200, 255), 1, 1);
      } else {
        Glow(img, c, 20, rgb(190, 110, 255), 1.0f, 1.6f);
        Glow(img, c, 9, rgb(255, 230, 255), 0.8f, 1.2f);
      }
      break;
    case SHIP_SJUOG: AnnihilatorCharge(img, k); break;
    case SHIP_GROK: Glow(img, c, 6, rgb(255, 170, 60), 1.0f, 1.0f); break;
    case SHIP_KABATA:
      // The Kabata's own details (engines, guns, canopy, lamps), drawn
      // untinted over its tinted hull.
      img = RenderShipDetails(SHIP_KABATA, 1);
      break;
    case SHIP_ADAPA: Glow(img, c, 12, rgb(255, 255, 220), 1.0f, 1.2f); break;
    case SHIP_XIAPAS: StationLights(img, k); break;
    case SHIP_BIRKEN: RocketRacks(img, k); break;
    default: Glow(img, c, std::min(c.x, c.y), rgb(255, 255, 255), 1, 1); break;
  }
  return img;
}
// clang-format on

}  // namespace

Image WeaponPicture(int type, int variant, int k) {
  const auto& sp = qw2media::kShipPictures[type];
  if (variant == 1) return Primary(type, k, sp.primary[k - 1]);
  if (variant == 2) return Secondary(type, k, sp.secondary[k - 1]);
  return Special(type, k, sp.special[k - 1]);
}

}  // namespace gen
