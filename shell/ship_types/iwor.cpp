// Iwor: Mounted Cannon and Change Weapon Mode. Its code is still to come.
#include "shell/ship_types/type_code.hpp"

void IworSpecialWeapon(TShip& /*ship*/) {}
