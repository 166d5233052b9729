// Screen 9: the options.
#include "shell/screens.hpp"

void OptionsEnter() {}
void OptionsBlock() {}
void OptionsDraw() {}
