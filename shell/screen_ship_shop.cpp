// Screen 5: the ship shop.
#include "shell/screens.hpp"

void ShipShopEnter() {}
void ShipShopBlock() {}
void ShipShopDraw() {}
