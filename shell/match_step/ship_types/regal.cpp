// Regal: the Small Homing Missiles leave from alternate sides.
#include "match/match_tables.hpp"
#include "shell/match_step/ship_types/helpers.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

void RegalSpecialWeapon(TShip& ship) {
  if (weaponFired[2] == 1) MirrorMuzzle(ship.slot, 2);
}
