// Regal: Small Homing Missile. Its code is still to come.
#include "shell/ship_types/type_code.hpp"

void RegalSpecialWeapon(TShip& /*ship*/) {}
