// Screen 5: the ship shop.
#include "match/input_edges.hpp"
#include "match/shell_tables.hpp"
#include "shell/screens.hpp"

void ShipShopEnter() {}

// Until the shop is built, Escape leaves it for the main menu so a custom
// fleet never strands the player on an empty screen.
void ShipShopBlock() {
  if (KeyPressed(27) == 1) RequestScreen(SCREEN_MAIN_MENU);
}

void ShipShopDraw() {}
