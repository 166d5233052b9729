// Ithus: Toader Rockets and Wild Balls. Its code is still to come.
#include "shell/ship_types/type_code.hpp"

void IthusSpecialWeapon(TShip& /*ship*/) {}
void IthusShotKind(TShot& /*shot*/) {}
