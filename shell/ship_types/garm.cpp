// Garm: Sticky Bolt. Its code is still to come.
#include "shell/ship_types/type_code.hpp"

void GarmShotKind(TShot& /*shot*/) {}
