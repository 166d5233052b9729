#include "match/shell_tables.hpp"

#include <algorithm>
#include <iterator>
#include <type_traits>

int32_t currentScreen = SCREEN_MAIN_MENU;
int32_t lastScreen = 0;
int32_t pendingScreen = 0;
int32_t fadePhase = FADE_NONE;
int32_t fadeProgress = 0;
int32_t quitRequested = 0;
int32_t musicTrack = TRACK_NONE;
int32_t musicStream = 0;
int32_t musicFadeVolume = 0;
int32_t cursorFrame = 0;
int32_t gameMode = 0;
int32_t playbackMode = 0;
int32_t bonusShipsUnlocked = 0;
int32_t cheatModeActive = 0;
int32_t filesLoaded = 0;
float pulseTimer = 0.0f;

int32_t replayScroll = 0;
int32_t selectedReplay = 0;
int32_t loadedInfoMagic = 0;

int32_t frameTimer = 0;
int32_t startupHover[6];
int32_t starField[3][101][3];

Text teamNames[6];
int32_t teamPresent[5];
Text kindNames[4][4];
Text loadedReplayInfo[6];
Text replayNames[maxListedReplays + 1];
int32_t replayRowGlow[11];
int32_t shipCarousel[7];
int32_t showVersionText[21];
int32_t slotColour[6][4];
int32_t optionTable[5][7];
Text keyNames[301];
Text shiftedKeyNames[191];
int32_t keyRepeat[4];
Text replayInfo[7];
int32_t keyClass[251];

int32_t shipOrder[shipCount + 1];
int32_t shipRankWork[shipCount + 1][4];
Text sortedShipNames[shipCount + 1];
int32_t hudLayout[6][8][4];
int32_t meleeSetupRows[11];
int32_t affordableShips[shipCount + 1];
int32_t panelColour[3][4];

int32_t AvailableShipCount() { return baseShipCount + bonusShipsUnlocked; }

int32_t ChallengeBudget() { return 10 + 3 * bonusShipsUnlocked; }

void ResetShipCarousel() {
  shipCarousel[CAROUSEL_POSITION] = 3;
  shipCarousel[CAROUSEL_OFFSET] = 0;
  shipCarousel[CAROUSEL_DIRECTION] = SLIDE_IDLE;
  shipCarousel[CAROUSEL_PANEL_OFFSET] = 0;
}

namespace {
template <class T, size_t N>
void Zero(T (&table)[N]) {
  if constexpr (std::is_array_v<T>) {
    for (auto& row : table) Zero(row);
  } else {
    std::fill(std::begin(table), std::end(table), T{});
  }
}
}  // namespace

void ResetShellTables() {
  currentScreen = SCREEN_MAIN_MENU;
  lastScreen = pendingScreen = 0;
  fadePhase = FADE_NONE;
  fadeProgress = quitRequested = 0;
  musicTrack = TRACK_NONE;
  musicStream = musicFadeVolume = cursorFrame = 0;
  gameMode = playbackMode = bonusShipsUnlocked = cheatModeActive = filesLoaded = 0;
  pulseTimer = 0.0f;
  replayScroll = selectedReplay = loadedInfoMagic = 0;
  frameTimer = 0;
  Zero(startupHover);
  Zero(starField);
  Zero(teamNames);
  Zero(teamPresent);
  Zero(kindNames);
  Zero(loadedReplayInfo);
  Zero(replayNames);
  Zero(replayRowGlow);
  Zero(shipCarousel);
  Zero(showVersionText);
  Zero(slotColour);
  Zero(optionTable);
  Zero(keyNames);
  Zero(shiftedKeyNames);
  Zero(keyRepeat);
  Zero(replayInfo);
  Zero(keyClass);
  Zero(shipOrder);
  Zero(shipRankWork);
  Zero(sortedShipNames);
  Zero(hudLayout);
  Zero(meleeSetupRows);
  Zero(affordableShips);
  Zero(panelColour);
}
