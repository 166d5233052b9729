// Screens 12, 13 and 14: the match interrupt, the abort question and the result.
#include "shell/screens.hpp"

void MatchInterruptEnter() {}
void MatchInterruptBlock() {}
void ConfirmAbortMatchEnter() {}
void ConfirmAbortMatchBlock() {}
void ConfirmAbortMatchDraw() {}
void MatchResultEnter() {}
void MatchResultBlock() {}
void MatchResultDraw() {}
