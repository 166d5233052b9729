// Tkharzer: Air Pressure Bomb. Its code is still to come.
#include "shell/ship_types/type_code.hpp"

void TkharzerShotKind(TShot& /*shot*/) {}
