// Ship pictures: the body frames, the large shop pictures and the small
// fleet pictures, all drawn from one description per ship type.
#include <algorithm>
#include <cmath>

#include "media/gen/media.hpp"
#include "media/gen/ship_mounts.hpp"
#include "media/gen/weapons.hpp"
#include "media/media_sizes.hpp"

namespace gen {

namespace {

enum Family { DART, DELTA, SAUCER, BLOCK, CLAW, ORGANIC, ARROW };

struct Look {
  Family family;
  Col hull, trim, glow;
  float waist;  // fuselage width as a share of the half width
  int wings;    // 0 none, 1 swept, 2 straight, 3 forward-swept
};

const Look kLooks[41] = {
    {},
    {DART, rgb(214, 222, 232), rgb(40, 110, 210), rgb(120, 200, 255), 0.42f, 1},   // 1 Regal
    {DELTA, rgb(104, 124, 82), rgb(200, 170, 60), rgb(255, 190, 90), 0.5f, 1},     // 2 Garm
    {BLOCK, rgb(150, 150, 158), rgb(230, 120, 30), rgb(255, 160, 60), 0.62f, 2},   // 3 Coboth
    {CLAW, rgb(120, 36, 36), rgb(40, 40, 46), rgb(255, 80, 60), 0.5f, 1},          // 4 Urbatron
    {CLAW, rgb(96, 120, 150), rgb(200, 204, 214), rgb(120, 190, 255), 0.6f, 2},    // 5 Nalen
    {SAUCER, rgb(110, 70, 150), rgb(220, 180, 60), rgb(200, 140, 255), 0.9f, 0},   // 6 Darber
    {CLAW, rgb(84, 86, 92), rgb(230, 190, 40), rgb(255, 210, 90), 0.5f, 2},        // 7 Avrax
    {BLOCK, rgb(140, 96, 60), rgb(240, 150, 40), rgb(255, 170, 80), 0.85f, 0},     // 8 Faser
    {SAUCER, rgb(170, 200, 210), rgb(40, 190, 200), rgb(110, 255, 240), 0.9f, 0},  // 9 Qoul
    {ORGANIC, rgb(90, 160, 70), rgb(200, 230, 80), rgb(180, 255, 120), 0.8f, 0},   // 10 Fedzie
    {DART, rgb(130, 140, 160), rgb(50, 80, 160), rgb(120, 170, 255), 0.5f, 2},     // 11 Bridew
    {ARROW, rgb(220, 235, 245), rgb(60, 200, 230), rgb(140, 240, 255), 0.35f, 1},  // 12 Erebos
    {SAUCER, rgb(176, 128, 70), rgb(90, 60, 40), rgb(255, 200, 120), 0.9f, 0},     // 13 Grates
    {ORGANIC, rgb(140, 44, 40), rgb(220, 200, 170), rgb(255, 120, 60), 0.7f, 0},   // 14 Scalus
    {DELTA, rgb(230, 196, 40), rgb(40, 40, 40), rgb(255, 230, 120), 0.35f, 1},     // 15 Speth
    {DART, rgb(60, 150, 150), rgb(220, 230, 230), rgb(120, 255, 230), 0.55f, 0},   // 16 Kalgon
    {ORGANIC, rgb(160, 30, 40), rgb(40, 20, 24), rgb(255, 90, 40), 0.7f, 3},       // 17 Iwor
    {ARROW, rgb(220, 120, 40), rgb(60, 50, 50), rgb(255, 200, 100), 0.4f, 3},      // 18 Arubawi
    {ORGANIC, rgb(120, 80, 170), rgb(230, 210, 250), rgb(210, 150, 255), 0.5f, 1}, // 19 Pax
    {ORGANIC, rgb(200, 90, 140), rgb(90, 30, 70), rgb(255, 150, 200), 0.6f, 0},    // 20 Tkharzer
    {DART, rgb(170, 200, 230), rgb(90, 120, 200), rgb(180, 220, 255), 0.35f, 1},   // 21 Ithus
    {BLOCK, rgb(120, 128, 140), rgb(40, 90, 170), rgb(120, 180, 255), 0.55f, 2},   // 22 Sjuog
    {DART, rgb(120, 130, 80), rgb(200, 200, 170), rgb(230, 230, 140), 0.6f, 0},    // 23 Otros
    {DELTA, rgb(50, 64, 120), rgb(200, 40, 40), rgb(255, 110, 90), 0.45f, 1},      // 24 Dront
    {SAUCER, rgb(130, 100, 70), rgb(220, 150, 50), rgb(255, 170, 60), 0.85f, 0},   // 25 Grok
    {ARROW, rgb(170, 225, 245), rgb(230, 250, 255), rgb(200, 250, 255), 0.4f, 1},  // 26 Temper
    {DELTA, rgb(210, 210, 214), rgb(160, 160, 170), rgb(240, 240, 255), 0.45f, 1}, // 27 Kabata
    {DART, rgb(60, 96, 64), rgb(180, 200, 120), rgb(200, 255, 140), 0.4f, 2},      // 28 Fith
    {BLOCK, rgb(70, 110, 180), rgb(230, 230, 240), rgb(140, 200, 255), 0.6f, 2},   // 29 Serger
    {DART, rgb(60, 44, 80), rgb(190, 120, 240), rgb(210, 160, 255), 0.5f, 1},      // 30 Sheval
    {DART, rgb(210, 130, 50), rgb(110, 110, 120), rgb(255, 200, 90), 0.55f, 2},    // 31 Hepron
    {ARROW, rgb(80, 50, 110), rgb(220, 180, 70), rgb(255, 220, 120), 0.45f, 3},    // 32 Urnox
    {BLOCK, rgb(150, 140, 90), rgb(80, 70, 50), rgb(255, 200, 90), 0.7f, 2},       // 33 Treek
    {SAUCER, rgb(120, 180, 70), rgb(240, 220, 60), rgb(230, 255, 120), 0.8f, 0},   // 34 Wende
    {BLOCK, rgb(190, 170, 130), rgb(120, 80, 50), rgb(255, 210, 140), 0.55f, 2},   // 35 Serax
    {DART, rgb(70, 110, 200), rgb(235, 235, 240), rgb(150, 200, 255), 0.5f, 1},    // 36 Anatos
    {ORGANIC, rgb(50, 150, 140), rgb(240, 140, 50), rgb(120, 255, 230), 0.6f, 0},  // 37 Jerboafa
    {DELTA, rgb(200, 204, 212), rgb(210, 170, 60), rgb(255, 240, 160), 0.5f, 2},   // 38 Adapa
    {CLAW, rgb(170, 50, 44), rgb(120, 124, 130), rgb(255, 120, 90), 0.5f, 1},      // 39 Xiapas
    {CLAW, rgb(40, 40, 46), rgb(190, 30, 30), rgb(255, 80, 50), 0.35f, 2},         // 40 Birken
};

struct Part {
  int layer;  // 0 wings, 1 hull, 2 pods/engines, 3 guns, 4 canopy, 5 lights
  enum Kind { POLY, ELLIPSE, CAPSULE, RECT } kind;
  std::vector<V2> pts;  // POLY: outline; ELLIPSE: centre, radii; CAPSULE: a, b, (r, 0); RECT: min, max
  Col colour;
  float bevel;
  bool subtract = false;
};

struct Design {
  std::vector<Part> parts;
  std::vector<std::pair<V2, float>> glows;  // ship coords, radius
  Col glowColour;
  std::vector<std::pair<V2, V2>> seams;     // panel lines
  std::vector<std::pair<V2, Col>> lights;   // small lamps
  std::vector<std::pair<V2, V2>> vents;     // dark grilles: centre, half size
  float stripeFrom = 0, stripeTo = 0;       // wing stripe band, as |x| in ship pixels
};

void Mirror(Design& d, const Part& p) {
  d.parts.push_back(p);
  Part q = p;
  for (auto& v : q.pts)
    if (!(p.kind == Part::CAPSULE && &v == &q.pts[2]) && !(p.kind == Part::ELLIPSE && &v == &q.pts[1]))
      v.x = -v.x;
  if (p.kind == Part::RECT) std::swap(q.pts[0].x, q.pts[1].x);
  if (p.kind == Part::POLY) std::reverse(q.pts.begin(), q.pts.end());
  d.parts.push_back(q);
}

Part Poly(int layer, std::vector<V2> pts, Col c, float bevel = 2.0f) {
  return {layer, Part::POLY, std::move(pts), c, bevel};
}
Part Ell(int layer, V2 c, float rx, float ry, Col col, float bevel = 2.0f) {
  return {layer, Part::ELLIPSE, {c, {rx, ry}}, col, bevel};
}
Part Cap(int layer, V2 a, V2 b, float r, Col col, float bevel = 1.0f) {
  return {layer, Part::CAPSULE, {a, b, {r, 0}}, col, bevel};
}

// The hull of one ship type in ship coordinates; frame selects animation.
Design BuildDesign(int type, int frame) {
  const auto& sz = qw2media::kShipPictures[type].body;
  const ShipMounts& m = MountsOf(type);
  const Look& look = kLooks[type];
  Design d;
  d.glowColour = look.glow;
  float hw = sz.width / 2.0f - 1.0f, hh = sz.height / 2.0f - 1.0f;
  float nose = std::max(-hh, m.noseY);
  float rear = -1e9f;
  for (auto& e : m.engines) rear = std::max(rear, e.y);
  rear = std::min(hh, rear + 1.0f);
  float len = rear - nose;
  float fw = std::max(3.0f, hw * look.waist);
  Col hull = look.hull, trim = look.trim;
  Col dark = scaled(hull, 0.55f);
  Col metal = rgb(120, 124, 132);
  Col gun = rgb(92, 96, 106);
  Rng rng(static_cast<uint64_t>(type) * 7919u);

  // Special bodies first.
  if (type == 17) {
    // The demon stretches as it changes weapon mode: the tail and the engine
    // move back with the frame.
    rear = std::min(hh, 18.0f + frame + 2.0f);
    len = rear - nose;
  }

  switch (look.family) {
    case DART: {
      float sh = nose + len * 0.38f;
      d.parts.push_back(Poly(1,
                             {{0, nose},
                              {fw * 0.55f, nose + len * 0.16f},
                              {fw, sh},
                              {fw * 0.9f, rear - 3},
                              {fw * 0.6f, rear},
                              {-fw * 0.6f, rear},
                              {-fw * 0.9f, rear - 3},
                              {-fw, sh},
                              {-fw * 0.55f, nose + len * 0.16f}},
                             hull, std::max(1.5f, fw * 0.35f)));
      if (look.wings == 1)
        Mirror(d, Poly(0, {{fw * 0.8f, sh}, {hw, rear - len * 0.05f}, {hw * 0.95f, rear}, {fw * 0.7f, rear - len * 0.1f}},
                       trim, 1.5f));
      else if (look.wings == 2)
        Mirror(d, Poly(0, {{fw * 0.8f, sh + len * 0.08f}, {hw, sh + len * 0.12f}, {hw, rear - len * 0.15f},
                           {fw * 0.8f, rear - len * 0.08f}},
                       trim, 1.5f));
      break;
    }
    case DELTA: {
      d.parts.push_back(Poly(0,
                             {{0, nose + len * 0.1f},
                              {hw, rear - len * 0.06f},
                              {hw * 0.92f, rear},
                              {fw * 0.7f, rear - len * 0.14f},
                              {-fw * 0.7f, rear - len * 0.14f},
                              {-hw * 0.92f, rear},
                              {-hw, rear - len * 0.06f}},
                             trim, 2.0f));
      d.parts.push_back(Poly(1,
                             {{0, nose},
                              {fw * 0.6f, nose + len * 0.25f},
                              {fw, rear - len * 0.2f},
                              {fw * 0.75f, rear},
                              {-fw * 0.75f, rear},
                              {-fw, rear - len * 0.2f},
                              {-fw * 0.6f, nose + len * 0.25f}},
                             hull, std::max(1.5f, fw * 0.4f)));
      break;
    }
    case SAUCER: {
      float r = std::min(hw, hh) * 0.96f;
      float cy = (nose + rear) * 0.5f;
      if (type == 6 || type == 13) cy = 0;
      d.parts.push_back(Ell(0, {0, cy}, r, r * (type == 9 || type == 34 ? 0.9f : 1.0f), trim, r * 0.25f));
      d.parts.push_back(Ell(1, {0, cy}, r * 0.78f, r * 0.78f, hull, r * 0.35f));
      for (int i = 0; i < 8; ++i) {
        float a = i * 3.14159265f / 4 + 0.39f;
        d.seams.push_back({{std::cos(a) * r * 0.8f, cy + std::sin(a) * r * 0.8f},
                           {std::cos(a) * r * 0.97f, cy + std::sin(a) * r * 0.97f}});
      }
      break;
    }
    case BLOCK: {
      float c = std::max(2.0f, fw * 0.35f);
      float bw = std::max(fw, hw * look.waist);
      d.parts.push_back(Poly(1,
                             {{-bw * 0.55f, nose},
                              {bw * 0.55f, nose},
                              {bw, nose + c * 1.6f},
                              {bw, rear - c},
                              {bw - c, rear},
                              {-bw + c, rear},
                              {-bw, rear - c},
                              {-bw, nose + c * 1.6f}},
                             hull, std::max(2.0f, bw * 0.22f)));
      if (look.wings == 2) {
        float py = nose + len * 0.45f;
        Mirror(d, Poly(0, {{bw - 1, py}, {hw, py + len * 0.08f}, {hw, rear - len * 0.08f}, {bw - 1, rear - len * 0.02f}},
                       trim, 2.0f));
      }
      for (int i = 1; i < 4; ++i) {
        float y = nose + len * i / 4.0f;
        d.seams.push_back({{-bw * 0.8f, y}, {bw * 0.8f, y}});
      }
      break;
    }
    case CLAW: {
      // A central hull with two forward prongs that carry the main guns.
      float px = 0;
      float py = nose;
      for (auto& g : m.primary) {
        px = std::max(px, std::abs(g.x));
        py = std::min(py, g.y);
      }
      if (type == 40) px = 14;
      d.parts.push_back(Poly(1,
                             {{0, nose},
                              {fw * 0.7f, nose + len * 0.12f},
                              {fw, nose + len * 0.45f},
                              {fw * 0.8f, rear},
                              {-fw * 0.8f, rear},
                              {-fw, nose + len * 0.45f},
                              {-fw * 0.7f, nose + len * 0.12f}},
                             hull, std::max(2.0f, fw * 0.4f)));
      float pw = std::max(3.0f, hw * 0.13f);
      Mirror(d, Poly(0,
                     {{px - pw * 0.4f, py - 2},
                      {px + pw * 0.6f, py + 2},
                      {px + pw, nose + len * 0.45f},
                      {hw, rear - len * 0.25f},
                      {hw * 0.85f, rear - len * 0.08f},
                      {fw * 0.6f, rear - len * 0.2f},
                      {px - pw, py + len * 0.2f}},
                     trim, 2.0f));
      break;
    }
    case ORGANIC: {
      int segs = 3 + static_cast<int>(len / 22);
      for (int i = 0; i < segs; ++i) {
        float t = (i + 0.5f) / segs;
        float y = nose + len * t;
        float w = fw * (0.55f + 0.45f * std::sin(3.14159f * (0.15f + 0.8f * t)));
        float ry = len / segs * 0.72f;
        d.parts.push_back(Ell(i % 2 ? 2 : 1, {0, y}, w, ry, i % 2 ? scaled(hull, 0.85f) : hull, std::max(1.5f, w * 0.5f)));
      }
      d.parts.push_back(Ell(1, {0, nose + len * 0.12f}, fw * 0.6f, len * 0.14f, hull, fw * 0.3f));
      if (type == 14) {  // the bull's horns
        Mirror(d, Poly(0, {{fw * 0.4f, nose + len * 0.18f}, {hw, nose + 2}, {hw * 0.9f, nose + 6}, {fw * 0.7f, nose + len * 0.25f}},
                       trim, 1.0f));
      }
      if (type == 20) {  // the xarquid trails its tentacles
        for (int i = 0; i < 3; ++i) {
          V2 a{fw * 0.5f, rear - len * (0.45f - 0.08f * i)};
          V2 m{hw - 3.0f - 2.0f * i, rear - len * (0.32f - 0.1f * i)};
          V2 b{hw - 6.0f - 3.0f * i, hh - 1.5f - 3.0f * i};
          Mirror(d, Cap(0, a, m, 1.8f, trim, 0.8f));
          Mirror(d, Cap(0, m, b, 1.3f, trim, 0.6f));
        }
      }
      if (look.wings == 1)
        Mirror(d, Poly(0, {{fw * 0.6f, nose + len * 0.3f}, {hw, nose + len * 0.55f}, {hw * 0.8f, nose + len * 0.7f},
                           {fw * 0.6f, nose + len * 0.6f}},
                       trim, 1.5f));
      if (look.wings == 3) {
        // Type 17's wings sweep back as it changes mode (body frames 1 to 7).
        float sweep = type == 17 ? 0.06f * (std::max(1, frame) - 1) : 0.0f;
        Mirror(d, Poly(0, {{fw * 0.6f, nose + len * 0.55f}, {hw, nose + len * (0.2f + sweep)},
                           {hw * 0.9f, nose + len * (0.4f + sweep)}, {fw * 0.6f, nose + len * 0.75f}},
                       trim, 1.5f));
      }
      break;
    }
    case ARROW: {
      d.parts.push_back(Poly(1,
                             {{0, nose},
                              {fw * 0.5f, nose + len * 0.3f},
                              {fw, rear - len * 0.25f},
                              {fw * 0.5f, rear},
                              {-fw * 0.5f, rear},
                              {-fw, rear - len * 0.25f},
                              {-fw * 0.5f, nose + len * 0.3f}},
                             hull, std::max(1.5f, fw * 0.45f)));
      if (look.wings == 3)
        Mirror(d, Poly(0, {{fw * 0.5f, nose + len * 0.55f}, {hw, nose + len * 0.25f}, {hw, nose + len * 0.4f},
                           {fw * 0.7f, rear - len * 0.05f}},
                       trim, 1.5f));
      else
        Mirror(d, Poly(0, {{fw * 0.5f, nose + len * 0.3f}, {hw, rear - len * 0.12f}, {hw * 0.7f, rear - len * 0.04f},
                           {fw * 0.4f, rear - len * 0.2f}},
                       trim, 1.5f));
      if (type == 26) {  // crystal spines that grow with the frame
        float g = 0.5f + 0.12f * std::max(1, frame);
        for (int i = 0; i < 3; ++i)
          Mirror(d, Poly(2, {{fw * 0.3f, nose + len * (0.35f + 0.15f * i)},
                             {std::min(hw, fw * 0.3f + hw * g * (0.8f - 0.2f * i)), nose + len * (0.25f + 0.15f * i)},
                             {fw * 0.4f, nose + len * (0.45f + 0.15f * i)}},
                         rgb(200, 245, 255), 1.0f));
      }
      break;
    }
  }

  // Engines: a nacelle ending in a nozzle at each engine point.
  for (auto& e : m.engines) {
    float ey = std::min(hh - 0.5f, e.y);
    float nw = std::clamp(len * 0.07f, 2.0f, 9.0f);
    float nl = std::clamp(len * 0.16f, 4.0f, 18.0f);
    d.parts.push_back(Poly(2, {{e.x - nw, ey - nl}, {e.x + nw, ey - nl}, {e.x + nw * 0.9f, ey}, {e.x - nw * 0.9f, ey}},
                           metal, std::max(1.0f, nw * 0.5f)));
    d.parts.push_back(Ell(5, {e.x, ey - 0.5f}, nw * 0.7f, std::max(1.0f, nw * 0.35f), rgb(30, 24, 30), 0.5f));
    d.glows.push_back({{e.x, ey - 0.5f}, nw * 1.3f});
  }

  // Guns at the muzzles, pointing along their angles.
  auto addGuns = [&](const std::vector<Mount>& list, bool primary) {
    for (auto& g : list) {
      float a = g.angle * 3.14159265f / 180.0f;
      V2 dir{std::sin(a), -std::cos(a)};
      float bl = std::clamp(len * 0.12f, 3.0f, 14.0f) * (primary ? 1.0f : 0.8f);
      float br = std::clamp(len * 0.025f, 1.0f, 2.5f);
      V2 tip{g.x, g.y};
      V2 back = tip - dir * bl;
      if (std::abs(g.x) > fw * 0.7f && look.family != SAUCER) {
        // A strut from the hull carries a gun that sits outside it.
        float sx = g.x > 0 ? 1.0f : -1.0f;
        float pw = std::max(1.2f, len * 0.025f);
        float ya = std::clamp(back.y + bl * 0.6f, nose + len * 0.25f, rear - len * 0.2f);
        d.parts.push_back(Poly(0,
                               {{back.x - pw, back.y - pw}, {back.x + pw, back.y - pw}, {back.x + pw, back.y + pw * 2.5f},
                                {sx * fw * 0.5f, ya + pw * 3}, {sx * fw * 0.5f, ya - pw * 1.5f}},
                               scaled(trim, 0.75f), 1.0f));
      }
      d.parts.push_back(Cap(3, back, tip, br, gun, 0.8f));
      d.parts.push_back(Ell(3, back, br * 1.8f, br * 1.8f, mix(gun, trim, 0.3f), br));
    }
  };
  if (type != 4 && type != 3) addGuns(m.primary, true);
  if (type == 3) {
    // The cannon king's gun row: one long battery across the bow.
    d.parts.push_back(Poly(3, {{-30, -16}, {30, -16}, {30, -10}, {-30, -10}}, gun, 1.5f));
    for (int k = 0; k < 15; ++k)
      d.parts.push_back(Cap(3, {-28.0f + 4 * k, -12}, {-28.0f + 4 * k, -15.5f}, 1.0f, rgb(60, 62, 70), 0.5f));
  }
  if (type == 4) {
    Mirror(d, Cap(3, {32, -24}, {32, -40}, 2.5f, gun, 1.0f));
  }
  bool secGuns = type == 1 || type == 8 || type == 10 || type == 15 || type == 21 || type == 24 || type == 25 ||
                 type == 28 || type == 29 || type == 33 || type == 34 || type == 35 || type == 40 ||
                 type == 22;
  if (secGuns) addGuns(m.secondary, false);

  if (type == 16) {
    // The spiker bristles with thorns along its flanks.
    for (int i = 0; i < 3; ++i) {
      float y = nose + len * (0.35f + 0.2f * i);
      Mirror(d, Poly(0, {{fw * 0.8f, y - 2.5f}, {hw, y + 1.5f - i}, {fw * 0.8f, y + 2.5f}}, rgb(220, 230, 235), 0.8f));
    }
  }
  if (type == 3) {
    // The shield projector reaches ahead of the gun row.
    d.parts.push_back(Cap(2, {0, -13}, {0, -30}, 1.8f, metal, 0.8f));
    d.parts.push_back(Ell(5, {0, -30.5f}, 2.4f, 2.4f, rgb(120, 200, 255), 1.0f));
  }
  if (type == 12) {
    // A crystal spike that launches the spinner.
    d.parts.push_back(Poly(2, {{0, -31}, {3, -16}, {-3, -16}}, rgb(170, 240, 255), 1.2f));
  }
  if (type == 39) {
    // The station is released from a boom behind the engine.
    d.parts.push_back(Poly(1, {{-4, rear - 4}, {4, rear - 4}, {3, 38}, {-3, 38}}, scaled(hull, 0.9f), 1.5f));
    d.parts.push_back(Ell(2, {0, 37}, 6, 3, metal, 1.5f));
  }
  if (type == 22) {
    // The flagship: a bridge tower, a hangar slot and turret domes.
    d.parts.push_back(Poly(2, {{-12, 8}, {12, 8}, {14, 30}, {-14, 30}}, scaled(hull, 1.1f), 3.0f));
    d.parts.push_back(Poly(2, {{-7, 12}, {7, 12}, {8, 24}, {-8, 24}}, scaled(hull, 1.25f), 2.0f));
    d.vents.push_back({{0, -20}, {9, 2}});
    for (float y : {-50.0f, -10.0f, 44.0f})
      for (float sx : {-1.0f, 1.0f}) {
        V2 c{sx * 19, y};
        d.parts.push_back(Ell(3, c, 5, 5, rgb(110, 116, 128), 2.0f));
        d.parts.push_back(Cap(3, c, {c.x, c.y - 9}, 1.2f, rgb(80, 84, 94), 0.6f));
      }
  }
  if (type == 35) {
    // The merchantman carries rows of cargo containers.
    const Col cargo[3] = {rgb(170, 70, 50), rgb(70, 120, 160), rgb(190, 160, 70)};
    for (int i = 0; i < 6; ++i)
      for (float sx : {-1.0f, 1.0f}) {
        float y = -24 + i * 13.0f;
        d.parts.push_back(Poly(2, {{sx * 33, y}, {sx * 46, y}, {sx * 46, y + 11}, {sx * 33, y + 11}}, cargo[(i + (sx > 0)) % 3], 1.5f));
      }
    d.parts.push_back(Poly(2, {{-10, 30}, {10, 30}, {11, 48}, {-11, 48}}, scaled(hull, 1.15f), 3.0f));
  }
  // Canopy: a glass dome behind the nose.
  if (type != 17) {
    float cw = std::clamp(fw * 0.42f, 1.5f, len > 100 ? 6.0f : 10.0f);
    float ch = std::clamp(len * 0.12f, 2.0f, len > 100 ? 9.0f : 16.0f);
    float cy = nose + len * (look.family == SAUCER ? 0.5f : 0.26f);
    if (look.family == SAUCER) ch = cw;
    if (type == 40) cy = nose + 26;
    d.parts.push_back(Ell(4, {0, cy}, cw, ch, mix(rgb(24, 44, 90), look.glow, 0.22f), std::max(1.0f, cw * 0.8f)));
  }
  if (type == 17) {
    // The demon's eyes glow under its turret.
    Mirror(d, Ell(5, {5, nose + 6}, 1.6f, 1.2f, rgb(255, 200, 60), 0.5f));
  }
  if (type == 16 && frame == 2) {
    d.parts.push_back(Poly(3, {{0, -hh}, {2.5f, nose + 2}, {-2.5f, nose + 2}}, rgb(220, 230, 235), 1.0f));
  }
  if (type == 31 && frame >= 1) {
    // The drill: a cone whose grooves turn with the frame.
    d.parts.push_back(Poly(3, {{0, -hh}, {5, nose + 5}, {-5, nose + 5}}, rgb(170, 170, 180), 1.5f));
    for (int i = 0; i < 3; ++i) {
      float t = (i + (frame - 1) / 3.0f) / 3.0f;
      float y = -hh + 2 + t * (nose + 5 + hh - 2);
      float w = 5 * (y + hh) / (nose + 5 + hh);
      d.seams.push_back({{-w, y + 1}, {w, y - 1}});
    }
  }
  // Panel seams across the fuselage and down its spine.
  if (look.family != SAUCER) {
    for (float f : {0.42f, 0.6f, 0.78f}) d.seams.push_back({{-fw, nose + len * f}, {fw, nose + len * f}});
    d.seams.push_back({{0, nose + len * 0.4f}, {0, rear - len * 0.05f}});
  }
  // Grilles by the engines.
  if (len > 26) {
    float vy = rear - len * 0.26f;
    float vx = std::max(2.0f, fw * 0.45f);
    d.vents.push_back({{vx, vy}, {std::max(0.8f, fw * 0.12f), std::max(0.5f, len * 0.022f)}});
    d.vents.push_back({{-vx, vy}, {std::max(0.8f, fw * 0.12f), std::max(0.5f, len * 0.022f)}});
  }
  // Navigation lamps at the tips of the wings (red to port, green to starboard).
  float tipX = 0, tipY = 0;
  for (auto& p : d.parts)
    if (p.layer == 0 && p.kind == Part::POLY)
      for (auto& v : p.pts)
        if (v.x > tipX) {
          tipX = v.x;
          tipY = v.y;
        }
  if (tipX > fw * 1.2f) {
    float inset = std::min(2.5f, tipX * 0.08f);
    d.lights.push_back({{tipX - inset, tipY + inset * 0.5f}, rgb(90, 255, 110)});
    d.lights.push_back({{-(tipX - inset), tipY + inset * 0.5f}, rgb(255, 70, 60)});
    d.stripeFrom = fw + (tipX - fw) * 0.45f;
    d.stripeTo = fw + (tipX - fw) * 0.62f;
  }
  (void)rng;
  (void)dark;
  return d;
}

V2 ToImage(V2 p, float scale, int w, int h) { return {p.x * scale + w / 2, p.y * scale + h / 2}; }

}  // namespace

namespace {
Image RenderShipRaw(int type, int frame, float scale, bool detailed, int minLayer = 0);
}

Image RenderShipDetails(int type, int frame) {
  Image img = RenderShipRaw(type, frame, 1.0f, false, 2);
  return img;
}

Image RenderShipPicture(int type, int frame, float scale, bool detailed) {
  if (!detailed) {
    Image img = RenderShipRaw(type, frame, scale, false);
    Outline(img, rgb(14, 14, 20, 0.9f), 0.45f);
    return img;
  }
  // Large pictures are drawn twice as big and reduced, for smooth edges.
  const auto& sz = qw2media::kShipPictures[type].body;
  int w = static_cast<int>(std::lround(sz.width * scale));
  int h = static_cast<int>(std::lround(sz.height * scale));
  Image img = RenderShipRaw(type, frame, scale * 2, true).scaledTo(w, h);
  Outline(img, rgb(14, 14, 20, 0.9f), 0.45f);
  return img;
}

namespace {

Image RenderShipRaw(int type, int frame, float scale, bool detailed, int minLayer) {
  const auto& sz = qw2media::kShipPictures[type].body;
  int w = static_cast<int>(std::lround(sz.width * scale));
  int h = static_cast<int>(std::lround(sz.height * scale));
  if (scale == 1.0f) {
    w = sz.width;
    h = sz.height;
  }
  Design d = BuildDesign(type, frame);
  Image img(w, h);
  Rng noise(static_cast<uint64_t>(type) * 131u + 7);
  // Plating: panels of slightly different brightness and a fine mottle,
  // laid out in ship coordinates so every size shows the same plates.
  std::vector<float> tone(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float sx = (x + 0.5f - w / 2.0f) / scale, sy = (y + 0.5f - h / 2.0f) / scale;
      int px = static_cast<int>(std::floor(std::abs(sx) / 7.0f)), py = static_cast<int>(std::floor((sy + 100) / 9.0f));
      uint32_t hsh = static_cast<uint32_t>(px * 73856093) ^ static_cast<uint32_t>(py * 19349663) ^ static_cast<uint32_t>(type * 83492791);
      hsh = (hsh ^ (hsh >> 13)) * 1274126177u;
      float panel = 0.95f + 0.09f * ((hsh >> 8) & 255) / 255.0f;
      float mottle = 0.94f + 0.12f * Fbm(sx * 0.35f, sy * 0.35f, static_cast<uint32_t>(type), 3);
      tone[static_cast<size_t>(y) * w + x] = panel * mottle;
    }
  (void)noise;
  for (int layer = minLayer; layer <= 5; ++layer) {
    // Parts of a layer are lit one colour group at a time.
    std::vector<const Part*> group;
    for (auto& p : d.parts)
      if (p.layer == layer) group.push_back(&p);
    for (const Part* p : group) {
      Mask mk(w, h);
      std::vector<V2> pts;
      for (auto& v : p->pts) pts.push_back(v);
      switch (p->kind) {
        case Part::POLY: {
          std::vector<V2> q;
          for (auto& v : pts) q.push_back(ToImage(v, scale, w, h));
          MaskPolygon(mk, q);
          break;
        }
        case Part::ELLIPSE:
          MaskEllipse(mk, ToImage(pts[0], scale, w, h), pts[1].x * scale, pts[1].y * scale);
          break;
        case Part::CAPSULE:
          MaskCapsule(mk, ToImage(pts[0], scale, w, h), ToImage(pts[1], scale, w, h), pts[2].x * scale);
          break;
        case Part::RECT: {
          V2 a = ToImage(pts[0], scale, w, h), b = ToImage(pts[1], scale, w, h);
          MaskRect(mk, std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y));
          break;
        }
      }
      Material mat;
      mat.base = p->colour;
      mat.bevel = std::max(0.8f, p->bevel * scale);
      if (layer == 4) {
        mat.specular = 0.9f;
        mat.shininess = 30;
        mat.dome = 0.6f;
        mat.ambient = 0.6f;
      } else if (layer == 3) {
        mat.specular = 0.6f;
        mat.shininess = 24;
      }
      PaintLit(img, mk, mat, [&](int x, int y) {
        float t = layer <= 1 ? tone[static_cast<size_t>(y) * w + x] : 1.0f;
        if (layer == 0 && d.stripeTo > 0) {
          float ax = std::abs((x + 0.5f - w / 2.0f) / scale);
          if (ax >= d.stripeFrom && ax <= d.stripeTo) t *= 0.55f;
        }
        // Slightly darker toward the stern.
        float fy = static_cast<float>(y) / h;
        return t * (1.06f - 0.14f * fy);
      });
    }
    if (layer == 1) {
      // Panel seams on the hull.
      for (auto& s : d.seams) {
        Mask mk(w, h);
        MaskCapsule(mk, ToImage(s.first, scale, w, h), ToImage(s.second, scale, w, h), std::max(0.35f, 0.45f * scale));
        Mask hullOnly = mk;
        for (size_t i = 0; i < mk.v.size(); ++i) hullOnly.v[i] = img.pixels()[i].a > 0.5f ? mk.v[i] : 0.0f;
        PaintMask(img, hullOnly, rgb(0, 0, 0, 0.35f));
      }
      for (auto& v : d.vents) {
        V2 c = ToImage(v.first, scale, w, h);
        float hx = v.second.x * scale, hy = v.second.y * scale;
        Mask mk(w, h);
        MaskRect(mk, c.x - hx, c.y - hy, c.x + hx, c.y + hy);
        PaintMask(img, mk, rgb(10, 10, 14, 0.5f));
        if (scale >= 2) {
          // Louvres.
          for (float yy = c.y - hy + scale; yy < c.y + hy; yy += 1.5f * scale) {
            Mask l(w, h);
            MaskRect(l, c.x - hx + 0.5f, yy, c.x + hx - 0.5f, yy + 0.5f * scale);
            PaintMask(img, l, rgb(120, 120, 130, 0.6f));
          }
        }
      }
    }
  }
  // Engine glow inside the nozzles.
  for (auto& g : d.glows) {
    V2 c = ToImage(g.first, scale, w, h);
    Glow(img, c, g.second * scale, d.glowColour, 0.9f, 1.5f);
    Glow(img, c, g.second * scale * 0.5f, rgb(255, 255, 240), 0.8f, 1.2f);
  }
  for (auto& l : d.lights) {
    V2 c = ToImage(l.first, scale, w, h);
    if (c.x < 0 || c.y < 0 || c.x >= w || c.y >= h || img.at(static_cast<int>(c.x), static_cast<int>(c.y)).a < 0.5f) continue;
    Mask mk(w, h);
    MaskEllipse(mk, c, std::max(0.7f, 0.8f * scale), std::max(0.7f, 0.8f * scale));
    PaintMask(img, mk, l.second);
    if (scale >= 2) Glow(img, c, 2.2f * scale, l.second, 0.6f, 1.5f);
  }
  if (detailed) {
    // Rivets along the panel seams of the hull, and scuffs on the plating.
    Rng wear(static_cast<uint64_t>(type) * 977 + 5);
    for (auto& sm : d.seams) {
      V2 a = ToImage(sm.first, scale, w, h), b = ToImage(sm.second, scale, w, h);
      float L = std::hypot(b.x - a.x, b.y - a.y);
      float step = std::max(6.0f, 3.0f * scale);
      for (float u = step * 0.5f; u < L; u += step) {
        V2 p = a + (b - a) * (u / L);
        V2 q = {p.x + (b.y - a.y) / L * 0.9f * scale, p.y - (b.x - a.x) / L * 0.9f * scale};
        int px = static_cast<int>(q.x), py = static_cast<int>(q.y);
        if (px < 1 || py < 1 || px >= w - 1 || py >= h - 1 || img.at(px, py).a < 0.95f) continue;
        Mask mk(w, h);
        MaskEllipse(mk, q, 0.35f * scale, 0.35f * scale);
        PaintMask(img, mk, rgb(255, 255, 255, 0.3f));
      }
    }
    for (int i = 0; i < 40; ++i) {
      V2 p{wear.range(0, static_cast<float>(w)), wear.range(0, static_cast<float>(h))};
      int px = static_cast<int>(p.x), py = static_cast<int>(p.y);
      if (px < 0 || py < 0 || px >= w || py >= h || img.at(px, py).a < 0.95f) continue;
      float ang = wear.range(0, 6.2831853f), len2 = wear.range(1.0f, 3.0f) * scale;
      Mask mk(w, h);
      MaskCapsule(mk, p, {p.x + std::cos(ang) * len2, p.y + std::sin(ang) * len2}, 0.2f * scale);
      for (size_t k = 0; k < mk.v.size(); ++k)
        if (img.pixels()[k].a < 0.95f) mk.v[k] = 0;
      PaintMask(img, mk, rgb(0, 0, 0, 0.18f));
    }
    // Engine halos.
    for (auto& g : d.glows) Glow(img, ToImage(g.first, scale, w, h), g.second * scale * 2.2f, d.glowColour, 0.35f, 2.0f);
  }
  return img;
}

}  // namespace

