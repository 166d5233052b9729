// Screen 8: the statistics of the match just finished, on four pages (game,
// team, player, ship by ship), with the way to save its replay. Leaving it
// clears the match away.
#include "shell/screen_statistics.hpp"

#include "catalogue/ships.hpp"
#include "match/bitmap_text.hpp"
#include "match/input_edges.hpp"
#include "match/key_codes.hpp"
#include "match/match_tables.hpp"
#include "match/media_tables.hpp"
#include "match/shell_tables.hpp"
#include "platform/draw.hpp"
#include "platform/input.hpp"
#include "platform/maths.hpp"
#include "platform/sound.hpp"
#include "shell/match_reset.hpp"
#include "shell/replay_save.hpp"
#include "shell/screen_match_interrupt.hpp"
#include "shell/screens.hpp"
#include "shell/time_format.hpp"

int32_t statsPage = STATS_PAGE_GAME;
int32_t statsSubject = 0;
int32_t firstActiveSlot = 0;
int32_t lastActiveSlot = 0;
int32_t firstTeam = 0;
int32_t lastTeam = 0;
int32_t statsHoverX = -1000;
int32_t statsHoverY = -1000;

namespace {

// menuGlow rows.
constexpr int32_t GLOW_CONTINUE = 1;
constexpr int32_t GLOW_SAVE = 2;
const HoverBox saveBox = {284, 728, 996, 770, false};
const HoverBox continueBox = {284, 808, 996, 850, false};

// The four arrows: where each is drawn and marked, its arrowImages picture.
struct Arrow {
  HoverBox box;
  int32_t x, y;
  int32_t image;
};
constexpr int32_t PREVIOUS_PAGE = 0;
constexpr int32_t NEXT_PAGE = 1;
constexpr int32_t PREVIOUS_SUBJECT = 2;
constexpr int32_t NEXT_SUBJECT = 3;
const Arrow arrows[4] = {{{310, 343, 352, 385, false}, 331, 364, 1},
                         {{926, 343, 968, 385, false}, 947, 364, 2},
                         {{310, 423, 352, 465, false}, 331, 444, 1},
                         {{926, 423, 968, 465, false}, 947, 444, 2}};

// Page 4's grid: 3 rows of 10 cells, 66 pixels apart.
constexpr int32_t GRID_COLUMNS = 10;
constexpr int32_t GRID_ROWS = 3;
constexpr int32_t CELL_PITCH = 66;
int32_t CellX(int32_t column) { return CELL_PITCH * column; }
int32_t CellY(int32_t row) { return CELL_PITCH * row; }

// The grey of a save line that cannot be used.
constexpr int32_t GREY_TEXT = 75;

bool Enabled(int32_t slot) { return slotTable[slot][SLOT_CONTROL] != CONTROL_DISABLED; }

int32_t Status(int32_t slot, int32_t member) {
  return TruncateToInt(matchStats[slot][member][STAT_STATUS]);
}

bool OnSubjectPages() { return statsPage == STATS_PAGE_PLAYER || statsPage == STATS_PAGE_SHIPS; }

// Whether each arrow is shown and acts.
bool ArrowShown(int32_t arrow) {
  switch (arrow) {
    case PREVIOUS_PAGE:
      return statsPage >= 2;
    case NEXT_PAGE:
      return statsPage < STATS_PAGE_SHIPS;
    case PREVIOUS_SUBJECT:
      if (statsPage == STATS_PAGE_TEAM) return firstTeam < statsSubject;
      return OnSubjectPages() && firstActiveSlot < statsSubject;
    default:
      if (statsPage == STATS_PAGE_TEAM) return statsSubject < lastTeam;
      return OnSubjectPages() && statsSubject < lastActiveSlot;
  }
}

// An arrow under the pointer is marked; a click on it ticks and acts.
bool ArrowStep(int32_t arrow) {
  if (!ArrowShown(arrow) || !PointerInBox(arrows[arrow].box)) return false;
  statsHoverX = arrows[arrow].x;
  statsHoverY = arrows[arrow].y;
  if (MousePressed(1) != 1) return false;
  PlaySoundOnChannel(tickSound, 0);
  return true;
}

// Each page starts on its first subject; the player page keeps the slot of
// the ship page it is reached from.
void TurnPage(int32_t step) {
  const int32_t from = statsPage;
  statsPage += step;
  if (statsPage == STATS_PAGE_GAME) statsSubject = 1;
  if (statsPage == STATS_PAGE_TEAM) statsSubject = firstTeam;
  if (statsPage == STATS_PAGE_PLAYER && from == STATS_PAGE_TEAM) statsSubject = firstActiveSlot;
}

bool SubjectPresent(int32_t subject) {
  if (subject < 1 || subject > 4) return false;
  if (statsPage == STATS_PAGE_TEAM) return teamPresent[subject] == 1;
  return Enabled(subject);
}

// One step, and past up to two teams or slots with nobody in them.
void StepSubject(int32_t step) {
  statsSubject += step;
  for (int32_t skip = 1; skip <= 2 && !SubjectPresent(statsSubject); ++skip) statsSubject += step;
}

bool SaveOffered() { return playbackMode == 0 && matchFrame < maxReplayFrames && replaySaved == 0; }

void Leave() {
  const bool award = playbackMode == 0 && gameMode == MODE_CHALLENGE && matchWinner == 1 &&
                     bonusShipsUnlocked < maxBonusShips;
  RequestScreen(award ? SCREEN_NEW_SHIP : SCREEN_MAIN_MENU);
}

// One frame of the screen's own input; true when it is left.
bool StatisticsInput() {
  statsHoverX = statsHoverY = -1000;
  saveAccepted = 0;
  if (SaveOffered() && ButtonStep(GLOW_SAVE, saveBox)) saveDialogOpen = 1;
  const bool continued = ButtonStep(GLOW_CONTINUE, continueBox);
  const bool leaving = KeyPressed(KEY_ESCAPE) == 1 || continued;
  if (leaving) Leave();
  if (ArrowStep(PREVIOUS_PAGE)) TurnPage(-1);
  if (ArrowStep(NEXT_PAGE)) TurnPage(1);
  if (KeyPressed(KEY_LEFT) == 1 && statsPage >= 2) TurnPage(-1);
  if (KeyPressed(KEY_RIGHT) == 1 && statsPage < STATS_PAGE_SHIPS) TurnPage(1);
  if (ArrowStep(PREVIOUS_SUBJECT)) StepSubject(-1);
  if (ArrowStep(NEXT_SUBJECT)) StepSubject(1);
  if (saveDialogOpen == 1) {
    ClearMenuHover();
    FlushPressed();
  }
  return leaving;
}

// The match cleared away as the screen is left, so the next one starts clean.
void ClearFinishedMatch() {
  ClearMatchState(false);
  for (int32_t slot = 1; slot <= 4; ++slot) slotTable[slot][SLOT_ARENA] = ARENA_CHOOSING;
  abortConfirmed = 0;
}

// Sums over members, each kept whole after every member.
struct Totals {
  int32_t remaining = 0;
  int32_t ships = 0;
  int32_t damage = 0;
  int32_t kills = 0;
  int32_t framesFlown = 0;
};

void AddSlot(Totals& totals, int32_t slot) {
  for (int32_t member = 1; member <= maxFleetSize; ++member) {
    const float* stats = matchStats[slot][member];
    const int32_t status = Status(slot, member);
    if (status == STATUS_OK) totals.remaining += 1;
    if (status == STATUS_OK || status == STATUS_DESTROYED) totals.ships += 1;
    totals.damage = TruncateToInt(static_cast<float>(totals.damage) + stats[DAMAGE_TYPE_CANNON] +
                                  stats[DAMAGE_TYPE_BEAM] + stats[DAMAGE_TYPE_MISSILE] +
                                  stats[DAMAGE_TYPE_SPECIAL] + 0.4f);
    totals.kills = TruncateToInt(static_cast<float>(totals.kills) + stats[STAT_KILLS]);
    totals.framesFlown =
        TruncateToInt(static_cast<float>(totals.framesFlown) + stats[STAT_FRAMES_FLOWN]);
  }
}

Text TeamName(int32_t team) { return team >= 1 && team <= 5 ? teamNames[team] : Text(); }

Text ShipName(int32_t shipType) {
  return shipType >= 1 && shipType <= shipCount ? shipText[shipType][TEXT_SHIP_NAME] : Text();
}

Text Remaining(const Totals& totals) {
  return JoinText(IntToText(totals.remaining), u" / ", IntToText(totals.ships));
}

void GamePage(StatsPage& page) {
  page.heading = u"GAME INFO";
  page.labelX = 374;
  page.valueX = 696;
  const Text length = JoinText(u"00:", FormatFrames(matchFrame, MATCH_LENGTH_ROUNDING));
  Text mode;
  if (gameMode == MODE_CHALLENGE) mode = u"Challenge";
  if (gameMode == MODE_MELEE) mode = u"Melee";
  Text winner;
  if (matchWinner >= 1 && matchWinner <= 4) winner = JoinText(u"TEAM ", teamNames[matchWinner]);
  if (matchWinner == WINNER_DRAW) winner = teamNames[WINNER_DRAW];
  page.rows = {{495, u"DATE..................................... ", matchDateTime[1]},
               {527, u"TIME........................................ ", matchDateTime[2]},
               {559, u"LENGTH................................ ", length},
               {591, u"MODE..................................... ", mode},
               {623, u"WINNER................................. ", winner}};
}

void TeamPage(StatsPage& page) {
  page.heading = u"TEAM INFO";
  page.labelX = 424;
  page.valueX = 746;
  Totals totals;
  for (int32_t slot = 1; slot <= 4; ++slot) {
    if (Enabled(slot) && slotTable[slot][SLOT_TEAM] == statsSubject) AddSlot(totals, slot);
  }
  page.rows = {{495, u"SHIPS REMAINING....... ", Remaining(totals)},
               {527, u"DAMAGE DEALT......... ", IntToText(totals.damage)},
               {559, u"SHIPS DESTROYED.... ", IntToText(totals.kills)}};
}

void PlayerPage(StatsPage& page) {
  page.heading = u"PLAYER INFO";
  page.labelX = 424;
  page.valueX = 746;
  if (statsSubject < 1 || statsSubject > 4) return;
  Totals totals;
  AddSlot(totals, statsSubject);
  const int32_t control = slotTable[statsSubject][SLOT_CONTROL];
  Text kind;
  if (control == CONTROL_HUMAN) kind = u"HUMAN";
  if (control == CONTROL_COMPUTER) kind = u"CPU";
  page.rows = {{495, u"PLAYER TYPE............... ", kind},
               {527, u"TEAM.................................... ",
                TeamName(slotTable[statsSubject][SLOT_TEAM])},
               {559, u"SHIPS REMAINING....... ", Remaining(totals)},
               {591, u"Play Time....................... ",
                FormatFrames(totals.framesFlown, FLYING_TIME_ROUNDING)},
               {623, u"DAMAGE DEALT......... ", IntToText(totals.damage)},
               {655, u"SHIPS DESTROYED.... ", IntToText(totals.kills)}};
}

void SetTextColour() { SetDrawColour(255, 200, 100); }

void DrawSubjectTitle() {
  if (statsPage == STATS_PAGE_TEAM) {
    SetTextColour();
    DrawTextProp(640, 423, JoinText(u"TEAM ", TeamName(statsSubject)), 1);
  } else if (OnSubjectPages() && statsSubject >= 1 && statsSubject <= 4) {
    const int32_t* colour = slotColour[statsSubject];
    SetDrawColour(colour[1], colour[2], colour[3]);
    DrawTextProp(640, 423, JoinText(u"PLAYER ", IntToText(statsSubject)), 1);
  }
}

void DrawButtons() {
  if (SaveOffered()) {
    SetGlowColour(GLOW_SAVE);
  } else {
    SetDrawColour(GREY_TEXT, GREY_TEXT, GREY_TEXT);
  }
  DrawTextProp(640, 728, SaveReplayLine(), 1);
  SetGlowColour(GLOW_CONTINUE);
  DrawTextProp(640, 808, u"CONTINUE", 1);
  SetDrawColour(255, 255, 255);
  for (int32_t arrow = PREVIOUS_PAGE; arrow <= NEXT_SUBJECT; ++arrow) {
    if (ArrowShown(arrow))
      DrawImageFrame(arrowImages[arrows[arrow].image], arrows[arrow].x, arrows[arrow].y, 0);
  }
  DrawImageFrame(tickBorderImage, statsHoverX, statsHoverY, 0);
}

void SetMemberColour(int32_t slot, int32_t member) {
  const int32_t status = Status(slot, member);
  if (status == STATUS_OK && matchStats[slot][member][STAT_FRAMES_FLOWN] > 0) {
    SetDrawColour(255, 255, 0);
  } else if (status == STATUS_OK) {
    SetDrawColour(0, 255, 0);
  } else if (status == STATUS_DESTROYED) {
    SetDrawColour(255, 0, 0);
  } else {
    SetDrawColour(100, 100, 100);
  }
}

void DrawShipGrid(int32_t slot) {
  SetBlendMode(BLEND_ALPHA);
  for (int32_t row = 0; row < GRID_ROWS; ++row) {
    for (int32_t column = 0; column < GRID_COLUMNS; ++column) {
      const int32_t member = column + GRID_COLUMNS * row + 1;
      SetDrawAlpha(0.5);
      SetMemberColour(slot, member);
      DrawImageFrame(miniBorderImage, 310 + CellX(column), 499 + CellY(row), 0);
      const int32_t status = Status(slot, member);
      if (status != STATUS_OK && status != STATUS_DESTROYED) continue;
      SetDrawColour(255, 255, 255);
      SetDrawAlpha(1);
      const int32_t shipType = TruncateToInt(matchStats[slot][member][STAT_SHIP_TYPE]);
      DrawImageFrame(hudMiniShipsImage, 314 + CellX(column), 503 + CellY(row), shipType - 1);
    }
  }
  SetDrawAlpha(1);
  SetBlendMode(BLEND_MASK);
  SetDrawColour(255, 255, 255);
}

// The hovered cell lit, and its panel beside the pointer over the grid.
void DrawShipPanel(int32_t slot) {
  const int32_t member = HoveredShipCell();
  if (member == 0) return;
  const int32_t column = (member - 1) % GRID_COLUMNS;
  const int32_t row = (member - 1) / GRID_COLUMNS;
  SetBlendMode(BLEND_ADD);
  SetDrawAlpha(0.15);
  DrawImageFrame(lightSmallImage, 312 + CellX(column), 501 + CellY(row), 0);

  const ShipPanel panel = ShipInfoPanel(slot, member);
  const float px = static_cast<float>(PointerX());
  const float py = static_cast<float>(PointerY());
  SetBlendMode(BLEND_ALPHA);
  SetDrawAlpha(0.75);
  SetDrawScale(22, panel.shadeRows);
  DrawImageFrame(blackImage, px - 352, py + 32, 0);
  SetDrawScale(1, 1);
  SetDrawAlpha(1);
  SetBlendMode(BLEND_MASK);
  SetTextColour();
  DrawTextProp(px, py + 48, panel.name, 1);
  for (const StatsRow& line : panel.rows) {
    DrawTextSmall(px - 336, py + static_cast<float>(line.y), line.label, 0);
    DrawTextSmall(px + 88, py + static_cast<float>(line.y), line.value, 0);
  }
  SetDrawColour(255, 255, 255);
}

void DrawPage() {
  const StatsPage page = StatisticsPage();
  SetTextColour();
  DrawTextProp(640, 343, page.heading, 1);
  for (const StatsRow& line : page.rows) {
    DrawTextSmall(static_cast<float>(page.labelX), static_cast<float>(line.y), line.label, 0);
    DrawTextSmall(static_cast<float>(page.valueX), static_cast<float>(line.y), line.value, 0);
  }
  SetDrawColour(255, 255, 255);
  if (statsPage == STATS_PAGE_SHIPS && statsSubject >= 1 && statsSubject <= 4) {
    DrawShipGrid(statsSubject);
    DrawShipPanel(statsSubject);
  }
}

}  // namespace

