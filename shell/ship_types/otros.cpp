// Otros: Rebuild Side Plates. Its code is still to come.
#include "shell/ship_types/type_code.hpp"

void OtrosSpecialWeapon(TShip& /*ship*/) {}
void OtrosShotKind(TShot& /*shot*/) {}
