// Screen 4: the next slot to shop, and the match start.
#include "shell/screens.hpp"

void NextShopperEnter() {}
void NextShopperBlock() {}
void NextShopperDraw() {}