StatsPage StatisticsPage() {
  StatsPage page;
  switch (statsPage) {
    case STATS_PAGE_GAME:
      GamePage(page);
      break;
    case STATS_PAGE_TEAM:
      TeamPage(page);
      break;
    case STATS_PAGE_PLAYER:
      PlayerPage(page);
      break;
    default:
      page.heading = u"SHIP INFO";
      break;
  }
  return page;
}

ShipPanel ShipInfoPanel(int32_t slot, int32_t member) {
  ShipPanel panel;
  const float* stats = matchStats[slot][member];
  const int32_t status = Status(slot, member);
  const bool destroyed = status == STATUS_DESTROYED;
  const int32_t framesFlown = TruncateToInt(stats[STAT_FRAMES_FLOWN]);
  const bool flown = stats[STAT_FRAMES_FLOWN] > 0;
  panel.name = ShipName(TruncateToInt(stats[STAT_SHIP_TYPE]));
  panel.shadeRows = destroyed ? 9 : flown ? 7 : 5;
  panel.rows.push_back({112, u"Status...............................................",
                        destroyed ? u"DESTROYED" : u"OK"});
  panel.rows.push_back(
      {144, u"Play Time........................................ ",
       framesFlown == 0 ? Text(u"None") : FormatFrames(framesFlown, FLYING_TIME_ROUNDING)});
  if (flown) {
    const float damage = stats[DAMAGE_TYPE_CANNON] + stats[DAMAGE_TYPE_BEAM] +
                         stats[DAMAGE_TYPE_MISSILE] + stats[DAMAGE_TYPE_SPECIAL];
    panel.rows.push_back(
        {176, u"Damage Caused...................... ", IntToText(TruncateToInt(damage))});
    panel.rows.push_back({208, u"Ships Destroyed..................... ",
                          IntToText(TruncateToInt(stats[STAT_KILLS]))});
  }
  if (destroyed) {
    const float killerSlot = stats[STAT_KILLER_SLOT];
    const float killerType = stats[STAT_KILLER_TYPE];
    panel.rows.push_back({240, u"Destroyed By (Player)... ",
                          killerSlot > 0 && killerSlot < SPECIAL_ATTACKER
                              ? IntToText(TruncateToInt(killerSlot))
                              : Text(u"Special")});
    panel.rows.push_back({272, u"Destroyed By (Ship)............. ",
                          killerType > 0 ? ShipName(TruncateToInt(killerType)) : Text(u"Special")});
  }
  return panel;
}

