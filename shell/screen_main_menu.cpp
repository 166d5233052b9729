// Screen 1: the main menu.
#include "catalogue/ships.hpp"
#include "match/bitmap_text.hpp"
#include "match/input_edges.hpp"
#include "match/key_codes.hpp"
#include "match/match_tables.hpp"
#include "match/media_tables.hpp"
#include "match/records.hpp"
#include "match/shell_tables.hpp"
#include "platform/draw.hpp"
#include "platform/files.hpp"
#include "platform/input.hpp"
#include "platform/sound.hpp"
#include "shell/frame_internal.hpp"
#include "shell/match_reset.hpp"
#include "shell/options_files.hpp"
#include "shell/screens.hpp"

namespace {

struct MenuItem {
  Text text;
  int32_t x, y;
};
// menuGlow rows 1 to 5.
constexpr int32_t ITEM_NEW_GAME = 1, ITEM_SHIP_DATABASE = 2, ITEM_REPLAYS = 3, ITEM_OPTIONS = 4;
const MenuItem menuItems[6] = {{u"", 0, 0},
                               {u"NEW GAME", 640, 383},
                               {u"SHIP DATABASE", 640, 463},
                               {u"REPLAYS", 640, 543},
                               {u"OPTIONS", 640, 623},
                               {u"QUIT", 640, 703}};

HoverBox ItemBox(int32_t item) {
  const int32_t cx = menuGlow[item][1];
  const int32_t cy = menuGlow[item][2];
  return {cx - 284, cy, cx + 284, cy + 42, false};
}

// Below the menu's border, where nothing else is drawn.
constexpr float failureNoticeY = 790;

// The hidden spot: a 9 x 9 square around the centre of the sign.
constexpr int32_t secretX = 1046;
constexpr int32_t secretY = 931;

void MakeFolder(const Text& path) {
  if (PathKind(path) != PATH_FOLDER) MakeDirectory(path, false);
}

void TakeItem(int32_t item) {
  switch (item) {
    case ITEM_NEW_GAME:
      RequestScreen(SCREEN_GAME_MODE);
      break;
    case ITEM_SHIP_DATABASE:
      ResetShipCarousel();
      RequestFadingScreen(SCREEN_SHIP_DATABASE, false);
      break;
    case ITEM_REPLAYS:
      RequestScreen(SCREEN_REPLAYS);
      replayScroll = selectedReplay = loadedInfoMagic = 0;
      break;
    case ITEM_OPTIONS:
      RequestScreen(SCREEN_OPTIONS);
      break;
    default:
      quitRequested = 1;
      break;
  }
}

}  // namespace

void MainMenuHead() {
  if (filesLoaded == 0) {
    MakeFolder(u"data");
    MakeFolder(u"data\\replays");
    RemoveSaveLeftovers();
    LoadOptionsFile();
    LoadProgressFile();
  }
  const int32_t x = PointerX();
  const int32_t y = PointerY();
  if (x >= secretX - 4 && x <= secretX + 4 && y >= secretY - 4 && y <= secretY + 4 &&
      MousePressed(1) == 1 && cheatModeActive == 0) {
    PlaySoundOnChannel(cheatSound, 0);
    cheatModeActive = 1;
    bonusShipsUnlocked = shipCount - baseShipCount;
  }
}

void MainMenuEnter() {
  ClearMatchState(true);
  for (int32_t item = 1; item <= 5; ++item) {
    menuGlow[item][1] = menuItems[item].x;
    menuGlow[item][2] = menuItems[item].y;
  }
}

void MainMenuBlock() {
  for (int32_t item = 1; item <= 5; ++item) {
    if (ButtonStep(item, ItemBox(item))) TakeItem(item);
  }
  if (KeyPressed(KEY_ESCAPE) == 1) quitRequested = 1;
  if (saveFailureFrames > 0) saveFailureFrames -= 1;
  AdvancePulse();
  MainMenuDraw();
}

void MainMenuDraw() {
  static const Text title = u"MAIN MENU";
  DrawMenuPage(mainMenuBorderImage, 512, title);
  for (int32_t item = 1; item <= 5; ++item) {
    SetGlowColour(item);
    DrawTextProp(static_cast<float>(menuGlow[item][1]), static_cast<float>(menuGlow[item][2]),
                 menuItems[item].text, 1);
  }
  SetDrawColour(255, 255, 255);
  DrawImageFrame(secretImage, secretX, secretY, 0);
  DrawCheatModeText();
  if (saveFailureFrames > 0)
    DrawFailureNotice(failureNoticeY, saveFailureNotice, saveFailureAdvice);
  SetDrawColour(255, 255, 255);
}

void ResetMainMenu() {}
