// Screen 2: the melee set-up, a grid of icon buttons. A header row sets a
// column for every slot at once; each slot's row sets its control, team,
// fleet kind and starting money.
#include "match/bitmap_text.hpp"
#include "match/input_edges.hpp"
#include "match/key_codes.hpp"
#include "match/match_tables.hpp"
#include "match/media_tables.hpp"
#include "match/shell_tables.hpp"
#include "platform/draw.hpp"
#include "platform/input.hpp"
#include "platform/sound.hpp"
#include "shell/random_fleet.hpp"
#include "shell/screens.hpp"
#include "shell/setup_screens.hpp"

int32_t meleeHoverX = -500;
int32_t meleeHoverY = -500;
Text meleeTooltip;

namespace {

constexpr int32_t MELEE_ACCEPT = 1;
constexpr int32_t MELEE_CANCEL = 2;
const HoverBox acceptBox = {706, 841, 978, 883, false};
const HoverBox cancelBox = {307, 841, 573, 883, false};

constexpr int32_t MONEY_MIN = 5;
constexpr int32_t MONEY_MAX = 600;

// Column centres.
constexpr int32_t controlX[3] = {449, 491, 533};
constexpr int32_t teamDownX = 608;
constexpr int32_t teamX = 659;
constexpr int32_t teamUpX = 710;
constexpr int32_t fleetKindX[3] = {0, 785, 827};
constexpr int32_t moneyDownX = 911;
constexpr int32_t moneyX = 1037;
constexpr int32_t moneyUpX = 1163;
constexpr int32_t headerY = 400;

int32_t RowY(int32_t slot) { return 484 + 84 * (slot - 1); }

bool Enabled(int32_t slot) { return slotTable[slot][SLOT_CONTROL] != CONTROL_DISABLED; }

bool OverButton(int32_t bx, int32_t by) {
  const int32_t x = PointerX();
  const int32_t y = PointerY();
  return bx - 22 < x && x < bx + 21 && by - 21 < y && y < by + 21;
}

void Highlight(int32_t bx, int32_t by) {
  meleeHoverX = bx;
  meleeHoverY = by;
}

void Tick() { PlaySoundOnChannel(tickSound, 0); }

void SetControl(int32_t slot, int32_t control) {
  slotTable[slot][SLOT_CONTROL] = control;
  slotTable[slot][SLOT_MELEE_CONTROL] = control;
}

void SetTeam(int32_t slot, int32_t team) {
  slotTable[slot][SLOT_TEAM] = team;
  slotTable[slot][SLOT_MELEE_TEAM] = team;
}

// A header button: hovering shows its tooltip; a click acts and always clicks.
bool HeaderButton(int32_t bx, const char16_t* tooltip) {
  if (!OverButton(bx, headerY)) return false;
  Highlight(bx, headerY);
  meleeTooltip = tooltip;
  if (MousePressed(1) != 1) return false;
  Tick();
  return true;
}

void HeaderButtons() {
  const char16_t* controlTips[3] = {u"PLAYER DISABLED", u"HUMAN PLAYER", u"AI PLAYER"};
  for (int32_t control = 0; control <= 2; ++control) {
    if (HeaderButton(controlX[control], controlTips[control])) {
      for (int32_t slot = 1; slot <= 4; ++slot) SetControl(slot, control);
    }
  }
  if (HeaderButton(teamX, u"TEAM")) {
    for (int32_t slot = 2; slot <= 4; ++slot) SetTeam(slot, slotTable[1][SLOT_TEAM]);
  }
  const char16_t* kindTips[3] = {u"", u"CUSTOM WEXLOR", u"RANDOM WEXLOR"};
  for (int32_t kind = FLEET_CUSTOM; kind <= FLEET_RANDOM; ++kind) {
    if (HeaderButton(fleetKindX[kind], kindTips[kind])) {
      for (int32_t slot = 1; slot <= 4; ++slot) slotTable[slot][SLOT_FLEET_KIND] = kind;
    }
  }
  if (HeaderButton(moneyX, u"AMOUNT OF MONEY")) {
    for (int32_t slot = 2; slot <= 4; ++slot)
      fleetTable[slot][FLEET_HEAD][FLEET_START_MONEY] =
          fleetTable[1][FLEET_HEAD][FLEET_START_MONEY];
  }
}

void ControlButtons() {
  for (int32_t control = 0; control <= 2; ++control) {
    for (int32_t slot = 1; slot <= 4; ++slot) {
      if (!OverButton(controlX[control], RowY(slot))) continue;
      Highlight(controlX[control], RowY(slot));
      if (MousePressed(1) == 1 && slotTable[slot][SLOT_CONTROL] != control) {
        SetControl(slot, control);
        Tick();
      }
    }
  }
}

void TeamArrows() {
  for (int32_t down = 1; down >= 0; --down) {
    const int32_t bx = down == 1 ? teamDownX : teamUpX;
    for (int32_t slot = 1; slot <= 4; ++slot) {
      if (!Enabled(slot) || !OverButton(bx, RowY(slot))) continue;
      const int32_t team = slotTable[slot][SLOT_TEAM];
      const bool canAct = down == 1 ? team >= 2 : team <= 3;
      if (!canAct) continue;
      Highlight(bx, RowY(slot));
      if (MousePressed(1) == 1) {
        SetTeam(slot, down == 1 ? team - 1 : team + 1);
        Tick();
      }
    }
  }
}

void FleetKindButtons() {
  for (int32_t kind = FLEET_CUSTOM; kind <= FLEET_RANDOM; ++kind) {
    for (int32_t slot = 1; slot <= 4; ++slot) {
      if (!Enabled(slot) || !OverButton(fleetKindX[kind], RowY(slot))) continue;
      Highlight(fleetKindX[kind], RowY(slot));
      if (MousePressed(1) == 1 && slotTable[slot][SLOT_FLEET_KIND] != kind) {
        slotTable[slot][SLOT_FLEET_KIND] = kind;
        Tick();
      }
    }
  }
}

void MoneyArrows() {
  for (int32_t down = 1; down >= 0; --down) {
    const int32_t bx = down == 1 ? moneyDownX : moneyUpX;
    for (int32_t slot = 1; slot <= 4; ++slot) {
      if (!Enabled(slot) || !OverButton(bx, RowY(slot))) continue;
      int32_t& money = fleetTable[slot][FLEET_HEAD][FLEET_START_MONEY];
      if (down == 1 ? money >= 6 : money < MONEY_MAX) Highlight(bx, RowY(slot));
      // The left button before the right one.
      for (int32_t button = 1; button <= 2; ++button) {
        if (MousePressed(button) != 1) continue;
        const int32_t next = MeleeMoneyStep(money, down == 1, button == 2);
        if (next != money) {
          money = next;
          Tick();
        }
      }
    }
  }
}

// At least two teams among the slots that take part.
bool TwoTeamsTakePart() {
  int32_t firstTeam = 0;
  for (int32_t slot = 1; slot <= 4; ++slot) {
    if (!Enabled(slot)) continue;
    const int32_t team = slotTable[slot][SLOT_TEAM];
    if (firstTeam == 0) {
      firstTeam = team;
    } else if (team != firstTeam) {
      return true;
    }
  }
  return false;
}

void AcceptMelee() {
  for (int32_t slot = 1; slot <= 4; ++slot) {
    fleetTable[slot][FLEET_HEAD][FLEET_MONEY] = fleetTable[slot][FLEET_HEAD][FLEET_START_MONEY];
    slotTable[slot][SLOT_ARENA] = Enabled(slot) ? ARENA_CHOOSING : ARENA_OUT;
  }
  // Disabled slots with a random fleet get one too; they never fly.
  for (int32_t slot = 1; slot <= 4; ++slot) {
    if (slotTable[slot][SLOT_FLEET_KIND] == FLEET_RANDOM) BuyRandomFleet(slot);
  }
  Tick();
  // With nobody to shop the menu music fades with the screen.
  RequestFadingScreen(SCREEN_NEXT_SHOPPER, NoTakingPartCustomFleet());
}

void SetColour(const int32_t (&rgb)[4]) { SetDrawColour(rgb[1], rgb[2], rgb[3]); }

void DrawTick(int32_t x, int32_t y, bool chosen) {
  DrawImageFrame(tickImages[chosen ? 2 : 1], x, y, 0);
}

void DrawSlotRow(int32_t slot) {
  const int32_t y = RowY(slot);
  const float textY = static_cast<float>(y - 21);
  SetColour(slotColour[slot]);
  DrawTextProp(74, textY, u"PLAYER", 0);
  DrawTextProp(374, textY, IntToText(slot), 1);
  SetDrawColour(255, 255, 255);
  for (int32_t control = 0; control <= 2; ++control) {
    DrawTick(controlX[control], y, slotTable[slot][SLOT_CONTROL] == control);
  }
  // A disabled slot's choices are kept but all but hidden.
  if (!Enabled(slot)) {
    SetBlendMode(BLEND_ALPHA);
    SetDrawAlpha(0.01);
  }
  const int32_t team = slotTable[slot][SLOT_TEAM];
  if (team >= 2) DrawImageFrame(arrowImages[1], teamDownX, y, 0);
  SetDrawColour(255, 200, 100);
  if (team >= 1 && team <= 5) DrawTextProp(teamX, textY, teamNames[team], 1);
  if (team <= 3) DrawImageFrame(arrowImages[2], teamUpX, y, 0);
  for (int32_t kind = FLEET_CUSTOM; kind <= FLEET_RANDOM; ++kind) {
    DrawTick(fleetKindX[kind], y, slotTable[slot][SLOT_FLEET_KIND] == kind);
  }
  const int32_t money = fleetTable[slot][FLEET_HEAD][FLEET_START_MONEY];
  if (money >= 6) DrawImageFrame(arrowImages[1], moneyDownX, y, 0);
  SetDrawColour(255, 200, 100);
  DrawTextProp(moneyX, textY, IntToText(money), 1);
  if (money < MONEY_MAX) DrawImageFrame(arrowImages[2], moneyUpX, y, 0);
  SetDrawAlpha(1);
  SetBlendMode(BLEND_MASK);
  SetDrawColour(255, 255, 255);
}

void DrawTooltip() {
  if (meleeTooltip.empty()) return;
  const float width = static_cast<float>(10 * static_cast<int32_t>(meleeTooltip.size()) + 15);
  const float x = static_cast<float>(PointerX());
  const float y = static_cast<float>(PointerY());
  SetDrawScale(width / 134.0f, 1);
  SetBlendMode(BLEND_ALPHA);
  SetDrawAlpha(0.4);
  DrawImageFrame(infoPlateImage, x + 2 - width / 2, y - 61, 0);
  SetDrawAlpha(1);
  SetBlendMode(BLEND_MASK);
  SetDrawScale(1, 1);
  DrawTextFixed(x - width / 2, y - 52, 255, 125, 0, meleeTooltip);
}

}  // namespace

