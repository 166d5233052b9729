// The options screen's state (screen 9).
#pragma once
#include <cstdint>

// 0 the general page, 1 to 4 the keys of player slot 1 to 4; 0 on entry.
extern int32_t optionsPage;
// The row (INPUT_THRUST to INPUT_SNIPING) of the current player page that
// waits for a key, else 0.
extern int32_t awaitedBinding;
// Frames the new-ship award has been shown (screen 15).
extern int32_t newShipTimer;

// Both screens' state back to its program-start values (tests).
void ResetOptionsScreen();
void ResetNewShipScreen();
