// The match frame: input and recording, Escape, music, the winner test, and
// the fixed order of the stages.
#include "match/match_step.hpp"

#include "shell/input_edges.hpp"
#include "match/key_codes.hpp"
#include "match/match_tables.hpp"
#include "match/media_tables.hpp"
#include "match/shell_tables.hpp"
#include "platform/sound.hpp"
#include "shell/screens.hpp"

// Frames from the deciding death to the end of the match.
constexpr int32_t MATCH_END_DELAY = 375;

void MatchUpdate() {
  MatchInput();
  if (KeyPressed(KEY_ESCAPE) == 1) RequestScreen(SCREEN_MATCH_INTERRUPT);
  ScreenMusic(TRACK_INGAME, true);
  WinnerTest();
  NextShipChoice();
  WarpInUpdate();
  TakeShipSnapshot();
  ShipUpdate();
  ShotUpdate();
  ResolveDamage();
  EffectsUpdate();
}

void MatchStep() {
  MatchUpdate();
  MatchDraw();
  ReplaySyncCheck();
}

void MatchInput() {
  if (matchFrame < maxReplayFrames) matchFrame += 1;
  for (int32_t slot = 1; slot <= 4; ++slot) {
    for (int32_t c = INPUT_THRUST; c <= INPUT_SNAP_HEADING; ++c) playerInput[slot][c] = 0;
    if (slotTable[slot][SLOT_CONTROL] != CONTROL_HUMAN) continue;
    int32_t* recorded = replayData[matchFrame][slot];
    if (playbackMode == 0) {
      const int32_t* keys = optionTable[slot];
      if (slotTable[slot][SLOT_ARENA] == ARENA_FLYING) {
        // A key tapped between two frames counts as held for one frame, and
        // is recorded so.
        for (int32_t c = INPUT_THRUST; c <= INPUT_FIRE_SECONDARY; ++c)
          playerInput[slot][c] = KeyDown(keys[c]);
        playerInput[slot][INPUT_SNIPING] = KeyPressed(keys[INPUT_SNIPING]);
      } else {
        // Choosing: each press steps or launches once.
        for (int32_t c = INPUT_TURN_LEFT; c <= INPUT_FIRE_PRIMARY; ++c)
          playerInput[slot][c] = KeyPressed(keys[c]);
      }
      for (int32_t c = INPUT_THRUST; c <= INPUT_SNIPING; ++c) recorded[c] = playerInput[slot][c];
    } else {
      for (int32_t c = INPUT_THRUST; c <= INPUT_SNIPING; ++c) playerInput[slot][c] = recorded[c];
    }
  }
}

void WinnerTest() {
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
      RequestScreen(SCREEN_MATCH_INTERRUPT);
    }
  }
}
