// Start-up: the start-up window, the display, the star field and the loading screens.
#include "shell/frame_internal.hpp"

void ResetStartup() {}
