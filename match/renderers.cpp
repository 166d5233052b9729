// The match renderers: one routine per object list, called by the match
// drawing in layer order. Each expects blend mode 1, alpha 1, colour white,
// scale 1 and rotation 0 on entry and leaves that state behind. None of them
// changes the simulation or draws random numbers; the only match state they
// write is their list's loop variable.
#include "match/renderers.hpp"

#include <algorithm>

#include "catalogue/explosions.hpp"
#include "catalogue/ships.hpp"
#include "match/bitmap_text.hpp"
#include "match/collision.hpp"
#include "match/match_tables.hpp"
#include "match/media_lookup.hpp"
#include "match/media_tables.hpp"
#include "match/records.hpp"
#include "match/shell_tables.hpp"
#include "match/state_cells.hpp"
#include "platform/draw.hpp"
#include "platform/maths.hpp"

namespace {

// Slot colours include row 5 (no player) for debris of special damage.
void SetSlotColour(int32_t slot) {
  if (slot >= 1 && slot <= 5)
    SetDrawColour(slotColour[slot][1], slotColour[slot][2], slotColour[slot][3]);
  else
    SetDrawColour(255, 255, 255);
}

void SetWhite() { SetDrawColour(255, 255, 255); }

bool HighDetail() { return optionTable[OPTIONS_GENERAL][OPTION_HIGH_DETAIL] == OPTION_ON; }

// d pixels ahead of (x, y) along heading h.
void Forward(float x, float y, float h, double d, float& px, float& py) {
  px = static_cast<float>(x + SinDegrees(180.0 - h) * d);
  py = static_cast<float>(y + CosDegrees(180.0 - h) * d);
}

// d pixels behind (x, y) along heading h.
void Back(float x, float y, float h, double d, float& px, float& py) {
  px = static_cast<float>(x + SinDegrees(360.0 - h) * d);
  py = static_cast<float>(y + CosDegrees(360.0 - h) * d);
}

// The image of a real-valued index (special states hold their frames as reals).
int32_t ShipImageAt(int32_t type, int32_t variant, double index) {
  return ShipImageHandle(type, variant, TruncateToInt(index));
}

int32_t ExplosionImage(int32_t type) { return type >= 1 && type <= 50 ? explosionImages[type] : 0; }

int32_t SparkImage(int32_t kind) { return kind >= 1 && kind <= 5 ? sparkImages[kind] : 0; }

// The colour of a mode animation: component c or 255 - c, each truncated.
struct ModeColour {
  int32_t c, inverse;
};
ModeColour ModeComponents(float step) {
  const double c = 15.0 * step;
  return {TruncateToInt(c), TruncateToInt(255.0 - c)};
}

// The looks drawn under the body.
void DrawUnderlay(const TShip& ship) {
  const float* s = ship.specialState;
  if (ship.shipType == SHIP_ARUBAWI && s[ARUBAWI_JUMPING] == 1.0f &&
      s[ARUBAWI_FRAMES_JUMPED] < 190.0f) {
    SetDrawScale(0.5, 0.5);
    SetBlendMode(BLEND_ALPHA);
    SetDrawAlpha(0.2);
    SetDrawColour(255, 100, 0);
    DrawImageFrame(flashImage, ship.x, ship.y, 0);
    SetWhite();
    SetDrawAlpha(1);
    SetBlendMode(BLEND_MASK);
    SetDrawScale(1.5, 1.5);
    DrawImageFrame(ExplosionImage(24), ship.x, ship.y, TruncateToInt(s[ARUBAWI_JUMP_ANIMATION]));
    SetDrawScale(1, 1);
  } else if (ship.shipType == SHIP_SJUOG && s[SJUOG_CHARGING] == 1.0f) {
    float px, py;
    Back(ship.x, ship.y, ship.heading, -56.0, px, py);  // forward 56, as the game forms it
    DrawImageFrame(ShipImageAt(SHIP_SJUOG, 4, s[SJUOG_FLICKER]), px, py, 0);
  }
}

// The aiming dots: 35 marks, 8 pixels apart, fading after the 14th.
void DrawAimingDots(const TShip& ship) {
  const int32_t slot = ship.slot;
  const float* hull = slotShipValue[slot][GROUP_HULL];
  const double lx = hull[HULL_AIM_LINE_X], ly = hull[HULL_AIM_LINE_Y];
  const double la = hull[HULL_AIM_LINE_ANGLE];
  const double h = ship.heading;
  const double a1 = 360.0 - h + 90.0;
  const double a2 = 180.0 - h;
  const float sx =
      static_cast<float>(ship.x + (SinDegrees(180.0 + a1) * lx + SinDegrees(180.0 + a2) * ly));
  const float sy =
      static_cast<float>(ship.y + (CosDegrees(180.0 + a1) * lx + CosDegrees(180.0 + a2) * ly));
  const int32_t image = targetImages[ship.sniping == 1 ? 2 : 1];
  SetSlotColour(slot);
  SetBlendMode(BLEND_ALPHA);
  for (int32_t d = 1; d <= 35; ++d) {
    SetDrawAlpha(1.0 - std::max(d / 45.0, 0.33));
    SetDrawRotation(h + la);
    DrawImageFrame(image, sx + SinDegrees(180.0 - h - la) * 8.0 * d,
                   sy + CosDegrees(180.0 - h - la) * 8.0 * d, 0);
  }
  SetBlendMode(BLEND_MASK);
  SetDrawRotation(0);
  SetDrawAlpha(1);
  SetWhite();
}

// The ship type's own look over the body.
void DrawOwnLook(const TShip& ship) {
  const float* s = ship.specialState;
  const float x = ship.x, y = ship.y, h = ship.heading;
  float px, py;
  switch (ship.shipType) {
    case SHIP_COBOTH:
      if (s[COBOTH_SHIELD_UP] == 1.0f) {
        Forward(x, y, h, 64.0, px, py);
        SetDrawRotation(h);
        SetBlendMode(BLEND_ALPHA);
        SetDrawAlpha(1.0 - s[COBOTH_SHIELD_FADE]);
        DrawImageFrame(ShipImageHandle(SHIP_COBOTH, 3, 1), px, py, 0);
        SetDrawAlpha(1);
        SetBlendMode(BLEND_MASK);
        SetDrawRotation(0);
      }
      break;
    case SHIP_URBATRON: {
      const ModeColour m = ModeComponents(s[URBATRON_CHANGE_ANIMATION]);
      if (s[URBATRON_MODE] == 0.0f)
        SetDrawColour(m.c, 0, m.inverse);
      else if (s[URBATRON_MODE] == 1.0f)
        SetDrawColour(m.inverse, m.c, 0);
      else if (s[URBATRON_MODE] == 2.0f)
        SetDrawColour(0, m.inverse, m.c);
      Back(x, y, h, -29.0, px, py);  // forward 29, formed as the game forms it
      SetDrawRotation(h);
      DrawImageFrame(ShipImageHandle(SHIP_URBATRON, 4, 1), px, py, 0);
      SetDrawRotation(0);
      SetWhite();
      break;
    }
    case SHIP_AVRAX: {
      int32_t n = s[AVRAX_REPAIR_ANIMATION] > 0.0f
                      ? TruncateToInt(s[AVRAX_REPAIR_ANIMATION] / 4.0 + 0.5)
                      : 1;
      if (n < 1) n = 1;
      Back(x, y, h, 16.0, px, py);
      SetDrawRotation(h);
      DrawImageFrame(ShipImageHandle(SHIP_AVRAX, 4, n), px, py, 0);
      SetDrawRotation(0);
      break;
    }
    case SHIP_QOUL:
      if (s[QOUL_SHIELD_UP] == 1.0f) {
        const double k = s[QOUL_SHIELD_SIZE] / 100.0 * 2.0;
        SetDrawScale(k, k);
        SetBlendMode(BLEND_ALPHA);
        SetDrawAlpha(0.5);
        DrawImageFrame(ShipImageHandle(SHIP_QOUL, 3, 1), x, y, 0);
        SetDrawAlpha(1);
        SetBlendMode(BLEND_MASK);
        SetDrawScale(1, 1);
      }
      break;
    case SHIP_EREBOS:
      if (s[EREBOS_SPINNER_OUT] == 1.0f) {
        SetDrawRotation(s[EREBOS_SPINNER_HEADING]);
        DrawImageFrame(ShipImageHandle(SHIP_EREBOS, 3, 1), s[EREBOS_SPINNER_X], s[EREBOS_SPINNER_Y],
                       0);
        SetDrawRotation(0);
      }
      break;
    case SHIP_GRATES: {
      const double k = s[GRATES_CHARGE] / 100.0;
      Back(x, y, h, 24.0, px, py);
      SetDrawRotation(h);
      SetDrawScale(k, k);
      DrawImageFrame(ShipImageHandle(SHIP_GRATES, 3, 1), px, py, 0);
      SetDrawScale(1, 1);
      SetDrawRotation(0);
      break;
    }
    case SHIP_SCALUS:
      if (s[SCALUS_RING_SHOWN] == 1.0f) {
        const double k = s[SCALUS_RING_SIZE] / 100.0 * 3.0;
        SetDrawScale(k, k);
        DrawImageFrame(ShipImageHandle(SHIP_SCALUS, 3, 1), x, y, 0);
        SetDrawScale(1, 1);
      }
      break;
    case SHIP_IWOR:
      // Truncated, + 0.5, truncated again (the 0.5 does nothing), where the
      // body frame rounds the same counter (iwor.cpp): the game's rule.
      SetDrawRotation(s[IWOR_TURRET_HEADING]);
      DrawImageFrame(ShipImageAt(SHIP_IWOR, 4, TruncateToInt(s[IWOR_BODY_FRAME]) + 0.5), x, y, 0);
      SetDrawRotation(0);
      break;
    case SHIP_PAX:
      if (s[PAX_PHASE] != 0.0f) {
        Back(x, y, h, 10.0, px, py);
        SetDrawRotation(h);
        SetBlendMode(BLEND_ADD);
        SetDrawAlpha(s[PAX_GLOW] / 100.0);
        DrawImageFrame(ShipImageHandle(SHIP_PAX, 4, 2), px, py, 0);
        SetDrawAlpha(1);
        SetBlendMode(BLEND_MASK);
        SetDrawRotation(0);
      }
      break;
    case SHIP_OTROS: {
      // Each side plate while it exists, 21 pixels aside and 5 forward.
      const double side = 360.0 - (h - 90.0);
      for (int32_t plate = 1; plate <= 2; ++plate) {
        if ((plate == 1 ? s[OTROS_LEFT_PLATE] : s[OTROS_RIGHT_PLATE]) != 1.0f) continue;
        const double d = plate == 1 ? -21.0 : 21.0;
        const float ax = static_cast<float>(x + SinDegrees(side) * d);
        const float ay = static_cast<float>(y + CosDegrees(side) * d);
        Forward(ax, ay, h, 5.0, px, py);
        SetDrawRotation(h);
        SetBlendMode(BLEND_ALPHA);
        SetDrawAlpha(1.0 - s[OTROS_PLATE_FADE] / 100.0);
        DrawImageFrame(ShipImageHandle(SHIP_OTROS, 3, plate), px, py, 0);
        SetDrawAlpha(1);
        SetBlendMode(BLEND_MASK);
        SetDrawRotation(0);
      }
      break;
    }
    case SHIP_KABATA: {
      const ModeColour m = ModeComponents(s[KABATA_CHANGE_ANIMATION]);
      if (s[KABATA_MODE] == 0.0f)
        SetDrawColour(m.c, m.c, m.inverse);
      else if (s[KABATA_MODE] == 1.0f)
        SetDrawColour(255, m.inverse, 0);
      else if (s[KABATA_MODE] == 2.0f)
        SetDrawColour(m.inverse, 0, m.c);
      SetDrawRotation(h);
      DrawImageFrame(ShipImageHandle(SHIP_KABATA, 1, 1), x, y, 0);
      SetWhite();
      DrawImageFrame(ShipImageHandle(SHIP_KABATA, 4, 1), x, y, 0);
      SetDrawRotation(0);
      break;
    }
    case SHIP_URNOX:
      if (s[URNOX_ACTIVE] == 1.0f) {
        const int32_t c = TruncateToInt(s[URNOX_GLOW]);
        SetBlendMode(BLEND_ALPHA);
        SetDrawAlpha(0.5);
        SetDrawRotation(h);
        SetDrawColour(c, c, 0);
        DrawImageFrame(ShipImageHandle(SHIP_URNOX, 3, 1), x, y, 0);
        SetWhite();
        SetDrawRotation(0);
        SetDrawAlpha(1);
        SetBlendMode(BLEND_MASK);
      }
      break;
    case SHIP_BIRKEN:
      if (s[BIRKEN_SALVOS_FIRED] < 10.0f) {
        SetDrawRotation(h);
        DrawImageFrame(ShipImageAt(SHIP_BIRKEN, 4, 10.0 - s[BIRKEN_SALVOS_FIRED]), x, y, 0);
        SetDrawRotation(0);
      }
      break;
    default:
      break;
  }
}

void DrawOneShip(const TShip& ship) {
  const int32_t slot = ship.slot;
  DrawUnderlay(ship);
  if (slotShipValue[slot][GROUP_HULL][HULL_HAS_OWN_BODY_DRAWING] == 0.0f) {
    const int32_t chosen = fleetTable[slot][FLEET_HEAD][FLEET_CHOSEN];
    const int32_t type =
        chosen >= 0 && chosen <= maxFleetSize ? fleetTable[slot][FLEET_MEMBER_TYPES][chosen] : 0;
    SetDrawRotation(ship.heading);
    DrawImageFrame(ShipImageHandle(type, SHIP_IMAGE_BODY, ship.bodyFrame), ship.x, ship.y, 0);
    SetDrawRotation(0);
  }
  DrawAimingDots(ship);
  DrawOwnLook(ship);
  if (slotEffectState[slot][EFFECT_STUCK] == 1) {
    SetDrawRotation(ship.heading);
    DrawImageFrame(ShipImageHandle(SHIP_GARM, 3, 2), ship.x, ship.y, 0);
    SetDrawRotation(0);
  }
}

}  // namespace

