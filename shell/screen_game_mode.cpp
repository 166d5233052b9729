// Screen 3, the game mode choice, and screen 16, the challenge set-up.
#include "catalogue/ships.hpp"
#include "match/bitmap_text.hpp"
#include "match/input_edges.hpp"
#include "match/key_codes.hpp"
#include "match/match_tables.hpp"
#include "match/media_tables.hpp"
#include "match/shell_tables.hpp"
#include "platform/draw.hpp"
#include "platform/sound.hpp"
#include "shell/random_fleet.hpp"
#include "shell/screens.hpp"
#include "shell/setup_screens.hpp"

int32_t challengePlayers = 0;
int32_t challengeFleetKind = 0;

namespace {

struct ModeItem {
  const char16_t* text;
  int32_t x, y;
};
// menuGlow rows 1 to 3.
const ModeItem modeItems[4] = {
    {u"", 0, 0}, {u"CHALLENGE", 640, 463}, {u"MELEE", 640, 543}, {u"CANCEL", 640, 623}};

HoverBox ModeItemBox(int32_t item) {
  const int32_t cx = menuGlow[item][1];
  const int32_t cy = menuGlow[item][2];
  return {cx - 284, cy, cx + 284, cy + 42, false};
}

// The challenge items, menuGlow rows 1 to 4. The boxes take the left and
// top edges in and leave the right and bottom ones out.
constexpr int32_t CHALLENGE_ACCEPT = 1;
constexpr int32_t CHALLENGE_CANCEL = 2;
constexpr int32_t CHALLENGE_PLAYERS = 3;
constexpr int32_t CHALLENGE_FLEET_KIND = 4;
const HoverBox challengeBoxes[5] = {{0, 0, 0, 0, false},
                                    {706, 703, 978, 745, false},
                                    {307, 703, 573, 745, false},
                                    {300, 463, 980, 505, false},
                                    {300, 543, 980, 585, false}};

// Everything a challenge needs once ACCEPT stands: the two teams, the
// humans' and the computers' fleets, one budget that grows with the bonus
// ships won, and the random fleets bought in slot order.
void SetUpChallenge() {
  const int32_t teams[5] = {0, 1, 1, 2, 2};
  for (int32_t slot = 1; slot <= 4; ++slot) slotTable[slot][SLOT_TEAM] = teams[slot];

  slotTable[1][SLOT_FLEET_KIND] = challengeFleetKind;
  slotTable[2][SLOT_FLEET_KIND] = challengeFleetKind;
  slotTable[3][SLOT_FLEET_KIND] = FLEET_RANDOM;
  slotTable[4][SLOT_FLEET_KIND] = FLEET_RANDOM;

  const int32_t budget = ChallengeBudget();
  for (int32_t slot = 1; slot <= 4; ++slot) fleetTable[slot][FLEET_HEAD][FLEET_MONEY] = budget;

  if (challengePlayers == 1) {
    const int32_t controls[5] = {0, CONTROL_HUMAN, CONTROL_DISABLED, CONTROL_COMPUTER,
                                 CONTROL_DISABLED};
    for (int32_t slot = 1; slot <= 4; ++slot) slotTable[slot][SLOT_CONTROL] = controls[slot];
  } else {
    const int32_t controls[5] = {0, CONTROL_HUMAN, CONTROL_HUMAN, CONTROL_COMPUTER,
                                 CONTROL_COMPUTER};
    for (int32_t slot = 1; slot <= 4; ++slot) slotTable[slot][SLOT_CONTROL] = controls[slot];
  }

  for (int32_t slot = 1; slot <= 4; ++slot) {
    slotTable[slot][SLOT_ARENA] =
        slotTable[slot][SLOT_CONTROL] != CONTROL_DISABLED ? ARENA_CHOOSING : ARENA_OUT;
  }
  // A disabled slot with a random fleet gets one too; it never flies.
  for (int32_t slot = 1; slot <= 4; ++slot) {
    if (slotTable[slot][SLOT_FLEET_KIND] == FLEET_RANDOM) BuyRandomFleet(slot);
  }
}

void DrawItemText(int32_t row, float x, float y, const Text& text) {
  SetGlowColour(row);
  DrawTextProp(x, y, text, 1);
}

}  // namespace

