// The shell's tables with fixed contents, set up during start-up.
#pragma once

// The team letters (right after the display opens).
void SetUpTeamNames();
// Every other table: name pairs, colours, key names, the default slots, the
// HUD layout; then currentScreen 1 and the ship ranking.
void SetUpStartupTables();
// The default set-up of the four slots.
void SetDefaultSlots();
// shipOrder: the ship types by integer price, cheapest first, equal prices by name.
void RankShipTypes();
