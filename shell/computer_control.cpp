// Computer control and the per-type tactics.
//
// TO BE FILLED by the computer-control work: these are deliberately empty, so
// a computer ship launches and flies straight on without steering or firing.
#include "shell/match_step.hpp"

void ComputerControl() {}

void AiSpecialTactics() {}
