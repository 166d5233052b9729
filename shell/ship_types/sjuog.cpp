// Sjuog: Annihilator Cannon. Its code is still to come.
#include "shell/ship_types/type_code.hpp"

void SjuogSpecialWeapon(TShip& /*ship*/) {}
void SjuogShotKind(TShot& /*shot*/) {}
