// Serger: Attack Drones. Its code is still to come.
#include "shell/ship_types/type_code.hpp"

void SergerShotKind(TShot& /*shot*/) {}
