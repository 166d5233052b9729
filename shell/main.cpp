#include "media/embedded_media.hpp"
#include "platform/files.hpp"
#include "shell/screens.hpp"
#include "shell/startup.hpp"

int main() {
  // Every relative path of the game resolves beside the program.
  EnterProgramFolder();
  KeepRunningPastFileSizeLimit();
  ShellStartup(RegisterEmbeddedMedia);
  MainLoop();
}
