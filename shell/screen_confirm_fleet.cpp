// Screen 6, the fleet confirmation, and screen 11, the shop abort question.
#include "shell/screens.hpp"

void ConfirmFleetEnter() {}
void ConfirmFleetBlock() {}
void ConfirmFleetDraw() {}
void ConfirmAbortShopEnter() {}
void ConfirmAbortShopBlock() {}
void ConfirmAbortShopDraw() {}
