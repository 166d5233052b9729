// The winner test: the last team standing wins, or nobody does.
#include "match/match_tables.hpp"
#include "match/media_tables.hpp"
#include "match/shell_tables.hpp"
#include "platform/sound.hpp"
#include "shell/match_step/match_step.hpp"

// Frames from the deciding death to the end of the match.
constexpr int32_t MATCH_END_DELAY = 375;

bool WinnerTest() {
  int32_t count = 0;
  for (int32_t team = 1; team <= 4; ++team) teamAlive[team] = 0;
  for (int32_t slot = 1; slot <= 4; ++slot) {
    int32_t team = slotTable[slot][SLOT_TEAM];
    if (team < 1 || team > 4) continue;
    if (slotTable[slot][SLOT_ARENA] != ARENA_OUT && teamAlive[team] == 0) {
      count += 1;
      teamAlive[team] = 1;
    }
  }
  if (matchWinner == 0 && count <= 1) {
    PlaySoundOnChannel(victorySound);
    for (int32_t team = 1; team <= 4; ++team)
      if (teamAlive[team] == 1) matchWinner = team;
    if (matchWinner == 0) matchWinner = WINNER_DRAW;
  }
  if (matchWinner != 0) {
    matchOverDelay += 1;
    if (matchOverDelay == MATCH_END_DELAY) {
      matchOverDelay = 0;
      matchOver = 1;
      return true;
    }
  }
  return false;
}
