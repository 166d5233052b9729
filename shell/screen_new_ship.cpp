// Screen 15: the new-ship award.
#include "shell/screens.hpp"

void NewShipEnter() {}
void NewShipBlock() {}
void NewShipDraw() {}
