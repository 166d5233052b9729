// Screen 7: the match.
#include "shell/match_step/match_step.hpp"
#include "shell/match_step.hpp"
#include "shell/screens.hpp"

// The images need no warming up before play here: they are ready when loaded.
void MatchScreenEnter() {}

void MatchScreenBlock() { MatchStep(); }

void MatchScreenDraw() { MatchDraw(); }
