// Faser: Beast Bubbles. Its code is still to come.
#include "shell/ship_types/type_code.hpp"

void FaserShotKind(TShot& /*shot*/) {}
