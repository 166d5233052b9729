// Avrax: Gauss Cannons and Repair Bots. Its code is still to come.
#include "shell/ship_types/type_code.hpp"

void AvraxSpecialWeapon(TShip& /*ship*/) {}
void AvraxShotKind(TShot& /*shot*/) {}
