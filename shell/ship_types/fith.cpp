// Fith: Flusher bombs. Its code is still to come.
#include "shell/ship_types/type_code.hpp"

void FithShotKind(TShot& /*shot*/) {}
