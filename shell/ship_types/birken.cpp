// Birken: Wobbleys and Hellbore Rockets. Its code is still to come.
#include "shell/ship_types/type_code.hpp"

void BirkenSpecialWeapon(TShip& /*ship*/) {}
void BirkenShotKind(TShot& /*shot*/) {}
