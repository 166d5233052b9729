// The statistics screen's state and the figures of its pages.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/text.hpp"

// The page shown: 1 game, 2 team, 3 player, 4 ship by ship.
constexpr int32_t STATS_PAGE_GAME = 1;
constexpr int32_t STATS_PAGE_TEAM = 2;
constexpr int32_t STATS_PAGE_PLAYER = 3;
constexpr int32_t STATS_PAGE_SHIPS = 4;
extern int32_t statsPage;
// The team (page 2) or slot (pages 3 and 4) shown.
extern int32_t statsSubject;
// Lowest and highest enabled slot, and lowest and highest of their teams
// (0 when none); teamPresent marks the teams in between.
extern int32_t firstActiveSlot;
extern int32_t lastActiveSlot;
extern int32_t firstTeam;
extern int32_t lastTeam;
// Where tickBorderImage marks the hovered arrow ((-1000, -1000): none).
extern int32_t statsHoverX;
extern int32_t statsHoverY;

// One line of figures: its label and value, y from the top of the screen
// (pages) or from the pointer (the ship panel).
struct StatsRow {
  int32_t y;
  Text label;
  Text value;
};

// Pages 1 to 3: heading, label and value columns and the rows; page 4 has
// the heading only, its grid is drawn from the table directly.
struct StatsPage {
  Text heading;
  int32_t labelX = 0;
  int32_t valueX = 0;
  std::vector<StatsRow> rows;
};
StatsPage StatisticsPage();

// The panel of one member on page 4: its ship's name, the height of its
// shade in 32-pixel rows and the rows shown for it.
struct ShipPanel {
  Text name;
  int32_t shadeRows = 0;
  std::vector<StatsRow> rows;
};
ShipPanel ShipInfoPanel(int32_t slot, int32_t member);
// The member of slot statsSubject whose cell on page 4 holds the pointer,
// 0 when none does.
int32_t HoveredShipCell();

// The text of the save line: SAVE REPLAY, or why the replay cannot be saved.
Text SaveReplayLine();

// The screen's state back to its program-start values (tests).
void ResetStatisticsScreen();
