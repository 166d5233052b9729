// Screen 1: the main menu.
#include "shell/frame_internal.hpp"
#include "shell/screens.hpp"

void MainMenuHead() {}
void MainMenuEnter() {}
void MainMenuBlock() {}
void MainMenuDraw() {}
void ResetMainMenu() {}
