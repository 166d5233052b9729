// The save dialog of the statistics screen: the replay's name and five
// description lines, then the information file and the packed replay.
#pragma once
#include <cstdint>

extern int32_t saveDialogOpen;
extern int32_t saveAccepted;
extern int32_t replaySaved;

// One frame of the dialog's input while it is open, in place of the
// statistics screen's own input.
void SaveDialogInput();
// The dialog's drawing, after the statistics backdrop.
void SaveDialogDraw();

// The dialog back to its program-start state (tests).
void ResetReplaySave();
