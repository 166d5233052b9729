// The one loop of the game: one pass is one frame.
#include <algorithm>
#include <iterator>

#include "match/bitmap_text.hpp"
#include "match/input_edges.hpp"
#include "match/match_tables.hpp"
#include "match/media_tables.hpp"
#include "match/shell_tables.hpp"
#include "platform/display.hpp"
#include "platform/draw.hpp"
#include "platform/fsound.hpp"
#include "platform/input.hpp"
#include "platform/system.hpp"
#include "shell/frame_internal.hpp"
#include "shell/options_files.hpp"
#include "shell/screens.hpp"

// clang-format off
const ScreenEntry kScreens[18] = {
  // number                        head          enter                   block                   draw-only               track           full   fades  stand by                   blue skip
  {SCREEN_MAIN_MENU,               MainMenuHead, MainMenuEnter,          MainMenuBlock,          MainMenuDraw,           TRACK_MENU,     true,  false, STAND_BY_NEVER,            0, false},
  {SCREEN_GAME_MODE,               nullptr,      GameModeEnter,          GameModeBlock,          GameModeDraw,           TRACK_MENU,     false, false, STAND_BY_NEVER,            0, false},
  {SCREEN_CHALLENGE_SETUP,         nullptr,      ChallengeSetupEnter,    ChallengeSetupBlock,    ChallengeSetupDraw,     TRACK_MENU,     false, true,  STAND_BY_NO_CUSTOM_FLEET,  0, false},
  {SCREEN_MELEE_SETUP,             nullptr,      MeleeSetupEnter,        MeleeSetupBlock,        MeleeSetupDraw,         TRACK_MENU,     false, true,  STAND_BY_NO_CUSTOM_FLEET,  0, false},
  // Screen 4 asks for the ship-shop track only in some cases: its block makes the test.
  {SCREEN_NEXT_SHOPPER,            nullptr,      NextShopperEnter,       NextShopperBlock,       NextShopperDraw,        TRACK_NONE,     false, false, STAND_BY_NEVER,            0, false},
  {SCREEN_SHIP_SHOP,               nullptr,      ShipShopEnter,          ShipShopBlock,          ShipShopDraw,           TRACK_SHIPSHOP, false, false, STAND_BY_NEVER,            0, false},
  {SCREEN_CONFIRM_FLEET,           nullptr,      ConfirmFleetEnter,      ConfirmFleetBlock,      ConfirmFleetDraw,       TRACK_SHIPSHOP, false, true,  STAND_BY_ALWAYS,           0, false},
  {SCREEN_CONFIRM_ABORT_SHOP,      nullptr,      ConfirmAbortShopEnter,  ConfirmAbortShopBlock,  ConfirmAbortShopDraw,   TRACK_SHIPSHOP, false, false, STAND_BY_NEVER,            0, false},
  {SCREEN_OPTIONS,                 nullptr,      OptionsEnter,           OptionsBlock,           OptionsDraw,            TRACK_MENU,     false, false, STAND_BY_NEVER,            0, false},
  {SCREEN_SHIP_DATABASE,           nullptr,      ShipDatabaseEnter,      ShipDatabaseBlock,      ShipDatabaseDraw,       TRACK_MENU,     false, false, STAND_BY_NEVER,            0, false},
  {SCREEN_REPLAYS,                 nullptr,      ReplaysEnter,           ReplaysBlock,           ReplaysDraw,            TRACK_MENU,     false, true,  STAND_BY_ALWAYS,           0, false},
  {SCREEN_CONFIRM_DELETE_REPLAY,   nullptr,      ConfirmDeleteReplayEnter, ConfirmDeleteReplayBlock, ConfirmDeleteReplayDraw, TRACK_MENU, false, false, STAND_BY_NEVER,         0, false},
  // The match starts the in-game track inside its own step.
  {SCREEN_MATCH,                   nullptr,      MatchScreenEnter,       MatchScreenBlock,       MatchScreenDraw,        TRACK_NONE,     false, false, STAND_BY_ALWAYS,          15, false},
  {SCREEN_MATCH_INTERRUPT,         nullptr,      MatchInterruptEnter,    MatchInterruptBlock,    nullptr,                TRACK_NONE,     false, false, STAND_BY_NEVER,           15, true},
  {SCREEN_CONFIRM_ABORT_MATCH,     nullptr,      ConfirmAbortMatchEnter, ConfirmAbortMatchBlock, ConfirmAbortMatchDraw,  TRACK_NONE,     false, true,  STAND_BY_NEVER,           15, false},
  {SCREEN_MATCH_RESULT,            nullptr,      MatchResultEnter,       MatchResultBlock,       MatchResultDraw,        TRACK_NONE,     false, false, STAND_BY_NEVER,           15, false},
  {SCREEN_STATISTICS,              nullptr,      StatisticsEnter,        StatisticsBlock,        StatisticsDraw,         TRACK_NONE,     false, false, STAND_BY_NEVER,            0, false},
  {SCREEN_NEW_SHIP,                nullptr,      NewShipEnter,           NewShipBlock,           NewShipDraw,            TRACK_NONE,     false, false, STAND_BY_NEVER,            0, false},
};
// clang-format on