void GameModeEnter() {
  for (int32_t item = 1; item <= 3; ++item) {
    menuGlow[item][1] = modeItems[item].x;
    menuGlow[item][2] = modeItems[item].y;
  }
}

void GameModeBlock() {
  for (int32_t item = 1; item <= 3; ++item) {
    if (!ButtonStep(item, ModeItemBox(item))) continue;
    if (item == 1) {
      gameMode = MODE_CHALLENGE;
      playbackMode = 0;
      RequestScreen(SCREEN_CHALLENGE_SETUP);
    } else if (item == 2) {
      gameMode = MODE_MELEE;
      playbackMode = 0;
      RequestScreen(SCREEN_MELEE_SETUP);
    } else {
      RequestScreen(SCREEN_MAIN_MENU);
    }
  }
  if (KeyPressed(KEY_ESCAPE) == 1) RequestScreen(SCREEN_MAIN_MENU);
  AdvancePulse();
  GameModeDraw();
}

void GameModeDraw() {
  DrawMenuPage(gameModeBorderImage, 512, u"GAME MODE", 356);
  for (int32_t item = 1; item <= 3; ++item) {
    DrawItemText(item, static_cast<float>(menuGlow[item][1]), static_cast<float>(menuGlow[item][2]),
                 modeItems[item].text);
  }
  DrawCheatModeText();
  SetDrawColour(255, 255, 255);
}

void ChallengeSetupEnter() {
  if (challengeFleetKind == 0) challengeFleetKind = FLEET_CUSTOM;
  if (challengePlayers == 0) challengePlayers = 1;
}

void ChallengeSetupBlock() {
  if (ButtonStep(CHALLENGE_ACCEPT, challengeBoxes[CHALLENGE_ACCEPT])) {
    RequestFadingScreen(SCREEN_NEXT_SHOPPER, challengeFleetKind == FLEET_RANDOM);
  }
  if (ButtonStep(CHALLENGE_CANCEL, challengeBoxes[CHALLENGE_CANCEL])) {
    RequestScreen(SCREEN_MAIN_MENU);
  }
  if (ButtonStep(CHALLENGE_PLAYERS, challengeBoxes[CHALLENGE_PLAYERS])) {
    challengePlayers = challengePlayers == 1 ? 2 : 1;
  }
  if (ButtonStep(CHALLENGE_FLEET_KIND, challengeBoxes[CHALLENGE_FLEET_KIND])) {
    challengeFleetKind = challengeFleetKind == FLEET_CUSTOM ? FLEET_RANDOM : FLEET_CUSTOM;
  }
  if (KeyPressed(KEY_ESCAPE) == 1) RequestScreen(SCREEN_MAIN_MENU);
  // Only the answer that stands at the end of the frame sets up the match:
  // a cancel in the same frame leaves every table as it was.
  if (pendingScreen == SCREEN_NEXT_SHOPPER) SetUpChallenge();
  AdvancePulse();
  ChallengeSetupDraw();
}

void ChallengeSetupDraw() {
  DrawMenuPage(challengeBorderImage, 512, u"CHALLENGE");
  SetDrawColour(255, 200, 100);
  DrawTextProp(640, 383,
               JoinText(u"BONUS SHIPS: ", IntToText(bonusShipsUnlocked), u"/",
                        IntToText(shipCount - baseShipCount)),
               1);
  DrawItemText(CHALLENGE_ACCEPT, 842, 703, u"ACCEPT");
  DrawItemText(CHALLENGE_CANCEL, 440, 703, u"CANCEL");
  SetDrawColour(255, 255, 255);
  DrawItemText(CHALLENGE_PLAYERS, 640, 463, JoinText(u"PLAYERS: ", IntToText(challengePlayers)));
  DrawItemText(CHALLENGE_FLEET_KIND, 640, 543,
               challengeFleetKind == FLEET_RANDOM ? u"RANDOM WEXLOR" : u"CUSTOM WEXLOR");
  DrawCheatModeText();
  SetDrawColour(255, 255, 255);
}