int32_t HoveredShipCell() {
  if (statsSubject < 1 || statsSubject > 4) return 0;
  for (int32_t row = 0; row < GRID_ROWS; ++row) {
    for (int32_t column = 0; column < GRID_COLUMNS; ++column) {
      const int32_t member = column + GRID_COLUMNS * row + 1;
      const HoverBox cell = {308 + CellX(column), 498 + CellY(row), 375 + CellX(column),
                             565 + CellY(row), false};
      if (Status(statsSubject, member) > 0 && PointerInBox(cell)) return member;
    }
  }
  return 0;
}

Text SaveReplayLine() {
  if (playbackMode != 0) return u"PLAYBACK MODE";
  if (matchFrame >= maxReplayFrames) return u"REPLAY TOO LONG";
  if (replaySaved != 0) return u"REPLAY SAVED";
  return u"SAVE REPLAY";
}

void StatisticsEnter() {
  replayInfo[1] = u"UNTITLED";
  replayInfo[2] = u"NO COMMENTS";
  for (int32_t line = 3; line <= 6; ++line) replayInfo[line] = u"";
  replaySaved = 0;
  firstActiveSlot = lastActiveSlot = 0;
  for (int32_t team = 1; team <= 4; ++team) teamPresent[team] = 0;
  for (int32_t slot = 1; slot <= 4; ++slot) {
    if (!Enabled(slot)) continue;
    if (firstActiveSlot == 0) firstActiveSlot = slot;
    lastActiveSlot = slot;
    const int32_t team = slotTable[slot][SLOT_TEAM];
    if (team >= 1 && team <= 4) teamPresent[team] = 1;
  }
  firstTeam = lastTeam = 0;
  for (int32_t team = 1; team <= 4; ++team) {
    if (teamPresent[team] == 0) continue;
    if (firstTeam == 0) firstTeam = team;
    lastTeam = team;
  }
  statsPage = STATS_PAGE_GAME;
  statsSubject = firstActiveSlot;
  saveDialogOpen = 0;
}

void StatisticsBlock() {
  bool leaving = false;
  if (saveDialogOpen == 1) {
    SaveDialogInput();
  } else {
    leaving = StatisticsInput();
  }
  AdvancePulse();
  StatisticsDraw();
  if (leaving) ClearFinishedMatch();
}

void StatisticsDraw() {
  DrawTitleBackdrop();
  if (saveDialogOpen == 1) {
    SaveDialogDraw();
    return;
  }
  DrawMenuBorder(statisticsBorderImage, 640, 544);
  DrawTextProp2(640, 236, u"STATISTICS", 1);
  DrawSubjectTitle();
  DrawButtons();
  DrawPage();
}

void ResetStatisticsScreen() {
  statsPage = STATS_PAGE_GAME;
  statsSubject = 0;
  firstActiveSlot = lastActiveSlot = firstTeam = lastTeam = 0;
  statsHoverX = statsHoverY = -1000;
}