int32_t MeleeMoneyStep(int32_t money, bool down, bool coarse) {
  const int32_t step = coarse ? 50 : 5;
  if (down) {
    if (money >= MONEY_MIN + step) return money - step;
    if (money > MONEY_MIN) return MONEY_MIN;
    return money;
  }
  if (money <= MONEY_MAX - step) return money + step;
  if (money < MONEY_MAX) return MONEY_MAX;
  return money;
}

void MeleeSetupEnter() {
  // The challenge set-up overwrites controls and teams; the melee keeps its own.
  for (int32_t slot = 1; slot <= 4; ++slot) {
    slotTable[slot][SLOT_CONTROL] = slotTable[slot][SLOT_MELEE_CONTROL];
    slotTable[slot][SLOT_TEAM] = slotTable[slot][SLOT_MELEE_TEAM];
  }
}

void MeleeSetupBlock() {
  meleeTooltip.clear();
  meleeHoverX = meleeHoverY = -500;

  HeaderButtons();
  ControlButtons();
  TeamArrows();
  FleetKindButtons();
  MoneyArrows();

  bool accepted = false;
  if (ButtonStep(MELEE_ACCEPT, acceptBox, false)) {
    if (TwoTeamsTakePart()) {
      accepted = true;
    } else {
      PlaySoundOnChannel(alarmSound, 0);
    }
  }
  if (ButtonStep(MELEE_CANCEL, cancelBox)) RequestScreen(SCREEN_MAIN_MENU);
  if (KeyPressed(KEY_ESCAPE) == 1) RequestScreen(SCREEN_MAIN_MENU);
  // A cancel in the same frame is the answer that stands; ACCEPT then sets
  // up nothing, so no table, fade or music fade is left half done.
  if (accepted && pendingScreen != SCREEN_MAIN_MENU) AcceptMelee();

  AdvancePulse();
  MeleeSetupDraw();
}

