// Screen 5: the ship shop. One slot buys its fleet with its money: a click
// on a card or Enter buys, a click on a fleet cell, the right button or
// Backspace sells, ACCEPT or Space asks to confirm and ABORT or Escape asks
// to give the game up.
#include "catalogue/ships.hpp"
#include "match/bitmap_text.hpp"
#include "match/input_edges.hpp"
#include "match/key_codes.hpp"
#include "match/match_tables.hpp"
#include "match/media_tables.hpp"
#include "match/shell_tables.hpp"
#include "platform/draw.hpp"
#include "platform/input.hpp"
#include "platform/maths.hpp"
#include "platform/sound.hpp"
#include "shell/screens.hpp"
#include "shell/ship_carousel.hpp"
#include "shell/ship_info_panel.hpp"
#include "shell/shop_screens.hpp"

int32_t carouselAtRest = 0;
int32_t hoverLightX = -2000;
int32_t hoverLightY = -2000;
float hoverLightScaleX = 1;
float hoverLightScaleY = 1;

namespace {

constexpr int32_t SHOP_ACCEPT = 1;
constexpr int32_t SHOP_ABORT = 2;
const HoverBox acceptBox = {711, 977, 969, 1019, false};
const HoverBox abortBox = {328, 977, 552, 1019, false};

// The five whole cards, with the position each shows relative to the centre.
constexpr int32_t CARD_HOVER_COUNT = 5;
HoverBox CardBox(int32_t card) {
  const int32_t left = SLIDE_DISTANCE * card - 236;
  return {left, 219, left + 238, 453, false};
}
// The light stretched over a whole card.
constexpr float CARD_LIGHT_SCALE_X = 3.94f;
constexpr float CARD_LIGHT_SCALE_Y = 3.84f;

// The fleet grid: 3 rows of 10 cells.
constexpr int32_t GRID_ROWS = 3;
constexpr int32_t GRID_COLUMNS = 10;
constexpr int32_t GRID_STEP = 66;
constexpr int32_t CELL_SIZE = 64;
constexpr int32_t GRID_LEFT = 607;
constexpr int32_t GRID_TOP = 500;

float Price(int32_t shipType) { return shipValue[shipType][GROUP_HULL][HULL_PRICE]; }

int32_t (&Head())[31] { return fleetTable[shopPlayer][FLEET_HEAD]; }
int32_t (&Members())[31] { return fleetTable[shopPlayer][FLEET_MEMBER_TYPES]; }

void Play(int32_t sound) { PlaySoundOnChannel(sound, 0); }

void SetLight(int32_t x, int32_t y, float scaleX, float scaleY) {
  hoverLightX = x;
  hoverLightY = y;
  hoverLightScaleX = scaleX;
  hoverLightScaleY = scaleY;
}

// The ship that Enter buys: the one in the centre, or the one sliding into it.
void ChooseCentreShip() {
  int32_t step = 0;
  if (shipCarousel[CAROUSEL_DIRECTION] == SLIDE_PREVIOUS) step = -1;
  if (shipCarousel[CAROUSEL_DIRECTION] == SLIDE_NEXT) step = 1;
  shipCarousel[CAROUSEL_CHOSEN] =
      shipOrder[WrapShipPosition(shipCarousel[CAROUSEL_POSITION] + step)];
}

// A card under the pointer lights up at rest; a click on it chooses its ship
// even while the carousel slides.
void CardsUnderPointer() {
  SetLight(-2000, -2000, 1, 1);
  for (int32_t card = 1; card <= CARD_HOVER_COUNT; ++card) {
    const HoverBox box = CardBox(card);
    if (!PointerInBox(box)) continue;
    if (carouselAtRest == 1) {
      SetLight(box.left + 2, 221, CARD_LIGHT_SCALE_X, CARD_LIGHT_SCALE_Y);
    }
    if (MousePressed(1) == 1) {
      shipCarousel[CAROUSEL_CHOSEN] =
          shipOrder[WrapShipPosition(shipCarousel[CAROUSEL_POSITION] - 3 + card)];
    }
  }
}

void Buy(int32_t shipType) {
  int32_t& money = Head()[FLEET_MONEY];
  int32_t& size = Head()[FLEET_SIZE];
  if (static_cast<float>(money) >= Price(shipType) && size < maxFleetSize) {
    money = TruncateToInt(static_cast<float>(money) - Price(shipType));
    Members()[size + 1] = shipType;
    size += 1;
    Play(tickSound);
  } else {
    Play(alarmSound);
  }
}

// Member m leaves the fleet; the later ones close the gap.
void Sell(int32_t member) {
  int32_t& money = Head()[FLEET_MONEY];
  int32_t& size = Head()[FLEET_SIZE];
  money = TruncateToInt(static_cast<float>(money) + Price(Members()[member]));
  for (int32_t i = member; i < size; ++i) Members()[i] = Members()[i + 1];
  Members()[size] = 0;
  size -= 1;
  Play(deleteSound);
}

void SellLast() {
  if (Head()[FLEET_SIZE] > 0) Sell(Head()[FLEET_SIZE]);
}

HoverBox CellBox(int32_t row, int32_t column) {
  const int32_t x = GRID_LEFT + GRID_STEP * column;
  const int32_t y = GRID_TOP + GRID_STEP * row;
  return {x, y, x + CELL_SIZE, y + CELL_SIZE, true};
}

// A fleet cell under the pointer lights up in every frame; a click sells it.
void FleetUnderPointer() {
  for (int32_t row = 0; row < GRID_ROWS; ++row) {
    for (int32_t column = 0; column < GRID_COLUMNS; ++column) {
      const int32_t member = GRID_COLUMNS * row + column + 1;
      if (Members()[member] == 0) continue;
      const HoverBox box = CellBox(row, column);
      if (!PointerInBox(box)) continue;
      SetLight(box.left + 2, box.top + 2, 1, 1);
      if (MousePressed(1) == 1) Sell(member);
    }
  }
}

// ACCEPT (with a click) and Space: on to the question, or the alarm for an
// empty fleet.
void AskToConfirm(bool tick) {
  if (Head()[FLEET_SIZE] == 0) {
    Play(alarmSound);
    return;
  }
  if (tick) Play(tickSound);
  RequestScreen(SCREEN_CONFIRM_FLEET);
  StopSlideSound();
}

void AskToAbort() {
  RequestScreen(SCREEN_CONFIRM_ABORT_SHOP);
  StopSlideSound();
}

void DrawHoverLight() {
  SetDrawScale(hoverLightScaleX, hoverLightScaleY);
  SetBlendMode(BLEND_ADD);
  SetDrawAlpha(0.15);
  DrawImageFrame(lightSmallImage, hoverLightX, hoverLightY, 0);
  SetDrawScale(1, 1);
  SetDrawAlpha(1);
  SetBlendMode(BLEND_MASK);
}

}  // namespace

