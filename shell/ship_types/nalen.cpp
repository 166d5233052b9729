// Nalen: Spiral Bomb. Its code is still to come.
#include "shell/ship_types/type_code.hpp"

void NalenShotKind(TShot& /*shot*/) {}