void MeleeSetupDraw() {
  DrawMenuPage(teamsBorderImage, 580, u"MELEE");

  for (int32_t slot = 1; slot <= 4; ++slot) DrawSlotRow(slot);

  DrawImageFrame(disabledIconImage, controlX[0], headerY, 0);
  DrawImageFrame(humanIconImage, controlX[1], headerY, 0);
  DrawImageFrame(aiIconImage, controlX[2], headerY, 0);
  DrawImageFrame(teamIconImage, teamX, headerY, 0);
  DrawImageFrame(lampIconImage, fleetKindX[FLEET_CUSTOM], headerY, 0);
  DrawImageFrame(randomIconImage, fleetKindX[FLEET_RANDOM], headerY, 0);
  DrawImageFrame(moneyIconImage, moneyX, headerY, 0);
  for (const int32_t x : {407, 575, 743, 869, 1205}) DrawImageFrame(slicerImage, x, 568, 0);
  DrawImageFrame(tickBorderImage, meleeHoverX, meleeHoverY, 0);

  SetGlowColour(MELEE_ACCEPT);
  DrawTextProp(842, 841, u"ACCEPT", 1);
  SetGlowColour(MELEE_CANCEL);
  DrawTextProp(440, 841, u"CANCEL", 1);
  SetDrawColour(255, 255, 255);

  DrawTooltip();
  DrawCheatModeText();
}

void ResetSetupScreens() {
  challengePlayers = 0;
  challengeFleetKind = 0;
  meleeHoverX = meleeHoverY = -500;
  meleeTooltip.clear();
}