void ShipShopEnter() {}

void ShipShopBlock() {
  shipCarousel[CAROUSEL_CHOSEN] = 0;
  shipCarousel[CAROUSEL_SELL_LAST] = 0;

  if (StartCarouselSlide()) carouselAtRest = 0;
  if (shipCarousel[CAROUSEL_DIRECTION] == SLIDE_IDLE) carouselAtRest = 1;
  StepCarousel();

  if (KeyPressed(KEY_ENTER) == 1) ChooseCentreShip();
  CardsUnderPointer();
  // At most one ship a frame: a click on a card overrides Enter.
  if (shipCarousel[CAROUSEL_CHOSEN] > 0) Buy(shipCarousel[CAROUSEL_CHOSEN]);

  if (KeyPressed(KEY_BACKSPACE) == 1 || MousePressed(2) == 1) {
    shipCarousel[CAROUSEL_SELL_LAST] = 1;
  }
  if (shipCarousel[CAROUSEL_SELL_LAST] == 1) SellLast();
  FleetUnderPointer();

  if (KeyPressed(KEY_SPACE) == 1) AskToConfirm(false);
  if (ButtonStep(SHOP_ACCEPT, acceptBox, false)) AskToConfirm(true);
  if (KeyPressed(KEY_ESCAPE) == 1) AskToAbort();
  if (ButtonStep(SHOP_ABORT, abortBox)) AskToAbort();

  AdvancePulse();
  ShipShopDraw();
}

void ShipShopDraw() {
  TileViewportWithImage(shipShopImage, 0, 0, 0);
  DrawTextProp2(640, 8, u"SHIP SHOP", 1);
  const int32_t(&colour)[4] = slotColour[shopPlayer];
  SetDrawColour(colour[1], colour[2], colour[3]);
  DrawTextProp(640, 77, JoinText(u"PLAYER ", IntToText(shopPlayer)), 1);
  SetDrawColour(255, 200, 100);
  DrawTextProp(640, 132, IntToText(Head()[FLEET_MONEY]), 1);
  SetGlowColour(SHOP_ACCEPT);
  DrawTextProp(842, 977, u"ACCEPT", 1);
  SetGlowColour(SHOP_ABORT);
  DrawTextProp(440, 977, u"ABORT", 1);
  SetDrawColour(255, 255, 255);

  DrawCarousel(true);
  DrawShopperFleet(GRID_LEFT, GRID_TOP, BLEND_MASK);
  DrawHoverLight();
  DrawShipInfoPanel(CentreShipType(), shipCarousel[CAROUSEL_PANEL_OFFSET], SHOP_DESCRIPTION_TOP,
                    SHOP_DESCRIPTION_PLATE_TOP);
  DrawCheatModeText();
}

void DrawShopperFleet(int32_t left, int32_t top, int32_t pictureBlend) {
  for (int32_t row = 0; row < GRID_ROWS; ++row) {
    for (int32_t column = 0; column < GRID_COLUMNS; ++column) {
      const int32_t x = left + GRID_STEP * column;
      const int32_t y = top + GRID_STEP * row;
      SetBlendMode(BLEND_ALPHA);
      SetDrawAlpha(0.5);
      SetDrawColour(255, 200, 100);
      DrawImageFrame(miniBorderImage, x, y, 0);
      SetDrawColour(255, 255, 255);
      SetDrawAlpha(1);
      SetBlendMode(pictureBlend);
      const int32_t shipType = Members()[GRID_COLUMNS * row + column + 1];
      if (shipType > 0) DrawImageFrame(hudMiniShipsImage, x + 4, y + 4, shipType - 1);
    }
  }
  SetBlendMode(BLEND_MASK);
}

void ResetShopScreens() {
  carouselAtRest = 0;
  hoverLightX = hoverLightY = -2000;
  hoverLightScaleX = hoverLightScaleY = 1;
}
