// Treek: Maxim Cannon. Its code is still to come.
#include "shell/ship_types/type_code.hpp"

void TreekSpecialWeapon(TShip& /*ship*/) {}
