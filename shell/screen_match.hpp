// Screen 7's frame: the match input (keys or the recording), Escape, the
// in-game music, then the stages of shell/match_step/match_step.hpp.
#pragma once

// Screen 7's block: MatchUpdate, MatchDraw, ReplaySyncCheck.
void MatchStep();
// Stages 1 to 11 of a frame: input, Escape, music, WinnerTest,
// NextShipChoice, WarpInUpdate, the snapshot, the ship pass, the shot pass,
// ResolveDamage and the effects update.
void MatchUpdate();
// Each human slot's playerInput row from its keys (recorded) or from the
// recording (playback).
void MatchInput();