int32_t DrawWarpIns(int32_t image) {
  WalkList(*warpInList, currentWarpIn, [&] {
    const TWarpIn& w = *currentWarpIn;
    SetBlendMode(BLEND_ALPHA);
    SetSlotColour(w.slot);
    const double s = std::min(w.size / 50.0 + 0.2, 4.5);
    SetDrawScale(s, s);
    DrawImageFrame(image, w.x, w.y, w.tick);
    SetWhite();
    SetDrawScale(1, 1);
    SetBlendMode(BLEND_MASK);
  });
  return 0;
}

int32_t DrawShotOverlays() {
  WalkList(*shotList, currentShot, [&] {
    const TShot& shot = *currentShot;
    if (shot.weapon != 2) return;
    if (shot.shipType == SHIP_JERBOAFA) {
      SetDrawScale(2, 2);
      DrawImageFrame(ShipImageAt(SHIP_JERBOAFA, 3, shot.kindState[JERBOAFA_SHOT_ANIMATION] + 1.0),
                     shot.x, shot.y, 0);
      SetDrawScale(1, 1);
    } else if (shot.shipType == SHIP_XIAPAS) {
      SetDrawScale(2, 2);
      DrawImageFrame(ShipImageAt(SHIP_XIAPAS, 4, shot.kindState[XIAPAS_SHOT_STATION_ANIMATION]),
                     shot.x, shot.y, 0);
      SetDrawScale(1, 1);
      DrawImageFrame(ShipImageHandle(SHIP_XIAPAS, 3, 1), shot.x, shot.y, 0);
    }
  });
  return 0;
}

