// The save dialog of the statistics screen.
#include "shell/replay_save.hpp"

#include "match/input_edges.hpp"

int32_t saveDialogOpen = 0;
int32_t saveAccepted = 0;
int32_t replaySaved = 0;

// Until the dialog is built, Escape closes it again.
void SaveDialogInput() {
  if (KeyPressed(27) == 1) saveDialogOpen = 0;
}

void SaveDialogDraw() {}

void ResetReplaySave() {
  saveDialogOpen = 0;
  saveAccepted = 0;
  replaySaved = 0;
}
