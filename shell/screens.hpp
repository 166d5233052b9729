// The screens of the frame loop and what they share.
// How a screen is made (its hover boxes, enter, block and draw-only
// functions): HACKING.md. The frame loop walks kScreens in chain order; see
// frame_loop.cpp for the order of a frame.
//
// Before a screen's enter function runs, the loop has already set lastScreen,
// called ClearMenuHover and FlushPressed. The loop also applies the music
// rule after on-enter and before the block for screens whose entry names a
// track; screens 4 and 7 call ScreenMusic themselves.
#pragma once
#include <cstdint>

#include "platform/text.hpp"

using ScreenFunction = void (*)();

// When "PLEASE STAND BY" is drawn over a screen's fade.
constexpr int32_t STAND_BY_NEVER = 0;
constexpr int32_t STAND_BY_ALWAYS = 1;
// Only when no taking-part slot has a custom fleet.
constexpr int32_t STAND_BY_NO_CUSTOM_FLEET = 2;

struct ScreenEntry {
  int32_t number;
  // Runs every frame before the on-enter test (may be null).
  ScreenFunction head;
  // The screen's own entry work (may be null).
  ScreenFunction enter;
  // Logic and drawing of one frame.
  ScreenFunction block;
  // Draw-only copy for fades; null for a screen that draws nothing.
  ScreenFunction drawOnly;
  // Track asked for every frame (TRACK_NONE: keep what plays, or the screen
  // makes the test itself).
  int32_t track;
  // Channel 1 to full volume when this screen changes the track.
  bool fullVolumeOnChange;
  // The draw-only copy lowers musicFadeVolume by one step.
  bool copyFadesMusic;
  int32_t standBy;
  // Clear colour blue component (red and green are 0).
  int32_t clearBlue;
  // Neither draws nor presents (screen 12).
  bool skipsPresent;
};

// The 18 screens in the order of the update chain.
extern const ScreenEntry kScreens[18];
const ScreenEntry* FindScreen(int32_t number);

// A hover box: the pointer is in it when left < x < right and top < y < bottom
// (strict), or with <= on all four when inclusive.
struct HoverBox {
  int32_t left, top, right, bottom;
  bool inclusive;
};
bool PointerInBox(const HoverBox& box);

// The shared rule of every button: the glow of menuGlow row rises by 1 up to
// 10 while the pointer is in the box, else falls by 1 down to 0. Returns true
// when MousePressed(1) in the box; then tickSound plays when playTick.
bool ButtonStep(int32_t row, const HoverBox& box, bool playTick = true);
// The green of a button's text: 100 + trunc(glow x 15.5).
int32_t GlowGreen(int32_t row);
// Draw colour (0, GlowGreen(row), 0).
void SetGlowColour(int32_t row);

// menuGlow rows of the Y and N answers of every yes/no question.
constexpr int32_t GLOW_YES = 1;
constexpr int32_t GLOW_NO = 2;

// Screen switches. Use these rather than writing pendingScreen directly: the
// last request of a frame decides the screen and whether there is a fade.
void RequestScreen(int32_t screen);
void RequestFadingScreen(int32_t screen, bool fadeMusic);

// The music rule: when musicTrack differs from track, the stream is stopped
// and closed, the track's file opened and played while the music option is
// on, optionally channel 1 set to 255, and musicTrack recorded.
void ScreenMusic(int32_t track, bool fullVolumeOnChange);
// The file of a track, as the game names it.
Text MusicFile(int32_t track);

// Shared drawing of the menu screens.
// Background tiled, the title and its second part at the pulse's frame.
void DrawTitleBackdrop();
// A border image at (x, y) with blend 3 and alpha 0.66.
void DrawMenuBorder(int32_t image, float x, float y);
// A menu page: the backdrop, its border centred at (640, borderY) and its
// title in the big font centred at (640, titleY).
void DrawMenuPage(int32_t borderImage, float borderY, const Text& title, float titleY = 276);
// "CHEAT MODE ACTIVE" while cheat mode is on.
void DrawCheatModeText();
// A failure told in red, centred on the screen: the headline in the half-size
// medium font at y, what to check in the fixed font below it.
void DrawFailureNotice(float y, const Text& headline, const Text& advice);
// pulseTimer + 1, back to 0 at 20.
void AdvancePulse();
// The answers "Y / N" of a yes/no question at height y, glowing by their
// rows; the draw colour is white afterwards.
void DrawYesNoLetters(float y);

// 1 when no slot taking part has a custom fleet.
bool NoTakingPartCustomFleet();

// The screen functions, one file per screen or group.
void MainMenuHead();
void MainMenuEnter();
void MainMenuBlock();
void MainMenuDraw();

void GameModeEnter();
void GameModeBlock();
void GameModeDraw();
void ChallengeSetupEnter();
void ChallengeSetupBlock();
void ChallengeSetupDraw();

void MeleeSetupEnter();
void MeleeSetupBlock();
void MeleeSetupDraw();

void NextShopperEnter();
void NextShopperBlock();
void NextShopperDraw();

void ShipShopEnter();
void ShipShopBlock();
void ShipShopDraw();

void ConfirmFleetEnter();
void ConfirmFleetBlock();
void ConfirmFleetDraw();
void ConfirmAbortShopEnter();
void ConfirmAbortShopBlock();
void ConfirmAbortShopDraw();

void MatchScreenEnter();
void MatchScreenBlock();
void MatchScreenDraw();

void StatisticsEnter();
void StatisticsBlock();
void StatisticsDraw();

void OptionsEnter();
void OptionsBlock();
void OptionsDraw();

void ShipDatabaseEnter();
void ShipDatabaseBlock();
void ShipDatabaseDraw();

void MatchInterruptEnter();
void MatchInterruptBlock();
void ConfirmAbortMatchEnter();
void ConfirmAbortMatchBlock();
void ConfirmAbortMatchDraw();
void MatchResultEnter();
void MatchResultBlock();
void MatchResultDraw();

void NewShipEnter();
void NewShipBlock();
void NewShipDraw();

void ReplaysEnter();
void ReplaysBlock();
void ReplaysDraw();
void ConfirmDeleteReplayEnter();
void ConfirmDeleteReplayBlock();
void ConfirmDeleteReplayDraw();

// The frame loop.
// One frame; false when the program should end (close request or quit).
bool RunFrame();
// Runs frames until the end, then closes the music library and ends the program.
[[noreturn]] void MainLoop();

// Everything of the shell back to its program-start state (tests).
void ResetShell();
