// Match drawing: the star field, every object list, team labels and the HUD.
//
// TO BE FILLED by the match-drawing work: deliberately empty. It must never
// change the simulation or draw random numbers.
#include "shell/match_step.hpp"

void MatchDraw() {}
