// Coboth: Fore Shield. Its code is still to come.
#include "shell/ship_types/type_code.hpp"

void CobothSpecialWeapon(TShip& /*ship*/) {}
void CobothShotKind(TShot& /*shot*/) {}
