// Screen 6, the fleet confirmation, and screen 11, the shop abort question:
// two yes/no questions on the shop's background, answered with Y and N (or
// Escape for no) or by clicking the letters. No goes back to the shop.
#include "match/bitmap_text.hpp"
#include "match/input_edges.hpp"
#include "match/key_codes.hpp"
#include "match/match_tables.hpp"
#include "match/media_tables.hpp"
#include "match/shell_tables.hpp"
#include "platform/draw.hpp"
#include "shell/screens.hpp"
#include "shell/shop_screens.hpp"

namespace {

// The two letters.
const HoverBox fleetYesBox = {555, 684, 605, 726, false};
const HoverBox fleetNoBox = {675, 684, 725, 726, false};
const HoverBox abortYesBox = {555, 531, 605, 573, false};
const HoverBox abortNoBox = {675, 531, 725, 573, false};

// The fleet shown under the question.
constexpr int32_t GRID_LEFT = 310;
constexpr int32_t GRID_TOP = 454;

// Whether a slot after the shopper will shop too.
bool AnotherShopperFollows() {
  for (int32_t slot = shopPlayer + 1; slot <= 4; ++slot) {
    if (slotTable[slot][SLOT_CONTROL] != CONTROL_DISABLED &&
        slotTable[slot][SLOT_FLEET_KIND] == FLEET_CUSTOM) {
      return true;
    }
  }
  return false;
}

// Yes: the next shopper, or, after the last one, the match behind a fade
// that takes the music with it.
void AcceptFleet() {
  if (AnotherShopperFollows()) {
    RequestScreen(SCREEN_NEXT_SHOPPER);
  } else {
    RequestFadingScreen(SCREEN_NEXT_SHOPPER, true);
  }
}

}  // namespace

void AbandonShopping() {
  shopPlayer = 0;
  shopperChosen = 0;
  announceTimer = 0;
  for (int32_t slot = 1; slot <= 4; ++slot) {
    fleetTable[slot][FLEET_HEAD][FLEET_SIZE] = 0;
    for (int32_t k = 1; k <= maxFleetSize; ++k) fleetTable[slot][FLEET_MEMBER_TYPES][k] = 0;
  }
}

void ConfirmFleetEnter() {}

// Answers given in one frame: the last one stands, with its own fade.
void ConfirmFleetBlock() {
  if (ButtonStep(GLOW_YES, fleetYesBox)) AcceptFleet();
  if (ButtonStep(GLOW_NO, fleetNoBox)) RequestScreen(SCREEN_SHIP_SHOP);
  ConfirmFleetDraw();
  if (KeyPressed(KEY_Y) == 1) AcceptFleet();
  if (KeyPressed(KEY_N) == 1 || KeyPressed(KEY_ESCAPE) == 1) RequestScreen(SCREEN_SHIP_SHOP);
}

void ConfirmFleetDraw() {
  TileViewportWithImage(shipShopImage, 0, 0, 0);
  const int32_t(&colour)[4] = slotColour[shopPlayer];
  SetDrawColour(colour[1], colour[2], colour[3]);
  DrawTextProp(640, 298, JoinText(u"PLAYER ", IntToText(shopPlayer)), 1);
  SetDrawColour(255, 200, 100);
  DrawTextProp(640, 378, u"ACCEPT THIS Wexlor?", 1);
  DrawYesNoLetters(684);
  // The pictures keep the alpha blending of the frames.
  DrawShopperFleet(GRID_LEFT, GRID_TOP, BLEND_ALPHA);
}

void ConfirmAbortShopEnter() {}

void ConfirmAbortShopBlock() {
  bool yes = false;
  if (KeyPressed(KEY_Y) == 1) yes = true;
  if (KeyPressed(KEY_N) == 1 || KeyPressed(KEY_ESCAPE) == 1) RequestScreen(SCREEN_SHIP_SHOP);
  if (ButtonStep(GLOW_YES, abortYesBox)) yes = true;
  if (ButtonStep(GLOW_NO, abortNoBox)) RequestScreen(SCREEN_SHIP_SHOP);
  // A yes in the same frame as a no wins: it comes last.
  if (yes) {
    AbandonShopping();
    RequestFadingScreen(SCREEN_MAIN_MENU, false);
  }
  ConfirmAbortShopDraw();
}

void ConfirmAbortShopDraw() {
  TileViewportWithImage(shipShopImage, 0, 0, 0);
  SetDrawColour(255, 200, 100);
  DrawTextProp(640, 451, u"ABORT GAME?", 1);
  DrawYesNoLetters(531);
}
