// Ship pictures: the body frames, the large shop pictures and the small
// fleet pictures, all drawn from one description per ship type.
#include "catalogue/ships.hpp"

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

// clang-format off
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
// clang-format on

const Col kMetal = rgb(120, 124, 132);  // nacelles and booms
const Col kGunMetal = rgb(92, 96, 106);

struct Part {
  int layer;  // 0 wings, 1 hull, 2 pods/engines, 3 guns, 4 canopy, 5 lights
  enum Kind { POLY, ELLIPSE, CAPSULE, RECT } kind;
  // POLY: outline; ELLIPSE: centre, radii; CAPSULE: a, b, (r, 0); RECT: min, max
  std::vector<V2> pts;
  Col colour;
  float bevel;
  bool subtract = false;
};

struct Design {
  std::vector<Part> parts;
  std::vector<std::pair<V2, float>> glows;  // ship coords, radius
  Col glowColour;
  std::vector<std::pair<V2, V2>> seams;    // panel lines
  std::vector<std::pair<V2, Col>> lights;  // small lamps
  std::vector<std::pair<V2, V2>> vents;    // dark grilles: centre, half size
  float stripeFrom = 0, stripeTo = 0;      // wing stripe band, as |x| in ship pixels
};

Part Poly(int layer, std::vector<V2> pts, Col c, float bevel = 2.0f) {
  return {layer, Part::POLY, std::move(pts), c, bevel};
}
Part Ell(int layer, V2 c, float rx, float ry, Col col, float bevel = 2.0f) {
  return {layer, Part::ELLIPSE, {c, {rx, ry}}, col, bevel};
}
Part Cap(int layer, V2 a, V2 b, float r, Col col, float bevel = 1.0f) {
  return {layer, Part::CAPSULE, {a, b, {r, 0}}, col, bevel};
}

// The types whose secondary weapon leaves from guns of its own.
bool HasSecondaryGuns(int type) {
  for (int t :
       {SHIP_REGAL, SHIP_FASER, SHIP_FEDZIE, SHIP_SPETH, SHIP_ITHUS, SHIP_DRONT, SHIP_GROK,
        SHIP_FITH, SHIP_SERGER, SHIP_TREEK, SHIP_WENDE, SHIP_SERAX, SHIP_BIRKEN, SHIP_SJUOG})
    if (t == type) return true;
  return false;
}

// Lays out the design of one ship type in ship coordinates (y toward the
// stern): the family's hull, then the engines, the guns, the type's own
// fittings, the canopy and the small details. frame selects animation.
class DesignBuilder {
 public:
  DesignBuilder(int type, int frame);
  Design Build();

 private:
  void Add(const Part& p) { design.parts.push_back(p); }
  // Adds the part and its mirror image across the ship's centre line.
  void Mirror(const Part& p);

  void DartHull();
  void DeltaHull();
  void SaucerHull();
  void BlockHull();
  void ClawHull();
  void OrganicHull();
  void ArrowHull();
  void Engines();
  void GunsAt(const std::vector<Mount>& list, bool primary);
  void Guns();
  void OwnFittings();
  void Canopy();
  void MovingParts();
  void SeamsAndVents();
  void NavigationLamps();

  const int type, frame;
  const ShipMounts& mounts;
  const Look& look;
  float halfWidth, halfHeight;  // of the body picture, less a pixel
  float nose, rear, length;     // the y of the bow and of the stern, and their distance
  float fuselage;               // half width of the fuselage
  Col hull, trim;
  Design design;
};

DesignBuilder::DesignBuilder(int type, int frame)
    : type(type), frame(frame), mounts(MountsOf(type)), look(kLooks[type]) {
  const auto& size = qw2media::kShipPictures[type].body;
  halfWidth = size.width / 2.0f - 1.0f;
  halfHeight = size.height / 2.0f - 1.0f;
  nose = std::max(-halfHeight, mounts.noseY);
  rear = -1e9f;
  for (auto& e : mounts.engines) rear = std::max(rear, e.y);
  rear = std::min(halfHeight, rear + 1.0f);
  length = rear - nose;
  fuselage = std::max(3.0f, halfWidth * look.waist);
  hull = look.hull;
  trim = look.trim;
  design.glowColour = look.glow;
  if (type == SHIP_IWOR) {
    // The demon stretches as it changes weapon mode: the tail and the engine
    // move back with the frame.
    rear = std::min(halfHeight, 18.0f + frame + 2.0f);
    length = rear - nose;
  }
}

