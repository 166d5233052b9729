// Screen 3, the game mode choice, and screen 16, the challenge set-up.
#include "shell/screens.hpp"

void GameModeEnter() {}
void GameModeBlock() {}
void GameModeDraw() {}
void ChallengeSetupEnter() {}
void ChallengeSetupBlock() {}
void ChallengeSetupDraw() {}
