// Treek: the Maxim Cannon's recoil jolts the heading by -7 to +8 degrees.
#include "match/match_tables.hpp"
#include "platform/random.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

void TreekSpecialWeapon(TShip& ship) {
  if (weaponFired[2] != 1) return;
  const int32_t jolt = RandomIntInRange(1, 16);
  ship.heading = static_cast<float>(static_cast<double>(ship.heading) - 8.0 + jolt);
  if (ship.heading < 0.0f) ship.heading = static_cast<float>(ship.heading + 360.0);
  if (ship.heading > 360.0f) ship.heading = static_cast<float>(ship.heading - 360.0);
}