int32_t DrawShipGlows() {
  WalkList(*shipList, currentShip, [&] {
    const TShip& ship = *currentShip;
    if (ship.resistGlow[2] <= 0.0f) return;
    const int32_t body = ShipImageHandle(ship.shipType, SHIP_IMAGE_BODY, 1);
    const int32_t b = std::max(ImageFrameWidth(body), ImageFrameHeight(body));
    const double k = (b + 24) / 400.0;
    SetBlendMode(BLEND_ALPHA);
    SetDrawAlpha(ship.resistGlow[2]);
    SetWhite();
    SetDrawScale(k, k);
    DrawImageFrame(flashImage, ship.x, ship.y, 0);
  });
  SetBlendMode(BLEND_MASK);
  SetDrawAlpha(1);
  SetDrawScale(1, 1);
  return 0;
}

int32_t DrawDebris(int32_t image) {
  const bool high = HighDetail();
  SetBlendMode(BLEND_ALPHA);
  WalkList(*debrisList, currentDebris, [&] {
    const TDebris& d = *currentDebris;
    SetDrawAlpha(d.fadeLeft / 100.0);
    SetSlotColour(d.colourSlot);
    if (high) {
      SetDrawScale(0.02, 0.02);
      DrawImageFrame(flashImage, d.x, d.y, 0);
      SetDrawScale(1, 1);
    } else {
      DrawImageFrame(image, d.x, d.y, 0);
    }
  });
  SetBlendMode(BLEND_MASK);
  SetDrawAlpha(1);
  SetWhite();
  return 0;
}

