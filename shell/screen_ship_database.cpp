// Screen 10: the ship database, the shop's carousel and info panel over every
// ship type on offer, without prices or a fleet; DONE or Escape leave.
#include "match/bitmap_text.hpp"
#include "match/input_edges.hpp"
#include "match/key_codes.hpp"
#include "match/media_tables.hpp"
#include "match/shell_tables.hpp"
#include "platform/draw.hpp"
#include "shell/screens.hpp"
#include "shell/ship_carousel.hpp"
#include "shell/ship_info_panel.hpp"

namespace {

constexpr int32_t DATABASE_DONE = 1;
const HoverBox doneBox = {558, 977, 722, 1019, false};

void Leave() {
  RequestFadingScreen(SCREEN_MAIN_MENU, false);
  StopSlideSound();
}

}  // namespace

void ShipDatabaseEnter() {}

void ShipDatabaseBlock() {
  shipCarousel[CAROUSEL_CHOSEN] = 0;
  shipCarousel[CAROUSEL_SELL_LAST] = 0;
  StartCarouselSlide();
  StepCarousel();
  if (KeyPressed(KEY_ESCAPE) == 1) Leave();
  if (ButtonStep(DATABASE_DONE, doneBox)) Leave();
  AdvancePulse();
  ShipDatabaseDraw();
}

void ShipDatabaseDraw() {
  TileViewportWithImage(shipShopImage, 0, 0, 0);
  DrawTextProp2(640, 64, u"SHIP DATABASE", 1);
  SetGlowColour(DATABASE_DONE);
  DrawTextProp(640, 977, u"DONE", 1);
  SetDrawColour(255, 255, 255);
  DrawCarousel(false);
  DrawShipInfoPanel(CentreShipType(), shipCarousel[CAROUSEL_PANEL_OFFSET], DATABASE_DESCRIPTION_TOP,
                    DATABASE_DESCRIPTION_PLATE_TOP);
  DrawCheatModeText();
}
