// Qoul: Sonic Shield. Its code is still to come.
#include "shell/ship_types/type_code.hpp"

void QoulSpecialWeapon(TShip& /*ship*/) {}
void QoulShotKind(TShot& /*shot*/) {}
