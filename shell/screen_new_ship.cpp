// Screen 15: the new-ship award after a won challenge. It unlocks the next
// bonus ship, shows it for four seconds, stores the progress and returns to
// the main menu. It reads no input.
#include "match/bitmap_text.hpp"
#include "match/media_tables.hpp"
#include "match/shell_tables.hpp"
#include "platform/draw.hpp"
#include "platform/sound.hpp"
#include "shell/options_files.hpp"
#include "shell/screen_options.hpp"
#include "shell/screens.hpp"

int32_t newShipTimer = 0;

namespace {
constexpr int32_t newShipShownFrames = 300;
// Whether this visit unlocked a ship: with every bonus ship already
// available there is nothing to award or store.
bool awarded = false;
}  // namespace

void NewShipEnter() {
  newShipTimer = 0;
  // The ship after the last one the progress file holds, when the start
  // could not read it.
  ReadProgressAgain();
  awarded = bonusShipsUnlocked < maxBonusShips;
  if (!awarded) {
    RequestScreen(SCREEN_MAIN_MENU);
    return;
  }
  bonusShipsUnlocked += 1;
  PlaySoundOnChannel(rewardSound, 0);
}

void NewShipBlock() {
  newShipTimer += 1;
  if (newShipTimer == newShipShownFrames) {
    if (awarded && cheatModeActive != 1) SaveProgressFile();
    newShipTimer = 0;
    RequestScreen(SCREEN_MAIN_MENU);
  }
  AdvancePulse();
  NewShipDraw();
}

void NewShipDraw() {
  DrawTitleBackdrop();
  DrawMenuBorder(teamsBorderImage, 640, 580);
  DrawImageFrame(shipBorder3Image, 640, 640, 0);
  // Passing through on the way back to the main menu: no award to show.
  if (!awarded) return;
  DrawImageFrame(shipBigImages[shipOrder[baseShipCount + bonusShipsUnlocked]], 640, 640, 0);
  static const Text congratulations = u"CONGRATULATIONS!";
  static const Text newShip = u"A NEW SHIP IS NOW AVAILABLE";
  SetDrawColour(255, 200, 100);
  DrawTextProp(640, 280, congratulations, 1);
  DrawTextProp(640, 340, newShip, 1);
  SetDrawColour(255, 255, 255);
}

void ResetNewShipScreen() {
  newShipTimer = 0;
  awarded = false;
}
