// The match step: the stages of one match frame, and the match start.
//
// Determinism: within a frame the random generator is drawn from only by the
// stages below, always in the same order; drawing, sound and the fade's
// draw-only copy never draw from it. Reals follow the match routines' rule:
// one expression in double precision, rounded to 32 bits where it is stored
// in a Float field or variable.
#pragma once
#include <cstdint>

#include "platform/files.hpp"
#include "platform/text.hpp"

// The stages of a match frame after the input, Escape and the music, which
// screen 7's block runs, in this order.
// Sets matchWinner once at most one team is left; true on the frame the end
// delay runs out, when the match must go to the interrupt screen.
bool WinnerTest();
void NextShipChoice();
void WarpInUpdate();
void TakeShipSnapshot();
void ShipUpdate();
// Destroys currentShip at the end of its step.
void ShipDeath();
void ShotUpdate();
void ResolveDamage();
void EffectsUpdate();
// Records (live) or compares (playback) the frame's three checksums.
void ReplaySyncCheck();
// Checksum differences found by the last ReplaySyncCheck (0 to 3); each one
// drew the warning once.
extern int32_t replaySyncMismatches;

// The per-ship-type code, selected by currentShip.shipType and by
// currentShot.shipType.
void ShipSpecialWeapon();
void ShotKindBehaviour();
// Computer control writes a computer slot's playerInput row.
void ComputerControl();
void AiSpecialTactics();
// The arena, the effects and the HUD.
void MatchDraw();

// Screen 4's match start: records (live) or reads back (playback) the seed,
// the slot set-up and the fleets, resets the statistics and the launch
// timers and switches to the match in the same frame. False when a replay
// to play back could not be read in full: its stream is closed, playback
// data removed and nothing else changed.
bool StartMatch();
// The unpacked replay being prepared for playback, open just after its magic.
// It lives in the game's data folder, where the game may write.
extern StreamRef replayStream;
constexpr const char16_t* playbackTempPath = u"data\\qvw2.tmp";
// Whether a replay data file can be played back: the magic, a size of
// exactly 8 + 160 x (N + 1) with N at most 45000, and every control, team,
// fleet size and ship type of its set-up within range.
bool ReplayDataFileValid(const Text& path);
// The same test on bytes in memory.
bool ReplayDataBytesValid(const uint8_t* bytes, size_t size);
