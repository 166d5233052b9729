// Screen 7, the match: input and recording, Escape, music, then the stages
// of the match step in their fixed order.
#include "shell/screen_match.hpp"

#include "match/input_edges.hpp"
#include "match/key_codes.hpp"
#include "match/match_tables.hpp"
#include "match/shell_tables.hpp"
#include "shell/match_step/match_step.hpp"
#include "shell/screens.hpp"

// The images need no warming up before play here: they are ready when loaded.
void MatchScreenEnter() {}

void MatchScreenBlock() { MatchStep(); }

void MatchScreenDraw() { MatchDraw(); }

void MatchUpdate() {
  MatchInput();
  if (KeyPressed(KEY_ESCAPE) == 1) RequestScreen(SCREEN_MATCH_INTERRUPT);
  ScreenMusic(TRACK_INGAME, true);
  if (WinnerTest()) RequestScreen(SCREEN_MATCH_INTERRUPT);
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
