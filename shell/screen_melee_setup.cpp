// Screen 2: the melee set-up.
#include "shell/screens.hpp"

void MeleeSetupEnter() {}
void MeleeSetupBlock() {}
void MeleeSetupDraw() {}
