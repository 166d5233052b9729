// Bridew: Sabotage Troop. Its code is still to come.
#include "shell/ship_types/type_code.hpp"

void BridewShotKind(TShot& /*shot*/) {}
