// The shell's state and its fixed tables: screen numbers, fades, music,
// names, colours, key names, the HUD layout and the ship ranking. They live
// here, below the shell, because the match code reads several of them.
// Every table is 1-based unless said; index 0 stays at its start value.
#pragma once
#include <cstdint>

#include "catalogue/ships.hpp"
#include "platform/text.hpp"

// Screens, in their numbering.
constexpr int32_t SCREEN_MAIN_MENU = 1;
constexpr int32_t SCREEN_MELEE_SETUP = 2;
constexpr int32_t SCREEN_GAME_MODE = 3;
constexpr int32_t SCREEN_NEXT_SHOPPER = 4;
constexpr int32_t SCREEN_SHIP_SHOP = 5;
constexpr int32_t SCREEN_CONFIRM_FLEET = 6;
constexpr int32_t SCREEN_MATCH = 7;
constexpr int32_t SCREEN_STATISTICS = 8;
constexpr int32_t SCREEN_OPTIONS = 9;
constexpr int32_t SCREEN_SHIP_DATABASE = 10;
constexpr int32_t SCREEN_CONFIRM_ABORT_SHOP = 11;
constexpr int32_t SCREEN_MATCH_INTERRUPT = 12;
constexpr int32_t SCREEN_CONFIRM_ABORT_MATCH = 13;
constexpr int32_t SCREEN_MATCH_RESULT = 14;
constexpr int32_t SCREEN_NEW_SHIP = 15;
constexpr int32_t SCREEN_CHALLENGE_SETUP = 16;
constexpr int32_t SCREEN_REPLAYS = 17;
constexpr int32_t SCREEN_CONFIRM_DELETE_REPLAY = 18;
constexpr int32_t SCREEN_COUNT = 18;

constexpr int32_t FADE_NONE = 0;
constexpr int32_t FADE_IN = 1;
constexpr int32_t FADE_OUT = 2;
constexpr int32_t FADE_STEP = 4;
constexpr int32_t MUSIC_FADE_STEP = 13;

constexpr int32_t TRACK_NONE = 0;
constexpr int32_t TRACK_MENU = 1;
constexpr int32_t TRACK_SHIPSHOP = 2;
constexpr int32_t TRACK_INGAME = 3;

constexpr int32_t MODE_CHALLENGE = 1;
constexpr int32_t MODE_MELEE = 2;

// Number of ship types available before any bonus ship is won.
constexpr int32_t baseShipCount = 10;
constexpr int32_t maxBonusShips = shipCount - baseShipCount;
constexpr int32_t progressFileVersion = 41;
constexpr int32_t maxListedReplays = 200;

// Screen state.
extern int32_t currentScreen;
extern int32_t lastScreen;
extern int32_t pendingScreen;
extern int32_t fadePhase;
extern int32_t fadeProgress;
extern int32_t quitRequested;
// Music.
extern int32_t musicTrack;
extern int32_t musicStream;
extern int32_t musicFadeVolume;
// The animated pointer's counter, 1 to 28.
extern int32_t cursorFrame;
// Game state shared by the screens.
extern int32_t gameMode;
extern int32_t playbackMode;
extern int32_t bonusShipsUnlocked;
extern int32_t cheatModeActive;
extern int32_t filesLoaded;
// The title pulse of the menu screens: 0 to 19.
extern float pulseTimer;

// The replay browser's state that the main menu resets.
extern int32_t replayScroll;
extern int32_t selectedReplay;
extern int32_t loadedInfoMagic;

// The 75 Hz tick timer (loading screens, the match interrupt).
extern int32_t frameTimer;

// Start-up window.
extern int32_t startupHover[6];
// starField[layer][star][1] = x, [2] = y; layer 1 stars 1-33, layer 2 stars 1-100.
extern int32_t starField[3][101][3];

// teamNames[1..4] the team letters, [5] "DRAW".
extern Text teamNames[6];
extern int32_t teamPresent[5];
// kindNames[1] control, [2] fleet kind, [3] game mode; [k][1], [k][2].
extern Text kindNames[4][4];
extern Text loadedReplayInfo[6];
// [0] the count of listed names as text, [1..count] the names.
extern Text replayNames[maxListedReplays + 1];
extern int32_t replayRowGlow[11];
// The card carousel of the ship shop and the ship database.
extern int32_t shipCarousel[7];
constexpr int32_t CAROUSEL_POSITION = 1;      // shipOrder position in the centre card
constexpr int32_t CAROUSEL_OFFSET = 2;        // slide offset in pixels, -252 to 252
constexpr int32_t CAROUSEL_DIRECTION = 3;     // SLIDE_*
constexpr int32_t CAROUSEL_PANEL_OFFSET = 4;  // how far the info panel is pushed out, 0 to 648
constexpr int32_t CAROUSEL_CHOSEN = 5;        // ship type chosen for purchase this frame, 0 none
constexpr int32_t CAROUSEL_SELL_LAST = 6;     // 1: sell the last member this frame
constexpr int32_t SLIDE_IDLE = 0;
constexpr int32_t SLIDE_PREVIOUS = 1;
constexpr int32_t SLIDE_NEXT = 2;
// Position 3 in the centre, at rest, the panel in place.
void ResetShipCarousel();
extern int32_t showVersionText[21];
// slotColour[slot 1-5][1..3] = R, G, B.
extern int32_t slotColour[6][4];
// optionTable rows: OPTIONS_GENERAL, then rows 1-4 the key codes of slots 1-4
// in the columns of their controls (INPUT_THRUST to INPUT_SNIPING).
constexpr int32_t OPTIONS_GENERAL = 0;
// Set to 1 by every frame head; nothing reads it, but the options file keeps it.
constexpr int32_t OPTION_FRAME_MARK = 0;
constexpr int32_t OPTION_MUSIC = 1;
constexpr int32_t OPTION_TEAM_INDICATORS = 2;
constexpr int32_t OPTION_HIGH_DETAIL = 3;
// The general options' values.
constexpr int32_t OPTION_ON = 0;
constexpr int32_t OPTION_OFF = 1;
extern int32_t optionTable[5][7];
extern Text keyNames[301];
extern Text shiftedKeyNames[191];
extern int32_t keyRepeat[4];
// [1] the replay name, [2..6] the five description lines.
extern Text replayInfo[7];
// 2 a key with a shifted form, 1 a plain key, 0 ignored by text entry.
extern int32_t keyClass[251];

// shipOrder[position 1-40]: ship types by price, cheapest first.
extern int32_t shipOrder[shipCount + 1];
extern int32_t shipRankWork[shipCount + 1][4];
extern Text sortedShipNames[shipCount + 1];
// hudLayout[slot][element 1-7][1] = x, [2] = y.
extern int32_t hudLayout[6][8][4];
// The melee set-up's row table.
extern int32_t meleeSetupRows[11];
extern int32_t affordableShips[shipCount + 1];
// panelColour[row][1..3] = R, G, B.
extern int32_t panelColour[3][4];
constexpr int32_t PANEL_NAMES = 1;   // names and headings
constexpr int32_t PANEL_VALUES = 2;  // values

// 10 + bonusShipsUnlocked: the shipOrder positions on offer.
int32_t AvailableShipCount();
// A challenge slot's money: 10 + 3 x bonusShipsUnlocked.
int32_t ChallengeBudget();

// Everything above back to its program-start value (tests).
void ResetShellTables();
