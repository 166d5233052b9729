// Scalus: Infernal Roar. Its code is still to come.
#include "shell/ship_types/type_code.hpp"

void ScalusSpecialWeapon(TShip& /*ship*/) {}
void ScalusShotKind(TShot& /*shot*/) {}
