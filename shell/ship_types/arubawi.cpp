// Arubawi: Hyper Jump. Its code is still to come.
#include "shell/ship_types/type_code.hpp"

void ArubawiSpecialWeapon(TShip& /*ship*/) {}