const ScreenEntry* FindScreen(int32_t number) {
  for (const ScreenEntry& entry : kScreens) {
    if (entry.number == number) return &entry;
  }
  return nullptr;
}

namespace {

// Texts of the overlays, made once: a frame allocates nothing.
const Text versionText = u"v1.15";
const Text standByText = u"PLEASE STAND BY";

void FrameHead() {
  PollInput();
  optionTable[OPTIONS_GENERAL][OPTION_FRAME_MARK] = 1;
  if (pendingScreen > 0) {
    currentScreen = pendingScreen;
    pendingScreen = 0;
  }
  BeginFrameRequests();
}

void RunScreenBlock(const ScreenEntry& entry) {
  if (entry.head != nullptr) entry.head();
  if (lastScreen != currentScreen) {
    // The main menu's notice of a failed save ends when the menu is left.
    if (lastScreen == SCREEN_MAIN_MENU) saveFailureFrames = 0;
    lastScreen = currentScreen;
    ClearMenuHover();
    FlushPressed();
    if (entry.enter != nullptr) entry.enter();
  }
  if (entry.track != TRACK_NONE) ScreenMusic(entry.track, entry.fullVolumeOnChange);
  entry.block();
}

void ScreenOverlays() {
  if (currentScreen >= 1 && currentScreen < int32_t(std::size(showVersionText)) &&
      showVersionText[currentScreen] == 1) {
    SetBlendMode(BLEND_ALPHA);
    SetDrawAlpha(0.5);
    DrawImageFrame(versionBarImage, 0, 1010, 0);
    SetDrawAlpha(1);
    SetBlendMode(BLEND_MASK);
    DrawTextFixed(2, 1012, 0, 255, 0, versionText);
  }
  if (currentScreen != SCREEN_MATCH) {
    cursorFrame += 1;
    if (cursorFrame > 28) cursorFrame = 1;
    DrawImageFrame(mouseImage, PointerX(), PointerY(), cursorFrame / 4);
  }
}

bool StandByShown(const ScreenEntry& entry) {
  if (entry.standBy == STAND_BY_ALWAYS) return true;
  if (entry.standBy == STAND_BY_NO_CUSTOM_FLEET) return NoTakingPartCustomFleet();
  return false;
}

void FadeRedraw() {
  fadeProgress = 0;
  while (fadeProgress < 100) {
    const ScreenEntry* entry = FindScreen(currentScreen);
    if (entry != nullptr && entry->copyFadesMusic && musicFadeVolume > 0) {
      musicFadeVolume = std::max(0, musicFadeVolume - MUSIC_FADE_STEP);
      FSOUND_SetVolume(1, musicFadeVolume);
    }
    if (entry != nullptr && entry->drawOnly != nullptr) entry->drawOnly();

    fadeProgress += FADE_STEP;
    const float progress = static_cast<float>(fadeProgress) / 100.0f;
    const float alpha = fadePhase == FADE_OUT ? progress : 1.0f - progress;

    SetDrawScale(40, 32);
    SetBlendMode(BLEND_ALPHA);
    SetDrawAlpha(alpha);
    DrawImageFrame(blackImage, 0, 0, 0);
    SetDrawAlpha(1);
    SetBlendMode(BLEND_MASK);
    SetDrawScale(1, 1);

    if (entry != nullptr && StandByShown(*entry)) {
      SetBlendMode(BLEND_ALPHA);
      SetDrawAlpha(alpha);
      SetDrawColour(255, 200, 100);
      DrawTextProp(640, 491, standByText, 1);
      SetDrawColour(255, 255, 255);
      SetDrawAlpha(1);
      SetBlendMode(BLEND_MASK);
    }

    if (fadeProgress >= 100) {
      fadePhase = fadePhase == FADE_OUT ? FADE_IN : FADE_NONE;
    } else {
      PresentFrame();
      ClearBackBuffer();
    }
  }
}

void LoopTail() {
  const ScreenEntry* entry = FindScreen(currentScreen);
  const int32_t blue = entry != nullptr ? entry->clearBlue : 0;
  SetClearColour(0, 0, blue);
  if (entry == nullptr || !entry->skipsPresent) {
    PresentFrame();
    ClearBackBuffer();
  }
}

}  // namespace

bool RunFrame() {
  FrameHead();
  // A chain of independent tests: screen 4 may hand over to the match, which
  // then runs in this same pass.
  for (const ScreenEntry& entry : kScreens) {
    if (currentScreen == entry.number) RunScreenBlock(entry);
  }
  ScreenOverlays();
  if (fadePhase > FADE_NONE) FadeRedraw();
  LoopTail();
  if (CloseRequested()) return false;
  return quitRequested == 0;
}

void MainLoop() {
  while (RunFrame()) {
  }
  FSOUND_Close();
  EndProgram();
}
