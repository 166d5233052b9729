// Jerboafa: Pulsar Trap. Its code is still to come.
#include "shell/ship_types/type_code.hpp"

void JerboafaShotKind(TShot& /*shot*/) {}
