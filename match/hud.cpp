// The match HUD: one panel per slot at a fixed place, drawn last, over the
// arena. Drawing only; it reads the slot tables and the ships.
#include <algorithm>

#include "catalogue/ships.hpp"
#include "match/bitmap_text.hpp"
#include "match/match_tables.hpp"
#include "match/media_tables.hpp"
#include "match/records.hpp"
#include "match/renderers.hpp"
#include "match/shell_tables.hpp"
#include "platform/draw.hpp"
#include "platform/maths.hpp"

namespace {

// hudLayout rows.
constexpr int32_t HUD_ARMOUR = 1;
constexpr int32_t HUD_ENERGY = 2;
constexpr int32_t HUD_RELOAD_PRIMARY = 3;
constexpr int32_t HUD_NEXT_SHIP = 5;
constexpr int32_t HUD_FRAME = 7;

int32_t HudX(int32_t slot, int32_t row) { return hudLayout[slot][row][1]; }
int32_t HudY(int32_t slot, int32_t row) { return hudLayout[slot][row][2]; }

// A gauge: its length in divisions, then the value's frame over it.
void DrawGauge(int32_t slotsImage, int32_t valueImage, float maximum, float value, int32_t slot,
               int32_t row) {
  const int32_t x = HudX(slot, row), y = HudY(slot, row);
  DrawImageFrame(slotsImage, x, y, TruncateToInt(maximum / 2.0 - 1.0));
  int32_t frame = value > 0.0f ? TruncateToInt(value + 0.5) : 0;
  if (value > 100.0f) frame = 100;
  DrawImageFrame(valueImage, x, y, frame);
}

// Seconds spent choosing: green at 1, through yellow, to red at 10.
void SecondsColour(int32_t seconds, int32_t& red, int32_t& green) {
  const double q = (10 - seconds) / 9.0;
  red = TruncateToInt(std::min((1.0 - q) * 510.0, 255.0));
  green = TruncateToInt(std::min(q * 510.0, 255.0));
}

void DrawSlotPanel(int32_t slot, int32_t miniShipsImage) {
  const int32_t arena = slotTable[slot][SLOT_ARENA];
  if (arena == ARENA_OUT) return;
  const int32_t seconds = launchTimer[slot] / 75;
  const bool choosing = arena == ARENA_CHOOSING;

  SetDrawColour(slotColour[slot][1], slotColour[slot][2], slotColour[slot][3]);
  SetBlendMode(BLEND_ALPHA);
  SetDrawAlpha(0.33);
  DrawImageFrame(statBorderImage, HudX(slot, HUD_FRAME), HudY(slot, HUD_FRAME), 0);
  SetDrawColour(255, 255, 255);
  SetBlendMode(BLEND_MASK);
  SetDrawAlpha(1);

  if (seconds <= 0) return;
  const double k = choosing ? selectBlink[slot][1] / 36.0 : 1.0;
  const int32_t x5 = HudX(slot, HUD_NEXT_SHIP), y5 = HudY(slot, HUD_NEXT_SHIP);
  SetDrawColour(TruncateToInt(255.0 * k), TruncateToInt(200.0 * k), TruncateToInt(100.0 * k));
  SetBlendMode(BLEND_ALPHA);
  SetDrawAlpha(0.33);
  DrawImageFrame(miniBorderImage, x5, y5, 0);
  SetBlendMode(BLEND_MASK);
  SetDrawAlpha(1);
  SetDrawColour(255, 255, 255);

  const int32_t chosen = fleetTable[slot][FLEET_HEAD][FLEET_CHOSEN];
  const int32_t type =
      chosen >= 0 && chosen <= maxFleetSize ? fleetTable[slot][FLEET_MEMBER_TYPES][chosen] : 0;
  if (type >= 1) DrawImageFrame(miniShipsImage, x5 + 4, y5 + 4, type - 1);

  if (!choosing) return;
  const Text place =
      JoinText(IntToText(chosen), u"/", IntToText(fleetTable[slot][FLEET_HEAD][FLEET_SIZE]));
  const int32_t centre = x5 + 22;
  DrawTextFixed(static_cast<float>(centre - static_cast<int32_t>(place.size()) * 10 / 2),
                static_cast<float>(y5 + 67), 255, 200, 100, place);
  const Text count = IntToText(seconds);
  int32_t red, green;
  SecondsColour(seconds, red, green);
  DrawTextFixed(static_cast<float>(centre - static_cast<int32_t>(count.size()) * 10 / 2),
                static_cast<float>(y5 + 79), red, green, 0, count);
  SetDrawColour(255, 255, 255);
}

void DrawShipGauges(const TShip& ship, int32_t slotsImage, int32_t armourImage, int32_t energyImage,
                    int32_t reloadBackImage, int32_t reloadImage) {
  const int32_t s = ship.slot;
  const float* hull = slotShipValue[s][GROUP_HULL];
  DrawGauge(slotsImage, armourImage, hull[HULL_MAX_ARMOR], ship.armour, s, HUD_ARMOUR);
  DrawGauge(slotsImage, energyImage, hull[HULL_MAX_ENERGY], ship.energy, s, HUD_ENERGY);
  DrawImageFrame(reloadBackImage, HudX(s, HUD_RELOAD_PRIMARY) + 29, HudY(s, HUD_RELOAD_PRIMARY) + 6,
                 0);
  for (int32_t w = 1; w <= 2; ++w) {
    const float* weapon = slotShipValue[s][w + 1];
    float c = static_cast<float>(ship.reloadCounters[w]);
    const float r = weapon[WEAPON_RELOAD_TIME];
    if (c < r) {
      SetDrawColour(255, 0, 0);
    } else {
      c = r;
      if (ship.energy >= weapon[WEAPON_ENERGY_DRAIN])
        SetDrawColour(0, 255, 0);
      else
        SetDrawColour(255, 128, 0);
    }
    if (r == 0.0f)
      SetDrawScale(1, 1);
    else
      SetDrawScale(static_cast<double>(c) / r, 1);
    const int32_t row = HUD_RELOAD_PRIMARY + w - 1;
    DrawImageFrame(reloadImage, HudX(s, row), HudY(s, row), 0);
  }
  SetDrawScale(1, 1);
  SetDrawColour(255, 255, 255);
}

}  // namespace

int32_t DrawHud(int32_t slotsImage, int32_t armourImage, int32_t energyImage,
                int32_t miniShipsImage, int32_t reloadBackImage, int32_t reloadImage) {
  for (int32_t slot = 1; slot <= 4; ++slot) DrawSlotPanel(slot, miniShipsImage);
  WalkList(*shipList, currentShip, [&] {
    const TShip& ship = *currentShip;
    if (ship.slot < 1 || ship.slot > 4) return;
    DrawShipGauges(ship, slotsImage, armourImage, energyImage, reloadBackImage, reloadImage);
  });
  return 0;
}
