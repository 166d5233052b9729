// Xiapas: Toaster Lasers and Energy Station. Its code is still to come.
#include "shell/ship_types/type_code.hpp"

void XiapasSpecialWeapon(TShip& /*ship*/) {}
void XiapasShotKind(TShot& /*shot*/) {}