namespace {

std::string N(int v) { return std::to_string(v); }

float BigScale(int type) {
  const auto& sz = qw2media::kShipPictures[type].body;
  float s = std::min(static_cast<float>(qw2media::kBigPictureMax.width) / sz.width,
                     static_cast<float>(qw2media::kBigPictureMax.height) / sz.height);
  return std::min(s, 4.5f);
}

std::vector<uint8_t> MakeMiniPictures() {
  Image strip(56 * 40, 56);
  for (int t = 1; t <= 40; ++t) {
    const auto& sz = qw2media::kShipPictures[t].body;
    float s = std::min(50.0f / sz.width, 50.0f / sz.height);
    s = std::min(s, 2.0f);
    Image pic = RenderShipPicture(t, t == 26 ? 2 : 1, s, false);
    strip.draw(pic, (t - 1) * 56 + (56 - pic.w()) / 2, (56 - pic.h()) / 2);
  }
  return EncodePngMasked(strip, kMagenta);
}

}  // namespace

void AddShipFiles(MediaList& list) {
  for (int t = 1; t <= 40; ++t) {
    const auto& sp = qw2media::kShipPictures[t];
    list.push_back({"gfx\\ship" + N(t) + "-b.png", [t] {
                      Image img = RenderShipPicture(t, t == 26 ? 2 : 1, BigScale(t), true);
                      return EncodePngMasked(img, kMagenta);
                    }});
    for (int k = 1; k <= sp.bodyFrames; ++k)
      list.push_back({"gfx\\ship" + N(t) + "_" + N(k) + ".png",
                      [t, k] { return EncodePngMasked(RenderShipPicture(t, k, 1.0f, false), kMagenta); }});
    for (int k = 1; k <= sp.primaryCount; ++k)
      list.push_back({"gfx\\ship" + N(t) + "a_" + N(k) + ".png",
                      [t, k] { return EncodePngMasked(WeaponPicture(t, 1, k), kMagenta); }});
    for (int k = 1; k <= sp.secondaryCount; ++k) {
      int number = t == 27 ? 2 : k;  // type 27 has only its second picture
      list.push_back({"gfx\\ship" + N(t) + "b_" + N(number) + ".png",
                      [t, k] { return EncodePngMasked(WeaponPicture(t, 2, k), kMagenta); }});
    }
    for (int k = 1; k <= sp.specialCount; ++k)
      list.push_back({"gfx\\ship" + N(t) + "s_" + N(k) + ".png",
                      [t, k] { return EncodePngMasked(WeaponPicture(t, 3, k), kMagenta); }});
  }
  // Two pictures are embedded but never loaded: an early body of type 35 and
  // an early secondary picture of type 38.
  list.push_back({"gfx\\ship35_1x.png", [] { return EncodePngMasked(RenderShipPicture(35, 1, 1.0f, true), kMagenta); }});
  list.push_back({"gfx\\ship38b.png", [] { return EncodePngMasked(WeaponPicture(38, 2, 1), kMagenta); }});
  list.push_back({"gfx\\minpics.png", [] { return MakeMiniPictures(); }});
}

}  // namespace gen
