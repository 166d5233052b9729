// Kabata: Chaos Orb and Rematerialize. Its code is still to come.
#include "shell/ship_types/type_code.hpp"

void KabataSpecialWeapon(TShip& /*ship*/) {}
void KabataShotKind(TShot& /*shot*/) {}
