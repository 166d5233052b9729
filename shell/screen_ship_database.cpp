// Screen 10: the ship database.
#include "shell/screens.hpp"

void ShipDatabaseEnter() {}
void ShipDatabaseBlock() {}
void ShipDatabaseDraw() {}
