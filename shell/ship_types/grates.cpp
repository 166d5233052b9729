// Grates: Growing Sphere. Its code is still to come.
#include "shell/ship_types/type_code.hpp"

void GratesSpecialWeapon(TShip& /*ship*/) {}
