// Screen 7: the match.
#include "shell/screens.hpp"

void MatchScreenEnter() {}
void MatchScreenBlock() {}
void MatchScreenDraw() {}