void DesignBuilder::Mirror(const Part& p) {
  Add(p);
  Part q = p;
  for (auto& v : q.pts)
    if (!(p.kind == Part::CAPSULE && &v == &q.pts[2]) &&
        !(p.kind == Part::ELLIPSE && &v == &q.pts[1]))
      v.x = -v.x;
  if (p.kind == Part::RECT) std::swap(q.pts[0].x, q.pts[1].x);
  if (p.kind == Part::POLY) std::reverse(q.pts.begin(), q.pts.end());
  Add(q);
}

Design DesignBuilder::Build() {
  switch (look.family) {
    case DART:
      DartHull();
      break;
    case DELTA:
      DeltaHull();
      break;
    case SAUCER:
      SaucerHull();
      break;
    case BLOCK:
      BlockHull();
      break;
    case CLAW:
      ClawHull();
      break;
    case ORGANIC:
      OrganicHull();
      break;
    case ARROW:
      ArrowHull();
      break;
  }
  Engines();
  Guns();
  OwnFittings();
  Canopy();
  MovingParts();
  SeamsAndVents();
  NavigationLamps();
  return design;
}

void DesignBuilder::DartHull() {
  float shoulder = nose + length * 0.38f;
  Add(Poly(1,
           {{0, nose},
            {fuselage * 0.55f, nose + length * 0.16f},
            {fuselage, shoulder},
            {fuselage * 0.9f, rear - 3},
            {fuselage * 0.6f, rear},
            {-fuselage * 0.6f, rear},
            {-fuselage * 0.9f, rear - 3},
            {-fuselage, shoulder},
            {-fuselage * 0.55f, nose + length * 0.16f}},
           hull, std::max(1.5f, fuselage * 0.35f)));
  if (look.wings == 1)
    Mirror(Poly(0,
                {{fuselage * 0.8f, shoulder},
                 {halfWidth, rear - length * 0.05f},
                 {halfWidth * 0.95f, rear},
                 {fuselage * 0.7f, rear - length * 0.1f}},
                trim, 1.5f));
  else if (look.wings == 2)
    Mirror(Poly(0,
                {{fuselage * 0.8f, shoulder + length * 0.08f},
                 {halfWidth, shoulder + length * 0.12f},
                 {halfWidth, rear - length * 0.15f},
                 {fuselage * 0.8f, rear - length * 0.08f}},
                trim, 1.5f));
}

void DesignBuilder::DeltaHull() {
  Add(Poly(0,
           {{0, nose + length * 0.1f},
            {halfWidth, rear - length * 0.06f},
            {halfWidth * 0.92f, rear},
            {fuselage * 0.7f, rear - length * 0.14f},
            {-fuselage * 0.7f, rear - length * 0.14f},
            {-halfWidth * 0.92f, rear},
            {-halfWidth, rear - length * 0.06f}},
           trim, 2.0f));
  Add(Poly(1,
           {{0, nose},
            {fuselage * 0.6f, nose + length * 0.25f},
            {fuselage, rear - length * 0.2f},
            {fuselage * 0.75f, rear},
            {-fuselage * 0.75f, rear},
            {-fuselage, rear - length * 0.2f},
            {-fuselage * 0.6f, nose + length * 0.25f}},
           hull, std::max(1.5f, fuselage * 0.4f)));
}

void DesignBuilder::SaucerHull() {
  float radius = std::min(halfWidth, halfHeight) * 0.96f;
  float centreY = (nose + rear) * 0.5f;
  if (type == SHIP_DARBER || type == SHIP_GRATES) centreY = 0;
  float squash = type == SHIP_QOUL || type == SHIP_WENDE ? 0.9f : 1.0f;
  Add(Ell(0, {0, centreY}, radius, radius * squash, trim, radius * 0.25f));
  Add(Ell(1, {0, centreY}, radius * 0.78f, radius * 0.78f, hull, radius * 0.35f));
  for (int i = 0; i < 8; ++i) {
    float a = i * 3.14159265f / 4 + 0.39f;
    design.seams.push_back(
        {{std::cos(a) * radius * 0.8f, centreY + std::sin(a) * radius * 0.8f},
         {std::cos(a) * radius * 0.97f, centreY + std::sin(a) * radius * 0.97f}});
  }
}

