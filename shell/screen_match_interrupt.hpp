// The state of the screens after the match: the interrupt (12), the abort
// question (13) and the result banner (14).
#pragma once
#include <cstdint>

#include "platform/text.hpp"

// 1 when the abort question was answered yes in this frame.
extern int32_t abortConfirmed;
// Darkness of the frozen match picture in percent, 0 to 80.
extern int32_t dimLevel;
// Frames of the result screen.
extern int32_t resultTimer;
// The banner; kept from the last result when no case sets it.
extern Text resultText;

// The match picture, frozen, darkened by dimLevel (screens 13 and 14).
void DrawFrozenMatch();

// Everything above back to its program-start value (tests).
void ResetMatchScreens();
