// Erebos: Crystal Beams and Spinner Beam. Its code is still to come.
#include "shell/ship_types/type_code.hpp"

void ErebosSpecialWeapon(TShip& /*ship*/) {}
void ErebosShotKind(TShot& /*shot*/) {}