void DesignBuilder::BlockHull() {
  float chamfer = std::max(2.0f, fuselage * 0.35f);
  float body = std::max(fuselage, halfWidth * look.waist);  // half width of the block
  Add(Poly(1,
           {{-body * 0.55f, nose},
            {body * 0.55f, nose},
            {body, nose + chamfer * 1.6f},
            {body, rear - chamfer},
            {body - chamfer, rear},
            {-body + chamfer, rear},
            {-body, rear - chamfer},
            {-body, nose + chamfer * 1.6f}},
           hull, std::max(2.0f, body * 0.22f)));
  if (look.wings == 2) {
    float podY = nose + length * 0.45f;
    Mirror(Poly(0,
                {{body - 1, podY},
                 {halfWidth, podY + length * 0.08f},
                 {halfWidth, rear - length * 0.08f},
                 {body - 1, rear - length * 0.02f}},
                trim, 2.0f));
  }
  for (int i = 1; i < 4; ++i) {
    float y = nose + length * i / 4.0f;
    design.seams.push_back({{-body * 0.8f, y}, {body * 0.8f, y}});
  }
}

// A central hull with two forward prongs that carry the main guns.
void DesignBuilder::ClawHull() {
  float prongX = 0;
  float prongY = nose;
  for (auto& g : mounts.primary) {
    prongX = std::max(prongX, std::abs(g.x));
    prongY = std::min(prongY, g.y);
  }
  if (type == SHIP_BIRKEN) prongX = 14;
  Add(Poly(1,
           {{0, nose},
            {fuselage * 0.7f, nose + length * 0.12f},
            {fuselage, nose + length * 0.45f},
            {fuselage * 0.8f, rear},
            {-fuselage * 0.8f, rear},
            {-fuselage, nose + length * 0.45f},
            {-fuselage * 0.7f, nose + length * 0.12f}},
           hull, std::max(2.0f, fuselage * 0.4f)));
  float prongWidth = std::max(3.0f, halfWidth * 0.13f);
  Mirror(Poly(0,
              {{prongX - prongWidth * 0.4f, prongY - 2},
               {prongX + prongWidth * 0.6f, prongY + 2},
               {prongX + prongWidth, nose + length * 0.45f},
               {halfWidth, rear - length * 0.25f},
               {halfWidth * 0.85f, rear - length * 0.08f},
               {fuselage * 0.6f, rear - length * 0.2f},
               {prongX - prongWidth, prongY + length * 0.2f}},
              trim, 2.0f));
}

void DesignBuilder::OrganicHull() {
  int segments = 3 + static_cast<int>(length / 22);
  for (int i = 0; i < segments; ++i) {
    float t = (i + 0.5f) / segments;
    float y = nose + length * t;
    float w = fuselage * (0.55f + 0.45f * std::sin(3.14159f * (0.15f + 0.8f * t)));
    float ry = length / segments * 0.72f;
    Add(Ell(i % 2 ? 2 : 1, {0, y}, w, ry, i % 2 ? scaled(hull, 0.85f) : hull,
            std::max(1.5f, w * 0.5f)));
  }
  Add(Ell(1, {0, nose + length * 0.12f}, fuselage * 0.6f, length * 0.14f, hull, fuselage * 0.3f));
  if (type == SHIP_SCALUS) {  // the bull's horns
    Mirror(Poly(0,
                {{fuselage * 0.4f, nose + length * 0.18f},
                 {halfWidth, nose + 2},
                 {halfWidth * 0.9f, nose + 6},
                 {fuselage * 0.7f, nose + length * 0.25f}},
                trim, 1.0f));
  }
  if (type == SHIP_TKHARZER) {  // the xarquid trails its tentacles
    for (int i = 0; i < 3; ++i) {
      V2 root{fuselage * 0.5f, rear - length * (0.45f - 0.08f * i)};
      V2 knee{halfWidth - 3.0f - 2.0f * i, rear - length * (0.32f - 0.1f * i)};
      V2 tip{halfWidth - 6.0f - 3.0f * i, halfHeight - 1.5f - 3.0f * i};
      Mirror(Cap(0, root, knee, 1.8f, trim, 0.8f));
      Mirror(Cap(0, knee, tip, 1.3f, trim, 0.6f));
    }
  }
  if (look.wings == 1)
    Mirror(Poly(0,
                {{fuselage * 0.6f, nose + length * 0.3f},
                 {halfWidth, nose + length * 0.55f},
                 {halfWidth * 0.8f, nose + length * 0.7f},
                 {fuselage * 0.6f, nose + length * 0.6f}},
                trim, 1.5f));
  if (look.wings == 3) {
    // The Iwor's wings sweep back as it changes mode (body frames 1 to 7).
    float sweep = type == SHIP_IWOR ? 0.06f * (std::max(1, frame) - 1) : 0.0f;
    Mirror(Poly(0,
                {{fuselage * 0.6f, nose + length * 0.55f},
                 {halfWidth, nose + length * (0.2f + sweep)},
                 {halfWidth * 0.9f, nose + length * (0.4f + sweep)},
                 {fuselage * 0.6f, nose + length * 0.75f}},
                trim, 1.5f));
  }
}

