// Adapa: Ultra Flash. Its code is still to come.
#include "shell/ship_types/type_code.hpp"

void AdapaSpecialWeapon(TShip& /*ship*/) {}
void AdapaShotKind(TShot& /*shot*/) {}