int32_t DrawShips() {
  // Largest first, so smaller ships are drawn over larger ones.
  for (int32_t rank = 1; rank <= 4; ++rank) {
    const int32_t slot = shipSizeOrder[rank][0];
    WalkList(*shipList, currentShip, [&] {
      const TShip& ship = *currentShip;
      if (ship.slot != slot || !ValidSlot(ship.slot)) return;
      DrawOneShip(ship);
    });
  }
  return 0;
}

int32_t DrawExplosions() {
  const bool high = HighDetail();
  WalkList(*explosionList, currentExplosion, [&] {
    const TExplosion& e = *currentExplosion;
    const int32_t image = ExplosionImage(e.explosionType);
    const double k = e.size > 0.0f ? e.size / 50.0 + 0.2 : 1.0;
    if (high) {
      const int32_t half = (ImageFrameWidth(image) + ImageFrameHeight(image)) / 2;
      const double f = half / 400.0 * k * 1.5;
      const double life = static_cast<double>(e.frameCount) * e.frameDelay * 2.0;
      SetDrawAlpha(0.5 - e.tick / life);
      SetBlendMode(BLEND_ALPHA);
      SetDrawScale(f, f);
      const bool known = e.explosionType >= 1 && e.explosionType <= explosionTypeCount;
      const float* row = known ? explosionTypeTable[e.explosionType] : explosionTypeTable[0];
      if (row[EXPLOSION_FLASH_RED] + row[EXPLOSION_FLASH_GREEN] + row[EXPLOSION_FLASH_BLUE] == 0.0f)
        SetDrawColour(255, 100, 0);
      else
        SetDrawColour(TruncateToInt(row[EXPLOSION_FLASH_RED]),
                      TruncateToInt(row[EXPLOSION_FLASH_GREEN]),
                      TruncateToInt(row[EXPLOSION_FLASH_BLUE]));
      DrawImageFrame(flashImage, e.x, e.y, 0);
      SetWhite();
      SetDrawAlpha(1);
      SetBlendMode(BLEND_MASK);
    }
    if (e.heading != 0.0f) SetDrawRotation(e.heading);
    SetDrawScale(k, k);
    // A type without frame timing shows its first frame.
    const int32_t frame = e.frameDelay > 0 ? e.tick / e.frameDelay : 0;
    DrawImageFrame(image, e.x, e.y, frame);
    SetDrawRotation(0);
    SetDrawScale(1, 1);
  });
  return 0;
}