void DesignBuilder::ArrowHull() {
  Add(Poly(1,
           {{0, nose},
            {fuselage * 0.5f, nose + length * 0.3f},
            {fuselage, rear - length * 0.25f},
            {fuselage * 0.5f, rear},
            {-fuselage * 0.5f, rear},
            {-fuselage, rear - length * 0.25f},
            {-fuselage * 0.5f, nose + length * 0.3f}},
           hull, std::max(1.5f, fuselage * 0.45f)));
  if (look.wings == 3)
    Mirror(Poly(0,
                {{fuselage * 0.5f, nose + length * 0.55f},
                 {halfWidth, nose + length * 0.25f},
                 {halfWidth, nose + length * 0.4f},
                 {fuselage * 0.7f, rear - length * 0.05f}},
                trim, 1.5f));
  else
    Mirror(Poly(0,
                {{fuselage * 0.5f, nose + length * 0.3f},
                 {halfWidth, rear - length * 0.12f},
                 {halfWidth * 0.7f, rear - length * 0.04f},
                 {fuselage * 0.4f, rear - length * 0.2f}},
                trim, 1.5f));
  if (type == SHIP_TEMPER) {  // crystal spines that grow with the frame
    float growth = 0.5f + 0.12f * std::max(1, frame);
    for (int i = 0; i < 3; ++i)
      Mirror(Poly(2,
                  {{fuselage * 0.3f, nose + length * (0.35f + 0.15f * i)},
                   {std::min(halfWidth, fuselage * 0.3f + halfWidth * growth * (0.8f - 0.2f * i)),
                    nose + length * (0.25f + 0.15f * i)},
                   {fuselage * 0.4f, nose + length * (0.45f + 0.15f * i)}},
                  rgb(200, 245, 255), 1.0f));
  }
}

// A nacelle ending in a nozzle at each engine point.
void DesignBuilder::Engines() {
  for (auto& e : mounts.engines) {
    float ey = std::min(halfHeight - 0.5f, e.y);
    float nw = std::clamp(length * 0.07f, 2.0f, 9.0f);   // nozzle half width
    float nl = std::clamp(length * 0.16f, 4.0f, 18.0f);  // nacelle length
    Add(Poly(
        2, {{e.x - nw, ey - nl}, {e.x + nw, ey - nl}, {e.x + nw * 0.9f, ey}, {e.x - nw * 0.9f, ey}},
        kMetal, std::max(1.0f, nw * 0.5f)));
    Add(Ell(5, {e.x, ey - 0.5f}, nw * 0.7f, std::max(1.0f, nw * 0.35f), rgb(30, 24, 30), 0.5f));
    design.glows.push_back({{e.x, ey - 0.5f}, nw * 1.3f});
  }
}

