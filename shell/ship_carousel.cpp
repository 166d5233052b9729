#include "shell/ship_carousel.hpp"

#include "catalogue/ships.hpp"
#include "match/bitmap_text.hpp"
#include "match/input_edges.hpp"
#include "match/key_codes.hpp"
#include "match/media_tables.hpp"
#include "match/shell_tables.hpp"
#include "platform/draw.hpp"
#include "platform/input.hpp"
#include "platform/maths.hpp"
#include "platform/sound.hpp"

namespace {

// The pointer slides the carousel over the arrows at either edge.
constexpr int32_t EDGE_LEFT = 84;
constexpr int32_t EDGE_RIGHT = 1196;
constexpr int32_t EDGE_TOP = 220;
constexpr int32_t EDGE_BOTTOM = 451;

constexpr int32_t CARD_TOP = 219;
constexpr int32_t CARD_CENTRE_X = 134;
constexpr int32_t CARD_CENTRE_Y = 337;
constexpr int32_t CENTRE_CARD_X = 506;

void KeepSlideSoundPlaying() {
  if (!SoundChannelBusy(slideChannel)) slideChannel = PlaySoundOnChannel(slideSound, 0);
}

// The panel moves out while the carousel slides.
void PushPanelOut() {
  int32_t& panel = shipCarousel[CAROUSEL_PANEL_OFFSET];
  if (panel < PANEL_OUT) panel += PANEL_SPEED;
}

void EndSlide(int32_t step) {
  shipCarousel[CAROUSEL_DIRECTION] = SLIDE_IDLE;
  shipCarousel[CAROUSEL_OFFSET] = 0;
  shipCarousel[CAROUSEL_POSITION] = WrapShipPosition(shipCarousel[CAROUSEL_POSITION] + step);
}

}  // namespace

int32_t WrapShipPosition(int32_t position) {
  const int32_t available = AvailableShipCount();
  if (position < 1) return position + available;
  if (position > available) return position - available;
  return position;
}

int32_t CentreShipType() { return shipOrder[WrapShipPosition(shipCarousel[CAROUSEL_POSITION])]; }

bool StartCarouselSlide() {
  int32_t& direction = shipCarousel[CAROUSEL_DIRECTION];
  if (direction != SLIDE_IDLE) return false;
  const int32_t x = PointerX();
  const int32_t y = PointerY();
  const bool onEdges = EDGE_TOP < y && y < EDGE_BOTTOM;
  bool started = false;
  // A tap between two frames counts as one frame held.
  if (KeyDown(KEY_LEFT) == 1) {
    direction = SLIDE_PREVIOUS;
    started = true;
  }
  if (KeyDown(KEY_RIGHT) == 1) {
    direction = SLIDE_NEXT;
    started = true;
  }
  if (x < EDGE_LEFT && onEdges) {
    direction = SLIDE_PREVIOUS;
    started = true;
  }
  if (x > EDGE_RIGHT && onEdges) {
    direction = SLIDE_NEXT;
    started = true;
  }
  return started;
}

void StepCarousel() {
  int32_t& offset = shipCarousel[CAROUSEL_OFFSET];
  switch (shipCarousel[CAROUSEL_DIRECTION]) {
    case SLIDE_PREVIOUS:
      KeepSlideSoundPlaying();
      offset += SLIDE_SPEED;
      PushPanelOut();
      if (offset >= SLIDE_DISTANCE) EndSlide(-1);
      break;
    case SLIDE_NEXT:
      KeepSlideSoundPlaying();
      offset -= SLIDE_SPEED;
      PushPanelOut();
      if (offset <= -SLIDE_DISTANCE) EndSlide(1);
      break;
    default: {
      int32_t& panel = shipCarousel[CAROUSEL_PANEL_OFFSET];
      if (panel >= 1) panel -= PANEL_SPEED;
      StopSlideSound();
      break;
    }
  }
}

void StopSlideSound() {
  if (SoundChannelBusy(slideChannel)) StopSoundChannel(slideChannel);
}

void DrawCarousel(bool withPrices) {
  for (int32_t card = 1; card <= 7; ++card) {
    const int32_t x = SLIDE_DISTANCE * card - 502 + shipCarousel[CAROUSEL_OFFSET];
    const int32_t shipType =
        shipOrder[WrapShipPosition(shipCarousel[CAROUSEL_POSITION] + card - 4)];
    // In the shop the leftmost card's frame is yellow.
    if (withPrices && card == 1) SetDrawColour(255, 255, 0);
    DrawImageFrame(shipBorderImage, x, CARD_TOP, 0);
    SetDrawColour(255, 255, 255);
    DrawImageFrame(shipBigImages[shipType], x + CARD_CENTRE_X, CARD_CENTRE_Y, 0);
    if (withPrices) {
      SetBlendMode(BLEND_ALPHA);
      SetDrawAlpha(0.5);
      DrawImageFrame(pricePlateImage, x + 16, CARD_TOP, 0);
      SetDrawColour(255, 200, 100);
      SetDrawAlpha(0.65);
      DrawTextProp(static_cast<float>(x + CARD_CENTRE_X), CARD_TOP + 2,
                   IntToText(TruncateToInt(shipValue[shipType][GROUP_HULL][HULL_PRICE])), 1);
      SetDrawColour(255, 255, 255);
      SetDrawAlpha(1);
      SetBlendMode(BLEND_MASK);
    }
  }
  SetDrawColour(0, 255, 0);
  DrawImageFrame(shipBorder2Image, CENTRE_CARD_X, CARD_TOP, 0);
  SetDrawColour(255, 255, 255);

  SetBlendMode(BLEND_ALPHA);
  SetDrawAlpha(0.25);
  DrawImageFrame(arrowImage, 43, 336, 0);
  SetDrawRotation(180);
  DrawImageFrame(arrowImage, 1237, 336, 0);
  SetDrawRotation(0);
  SetDrawAlpha(1);
  SetBlendMode(BLEND_MASK);

  DrawImageFrame(shopHeaderBorderImage, 0, 189, 0);
  DrawImageFrame(shopHeaderBorderImage, 0, 451, 0);
}
