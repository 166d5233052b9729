// Kalgon: Thorn Thrust. Its code is still to come.
#include "shell/ship_types/type_code.hpp"

void KalgonSpecialWeapon(TShip& /*ship*/) {}
void KalgonShotKind(TShot& /*shot*/) {}
