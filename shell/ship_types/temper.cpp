// Temper: Grow Energy Reserves. Its code is still to come.
#include "shell/ship_types/type_code.hpp"

void TemperSpecialWeapon(TShip& /*ship*/) {}
