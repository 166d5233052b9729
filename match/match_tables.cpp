#include "match/match_tables.hpp"

#include <cstring>

int32_t slotTable[5][8];
int32_t fleetTable[5][4][31];
float slotShipValue[5][4][51];
float slotShipPoint[5][4][51][6];
int32_t playerInput[5][8];
float damageQueue[5][6][31][9];
float matchStats[6][31][10];
int32_t replayData[maxReplayFrames + 1][5][8];
float shipSnapshot[5][7] = {{0.0f, 640.0f, 512.0f}};
int32_t shipSizeOrder[6][5];

int32_t launchTimer[5];
int32_t cpuChoiceTimer[5];
int32_t selectBlink[5][3];

int32_t targetCandidates[5];
float aimResult[5][5];
float aimHeading;

int32_t weaponFired[3];
int32_t lastHitSlot;
int32_t teamAlive[5];
int32_t slotEffectState[6][51];

int32_t matchFrame;
int32_t matchWinner;
int32_t matchOverDelay;
int32_t matchOver;

int32_t matchSeed;
Text matchDateTime[3];
int32_t shopPlayer;
int32_t shopperChosen;
int32_t announceTimer;

void ResetMatchTables() {
  std::memset(slotTable, 0, sizeof slotTable);
  std::memset(fleetTable, 0, sizeof fleetTable);
  std::memset(slotShipValue, 0, sizeof slotShipValue);
  std::memset(slotShipPoint, 0, sizeof slotShipPoint);
  std::memset(playerInput, 0, sizeof playerInput);
  std::memset(damageQueue, 0, sizeof damageQueue);
  std::memset(matchStats, 0, sizeof matchStats);
  std::memset(replayData, 0, sizeof replayData);
  std::memset(shipSnapshot, 0, sizeof shipSnapshot);
  shipSnapshot[0][1] = 640.0f;
  shipSnapshot[0][2] = 512.0f;
  std::memset(shipSizeOrder, 0, sizeof shipSizeOrder);
  std::memset(launchTimer, 0, sizeof launchTimer);
  std::memset(cpuChoiceTimer, 0, sizeof cpuChoiceTimer);
  std::memset(selectBlink, 0, sizeof selectBlink);
  std::memset(targetCandidates, 0, sizeof targetCandidates);
  std::memset(aimResult, 0, sizeof aimResult);
  aimHeading = 0.0f;
  std::memset(weaponFired, 0, sizeof weaponFired);
  lastHitSlot = 0;
  std::memset(teamAlive, 0, sizeof teamAlive);
  std::memset(slotEffectState, 0, sizeof slotEffectState);
  matchFrame = 0;
  matchWinner = 0;
  matchOverDelay = 0;
  matchOver = 0;
  matchSeed = 0;
  for (Text& t : matchDateTime) t.clear();
  shopPlayer = 0;
  shopperChosen = 0;
  announceTimer = 0;
}