// Guns at the muzzles, pointing along their angles.
void DesignBuilder::GunsAt(const std::vector<Mount>& list, bool primary) {
  for (auto& g : list) {
    float a = g.angle * 3.14159265f / 180.0f;
    V2 dir{std::sin(a), -std::cos(a)};
    float barrel = std::clamp(length * 0.12f, 3.0f, 14.0f) * (primary ? 1.0f : 0.8f);
    float bore = std::clamp(length * 0.025f, 1.0f, 2.5f);
    V2 tip{g.x, g.y};
    V2 back = tip - dir * barrel;
    if (std::abs(g.x) > fuselage * 0.7f && look.family != SAUCER) {
      // A strut from the hull carries a gun that sits outside it.
      float side = g.x > 0 ? 1.0f : -1.0f;
      float pw = std::max(1.2f, length * 0.025f);
      float ya = std::clamp(back.y + barrel * 0.6f, nose + length * 0.25f, rear - length * 0.2f);
      Add(Poly(0,
               {{back.x - pw, back.y - pw},
                {back.x + pw, back.y - pw},
                {back.x + pw, back.y + pw * 2.5f},
                {side * fuselage * 0.5f, ya + pw * 3},
                {side * fuselage * 0.5f, ya - pw * 1.5f}},
               scaled(trim, 0.75f), 1.0f));
    }
    Add(Cap(3, back, tip, bore, kGunMetal, 0.8f));
    Add(Ell(3, back, bore * 1.8f, bore * 1.8f, mix(kGunMetal, trim, 0.3f), bore));
  }
}

void DesignBuilder::Guns() {
  if (type != SHIP_URBATRON && type != SHIP_COBOTH) GunsAt(mounts.primary, true);
  if (type == SHIP_COBOTH) {
    // The cannon king's gun row: one long battery across the bow.
    Add(Poly(3, {{-30, -16}, {30, -16}, {30, -10}, {-30, -10}}, kGunMetal, 1.5f));
    for (int k = 0; k < 15; ++k)
      Add(Cap(3, {-28.0f + 4 * k, -12}, {-28.0f + 4 * k, -15.5f}, 1.0f, rgb(60, 62, 70), 0.5f));
  }
  if (type == SHIP_URBATRON) Mirror(Cap(3, {32, -24}, {32, -40}, 2.5f, kGunMetal, 1.0f));
  if (HasSecondaryGuns(type)) GunsAt(mounts.secondary, false);
}

void DesignBuilder::OwnFittings() {
  if (type == SHIP_KALGON) {
    // The spiker bristles with thorns along its flanks.
    for (int i = 0; i < 3; ++i) {
      float y = nose + length * (0.35f + 0.2f * i);
      Mirror(Poly(
          0, {{fuselage * 0.8f, y - 2.5f}, {halfWidth, y + 1.5f - i}, {fuselage * 0.8f, y + 2.5f}},
          rgb(220, 230, 235), 0.8f));
    }
  }
  if (type == SHIP_COBOTH) {
    // The shield projector reaches ahead of the gun row.
    Add(Cap(2, {0, -13}, {0, -30}, 1.8f, kMetal, 0.8f));
    Add(Ell(5, {0, -30.5f}, 2.4f, 2.4f, rgb(120, 200, 255), 1.0f));
  }
  if (type == SHIP_EREBOS) {
    // A crystal spike that launches the spinner.
    Add(Poly(2, {{0, -31}, {3, -16}, {-3, -16}}, rgb(170, 240, 255), 1.2f));
  }
  if (type == SHIP_XIAPAS) {
    // The station is released from a boom behind the engine.
    Add(Poly(1, {{-4, rear - 4}, {4, rear - 4}, {3, 38}, {-3, 38}}, scaled(hull, 0.9f), 1.5f));
    Add(Ell(2, {0, 37}, 6, 3, kMetal, 1.5f));
  }
  if (type == SHIP_SJUOG) {
    // The flagship: a bridge tower, a hangar slot and turret domes.
    Add(Poly(2, {{-12, 8}, {12, 8}, {14, 30}, {-14, 30}}, scaled(hull, 1.1f), 3.0f));
    Add(Poly(2, {{-7, 12}, {7, 12}, {8, 24}, {-8, 24}}, scaled(hull, 1.25f), 2.0f));
    design.vents.push_back({{0, -20}, {9, 2}});
    for (float y : {-50.0f, -10.0f, 44.0f})
      for (float side : {-1.0f, 1.0f}) {
        V2 c{side * 19, y};
        Add(Ell(3, c, 5, 5, rgb(110, 116, 128), 2.0f));
        Add(Cap(3, c, {c.x, c.y - 9}, 1.2f, rgb(80, 84, 94), 0.6f));
      }
  }
  if (type == SHIP_SERAX) {
    // The merchantman carries rows of cargo containers.
    const Col cargo[3] = {rgb(170, 70, 50), rgb(70, 120, 160), rgb(190, 160, 70)};
    for (int i = 0; i < 6; ++i)
      for (float side : {-1.0f, 1.0f}) {
        float y = -24 + i * 13.0f;
        Add(Poly(2, {{side * 33, y}, {side * 46, y}, {side * 46, y + 11}, {side * 33, y + 11}},
                 cargo[(i + (side > 0)) % 3], 1.5f));
      }
    Add(Poly(2, {{-10, 30}, {10, 30}, {11, 48}, {-11, 48}}, scaled(hull, 1.15f), 3.0f));
  }
}

