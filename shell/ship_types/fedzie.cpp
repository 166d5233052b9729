// Fedzie: Acid Clot and Mini Mines. Its code is still to come.
#include "shell/ship_types/type_code.hpp"

void FedzieSpecialWeapon(TShip& /*ship*/) {}
void FedzieShotKind(TShot& /*shot*/) {}
