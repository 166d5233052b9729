// Pax: Curse enemies. Its code is still to come.
#include "shell/ship_types/type_code.hpp"

void PaxSpecialWeapon(TShip& /*ship*/) {}
void PaxShotKind(TShot& /*shot*/) {}