// A glass dome behind the nose; the Iwor has glowing eyes instead.
void DesignBuilder::Canopy() {
  if (type != SHIP_IWOR) {
    float cw = std::clamp(fuselage * 0.42f, 1.5f, length > 100 ? 6.0f : 10.0f);
    float ch = std::clamp(length * 0.12f, 2.0f, length > 100 ? 9.0f : 16.0f);
    float cy = nose + length * (look.family == SAUCER ? 0.5f : 0.26f);
    if (look.family == SAUCER) ch = cw;
    if (type == SHIP_BIRKEN) cy = nose + 26;
    Add(Ell(4, {0, cy}, cw, ch, mix(rgb(24, 44, 90), look.glow, 0.22f), std::max(1.0f, cw * 0.8f)));
  }
  if (type == SHIP_IWOR) {
    // The demon's eyes glow under its turret.
    Mirror(Ell(5, {5, nose + 6}, 1.6f, 1.2f, rgb(255, 200, 60), 0.5f));
  }
}

// The parts that show only in some body frames.
void DesignBuilder::MovingParts() {
  if (type == SHIP_KALGON && frame == 2) {
    Add(Poly(3, {{0, -halfHeight}, {2.5f, nose + 2}, {-2.5f, nose + 2}}, rgb(220, 230, 235), 1.0f));
  }
  if (type == SHIP_HEPRON && frame >= 1) {
    // The drill: a cone whose grooves turn with the frame.
    Add(Poly(3, {{0, -halfHeight}, {5, nose + 5}, {-5, nose + 5}}, rgb(170, 170, 180), 1.5f));
    for (int i = 0; i < 3; ++i) {
      float t = (i + (frame - 1) / 3.0f) / 3.0f;
      float y = -halfHeight + 2 + t * (nose + 5 + halfHeight - 2);
      float w = 5 * (y + halfHeight) / (nose + 5 + halfHeight);
      design.seams.push_back({{-w, y + 1}, {w, y - 1}});
    }
  }
}

void DesignBuilder::SeamsAndVents() {
  // Panel seams across the fuselage and down its spine.
  if (look.family != SAUCER) {
    for (float f : {0.42f, 0.6f, 0.78f})
      design.seams.push_back({{-fuselage, nose + length * f}, {fuselage, nose + length * f}});
    design.seams.push_back({{0, nose + length * 0.4f}, {0, rear - length * 0.05f}});
  }
  // Grilles by the engines.
  if (length > 26) {
    float vy = rear - length * 0.26f;
    float vx = std::max(2.0f, fuselage * 0.45f);
    V2 half{std::max(0.8f, fuselage * 0.12f), std::max(0.5f, length * 0.022f)};
    design.vents.push_back({{vx, vy}, half});
    design.vents.push_back({{-vx, vy}, half});
  }
}

// Lamps at the tips of the wings (red to port, green to starboard) and the
// stripe across the wings.
void DesignBuilder::NavigationLamps() {
  float tipX = 0, tipY = 0;
  for (auto& p : design.parts)
    if (p.layer == 0 && p.kind == Part::POLY)
      for (auto& v : p.pts)
        if (v.x > tipX) {
          tipX = v.x;
          tipY = v.y;
        }
  if (tipX > fuselage * 1.2f) {
    float inset = std::min(2.5f, tipX * 0.08f);
    design.lights.push_back({{tipX - inset, tipY + inset * 0.5f}, rgb(90, 255, 110)});
    design.lights.push_back({{-(tipX - inset), tipY + inset * 0.5f}, rgb(255, 70, 60)});
    design.stripeFrom = fuselage + (tipX - fuselage) * 0.45f;
    design.stripeTo = fuselage + (tipX - fuselage) * 0.62f;
  }
}