int32_t DrawSparks() {
  const bool high = HighDetail();
  WalkList(*sparkList, currentSpark, [&] {
    const TSpark& s = *currentSpark;
    if (high) {
      SetBlendMode(BLEND_ALPHA);
      SetDrawAlpha(0.5 - s.age / 60.0);
      SetDrawScale(0.06, 0.06);
      if (s.kind == 5)
        SetDrawColour(50, 255, 50);
      else
        SetDrawColour(255, 100, 0);
      DrawImageFrame(flashImage, s.x, s.y, 0);
      SetWhite();
      SetDrawScale(1, 1);
      SetDrawAlpha(1);
      SetBlendMode(BLEND_MASK);
    }
    DrawImageFrame(SparkImage(s.kind), s.x, s.y, s.age / 6);
  });
  return 0;
}

int32_t DrawShots() {
  WalkList(*shotList, currentShot, [&] {
    Ref<TShot> shotRef = currentShot;
    const TShot& shot = *shotRef;
    if (shot.hidden == 0) {
      // The rotation stays until a beam resets it or the walk ends; a hidden
      // shot sets none, so its glow keeps the rotation of the shot before.
      SetDrawRotation(shot.heading);
      if (shot.fade > 0.0f) {
        SetBlendMode(BLEND_ALPHA);
        SetDrawAlpha(1.0 - shot.fade);
      }
      if (shot.sizePercent > 0.0f) {
        const double p = shot.sizePercent / 100.0;
        SetDrawScale(p, p);
      }
      DrawImageFrame(ShipImageHandle(shot.shipType, shot.weapon + 1, shot.imageIndex), shot.x,
                     shot.y, 0);
      SetBlendMode(BLEND_MASK);
      SetDrawAlpha(1);
      SetDrawScale(1, 1);
    }
    if (shot.shipType == SHIP_GROK && shot.weapon == 1) {
      static const double kGlow[5][2] = {
          {0.1, 1.0}, {0.2, 0.8}, {0.3, 0.6}, {0.4, 0.4}, {0.5, 0.2}};
      SetBlendMode(BLEND_ALPHA);
      const int32_t glow = ShipImageHandle(SHIP_GROK, 4, 1);
      for (const auto& g : kGlow) {
        SetDrawAlpha(g[0]);
        SetDrawScale(g[1], g[1]);
        DrawImageFrame(glow, shot.x, shot.y, 0);
      }
      SetDrawScale(1, 1);
      SetBlendMode(BLEND_MASK);
      SetDrawAlpha(1);
    }
    if (shot.shipType == SHIP_XIAPAS && shot.weapon == 2) {
      // The station's feeding beams to friendly ships in reach.
      const int32_t link = ShipImageHandle(SHIP_XIAPAS, 4, 7);
      WalkList(*shipList, currentShip, [&] {
        const TShip& ship = *currentShip;
        if (ship.team != shot.team) return;
        if (CirclesOverlap(ship.x, ship.y, ship.radius, shot.x, shot.y, 128.0f) != 1) return;
        const double dx = static_cast<double>(shot.x) - ship.x,
                     dy = static_cast<double>(shot.y) - ship.y;
        const int32_t n = TruncateToInt(SquareRoot(dx * dx + dy * dy) / 10.0);
        const double a = ArcTan2Degrees(dy, dx) - 90.0;
        SetDrawRotation(a);
        double px = shot.x, py = shot.y;
        for (int32_t i = 0; i < n; ++i) {
          DrawImageFrame(link, px, py, 0);
          px += SinDegrees(180.0 - a) * 10.0;
          py += CosDegrees(180.0 - a) * 10.0;
        }
        SetDrawRotation(0);
      });
    }
  });
  SetDrawRotation(0);
  return 0;
}

int32_t DrawShipLabels() {
  WalkList(*shipList, currentShip, [&] {
    const TShip& ship = *currentShip;
    SetSlotColour(ship.slot);
    const int32_t team = ship.team >= 1 && ship.team <= 5 ? ship.team : 0;
    DrawTextSmall(ship.x, static_cast<float>(ship.y - ship.radius / 2.0 - 36.0), teamNames[team],
                  1);
    SetWhite();
  });
  return 0;
}
