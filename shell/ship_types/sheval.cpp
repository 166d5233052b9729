// Sheval: Greedy Orb. Its code is still to come.
#include "shell/ship_types/type_code.hpp"

void ShevalShotKind(TShot& /*shot*/) {}
