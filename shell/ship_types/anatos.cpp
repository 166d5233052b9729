// Anatos: Self-Destruction. Its code is still to come.
#include "shell/ship_types/type_code.hpp"

void AnatosSpecialWeapon(TShip& /*ship*/) {}
void AnatosShotKind(TShot& /*shot*/) {}
