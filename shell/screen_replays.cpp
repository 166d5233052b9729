// Screen 17, the replay browser, and screen 18, the delete question.
#include "shell/screens.hpp"

void ReplaysEnter() {}
void ReplaysBlock() {}
void ReplaysDraw() {}
void ConfirmDeleteReplayEnter() {}
void ConfirmDeleteReplayBlock() {}
void ConfirmDeleteReplayDraw() {}
