// Hepron: Rotary Machinegun and Astro Drill. Its code is still to come.
#include "shell/ship_types/type_code.hpp"

void HepronSpecialWeapon(TShip& /*ship*/) {}
void HepronShotKind(TShot& /*shot*/) {}