V2 ToImage(V2 p, float scale, int w, int h) { return {p.x * scale + w / 2, p.y * scale + h / 2}; }

// Plating: panels of slightly different brightness and a fine mottle, laid
// out in ship coordinates so every size shows the same plates.
std::vector<float> PlatingTone(int type, int w, int h, float scale) {
  std::vector<float> tone(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float sx = (x + 0.5f - w / 2.0f) / scale, sy = (y + 0.5f - h / 2.0f) / scale;
      int px = static_cast<int>(std::floor(std::abs(sx) / 7.0f));
      int py = static_cast<int>(std::floor((sy + 100) / 9.0f));
      uint32_t hsh = static_cast<uint32_t>(px * 73856093) ^ static_cast<uint32_t>(py * 19349663) ^
                     static_cast<uint32_t>(type * 83492791);
      hsh = (hsh ^ (hsh >> 13)) * 1274126177u;
      float panel = 0.95f + 0.09f * ((hsh >> 8) & 255) / 255.0f;
      float mottle = 0.94f + 0.12f * Fbm(sx * 0.35f, sy * 0.35f, static_cast<uint32_t>(type), 3);
      tone[static_cast<size_t>(y) * w + x] = panel * mottle;
    }
  return tone;
}

Mask PartMask(const Part& p, float scale, int w, int h) {
  Mask mk(w, h);
  const std::vector<V2>& pts = p.pts;
  switch (p.kind) {
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
  return mk;
}

// The parts of one layer, lit, in the order they were laid out.
void PaintLayer(Image& img, const Design& d, int layer, const std::vector<float>& tone,
                float scale) {
  int w = img.w(), h = img.h();
  for (const Part& p : d.parts) {
    if (p.layer != layer) continue;
    Mask mk = PartMask(p, scale, w, h);
    Material mat;
    mat.base = p.colour;
    mat.bevel = std::max(0.8f, p.bevel * scale);
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
}

// Panel seams and engine grilles on the hull.
void PaintSeamsAndVents(Image& img, const Design& d, float scale) {
  int w = img.w(), h = img.h();
  for (auto& s : d.seams) {
    Mask mk(w, h);
    MaskCapsule(mk, ToImage(s.first, scale, w, h), ToImage(s.second, scale, w, h),
                std::max(0.35f, 0.45f * scale));
    Mask hullOnly = mk;
    for (size_t i = 0; i < mk.v.size(); ++i)
      hullOnly.v[i] = img.pixels()[i].a > 0.5f ? mk.v[i] : 0.0f;
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

// Engine glow inside the nozzles, and the lamps where they sit on the ship.
void PaintGlowsAndLamps(Image& img, const Design& d, float scale) {
  int w = img.w(), h = img.h();
  for (auto& g : d.glows) {
    V2 c = ToImage(g.first, scale, w, h);
    Glow(img, c, g.second * scale, d.glowColour, 0.9f, 1.5f);
    Glow(img, c, g.second * scale * 0.5f, rgb(255, 255, 240), 0.8f, 1.2f);
  }
  for (auto& l : d.lights) {
    V2 c = ToImage(l.first, scale, w, h);
    if (c.x < 0 || c.y < 0 || c.x >= w || c.y >= h ||
        img.at(static_cast<int>(c.x), static_cast<int>(c.y)).a < 0.5f)
      continue;
    Mask mk(w, h);
    MaskEllipse(mk, c, std::max(0.7f, 0.8f * scale), std::max(0.7f, 0.8f * scale));
    PaintMask(img, mk, l.second);
    if (scale >= 2) Glow(img, c, 2.2f * scale, l.second, 0.6f, 1.5f);
  }
}

// For the large pictures: rivets along the panel seams of the hull, scuffs on
// the plating and halos round the engines.
void PaintWear(Image& img, const Design& d, int type, float scale) {
  int w = img.w(), h = img.h();
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
  for (auto& g : d.glows)
    Glow(img, ToImage(g.first, scale, w, h), g.second * scale * 2.2f, d.glowColour, 0.35f, 2.0f);
}

Image RenderShipRaw(int type, int frame, float scale, bool detailed, int minLayer = 0) {
  const auto& sz = qw2media::kShipPictures[type].body;
  int w = static_cast<int>(std::lround(sz.width * scale));
  int h = static_cast<int>(std::lround(sz.height * scale));
  if (scale == 1.0f) {
    w = sz.width;
    h = sz.height;
  }
  Design d = DesignBuilder(type, frame).Build();
  Image img(w, h);
  std::vector<float> tone = PlatingTone(type, w, h, scale);
  for (int layer = minLayer; layer <= 5; ++layer) {
    PaintLayer(img, d, layer, tone, scale);
    if (layer == 1) PaintSeamsAndVents(img, d, scale);
  }
  PaintGlowsAndLamps(img, d, scale);
  if (detailed) PaintWear(img, d, type, scale);
  return img;
}

}  // namespace

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

std::string N(int v) { return std::to_string(v); }

float BigScale(int type) {
  const auto& sz = qw2media::kShipPictures[type].body;
  float s = std::min(static_cast<float>(qw2media::kBigPictureMax.width) / sz.width,
                     static_cast<float>(qw2media::kBigPictureMax.height) / sz.height);
  return std::min(s, 4.5f);
}

// The Temper's pictures show its crystal spines half grown.
int PictureFrame(int type) { return type == SHIP_TEMPER ? 2 : 1; }

std::vector<uint8_t> MakeMiniPictures() {
  Image strip(56 * 40, 56);
  for (int t = 1; t <= 40; ++t) {
    const auto& sz = qw2media::kShipPictures[t].body;
    float s = std::min(50.0f / sz.width, 50.0f / sz.height);
    s = std::min(s, 2.0f);
    Image pic = RenderShipPicture(t, PictureFrame(t), s, false);
    strip.draw(pic, (t - 1) * 56 + (56 - pic.w()) / 2, (56 - pic.h()) / 2);
  }
  return EncodePngMasked(strip, kMagenta);
}

}  // namespace

void AddShipFiles(MediaList& list) {
  for (int t = 1; t <= 40; ++t) {
    const auto& sp = qw2media::kShipPictures[t];
    list.push_back({"gfx\\ship" + N(t) + "-b.png", [t] {
                      Image img = RenderShipPicture(t, PictureFrame(t), BigScale(t), true);
                      return EncodePngMasked(img, kMagenta);
                    }});
    for (int k = 1; k <= sp.bodyFrames; ++k)
      list.push_back({"gfx\\ship" + N(t) + "_" + N(k) + ".png", [t, k] {
                        return EncodePngMasked(RenderShipPicture(t, k, 1.0f, false), kMagenta);
                      }});
    for (int k = 1; k <= sp.primaryCount; ++k)
      list.push_back({"gfx\\ship" + N(t) + "a_" + N(k) + ".png",
                      [t, k] { return EncodePngMasked(WeaponPicture(t, 1, k), kMagenta); }});
    for (int k = 1; k <= sp.secondaryCount; ++k) {
      int number = t == SHIP_KABATA ? 2 : k;  // the Kabata has only its second picture
      list.push_back({"gfx\\ship" + N(t) + "b_" + N(number) + ".png",
                      [t, k] { return EncodePngMasked(WeaponPicture(t, 2, k), kMagenta); }});
    }
    for (int k = 1; k <= sp.specialCount; ++k)
      list.push_back({"gfx\\ship" + N(t) + "s_" + N(k) + ".png",
                      [t, k] { return EncodePngMasked(WeaponPicture(t, 3, k), kMagenta); }});
  }
  // Two pictures are embedded but never loaded: an early body of the Serax
  // and an early secondary picture of the Adapa.
  list.push_back({"gfx\\ship35_1x.png", [] {
                    return EncodePngMasked(RenderShipPicture(SHIP_SERAX, 1, 1.0f, true), kMagenta);
                  }});
  list.push_back({"gfx\\ship38b.png",
                  [] { return EncodePngMasked(WeaponPicture(SHIP_ADAPA, 2, 1), kMagenta); }});
  list.push_back({"gfx\\minpics.png", [] { return MakeMiniPictures(); }});
}

}  // namespace gen
